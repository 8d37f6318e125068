#include "tools/build_command.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>

#include "library/bilingual_text.h"
#include "library/puzzle_file.h"
#include "library/puzzle_library.h"
#include "solver/tiling_solver.h"
#include "tools/puzzle_source.h"
#include "tools/solve_command.h"
#include "tools/tool_text.h"

namespace tessellix {

namespace {

std::string Joined(const std::string& note, const std::string& count) {
    if (note.empty()) {
        return count;
    }
    return count.empty() ? note : note + " " + count;
}

// Writes one puzzle file; the message when it cannot.
std::optional<Failure> BuildPuzzle(const SourcePuzzle& source, const std::string& sourceName,
                                   const std::string& folder, bool recount) {
    const std::string where = sourceName + ":" + std::to_string(source.line);
    const std::string puzzle = "puzzle " + std::to_string(source.number) + ": ";
    const auto fail = [&](const std::string& message) {
        return ToolFailure(PlaceMessage(where, puzzle + message));
    };
    PuzzleFileData data;
    const Result<std::vector<int>> grid = SourceGrid(source);
    if (!grid) {
        return ToolFailure(PlaceMessage(where, ToolWords(grid.Error())));
    }
    data.grid = *grid;
    const TilingSolver solver(data.grid, kGridSide, source.elements);
    if (const std::optional<Failure> refusal = SolverRefusal(solver)) {
        return fail(ToolWords(*refusal));
    }
    const std::optional<Solution> solution = solver.FindFirst();
    if (!solution) {
        return fail("the puzzle has no solution");
    }
    data.elements = *solution;

    BilingualText countTexts;
    if (source.count) {
        unsigned long long distinct = source.given.value_or(0);
        if (!source.given || recount) {
            distinct = solver.Count().distinct;
        }
        if (source.given && distinct != *source.given) {
            return fail("the source gives " + std::to_string(*source.given) +
                        " solutions, the count finds " + std::to_string(distinct));
        }
        countTexts = {RussianSolutionCount(distinct), EnglishSolutionCount(distinct)};
    }
    data.texts.names = source.names;
    for (const Language language : {Language::Russian, Language::English}) {
        data.texts.comments.In(language) =
            Joined(source.notes.In(language), countTexts.In(language));
    }
    // The texts are the source's fault; what fails after them is the output file's.
    if (const std::optional<Failure> problem = CheckPuzzleTexts(data.texts)) {
        return fail(ReasonText(problem->Message().In(Language::English)));
    }
    const std::string path = folder + "/" + PuzzleFileName(source.number);
    if (const std::optional<Failure> failure = WritePuzzleFile(path, data)) {
        return ToolFailure(
            PlaceMessage(path, "cannot be written: " + ReasonText(ToolWords(*failure), path)));
    }
    return std::nullopt;
}

int RunBuild(const std::vector<std::string>& arguments) {
    const ToolCommand command = BuildCommand();
    ParsedArguments parsed;
    if (const auto status = ParseCommandLine(command, arguments, {"--recount"}, 2,
                                             "a SOURCE and a FOLDER", parsed)) {
        return *status;
    }
    const std::string& sourceName = parsed.operands[0];
    std::error_code typeError;
    if (std::filesystem::is_directory(sourceName, typeError)) {
        return ReportFailure(sourceName, "cannot be read: " + ReasonText(std::strerror(EISDIR)));
    }
    errno = 0;
    std::ifstream source(sourceName);
    if (!source) {
        return ReportFailure(sourceName,
                             errno == 0 ? std::string("cannot be read")
                                        : "cannot be read: " + ReasonText(std::strerror(errno)));
    }
    const Result<std::vector<SourcePuzzle>> parsedSource = ParsePuzzleSource(source, sourceName);
    if (!parsedSource) {
        return ReportFailure(parsedSource.Error());
    }
    const std::vector<SourcePuzzle>& puzzles = *parsedSource;
    // As check does with an empty folder: nothing to build is a mistake, not a success.
    if (puzzles.empty()) {
        return ReportFailure(sourceName,
                             "no puzzle in this source (a puzzle starts with \"puzzle N\")");
    }
    const std::string& folder = parsed.operands[1];
    std::error_code created;
    std::filesystem::create_directories(folder, created);
    if (created) {
        return ReportFailure(folder, "cannot be created: " + ReasonText(created.message()));
    }
    for (const SourcePuzzle& puzzle : puzzles) {
        if (const std::optional<Failure> failure =
                BuildPuzzle(puzzle, sourceName, folder, parsed.Has("--recount"))) {
            return ReportFailure(*failure);
        }
    }
    std::cout << PlaceMessage(folder, std::to_string(puzzles.size()) +
                                          (puzzles.size() == 1 ? " puzzle file" : " puzzle files") +
                                          " written")
              << '\n';
    return kExitOk;
}

}  // namespace

std::string RussianSolutionCount(unsigned long long count) {
    const unsigned long long lastTwo = count % 100;
    const unsigned long long last = count % 10;
    const char* noun = "решений";
    if (last == 1 && lastTwo != 11) {
        noun = "решение";
    } else if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14)) {
        noun = "решения";
    }
    return "Задание имеет " + std::to_string(count) + " " + noun;
}

std::string EnglishSolutionCount(unsigned long long count) {
    return "The puzzle has " + std::to_string(count) + (count == 1 ? " solution" : " solutions");
}

ToolCommand BuildCommand() {
    return {"build", "build [--recount] SOURCE FOLDER",
            "Writes one puzzle file N.TLX into FOLDER for every puzzle of the text file\n"
            "SOURCE, solved, with the solution stored as the game stores a player's.\n"
            "SOURCE, in UTF-8, lists puzzles, each starting with a line \"puzzle N\":\n"
            "  ru NAME, en NAME            the names\n"
            "  ru-note TEXT, en-note TEXT  comment text (optional)\n"
            "  elements LETTERS | all      the elements used, by letter (ILYNVTZFWUXP)\n"
            "  count yes | no | N          end the comments with the number of distinct\n"
            "                              solutions: counted now, none, or N as counted\n"
            "                              before (checked again with --recount)\n"
            "  at COLUMN ROW               the shape's corner on the editor's 31 x 19\n"
            "                              canvas (optional; centred without it)\n"
            "  shape                       then the rows of the shape, X or # for a cell,\n"
            "  ...                         and a line \"end\"\n"
            "Numbers are plain decimal digits. Lines starting with # are comments.\n",
            RunBuild};
}

}  // namespace tessellix
