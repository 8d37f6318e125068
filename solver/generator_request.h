#pragma once

#include <cstdint>

#include "model/element_set.h"
#include "solver/puzzle_level.h"
#include "solver/shape_style.h"

namespace tessellix {

struct GeneratorRequest {
    // Bit i: element i is used. 0: elementCount elements, drawn at random for each shape grown.
    unsigned elements = 0;
    int elementCount = ElementSet::kCount;
    Level level = Level::Medium;
    std::uint64_t seed = 0;  // the same request gives the same puzzle
    ShapeStyle shape = ShapeStyle::Compact;
};

}  // namespace tessellix
