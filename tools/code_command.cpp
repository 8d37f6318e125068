#include "tools/code_command.h"

#include <iostream>

#include "library/puzzle_code.h"
#include "tools/puzzle_input.h"
#include "tools/tool_text.h"

namespace tessellix {

namespace {

int RunCode(const std::vector<std::string>& arguments) {
    const ToolCommand command = CodeCommand();
    ParsedArguments parsed;
    if (const auto status =
            ParseCommandLine(command, arguments, {}, 1, "exactly one FILE", parsed)) {
        return *status;
    }
    const std::string& path = parsed.operands[0];
    const PuzzleFileContents contents = ReadPuzzleFile(path);
    if (const std::optional<Failure> problem = ContentsProblem(contents, path)) {
        return ReportFailure(path, *problem);
    }
    const Result<std::string> code = EncodePuzzleCode(contents.data);
    if (!code) {
        return ReportFailure(
            path, "has no code: " + ReasonText(code.Error().Message().In(Language::English)));
    }
    std::cout << *code << '\n';
    return kExitOk;
}

}  // namespace

ToolCommand CodeCommand() {
    return {
        "code", "code FILE",
        "Prints the puzzle of FILE as one line of text: \"TLX1-\" and base64url digits that\n"
        "hold its cells, the elements it uses, its stored solution and its names and\n"
        "comments, with a checksum. decode, and Open puzzle code in the game, make the same\n"
        "file of it again. A puzzle beyond the editor's 31 x 19 canvas, or whose cells are not\n"
        "five for every element it uses, has no code.\n",
        RunCode};
}

}  // namespace tessellix
