// Tools, Generate puzzle on the real main window over temporary libraries: the dialog, the new
// file with the library and the board on it, and the run off the GUI thread.

#include <QDir>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>
#include <bit>
#include <stdexcept>
#include <thread>

#include "platform/window_text.h"
#include "play/background_generation.h"
#include "solver/tiling_solver.h"
#include "tests/play_window_fixture.h"

namespace tessellix {

namespace {

// The line I across the grid's corner, named `name`.
std::string LineFile(const std::string& name) {
    HandFile file;
    for (auto& record : file.records) {
        record = {0, 0, 0, 0};
    }
    file.records[0] = {0x01, 0, 0, 0};
    file.text = name + "\1" + name;
    return file.Cells({"XXXXX"}).Bytes();
}

const char* const kLevelButtons[] = {"easyButton", "mediumButton", "hardButton"};
const char* const kShapeButtons[] = {"compactButton", "symmetricButton", "freeButton"};

}  // namespace

class GeneratePuzzleTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { SetCurrentLanguage(Language::English); }

    void dialogOpensWithTheLastChoiceWithin3To12_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("elements");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("shape");
        QTest::newRow("first time: 12, medium, compact") << QByteArray() << 0 << 12 << 1 << 0;
        QTest::newRow("last choice: 5, easy, free")
            << QByteArray("Elements=5\nLevel=0\nShape=2\n") << 0 << 5 << 0 << 2;
        QTest::newRow("too many give 12") << QByteArray("Elements=40\n") << 0 << 12 << 1 << 0;
        QTest::newRow("an unknown level gives medium")
            << QByteArray("Level=7\nShape=1\n") << 0 << 12 << 1 << 1;
        QTest::newRow("an unknown shape gives compact")
            << QByteArray("Shape=-1\n") << 0 << 12 << 1 << 0;
        QTest::newRow("Up stops at 12") << QByteArray() << int(Qt::Key_Up) << 12 << 1 << 0;
        QTest::newRow("Down stops at 3")
            << QByteArray("Elements=3\n") << int(Qt::Key_Down) << 3 << 1 << 0;
    }
    void dialogOpensWithTheLastChoiceWithin3To12() {
        QFETCH(QByteArray, stored);
        QFETCH(int, key);
        QFETCH(int, elements);
        QFETCH(int, level);
        QFETCH(int, shape);
        PlayWindowFixture play;
        WriteBytes(play.settingsFolder.filePath("tessellix.ini").toStdString(),
                   "[Generator]\n" + stored.toStdString());
        play.RunWithDialog(kCommandGenerate, [&](QDialog& dialog) {
            auto* box = dialog.findChild<QSpinBox*>("elementsBox");
            if (key != 0) {
                QTest::keyClick(box, Qt::Key(key));
            }
            QCOMPARE(box->value(), elements);
            QVERIFY(dialog.findChild<QRadioButton*>(kLevelButtons[level])->isChecked());
            // The two groups exclude within themselves only.
            QVERIFY(dialog.findChild<QRadioButton*>(kShapeButtons[shape])->isChecked());
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
    }

    void generatedPuzzleJoinsTheLibraryAndIsPlayed_data() {
        // "junk:" a file that is no puzzle; "gone:" a puzzle whose file goes after the scan.
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<int>("played");
        QTest::addColumn<QString>("answer");  // Generate, Cancel, or Generate into a lost folder
        QTest::addColumn<QString>("written");
        QTest::addColumn<int>("position");  // played afterwards
        QTest::newRow("an empty library gets its first puzzle") << QStringList{} << 0 << "Generate"
                                                                << "200.TLX" << 0;
        QTest::newRow("in front of the played puzzle")
            << QStringList{"1.TLX", "300.TLX"} << 1 << "Generate"
            << "200.TLX" << 1;
        QTest::newRow("a file the library leaves out keeps its number")
            << QStringList{"1.TLX", "junk:200.TLX"} << 0 << "Generate"
            << "201.TLX" << 1;
        QTest::newRow("a record whose file has gone keeps its number")
            << QStringList{"1.TLX", "gone:200.TLX"} << 0 << "Generate"
            << "201.TLX" << 2;
        QTest::newRow("Cancel changes nothing")
            << QStringList{"1.TLX", "300.TLX"} << 1 << "Cancel" << QString() << 1;
        QTest::newRow("a failed write shows why and changes nothing")
            << QStringList{"1.TLX", "300.TLX"} << 1 << "lost folder" << QString() << 1;
    }
    void generatedPuzzleJoinsTheLibraryAndIsPlayed() {
        QFETCH(QStringList, files);
        QFETCH(int, played);
        QFETCH(QString, answer);
        QFETCH(QString, written);
        QFETCH(int, position);
        std::map<std::string, std::string> puzzles;
        for (const QString& file : files) {
            const std::string name = file.section(':', -1).toStdString();
            puzzles[name] = file.startsWith("junk:") ? "not a puzzle" : LineFile(name);
        }
        PlayWindowFixture play(puzzles);
        play.Window().Commands().SwitchToPuzzle(played);
        for (const QString& file : files.filter("gone:")) {
            QVERIFY(QFile::remove(play.dataFolder.filePath(file.mid(5))));
        }
        if (!written.isEmpty()) {
            // Kept from a file of that name that went outside the game.
            WriteBytes(play.SettingsPath(), "[Solved]\n" + written.toStdString() + "=1\n");
        }
        const int records = play.library.count();
        const QImage before = play.Shown().copy();
        // A data folder whose path names a file now takes no new file.
        const QString folder = play.dataFolder.path();
        QString reason;
        if (answer == "lost folder") {
            QVERIFY(QDir(folder).removeRecursively());
            WriteBytes(folder.toStdString(), "a file");
            reason = Shown(WritePuzzleFile(play.library.DataFolder() + "200.TLX", {})->Message());
            QVERIFY(reason.endsWith("Not a directory"));
        }
        play.RunWithDialog(kCommandGenerate, [&answer](QDialog& dialog) {
            dialog.findChild<QSpinBox*>("elementsBox")->setValue(3);
            dialog.findChild<QRadioButton*>("easyButton")->click();
            dialog.findChild<QRadioButton*>("freeButton")->click();
            QTest::keyClick(&dialog, answer == "Cancel" ? Qt::Key_Escape : Qt::Key_Return);
        });
        if (answer == "lost folder") {
            QFile::remove(folder);
        }
        QCOMPARE(play.Session().CurrentPuzzleIndex(), position);
        QCOMPARE(play.settings.ReadGeneratorElementsSetting(), answer == "Cancel" ? 12 : 3);
        if (written.isEmpty()) {
            QCOMPARE(play.MessageTexts(), reason.isEmpty() ? QStringList{} : QStringList{reason});
            QCOMPARE(play.library.count(), records);
            QCOMPARE(play.Shown(), before);
            return;
        }
        QVERIFY(play.messages.isEmpty());
        const PuzzleFileContents contents = ReadPuzzleFile(play.DataPath(written.toStdString()));
        QVERIFY(contents.IsComplete());
        unsigned used = 0;
        for (int i = 0; i < kElementRecordCount; ++i) {
            used |= contents.data.elements[i].used ? 1u << i : 0;
        }
        QCOMPARE(std::popcount(used), 3);
        const CountResult count = TilingSolver(contents.data.grid, kGridSide, used).Count();
        QVERIFY(count.complete);
        QCOMPARE(count.tilings, std::uint64_t{1});
        QCOMPARE(play.library.count(), records + 1);
        QCOMPARE(play.Session().CurrentRecord(), play.library.RecordAt(position));
        QCOMPARE(play.Session().CurrentRecord()->fileName, written.toStdString());
        QCOMPARE(play.Puzzle().names, contents.data.texts.names);
        QVERIFY(play.Window().IsCommandEnabled(kCommandSelectPuzzle));
        QCOMPARE(play.settings.ReadGeneratorLevelSetting(), 0);
        QCOMPARE(play.SolvedMarks({written.toStdString()}), ".");
        QCOMPARE(play.settings.ReadGeneratorShapeSetting(), 2);
        // The title tells the level and why for a moment.
        QVERIFY2(play.Window().windowTitle().startsWith("Level easy: "),
                 qPrintable(play.Window().windowTitle()));
    }

    void anExceptionOfTheRunComesBackAsAFailure_data() {
        QTest::addColumn<bool>("standard");
        QTest::addColumn<QString>("message");
        QTest::newRow("a standard exception")
            << true << "Generating the puzzle stopped with an error: out of shapes";
        QTest::newRow("anything else thrown")
            << false << "Generating the puzzle stopped with an error: an unknown error";
    }
    void anExceptionOfTheRunComesBackAsAFailure() {
        QFETCH(bool, standard);
        PlayWindowFixture play;
        const Result<GeneratedPuzzle> result = RunInBackground(
            [standard](const std::atomic<bool>&, const std::function<void(int)>&) {
                if (standard) {
                    throw std::runtime_error("out of shapes");
                }
                throw 7;
                return GeneratedPuzzle();
            },
            &play.Window());
        QVERIFY(!result);
        QTEST(Shown(result.Error().Message()), "message");
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void progressAppearsAfterHalfASecondAndItsCancelStopsTheRun() {
        PlayWindowFixture play({{"1.TLX", LineFile("One")}, {"2.TLX", LineFile("Two")}});
        play.Window().show();
        QVERIFY(QTest::qWaitForWindowActive(&play.Window()));
        QElapsedTimer clock;
        clock.start();
        bool waitCursor = false;
        qint64 shownAt = -1;
        QString label;
        // Early on: the wait cursor, and a key of the window does nothing.
        QTimer::singleShot(100, [&] {
            waitCursor = QApplication::overrideCursor() != nullptr &&
                         QApplication::overrideCursor()->shape() == Qt::WaitCursor;
            QTest::keyClick(&play.Window(), Qt::Key_PageDown);
        });
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto* progress = play.Window().findChild<QProgressDialog*>("generationProgress");
            if (shownAt < 0 && progress != nullptr && progress->isVisible()) {
                shownAt = clock.elapsed();
                QTest::qWait(250);  // for the count of shapes tried to show
                label = progress->labelText();
                progress->findChild<QPushButton*>()->click();
            }
        });
        watch.start(10);
        const Result<GeneratedPuzzle> result = RunInBackground(
            [](const std::atomic<bool>& cancel, const std::function<void(int)>& report) {
                GeneratedPuzzle stopped;
                while (!cancel) {
                    report(++stopped.tries);
                    std::this_thread::sleep_for(std::chrono::milliseconds(2));
                }
                return stopped;
            },
            &play.Window());

        QVERIFY(waitCursor);
        QVERIFY2(shownAt >= kProgressDelayMs, qPrintable(QString::number(shownAt)));
        QVERIFY2(label.startsWith("Shapes tried: ") && label.mid(14).toInt() > 0,
                 qPrintable(label));
        QVERIFY(result && result->tries >= label.mid(14).toInt());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        QCOMPARE(play.Session().CurrentPuzzleIndex(), 0);
        // The same key works once the run is over.
        QVERIFY(QTest::qWaitForWindowActive(&play.Window()));
        QTest::keyClick(&play.Window(), Qt::Key_PageDown);
        QCOMPARE(play.Session().CurrentPuzzleIndex(), 1);
    }
};

}  // namespace tessellix

QTEST_MAIN(tessellix::GeneratePuzzleTest)
#include "test_generate_puzzle.moc"
