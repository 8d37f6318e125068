#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "library/bilingual_text.h"
#include "library/failure.h"
#include "library/puzzle_file.h"

namespace tessellix {

// A puzzle as one line of text, to pass on by mail or chat: "TLX1-" and the base64url digits
// (RFC 4648 section 5, without padding) of a compact binary form of the puzzle file's contents,
// which ends with a CRC-32 of the rest. The README specifies the form. Every puzzle has exactly
// one code, so that the code of a decoded code is the code itself.

inline constexpr std::string_view kPuzzleCodePrefix = "TLX1-";
// No puzzle's code is longer, so a longer text is refused before it is read.
inline constexpr std::size_t kPuzzleCodeLimit = 8192;

// The code of the puzzle: its cells (which must lie on the editor's canvas and be five for
// every element used), its element records and its four texts; the reason, ready to show, for a
// puzzle that no code holds.
Result<std::string> EncodePuzzleCode(const PuzzleFileData& data);

// The puzzle of a code, as a file written from it holds it. ASCII white space anywhere in the
// text is left out, so that a code broken over lines still reads. The reason, ready to show,
// for a text that is no puzzle's code: a wrong prefix, a character
// outside base64url, a broken checksum, a code cut short, a puzzle beyond the editor's canvas,
// a text that a puzzle file cannot hold, or any other form than the one that EncodePuzzleCode
// writes.
Result<PuzzleFileData> DecodePuzzleCode(std::string_view text);

// The code that carries body as its binary form, with the length and checksum that make it
// pass; for tests and fuzzing, which must reach the reader behind the checksum.
std::string PuzzleCodeOfBody(std::string_view body);

}  // namespace tessellix
