#pragma once

#include "library/bilingual_text.h"
#include "library/level_words.h"
#include "model/board_places.h"
#include "solver/step_explainer.h"

namespace tessellix {

// An explained step in words, its cells named as board places (places: of the puzzle's cells):
//   Region:  "The 4 free cells from row 5, column 9 cannot be covered." (from the region's
//            first cell in reading order)
//   Blocked: Check board's answer, CheckText, with the step's take-away
//   Cell:    "Only the L can cover row 3, column 1."
//   Element: "The X fits in one place only."
//   Guess:   "Nothing is forced here. Row 2, column 7 has the fewest ways: 3 (P, L, Y)."
BilingualText StepText(const ExplainedStep& step, const BoardPlaces& places);

// The option a solution path's guess takes: "Try the P there." / "Попробуем P."
BilingualText GuessTakenText(const ExplainedStep& step);

// What follows a step on a board that cannot be finished, Check board's "Take away"; empty for
// a step on a board that can.
BilingualText StepTakeAwayText(const ExplainedStep& step);

// The reason given with a level, from the puzzle's solution path:
//   "easy: 12 forced steps" when no guess is needed, else
//   "medium: 7 forced steps, then a guess among 3" (the steps before the first guess and that
//   guess's ways), "hard: a guess among 24 at the start" when no forced step comes first,
//   followed by ", 4 guesses in all" when there is more than one guess.
// Empty for a path that reaches no cover.
BilingualText LevelReasonText(Level level, const PathSummary& summary);

}  // namespace tessellix
