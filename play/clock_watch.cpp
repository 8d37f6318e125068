#include "play/clock_watch.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#include "model/play_clock.h"

namespace tessellix {

namespace {

constexpr int kTickMs = 250;

}  // namespace

ClockWatch::ClockWatch(PlayClock& playClock, QWidget& watched)
    : QObject(&watched), clock(playClock), window(watched) {
    ticker.setInterval(kTickMs);
    connect(&ticker, &QTimer::timeout, this, &ClockWatch::tick);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                inBackground = state != Qt::ApplicationActive;
                UpdatePause();
            });
    window.installEventFilter(this);
}

void ClockWatch::SetEditorOpen(bool open) {
    editorOpen = open;
    UpdatePause();
}

void ClockWatch::SetTicking(bool ticking) {
    if (ticking) {
        ticker.start();
    } else {
        ticker.stop();
    }
}

bool ClockWatch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window && event->type() == QEvent::WindowStateChange) {
        UpdatePause();
    }
    return false;
}

void ClockWatch::UpdatePause() {
    clock.SetPaused(window.isMinimized() || inBackground || editorOpen);
}

}  // namespace tessellix
