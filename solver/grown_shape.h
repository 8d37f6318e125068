#pragma once

#include <functional>
#include <vector>

#include "library/puzzle_file.h"
#include "model/orientation_table.h"
#include "solver/seeded_random.h"
#include "solver/shape_style.h"

namespace tessellix {

// One element laid on the work area: its orientation, and the work-area cell where the top-left
// corner of its packed matrix lies.
struct LaidElement {
    int element = 0;
    const ElementOrientation* orientation = nullptr;
    int row = 0;
    int column = 0;
};

class GrownShape;

struct LayOptions {
    explicit LayOptions(int compactness = 0) : compactness(compactness) {}

    // The weight of a spot is its contact with the shape (the cell edges they share) raised to
    // this power: 0 gives straggling shapes, higher values blobs.
    int compactness = 0;
    // Asked about the shape with the element laid at a drawn spot; false takes it off again.
    std::function<bool(const GrownShape&)> accept;
    // accept is asked at most this often (0: no limit).
    int maxAsked = 0;
    // Of this many accepted spots, the one with the lowest score is kept (the first on a tie).
    int choices = 1;
    std::function<int(const GrownShape&)> score;
};

// A shape grown out of elements, each laid against the shape so far, so that it comes with one
// cover: the laid elements. It grows on a work area wide enough for the editor's canvas in
// every direction from its middle, and never beyond what the canvas holds.
class GrownShape {
  public:
    static constexpr int kWorkSide = 2 * kCanvasColumns + 16;

    GrownShape();

    bool IsEmpty() const { return laid.empty(); }
    const std::vector<LaidElement>& Laid() const { return laid; }
    // Bit i: element i is laid.
    unsigned Elements() const;
    bool At(int row, int column) const {
        return cells[static_cast<std::size_t>(row) * kWorkSide + column] != 0;
    }

    // Lays element against the shape at a spot drawn from random, keeping the shape within
    // kCanvasColumns x kCanvasRows and without a hole; the first element lies in the middle in a
    // drawn orientation. False, and the shape as it was, when no spot is left.
    bool Lay(int element, SeededRandom& random, const LayOptions& options);
    // Puts element exactly there, whatever the shape holds; the caller keeps it on the work area.
    void LayAt(const LaidElement& element);
    // Takes the laid element at index off the shape.
    void TakeOff(std::size_t index);
    // Moves the shape to the middle of the work area, so that it can grow in every direction.
    void Recentre();

    // The extent of the cells on the work area; top > bottom while the shape is empty.
    int Top() const { return box.top; }
    int Left() const { return box.left; }
    int Bottom() const { return box.bottom; }
    int Right() const { return box.right; }

    bool IsConnected() const;
    bool HasHole() const;
    ShapeMeasure Measure() const;
    // Whether the deduction solver covers the shape with its elements by forced moves alone.
    bool IsSolvedByForcedMoves() const;
    // The cells centred on the editor's canvas of the kGridSide x kGridSide grid, row-major, 1
    // for a cell.
    std::vector<int> Grid() const;

  private:
    struct Box {
        int top = kWorkSide / 2;
        int left = kWorkSide / 2;
        int bottom = kWorkSide / 2 - 1;
        int right = kWorkSide / 2 - 1;

        Box With(int row, int column, const ElementOrientation& o) const;
        bool FitsCanvas() const;
    };
    struct Spot {
        LaidElement laid;
        std::uint64_t weight = 0;
    };

    void Put(const LaidElement& element, char value);
    int Contact(int row, int column, const ElementOrientation& o) const;
    bool HasHoleIn(const Box& area) const;
    Box BoxOfLaid() const;

    std::vector<char> cells;
    std::vector<LaidElement> laid;
    Box box;
};

}  // namespace tessellix
