#pragma once

#include <optional>
#include <vector>

#include "solver/generator_request.h"
#include "solver/grown_shape.h"
#include "solver/shape_source.h"

namespace tessellix {

// The compact style. Blobs rarely have a single cover, so a shape is not thrown away when it
// has two: a walk moves one element at a time, picked among those that the second cover places
// differently, to a spot against the rest that keeps the outline within kAimPercent and
// kCompactTips, until no second cover is left. A shape that also has the level ends the walk;
// one of another level is climbed from: a move is kept while the shape keeps its one cover
// and its dead ends per cover come no further from the level's. A shape of the level with more
// than kTightPercent is kept in reserve while the walk goes on from it for kPolishTries more
// tries, judging only shapes with a shorter outline, each one of the level kept in turn, so that
// most puzzles look like designed ones.
// An easy puzzle must be solved by forced moves alone, which a blob never allows: easy shapes
// are grown element by element, each laid where the shape so far is solved by forced moves,
// at the most compact of a few such spots.
class CompactShapes : public ShapeSource {
  public:
    // Perimeter per cell, in hundredths, that the walk keeps to: below the style's limit, so that
    // a typical puzzle looks like a designed one.
    static constexpr int kAimPercent = 100;

    CompactShapes(const GeneratorRequest& request, SeededRandom& random)
        : request(request), random(random) {}

    // A shape of the level beyond this perimeter per cell, in hundredths, is kept in reserve
    // while kPolishTries tries look for a tighter one.
    static constexpr int kTightPercent = 93;
    static constexpr int kPolishTries = 150;

    std::optional<ShapeCandidate> Next() override;
    bool WantsOtherCover() const override { return true; }
    void Hear(const CandidateVerdict& verdict) override;
    bool Takes(int triesLeft) override;

  private:
    unsigned ChooseElements();
    bool Start();
    // False when the element could not be moved to a spot that keeps the outline within the
    // aim, or no further beyond it.
    bool Move();
    // Whether a shape of deadEnds per cover is no further from the level than the best so far.
    bool NoFurther(std::uint64_t deadEnds) const;
    std::optional<ShapeCandidate> GrowSolvedByForcedMoves();
    // How far the outline is beyond the aim, or beyond perimeterLimit while polishing: 0 within
    // it.
    int Excess(const ShapeMeasure& measure) const;

    const GeneratorRequest& request;
    SeededRandom& random;
    GrownShape shape;
    int steps = 0;                   // on the present shape; a new one is grown when 0
    std::vector<int> suspects;       // elements that a second cover placed differently
    std::optional<GrownShape> best;  // the climb's shape with one cover, nearest the level
    std::uint64_t bestDeadEnds = 0;
    std::optional<GrownShape> kept;  // the tightest shape of the level found
    int polishing = 0;               // tries left to tighten it
    int perimeterLimit = 0;          // while polishing: the longest outline judged
    bool offering = false;           // the last candidate was the kept shape itself
};

}  // namespace tessellix
