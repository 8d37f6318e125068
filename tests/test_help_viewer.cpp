#include <QAbstractButton>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

#include <cerrno>
#include <cstring>

#include "platform/help_viewer.h"

namespace tessellix {

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

const QString kRussianTitle = QString::fromUtf8("Справка Tessellix");
const QString kEnglishTitle = QStringLiteral("Tessellix Help");

// True when the block of anchor `name` is on the page and its top line is the first one shown.
bool ShownAtTop(QTextBrowser* browser, const QString& name) {
    const QTextBlock block = AnchorBlock(browser->document(), name);
    if (!block.isValid()) {
        qWarning("anchor %s is not on the page", qPrintable(name));
        return false;
    }
    const QRect shown = browser->cursorRect(QTextCursor(block));
    if (shown.top() < 0 || shown.top() >= shown.height()) {
        qWarning("anchor %s shown at y = %d", qPrintable(name), shown.top());
        return false;
    }
    return true;
}

// Clicks the first link of the page shown whose target is `href`; false when none is in view.
bool FollowLink(QTextBrowser* browser, const QString& href) {
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().anchorHref() != href) {
                continue;
            }
            QTextCursor middle(browser->document());
            middle.setPosition(fragment.position() + fragment.length() / 2);
            const QPoint point = browser->cursorRect(middle).center();
            if (!browser->viewport()->rect().contains(point)) {
                return false;
            }
            QTest::mouseClick(browser->viewport(), Qt::LeftButton, Qt::NoModifier, point);
            return true;
        }
    }
    return false;
}

QStringList ButtonTexts(const HelpViewer& viewer) {
    return {viewer.BackButton()->text(), viewer.HomeButton()->text(), viewer.CloseButton()->text()};
}

HelpViewer* ViewerOf(QWidget& owner) {
    const auto viewers = owner.findChildren<HelpViewer*>();
    return viewers.size() == 1 ? viewers.first() : nullptr;
}

}  // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT
  private slots:
    void eachTopicOpensOnItsLanguagesPage_data() {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QString>("otherLanguage");
        const QStringList russian{"Назад", "Содержание", "Закрыть"};
        const QStringList english{"Back", "Home", "Close"};
        QTest::newRow("0: play, Russian") << 0 << kRussianTitle << russian << "Tessellix: playing";
        QTest::newRow("1: editor, Russian")
            << 1 << kRussianTitle << russian << "Tessellix: the puzzle editor";
        QTest::newRow("2: play, English") << 2 << kEnglishTitle << english << "Tessellix: игра";
        QTest::newRow("3: editor, English")
            << 3 << kEnglishTitle << english << "Tessellix: редактор заданий";
    }
    void eachTopicOpensOnItsLanguagesPage() {
        QFETCH(int, topic);
        QFETCH(QString, title);
        QFETCH(QStringList, buttons);
        QFETCH(QString, otherLanguage);
        QWidget owner;
        QVERIFY(!ShowHelpTopic(&owner, topic, kDocument));
        HelpViewer* viewer = ViewerOf(owner);
        QVERIFY(viewer != nullptr);
        QVERIFY(viewer->isVisible());
        QCOMPARE(viewer->Topic(), topic);
        QCOMPARE(viewer->windowTitle(), title);
        QCOMPARE(ButtonTexts(*viewer), buttons);
        QVERIFY(!viewer->BackButton()->isEnabled());
        QVERIFY(ShownAtTop(viewer->Browser(), QStringLiteral("topic%1").arg(topic)));

        // The other language's topics are on a page of their own.
        QTextDocument* page = viewer->Browser()->document();
        const int otherFirst = topic < 2 ? 2 : 0;
        for (int other : {otherFirst, otherFirst + 1}) {
            QVERIFY(!AnchorBlock(page, QStringLiteral("topic%1").arg(other)).isValid());
        }
        QVERIFY(!page->toPlainText().contains(otherLanguage));
    }

    void backReturnsAfterFollowingALink_data() {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("targetTitle");
        QTest::newRow("play to editor, Russian") << 0 << "#topic1"
                                                 << "topic1" << kRussianTitle;
        QTest::newRow("contents to hints, English") << 2 << "#en-hints"
                                                    << "en-hints" << kEnglishTitle;
        QTest::newRow("contents to generated puzzles, Russian") << 0 << "#ru-generated"
                                                                << "ru-generated" << kRussianTitle;
        QTest::newRow("Russian play to English") << 0 << "#topic2"
                                                 << "topic2" << kEnglishTitle;
        QTest::newRow("English editor to Russian") << 3 << "#topic1"
                                                   << "topic1" << kRussianTitle;
    }
    void backReturnsAfterFollowingALink() {
        QFETCH(int, topic);
        QFETCH(QString, link);
        QFETCH(QString, target);
        QFETCH(QString, targetTitle);
        QWidget owner;
        QVERIFY(!ShowHelpTopic(&owner, topic, kDocument));
        HelpViewer* viewer = ViewerOf(owner);
        const QString title = viewer->windowTitle();

        QVERIFY(FollowLink(viewer->Browser(), link));
        QVERIFY(ShownAtTop(viewer->Browser(), target));
        QCOMPARE(viewer->windowTitle(), targetTitle);
        QVERIFY(viewer->BackButton()->isEnabled());

        QTest::mouseClick(viewer->BackButton(), Qt::LeftButton);
        QVERIFY(ShownAtTop(viewer->Browser(), QStringLiteral("topic%1").arg(topic)));
        QCOMPARE(viewer->windowTitle(), title);
        QVERIFY(!viewer->BackButton()->isEnabled());
    }

    void homeGoesToThePlayTopicOfThePagesLanguage_data() {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("link");
        QTest::addColumn<int>("home");
        QTest::newRow("editor, Russian") << 1 << QString() << 0;
        QTest::newRow("editor, English") << 3 << QString() << 2;
        QTest::newRow("Russian play, then English") << 0 << "#topic2" << 2;
        QTest::newRow("English editor, then Russian") << 3 << "#topic1" << 0;
    }
    void homeGoesToThePlayTopicOfThePagesLanguage() {
        QFETCH(int, topic);
        QFETCH(QString, link);
        QFETCH(int, home);
        QWidget owner;
        QVERIFY(!ShowHelpTopic(&owner, topic, kDocument));
        HelpViewer* viewer = ViewerOf(owner);
        if (!link.isEmpty()) {
            QVERIFY(FollowLink(viewer->Browser(), link));
        }
        QTest::mouseClick(viewer->HomeButton(), Qt::LeftButton);
        QVERIFY(ShownAtTop(viewer->Browser(), QStringLiteral("topic%1").arg(home)));
    }

    void closeHidesTheViewer() {
        QWidget owner;
        QVERIFY(!ShowHelpTopic(&owner, 2, kDocument));
        QTest::mouseClick(ViewerOf(owner)->CloseButton(), Qt::LeftButton);
        QVERIFY(!ViewerOf(owner)->isVisible());
    }

    void aChangedDocumentIsShownAnew() {
        QTemporaryDir folder;
        const QString path = folder.filePath("tessellix.html");
        const auto write = [&path](const char* text) {
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write(text) > 0;
        };
        QVERIFY(write(R"(<body><div class="page" lang="en"><h1><a name="topic2">Old</a></h1>)"));
        QWidget owner;
        QVERIFY(!ShowHelpTopic(&owner, 2, path));
        QVERIFY(write(R"(<body><div class="page" lang="en"><h1><a name="topic2">New</a></h1>)"));
        QVERIFY(!ShowHelpTopic(&owner, 2, path));
        QCOMPARE(ViewerOf(owner)->Browser()->document()->toPlainText().trimmed(), QString("New"));
        QVERIFY(!ViewerOf(owner)->BackButton()->isEnabled());
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
                                                      "Двойной щелчок",
                                                      "Просмотр",
                                                      "Это первое задание.",
                                                      "Это последнее задание.",
                                                      "«Нет» оставляет прежнее",
                                                      "Прямоугольник 10х6",
                                                      "Установить на задании",
                                                      "Отменить ход",
                                                      "Tab выбирает элемент",
                                                      "Создать задание",
                                                      "Ctrl+G",
                                                      "ровно одно решение",
                                                      "(N−2)²",
                                                      "Задание дня",
                                                      "Ctrl+D",
                                                      "Статистика",
                                                      "Показывать часы",
                                                      "tessellix-records.ini",

                                                      "Компактная",
                                                      "Симметричная",
                                                      "Копировать код задания",
                                                      "Ctrl+Shift+C",
                                                      "Открыть код задания",
                                                      "Ctrl+Shift+V",
                                                      "Если не получается",
                                                      "Проверка доски",
                                                      "Ctrl+K",
                                                      "Объяснить шаг",
                                                      "Ctrl+E",
                                                      "Подсказка с этого места",
                                                      "Ctrl+H",
                                                      "Показывать ошибки",
                                                      "Хранить незаконченные доски",
                                                      "Игра с программой чтения с экрана",
                                                      "Описать доску",
                                                      "Ctrl+Вправо"};
        QTest::newRow("editor, Russian")
            << 1 << QStringList{"Ctrl+N",          "Ctrl+O",       "Ctrl+S",
                                "Сохранить как",   "Удалить",      "Возврат в Tessellix",
                                "красным крестом", "Ячеек:",       "Подсчёт решений",
                                "check-board",     "--keep-placed"};
        QTest::newRow("play, English") << 2
                                       << QStringList{"Select puzzle",
                                                      "F2",
                                                      "PgDn",
                                                      "PgUp",
                                                      "Reset",
                                                      "Hint",
                                                      "F1",
                                                      "Exit",
                                                      "clockwise",
                                                      "right button",
                                                      "double-click",
                                                      "Preview",
                                                      "This is the first puzzle.",
                                                      "This is the last puzzle.",
                                                      "No keeps the old one",
                                                      "Rectangle 10x6",
                                                      "To set on the puzzle",
                                                      "takes back the last move",
                                                      "Tab chooses an element",
                                                      "Generate puzzle",
                                                      "Ctrl+G",
                                                      "exactly one solution",
                                                      "(N−2)²",
                                                      "Puzzle of the day",
                                                      "Ctrl+D",
                                                      "Statistics",
                                                      "Show clock",
                                                      "tessellix-records.ini",

                                                      "Compact",
                                                      "Symmetric",
                                                      "Copy puzzle code",
                                                      "Ctrl+Shift+C",
                                                      "Open puzzle code",
                                                      "Ctrl+Shift+V",
                                                      "When you are stuck",
                                                      "Check board",
                                                      "Ctrl+K",
                                                      "Explain a step",
                                                      "Ctrl+E",
                                                      "Hint from here",
                                                      "Ctrl+H",
                                                      "Show mistakes",
                                                      "Keep unfinished boards",
                                                      "Playing with a screen reader",
                                                      "Describe board",
                                                      "Ctrl+Right"};
        QTest::newRow("editor, English")
            << 3 << QStringList{"Ctrl+N",      "Ctrl+O",       "Ctrl+S",
                                "Save as",     "Delete",       "Return to Tessellix",
                                "red cross",   "Cells:",       "Count solutions",
                                "check-board", "--keep-placed"};
    }
    void topicsExplainTheirCommands() {
        QFETCH(int, topic);
        QFETCH(QStringList, words);
        QWidget owner;
        QVERIFY(!ShowHelpTopic(&owner, topic, kDocument));
        const QString text = TopicText(ViewerOf(owner)->Browser()->document(), topic);
        for (const QString& word : words) {
            QVERIFY2(text.contains(word), qPrintable(word));
        }
    }

    // Every picture of the help is compiled into the program, where the viewer finds it.
    void picturesOfEachPageAreFound_data() {
        QTest::addColumn<int>("topic");
        QTest::newRow("Russian") << 0;
        QTest::newRow("English") << 2;
    }
    void picturesOfEachPageAreFound() {
        QFETCH(int, topic);
        QWidget owner;
        QVERIFY(!ShowHelpTopic(&owner, topic, kDocument));
        QTextDocument* document = ViewerOf(owner)->Browser()->document();
        static const QRegularExpression image(QStringLiteral("<img[^>]*src=\"([^\"]+)\""));
        int pictures = 0;
        for (auto found = image.globalMatch(document->toHtml()); found.hasNext(); ++pictures) {
            const QUrl source(found.next().captured(1));
            const QVariant data = document->resource(QTextDocument::ImageResource, source);
            // The laid-out page holds it as a pixmap; one not laid out yet comes as the file's
            // bytes.
            const bool loaded = data.typeId() == QMetaType::QPixmap
                                    ? !data.value<QPixmap>().isNull()
                                    : !QImage::fromData(data.toByteArray()).isNull();
            QVERIFY2(loaded, qPrintable(source.toString()));
        }
        QVERIFY(pictures > 0);
    }

    void oneViewerPerOwnerFollowsTheLastTopic() {
        QWidget owner;
        QVERIFY(!ShowHelpTopic(&owner, 0, kDocument));
        QVERIFY(!ShowHelpTopic(&owner, 3, kDocument));
        QCOMPARE(owner.findChildren<HelpViewer*>().size(), 1);
        QCOMPARE(ViewerOf(owner)->Topic(), 3);
        QVERIFY(!ViewerOf(owner)->isModal());
    }

    void closedViewerOpensAgain() {
        QWidget owner;
        QVERIFY(!ShowHelpTopic(&owner, 2, kDocument));
        ViewerOf(owner)->close();
        QVERIFY(!ShowHelpTopic(&owner, 1, kDocument));
        QVERIFY(ViewerOf(owner)->isVisible());
        QCOMPARE(ViewerOf(owner)->Topic(), 1);
    }

    void unreadableDocumentShowsNothing_data() {
        QTest::addColumn<QString>("relativePath");
        QTest::addColumn<int>("error");
        QTest::newRow("missing file") << "tessellix.html" << ENOENT;
        QTest::newRow("a folder") << "folder" << EISDIR;
    }
    void unreadableDocumentShowsNothing() {
        QFETCH(QString, relativePath);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir("folder"));
        QWidget owner;
        const QString path = folder.filePath(relativePath);
        const std::optional<Failure> failure = ShowHelpTopic(&owner, 0, path);
        QVERIFY(failure);
        QFETCH(int, error);
        QCOMPARE(QString::fromStdString(failure->Message().In(Language::English)),
                 "The help document " + path + " cannot be opened: " + std::strerror(error) + ".");
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
        QVERIFY(ShowHelpTopic(&owner, topic, kDocument));
        QCOMPARE(owner.findChildren<HelpViewer*>().size(), 0);
    }

    void documentBesideTheProgramIsTheDefault() {
        // Nothing named like the test program lies beside it.
        QWidget owner;
        QVERIFY(ShowHelpTopic(&owner, 0));
    }
};

}  // namespace tessellix

QTEST_MAIN(tessellix::HelpViewerTest)
#include "test_help_viewer.moc"
