#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

#include "platform/help_viewer.h"

namespace {

const QString kDocument = QStringLiteral(HELP_DOCUMENT);

// The block of the document that carries anchor `name`, or an invalid block.
QTextBlock AnchorBlock(QTextDocument* document, const QString& name) {
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            if (fragment.fragment().charFormat().anchorNames().contains(name)) {
                return block;
            }
        }
    }
    return {};
}

// The plain text from anchor topic<n> up to the next topic's anchor.
QString TopicText(QTextDocument* document, int topic) {
    const QTextBlock first = AnchorBlock(document, QStringLiteral("topic%1").arg(topic));
    const QTextBlock next = AnchorBlock(document, QStringLiteral("topic%1").arg(topic + 1));
    QString text;
    for (QTextBlock block = first; block.isValid() && block != next; block = block.next()) {
        text += block.text() + QLatin1Char('\n');
    }
    return text;
}

HelpViewer* ViewerOf(QWidget& owner) {
    const auto viewers = owner.findChildren<HelpViewer*>();
    return viewers.size() == 1 ? viewers.first() : nullptr;
}

}  // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT
  private slots:
    void eachTopicOpensAtItsHeading_data() {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("title");
        QTest::newRow("0: play, Russian") << 0 << QString::fromUtf8("Справка Tessellix");
        QTest::newRow("1: editor, Russian") << 1 << QString::fromUtf8("Справка Tessellix");
        QTest::newRow("2: play, English") << 2 << QString("Tessellix Help");
        QTest::newRow("3: editor, English") << 3 << QString("Tessellix Help");
    }
    void eachTopicOpensAtItsHeading() {
        QFETCH(int, topic);
        QFETCH(QString, title);
        QWidget owner;
        QVERIFY(ShowHelpTopic(&owner, topic, kDocument));
        HelpViewer* viewer = ViewerOf(owner);
        QVERIFY(viewer != nullptr);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->Topic(), topic);
        QCOMPARE(viewer->windowTitle(), title);

        QTextBrowser* browser = viewer->Browser();
        const QTextBlock heading =
            AnchorBlock(browser->document(), QStringLiteral("topic%1").arg(topic));
        QVERIFY2(heading.isValid(), "the document lacks the topic's anchor");
        const QRect shown = browser->cursorRect(QTextCursor(heading));
        QVERIFY2(shown.top() >= 0 && shown.top() < shown.height(),
                 qPrintable(QString("heading at y = %1").arg(shown.top())));
    }

    void topicsExplainTheirCommands_data() {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("play, Russian") << 0
                                       << QStringList{"Выбор задания",
                                                      "F2",
                                                      "PgDn",
                                                      "PgUp",
                                                      "Сброс",
                                                      "Подсказка",
                                                      "F1",
                                                      "Выход",
                                                      "по часовой стрелке",
                                                      "правой кнопкой",
                                                      "Двойной щелчок"};
        QTest::newRow("editor, Russian")
            << 1 << QStringList{"Ctrl+N",          "Ctrl+O",  "Ctrl+S",
                                "Сохранить как",   "Удалить", "Возврат в Tessellix",
                                "красным крестом", "Ячеек:"};
        QTest::newRow("play, English")
            << 2 << QStringList{"Select puzzle", "F2",           "PgDn",        "PgUp",
                                "Reset",         "Hint",         "F1",          "Exit",
                                "clockwise",     "right button", "double-click"};
        QTest::newRow("editor, English")
            << 3 << QStringList{"Ctrl+N",    "Ctrl+O", "Ctrl+S",
                                "Save as",   "Delete", "Return to Tessellix",
                                "red cross", "Cells:"};
    }
    void topicsExplainTheirCommands() {
        QFETCH(int, topic);
        QFETCH(QStringList, words);
        QWidget owner;
        QVERIFY(ShowHelpTopic(&owner, topic, kDocument));
        const QString text = TopicText(ViewerOf(owner)->Browser()->document(), topic);
        for (const QString& word : words) {
            QVERIFY2(text.contains(word), qPrintable(word));
        }
    }

    void oneViewerPerOwnerFollowsTheLastTopic() {
        QWidget owner;
        QVERIFY(ShowHelpTopic(&owner, 0, kDocument));
        QVERIFY(ShowHelpTopic(&owner, 3, kDocument));
        QCOMPARE(owner.findChildren<HelpViewer*>().size(), 1);
        QCOMPARE(ViewerOf(owner)->Topic(), 3);
        QVERIFY(!ViewerOf(owner)->isModal());
    }

    void closedViewerOpensAgain() {
        QWidget owner;
        QVERIFY(ShowHelpTopic(&owner, 2, kDocument));
        ViewerOf(owner)->close();
        QVERIFY(ShowHelpTopic(&owner, 1, kDocument));
        QVERIFY(ViewerOf(owner)->isVisible());
        QCOMPARE(ViewerOf(owner)->Topic(), 1);
    }

    void unreadableDocumentShowsNothing_data() {
        QTest::addColumn<QString>("relativePath");
        QTest::newRow("missing file") << "tessellix.html";
        QTest::newRow("a folder") << "folder";
    }
    void unreadableDocumentShowsNothing() {
        QFETCH(QString, relativePath);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("folder"));
        QWidget owner;
        QVERIFY(!ShowHelpTopic(&owner, 0, folder.filePath(relativePath)));
        QCOMPARE(owner.findChildren<HelpViewer*>().size(), 0);
    }

    void unknownTopicShowsNothing_data() {
        QTest::addColumn<int>("topic");
        QTest::newRow("-1") << -1;
        QTest::newRow("4") << 4;
    }
    void unknownTopicShowsNothing() {
        QFETCH(int, topic);
        QWidget owner;
        QVERIFY(!ShowHelpTopic(&owner, topic, kDocument));
        QCOMPARE(owner.findChildren<HelpViewer*>().size(), 0);
    }

    void documentBesideTheProgramIsTheDefault() {
        // Nothing named like the test program lies beside it.
        QWidget owner;
        QVERIFY(!ShowHelpTopic(&owner, 0));
    }
};

QTEST_MAIN(HelpViewerTest)
#include "test_help_viewer.moc"
