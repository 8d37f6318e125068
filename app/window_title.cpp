#include "app/window_title.h"

#include <QWidget>

#include "model/play_clock.h"
#include "platform/window_text.h"
#include "play/play_commands.h"

namespace tessellix {

namespace {

// Numbers of the string table.
constexpr int kCreationTitle = 1000;
constexpr int kEditorTitle = 1001;
constexpr int kPlayTitle = 1002;

constexpr int kNoticeMs = 2000;

}  // namespace

WindowTitle::WindowTitle(QWidget& shown, const PlayCommands& playCommands,
                         const PlayClock& playClock)
    : window(shown), commands(playCommands), clock(playClock) {
    noticeTimer.setSingleShot(true);
    noticeTimer.setInterval(kNoticeMs);
    connect(&noticeTimer, &QTimer::timeout, this, [this] {
        notice.reset();
        Refresh();
    });
}

QString WindowTitle::CreationTitle() {
    return PickLanguage(kCreationTitle);
}

void WindowTitle::SetEditorOpen(bool open) {
    if (open != editorOpen) {
        notice.reset();
        noticeTimer.stop();
    }
    editorOpen = open;
    Refresh();
}

void WindowTitle::SetClockShown(bool shown) {
    clockShown = shown;
    Refresh();
}

void WindowTitle::Refresh() {
    const QString title = notice       ? Shown(*notice)
                          : editorOpen ? PickLanguage(kEditorTitle)
                                       : PlayTitle();
    if (window.windowTitle() != title) {
        window.setWindowTitle(title);
    }
}

void WindowTitle::ShowNotice(const BilingualText& text) {
    notice = text;
    noticeTimer.start();
    Refresh();
}

QString WindowTitle::PlayTitle() const {
    if (!clockShown) {
        return PickLanguage(kPlayTitle);
    }
    return Shown(commands.PuzzleName()) + QStringLiteral(" — ") +
           QString::fromStdString(ElapsedText(clock.ElapsedSeconds()));
}

}  // namespace tessellix
