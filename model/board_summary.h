#pragma once

#include <vector>

#include "library/bilingual_text.h"

namespace tessellix {

class PlaySession;

// What Describe board says, so that a player who cannot see the board need not walk it cell by
// cell: the free cells, their edge-joined regions (size and first place of each, in reading
// order of first cells), which of them no elements can fill because their size is no multiple
// of five, and the elements left, by letter in alphabetical order.
// cells: the puzzle's side x side matrix during play (1 free, 2 covered); left: element indices.
BilingualText BoardSummary(const std::vector<int>& cells, int side, const std::vector<int>& left);
// The same for the session's board; the element in the hand is one of those left.
BilingualText BoardSummary(const PlaySession& session);

}  // namespace tessellix
