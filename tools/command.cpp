#include "tools/command.h"

#include <algorithm>
#include <iostream>

#include "tools/tool_text.h"

ParsedArguments ParseArguments(const std::vector<std::string>& arguments,
                               const std::vector<std::string_view>& known) {
    ParsedArguments parsed;
    bool optionsEnded = false;
    for (const std::string& argument : arguments) {
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            parsed.operands.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            parsed.options.insert("--help");
        } else if (std::find(known.begin(), known.end(), argument) != known.end()) {
            parsed.options.insert(argument);
        } else if (parsed.unknownOption.empty()) {
            parsed.unknownOption = argument;
        }
    }
    return parsed;
}

std::optional<int> ParseCommandLine(const Command& command,
                                    const std::vector<std::string>& arguments,
                                    const std::vector<std::string_view>& known,
                                    std::size_t operandCount, std::string_view operandsWanted,
                                    ParsedArguments& parsed) {
    parsed = ParseArguments(arguments, known);
    if (parsed.Has("--help")) {
        PrintCommandHelp(command);
        return kExitOk;
    }
    if (!parsed.unknownOption.empty()) {
        return UsageError(command, "unknown option " + VisibleText(parsed.unknownOption));
    }
    if (parsed.operands.size() != operandCount) {
        return UsageError(command, "needs " + std::string(operandsWanted));
    }
    return std::nullopt;
}

void PrintCommandHelp(const Command& command) {
    std::cout << "Usage: " << kProgramName << ' ' << command.synopsis << "\n\n"
              << command.description;
}

int UsageError(const Command& command, const std::string& message) {
    std::cerr << kProgramName << ": " << PlaceMessage(command.name, message) << '\n'
              << "Usage: " << kProgramName << ' ' << command.synopsis << '\n';
    return kExitUsage;
}

int Failure(const std::string& message) {
    std::cerr << kProgramName << ": " << message << '\n';
    return kExitFailure;
}

int Failure(std::string_view where, std::string_view what) {
    return Failure(PlaceMessage(where, what));
}
