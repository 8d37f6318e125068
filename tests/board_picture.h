#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

#include "model/orientation_table.h"
#include "model/play_session.h"
#include "tests/ascii_grid.h"

namespace tessellix {

using Picture = std::vector<std::string>;

// Element by its letter: ILYNVTZFWUXP for 0..11.
inline int ElementOf(QChar letter) {
    return static_cast<int>(std::string_view(kElementLetters).find(letter.toLatin1()));
}

// The puzzle with each covered cell showing the letter of the element on it, 'X' a free cell.
// Fails when the matrix's covered cells are not exactly those of the placed elements.
inline Picture BoardPicture(const PlaySession& session) {
    Picture picture = AsciiRows(session.Puzzle());
    const BoardState state = session.State();
    for (int i = 0; i < ElementSet::kCount; ++i) {
        if (!state[i].placed) {
            continue;
        }
        const ElementOrientation& o = OrientationTable::Standard().State(i, state[i].orientation);
        for (int k = 0; k < kElementCells; ++k) {
            char& cell = picture[state[i].placed->row + o.cellRows[k]]
                                [state[i].placed->column + o.cellColumns[k]];
            cell = cell == 'o' ? kElementLetters[i] : '!';
        }
    }
    return picture;
}

// "V5 T0": the orientation of each element named.
inline QString Orientations(const PlaySession& session, const QString& letters) {
    QStringList shown;
    for (const QChar letter : letters) {
        shown << QString("%1%2").arg(letter).arg(session.Elements()[ElementOf(letter)].orientation);
    }
    return shown.join(' ');
}

}  // namespace tessellix
