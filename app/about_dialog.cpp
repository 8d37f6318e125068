#include "app/about_dialog.h"

#include <QFontMetrics>
#include <QPushButton>

#include "app/bilingual_text.h"
#include "platform/program_resources.h"
#include "ui_about_dialog.h"

namespace {

constexpr int kIconSize = 32;
// Space kept right of and below the controls, in dialog units, as the form keeps it.
constexpr int kMargin = 7;

// Pixels per dialog unit come from the dialog's font: a horizontal unit is a quarter of the
// average character width, a vertical unit an eighth of the line height.
struct DialogUnits {
    int averageWidth = 0;
    int lineHeight = 0;

    explicit DialogUnits(const QFont& font) {
        const QFontMetrics metrics(font);
        const QString alphabet =
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        averageWidth = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
        lineHeight = metrics.height();
    }
    int X(int units) const { return (units * averageWidth + 2) / 4; }
    int Y(int units) const { return (units * lineHeight + 4) / 8; }
    QRect Map(const QRect& rect) const {
        return QRect(X(rect.x()), Y(rect.y()), X(rect.width()), Y(rect.height()));
    }
};

}  // namespace

AboutDialog::AboutDialog(QWidget* owner) : QDialog(owner), ui(std::make_unique<Ui::AboutDialog>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    LocalizeWindowText(this);
    LocalizeWindowText(ui->text1024);
    LocalizeWindowText(ui->text1025);
    LocalizeWindowText(ui->text1026);

    ui->programIcon->setPixmap(ProgramIcon().pixmap(kIconSize, kIconSize));

    // The form is laid out in dialog units; a text or button larger than its place in the form
    // for the font in use widens its place, and the dialog with it, rather than being cut off.
    const DialogUnits units(font());
    int width = units.X(size().width());
    int height = units.Y(size().height());
    for (QWidget* control : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        QRect place = units.Map(control->geometry());
        place.setSize(place.size().expandedTo(control->sizeHint()));
        control->setGeometry(place);
        width = qMax(width, place.right() + 1 + units.X(kMargin));
        height = qMax(height, place.bottom() + 1 + units.Y(kMargin));
    }
    QRect ok = ui->okButton->geometry();
    ok.moveLeft((width - ok.width()) / 2);
    ui->okButton->setGeometry(ok);
    setFixedSize(width, height);
}

AboutDialog::~AboutDialog() = default;
