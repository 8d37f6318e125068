#pragma once

#include <QString>

#include "model/language.h"

class QWidget;

// A stored text whose first '#' separates the Russian part from the English part.
// A text without '#' has no parts: both are empty.
struct BilingualText {
    QString russian;
    QString english;

    static BilingualText Split(const QString& text);
    const QString& Pick(int language) const { return language == English ? english : russian; }
    // The part of the language shown now.
    const QString& Shown() const { return Pick(currentLanguage); }
};

// The current language's part of string `number` of the string table when number > 0,
// else of `text`. Empty for an unknown number or a text without '#'.
QString PickLanguage(int number, const QString& text = QString());

// Replaces a window's or control's text by its current-language part.
void LocalizeWindowText(QWidget* window);
