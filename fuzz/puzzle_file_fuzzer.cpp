// Any bytes as a puzzle file: decoded, read from disk, scanned into a library and loaded onto a
// board as the game does. A file with all its fixed part, written back by the whole-file
// writer, reads back the same.

#include <filesystem>
#include <string>
#include <string_view>

#include "fuzz/fuzz_support.h"
#include "library/puzzle_file.h"
#include "library/puzzle_library.h"
#include "model/play_session.h"

namespace tessellix {

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const PuzzleFileContents decoded = DecodePuzzleFile(bytes);

    // A data folder holding this one file, made once.
    static const std::string folder = [] {
        const std::string made = ScratchFolder() + "library/";
        std::filesystem::create_directories(made);
        return made;
    }();
    const std::string path = folder + "7.TLX";
    FUZZ_CHECK(!WriteWholeFile(path, bytes));
    const PuzzleFileContents read = ReadPuzzleFile(path);
    FUZZ_CHECK(!read.readFailure && read.length == decoded.length && read.data == decoded.data);

    PuzzleLibrary library;
    library.ScanDataFolder(folder);
    FUZZ_CHECK(library.count() == (decoded.hasSignature ? 1 : 0));
    PlaySession session(library);
    if (library.count() == 1) {
        PuzzleTexts texts = decoded.data.texts;
        ApplyDefaultNames(texts, 7);
        const PuzzleRecord* record = library.RecordAt(0);
        FUZZ_CHECK(record->names == texts.names && record->comments == texts.comments);
        // Listed by its signature, played only with its cells.
        FUZZ_CHECK(!session.SwitchToPuzzle(0) == decoded.HasCells());
    }
    // A hint's way of laying out the stored solution: where every used element goes to its
    // place and covers the board, the records of the solved board are those of the file.
    if (!session.LoadPuzzle(path)) {
        bool allPlaced = true;
        for (const Element& element : session.Elements()) {
            if (element.excluded == 0) {
                allPlaced = element.StoredSolution().IsStored() &&
                            session.PlaceAtSolution(element.id) && allPlaced;
            }
        }
        if (allPlaced && session.IsSolved()) {
            const auto records = session.SolutionRecords();
            for (int i = 0; i < kElementRecordCount; ++i) {
                FUZZ_CHECK(!records[i].used || records[i] == decoded.data.elements[i]);
            }
        }
    }

    if (!decoded.hasSignature || !decoded.IsComplete()) {
        return 0;
    }
    const std::string copy = ScratchFolder() + "8.TLX";
    if (WritePuzzleFile(copy, decoded.data)) {
        // The one refusal a file can cause: comments that only an English name carries.
        const PuzzleTexts& texts = decoded.data.texts;
        FUZZ_CHECK(texts.names.In(Language::English).empty() &&
                   !(texts.comments.In(Language::Russian).empty() &&
                     texts.comments.In(Language::English).empty()));
        return 0;
    }
    const PuzzleFileContents again = ReadPuzzleFile(copy);
    FUZZ_CHECK(again.hasSignature && again.IsComplete());
    FUZZ_CHECK(again.data.elements == decoded.data.elements);
    FUZZ_CHECK(again.data.grid == decoded.data.grid);
    FUZZ_CHECK(again.data.texts == decoded.data.texts);
    return 0;
}

}  // namespace tessellix
