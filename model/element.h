#pragma once

#include <array>

#include "library/placement.h"
#include "model/cell_shape.h"
#include "model/orientation.h"

namespace tessellix {

inline constexpr Rgb kBaseBoxGrey{128, 128, 128};
// Every element has five cells.
inline constexpr int kElementCells = 5;

// One of the twelve five-cell elements: a cell shape that rests centred in its base box and
// snaps onto a puzzle's grid. Its orientation is one index (see OrientationIndex): base shape,
// mirrored left-right if mirrored, then turned clockwise, packed into the matrix's top-left
// corner. Its eight matrices are computed once, when it is created.
class Element : public CellShape {
  public:
    // input is a 5 x 5 row-major matrix; the element is created at home, unturned.
    void Create(int elementId, const std::array<int, 25>& input, int column, int row, Rgb fill,
                int isExcluded);

    // The cells, and the element's letter over them when it shows one.
    void Draw(DrawSurface& dc, int cellSize, bool withOutline) const override;
    // The cell that carries the letter: the one nearest the middle of the five in the present
    // orientation, the first in reading order of those equally near, so that a picture of the
    // board always shows it in the same place.
    GridCell LetterCell() const;

    bool IsAtHome() const { return x == homeX && y == homeY; }
    void GoHome() { SetPosition(homeX, homeY); }

    // The base box grown by one pixel on every side.
    PixelRect GetBoxRect() const;

    // Clears the base box and draws the element there; nothing for an excluded element.
    void DrawAtHome(DrawSurface& dc);
    // A dashed frame of red and white along the element's outline, two pixels wide inside its
    // box, where it is: the mark of an element that stands in the way, told by its pattern as
    // well as by its colour.
    void DrawMark(DrawSurface& dc) const;

    int Rotation() const { return RotationOf(orientation); }
    int Mirrored() const { return MirroredOf(orientation); }
    // Takes the cells of another orientation wherever the element lies; its home follows, its
    // position does not.
    void SetOrientation(int index);
    // Where cell of the matrix lies in the packed matrix that one transform gives.
    GridCell CellAfter(TransformKind kind, GridCell cell) const;

    // 1 when applied, the element resting at home in its new orientation; 0 (nothing changed)
    // unless at home, used and kind is a TransformKind.
    int Transform(int kind);
    // Back to the base orientation, only while at home and used.
    void ResetOrientation();
    // The orientation of the stored solution, only while at home and used.
    void TurnToSolution() {
        TurnTo(StoredSolution().IsStored() ? StoredSolution().Orientation() : 0);
    }
    // Another orientation, only while at home and used; the element rests at its new home.
    void TurnTo(int index);
    Placement StoredSolution() const {
        return {solutionRotation, solutionMirrored, solutionColumn, solutionRow};
    }
    void SetStoredSolution(const Placement& placement);

    // Tries the four grid points around the current position, nearest first; every cell of
    // the bounding box must lie on the puzzle's matrix and every set cell on a free cell.
    bool FindSnap(const CellShape& puzzle, PixelPoint& position) const;
    // Whether the element, its top-left corner on cell (column, row) of the puzzle's matrix,
    // has its whole bounding box on the matrix and every set cell on a free cell.
    bool FitsAt(const CellShape& puzzle, int column, int row) const;
    // Marks the free puzzle cells under the element covered (1 -> 2), or frees them (2 -> 1).
    void Occupy(CellShape& puzzle) const;
    void Vacate(CellShape& puzzle) const;

    int baseX = 0;
    int baseY = 0;
    int boxWidth = 0;
    int boxHeight = 0;
    int homeX = 0;
    int homeY = 0;
    int excluded = 0;
    int orientation = 0;  // 0..7
    int solutionRotation = -1;
    int solutionMirrored = -1;
    int solutionColumn = -1;  // on the puzzle's cell matrix; -1 when there is no solution
    int solutionRow = -1;
    // The letter shown on the letter cell; none when 0.
    char letter = 0;

  private:
    void MarkCells(CellShape& puzzle, int from, int to) const;

    std::array<std::vector<int>, kOrientationCount> matrices;
};

}  // namespace tessellix
