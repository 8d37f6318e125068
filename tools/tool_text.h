#pragma once

#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "library/failure.h"

namespace tessellix {

// How every command writes texts for a person to read.

// text with each control character (bytes 0x00 to 0x1F and 0x7F) as \xNN, two lowercase hex
// digits, each UTF-8 control character U+0080 to U+009F as \u00NN, and a backslash as \\, so
// that a text read from a file or a command line can neither move the terminal nor pass for
// something else. With keepLineBreaks, "\n" and "\r\n" stay
// one line break each, written "\n"; a lone "\r" is still \x0d.
std::string VisibleText(std::string_view text, bool keepLineBreaks = false);

// text as a number of plain decimal digits that fits T: no sign, no blank, nothing after. The
// tool's options and its puzzle sources take numbers only so.
template <typename T>
std::optional<T> Digits(std::string_view text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    T value{};
    const char* end = text.data() + text.size();
    const auto [stop, problem] = std::from_chars(text.data(), end, value);
    if (problem != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

// A failure in the tool's own words, which are English in both of its languages.
Failure ToolFailure(std::string what);
// What the tool says of a failure: its English words.
const std::string& ToolWords(const Failure& failure);

// "element 1 (L)": the element's number with its letter (ILYNVTZFWUXP for 0 to 11).
std::string ElementName(int element);

// "WHERE: what", WHERE (a file, a folder, or a command) made visible.
std::string PlaceMessage(std::string_view where, std::string_view what);

// A message of the file layer or of the system, reduced to what the tool says after its
// "WHERE: ": what follows the path the message names (when it names one), starting in
// lowercase and without a closing full stop.
std::string ReasonText(std::string_view message, std::string_view path = {});

}  // namespace tessellix
