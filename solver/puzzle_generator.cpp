#include "solver/puzzle_generator.h"

#include <array>
#include <bit>
#include <vector>

#include "solver/shape_grower.h"
#include "solver/tiling_solver.h"

namespace tessellix {

namespace {

// The compactness of the shapes tried for each level, taken in turn. Straggling shapes are
// nearly all easy; medium and hard ones come from blobs, and the tighter blobs serve the
// smaller element counts, whose loose shapes leave too little to guess.
const std::array<std::vector<int>, 3> kCompactness{{{0}, {2, 3, 8}, {3, 4, 12}}};

// Four letters and digits told from the seed, as a puzzle's short name.
std::string CodeOf(std::uint64_t seed) {
    static constexpr char kSymbols[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
    std::uint64_t mixed = (seed + 0x9E3779B97F4A7C15ULL) * 0xBF58476D1CE4E5B9ULL;
    mixed ^= mixed >> 31;
    std::string code;
    for (int i = 0; i < 4; ++i, mixed >>= 5) {
        code += kSymbols[mixed & 31];
    }
    return code;
}

}  // namespace

BilingualText GeneratedNames(Level level, const std::string& code) {
    return BilingualText::Split(WordsOf(level).puzzleName).Add(code);
}

BilingualText GeneratedComments(Level level) {
    return BilingualText()
        .Say("Уровень: ", "Level: ")
        .Say(WordsOf(level).russianLevel, LevelName(level))
        .Say(". Задание имеет 1 решение.", ". The puzzle has 1 solution.");
}

bool PuzzleGenerator::IsValid() const {
    const int count =
        request.elements != 0 ? std::popcount(request.elements) : request.elementCount;
    return (request.elements >> ElementSet::kCount) == 0 && count >= kFewestElements &&
           count <= kMostElements;
}

GeneratedPuzzle PuzzleGenerator::Generate(const std::atomic<bool>* cancel,
                                          const std::function<void(int tries)>& progress) const {
    GeneratedPuzzle result;
    if (!IsValid()) {
        return result;
    }
    const auto cancelled = [cancel] { return cancel != nullptr && cancel->load(); };
    const std::vector<int>& compactness = kCompactness[static_cast<int>(request.level)];
    ShapeGrower grower(request.seed);
    while (result.tries < kMaxTries) {
        if (cancelled()) {
            result.status = GeneratorStatus::Cancelled;
            return result;
        }
        const unsigned elements =
            request.elements != 0 ? request.elements : grower.ChooseElements(request.elementCount);
        const auto grid = grower.Grow(elements, compactness[result.tries % compactness.size()]);
        ++result.tries;
        if (progress) {
            progress(result.tries);
        }
        if (!grid) {
            continue;
        }
        const TilingSolver solver(*grid, kGridSide, elements);
        if (solver.Region().Symmetries().size() != 1) {
            continue;
        }
        // Stops at the second cover.
        CountOptions options;
        options.maxTilings = 2;
        options.progress = [&](const CountProgress&) { return !cancelled(); };
        const CountResult count = solver.Count(options);
        if (cancelled() || !count.complete || count.tilings != 1) {
            continue;
        }
        const std::optional<Rating> rating = RatePuzzle(solver, [&] { return !cancelled(); });
        if (!rating || rating->level != request.level) {
            continue;
        }
        result.status = GeneratorStatus::Generated;
        result.rating = *rating;
        result.data.grid = *grid;
        result.data.elements = *solver.FindFirst();
        result.data.texts.names = GeneratedNames(request.level, CodeOf(request.seed));
        result.data.texts.comments = GeneratedComments(request.level);
        return result;
    }
    return result;
}

}  // namespace tessellix
