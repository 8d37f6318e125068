#pragma once

#include <QObject>
#include <QTimer>
#include <optional>

#include "library/bilingual_text.h"

class QWidget;

namespace tessellix {

class PlayClock;
class PlayCommands;

// The main window's title in the current language: the editor's in editor mode; in play
// "Tessellix", or with the clock shown the puzzle's name and the time taken. A notice stands in
// for it for a moment, so that a command that shows nothing else is seen to have worked.
class WindowTitle : public QObject {
    Q_OBJECT
  public:
    WindowTitle(QWidget& window, const PlayCommands& commands, const PlayClock& clock);

    // The title with which the window is made, before the first Refresh.
    static QString CreationTitle();

    // A change of mode ends a notice.
    void SetEditorOpen(bool open);
    void SetClockShown(bool shown);
    bool ClockShown() const { return clockShown; }
    // Puts the title as it reads now on the window, when it differs.
    void Refresh();
    // Shows text as the title for two seconds; then the title is as it would have been.
    void ShowNotice(const BilingualText& text);

  private:
    QString PlayTitle() const;

    QWidget& window;
    const PlayCommands& commands;
    const PlayClock& clock;
    bool editorOpen = false;
    bool clockShown = false;
    std::optional<BilingualText> notice;
    QTimer noticeTimer;
};

}  // namespace tessellix
