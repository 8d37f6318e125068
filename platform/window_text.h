#pragma once

#include <QString>

#include "library/bilingual_text.h"

class QWidget;

namespace tessellix {

// The text in the language shown now.
QString Shown(const BilingualText& text);

// The current language's part of string `number` of the string table when number > 0, else of
// `text`, a "Russian#English" text. Empty for an unknown number or a text without '#'.
QString PickLanguage(int number, const QString& text = QString());

// Replaces a window's or control's "Russian#English" text by its current-language part.
void LocalizeWindowText(QWidget* window);

}  // namespace tessellix
