#include "model/element_set.h"

namespace tessellix {

const std::array<StandardElement, ElementSet::kCount> kStandardElements{{
    {{"X....", "X....", "X....", "X....", "X...."}, 1, 5, {255, 0, 0}},
    {{"XX...", ".X...", ".X...", ".X...", "....."}, 1, 11, {0, 255, 0}},
    {{".X...", "XX...", ".X...", ".X...", "....."}, 1, 16, {0, 0, 255}},
    {{"X....", "XX...", ".X...", ".X...", "....."}, 1, 21, {255, 255, 0}},
    {{"XXX..", "X....", "X....", ".....", "....."}, 1, 1, {255, 0, 255}},
    {{"XXX..", ".X...", ".X...", ".....", "....."}, 6, 1, {0, 255, 255}},
    {{"XX...", ".X...", ".XX..", ".....", "....."}, 11, 1, {192, 0, 0}},
    {{"XX...", ".XX..", ".X...", ".....", "....."}, 16, 1, {0, 192, 0}},
    {{"X....", "XX...", ".XX..", ".....", "....."}, 21, 1, {0, 0, 192}},
    {{"XX...", "X....", "XX...", ".....", "....."}, 26, 1, {192, 0, 192}},
    {{".X...", "XXX..", ".X...", ".....", "....."}, 31, 1, {192, 192, 0}},
    {{"X....", "XX...", "XX...", ".....", "....."}, 36, 1, {0, 192, 192}},
}};

std::array<int, 25> StandardMatrix(const StandardElement& element) {
    std::array<int, 25> matrix{};
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 5; ++c) {
            matrix[r * 5 + c] = element.rows[r][c] == 'X' ? 1 : 0;
        }
    }
    return matrix;
}

Rgb ElementFill(const ElementLook& look, int element) {
    return look.palette == ElementPalette::ColourBlind ? kColourBlindFills[element]
                                                       : kStandardElements[element].fill;
}

void ElementSet::BuildStandardElements() {
    for (int i = 0; i < kCount; ++i) {
        const StandardElement& row = kStandardElements[i];
        elements[i].Create(i, StandardMatrix(row), row.baseColumn, row.baseRow, row.fill, 0);
    }
    SetLook(look);
}

void ElementSet::SetLook(const ElementLook& newLook) {
    look = newLook;
    for (int i = 0; i < kCount; ++i) {
        elements[i].fillColour = ElementFill(look, i);
        elements[i].letter = look.LettersShown() ? kElementLetters[i] : '\0';
    }
}

}  // namespace tessellix
