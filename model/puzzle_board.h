#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "library/loaded_puzzle.h"
#include "library/puzzle_file.h"
#include "model/board_state.h"
#include "model/element_set.h"
#include "model/kept_board.h"
#include "model/puzzle_shape.h"

namespace tessellix {

// The puzzle on the play board and the twelve elements over it: where each one lies, at home or
// placed, and the cells that the placed ones cover (2 in the puzzle's matrix, 1 a free cell).
// Every placed element covers exactly its own cells; how elements come and go is the play
// session's.
class PuzzleBoard {
  public:
    // The built-in rectangle, every element home.
    PuzzleBoard();

    ElementSet& Elements() { return elements; }
    const ElementSet& Elements() const { return elements; }
    PuzzleShape& Puzzle() { return *puzzle; }
    const PuzzleShape& Puzzle() const { return *puzzle; }

    // Puts the puzzle of the file on the board with every element home in its base orientation.
    // A failure, the puzzle and the elements as they were, when the file gives no puzzle.
    [[nodiscard]] std::optional<Failure> Load(const PuzzleFileContents& contents,
                                              const std::string& path);
    // The same with a puzzle already loaded, which always gives one.
    void Load(const LoadedPuzzle& loaded);

    bool IsSolved() const { return puzzle->IsSolved(); }
    const std::optional<GridCell>& PlacedAt(int index) const { return placedAt[index]; }
    // The placed elements in the order they were placed.
    const std::vector<int>& PlacedInOrder() const { return placedOrder; }
    BoardState State() const;

    // Sets an element at home or in the hand on the puzzle at cell, covering its cells; it fits
    // there.
    void Place(int index, GridCell cell);
    // A placed element frees its cells and stays where it is drawn; nothing for any other.
    void Unplace(int index);
    // Every placed element goes home, keeping its orientation.
    void SendPlacedHome();
    // Puts every element where the state has it: placed ones cover their cells again, keeping
    // their order of placing among themselves; the others follow by index.
    void Restore(const BoardState& state);
    // The placed elements as a kept board lists them, in the order they were placed.
    std::vector<KeptBoard::Placed> KeptPlacements() const;
    // Each kept element put on this fresh board in its turn; why not, for the first that does
    // not fit, every element then home in its base orientation again.
    [[nodiscard]] std::optional<Failure> PlaceKept(const std::vector<KeptBoard::Placed>& placed);

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

  private:
    PixelPoint CellCorner(GridCell cell) const;

    ElementSet elements;
    std::unique_ptr<PuzzleShape> puzzle;
    std::array<std::optional<GridCell>, ElementSet::kCount> placedAt;
    std::vector<int> placedOrder;
};

}  // namespace tessellix
