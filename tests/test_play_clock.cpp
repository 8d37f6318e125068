// The play clock driven by a time source of the test's own: when it starts, pauses, stops and
// goes on from a kept time, and how its time reads.

#include <QtTest>

#include "model/play_clock.h"

namespace tessellix {

class PlayClockTest : public QObject {
    Q_OBJECT
  private slots:
    // Steps, space-separated: "m" a move, "p" pause, "r" resume, "s" stop (the solve),
    // "k65000" restart showing a kept 65000 ms, a number the milliseconds that pass.
    void elapsedAfterSteps_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("elapsedMs");
        QTest::newRow("a fresh board waits for its first move") << "5000" << 0;
        QTest::newRow("the first move starts it") << "5000 m 3000" << 3000;
        QTest::newRow("later moves, undo among them, do not restart it")
            << "m 1000 m 1000 m 500" << 2500;
        QTest::newRow("no time counts while paused") << "m 1000 p 5000 r 2000" << 3000;
        QTest::newRow("a move while paused starts it paused") << "p m 4000 r 1000" << 1000;
        QTest::newRow("the solve stops it for good") << "m 2000 s 3000 m 1000 r 1000" << 2000;
        QTest::newRow("a new board starts from nothing") << "m 2000 s k0 1000 m 700" << 700;
        QTest::newRow("a kept board goes on from its time at its first move")
            << "k65000 1000 m 1500" << 66500;
    }
    void elapsedAfterSteps() {
        QFETCH(QString, steps);
        std::int64_t now = 1000000;
        PlayClock clock([&now] { return now; });
        for (const QString& step : steps.split(' ')) {
            if (step == "m") {
                clock.Moved();
            } else if (step == "p" || step == "r") {
                clock.SetPaused(step == "p");
            } else if (step == "s") {
                QCOMPARE(clock.Stop(), clock.ElapsedMs());
            } else if (step.startsWith('k')) {
                clock.Restart(step.mid(1).toLongLong());
            } else {
                now += step.toLongLong();
            }
        }
        QTEST(static_cast<int>(clock.ElapsedMs()), "elapsedMs");
    }

    void elapsedText_data() {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("nothing yet") << 0 << "0:00";
        QTest::newRow("seconds keep two digits") << 7 << "0:07";
        QTest::newRow("minutes") << 155 << "2:35";
        QTest::newRow("an hour and more") << 3725 << "1:02:05";
    }
    void elapsedText() {
        QFETCH(int, seconds);
        QTEST(QString::fromStdString(ElapsedText(seconds)), "text");
    }
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::PlayClockTest)
#include "test_play_clock.moc"
