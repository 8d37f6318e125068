#pragma once

#include <QObject>
#include <QTimer>

class QWidget;

namespace tessellix {

class PlayClock;

// Holds the play clock while nobody plays: the window minimised, another application active,
// or editor mode on. While the clock is shown it ticks a few times a second, so that a title
// showing whole seconds never lags by more than that.
class ClockWatch : public QObject {
    Q_OBJECT
  public:
    ClockWatch(PlayClock& clock, QWidget& window);

    void SetEditorOpen(bool open);
    void SetTicking(bool ticking);

  signals:
    void tick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void UpdatePause();

    PlayClock& clock;
    QWidget& window;
    QTimer ticker;
    // Known only from the changes the system reports: a window that was never told is active.
    bool inBackground = false;
    bool editorOpen = false;
};

}  // namespace tessellix
