#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "library/failure.h"
#include "model/orientation.h"

namespace tessellix {

// An unfinished board kept while the player is elsewhere, as one line of text: the seconds on
// the clock, "hint" when a hint helped, then each placed element in the order placed, as its
// letter, orientation and cell ("95 hint V6@0,0").
struct KeptBoard {
    struct Placed {
        int element = 0;
        int orientation = 0;
        GridCell cell;
        friend bool operator==(const Placed&, const Placed&) = default;
    };

    std::int64_t seconds = 0;
    bool hintUsed = false;
    std::vector<Placed> placed;

    std::string Encode() const;
    // The board of a line, or why the line is none: the time, the letters, the orientations and
    // the cells are read, and no element may come twice; whether they fit a puzzle is not asked.
    static Result<KeptBoard> Decode(const std::string& line);

    friend bool operator==(const KeptBoard&, const KeptBoard&) = default;
};

}  // namespace tessellix
