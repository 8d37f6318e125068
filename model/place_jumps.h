#pragma once

#include <optional>

#include "library/bilingual_text.h"
#include "model/cell_shape.h"
#include "model/element.h"

namespace tessellix {

// Where Ctrl+Right (step 1) or Ctrl+Left (step -1) takes an element over the puzzle: the next or
// previous corner of the puzzle's matrix, in reading order from `corner` (the element's
// top-left on the canvas), where it fits in its present orientation; past the last place the
// first, before the first the last. From home (no corner) the first or the last place. None
// when it fits nowhere. In one orientation the first cell lies at one offset from the corner,
// so corners and first cells come in the same order.
std::optional<GridCell> JumpPlace(const Element& element, const CellShape& puzzle,
                                  std::optional<PixelPoint> corner, int step);

// "F fits nowhere" / "F никуда не помещается".
BilingualText FitsNowhereText(int element);

}  // namespace tessellix
