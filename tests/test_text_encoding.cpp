#include <QtTest>

#include "library/text_encoding.h"

namespace tessellix {

using namespace std::string_literals;

class TextEncodingTest : public QObject {
    Q_OBJECT
  private slots:
    void everyByteSurvivesARoundTrip() {
        std::string all;
        for (int byte = 0; byte < 256; ++byte) {
            all += static_cast<char>(byte);
        }
        const Result<std::string> back = Utf8ToWindows1251(Windows1251ToUtf8(all));
        QVERIFY(back);
        QCOMPARE(QByteArray::fromStdString(*back), QByteArray::fromStdString(all));
    }

    void cyrillicAlphabetIsContiguous() {
        for (int i = 0; i < 64; ++i) {
            const std::string byte(1, static_cast<char>(0xC0 + i));
            QCOMPARE(QString::fromStdString(Windows1251ToUtf8(byte)), QString(QChar(0x0410 + i)));
        }
    }

    void mapsCharactersOfTheUpperHalf_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("codePoint");
        QTest::newRow("Ђ") << 0x80 << 0x0402;
        QTest::newRow("euro sign") << 0x88 << 0x20AC;
        QTest::newRow("em dash") << 0x97 << 0x2014;
        QTest::newRow("unassigned 0x98 kept as U+0098") << 0x98 << 0x0098;
        QTest::newRow("trade mark") << 0x99 << 0x2122;
        QTest::newRow("no-break space") << 0xA0 << 0x00A0;
        QTest::newRow("Ё") << 0xA8 << 0x0401;
        QTest::newRow("left guillemet") << 0xAB << 0x00AB;
        QTest::newRow("ё") << 0xB8 << 0x0451;
        QTest::newRow("numero sign") << 0xB9 << 0x2116;
        QTest::newRow("ї") << 0xBF << 0x0457;
        QTest::newRow("я") << 0xFF << 0x044F;
    }
    void mapsCharactersOfTheUpperHalf() {
        QFETCH(int, byte);
        QFETCH(int, codePoint);
        const std::string utf8 = QString(QChar(codePoint)).toUtf8().toStdString();
        QCOMPARE(Windows1251ToUtf8(std::string(1, static_cast<char>(byte))), utf8);
        const Result<std::string> back = Utf8ToWindows1251(utf8);
        QVERIFY(back);
        QCOMPARE(*back, std::string(1, static_cast<char>(byte)));
    }

    void refusesWhatTheCodePageCannotHold_data() {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QString>("named");
        QTest::newRow("e with acute accent") << QByteArray("Caf\xC3\xA9") << "U+00E9";
        QTest::newRow("Chinese") << QByteArray("\xE4\xB8\xAD") << "U+4E2D";
        QTest::newRow("emoji beyond the BMP") << QByteArray("\xF0\x9F\x99\x82") << "U+1F642";
        QTest::newRow("lone lead byte") << QByteArray("ab\xC3") << "0xC3";
        QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << "0xC0";
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << "0xED";
        QTest::newRow("byte 0xFF") << QByteArray("\xFF") << "0xFF";
        QTest::newRow("continuation byte alone") << QByteArray("\x80") << "0x80";
    }
    void refusesWhatTheCodePageCannotHold() {
        QFETCH(QByteArray, utf8);
        const Result<std::string> bytes = Utf8ToWindows1251(utf8.toStdString());
        QVERIFY(!bytes);
        QFETCH(QString, named);
        for (const Language language : {Language::Russian, Language::English}) {
            const std::string& bad = bytes.Error().Message().In(language);
            QVERIFY2(bad.find(named.toStdString()) != std::string::npos, bad.c_str());
        }
    }

    void keepsControlBytesAndLineBreaks() {
        const Result<std::string> bytes = Utf8ToWindows1251("a\r\nb\0c"s);
        QVERIFY(bytes);
        QCOMPARE(*bytes, "a\r\nb\0c"s);
    }
};

}  // namespace tessellix

QTEST_GUILESS_MAIN(tessellix::TextEncodingTest)
#include "test_text_encoding.moc"
