#include "library/puzzle_file.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "library/text_encoding.h"
#include "library/whole_file.h"

namespace tessellix {

namespace {

constexpr std::size_t kReadLimit = kTextBlockOffset + kTextBlockLimit;

std::uint32_t ReadWord(const unsigned char* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

// The bytes from `from` up to the first of `stops` or the end of the block.
std::string_view TextUntil(std::string_view block, std::size_t from, std::string_view stops) {
    if (from >= block.size()) {
        return {};
    }
    const std::size_t end = block.find_first_of(stops, from);
    return block.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from);
}

constexpr std::string_view kNameStop{"\0", 1};
constexpr std::string_view kNameOrSeparatorStop{"\0\1", 2};

// The four texts in their order in the block, with their labels for messages.
struct TextSlot {
    const std::string& text;
    BilingualText label;
    std::string_view stops;
};

// The text's Windows-1251 bytes, or the reason why a file cannot hold it, `stops` being the
// bytes that would end it early on reading.
Result<std::string> EncodeStorableText(const std::string& utf8, const BilingualText& label,
                                       std::string_view stops = kNameOrSeparatorStop) {
    const BilingualText field = BilingualText().Say("Поле «", "The ").Add(label);
    Result<std::string> bytes = Utf8ToWindows1251(utf8);
    if (!bytes) {
        return Failure(BilingualText()
                           .Add(field)
                           .Say("» содержит символ, который нельзя сохранить в файле задания "
                                "(кодировка Windows-1251): ",
                                " holds a character that a puzzle file cannot store "
                                "(Windows-1251 code page): ")
                           .Add(bytes.Error().Message()));
    }
    if (bytes->find_first_of(stops) != std::string::npos) {
        return Failure(BilingualText().Add(field).Say(
            "» содержит управляющий символ с кодом 0 или 1, который нельзя сохранить "
            "в файле задания.",
            " holds a control character of code 0 or 1, which a puzzle file cannot store."));
    }
    return bytes;
}

}  // namespace

ElementRecord DecodeElementRecord(const unsigned char* bytes) {
    ElementRecord record;
    record.used = (bytes[0] & 0x01) != 0;
    record.placed = (bytes[0] & 0x80) != 0;
    if (record.placed) {
        const int orientation = (bytes[1] >> 1) & (kOrientationCount - 1);
        record.placement = {RotationOf(orientation), MirroredOf(orientation),
                            static_cast<std::int8_t>(bytes[2]), static_cast<std::int8_t>(bytes[3])};
    }
    return record;
}

std::array<unsigned char, kElementRecordSize> EncodeElementRecord(const ElementRecord& record) {
    std::array<unsigned char, kElementRecordSize> bytes{};
    bytes[0] = static_cast<unsigned char>((record.used ? 0x01 : 0) | (record.placed ? 0x80 : 0));
    if (record.placed) {
        const Placement& placement = record.placement;
        bytes[1] = static_cast<unsigned char>(placement.Orientation() << 1);
        bytes[2] = static_cast<unsigned char>(placement.column & 0xFF);
        bytes[3] = static_cast<unsigned char>(placement.row & 0xFF);
    }
    return bytes;
}

std::vector<int> GridFromRowWords(const std::array<std::uint32_t, kGridSide>& words) {
    std::vector<int> grid(kGridSide * kGridSide, 0);
    for (int r = 0; r < kGridSide; ++r) {
        for (int c = 0; c < kGridSide; ++c) {
            grid[r * kGridSide + c] = (words[r] >> c) & 1;
        }
    }
    return grid;
}

std::array<std::uint32_t, kGridSide> RowWordsFromGrid(const std::vector<int>& grid) {
    std::array<std::uint32_t, kGridSide> words{};
    const std::size_t cells = std::min<std::size_t>(grid.size(), kGridSide * kGridSide);
    for (std::size_t i = 0; i < cells; ++i) {
        if (grid[i] != 0) {
            words[i / kGridSide] |= std::uint32_t{1} << (i % kGridSide);
        }
    }
    return words;
}

PuzzleTexts ParseTextBlock(std::string_view block) {
    block = block.substr(0, std::min(block.size(), kTextBlockLimit));
    PuzzleTexts raw;
    const std::size_t separator = block.find(kLanguageSeparator);
    const bool hasSeparator = separator != std::string_view::npos;
    if (!hasSeparator || separator != 0) {
        const std::string_view name = TextUntil(block, 0, kNameOrSeparatorStop);
        raw.names.In(Language::Russian) = name;
        // Without a separator whatever follows the name's terminator is not a comment.
        if (hasSeparator && name.size() < separator) {
            raw.comments.In(Language::Russian) =
                TextUntil(block, name.size() + 1, kNameOrSeparatorStop);
        }
    }
    if (hasSeparator) {
        const std::string_view name = TextUntil(block, separator + 1, kNameStop);
        raw.names.In(Language::English) = name;
        const std::size_t nameEnd = separator + 1 + name.size();
        if (nameEnd < block.size()) {
            raw.comments.In(Language::English) = TextUntil(block, nameEnd + 1, kNameStop);
        }
    }
    PuzzleTexts texts;
    for (const Language language : {Language::Russian, Language::English}) {
        texts.names.In(language) = Windows1251ToUtf8(raw.names.In(language));
        texts.comments.In(language) = Windows1251ToUtf8(raw.comments.In(language));
    }
    return texts;
}

BilingualText DefaultPuzzleName(int number) {
    return BilingualText().Say("Задание ", "Puzzle ").Add(std::to_string(number));
}

void ApplyDefaultNames(PuzzleTexts& texts, int number) {
    const BilingualText fallback = DefaultPuzzleName(number);
    for (const Language language : {Language::Russian, Language::English}) {
        if (texts.names.In(language).empty()) {
            texts.names.In(language) = fallback.In(language);
        }
    }
}

Result<std::string> EncodeTextBlock(const PuzzleTexts& texts) {
    // Only a 0x00 ends an English text on reading, so a 0x01 that a file held there is written
    // back as it was read.
    const TextSlot slots[4] = {
        {texts.names.In(Language::Russian),
         {"русское название", "Russian name"},
         kNameOrSeparatorStop},
        {texts.comments.In(Language::Russian),
         {"русский комментарий", "Russian comment"},
         kNameOrSeparatorStop},
        {texts.names.In(Language::English), {"английское название", "English name"}, kNameStop},
        {texts.comments.In(Language::English),
         {"английский комментарий", "English comment"},
         kNameStop},
    };
    std::string encoded[4];
    for (int i = 0; i < 4; ++i) {
        Result<std::string> bytes =
            EncodeStorableText(slots[i].text, slots[i].label, slots[i].stops);
        if (!bytes) {
            return bytes.Error();
        }
        encoded[i] = std::move(*bytes);
    }
    // The reader takes a comment only from a block with a separator, and the separator is
    // written only with an English name: without one, a comment would be lost.
    if (encoded[2].empty() && (!encoded[1].empty() || !encoded[3].empty())) {
        return Failure(
            BilingualText().Say("Комментарий можно сохранить только вместе с английским названием.",
                                "A comment can be stored only together with an English name."));
    }
    std::string block = encoded[0];
    if (!encoded[1].empty()) {
        block += kCommentMark;
        block += encoded[1];
    }
    if (!encoded[2].empty()) {
        block += kLanguageSeparator;
        block += encoded[2];
        if (!encoded[3].empty()) {
            block += kCommentMark;
            block += encoded[3];
        }
    }
    if (block.size() > kTextBlockLimit) {
        return Failure(
            BilingualText()
                .Say("Названия и комментарии вместе занимают ", "The names and comments take ")
                .Add(std::to_string(block.size()))
                .Say(" байт; в файле задания читаются только первые ",
                     " bytes together; a puzzle file keeps only the first ")
                .Add(std::to_string(kTextBlockLimit) + "."));
    }
    return block;
}

std::optional<Failure> CheckStorableText(const std::string& utf8, const BilingualText& label) {
    if (const Result<std::string> bytes = EncodeStorableText(utf8, label); !bytes) {
        return bytes.Error();
    }
    return std::nullopt;
}

std::optional<Failure> CheckPuzzleTexts(const PuzzleTexts& texts) {
    if (const Result<std::string> block = EncodeTextBlock(texts); !block) {
        return block.Error();
    }
    return std::nullopt;
}

Result<std::string> EncodePuzzleFile(const PuzzleFileData& data) {
    const Result<std::string> block = EncodeTextBlock(data.texts);
    if (!block) {
        return block.Error();
    }
    std::string bytes(kPuzzleSignature);
    for (const ElementRecord& record : data.elements) {
        const auto encoded = EncodeElementRecord(record);
        bytes.append(encoded.begin(), encoded.end());
    }
    for (const std::uint32_t word : RowWordsFromGrid(data.grid)) {
        for (int shift = 0; shift < 32; shift += 8) {
            bytes += static_cast<char>((word >> shift) & 0xFF);
        }
    }
    bytes.append(kReservedSize, '\0');
    bytes += *block;
    return bytes;
}

PuzzleFileContents DecodePuzzleFile(std::string_view bytes) {
    bytes = bytes.substr(0, std::min(bytes.size(), kReadLimit));
    PuzzleFileContents contents;
    contents.length = bytes.size();
    contents.hasSignature = bytes.substr(0, kPuzzleSignature.size()) == kPuzzleSignature;
    const auto* raw = reinterpret_cast<const unsigned char*>(bytes.data());
    if (contents.HasCells()) {
        for (int i = 0; i < kElementRecordCount; ++i) {
            contents.data.elements[i] =
                DecodeElementRecord(raw + kElementBlockOffset + i * kElementRecordSize);
        }
        std::array<std::uint32_t, kGridSide> words{};
        for (int r = 0; r < kGridSide; ++r) {
            words[r] = ReadWord(raw + kCellBlockOffset + r * 4);
        }
        contents.data.grid = GridFromRowWords(words);
    }
    if (bytes.size() > kTextBlockOffset) {
        contents.data.texts = ParseTextBlock(bytes.substr(kTextBlockOffset));
    }
    return contents;
}

PuzzleStanding StandingOf(const PuzzleFileContents& contents, SignatureCheck signature) {
    if (contents.readFailure) {
        return PuzzleStanding::Unreadable;
    }
    if (signature == SignatureCheck::Asked && !contents.hasSignature) {
        return PuzzleStanding::NoSignature;
    }
    return contents.HasCells() ? PuzzleStanding::Playable : PuzzleStanding::NoCells;
}

std::optional<Failure> PlayProblem(const PuzzleFileContents& contents, const std::string& path,
                                   SignatureCheck signature) {
    const BilingualText cannotRead =
        BilingualText()
            .Say("Не удалось прочитать файл задания ", "Could not read the puzzle file ")
            .Add(path + ": ");
    switch (StandingOf(contents, signature)) {
        case PuzzleStanding::Unreadable:
            return Failure(BilingualText(cannotRead).Add(contents.readFailure->Message()));
        case PuzzleStanding::NoSignature:
            return Failure(BilingualText(cannotRead)
                               .Say("файл не начинается с «", "the file does not start with \"")
                               .Add(kPuzzleSignature)
                               .Say("»", "\""));
        case PuzzleStanding::NoCells:
            return Failure(BilingualText(cannotRead)
                               .Say("в файле только ", "the file holds only ")
                               .Add(std::to_string(contents.length))
                               .Say(" байт, а ячейки задания занимают первые ",
                                    " bytes, where the cells of a puzzle take the first ")
                               .Add(std::to_string(kReservedOffset)));
        case PuzzleStanding::Playable:
            break;
    }
    return std::nullopt;
}

unsigned UsedElementMask(const std::array<ElementRecord, kElementRecordCount>& records) {
    unsigned mask = 0;
    for (int i = 0; i < kElementRecordCount; ++i) {
        if (records[i].used) {
            mask |= 1u << i;
        }
    }
    return mask;
}

PuzzleFileContents ReadPuzzleFile(const std::string& path) {
    const Result<std::string> bytes =
        ReadWholeFile(path, MissingFile::Fails, kReadLimit, LongFile::ReadsStart);
    if (!bytes) {
        PuzzleFileContents failed;
        failed.readFailure = bytes.Error();
        return failed;
    }
    return DecodePuzzleFile(*bytes);
}

std::optional<Failure> WritePuzzleFile(const std::string& path, const PuzzleFileData& data,
                                       const WriteCall& write) {
    const Result<std::string> bytes = EncodePuzzleFile(data);
    if (!bytes) {
        return bytes.Error();
    }
    if (const std::optional<Failure> reason = WriteWholeFile(path, *bytes, write)) {
        return Failure(
            BilingualText()
                .Say("Не удалось записать файл задания ", "Could not write the puzzle file ")
                .Add(path + ": ")
                .Add(reason->Message()));
    }
    return std::nullopt;
}

std::optional<Failure> RewriteElementBlock(
    const std::string& path, const std::array<ElementRecord, kElementRecordCount>& records,
    const WriteCall& write) {
    const auto failure = [&](const BilingualText& reason) {
        return Failure(BilingualText()
                           .Say("Не удалось сохранить решение в файле задания ",
                                "Could not store the solution in the puzzle file ")
                           .Add(path + ": ")
                           .Add(reason));
    };
    // The whole file goes through the atomic writer, so a failure leaves every byte of it as it
    // was; a file that is gone is not made again.
    Result<std::string> read = ReadWholeFile(path);
    if (!read) {
        return failure(read.Error().Message());
    }
    std::string& bytes = *read;
    if (bytes.size() < kCellBlockOffset) {
        return failure(BilingualText().Say("файл слишком короток для файла задания",
                                           "the file is too short to be a puzzle file"));
    }
    for (int i = 0; i < kElementRecordCount; ++i) {
        const auto encoded = EncodeElementRecord(records[i]);
        std::copy(encoded.begin(), encoded.end(),
                  bytes.begin() + kElementBlockOffset + i * kElementRecordSize);
    }
    if (const std::optional<Failure> reason = WriteWholeFile(path, bytes, write)) {
        return failure(reason->Message());
    }
    return std::nullopt;
}

std::optional<Failure> DeletePuzzleFile(const std::string& path) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
        const BilingualText reason = ErrorText(errno);
        return Failure(
            BilingualText()
                .Say("Не удалось удалить файл задания ", "Could not delete the puzzle file ")
                .Add(path + ": ")
                .Add(reason));
    }
    return std::nullopt;
}

}  // namespace tessellix
