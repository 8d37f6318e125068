#include "tools/check_command.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>

#include "library/puzzle_library.h"
#include "model/puzzle_board.h"
#include "tools/puzzle_input.h"
#include "tools/solve_command.h"
#include "tools/tool_text.h"

namespace tessellix {

namespace {

int CountFree(const PuzzleShape& shape) {
    return static_cast<int>(std::count(shape.cells.begin(), shape.cells.end(), 1));
}

// Problems of one file that do not depend on the other files. A puzzle without any stored
// solution is only a problem when one is required; `unsolved` then tells of it.
std::vector<std::string> FileProblems(const std::filesystem::path& file, int number,
                                      bool requireSolution, bool& unsolved) {
    unsolved = false;
    const std::string path = file.string();
    const PuzzleFileContents contents = ReadPuzzleFile(path);
    const PuzzleStanding standing = StandingOf(contents);
    const std::optional<Failure> problem = ContentsProblem(contents, path);
    if (standing == PuzzleStanding::Unreadable) {
        return {ToolWords(*problem)};
    }
    if (standing == PuzzleStanding::NoSignature) {
        return {ToolWords(*problem) + "; the game leaves it out"};
    }
    if (number <= 0) {
        return {"the name does not start with a positive number; the game leaves it out"};
    }
    std::vector<std::string> problems;
    // The extension's letter case does not matter to the game.
    if (file.stem().string() != std::to_string(number)) {
        problems.push_back("not named " + std::to_string(number) +
                           ".TLX, as the game names puzzle files");
    }
    if (standing == PuzzleStanding::NoCells) {
        problems.push_back(ToolWords(*problem) + "; the game lists it but cannot play it");
        return problems;
    }
    if (const std::optional<std::string> cutShort = CutShortText(contents.length)) {
        problems.push_back(*cutShort + "; the game plays it with default names");
    }
    const Result<LoadedPuzzle> puzzle = LoadPuzzle(contents, path);
    if (!puzzle) {
        problems.push_back(ReasonText(ToolWords(puzzle.Error()), path));
        return problems;
    }
    const TilingSolver solver(puzzle->data.grid, kGridSide, puzzle->UsedElements());
    if (const std::optional<Failure> solverProblem = SolverRefusal(solver)) {
        problems.push_back(ToolWords(*solverProblem));
        return problems;
    }
    if (!puzzle->HasStoredSolution()) {
        unsolved = true;
        if (requireSolution) {
            problems.push_back("no stored solution");
        }
        return problems;
    }
    for (const std::string& solutionProblem : StoredSolutionProblems(*puzzle)) {
        problems.push_back(solutionProblem);
    }
    return problems;
}

int RunCheck(const std::vector<std::string>& arguments) {
    const ToolCommand command = CheckCommand();
    ParsedArguments parsed;
    if (const auto status = ParseCommandLine(command, arguments, {"--require-solutions"}, 1,
                                             "exactly one FOLDER", parsed)) {
        return *status;
    }
    const std::string& folder = parsed.operands[0];
    if (const std::optional<Failure> problem = FolderProblem(folder)) {
        return ReportFailure(folder, *problem);
    }
    std::error_code error;
    std::vector<std::filesystem::path> files;
    // A folder or a FIFO that carries a puzzle's name is reported as what it is.
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        if (HasPuzzleExtension(entry->path().filename().string())) {
            files.push_back(entry->path());
        }
    }
    if (error) {
        return ReportFailure(folder, "cannot be read: " + ReasonText(error.message()));
    }
    // Nothing to check is no pass: the folder named is most likely not the one meant.
    if (files.empty()) {
        return ReportFailure(folder, "no puzzle files (N.TLX) in this folder");
    }
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) {
        const int na = NumberOf(a.filename().string());
        const int nb = NumberOf(b.filename().string());
        return na != nb ? na < nb : a.filename() < b.filename();
    });

    int problemCount = 0;
    const auto report = [&](const std::filesystem::path& file, const std::string& problem) {
        std::cout << PlaceMessage(file.filename().string(), problem) << '\n';
        ++problemCount;
    };
    std::map<int, std::string> firstWithNumber;
    int puzzles = 0;
    int unsolvedPuzzles = 0;
    for (const auto& file : files) {
        const int number = NumberOf(file.filename().string());
        bool unsolved = false;
        const std::vector<std::string> problems =
            FileProblems(file, number, parsed.Has("--require-solutions"), unsolved);
        unsolvedPuzzles += unsolved ? 1 : 0;
        for (const std::string& problem : problems) {
            report(file, problem);
        }
        if (number <= 0) {
            continue;
        }
        ++puzzles;
        const auto [known, added] = firstWithNumber.emplace(number, file.filename().string());
        if (!added) {
            report(file, "number " + std::to_string(number) + " is also the number of " +
                             VisibleText(known->second));
        }
    }
    if (problemCount > 0) {
        return kExitFailure;
    }
    std::cout << VisibleText(folder) << ": " << puzzles << (puzzles == 1 ? " puzzle" : " puzzles");
    if (!firstWithNumber.empty()) {
        std::cout << ", numbers " << firstWithNumber.begin()->first << " to "
                  << firstWithNumber.rbegin()->first;
    }
    std::cout << "; every stored solution covers its puzzle";
    if (unsolvedPuzzles > 0) {
        std::cout << "; " << unsolvedPuzzles << " without a stored solution";
    }
    std::cout << '\n';
    return kExitOk;
}

}  // namespace

std::vector<std::string> StoredSolutionProblems(const LoadedPuzzle& puzzle) {
    PuzzleBoard board;
    board.Load(puzzle);
    const ElementSet& elements = board.Elements();
    std::vector<std::string> problems;
    for (const Element& element : elements) {
        if (element.excluded == 0 && !element.StoredSolution().IsStored()) {
            problems.push_back(ElementName(element.id) + " has no stored placement");
        }
    }
    // As a hint replays it.
    for (const Element& element : elements) {
        if (element.excluded != 0 || !element.StoredSolution().IsStored()) {
            continue;
        }
        if (!board.PlaceAtSolution(element.id)) {
            problems.push_back(ElementName(element.id) + " at column " +
                               std::to_string(element.solutionColumn) + ", row " +
                               std::to_string(element.solutionRow) +
                               " does not lie on five free cells of the puzzle");
        }
    }
    if (problems.empty() && !board.IsSolved()) {
        problems.push_back("the stored solution leaves " +
                           std::to_string(CountFree(board.Puzzle())) + " cells uncovered");
    }
    return problems;
}

ToolCommand CheckCommand() {
    return {"check", "check [--require-solutions] FOLDER",
            "Checks every puzzle file (extension TLX) of FOLDER as the game reads it: the\n"
            "signature, a name that starts with a positive number and is the game's own\n"
            "(N.TLX), a file not cut short, numbers used once, cells five times the used\n"
            "elements, and a stored solution that, replayed with the game's element code,\n"
            "covers every cell once.\n"
            "Prints one line per problem, the file name first, and exits with status 1; with\n"
            "no problem, prints a summary line and exits with status 0. A folder without any\n"
            "puzzle file is an error (status 1).\n"
            "  --require-solutions  a puzzle without a stored solution is a problem too (as\n"
            "                       for a shipped library, where hints need one)\n",
            RunCheck};
}

}  // namespace tessellix
