#pragma once

#include <array>
#include <vector>

#include "model/element_set.h"

namespace tessellix {

// One orientation of an element, in the element's own convention (see OrientationIndex).
struct ElementOrientation {
    int index = 0;    // 0..7
    int columns = 0;  // extent of the set cells
    int rows = 0;
    std::array<int, 5> cellRows{};  // the five cells, relative to the matrix's top-left corner
    std::array<int, 5> cellColumns{};

    int Rotation() const { return RotationOf(index); }
    int Mirrored() const { return MirroredOf(index); }
};

// The eight orientations of each of the twelve standard elements, computed once from their base
// shapes by the elements' own turn arithmetic, so that the solver and the game agree on what a
// turn and a mirror mean. Orientations that the shape's own symmetry makes equal are listed
// once among the distinct ones, the lowest index standing for all of them.
class OrientationTable {
  public:
    static const OrientationTable& Standard();

    // The distinct orientations, by ascending index.
    const std::vector<ElementOrientation>& Of(int element) const { return distinct[element]; }
    // Any of the eight, whether distinct or not.
    const ElementOrientation& State(int element, int orientation) const {
        return states[element][orientation];
    }
    const ElementOrientation& State(int element, int rotation, int mirrored) const {
        return State(element, OrientationIndex(rotation, mirrored));
    }
    // The lowest orientation with the same cells.
    int Canonical(int element, int orientation) const { return canonical[element][orientation]; }

  private:
    OrientationTable();

    std::array<std::vector<ElementOrientation>, ElementSet::kCount> distinct;
    std::array<std::array<ElementOrientation, kOrientationCount>, ElementSet::kCount> states;
    std::array<std::array<int, kOrientationCount>, ElementSet::kCount> canonical;
};

}  // namespace tessellix
