#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include "platform/single_instance.h"

namespace tessellix {

// Each test names its copies after folders of its own temporary directory, so no test meets
// a lock of another test or of a running game.
class SingleInstanceTest : public QObject {
    Q_OBJECT
  private:
    QTemporaryDir folders;
    QString Folder(const QString& name) const { return folders.filePath(name); }

  private slots:
    void secondCopyMakesTheFirstComeForward() {
        SingleInstance first(Folder("a"));
        QVERIFY(first.TryBecomeFirst());
        QSignalSpy raised(&first, &SingleInstance::raiseRequested);
        SingleInstance second(Folder("a"));
        QVERIFY(!second.TryBecomeFirst());
        QVERIFY(second.AskFirstToRaise());
        QTRY_COMPARE(raised.count(), 1);
        QVERIFY(SingleInstance(Folder("a")).AskFirstToRaise());
        QTRY_COMPARE(raised.count(), 2);
    }

    void theLockIsFreedWhenTheFirstEnds() {
        {
            SingleInstance first(Folder("b"));
            QVERIFY(first.TryBecomeFirst());
        }
        SingleInstance next(Folder("b"));
        QVERIFY(next.TryBecomeFirst());
        QSignalSpy raised(&next, &SingleInstance::raiseRequested);
        QVERIFY(SingleInstance(Folder("b")).AskFirstToRaise());
        QTRY_COMPARE(raised.count(), 1);
    }

    void onlyTheRaiseRequestRaises() {
        SingleInstance first(Folder("c"));
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

    void nobodyAnswersWhenNoCopyRuns() { QVERIFY(!SingleInstance(Folder("d")).AskFirstToRaise()); }

    void bringToFrontRestoresAMinimisedWindow() {
        QWidget window;
        window.showMinimized();
        QVERIFY(window.isMinimized());
        BringToFront(&window);
        QVERIFY(!window.isMinimized());
        QVERIFY(window.isVisible());
    }
};

}  // namespace tessellix

QTEST_MAIN(tessellix::SingleInstanceTest)
#include "test_single_instance.moc"
