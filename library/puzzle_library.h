#pragma once

#include <list>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "library/bilingual_text.h"

namespace tessellix {

// Puzzles numbered from here on are the players' own, which the editor may delete; lower numbers
// belong to the shipped library.
inline constexpr int kFirstDeletableNumber = 200;

// One library entry; the puzzle number is not stored but taken from fileName by NumberOf.
struct PuzzleRecord {
    std::string fileName;  // inside the data folder, with its extension, such as 12.TLX
    BilingualText names;   // UTF-8
    BilingualText comments;
    friend bool operator==(const PuzzleRecord&, const PuzzleRecord&) = default;
};

// The decimal number at the start of a text, read as strtol reads it: leading white space,
// an optional sign, digits up to the first non-digit. 0 when there are no digits, and also
// when the number does not fit an int, so that such a file never counts as a puzzle.
int NumberOf(std::string_view text);

// True for a file name ending in .TLX, in any letter case.
bool HasPuzzleExtension(const std::string& name);

// The name of puzzle number's file, as the game and its tools write it: "12.TLX".
std::string PuzzleFileName(int number);

// The numbers that the puzzle files of folder take, whether a library would read them or not;
// none for a missing or unreadable folder.
std::set<int> PuzzleNumbersIn(const std::string& folder);

// The puzzles of a data folder in ascending order of number, and that folder; equal numbers keep
// the order in which they were added. Positions count from 0. Which position is played or edited
// is for the play and editor sessions to know.
class PuzzleLibrary {
  public:
    int count() const { return static_cast<int>(records.size()); }

    // nullptr when position is negative or not below count(). The pointer stays valid until
    // that record is removed.
    const PuzzleRecord* RecordAt(int position) const;
    const PuzzleRecord* LastRecord() const;

    // Before the first record whose number is greater, else at the end; returns its position.
    int InsertSorted(const PuzzleRecord& record);
    void Append(const PuzzleRecord& record);
    // False, and nothing changed, when position designates no record.
    bool Replace(int position, const PuzzleRecord& record);
    bool Remove(int position);
    void Clear() { records.clear(); }

    auto begin() const { return records.begin(); }
    auto end() const { return records.end(); }

    // Replaces the records with the puzzle files of folder (extension TLX in any letter case,
    // with the signature, number above 0) and makes folder the data folder. A missing or
    // unreadable folder gives an empty library. Temporary files that killed writes left in the
    // folder are removed.
    void ScanDataFolder(const std::string& folder);
    // Ends with '/'; "DATA/" until a scan.
    const std::string& DataFolder() const { return dataFolder; }
    // Where the file of a record lies.
    std::string PathOf(const PuzzleRecord& record) const { return dataFolder + record.fileName; }
    // The numbers for a new puzzle, both counting the puzzle files of the data folder as well as
    // the records, so that a file named with them overwrites nothing, not even one that
    // appeared since the scan. The first number from `first` on that none of them takes:
    int FreeNumber(int first) const;
    // and one above the highest that any of them takes (1 when none does), as the editor numbers
    // a new puzzle; nothing when the highest is the largest int.
    std::optional<int> NextNumber() const;

  private:
    std::set<int> TakenNumbers() const;

    std::list<PuzzleRecord> records;
    std::string dataFolder = "DATA/";
};

}  // namespace tessellix
