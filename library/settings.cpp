#include "library/settings.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

#include "library/leading_integer.h"
#include "library/puzzle_file.h"
#include "library/whole_file.h"

namespace tessellix {

namespace {

const char kOptionsSection[] = "Options";
const char kLanguageKey[] = "Language";
const char kPreviewKey[] = "Preview";
const char kZoomKey[] = "Zoom";
const char kShowClockKey[] = "ShowClock";
const char kSolvedSection[] = "Solved";
const char kBoardsSection[] = "Boards";
const char kShowMistakesKey[] = "ShowMistakes";
const char kKeepBoardsKey[] = "KeepBoards";
const char kGeneratorSection[] = "Generator";
const char kElementsKey[] = "Elements";
const char kLevelKey[] = "Level";
const char kShapeKey[] = "Shape";
// A medium puzzle of every element, unless the player chose otherwise.
constexpr int kDefaultGeneratorElements = kElementRecordCount;
constexpr int kDefaultGeneratorLevel = 1;
constexpr int kDefaultGeneratorShape = 0;

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string Trim(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

// One line of the file as it was read, its terminator included, so that lines the program
// does not touch are written back byte for byte.
struct IniLine {
    enum Kind { Other, Section, Entry };
    std::string text;
    Kind kind = Other;
    std::string name;   // section name or key, trimmed
    std::string value;  // entry value, trimmed
};

IniLine ParseLine(std::string text) {
    IniLine line;
    line.text = std::move(text);
    const std::string content = Trim(line.text);
    if (content.empty() || content[0] == ';' || content[0] == '#') {
        return line;
    }
    if (content[0] == '[') {
        const std::size_t close = content.find(']');
        line.kind = IniLine::Section;
        line.name = Trim(content.substr(1, close == std::string::npos ? close : close - 1));
        return line;
    }
    const std::size_t equals = content.find('=');
    if (equals == std::string::npos) {
        return line;
    }
    line.kind = IniLine::Entry;
    line.name = Trim(content.substr(0, equals));
    line.value = Trim(content.substr(equals + 1));
    return line;
}

std::vector<IniLine> SplitLines(const std::string& content) {
    std::vector<IniLine> lines;
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        end = end == std::string::npos ? content.size() : end + 1;
        lines.push_back(ParseLine(content.substr(start, end - start)));
        start = end;
    }
    return lines;
}

// The whole file; an empty text for a file that does not exist, the system's reason for one
// that exists but cannot be read.
Result<std::string> ReadWholeFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return errno == ENOENT ? Result<std::string>(std::string())
                               : Result<std::string>(Failure(ErrorText(errno)));
    }
    std::string content;
    int error = 0;
    for (;;) {
        char chunk[4096];
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            error = errno;
        }
        if (got <= 0) {
            break;
        }
        content.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(fd);
    if (error != 0) {
        return Failure(ErrorText(error));
    }
    return content;
}

// [first, end) of the lines of the first section called `section`; first is its header.
struct SectionRange {
    std::size_t first = 0;
    std::size_t end = 0;
};

std::optional<SectionRange> FindSection(const std::vector<IniLine>& lines,
                                        const std::string& section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind == IniLine::Section && SameIniName(lines[i].name, section)) {
            std::size_t end = i + 1;
            while (end < lines.size() && lines[end].kind != IniLine::Section) {
                ++end;
            }
            return SectionRange{i, end};
        }
    }
    return std::nullopt;
}

// The text without the lines of the section's first occurrence that drop picks (header: the
// section's own line); unchanged when there is no such section.
std::string WithoutSectionLines(const std::string& text, const std::string& section,
                                const std::function<bool(const IniLine&, bool header)>& drop) {
    const std::vector<IniLine> lines = SplitLines(text);
    const std::optional<SectionRange> range = FindSection(lines, section);
    if (!range) {
        return text;
    }
    std::string result;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i < range->first || i >= range->end || !drop(lines[i], i == range->first)) {
            result += lines[i].text;
        }
    }
    return result;
}

std::string LowerAsciiText(std::string text) {
    for (char& c : text) {
        c = LowerAscii(c);
    }
    return text;
}

// Whether `key` reads back as itself from a line "key=1": a file name with a line break, an
// '=', blanks at an end or the start of a comment or a section could not be found again.
bool IsStorableKey(const std::string& key) {
    if (key.find_first_of("\r\n") != std::string::npos) {
        return false;
    }
    const IniLine line = ParseLine(key + "=1");
    return line.kind == IniLine::Entry && line.name == key && line.value == "1";
}

SolvedMark MarkOf(const std::string& value) {
    if (value == "1") {
        return SolvedMark::Solved;
    }
    return value == "2" ? SolvedMark::SolvedWithHint : SolvedMark::None;
}

}  // namespace

bool SameIniName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> IniValue(const std::string& text, const std::string& section,
                                    const std::string& key) {
    const std::vector<IniLine> lines = SplitLines(text);
    const std::optional<SectionRange> range = FindSection(lines, section);
    if (!range) {
        return std::nullopt;
    }
    for (std::size_t i = range->first + 1; i < range->end; ++i) {
        if (lines[i].kind == IniLine::Entry && SameIniName(lines[i].name, key)) {
            return lines[i].value;
        }
    }
    return std::nullopt;
}

std::vector<IniEntry> IniEntries(const std::string& text) {
    std::vector<IniEntry> entries;
    std::string section;
    for (const IniLine& line : SplitLines(text)) {
        if (line.kind == IniLine::Section) {
            section = line.name;
        } else if (line.kind == IniLine::Entry) {
            entries.push_back({section, line.name, line.value});
        }
    }
    return entries;
}

std::string SetIniValue(const std::string& text, const std::string& section, const std::string& key,
                        const std::string& value) {
    std::vector<IniLine> lines = SplitLines(text);
    const std::string newline = text.find("\r\n") != std::string::npos ? "\r\n" : "\n";
    if (!lines.empty() && lines.back().text.back() != '\n') {
        lines.back().text += newline;
    }
    const std::string entry = key + "=" + value + newline;

    if (const std::optional<SectionRange> range = FindSection(lines, section)) {
        std::size_t insertAt = range->first + 1;
        bool replaced = false;
        for (std::size_t i = range->first + 1; i < range->end; ++i) {
            if (lines[i].kind != IniLine::Entry) {
                continue;
            }
            if (SameIniName(lines[i].name, key)) {
                lines[i] = ParseLine(entry);
                replaced = true;
                break;
            }
            insertAt = i + 1;
        }
        if (!replaced) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), ParseLine(entry));
        }
    } else {
        lines.push_back(ParseLine("[" + section + "]" + newline));
        lines.push_back(ParseLine(entry));
    }

    std::string result;
    for (const IniLine& line : lines) {
        result += line.text;
    }
    return result;
}

std::string RemoveIniKey(const std::string& text, const std::string& section,
                         const std::string& key) {
    return WithoutSectionLines(text, section, [&key](const IniLine& line, bool header) {
        return !header && line.kind == IniLine::Entry && SameIniName(line.name, key);
    });
}

std::string RemoveIniSection(const std::string& text, const std::string& section) {
    return WithoutSectionLines(text, section, [](const IniLine&, bool) { return true; });
}

namespace {

// The key's value in the file at path; nothing without a path, a readable file or the key.
std::optional<std::string> ReadIniValue(const std::string& path, const std::string& section,
                                        const std::string& key) {
    if (path.empty()) {
        return std::nullopt;
    }
    const Result<std::string> content = ReadWholeFile(path);
    return content ? IniValue(*content, section, key) : std::nullopt;
}

// The text with the key set to value, or removed without one.
std::string WithIniValue(const std::string& text, const std::string& section,
                         const std::string& key, const std::optional<std::string>& value) {
    return value ? SetIniValue(text, section, key, *value) : RemoveIniKey(text, section, key);
}

}  // namespace

int ReadIniInteger(const std::string& path, const std::string& section, const std::string& key,
                   int fallback) {
    const std::optional<std::string> value = ReadIniValue(path, section, key);
    return value ? LeadingInteger(*value, OutOfRange::Saturates) : fallback;
}

std::optional<Failure> UpdateIniFile(const std::string& path,
                                     const std::function<std::string(const std::string&)>& change) {
    if (path.empty()) {
        return std::nullopt;
    }
    const auto failure = [&path](const Failure& reason) {
        return Failure(
            BilingualText()
                .Say("Не удалось записать файл настроек ", "Could not write the settings file ")
                .Add(path + ": ")
                .Add(reason.Message()));
    };
    // A file that exists but cannot be read is left alone rather than replaced by a part of it.
    const Result<std::string> content = ReadWholeFile(path);
    if (!content) {
        return failure(content.Error());
    }
    const std::string updated = change(*content);
    if (updated == *content) {
        return std::nullopt;
    }
    if (const std::optional<Failure> reason = WriteWholeFile(path, updated)) {
        return failure(*reason);
    }
    return std::nullopt;
}

std::optional<Failure> WriteIniString(const std::string& path, const std::string& section,
                                      const std::string& key,
                                      const std::optional<std::string>& value) {
    return UpdateIniFile(
        path, [&](const std::string& text) { return WithIniValue(text, section, key, value); });
}

std::optional<Failure> Settings::Write(const std::string& section, const std::string& key,
                                       const std::optional<std::string>& value) {
    return Update([&](const std::string& text) { return WithIniValue(text, section, key, value); });
}

std::optional<Failure> Settings::Update(
    const std::function<std::string(const std::string&)>& change) {
    if (writesStopped) {
        return std::nullopt;
    }
    std::optional<Failure> failure = UpdateIniFile(path, change);
    if (failure) {
        writesStopped = true;
        if (failureListener) {
            failureListener(*failure);
        }
    }
    return failure;
}

Language Settings::ReadLanguageSetting() const {
    return ReadIniInteger(path, kOptionsSection, kLanguageKey, 0) == 1 ? Language::English
                                                                       : Language::Russian;
}

std::optional<Failure> Settings::WriteLanguageSetting(Language language) {
    return Write(kOptionsSection, kLanguageKey, language == Language::English ? "1" : "0");
}

int Settings::ReadPreviewSetting() const {
    return ReadIniInteger(path, kOptionsSection, kPreviewKey, 0);
}

std::optional<Failure> Settings::WritePreviewSetting(int preview) {
    return Write(kOptionsSection, kPreviewKey, std::to_string(preview));
}

int Settings::ReadZoomSetting() const {
    return std::max(ReadIniInteger(path, kOptionsSection, kZoomKey, 1), 1);
}

std::optional<Failure> Settings::WriteZoomSetting(int zoom) {
    return Write(kOptionsSection, kZoomKey, std::to_string(zoom));
}

bool Settings::ReadShowMistakesSetting() const {
    return ReadIniInteger(path, kOptionsSection, kShowMistakesKey, 0) == 1;
}

std::optional<Failure> Settings::WriteShowMistakesSetting(bool shown) {
    return Write(kOptionsSection, kShowMistakesKey, shown ? "1" : "0");
}

bool Settings::ReadKeepBoardsSetting() const {
    return ReadIniInteger(path, kOptionsSection, kKeepBoardsKey, 0) == 1;
}

std::optional<Failure> Settings::WriteKeepBoardsSetting(bool kept) {
    return Write(kOptionsSection, kKeepBoardsKey, kept ? "1" : "0");
}

std::optional<std::string> Settings::ReadKeptBoard(const std::string& fileName) const {
    return IsStorableKey(fileName) ? ReadIniValue(path, kBoardsSection, fileName) : std::nullopt;
}

std::optional<Failure> Settings::KeepBoard(const std::string& fileName, const std::string& board) {
    if (!IsStorableKey(fileName)) {
        return std::nullopt;
    }
    return Write(kBoardsSection, fileName, board);
}

std::optional<Failure> Settings::ClearKeptBoard(const std::string& fileName) {
    if (!IsStorableKey(fileName)) {
        return std::nullopt;
    }
    return Write(kBoardsSection, fileName, std::nullopt);
}

bool Settings::ReadShowClockSetting() const {
    return ReadIniInteger(path, kOptionsSection, kShowClockKey, 0) == 1;
}

std::optional<Failure> Settings::WriteShowClockSetting(bool shown) {
    return Write(kOptionsSection, kShowClockKey, shown ? "1" : "0");
}

std::vector<SolvedMark> Settings::ReadSolvedMarks(const std::vector<std::string>& fileNames) const {
    std::vector<SolvedMark> marks(fileNames.size(), SolvedMark::None);
    if (path.empty()) {
        return marks;
    }
    const Result<std::string> content = ReadWholeFile(path);
    if (!content) {
        return marks;
    }
    const std::vector<IniLine> lines = SplitLines(*content);
    const std::optional<SectionRange> range = FindSection(lines, kSolvedSection);
    if (!range) {
        return marks;
    }
    // The first line of a name counts, as IniValue reads it.
    std::unordered_map<std::string, SolvedMark> byName;
    for (std::size_t i = range->first + 1; i < range->end; ++i) {
        if (lines[i].kind == IniLine::Entry) {
            byName.emplace(LowerAsciiText(lines[i].name), MarkOf(lines[i].value));
        }
    }
    for (std::size_t i = 0; i < fileNames.size(); ++i) {
        if (const auto found = byName.find(LowerAsciiText(fileNames[i])); found != byName.end()) {
            marks[i] = found->second;
        }
    }
    return marks;
}

std::optional<Failure> Settings::MarkSolved(const std::string& fileName, bool hintUsed) {
    if (!IsStorableKey(fileName) || ReadSolvedMarks({fileName})[0] == SolvedMark::Solved) {
        return std::nullopt;
    }
    const SolvedMark mark = hintUsed ? SolvedMark::SolvedWithHint : SolvedMark::Solved;
    return Write(kSolvedSection, fileName, std::to_string(static_cast<int>(mark)));
}

std::optional<Failure> Settings::ClearSolvedMark(const std::string& fileName) {
    if (!IsStorableKey(fileName)) {
        return std::nullopt;
    }
    return Write(kSolvedSection, fileName, std::nullopt);
}

std::optional<Failure> Settings::ClearSolvedMarks() {
    return Update([](const std::string& text) { return RemoveIniSection(text, kSolvedSection); });
}

int Settings::ReadGeneratorElementsSetting() const {
    return ReadIniInteger(path, kGeneratorSection, kElementsKey, kDefaultGeneratorElements);
}

std::optional<Failure> Settings::WriteGeneratorElementsSetting(int elements) {
    return Write(kGeneratorSection, kElementsKey, std::to_string(elements));
}

int Settings::ReadGeneratorLevelSetting() const {
    return ReadIniInteger(path, kGeneratorSection, kLevelKey, kDefaultGeneratorLevel);
}

std::optional<Failure> Settings::WriteGeneratorLevelSetting(int level) {
    return Write(kGeneratorSection, kLevelKey, std::to_string(level));
}

int Settings::ReadGeneratorShapeSetting() const {
    return ReadIniInteger(path, kGeneratorSection, kShapeKey, kDefaultGeneratorShape);
}

std::optional<Failure> Settings::WriteGeneratorShapeSetting(int shape) {
    return Write(kGeneratorSection, kShapeKey, std::to_string(shape));
}

}  // namespace tessellix
