#pragma once

// Puzzle files assembled field by field from the file layout, independently of the writer, so
// that tests can compare the writer with them and feed the readers exact bytes.

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/ascii_grid.h"

namespace tessellix {

using namespace std::string_literals;

struct HandFile {
    std::string signature = "Tessellix";
    // Byte 0: bit 0 used, bit 7 placed; byte 1: mirrored * 8 + rotation * 2; bytes 2, 3:
    // column and row as signed bytes.
    std::array<std::array<std::uint8_t, 4>, 12> records = [] {
        std::array<std::array<std::uint8_t, 4>, 12> used{};
        for (auto& record : used) {
            record = {0x01, 0x00, 0x00, 0x00};
        }
        return used;
    }();
    std::array<std::uint32_t, 31> rows{};  // bit c of word r: the cell in column c, row r
    std::string reserved = std::string(32, '\0');
    std::string text;  // the text block, Windows-1251, running to the end of the file

    // Sets the row words from a picture whose top-left corner is at (column, row).
    HandFile& Cells(const std::vector<std::string>& picture, int column = 0, int row = 0) {
        rows = {};
        for (std::size_t r = 0; r < picture.size(); ++r) {
            for (std::size_t c = 0; c < picture[r].size(); ++c) {
                if (picture[r][c] == '#' || picture[r][c] == 'X') {
                    rows[row + r] |= std::uint32_t{1} << (column + c);
                }
            }
        }
        return *this;
    }

    std::string Bytes() const {
        std::string bytes = signature;
        for (const auto& record : records) {
            bytes.append(record.begin(), record.end());
        }
        for (const std::uint32_t word : rows) {
            bytes += static_cast<char>(word & 0xFF);
            bytes += static_cast<char>((word >> 8) & 0xFF);
            bytes += static_cast<char>((word >> 16) & 0xFF);
            bytes += static_cast<char>((word >> 24) & 0xFF);
        }
        return bytes + reserved + text;
    }
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace tessellix
