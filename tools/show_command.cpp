#include "tools/show_command.h"

#include <iostream>
#include <sstream>

#include "tools/json_writer.h"
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

int RunShow(const std::vector<std::string>& arguments) {
    const ToolCommand command = ShowCommand();
    ParsedArguments parsed;
    if (const auto status =
            ParseCommandLine(command, arguments, {"--json"}, 1, "exactly one FILE", parsed)) {
        return *status;
    }
    ToolPuzzle puzzle;
    std::string error;
    if (!LoadToolPuzzle(parsed.operands[0], puzzle, error)) {
        return ReportFailure(error);
    }
    if (parsed.Has("--json")) {
        std::cout << ShowJson(puzzle) << '\n';
    } else {
        std::cout << ShowText(puzzle);
    }
    return kExitOk;
}

}  // namespace

std::string ShowJson(const ToolPuzzle& puzzle) {
    const PuzzleShape& shape = puzzle.session.Puzzle();
    JsonWriter json;
    json.BeginObject();
    json.Field("number", puzzle.number);
    if (!puzzle.contents.IsComplete()) {
        json.Field("cutShortAt", static_cast<long long>(puzzle.contents.length));
    }
    json.Pair("names", shape.names);
    json.Pair("comments", shape.comments);
    json.Key("elements").BeginArray();
    for (const Element& element : puzzle.session.Elements()) {
        json.BeginObject();
        json.Field("excluded", element.excluded);
        json.Field("solutionRotation", element.solutionRotation);
        json.Field("solutionMirrored", element.solutionMirrored);
        json.Field("solutionColumn", element.solutionColumn);
        json.Field("solutionRow", element.solutionRow);
        json.EndObject();
    }
    json.EndArray();
    json.Key("grid").BeginArray();
    for (const std::string& row : GridRows(puzzle.contents.data.grid)) {
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

std::string ShowText(const ToolPuzzle& puzzle) {
    const PuzzleShape& shape = puzzle.session.Puzzle();
    const std::string indent(19, ' ');
    std::ostringstream out;
    out << "Puzzle " << puzzle.number << " (" << VisibleText(puzzle.fileName) << ")\n";
    if (const std::string cutShort = CutShortText(puzzle.contents); !cutShort.empty()) {
        out << "  File:            " << cutShort << "; the names are the game's defaults\n";
    }
    out << "  Russian name:    " << VisibleText(shape.names.In(Language::Russian)) << '\n'
        << "  English name:    " << VisibleText(shape.names.In(Language::English)) << '\n'
        << "  Russian comment: " << IndentedComment(shape.comments.In(Language::Russian), indent)
        << '\n'
        << "  English comment: " << IndentedComment(shape.comments.In(Language::English), indent)
        << '\n';

    int used = 0;
    for (const Element& element : puzzle.session.Elements()) {
        used += element.excluded == 0 ? 1 : 0;
    }
    out << "Elements: " << used << " of " << ElementSet::kCount << " used\n";
    for (const Element& element : puzzle.session.Elements()) {
        std::string name = ElementName(element.id);
        name.resize(kElementNameWidth, ' ');
        out << "  " << name << (element.excluded == 0 ? "  used      " : "  excluded  ");
        if (element.solutionColumn == -1 || element.solutionRow == -1) {
            out << "no stored placement\n";
        } else {
            out << "rotation " << element.solutionRotation << ", mirrored "
                << element.solutionMirrored << ", column " << element.solutionColumn << ", row "
                << element.solutionRow << '\n';
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
