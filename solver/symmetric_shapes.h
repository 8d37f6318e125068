#pragma once

#include <vector>

#include "solver/generator_request.h"
#include "solver/grown_shape.h"
#include "solver/shape_source.h"

namespace tessellix {

// The symmetric style. The elements are distinct, so no element can cover the mirror image of
// another: a symmetric shape is a half grown out of half of the elements, with its image, which
// the other half must cover as well. Each try grows one half against a mirror line or the
// centre of a half turn and hands the whole shape to the judge, which counts its covers up to
// its symmetry. An odd number of elements puts one element that is symmetric itself across the
// line or on the centre. A symmetric shape's first forced moves can only be such elements, as
// any other forced place would force its image too, with the same element: an easy shape lays
// every pair more of them along a mirror line, and beside them a TwinRegion, which half of the
// rest cover and the other half cover too, so that its image is always covered.
class SymmetricShapes : public ShapeSource {
  public:
    SymmetricShapes(const GeneratorRequest& request, SeededRandom& random)
        : request(request), random(random) {}

    std::optional<ShapeCandidate> Next() override;
    bool Symmetric() const override { return true; }

    // Maps a cell onto its image: rowSum - row when flipRows, columnSum - column when
    // flipColumns. A mirror flips one of them, a half turn both.
    struct Symmetry {
        bool flipRows = false;
        bool flipColumns = false;
        int rowSum = 0;
        int columnSum = 0;

        // Whether a cell lies in the half that the grown elements take.
        bool InHalf(int row, int column) const;
        std::pair<int, int> Image(int row, int column) const;
    };

  private:
    const GeneratorRequest& request;
    SeededRandom& random;
    int tries = 0;
};

}  // namespace tessellix
