#pragma once

class BoardView;
class QWidget;
class Settings;

// The play menu's commands and the solved sequence: which puzzle is on the board, and what
// happens when it is solved. Dialogs and messages are owned by `owner`.
class PlayCommands {
  public:
    PlayCommands(BoardView& board, const Settings& settings, QWidget* owner);

    void SelectPuzzle();
    void NextPuzzle();
    void PreviousPuzzle();
    void ResetBoard();
    void ShowHint();
    // A drop has covered the last free cell: congratulate, store the solution of a library
    // puzzle and go on to the next one, or reset the built-in puzzle.
    void OnSolved();

    // Which of the seven congratulations comes next.
    int CongratulationIndex() const { return congratulationIndex; }

  private:
    void Congratulate();
    // False when the file could not be written: the solved board then stays.
    bool SaveSolution();

    BoardView& board;
    const Settings& settings;
    QWidget* owner;
    int congratulationIndex = 0;
};
