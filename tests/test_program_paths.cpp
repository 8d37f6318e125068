#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "library/puzzle_file.h"
#include "library/puzzle_library.h"
#include "platform/program_paths.h"

namespace tessellix {

namespace {

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList Lines(const QString& path) {
    return QString::fromUtf8(Bytes(path)).split('\n', Qt::SkipEmptyParts);
}

// A read-only shipped file: its copy must still be the player's to write.
void WriteShipped(const QString& path, const QByteArray& bytes) {
    Write(path, bytes);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
}

}  // namespace

class ProgramPathsTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir home;
    QString DataHome() const { return home.filePath("data"); }
    QString ConfigHome() const { return home.filePath("config"); }

  private slots:
    void initTestCase() {
        qputenv("XDG_DATA_HOME", QFile::encodeName(DataHome()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(ConfigHome()));
    }

    // %1 stands for the per-user data folder, %2 for the configuration folder.
    void locationsFollowWhetherTheProgramFolderTakesFiles_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<bool>("takesFiles");
        QTest::addColumn<QString>("dataFolder");
        QTest::addColumn<QString>("shippedFolder");
        QTest::addColumn<QString>("helpDocument");
        QTest::addColumn<QString>("settingsFile");
        QTest::newRow("portable") << "/opt/game/bin/tessellix" << true << "/opt/game/bin/DATA/"
                                  << ""
                                  << "/opt/game/bin/tessellix.html"
                                  << "/opt/game/bin/tessellix.ini";
        QTest::newRow("portable, dot in the name") << "/g/tessellix.v2" << true << "/g/DATA/"
                                                   << ""
                                                   << "/g/tessellix.v2.html"
                                                   << "/g/tessellix.v2.ini";
        QTest::newRow("installed") << "/opt/game/bin/tessellix" << false << "%1/tessellix/"
                                   << "/opt/game/share/tessellix/DATA/"
                                   << "/opt/game/share/tessellix/tessellix.html"
                                   << "%2/tessellix/tessellix.ini";
    }
    void locationsFollowWhetherTheProgramFolderTakesFiles() {
        QFETCH(QString, program);
        QFETCH(bool, takesFiles);
        QFETCH(QString, dataFolder);
        QFETCH(QString, settingsFile);
        const auto expand = [this](QString path) {
            return path.replace("%1", DataHome()).replace("%2", ConfigHome());
        };
        const ProgramLocations locations = LocationsFor(program, takesFiles);
        QCOMPARE(locations.installed, !takesFiles);
        QCOMPARE(locations.dataFolder, expand(dataFolder));
        QTEST(locations.shippedFolder, "shippedFolder");
        QTEST(locations.helpDocument, "helpDocument");
        QCOMPARE(locations.settingsFile, expand(settingsFile));
    }

    void folderTakesFilesOnlyWhereOneCanBeMade_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("takesFiles");
        QTest::newRow("writable folder") << "" << true;
        QTest::newRow("missing folder") << "missing" << false;
        // The kernel refuses a new file there even to root.
        QTest::newRow("/proc") << "/proc" << false;
    }
    void folderTakesFilesOnlyWhereOneCanBeMade() {
        QFETCH(QString, folder);
        QTemporaryDir scratch;
        const QString path = folder.startsWith('/') ? folder : scratch.filePath(folder);
        QTEST(FolderTakesFiles(path), "takesFiles");
        QCOMPARE(
            QDir(scratch.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList());
    }

    // Puzzle files are named by number; the user's own files hold "player", shipped ones "shipped".
    void seedingCopiesOnlyWhatThePlayerNeverHad_data() {
        QTest::addColumn<QStringList>("shipped");
        QTest::addColumn<QStringList>("playerFiles");
        QTest::addColumn<QStringList>("recordBefore");
        QTest::addColumn<QStringList>("copied");
        QTest::addColumn<QStringList>("recordAfter");
        const QStringList three{"1.TLX", "10.TLX", "2.TLX"};
        QTest::newRow("first start") << three << QStringList() << QStringList() << three << three;
        QTest::newRow("a player's file of that name is kept")
            << three << QStringList{"10.TLX"} << QStringList() << QStringList{"1.TLX", "2.TLX"}
            << three;
        QTest::newRow("a deleted puzzle stays deleted")
            << three << QStringList{"2.TLX"} << three << QStringList() << three;
        QTest::newRow("a puzzle new in this version")
            << three << QStringList{"1.TLX", "2.TLX"} << QStringList{"1.TLX", "2.TLX"}
            << QStringList{"10.TLX"} << QStringList{"1.TLX", "2.TLX", "10.TLX"};
        QTest::newRow("only puzzle files")
            << QStringList{"1.TLX", "notes.txt"} << QStringList() << QStringList()
            << QStringList{"1.TLX"} << QStringList{"1.TLX"};
    }
    void seedingCopiesOnlyWhatThePlayerNeverHad() {
        QFETCH(QStringList, shipped);
        QFETCH(QStringList, playerFiles);
        QFETCH(QStringList, recordBefore);
        QFETCH(QStringList, copied);
        QTemporaryDir root;
        const QDir shippedFolder(root.filePath("share/DATA"));
        const QDir dataFolder(root.filePath("user/tessellix"));
        QVERIFY(QDir().mkpath(shippedFolder.path()));
        for (const QString& name : shipped) {
            WriteShipped(shippedFolder.filePath(name), "shipped " + name.toUtf8());
        }
        const QString record = dataFolder.filePath(kSeededRecordName);
        if (!playerFiles.isEmpty() || !recordBefore.isEmpty()) {
            QVERIFY(QDir().mkpath(dataFolder.path()));
            for (const QString& name : playerFiles) {
                Write(dataFolder.filePath(name), "player " + name.toUtf8());
            }
            Write(record, recordBefore.join('\n').toUtf8() + '\n');
        }

        QCOMPARE(SeedDataFolder(shippedFolder.path() + '/', dataFolder.path() + '/'), copied);

        QStringList present = playerFiles + copied;
        present.sort();
        QCOMPARE(dataFolder.entryList(QDir::Files, QDir::Name), present);
        for (const QString& name : copied) {
            QCOMPARE(Bytes(dataFolder.filePath(name)), "shipped " + name.toUtf8());
            QVERIFY(QFileInfo(dataFolder.filePath(name)).permissions() & QFile::WriteOwner);
        }
        for (const QString& name : playerFiles) {
            QCOMPARE(Bytes(dataFolder.filePath(name)), "player " + name.toUtf8());
        }
        QTEST(Lines(record), "recordAfter");

        // A second start seeds nothing, and leaves the record as it was.
        const QByteArray recordBytes = Bytes(record);
        QCOMPARE(SeedDataFolder(shippedFolder.path() + '/', dataFolder.path() + '/'),
                 QStringList());
        QCOMPARE(Bytes(record), recordBytes);
    }

    void solutionStoredByAnInstalledGameLandsInThePlayersCopy() {
        // The layout the install rules make, with three of the shipped puzzles.
        QTemporaryDir root;
        const QDir bin(root.filePath("usr/bin"));
        const QDir shipped(root.filePath("usr/share/tessellix/DATA"));
        QVERIFY(QDir().mkpath(bin.path()) && QDir().mkpath(shipped.path()));
        Write(bin.filePath("tessellix"), {});
        const QStringList puzzles{"1.TLX", "2.TLX", "3.TLX"};
        for (const QString& name : puzzles) {
            WriteShipped(shipped.filePath(name), Bytes(QStringLiteral(SHIPPED_PUZZLES "/") + name));
        }
        // Root writes wherever it likes, so the folder's refusal is given here rather than
        // probed; FolderTakesFiles is tested on its own above.
        const ProgramLocations locations = LocationsFor(bin.filePath("tessellix"), false);
        QCOMPARE(locations.shippedFolder, shipped.path() + '/');
        QCOMPARE(PrepareDataFolders(locations).size(), puzzles.size());
        QVERIFY(QFileInfo(QFileInfo(locations.settingsFile).absolutePath()).isDir());

        PuzzleLibrary library;
        library.ScanDataFolder(QFile::encodeName(locations.dataFolder).toStdString());
        QCOMPARE(library.count(), puzzles.size());
        const std::string path = library.PathOf(*library.RecordAt(0));
        std::array<ElementRecord, kElementRecordCount> solution =
            ReadPuzzleFile(path).data.elements;
        const Placement before = solution[0].placement;
        solution[0] = {true, true, {(before.rotation + 1) % 4, 1, 0, 0}};
        QVERIFY(!RewriteElementBlock(path, solution));

        QCOMPARE(ReadPuzzleFile(path).data.elements, solution);
        for (const QString& name : puzzles) {
            QCOMPARE(Bytes(shipped.filePath(name)),
                     Bytes(QStringLiteral(SHIPPED_PUZZLES "/") + name));
        }
    }
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::ProgramPathsTest)
#include "test_program_paths.moc"
