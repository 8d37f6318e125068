#include "tools/puzzle_source.h"

#include <algorithm>
#include <map>
#include <sstream>
#include <string_view>

#include "library/puzzle_file.h"
#include "model/element_set.h"
#include "model/puzzle_shape.h"
#include "tools/tool_text.h"

namespace tessellix {

namespace {

// The editor's canvas: every puzzle must be one a player could have drawn there.

constexpr std::string_view kBlank = " \t\r";

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(kBlank);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlank) - first + 1);
}

// The character of UTF-8 text that starts at `at`, whole, for a message.
std::string_view CharacterAt(std::string_view text, std::size_t at) {
    std::size_t length = 1;
    while (at + length < text.size() &&
           (static_cast<unsigned char>(text[at + length]) & 0xC0) == 0x80) {
        ++length;
    }
    return text.substr(at, length);
}

std::string Quoted(std::string_view text) {
    return "\"" + VisibleText(text) + "\"";
}

}  // namespace

Result<std::vector<SourcePuzzle>> ParsePuzzleSource(std::istream& in,
                                                    const std::string& sourceName) {
    std::vector<SourcePuzzle> puzzles;
    std::string text;
    int lineNumber = 0;
    bool inPicture = false;
    std::map<int, int> lineOfNumber;
    const auto fail = [&](const std::string& message) {
        return Result<std::vector<SourcePuzzle>>(
            ToolFailure(PlaceMessage(sourceName + ":" + std::to_string(lineNumber), message)));
    };
    while (std::getline(in, text)) {
        ++lineNumber;
        if (inPicture) {
            const std::string_view row = Trimmed(text);
            if (row == "end") {
                inPicture = false;
            } else {
                puzzles.back().picture.emplace_back(row);
            }
            continue;
        }
        const std::string_view line = Trimmed(text);
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const auto blank = line.find_first_of(kBlank);
        const std::string_view key = line.substr(0, blank);
        const std::string_view value =
            blank == std::string_view::npos ? std::string_view() : Trimmed(line.substr(blank));
        if (key == "puzzle") {
            SourcePuzzle puzzle;
            puzzle.line = lineNumber;
            const std::optional<int> number = Digits<int>(value);
            if (!number || *number == 0) {
                return fail("a puzzle number is 1 to 2147483647 in plain digits, not " +
                            Quoted(value));
            }
            puzzle.number = *number;
            if (const auto [first, added] = lineOfNumber.emplace(puzzle.number, lineNumber);
                !added) {
                return fail("puzzle " + std::to_string(puzzle.number) + " is already on line " +
                            std::to_string(first->second));
            }
            puzzles.push_back(puzzle);
            continue;
        }
        if (puzzles.empty()) {
            return fail(Quoted(key) + " before the first \"puzzle\" line");
        }
        SourcePuzzle& puzzle = puzzles.back();
        if (key == "ru" || key == "en") {
            puzzle.names.In(key == "ru" ? Language::Russian : Language::English) = value;
        } else if (key == "ru-note" || key == "en-note") {
            puzzle.notes.In(key == "ru-note" ? Language::Russian : Language::English) = value;
        } else if (key == "elements") {
            const std::string_view letters =
                value == "all" ? std::string_view(kElementLetters) : value;
            for (std::size_t at = 0; at < letters.size(); ++at) {
                const auto found = std::string_view(kElementLetters).find(letters[at]);
                if (found == std::string_view::npos) {
                    return fail("no element has the letter " + Quoted(CharacterAt(letters, at)));
                }
                puzzle.elements |= 1u << found;
            }
        } else if (key == "count") {
            puzzle.count = value != "no";
            if (value != "yes" && value != "no") {
                puzzle.given = Digits<unsigned long long>(value);
                if (!puzzle.given) {
                    return fail(
                        "count is yes, no or the number of solutions in plain digits, "
                        "not " +
                        Quoted(value));
                }
            }
        } else if (key == "at") {
            std::istringstream words{std::string(value)};
            std::string column;
            std::string row;
            std::string more;
            words >> column >> row >> more;
            const std::optional<int> left = Digits<int>(column);
            const std::optional<int> top = Digits<int>(row);
            if (!left || !top || !more.empty()) {
                return fail("\"at\" needs a column and a row in plain digits, not " +
                            Quoted(value));
            }
            puzzle.at = std::pair{*left, *top};
        } else if (key == "shape") {
            if (!value.empty()) {
                return fail("the rows of a shape start on the line after \"shape\"");
            }
            inPicture = true;
        } else {
            return fail("unknown key " + Quoted(key));
        }
    }
    if (in.bad()) {
        return ToolFailure(PlaceMessage(sourceName, "cannot be read"));
    }
    if (inPicture) {
        return fail("the last shape has no \"end\" line");
    }
    return puzzles;
}

Result<std::vector<int>> SourceGrid(const SourcePuzzle& puzzle) {
    const std::string where = "puzzle " + std::to_string(puzzle.number) + ": ";
    std::size_t width = 0;
    for (const std::string& row : puzzle.picture) {
        width = std::max(width, row.size());
    }
    if (width > kCanvasColumns || puzzle.picture.size() > kCanvasRows) {
        return ToolFailure(where + "the shape is larger than the editor's 31 x 19 canvas");
    }
    const int columns = static_cast<int>(width);
    const int rows = static_cast<int>(puzzle.picture.size());
    const auto [left, top] =
        puzzle.at.value_or(std::pair{(kCanvasColumns - columns) / 2, (kCanvasRows - rows) / 2});
    // Against the room left, so that a far-off corner cannot overflow a sum.
    if (left < 0 || top < 0 || left > kCanvasColumns - columns || top > kCanvasRows - rows) {
        return ToolFailure(where + "the shape does not lie on the editor's 31 x 19 canvas");
    }
    std::vector<int> grid(kGridSide * kGridSide, 0);
    for (int r = 0; r < rows; ++r) {
        const std::string& cells = puzzle.picture[r];
        for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
            grid[(top + r) * kGridSide + left + c] = cells[c] == 'X' || cells[c] == '#' ? 1 : 0;
        }
    }
    return grid;
}

}  // namespace tessellix
