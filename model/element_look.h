#pragma once

#include <array>

#include "model/draw_surface.h"

namespace tessellix {

// The two sets of element fills. The colour-blind one keeps every pair of fills, and each fill
// from the bands' grey and a free cell's white, at least 12 apart (CIE76) under full
// protanopia, deuteranopia and tritanopia as Machado, Oliveira and Fernandes simulate them.
enum class ElementPalette { Standard, ColourBlind };

// By element index, in the order of kElementLetters.
inline constexpr std::array<Rgb, 12> kColourBlindFills{{
    {88, 11, 61},
    {168, 255, 117},
    {236, 119, 0},
    {196, 4, 252},
    {65, 176, 247},
    {5, 46, 2},
    {61, 9, 99},
    {38, 255, 164},
    {67, 42, 170},
    {174, 190, 217},
    {16, 113, 155},
    {167, 104, 69},
}};

// How elements are told apart besides their shape: the fills they are drawn in, and whether
// each shows its letter on one of its cells. Both options are the player's.
struct ElementLook {
    ElementPalette palette = ElementPalette::Standard;
    bool letters = false;

    // Colour alone is never the only sign of the colour-blind fills.
    bool LettersShown() const { return letters || palette == ElementPalette::ColourBlind; }
};

// Black on a light fill, white on a dark one: whichever contrasts more with it.
Rgb LetterColourOn(Rgb fill);

}  // namespace tessellix
