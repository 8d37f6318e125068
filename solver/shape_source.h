#pragma once

#include <optional>
#include <vector>

#include "solver/puzzle_level.h"
#include "solver/tiling_solver.h"

namespace tessellix {

// A shape for the generator to judge, with the elements that are to cover it.
struct ShapeCandidate {
    std::vector<int> grid;  // kGridSide x kGridSide, row-major, 1 for a cell
    unsigned elements = 0;  // bit i: element i
};

// What judging a candidate found.
struct CandidateVerdict {
    bool unique = false;                // one cover up to the symmetry the source asked for
    std::uint64_t covers = 0;           // as counted, up to a limit
    std::vector<Solution> firstCovers;  // the first two found, when they were looked for
    // Of a unique shape: its level, and its dead ends per cover followed no further than a few
    // times the medium limit.
    std::optional<Rating> rating;
};

// Where the generator's shapes come from, one style each. Every call of Next is one try.
class ShapeSource {
  public:
    virtual ~ShapeSource() = default;

    // The next shape; nothing when this try made none.
    virtual std::optional<ShapeCandidate> Next() = 0;
    // True: shapes must map onto themselves by a turn or mirror, and one cover is counted up to
    // that symmetry. False: a shape with a symmetry is refused.
    virtual bool Symmetric() const { return false; }
    // Whether the judge should find a second cover for Hear.
    virtual bool WantsOtherCover() const { return false; }
    // What the last candidate came to, so that the next one can be steered.
    virtual void Hear(const CandidateVerdict& verdict) { (void)verdict; }
    // Whether the last candidate, unique and of the requested level, ends the search; false
    // keeps it in reserve while the source looks for a better one, to offer again within
    // triesLeft more tries.
    virtual bool Takes(int triesLeft) {
        (void)triesLeft;
        return true;
    }
};

}  // namespace tessellix
