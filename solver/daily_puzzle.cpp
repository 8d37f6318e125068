#include "solver/daily_puzzle.h"

namespace tessellix {

std::uint64_t DailySeed(const CalendarDate& date) {
    return static_cast<std::uint64_t>(date.year) * 10000 +
           static_cast<std::uint64_t>(date.month) * 100 + static_cast<std::uint64_t>(date.day);
}

Level DailyLevel(const CalendarDate& date) {
    const int weekday = date.Weekday();
    return weekday <= 1 ? Level::Easy : weekday <= 3 ? Level::Medium : Level::Hard;
}

GeneratorRequest DailyRequest(const CalendarDate& date) {
    GeneratorRequest request;
    request.elements = 0;
    request.elementCount = ElementSet::kCount;
    request.level = DailyLevel(date);
    request.seed = DailySeed(date);
    return request;
}

GeneratedPuzzle GenerateDaily(const CalendarDate& date, const std::atomic<bool>* cancel,
                              const std::function<void(int tries)>& progress) {
    GeneratedPuzzle puzzle = PuzzleGenerator(DailyRequest(date)).Generate(cancel, progress);
    if (puzzle.status == GeneratorStatus::Generated) {
        puzzle.data.texts.names = DailyNames(date);
    }
    return puzzle;
}

}  // namespace tessellix
