#include "library/store_puzzle.h"

namespace tessellix {

Result<int> StorePuzzle(PuzzleLibrary& library, Settings& settings, const PuzzleRecord& record,
                        const PuzzleFileData& data, std::optional<int> replaces) {
    if (std::optional<Failure> failure = WritePuzzleFile(library.PathOf(record), data)) {
        return *failure;
    }
    // A failure to write the mark is the settings' to tell; the puzzle is in the library.
    settings.ClearSolvedMark(record.fileName);
    if (replaces && library.Replace(*replaces, record)) {
        return *replaces;
    }
    return library.InsertSorted(record);
}

}  // namespace tessellix
