#pragma once

#include <QMainWindow>
#include <map>
#include <memory>
#include <string>

#include "model/element_set.h"
#include "platform/image_surface.h"
#include "play/moving_elements.h"

class PlayCanvas;
class PuzzleShape;
class QMenu;
class QAction;
class QShortcut;

inline constexpr Rgb kBoardGrey{192, 192, 192};
inline constexpr Rgb kBandGrey{128, 128, 128};

// Command numbers of the menus and keys of both modes.
enum Command {
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
    kCommandRussian = 40027,
    kCommandEnglish = 40028,
    kCommandAbout = 57664,
    kCommandExit = 57665,
    kCommandHelp = 57671,
};

// The program's one top-level window: the play canvas with its bands, the puzzle and the
// elements, the menus of play and editor mode, and the commands they carry.
class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Scans the data folder beside the program, or `dataFolderPath` when one is given.
    explicit MainWindow(const std::string& dataFolderPath = std::string(),
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // Redraws the static picture: bands, bevel, puzzle and title, never an element.
    void ComposeBackground();
    // Recomposes the whole window from the background and the used elements (none during a
    // drag) and has it shown again.
    void Paint();
    // Menu texts and the title in the current language; shows the menu of the current mode.
    void RefreshMenuTexts();
    void SetLanguage(int language);
    void ShowHelp();

    // Carries out a command of the menus or keys; a disabled command does nothing.
    void RunCommand(int command);
    bool IsCommandEnabled(int command) const;
    bool IsCommandChecked(int command) const;

    // Called when a drop leaves no free cell on the puzzle.
    void OnSolved();

    ElementSet& Elements() { return elements; }
    PuzzleShape& CurrentPuzzle() { return *currentPuzzle; }
    ImageSurface& BackgroundImage() { return backgroundImage; }
    ImageSurface& WindowSurface();
    PlayCanvas& Canvas() { return *canvas; }
    MovingElements& Moving() { return moving; }
    bool LibraryNonEmpty() const { return libraryNonEmpty; }
    bool EditorOpen() const { return editorOpen; }

    QMenu* PlayMenu(int position) const;
    QMenu* EditorMenu(int position) const;
    QAction* PlayAction(int command) const;
    QAction* EditorAction(int command) const;

  signals:
    void puzzleSolved();

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

    PlayCanvas* canvas = nullptr;
    ImageSurface backgroundImage{600, 400};
    ElementSet elements;
    std::unique_ptr<PuzzleShape> currentPuzzle;
    MovingElements moving{*this};
    Menu playMenu;
    Menu editorMenu;
    bool deleteEnabled = false;
    bool libraryNonEmpty = false;
    bool editorOpen = false;
};
