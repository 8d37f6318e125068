#pragma once

#include <span>

namespace tessellix {

class CommandHost;

// The numbers of the commands of both modes, named once; each has one row in CommandTable.
enum MenuCommand {
    kCommandNextPuzzle = 40011,
    kCommandReturn = 40014,
    kCommandPreviousPuzzle = 40015,
    kCommandSelectPuzzle = 40016,
    kCommandEditor = 40017,
    kCommandNew = 40018,
    kCommandOpen = 40019,
    kCommandSave = 40020,
    kCommandSaveAs = 40021,
    kCommandReset = 40022,
    kCommandHint = 40023,
    kCommandDelete = 40025,
    kCommandRussian = 40027,
    kCommandEnglish = 40028,
    kCommandUndo = 40030,
    kCommandRedo = 40031,
    kCommandGenerate = 40032,
    kCommandCopyCode = 40040,
    kCommandOpenCode = 40041,
    kCommandShowClock = 40050,
    kCommandStatistics = 40051,
    kCommandPuzzleOfTheDay = 40052,
    kCommandCountSolutions = 40060,
    kCommandCheckBoard = 40070,
    kCommandHintFromHere = 40071,
    kCommandShowMistakes = 40072,
    kCommandKeepBoards = 40073,
    kCommandZoomIn = 40080,
    kCommandZoomOut = 40081,
    kCommandElementLetters = 40090,
    kCommandColourBlindColours = 40091,
    kCommandExplainStep = 40092,
    kCommandDescribeBoard = 40093,
    kCommandNextPlace = 40094,
    kCommandPreviousPlace = 40095,
    kCommandAbout = 57664,
    kCommandExit = 57665,
    kCommandHelp = 57671,
};

// The mode whose menu bar and keys carry a command; in the other mode it is disabled.
enum class CommandMode { Play, Editor, Both };

// The popups of the two menu bars. Language lies inside Tools; None is for keys alone.
enum class MenuPopup { None, Puzzle, Tools, Language, Options, File, Help };

// One command: where its menu item stands, its text, its keys, its mode, when it is enabled,
// whether it carries a check mark, and what it runs.
struct Command {
    int number = 0;
    MenuPopup popup = MenuPopup::None;
    // Within a popup, a separator stands between neighbouring items of different groups.
    int group = 0;
    // "Russian#English", the part after a tab shown in the menu's key column.
    const char* text = "";
    // Qt's portable key names, such as "Ctrl+Shift+C" or "PgDown"; several apart by "; ".
    const char* keys = "";
    CommandMode mode = CommandMode::Play;
    // Asked only while its mode is on; null: enabled whenever its mode is on.
    bool (*enabled)(CommandHost& host) = nullptr;
    // Asked in either mode; null: no check mark.
    bool (*checked)(CommandHost& host) = nullptr;
    void (*run)(CommandHost& host) = nullptr;
};

// A popup of a menu bar: its title is string `titleString` of the string table, or fixed.
struct CommandPopup {
    MenuPopup popup = MenuPopup::None;
    CommandMode mode = CommandMode::Play;
    int titleString = 0;
    const char* fixedTitle = "";
    // A popup inside another one stands there as an item of `group`.
    MenuPopup parent = MenuPopup::None;
    int group = 0;
};

// Every command of both modes, each popup's items in their menu order.
std::span<const Command> CommandTable();
// Every popup, those of each menu bar in their order on it.
std::span<const CommandPopup> PopupTable();
// Null for a number that no command has.
const Command* FindCommand(int number);

}  // namespace tessellix
