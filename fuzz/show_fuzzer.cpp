// Any bytes as the puzzle file that `tessellix-puzzle show` prints. The text form never hands a
// control character to the terminal but a line break; the JSON form parses back to the texts
// and the grid that the file holds.

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "library/whole_file.h"
#include "tools/puzzle_input.h"
#include "tools/show_command.h"
#include "tools/tool_text.h"

namespace tessellix {

namespace {

// C0 controls but the line feed, DEL, and C1 controls in their UTF-8 form (C2 80 to C2 9F),
// which some terminals obey as well.
bool HasControlCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c < 0x20 && c != '\n') || c == 0x7F) {
            return true;
        }
        if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
            static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            return true;
        }
    }
    return false;
}

bool PairIs(const nlohmann::json& object, const char* field, const BilingualText& texts) {
    const auto pair = object.find(field);
    return pair != object.end() && pair->is_array() && pair->size() == 2 &&
           (*pair)[0].is_string() && (*pair)[0] == texts.In(Language::Russian) &&
           (*pair)[1].is_string() && (*pair)[1] == texts.In(Language::English);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = ScratchFolder() + "12.TLX";
    FUZZ_CHECK(!WriteWholeFile(path, std::string_view(reinterpret_cast<const char*>(data), size)));
    const Result<LoadedPuzzle> puzzle = LoadToolPuzzle(path);
    if (!puzzle) {
        FUZZ_CHECK(ToolWords(puzzle.Error()).rfind(path + ": ", 0) == 0);
        return 0;
    }
    FUZZ_CHECK(!HasControlCharacter(ShowText(*puzzle)));

    // Strict: exactly one value, strings in valid UTF-8, no comments; nothing thrown.
    const nlohmann::json json = nlohmann::json::parse(ShowJson(*puzzle), nullptr, false);
    FUZZ_CHECK(json.is_object());
    FUZZ_CHECK(json.contains("cutShortAt") == !puzzle->IsComplete());
    FUZZ_CHECK(PairIs(json, "names", puzzle->data.texts.names));
    FUZZ_CHECK(PairIs(json, "comments", puzzle->data.texts.comments));
    const auto grid = json.find("grid");
    FUZZ_CHECK(grid != json.end() && grid->is_array() && grid->size() == kGridSide);
    for (int r = 0; r < kGridSide; ++r) {
        FUZZ_CHECK((*grid)[r].is_string());
        const std::string& row = (*grid)[r].get_ref<const std::string&>();
        FUZZ_CHECK(row.size() == kGridSide);
        for (int c = 0; c < kGridSide; ++c) {
            FUZZ_CHECK((row[c] == '#') == (puzzle->data.grid[r * kGridSide + c] != 0));
        }
    }
    const auto elements = json.find("elements");
    FUZZ_CHECK(elements != json.end() && elements->is_array() &&
               elements->size() == kElementRecordCount);
    return 0;
}

}  // namespace tessellix
