#pragma once

#include <array>
#include <optional>

#include "model/element_set.h"
#include "model/orientation.h"

namespace tessellix {

// Where an element lies between moves: its orientation and, when it is placed, the cell of the
// puzzle's matrix under its matrix's top-left corner; at home without one.
struct ElementState {
    int orientation = 0;
    std::optional<GridCell> placed;
    friend bool operator==(const ElementState&, const ElementState&) = default;
};
using BoardState = std::array<ElementState, ElementSet::kCount>;

// Whether every element covers the same cells in both, or rests at home in the same shape: an
// orientation that the element's symmetry makes equal to another is the same.
bool SameCells(const BoardState& a, const BoardState& b);

}  // namespace tessellix
