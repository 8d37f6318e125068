#include "library/bilingual_text.h"

#include <cerrno>
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
    const std::string system = std::strerror(error);
    switch (error) {
        case ENOENT:
            return {"Нет такого файла или папки", system};
        case EACCES:
            return {"Отказано в доступе", system};
        case EROFS:
            return {"Файловая система доступна только для чтения", system};
        case ENOSPC:
            return {"На устройстве не осталось места", system};
        case EISDIR:
            return {"Это папка", system};
        case ELOOP:
            return {"Слишком много символических ссылок подряд", system};
        case EMLINK:
            return {"Слишком много ссылок", system};
        default:
            return BilingualText::Both(system);
    }
}

}  // namespace tessellix
