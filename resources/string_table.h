#pragma once

#include "library/bilingual_text.h"

namespace tessellix {

// The program's string table: numbered texts in both languages. Empty for a number that the
// table does not hold, and for an entry stored without '#'.
BilingualText StringTableText(int number);

}  // namespace tessellix
