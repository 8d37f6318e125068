#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "library/failure.h"

namespace tessellix {

// Puzzle files keep their texts in the Windows-1251 code page; the program keeps UTF-8.

// Every byte has a character, so decoding never fails; 0x98, which the code page leaves
// unassigned, becomes U+0098 so that any byte sequence survives a round trip.
std::string Windows1251ToUtf8(std::string_view bytes);

// The code page's bytes of utf8; a failure, naming the first character that the code page
// cannot hold (or the first invalid byte, in hex), when it is not valid UTF-8 or holds one.
Result<std::string> Utf8ToWindows1251(std::string_view utf8);

// Decodes one strict UTF-8 sequence at text[at]; returns its length, or 0 when it is invalid
// (truncated, overlong, a surrogate or beyond U+10FFFF).
std::size_t DecodeUtf8(std::string_view text, std::size_t at, char32_t& code);

}  // namespace tessellix
