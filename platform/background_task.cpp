#include "platform/background_task.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <QWindow>
#include <exception>
#include <optional>
#include <thread>

#include "platform/wait_cursor.h"
#include "platform/window_text.h"

namespace tessellix {

namespace {

constexpr int kProgressPollMs = 100;

const BilingualText kCancelText{"Отмена", "Cancel"};

// While it lives, keys, clicks, shortcuts and the closing of windows reach only `allowed`: the
// rest of the program must not change under a run.
class InputGuard : public QObject {
  public:
    explicit InputGuard(QWidget& allowed) : allowed(allowed) { qApp->installEventFilter(this); }
    ~InputGuard() override { qApp->removeEventFilter(this); }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::Wheel:
            case QEvent::ContextMenu:
            case QEvent::Shortcut:
            case QEvent::Close:
                return !IsAllowed(watched);
            default:
                return false;
        }
    }

  private:
    bool IsAllowed(QObject* watched) const {
        if (const auto* widget = qobject_cast<QWidget*>(watched)) {
            return widget->window() == &allowed;
        }
        const auto* window = qobject_cast<QWindow*>(watched);
        return window != nullptr && window == allowed.windowHandle();
    }

    QWidget& allowed;
};

}  // namespace

void TaskProgress::Set(const BilingualText& now) {
    const std::lock_guard lock(mutex);
    text = now;
}

BilingualText TaskProgress::Get() const {
    const std::lock_guard lock(mutex);
    return text;
}

Result<bool> RunInBackground(const BackgroundJob& job, const BackgroundLook& look, QWidget* owner) {
    const WaitCursor wait;
    QProgressDialog dialog(owner);
    dialog.setObjectName(look.objectName);
    dialog.setWindowTitle(Shown(look.caption));
    dialog.setLabelText(Shown(look.firstLabel));
    dialog.setCancelButtonText(Shown(kCancelText));
    dialog.setRange(0, 0);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    const InputGuard guard(dialog);

    std::atomic<bool> cancel{false};
    TaskProgress progress;
    progress.Set(look.firstLabel);
    const auto stop = [&cancel] { cancel = true; };
    QObject::connect(&dialog, &QProgressDialog::canceled, stop);
    QObject::connect(&dialog, &QDialog::rejected, stop);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &dialog,
                     [&dialog, &progress] { dialog.setLabelText(Shown(progress.Get())); });
    bool shown = false;
    QTimer::singleShot(kProgressDelayMs, &dialog, [&dialog, &poll, &shown] {
        shown = true;
        dialog.show();
        poll.start(kProgressPollMs);
    });

    QEventLoop loop;
    std::optional<Failure> failure;
    std::thread worker([&] {
        // Nothing may leave the thread: an exception there would end the program.
        try {
            job(cancel, progress);
        } catch (const std::exception& exception) {
            failure = Failure(BilingualText(look.failed).Add(exception.what()));
        } catch (...) {
            failure =
                Failure(BilingualText(look.failed).Say("неизвестная ошибка", "an unknown error"));
        }
        QMetaObject::invokeMethod(
            &loop, [&loop] { loop.quit(); }, Qt::QueuedConnection);
    });
    loop.exec();
    const bool cancelled = cancel;
    // The loop also ends when the application quits; the job must not outlive this call.
    cancel = true;
    worker.join();
    // Without a window manager the keyboard would stay with the progress dialog once it is gone.
    if (owner != nullptr && shown) {
        owner->window()->activateWindow();
    }
    if (failure) {
        return *failure;
    }
    return cancelled;
}

}  // namespace tessellix
