// Tools, Generate puzzle on the real main window over temporary libraries: the dialog, the run
// off the GUI thread, and the new file with the library and the board on it.

#include <QDir>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>
#include <bit>
#include <thread>

#include "platform/window_text.h"
#include "play/background_generation.h"
#include "play/generate_dialog.h"
#include "solver/tiling_solver.h"
#include "tests/play_window_fixture.h"

namespace {

// The line I across the grid's corner, named `name`.
std::string LineFile(const std::string& name) {
    HandFile file;
    for (auto& record : file.records) {
        record = {0, 0, 0, 0};
    }
    file.records[0] = {0x01, 0, 0, 0};
    file.Cells({"XXXXX"});
    file.text = name + "\1" + name;
    return file.Bytes();
}

const char* const kLevelButtons[] = {"easyButton", "mediumButton", "hardButton"};

// The level button checked, by its number; -1 when none is.
int CheckedLevel(const QDialog& dialog) {
    for (int level = 0; level < 3; ++level) {
        if (dialog.findChild<QRadioButton*>(kLevelButtons[level])->isChecked()) {
            return level;
        }
    }
    return -1;
}

// Chooses the elements and the level, then presses Return.
std::function<void(QDialog&)> Generate(int elements, int level) {
    return [elements, level](QDialog& dialog) {
        dialog.findChild<QSpinBox*>("elementsBox")->setValue(elements);
        dialog.findChild<QRadioButton*>(kLevelButtons[level])->click();
        QTest::keyClick(&dialog, Qt::Key_Return);
    };
}

QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

}  // namespace

class GeneratePuzzleTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { SetCurrentLanguage(Language::English); }

    void dialogOpensWithTheStoredChoiceAndCancelKeepsEverything_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("elements");
        QTest::addColumn<int>("level");
        QTest::newRow("first time: 12, medium") << QByteArray() << 12 << 1;
        QTest::newRow("last choice: 5, easy")
            << QByteArray("[Generator]\nElements=5\nLevel=0\n") << 5 << 0;
        QTest::newRow("hard") << QByteArray("[Generator]\nLevel=2\n") << 12 << 2;
        QTest::newRow("too few elements give 3")
            << QByteArray("[Generator]\nElements=1\n") << 3 << 1;
        QTest::newRow("too many give 12") << QByteArray("[Generator]\nElements=40\n") << 12 << 1;
        QTest::newRow("an unknown level gives medium")
            << QByteArray("[Generator]\nLevel=7\n") << 12 << 1;
    }
    void dialogOpensWithTheStoredChoiceAndCancelKeepsEverything() {
        QFETCH(QByteArray, stored);
        QFETCH(int, elements);
        QFETCH(int, level);
        PlayWindowFixture play({{"1.TLX", LineFile("One")}});
        const std::string settingsPath =
            play.settingsFolder.filePath("tessellix.ini").toStdString();
        if (!stored.isEmpty()) {
            WriteBytes(settingsPath, stored.toStdString());
        }
        const QImage before = play.Shown().copy();
        play.RunWithDialog(kCommandGenerate, [&](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QString("Generate puzzle"));
            QCOMPARE(dialog.findChild<QSpinBox*>("elementsBox")->value(), elements);
            QCOMPARE(CheckedLevel(dialog), level);
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        QCOMPARE(FilesIn(play.dataFolder.path()), QStringList{"1.TLX"});
        QCOMPARE(play.library.count(), 1);
        QCOMPARE(play.Shown(), before);
        QCOMPARE(ReadBytes(settingsPath), stored.toStdString());
        QVERIFY(play.messages.isEmpty());
    }

    void elementsStayWithin3To12_data() {
        QTest::addColumn<int>("opening");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("elements");
        QTest::newRow("Up") << 5 << int(Qt::Key_Up) << 6;
        QTest::newRow("Down") << 5 << int(Qt::Key_Down) << 4;
        QTest::newRow("Up stops at 12") << 12 << int(Qt::Key_Up) << 12;
        QTest::newRow("Down stops at 3") << 3 << int(Qt::Key_Down) << 3;
        QTest::newRow("Page Up stops at 12") << 5 << int(Qt::Key_PageUp) << 12;
        QTest::newRow("opened with 0") << 0 << 0 << 3;
        QTest::newRow("opened with 13") << 13 << 0 << 12;
    }
    void elementsStayWithin3To12() {
        QFETCH(int, opening);
        QFETCH(int, key);
        QFETCH(int, elements);
        GenerateDialog dialog({opening, Level::Hard}, nullptr);
        if (key != 0) {
            QTest::keyClick(dialog.findChild<QSpinBox*>("elementsBox"), Qt::Key(key));
        }
        QCOMPARE(dialog.GetChoice().elements, elements);
        QCOMPARE(dialog.GetChoice().level, Level::Hard);
    }

    void generatedPuzzleJoinsTheLibraryAndIsPlayed_data() {
        QTest::addColumn<QStringList>("files");  // "junk:" names a file that is no puzzle
        QTest::addColumn<int>("played");
        QTest::addColumn<QString>("removed");
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("records");
        QTest::newRow("an empty library gets its first puzzle")
            << QStringList{} << 0 << QString() << "200.TLX" << 0 << 1;
        QTest::newRow("in front of the played puzzle")
            << QStringList{"1.TLX", "300.TLX"} << 1 << QString() << "200.TLX" << 1 << 3;
        QTest::newRow("a file the library leaves out keeps its number")
            << QStringList{"1.TLX", "junk:200.TLX"} << 0 << QString() << "201.TLX" << 1 << 2;
        QTest::newRow("a record whose file has gone keeps its number")
            << QStringList{"1.TLX", "200.TLX"} << 0 << "200.TLX"
            << "201.TLX" << 2 << 3;
    }
    void generatedPuzzleJoinsTheLibraryAndIsPlayed() {
        QFETCH(QStringList, files);
        QFETCH(int, played);
        QFETCH(QString, removed);
        QFETCH(QString, written);
        QFETCH(int, position);
        QFETCH(int, records);
        std::map<std::string, std::string> puzzles;
        for (const QString& file : files) {
            puzzles[file.section(':', -1).toStdString()] =
                file.startsWith("junk:") ? "not a puzzle" : LineFile(file.toStdString());
        }
        PlayWindowFixture play(puzzles);
        play.Window().Commands().SwitchToPuzzle(played);
        if (!removed.isEmpty()) {
            QVERIFY(QFile::remove(QString::fromStdString(play.DataPath(removed.toStdString()))));
        }
        play.RunWithDialog(kCommandGenerate, Generate(3, 0));

        QVERIFY(play.messages.isEmpty());
        const std::string path = play.DataPath(written.toStdString());
        const PuzzleFileContents contents = ReadPuzzleFile(path);
        QVERIFY(contents.IsComplete());
        unsigned used = 0;
        for (int i = 0; i < kElementRecordCount; ++i) {
            used |= contents.data.elements[i].used ? 1u << i : 0;
        }
        QCOMPARE(std::popcount(used), 3);
        const CountResult count = TilingSolver(contents.data.grid, kGridSide, used).Count();
        QVERIFY(count.complete);
        QCOMPARE(count.tilings, std::uint64_t{1});
        QVERIFY(QString::fromStdString(contents.data.texts.comments.In(Language::English))
                    .contains("Level: easy"));

        QCOMPARE(play.library.count(), records);
        QCOMPARE(play.library.RecordAt(position)->fileName, written.toStdString());
        QCOMPARE(play.Session().CurrentPuzzleIndex(), position);
        QCOMPARE(play.Session().CurrentRecord(), play.library.RecordAt(position));
        QCOMPARE(play.Puzzle().names, contents.data.texts.names);
        QVERIFY(play.Window().IsCommandEnabled(kCommandSelectPuzzle));
        QCOMPARE(play.settings.ReadGeneratorElementsSetting(), 3);
        QCOMPARE(play.settings.ReadGeneratorLevelSetting(), 0);
    }

    void writeFailureShowsTheFileLayersMessageAndChangesNothing() {
        PlayWindowFixture play({{"1.TLX", LineFile("One")}});
        // The data folder's path names a file now, so nothing can be written into it.
        const QString folder = play.dataFolder.path();
        QVERIFY(QDir(folder).removeRecursively());
        WriteBytes(folder.toStdString(), "a file");
        const QImage before = play.Shown().copy();
        const QString reason =
            Shown(WritePuzzleFile(play.library.DataFolder() + "200.TLX", PuzzleFileData{}).error);
        play.RunWithDialog(kCommandGenerate, Generate(4, 0));
        QFile::remove(folder);

        QVERIFY(reason.endsWith("Not a directory"));
        QCOMPARE(play.MessageTexts(), QStringList{reason});
        QCOMPARE(play.messages[0].icon, MessageIcon::Exclamation);
        QCOMPARE(play.library.count(), 1);
        QCOMPARE(play.Session().CurrentPuzzleIndex(), 0);
        QCOMPARE(play.Shown(), before);
    }

    void progressAppearsAfterHalfASecondAndItsCancelStopsTheRun() {
        PlayWindowFixture play({{"1.TLX", LineFile("One")}, {"2.TLX", LineFile("Two")}});
        play.Window().show();
        QVERIFY(QTest::qWaitForWindowActive(&play.Window()));
        QElapsedTimer clock;
        clock.start();
        bool waitCursor = false;
        bool shownEarly = false;
        qint64 shownAt = -1;
        QString label;
        const auto progress = [&play] {
            return play.Window().findChild<QProgressDialog*>("generationProgress");
        };
        // Early on: the wait cursor, no progress yet, and a key of the window does nothing.
        QTimer::singleShot(100, [&] {
            waitCursor = QApplication::overrideCursor() != nullptr &&
                         QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            shownEarly = progress() != nullptr && progress()->isVisible();
            QTest::keyClick(&play.Window(), Qt::Key_PageDown);
        });
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (shownAt < 0 && progress() != nullptr && progress()->isVisible()) {
                shownAt = clock.elapsed();
                QTest::qWait(250);  // for the count of shapes tried to show
                label = progress()->labelText();
                progress()->findChild<QPushButton*>()->click();
            }
        });
        watch.start(10);
        int tried = 0;
        const GeneratedPuzzle result = RunInBackground(
            [&tried](const std::atomic<bool>& cancel, const std::function<void(int)>& report) {
                while (!cancel) {
                    report(++tried);
                    std::this_thread::sleep_for(std::chrono::milliseconds(2));
                }
                GeneratedPuzzle stopped;
                stopped.status = GeneratorStatus::Cancelled;
                stopped.tries = tried;
                return stopped;
            },
            &play.Window());
        watch.stop();

        QVERIFY(waitCursor);
        QVERIFY(!shownEarly);
        QVERIFY2(shownAt >= kProgressDelayMs, qPrintable(QString::number(shownAt)));
        QVERIFY2(label.startsWith("Shapes tried: ") && label.mid(14).toInt() > 0,
                 qPrintable(label));
        QCOMPARE(result.tries, tried);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(play.Session().CurrentPuzzleIndex(), 0);
        // The same key works again once the run is over.
        QVERIFY(QTest::qWaitForWindowActive(&play.Window()));
        QTest::keyClick(&play.Window(), Qt::Key_PageDown);
        QCOMPARE(play.Session().CurrentPuzzleIndex(), 1);
    }

    void ctrlGOpensTheDialogInPlayOnly() {
        PlayWindowFixture play({{"1.TLX", LineFile("One")}});
        play.Window().show();
        QVERIFY(QTest::qWaitForWindowActive(&play.Window()));
        for (const bool editing : {false, true}) {
            if (editing) {
                play.Window().RunCommand(kCommandEditor);
            }
            bool opened = false;
            QTimer::singleShot(0, [&opened] {
                if (QWidget* dialog = QApplication::activeModalWidget()) {
                    opened = true;
                    dialog->close();
                }
            });
            QTest::keyClick(&play.Window(), Qt::Key_G, Qt::ControlModifier);
            QTest::qWait(20);
            QCOMPARE(opened, !editing);
            QCOMPARE(play.Window().IsCommandEnabled(kCommandGenerate), !editing);
        }
        QCOMPARE(FilesIn(play.dataFolder.path()), QStringList{"1.TLX"});
    }
};

QTEST_MAIN(GeneratePuzzleTest)
#include "test_generate_puzzle.moc"
