#include "solver/free_shapes.h"

#include <array>

#include "solver/grown_shape.h"

namespace tessellix {

namespace {

const std::array<std::vector<int>, 3> kCompactness{{{0}, {2, 3, 8}, {3, 4, 12}}};

}  // namespace

std::optional<ShapeCandidate> FreeShapes::Next() {
    const unsigned elements =
        request.elements != 0 ? request.elements : random.ChooseElements(request.elementCount);
    const std::vector<int>& cycle = kCompactness[static_cast<int>(request.level)];
    const int compactness = cycle[tries++ % cycle.size()];
    GrownShape shape;
    for (int element : random.Shuffled(elements)) {
        if (!shape.Lay(element, random, LayOptions(compactness))) {
            return std::nullopt;
        }
    }
    return ShapeCandidate{shape.Grid(), elements};
}

}  // namespace tessellix
