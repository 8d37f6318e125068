#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <initializer_list>

class QDialog;
class QWidget;

namespace tessellix {

// Dialogs are laid out as their templates give them, in dialog units of the 8-point dialog
// font: one unit is 1.5 pixels across and 1.625 pixels down.

// Each edge is converted on its own and rounded, so that controls that meet in units meet in
// pixels too.
QRect DialogUnitsToPixels(const QRect& units);
QSize DialogUnitsToPixels(const QSize& units);

// One control of a dialog's template and its place there, in dialog units.
struct DialogControl {
    QWidget* control;
    QRect place;
};

// Gives the dialog the 8-point dialog font, the frame of a modal dialog with caption and
// system menu, a fixed size and each control its place. A label or button whose text or
// picture needs more room in the font in use than the template gives it grows, and the dialog
// with it, so that nothing is cut off: lay out once the texts are in the language shown.
// When the dialog closes, its owner's window gets the keyboard back.
void LayOutDialog(QDialog& dialog, const QSize& size,
                  std::initializer_list<DialogControl> controls);

// The control, given the object name by which tests find it.
template <typename Control>
Control* Named(Control* control, const char* name) {
    control->setObjectName(QLatin1String(name));
    return control;
}

// Puts the dialog's title and then each control's text into the current language, in the
// given order; the texts are "Russian#English" when this is called.
void LocalizeDialog(QDialog& dialog, std::initializer_list<QWidget*> controls);

}  // namespace tessellix
