#pragma once

#include <QMainWindow>
#include <memory>

#include "app/command_host.h"
#include "app/command_menus.h"
#include "app/command_table.h"
#include "app/window_title.h"
#include "library/bilingual_text.h"
#include "play/play_commands.h"

class QCloseEvent;
class QMenu;
class QAction;

namespace tessellix {

class BoardView;
class ClockWatch;
class EditorWindow;
class PlayCanvas;
class PuzzleLibrary;
class Settings;

// The program's one top-level window: it hosts the play canvas and, in editor mode, the editor
// over it, and carries the commands of both modes' menus and keys to them.
class MainWindow : public QMainWindow, public CommandHost {
    Q_OBJECT
  public:
    // Plays the library's puzzles; the language switch is stored in settings. Should the first
    // puzzle be unreadable, the built-in one is played and the reason shown once the event loop
    // runs.
    MainWindow(PuzzleLibrary& library, Settings& settings, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Menu texts and the title in the current language; shows the menu of the current mode.
    void RefreshMenuTexts();
    void SetLanguage(Language language) override;
    // Enlarges the board and the editor by a whole factor, as large as the screen allows.
    void SetZoom(int factor);
    int Zoom() const;
    void ShowHelp() override;

    // Carries out a command of the menus or keys; a disabled command does nothing.
    void RunCommand(int command) { menus.Run(command); }
    bool IsCommandEnabled(int command) const { return menus.IsEnabled(command); }
    bool IsCommandChecked(int command) const { return menus.IsChecked(command); }

    // Called when a drop leaves no free cell on the puzzle: the solved sequence.
    void OnSolved();

    QMainWindow& Window() override { return *this; }
    BoardView& Board() override { return *board; }
    PlayCommands& Commands() override { return commands; }
    Settings& Store() override { return settings; }
    WindowTitle& Title() override { return title; }
    PlayCanvas& Canvas() { return *canvas; }
    bool LibraryNonEmpty() const override;
    bool EditorOpen() const { return editor != nullptr; }
    EditorWindow* Editor() const override { return editor.get(); }

    QMenu* PlayMenu(int position) const { return menus.Popup(CommandMode::Play, position); }
    QMenu* EditorMenu(int position) const { return menus.Popup(CommandMode::Editor, position); }
    // The action of a command of either mode.
    QAction* PlayAction(int command) const { return menus.Action(command); }

  signals:
    void puzzleSolved();

  protected:
    // Leaving the game keeps the board, as leaving its puzzle does; a changed drawing in the
    // editor is saved or given up first, or the window stays.
    void closeEvent(QCloseEvent* event) override;

  private:
    void EnterEditor() override;
    void LeaveEditor() override;
    void ReturnToPlay();
    void ShowClock(bool shown) override;
    void ChangeZoom(int step) override;

    Settings& settings;
    PlayCanvas* canvas;
    BoardView* board;
    PlayCommands commands;
    std::unique_ptr<EditorWindow> editor;
    ClockWatch* clockWatch;
    WindowTitle title;
    CommandMenus menus;
};

}  // namespace tessellix
