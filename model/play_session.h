#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "library/puzzle_file.h"
#include "library/puzzle_library.h"
#include "model/element_set.h"
#include "model/puzzle_shape.h"

namespace tessellix {

// Where an element lies and how it is turned: all that a move changes.
struct ElementPlace {
    int x = 0;
    int y = 0;
    int rotation = 0;
    int mirrored = 0;
    friend bool operator==(const ElementPlace&, const ElementPlace&) = default;
};
using BoardState = std::array<ElementPlace, ElementSet::kCount>;

// The game on the board, without any window: the current puzzle, the twelve elements, and the
// rules that the mouse, the play commands and the hints apply to them. The puzzle's matrix is
// the board: 1 a free cell, 2 a cell covered by an element. Between two moves every used
// element is either at home or placed on the puzzle with its cells covered.
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
    void NoteHintUsed() { hintUsed = true; }

    // Makes the library puzzle at index the one played. A failure, and nothing changed, when
    // its file cannot be read; an index that designates no record changes nothing either.
    [[nodiscard]] std::optional<Failure> SwitchToPuzzle(int index);
    // Puts the puzzle file at path on the board with every element home in its base
    // orientation. A failure, the board and the elements unchanged, when the file gives no
    // puzzle.
    [[nodiscard]] std::optional<Failure> LoadPuzzle(const std::string& path);
    [[nodiscard]] std::optional<Failure> LoadPuzzle(const PuzzleFileContents& contents,
                                                    const std::string& path);
    // The record at position has left the library: the played position stays on its puzzle.
    void RecordRemoved(int position);
    // A record has joined the library at position: the played position stays on its puzzle,
    // and the first record of a library that was empty becomes the played position.
    void RecordInserted(int position);

    // The first used element, in index order, whose set cell (onCell) or whose rectangle
    // holds the point; -1 when there is none.
    int ElementAt(PixelPoint point, bool onCell) const;
    // Lifts a placed element: its cells become free; where it is drawn does not change.
    void PickUp(int index);
    // Places the element at the nearest grid point around its position where it fits, or
    // sends it home. Solved when the placement covered the last free cell.
    DropResult Drop(int index);
    // Takes a placed element off the puzzle to its home, in the orientation it has.
    void SendHome(int index);
    // Every placed element goes home, keeping its orientation; returns them in index order.
    std::vector<int> ResetBoard();
    bool IsSolved() const { return puzzle->IsSolved(); }

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

    // Turns or mirrors an element that is held, neither home nor placed. The cell of its
    // bounding box under `pivot` stays under it; without a pivot its corner stays.
    void TurnHeld(int index, TransformKind kind, std::optional<PixelPoint> pivot);

    // The history of moves on this puzzle. A move runs from one board between moves (every
    // used element home or placed) to the next; undoing and redoing it restores those boards.
    BoardState State() const;
    // Records the move that led from `before` to the board now, forgetting what was undone;
    // false, and nothing recorded, when it changed nothing.
    bool RecordMove(const BoardState& before);
    bool CanUndo() const { return !undoable.empty(); }
    bool CanRedo() const { return !redoable.empty(); }
    // False when there is nothing to undo or redo.
    bool Undo();
    bool Redo();
    // A new puzzle on the board starts without history.
    void ClearHistory();

  private:
    struct Move {
        BoardState before;
        BoardState after;
    };
    // Puts every element where the state has it; placed ones cover their cells again.
    void Restore(const BoardState& state);

    PuzzleLibrary& library;
    ElementSet elements;
    std::unique_ptr<PuzzleShape> puzzle;
    bool libraryNonEmpty = false;
    int currentPuzzleIndex;
    bool playsBuiltIn = true;
    std::optional<Failure> startProblem;
    std::vector<Move> undoable;
    std::vector<Move> redoable;
    bool hintUsed = false;
};

}  // namespace tessellix
