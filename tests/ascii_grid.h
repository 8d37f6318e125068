#pragma once

#include <QString>
#include <set>
#include <string>
#include <utility>
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

// The mask of the elements named by their letters, ILYNVTZFWUXP for bits 0 to 11, either case.
inline unsigned ElementsOf(const QString& letters) {
    unsigned mask = 0;
    for (const QChar letter : letters.toUpper()) {
        mask |= 1u << QString("ILYNVTZFWUXP").indexOf(letter);
    }
    return mask;
}

using Cell = std::pair<int, int>;  // row, column

// The set cells of an n x n row-major matrix.
inline std::set<Cell> CellsOf(const std::vector<int>& grid, int n) {
    std::set<Cell> cells;
    for (int i = 0; i < n * n; ++i) {
        if (grid[i] != 0) {
            cells.insert({i / n, i % n});
        }
    }
    return cells;
}

}  // namespace tessellix
