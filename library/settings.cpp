#include "library/settings.h"

#include <algorithm>
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
const char kElementLettersKey[] = "ElementLetters";
const char kColourBlindColoursKey[] = "ColourBlindColours";
const char kGeneratorSection[] = "Generator";
const char kElementsKey[] = "Elements";
const char kLevelKey[] = "Level";
const char kShapeKey[] = "Shape";
// A medium puzzle of every element, unless the player chose otherwise.
constexpr int kDefaultGeneratorElements = kElementRecordCount;
constexpr int kDefaultGeneratorLevel = 1;
constexpr int kDefaultGeneratorShape = 0;

std::string LowerAsciiText(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

SolvedMark MarkOf(const std::string& value) {
    if (value == "1") {
        return SolvedMark::Solved;
    }
    return value == "2" ? SolvedMark::SolvedWithHint : SolvedMark::None;
}

// The key's value in the file at path; nothing without a path, a readable file or the key.
std::optional<std::string> ReadIniValue(const std::string& path, const std::string& section,
                                        const std::string& key) {
    if (path.empty()) {
        return std::nullopt;
    }
    const Result<std::string> content = ReadWholeFile(path, MissingFile::ReadsEmpty);
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
    const Result<std::string> content = ReadWholeFile(path, MissingFile::ReadsEmpty);
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

bool Settings::ReadOption(const char* key) const {
    return ReadIniInteger(path, kOptionsSection, key, 0) == 1;
}

std::optional<Failure> Settings::WriteOption(const char* key, bool on) {
    return Write(kOptionsSection, key, on ? "1" : "0");
}

bool Settings::ReadElementLettersSetting() const {
    return ReadOption(kElementLettersKey);
}

std::optional<Failure> Settings::WriteElementLettersSetting(bool shown) {
    return WriteOption(kElementLettersKey, shown);
}

bool Settings::ReadColourBlindColoursSetting() const {
    return ReadOption(kColourBlindColoursKey);
}

std::optional<Failure> Settings::WriteColourBlindColoursSetting(bool chosen) {
    return WriteOption(kColourBlindColoursKey, chosen);
}

std::optional<std::string> Settings::ReadKeptBoard(const std::string& fileName) const {
    return IsStorableIniKey(fileName) ? ReadIniValue(path, kBoardsSection, fileName) : std::nullopt;
}

std::optional<Failure> Settings::KeepBoard(const std::string& fileName, const std::string& board) {
    if (!IsStorableIniKey(fileName)) {
        return std::nullopt;
    }
    return Write(kBoardsSection, fileName, board);
}

std::optional<Failure> Settings::ClearKeptBoard(const std::string& fileName) {
    if (!IsStorableIniKey(fileName)) {
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
    const Result<std::string> content = ReadWholeFile(path, MissingFile::ReadsEmpty);
    if (!content) {
        return marks;
    }
    // The first line of a name counts, as IniValue reads it.
    std::unordered_map<std::string, SolvedMark> byName;
    for (const IniEntry& entry : IniSectionEntries(*content, kSolvedSection)) {
        byName.emplace(LowerAsciiText(entry.key), MarkOf(entry.value));
    }
    for (std::size_t i = 0; i < fileNames.size(); ++i) {
        if (const auto found = byName.find(LowerAsciiText(fileNames[i])); found != byName.end()) {
            marks[i] = found->second;
        }
    }
    return marks;
}

std::optional<Failure> Settings::MarkSolved(const std::string& fileName, bool hintUsed) {
    if (!IsStorableIniKey(fileName) || ReadSolvedMarks({fileName})[0] == SolvedMark::Solved) {
        return std::nullopt;
    }
    const SolvedMark mark = hintUsed ? SolvedMark::SolvedWithHint : SolvedMark::Solved;
    return Write(kSolvedSection, fileName, std::to_string(static_cast<int>(mark)));
}

std::optional<Failure> Settings::ClearSolvedMark(const std::string& fileName) {
    if (!IsStorableIniKey(fileName)) {
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
