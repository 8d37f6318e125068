// Any bytes as a puzzle code, as the body behind a good checksum, or as a puzzle file to code.
// A text that decodes is the code of what it decodes to, white space aside, and every puzzle
// that has a code decodes from it to itself; a text that does not decode says why.
//
// The first byte picks the way, so that the fuzzer reaches past the checksum: 0 (mod 3) takes
// all bytes as the code's text, 1 the rest as the binary body of a code with its checksum
// made to pass, 2 the rest as a puzzle file.

#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "library/puzzle_code.h"
#include "library/puzzle_file.h"

namespace tessellix {

namespace {

std::string WithoutSpace(std::string_view text) {
    std::string kept;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r' && c != '\v' && c != '\f') {
            kept += c;
        }
    }
    return kept;
}

void CheckCode(std::string_view text) {
    const Result<PuzzleFileData> decoded = DecodePuzzleCode(text);
    if (!decoded) {
        const BilingualText& error = decoded.Error().Message();
        FUZZ_CHECK(!error.In(Language::Russian).empty() && !error.In(Language::English).empty());
        return;
    }
    const Result<std::string> code = EncodePuzzleCode(*decoded);
    FUZZ_CHECK(code && *code == WithoutSpace(text));
    // What a file written from it holds is what it says.
    const Result<std::string> bytes = EncodePuzzleFile(*decoded);
    FUZZ_CHECK(bytes && DecodePuzzleFile(*bytes).data == *decoded);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (size == 0 || data[0] % 3 == 0) {
        CheckCode(bytes);
    } else if (data[0] % 3 == 1) {
        CheckCode(PuzzleCodeOfBody(bytes.substr(1)));
    } else {
        const PuzzleFileContents file = DecodePuzzleFile(bytes.substr(1));
        if (const Result<std::string> code = file.HasCells() ? EncodePuzzleCode(file.data)
                                                             : Result<std::string>(std::string())) {
            if (!code->empty()) {
                const Result<PuzzleFileData> decoded = DecodePuzzleCode(*code);
                FUZZ_CHECK(decoded && *decoded == file.data);
                CheckCode(*code);
            }
        }
    }
    return 0;
}

}  // namespace tessellix
