#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "library/level_words.h"
#include "library/puzzle_file.h"

namespace tessellix {

// The levels of the shipped puzzles, rated once by `tessellix-puzzle levels` and shipped beside
// them as kFileName, so that the game knows them without rating. A puzzle is known by what its
// rating reads, its cells where they lie and the elements it uses: names and a stored solution
// may change, and a puzzle whose cells or elements changed is no longer known.
//
// The file, one puzzle a line after comment lines starting with '#':
//   1.TLX 5f0c2d8e91b3a47d easy
// the file name (for the reader only), the puzzle's key and the level's name.
class ShippedLevels {
  public:
    static constexpr char kFileName[] = "levels.txt";

    // 16 hexadecimal digits for the grid's cells (any nonzero value a cell) and the used bits.
    static std::string KeyOf(const PuzzleFileData& data);

    // Lines that are not of the form above are left out: the table only spares a rating.
    static ShippedLevels Parse(std::string_view text);
    // The file's text, puzzles in the order added.
    std::string Text() const;

    void Add(const std::string& fileName, const PuzzleFileData& data, Level level);
    // Nothing for a puzzle that is not in the table.
    std::optional<Level> Find(const PuzzleFileData& data) const;
    bool IsEmpty() const { return levels.empty(); }

  private:
    std::map<std::string, Level> levels;  // by key
    std::string lines;                    // as Text() gives them
};

}  // namespace tessellix
