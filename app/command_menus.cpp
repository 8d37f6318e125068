#include "app/command_menus.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "app/command_host.h"
#include "platform/window_text.h"

namespace tessellix {

namespace {

const CommandPopup& PopupRow(MenuPopup popup) {
    for (const CommandPopup& row : PopupTable()) {
        if (row.popup == popup) {
            return row;
        }
    }
    return PopupTable().front();
}

}  // namespace

CommandMenus::CommandMenus(QMainWindow& shown, CommandHost& commandHost)
    : window(shown), host(commandHost) {
    for (const CommandPopup& row : PopupTable()) {
        auto* menu = new QMenu(&window);
        connect(menu, &QMenu::aboutToShow, this, &CommandMenus::UpdateStates);
        popups[row.popup] = menu;
    }
    std::map<QMenu*, int> lastGroup;
    const auto place = [&lastGroup](QMenu* menu, int group) {
        const auto last = lastGroup.find(menu);
        if (last != lastGroup.end() && last->second != group) {
            menu->addSeparator();
        }
        lastGroup[menu] = group;
    };
    for (const Command& command : CommandTable()) {
        auto* action = new QAction(&window);
        action->setShortcuts(QKeySequence::listFromString(QString::fromUtf8(command.keys)));
        action->setCheckable(command.checked != nullptr);
        connect(action, &QAction::triggered, this,
                [this, number = command.number] { Run(number); });
        // On the window, the keys work whether or not the action's popup is on the menu bar.
        window.addAction(action);
        actions[command.number] = action;
        if (command.popup == MenuPopup::None) {
            continue;
        }
        QMenu* menu = popups.at(command.popup);
        const CommandPopup& row = PopupRow(command.popup);
        if (row.parent != MenuPopup::None) {
            QMenu* parent = popups.at(row.parent);
            if (!parent->actions().contains(menu->menuAction())) {
                place(parent, row.group);
                parent->addMenu(menu);
            }
        }
        place(menu, command.group);
        menu->addAction(action);
    }
    window.installEventFilter(this);
}

void CommandMenus::Relabel() {
    for (const CommandPopup& row : PopupTable()) {
        popups.at(row.popup)->setTitle(row.titleString > 0 ? PickLanguage(row.titleString)
                                                           : QString::fromUtf8(row.fixedTitle));
    }
    for (const Command& command : CommandTable()) {
        actions.at(command.number)->setText(PickLanguage(0, QString::fromUtf8(command.text)));
    }
}

void CommandMenus::ShowMenuOfMode() {
    // The bar only shows the popups: both menus stay alive whichever mode is on.
    QMenuBar* bar = window.menuBar();
    bar->clear();
    for (const CommandPopup& row : PopupTable()) {
        if (row.parent == MenuPopup::None && IsModeOn(row.mode)) {
            bar->addMenu(popups.at(row.popup));
        }
    }
}

void CommandMenus::UpdateStates() {
    for (const Command& command : CommandTable()) {
        QAction* action = actions.at(command.number);
        action->setEnabled(IsEnabled(command));
        if (command.checked != nullptr) {
            action->setChecked(command.checked(host));
        }
    }
}

void CommandMenus::Run(int number) {
    const Command* command = FindCommand(number);
    if (command != nullptr && IsEnabled(*command)) {
        command->run(host);
    }
    // A checkable item has toggled itself on its way here, whether or not its command ran.
    UpdateStates();
}

bool CommandMenus::IsEnabled(int number) const {
    const Command* command = FindCommand(number);
    return command != nullptr && IsEnabled(*command);
}

bool CommandMenus::IsChecked(int number) const {
    const Command* command = FindCommand(number);
    return command != nullptr && command->checked != nullptr && command->checked(host);
}

QAction* CommandMenus::Action(int number) const {
    const auto found = actions.find(number);
    return found == actions.end() ? nullptr : found->second;
}

QMenu* CommandMenus::Popup(CommandMode mode, int position) const {
    for (const CommandPopup& row : PopupTable()) {
        if (row.parent == MenuPopup::None && (row.mode == mode || row.mode == CommandMode::Both) &&
            position-- == 0) {
            return popups.at(row.popup);
        }
    }
    return nullptr;
}

bool CommandMenus::eventFilter(QObject*, QEvent* event) {
    // Sent before the shortcuts are matched, so a key finds its command's state as it is now.
    if (event->type() == QEvent::ShortcutOverride) {
        UpdateStates();
    }
    return false;
}

bool CommandMenus::IsModeOn(CommandMode mode) const {
    return mode == CommandMode::Both || (mode == CommandMode::Editor) == (host.Editor() != nullptr);
}

bool CommandMenus::IsEnabled(const Command& command) const {
    return IsModeOn(command.mode) && (command.enabled == nullptr || command.enabled(host));
}

}  // namespace tessellix
