// tessellix-puzzle: command-line tools for puzzle authors, on the game's own puzzle-file code.

#include <iostream>
#include <string>
#include <vector>

#include "tools/build_command.h"
#include "tools/check_board_command.h"
#include "tools/check_command.h"
#include "tools/code_command.h"
#include "tools/command.h"
#include "tools/daily_command.h"
#include "tools/decode_command.h"
#include "tools/explain_command.h"
#include "tools/generate_command.h"
#include "tools/levels_command.h"
#include "tools/list_command.h"
#include "tools/rate_command.h"
#include "tools/show_command.h"
#include "tools/solve_command.h"
#include "tools/tool_text.h"

namespace tessellix {

namespace {

// One line per command; each lives in its own file pair.
std::vector<ToolCommand> Commands() {
    return {ShowCommand(),       ListCommand(),   SolveCommand(),  CheckCommand(),  BuildCommand(),
            GenerateCommand(),   RateCommand(),   CodeCommand(),   DecodeCommand(), DailyCommand(),
            CheckBoardCommand(), LevelsCommand(), ExplainCommand()};
}

void PrintUsage(std::ostream& out) {
    out << "Usage: " << kProgramName << " COMMAND [OPTIONS] ARGUMENTS\n"
        << "       " << kProgramName << " COMMAND --help\n"
        << "       " << kProgramName << " --version\n\nCommands:\n";
    for (const ToolCommand& command : Commands()) {
        out << "  " << command.synopsis << '\n';
    }
}

void PrintHelp() {
    PrintUsage(std::cout);
    for (const ToolCommand& command : Commands()) {
        std::cout << '\n' << command.synopsis << '\n' << command.description;
    }
    std::cout << "\nExit status: 0 on success; 1 when a file or folder is missing, unreadable,"
                 "\nnot writable or not a puzzle, a puzzle has no solution or no code, check finds"
                 "\na problem, generate or daily finds no puzzle, or decode is given no puzzle"
                 "\ncode; 2 on wrong usage. Messages on standard error read"
                 "\n\"tessellix-puzzle: WHERE: what is wrong\", WHERE being the file, the folder,"
                 "\nSOURCE:LINE, or the code.\n";
}

}  // namespace

}  // namespace tessellix

int main(int argc, char* argv[]) {
    using namespace tessellix;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.empty()) {
        PrintUsage(std::cerr);
        return kExitUsage;
    }
    const std::string& name = arguments[0];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintHelp();
        return kExitOk;
    }
    if (name == "--version") {
        std::cout << kProgramName << ' ' << TESSELLIX_VERSION << '\n';
        return kExitOk;
    }
    for (const ToolCommand& command : Commands()) {
        if (command.name == name) {
            return command.run({arguments.begin() + 1, arguments.end()});
        }
    }
    std::cerr << kProgramName << ": " << PlaceMessage(name, "unknown command") << '\n';
    PrintUsage(std::cerr);
    return kExitUsage;
}
