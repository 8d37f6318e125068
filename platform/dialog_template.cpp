#include "platform/dialog_template.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>

#include "platform/window_text.h"

namespace tessellix {

namespace {

constexpr int kDialogFontPoints = 8;
// Space kept right of and below a control that had to grow, in dialog units.
constexpr int kMargin = 7;

int UnitsToX(int units) {
    return (units * 3 + 1) / 2;
}

int UnitsToY(int units) {
    return (units * 13 + 4) / 8;
}

// Texts on one line and pictures, which the template's place must not cut off.
bool GrowsWithItsContent(const QWidget* control) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        return !label->pixmap().isNull() || (!label->text().isEmpty() && !label->wordWrap());
    }
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    return button != nullptr && !button->text().isEmpty();
}

}  // namespace

QRect DialogUnitsToPixels(const QRect& units) {
    const int left = UnitsToX(units.left());
    const int top = UnitsToY(units.top());
    return QRect(left, top, UnitsToX(units.left() + units.width()) - left,
                 UnitsToY(units.top() + units.height()) - top);
}

QSize DialogUnitsToPixels(const QSize& units) {
    return QSize(UnitsToX(units.width()), UnitsToY(units.height()));
}

void LayOutDialog(QDialog& dialog, const QSize& size,
                  std::initializer_list<DialogControl> controls) {
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
    QFont font = dialog.font();
    font.setPointSize(kDialogFontPoints);
    dialog.setFont(font);

    QSize pixels = DialogUnitsToPixels(size);
    for (const DialogControl& entry : controls) {
        QRect place = DialogUnitsToPixels(entry.place);
        if (GrowsWithItsContent(entry.control)) {
            place.setSize(place.size().expandedTo(entry.control->sizeHint()));
            pixels = pixels.expandedTo(QSize(place.right() + 1 + UnitsToX(kMargin),
                                             place.bottom() + 1 + UnitsToY(kMargin)));
        }
        entry.control->setGeometry(place);
    }
    dialog.setFixedSize(pixels);
    // Without a window manager the keyboard would stay with the closed dialog.
    QObject::connect(&dialog, &QDialog::finished, &dialog, [&dialog] {
        if (QWidget* owner = dialog.parentWidget()) {
            owner->window()->activateWindow();
        }
    });
}

void LocalizeDialog(QDialog& dialog, std::initializer_list<QWidget*> controls) {
    LocalizeWindowText(&dialog);
    for (QWidget* control : controls) {
        LocalizeWindowText(control);
    }
}

}  // namespace tessellix
