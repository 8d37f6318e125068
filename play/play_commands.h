#pragma once

#include <functional>
#include <optional>
#include <utility>

#include "library/calendar_date.h"
#include "library/failure.h"
#include "library/solve_records.h"
#include "library/whole_file.h"
#include "model/play_clock.h"
#include "play/background_generation.h"

class QWidget;

namespace tessellix {

class BilingualText;
class BoardView;
class Settings;
struct PuzzleFileData;
struct SolveOutcome;

// The play menu's commands and the solved sequence: which puzzle is on the board, and what
// happens when it is solved. Dialogs and messages are owned by `owner`.
class PlayCommands {
  public:
    PlayCommands(BoardView& board, Settings& settings, QWidget* owner);

    void SelectPuzzle();
    void NextPuzzle();
    void PreviousPuzzle();
    void ResetBoard();
    void ShowHint();
    // Tells whether the board can still be finished, and in how many ways; when it cannot, which
    // placed elements to take away, marked on the board.
    void CheckBoard();
    // Places one more element where a completion of the board puts it, or says, as CheckBoard
    // does, that the board cannot be finished.
    void HintFromHere();
    // Keep unfinished boards, as the settings remember it.
    bool KeepsBoards() const { return keepBoards; }
    void SetKeepBoards(bool kept);
    // With Keep unfinished boards on, the board on screen is kept for its puzzle when it has
    // placed elements and is not solved, and any board kept before dropped when it has none.
    void KeepBoard();
    // Asks for the number of elements, the level and the shape style, generates such a puzzle off
    // the GUI thread, writes it into the data folder under the first free number from 200 on,
    // and plays it. Then the level and why, "Level medium: 7 forced steps, then a guess among 3".
    std::optional<BilingualText> GeneratePuzzle();
    // The puzzle of the local date: written like a generated puzzle when the library does not
    // hold it yet, and played.
    void PuzzleOfTheDay();
    void ShowStatistics();
    // Puts the code of the puzzle on the board on the clipboard, or tells why it has none; true
    // when the code is on the clipboard.
    bool CopyPuzzleCode();
    // Asks for a puzzle code and plays its puzzle: the library's own when one has the same shape
    // and elements, else a new file under the first free number from 200 on.
    void OpenPuzzleCode();
    // A move has covered the last free cell: congratulate, keep the solved mark and the records,
    // then carry out what the session decided: store the solution of a library puzzle and go on
    // to the next one, or reset the built-in puzzle.
    void OnSolved();

    // The name of the puzzle on the board, as the congratulation's caption gives it.
    BilingualText PuzzleName() const;
    // A damaged records file is set aside, and the player told so once.
    void CheckRecords();
    const SolveRecords& Records() const { return records; }

    // Tells the player why the library puzzle at index could not be put on the board, which
    // stays as it was; nothing when it could.
    void SwitchToPuzzle(int index);
    // Why the library's first puzzle could not be played at the start, as a switch tells it.
    void ShowStartProblem();
    // Replaces the write() of the solution store, for tests to make it fail.
    void SetSolutionWriter(WriteCall write) { solutionWriter = std::move(write); }
    // Replaces the local date, for tests of the records and the puzzle of the day.
    void SetDateSource(std::function<CalendarDate()> today) { dateSource = std::move(today); }

  private:
    // To the nearest puzzle in the direction of step (+1 or -1) that can be read, telling why of
    // each one passed; past the end of the library the board stays, with the end's message.
    void StepThroughLibrary(int step);
    void Congratulate();
    // Writes the solution as the outcome says, asking first when it replaces another. False
    // when the file could not be written: the solved board then stays.
    bool StoreSolution(const SolveOutcome& outcome);
    void ShowFileProblem(const std::optional<Failure>& failure);
    // Leaves the board, keeping it, for the library puzzle at index, whose kept board comes back
    // with it.
    std::optional<Failure> Switch(int index);
    // An answer of the board aids; one that says the board cannot be finished is a warning.
    void ShowAnswer(const BilingualText& answer, bool finishable, const BilingualText& caption);
    CalendarDate Today() const;
    // Writes a new puzzle file, adds it to the library and plays it; on a failure to write,
    // shows why under caption and changes nothing.
    // True when it was written.
    bool AddPuzzle(const PuzzleFileData& data, const BilingualText& caption);
    // Runs job off the GUI thread and adds what it made; tells under caption when it failed or
    // made nothing (notFound), and says nothing when cancelled. The puzzle when it was added.
    std::optional<GeneratedPuzzle> GenerateAndAdd(const GeneratorJob& job,
                                                  const BilingualText& caption,
                                                  const BilingualText& notFound);

    BoardView& board;
    Settings& settings;
    WriteCall solutionWriter;
    std::function<CalendarDate()> dateSource;
    QWidget* owner;
    int congratulationIndex = 0;
    SolveRecords records;
    bool keepBoards;
};

}  // namespace tessellix
