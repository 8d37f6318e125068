#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

#include "library/puzzle_file.h"
#include "model/element_set.h"
#include "solver/generator_request.h"
#include "solver/puzzle_level.h"

namespace tessellix {

enum class GeneratorStatus { Generated, Cancelled, NotFound };

struct GeneratedPuzzle {
    GeneratorStatus status = GeneratorStatus::NotFound;
    // When generated: the shape centred on the editor's canvas, its elements used, its one
    // solution stored, and its names and comments.
    PuzzleFileData data;
    Rating rating;
    int tries = 0;  // shapes grown
};

// Makes puzzles with exactly one solution at a chosen level: takes shapes of the requested
// style (FreeShapes, CompactShapes, SymmetricShapes) and keeps the first with one solution and
// the level. A compact or free shape must have no symmetry and one cover, so that its one cover
// is the one solution however turns and mirror images are counted; a symmetric shape must have
// one distinct cover up to its symmetries, as the tool's solve --count counts them. Runs on any
// thread; nothing is shared between calls.
class PuzzleGenerator {
  public:
    static constexpr int kFewestElements = 3;
    static constexpr int kMostElements = ElementSet::kCount;

    // Shapes tried before giving up, per style: the levels of 8 to 12 elements take some hundred
    // to a few thousand, so only sizes and given elements that cannot make the level reach it,
    // within seconds.
    static int MaxTries(ShapeStyle style);

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
