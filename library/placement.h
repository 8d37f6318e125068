#pragma once

namespace tessellix {

// Where an element lies in a stored solution: its base shape, mirrored left-right when
// `mirrored` is 1, then turned clockwise `rotation` quarter turns, with the top-left corner of its
// packed matrix at (`column`, `row`) of the puzzle's cell matrix. Column or row -1: none stored.
struct Placement {
    int rotation = 0;  // 0..3
    int mirrored = 0;  // 0 or 1
    int column = -1;
    int row = -1;

    bool IsStored() const { return column != -1 && row != -1; }
    friend bool operator==(const Placement&, const Placement&) = default;
};

}  // namespace tessellix
