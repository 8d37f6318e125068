#include <QDir>
#include <QFile>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "app/application.h"
#include "platform/single_instance.h"

namespace tessellix {

namespace {

const QString kProgram = QStringLiteral(TESSELLIX_PROGRAM);
constexpr int kTimeoutMs = 15000;

// A copy of the built program in a folder of its own, with an empty data folder, so that its
// lock and socket are its own and nothing of the build folder is touched.
class InstalledCopy {
  public:
    InstalledCopy() {
        QDir(folder.path()).mkdir("DATA");
        QFile::copy(kProgram, Program());
        QFile::setPermissions(Program(), QFile::permissions(kProgram));
    }
    ~InstalledCopy() {
        for (auto& process : processes) {
            process->kill();
            process->waitForFinished();
        }
        // Killed copies leave their lock and socket behind; they are named after the data folder.
        const SingleInstance names(QFileInfo(folder.path()).canonicalFilePath() + "/DATA/");
        QFile::remove(names.LockFilePath());
        QFile::remove(names.ServerName());
    }

    QString Folder() const { return folder.path(); }
    QString Program() const { return folder.filePath("tessellix"); }

    QProcess& Start(const QString& workingFolder = QString()) {
        auto process = std::make_unique<QProcess>();
        process->setProgram(Program());
        process->setWorkingDirectory(workingFolder.isEmpty() ? Folder() : workingFolder);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("TESSELLIX_TEST_LOG", folder.filePath("log"));
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start();
        processes.push_back(std::move(process));
        return *processes.back();
    }

    // The lines that the copies of this folder have noted.
    QStringList Log() const {
        QFile log(folder.filePath("log"));
        if (!log.open(QIODevice::ReadOnly)) {
            return {};
        }
        return QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
    }
    int Count(const QString& prefix) const {
        int count = 0;
        for (const QString& line : Log()) {
            count += line.startsWith(prefix) ? 1 : 0;
        }
        return count;
    }

  private:
    QTemporaryDir folder;
    std::vector<std::unique_ptr<QProcess>> processes;
};

}  // namespace

class ApplicationTest : public QObject {
    Q_OBJECT
  private slots:
    void helpDocumentLiesBesideTheBuiltProgram() {
        const QFileInfo program(kProgram);
        QVERIFY(QFileInfo::exists(program.absolutePath() + "/tessellix.html"));
    }

    void firstStartShowsAWindowWithA600By400ClientArea() {
        InstalledCopy copy;
        QProcess& first = copy.Start();
        QTRY_COMPARE_WITH_TIMEOUT(copy.Count("started"), 1, kTimeoutMs);
        QCOMPARE(copy.Log().first(), QString("started language=0 client=600x400"));
        QCOMPARE(first.state(), QProcess::Running);
    }

    void secondStartRaisesTheRunningCopyAndEnds() {
        InstalledCopy copy;
        QProcess& first = copy.Start();
        QTRY_COMPARE_WITH_TIMEOUT(copy.Count("started"), 1, kTimeoutMs);

        QProcess& second = copy.Start();
        QVERIFY(second.waitForFinished(kTimeoutMs));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(copy.Count("raised"), 1, kTimeoutMs);
        QCOMPARE(copy.Count("started"), 1);
        QCOMPARE(first.state(), QProcess::Running);
    }

    void startAfterAKilledCopyRuns() {
        InstalledCopy copy;
        QProcess& killed = copy.Start();
        QTRY_COMPARE_WITH_TIMEOUT(copy.Count("started"), 1, kTimeoutMs);
        killed.kill();
        QVERIFY(killed.waitForFinished(kTimeoutMs));

        QProcess& next = copy.Start();
        QTRY_COMPARE_WITH_TIMEOUT(copy.Count("started"), 2, kTimeoutMs);
        QTest::qWait(200);
        QCOMPARE(next.state(), QProcess::Running);

        // The new copy owns the lock and the socket: a further start raises it and ends.
        QProcess& further = copy.Start();
        QVERIFY(further.waitForFinished(kTimeoutMs));
        QCOMPARE(further.exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(copy.Count("raised"), 1, kTimeoutMs);
        QCOMPARE(copy.Count("started"), 2);
    }

    void copiesInDifferentFoldersRunTogether() {
        InstalledCopy one;
        InstalledCopy other;
        QProcess& first = one.Start();
        QProcess& second = other.Start();
        QTRY_COMPARE_WITH_TIMEOUT(one.Count("started"), 1, kTimeoutMs);
        QTRY_COMPARE_WITH_TIMEOUT(other.Count("started"), 1, kTimeoutMs);
        QCOMPARE(first.state(), QProcess::Running);
        QCOMPARE(second.state(), QProcess::Running);
    }

    void settingsAreReadBesideTheProgramNotInTheWorkingFolder() {
        InstalledCopy copy;
        QTemporaryDir elsewhere;
        QDir(elsewhere.path()).mkdir("DATA");
        const auto write = [](const QString& path, const QByteArray& content) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        };
        write(elsewhere.filePath("tessellix.ini"), "[Options]\nLanguage=0\n");
        write(copy.Folder() + "/tessellix.ini", "[Options]\nLanguage=1\n");
        copy.Start(elsewhere.path());
        QTRY_COMPARE_WITH_TIMEOUT(copy.Count("started"), 1, kTimeoutMs);
        QCOMPARE(copy.Log().first(), QString("started language=1 client=600x400"));
    }

    // Help and the version need no display; any other argument is refused before a window opens,
    // with a display or without one, and without one the game says in one line that it needs
    // one. An empty platform leaves Qt to choose, which without a display is none.
    void commandLineIsAnsweredTheQtWay_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("outPattern");
        QTest::addColumn<QString>("errPattern");
        QTest::newRow("--version")
            << QStringList{"--version"} << "" << 0
            << "^tessellix " + QRegularExpression::escape(TESSELLIX_VERSION) + "\n$"
            << "^$";
        QTest::newRow("--help") << QStringList{"--help"} << "" << 0
                                << "^Usage: \\S+ \\[options\\]\n(.|\n)*-v, --version"
                                << "^$";
        QTest::newRow("unknown option") << QStringList{"--fullscreen"} << "offscreen" << 1 << "^$"
                                        << "^tessellix: Unknown option 'fullscreen'\\.\n\nUsage: ";
        QTest::newRow("an argument") << QStringList{"12.TLX"} << "offscreen" << 1 << "^$"
                                     << "^tessellix: Unexpected argument '12\\.TLX'\\.\n\nUsage: ";
        QTest::newRow("unknown option without a display")
            << QStringList{"--fullscreen"} << "" << 1 << "^$"
            << "^tessellix: Unknown option 'fullscreen'\\.\n\nUsage: ";
        QTest::newRow("an argument without a display")
            << QStringList{"12.TLX"} << "" << 1 << "^$"
            << "^tessellix: Unexpected argument '12\\.TLX'\\.\n\nUsage: ";
        const QString noDisplay =
            "^tessellix: needs a graphical display, and none could be opened\n$";
        QTest::newRow("nothing without a display") << QStringList{} << "" << 1 << "^$" << noDisplay;
        QTest::newRow("a window system's option without a display")
            << QStringList{"-platform", "xcb"} << "" << 1 << "^$" << noDisplay;
        QTest::newRow("window system's option taken, another refused")
            << QStringList{"-platform", "offscreen", "--fullscreen"} << "" << 1 << "^$"
            << "^tessellix: Unknown option 'fullscreen'\\.\n\nUsage: ";
    }
    void commandLineIsAnsweredTheQtWay() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, platform);
        InstalledCopy copy;
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", "");
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        if (!platform.isEmpty()) {
            environment.insert("QT_QPA_PLATFORM", platform);
        }
        environment.insert("TESSELLIX_TEST_LOG", copy.Folder() + "/log");
        process.setProcessEnvironment(environment);
        process.start(copy.Program(), arguments);
        QVERIFY(process.waitForFinished(kTimeoutMs));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QTEST(process.exitCode(), "exitCode");
        QFETCH(QString, outPattern);
        QFETCH(QString, errPattern);
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        QString err = QString::fromUtf8(process.readAllStandardError());
        // Qt's own lines: the offscreen platform's warning about a missing runtime folder, and
        // without a display why no platform could start.
        err.remove(QRegularExpression("^(QStandardPaths|qt\\.qpa\\.\\w+): [^\n]*\n",
                                      QRegularExpression::MultilineOption));
        QVERIFY2(QRegularExpression(outPattern).match(out).hasMatch(), qPrintable(out));
        QVERIFY2(QRegularExpression(errPattern).match(err).hasMatch(), qPrintable(err));
        QCOMPARE(copy.Log(), QStringList());
    }

    void placedWindowKeepsItsCanvasSizeAndIsCentred() {
        QMainWindow window;
        auto* canvas = new QWidget;
        canvas->setFixedSize(600, 400);
        window.setCentralWidget(canvas);
        window.menuBar()->addMenu("&Puzzle");
        window.resize(200, 100);
        GameApp::PlaceMainWindow(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(canvas->size(), QSize(600, 400));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
        // Centred before the frame is known: off by no more than the frame's own margins.
        const QRect workArea = window.screen()->availableGeometry();
        const QRect frame = window.frameGeometry();
        const QPoint offCentre = frame.center() - workArea.center();
        QVERIFY(qAbs(offCentre.x()) <= frame.width() - window.width() + 1);
        QVERIFY(qAbs(offCentre.y()) <= frame.height() - window.height() + 1);

        // Another menu on the bar (the editor's) still leaves the canvas its size.
        auto* other = new QMenuBar;
        other->addMenu("&File");
        other->addMenu("&?");
        window.setMenuBar(other);
        QTRY_COMPARE(canvas->size(), QSize(600, 400));
        QCOMPARE(window.size().height(), canvas->height() + other->sizeHint().height());
    }
};

}  // namespace tessellix

QTEST_MAIN(tessellix::ApplicationTest)
#include "test_application.moc"
