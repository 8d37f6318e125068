#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "library/puzzle_file.h"
#include "library/puzzle_library.h"
#include "model/board_state.h"
#include "model/element_set.h"
#include "model/hand.h"
#include "model/kept_board.h"
#include "model/library_position.h"
#include "model/move_history.h"
#include "model/play_clock.h"
#include "model/puzzle_board.h"
#include "model/puzzle_shape.h"
#include "model/step_marks.h"

namespace tessellix {

// The game on the board, without any window: the puzzle board, the hand, and every move the
// mouse, the keys, the play commands and the hints make. Between moves every used element is
// home or placed, its cells covered; an element in the hand is neither.
//
// Each move is one call, and the session keeps its undo step itself: a step opens when an element
// is lifted and closes when the hand is empty again, so that undo has whole boards to go back to.
// A move that covers the last free cell stops the clock; SolveOutcome decides what follows.
class PlaySession {
  public:
    enum class DropResult { WentHome, Placed, Solved };

    // Starts with the library's first puzzle, or with the built-in rectangle when the library is
    // empty or that puzzle cannot be read (StartProblem then says why).
    explicit PlaySession(PuzzleLibrary& library);

    PuzzleLibrary& Library() { return position.Library(); }
    const PuzzleLibrary& Library() const { return position.Library(); }
    // The position of the puzzle played, which the editor shares.
    LibraryPosition& Position() { return position; }
    const LibraryPosition& Position() const { return position; }
    bool LibraryNonEmpty() const { return position.LibraryNonEmpty(); }
    int CurrentPuzzleIndex() const { return position.Index(); }
    const PuzzleRecord* CurrentRecord() const { return position.PlayedRecord(); }
    ElementSet& Elements() { return board.Elements(); }
    const ElementSet& Elements() const { return board.Elements(); }
    PuzzleShape& Puzzle() { return board.Puzzle(); }
    const PuzzleShape& Puzzle() const { return board.Puzzle(); }
    const Hand& PlayerHand() const { return hand; }
    bool Holding() const { return hand.Holding(); }
    // Why the library's first puzzle could not be played at the start; nothing when it could.
    const std::optional<Failure>& StartProblem() const { return startProblem; }
    // Whether a hint was shown since the puzzle came onto the board; a solve then counts less.
    bool HintUsed() const { return hintUsed; }
    // The time the player has spent on this board: every move keeps it going, a new puzzle
    // restarts it, and a move that covers the last free cell stops it.
    PlayClock& Clock() { return clock; }
    const PlayClock& Clock() const { return clock; }

    // Makes the library puzzle at index the one played. A failure, and nothing changed, when
    // its file cannot be read; an index that designates no record changes nothing either.
    [[nodiscard]] std::optional<Failure> SwitchToPuzzle(int index);
    // Puts the puzzle file at path on the board with every element home in its base
    // orientation, the hand empty and no history. A failure, the board and the elements
    // unchanged, when the file gives no puzzle.
    [[nodiscard]] std::optional<Failure> LoadPuzzle(const std::string& path);
    [[nodiscard]] std::optional<Failure> LoadPuzzle(const PuzzleFileContents& contents,
                                                    const std::string& path);

    // The first used element, in index order, whose set cell (onCell) or whose rectangle holds
    // the point; -1 when there is none. The held element counts only while it rests at home.
    int ElementAt(PixelPoint point, bool onCell) const;

    // --- Moves of the hand ---

    // Takes a used element into the hand, with the mouse at `pointer` or, without one, by the
    // keys; a placed one frees its cells. It stays where it is drawn.
    void Lift(int index, std::optional<PixelPoint> pointer);
    // The element in the mouse's hand follows the pointer, anywhere, without snapping.
    void MoveHeldTo(PixelPoint pointer);
    // Turns or mirrors the held element: about the cell under the pointer, which stays under it,
    // when the mouse holds it; keeping its top-left corner when the keys do.
    void TurnHeld(TransformKind kind);
    // Wheel steps in eighths of a degree: each whole notch away from the player turns the held
    // element clockwise, towards the player counter-clockwise. Nothing is kept without one.
    void WheelTurned(int eighthsOfDegree);
    // The held element goes to the nearest grid point around it where it fits, or home.
    // Solved when it covers the last free cell.
    DropResult Drop();
    // The held element goes home without a drop.
    void PutHeldHome();
    // Turns or mirrors a used element resting at home, also one held there and not yet moved,
    // which the pointer then holds where it is over the box; false, nothing changed, for any
    // other.
    bool TransformAtHome(int index, TransformKind kind);
    // A placed element goes home, in the orientation it has.
    void SendHome(int index);
    // The held element and every placed one go home, keeping their orientation: one move.
    void ResetBoard();
    // One more element set on the puzzle by a hint from the board as it is: at cell in
    // orientation, after the held element has gone home. One move, which solves the puzzle
    // when it covers the last free cell; the solve then counts as one after a hint. False,
    // nothing changed, when it does not fit there.
    bool PlaceHint(int index, int orientation, GridCell cell);
    // Replays the stored solution on a reset board: option 0 turns every used element into its
    // solution orientation at home; option 1 sets the first `count` used elements onto the
    // puzzle at their solution places. One move which, as described for the hint, solves
    // nothing even when it covers the puzzle; the solve then counts as one after a hint. Needs
    // HasCompleteSolution().
    void ShowHint(int option, int count);

    // --- Moves of the keys: on the chosen element ---

    // The next (step 1) or previous (-1) used element, round the set; not while holding.
    void Choose(int step);
    // An arrow: the first brings the chosen element from home onto the puzzle's top-left
    // corner, the next move it a cell; the keys keep it on the board.
    void MoveChosen(int columns, int rows);
    // Space: the chosen element turns at home, or in the hand, lifted first when placed.
    void TransformChosen(TransformKind kind);
    // Return: drops the chosen element when the keys hold it.
    std::optional<DropResult> DropChosen();
    // Escape and Delete: the chosen element goes home from the hand or from the puzzle.
    void SendChosenHome();
    // Ctrl+Right (step 1) and Ctrl+Left (-1): the keys hold the chosen element at the next or
    // previous place where it fits in its turn (see JumpPlace), lifted first when placed, so its
    // own place counts. False, nothing changed, when it fits nowhere or none is chosen.
    bool JumpChosen(int step);

    bool IsSolved() const { return board.IsSolved(); }
    // The placed elements in the order they were placed (after an undo, those placed before in
    // their order, then the others by index).
    const std::vector<int>& PlacedInOrder() const { return board.PlacedInOrder(); }
    // The element that the last drop placed; -1 when it went home.
    int LastPlaced() const { return lastPlaced; }

    // Elements shown with a mark, which an aid found to stand in the way; the next move, undo
    // or redo clears them.
    const std::vector<int>& Marked() const { return marked; }
    void Mark(std::vector<int> elements) { marked = std::move(elements); }
    // The cells and the placement an explained step shows; cleared as the marks are.
    const StepMarks& StepMarked() const { return stepMarks; }
    void MarkStep(StepMarks marks) { stepMarks = std::move(marks); }

    // What Keep unfinished boards does as the player leaves the board: nothing for the built-in
    // puzzle; otherwise, under the puzzle's file name, the board to keep, or none to drop a
    // board kept before, when no element is placed or the puzzle is solved.
    struct BoardKeeping {
        std::string fileName;
        std::optional<KeptBoard> board;
    };
    std::optional<BoardKeeping> Keeping() const;
    // Puts a kept board back on a fresh board, its clock going on from the time kept; not a
    // move. Why not, and the board left fresh, when it is no board of this puzzle.
    [[nodiscard]] std::optional<Failure> RestoreKeptBoard(const KeptBoard& kept);

    // The stored solution, as the puzzle board keeps it.
    bool HasStoredPlacement() const { return board.HasStoredPlacement(); }
    bool HasCompleteSolution() const { return board.HasCompleteSolution(); }
    bool PlaceAtSolution(int index) { return board.PlaceAtSolution(index); }
    std::array<ElementRecord, kElementRecordCount> SolutionRecords() const {
        return board.SolutionRecords();
    }
    void KeepSolution(const std::array<ElementRecord, kElementRecordCount>& records) {
        board.KeepSolution(records);
    }

    // --- History ---

    // The board between moves; the element in the hand, if any, counts as home.
    BoardState State() const { return board.State(); }
    bool CanUndo() const { return CanTravel(MoveHistory::Direction::Back); }
    bool CanRedo() const { return CanTravel(MoveHistory::Direction::Forward); }
    // False, nothing changed, when there is nothing to undo or redo or the hand holds.
    bool Undo() { return Travel(MoveHistory::Direction::Back); }
    bool Redo() { return Travel(MoveHistory::Direction::Forward); }
    // The board as it stands starts a history of its own, and a clock that a solve stopped
    // waits, from nothing, for the next move; a clock still going goes on.
    void StartAfresh();

  private:
    bool CanTravel(MoveHistory::Direction direction) const;
    bool Travel(MoveHistory::Direction direction);
    // A step opens before the first change of a move and closes once the hand is empty.
    void OpenStep();
    void CloseStep();
    // After a move that placed an element: the clock stops once no cell is free.
    void StopClockIfSolved();
    // The held element home, the hand empty; the step stays open.
    void EmptyHand();
    // Every element home, the held one and the placed ones, keeping its orientation.
    void SendAllHome();

    LibraryPosition position;
    PuzzleBoard board;
    int lastPlaced = -1;
    std::vector<int> marked;
    StepMarks stepMarks;
    Hand hand;
    std::optional<Failure> startProblem;
    MoveHistory history;
    bool hintUsed = false;
    PlayClock clock;
};

}  // namespace tessellix
