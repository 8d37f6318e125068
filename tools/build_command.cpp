#include "tools/build_command.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>

#include "library/puzzle_file.h"
#include "model/element_set.h"
#include "model/language.h"
#include "solver/tiling_solver.h"
#include "tools/solve_command.h"

namespace {

// The editor's canvas: every puzzle must be one a player could have drawn there.
constexpr int kCanvasColumns = 31;
constexpr int kCanvasRows = 19;

// One puzzle of the source, as written there.
struct SourcePuzzle {
    int line = 0;  // of its "puzzle" line
    int number = 0;
    std::array<std::string, 2> names;
    std::array<std::string, 2> notes;  // comment text before the count of solutions
    unsigned elements = 0;
    bool count = false;                       // "count yes" or "count N"
    std::optional<unsigned long long> given;  // "count N": the figure counted before
    std::optional<std::pair<int, int>> at;    // column, row of the picture's corner
    std::vector<std::string> picture;
};

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// Parses the source; false with "SOURCE:LINE: message" in error.
bool ParseSource(const std::string& path, std::vector<SourcePuzzle>& puzzles, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = path + ": cannot be read";
        return false;
    }
    std::string text;
    int lineNumber = 0;
    bool inPicture = false;
    const auto fail = [&](const std::string& message) {
        error = path + ":" + std::to_string(lineNumber) + ": " + message;
        return false;
    };
    while (std::getline(in, text)) {
        ++lineNumber;
        if (inPicture) {
            const std::string row = Trimmed(text);
            if (row == "end") {
                inPicture = false;
            } else {
                puzzles.back().picture.push_back(row);
            }
            continue;
        }
        const std::string line = Trimmed(text);
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const auto space = line.find(' ');
        const std::string key = line.substr(0, space);
        const std::string value = space == std::string::npos ? "" : Trimmed(line.substr(space));
        if (key == "puzzle") {
            SourcePuzzle puzzle;
            puzzle.line = lineNumber;
            try {
                puzzle.number = std::stoi(value);
            } catch (const std::exception&) {
                return fail("a puzzle number is needed after \"puzzle\"");
            }
            if (puzzle.number <= 0) {
                return fail("puzzle numbers start at 1");
            }
            puzzles.push_back(puzzle);
            continue;
        }
        if (puzzles.empty()) {
            return fail("\"" + key + "\" before the first \"puzzle\" line");
        }
        SourcePuzzle& puzzle = puzzles.back();
        if (key == "ru" || key == "en") {
            puzzle.names[key == "ru" ? 0 : 1] = value;
        } else if (key == "ru-note" || key == "en-note") {
            puzzle.notes[key == "ru-note" ? 0 : 1] = value;
        } else if (key == "elements") {
            for (char letter : value == "all" ? std::string(kElementLetters) : value) {
                const char* found = std::strchr(kElementLetters, letter);
                if (found == nullptr || letter == '\0') {
                    return fail(std::string("no element has the letter ") + letter);
                }
                puzzle.elements |= 1u << (found - kElementLetters);
            }
        } else if (key == "count") {
            puzzle.count = value != "no";
            if (value != "yes" && value != "no") {
                try {
                    puzzle.given = std::stoull(value);
                } catch (const std::exception&) {
                    return fail("count is yes, no or the number of solutions");
                }
            }
        } else if (key == "at") {
            std::istringstream numbers(value);
            int column = 0;
            int row = 0;
            if (!(numbers >> column >> row)) {
                return fail("\"at\" needs a column and a row");
            }
            puzzle.at = std::pair{column, row};
        } else if (key == "shape") {
            inPicture = true;
        } else {
            return fail("unknown key \"" + key + "\"");
        }
    }
    if (inPicture) {
        return fail("the last shape has no \"end\" line");
    }
    return true;
}

std::string Joined(const std::string& note, const std::string& count) {
    if (note.empty()) {
        return count;
    }
    return count.empty() ? note : note + " " + count;
}

// Writes one puzzle file; false with a message.
bool BuildPuzzle(const SourcePuzzle& source, const std::string& folder, bool recount,
                 std::string& error) {
    const std::string where = "puzzle " + std::to_string(source.number) + ": ";
    int columns = 0;
    for (const std::string& row : source.picture) {
        columns = std::max(columns, static_cast<int>(row.size()));
    }
    const int rows = static_cast<int>(source.picture.size());
    if (columns > kCanvasColumns || rows > kCanvasRows) {
        error = where + "the shape is larger than the editor's 31 x 19 canvas";
        return false;
    }
    const auto [left, top] =
        source.at.value_or(std::pair{(kCanvasColumns - columns) / 2, (kCanvasRows - rows) / 2});
    if (left < 0 || top < 0 || left + columns > kCanvasColumns || top + rows > kCanvasRows) {
        error = where + "the shape does not lie on the editor's 31 x 19 canvas";
        return false;
    }

    PuzzleFileData data;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < static_cast<int>(source.picture[r].size()); ++c) {
            const char cell = source.picture[r][c];
            data.grid[(top + r) * kGridSide + left + c] = cell == 'X' || cell == '#' ? 1 : 0;
        }
    }
    const TilingSolver solver(data.grid, kGridSide, source.elements);
    if (const std::string problem = SolverProblemText(solver); !problem.empty()) {
        error = where + problem;
        return false;
    }
    const std::optional<Solution> solution = solver.FindFirst();
    if (!solution) {
        error = where + "the puzzle has no solution";
        return false;
    }
    data.elements = *solution;

    std::array<std::string, 2> countTexts;
    if (source.count) {
        unsigned long long distinct = source.given.value_or(0);
        if (!source.given || recount) {
            distinct = solver.Count().distinct;
        }
        if (source.given && distinct != *source.given) {
            error = where + "the source gives " + std::to_string(*source.given) +
                    " solutions, the count finds " + std::to_string(distinct);
            return false;
        }
        countTexts = {RussianSolutionCount(distinct), EnglishSolutionCount(distinct)};
    }
    data.texts.names = source.names;
    for (int language = 0; language < 2; ++language) {
        data.texts.comments[language] = Joined(source.notes[language], countTexts[language]);
    }
    const std::string path = folder + "/" + std::to_string(source.number) + ".TLX";
    if (const FileStatus status = WritePuzzleFile(path, data); !status) {
        error = where + status.error[English];
        return false;
    }
    return true;
}

int RunBuild(const std::vector<std::string>& arguments) {
    const Command command = BuildCommand();
    ParsedArguments parsed;
    if (const auto status = ParseCommandLine(command, arguments, {"--recount"}, 2,
                                             "a SOURCE and a FOLDER", parsed)) {
        return *status;
    }
    std::vector<SourcePuzzle> puzzles;
    std::string error;
    if (!ParseSource(parsed.operands[0], puzzles, error)) {
        return Failure(error);
    }
    std::map<int, int> lineOfNumber;
    for (const SourcePuzzle& puzzle : puzzles) {
        if (!lineOfNumber.emplace(puzzle.number, puzzle.line).second) {
            return Failure(parsed.operands[0] + ":" + std::to_string(puzzle.line) + ": puzzle " +
                           std::to_string(puzzle.number) + " is already on line " +
                           std::to_string(lineOfNumber[puzzle.number]));
        }
    }
    const std::string& folder = parsed.operands[1];
    std::error_code created;
    std::filesystem::create_directories(folder, created);
    for (const SourcePuzzle& puzzle : puzzles) {
        if (!BuildPuzzle(puzzle, folder, parsed.Has("--recount"), error)) {
            return Failure(error);
        }
    }
    std::cout << folder << ": " << puzzles.size() << " puzzle files written\n";
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

Command BuildCommand() {
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
            "Lines starting with # are comments.\n",
            RunBuild};
}
