#include "resources/string_table.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tessellix {

namespace {

// Each "Russian#English", as stored.
constexpr std::array<std::pair<int, const char*>, 37> kStrings{{
    {100, "&Задание#&Puzzle"},
    {101, "&Сервис#&Tools"},
    {102, "&Настройки#&Options"},
    {200, "&Файл#&File"},
    {1000, "Tessellix#Tessellix"},
    {1001, "Редактор заданий Tessellix#Tessellix Puzzle Editor"},
    {1002, "Tessellix#Tessellix"},
    {40011, "&Следующее задание\tPgDn#&Next puzzle\tPgDn"},
    {40014, "&Возврат в Tessellix#&Return to Tessellix"},
    {40015, "&Предыдущее задание\tPgUp#&Previous puzzle\tPgUp"},
    {40016, "&Выбор задания\tF2#&Select puzzle\tF2"},
    {40017, "&Редактор#&Editor"},
    {40018, "&Новый \tCtrl+N#&New \tCtrl+N"},
    {40019, "&Открыть\tCtrl+O#&Open\tCtrl+O"},
    {40020, "&Сохранить \tCtrl+S#&Save \tCtrl+S"},
    {40021, "Сохранить &как...#Save &as..."},
    {40022, "С&брос#&Reset"},
    {40023, "&Подсказка#&Hint"},
    {40025, "&Удалить#&Delete"},
    {40030, "&Отменить ход\tCtrl+Z#&Undo\tCtrl+Z"},
    {40031, "Ве&рнуть ход\tCtrl+Y#Re&do\tCtrl+Y"},
    {40027, "Выбор русского языка"},
    {40028, "Выбор английского языка"},
    {40032, "&Создать задание...\tCtrl+G#&Generate puzzle...\tCtrl+G"},
    {40040, "&Копировать код задания\tCtrl+Shift+C#&Copy puzzle code\tCtrl+Shift+C"},
    {40041, "О&ткрыть код задания…\tCtrl+Shift+V#&Open puzzle code…\tCtrl+Shift+V"},
    {40050, "Показывать &часы#Show &clock"},
    {40051, "С&татистика...#&Statistics..."},
    {40052, "Задание &дня\tCtrl+D#Puzzle of the d&ay\tCtrl+D"},
    {40060, "&Подсчёт решений#&Count solutions"},
    {40070, "Пр&оверка доски\tCtrl+K#&Check board\tCtrl+K"},
    {40071, "Подсказка с &этого места\tCtrl+H#Hint &from here\tCtrl+H"},
    {40072, "Показывать &ошибки#Show &mistakes"},
    {40073, "&Хранить незаконченные доски#&Keep unfinished boards"},
    {57664, "&О программе...#&About..."},
    {57665, "В&ыход#E&xit"},
    {57671, "&Вызов справки\tF1#&Help\tF1"},
}};

}  // namespace

BilingualText StringTableText(int number) {
    const auto found = std::find_if(kStrings.begin(), kStrings.end(),
                                    [number](const auto& entry) { return entry.first == number; });
    return found == kStrings.end() ? BilingualText() : BilingualText::Split(found->second);
}

}  // namespace tessellix
