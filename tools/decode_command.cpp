#include "tools/decode_command.h"

#include <filesystem>
#include <iostream>

#include "library/puzzle_code.h"
#include "library/puzzle_library.h"
#include "tools/puzzle_input.h"
#include "tools/tool_text.h"

namespace tessellix {

namespace {

// Standard input, of which no more is read than a code can be long, with white space to spare.
constexpr std::size_t kInputLimit = 1 << 20;

int RunDecode(const std::vector<std::string>& arguments) {
    const ToolCommand command = DecodeCommand();
    ParsedArguments parsed;
    if (const auto status =
            ParseCommandLine(command, arguments, {}, 2, "a CODE (or -) and a FOLDER", parsed)) {
        return *status;
    }
    std::string text = parsed.operands[0];
    std::string where = "code";
    if (text == "-") {
        where = "standard input";
        text.assign(kInputLimit + 1, '\0');
        std::cin.read(text.data(), static_cast<std::streamsize>(text.size()));
        text.resize(static_cast<std::size_t>(std::cin.gcount()));
        if (text.size() > kInputLimit) {
            return ReportFailure(where, "more than " + std::to_string(kInputLimit) +
                                            " bytes, too long to be a puzzle code");
        }
    }
    const Result<PuzzleFileData> data = DecodePuzzleCode(text);
    if (!data) {
        return ReportFailure(where, ReasonText(data.Error().Message().In(Language::English)));
    }
    const std::string& folder = parsed.operands[1];
    OutputFolder output(folder);
    if (const std::optional<int> status = output.Open(command)) {
        return *status;
    }
    PuzzleLibrary library;
    library.ScanDataFolder(folder);
    const int number = library.FreeNumber(kFirstDeletableNumber);
    const std::string path = library.DataFolder() + PuzzleFileName(number);
    if (const std::optional<Failure> failure = WritePuzzleFile(path, *data)) {
        return output.Fail(path, "cannot be written: " +
                                     ReasonText(failure->Message().In(Language::English), path));
    }
    output.Written();
    PuzzleTexts texts = data->texts;
    ApplyDefaultNames(texts, number);
    std::cout << PlaceMessage(path, VisibleText(texts.names.In(Language::English))) << '\n';
    return kExitOk;
}

}  // namespace

ToolCommand DecodeCommand() {
    return {"decode", "decode CODE|- FOLDER",
            "Writes the puzzle of a puzzle code (see code) into FOLDER (made when missing),\n"
            "under the first free number of 200 or more, and prints the file's path with the\n"
            "puzzle's English name. With - the code is read from standard input; white space\n"
            "in the code is left out. A text that is no puzzle's code (a wrong start, a wrong\n"
            "character, a broken checksum, a code cut short, a puzzle beyond the editor's\n"
            "canvas, a name or comment that a puzzle file cannot hold) is reported, and nothing\n"
            "is written.\n",
            RunDecode};
}

}  // namespace tessellix
