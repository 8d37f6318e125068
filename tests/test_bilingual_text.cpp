#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <cerrno>
#include <cstring>

#include "library/failure.h"
#include "platform/window_text.h"

namespace tessellix {

class BilingualTextTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { SetCurrentLanguage(Language::Russian); }

    void splitAtTheFirstHash_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("russian");
        QTest::addColumn<QString>("english");
        QTest::newRow("two parts") << "Да#Yes"
                                   << "Да"
                                   << "Yes";
        QTest::newRow("further hashes stay English") << "a#b#c"
                                                     << "a"
                                                     << "b#c";
        QTest::newRow("hash first") << "#x"
                                    << ""
                                    << "x";
        QTest::newRow("hash last") << "x#"
                                   << "x"
                                   << "";
        QTest::newRow("no hash") << "OK"
                                 << ""
                                 << "";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
    }
    void splitAtTheFirstHash() {
        QFETCH(QString, text);
        QFETCH(QString, russian);
        QFETCH(QString, english);
        SetCurrentLanguage(Language::Russian);
        QCOMPARE(PickLanguage(0, text), russian);
        SetCurrentLanguage(Language::English);
        QCOMPARE(PickLanguage(0, text), english);
    }

    // The popups' and the window's titles; the commands' texts are in the command table.
    void stringTableHoldsEveryEntry_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("russian");
        QTest::addColumn<QString>("english");
        const auto row = [](int number, const char* russian, const char* english) {
            QTest::addRow("%d", number)
                << number << QString::fromUtf8(russian) << QString::fromUtf8(english);
        };
        row(100, "&Задание", "&Puzzle");
        row(101, "&Сервис", "&Tools");
        row(102, "&Настройки", "&Options");
        row(200, "&Файл", "&File");
        row(1000, "Tessellix", "Tessellix");
        row(1001, "Редактор заданий Tessellix", "Tessellix Puzzle Editor");
        row(1002, "Tessellix", "Tessellix");
        row(12345, "", "");  // not in the table
        row(40016, "", "");  // a command's number
    }
    void stringTableHoldsEveryEntry() {
        QFETCH(int, number);
        QFETCH(QString, russian);
        QFETCH(QString, english);
        SetCurrentLanguage(Language::Russian);
        QCOMPARE(PickLanguage(number, "ignored#when a number is given"), russian);
        SetCurrentLanguage(Language::English);
        QCOMPARE(PickLanguage(number), english);
    }

    void localizeWindowTextReplacesTheText() {
        SetCurrentLanguage(Language::English);
        QLabel label(QString::fromUtf8("О программе#About"));
        LocalizeWindowText(&label);
        QCOMPARE(label.text(), QString("About"));

        QPushButton cancel(QString::fromUtf8("Отмена#Cancel"));
        SetCurrentLanguage(Language::Russian);
        LocalizeWindowText(&cancel);
        QCOMPARE(cancel.text(), QString::fromUtf8("Отмена"));

        QWidget dialog;
        dialog.setWindowTitle(QString::fromUtf8("Подсказка#Hints"));
        SetCurrentLanguage(Language::English);
        LocalizeWindowText(&dialog);
        QCOMPARE(dialog.windowTitle(), QString("Hints"));
    }

    void systemReasonsInRussian_data() {
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("russian");
        QTest::newRow("no such file") << ENOENT << "Нет такого файла или папки";
        QTest::newRow("permission denied") << EACCES << "Отказано в доступе";
        QTest::newRow("read-only file system")
            << EROFS << "Файловая система доступна только для чтения";
        QTest::newRow("no space left") << ENOSPC << "На устройстве не осталось места";
        QTest::newRow("is a folder") << EISDIR << "Это папка";
        QTest::newRow("too many symbolic links")
            << ELOOP << "Слишком много символических ссылок подряд";
        QTest::newRow("too many links") << EMLINK << "Слишком много ссылок";
        QTest::newRow("not permitted") << EPERM << "Операция не разрешена";
        QTest::newRow("not a folder") << ENOTDIR << "Это не папка";
        QTest::newRow("file exists") << EEXIST << "Файл уже существует";
        QTest::newRow("busy") << EBUSY << "Устройство или ресурс занято";
        QTest::newRow("too many open files") << EMFILE << "Открыто слишком много файлов";
        QTest::newRow("name too long") << ENAMETOOLONG << "Слишком длинное имя файла";
        QTest::newRow("across devices") << EXDEV << "Ссылка между разными устройствами невозможна";
        QTest::newRow("input or output error") << EIO << "Ошибка ввода-вывода";
        QTest::newRow("quota exceeded") << EDQUOT << "Превышена дисковая квота";
        QTest::newRow("any other keeps the system's text")
            << ECHILD << QString(std::strerror(ECHILD));
    }
    void systemReasonsInRussian() {
        QFETCH(int, error);
        QTEST(QString::fromStdString(ErrorText(error).In(Language::Russian)), "russian");
        QCOMPARE(ErrorText(error).In(Language::English), std::string(std::strerror(error)));
    }

    // A failure without words in a language would be an empty message box.
    void failureAlwaysHasWords_data() {
        QTest::addColumn<QString>("russian");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("shownRussian");
        QTest::addColumn<QString>("shownEnglish");
        QTest::newRow("both kept") << "нет"
                                   << "no"
                                   << "нет"
                                   << "no";
        QTest::newRow("English only") << ""
                                      << "no"
                                      << "no"
                                      << "no";
        QTest::newRow("Russian only") << "нет"
                                      << ""
                                      << "нет"
                                      << "нет";
        QTest::newRow("none") << ""
                              << ""
                              << "Операция не выполнена по неизвестной причине."
                              << "The operation failed for an unknown reason.";
    }
    void failureAlwaysHasWords() {
        QFETCH(QString, russian);
        QFETCH(QString, english);
        const Failure failure({russian.toStdString(), english.toStdString()});
        QTEST(QString::fromStdString(failure.Message().In(Language::Russian)), "shownRussian");
        QTEST(QString::fromStdString(failure.Message().In(Language::English)), "shownEnglish");
    }
};

}  // namespace tessellix

QTEST_MAIN(tessellix::BilingualTextTest)
#include "test_bilingual_text.moc"
