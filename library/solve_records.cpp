#include "library/solve_records.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <set>
#include <sstream>
#include <system_error>
#include <vector>

#include "library/ini_text.h"
#include "library/level_words.h"
#include "library/whole_file.h"

namespace tessellix {

namespace {

const char kDaysSection[] = "Days";
const char kDailySection[] = "Daily";
const char kLevelsSection[] = "Levels";
const char kSolvesKey[] = "Solves";
const char kBestTimeKey[] = "BestTime";
const char kBestWithHintKey[] = "BestWithHint";
const char kLastTimeKey[] = "LastTime";
const char kFirstSolvedKey[] = "FirstSolved";
const char kLastSolvedKey[] = "LastSolved";
// Longer solves are kept as this long: a clock left running for years is still a number.
constexpr int kLongestSeconds = 999999999;

std::string LowerAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

template <typename T>
std::optional<T> Number(const std::string& text) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [stop, problem] = std::from_chars(text.data(), end, value);
    if (text.empty() || problem != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> Seconds(const std::string& text) {
    const auto value = Number<int>(text);
    return value && *value >= 0 && *value <= kLongestSeconds ? value : std::nullopt;
}

// "SIZE TIME LEVEL".
std::optional<CachedLevel> ParseLevel(const std::string& text) {
    std::istringstream in(text);
    std::string size;
    std::string time;
    std::string level;
    std::string rest;
    in >> size >> time >> level;
    if (in.fail() || (in >> rest)) {
        return std::nullopt;
    }
    const auto sizeValue = Number<std::uintmax_t>(size);
    const auto timeValue = Number<std::int64_t>(time);
    const auto levelValue = Number<int>(level);
    if (!sizeValue || !timeValue || !levelValue || !LevelAt(*levelValue)) {
        return std::nullopt;
    }
    return CachedLevel{{*sizeValue, *timeValue}, *levelValue};
}

std::string LevelText(const CachedLevel& level) {
    return std::to_string(level.stamp.size) + " " + std::to_string(level.stamp.time) + " " +
           std::to_string(level.level);
}

// Whether a name reads back as itself from "[name]": no bracket, line break or blank at an end.
bool IsStorableSection(const std::string& name) {
    if (name.empty() || name.find_first_of("[]\r\n") != std::string::npos) {
        return false;
    }
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; };
    return !blank(name.front()) && !blank(name.back());
}

bool IsReserved(const std::string& section) {
    return SameIniName(section, kDaysSection) || SameIniName(section, kDailySection) ||
           SameIniName(section, kLevelsSection);
}

// Every line a blank, a comment, a section header or a key line.
bool LinesAreIni(const std::string& text) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end;
        std::string_view line(text.data() + start, end - start);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) {
            line.remove_prefix(1);
        }
        while (!line.empty() &&
               (line.back() == ' ' || line.back() == '\t' || line.back() == '\r')) {
            line.remove_suffix(1);
        }
        const bool fine = line.empty() || line.front() == ';' || line.front() == '#' ||
                          (line.front() == '[' && line.back() == ']') ||
                          line.find('=') != std::string_view::npos;
        if (!fine) {
            return false;
        }
        start = end + 1;
    }
    return true;
}

// The records of a text; nothing when a line or a value is not what this program writes. Keys
// it does not know are passed over, so that a later version's file still reads.
std::optional<RecordsContent> Parse(const std::string& text) {
    if (text.find('\0') != std::string::npos || !LinesAreIni(text)) {
        return std::nullopt;
    }
    RecordsContent content;
    for (const IniEntry& entry : IniEntries(text)) {
        const std::string& key = entry.key;
        const std::string& value = entry.value;
        if (entry.section.empty()) {
            return std::nullopt;
        }
        if (SameIniName(entry.section, kDaysSection)) {
            const auto date = CalendarDate::Parse(key);
            const auto count = Number<int>(value);
            if (!date || !count || *count < 1) {
                return std::nullopt;
            }
            content.solvesPerDay[*date] = *count;
            continue;
        }
        if (SameIniName(entry.section, kDailySection)) {
            const auto date = CalendarDate::Parse(key);
            const auto solvedOn = CalendarDate::Parse(value);
            if (!date || !solvedOn) {
                return std::nullopt;
            }
            content.dailySolved[*date] = *solvedOn;
            continue;
        }
        if (SameIniName(entry.section, kLevelsSection)) {
            const auto level = ParseLevel(value);
            if (!level) {
                return std::nullopt;
            }
            content.levels[LowerAscii(key)] = *level;
            continue;
        }
        const bool known = SameIniName(key, kSolvesKey) || SameIniName(key, kBestTimeKey) ||
                           SameIniName(key, kLastTimeKey) || SameIniName(key, kBestWithHintKey) ||
                           SameIniName(key, kFirstSolvedKey) || SameIniName(key, kLastSolvedKey);
        if (!known) {
            continue;
        }
        PuzzleStats& stats = content.puzzles[LowerAscii(entry.section)];
        bool sound = true;
        if (SameIniName(key, kSolvesKey)) {
            const auto count = Number<int>(value);
            sound = count && *count >= 1;
            stats.solves = sound ? *count : 0;
        } else if (SameIniName(key, kBestTimeKey) || SameIniName(key, kLastTimeKey)) {
            const auto seconds = Seconds(value);
            sound = seconds.has_value();
            (SameIniName(key, kBestTimeKey) ? stats.bestSeconds : stats.lastSeconds) =
                seconds.value_or(0);
        } else if (SameIniName(key, kBestWithHintKey)) {
            sound = value == "0" || value == "1";
            stats.bestWithHint = value == "1";
        } else if (SameIniName(key, kFirstSolvedKey) || SameIniName(key, kLastSolvedKey)) {
            const auto date = CalendarDate::Parse(value);
            sound = date.has_value();
            (SameIniName(key, kFirstSolvedKey) ? stats.firstSolved : stats.lastSolved) =
                date.value_or(CalendarDate{});
        }
        if (!sound) {
            return std::nullopt;
        }
    }
    // A puzzle's section without its count of solves is no record of this program's.
    for (const auto& [name, stats] : content.puzzles) {
        if (stats.solves < 1) {
            return std::nullopt;
        }
    }
    return content;
}

// The file's text: empty for a missing file or one without a path, the reason for one that
// cannot be read.
Result<std::string> ReadText(const std::string& path) {
    if (path.empty()) {
        return std::string();
    }
    return ReadWholeFile(path, MissingFile::ReadsEmpty);
}

Failure FileProblem(const std::string& path, const BilingualText& reason) {
    return Failure(BilingualText()
                       .Say("Рекорды не записаны в файл ", "The records could not be written to ")
                       .Add(path)
                       .Say(": ", ": ")
                       .Add(reason));
}

// Both told, the first one first.
Failure Joined(const std::optional<Failure>& first, const Failure& second) {
    if (!first) {
        return second;
    }
    return Failure(BilingualText(first->Message()).Add("\n").Add(second.Message()));
}

// The records' text with the solve counted: the best time falls to a faster solve, and always
// to a solve without a hint over one with a hint.
std::string WithSolve(const std::string& before, const Solve& solve) {
    const RecordsContent content = Parse(before).value_or(RecordsContent{});
    const PuzzleStats* old = content.Find(solve.fileName);
    const int seconds = std::clamp(solve.seconds, 0, kLongestSeconds);
    const bool beaten = old == nullptr || (old->bestWithHint && !solve.hintUsed) ||
                        (old->bestWithHint == solve.hintUsed && seconds < old->bestSeconds);
    // The section keeps the name it was first written with.
    std::string section = solve.fileName;
    for (const IniEntry& entry : IniEntries(before)) {
        if (SameIniName(entry.section, solve.fileName)) {
            section = entry.section;
            break;
        }
    }
    std::string text = before;
    const auto set = [&text](const std::string& in, const std::string& key,
                             const std::string& value) {
        text = SetIniValue(text, in, key, value);
    };
    set(section, kSolvesKey, std::to_string(old == nullptr ? 1 : old->solves + 1));
    if (beaten) {
        set(section, kBestTimeKey, std::to_string(seconds));
        set(section, kBestWithHintKey, solve.hintUsed ? "1" : "0");
    }
    set(section, kLastTimeKey, std::to_string(seconds));
    if (old == nullptr) {
        set(section, kFirstSolvedKey, solve.date.Text());
    }
    set(section, kLastSolvedKey, solve.date.Text());
    const auto day = content.solvesPerDay.find(solve.date);
    set(kDaysSection, solve.date.Text(),
        std::to_string(day == content.solvesPerDay.end() ? 1 : day->second + 1));
    if (solve.dailyDate && content.dailySolved.count(*solve.dailyDate) == 0) {
        set(kDailySection, solve.dailyDate->Text(), solve.date.Text());
    }
    return text;
}

}  // namespace

std::optional<FileStamp> StampOf(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        return std::nullopt;
    }
    const auto time = std::filesystem::last_write_time(path, error);
    if (error) {
        return std::nullopt;
    }
    return FileStamp{size, static_cast<std::int64_t>(time.time_since_epoch().count())};
}

const PuzzleStats* RecordsContent::Find(const std::string& fileName) const {
    const auto found = puzzles.find(LowerAscii(fileName));
    return found == puzzles.end() ? nullptr : &found->second;
}

std::optional<int> RecordsContent::LevelOf(const std::string& fileName,
                                           const FileStamp& stamp) const {
    const auto found = levels.find(LowerAscii(fileName));
    if (found == levels.end() || !(found->second.stamp == stamp)) {
        return std::nullopt;
    }
    return found->second.level;
}

std::string SolveRecords::PathBeside(const std::string& settingsPath) {
    if (settingsPath.empty()) {
        return {};
    }
    std::filesystem::path path(settingsPath);
    const std::string name = path.stem().string() + "-records" + path.extension().string();
    return path.replace_filename(name).string();
}

std::optional<Failure> SolveRecords::SetAsideIfDamaged() {
    const Result<std::string> text = ReadText(path);
    if (!text || Parse(*text)) {
        return std::nullopt;
    }
    std::error_code error;
    const auto cannotSetAside = [&] {
        return Failure(BilingualText()
                           .Say("Файл рекордов ", "The records file ")
                           .Add(path)
                           .Say(" повреждён и не может быть отложен: ",
                                " is damaged and cannot be set aside: ")
                           .Add(ErrorText(error.value())));
    };
    std::string aside = path + ".bak";
    for (int n = 1; std::filesystem::exists(aside, error) || error; ++n) {
        if (error) {
            return cannotSetAside();
        }
        aside = path + "." + std::to_string(n) + ".bak";
    }
    std::filesystem::rename(path, aside, error);
    if (error) {
        return cannotSetAside();
    }
    return Failure(BilingualText()
                       .Say("Файл рекордов ", "The records file ")
                       .Add(path)
                       .Say(" повреждён. Он сохранён как ", " is damaged. It has been kept as ")
                       .Add(aside)
                       .Say(", а рекорды начинаются заново.", ", and new records start."));
}

RecordsContent SolveRecords::Read() const {
    const Result<std::string> text = ReadText(path);
    return text ? Parse(*text).value_or(RecordsContent{}) : RecordsContent{};
}

std::optional<Failure> SolveRecords::Change(
    const std::function<std::string(const std::string&)>& change) {
    if (path.empty()) {
        return std::nullopt;
    }
    const Result<std::string> text = ReadText(path);
    if (!text) {
        return FileProblem(path, text.Error().Message());
    }
    std::optional<Failure> notice;
    std::string before = *text;
    if (!Parse(before)) {
        notice = SetAsideIfDamaged();
        std::error_code error;
        // Still there: it could not be moved, and it must not be written over.
        if (std::filesystem::exists(path, error) || error) {
            return notice;
        }
        before.clear();
    }
    const std::string after = change(before);
    if (after == before) {
        return notice;
    }
    if (const std::optional<Failure> problem = WriteWholeFile(path, after)) {
        return Joined(notice, FileProblem(path, problem->Message()));
    }
    return notice;
}

std::optional<Failure> SolveRecords::AddSolve(const Solve& solve) {
    return Change([&solve](const std::string& before) {
        return IsStorableSection(solve.fileName) && !IsReserved(solve.fileName)
                   ? WithSolve(before, solve)
                   : before;
    });
}

std::optional<Failure> SolveRecords::Clear(const std::string& fileName) {
    return Change([&fileName](const std::string& before) {
        if (IsReserved(fileName)) {
            return before;
        }
        std::string text = before;
        for (const IniEntry& entry : IniEntries(before)) {
            if (SameIniName(entry.section, fileName)) {
                text = RemoveIniSection(text, entry.section);
                break;
            }
        }
        return RemoveIniKey(text, kLevelsSection, fileName);
    });
}

std::optional<Failure> SolveRecords::ClearAll() {
    return Change([](const std::string& before) {
        std::set<std::string> sections;
        for (const IniEntry& entry : IniEntries(before)) {
            if (!SameIniName(entry.section, kLevelsSection)) {
                sections.insert(entry.section);
            }
        }
        std::string text = before;
        for (const std::string& section : sections) {
            // Every section of that name, as one removal takes the first.
            for (std::string shorter = RemoveIniSection(text, section); shorter != text;
                 shorter = RemoveIniSection(text, section)) {
                text = shorter;
            }
        }
        return text;
    });
}

std::optional<Failure> SolveRecords::StoreLevels(const std::map<std::string, CachedLevel>& levels) {
    return Change([&levels](const std::string& before) {
        std::string text = before;
        for (const auto& [fileName, level] : levels) {
            if (IsStorableSection(fileName) && fileName.find('=') == std::string::npos) {
                text = SetIniValue(text, kLevelsSection, fileName, LevelText(level));
            }
        }
        return text;
    });
}

}  // namespace tessellix
