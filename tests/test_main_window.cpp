#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include <cerrno>
#include <cstring>

#include "platform/window_text.h"
#include "tests/pixels.h"
#include "tests/play_window_fixture.h"

namespace tessellix {

namespace {

// The area above the built-in puzzle where its title stands.
const QRect kTitleArea(QPoint(115, 77), QPoint(589, 189));

QStringList Texts(const QMenu* popup) {
    QStringList texts;
    for (const QAction* action : popup->actions()) {
        if (!action->isSeparator()) {
            texts << action->text();
        }
    }
    return texts;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void backgroundHasBandsBevelBoardAndPuzzle_data() {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("level");
        QTest::newRow("top band") << QPoint(300, 10) << 128;
        QTest::newRow("top band's last column") << QPoint(598, 69) << 128;
        QTest::newRow("column x = 599 above the bevel") << QPoint(599, 0) << 192;
        QTest::newRow("column x = 599 at y = 69") << QPoint(599, 69) << 192;
        QTest::newRow("left band") << QPoint(50, 398) << 128;
        QTest::newRow("row y = 399 left of the bevel") << QPoint(0, 399) << 192;
        QTest::newRow("row y = 399 at x = 99") << QPoint(99, 399) << 192;
        QTest::newRow("bevel line 0, vertical") << QPoint(100, 300) << 224;
        QTest::newRow("bevel line 1, vertical") << QPoint(101, 398) << 255;
        QTest::newRow("bevel lines end above y = 399") << QPoint(101, 399) << 192;
        QTest::newRow("bevel line 2, vertical") << QPoint(102, 300) << 192;
        QTest::newRow("bevel line 3, vertical") << QPoint(103, 300) << 128;
        QTest::newRow("bevel line 4, vertical") << QPoint(104, 300) << 0;
        QTest::newRow("bevel line 0, horizontal") << QPoint(598, 70) << 224;
        QTest::newRow("bevel lines end left of x = 599") << QPoint(599, 70) << 192;
        QTest::newRow("bevel line 1, horizontal") << QPoint(400, 71) << 255;
        QTest::newRow("bevel line 2, horizontal") << QPoint(400, 72) << 192;
        QTest::newRow("bevel line 3, horizontal") << QPoint(400, 73) << 128;
        QTest::newRow("bevel line 4, horizontal") << QPoint(400, 74) << 0;
        QTest::newRow("bevel corner") << QPoint(100, 70) << 224;
        QTest::newRow("band corner left of the bevel") << QPoint(100, 69) << 128;
        QTest::newRow("board") << QPoint(110, 380) << 192;
        QTest::newRow("board corner") << QPoint(599, 399) << 192;
        // The built-in 10 x 6 puzzle at (277, 192): white cells, grey lines, black outline.
        QTest::newRow("puzzle cell") << QPoint(277 + 22, 192 + 22) << 255;
        QTest::newRow("puzzle grid line") << QPoint(277 + 15, 192 + 22) << 128;
        QTest::newRow("puzzle outline, left") << QPoint(277, 192 + 22) << 0;
        QTest::newRow("puzzle outline, bottom") << QPoint(277 + 22, 192 + 90) << 0;
        QTest::newRow("right of the puzzle") << QPoint(277 + 152, 192 + 22) << 192;
        QTest::newRow("below the puzzle") << QPoint(277 + 22, 192 + 92) << 192;
    }
    void backgroundHasBandsBevelBoardAndPuzzle() {
        QFETCH(QPoint, point);
        QFETCH(int, level);
        PlayWindowFixture play;
        QCOMPARE(play.Board().BackgroundImage().Image().pixel(point), Grey(level));
        QCOMPARE(play.Shown().pixel(point), Grey(level));
    }

    void titleIsDrawnAboveThePuzzleOnly() {
        PlayWindowFixture play;
        const QImage& background = play.Board().BackgroundImage().Image();
        int black = 0;
        for (int y = 75; y < 192; ++y) {
            for (int x = 105; x < 600; ++x) {
                if (background.pixel(x, y) != Grey(192)) {
                    QVERIFY2(kTitleArea.contains(x, y), qPrintable(QString("%1,%2").arg(x).arg(y)));
                    ++black;
                }
            }
        }
        QVERIFY(black > 50);
    }

    void canvasIsFixedAt600By400() {
        PlayWindowFixture play;
        QCOMPARE(play.Canvas().size(), QSize(600, 400));
        QCOMPARE(play.Canvas().minimumSize(), QSize(600, 400));
        QCOMPARE(play.Canvas().maximumSize(), QSize(600, 400));
    }

    void usedElementsAreDrawnAtHome() {
        PlayWindowFixture play;
        for (const Element& element : play.Session().Elements()) {
            QVERIFY(element.IsAtHome());
            const Rgb fill = element.fillColour;
            for (int r = 0; r < element.height / 15; ++r) {
                for (int c = 0; c < element.width / 15; ++c) {
                    const QPoint centre(element.homeX + c * 15 + 7, element.homeY + r * 15 + 7);
                    const QRgb expected = element.Cell(r, c) == 1 ? Q(fill) : Grey(128);
                    QCOMPARE(play.Shown().pixel(centre), expected);
                }
            }
        }
    }

    // Each option is a checked item that the settings keep; the colour-blind fills bring the
    // letters with them, and the letters item waits while they are on.
    void elementLettersAndColoursAreRemembered_data() {
        QTest::addColumn<QList<int>>("commands");
        QTest::addColumn<bool>("colourBlind");
        QTest::addColumn<bool>("lettersDrawn");
        QTest::addColumn<bool>("lettersChoosable");
        QTest::newRow("neither") << QList<int>{} << false << false << true;
        QTest::newRow("letters") << QList<int>{kCommandElementLetters} << false << true << true;
        QTest::newRow("colour-blind fills")
            << QList<int>{kCommandColourBlindColours} << true << true << false;
        QTest::newRow("colour-blind fills and back")
            << QList<int>{kCommandColourBlindColours, kCommandColourBlindColours} << false << false
            << true;
    }
    void elementLettersAndColoursAreRemembered() {
        QFETCH(QList<int>, commands);
        QFETCH(bool, colourBlind);
        QFETCH(bool, lettersDrawn);
        QFETCH(bool, lettersChoosable);
        PlayWindowFixture play;
        const QImage before = play.Shown();
        for (const int command : commands) {
            play.Window().RunCommand(command);
        }
        // Element I's letter cell: in its fill all through without a letter.
        const Element& straight = play.ElementAt(0);
        const QPoint cell(straight.x + straight.LetterCell().column * kCellSize + 1,
                          straight.y + straight.LetterCell().row * kCellSize + 1);
        const QImage inside = play.Shown().copy(QRect(cell, QSize(kCellSize - 1, kCellSize - 1)));
        QImage plain(inside.size(), inside.format());
        plain.fill(Q(colourBlind ? kColourBlindFills[0] : Rgb{255, 0, 0}));
        const bool lettered = inside != plain;
        QCOMPARE(inside.pixel(0, 0), plain.pixel(0, 0));
        QCOMPARE(lettered, lettersDrawn);
        QCOMPARE(play.Shown() == before, !lettersDrawn && !colourBlind);
        QCOMPARE(play.Shown(), play.FullComposition());
        QCOMPARE(play.Window().IsCommandChecked(kCommandElementLetters), lettersDrawn);
        QCOMPARE(play.Window().IsCommandEnabled(kCommandElementLetters), lettersChoosable);
        QCOMPARE(play.Window().IsCommandChecked(kCommandColourBlindColours), colourBlind);

        // The next start finds both choices, and draws the board as they left it.
        const QImage shown = play.Shown();
        MainWindow next(play.library, play.settings);
        QCOMPARE(next.Board().WindowSurface().Image(), shown);
        QCOMPARE(next.IsCommandChecked(kCommandElementLetters), lettersDrawn);
        QCOMPARE(next.IsCommandChecked(kCommandColourBlindColours), colourBlind);
    }

    void menusReadInTheCurrentLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QStringList>("puzzleItems");
        QTest::addColumn<QStringList>("toolsItems");
        QTest::addColumn<QStringList>("optionsItems");
        QTest::addColumn<QStringList>("helpItems");
        QTest::addColumn<QStringList>("fileItems");
        QTest::addColumn<QString>("windowTitle");
        QTest::newRow("Russian")
            << int(Language::Russian) << QStringList{"&Задание", "&Сервис", "&Настройки", "&?"}
            << QStringList{"&Выбор задания\tF2",
                           "&Следующее задание\tPgDn",
                           "&Предыдущее задание\tPgUp",
                           "Задание &дня\tCtrl+D",
                           "С&брос",
                           "&Отменить ход\tCtrl+Z",
                           "Ве&рнуть ход\tCtrl+Y",
                           "&Копировать код задания\tCtrl+Shift+C",
                           "О&ткрыть код задания…\tCtrl+Shift+V",
                           "В&ыход"}
            << QStringList{"&Подсказка",
                           "Пр&оверка доски\tCtrl+K",
                           "О&бъяснить шаг\tCtrl+E",
                           "Подсказка с &этого места\tCtrl+H",
                           "Оп&исать доску\tCtrl+B",
                           "&Создать задание...\tCtrl+G",
                           "С&татистика...",
                           "&Редактор",
                           "&Language"}
            << QStringList{"Показывать &часы", "Показывать &ошибки", "&Хранить незаконченные доски",
                           "&Буквы на элементах", "&Цвета для дальтоников"}
            << QStringList{"&Вызов справки\tF1", "&О программе..."}
            << QStringList{"&Новый \tCtrl+N",     "&Открыть\tCtrl+O",  "&Удалить",
                           "&Сохранить \tCtrl+S", "Сохранить &как...", "&Подсчёт решений",
                           "&Возврат в Tessellix"}
            << "Tessellix";
        QTest::newRow("English")
            << int(Language::English) << QStringList{"&Puzzle", "&Tools", "&Options", "&?"}
            << QStringList{"&Select puzzle\tF2",
                           "&Next puzzle\tPgDn",
                           "&Previous puzzle\tPgUp",
                           "Puzzle of the d&ay\tCtrl+D",
                           "&Reset",
                           "&Undo\tCtrl+Z",
                           "Re&do\tCtrl+Y",
                           "&Copy puzzle code\tCtrl+Shift+C",
                           "&Open puzzle code…\tCtrl+Shift+V",
                           "E&xit"}
            << QStringList{"&Hint",
                           "&Check board\tCtrl+K",
                           "E&xplain a step\tCtrl+E",
                           "Hint &from here\tCtrl+H",
                           "&Describe board\tCtrl+B",
                           "&Generate puzzle...\tCtrl+G",
                           "&Statistics...",
                           "&Editor",
                           "&Language"}
            << QStringList{"Show &clock", "Show &mistakes", "&Keep unfinished boards",
                           "&Letters on elements", "Colours for colour &blindness"}
            << QStringList{"&Help\tF1", "&About..."}
            << QStringList{"&New \tCtrl+N",       "&Open\tCtrl+O", "&Delete",
                           "&Save \tCtrl+S",      "Save &as...",   "&Count solutions",
                           "&Return to Tessellix"}
            << "Tessellix";
    }
    void menusReadInTheCurrentLanguage() {
        QFETCH(int, language);
        QFETCH(QStringList, titles);
        QFETCH(QStringList, puzzleItems);
        QFETCH(QStringList, toolsItems);
        QFETCH(QStringList, optionsItems);
        QFETCH(QStringList, helpItems);
        QFETCH(QStringList, fileItems);
        QFETCH(QString, windowTitle);
        PlayWindowFixture play;
        play.Window().SetLanguage(Language(language));
        MainWindow& window = play.Window();
        QStringList shown;
        for (const QAction* action : window.menuBar()->actions()) {
            shown << action->text();
        }
        QCOMPARE(shown, titles);
        QCOMPARE(Texts(window.PlayMenu(0)), puzzleItems);
        QCOMPARE(Texts(window.PlayMenu(1)), toolsItems);
        QCOMPARE(Texts(window.PlayMenu(2)), optionsItems);
        QCOMPARE(Texts(window.PlayMenu(3)), helpItems);
        QCOMPARE(Texts(window.PlayMenu(1)->actions().last()->menu()),
                 (QStringList{"Russian", "English"}));
        // The editor menu is relabelled too although it is not shown.
        QCOMPARE(Texts(window.EditorMenu(0)), fileItems);
        QCOMPARE(window.EditorMenu(1)->title(), QString("&?"));
        QCOMPARE(Texts(window.EditorMenu(1)), helpItems);
        QCOMPARE(window.windowTitle(), windowTitle);
        // Within each popup every item answers to a letter of its own.
        for (const QMenu* popup : window.findChildren<QMenu*>()) {
            QStringList letters;
            for (const QString& text : Texts(popup)) {
                const qsizetype mark = text.indexOf('&');
                if (mark >= 0) {
                    letters << text.mid(mark + 1, 1).toLower();
                }
            }
            QCOMPARE(QSet<QString>(letters.begin(), letters.end()).size(), letters.size());
        }
    }

    void languageItemsCarryTheCheckMark() {
        PlayWindowFixture play;
        MainWindow& window = play.Window();
        emit window.PlayMenu(1)->aboutToShow();
        QVERIFY(window.PlayAction(kCommandRussian)->isChecked());
        QVERIFY(!window.PlayAction(kCommandEnglish)->isChecked());
        window.PlayAction(kCommandEnglish)->trigger();
        emit window.PlayMenu(1)->aboutToShow();
        QCOMPARE(CurrentLanguage(), Language::English);
        QVERIFY(!window.PlayAction(kCommandRussian)->isChecked());
        QVERIFY(window.PlayAction(kCommandEnglish)->isChecked());
    }

    void emptyLibraryDisablesSelectingAndEditing_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("Select puzzle") << int(kCommandSelectPuzzle) << false;
        QTest::newRow("Next puzzle") << int(kCommandNextPuzzle) << false;
        QTest::newRow("Previous puzzle") << int(kCommandPreviousPuzzle) << false;
        QTest::newRow("Editor") << int(kCommandEditor) << false;
        QTest::newRow("Reset") << int(kCommandReset) << true;
        QTest::newRow("Hint") << int(kCommandHint) << true;
        QTest::newRow("Generate puzzle") << int(kCommandGenerate) << true;
        QTest::newRow("Puzzle of the day") << int(kCommandPuzzleOfTheDay) << true;
        QTest::newRow("Statistics") << int(kCommandStatistics) << true;
        QTest::newRow("Help") << int(kCommandHelp) << true;
    }
    void emptyLibraryDisablesSelectingAndEditing() {
        QFETCH(int, command);
        QFETCH(bool, enabled);
        PlayWindowFixture play;
        MainWindow& window = play.Window();
        QVERIFY(!window.LibraryNonEmpty());
        for (QMenu* popup : window.menuBar()->findChildren<QMenu*>()) {
            emit popup->aboutToShow();
        }
        QCOMPARE(window.PlayAction(command)->isEnabled(), enabled);
        QCOMPARE(window.IsCommandEnabled(command), enabled);
    }

    void disabledCommandsDoNothingFromTheirKeys_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("F2") << int(Qt::Key_F2);
        QTest::newRow("Page Down") << int(Qt::Key_PageDown);
        QTest::newRow("Page Up") << int(Qt::Key_PageUp);
    }
    void disabledCommandsDoNothingFromTheirKeys() {
        QFETCH(int, key);
        PlayWindowFixture play;
        play.Window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&play.Window()));
        const QImage before = play.Shown().copy();
        QTest::keyClick(&play.Window(), Qt::Key(key));
        QCOMPARE(play.Shown(), before);
        QVERIFY(play.messages.isEmpty());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    // Each mode's keys are off in the other mode; Help's key is on in both.
    void keysOfTheOtherModeDoNothing_data() {
        QTest::addColumn<bool>("editor");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("messages");
        QTest::newRow("Ctrl+N in play") << false << (Qt::CTRL | Qt::Key_N).toCombined() << 0;
        QTest::newRow("Ctrl+S in play") << false << (Qt::CTRL | Qt::Key_S).toCombined() << 0;
        QTest::newRow("Ctrl+K in the editor") << true << (Qt::CTRL | Qt::Key_K).toCombined() << 0;
        QTest::newRow("Ctrl+H in the editor") << true << (Qt::CTRL | Qt::Key_H).toCombined() << 0;
        QTest::newRow("Ctrl+E in the editor") << true << (Qt::CTRL | Qt::Key_E).toCombined() << 0;
        QTest::newRow("F1 in play") << false << int(Qt::Key_F1) << 1;
        QTest::newRow("F1 in the editor") << true << int(Qt::Key_F1) << 1;
        QTest::newRow("Ctrl+B in the editor") << true << (Qt::CTRL | Qt::Key_B).toCombined() << 0;
        QTest::newRow("Ctrl+B in play") << false << (Qt::CTRL | Qt::Key_B).toCombined() << 1;
        QTest::newRow("Ctrl+Right in the editor")
            << true << (Qt::CTRL | Qt::Key_Right).toCombined() << 0;
        QTest::newRow("Ctrl+Left in the editor")
            << true << (Qt::CTRL | Qt::Key_Left).toCombined() << 0;
    }
    void keysOfTheOtherModeDoNothing() {
        QFETCH(bool, editor);
        QFETCH(int, key);
        HandFile line;
        line.Cells({"XXXXX"});
        line.records.fill({0, 0, 0, 0});
        line.records[0] = {0x01, 0, 0, 0};
        PlayWindowFixture play({{"1.TLX", line.Bytes()}});
        MainWindow& window = play.Window();
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        if (editor) {
            window.RunCommand(kCommandEditor);
        }
        const QImage before = play.Shown().copy();
        const QKeyCombination combination = QKeyCombination::fromCombined(key);
        QTest::keyClick(&window, combination.key(), combination.keyboardModifiers());
        QTEST(int(play.messages.size()), "messages");
        QCOMPARE(window.EditorOpen(), editor);
        QCOMPARE(play.Shown(), before);
    }

    // Ctrl+E offers the line's only place; Place it solves the puzzle after a hint, and on the
    // solved board the command is off.
    void explainedStepIsPlacedOnRequestAndOffOnASolvedBoard() {
        HandFile line;
        line.Cells({"XXXXX"});
        line.records.fill({0, 0, 0, 0});
        line.records[0] = {0x01, 0, 0, 0};
        PlayWindowFixture play({{"1.TLX", line.Bytes()}});
        MainWindow& window = play.Window();
        window.SetLanguage(Language::English);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(window.IsCommandEnabled(kCommandExplainStep));
        QStringList spoken;
        QObject::connect(&play.Board(), &BoardView::announced,
                         [&spoken](const BilingualText& text) {
                             spoken << QString::fromStdString(text.Shown());
                         });
        play.answers << MessageResult::Action;
        QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier);
        // The step, then the solved sequence of the library's last puzzle.
        QCOMPARE(play.messages.size(), 3);
        QCOMPARE(play.messages[0].caption, QString("Explain a step"));
        QCOMPARE(play.messages[0].buttons, MessageButtons::OkAction);
        QCOMPARE(play.messages[0].action, QString("&Place it"));
        // A screen reader hears the sentence that the message shows.
        QCOMPARE(spoken, QStringList{play.messages[0].text});
        QVERIFY(play.Puzzle().IsSolved());
        QCOMPARE(play.SolvedMarks({"1.TLX"}), QString("2"));
        QVERIFY(!window.IsCommandEnabled(kCommandExplainStep));
        QTest::keyClick(&window, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(play.messages.size(), 3);
    }

    void copiedPuzzleCodeIsToldInTheTitleForAMoment() {
        SetCurrentLanguage(Language::English);
        PlayWindowFixture play;
        play.Window().RunCommand(kCommandCopyCode);
        QVERIFY(play.messages.isEmpty());
        QCOMPARE(play.Window().windowTitle(), QString("Puzzle code copied to the clipboard"));
        QTRY_COMPARE_WITH_TIMEOUT(play.Window().windowTitle(), QString("Tessellix"), 3000);
    }

    void languageSwitchRedrawsOnlyTheTitle() {
        PlayWindowFixture play;
        MainWindow& window = play.Window();
        play.DragElementTo(4, QPoint(277 + 30, 192 + 15));
        const QImage background = play.Board().BackgroundImage().Image().copy();
        const Element placed = play.Session().Elements()[4];
        window.SetLanguage(Language::English);
        const QImage& after = play.Board().BackgroundImage().Image();
        bool titleChanged = false;
        for (int y = 0; y < 400; ++y) {
            for (int x = 0; x < 600; ++x) {
                if (after.pixel(x, y) != background.pixel(x, y)) {
                    QVERIFY2(kTitleArea.contains(x, y), qPrintable(QString("%1,%2").arg(x).arg(y)));
                    titleChanged = true;
                }
            }
        }
        QVERIFY(titleChanged);
        QCOMPARE(play.Session().Elements()[4].x, placed.x);
        QCOMPARE(play.Session().Elements()[4].y, placed.y);
        QCOMPARE(play.Puzzle().Cell(1, 2), 2);
        QCOMPARE(play.Shown().pixel(placed.x + 7, placed.y + 7), qRgb(255, 0, 255));
        QCOMPARE(window.windowTitle(), QString("Tessellix"));
    }

    void languageSwitchIsStoredAtOnce() {
        PlayWindowFixture play;
        const QString path = play.settingsFolder.filePath("tessellix.ini");
        play.Window().SetLanguage(Language::English);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("Language=1"));
        file.close();
        QVERIFY(QFile::remove(path));
        play.Window().SetLanguage(Language::English);  // unchanged: nothing is written
        QVERIFY(!QFile::exists(path));
        play.Window().SetLanguage(Language::Russian);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("Language=0"));
    }

    // The settings' own rule is tested with them; here, that the player hears of it once.
    void unwritableSettingsAreToldOnce() {
        PlayWindowFixture play;
        QVERIFY(play.settingsFolder.remove());
        play.Window().SetLanguage(Language::English);
        play.Window().SetLanguage(Language::Russian);
        play.Window().SetLanguage(Language::English);
        QCOMPARE(play.messages.size(), 1);
        QCOMPARE(play.messages[0].caption, QString("Settings"));
        QVERIFY(play.messages[0].text.contains(QString::fromStdString(play.SettingsPath())));
        QCOMPARE(CurrentLanguage(), Language::English);
    }

    void enlargedBoardDoublesEveryPixelAndTheMouseMapsBack() {
        PlayWindowFixture play;
        const QImage single = play.Shown().copy();
        play.Canvas().SetZoom(2);
        const QImage doubled = play.Canvas().grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(doubled, single.scaled(1200, 800, Qt::IgnoreAspectRatio, Qt::FastTransformation));
        // The corner element, grabbed and dropped at doubled coordinates, lands on its cell.
        const Element& corner = play.ElementAt(4);
        const QPoint grab(corner.x + 7, corner.y + 7);
        const QPoint drop(277 + 30 + 7 + 3, 192 + 15 + 7 + 2);
        play.Press(grab * 2);
        play.Move(drop * 2 + QPoint(1, 1));
        play.Release(drop * 2 + QPoint(1, 1));
        QCOMPARE(QPoint(corner.x, corner.y), QPoint(277 + 30, 192 + 15));
        QCOMPARE(play.Puzzle().Cell(1, 2), 2);
    }

    void missingHelpDocumentIsReportedInTheCurrentLanguage() {
        PlayWindowFixture play;
        play.Window().SetLanguage(Language::English);
        const QImage before = play.Shown().copy();
        play.Window().RunCommand(kCommandHelp);
        QCOMPARE(play.messages.size(), 1);
        QVERIFY2(play.messages[0].text.startsWith("The help document ") &&
                     play.messages[0].text.endsWith(std::strerror(ENOENT) + QString(".")),
                 qPrintable(play.messages[0].text));
        QCOMPARE(play.messages[0].icon, MessageIcon::Exclamation);
        QCOMPARE(play.messages[0].buttons, MessageButtons::Ok);
        QCOMPARE(play.Shown(), before);
    }
};

}  // namespace tessellix

QTEST_MAIN(tessellix::MainWindowTest)
#include "test_main_window.moc"
