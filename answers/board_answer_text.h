#pragma once

#include "library/bilingual_text.h"
#include "solver/board_questions.h"

namespace tessellix {

// The board's answers put into words, the same for the game's messages and the tool's output
// (which prints the English part).

// Check board's answer: "The board can still be finished in 2339 ways" ("in more than 10000
// ways" above the cap), or "The board cannot be finished. Take away: F, L." with the elements'
// letters, or that the puzzle has no solution at all.
BilingualText CheckText(const BoardCheck& check);

// Why Hint from here placed nothing: the board cannot be finished (in the words of CheckText),
// or it is solved already.
BilingualText HintRefusalText(const BoardHint& hint);

// A board with every element placed: "The board is solved."
BilingualText SolvedBoardText();

}  // namespace tessellix
