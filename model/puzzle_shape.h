#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "library/loaded_puzzle.h"
#include "library/puzzle_file.h"
#include "model/cell_shape.h"
#include "model/element_set.h"

namespace tessellix {

inline constexpr int kPuzzleId = 100;
inline constexpr Rgb kPuzzleFill{255, 255, 255};
inline constexpr Rgb kPuzzlePen{128, 128, 128};
// The board area of the play canvas, right of and below the bands of base boxes; puzzles are
// centred in it.
inline constexpr PixelRect kBoardArea{105, 75, kPictureWidth, kPictureHeight};

// The puzzle being played, previewed or edited. During play its matrix is the board state:
// 1 a free cell, 2 a cell covered by an element.
class PuzzleShape : public CellShape {
  public:
    // The name in the current language; when the caller says that the library is empty, all
    // four texts are those of the built-in 10 x 6 rectangle instead. No cells until SetCells or
    // Load.
    explicit PuzzleShape(const std::string& name = std::string(), bool libraryEmpty = false);

    // grid: kGridSide x kGridSide values, row-major, nonzero for a cell; the shape is cropped
    // to its bounding square and centred on the board area.
    void SetCells(const std::vector<int>& grid);
    // Reads the puzzle file at path into the shape and the elements' flags and stored
    // solution; default names take the number that the file's name starts with. A failure, with
    // the file layer's message, when the file cannot be read or ends before its cell block: the
    // shape then has no cells, and the elements and texts are unchanged.
    [[nodiscard]] std::optional<Failure> Load(const std::string& path, ElementSet& elements);
    // The same with the file already read from path.
    [[nodiscard]] std::optional<Failure> Load(const PuzzleFileContents& contents,
                                              const std::string& path, ElementSet& elements);
    // The loaded puzzle's cells and texts, and its elements' flags and stored solution.
    void Load(const LoadedPuzzle& puzzle, ElementSet& elements);
    // The current language's name, and with withComment its comment, above the puzzle.
    // An empty rect stands for the whole space above the puzzle. The name is centred in rect;
    // the comment stands below a name line at rect's top, or directly under the name where the
    // two would overlap, or is left out where it does not fit there. On return rect holds that
    // space when it came in empty, and the comment's area when a comment was to be drawn.
    void DrawTitle(DrawSurface& dc, PixelRect& rect, bool withComment) const;
    // True when no cell is free; a puzzle without cells counts as solved.
    bool IsSolved() const;

    BilingualText names;  // UTF-8
    BilingualText comments;
};

// Cells (r, c) with c < columns and r < rows; named "*** New puzzle ***" in the current
// language, or given the built-in texts when libraryEmpty. The editor's canvas is 31 x 19;
// 0 x 0 is an empty placeholder.
std::unique_ptr<PuzzleShape> CreateBlankPuzzle(int columns, int rows, bool libraryEmpty = false);
// The built-in 10 x 6 rectangle with its texts, every element used and carrying its stored
// solution.
std::unique_ptr<PuzzleShape> CreateBuiltInPuzzle(ElementSet& elements);
// The same puzzle as a file would hold it: the rectangle at the grid's top-left corner.
PuzzleFileData BuiltInPuzzleData();

}  // namespace tessellix
