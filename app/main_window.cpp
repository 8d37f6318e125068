#include "app/main_window.h"

#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <span>
#include <utility>

#include "editor/editor_commands.h"
#include "editor/editor_window.h"
#include "library/settings.h"
#include "model/play_clock.h"
#include "platform/help_viewer.h"
#include "platform/message_box.h"
#include "platform/window_text.h"
#include "play/about_dialog.h"
#include "play/board_view.h"
#include "play/clock_watch.h"
#include "play/play_canvas.h"

namespace tessellix {

namespace {

// String numbers of the window titles and of the first popup title of each menu.
constexpr int kCreationTitle = 1000;
constexpr int kEditorTitle = 1001;
constexpr int kPlayTitle = 1002;
constexpr int kPlayMenuBase = 100;
constexpr int kEditorMenuBase = 200;

// A menu as its resource describes it. Texts are the resource's; all but the nested
// Language popup, its items and the last title are replaced from the string table.
struct MenuEntry {
    enum Kind { Popup, Item, Separator, SubPopup, SubItem } kind;
    int command;
    const char* text;
};

constexpr MenuEntry kPlayMenu[] = {
    {MenuEntry::Popup, 0, "&Задание"},
    {MenuEntry::Item, kCommandSelectPuzzle, "&Выбор задания\tF2"},
    {MenuEntry::Item, kCommandNextPuzzle, "&Следующее задание\tPgDn"},
    {MenuEntry::Item, kCommandPreviousPuzzle, "&Предыдущее задание\tPgUp"},
    {MenuEntry::Item, kCommandPuzzleOfTheDay, "Задание &дня\tCtrl+D"},
    {MenuEntry::Separator, 0, ""},
    {MenuEntry::Item, kCommandReset, "С&брос"},
    {MenuEntry::Item, kCommandUndo, "&Отменить ход\tCtrl+Z"},
    {MenuEntry::Item, kCommandRedo, "Ве&рнуть ход\tCtrl+Y"},
    {MenuEntry::Separator, 0, ""},
    {MenuEntry::Item, kCommandCopyCode, "&Копировать код задания\tCtrl+Shift+C"},
    {MenuEntry::Item, kCommandOpenCode, "О&ткрыть код задания…\tCtrl+Shift+V"},
    {MenuEntry::Separator, 0, ""},
    {MenuEntry::Item, kCommandExit, "В&ыход"},
    {MenuEntry::Popup, 0, "&Сервис"},
    {MenuEntry::Item, kCommandHint, "&Подсказка"},
    {MenuEntry::Item, kCommandCheckBoard, "Пр&оверка доски\tCtrl+K"},
    {MenuEntry::Item, kCommandHintFromHere, "Подсказка с &этого места\tCtrl+H"},
    {MenuEntry::Item, kCommandGenerate, "&Создать задание...\tCtrl+G"},
    {MenuEntry::Item, kCommandStatistics, "С&татистика..."},
    {MenuEntry::Separator, 0, ""},
    {MenuEntry::Item, kCommandEditor, "&Редактор"},
    {MenuEntry::Separator, 0, ""},
    {MenuEntry::SubPopup, 0, "&Language"},
    {MenuEntry::SubItem, kCommandRussian, "Russian"},
    {MenuEntry::SubItem, kCommandEnglish, "English"},
    {MenuEntry::Popup, 0, "&Настройки"},
    {MenuEntry::Item, kCommandShowClock, "Показывать &часы"},
    {MenuEntry::Item, kCommandShowMistakes, "Показывать &ошибки"},
    {MenuEntry::Item, kCommandKeepBoards, "&Хранить незаконченные доски"},
    {MenuEntry::Popup, 0, "&?"},
    {MenuEntry::Item, kCommandHelp, "&Вызов справки\tF1"},
    {MenuEntry::Separator, 0, ""},
    {MenuEntry::Item, kCommandAbout, "&О программе"},
};

constexpr MenuEntry kEditorMenu[] = {
    {MenuEntry::Popup, 0, "&Файл"},
    {MenuEntry::Item, kCommandNew, "&Новый \tCtrl+N"},
    {MenuEntry::Item, kCommandOpen, "&Открыть\tCtrl+O"},
    {MenuEntry::Item, kCommandDelete, "&Удалить"},
    {MenuEntry::Separator, 0, ""},
    {MenuEntry::Item, kCommandSave, "&Сохранить \tCtrl+S"},
    {MenuEntry::Item, kCommandSaveAs, "Сохранить &как..."},
    {MenuEntry::Item, kCommandCountSolutions, "&Подсчёт решений"},
    {MenuEntry::Separator, 0, ""},
    {MenuEntry::Item, kCommandReturn, "&Возврат в Tessellix"},
    {MenuEntry::Popup, 0, "&?"},
    {MenuEntry::Item, kCommandHelp, "&Вызов справки\tF1"},
    {MenuEntry::Separator, 0, ""},
    {MenuEntry::Item, kCommandAbout, "&О программе"},
};

struct KeyEntry {
    QKeyCombination key;
    int command;
};

const KeyEntry kPlayKeys[] = {
    {QKeyCombination(Qt::Key_F1), kCommandHelp},
    {QKeyCombination(Qt::Key_F2), kCommandSelectPuzzle},
    {QKeyCombination(Qt::Key_PageDown), kCommandNextPuzzle},
    {QKeyCombination(Qt::Key_PageUp), kCommandPreviousPuzzle},
    {Qt::CTRL | Qt::Key_Z, kCommandUndo},
    {Qt::CTRL | Qt::Key_Y, kCommandRedo},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_Z, kCommandRedo},
    {Qt::CTRL | Qt::Key_G, kCommandGenerate},
    {Qt::CTRL | Qt::Key_D, kCommandPuzzleOfTheDay},
    {Qt::CTRL | Qt::Key_K, kCommandCheckBoard},
    {Qt::CTRL | Qt::Key_H, kCommandHintFromHere},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_C, kCommandCopyCode},
    {Qt::CTRL | Qt::SHIFT | Qt::Key_V, kCommandOpenCode},
};

const KeyEntry kEditorKeys[] = {
    {Qt::CTRL | Qt::Key_N, kCommandNew},
    {Qt::CTRL | Qt::Key_O, kCommandOpen},
    {Qt::CTRL | Qt::Key_S, kCommandSave},
    {QKeyCombination(Qt::Key_F1), kCommandHelp},
};

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
      clockWatch(new ClockWatch(board->Session().Clock(), *this)) {
    setCentralWidget(canvas);
    canvas->setFocus();
    setWindowTitle(PickLanguage(kCreationTitle));
    BuildMenus();
    RefreshMenuTexts();
    SetZoom(settings.ReadZoomSetting());
    // Not menu commands: the menus stay as they are, and the keys work in both modes.
    for (const auto& [key, step] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Plus), 1},
                                    std::pair{QKeySequence(Qt::CTRL | Qt::Key_Equal), 1},
                                    std::pair{QKeySequence(Qt::CTRL | Qt::Key_Minus), -1}}) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] { ChangeZoom(step); });
    }
    connect(board, &BoardView::solved, this, &MainWindow::OnSolved);
    connect(clockWatch, &ClockWatch::tick, this, &MainWindow::RefreshClockTitle);
    ShowClock(settings.ReadShowClockSetting());
    board->SetShowMistakes(settings.ReadShowMistakesSetting());
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

void MainWindow::BuildMenus() {
    const auto build = [this](Menu& menu, std::span<const MenuEntry> entries,
                              std::span<const KeyEntry> keys) {
        QMenu* popup = nullptr;
        QMenu* nested = nullptr;
        for (const MenuEntry& entry : entries) {
            const QString text = QString::fromUtf8(entry.text);
            QAction* action = nullptr;
            switch (entry.kind) {
                case MenuEntry::Popup:
                    popup = new QMenu(text, this);
                    connect(popup, &QMenu::aboutToShow, this, &MainWindow::UpdateCommandStates);
                    menu.popups.append(popup);
                    break;
                case MenuEntry::Separator:
                    popup->addSeparator();
                    break;
                case MenuEntry::SubPopup:
                    nested = popup->addMenu(text);
                    break;
                case MenuEntry::Item:
                    action = popup->addAction(text);
                    break;
                case MenuEntry::SubItem:
                    action = nested->addAction(text);
                    break;
            }
            if (action != nullptr) {
                action->setData(entry.command);
                action->setCheckable(
                    entry.command == kCommandRussian || entry.command == kCommandEnglish ||
                    entry.command == kCommandShowClock || entry.command == kCommandShowMistakes ||
                    entry.command == kCommandKeepBoards);
                connect(action, &QAction::triggered, this,
                        [this, command = entry.command] { RunCommand(command); });
                menu.actions[entry.command] = action;
            }
        }
        // Keys are separate from the menu items so that each mode's keys can be switched off
        // with its menu; every key goes through RunCommand, which refuses disabled commands.
        for (const KeyEntry& entry : keys) {
            auto* shortcut = new QShortcut(QKeySequence(entry.key), this);
            shortcut->setContext(Qt::WindowShortcut);
            connect(shortcut, &QShortcut::activated, this,
                    [this, command = entry.command] { RunCommand(command); });
            menu.keys.append(shortcut);
        }
    };
    build(playMenu, kPlayMenu, kPlayKeys);
    build(editorMenu, kEditorMenu, kEditorKeys);
}

QMenu* MainWindow::PlayMenu(int position) const {
    return playMenu.popups.value(position);
}

QMenu* MainWindow::EditorMenu(int position) const {
    return editorMenu.popups.value(position);
}

QAction* MainWindow::PlayAction(int command) const {
    const auto found = playMenu.actions.find(command);
    return found == playMenu.actions.end() ? nullptr : found->second;
}

void MainWindow::RelabelMenu(Menu& menu, int base) {
    for (int position = 0; position < menu.popups.size(); ++position) {
        QMenu* popup = menu.popups[position];
        if (position + 1 < menu.popups.size()) {
            popup->setTitle(PickLanguage(base + position));
        }
        for (QAction* action : popup->actions()) {
            const int command = action->data().toInt();
            if (command > 0) {
                action->setText(PickLanguage(command));
            }
        }
    }
}

void MainWindow::RefreshMenuTexts() {
    RelabelMenu(playMenu, kPlayMenuBase);
    RelabelMenu(editorMenu, kEditorMenuBase);
    setWindowTitle(EditorOpen() ? PickLanguage(kEditorTitle) : PlayTitle());
    ShowMenuOfMode();
    UpdateCommandStates();
}

void MainWindow::ShowMenuOfMode() {
    // The bar only shows the popups: both menus stay alive whichever mode is on.
    QMenuBar* bar = menuBar();
    bar->clear();
    for (QMenu* popup : (EditorOpen() ? editorMenu : playMenu).popups) {
        bar->addMenu(popup);
    }
    for (QShortcut* key : playMenu.keys) {
        key->setEnabled(!EditorOpen());
    }
    for (QShortcut* key : editorMenu.keys) {
        key->setEnabled(EditorOpen());
    }
}

bool MainWindow::IsCommandEnabled(int command) const {
    // A command of the other mode's menu never runs, whatever calls it.
    switch (command) {
        case kCommandSelectPuzzle:
        case kCommandEditor:
        case kCommandNextPuzzle:
        case kCommandPreviousPuzzle:
            return !EditorOpen() && LibraryNonEmpty();
        case kCommandUndo:
            return !EditorOpen() && board->Session().CanUndo();
        case kCommandRedo:
            return !EditorOpen() && board->Session().CanRedo();
        case kCommandReset:
        case kCommandHint:
        case kCommandGenerate:
        case kCommandCopyCode:
        case kCommandOpenCode:
        case kCommandPuzzleOfTheDay:
        case kCommandStatistics:
        case kCommandShowClock:
        case kCommandShowMistakes:
        case kCommandKeepBoards:
        case kCommandRussian:
        case kCommandEnglish:
        case kCommandExit:
            return !EditorOpen();
        case kCommandCheckBoard:
        case kCommandHintFromHere:
            // A solved board has nothing left to ask.
            return !EditorOpen() && !board->Session().IsSolved();
        case kCommandNew:
        case kCommandOpen:
        case kCommandSave:
        case kCommandSaveAs:
        case kCommandReturn:
            return EditorOpen();
        case kCommandDelete:
            return EditorOpen() && editor->Session().DeleteEnabled();
        case kCommandCountSolutions:
            return EditorOpen() && EditorCommands::CanCountSolutions(*editor);
        default:
            return true;
    }
}

bool MainWindow::IsCommandChecked(int command) const {
    return (command == kCommandRussian && CurrentLanguage() == Language::Russian) ||
           (command == kCommandEnglish && CurrentLanguage() == Language::English) ||
           (command == kCommandShowClock && clockShown) ||
           (command == kCommandShowMistakes && board->ShowsMistakes()) ||
           (command == kCommandKeepBoards && commands.KeepsBoards());
}

void MainWindow::UpdateCommandStates() {
    for (Menu* menu : {&playMenu, &editorMenu}) {
        for (const auto& [command, action] : menu->actions) {
            action->setEnabled(IsCommandEnabled(command));
            action->setChecked(IsCommandChecked(command));
        }
    }
}

void MainWindow::RunCommand(int command) {
    if (!IsCommandEnabled(command)) {
        return;
    }
    switch (command) {
        case kCommandRussian:
            SetLanguage(Language::Russian);
            break;
        case kCommandEnglish:
            SetLanguage(Language::English);
            break;
        case kCommandSelectPuzzle:
            commands.SelectPuzzle();
            break;
        case kCommandNextPuzzle:
            commands.NextPuzzle();
            break;
        case kCommandPreviousPuzzle:
            commands.PreviousPuzzle();
            break;
        case kCommandReset:
            commands.ResetBoard();
            break;
        case kCommandUndo:
            board->Undo();
            break;
        case kCommandRedo:
            board->Redo();
            break;
        case kCommandHint:
            commands.ShowHint();
            break;
        case kCommandGenerate:
            commands.GeneratePuzzle();
            break;
        case kCommandPuzzleOfTheDay:
            commands.PuzzleOfTheDay();
            break;
        case kCommandStatistics:
            commands.ShowStatistics();
            break;
        case kCommandShowClock:
            ShowClock(!clockShown);
            settings.WriteShowClockSetting(clockShown);
            break;
        case kCommandShowMistakes:
            board->SetShowMistakes(!board->ShowsMistakes());
            settings.WriteShowMistakesSetting(board->ShowsMistakes());
            break;
        case kCommandKeepBoards:
            commands.SetKeepBoards(!commands.KeepsBoards());
            break;
        case kCommandCheckBoard:
            commands.CheckBoard();
            break;
        case kCommandHintFromHere:
            commands.HintFromHere();
            break;
        case kCommandCopyCode:
            commands.CopyPuzzleCode();
            break;
        case kCommandOpenCode:
            commands.OpenPuzzleCode();
            break;
        case kCommandHelp:
            ShowHelp();
            break;
        case kCommandAbout:
            ShowAboutBox(this);
            break;
        case kCommandExit:
            close();
            break;
        case kCommandEditor:
        case kCommandNew:
            EnterEditor();
            break;
        case kCommandOpen:
            EditorCommands(*editor, settings).Open();
            break;
        case kCommandDelete:
            if (EditorCommands(*editor, settings).DeletePuzzle()) {
                EnterEditor();
            }
            break;
        case kCommandSave:
        case kCommandSaveAs:
            if (EditorCommands(*editor, settings).SavePuzzle(command == kCommandSaveAs)) {
                EnterEditor();
            }
            break;
        case kCommandCountSolutions:
            EditorCommands(*editor, settings).CountSolutions();
            break;
        case kCommandReturn:
            ReturnToPlay();
            break;
        default:
            break;
    }
}

QString MainWindow::PlayTitle() const {
    if (!clockShown) {
        return PickLanguage(kPlayTitle);
    }
    return Shown(commands.PuzzleName()) + QStringLiteral(" — ") +
           QString::fromStdString(ElapsedText(board->Session().Clock().ElapsedSeconds()));
}

void MainWindow::ShowClock(bool shown) {
    clockShown = shown;
    clockWatch->SetTicking(shown);
    RefreshClockTitle();
    UpdateCommandStates();
}

void MainWindow::RefreshClockTitle() {
    if (!EditorOpen() && windowTitle() != PlayTitle()) {
        setWindowTitle(PlayTitle());
    }
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

void MainWindow::ReturnToPlay() {
    editor.reset();
    board->Session().ClearHistory();
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
