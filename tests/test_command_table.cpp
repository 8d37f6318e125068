// The command table on its own: each command's texts and keys, and that no key stands for two
// commands. How the window builds its menus and keys from it is tested with the window.

#include <QKeySequence>
#include <QtTest>
#include <set>

#include "app/command_table.h"
#include "library/bilingual_text.h"

namespace tessellix {

namespace {

QStringList KeysOf(const Command& command) {
    return QString::fromUtf8(command.keys).split("; ", Qt::SkipEmptyParts);
}

bool ShareAMode(CommandMode a, CommandMode b) {
    return a == b || a == CommandMode::Both || b == CommandMode::Both;
}

}  // namespace

class CommandTableTest : public QObject {
    Q_OBJECT
  private slots:
    void eachCommandReadsInBothLanguages_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("russian");
        QTest::addColumn<QString>("english");
        const auto row = [](int number, const char* russian, const char* english) {
            QTest::addRow("%d", number)
                << number << QString::fromUtf8(russian) << QString::fromUtf8(english);
        };
        row(40011, "&Следующее задание\tPgDn", "&Next puzzle\tPgDn");
        row(40014, "&Возврат в Tessellix", "&Return to Tessellix");
        row(40015, "&Предыдущее задание\tPgUp", "&Previous puzzle\tPgUp");
        row(40016, "&Выбор задания\tF2", "&Select puzzle\tF2");
        row(40017, "&Редактор", "&Editor");
        row(40018, "&Новый \tCtrl+N", "&New \tCtrl+N");
        row(40019, "&Открыть\tCtrl+O", "&Open\tCtrl+O");
        row(40020, "&Сохранить \tCtrl+S", "&Save \tCtrl+S");
        row(40021, "Сохранить &как...", "Save &as...");
        row(40022, "С&брос", "&Reset");
        row(40023, "&Подсказка", "&Hint");
        row(40025, "&Удалить", "&Delete");
        row(40030, "&Отменить ход\tCtrl+Z", "&Undo\tCtrl+Z");
        row(40031, "Ве&рнуть ход\tCtrl+Y", "Re&do\tCtrl+Y");
        row(40027, "Russian", "Russian");  // the language items read the same in both
        row(40028, "English", "English");
        row(40092, "О&бъяснить шаг\tCtrl+E", "E&xplain a step\tCtrl+E");
        row(57664, "&О программе...", "&About...");
        row(57665, "В&ыход", "E&xit");
        row(57671, "&Вызов справки\tF1", "&Help\tF1");
        row(40093, "Оп&исать доску\tCtrl+B", "&Describe board\tCtrl+B");
        row(kCommandZoomIn, "", "");  // keys only
        row(kCommandNextPlace, "", "");
        row(kCommandPreviousPlace, "", "");
    }
    void eachCommandReadsInBothLanguages() {
        QFETCH(int, number);
        const Command* command = FindCommand(number);
        QVERIFY(command != nullptr);
        const BilingualText text = BilingualText::Split(command->text);
        QTEST(QString::fromStdString(text.In(Language::Russian)), "russian");
        QTEST(QString::fromStdString(text.In(Language::English)), "english");
    }

    // A misspelt key name would be a key that does nothing.
    void everyKeyIsOneKeyByItsQtName_data() {
        QTest::addColumn<QString>("key");
        for (const Command& command : CommandTable()) {
            for (const QString& key : KeysOf(command)) {
                QTest::addRow("%d %s", command.number, qPrintable(key)) << key;
            }
        }
    }
    void everyKeyIsOneKeyByItsQtName() {
        QFETCH(QString, key);
        const QKeySequence sequence(key, QKeySequence::PortableText);
        QCOMPARE(sequence.count(), 1);
        QCOMPARE(sequence.toString(QKeySequence::PortableText), key);
    }

    // Within a mode a key runs one command, never a key that the board reads, and every command
    // is reached from a menu item or a key.
    void keysAndNumbersAreEachTakenOnce() {
        const QStringList boardKeys{"Tab",   "Shift+Tab",   "Left",   "Right", "Up",  "Down",
                                    "Space", "Shift+Space", "Return", "Enter", "Del", "Esc"};
        std::set<int> numbers;
        for (const Command& command : CommandTable()) {
            QVERIFY2(numbers.insert(command.number).second,
                     qPrintable(QString::number(command.number)));
            QVERIFY(command.run != nullptr);
            QVERIFY(command.popup != MenuPopup::None || !KeysOf(command).isEmpty());
            for (const QString& key : KeysOf(command)) {
                QVERIFY2(!boardKeys.contains(key), qPrintable(key));
            }
            for (const Command& other : CommandTable()) {
                if (&other != &command && ShareAMode(command.mode, other.mode)) {
                    for (const QString& key : KeysOf(command)) {
                        QVERIFY2(!KeysOf(other).contains(key), qPrintable(key));
                    }
                }
            }
        }
    }
};

}  // namespace tessellix

QTEST_MAIN(tessellix::CommandTableTest)
#include "test_command_table.moc"
