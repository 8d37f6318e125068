#pragma once

#include <string_view>

namespace tessellix {

// What a number beyond the range of int reads as: 0, so that a file named with it never counts
// as a puzzle, or the nearest limit, as a setting takes it.
enum class OutOfRange { GivesZero, Saturates };

// The decimal integer at the start of a text, read as strtol reads it: leading white space, an
// optional sign, digits up to the first non-digit; 0 when there are no digits.
int LeadingInteger(std::string_view text, OutOfRange outOfRange);

}  // namespace tessellix
