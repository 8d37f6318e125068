#pragma once

#include <QList>
#include <QObject>
#include <map>

#include "app/command_table.h"

class QAction;
class QMainWindow;
class QMenu;

namespace tessellix {

class CommandHost;

// The menus and keys of both modes, built from the command table: one QAction per command,
// carrying its keys, in the popups of its menu bar. Both bars live as long as the window, which
// shows the popups of the current mode. Enabled states and check marks are taken from the table
// whenever a popup opens and before any key is matched, so a command runs, from its item or its
// key, only while it is enabled, and a mode's keys never run in the other mode.
class CommandMenus : public QObject {
  public:
    CommandMenus(QMainWindow& window, CommandHost& host);

    // Every popup title and item in the current language, both modes' alike.
    void Relabel();
    // The menu bar shows the popups of the current mode.
    void ShowMenuOfMode();
    void UpdateStates();

    // Runs a command when it is enabled; otherwise nothing happens.
    void Run(int number);
    bool IsEnabled(int number) const;
    bool IsChecked(int number) const;
    // The command's action; null for a number that no command has.
    QAction* Action(int number) const;
    // The top-level popup at position of the mode's menu bar, or null.
    QMenu* Popup(CommandMode mode, int position) const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool IsModeOn(CommandMode mode) const;
    bool IsEnabled(const Command& command) const;

    QMainWindow& window;
    CommandHost& host;
    std::map<MenuPopup, QMenu*> popups;
    std::map<int, QAction*> actions;
};

}  // namespace tessellix
