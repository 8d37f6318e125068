#include "app/main_window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <algorithm>

#include "editor/editor_commands.h"
#include "editor/editor_window.h"
#include "library/settings.h"
#include "model/play_clock.h"
#include "platform/help_viewer.h"
#include "platform/message_box.h"
#include "platform/window_text.h"
#include "play/board_reader.h"
#include "play/board_view.h"
#include "play/clock_watch.h"
#include "play/play_canvas.h"

namespace tessellix {

namespace {

const BilingualText kHelpCaption{"Справка", "Help"};
const BilingualText kSettingsCaption{"Настройки", "Settings"};
const BilingualText kSettingsNotKept{
    "\nДо нового запуска игры настройки и отметки о решённых заданиях не сохраняются.",
    "\nUntil the game is started again, settings and solved marks are not saved."};

}  // namespace

MainWindow::MainWindow(PuzzleLibrary& library, Settings& store, QWidget* parent)
    : QMainWindow(parent),
      settings(store),
      canvas(new PlayCanvas(this)),
      board(new BoardView(library, *canvas, this)),
      commands(*board, settings, this),
      clockWatch(new ClockWatch(board->Session().Clock(), *this)),
      title(*this, commands, board->Session().Clock()),
      menus(*this, *this) {
    setCentralWidget(canvas);
    new BoardReader(*board, *canvas);
    canvas->setFocus();
    setWindowTitle(WindowTitle::CreationTitle());
    RefreshMenuTexts();
    SetZoom(settings.ReadZoomSetting());
    connect(board, &BoardView::solved, this, &MainWindow::OnSolved);
    connect(clockWatch, &ClockWatch::tick, &title, &WindowTitle::Refresh);
    ShowClock(settings.ReadShowClockSetting());
    board->SetShowMistakes(settings.ReadShowMistakesSetting());
    board->SetElementLook({settings.ReadColourBlindColoursSetting() ? ElementPalette::ColourBlind
                                                                    : ElementPalette::Standard,
                           settings.ReadElementLettersSetting()});
    settings.SetFailureListener([this](const Failure& failure) {
        ShowMessage(this, BilingualText(failure.Message()).Add(kSettingsNotKept), kSettingsCaption,
                    MessageIcon::Exclamation, MessageButtons::Ok);
    });
    if (board->Session().StartProblem()) {
        QTimer::singleShot(0, this, [this] { commands.ShowStartProblem(); });
    }
    QTimer::singleShot(0, this, [this] { commands.CheckRecords(); });
}

MainWindow::~MainWindow() {
    settings.SetFailureListener({});
}

bool MainWindow::LibraryNonEmpty() const {
    return board->Session().LibraryNonEmpty();
}

void MainWindow::RefreshMenuTexts() {
    menus.Relabel();
    title.SetEditorOpen(EditorOpen());
    menus.ShowMenuOfMode();
    menus.UpdateStates();
}

void MainWindow::ShowClock(bool shown) {
    title.SetClockShown(shown);
    clockWatch->SetTicking(shown);
    menus.UpdateStates();
}

void MainWindow::SetZoom(int factor) {
    const QRect workArea = screen()->availableGeometry();
    const int largest =
        std::min(workArea.width() / PixelView::kWidth,
                 (workArea.height() - menuBar()->sizeHint().height()) / PixelView::kHeight);
    const int zoom = std::clamp(factor, 1, std::max(largest, 1));
    canvas->SetZoom(zoom);
    if (editor != nullptr) {
        editor->SetZoom(zoom);
    }
    if (isVisible()) {
        // The layout has fixed the window to the canvas's new size; keep it on the screen.
        adjustSize();
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), workArea).topLeft());
    }
}

int MainWindow::Zoom() const {
    return canvas->Zoom();
}

void MainWindow::ChangeZoom(int step) {
    SetZoom(Zoom() + step);
    settings.WriteZoomSetting(Zoom());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (editor != nullptr && !EditorCommands(*editor, settings).MayLeave()) {
        event->ignore();
        return;
    }
    commands.KeepBoard();
    QMainWindow::closeEvent(event);
}

void MainWindow::EnterEditor() {
    commands.KeepBoard();
    board->PutHeldHome();
    editor.reset();
    editor = std::make_unique<EditorWindow>(board->Session().Library(), board->Session(), canvas);
    editor->SetZoom(Zoom());
    editor->show();
    editor->setFocus();
    clockWatch->SetEditorOpen(true);
    RefreshMenuTexts();
}

void MainWindow::LeaveEditor() {
    if (EditorCommands(*editor, settings).MayLeave()) {
        ReturnToPlay();
    }
}

void MainWindow::ReturnToPlay() {
    editor.reset();
    board->Session().StartAfresh();
    clockWatch->SetEditorOpen(false);
    canvas->setFocus();
    RefreshMenuTexts();
}

void MainWindow::SetLanguage(Language language) {
    if (language == CurrentLanguage()) {
        return;
    }
    SetCurrentLanguage(language);
    settings.WriteLanguageSetting(language);
    RefreshMenuTexts();
    board->RedrawTitle();
}

void MainWindow::ShowHelp() {
    const int topic = (EditorOpen() ? 1 : 0) + (CurrentLanguage() == Language::English ? 2 : 0);
    if (const std::optional<Failure> failure = ShowHelpTopic(this, topic)) {
        ShowMessage(this, failure->Message(), kHelpCaption, MessageIcon::Exclamation,
                    MessageButtons::Ok);
    }
}

void MainWindow::OnSolved() {
    emit puzzleSolved();
    commands.OnSolved();
}

}  // namespace tessellix
