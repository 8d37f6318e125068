// The text of a kept board: a line decodes and encodes back into the same line, or says why it
// is no kept board. Whether the board fits a puzzle is the play session's to test.

#include <QtTest>

#include "model/kept_board.h"

namespace tessellix {

class KeptBoardTest : public QObject {
    Q_OBJECT
  private slots:
    void linesDecodeWholeOrSayWhy_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("said");  // empty: the line decodes
        QTest::newRow("a board as kept") << "95 U0@1,0 F4@2,0"
                                         << "";
        QTest::newRow("with a hint") << "95 hint U0@1,0 F4@2,0"
                                     << "";
        QTest::newRow("no element placed") << "0"
                                           << "";
        const QString noTime = "The kept board does not begin with its time in seconds.";
        for (const char* refused : {"", "-1 U0@1,0", "99999999999999 U0@1,0"}) {
            QTest::newRow(refused) << refused << noTime;
        }
        for (const char* word : {"Q6@1,0", "U8@1,0", "U0@1;0", "U0@1,0x", "U0@-1,0", "U0@31,0"}) {
            QTest::newRow(word) << QString("95 %1").arg(word)
                                << QString(
                                       "The kept board holds \"%1\", which is no element on "
                                       "a cell.")
                                       .arg(word);
        }
        QTest::newRow("an element twice") << "95 U0@1,0 U0@1,0"
                                          << "The kept board places U twice.";
    }
    void linesDecodeWholeOrSayWhy() {
        QFETCH(QString, line);
        QFETCH(QString, said);
        const Result<KeptBoard> kept = KeptBoard::Decode(line.toStdString());
        QCOMPARE(bool(kept), said.isEmpty());
        if (kept) {
            QCOMPARE(QString::fromStdString(kept->Encode()), line);
        } else {
            QCOMPARE(QString::fromStdString(kept.Error().Message().In(Language::English)), said);
            QVERIFY(!kept.Error().Message().In(Language::Russian).empty());
        }
    }
};

}  // namespace tessellix

QTEST_APPLESS_MAIN(tessellix::KeptBoardTest)
#include "test_kept_board.moc"
