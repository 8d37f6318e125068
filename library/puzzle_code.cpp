#include "library/puzzle_code.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <optional>
#include <vector>

namespace tessellix {

namespace {

constexpr std::string_view kDigits =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
constexpr std::size_t kChecksumSize = 4;
constexpr int kPlacementBits = 8;  // a file keeps a column or row in one signed byte
// The cells of one element; the element set itself lives above this layer.
constexpr int kCellsPerElement = 5;

BilingualText Problem(std::string_view russian, std::string_view english) {
    return BilingualText().Say(russian, english);
}

std::uint32_t Crc32(std::string_view bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= static_cast<unsigned char>(byte);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

// Seven bits a byte, the lowest first; the top bit says that another byte follows.
std::string Varint(std::size_t value) {
    std::string bytes;
    for (; value >= 0x80; value >>= 7) {
        bytes += static_cast<char>((value & 0x7F) | 0x80);
    }
    bytes += static_cast<char>(value);
    return bytes;
}

// The value of the varint at the start of bytes and its length; nothing when bytes end first.
std::optional<std::pair<std::size_t, std::size_t>> ReadVarint(std::string_view bytes) {
    std::size_t value = 0;
    for (std::size_t at = 0; at < bytes.size() && at < 5; ++at) {
        value |= static_cast<std::size_t>(static_cast<unsigned char>(bytes[at]) & 0x7F) << (7 * at);
        if ((static_cast<unsigned char>(bytes[at]) & 0x80) == 0) {
            return std::pair{value, at + 1};
        }
    }
    return std::nullopt;
}

std::string Base64Url(std::string_view bytes) {
    std::string digits;
    std::uint32_t buffer = 0;
    int bits = 0;
    for (const char byte : bytes) {
        buffer = (buffer << 8) | static_cast<unsigned char>(byte);
        bits += 8;
        while (bits >= 6) {
            bits -= 6;
            digits += kDigits[(buffer >> bits) & 0x3F];
        }
    }
    if (bits > 0) {
        digits += kDigits[(buffer << (6 - bits)) & 0x3F];
    }
    return digits;
}

// Writes fields most significant bit first, then whole bytes.
class BitWriter {
  public:
    void Bits(std::uint32_t value, int count) {
        for (int bit = count - 1; bit >= 0; --bit) {
            if (used == 0) {
                bytes += '\0';
            }
            if ((value >> bit) & 1) {
                bytes.back() = static_cast<char>(bytes.back() | (0x80 >> used));
            }
            used = (used + 1) % 8;
        }
    }
    // Ends the bit fields: the rest of their last byte stays zero.
    void Text(std::string_view text) {
        used = 0;
        bytes += Varint(text.size());
        bytes += text;
    }
    const std::string& Bytes() const { return bytes; }

  private:
    std::string bytes;
    int used = 0;  // bits of the last byte taken
};

// Reads what BitWriter writes; once past the end, every read gives 0 and Short() is true.
class BitReader {
  public:
    explicit BitReader(std::string_view bytes) : bytes(bytes) {}

    std::uint32_t Bits(int count) {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) {
            const std::size_t byte = position / 8;
            if (byte >= bytes.size()) {
                cutShort = true;
                return 0;
            }
            value = (value << 1) |
                    ((static_cast<unsigned char>(bytes[byte]) >> (7 - position % 8)) & 1u);
            ++position;
        }
        return value;
    }
    std::string Text() {
        position = (position + 7) / 8 * 8;
        std::size_t length = 0;
        for (int shift = 0; shift < 35; shift += 7) {
            const std::uint32_t group = Bits(8);
            length |= static_cast<std::size_t>(group & 0x7F) << shift;
            if ((group & 0x80) == 0) {
                break;
            }
        }
        const std::size_t at = position / 8;
        if (cutShort || length > bytes.size() - at) {
            cutShort = true;
            return {};
        }
        position += length * 8;
        return std::string(bytes.substr(at, length));
    }
    bool Short() const { return cutShort; }

  private:
    std::string_view bytes;
    std::size_t position = 0;  // in bits
    bool cutShort = false;
};

// The smallest number of bits that holds every value from 0 to span.
int BitsFor(int span) {
    return span <= 0 ? 0 : std::bit_width(static_cast<unsigned>(span));
}

struct CellBox {
    int left = kGridSide;
    int top = kGridSide;
    int right = -1;
    int bottom = -1;
    int cells = 0;
};

CellBox BoxOf(const std::vector<int>& grid) {
    CellBox box;
    for (int r = 0; r < kGridSide; ++r) {
        for (int c = 0; c < kGridSide; ++c) {
            if (grid[r * kGridSide + c] != 0) {
                box.left = std::min(box.left, c);
                box.top = std::min(box.top, r);
                box.right = std::max(box.right, c);
                box.bottom = std::max(box.bottom, r);
                ++box.cells;
            }
        }
    }
    return box;
}

const BilingualText kBeyondCanvas =
    Problem("Задание выходит за поле редактора в 31 × 19 клеток.",
            "The puzzle goes beyond the editor's canvas of 31 x 19 cells.");

// What keeps a puzzle from having a code, whichever way it came; nothing when nothing does.
std::optional<Failure> CodeProblem(const PuzzleFileData& data) {
    if (data.grid.size() != static_cast<std::size_t>(kGridSide) * kGridSide) {
        return Failure(Problem("В задании нет сетки клеток.", "The puzzle has no grid of cells."));
    }
    const CellBox box = BoxOf(data.grid);
    if (box.cells == 0) {
        return Failure(Problem("В задании нет ни одной клетки.", "The puzzle has no cell."));
    }
    if (box.bottom >= kCanvasRows || box.right >= kCanvasColumns) {
        return Failure(kBeyondCanvas);
    }
    int used = 0;
    for (const ElementRecord& record : data.elements) {
        const Placement& p = record.placement;
        if (record.placed &&
            (p.rotation < 0 || p.rotation > 3 || p.mirrored < 0 || p.mirrored > 1 ||
             p.column < -128 || p.column > 127 || p.row < -128 || p.row > 127)) {
            return Failure(
                Problem("Место элемента в решении нельзя сохранить в файле задания.",
                        "A place of an element in the solution cannot be stored in a puzzle "
                        "file."));
        }
        used += record.used ? 1 : 0;
    }
    if (box.cells != kCellsPerElement * used) {
        return Failure(BilingualText()
                           .Say("Число клеток задания (", "The puzzle's cells (")
                           .Add(std::to_string(box.cells))
                           .Say(") не равно пяти на каждый его элемент (",
                                ") are not five for each of its elements (")
                           .Add(std::to_string(kCellsPerElement * used))
                           .Add(")."));
    }
    return CheckPuzzleTexts(data.texts);
}

const std::array<Language, 2> kLanguages{Language::Russian, Language::English};

std::string BodyOf(const PuzzleFileData& data) {
    const CellBox box = BoxOf(data.grid);
    BitWriter writer;
    writer.Bits(box.left, 5);
    writer.Bits(box.top, 5);
    writer.Bits(box.right - box.left, 5);
    writer.Bits(box.bottom - box.top, 5);
    for (int r = box.top; r <= box.bottom; ++r) {
        for (int c = box.left; c <= box.right; ++c) {
            writer.Bits(data.grid[r * kGridSide + c] != 0 ? 1 : 0, 1);
        }
    }
    for (const ElementRecord& record : data.elements) {
        writer.Bits(record.used ? 1 : 0, 1);
    }
    int lowest = 127;
    int highest = -128;
    for (const ElementRecord& record : data.elements) {
        writer.Bits(record.placed ? 1 : 0, 1);
        if (record.placed) {
            lowest = std::min({lowest, record.placement.column, record.placement.row});
            highest = std::max({highest, record.placement.column, record.placement.row});
        }
    }
    if (lowest <= highest) {
        const int bits = BitsFor(highest - lowest);
        writer.Bits(static_cast<std::uint32_t>(lowest) & 0xFF, kPlacementBits);
        writer.Bits(bits, 4);
        for (const ElementRecord& record : data.elements) {
            if (record.placed) {
                writer.Bits(record.placement.rotation, 2);
                writer.Bits(record.placement.mirrored, 1);
                writer.Bits(record.placement.column - lowest, bits);
                writer.Bits(record.placement.row - lowest, bits);
            }
        }
    }
    for (const Language language : kLanguages) {
        writer.Text(data.texts.names.In(language));
        writer.Text(data.texts.comments.In(language));
    }
    return writer.Bytes();
}

// What a body reads as, without any check of what it holds; beyondCanvas when its box is.
struct ReadBody {
    PuzzleFileData data;
    bool cutShort = false;
    bool beyondCanvas = false;
    bool malformed = false;  // a field no code holds
};

ReadBody ReadBodyOf(std::string_view body) {
    ReadBody read;
    BitReader reader(body);
    const int left = static_cast<int>(reader.Bits(5));
    const int top = static_cast<int>(reader.Bits(5));
    const int columns = static_cast<int>(reader.Bits(5)) + 1;
    const int rows = static_cast<int>(reader.Bits(5)) + 1;
    read.beyondCanvas = left + columns > kCanvasColumns || top + rows > kCanvasRows;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const int cell = static_cast<int>(reader.Bits(1));
            if (top + r < kGridSide && left + c < kGridSide) {
                read.data.grid[(top + r) * kGridSide + left + c] = cell;
            }
        }
    }
    std::array<bool, kElementRecordCount> placed{};
    for (ElementRecord& record : read.data.elements) {
        record.used = reader.Bits(1) != 0;
    }
    bool anyPlaced = false;
    for (int i = 0; i < kElementRecordCount; ++i) {
        placed[i] = reader.Bits(1) != 0;
        anyPlaced = anyPlaced || placed[i];
    }
    if (anyPlaced) {
        const int lowest = static_cast<std::int8_t>(reader.Bits(kPlacementBits));
        const int bits = static_cast<int>(reader.Bits(4));
        read.malformed = bits > kPlacementBits;
        for (int i = 0; i < kElementRecordCount && !read.malformed; ++i) {
            if (placed[i]) {
                ElementRecord& record = read.data.elements[i];
                record.placed = true;
                record.placement.rotation = static_cast<int>(reader.Bits(2));
                record.placement.mirrored = static_cast<int>(reader.Bits(1));
                record.placement.column = lowest + static_cast<int>(reader.Bits(bits));
                record.placement.row = lowest + static_cast<int>(reader.Bits(bits));
            }
        }
    }
    for (const Language language : kLanguages) {
        read.data.texts.names.In(language) = reader.Text();
        read.data.texts.comments.In(language) = reader.Text();
    }
    read.cutShort = reader.Short();
    return read;
}

// The bytes of base64url digits, as many as the digits make whole; nothing, with the 0-based
// place of the first wrong digit in wrong, when a digit is none.
std::optional<std::string> FromBase64Url(std::string_view digits, std::size_t& wrong) {
    std::string bytes;
    std::uint32_t buffer = 0;
    int bits = 0;
    for (std::size_t at = 0; at < digits.size(); ++at) {
        const std::size_t value = kDigits.find(digits[at]);
        if (value == std::string_view::npos) {
            wrong = at;
            return std::nullopt;
        }
        buffer = (buffer << 6) | static_cast<std::uint32_t>(value);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes += static_cast<char>((buffer >> bits) & 0xFF);
        }
    }
    return bytes;
}

bool IsAsciiSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

const BilingualText kCutShort = Problem("Код задания оборван: скопируйте его целиком.",
                                        "The puzzle code is cut short: copy all of it.");

}  // namespace

std::string PuzzleCodeOfBody(std::string_view body) {
    std::string payload = Varint(body.size());
    payload += body;
    const std::uint32_t crc = Crc32(body);
    for (int shift = 0; shift < 32; shift += 8) {
        payload += static_cast<char>((crc >> shift) & 0xFF);
    }
    return std::string(kPuzzleCodePrefix) + Base64Url(payload);
}

Result<std::string> EncodePuzzleCode(const PuzzleFileData& data) {
    if (std::optional<Failure> problem = CodeProblem(data)) {
        return *problem;
    }
    return PuzzleCodeOfBody(BodyOf(data));
}

Result<PuzzleFileData> DecodePuzzleCode(std::string_view text) {
    std::string code;
    for (const char c : text) {
        if (!IsAsciiSpace(c)) {
            if (code.size() == kPuzzleCodeLimit) {
                return Failure(Problem("Текст слишком длинный для кода задания.",
                                       "The text is too long to be a puzzle code."));
            }
            code += c;
        }
    }
    if (code.empty()) {
        return Failure(Problem("Код задания пуст.", "The puzzle code is empty."));
    }
    if (code.compare(0, kPuzzleCodePrefix.size(), kPuzzleCodePrefix) != 0) {
        return Failure(Problem("Это не код задания: код начинается с «TLX1-».",
                               "This is not a puzzle code: a code starts with \"TLX1-\"."));
    }
    std::size_t wrong = 0;
    const std::optional<std::string> payload =
        FromBase64Url(std::string_view(code).substr(kPuzzleCodePrefix.size()), wrong);
    if (!payload) {
        return Failure(
            BilingualText()
                .Say("В коде задания на месте ", "The puzzle code has a character at place ")
                .Add(std::to_string(wrong + kPuzzleCodePrefix.size() + 1))
                .Say(" стоит знак, которого в кодах не бывает.", " that no puzzle code holds."));
    }
    // The code gives the length of its body, so that a code cut short is told from one changed.
    const auto length = ReadVarint(*payload);
    if (!length || payload->size() < length->second + length->first + kChecksumSize) {
        return Failure(kCutShort);
    }
    const std::string_view body = std::string_view(*payload).substr(length->second, length->first);
    if (PuzzleCodeOfBody(body) != code) {
        return Failure(
            Problem("Код задания повреждён: его контрольная сумма не сходится. "
                    "Скопируйте его заново, без изменений.",
                    "The puzzle code is damaged: its checksum does not match. Copy it "
                    "again, unchanged."));
    }
    const ReadBody read = ReadBodyOf(body);
    if (read.cutShort) {
        return Failure(kCutShort);
    }
    if (read.beyondCanvas) {
        return Failure(kBeyondCanvas);
    }
    if (std::optional<Failure> problem = CodeProblem(read.data)) {
        return *problem;
    }
    if (read.malformed || PuzzleCodeOfBody(BodyOf(read.data)) != code) {
        return Failure(Problem("Код задания записан не так, как его пишет игра.",
                               "The puzzle code is not written the way the game writes codes."));
    }
    return read.data;
}

}  // namespace tessellix
