#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "library/file_snapshot.h"
#include "library/puzzle_library.h"
#include "library/whole_file.h"
#include "tests/puzzle_bytes.h"

namespace tessellix {

namespace {

QStringList Entries(const QString& folder) {
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                               QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

// The PID of a process that has ended.
pid_t EndedProcess() {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(0);
    }
    ::waitpid(child, nullptr, 0);
    return child;
}

QString Reason(int error) {
    return QString::fromStdString(std::strerror(error));
}

}  // namespace

class WholeFileTest : public QObject {
    Q_OBJECT
  private slots:
    // read: the bytes read, or the English reason of the failure.
    void readerTakesRegularFilesOnly_data() {
        QTest::addColumn<QString>("standing");
        QTest::addColumn<bool>("missingReadsEmpty");
        QTest::addColumn<QString>("read");
        QTest::newRow("a regular file") << "file" << false << "bytes";
        QTest::newRow("a link to a regular file") << "link" << false << "bytes";
        QTest::newRow("a folder") << "folder" << false << Reason(EISDIR);
        QTest::newRow("a FIFO, at once") << "fifo" << false << "not a regular file";
        QTest::newRow("a device") << "device" << false << "not a regular file";
        QTest::newRow("a missing file") << "missing" << false << Reason(ENOENT);
        QTest::newRow("a missing file asked to read empty") << "missing" << true << "";
    }
    void readerTakesRegularFilesOnly() {
        QFETCH(QString, standing);
        QTemporaryDir folder;
        std::string path = folder.filePath("named").toStdString();
        WriteBytes(folder.filePath("file").toStdString(), "bytes");
        if (standing == "file") {
            path = folder.filePath("file").toStdString();
        } else if (standing == "link") {
            std::filesystem::create_symlink("file", path);
        } else if (standing == "folder") {
            QVERIFY(QDir(folder.path()).mkdir("named"));
        } else if (standing == "fifo") {
            QVERIFY(::mkfifo(path.c_str(), 0600) == 0);
        } else if (standing == "device") {
            path = "/dev/null";
        }
        QFETCH(bool, missingReadsEmpty);
        const Result<std::string> bytes =
            ReadWholeFile(path, missingReadsEmpty ? MissingFile::ReadsEmpty : MissingFile::Fails);
        QFETCH(QString, read);
        QCOMPARE(
            QString::fromStdString(bytes ? *bytes : bytes.Error().Message().In(Language::English)),
            read);
    }

    void readerKeepsToItsLimit_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("readsStart");
        QTest::addColumn<int>("read");  // -1: refused
        QTest::newRow("as long as the limit") << 1000 << false << 1000;
        QTest::newRow("one byte longer, refused") << 1001 << false << -1;
        QTest::newRow("one byte longer, its start") << 1001 << true << 1000;
        QTest::newRow("far longer, its start") << 100000 << true << 1000;
    }
    void readerKeepsToItsLimit() {
        QFETCH(int, size);
        QFETCH(bool, readsStart);
        QTemporaryDir folder;
        const std::string path = folder.filePath("big").toStdString();
        WriteBytes(path, std::string(static_cast<std::size_t>(size), 'x'));
        const Result<std::string> bytes = ReadWholeFile(
            path, MissingFile::Fails, 1000, readsStart ? LongFile::ReadsStart : LongFile::Fails);
        QFETCH(int, read);
        if (read < 0) {
            QVERIFY(!bytes);
            QCOMPARE(bytes.Error().Message().In(Language::English),
                     "the file is longer than 1000 bytes");
            return;
        }
        QVERIFY(bytes);
        QCOMPARE(static_cast<int>(bytes->size()), read);
    }

    // ENDED: the PID of a process that has ended; RUNNING: this test's own.
    void leftTemporariesGoOthersStay_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("hoursOld");
        QTest::addColumn<bool>("removed");
        const QString ours = ".5.TLX.tmpENDED-123-0";
        QTest::newRow("of a writer that has ended") << ours << "file" << 0 << true;
        QTest::newRow("of a running writer") << ".5.TLX.tmpRUNNING-123-0"
                                             << "file" << 0 << false;
        QTest::newRow("of a running PID, two hours old") << ".5.TLX.tmpRUNNING-123-0"
                                                         << "file" << 2 << true;
        QTest::newRow("the player's: no leading dot") << "5.TLX.tmpENDED-123-0"
                                                      << "file" << 2 << false;
        QTest::newRow("the player's: no stamp") << ".5.TLX.tmpENDED"
                                                << "file" << 2 << false;
        QTest::newRow("the player's: an extension after") << ".5.TLX.tmpENDED-123-0.bak"
                                                          << "file" << 2 << false;
        QTest::newRow("the player's: letters for the PID") << ".5.TLX.tmpabc-123-0"
                                                           << "file" << 2 << false;
        QTest::newRow("a folder of that name") << ours << "folder" << 2 << false;
        QTest::newRow("a link of that name") << ours << "link" << 2 << false;
    }
    void leftTemporariesGoOthersStay() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        name.replace("ENDED", QString::number(EndedProcess()))
            .replace("RUNNING", QString::number(::getpid()));
        QTemporaryDir folder;
        const std::string path = folder.filePath(name).toStdString();
        WriteBytes(folder.filePath("5.TLX").toStdString(), "old");
        if (kind == "folder") {
            QVERIFY(QDir(folder.path()).mkdir(name));
        } else if (kind == "link") {
            std::filesystem::create_symlink("5.TLX", path);
        } else {
            WriteBytes(path, "part");
        }
        QFETCH(int, hoursOld);
        const timespec then{::time(nullptr) - hoursOld * 3600, 0};
        const timespec times[2] = {then, then};
        QVERIFY(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW) == 0);

        RemoveStaleTemporaries(folder.path().toStdString());
        QFETCH(bool, removed);
        QStringList left = removed ? QStringList{"5.TLX"} : QStringList{"5.TLX", name};
        left.sort();
        QCOMPARE(Entries(folder.path()), left);
    }

    // A child writes 5.TLX and is killed halfway, as a crash or a kill would end the game.
    void killedWriteLeavesNoTemporaryAfterwards_data() {
        QTest::addColumn<bool>("byScan");
        QTest::newRow("the next scan of the data folder") << true;
        QTest::newRow("the next write in the folder") << false;
    }
    void killedWriteLeavesNoTemporaryAfterwards() {
        QTemporaryDir folder;
        const std::string path = folder.filePath("5.TLX").toStdString();
        HandFile old;
        WriteBytes(path, old.Bytes());
        int halfway[2];
        QVERIFY(::pipe(halfway) == 0);
        const pid_t writer = ::fork();
        if (writer == 0) {
            const WriteCall stalls = [&](int fd, const void* data, std::size_t size) -> ssize_t {
                const ssize_t written = ::write(fd, data, size / 2);
                const char ready = 1;
                [[maybe_unused]] const ssize_t told = ::write(halfway[1], &ready, 1);
                ::pause();
                return written;
            };
            [[maybe_unused]] const auto never =
                WriteWholeFile(path, std::string(4000, 'n'), stalls);
            ::_exit(0);
        }
        char ready = 0;
        QCOMPARE(::read(halfway[0], &ready, 1), ssize_t{1});
        ::close(halfway[0]);
        ::close(halfway[1]);
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
        QCOMPARE(Entries(folder.path()).size(), 2);

        QFETCH(bool, byScan);
        if (byScan) {
            PuzzleLibrary library;
            library.ScanDataFolder(folder.path().toStdString());
            QCOMPARE(library.count(), 1);
        } else {
            QVERIFY(!WriteWholeFile(folder.filePath("tessellix.ini").toStdString(), "[Options]\n"));
        }
        const QStringList left =
            byScan ? QStringList{"5.TLX"} : QStringList{"5.TLX", "tessellix.ini"};
        QCOMPARE(Entries(folder.path()), left);
        QCOMPARE(ReadBytes(path), old.Bytes());
    }

    // The file "ab" changed to `after` ("-": removed), its modification time moved by `seconds`.
    void snapshotSeesEveryChange_data() {
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<bool>("changed");
        QTest::newRow("written again as it was") << QByteArray("ab") << 0 << false;
        QTest::newRow("other bytes, same size and time") << QByteArray("ba") << 0 << true;
        QTest::newRow("only the time") << QByteArray("ab") << 1 << true;
        QTest::newRow("removed") << QByteArray("-") << 0 << true;
    }
    void snapshotSeesEveryChange() {
        QFETCH(QByteArray, after);
        QFETCH(int, seconds);
        QTemporaryDir folder;
        const std::string path = folder.filePath("5.TLX").toStdString();
        WriteBytes(path, "ab");
        const auto time = std::filesystem::last_write_time(path);
        const FileSnapshot snapshot = FileSnapshot::Take(path);
        std::filesystem::remove(path);
        if (after != "-") {
            WriteBytes(path, after.toStdString());
            std::filesystem::last_write_time(path, time + std::chrono::seconds(seconds));
        }
        QTEST(snapshot.ChangedAt(path), "changed");
    }
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::WholeFileTest)
#include "test_whole_file.moc"
