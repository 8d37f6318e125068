#pragma once

#include <string>
#include <string_view>

// Puzzle files keep their texts in the Windows-1251 code page; the program keeps UTF-8.

// Every byte has a character, so decoding never fails; 0x98, which the code page leaves
// unassigned, becomes U+0098 so that any byte sequence survives a round trip.
std::string Windows1251ToUtf8(std::string_view bytes);

// False when utf8 is not valid UTF-8 or holds a character that the code page cannot hold;
// badCharacter then names the first such character (or the invalid bytes, in hex) and bytes
// is unspecified.
bool Utf8ToWindows1251(std::string_view utf8, std::string& bytes, std::string& badCharacter);
