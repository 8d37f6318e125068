#pragma once

#include <QObject>
#include <memory>

class MainWindow;
class QMainWindow;
class QWidget;
class SingleInstance;

// The application object, one per run. It lets only one copy run, finds the settings beside
// the program, reads the language, and creates, places and shows the main window; the event
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

    // The About command: the About dialog, modal, owned by `owner`.
    static void ShowAboutBox(QWidget* owner);

    // Fixes the window's size so that its central widget (the canvas) keeps exactly its own
    // fixed size below the menu bar, and centres the window on its screen's work area.
    static void PlaceMainWindow(QMainWindow& window);

  private:
    void OnRaiseRequested();

    std::unique_ptr<SingleInstance> instance;
    // Destroyed before `instance`: the lock is held until the window is gone.
    std::unique_ptr<MainWindow> window;
};
