#include "platform/window_text.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

#include "resources/string_table.h"

namespace tessellix {

QString Shown(const BilingualText& text) {
    return QString::fromStdString(text.Shown());
}

QString PickLanguage(int number, const QString& text) {
    return Shown(number > 0 ? StringTableText(number) : BilingualText::Split(text.toStdString()));
}

void LocalizeWindowText(QWidget* window) {
    if (auto* button = qobject_cast<QAbstractButton*>(window)) {
        button->setText(PickLanguage(0, button->text()));
    } else if (auto* label = qobject_cast<QLabel*>(window)) {
        label->setText(PickLanguage(0, label->text()));
    } else if (window != nullptr) {
        window->setWindowTitle(PickLanguage(0, window->windowTitle()));
    }
}

}  // namespace tessellix
