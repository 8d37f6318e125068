#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "library/failure.h"

namespace tessellix {

// One command of tessellix-puzzle. A new command is a file pair of its own that provides a
// function returning its ToolCommand, and one line in the table of tools/main.cpp.
struct ToolCommand {
    std::string_view name;
    std::string_view synopsis;     // "show [--json] FILE"
    std::string_view description;  // a few lines for --help, each ending with '\n'
    // arguments are those after the command's name; returns the exit status.
    int (*run)(const std::vector<std::string>& arguments);
};

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // a missing, unreadable or invalid input
inline constexpr int kExitUsage = 2;

inline constexpr std::string_view kProgramName = "tessellix-puzzle";

// Options and operands of a command line, options in any position; "--" ends the options.
struct ParsedArguments {
    std::set<std::string> options;
    std::map<std::string, std::string> values;  // of the options that take one; the last given
    std::vector<std::string> operands;
    std::string unknownOption;  // the first option that was not in `known`
    std::string missingValue;   // the first option that takes a value but was given none

    bool Has(std::string_view option) const { return options.count(std::string(option)) > 0; }
    std::optional<std::string> Value(std::string_view option) const {
        const auto found = values.find(std::string(option));
        return found == values.end() ? std::nullopt : std::optional(found->second);
    }
};

// "--help" and "-h" are always known and recorded as "--help". An option of `withValue` takes
// the next argument as its value, or what follows '=' in "--option=value".
ParsedArguments ParseArguments(const std::vector<std::string>& arguments,
                               const std::vector<std::string_view>& known,
                               const std::vector<std::string_view>& withValue = {});

// A command's arguments with `known` options, the options `withValue` that take a value, and
// exactly `operandCount` operands. Returns the exit status when the command ends here (its help
// was asked for, or the usage is wrong, `operandsWanted` saying what it needs), nothing when it
// goes on with `parsed`.
std::optional<int> ParseCommandLine(const ToolCommand& command,
                                    const std::vector<std::string>& arguments,
                                    const std::vector<std::string_view>& known,
                                    std::size_t operandCount, std::string_view operandsWanted,
                                    ParsedArguments& parsed,
                                    const std::vector<std::string_view>& withValue = {});

// Prints the command's synopsis and description to standard output.
void PrintCommandHelp(const ToolCommand& command);
// Every message to standard error reads "tessellix-puzzle: WHERE: what is wrong", WHERE being
// the file or folder (as given on the command line, made visible), "SOURCE:LINE" in a puzzle
// source, or the command for wrong usage; the rest starts in lowercase and ends without a full
// stop.

// Prints "tessellix-puzzle: COMMAND: message" and the command's usage line to standard error;
// returns kExitUsage.
int UsageError(const ToolCommand& command, const std::string& message);
// Prints "tessellix-puzzle: message" to standard error, message being "WHERE: what" already;
// returns kExitFailure.
int ReportFailure(const std::string& message);
// Prints "tessellix-puzzle: WHERE: what" to standard error; returns kExitFailure.
int ReportFailure(std::string_view where, std::string_view what);
// The same with the tool's words of a failure, "WHERE: what" already or only what follows WHERE.
int ReportFailure(const Failure& failure);
int ReportFailure(std::string_view where, const Failure& what);

}  // namespace tessellix
