#pragma once

#include "solver/generator_request.h"
#include "solver/seeded_random.h"
#include "solver/shape_source.h"

namespace tessellix {

// The free style: every try grows a new shape, its elements laid at random against each other
// with a compactness that cycles through the level's values. Straggling shapes are nearly all
// easy; medium and hard ones come from blobs, and the tighter blobs serve the smaller element
// counts, whose loose shapes leave too little to guess.
class FreeShapes : public ShapeSource {
  public:
    FreeShapes(const GeneratorRequest& request, SeededRandom& random)
        : request(request), random(random) {}

    std::optional<ShapeCandidate> Next() override;

  private:
    const GeneratorRequest& request;
    SeededRandom& random;
    int tries = 0;
};

}  // namespace tessellix
