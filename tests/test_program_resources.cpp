#include <QFile>
#include <QPixmap>
#include <QtTest>

#include "platform/program_resources.h"

namespace tessellix {

class ProgramResourcesTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { LoadProgramResources(); }

    void picturesAreCompiledIn_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::newRow("icon 32") << ":/icons/tessellix-32.png" << QSize(32, 32);
        QTest::newRow("icon 16") << ":/icons/tessellix-16.png" << QSize(16, 16);
        QTest::newRow("pencil") << ":/cursors/pencil.png" << QSize(32, 32);
        QTest::newRow("hand") << ":/cursors/hand.png" << QSize(32, 32);
    }
    void picturesAreCompiledIn() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QVERIFY(QFile::exists(path));
        QCOMPARE(QPixmap(path).size(), size);
    }

    void loadingTwiceIsHarmless() {
        LoadProgramResources();
        QVERIFY(QFile::exists(":/icons/tessellix-32.png"));
    }

    void iconHasBothSizes() {
        const QIcon icon = ProgramIcon();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.availableSizes(), (QList<QSize>{QSize(32, 32), QSize(16, 16)}));
        // The 16-pixel picture is drawn for that size, not the 32-pixel one scaled down.
        const QImage small = icon.pixmap(16, 16).toImage();
        QCOMPARE(small, QImage(":/icons/tessellix-16.png").convertToFormat(small.format()));
    }
};

}  // namespace tessellix

QTEST_MAIN(tessellix::ProgramResourcesTest)
#include "test_program_resources.moc"
