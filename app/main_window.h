#pragma once

#include <QMainWindow>
#include <map>
#include <memory>

#include "library/bilingual_text.h"
#include "play/play_commands.h"

class QCloseEvent;
class QMenu;
class QAction;
class QShortcut;

namespace tessellix {

class BoardView;
class ClockWatch;
class EditorWindow;
class PlayCanvas;
class PuzzleLibrary;
class Settings;

// Command numbers of the menus and keys of both modes.
enum MenuCommand {
    kCommandNextPuzzle = 40011,
    kCommandReturn = 40014,
    kCommandPreviousPuzzle = 40015,
    kCommandSelectPuzzle = 40016,
    kCommandEditor = 40017,
    kCommandNew = 40018,
    kCommandOpen = 40019,
    kCommandSave = 40020,
    kCommandSaveAs = 40021,
    kCommandReset = 40022,
    kCommandHint = 40023,
    kCommandDelete = 40025,
    kCommandUndo = 40030,
    kCommandRedo = 40031,
    kCommandRussian = 40027,
    kCommandEnglish = 40028,
    kCommandGenerate = 40032,
    kCommandCopyCode = 40040,
    kCommandOpenCode = 40041,
    kCommandShowClock = 40050,
    kCommandStatistics = 40051,
    kCommandPuzzleOfTheDay = 40052,
    kCommandCountSolutions = 40060,
    kCommandCheckBoard = 40070,
    kCommandHintFromHere = 40071,
    kCommandShowMistakes = 40072,
    kCommandKeepBoards = 40073,
    kCommandAbout = 57664,
    kCommandExit = 57665,
    kCommandHelp = 57671,
};

// The program's one top-level window: it hosts the play canvas, owns the menus of play and
// editor mode, and routes the commands they carry to the board and the dialogs.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Plays the library's puzzles; the language switch is stored in settings. Should the first
    // puzzle be unreadable, the built-in one is played and the reason shown once the event loop
    // runs.
    MainWindow(PuzzleLibrary& library, Settings& settings, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Menu texts and the title in the current language; shows the menu of the current mode.
    void RefreshMenuTexts();
    void SetLanguage(Language language);
    // Enlarges the board and the editor by a whole factor, as large as the screen allows.
    void SetZoom(int factor);
    int Zoom() const;
    void ShowHelp();

    // Carries out a command of the menus or keys; a disabled command does nothing.
    void RunCommand(int command);
    bool IsCommandEnabled(int command) const;
    bool IsCommandChecked(int command) const;

    // Called when a drop leaves no free cell on the puzzle: the solved sequence.
    void OnSolved();

    BoardView& Board() { return *board; }
    PlayCommands& Commands() { return commands; }
    PlayCanvas& Canvas() { return *canvas; }
    bool LibraryNonEmpty() const;
    bool EditorOpen() const { return editor != nullptr; }
    // The editor while editor mode is on, else nullptr.
    EditorWindow* Editor() const { return editor.get(); }

    QMenu* PlayMenu(int position) const;
    QMenu* EditorMenu(int position) const;
    QAction* PlayAction(int command) const;

  signals:
    void puzzleSolved();

  protected:
    // Leaving the game keeps the board, as leaving its puzzle does.
    void closeEvent(QCloseEvent* event) override;

  private:
    // One mode's menu with its accelerator keys; the menus live as long as the window and
    // the menu bar shows the popups of the current mode.
    struct Menu {
        QList<QMenu*> popups;
        std::map<int, QAction*> actions;
        QList<QShortcut*> keys;
    };
    void BuildMenus();
    void RelabelMenu(Menu& menu, int base);
    void UpdateCommandStates();
    void ShowMenuOfMode();
    // "Tessellix", or with the clock shown the puzzle's name and the time taken.
    QString PlayTitle() const;
    void ShowClock(bool shown);
    void RefreshClockTitle();
    // Editor mode begins with a fresh editor over the canvas, or ends, dropping what it holds.
    void EnterEditor();
    void ReturnToPlay();
    // Ctrl+Plus and Ctrl+Minus, in both modes; the factor is remembered.
    void ChangeZoom(int step);

    Settings& settings;
    PlayCanvas* canvas;
    BoardView* board;
    PlayCommands commands;
    Menu playMenu;
    Menu editorMenu;
    std::unique_ptr<EditorWindow> editor;
    ClockWatch* clockWatch;
    bool clockShown = false;
};

}  // namespace tessellix
