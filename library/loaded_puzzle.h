#pragma once

#include <cstddef>
#include <string>

#include "library/failure.h"
#include "library/puzzle_file.h"

namespace tessellix {

// A puzzle as its file gives it to play: the cells, the texts with the default names, the
// elements it uses and their stored solution, as loaded. The game shows it; the tool and the
// rating read it without a board.
struct LoadedPuzzle {
    std::string fileName;    // without the folder
    int number = 0;          // NumberOf fileName, the number in the default names
    std::size_t length = 0;  // the bytes read
    PuzzleFileData data;     // the texts with the default names

    // Everything up to the text block is present, so the names are the file's own.
    bool IsComplete() const { return length >= kTextBlockOffset; }
    unsigned UsedElements() const { return UsedElementMask(data.elements); }
    // Some used element carries a stored placement.
    bool HasStoredSolution() const;
};

// The puzzle of contents that ReadPuzzleFile read from path, or PlayProblem's failure.
Result<LoadedPuzzle> LoadPuzzle(const PuzzleFileContents& contents, const std::string& path,
                                SignatureCheck signature = SignatureCheck::Asked);
// The puzzle of the file at path, or why the game cannot play it.
Result<LoadedPuzzle> LoadPuzzleFile(const std::string& path);

}  // namespace tessellix
