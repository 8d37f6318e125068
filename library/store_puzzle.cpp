#include "library/store_puzzle.h"

#include "library/solve_records.h"

namespace tessellix {

Result<int> StorePuzzle(PuzzleLibrary& library, Settings& settings, const PuzzleRecord& record,
                        const PuzzleFileData& data, std::optional<int> replaces) {
    if (std::optional<Failure> failure = WritePuzzleFile(library.PathOf(record), data)) {
        return *failure;
    }
    // A failure to write the mark is the settings' to tell, and one to clear the records shows
    // at the next solve; the puzzle is in the library either way.
    settings.ClearSolvedMark(record.fileName);
    settings.ClearKeptBoard(record.fileName);
    SolveRecords(SolveRecords::PathBeside(settings.Path())).Clear(record.fileName);
    if (replaces && library.Replace(*replaces, record)) {
        return *replaces;
    }
    return library.InsertSorted(record);
}

}  // namespace tessellix
