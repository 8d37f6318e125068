#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "editor/save_puzzle_dialog.h"
#include "library/bilingual_text.h"
#include "platform/message_box.h"

namespace tessellix {

namespace {

void Row(const char* title, Language language, const QString& name, const QString& comment,
         const QString& typed, const QStringList& expected) {
    QTest::newRow(title) << static_cast<int>(language) << name << comment << typed << expected;
}

}  // namespace

class SavePuzzleDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() {
        SetCurrentLanguage(Language::Russian);
        SetMessageResponder({});
    }

    // `typed` goes to the comment's end ('\n' as Enter), then Enter to the name box.
    // Expected: the texts taken, or the message, its caption and the box focused again.
    void savesOrRefuses_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("expected");
        const QString two = "one\r\ntwo";
        Row("empty name, English", Language::English, "", "", "",
            {"Input the puzzle name!", "Error", "nameEdit"});
        Row("empty name, Russian", Language::Russian, "", "c", "",
            {"Введите название задания!", "Ошибка ввода", "nameEdit"});
        Row("only blanks, kept as they are", Language::English, " \t  ", "", "", {" \t  ", ""});
        Row("one blank, Russian", Language::Russian, " ", "c", "", {" ", "c"});
        Row("blanks around a name stay", Language::English, " N\t", "", "", {" N\t", ""});
        Row("Enter in the comment", Language::English, "N", "one", "\ntwo", {"N", two});
        Row("CR LF comment unchanged", Language::English, "N", two, "", {"N", two});
        Row("no-break space and №", Language::Russian, "№ 5", "a\u00A0b", "", {"№ 5", "a\u00A0b"});
        Row("name outside the code page", Language::English, "Puzzle 中", "", "",
            {"The puzzle name holds a character that a puzzle file cannot store "
             "(Windows-1251 code page): 中 (U+4E2D)",
             "Error", "nameEdit"});
        Row("separator byte in the comment", Language::Russian, "N", QString("a") + QChar(1), "",
            {"Поле «комментарий» содержит управляющий символ с кодом 0 или 1, который нельзя "
             "сохранить в файле задания.",
             "Ошибка ввода", "commentEdit"});
    }
    void savesOrRefuses() {
        QFETCH(int, language);
        QFETCH(QString, name);
        QFETCH(QString, comment);
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);
        SetCurrentLanguage(Language(language));
        QList<MessageRequest> shown;
        SetMessageResponder([&shown](const MessageRequest& request) {
            shown.append(request);
            return MessageResult::Ok;
        });
        SavePuzzleDialog dialog(name, comment, nullptr);
        dialog.show();
        auto* commentEdit = dialog.findChild<QPlainTextEdit*>("commentEdit");
        QCOMPARE(commentEdit->document()->blockCount(), comment.count("\r\n") + 1);
        commentEdit->setFocus();
        commentEdit->moveCursor(QTextCursor::End);
        for (const QChar c : typed) {
            c == '\n' ? QTest::keyClick(commentEdit, Qt::Key_Return)
                      : QTest::keyClicks(commentEdit, QString(c));
        }
        QTest::keyClick(dialog.findChild<QLineEdit*>("nameEdit"), Qt::Key_Return);

        const bool refused = expected.size() == 3;
        QCOMPARE(dialog.isVisible(), refused);
        QCOMPARE(shown.size(), refused ? 1 : 0);
        if (refused) {
            QCOMPARE(QStringList({shown[0].text, shown[0].caption}), expected.mid(0, 2));
            QCOMPARE(shown[0].icon, MessageIcon::Exclamation);
            QCOMPARE(shown[0].buttons, MessageButtons::Ok);
            QCOMPARE(dialog.focusWidget()->objectName(), expected[2]);
            auto* line = qobject_cast<QLineEdit*>(dialog.focusWidget());
            QVERIFY(line ? line->selectedText() == line->text()
                         : commentEdit->textCursor().selectedText() == comment);
        } else {
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(QStringList({dialog.PuzzleName(), dialog.PuzzleComment()}), expected);
        }
    }

    void textsFollowTheLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("texts");  // title, labels, Save, Cancel
        QTest::newRow("English") << int(Language::English)
                                 << QStringList{"Save puzzle", "Puzzle name", "Comment", "Save",
                                                "Cancel"};
        QTest::newRow("Russian") << int(Language::Russian)
                                 << QStringList{"Сохранить задание", "Название задания",
                                                "Комментарий", "Сохранить", "Отмена"};
    }
    void textsFollowTheLanguage() {
        QFETCH(int, language);
        QFETCH(QStringList, texts);
        SetCurrentLanguage(Language(language));
        SavePuzzleDialog dialog("", "", nullptr);
        QCOMPARE(QStringList({dialog.windowTitle(), dialog.findChild<QLabel*>("nameLabel")->text(),
                              dialog.findChild<QLabel*>("commentLabel")->text(),
                              dialog.findChild<QPushButton*>("saveButton")->text(),
                              dialog.findChild<QPushButton*>("cancelButton")->text()}),
                 texts);
        QVERIFY(dialog.findChild<QPushButton*>("saveButton")->isDefault());
    }
};

}  // namespace tessellix

QTEST_MAIN(tessellix::SavePuzzleDialogTest)
#include "test_save_puzzle_dialog.moc"
