#include "library/leading_integer.h"

#include <algorithm>
#include <climits>

namespace tessellix {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}  // namespace

int LeadingInteger(std::string_view text, OutOfRange outOfRange) {
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at])) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    // Past INT_MAX + 1 every number is out of range, whatever digits follow.
    constexpr long long kBeyond = static_cast<long long>(INT_MAX) + 2;
    long long magnitude = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        magnitude = std::min(magnitude * 10 + (text[at] - '0'), kBeyond);
    }
    const long long value = negative ? -magnitude : magnitude;
    if (value >= INT_MIN && value <= INT_MAX) {
        return static_cast<int>(value);
    }
    if (outOfRange == OutOfRange::GivesZero) {
        return 0;
    }
    return value > 0 ? INT_MAX : INT_MIN;
}

}  // namespace tessellix
