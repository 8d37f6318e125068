#include "library/loaded_puzzle.h"

#include <algorithm>
#include <filesystem>

#include "library/puzzle_library.h"

namespace tessellix {

bool LoadedPuzzle::HasStoredSolution() const {
    return std::any_of(data.elements.begin(), data.elements.end(), [](const ElementRecord& record) {
        return record.used && record.placement.IsStored();
    });
}

Result<LoadedPuzzle> LoadPuzzle(const PuzzleFileContents& contents, const std::string& path,
                                SignatureCheck signature) {
    if (std::optional<Failure> problem = PlayProblem(contents, path, signature)) {
        return *problem;
    }
    LoadedPuzzle puzzle;
    puzzle.fileName = std::filesystem::path(path).filename().string();
    puzzle.number = NumberOf(puzzle.fileName);
    puzzle.length = contents.length;
    puzzle.data = contents.data;
    ApplyDefaultNames(puzzle.data.texts, puzzle.number);
    return puzzle;
}

Result<LoadedPuzzle> LoadPuzzleFile(const std::string& path) {
    return LoadPuzzle(ReadPuzzleFile(path), path);
}

}  // namespace tessellix
