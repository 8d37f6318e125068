#pragma once

#include "library/bilingual_text.h"

class QMainWindow;

namespace tessellix {

class BoardView;
class EditorWindow;
class PlayCommands;
class Settings;
class WindowTitle;

// What the commands of the menus and keys act on: the window that hosts both modes, with the
// board, the play commands and, in editor mode, the editor.
class CommandHost {
  public:
    virtual ~CommandHost() = default;

    virtual QMainWindow& Window() = 0;
    virtual BoardView& Board() = 0;
    virtual PlayCommands& Commands() = 0;
    virtual Settings& Store() = 0;
    virtual WindowTitle& Title() = 0;
    // The editor while editor mode is on, else nullptr.
    virtual EditorWindow* Editor() const = 0;
    virtual bool LibraryNonEmpty() const = 0;

    // Editor mode begins with a fresh editor over the canvas, any editor before it dropped.
    virtual void EnterEditor() = 0;
    // Back to play, once a changed drawing is saved or given up; stays when the player cancels.
    virtual void LeaveEditor() = 0;
    virtual void SetLanguage(Language language) = 0;
    virtual void ShowHelp() = 0;
    virtual void ShowClock(bool shown) = 0;
    // By whole steps, in both modes; the factor is remembered.
    virtual void ChangeZoom(int step) = 0;
};

}  // namespace tessellix
