#include "tools/generate_command.h"

#include <charconv>
#include <filesystem>
#include <iostream>
#include <random>

#include "library/bilingual_text.h"
#include "library/puzzle_library.h"
#include "model/element_set.h"
#include "solver/puzzle_generator.h"
#include "tools/progress_line.h"
#include "tools/puzzle_input.h"
#include "tools/solve_command.h"
#include "tools/tool_text.h"

namespace tessellix {

namespace {

constexpr int kMostPuzzles = 1000;

std::string Quoted(const std::string& text) {
    return "\"" + VisibleText(text) + "\"";
}

// The elements of --letters, one bit each; the reason for a letter that names no element or
// names one twice.
Result<unsigned> ElementsOfLetters(const std::string& letters) {
    const std::string_view known(kElementLetters);
    unsigned elements = 0;
    for (char letter : letters) {
        const char upper = letter >= 'a' && letter <= 'z' ? letter - 'a' + 'A' : letter;
        const auto element = known.find(upper);
        if (element == std::string_view::npos) {
            return ToolFailure("no element has the letter " + Quoted(std::string(1, letter)));
        }
        if ((elements & (1u << element)) != 0) {
            return ToolFailure("the letter " + std::string(1, upper) + " is given twice");
        }
        elements |= 1u << element;
    }
    return elements;
}

std::string Shapes(int count) {
    return std::to_string(count) + (count == 1 ? " shape" : " shapes");
}

std::string LettersOf(unsigned elements) {
    std::string letters;
    for (int element = 0; element < ElementSet::kCount; ++element) {
        if ((elements & (1u << element)) != 0) {
            letters += kElementLetters[element];
        }
    }
    return letters;
}

// What the options ask for.
struct Options {
    GeneratorRequest request;  // without its seed
    int count = 1;
    std::optional<std::uint64_t> seed;
};

// Reads the options; the reason, without the command's name, when they are wrong.
Result<Options> ReadOptions(const ParsedArguments& parsed) {
    Options options;
    GeneratorRequest& request = options.request;
    const auto elements = parsed.Value("--elements");
    const auto letters = parsed.Value("--letters");
    const std::string range = std::to_string(PuzzleGenerator::kFewestElements) + " to " +
                              std::to_string(PuzzleGenerator::kMostElements);
    if (elements && letters) {
        return ToolFailure("--elements and --letters do not go together");
    }
    if (elements) {
        const auto count = Digits<int>(*elements);
        if (!count || *count < PuzzleGenerator::kFewestElements ||
            *count > PuzzleGenerator::kMostElements) {
            return ToolFailure("--elements needs a whole number from " + range + ", not " +
                               Quoted(*elements));
        }
        request.elementCount = *count;
    }
    if (letters) {
        const Result<unsigned> given = ElementsOfLetters(*letters);
        if (!given) {
            return ToolFailure("--letters: " + ToolWords(given.Error()));
        }
        request.elements = *given;
        if (!PuzzleGenerator(request).IsValid()) {
            return ToolFailure("--letters takes " + range + " letters, not " +
                               std::to_string(letters->size()));
        }
    }
    if (const auto level = parsed.Value("--level")) {
        const auto named = LevelNamed(*level);
        if (!named) {
            return ToolFailure("--level is easy, medium or hard, not " + Quoted(*level));
        }
        request.level = *named;
    }
    if (const auto shape = parsed.Value("--shape")) {
        const auto named = ShapeStyleNamed(*shape);
        if (!named) {
            return ToolFailure("--shape is compact, symmetric or free, not " + Quoted(*shape));
        }
        request.shape = *named;
    }
    if (const auto count = parsed.Value("--count")) {
        const auto value = Digits<int>(*count);
        if (!value || *value < 1 || *value > kMostPuzzles) {
            return ToolFailure("--count needs a whole number from 1 to " +
                               std::to_string(kMostPuzzles) + ", not " + Quoted(*count));
        }
        options.count = *value;
    }
    if (const auto seed = parsed.Value("--seed")) {
        options.seed = Digits<std::uint64_t>(*seed);
        if (!options.seed) {
            return ToolFailure("--seed takes a number of plain digits, not " + Quoted(*seed));
        }
    }
    return options;
}

int RunGenerate(const std::vector<std::string>& arguments) {
    const ToolCommand command = GenerateCommand();
    ParsedArguments parsed;
    if (const auto status = ParseCommandLine(
            command, arguments, {}, 1, "exactly one FOLDER", parsed,
            {"--elements", "--letters", "--level", "--shape", "--count", "--seed"})) {
        return *status;
    }
    Result<Options> options = ReadOptions(parsed);
    if (!options) {
        return UsageError(command, ToolWords(options.Error()));
    }
    const std::string& folder = parsed.operands[0];
    OutputFolder output(folder);
    if (const std::optional<int> status = output.Open(command)) {
        return *status;
    }
    if (!options->seed) {
        options->seed = std::random_device()();
        std::cout << "seed " << *options->seed << " (--seed " << *options->seed
                  << " makes the same puzzles again)\n";
    }

    GeneratorRequest& request = options->request;
    const int count = options->count;
    // Scanned for its numbering only; each file written joins the folder and so the count.
    PuzzleLibrary library;
    library.ScanDataFolder(folder);
    ProgressLine progressLine;
    for (int k = 0; k < count; ++k) {
        request.seed = *options->seed + k;
        const auto progress = [&](int tries) {
            if (count > 1 && progressLine.Due()) {
                progressLine.Show("generating puzzle " + std::to_string(k + 1) + " of " +
                                  std::to_string(count) + ": " + Shapes(tries) + " tried");
            }
        };
        const GeneratedPuzzle puzzle = PuzzleGenerator(request).Generate(nullptr, progress);
        progressLine.Clear();
        if (puzzle.status != GeneratorStatus::Generated) {
            const std::string which =
                request.elements != 0 ? "of the elements " + LettersOf(request.elements)
                                      : "of " + std::to_string(request.elementCount) + " elements";
            return output.Fail(folder, "no " + std::string(LevelName(request.level)) + " " +
                                           std::string(ShapeStyleName(request.shape)) + " puzzle " +
                                           which + " found in " + Shapes(puzzle.tries) + " (seed " +
                                           std::to_string(request.seed) + ")");
        }
        const std::string path =
            library.DataFolder() + PuzzleFileName(library.FreeNumber(kFirstDeletableNumber));
        if (const std::optional<Failure> failure = WritePuzzleFile(path, puzzle.data)) {
            return output.Fail(
                path,
                "cannot be written: " + ReasonText(failure->Message().In(Language::English), path));
        }
        output.Written();
        std::cout << PlaceMessage(path,
                                  std::string(LevelName(puzzle.rating.level)) + ", " +
                                      LettersOf(UsedElementMask(puzzle.data.elements)) + ", " +
                                      std::to_string(puzzle.rating.measure.DeadEndsPerCover()) +
                                      " dead ends per cover; " + Shapes(puzzle.tries) + " tried")
                  << '\n';
    }
    return kExitOk;
}

}  // namespace

ToolCommand GenerateCommand() {
    return {
        "generate",
        "generate [--elements N | --letters LETTERS] [--level LEVEL] [--shape STYLE] [--count K] "
        "[--seed S] FOLDER",
        "Writes K new puzzle files into FOLDER, numbered from the first free number of 200\n"
        "or more, so that the editor may delete them. Each puzzle is a connected shape\n"
        "without holes on the editor's 31 x 19 canvas with exactly one solution: its\n"
        "elements cover it in one way, or, for a symmetric shape, in one way up to its\n"
        "symmetry, as solve --count counts. The file stores that solution, so hints work,\n"
        "and names the puzzle and its level in Russian and English. A missing FOLDER is made\n"
        "inside a folder that exists, and removed again when no puzzle was written.\n"
        "  --elements N       N of the twelve elements, drawn at random (3 to 12; default 12)\n"
        "  --letters LETTERS  these elements, by letter (ILYNVTZFWUXP), 3 to 12 of them\n"
        "  --level LEVEL      easy, medium (the default) or hard, as rate defines them\n"
        "  --shape STYLE      compact (the default): a blob without arms, at most 1.13 free\n"
        "                     cell edges per cell and at most 2 cells with three free edges;\n"
        "                     symmetric: a mirror or a half turn maps the shape onto itself;\n"
        "                     free: elements laid at random, arms and all. Few elements may\n"
        "                     make no compact or symmetric puzzle of a level\n"
        "  --count K          how many puzzles (1 to 1000; default 1)\n"
        "  --seed S           puzzle k (from 0) comes from seed S + k, so the same options and\n"
        "                     seed write the same files; without it a seed is drawn and\n"
        "                     printed\n"
        "Prints each file written with its level, elements and dead ends per cover, and, on a\n"
        "terminal with K above 1, how far it has got. A folder that cannot be written is\n"
        "reported before any work.\n",
        RunGenerate};
}

}  // namespace tessellix
