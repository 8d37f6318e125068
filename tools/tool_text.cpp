#include "tools/tool_text.h"

#include "model/element_set.h"

namespace tessellix {

std::string VisibleText(std::string_view text, bool keepLineBreaks) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string visible;
    visible.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (keepLineBreaks && byte == '\r' && at + 1 < text.size() && text[at + 1] == '\n') {
            continue;  // the "\n" that follows is the break
        }
        if (byte == '\\') {
            visible += "\\\\";
        } else if (keepLineBreaks && byte == '\n') {
            visible += '\n';
        } else if (byte < 0x20 || byte == 0x7F) {
            visible += "\\x";
            visible += kHex[byte >> 4];
            visible += kHex[byte & 0x0F];
        } else if (byte == 0xC2 && at + 1 < text.size() &&
                   static_cast<unsigned char>(text[at + 1]) <= 0x9F &&
                   static_cast<unsigned char>(text[at + 1]) >= 0x80) {
            // U+0080 to U+009F, which terminals may obey as well; Windows-1251 gives U+0098.
            const auto low = static_cast<unsigned char>(text[++at]);
            visible += "\\u00";
            visible += kHex[low >> 4];
            visible += kHex[low & 0x0F];
        } else {
            visible += static_cast<char>(byte);
        }
    }
    return visible;
}

Failure ToolFailure(std::string what) {
    return Failure(BilingualText::Both(what));
}

const std::string& ToolWords(const Failure& failure) {
    return failure.Message().In(Language::English);
}

std::string ElementName(int element) {
    return "element " + std::to_string(element) + " (" + kElementLetters[element] + ")";
}

std::string PlaceMessage(std::string_view where, std::string_view what) {
    return VisibleText(where) + ": " + std::string(what);
}

std::string ReasonText(std::string_view message, std::string_view path) {
    std::string reason(message);
    if (!path.empty()) {
        const std::string named = std::string(path) + ": ";
        if (const auto at = reason.find(named); at != std::string::npos) {
            reason.erase(0, at + named.size());
        }
    }
    if (!reason.empty() && reason[0] >= 'A' && reason[0] <= 'Z') {
        reason[0] = static_cast<char>(reason[0] - 'A' + 'a');
    }
    if (!reason.empty() && reason.back() == '.') {
        reason.pop_back();
    }
    return reason;
}

}  // namespace tessellix
