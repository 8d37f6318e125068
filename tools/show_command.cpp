#include "tools/show_command.h"

#include <bit>
#include <iostream>
#include <sstream>

#include "model/puzzle_shape.h"
#include "tools/json_writer.h"
#include "tools/puzzle_input.h"
#include "tools/tool_text.h"

namespace tessellix {

namespace {

constexpr std::size_t kElementNameWidth = 14;  // "element 10 (X)", the widest

// The 31 grid rows of the file, '#' for a puzzle cell.
std::vector<std::string> GridRows(const std::vector<int>& grid) {
    std::vector<std::string> rows;
    for (int r = 0; r < kGridSide; ++r) {
        std::string row;
        for (int c = 0; c < kGridSide; ++c) {
            row += grid[r * kGridSide + c] != 0 ? '#' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

// A comment's line breaks continue at the same indentation.
std::string IndentedComment(const std::string& comment, const std::string& indent) {
    std::string out;
    for (const char c : VisibleText(comment, true)) {
        out += c;
        if (c == '\n') {
            out += indent;
        }
    }
    return out;
}

// The puzzle as the game lays it on the board, for its size and place.
PuzzleShape ShapeOf(const LoadedPuzzle& puzzle) {
    PuzzleShape shape;
    shape.SetCells(puzzle.data.grid);
    return shape;
}

int RunShow(const std::vector<std::string>& arguments) {
    const ToolCommand command = ShowCommand();
    ParsedArguments parsed;
    if (const auto status =
            ParseCommandLine(command, arguments, {"--json"}, 1, "exactly one FILE", parsed)) {
        return *status;
    }
    const Result<LoadedPuzzle> puzzle = LoadToolPuzzle(parsed.operands[0]);
    if (!puzzle) {
        return ReportFailure(puzzle.Error());
    }
    if (parsed.Has("--json")) {
        std::cout << ShowJson(*puzzle) << '\n';
    } else {
        std::cout << ShowText(*puzzle);
    }
    return kExitOk;
}

}  // namespace

std::string ShowJson(const LoadedPuzzle& puzzle) {
    const PuzzleShape shape = ShapeOf(puzzle);
    JsonWriter json;
    json.BeginObject();
    json.Field("number", puzzle.number);
    if (!puzzle.IsComplete()) {
        json.Field("cutShortAt", static_cast<long long>(puzzle.length));
    }
    json.Pair("names", puzzle.data.texts.names);
    json.Pair("comments", puzzle.data.texts.comments);
    json.Key("elements").BeginArray();
    for (const ElementRecord& record : puzzle.data.elements) {
        json.BeginObject();
        json.Field("excluded", record.used ? 0 : 1);
        json.Field("solutionRotation", record.placement.rotation);
        json.Field("solutionMirrored", record.placement.mirrored);
        json.Field("solutionColumn", record.placement.column);
        json.Field("solutionRow", record.placement.row);
        json.EndObject();
    }
    json.EndArray();
    json.Key("grid").BeginArray();
    for (const std::string& row : GridRows(puzzle.data.grid)) {
        json.Value(row);
    }
    json.EndArray();
    json.Key("shape").BeginObject();
    json.Field("side", shape.side);
    json.Field("width", shape.width);
    json.Field("height", shape.height);
    json.Field("x", shape.x);
    json.Field("y", shape.y);
    json.EndObject();
    json.EndObject();
    return json.Text();
}

std::string ShowText(const LoadedPuzzle& puzzle) {
    const PuzzleShape shape = ShapeOf(puzzle);
    const PuzzleTexts& texts = puzzle.data.texts;
    const std::string indent(19, ' ');
    std::ostringstream out;
    out << "Puzzle " << puzzle.number << " (" << VisibleText(puzzle.fileName) << ")\n";
    if (const std::optional<std::string> cutShort = CutShortText(puzzle.length)) {
        out << "  File:            " << *cutShort << "; the names are the game's defaults\n";
    }
    out << "  Russian name:    " << VisibleText(texts.names.In(Language::Russian)) << '\n'
        << "  English name:    " << VisibleText(texts.names.In(Language::English)) << '\n'
        << "  Russian comment: " << IndentedComment(texts.comments.In(Language::Russian), indent)
        << '\n'
        << "  English comment: " << IndentedComment(texts.comments.In(Language::English), indent)
        << '\n';

    out << "Elements: " << std::popcount(puzzle.UsedElements()) << " of " << kElementRecordCount
        << " used\n";
    for (int element = 0; element < kElementRecordCount; ++element) {
        const ElementRecord& record = puzzle.data.elements[element];
        const Placement& placement = record.placement;
        std::string name = ElementName(element);
        name.resize(kElementNameWidth, ' ');
        out << "  " << name << (record.used ? "  used      " : "  excluded  ");
        if (!placement.IsStored()) {
            out << "no stored placement\n";
        } else {
            out << "rotation " << placement.rotation << ", mirrored " << placement.mirrored
                << ", column " << placement.column << ", row " << placement.row << '\n';
        }
    }

    const int columns = shape.width / kCellSize;
    const int rows = shape.height / kCellSize;
    int cells = 0;
    for (const int cell : shape.cells) {
        cells += cell != 0 ? 1 : 0;
    }
    out << "Cells: " << cells << " in " << columns << " x " << rows << '\n';
    for (int r = 0; r < rows; ++r) {
        out << "  ";
        for (int c = 0; c < columns; ++c) {
            out << (shape.Cell(r, c) != 0 ? '#' : '.');
        }
        out << '\n';
    }
    return out.str();
}

ToolCommand ShowCommand() {
    return {"show", "show [--json] FILE",
            "Prints the puzzle file FILE as the game reads it: its number, both names and\n"
            "comments, each element with its stored placement, and the cells. Control\n"
            "characters of names and comments show as \\xNN and a backslash as \\\\; only a\n"
            "comment's line breaks stay. A file cut short before its text block shows with\n"
            "the game's default names and a line \"File: cut short ...\"; one cut short\n"
            "before its cells, which the game cannot play, is an error.\n"
            "  --json  one JSON object: number, cutShortAt (the file's length, only for a\n"
            "          file cut short before its text block), names, comments, elements\n"
            "          (excluded and stored placement of each of the 12), grid (31 rows of\n"
            "          '#' and '.'), shape (side, width, height and the position x, y on the\n"
            "          play canvas).\n",
            RunShow};
}

}  // namespace tessellix
