#include "solver/puzzle_generator.h"

#include <array>
#include <bit>
#include <memory>
#include <vector>

#include "solver/compact_shapes.h"
#include "solver/deduction_solver.h"
#include "solver/free_shapes.h"
#include "solver/symmetric_shapes.h"
#include "solver/tiling_solver.h"

namespace tessellix {

namespace {

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
        .Add(LevelWord(level))
        .Say(". Задание имеет 1 решение.", ". The puzzle has 1 solution.");
}

bool PuzzleGenerator::IsValid() const {
    const int count =
        request.elements != 0 ? std::popcount(request.elements) : request.elementCount;
    return (request.elements >> ElementSet::kCount) == 0 && count >= kFewestElements &&
           count <= kMostElements;
}

int PuzzleGenerator::MaxTries(ShapeStyle style) {
    switch (style) {
        case ShapeStyle::Compact:
            return 3000;
        case ShapeStyle::Symmetric:
            return 6000;
        case ShapeStyle::Free:
            break;
    }
    return 20000;
}

namespace {

// How many times the medium limit a quick rating follows dead ends.
constexpr std::uint64_t kSteeringBound = 2;

std::unique_ptr<ShapeSource> SourceOf(const GeneratorRequest& request, SeededRandom& random) {
    switch (request.shape) {
        case ShapeStyle::Compact:
            return std::make_unique<CompactShapes>(request, random);
        case ShapeStyle::Symmetric:
            return std::make_unique<SymmetricShapes>(request, random);
        case ShapeStyle::Free:
            break;
    }
    return std::make_unique<FreeShapes>(request, random);
}

// Whether the solver's region has exactly one cover, up to its symmetry for a symmetric source
// (which must have one); the first two covers for the source when it asks. Nothing when
// stopped.
std::optional<CandidateVerdict> Judge(const TilingSolver& solver, const ShapeSource& source,
                                      const std::function<bool()>& stopped) {
    CandidateVerdict verdict;
    const std::size_t symmetries = solver.Region().Symmetries().size();
    if ((symmetries > 1) != source.Symmetric()) {
        return verdict;
    }
    CountOptions options;
    options.progress = [&](const CountProgress&) { return !stopped(); };
    if (source.Symmetric()) {
        // One distinct cover gives at most one cover per symmetry.
        options.maxTilings = symmetries + 1;
        const CountResult count = solver.Count(options);
        verdict.unique = count.complete && count.distinct == 1;
        verdict.covers = count.tilings;
    } else if (source.WantsOtherCover()) {
        // Listing covers up to the second tells a source which elements to move, in one search.
        solver.ForEachSolution([&](const Solution& solution) {
            verdict.firstCovers.push_back(solution);
            return verdict.firstCovers.size() < 2 && !stopped();
        });
        verdict.covers = verdict.firstCovers.size();
        verdict.unique = verdict.covers == 1;
    } else {
        options.maxTilings = 2;
        const CountResult count = solver.Count(options);
        verdict.unique = count.complete && count.tilings == 1;
        verdict.covers = count.tilings;
    }
    if (stopped()) {
        return std::nullopt;
    }
    return verdict;
}

// The level of a shape with one solution, and its dead ends per cover up to a few times the
// medium limit: enough to tell the level and to steer towards it, without following a hard
// shape's thousands of dead ends. A shape stopped at the bound is hard, as its full rating is.
std::optional<Rating> QuickRating(const TilingSolver& solver, std::uint64_t covers,
                                  const std::function<bool()>& stopped) {
    const int elements = std::popcount(solver.UsedElements());
    DeductionOptions options;
    options.maxGuesses = kRatingGuessLimit;
    options.maxDeadEnds = kSteeringBound * (MediumLimit(elements) + 1) * covers;
    options.keepGoing = [&] { return !stopped(); };
    Rating rating;
    rating.measure = DeductionSolver(solver).Solve(options);
    if (stopped()) {
        return std::nullopt;
    }
    rating.level = LevelOf(rating.measure.DeadEndsPerCover(), elements);
    return rating;
}

}  // namespace

GeneratedPuzzle PuzzleGenerator::Generate(const std::atomic<bool>* cancel,
                                          const std::function<void(int tries)>& progress) const {
    GeneratedPuzzle result;
    if (!IsValid()) {
        return result;
    }
    const auto cancelled = [cancel] { return cancel != nullptr && cancel->load(); };
    SeededRandom random(request.seed);
    const std::unique_ptr<ShapeSource> source = SourceOf(request, random);
    const int maxTries = MaxTries(request.shape);
    while (result.tries < maxTries) {
        if (cancelled()) {
            result.status = GeneratorStatus::Cancelled;
            return result;
        }
        const std::optional<ShapeCandidate> candidate = source->Next();
        ++result.tries;
        if (progress) {
            progress(result.tries);
        }
        if (!candidate) {
            continue;
        }
        const TilingSolver solver(candidate->grid, kGridSide, candidate->elements);
        std::optional<CandidateVerdict> verdict = Judge(solver, *source, cancelled);
        if (!verdict) {
            continue;
        }
        if (verdict->unique) {
            verdict->rating = QuickRating(solver, verdict->covers, cancelled);
            if (!verdict->rating) {
                continue;
            }
        }
        source->Hear(*verdict);
        if (!verdict->rating || verdict->rating->level != request.level ||
            !source->Takes(maxTries - result.tries)) {
            continue;
        }
        // The same level, with the full measure to report.
        const std::optional<Rating> rating = RatePuzzle(solver, [&] { return !cancelled(); });
        if (!rating) {
            continue;
        }
        result.status = GeneratorStatus::Generated;
        result.rating = *rating;
        result.data.grid = candidate->grid;
        result.data.elements = *solver.FindFirst();
        result.data.texts.names = GeneratedNames(request.level, CodeOf(request.seed));
        result.data.texts.comments = GeneratedComments(request.level);
        return result;
    }
    return result;
}

}  // namespace tessellix
