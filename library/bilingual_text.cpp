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

namespace {

// The Russian words for the reasons that file operations commonly give.
struct RussianReason {
    int error;
    const char* russian;
};

constexpr RussianReason kRussianReasons[] = {
    {EPERM, "Операция не разрешена"},
    {ENOENT, "Нет такого файла или папки"},
    {EINTR, "Операция прервана"},
    {EIO, "Ошибка ввода-вывода"},
    {ENXIO, "Нет такого устройства или адреса"},
    {EBADF, "Неверный дескриптор файла"},
    {EAGAIN, "Ресурс временно недоступен"},
    {ENOMEM, "Недостаточно памяти"},
    {EACCES, "Отказано в доступе"},
    {EBUSY, "Устройство или ресурс занято"},
    {EEXIST, "Файл уже существует"},
    {EXDEV, "Ссылка между разными устройствами невозможна"},
    {ENODEV, "Нет такого устройства"},
    {ENOTDIR, "Это не папка"},
    {EISDIR, "Это папка"},
    {EINVAL, "Недопустимый аргумент"},
    {ENFILE, "В системе открыто слишком много файлов"},
    {EMFILE, "Открыто слишком много файлов"},
    {ETXTBSY, "Файл занят"},
    {EFBIG, "Файл слишком велик"},
    {ENOSPC, "На устройстве не осталось места"},
    {ESPIPE, "Недопустимое перемещение по файлу"},
    {EROFS, "Файловая система доступна только для чтения"},
    {EMLINK, "Слишком много ссылок"},
    {ENAMETOOLONG, "Слишком длинное имя файла"},
    {ENOTEMPTY, "Папка не пуста"},
    {ELOOP, "Слишком много символических ссылок подряд"},
    {EOVERFLOW, "Значение слишком велико для этого типа данных"},
    {ENOTSUP, "Операция не поддерживается"},
    {ETIMEDOUT, "Время ожидания истекло"},
    {ESTALE, "Устаревший дескриптор файла"},
    {EDQUOT, "Превышена дисковая квота"},
};

}  // namespace

BilingualText ErrorText(int error) {
    const std::string system = std::strerror(error);
    for (const RussianReason& reason : kRussianReasons) {
        if (reason.error == error) {
            return {reason.russian, system};
        }
    }
    return BilingualText::Both(system);
}

}  // namespace tessellix
