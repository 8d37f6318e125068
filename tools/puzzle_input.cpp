#include "tools/puzzle_input.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "library/bilingual_text.h"
#include "tools/command.h"
#include "tools/tool_text.h"

namespace tessellix {

namespace {

// Makes and removes a file in folder; the system's reason when that fails.
std::optional<Failure> WriteProblem(const std::string& folder) {
    const std::string probe =
        (std::filesystem::path(folder) / (".tessellix-probe-" + std::to_string(::getpid())))
            .string();
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        return ToolFailure(ReasonText(std::strerror(errno)));
    }
    ::close(fd);
    ::unlink(probe.c_str());
    return std::nullopt;
}

}  // namespace

std::optional<Failure> ContentsProblem(const PuzzleFileContents& contents,
                                       const std::string& path) {
    switch (StandingOf(contents)) {
        case PuzzleStanding::Unreadable: {
            std::error_code error;
            const std::filesystem::file_status status = std::filesystem::status(path, error);
            if (!error && std::filesystem::is_directory(status)) {
                return ToolFailure("not a puzzle file: it is a folder");
            }
            if (!error && std::filesystem::exists(status) &&
                !std::filesystem::is_regular_file(status)) {
                return ToolFailure("not a puzzle file: it is not a regular file");
            }
            return ToolFailure("cannot be read: " + ReasonText(ToolWords(*contents.readFailure)));
        }
        case PuzzleStanding::NoSignature:
            return ToolFailure("not a puzzle file: it does not start with \"" +
                               std::string(kPuzzleSignature) + "\"");
        case PuzzleStanding::NoCells:
            return ToolFailure("cannot be played: only " + std::to_string(contents.length) +
                               " bytes, where the cells of a puzzle take the first " +
                               std::to_string(kReservedOffset));
        case PuzzleStanding::Playable:
            break;
    }
    return std::nullopt;
}

std::optional<std::string> CutShortText(std::size_t length) {
    if (length >= kTextBlockOffset) {
        return std::nullopt;
    }
    return "cut short at " + std::to_string(length) + " bytes, before its text block at byte " +
           std::to_string(kTextBlockOffset);
}

Result<LoadedPuzzle> LoadToolPuzzle(const std::string& path) {
    const PuzzleFileContents contents = ReadPuzzleFile(path);
    if (const std::optional<Failure> problem = ContentsProblem(contents, path)) {
        return ToolFailure(PlaceMessage(path, ToolWords(*problem)));
    }
    Result<LoadedPuzzle> puzzle = LoadPuzzle(contents, path);
    if (!puzzle) {
        return ToolFailure(PlaceMessage(path, ReasonText(ToolWords(puzzle.Error()), path)));
    }
    return puzzle;
}

std::optional<Failure> FolderProblem(const std::string& folder) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(folder, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return ToolFailure("no such folder");
    }
    if (!error && !std::filesystem::is_directory(status)) {
        return ToolFailure("not a folder");
    }
    if (!error) {
        std::filesystem::directory_iterator(folder, error);
    }
    if (error) {
        return ToolFailure("cannot be read: " + ReasonText(error.message()));
    }
    return std::nullopt;
}

namespace {

bool ParentExists(const std::string& folder) {
    std::filesystem::path parent = std::filesystem::path(folder).lexically_normal();
    if (!parent.has_filename()) {
        parent = parent.parent_path();
    }
    parent = parent.parent_path();
    std::error_code error;
    return parent.empty() || std::filesystem::is_directory(parent, error);
}

}  // namespace

OutputFolder::~OutputFolder() {
    RemoveIfUnused();
}

std::optional<int> OutputFolder::Open(const ToolCommand& command) {
    if (!ParentExists(folder)) {
        return UsageError(command, "the folder " + VisibleText(folder) +
                                       " can be made only in a folder that exists");
    }
    std::error_code error;
    if (!std::filesystem::exists(folder, error) && !error) {
        created = std::filesystem::create_directory(folder, error);
        if (error) {
            return ReportFailure(folder, "cannot be created: " + ReasonText(error.message()));
        }
    }
    if (const std::optional<Failure> problem = FolderProblem(folder)) {
        return ReportFailure(folder, *problem);
    }
    if (const std::optional<Failure> problem = WriteProblem(folder)) {
        return ReportFailure(folder, "cannot be written: " + ToolWords(*problem));
    }
    return std::nullopt;
}

int OutputFolder::Fail(std::string_view where, const std::string& what) {
    RemoveIfUnused();
    return ReportFailure(where, what);
}

void OutputFolder::RemoveIfUnused() {
    if (created && !written) {
        std::error_code ignored;
        std::filesystem::remove(folder, ignored);
        created = false;
    }
}

}  // namespace tessellix
