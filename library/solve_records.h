#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "library/bilingual_text.h"
#include "library/calendar_date.h"
#include "library/failure.h"

namespace tessellix {

// What the records keep of one puzzle file once it has been solved.
struct PuzzleStats {
    int solves = 0;
    int bestSeconds = 0;
    // Whether the best solve had help from a hint.
    bool bestWithHint = false;
    int lastSeconds = 0;
    CalendarDate firstSolved;
    CalendarDate lastSolved;
};

// A file as it was when its level was rated: the level holds while size and time stay.
struct FileStamp {
    std::uintmax_t size = 0;
    std::int64_t time = 0;  // modification time in the file clock's ticks
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
// Nothing for a file that cannot be examined.
std::optional<FileStamp> StampOf(const std::string& path);

struct CachedLevel {
    FileStamp stamp;
    int level = 0;  // its index in kLevels
};

// Everything the records file holds. File names are keys in ASCII lower case, as the file
// system's letter case does not make another puzzle.
struct RecordsContent {
    std::map<std::string, PuzzleStats> puzzles;
    std::map<CalendarDate, int> solvesPerDay;
    // The date of a puzzle of the day solved, and the day it was first solved on.
    std::map<CalendarDate, CalendarDate> dailySolved;
    std::map<std::string, CachedLevel> levels;

    const PuzzleStats* Find(const std::string& fileName) const;
    std::optional<int> LevelOf(const std::string& fileName, const FileStamp& stamp) const;
};

// One solved puzzle, as the solved sequence reports it.
struct Solve {
    std::string fileName;
    int seconds = 0;
    bool hintUsed = false;
    CalendarDate date;
    // The date of the puzzle of the day, when that was the puzzle solved.
    std::optional<CalendarDate> dailyDate;
};

// The players' records, in an INI file of their own beside the settings: a section per puzzle
// file, the solves of each day, the puzzles of the day solved, and the cached levels. Every
// operation reads the file afresh; changes go through the whole-file writer. Operations that
// change the file answer what the player must hear: nothing when all went well, otherwise why
// the records were not written, or that a damaged file was set aside first.
class SolveRecords {
  public:
    // An empty path keeps nothing.
    explicit SolveRecords(std::string path = std::string()) : path(std::move(path)) {}
    // "tessellix-records.ini" beside "tessellix.ini": the settings file's name with "-records".
    static std::string PathBeside(const std::string& settingsPath);
    const std::string& Path() const { return path; }

    // A file that is no records file of ours is renamed to the first free name of "….bak",
    // "….1.bak", …, so that nothing is lost and new records start. The notice saying so, or
    // why it could not be moved; nothing for a sound or missing file.
    std::optional<Failure> SetAsideIfDamaged();
    // Everything the file holds; nothing from a missing, unreadable or damaged file.
    RecordsContent Read() const;

    // Counts a solve. The best time falls to a faster solve, and always to a solve without a
    // hint over one with a hint: a hint that lays the pieces is no record.
    std::optional<Failure> AddSolve(const Solve& solve);
    // The file's puzzle has been replaced or deleted: its records and level go.
    std::optional<Failure> Clear(const std::string& fileName);
    // Every puzzle's records and every day's solves go; the levels stay, as the files do.
    std::optional<Failure> ClearAll();
    // Adds or replaces levels, by file name.
    std::optional<Failure> StoreLevels(const std::map<std::string, CachedLevel>& levels);

  private:
    // Writes what change makes of the file's text (empty for a missing file, and for a damaged
    // one once it is set aside); a text that stays the same is not written. What the player must
    // hear: nothing, the notice of a damaged file set aside, why the file could not be read or
    // why the records were not written.
    std::optional<Failure> Change(const std::function<std::string(const std::string&)>& change);

    std::string path;
};

}  // namespace tessellix
