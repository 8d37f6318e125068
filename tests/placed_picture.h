#pragma once

#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "model/element_set.h"
#include "solver/board_questions.h"

namespace tessellix {

// Boards of the solver's tests drawn in ASCII on the game's 31 x 31 cell matrix.
inline constexpr int kGrid = 31;

using Picture = std::vector<std::string>;

// A board drawn in ASCII: ' ' is no puzzle cell, '.' a free cell, a letter of ILYNVTZFWUXP a
// cell covered by that element. The used elements are `used`; `order` names the placed ones in
// the order they were placed.
struct Board {
    Picture picture;
    QString used;
    QString order;
};

inline int ElementOf(QChar letter) {
    return static_cast<int>(std::string(kElementLetters).find(letter.toLatin1()));
}

inline unsigned Elements(const QString& letters) {
    unsigned mask = 0;
    for (QChar letter : letters) {
        mask |= 1u << ElementOf(letter);
    }
    return mask;
}

inline QString Letters(const std::vector<int>& elements) {
    QString letters;
    for (int element : elements) {
        letters += QChar(kElementLetters[element]);
    }
    return letters;
}

inline std::vector<int> Grid(const Picture& picture) {
    std::vector<int> grid(kGrid * kGrid, 0);
    for (std::size_t r = 0; r < picture.size(); ++r) {
        for (std::size_t c = 0; c < picture[r].size(); ++c) {
            grid[r * kGrid + c] = picture[r][c] != ' ' ? 1 : 0;
        }
    }
    return grid;
}

// The solver's placement whose cells are the letter's cells of the picture.
inline PlacedElement PlacedFrom(const TilingSolver& solver, const Picture& picture, QChar letter) {
    const int element = ElementOf(letter);
    std::uint64_t mask = 0;
    for (std::size_t r = 0; r < picture.size(); ++r) {
        for (std::size_t c = 0; c < picture[r].size(); ++c) {
            if (picture[r][c] == letter.toLatin1()) {
                mask |= std::uint64_t{1} << solver.Region().IndexOf(r, c);
            }
        }
    }
    for (const TilingSolver::PlacementInfo& info : solver.Placements()) {
        if (info.element == element && info.mask == mask) {
            return {element, info.placement};
        }
    }
    qFatal("no placement of %c in the picture", letter.toLatin1());
}

inline std::vector<PlacedElement> Placed(const TilingSolver& solver, const Board& board) {
    std::vector<PlacedElement> placed;
    for (QChar letter : board.order) {
        placed.push_back(PlacedFrom(solver, board.picture, letter));
    }
    return placed;
}

inline std::uint64_t MaskOf(const TilingSolver& solver, const PlacedElement& placed) {
    for (const TilingSolver::PlacementInfo& info : solver.Placements()) {
        if (info.element == placed.element && info.placement == placed.placement) {
            return info.mask;
        }
    }
    return 0;
}

}  // namespace tessellix
