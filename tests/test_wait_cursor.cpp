#include <QApplication>
#include <QCursor>
#include <QtTest>

#include "platform/wait_cursor.h"

namespace tessellix {

class WaitCursorTest : public QObject {
    Q_OBJECT
  private slots:
    void waitCursorLastsForTheGuardsLifetime() {
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        {
            WaitCursor guard;
            QVERIFY(QApplication::overrideCursor() != nullptr);
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void nestedGuardsRestoreOnlyTheirOwn() {
        {
            WaitCursor outer;
            { WaitCursor inner; }
            QVERIFY(QApplication::overrideCursor() != nullptr);
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void anotherOverrideUnderneathSurvives() {
        QApplication::setOverrideCursor(Qt::CrossCursor);
        {
            WaitCursor guard;
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::CrossCursor);
        QApplication::restoreOverrideCursor();
    }
};

}  // namespace tessellix

QTEST_MAIN(tessellix::WaitCursorTest)
#include "test_wait_cursor.moc"
