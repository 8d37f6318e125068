#pragma once

namespace tessellix {

// The keys that play the board, as the play canvas reads them: Shift+Tab is Backtab,
// Shift+Space is ShiftSpace, and Enter is Return.
enum class BoardKey {
    Tab,
    Backtab,
    Left,
    Right,
    Up,
    Down,
    Space,
    ShiftSpace,
    Return,
    Escape,
    Delete
};

}  // namespace tessellix
