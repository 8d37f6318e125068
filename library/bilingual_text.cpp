#include "library/bilingual_text.h"

#include <cstring>

namespace tessellix {

namespace {

Language currentLanguage = Language::Russian;

}  // namespace

Language CurrentLanguage() {
    return currentLanguage;
}

void SetCurrentLanguage(Language language) {
    currentLanguage = language;
}

BilingualText BilingualText::Split(std::string_view stored) {
    const std::size_t separator = stored.find('#');
    if (separator == std::string_view::npos) {
        return {};
    }
    return {std::string(stored.substr(0, separator)), std::string(stored.substr(separator + 1))};
}

BilingualText ErrorText(int error) {
    return BilingualText::Both(std::strerror(error));
}

}  // namespace tessellix
