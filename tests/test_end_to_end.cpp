#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <map>

#include "library/puzzle_file.h"
#include "model/board_frame.h"
#include "model/puzzle_shape.h"
#include "platform/image_surface.h"
#include "solver/tiling_solver.h"
#include "tests/puzzle_bytes.h"

namespace tessellix {

namespace {

// A puzzle file of the picture's cells that uses only the elements `used`, named `name`.
std::string PuzzleBytes(const std::vector<std::string>& picture, std::initializer_list<int> used,
                        const std::string& name) {
    HandFile file;
    file.Cells(picture);
    for (auto& record : file.records) {
        record = {0, 0, 0, 0};
    }
    for (const int element : used) {
        file.records[element] = {0x01, 0, 0, 0};
    }
    file.text = name + "\1" + name;
    return file.Bytes();
}

// The board right of and below the bevel as the game draws it with the puzzle file at path on
// it and every element home, in the current language.
QImage BoardOf(const std::string& path) {
    ImageSurface board(kPictureWidth, kPictureHeight);
    board.SetBackgroundColour(kBoardGrey);
    DrawBoardFrame(board, {kPictureWidth - 1, kPictureHeight - 1});
    ElementSet elements;
    PuzzleShape puzzle;
    if (puzzle.Load(path, elements)) {
        return {};
    }
    puzzle.Draw(board, kCellSize, true);
    PixelRect title;
    puzzle.DrawTitle(board, title, true);
    return board.Image().copy(kBoardArea.left, kBoardArea.top, kBoardArea.Width(),
                              kBoardArea.Height());
}

// How many pixels of a and b differ; all of a's when their sizes differ.
int DifferentPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return a.width() * a.height();
    }
    int different = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            different += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    }
    return different;
}

}  // namespace

// The real program in a real X server (Xvfb), driven with xdotool like a player, seen through
// screenshots. First with the built-in puzzle (an empty data folder beside the program), then
// with a small library of its own.
class EndToEndTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        for (const char* tool : {"Xvfb", "xdotool", "import"}) {
            QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(),
                     qPrintable(QString("%1 is missing: run scripts/setup.sh").arg(tool)));
        }
        QVERIFY(install.isValid());
        StartServer();
        StartGame(install.path());
    }

    void cleanupTestCase() {
        StopGame();
        if (server.state() != QProcess::NotRunning) {
            server.terminate();
            server.waitForFinished();
        }
    }

    void canvasShowsBandsPuzzleAndElements() {
        const QImage shot = Screenshot();
        QVERIFY(FindCanvas(shot));
        QCOMPARE(At(shot, 50, 40), qRgb(128, 128, 128));
        QCOMPARE(At(shot, 104, 300), qRgb(0, 0, 0));
        QCOMPARE(At(shot, 300, 380), qRgb(192, 192, 192));
        QCOMPARE(At(shot, 277 + 22, 192 + 22), qRgb(255, 255, 255));
        QCOMPARE(At(shot, 277, 192 + 22), qRgb(0, 0, 0));
        QCOMPARE(At(shot, 45 + 7, 75 + 37), qRgb(255, 0, 0));      // the line at home
        QCOMPARE(At(shot, 15 + 7, 15 + 7), qRgb(255, 0, 255));     // the corner at home
        QCOMPARE(At(shot, 465 + 22, 15 + 22), qRgb(192, 192, 0));  // the plus
        Keep(shot, "start.png");
    }

    void draggedElementLandsOnThePuzzle() {
        // The corner element, grabbed by its top-left cell, dropped 3 pixels off the grid
        // point of column 2, row 1: it snaps onto that point.
        Drag(QPoint(15 + 7, 15 + 7), QPoint(277 + 30 + 7 + 3, 192 + 15 + 7 + 2));
        QImage shot;
        QTRY_VERIFY_WITH_TIMEOUT(
            (shot = Screenshot(), At(shot, 277 + 30 + 7, 192 + 15 + 7) == qRgb(255, 0, 255)), 5000);
        // The corner's three cells along the top row and down the left column, black outline
        // on the grid point, and an empty base box.
        QCOMPARE(At(shot, 277 + 30 + 37, 192 + 15 + 7), qRgb(255, 0, 255));
        QCOMPARE(At(shot, 277 + 30 + 7, 192 + 15 + 37), qRgb(255, 0, 255));
        QCOMPARE(At(shot, 277 + 30, 192 + 15 + 7), qRgb(0, 0, 0));
        QCOMPARE(At(shot, 277 + 30 + 22, 192 + 15 + 22), qRgb(255, 255, 255));
        QCOMPARE(At(shot, 15 + 7, 15 + 7), qRgb(128, 128, 128));
        Keep(shot, "dropped.png");
    }

    void clickTurnsAnElementInItsBox() {
        // The line at home, upright at (45, 75); a click turns it to lie across its box.
        const QPoint onLine = origin + QPoint(45 + 7, 75 + 7);
        beforeTurn = Canvas(Screenshot());
        Xdo({"mousemove", QString::number(onLine.x()), QString::number(onLine.y())});
        Xdo({"click", "1"});
        QImage shot;
        QTRY_VERIFY_WITH_TIMEOUT(
            (shot = Screenshot(), At(shot, 15 + 67, 105 + 7) == qRgb(255, 0, 0)), 5000);
        QCOMPARE(At(shot, 45 + 7, 75 + 7), qRgb(128, 128, 128));
    }

    void undoRedoAndAKeyboardMove() {
        const QImage afterTurn = Canvas(Screenshot());
        // The turn taken back and made again: the canvas as it was, pixel for pixel.
        Xdo({"key", "ctrl+z"});
        QTRY_COMPARE_WITH_TIMEOUT(Canvas(Screenshot()), beforeTurn, 5000);
        Xdo({"key", "ctrl+y"});
        QTRY_COMPARE_WITH_TIMEOUT(Canvas(Screenshot()), afterTurn, 5000);
        // Tab chooses the line, lying across its box; an arrow brings it onto the puzzle's
        // corner and Return drops it there, along the top row beside nothing.
        Xdo({"key", "Tab"});
        Xdo({"key", "Right"});
        Xdo({"key", "Return"});
        QImage shot;
        QTRY_VERIFY_WITH_TIMEOUT(
            (shot = Screenshot(), At(shot, 277 + 67, 192 + 7) == qRgb(255, 0, 0)), 5000);
        QCOMPARE(At(shot, 277 + 7, 192 + 7), qRgb(255, 0, 0));
        QCOMPARE(At(shot, 15 + 67, 105 + 7), qRgb(128, 128, 128));
        Keep(shot, "keyboard.png");
    }

    void boardChecksAndHintsFromHere() {
        // Back to the empty board: the keyboard's drop, the turn and the first drag undone. The
        // line stays chosen, framed in its box.
        for (int step = 0; step < 3; ++step) {
            Xdo({"key", "ctrl+z"});
        }
        QImage shot;
        QTRY_VERIFY_WITH_TIMEOUT(
            (shot = Screenshot(), At(shot, 277 + 7, 192 + 7) == qRgb(255, 255, 255) &&
                                      At(shot, 277 + 30 + 7, 192 + 15 + 7) == qRgb(255, 255, 255) &&
                                      At(shot, 15 + 7, 15 + 7) == qRgb(255, 0, 255)),
            5000);
        const QImage startCanvas = Canvas(shot);
        // Ctrl+K answers in a message; the board stays as it is.
        Xdo({"key", "ctrl+k"});
        AnswerTheCheck();
        QCOMPARE(Canvas(Screenshot()), startCanvas);
        // Ctrl+H sets one element of the stored solution on the shape, as one move.
        Xdo({"key", "ctrl+h"});
        QTRY_VERIFY_WITH_TIMEOUT(
            (shot = Screenshot(), DifferentPixels(Canvas(shot), startCanvas) > 0), 5000);
        Keep(shot, "hint-from-here.png");
        Xdo({"key", "ctrl+z"});
        QTRY_COMPARE_WITH_TIMEOUT(Canvas(Screenshot()), startCanvas, 5000);
        // The plus with its box on the shape's corner leaves the corner cell alone: the check
        // names it and frames it red and white along its outline.
        Drag(QPoint(465 + 15 + 7, 15 + 7), QPoint(277 + 15 + 7, 192 + 7));
        Xdo({"key", "ctrl+k"});
        AnswerTheCheck();
        QTRY_VERIFY_WITH_TIMEOUT((shot = Screenshot(), At(shot, 277 + 15, 192) == qRgb(255, 0, 0)),
                                 5000);
        QCOMPARE(At(shot, 277 + 15 + 1, 192 + 1), qRgb(255, 0, 0));
        QCOMPARE(At(shot, 277 + 15 + 3, 192), qRgb(255, 255, 255));
        QCOMPARE(At(shot, 277 + 22, 192 + 7), qRgb(192, 192, 0));
        Keep(shot, "check-board.png");
        // A hint from there places nothing; the undo of the plus clears the mark with it.
        const QImage marked = Canvas(shot);
        Xdo({"key", "ctrl+h"});
        AnswerTheCheck("Подсказка с этого места");
        QCOMPARE(Canvas(Screenshot()), marked);
        Xdo({"key", "ctrl+z"});
        QTRY_COMPARE_WITH_TIMEOUT(Canvas(Screenshot()), startCanvas, 5000);
    }

    void solvedLibraryPuzzleIsStoredAndTheNextFollows() {
        StopGame();
        QVERIFY(library.isValid());
        const std::string first = PuzzleBytes({"XXX", "X..", "X.."}, {4}, "One");
        const std::string second = PuzzleBytes({".X.", "XXX", ".X."}, {10}, "Two");
        // In English, so that the menus answer to their Latin mnemonics.
        WriteBytes(QDir(library.path()).filePath("tessellix.ini").toStdString(),
                   "[Options]\nLanguage=1\n");
        StartGame(library.path(), {{"1.TLX", first}, {"2.TLX", second}});
        // Both puzzles are 3 x 3 cells at (330, 215). The corner element, from its box at
        // (15, 15), covers the first one exactly.
        Drag(QPoint(15 + 7, 15 + 7), QPoint(330 + 7, 215 + 7));
        // The congratulation, titled with the puzzle's name, answered with Enter.
        QTRY_VERIFY_WITH_TIMEOUT(Xdo({"search", "--onlyvisible", "--name", "^One$"}), 10000);
        Xdo({"key", "Return"});
        QImage shot;
        // The plus of the second puzzle has a cell in the middle, where the first had none.
        QTRY_VERIFY_WITH_TIMEOUT(
            (shot = Screenshot(), At(shot, 330 + 22, 215 + 22) == qRgb(255, 255, 255)), 10000);
        QCOMPARE(At(shot, 15 + 7, 15 + 7), qRgb(128, 128, 128));   // the corner is not used
        QCOMPARE(At(shot, 465 + 22, 15 + 22), qRgb(192, 192, 0));  // the plus at home
        Keep(shot, "next.png");
        // The corner's record holds its place, upright at the puzzle's corner; nothing else
        // of the file changed.
        std::string expected = first;
        expected.replace(9 + 4 * 4, 4, std::string("\x81\0\0\0", 4));
        QCOMPARE(QByteArray::fromStdString(
                     ReadBytes(QDir(library.path()).filePath("DATA/1.TLX").toStdString()))
                     .toHex(' '),
                 QByteArray::fromStdString(expected).toHex(' '));
    }

    void editorSavesADrawnPuzzleThatTheLibraryThenShows() {
        // Tools, Editor.
        Xdo({"key", "alt+t"});
        Xdo({"key", "e"});
        QImage shot;
        QTRY_VERIFY_WITH_TIMEOUT((shot = Screenshot(), At(shot, 130, 120) == qRgb(255, 255, 255)),
                                 10000);
        // Five cells along the canvas's top row, and every element but the line left out.
        Drag(QPoint(120 + 7, 110 + 7), QPoint(120 + 4 * 15 + 7, 110 + 7));
        const QPoint homes[] = {{30, 165}, {30, 240}, {30, 315}, {15, 15},  {90, 15}, {165, 15},
                                {240, 15}, {315, 15}, {397, 15}, {465, 15}, {547, 15}};
        for (const QPoint& home : homes) {
            const QPoint on = origin + home + QPoint(7, 7);
            Xdo({"mousemove", QString::number(on.x()), QString::number(on.y()), "click", "1"});
        }
        QTRY_VERIFY_WITH_TIMEOUT(
            (shot = Screenshot(), At(shot, 120 + 7, 110 + 7) == qRgb(255, 255, 0)), 10000);
        Keep(shot, "drawn.png");
        // Save, with a name typed over the one offered.
        Xdo({"key", "ctrl+s"});
        QTRY_VERIFY_WITH_TIMEOUT(Xdo({"search", "--onlyvisible", "--name", "^Save puzzle$"}),
                                 10000);
        Xdo({"key", "ctrl+a"});
        Xdo({"type", "Drawn"});
        Xdo({"key", "Return"});
        const QString saved = QDir(library.path()).filePath("DATA/3.TLX");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(saved), 10000);
        HandFile expected;
        for (auto& record : expected.records) {
            record = {0, 0, 0, 0};
        }
        expected.records[0] = {0x01, 0, 0, 0};
        expected.Cells({"XXXXX"});
        expected.text = "\xC7\xE0\xE4\xE0\xED\xE8\xE5 3\1Drawn";  // "Задание 3" and the name
        QCOMPARE(QByteArray::fromStdString(ReadBytes(saved.toStdString())).toHex(' '),
                 QByteArray::fromStdString(expected.Bytes()).toHex(' '));
        // File, Return to Tessellix; then Select puzzle lists it last and shows it.
        Xdo({"key", "alt+f"});
        Xdo({"key", "r"});
        Xdo({"key", "F2"});
        QTRY_VERIFY_WITH_TIMEOUT(Xdo({"search", "--onlyvisible", "--name", "^Select puzzle$"}),
                                 10000);
        Xdo({"key", "End"});
        Xdo({"key", "Return"});
        // Five cells in a row, 75 x 15 pixels at (315, 230), and the line at home.
        QTRY_VERIFY_WITH_TIMEOUT(
            (shot = Screenshot(), At(shot, 315 + 67, 230 + 7) == qRgb(255, 255, 255)), 10000);
        QCOMPARE(At(shot, 315 + 7, 230 + 22), qRgb(192, 192, 192));
        QCOMPARE(At(shot, 45 + 7, 75 + 37), qRgb(255, 0, 0));
        Keep(shot, "saved.png");
    }

    void generatedPuzzleIsWrittenAndShown() {
        // Tools, Generate puzzle by its key; the dialog offers 12 elements, medium.
        Xdo({"key", "ctrl+g"});
        QTRY_VERIFY_WITH_TIMEOUT(Xdo({"search", "--onlyvisible", "--name", "^Generate puzzle$"}),
                                 10000);
        Xdo({"key", "Return"});
        const QString written = QDir(library.path()).filePath("DATA/200.TLX");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(written), 30000);
        QCOMPARE(QDir(library.path() + "/DATA").entryList({"*.TLX"}, QDir::Files, QDir::Name),
                 (QStringList{"1.TLX", "2.TLX", "200.TLX", "3.TLX"}));
        const PuzzleFileContents contents = ReadPuzzleFile(written.toStdString());
        QVERIFY(contents.IsComplete());
        unsigned used = 0;
        for (int i = 0; i < kElementRecordCount; ++i) {
            used |= contents.data.elements[i].used ? 1u << i : 0;
        }
        const CountResult count = TilingSolver(contents.data.grid, kGridSide, used).Count();
        QVERIFY(count.complete);
        QCOMPARE(count.tilings, std::uint64_t{1});
        // The board shows the new puzzle under its English title, pixel for pixel.
        SetCurrentLanguage(Language::English);
        const QImage expected = BoardOf(written.toStdString());
        QVERIFY(!expected.isNull());
        const QRect board(origin + QPoint(kBoardArea.left, kBoardArea.top), expected.size());
        QImage shot;
        // Pixel by pixel: QImage's == also weighs the colour space that the screenshot carries.
        QTRY_COMPARE_WITH_TIMEOUT(
            (shot = Screenshot(), DifferentPixels(shot.copy(board), expected)), 0, 10000);
        Keep(shot, "generated.png");
    }

    void explainedStepIsMarkedPlacedAndUndone() {
        StopGame();
        QVERIFY(steps.isValid());
        // The line along the top row over the plus: only the line covers the first cell.
        const std::string bytes =
            PuzzleBytes({"XXXXX", "..X..", ".XXX.", "..X.."}, {0, 10}, "Steps");
        WriteBytes(QDir(steps.path()).filePath("tessellix.ini").toStdString(),
                   "[Options]\nLanguage=1\n");
        StartGame(steps.path(), {{"1.TLX", bytes}});
        ElementSet elements;
        PuzzleShape puzzle;
        QVERIFY(!puzzle.Load(QDir(steps.path()).filePath("DATA/1.TLX").toStdString(), elements));
        const int left = puzzle.x;
        const int top = puzzle.y;
        const QImage start = Canvas(Screenshot());
        // OK keeps the marks: the first cell framed in red and white dashes, the line's place
        // outlined in black dashes three pixels inside the top row.
        Xdo({"key", "ctrl+e"});
        AnswerTheCheck("Explain a step");
        QImage shot;
        QTRY_VERIFY_WITH_TIMEOUT((shot = Screenshot(), At(shot, left, top) == qRgb(255, 0, 0)),
                                 5000);
        QCOMPARE(At(shot, left + 3, top), qRgb(255, 255, 255));
        QCOMPARE(At(shot, left + 5, top + 3), qRgb(0, 0, 0));
        QCOMPARE(At(shot, left + 8, top + 3), qRgb(255, 255, 255));
        QCOMPARE(At(shot, left + 4 * 15 + 5, top + 3), qRgb(0, 0, 0));
        QCOMPARE(At(shot, left + 2 * 15 + 5, top + 15 + 3), qRgb(255, 255, 255));
        Keep(shot, "explain-step.png");
        // Asked again, Place it lays the line there, its box empty.
        Xdo({"key", "ctrl+e"});
        const QStringList box{"search", "--onlyvisible", "--name", "^Explain a step$"};
        QTRY_VERIFY_WITH_TIMEOUT(Xdo(box), 10000);
        Xdo({"key", "alt+p"});
        QTRY_VERIFY_WITH_TIMEOUT(!Xdo(box), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(
            (shot = Screenshot(), At(shot, left + 5, top + 3) == qRgb(255, 0, 0)), 5000);
        QCOMPARE(At(shot, left + 4 * 15 + 7, top + 7), qRgb(255, 0, 0));
        QCOMPARE(At(shot, 45 + 7, 75 + 37), qRgb(128, 128, 128));
        Keep(shot, "explain-placed.png");
        // One undo step takes it back, marks and all.
        Xdo({"key", "ctrl+z"});
        QTRY_COMPARE_WITH_TIMEOUT(DifferentPixels(Canvas(Screenshot()), start), 0, 5000);
    }

  private:
    // Waits for the board check's message and closes it with Return.
    // The message box of the check, or of the aid captioned so.
    void AnswerTheCheck(const QString& caption = "Проверка доски") {
        const QStringList search{"search", "--onlyvisible", "--name", "^" + caption + "$"};
        QTRY_VERIFY_WITH_TIMEOUT(Xdo(search), 10000);
        Xdo({"key", "Return"});
        QTRY_VERIFY_WITH_TIMEOUT(!Xdo(search), 10000);
    }

    // Presses the left button at `from` on the canvas, moves in eight steps and releases at `to`.
    void Drag(QPoint from, QPoint to) {
        from += origin;
        to += origin;
        Xdo({"mousemove", QString::number(from.x()), QString::number(from.y())});
        Xdo({"mousedown", "1"});
        for (int step = 1; step <= 8; ++step) {
            const QPoint p = from + (to - from) * step / 8;
            Xdo({"mousemove", QString::number(p.x()), QString::number(p.y())});
        }
        Xdo({"mouseup", "1"});
    }

    void StopGame() {
        if (game.state() != QProcess::NotRunning) {
            game.kill();
            game.waitForFinished();
            // The server drops the window a moment after the program is gone.
            QTRY_VERIFY_WITH_TIMEOUT(!WindowShown(), 10000);
        }
    }

    void StartServer() {
        for (int number = 91; number < 120; ++number) {
            if (!QFile::exists(QString("/tmp/.X11-unix/X%1").arg(number)) &&
                !QFile::exists(QString("/tmp/.X%1-lock").arg(number))) {
                display = QString(":%1").arg(number);
                break;
            }
        }
        QVERIFY(!display.isEmpty());
        server.start("Xvfb", {display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        QVERIFY(server.waitForStarted());
        const QString socket = QString("/tmp/.X11-unix/X%1").arg(display.mid(1));
        // The socket appears before the server answers; a client that comes too early fails.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket) && Xdo({"getdisplaygeometry"}), 20000);
    }

    // The program copied into `folder`, with the puzzle files in its data folder.
    void StartGame(const QString& folder, const std::map<QString, std::string>& puzzles = {}) {
        const QString program = QDir(folder).filePath("tessellix");
        QVERIFY(QFile::copy(TESSELLIX_PATH, program));
        QVERIFY(QDir(folder).mkdir("DATA"));
        for (const auto& [name, bytes] : puzzles) {
            WriteBytes(QDir(folder).filePath("DATA/" + name).toStdString(), bytes);
        }
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", display);
        environment.remove("QT_QPA_PLATFORM");
        game.setProcessEnvironment(environment);
        game.setProcessChannelMode(QProcess::MergedChannels);
        game.setProgram(program);
        QString said;
        // A copy that ends before its window shows is started once more, and what it said is
        // kept for the failure message.
        for (int attempt = 0; attempt < 2 && !WindowShown(); ++attempt) {
            game.start();
            QVERIFY(game.waitForStarted());
            QElapsedTimer waited;
            waited.start();
            while (game.state() == QProcess::Running && !WindowShown() &&
                   waited.elapsed() < 60000) {
                QTest::qWait(200);
            }
            said += QString::fromLocal8Bit(game.readAll());
            if (game.state() == QProcess::Running) {
                break;
            }
        }
        QVERIFY2(WindowShown(), qPrintable("no window; the program said: " + said));
        QTRY_VERIFY_WITH_TIMEOUT(FindCanvas(Screenshot()), 20000);
    }

    bool WindowShown() { return Xdo({"search", "--onlyvisible", "--name", "^Tessellix$"}); }

    bool Xdo(const QStringList& arguments) {
        QProcess xdotool;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", display);
        xdotool.setProcessEnvironment(environment);
        xdotool.start("xdotool", arguments);
        xdotool.waitForFinished(10000);
        QTest::qWait(30);
        return xdotool.exitStatus() == QProcess::NormalExit && xdotool.exitCode() == 0;
    }

    QImage Screenshot() {
        QProcess import;
        import.start("import", {"-display", display, "-window", "root", "png:-"});
        import.waitForFinished(20000);
        return QImage::fromData(import.readAllStandardOutput(), "PNG")
            .convertToFormat(QImage::Format_RGB32);
    }

    // Finds the canvas by the five bevel lines at x 100..104 and y 70..74.
    bool FindCanvas(const QImage& shot) {
        static constexpr int kLevels[5] = {224, 255, 192, 128, 0};
        const auto matches = [&](int x, int y, int dx, int dy) {
            for (int k = 0; k < 5; ++k) {
                const int px = x + k * dx;
                const int py = y + k * dy;
                if (px >= shot.width() || py >= shot.height() ||
                    shot.pixel(px, py) != qRgb(kLevels[k], kLevels[k], kLevels[k])) {
                    return false;
                }
            }
            return true;
        };
        // The vertical lines are looked for 300 pixels below the canvas top, the horizontal
        // ones 200 pixels right of its left edge.
        for (int y = 230; y < shot.height(); ++y) {
            for (int x = 0; x + 205 < shot.width(); ++x) {
                if (matches(x, y, 1, 0) && matches(x + 200, y - 230, 0, 1)) {
                    origin = QPoint(x - 100, y - 300);
                    return true;
                }
            }
        }
        return false;
    }

    // Screenshots to look at afterwards, into the folder named by TESSELLIX_SCREENSHOTS.
    static void Keep(const QImage& shot, const QString& name) {
        const QString folder = qEnvironmentVariable("TESSELLIX_SCREENSHOTS");
        if (!folder.isEmpty()) {
            shot.save(QDir(folder).filePath(name));
        }
    }

    QRgb At(const QImage& shot, int x, int y) const { return shot.pixel(origin + QPoint(x, y)); }
    QImage Canvas(const QImage& shot) const { return shot.copy(QRect(origin, QSize(600, 400))); }

    QTemporaryDir install;
    QTemporaryDir library;
    QTemporaryDir steps;
    QString display;
    QProcess server;
    QProcess game;
    QPoint origin;
    QImage beforeTurn;
};

// Drawing the expected board takes fonts, which a GUI application provides.

}  // namespace tessellix

QTEST_MAIN(tessellix::EndToEndTest)
#include "test_end_to_end.moc"
