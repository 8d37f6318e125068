#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "model/language.h"
#include "platform/message_box.h"
#include "platform/save_puzzle_dialog.h"

namespace {

enum Outcome { Saved, Cancelled, Refused };

bool AllSelected(QWidget* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        return line->selectedText() == line->text();
    }
    const QTextCursor cursor = qobject_cast<QPlainTextEdit*>(box)->textCursor();
    return cursor.selectionStart() == 0 &&
           cursor.selectionEnd() == cursor.document()->characterCount() - 1;
}

}  // namespace

class SavePuzzleDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        currentLanguage = Russian;
        SetMessageResponder({});
    }

    // The comment gets `typed` at its end ('\n' as Enter); then `key` goes to the name box.
    void savesOrRefuses_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("savedName");
        QTest::addColumn<QString>("savedComment");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("refusedBox");
        const int enter = Qt::Key_Return;
        QTest::newRow("empty name, English") << int(English) << ""
                                             << "" << 1 << "" << enter << int(Refused) << ""
                                             << ""
                                             << "Input the puzzle name!"
                                             << "Error"
                                             << "nameEdit";
        QTest::newRow("empty name, Russian") << int(Russian) << ""
                                             << "c" << 1 << "" << enter << int(Refused) << ""
                                             << ""
                                             << "Введите название задания!"
                                             << "Ошибка ввода"
                                             << "nameEdit";
        QTest::newRow("blanks are a name") << int(English) << "  "
                                           << "" << 1 << "" << enter << int(Saved) << "  "
                                           << ""
                                           << ""
                                           << ""
                                           << "";
        QTest::newRow("Enter in the comment starts a line")
            << int(English) << "N"
            << "one" << 1 << "\ntwo" << enter << int(Saved) << "N"
            << "one\r\ntwo"
            << ""
            << ""
            << "";
        QTest::newRow("CR LF comment shows two lines, comes back unchanged")
            << int(Russian) << "N"
            << "one\r\ntwo" << 2 << "" << enter << int(Saved) << "N"
            << "one\r\ntwo"
            << ""
            << ""
            << "";
        QTest::newRow("code page characters kept, no-break space too")
            << int(English) << "№ 5"
            << "a\u00A0b" << 1 << "" << enter << int(Saved) << "№ 5"
            << "a\u00A0b"
            << ""
            << ""
            << "";
        QTest::newRow("name outside the code page")
            << int(English) << "Puzzle 中"
            << "" << 1 << "" << enter << int(Refused) << ""
            << ""
            << "The puzzle name holds a character that a puzzle file cannot store "
               "(Windows-1251 code page): 中 (U+4E2D)"
            << "Error"
            << "nameEdit";
        QTest::newRow("separator byte in the comment")
            << int(Russian) << "N" << QString("a") + QChar(1) + "b" << 1 << "" << enter
            << int(Refused) << ""
            << ""
            << "Поле «комментарий» содержит управляющий символ с кодом 0 или 1, который "
               "нельзя сохранить в файле задания."
            << "Ошибка ввода"
            << "commentEdit";
        QTest::newRow("Escape takes nothing")
            << int(English) << "Old"
            << "c" << 1 << "x" << int(Qt::Key_Escape) << int(Cancelled) << "Old"
            << "c"
            << ""
            << ""
            << "";
    }
    void savesOrRefuses() {
        QFETCH(int, language);
        QFETCH(QString, name);
        QFETCH(QString, comment);
        currentLanguage = language;
        QList<MessageRequest> shown;
        SetMessageResponder([&shown](const MessageRequest& request) {
            shown.append(request);
            return MessageResult::Ok;
        });
        SavePuzzleDialog dialog(name, comment, nullptr);
        dialog.show();
        auto* nameEdit = dialog.findChild<QLineEdit*>("nameEdit");
        auto* commentEdit = dialog.findChild<QPlainTextEdit*>("commentEdit");
        QFETCH(int, lines);
        QCOMPARE(commentEdit->document()->blockCount(), lines);

        commentEdit->setFocus();
        commentEdit->moveCursor(QTextCursor::End);
        QFETCH(QString, typed);
        for (const QChar c : typed) {
            c == '\n' ? QTest::keyClick(commentEdit, Qt::Key_Return)
                      : QTest::keyClicks(commentEdit, QString(c));
        }
        QFETCH(int, key);
        QTest::keyClick(nameEdit, Qt::Key(key));

        QFETCH(int, outcome);
        QCOMPARE(dialog.isVisible(), outcome == Refused);
        QCOMPARE(shown.size(), outcome == Refused ? 1 : 0);
        if (outcome == Refused) {
            QFETCH(QString, message);
            QFETCH(QString, caption);
            QCOMPARE(shown[0].text, message);
            QCOMPARE(shown[0].caption, caption);
            QCOMPARE(shown[0].icon, MessageIcon::Exclamation);
            QCOMPARE(shown[0].buttons, MessageButtons::Ok);
            QFETCH(QString, refusedBox);
            QCOMPARE(dialog.focusWidget()->objectName(), refusedBox);
            QVERIFY(AllSelected(dialog.focusWidget()));
            return;
        }
        QCOMPARE(dialog.result(),
                 outcome == Saved ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QFETCH(QString, savedName);
        QFETCH(QString, savedComment);
        QCOMPARE(dialog.PuzzleName(), savedName);
        QCOMPARE(dialog.PuzzleComment(), savedComment);
    }

    void textsFollowTheLanguageAndFit_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("texts");  // title, labels, Save, Cancel
        QTest::newRow("English") << int(English)
                                 << QStringList{"Save puzzle", "Puzzle name", "Comment", "Save",
                                                "Cancel"};
        QTest::newRow("Russian") << int(Russian)
                                 << QStringList{"Сохранить задание", "Название задания",
                                                "Комментарий", "Сохранить", "Отмена"};
    }
    void textsFollowTheLanguageAndFit() {
        QFETCH(int, language);
        QFETCH(QStringList, texts);
        currentLanguage = language;
        SavePuzzleDialog dialog("", "", nullptr);
        QCOMPARE(dialog.windowTitle(), texts[0]);
        QCOMPARE(dialog.findChild<QLabel*>("nameLabel")->text(), texts[1]);
        QCOMPARE(dialog.findChild<QLabel*>("commentLabel")->text(), texts[2]);
        QCOMPARE(dialog.findChild<QPushButton*>("saveButton")->text(), texts[3]);
        QCOMPARE(dialog.findChild<QPushButton*>("cancelButton")->text(), texts[4]);
        QVERIFY(dialog.findChild<QPushButton*>("saveButton")->isDefault());
        for (QWidget* control : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(dialog.rect().contains(control->geometry()),
                     qPrintable(control->objectName()));
            if (qobject_cast<QLabel*>(control) || qobject_cast<QPushButton*>(control)) {
                QVERIFY2(control->width() >= control->sizeHint().width(),
                         qPrintable(control->objectName()));
            }
        }
    }
};

QTEST_MAIN(SavePuzzleDialogTest)
#include "test_save_puzzle_dialog.moc"
