#include "play/background_generation.h"

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

const BilingualText kProgressCaption{"Создание задания", "Generating a puzzle"};
const BilingualText kCancelText{"Отмена", "Cancel"};
const BilingualText kRunFailed{"Создание задания прервано ошибкой: ",
                               "Generating the puzzle stopped with an error: "};

QString TriedText(int tries) {
    return Shown(
        BilingualText().Say("Испробовано фигур: ", "Shapes tried: ").Add(std::to_string(tries)));
}

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

Result<GeneratedPuzzle> RunInBackground(const GeneratorJob& job, QWidget* owner) {
    const WaitCursor wait;
    QProgressDialog progress(owner);
    progress.setObjectName(QStringLiteral("generationProgress"));
    progress.setWindowTitle(Shown(kProgressCaption));
    progress.setLabelText(TriedText(0));
    progress.setCancelButtonText(Shown(kCancelText));
    progress.setRange(0, 0);
    progress.setWindowModality(Qt::WindowModal);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    const InputGuard guard(progress);

    std::atomic<bool> cancel{false};
    std::atomic<int> tries{0};
    const auto stop = [&cancel] { cancel = true; };
    QObject::connect(&progress, &QProgressDialog::canceled, stop);
    QObject::connect(&progress, &QDialog::rejected, stop);
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &progress,
                     [&progress, &tries] { progress.setLabelText(TriedText(tries)); });
    bool shown = false;
    QTimer::singleShot(kProgressDelayMs, &progress, [&progress, &poll, &shown] {
        shown = true;
        progress.show();
        poll.start(kProgressPollMs);
    });

    QEventLoop loop;
    GeneratedPuzzle result;
    std::optional<Failure> failure;
    std::thread worker([&] {
        // Nothing may leave the thread: an exception there would end the program.
        try {
            result = job(cancel, [&tries](int count) { tries = count; });
        } catch (const std::exception& exception) {
            failure = Failure(BilingualText(kRunFailed).Add(exception.what()));
        } catch (...) {
            failure =
                Failure(BilingualText(kRunFailed).Say("неизвестная ошибка", "an unknown error"));
        }
        QMetaObject::invokeMethod(
            &loop, [&loop] { loop.quit(); }, Qt::QueuedConnection);
    });
    loop.exec();
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
    return result;
}

}  // namespace tessellix
