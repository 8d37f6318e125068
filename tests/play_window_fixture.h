#pragma once

#include <QApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QWheelEvent>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "editor/editor_window.h"
#include "library/bilingual_text.h"
#include "library/puzzle_library.h"
#include "library/settings.h"
#include "model/puzzle_shape.h"
#include "platform/message_box.h"
#include "play/board_view.h"
#include "play/play_canvas.h"
#include "tests/puzzle_bytes.h"

namespace tessellix {

// How often RunWithDialog looks again for the dialog it is to answer.
inline constexpr int kDialogPollMs = 10;

// A real main window over a temporary data folder holding the given puzzle files (none: the
// built-in puzzle), with the settings file in a temporary folder too, and a player's mouse on
// its canvas. Message boxes are recorded and answered from `answers`, then with OK, Yes, or No
// where Cancel is offered too.
class PlayWindowFixture {
  public:
    explicit PlayWindowFixture(const std::map<std::string, std::string>& files = {}) {
        for (const auto& [name, bytes] : files) {
            WriteBytes(DataPath(name), bytes);
        }
        SetMessageResponder([this](const MessageRequest& request) {
            messages.append(request);
            if (!answers.isEmpty()) {
                return answers.takeFirst();
            }
            switch (request.buttons) {
                case MessageButtons::YesNo:
                    return MessageResult::Yes;
                case MessageButtons::YesNoCancel:
                    return MessageResult::No;
                case MessageButtons::Ok:
                case MessageButtons::OkAction:
                    break;
            }
            return MessageResult::Ok;
        });
        library.ScanDataFolder(dataFolder.path().toStdString());
        window = std::make_unique<MainWindow>(library, settings);
    }
    ~PlayWindowFixture() {
        window.reset();
        SetMessageResponder({});
        SetCurrentLanguage(Language::Russian);
    }

    std::string DataPath(const std::string& name) const {
        return dataFolder.filePath(QString::fromStdString(name)).toStdString();
    }
    std::string SettingsPath() const {
        return settingsFolder.filePath("tessellix.ini").toStdString();
    }
    // The settings' mark of each file: '.' none, '1' solved, '2' solved after a hint.
    QString SolvedMarks(const std::vector<std::string>& fileNames) const {
        QString shown;
        for (const SolvedMark mark : settings.ReadSolvedMarks(fileNames)) {
            shown += QChar(mark == SolvedMark::None ? '.' : '0' + static_cast<int>(mark));
        }
        return shown;
    }
    QStringList MessageTexts() const {
        QStringList texts;
        for (const MessageRequest& request : messages) {
            texts << request.text;
        }
        return texts;
    }
    // Runs a command whose modal dialog `answer` handles as the player would.
    void RunWithDialog(int command, const std::function<void(QDialog&)>& answer) {
        RunWithDialog([this, command] { window->RunCommand(command); }, answer);
    }
    void RunWithDialog(const std::function<void()>& act,
                       const std::function<void(QDialog&)>& answer) {
        bool answered = false;
        QTimer timer;  // gone with this call, so it never answers a later dialog
        timer.setSingleShot(true);
        // A search off the GUI thread may come first: its progress is no dialog to answer.
        QObject::connect(&timer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || qobject_cast<QProgressDialog*>(dialog) != nullptr) {
                timer.start(kDialogPollMs);
                return;
            }
            answered = true;
            answer(*dialog);
        });
        timer.start(0);
        act();
        QVERIFY(answered);
    }

    MainWindow& Window() { return *window; }
    BoardView& Board() { return window->Board(); }
    PlaySession& Session() { return Board().Session(); }
    PlayCanvas& Canvas() { return window->Canvas(); }
    const QImage& Shown() { return Board().WindowSurface().Image(); }
    Element& ElementAt(int index) { return Session().Elements()[index]; }
    PuzzleShape& Puzzle() { return Session().Puzzle(); }

    void Press(QPoint point, Qt::MouseButton button = Qt::LeftButton) {
        Send(QEvent::MouseButtonPress, point, button, button);
    }
    void Release(QPoint point, Qt::MouseButton button = Qt::LeftButton) {
        Send(QEvent::MouseButtonRelease, point, button, Qt::NoButton);
    }
    void Move(QPoint point) { Send(QEvent::MouseMove, point, Qt::NoButton, Qt::LeftButton); }
    void Click(QPoint point, Qt::MouseButton button = Qt::LeftButton) {
        Press(point, button);
        Release(point, button);
    }
    // The order in which the system reports a double-click.
    void DoubleClick(QPoint point, Qt::MouseButton button = Qt::LeftButton) {
        Press(point, button);
        Release(point, button);
        Send(QEvent::MouseButtonDblClick, point, button, button);
        Release(point, button);
    }
    // Notches of the wheel at point: positive away from the player.
    void Wheel(QPoint point, int notches) {
        constexpr int kNotch = 120;
        QWheelEvent wheel(QPointF(point), Canvas().mapToGlobal(QPointF(point)), QPoint(),
                          QPoint(0, notches * kNotch), Qt::LeftButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&Canvas(), &wheel);
    }
    // What a full composition of the board draws now: the background, every used element in
    // index order, the marks, and the held one over them.
    QImage FullComposition() {
        ImageSurface fresh(kPictureWidth, kPictureHeight);
        fresh.CopyFrom(Board().BackgroundImage(), {0, 0, kPictureWidth, kPictureHeight}, {0, 0});
        const int held = Session().PlayerHand().held;
        for (const Element& element : Session().Elements()) {
            if (element.excluded == 0 && element.id != held) {
                element.Draw(fresh, kCellSize, true);
            }
        }
        for (const int marked : Session().Marked()) {
            ElementAt(marked).DrawMark(fresh);
        }
        Session().StepMarked().Draw(fresh, {Puzzle().x, Puzzle().y});
        if (held >= 0) {
            ElementAt(held).Draw(fresh, kCellSize, true);
        }
        return fresh.Image();
    }
    // Picks at `from`, moves in a few steps and drops at `to`.
    void Drag(QPoint from, QPoint to) {
        Press(from);
        const QPoint step = (to - from) / 3;
        Move(from + step);
        Move(from + 2 * step);
        Move(to);
        Release(to);
    }
    // Drags element `index` by the middle of its first cell so that its top-left corner
    // lands on `corner`.
    void DragElementTo(int index, QPoint corner) {
        const Element& element = ElementAt(index);
        QPoint grab;
        for (int cell = 0; cell < element.side * element.side; ++cell) {
            if (element.cells[cell] != 0) {
                grab = QPoint(cell % element.side * 15 + 7, cell / element.side * 15 + 7);
                break;
            }
        }
        Drag(QPoint(element.x, element.y) + grab, corner + grab);
    }

    QTemporaryDir dataFolder;
    QTemporaryDir settingsFolder;
    Settings settings{SettingsPath()};
    PuzzleLibrary library;
    QList<MessageRequest> messages;
    QList<MessageResult> answers;

  private:
    // To the canvas, or to the editor when it covers the canvas.
    void Send(QEvent::Type type, QPoint point, Qt::MouseButton button, Qt::MouseButtons buttons) {
        QWidget* target =
            window->Editor() != nullptr ? static_cast<QWidget*>(window->Editor()) : &Canvas();
        QMouseEvent event(type, QPointF(point), target->mapToGlobal(QPointF(point)), button,
                          buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    }

    std::unique_ptr<MainWindow> window;
};

}  // namespace tessellix
