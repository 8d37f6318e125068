#include <QTemporaryDir>
#include <QtTest>

#include "library/bilingual_text.h"
#include "library/puzzle_library.h"
#include "model/play_session.h"
#include "model/puzzle_shape.h"
#include "platform/image_surface.h"
#include "tests/ascii_grid.h"
#include "tests/pixels.h"
#include "tests/puzzle_bytes.h"

namespace tessellix {

using Picture = std::vector<std::string>;

}  // namespace tessellix

Q_DECLARE_METATYPE(tessellix::Picture)

namespace tessellix {

namespace {

constexpr Rgb kBoardGrey{192, 192, 192};
constexpr Rgb kMarker{1, 2, 3};

// Records what DrawTitle asks of a surface; a text line is as tall as its font.
class RecordingSurface : public DrawSurface {
  public:
    struct Text {
        PixelRect rect;
        std::string text;
        FontSpec font;
        bool wrapped;
    };
    std::vector<PixelRect> fills;
    std::vector<Text> texts;

    PixelSize Size() const override { return {600, 400}; }
    void FillRect(const PixelRect& rect, Rgb) override { fills.push_back(rect); }
    void FrameRect(const PixelRect&, Rgb, Rgb) override {}
    void Line(PixelPoint, PixelPoint, Rgb, int) override {}
    void CopyFrom(const DrawSurface&, const PixelRect&, PixelPoint) override {}
    Rgb BackgroundColour() const override { return kBoardGrey; }
    void DrawTextLine(const PixelRect& rect, const std::string& text, const FontSpec& font, Rgb,
                      TextAlign) override {
        texts.push_back({rect, text, font, false});
    }
    void DrawTextWrapped(const PixelRect& rect, const std::string& text, const FontSpec& font,
                         Rgb) override {
        texts.push_back({rect, text, font, true});
    }
    PixelSize MeasureText(const std::string& text, const FontSpec& font) const override {
        return {static_cast<int>(text.size()) * 5, font.height};
    }
    PixelSize MeasureWrappedText(const std::string& text, const FontSpec& font,
                                 int width) const override {
        const int lineWidth = static_cast<int>(text.size()) * 5;
        const int lines = width > 0 ? (lineWidth + width - 1) / width : 1;
        return {std::min(lineWidth, width), std::max(lines, 1) * font.height};
    }
};

PixelRect Rect(int left, int top, int right, int bottom) {
    return {left, top, right, bottom};
}

PuzzleShape Block(int columns, int rows) {
    PuzzleShape shape;
    shape.SetCells(AsciiGrid(Picture(rows, std::string(columns, 'X')), kGridSide));
    shape.names = {"Имя", "Name"};
    shape.comments = {"Комментарий", "Comment"};
    return shape;
}

// True when some pixel of the rows top..bottom-1 within rect's columns has the colour.
bool HasColourInRows(const QImage& image, const PixelRect& rect, int top, int bottom, QRgb colour) {
    for (int y = top; y < bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            if (image.pixel(x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}

// Where a comment stands against the name above the puzzle.
enum class CommentPlace { None, AsBefore, UnderName, LeftOut };

// The rows holding a black pixel of `image` that is not black in `under`.
QList<int> InkRows(const QImage& image, const QImage& under) {
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == Q(kBlack) && under.pixel(x, y) != Q(kBlack)) {
                rows.append(y);
                break;
            }
        }
    }
    return rows;
}

// A surface of the board's grey, as the title's background.
ImageSurface GreySurface() {
    ImageSurface surface(600, 400);
    surface.FillRect({0, 0, 600, 400}, kBoardGrey);
    surface.SetBackgroundColour(kBoardGrey);
    return surface;
}

}  // namespace

}  // namespace tessellix

Q_DECLARE_METATYPE(tessellix::CommentPlace)

namespace tessellix {

class PuzzleShapeTest : public QObject {
    Q_OBJECT
  private:
    PuzzleLibrary puzzleLibrary;

  private slots:
    void init() {
        puzzleLibrary = PuzzleLibrary();
        SetCurrentLanguage(Language::Russian);
    }

    void setCellsCentresOnTheBoard_data() {
        QTest::addColumn<Picture>("picture");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("side");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::newRow("10 x 6 block")
            << Picture(6, std::string(10, 'X')) << 0 << 0 << 10 << 150 << 90 << 277 << 192;
        QTest::newRow("10 x 6 block drawn away from the corner")
            << Picture(6, std::string(10, 'X')) << 12 << 3 << 10 << 150 << 90 << 277 << 192;
        QTest::newRow("editor canvas 31 x 19")
            << Picture(19, std::string(31, 'X')) << 0 << 0 << 31 << 465 << 285 << 120 << 95;
        QTest::newRow("4 cells wide")
            << Picture{"XXXX", "X..X", "X..X"} << 5 << 5 << 4 << 60 << 45 << 322 << 215;
        QTest::newRow("odd width truncates")
            << Picture{"X"} << 30 << 30 << 1 << 15 << 15 << 345 << 230;
        QTest::newRow("whole grid")
            << Picture(31, std::string(31, 'X')) << 0 << 0 << 31 << 465 << 465 << 120 << 5;
    }
    void setCellsCentresOnTheBoard() {
        QFETCH(Picture, picture);
        QFETCH(int, column);
        QFETCH(int, row);
        PuzzleShape shape;
        shape.SetCells(AsciiGrid(picture, kGridSide, column, row));
        QCOMPARE(shape.id, kPuzzleId);
        QCOMPARE(shape.fillColour, (Rgb{255, 255, 255}));
        QCOMPARE(shape.penColour, (Rgb{128, 128, 128}));
        QFETCH(int, side);
        QCOMPARE(shape.side, side);
        QFETCH(int, width);
        QCOMPARE(shape.width, width);
        QFETCH(int, height);
        QCOMPARE(shape.height, height);
        QFETCH(int, x);
        QCOMPARE(shape.x, x);
        QFETCH(int, y);
        QCOMPARE(shape.y, y);
    }

    void isSolvedOnlyWithoutFreeCells() {
        PuzzleShape shape;
        shape.SetCells(AsciiGrid({"XX", "X."}, kGridSide));
        QVERIFY(!shape.IsSolved());
        shape.SetCell(0, 0, 2);
        shape.SetCell(0, 1, 2);
        QVERIFY(!shape.IsSolved());
        shape.SetCell(1, 0, 2);
        QVERIFY(shape.IsSolved());
        QVERIFY(CreateBlankPuzzle(0, 0)->IsSolved());
    }

    void emptyLibraryGivesTheRectangleTexts_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<bool>("blank");
        QTest::newRow("named shape, Russian") << int(Language::Russian) << false;
        QTest::newRow("named shape, English") << int(Language::English) << false;
        QTest::newRow("blank editor puzzle") << int(Language::English) << true;
    }
    void emptyLibraryGivesTheRectangleTexts() {
        QFETCH(int, language);
        SetCurrentLanguage(Language(language));
        QFETCH(bool, blank);
        const bool libraryEmpty = puzzleLibrary.count() == 0;
        const std::unique_ptr<PuzzleShape> shape =
            blank ? CreateBlankPuzzle(31, 19, libraryEmpty)
                  : std::make_unique<PuzzleShape>("Any", libraryEmpty);
        QCOMPARE(shape->names, (BilingualText{"Прямоугольник 10х6", "Rectangle 10x6"}));
        QCOMPARE(shape->comments,
                 (BilingualText{"Задание имеет 2339 решений", "The puzzle has 2339 solutions"}));
    }

    void nameGoesToTheCurrentLanguage_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("blankName");
        QTest::newRow("Russian") << int(Language::Russian) << "*** Новое задание ***";
        QTest::newRow("English") << int(Language::English) << "*** New puzzle ***";
    }
    void nameGoesToTheCurrentLanguage() {
        QFETCH(int, language);
        SetCurrentLanguage(Language(language));
        puzzleLibrary.Append({"1.TLX", {"a", "b"}, {"", ""}});
        const PuzzleShape named("Name", puzzleLibrary.count() == 0);
        QCOMPARE(named.names.In(Language(language)), "Name");
        QCOMPARE(named.names.In(Language(1 - language)), "");
        QCOMPARE(named.comments, BilingualText());
        QVERIFY(named.IsEmpty());
        const auto blank = CreateBlankPuzzle(31, 19, puzzleLibrary.count() == 0);
        QFETCH(QString, blankName);
        QCOMPARE(QString::fromStdString(blank->names.In(Language(language))), blankName);
        QCOMPARE(blank->width, 465);
        QCOMPARE(blank->height, 285);
    }

    void loadReadsElementsCellsAndTexts() {
        QTemporaryDir folder;
        HandFile file;
        file.records[0] = {0x00, 0x0E, 0x01, 0x01};  // excluded, placement ignored
        file.records[3] = {0x81, 0x0A, 0xFF, 0x02};  // used, turned once, mirrored
        file.records[7] = {0x80, 0x04, 0x80, 0x7F};  // excluded with a placement
        file.Cells({"###", "#.#", "###"}, 20, 10);
        file.text = "\xD1\xE5\xEC\xFC\0\xCA\1Seven\0Comment"s;
        WriteBytes(folder.filePath("7.TLX").toStdString(), file.Bytes());

        ElementSet elements;
        PuzzleShape shape;
        QVERIFY(!shape.Load(folder.filePath("7.TLX").toStdString(), elements));
        QCOMPARE(AsciiRows(shape), (Picture{"XXX", "X.X", "XXX"}));
        QCOMPARE(shape.x, (705 - 45) / 2);
        QCOMPARE(shape.names, (BilingualText{"Семь", "Seven"}));
        QCOMPARE(shape.comments, (BilingualText{"К", "Comment"}));
        const auto solution = [](const Element& e) {
            return QList<int>{e.excluded, e.solutionRotation, e.solutionMirrored, e.solutionColumn,
                              e.solutionRow};
        };
        QCOMPARE(solution(elements[0]), (QList<int>{1, 0, 0, -1, -1}));
        QCOMPARE(solution(elements[1]), (QList<int>{0, 0, 0, -1, -1}));
        QCOMPARE(solution(elements[3]), (QList<int>{0, 1, 1, -1, 2}));
        QCOMPARE(solution(elements[7]), (QList<int>{1, 2, 0, -128, 127}));
    }

    void loadGivesDefaultNamesFromTheFileNumber_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("russian");
        QTest::addColumn<QString>("english");
        QTest::newRow("only the Russian name in 7.TLX")
            << "7.TLX" << QByteArray("\xC8\xEC\xFF") << "Имя"
            << "Puzzle 7";
        QTest::newRow("only the English name in 007.TLX")
            << "007.TLX" << QByteArray("\1Name") << "Задание 7"
            << "Name";
        QTest::newRow("no text block in 12abc.TLX") << "12abc.TLX" << QByteArray() << "Задание 12"
                                                    << "Puzzle 12";
    }
    void loadGivesDefaultNamesFromTheFileNumber() {
        QFETCH(QString, fileName);
        QTemporaryDir folder;
        HandFile file;
        QFETCH(QByteArray, text);
        file.text = text.toStdString();
        WriteBytes(folder.filePath(fileName).toStdString(), file.Bytes());
        ElementSet elements;
        PuzzleShape shape;
        QVERIFY(!shape.Load(folder.filePath(fileName).toStdString(), elements));
        QFETCH(QString, russian);
        QCOMPARE(QString::fromStdString(shape.names.In(Language::Russian)), russian);
        QFETCH(QString, english);
        QCOMPARE(QString::fromStdString(shape.names.In(Language::English)), english);
    }

    void failedLoadLeavesNoCellsAndTheElementsAlone_data() {
        QTest::addColumn<int>("length");
        QTest::newRow("missing file") << -1;
        QTest::newRow("empty file") << 0;
        QTest::newRow("file ending inside the cell block") << 180;
    }
    void failedLoadLeavesNoCellsAndTheElementsAlone() {
        QFETCH(int, length);
        QTemporaryDir folder;
        HandFile file;
        file.Cells({"XX"});
        if (length >= 0) {
            WriteBytes(folder.filePath("3.TLX").toStdString(), file.Bytes().substr(0, length));
        }
        ElementSet elements;
        elements[4].excluded = 1;
        elements[4].solutionColumn = 9;
        PuzzleShape shape;
        shape.SetCells(AsciiGrid({"X"}, kGridSide));
        shape.names = {"До", "Before"};
        QVERIFY(shape.Load(folder.filePath("3.TLX").toStdString(), elements));
        QVERIFY(shape.IsEmpty());
        QCOMPARE(shape.width, 0);
        QCOMPARE(shape.names, (BilingualText{"До", "Before"}));
        QCOMPARE(elements[4].excluded, 1);
        QCOMPARE(elements[4].solutionColumn, 9);
        QCOMPARE(elements[5].solutionColumn, -1);
        QCOMPARE(elements[5].excluded, 0);
    }

    void loadNeedsOnlyTheCellBlock() {
        QTemporaryDir folder;
        HandFile file;
        file.Cells({"XX"});
        file.signature = "not ours!";
        WriteBytes(folder.filePath("2.TLX").toStdString(), file.Bytes().substr(0, 181));
        ElementSet elements;
        PuzzleShape shape;
        QVERIFY(!shape.Load(folder.filePath("2.TLX").toStdString(), elements));
        QCOMPARE(AsciiRows(shape), (Picture{"XX", ".."}));
        QCOMPARE(shape.names.In(Language::English), "Puzzle 2");
    }

    void startupPuzzleIsTheFirstLibraryPuzzle() {
        QTemporaryDir folder;
        HandFile first;
        first.Cells({"XXXXX"});
        first.records[10] = {0x00, 0, 0, 0};
        first.text = "\1First"s;
        HandFile second;
        second.Cells({"X", "X", "X", "X", "X"});
        WriteBytes(folder.filePath("9.TLX").toStdString(), second.Bytes());
        WriteBytes(folder.filePath("4.TLX").toStdString(), first.Bytes());
        puzzleLibrary.ScanDataFolder(folder.path().toStdString());
        const PlaySession session(puzzleLibrary);
        QCOMPARE(AsciiRows(session.Puzzle()).front(), "XXXXX");
        QCOMPARE(session.Puzzle().names.In(Language::English), "First");
        QCOMPARE(session.Elements()[10].excluded, 1);
        QVERIFY(!session.StartProblem());
    }

    void builtInSolutionCoversTheRectangle() {
        PlaySession session(puzzleLibrary);
        const PuzzleShape& puzzle = session.Puzzle();
        QCOMPARE(puzzle.names.In(Language::English), "Rectangle 10x6");
        QCOMPARE(puzzle.side, 10);
        QCOMPARE(puzzle.x, 277);
        QCOMPARE(puzzle.y, 192);

        // The owner of each cell, row by row, for the table of placements.
        const Picture owners{"3 8 8 2 2 2 2 11 11 11", "3 3 8 8 2 9 9 9 11 11",
                             "1 3 5 8 10 9 7 9 6 6",   "1 3 5 10 10 10 7 7 6 4",
                             "1 5 5 5 10 7 7 6 6 4",   "1 1 0 0 0 0 0 4 4 4"};
        std::vector<int> covered(60, -1);
        for (int i = 0; i < ElementSet::kCount; ++i) {
            const Element& element = session.Elements()[i];
            QCOMPARE(element.excluded, 0);
            QVERIFY(session.PlaceAtSolution(i));
            for (int r = 0; r < element.height / kCellSize; ++r) {
                for (int c = 0; c < element.width / kCellSize; ++c) {
                    if (element.Cell(r, c) != 0) {
                        covered[(element.solutionRow + r) * 10 + element.solutionColumn + c] = i;
                    }
                }
            }
        }
        QVERIFY(session.IsSolved());
        for (int row = 0; row < 6; ++row) {
            const QStringList expected = QString::fromStdString(owners[row]).split(' ');
            for (int column = 0; column < 10; ++column) {
                QCOMPARE(covered[row * 10 + column], expected[column].toInt());
            }
        }
    }

    void titleFillsTheSpaceAboveThePuzzle() {
        PuzzleShape shape = Block(10, 6);
        RecordingSurface dc;
        PixelRect rect;
        shape.DrawTitle(dc, rect, false);
        QCOMPARE(rect, Rect(115, 77, 590, 190));
        QCOMPARE(dc.fills, std::vector<PixelRect>{Rect(115, 77, 590, 190)});
        QCOMPARE(dc.texts.size(), std::size_t{1});
        QCOMPARE(dc.texts[0].rect, Rect(115, 77, 590, 190));
        QCOMPARE(dc.texts[0].text, "Имя");
        QVERIFY(!dc.texts[0].wrapped);
        QCOMPARE(dc.texts[0].font.face, "Arial");
        QCOMPARE(dc.texts[0].font.height, 18);
        QCOMPARE(dc.texts[0].font.weight, 600);
        QVERIFY(!dc.texts[0].font.italic);
    }

    void commentStandsBelowATitleLineAtTheTop() {
        SetCurrentLanguage(Language::English);
        PuzzleShape shape = Block(10, 6);
        RecordingSurface dc;
        PixelRect rect;
        shape.DrawTitle(dc, rect, true);
        // The title line is 18 pixels high at the rect's top, the comment 5 pixels below it.
        QCOMPARE(rect, Rect(115, 77 + 18 + 5, 590, 190));
        QCOMPARE(dc.texts.size(), std::size_t{2});
        QCOMPARE(dc.texts[0].text, "Name");
        QCOMPARE(dc.texts[1].text, "Comment");
        QCOMPARE(dc.texts[1].rect, Rect(115, 100, 590, 190));
        QVERIFY(dc.texts[1].wrapped);
        QCOMPARE(dc.texts[1].font.height, 16);
        QCOMPARE(dc.texts[1].font.weight, 400);
        QVERIFY(dc.texts[1].font.italic);
    }

    void lowRectGivesSmallerFonts() {
        PuzzleShape shape = Block(10, 6);
        RecordingSurface dc;
        PixelRect rect = Rect(200, 100, 400, 112);
        shape.DrawTitle(dc, rect, true);
        QCOMPARE(dc.fills, std::vector<PixelRect>{Rect(200, 100, 400, 112)});
        QCOMPARE(dc.texts.size(), std::size_t{2});
        QCOMPARE(dc.texts[0].rect, Rect(200, 100, 400, 112));
        QCOMPARE(dc.texts[0].font.height, 12);
        QCOMPARE(dc.texts[1].font.height, 10);
        QCOMPARE(dc.texts[1].rect, Rect(200, 117, 400, 190));
        QCOMPARE(rect, Rect(200, 117, 400, 190));
    }

    void rectKeepsItsValuesWithoutAComment_data() {
        QTest::addColumn<bool>("withComment");
        QTest::addColumn<QString>("comment");
        QTest::newRow("withComment 0") << false << "Comment";
        QTest::newRow("empty comment") << true << "";
    }
    void rectKeepsItsValuesWithoutAComment() {
        PuzzleShape shape = Block(10, 6);
        QFETCH(QString, comment);
        shape.comments.In(Language::Russian) = comment.toStdString();
        RecordingSurface dc;
        PixelRect rect = Rect(120, 80, 500, 150);
        QFETCH(bool, withComment);
        shape.DrawTitle(dc, rect, withComment);
        QCOMPARE(rect, Rect(120, 80, 500, 150));
        QCOMPARE(dc.texts.size(), std::size_t{1});
    }

    void commentNeedsRoomForItsFont() {
        PuzzleShape shape = Block(10, 6);
        RecordingSurface dc;
        // Title line 18 high at 160 leaves 190 - 183 = 7 rows, less than the comment's 16.
        PixelRect rect = Rect(115, 160, 590, 190);
        shape.DrawTitle(dc, rect, true);
        QCOMPARE(dc.texts.size(), std::size_t{1});
        QCOMPARE(rect, Rect(115, 183, 590, 190));
    }

    void puzzleAtTheBoardTopHasNoTitle() {
        PuzzleShape shape = Block(31, 31);
        RecordingSurface dc;
        PixelRect rect;
        shape.DrawTitle(dc, rect, true);
        QCOMPARE(rect, Rect(115, 77, 590, 3));
        QVERIFY(dc.texts.empty());
    }

    void titlePixelsStayInsideTheirAreas_data() {
        QTest::addColumn<bool>("withComment");
        QTest::newRow("title only") << false;
        QTest::newRow("title and comment") << true;
    }
    void titlePixelsStayInsideTheirAreas() {
        QFETCH(bool, withComment);
        PuzzleShape shape = Block(10, 6);
        shape.names.In(Language::Russian) = "Прямоугольник";
        shape.comments.In(Language::Russian) = "Комментарий";
        ImageSurface surface(600, 400);
        surface.FillRect({0, 0, 600, 400}, kMarker);
        surface.SetBackgroundColour(kBoardGrey);
        PixelRect rect;
        shape.DrawTitle(surface, rect, withComment);

        const PixelRect area = Rect(115, 77, 590, 190);
        const QImage& image = surface.Image();
        for (int y = 0; y < 400; ++y) {
            for (int x = 0; x < 600; ++x) {
                const bool inside =
                    x >= area.left && x < area.right && y >= area.top && y < area.bottom;
                if (!inside) {
                    QCOMPARE(image.pixel(x, y), Q(kMarker));
                } else {
                    QVERIFY(image.pixel(x, y) != Q(kMarker));
                }
            }
        }
        const int titleHeight =
            surface.MeasureText(shape.names.In(Language::Russian), {"Arial", 18, 600, false})
                .height;
        const int middle = (area.top + area.bottom) / 2;
        QVERIFY(HasColourInRows(image, area, middle - 9, middle + 9, Q(kBlack)));
        const int commentTop = area.top + titleHeight + 5;
        QCOMPARE(HasColourInRows(image, area, commentTop, commentTop + 16, Q(kBlack)), withComment);
        QVERIFY(!HasColourInRows(image, area, area.top, commentTop, Q(kBlack)));
        QVERIFY(!HasColourInRows(image, area, middle + 12, area.bottom, Q(kBlack)));
    }

    // The name is centred in the space above the puzzle; the comment stands where a name line at
    // the top puts it, unless the two would meet: then under the name, or nowhere when it does
    // not fit above the puzzle there.
    void commentNeverMeetsTheName_data() {
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<CommentPlace>("place");
        const QString line = "Six elements. The puzzle has 4 solutions";
        for (int rows = 1; rows <= 19; ++rows) {
            const CommentPlace place = rows <= 8    ? CommentPlace::AsBefore
                                       : rows <= 13 ? CommentPlace::UnderName
                                                    : CommentPlace::LeftOut;
            QTest::addRow("%d rows, no comment", rows) << rows << QString() << CommentPlace::None;
            QTest::addRow("%d rows, a comment", rows) << rows << line << place;
        }
        const QString twoLines = line + ", " + line;
        QTest::newRow("1 row, two lines") << 1 << twoLines << CommentPlace::AsBefore;
        QTest::newRow("6 rows, two lines") << 6 << twoLines << CommentPlace::UnderName;
        QTest::newRow("9 rows, two lines") << 9 << twoLines << CommentPlace::LeftOut;
    }
    void commentNeverMeetsTheName() {
        QFETCH(int, rows);
        QFETCH(QString, comment);
        QFETCH(CommentPlace, place);
        SetCurrentLanguage(Language::English);
        PuzzleShape shape = Block(10, rows);
        shape.names.In(Language::English) = "Hare";
        shape.comments.In(Language::English) = comment.toStdString();
        const auto draw = [&shape](bool withComment) {
            ImageSurface surface = GreySurface();
            PixelRect rect;
            shape.DrawTitle(surface, rect, withComment);
            return surface.Image();
        };
        const QImage grey = GreySurface().Image();
        const QImage nameOnly = draw(false);
        const QImage drawn = draw(true);
        const QList<int> nameRows = InkRows(nameOnly, grey);
        const QList<int> commentRows = InkRows(drawn, nameOnly);
        const int areaTop = 77;
        const int areaBottom = shape.y - 2;
        QVERIFY(!nameRows.isEmpty());
        for (int row : commentRows) {
            QVERIFY2(!nameRows.contains(row), qPrintable(QString("row %1").arg(row)));
            QVERIFY(row >= areaTop && row < areaBottom);
        }

        // The comment as it was placed: under a line of the name's height at the top.
        ImageSurface before = GreySurface();
        const int h = std::min(areaBottom - areaTop, 18);
        const int nameHeight = before.MeasureText("Hare", {"Arial", h, 600, false}).height;
        const PixelRect placed{115, areaTop + nameHeight + 5, 590, areaBottom};
        if (placed.Height() >= h - 2) {
            before.Image() = nameOnly;
            before.DrawTextWrapped(placed, comment.toStdString(), {"Arial", h - 2, 400, true},
                                   kBlack);
        }
        const QList<int> rowsBefore = InkRows(before.Image(), nameOnly);
        // Touching counts: no empty row between the two.
        const bool metBefore = std::any_of(rowsBefore.begin(), rowsBefore.end(), [&](int row) {
            return row + 1 >= nameRows.first() && row <= nameRows.last() + 1;
        });
        switch (place) {
            case CommentPlace::None:
                QVERIFY(commentRows.isEmpty());
                break;
            case CommentPlace::AsBefore:
                QVERIFY(!metBefore);
                QVERIFY(!commentRows.isEmpty());
                QVERIFY(drawn == before.Image());
                break;
            case CommentPlace::UnderName:
                QVERIFY(!commentRows.isEmpty());
                // Directly under: no room for another line of the comment in between.
                QVERIFY(commentRows.first() > nameRows.last());
                QVERIFY(commentRows.first() - nameRows.last() < h - 2);
                break;
            case CommentPlace::LeftOut:
                QVERIFY(commentRows.isEmpty());
                break;
        }
    }
};

}  // namespace tessellix

QTEST_MAIN(tessellix::PuzzleShapeTest)
#include "test_puzzle_shape.moc"
