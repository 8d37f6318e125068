#pragma once

#include <string>
#include <vector>

namespace tessellix {

// An n x n row-major matrix from an ASCII picture: 'X' or '#' for a cell (1), 'o' for a covered
// cell (2), anything else empty.
// The picture starts at (column, row) of the matrix.
inline std::vector<int> AsciiGrid(const std::vector<std::string>& picture, int n, int column = 0,
                                  int row = 0) {
    std::vector<int> grid(static_cast<std::size_t>(n) * n, 0);
    for (std::size_t r = 0; r < picture.size(); ++r) {
        for (std::size_t c = 0; c < picture[r].size(); ++c) {
            const char cell = picture[r][c];
            if (cell == 'X' || cell == '#' || cell == 'o') {
                grid[(row + r) * n + column + c] = cell == 'o' ? 2 : 1;
            }
        }
    }
    return grid;
}

// The shape's matrix as an ASCII picture, one string per row.
template <typename Shape>
std::vector<std::string> AsciiRows(const Shape& shape) {
    std::vector<std::string> rows;
    for (int r = 0; r < shape.side; ++r) {
        std::string line;
        for (int c = 0; c < shape.side; ++c) {
            line += shape.Cell(r, c) == 0 ? '.' : shape.Cell(r, c) == 1 ? 'X' : 'o';
        }
        rows.push_back(line);
    }
    return rows;
}

}  // namespace tessellix
