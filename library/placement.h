#pragma once

namespace tessellix {

// An element's orientation as one index 0..7: its base shape, mirrored left-right from 4 on, then
// turned clockwise (index mod 4) quarter turns. A file's record keeps it in bits 1 to 3 of its
// second byte.
inline constexpr int kOrientationCount = 8;
constexpr int OrientationIndex(int rotation, int mirrored) {
    return (mirrored & 1) * 4 + (rotation & 3);
}
constexpr int RotationOf(int orientation) {
    return orientation & 3;
}
constexpr int MirroredOf(int orientation) {
    return (orientation >> 2) & 1;
}

// Where an element lies in a stored solution: its base shape, mirrored left-right when
// `mirrored` is 1, then turned clockwise `rotation` quarter turns, with the top-left corner of its
// packed matrix at (`column`, `row`) of the puzzle's cell matrix. Column or row -1: none stored.
struct Placement {
    int rotation = 0;  // 0..3
    int mirrored = 0;  // 0 or 1
    int column = -1;
    int row = -1;

    bool IsStored() const { return column != -1 && row != -1; }
    int Orientation() const { return OrientationIndex(rotation, mirrored); }
    friend bool operator==(const Placement&, const Placement&) = default;
};

}  // namespace tessellix
