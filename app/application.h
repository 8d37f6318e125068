#pragma once

#include <QObject>
#include <memory>

#include "library/puzzle_library.h"
#include "library/settings.h"

class QMainWindow;
class QWidget;

namespace tessellix {

class MainWindow;
class SingleInstance;

// The application object, one per run. It finds where this run keeps its files (beside the
// program, or per user when installed), lets only one copy run per data folder, copies the
// shipped puzzles an installed game has not yet given the player, reads the language, fills the
// puzzle library from the data folder, and creates, places and shows the main window; the event
// loop then runs until that window is closed.
class GameApp : public QObject {
    Q_OBJECT
  public:
    GameApp();
    ~GameApp() override;

    // True when the event loop is to run; false when the program is to end at once because
    // another copy runs (that copy has been asked to come forward).
    bool StartUp();

    MainWindow* Window() const { return window.get(); }

    // Fixes the window's size so that its central widget (the canvas) keeps exactly its own
    // fixed size below the menu bar, and centres the window on its screen's work area.
    static void PlaceMainWindow(QMainWindow& window);

  private:
    void OnRaiseRequested();

    std::unique_ptr<SingleInstance> instance;
    Settings settings;
    PuzzleLibrary library;
    // Destroyed first: the lock is held, and the library kept, until the window is gone.
    std::unique_ptr<MainWindow> window;
};

}  // namespace tessellix
