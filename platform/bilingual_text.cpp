#include "platform/bilingual_text.h"

#include <QAbstractButton>
#include <QLabel>
#include <QWidget>

#include "resources/string_table.h"

BilingualText BilingualText::Split(const QString& text) {
    const qsizetype separator = text.indexOf(QLatin1Char('#'));
    if (separator < 0) {
        return {};
    }
    return {text.left(separator), text.mid(separator + 1)};
}

QString PickLanguage(int number, const QString& text) {
    QString stored = text;
    if (number > 0) {
        const char* resource = LoadResourceString(number);
        stored = resource == nullptr ? QString() : QString::fromUtf8(resource);
    }
    return BilingualText::Split(stored).Pick(currentLanguage);
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
