#pragma once

#include <utility>

#include "library/whole_file.h"

class BoardView;
class QWidget;
class Settings;
struct FileStatus;

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
    // A drop has covered the last free cell: congratulate, store the solution of a library
    // puzzle and go on to the next one, or reset the built-in puzzle.
    void OnSolved();

    // Tells the player why the library puzzle at index could not be put on the board, which
    // stays as it was; nothing when it could.
    void SwitchToPuzzle(int index);
    // Replaces the write() of the solution store, for tests to make it fail.
    void SetSolutionWriter(WriteCall write) { solutionWriter = std::move(write); }

  private:
    void Congratulate();
    // False when the file could not be written: the solved board then stays.
    bool SaveSolution();
    void ShowFileProblem(const FileStatus& status);

    BoardView& board;
    Settings& settings;
    WriteCall solutionWriter;
    QWidget* owner;
    int congratulationIndex = 0;
};
