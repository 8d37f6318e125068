#include "play/hints_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyleOptionButton>
#include <QToolButton>
#include <algorithm>

#include "platform/dialog_template.h"

namespace tessellix {

namespace {

constexpr int kMinCount = 1;
constexpr int kMaxCount = 12;
// In dialog units: the template's gap between the second option and the count, and the room
// that the dialog helper keeps right of a control that grew.
constexpr int kCountGap = 107 - (7 + 94);
constexpr int kRightMargin = 7;

// The value of the text's leading digits, 0 when there are none; anything above the largest
// count reads as one more than it, so that no length of digits overflows.
int LeadingValue(const QString& text) {
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            break;
        }
        value = std::min(value * 10 + (c.unicode() - '0'), kMaxCount + 1);
    }
    return value;
}

QToolButton* Arrow(QWidget* owner, const char* name, Qt::ArrowType direction) {
    auto* arrow = Named(new QToolButton(owner), name);
    arrow->setArrowType(direction);
    arrow->setAutoRepeat(true);
    arrow->setFocusPolicy(Qt::NoFocus);
    return arrow;
}

}  // namespace

HintsDialog::HintsDialog(QWidget* owner)
    : QDialog(owner),
      // Created in the template's order, which is the tab order.
      orientationButton(Named(new QRadioButton(this), "orientationButton")),
      orientationText(
          Named(new QLabel(QString::fromUtf8("Установить ориентацию элементов на исходной "
                                             "позиции#To set the orientation of the elements on "
                                             "the base positions"),
                           this),
                "orientationText")),
      puzzleButton(Named(new QRadioButton(QString::fromUtf8("Установить на задании#To set on "
                                                            "the puzzle"),
                                          this),
                         "puzzleButton")),
      countEdit(Named(new QLineEdit(this), "countEdit")),
      countArrows(Named(new QWidget(this), "countArrows")),
      countUp(Arrow(countArrows, "countUp", Qt::UpArrow)),
      countDown(Arrow(countArrows, "countDown", Qt::DownArrow)),
      elementsLabel(
          Named(new QLabel(QString::fromUtf8("элементов#elements"), this), "elementsLabel")),
      okButton(Named(new QPushButton(QStringLiteral("OK"), this), "okButton")),
      cancelButton(
          Named(new QPushButton(QString::fromUtf8("Отмена#Cancel"), this), "cancelButton")) {
    setWindowTitle(QString::fromUtf8("Подсказка#Hints"));
    orientationText->setTextFormat(Qt::PlainText);
    orientationText->setWordWrap(true);
    orientationText->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    orientationText->installEventFilter(this);
    elementsLabel->setTextFormat(Qt::PlainText);
    elementsLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    countEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), countEdit));
    countEdit->installEventFilter(this);
    okButton->setDefault(true);

    // The opening state. Setting the text is no edit of the player's: it chooses no option.
    orientationButton->setChecked(true);
    countEdit->setText(QString::number(chosen.count));
    connect(countEdit, &QLineEdit::textEdited, this, &HintsDialog::CountChanged);
    connect(countUp, &QToolButton::clicked, this, [this] { Step(1); });
    connect(countDown, &QToolButton::clicked, this, [this] { Step(-1); });
    connect(okButton, &QPushButton::clicked, this, &HintsDialog::TakeResult);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    LocalizeDialog(*this, {cancelButton, elementsLabel, orientationText, puzzleButton});
    LayOutDialog(*this, {186, 95},
                 {{orientationButton, {7, 7, 136, 24}},
                  {puzzleButton, {7, 38, 94, 12}},
                  // The arrows take the right end of the edit's place, as attached arrows do.
                  {countEdit, {107, 38, 13, 12}},
                  {countArrows, {120, 38, 11, 12}},
                  {elementsLabel, {133, 38, 38, 12}},
                  {okButton, {33, 74, 50, 14}},
                  {cancelButton, {101, 74, 50, 14}}});
    // A second option whose text needed more room than its place pushes the count to its right,
    // with the template's gap kept, so that the line still reads as one sentence.
    const int gap = DialogUnitsToPixels(QSize(kCountGap, 0)).width();
    const int push = puzzleButton->geometry().right() + 1 + gap - countEdit->x();
    if (push > 0) {
        for (QWidget* control : {static_cast<QWidget*>(countEdit), countArrows,
                                 static_cast<QWidget*>(elementsLabel)}) {
            control->move(control->x() + push, control->y());
        }
        const int right = elementsLabel->geometry().right() + 1 +
                          DialogUnitsToPixels(QSize(kRightMargin, 0)).width();
        // OK and Cancel stay centred in the wider box.
        const int wider = std::max(right - width(), 0);
        for (QPushButton* button : {okButton, cancelButton}) {
            button->move(button->x() + wider / 2, button->y());
        }
        setFixedSize(width() + wider, height());
    }
    // The text goes where the radio button would put its own, beside the indicator.
    QStyleOptionButton option;
    option.initFrom(orientationButton);
    const QRect text =
        style()->subElementRect(QStyle::SE_RadioButtonContents, &option, orientationButton);
    orientationText->setGeometry(text.translated(orientationButton->pos()));
    const QSize arrows = countArrows->size();
    countUp->setGeometry(0, 0, arrows.width(), arrows.height() / 2);
    countDown->setGeometry(0, arrows.height() / 2, arrows.width(),
                           arrows.height() - arrows.height() / 2);
}

bool HintsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == countEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    // A click on the first option's text is a click on the option.
    if (watched == orientationText && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        orientationButton->setFocus(Qt::MouseFocusReason);
        orientationButton->setChecked(true);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void HintsDialog::CountChanged() {
    const int value = LeadingValue(countEdit->text());
    if (value < kMinCount) {
        countEdit->setText(QString::number(kMinCount));
    } else if (value > kMaxCount) {
        countEdit->setText(QString::number(kMaxCount));
    }
    puzzleButton->setChecked(true);
}

void HintsDialog::Step(int delta) {
    // The arrows start from whatever the edit holds, as the player may have typed since.
    const int value = std::clamp(LeadingValue(countEdit->text()), kMinCount, kMaxCount);
    const QString text = QString::number(std::clamp(value + delta, kMinCount, kMaxCount));
    // At a limit the text stays as it is, which is no change.
    if (text != countEdit->text()) {
        countEdit->setText(text);
        CountChanged();
    }
}

void HintsDialog::TakeResult() {
    chosen = {puzzleButton->isChecked() ? 1 : 0, LeadingValue(countEdit->text())};
    accept();
}

}  // namespace tessellix
