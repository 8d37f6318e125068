#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "library/bilingual_text.h"
#include "library/failure.h"
#include "library/ini_text.h"

namespace tessellix {

// How a puzzle was solved, as section "Solved" keeps it under the puzzle's file name.
enum class SolvedMark { None = 0, Solved = 1, SolvedWithHint = 2 };

// The user's choices that survive between runs, in a small INI file beside the program:
// sections "Options", "Generator" and "Solved", keys below. Every operation opens, reads or
// updates and closes the file by itself; nothing is cached. A missing or unreadable file gives the
// defaults. The first write of a run that fails is the last one tried in that run: the writer
// returns why, naming the file, and the failure listener hears of it, so that the player is told
// once; later writes return nothing and leave the file alone. Settings never stop the program.

class Settings {
  public:
    // An empty path gives the defaults and writes nothing.
    explicit Settings(std::string path = std::string()) : path(std::move(path)) {}
    const std::string& Path() const { return path; }

    // Told of the first write that fails; none by default.
    void SetFailureListener(std::function<void(const Failure&)> listener) {
        failureListener = std::move(listener);
    }

    // Options/Language, stored as 0 Russian or 1 English; any other value gives Russian.
    Language ReadLanguageSetting() const;
    std::optional<Failure> WriteLanguageSetting(Language language);

    // Options/Preview, default 0, taken unchanged.
    int ReadPreviewSetting() const;
    std::optional<Failure> WritePreviewSetting(int preview);

    // Options/Zoom, how many times the board is enlarged: default 1, and 1 for any value below.
    int ReadZoomSetting() const;
    std::optional<Failure> WriteZoomSetting(int zoom);

    // Options/ShowClock, whether the title shows the play clock: 1 on, anything else off.
    bool ReadShowClockSetting() const;
    std::optional<Failure> WriteShowClockSetting(bool shown);
    // Options/ShowMistakes and Options/KeepBoards, the same way; both off by default.
    bool ReadShowMistakesSetting() const;
    std::optional<Failure> WriteShowMistakesSetting(bool shown);
    bool ReadKeepBoardsSetting() const;
    std::optional<Failure> WriteKeepBoardsSetting(bool kept);
    // Options/ElementLetters and Options/ColourBlindColours, the same way: whether each element
    // shows its letter, and whether the elements take the fills for colour-blind players.
    bool ReadElementLettersSetting() const;
    std::optional<Failure> WriteElementLettersSetting(bool shown);
    bool ReadColourBlindColoursSetting() const;
    std::optional<Failure> WriteColourBlindColoursSetting(bool chosen);

    // Boards/<file name>, an unfinished board of the file's puzzle kept until the player comes
    // back to it, as the play session writes it; the name compared without regard to ASCII case.
    std::optional<std::string> ReadKeptBoard(const std::string& fileName) const;
    std::optional<Failure> KeepBoard(const std::string& fileName, const std::string& board);
    // The file's kept board goes: its puzzle was finished, reset, replaced or deleted.
    std::optional<Failure> ClearKeptBoard(const std::string& fileName);

    // Solved/<file name>, the name compared without regard to ASCII case: 1 solved, 2 solved
    // after a hint; any other value, or none, is not solved. One mark per name, in its order.
    std::vector<SolvedMark> ReadSolvedMarks(const std::vector<std::string>& fileNames) const;
    // Records the file's puzzle as solved; a mark of a solve without hint is never lowered.
    std::optional<Failure> MarkSolved(const std::string& fileName, bool hintUsed);
    // The file's mark goes, its puzzle replaced or deleted; nothing is written without one.
    std::optional<Failure> ClearSolvedMark(const std::string& fileName);
    // Every mark goes: the statistics are reset.
    std::optional<Failure> ClearSolvedMarks();

    // Generator/Elements, Generator/Level and Generator/Shape, the last choice of the
    // Generate-puzzle dialog: the number of elements, default 12, the level as 0 easy, 1 medium
    // or 2 hard, default 1, and the shape style as 0 compact, 1 symmetric or 2 free, default 0.
    // Taken unchanged; the dialog keeps them in range.
    int ReadGeneratorElementsSetting() const;
    std::optional<Failure> WriteGeneratorElementsSetting(int elements);
    int ReadGeneratorLevelSetting() const;
    std::optional<Failure> WriteGeneratorLevelSetting(int level);
    int ReadGeneratorShapeSetting() const;
    std::optional<Failure> WriteGeneratorShapeSetting(int shape);

  private:
    // An on-off key of Options: 1 on, anything else off, off by default.
    bool ReadOption(const char* key) const;
    std::optional<Failure> WriteOption(const char* key, bool on);
    std::optional<Failure> Write(const std::string& section, const std::string& key,
                                 const std::optional<std::string>& value);
    // The first failure of a run is told and stops every later write of that run.
    std::optional<Failure> Update(const std::function<std::string(const std::string&)>& change);

    std::string path;
    bool writesStopped = false;
    std::function<void(const Failure&)> failureListener;
};

// The INI file underneath, read and written through the whole-file reader and writer. Section
// and key names compare without regard to ASCII letter case.

// The value under section/key read as a decimal integer from its start, as the C conversion
// reads it (blanks, an optional sign, digits; 0 when no digit follows); `fallback` when the
// file, the section or the key is missing.
int ReadIniInteger(const std::string& path, const std::string& section, const std::string& key,
                   int fallback);

// Replaces the file's text with change(text), as WriteIniString does below.
std::optional<Failure> UpdateIniFile(const std::string& path,
                                     const std::function<std::string(const std::string&)>& change);

// Sets section/key to value: creates the file and the section when missing, replaces the key's
// line or adds it at the end of its section, and leaves every other line as it was. Without a
// value, removes the key's lines from the section instead. The file is replaced through the
// whole-file writer, so a failed write leaves the old one whole; a file that would not change
// is not written, nor is anything without a path. The failure names the file and the reason; an
// existing file that cannot be read is not replaced, and is a failure too.
std::optional<Failure> WriteIniString(const std::string& path, const std::string& section,
                                      const std::string& key,
                                      const std::optional<std::string>& value);

}  // namespace tessellix
