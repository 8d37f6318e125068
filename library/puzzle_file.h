#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "library/bilingual_text.h"
#include "library/failure.h"
#include "library/placement.h"
#include "library/whole_file.h"

namespace tessellix {

// The binary puzzle file: signature, 12 element records, 31 row words, 32 reserved bytes and
// the text block, which runs to the end of the file. Plain data only: the model copies it into
// its elements and shapes.

// The 31 x 31 cell grid of files and the editor: row-major, row 0 at the top.
inline constexpr int kGridSide = 31;
// The editor's drawing canvas in cells, the top rows of the grid: the largest puzzle that can be
// drawn, and so the largest that the tools make and that a puzzle code holds.
inline constexpr int kCanvasColumns = 31;
inline constexpr int kCanvasRows = 19;
inline constexpr int kElementRecordCount = 12;

inline constexpr std::string_view kPuzzleSignature = "Tessellix";
inline constexpr std::size_t kElementBlockOffset = 9;
inline constexpr std::size_t kElementRecordSize = 4;
inline constexpr std::size_t kElementBlockSize = kElementRecordCount * kElementRecordSize;
inline constexpr std::size_t kCellBlockOffset = kElementBlockOffset + kElementBlockSize;  // 57
inline constexpr std::size_t kReservedOffset = kCellBlockOffset + kGridSide * 4;          // 181
inline constexpr std::size_t kReservedSize = 32;
inline constexpr std::size_t kTextBlockOffset = kReservedOffset + kReservedSize;  // 213
// The reader looks at no more than this many bytes of the text block.
inline constexpr std::size_t kTextBlockLimit = 1000;

inline constexpr char kCommentMark = 0x00;        // ends a name; a comment follows it
inline constexpr char kLanguageSeparator = 0x01;  // the English part follows it

// One element's record. As read: when `placed` is false the placement is the "no stored
// solution" value (rotation 0, mirrored 0, column and row -1). As written: the placement is
// written only when `placed` is true, rotation and mirror masked to their bits and column and
// row to their low 8 bits.
struct ElementRecord {
    bool used = true;
    bool placed = false;
    Placement placement;  // column and row in cells from the puzzle shape's top-left corner
    friend bool operator==(const ElementRecord&, const ElementRecord&) = default;
};

// UTF-8 in memory.
struct PuzzleTexts {
    BilingualText names;
    BilingualText comments;
    friend bool operator==(const PuzzleTexts&, const PuzzleTexts&) = default;
};

struct PuzzleFileData {
    std::array<ElementRecord, kElementRecordCount> elements;
    // kGridSide * kGridSide values, row-major. Read: 1 for a puzzle cell, else 0.
    // Written: any nonzero value is a puzzle cell.
    std::vector<int> grid = std::vector<int>(kGridSide * kGridSide, 0);
    PuzzleTexts texts;
    friend bool operator==(const PuzzleFileData&, const PuzzleFileData&) = default;
};

// What a read of the first kTextBlockOffset + kTextBlockLimit bytes of a file found.
struct PuzzleFileContents {
    // Why the file could not be read, ready to show after its name.
    std::optional<Failure> readFailure;
    std::size_t length = 0;  // bytes read
    bool hasSignature = false;
    // The element records and the grid are read only when HasCells(); the texts are empty
    // where the file has no text block. No default names are applied.
    PuzzleFileData data;

    bool HasCells() const { return length >= kReservedOffset; }
    // Everything up to the text block is present.
    bool IsComplete() const { return length >= kTextBlockOffset; }
};

// What the game makes of a puzzle file, each standing needing the ones before it.
enum class PuzzleStanding {
    Unreadable,   // no regular file that could be read: missing, a folder, a device, a read error
    NoSignature,  // the library leaves it out
    NoCells,      // the library lists it, but it ends before its cells: there is no board
    Playable,     // a board; one that ends before its texts has the default names
};

// Whether the signature is asked for. The library, the rating and the tool ask; the load of a
// listed puzzle does not look at it again.
enum class SignatureCheck { Asked, Skipped };

// The one answer to "is this file playable?", for contents that ReadPuzzleFile read. Without the
// signature asked, a readable file is never NoSignature.
PuzzleStanding StandingOf(const PuzzleFileContents& contents,
                          SignatureCheck signature = SignatureCheck::Asked);

// Why contents read from path give no board to play, ready to show and naming the file; nothing
// when StandingOf says Playable.
std::optional<Failure> PlayProblem(const PuzzleFileContents& contents, const std::string& path,
                                   SignatureCheck signature = SignatureCheck::Asked);

// Bit i set when the records use element i.
unsigned UsedElementMask(const std::array<ElementRecord, kElementRecordCount>& records);

// --- Bytes ---

ElementRecord DecodeElementRecord(const unsigned char* bytes);
std::array<unsigned char, kElementRecordSize> EncodeElementRecord(const ElementRecord& record);

// Bit c of word r is grid cell (r, c); bit 31 is ignored when read and written as 0.
std::vector<int> GridFromRowWords(const std::array<std::uint32_t, kGridSide>& words);
std::array<std::uint32_t, kGridSide> RowWordsFromGrid(const std::vector<int>& grid);

// block holds the Windows-1251 bytes from offset kTextBlockOffset; only its first
// kTextBlockLimit bytes are looked at. No default names are applied.
PuzzleTexts ParseTextBlock(std::string_view block);
// "Задание N" and "Puzzle N": the name of puzzle N where a file gives none.
BilingualText DefaultPuzzleName(int number);
// Empty names become those of DefaultPuzzleName.
void ApplyDefaultNames(PuzzleTexts& texts, int number);

// Nothing when a file can hold `utf8` as one of its names or comments; otherwise the reason,
// ready to show, naming the text by `label` (such as "русское название" and "Russian name"): a
// character outside Windows-1251, or a byte 0x00 or 0x01, which separate the texts in the file.
std::optional<Failure> CheckStorableText(const std::string& utf8, const BilingualText& label);
// Nothing when all four texts can be written; otherwise the reason, ready to show: a character
// outside Windows-1251, a byte 0x00, a byte 0x01 in a Russian text (where it would end the text
// on reading), or a text block longer than the reader takes.
std::optional<Failure> CheckPuzzleTexts(const PuzzleTexts& texts);
// The text block in Windows-1251, or the refusal of CheckPuzzleTexts.
Result<std::string> EncodeTextBlock(const PuzzleTexts& texts);
// The whole file, or the refusal of its texts.
Result<std::string> EncodePuzzleFile(const PuzzleFileData& data);

// bytes are the start of a file (at most kTextBlockOffset + kTextBlockLimit of them are used).
PuzzleFileContents DecodePuzzleFile(std::string_view bytes);

// --- Files ---

// Reads no more than kTextBlockOffset + kTextBlockLimit bytes of a regular file; a longer file
// reads as its start.
PuzzleFileContents ReadPuzzleFile(const std::string& path);

// Creates or replaces the whole file. The texts are checked before anything is touched, and
// the bytes go to a temporary file in the same folder that replaces the old file only once it
// is completely written and synced, so a failure leaves the old file as it was.
[[nodiscard]] std::optional<Failure> WritePuzzleFile(const std::string& path,
                                                     const PuzzleFileData& data,
                                                     const WriteCall& write = {});

// Removes a puzzle file; one that is already gone counts as removed.
[[nodiscard]] std::optional<Failure> DeletePuzzleFile(const std::string& path);

// Replaces bytes 9 to 56 of an existing puzzle file, every other byte kept, through the atomic
// whole-file writer: the file changes completely or not at all. Never creates a file, and refuses
// one too short to hold an element block or longer than kWholeFileLimit.
[[nodiscard]] std::optional<Failure> RewriteElementBlock(
    const std::string& path, const std::array<ElementRecord, kElementRecordCount>& records,
    const WriteCall& write = {});

}  // namespace tessellix
