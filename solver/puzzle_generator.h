#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

#include "library/puzzle_file.h"
#include "model/element_set.h"
#include "solver/puzzle_level.h"

namespace tessellix {

struct GeneratorRequest {
    // Bit i: element i is used. 0: elementCount elements, drawn anew for every shape tried.
    unsigned elements = 0;
    int elementCount = ElementSet::kCount;
    Level level = Level::Medium;
    std::uint64_t seed = 0;  // the same request gives the same puzzle
};

enum class GeneratorStatus { Generated, Cancelled, NotFound };

struct GeneratedPuzzle {
    GeneratorStatus status = GeneratorStatus::NotFound;
    // When generated: the shape centred on the editor's canvas, its elements used, its one
    // solution stored, and its names and comments.
    PuzzleFileData data;
    Rating rating;
    int tries = 0;  // shapes grown
};

// Makes puzzles with exactly one cover at a chosen level: grows random shapes out of the
// elements (ShapeGrower) and keeps the first that has no symmetry, one cover and the level.
// A shape without symmetry has as many covers as distinct solutions, so the one cover is the
// one solution however its turns and mirror images are counted. Runs on any thread; nothing
// is shared between calls.
class PuzzleGenerator {
  public:
    static constexpr int kFewestElements = 3;
    static constexpr int kMostElements = ElementSet::kCount;
    // Shapes tried before giving up; the levels of every size take some hundred at most, so
    // only given elements that cannot make the level come near it.
    static constexpr int kMaxTries = 20000;

    explicit PuzzleGenerator(const GeneratorRequest& request) : request(request) {}

    // 3 to 12 elements, given or counted.
    bool IsValid() const;

    // cancel, when given, is read between and during tries; progress hears of every try.
    GeneratedPuzzle Generate(const std::atomic<bool>* cancel = nullptr,
                             const std::function<void(int tries)>& progress = {}) const;

  private:
    GeneratorRequest request;
};

// The names of a generated puzzle, code telling it from others.
BilingualText GeneratedNames(Level level, const std::string& code);
// Its comments: the level and its one solution.
BilingualText GeneratedComments(Level level);

}  // namespace tessellix
