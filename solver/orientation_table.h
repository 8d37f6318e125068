#pragma once

#include <array>
#include <vector>

#include "model/element_set.h"

namespace tessellix {

// One distinct orientation of an element, in the element's own convention: base shape,
// mirrored left-right if `mirrored`, then turned clockwise `rotation` quarter turns, packed
// into the top-left corner of its matrix.
struct ElementOrientation {
    int rotation = 0;
    int mirrored = 0;
    int columns = 0;  // extent of the set cells
    int rows = 0;
    std::array<int, 5> cellRows{};  // the five cells, relative to the matrix's top-left corner
    std::array<int, 5> cellColumns{};
};

// The distinct orientations of the twelve standard elements, taken from Element::Transform so
// that the solver and the game agree on what a rotation and a mirror mean. Orientations that
// the shape's own symmetry makes equal are listed once, the first (mirrored 0 before 1,
// rotation ascending) standing for all of them.
class OrientationTable {
  public:
    static const OrientationTable& Standard();

    const std::vector<ElementOrientation>& Of(int element) const { return orientations[element]; }
    // Any of the eight states, rotation 0..3 and mirrored 0 or 1, whether distinct or not.
    const ElementOrientation& State(int element, int rotation, int mirrored) const {
        return states[element][mirrored * 4 + rotation];
    }

  private:
    OrientationTable();

    std::array<std::vector<ElementOrientation>, ElementSet::kCount> orientations;
    std::array<std::array<ElementOrientation, 8>, ElementSet::kCount> states;
};

}  // namespace tessellix
