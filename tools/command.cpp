#include "tools/command.h"

#include <algorithm>
#include <iostream>

#include "tools/tool_text.h"

namespace tessellix {

ParsedArguments ParseArguments(const std::vector<std::string>& arguments,
                               const std::vector<std::string_view>& known,
                               const std::vector<std::string_view>& withValue) {
    ParsedArguments parsed;
    bool optionsEnded = false;
    for (auto argument = arguments.begin(); argument != arguments.end(); ++argument) {
        const std::string_view name = std::string_view(*argument).substr(0, argument->find('='));
        const bool takesValue =
            std::find(withValue.begin(), withValue.end(), name) != withValue.end();
        if (optionsEnded || argument->size() < 2 || (*argument)[0] != '-') {
            parsed.operands.push_back(*argument);
        } else if (*argument == "--") {
            optionsEnded = true;
        } else if (*argument == "--help" || *argument == "-h") {
            parsed.options.insert("--help");
        } else if (takesValue && name.size() < argument->size()) {
            parsed.values[std::string(name)] = argument->substr(name.size() + 1);
        } else if (takesValue && argument + 1 != arguments.end()) {
            ++argument;
            parsed.values[std::string(name)] = *argument;
        } else if (takesValue) {
            if (parsed.missingValue.empty()) {
                parsed.missingValue = name;
            }
        } else if (std::find(known.begin(), known.end(), *argument) != known.end()) {
            parsed.options.insert(*argument);
        } else if (parsed.unknownOption.empty()) {
            parsed.unknownOption = *argument;
        }
    }
    return parsed;
}

std::optional<int> ParseCommandLine(const ToolCommand& command,
                                    const std::vector<std::string>& arguments,
                                    const std::vector<std::string_view>& known,
                                    std::size_t operandCount, std::string_view operandsWanted,
                                    ParsedArguments& parsed,
                                    const std::vector<std::string_view>& withValue) {
    parsed = ParseArguments(arguments, known, withValue);
    if (parsed.Has("--help")) {
        PrintCommandHelp(command);
        return kExitOk;
    }
    if (!parsed.unknownOption.empty()) {
        return UsageError(command, "unknown option " + VisibleText(parsed.unknownOption));
    }
    if (!parsed.missingValue.empty()) {
        return UsageError(command, "option " + parsed.missingValue + " needs a value");
    }
    if (parsed.operands.size() != operandCount) {
        return UsageError(command, "needs " + std::string(operandsWanted));
    }
    return std::nullopt;
}

void PrintCommandHelp(const ToolCommand& command) {
    std::cout << "Usage: " << kProgramName << ' ' << command.synopsis << "\n\n"
              << command.description;
}

int UsageError(const ToolCommand& command, const std::string& message) {
    std::cerr << kProgramName << ": " << PlaceMessage(command.name, message) << '\n'
              << "Usage: " << kProgramName << ' ' << command.synopsis << '\n';
    return kExitUsage;
}

int ReportFailure(const std::string& message) {
    std::cerr << kProgramName << ": " << message << '\n';
    return kExitFailure;
}

int ReportFailure(std::string_view where, std::string_view what) {
    return ReportFailure(PlaceMessage(where, what));
}

int ReportFailure(const Failure& failure) {
    return ReportFailure(ToolWords(failure));
}

int ReportFailure(std::string_view where, const Failure& what) {
    return ReportFailure(where, ToolWords(what));
}

}  // namespace tessellix
