#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

#include "library/bilingual_text.h"
#include "play/hints_dialog.h"

namespace tessellix {

class HintsDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { SetCurrentLanguage(Language::Russian); }

    // Actions: "=x" selects the count and types x, a key's name presses it in the count, "^" and
    // "v" click the arrows, "text" clicks the first option's text. OK ends the row unless it ended
    // with Escape.
    void countFollowsThePlayer_data() {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("count");
        QTest::newRow("opening state") << QStringList{} << "1" << 0 << 1;
        QTest::newRow("typing 3 selects the second option") << QStringList{"=3"} << "3" << 1 << 3;
        QTest::newRow("typing 0 gives 1") << QStringList{"=0"} << "1" << 1 << 1;
        QTest::newRow("typing 25 gives 12") << QStringList{"=25"} << "12" << 1 << 12;
        QTest::newRow("letters are refused") << QStringList{"=x"} << "1" << 0 << 1;
        QTest::newRow("typing 07: the 0 becomes 1, 17 gives 12")
            << QStringList{"=07"} << "12" << 1 << 12;
        QTest::newRow("emptied gives 1") << QStringList{"Backspace"} << "1" << 1 << 1;
        QTest::newRow("Up key") << QStringList{"Up", "Up"} << "3" << 1 << 3;
        QTest::newRow("Down key stops at 1") << QStringList{"Down"} << "1" << 0 << 1;
        QTest::newRow("arrow from a typed count") << QStringList{"=5", "v"} << "4" << 1 << 4;
        QTest::newRow("arrows stop at 12") << QStringList{"=11", "^", "^", "Up"} << "12" << 1 << 12;
        QTest::newRow("first option's text chosen again")
            << QStringList{"=3", "text"} << "3" << 0 << 3;
        QTest::newRow("Escape takes nothing") << QStringList{"=5", "Escape"} << "5" << 0 << 1;
    }
    void countFollowsThePlayer() {
        QFETCH(QStringList, actions);
        HintsDialog dialog(nullptr);
        dialog.show();
        auto* edit = dialog.findChild<QLineEdit*>("countEdit");
        for (const QString& action : actions) {
            if (action.startsWith('=')) {
                edit->selectAll();
                QTest::keyClicks(edit, action.mid(1));
            } else if (action == "^" || action == "v") {
                dialog.findChild<QToolButton*>(action == "^" ? "countUp" : "countDown")->click();
            } else if (action == "text") {
                QTest::mouseClick(dialog.findChild<QLabel*>("orientationText"), Qt::LeftButton);
            } else {
                QTest::keyClick(edit, QKeySequence::fromString(action)[0].key());
            }
        }
        const bool cancelled = actions.endsWith("Escape");
        if (!cancelled) {
            dialog.findChild<QPushButton*>("okButton")->click();
        }
        QCOMPARE(dialog.result(), cancelled ? int(QDialog::Rejected) : int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QFETCH(QString, text);
        QFETCH(int, option);
        QFETCH(int, count);
        QCOMPARE(edit->text(), text);
        QCOMPARE(QPair(dialog.GetResult().option, dialog.GetResult().count), QPair(option, count));
    }

    void textsFollowTheLanguageAndFit_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("texts");  // title, options, label, OK, Cancel
        QTest::newRow("English") << int(Language::English)
                                 << "Hints|To set the orientation of the elements on the base "
                                    "positions|To set on the puzzle|elements|OK|Cancel";
        QTest::newRow("Russian") << int(Language::Russian)
                                 << "Подсказка|Установить ориентацию элементов на исходной "
                                    "позиции|Установить на задании|элементов|OK|Отмена";
    }
    void textsFollowTheLanguageAndFit() {
        QFETCH(int, language);
        QFETCH(QString, texts);
        SetCurrentLanguage(Language(language));
        HintsDialog dialog(nullptr);
        auto* wrapped = dialog.findChild<QLabel*>("orientationText");
        QCOMPARE(QStringList({dialog.windowTitle(), wrapped->text(),
                              dialog.findChild<QRadioButton*>("puzzleButton")->text(),
                              dialog.findChild<QLabel*>("elementsLabel")->text(),
                              dialog.findChild<QPushButton*>("okButton")->text(),
                              dialog.findChild<QPushButton*>("cancelButton")->text()}),
                 texts.split('|'));
        QVERIFY(dialog.findChild<QPushButton*>("okButton")->isDefault());

        // The first option's text wraps within its place; the count line reads left to right.
        QVERIFY(dialog.findChild<QRadioButton*>("orientationButton")
                    ->geometry()
                    .contains(wrapped->geometry()));
        QVERIFY(wrapped->heightForWidth(wrapped->width()) <= wrapped->height());
        int right = 0;
        for (const char* name : {"puzzleButton", "countEdit", "countArrows", "elementsLabel"}) {
            const QWidget* control = dialog.findChild<QWidget*>(name);
            QVERIFY2(control->x() >= right, name);
            right = control->geometry().right() + 1;
        }
        for (QWidget* control : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(dialog.rect().contains(control->geometry()),
                     qPrintable(control->objectName()));
            if (control != wrapped && control->inherits("QAbstractButton")) {
                QVERIFY2(control->width() >= control->sizeHint().width(),
                         qPrintable(control->objectName()));
            }
        }
    }
};

}  // namespace tessellix

QTEST_MAIN(tessellix::HintsDialogTest)
#include "test_hints_dialog.moc"
