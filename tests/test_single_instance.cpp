#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include "platform/single_instance.h"

// Each test names its copies after folders of its own temporary directory, so no test meets
// a lock of another test or of a running game.
class SingleInstanceTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir folders;
    QString Folder(const QString& name) const { return folders.filePath(name); }

  private slots:
    void secondCopyOfTheSameFolderIsRefused() {
        SingleInstance first(Folder("a"));
        SingleInstance second(Folder("a"));
        QVERIFY(first.TryBecomeFirst());
        QVERIFY(!second.TryBecomeFirst());
    }

    void copiesOfDifferentFoldersRunSideBySide() {
        SingleInstance first(Folder("b"));
        SingleInstance other(Folder("c"));
        QVERIFY(first.TryBecomeFirst());
        QVERIFY(other.TryBecomeFirst());
        QVERIFY(first.LockFilePath() != other.LockFilePath());
        QVERIFY(first.ServerName() != other.ServerName());
    }

    void secondCopyMakesTheFirstComeForward() {
        SingleInstance first(Folder("d"));
        QVERIFY(first.TryBecomeFirst());
        QSignalSpy raised(&first, &SingleInstance::raiseRequested);
        SingleInstance second(Folder("d"));
        QVERIFY(!second.TryBecomeFirst());
        QVERIFY(second.AskFirstToRaise());
        QTRY_COMPARE(raised.count(), 1);
        QVERIFY(SingleInstance(Folder("d")).AskFirstToRaise());
        QTRY_COMPARE(raised.count(), 2);
    }

    void theLockIsFreedWhenTheFirstEnds() {
        {
            SingleInstance first(Folder("e"));
            QVERIFY(first.TryBecomeFirst());
        }
        SingleInstance next(Folder("e"));
        QVERIFY(next.TryBecomeFirst());
        QSignalSpy raised(&next, &SingleInstance::raiseRequested);
        QVERIFY(SingleInstance(Folder("e")).AskFirstToRaise());
        QTRY_COMPARE(raised.count(), 1);
    }

    void lockAndSocketOfADeadCopyAreTakenOver() {
        // A process that has ended leaves its number free; its lock names it as the owner.
        QProcess ended;
        ended.start("sleep", {"60"});
        QVERIFY(ended.waitForStarted());
        const qint64 deadPid = ended.processId();
        ended.kill();
        QVERIFY(ended.waitForFinished());
        SingleInstance next(Folder("f"));
        {
            QFile lock(next.LockFilePath());
            QVERIFY(lock.open(QIODevice::WriteOnly));
            lock.write(QByteArray::number(deadPid) + "\n" +
                       QCoreApplication::applicationFilePath().toUtf8() + "\n" +
                       QSysInfo::machineHostName().toUtf8() + "\n");
            QFile socket(next.ServerName());
            QVERIFY(socket.open(QIODevice::WriteOnly));
        }
        QVERIFY(next.TryBecomeFirst());
        QSignalSpy raised(&next, &SingleInstance::raiseRequested);
        QVERIFY(SingleInstance(Folder("f")).AskFirstToRaise());
        QTRY_COMPARE(raised.count(), 1);
    }

    void onlyTheRaiseRequestRaises() {
        SingleInstance first(Folder("g"));
        QVERIFY(first.TryBecomeFirst());
        QSignalSpy raised(&first, &SingleInstance::raiseRequested);
        QLocalSocket stranger;
        stranger.connectToServer(first.ServerName());
        QVERIFY(stranger.waitForConnected(1000));
        stranger.write("hello\n");
        QVERIFY(stranger.waitForBytesWritten(1000));
        QTRY_COMPARE(stranger.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(raised.count(), 0);
    }

    void nobodyAnswersWhenNoCopyRuns() { QVERIFY(!SingleInstance(Folder("h")).AskFirstToRaise()); }

    void bringToFrontRestoresAMinimisedWindow() {
        QWidget window;
        window.showMinimized();
        QVERIFY(window.isMinimized());
        BringToFront(&window);
        QVERIFY(!window.isMinimized());
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(SingleInstanceTest)
#include "test_single_instance.moc"
