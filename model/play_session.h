#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "library/puzzle_file.h"
#include "library/puzzle_library.h"
#include "model/element_set.h"
#include "model/hand.h"
#include "model/play_clock.h"
#include "model/puzzle_shape.h"

namespace tessellix {

// Where an element lies between moves: its orientation and, when it is placed, the cell of the
// puzzle's matrix under its matrix's top-left corner; at home without one.
struct ElementState {
    int orientation = 0;
    std::optional<GridCell> placed;
    friend bool operator==(const ElementState&, const ElementState&) = default;
};
using BoardState = std::array<ElementState, ElementSet::kCount>;

// The game on the board, without any window: the current puzzle, the twelve elements, the hand,
// and every move the mouse, the keys, the play commands and the hints make. The puzzle's matrix
// is the board: 1 a free cell, 2 a cell covered by an element. Between moves every used element
// is home or placed, its cells covered; an element in the hand is neither.
//
// Each move is one call, and the session keeps its undo step itself: a step opens when an element
// is lifted and closes when the hand is empty again, so that undo has whole boards to go back to.
// Moves made while the hand holds belong to the step that the drop closes. A step that leaves the
// same cells everywhere (a turn of X, say) is none.
class PlaySession {
  public:
    enum class DropResult { WentHome, Placed, Solved };

    // Starts with the library's first puzzle, or with the built-in rectangle when the library is
    // empty or that puzzle cannot be read (StartProblem then says why).
    explicit PlaySession(PuzzleLibrary& library);

    // Where a session over the library starts: 0, or 1 for an empty library.
    static int StartPosition(const PuzzleLibrary& library) { return library.count() > 0 ? 0 : 1; }

    PuzzleLibrary& Library() { return library; }
    const PuzzleLibrary& Library() const { return library; }
    ElementSet& Elements() { return elements; }
    const ElementSet& Elements() const { return elements; }
    PuzzleShape& Puzzle() { return *puzzle; }
    const PuzzleShape& Puzzle() const { return *puzzle; }
    const Hand& PlayerHand() const { return hand; }
    bool Holding() const { return hand.Holding(); }
    // Whether the library held a puzzle when the session began, or has gained one since.
    bool LibraryNonEmpty() const { return libraryNonEmpty; }
    // The library position of the puzzle played, through which Next and Previous move and a
    // solution is stored. It designates no record while the library is empty.
    int CurrentPuzzleIndex() const { return currentPuzzleIndex; }
    // The record of the puzzle on the board; nullptr while the built-in rectangle is played,
    // whose solutions are never written.
    const PuzzleRecord* CurrentRecord() const;
    // Why the library's first puzzle could not be played at the start; nothing when it could.
    const std::optional<Failure>& StartProblem() const { return startProblem; }
    // Whether a hint was shown since the puzzle came onto the board; a solve then counts less.
    bool HintUsed() const { return hintUsed; }
    // The time the player has spent on this board: every move keeps it going, a new puzzle
    // restarts it, and the solved sequence stops it.
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
    // The record at position has left the library: the played position stays on its puzzle.
    void RecordRemoved(int position);
    // A record has joined the library at position: the played position stays on its puzzle,
    // and the first record of a library that was empty becomes the played position.
    void RecordInserted(int position);

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
    // orientation, after the held element has gone home. One move; the solve then counts as
    // one after a hint. False, nothing changed, when it does not fit there.
    bool PlaceHint(int index, int orientation, GridCell cell);
    // Replays the stored solution on a reset board: option 0 turns every used element into its
    // solution orientation at home; option 1 sets the first `count` used elements onto the
    // puzzle at their solution places. One move, without the solved test; the solve then counts
    // as one after a hint. Needs HasCompleteSolution().
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

    bool IsSolved() const { return puzzle->IsSolved(); }
    // The placed elements in the order they were placed (after an undo, those placed before in
    // their order, then the others by index).
    const std::vector<int>& PlacedInOrder() const { return placedOrder; }
    // The element that the last drop placed; -1 when it went home.
    int LastPlaced() const { return lastPlaced; }

    // Elements shown with a mark, which an aid found to stand in the way; the next move, undo
    // or redo clears them.
    const std::vector<int>& Marked() const { return marked; }
    void Mark(std::vector<int> elements) { marked = std::move(elements); }

    // The board as one line to keep while the player is elsewhere: the seconds on the clock and
    // "hint" when a hint helped, and each placed element, in the order placed, as letter,
    // orientation and cell ("95 hint V6@0,0").
    std::string KeptBoardLine() const;
    // Puts a kept board back on a fresh board, its clock going on from the time kept; not a
    // move. False, and the board left fresh, for a line that is no board of this puzzle.
    bool RestoreKeptBoard(const std::string& line);

    // Whether some element carries a stored placement.
    bool HasStoredPlacement() const;
    // Whether every used element carries one, as a hint needs.
    bool HasCompleteSolution() const;
    // Turns a used element at home into its stored orientation and sets it on the puzzle at
    // its stored place. False, the element staying home, when it does not fit there.
    bool PlaceAtSolution(int index);
    // The twelve records of a solved board: a used element with its orientation and grid
    // position on the puzzle, an excluded one without placement.
    std::array<ElementRecord, kElementRecordCount> SolutionRecords() const;
    // Takes the placements of the used elements' records as their stored solution.
    void KeepSolution(const std::array<ElementRecord, kElementRecordCount>& records);

    // --- History ---

    // The board between moves; the element in the hand, if any, counts as home.
    BoardState State() const;
    bool CanUndo() const { return !Holding() && !undoable.empty(); }
    bool CanRedo() const { return !Holding() && !redoable.empty(); }
    // False, nothing changed, when there is nothing to undo or redo or the hand holds.
    bool Undo();
    bool Redo();
    // What the board shows now starts a history of its own.
    void ClearHistory();

  private:
    struct Step {
        BoardState before;
        BoardState after;
    };
    // A step opens before the first change of a move, unless the hand has one open already,
    // and closes once the hand is empty: recorded when some element's cells differ.
    void OpenStep();
    void CloseStep();
    bool SameCells(const BoardState& a, const BoardState& b) const;
    void Place(int index, GridCell cell);
    void Unplace(int index);
    // The held element home, the hand empty; the step stays open.
    void EmptyHand();
    // Every element home, the held one and the placed ones, keeping its orientation.
    void SendAllHome();
    // Puts every element where the state has it; placed ones cover their cells again.
    void Restore(const BoardState& state);
    PixelPoint CellCorner(GridCell cell) const;

    PuzzleLibrary& library;
    ElementSet elements;
    std::unique_ptr<PuzzleShape> puzzle;
    std::array<std::optional<GridCell>, ElementSet::kCount> placedAt;
    std::vector<int> placedOrder;
    int lastPlaced = -1;
    std::vector<int> marked;
    Hand hand;
    bool libraryNonEmpty = false;
    int currentPuzzleIndex;
    bool playsBuiltIn = true;
    std::optional<Failure> startProblem;
    std::optional<BoardState> stepStart;
    std::vector<Step> undoable;
    std::vector<Step> redoable;
    bool hintUsed = false;
    PlayClock clock;
};

}  // namespace tessellix
