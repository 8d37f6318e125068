// The puzzle editor on the real main window over temporary libraries: drawing, choosing
// elements, the file commands with their checks and questions, and the files they write.

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "library/solve_records.h"
#include "solver/puzzle_level.h"
#include "solver/tiling_solver.h"
#include "tests/pixels.h"
#include "tests/play_window_fixture.h"

namespace tessellix {

using Picture = std::vector<std::string>;

namespace {

// The canvas's cell (column, row) as a point inside it.
QPoint CellPoint(int column, int row) {
    return QPoint(120 + 15 * column + 7, 110 + 15 * row + 7);
}

QPoint OnElement(const Element& element) {
    return QPoint(element.homeX + 7, element.homeY + 7);
}

// A puzzle file with the picture's cells at (column, row) of the grid. Elements by index: used
// ones {0x01, 0, 0, 0}, or as given in `records`; all others unused.
std::string PuzzleFile(const Picture& picture, int column, int row, const std::string& text,
                       const std::map<int, std::array<std::uint8_t, 4>>& records) {
    HandFile file;
    file.Cells(picture, column, row);
    for (int i = 0; i < 12; ++i) {
        const auto given = records.find(i);
        file.records[i] =
            given == records.end() ? std::array<std::uint8_t, 4>{0, 0, 0, 0} : given->second;
    }
    file.text = text;
    return file.Bytes();
}

// Five cells in a row, centred on the canvas when opened: (31 - 5) / 2 = 13, (19 - 1) / 2 = 9.
const Picture kRow{"XXXXX"};
const std::string kUsedLine = "\x01\x00\x00\x00";
// The line used with a stored placement, and L used without one.
const std::map<int, std::array<std::uint8_t, 4>> kLineAndL{{0, {0x81, 0x02, 0x00, 0x00}},
                                                           {1, {0x01, 0, 0, 0}}};

// Fills `count` cells with one stroke, row by row from the canvas's corner, ten to a row:
// sixty are the 10 x 6 rectangle, which the twelve elements cover.
void DrawCells(PlayWindowFixture& play, int count) {
    play.Press(CellPoint(0, 0));
    for (int cell = 1; cell < count; ++cell) {
        play.Move(CellPoint(cell % 10, cell / 10));
    }
    play.Release(CellPoint((count - 1) % 10, (count - 1) / 10));
}

// Leaves every element out but `kept`.
void KeepOnly(PlayWindowFixture& play, int kept) {
    for (int i = 0; i < 12; ++i) {
        if (i != kept) {
            play.Click(OnElement(play.Window().Editor()->Session().Elements()[i]));
        }
    }
}

// Opens the library puzzle at `row` of the Select dialog.
void OpenRow(PlayWindowFixture& play, int row) {
    play.RunWithDialog(kCommandOpen, [row](QDialog& dialog) {
        dialog.findChild<QListWidget*>()->setCurrentRow(row);
        dialog.accept();
    });
}

// Saves with the name typed into the Save dialog, or cancels it when the name is empty.
// Returns the name the dialog offered.
QString SaveAs(PlayWindowFixture& play, int command, const QString& name) {
    QString offered;
    play.RunWithDialog(command, [&](QDialog& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>("nameEdit");
        offered = edit->text();
        if (name.isEmpty()) {
            dialog.reject();
            return;
        }
        edit->setText(name);
        dialog.findChild<QPushButton*>("saveButton")->click();
    });
    return offered;
}

}  // namespace

class EditorTest : public QObject {
    Q_OBJECT
  private:
    // A library whose first puzzle is on the play board.
    std::map<std::string, std::string> Library() const {
        return {{"1.TLX", PuzzleFile(kRow, 13, 9, "One\1One", {{0, {0x01, 0, 0, 0}}})},
                {"199.TLX", PuzzleFile(kRow, 13, 9, "A\1B", kLineAndL)},
                {"200.TLX", PuzzleFile(kRow, 13, 9, "C\1D", kLineAndL)}};
    }

  private slots:
    void cleanup() { SetCurrentLanguage(Language::Russian); }

    void freshEditorAndTheElementChoice() {
        SetCurrentLanguage(Language::English);
        PlayWindowFixture play(Library());
        play.Window().RunCommand(kCommandEditor);
        EditorWindow& editor = *play.Window().Editor();
        QCOMPARE(editor.Session().CounterText(), "0/60");
        QCOMPARE(editor.Session().Canvas().names.In(Language::English), "*** New puzzle ***");
        QVERIFY(!play.Window().IsCommandEnabled(kCommandDelete));
        QCOMPARE(play.Window().windowTitle(), QString("Tessellix Puzzle Editor"));
        const Element& tee = editor.Session().Elements()[5];
        const QPoint crossed(tee.baseX + 2, tee.baseY + 2);  // on the cross, off the element
        const QRgb before = editor.BackBuffer().Image().pixel(crossed);
        play.Click(OnElement(tee));
        QCOMPARE(editor.Session().CounterText(), "0/55");
        QCOMPARE(editor.BackBuffer().Image().pixel(crossed), qRgb(255, 0, 0));
        play.Click(OnElement(tee));
        QCOMPARE(editor.Session().CounterText(), "0/60");
        QCOMPARE(editor.BackBuffer().Image().pixel(crossed), before);
    }

    void strokesChangeOnlyTheCellsUnderThePointer_data() {
        QTest::addColumn<QList<QPoint>>("fills");   // one left stroke through these points
        QTest::addColumn<QList<QPoint>>("erases");  // then one right stroke
        QTest::addColumn<QList<QPoint>>("filled");  // the filled cells left, (column, row)
        const QPoint corner = CellPoint(0, 0);
        QTest::newRow("each reported cell, nothing in between")
            << QList<QPoint>{CellPoint(0, 0), CellPoint(3, 0), CellPoint(3, 2)} << QList<QPoint>{}
            << QList<QPoint>{{0, 0}, {3, 0}, {3, 2}};
        QTest::newRow("the canvas's top-left pixel is cell 0, 0")
            << QList<QPoint>{QPoint(120, 110)} << QList<QPoint>{} << QList<QPoint>{{0, 0}};
        QTest::newRow("x = 585 and y = 395 are outside")
            << QList<QPoint>{corner, QPoint(585, 120), QPoint(130, 395), QPoint(584, 394)}
            << QList<QPoint>{} << QList<QPoint>{{0, 0}, {30, 18}};
        QTest::newRow("a left press outside starts no stroke")
            << QList<QPoint>{QPoint(110, 200), corner} << QList<QPoint>{} << QList<QPoint>{};
        QTest::newRow("a right press outside, then into the canvas, erases")
            << QList<QPoint>{corner, CellPoint(1, 0)}
            << QList<QPoint>{QPoint(110, 120), CellPoint(1, 0), CellPoint(5, 5)}
            << QList<QPoint>{{0, 0}};
        QTest::newRow("filling a filled cell again counts it once")
            << QList<QPoint>{corner, CellPoint(1, 0), corner} << QList<QPoint>{}
            << QList<QPoint>{{0, 0}, {1, 0}};
    }
    void strokesChangeOnlyTheCellsUnderThePointer() {
        QFETCH(QList<QPoint>, fills);
        QFETCH(QList<QPoint>, erases);
        QFETCH(QList<QPoint>, filled);
        PlayWindowFixture play(Library());
        play.Window().RunCommand(kCommandEditor);
        const EditorWindow& editor = *play.Window().Editor();
        const auto stroke = [&](const QList<QPoint>& points, Qt::MouseButton button) {
            if (!points.isEmpty()) {
                play.Press(points.first(), button);
                for (const QPoint& point : points.mid(1)) {
                    play.Move(point);
                }
                play.Release(points.last(), button);
            }
        };
        stroke(fills, Qt::LeftButton);
        stroke(erases, Qt::RightButton);
        QCOMPARE(editor.Mode(), EditorWindow::NoStroke);
        QList<QPoint> cells;
        for (int r = 0; r < 19; ++r) {
            for (int c = 0; c < 31; ++c) {
                const bool on = editor.Session().Canvas().Cell(r, c) == 2;
                if (on) {
                    cells << QPoint(c, r);
                }
                const QPoint inside = CellPoint(c, r);
                QCOMPARE(editor.BackBuffer().Image().pixel(inside),
                         on ? qRgb(255, 255, 0) : qRgb(255, 255, 255));
            }
        }
        QCOMPARE(cells, filled);
        QCOMPARE(editor.Session().CellCount(), filled.size());
        QCOMPARE(editor.Session().CellsChanged(), !filled.isEmpty());
    }

    void cursorsFollowThePointer() {
        PlayWindowFixture play(Library());
        play.Window().RunCommand(kCommandEditor);
        EditorWindow& editor = *play.Window().Editor();
        const Element& corner = editor.Session().Elements()[4];
        play.Move(CellPoint(4, 4));
        QCOMPARE(editor.cursor().hotSpot(), QPoint(4, 4));
        play.Move(OnElement(corner) + QPoint(15, 15));  // an empty cell of its rectangle
        QCOMPARE(editor.cursor().hotSpot(), QPoint(7, 1));
        const Element& cup = editor.Session().Elements()[9];  // 30 wide in a 45-wide box
        play.Move(QPoint(cup.baseX + 2, cup.baseY + 20));
        QCOMPARE(editor.cursor().shape(), Qt::ArrowCursor);
    }

    void savingChecksTheCells_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("cells");
        QTest::addColumn<int>("excluded");
        QTest::addColumn<QString>("message");  // empty: the Save dialog opens
        const QString mismatch[2] = {
            "Количество ячеек задания не соответствует\nколичеству ячеек в элементах Tessellix!",
            "A number of cells in the puzzle does not match\na number of cells in Tessellix "
            "elements!"};
        for (const int language : {int(Language::Russian), int(Language::English)}) {
            const char* in = language == int(Language::Russian) ? " (Russian)" : " (English)";
            QTest::newRow(qPrintable(QString("nothing drawn") + in))
                << language << 0 << 0 << mismatch[language];
            QTest::newRow(qPrintable(QString("no element chosen") + in))
                << language << 5 << 12
                << (language == int(Language::Russian)
                        ? "Не выбрано ни одного элемента Tessellix!"
                        : "No Tessellix elements have been selected!");
            QTest::newRow(qPrintable(QString("59 cells") + in))
                << language << 59 << 0 << mismatch[language];
        }
        QTest::newRow("60 cells for twelve elements") << int(Language::English) << 60 << 0 << "";
        QTest::newRow("55 cells for eleven") << int(Language::Russian) << 55 << 1 << "";
    }
    void savingChecksTheCells() {
        QFETCH(int, language);
        QFETCH(int, cells);
        QFETCH(int, excluded);
        QFETCH(QString, message);
        SetCurrentLanguage(Language(language));
        PlayWindowFixture play(Library());
        play.Window().RunCommand(kCommandEditor);
        DrawCells(play, cells);
        for (int i = 0; i < excluded; ++i) {
            play.Click(OnElement(play.Window().Editor()->Session().Elements()[i]));
        }
        if (message.isEmpty()) {
            QCOMPARE(SaveAs(play, kCommandSave, QString()),
                     QString(language ? "No name" : "Название"));
            QVERIFY(play.messages.isEmpty());
        } else {
            play.Window().RunCommand(kCommandSave);
            QCOMPARE(play.MessageTexts(), QStringList{message});
            QCOMPARE(play.messages[0].caption, QString(language ? "Error" : "Ошибка"));
        }
        QCOMPARE(play.library.count(), 3);
    }

    void savedFilesMatchTheLayout_data() {
        QTest::addColumn<int>("scenario");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("a new puzzle: no placements, the other language's default name")
            << 0 << "201.TLX"
            << QByteArray::fromStdString(
                   PuzzleFile(kRow, 0, 0, "Line\1Puzzle 201", {{0, {0x01, 0, 0, 0}}}));
        QTest::newRow("opened, an element excluded: the other placements kept")
            << 1 << "199.TLX"
            << QByteArray::fromStdString(
                   PuzzleFile(kRow, 13, 9, "A\1B", {{0, {0x81, 0x02, 0x00, 0x00}}}));
        QTest::newRow("opened, a cell painted and erased: no placements")
            << 2 << "199.TLX"
            << QByteArray::fromStdString(PuzzleFile(kRow, 13, 9, "A\1B", {{0, {0x01, 0, 0, 0}}}));
    }
    void savedFilesMatchTheLayout() {
        QFETCH(int, scenario);
        QFETCH(QString, fileName);
        QFETCH(QByteArray, expected);
        PlayWindowFixture play(Library());
        play.Window().RunCommand(kCommandEditor);
        QString name;
        if (scenario == 0) {
            for (int i = 1; i < 12; ++i) {
                play.Click(OnElement(play.Window().Editor()->Session().Elements()[i]));
            }
            DrawCells(play, 5);
            name = "Line";
        } else {
            OpenRow(play, 1);
            play.Click(OnElement(play.Window().Editor()->Session().Elements()[1]));
            if (scenario == 2) {
                play.Click(CellPoint(0, 0));
                play.Click(CellPoint(0, 0), Qt::RightButton);
            }
            name = "A";
        }
        SaveAs(play, kCommandSave, name);
        QCOMPARE(
            QByteArray::fromStdString(ReadBytes(play.DataPath(fileName.toStdString()))).toHex(' '),
            expected.toHex(' '));
        // A successful save starts the editor afresh.
        QCOMPARE(play.Window().Editor()->Session().CounterText(), "0/60");
        QCOMPARE(play.library.count(), scenario == 0 ? 4 : 3);
    }

    // marks: the solved marks of 1, 199, 200 and 201.TLX afterwards, all four marked before;
    // and the records kept of them, all four recorded before: '1' kept, '.' gone.
    void refusalsAndQuestions_data() {
        QTest::addColumn<int>("row");      // opened from the Select dialog
        QTest::addColumn<int>("command");  // then run
        QTest::addColumn<int>("answer");   // to the question, if one comes
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("files");  // the data folder afterwards
        QTest::addColumn<QString>("marks");
        QTest::addColumn<QString>("records");
        const QStringList all{"1.TLX", "199.TLX", "200.TLX"};
        const QString overwrite = "The puzzle already exists. Do you want to overwrite it?";
        QTest::newRow("Save on the puzzle being solved is refused")
            << 0 << int(kCommandSave) << int(MessageResult::Yes)
            << QStringList{"The puzzle is currently being solved. Can't overwrite!"} << all
            << "1212"
            << "1111";
        QTest::newRow("Save as on it makes a copy with a new number, unmarked")
            << 0 << int(kCommandSaveAs) << int(MessageResult::Yes) << QStringList{}
            << QStringList{"1.TLX", "199.TLX", "200.TLX", "201.TLX"} << "121."
            << "111.";
        QTest::newRow("overwrite answered Yes clears the mark")
            << 1 << int(kCommandSave) << int(MessageResult::Yes) << QStringList{overwrite} << all
            << "1.12"
            << "1.11";
        QTest::newRow("overwrite answered No writes nothing")
            << 1 << int(kCommandSave) << int(MessageResult::No) << QStringList{overwrite} << all
            << "1212"
            << "1111";
        QTest::newRow("Delete of 200 asks, then removes file, record and mark")
            << 2 << int(kCommandDelete) << int(MessageResult::Yes)
            << QStringList{"Do you really want to delete the puzzle?"}
            << QStringList{"1.TLX", "199.TLX"} << "12.2"
            << "11.1";
        QTest::newRow("Delete answered No keeps them")
            << 2 << int(kCommandDelete) << int(MessageResult::No)
            << QStringList{"Do you really want to delete the puzzle?"} << all << "1212"
            << "1111";
        QTest::newRow("199 cannot be deleted")
            << 1 << int(kCommandDelete) << int(MessageResult::Yes) << QStringList{} << all << "1212"
            << "1111";
    }
    void refusalsAndQuestions() {
        QFETCH(int, row);
        QFETCH(int, command);
        QFETCH(int, answer);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, files);
        SetCurrentLanguage(Language::English);
        PlayWindowFixture play(Library());
        WriteBytes(play.SettingsPath(), "[Solved]\n1.TLX=1\n199.TLX=2\n200.TLX=1\n201.TLX=2\n");
        const std::vector<std::string> names{"1.TLX", "199.TLX", "200.TLX", "201.TLX"};
        SolveRecords records(SolveRecords::PathBeside(play.SettingsPath()));
        for (const std::string& name : names) {
            records.AddSolve({name, 60, false, {2026, 12, 8}, std::nullopt});
        }
        const std::string before = ReadBytes(play.DataPath("199.TLX"));
        play.Window().RunCommand(kCommandEditor);
        OpenRow(play, row);
        QCOMPARE(play.Window().IsCommandEnabled(kCommandDelete), row == 2);
        if (row == 1) {
            play.Click(OnElement(
                play.Window().Editor()->Session().Elements()[1]));  // five cells, one element
        }
        play.answers = {MessageResult(answer)};
        if (command == kCommandDelete || (row == 0 && command == kCommandSave)) {
            play.Window().RunCommand(command);
        } else {
            const QString offered = SaveAs(play, command, "Kept");
            QCOMPARE(offered, command == kCommandSaveAs ? QString("No name") : QString("B"));
        }
        QCOMPARE(play.MessageTexts(), shown);
        for (const MessageRequest& message : play.messages) {
            // The editor's questions default to No.
            QCOMPARE(message.defaultButton, message.buttons == MessageButtons::YesNo
                                                ? MessageResult::No
                                                : MessageResult::Ok);
        }
        QCOMPARE(QDir(play.dataFolder.path()).entryList(QDir::Files, QDir::Name), files);
        QCOMPARE(play.library.count(), files.size());
        const bool overwritten =
            row == 1 && command == kCommandSave && MessageResult(answer) == MessageResult::Yes;
        QCOMPARE(ReadBytes(play.DataPath("199.TLX")).substr(0, before.size()) == before,
                 files.contains("199.TLX") && !overwritten);
        if (command == kCommandSaveAs) {
            QCOMPARE(play.library.LastRecord()->names, (BilingualText{"Задание 201", "Kept"}));
        }
        QTEST(play.SolvedMarks({"1.TLX", "199.TLX", "200.TLX", "201.TLX"}), "marks");
        QString recorded;
        for (const std::string& name : names) {
            recorded += records.Read().Find(name) != nullptr ? '1' : '.';
        }
        QTEST(recorded, "records");
    }

    void deletingInFrontOfThePlayedPuzzleKeepsItsPosition() {
        // The line lying across the five cells solves each puzzle.
        PlayWindowFixture play({{"200.TLX", PuzzleFile(kRow, 13, 9, "", {{0, {0x01, 0, 0, 0}}})},
                                {"201.TLX", PuzzleFile(kRow, 13, 9, "", {{0, {0x01, 0, 0, 0}}})}});
        play.Window().RunCommand(kCommandNextPuzzle);
        play.Window().RunCommand(kCommandEditor);
        OpenRow(play, 0);
        play.Window().RunCommand(kCommandDelete);
        play.Window().RunCommand(kCommandReturn);
        QCOMPARE(play.Session().CurrentPuzzleIndex(), 0);
        QCOMPARE(play.library.RecordAt(0)->fileName, "201.TLX");
        Element& line = play.ElementAt(0);
        play.Click(OnElement(line));
        play.DragElementTo(0, QPoint(play.Puzzle().x, play.Puzzle().y));
        QCOMPARE(ReadBytes(play.DataPath("201.TLX")).substr(9, 4), std::string("\x81\x02\0\0", 4));
    }

    void returnDropsTheDrawingAndGivesTheBoardBack() {
        PlayWindowFixture play(Library());
        play.Window().RunCommand(kCommandNextPuzzle);
        const QImage board = play.Shown().copy();
        play.Window().RunCommand(kCommandEditor);
        QCOMPARE(play.Window().Editor()->Session().CurrentPuzzleIndex(), 0);
        DrawCells(play, 7);
        OpenRow(play, 2);
        play.Window().RunCommand(kCommandReturn);
        QVERIFY(play.Window().Editor() == nullptr);
        QCOMPARE(play.Session().CurrentPuzzleIndex(), 1);
        QCOMPARE(play.Shown(), board);
        QCOMPARE(play.Window().windowTitle(), QString("Tessellix"));
        QCOMPARE(QDir(play.dataFolder.path()).entryList(QDir::Files).size(), 3);
    }

    // Return and closing the window ask about a changed drawing: Yes saves it as Save does, and
    // a Save that does not happen keeps the editor; No gives it up; Cancel stays.
    void leavingAsksAboutAChangedDrawing_data() {
        QTest::addColumn<QString>("leave");
        QTest::addColumn<int>("cells");     // drawn; 60 fit the twelve elements
        QTest::addColumn<int>("answer");    // to the question; -1: none is asked
        QTest::addColumn<QString>("name");  // typed into the Save dialog; empty: cancelled
        QTest::addColumn<bool>("left");
        QTest::addColumn<int>("puzzles");
        const int yes = int(MessageResult::Yes);
        const int cancel = int(MessageResult::Cancel);
        QTest::newRow("nothing drawn, Return") << "return" << 0 << -1 << "" << true << 3;
        QTest::newRow("drawn, Return, No")
            << "return" << 8 << int(MessageResult::No) << "" << true << 3;
        QTest::newRow("drawn, Return, Cancel") << "return" << 8 << cancel << "" << false << 3;
        QTest::newRow("drawn, Return, Yes, Save refuses the cells")
            << "return" << 8 << yes << "" << false << 3;
        QTest::newRow("drawn, Return, Yes, Save dialog cancelled")
            << "return" << 60 << yes << "" << false << 3;
        QTest::newRow("drawn, Return, Yes, saved") << "return" << 60 << yes << "Mine" << true << 4;
        QTest::newRow("nothing drawn, window closed") << "close" << 0 << -1 << "" << true << 3;
        QTest::newRow("drawn, window closed, Cancel") << "close" << 8 << cancel << "" << false << 3;
        QTest::newRow("drawn, window closed, Yes, saved")
            << "close" << 60 << yes << "Mine" << true << 4;
    }
    void leavingAsksAboutAChangedDrawing() {
        QFETCH(QString, leave);
        QFETCH(int, cells);
        QFETCH(int, answer);
        QFETCH(QString, name);
        SetCurrentLanguage(Language::English);
        PlayWindowFixture play(Library());
        play.Window().RunCommand(kCommandEditor);
        if (cells > 0) {
            DrawCells(play, cells);
        }
        if (answer >= 0) {
            play.answers << MessageResult(answer);
        }
        bool closed = false;
        const auto act = [&] {
            leave == "close" ? void(closed = play.Window().close())
                             : play.Window().RunCommand(kCommandReturn);
        };
        if (cells == 60 && answer == int(MessageResult::Yes)) {
            play.RunWithDialog(act, [&name](QDialog& dialog) {
                if (name.isEmpty()) {
                    dialog.reject();
                    return;
                }
                dialog.findChild<QLineEdit*>("nameEdit")->setText(name);
                dialog.findChild<QPushButton*>("saveButton")->click();
            });
        } else {
            act();
        }
        QCOMPARE(play.messages.isEmpty(), answer < 0);
        if (answer >= 0) {
            QCOMPARE(play.messages[0].text, QString("The drawing has changed. Save the puzzle?"));
            QCOMPARE(play.messages[0].buttons, MessageButtons::YesNoCancel);
            QCOMPARE(play.messages[0].defaultButton, MessageResult::Yes);
        }
        QFETCH(bool, left);
        QCOMPARE(leave == "close" ? closed : play.Window().Editor() == nullptr, left);
        QTEST(play.library.count(), "puzzles");
    }

    // The session's rule is tested with it; here, the message and that Delete then works.
    void openOfAnUnreadableFileShowsWhyAndLetsItBeDeleted() {
        SetCurrentLanguage(Language::English);
        PlayWindowFixture play(Library());
        play.Window().RunCommand(kCommandEditor);
        DrawCells(play, 7);
        QVERIFY(QFile::remove(QString::fromStdString(play.DataPath("200.TLX"))));
        OpenRow(play, 2);
        QCOMPARE(play.MessageTexts().size(), 1);
        QVERIFY(play.MessageTexts()[0].startsWith("Could not read the puzzle file "));
        QCOMPARE(play.messages[0].caption, QString("Error"));
        QCOMPARE(play.Window().Editor()->Session().CellCount(), 0);
        QVERIFY(play.Window().IsCommandEnabled(kCommandDelete));
        const int records = play.library.count();
        play.Window().RunCommand(kCommandDelete);
        QCOMPARE(play.library.count(), records - 1);
        QVERIFY(play.Window().Editor()->Session().IsNewPuzzle());
    }

    void openKeepsEveryCellInsideTheMatrix_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("cells");
        QTest::addColumn<bool>("opened");
        QTest::newRow("a puzzle 25 rows tall starts at the canvas's top") << 1 << 25 << true;
        QTest::newRow("no line chosen opens nothing") << -1 << 0 << false;
    }
    void openKeepsEveryCellInsideTheMatrix() {
        QFETCH(int, row);
        QFETCH(int, cells);
        QFETCH(bool, opened);
        PlayWindowFixture play({{"1.TLX", PuzzleFile(kRow, 0, 0, "", {{0, {1, 0, 0, 0}}})},
                                {"2.TLX", PuzzleFile(Picture(25, "X"), 30, 6, "", {})}});
        play.Window().RunCommand(kCommandEditor);
        OpenRow(play, row);
        const EditorWindow& editor = *play.Window().Editor();
        QCOMPARE(editor.Session().CellCount(), cells);
        QCOMPARE(editor.Session().IsNewPuzzle(), !opened);
        QCOMPARE(editor.Session().CurrentPuzzleIndex(), opened ? row : 0);
        if (opened) {
            QCOMPARE(editor.Session().Canvas().Cell(0, 15), 2);
            QCOMPARE(editor.Session().Canvas().Cell(24, 15), 2);
            QCOMPARE(editor.Session().CounterText(), "25/0");
        }
    }

    // A 5 x 3 rectangle with L, N and V: counted, rated, and shown until a cell is erased.
    void countSolutionsShowsCountAndLevelUntilTheDrawingChanges() {
        SetCurrentLanguage(Language::English);
        const Picture box(3, "XXXXX");
        const std::map<int, std::array<std::uint8_t, 4>> lnv{
            {1, {0x01, 0, 0, 0}}, {3, {0x01, 0, 0, 0}}, {4, {0x01, 0, 0, 0}}};
        PlayWindowFixture play({{"1.TLX", PuzzleFile(box, 13, 8, "Box\1Box", lnv)}});
        play.Window().RunCommand(kCommandEditor);
        QVERIFY(!play.Window().IsCommandEnabled(kCommandCountSolutions));
        OpenRow(play, 0);
        EditorWindow& editor = *play.Window().Editor();
        QVERIFY(play.Window().IsCommandEnabled(kCommandCountSolutions));
        const QImage before = editor.BackBuffer().Image().copy();

        play.Window().RunCommand(kCommandCountSolutions);
        const TilingSolver solver(AsciiGrid(box, 31), 31, 0b11010);
        const QString expected = QString("Solutions: %1, %2")
                                     .arg(solver.Count().distinct)
                                     .arg(QString::fromUtf8(LevelName(RatePuzzle(solver)->level)));
        QCOMPARE(QString::fromStdString(editor.SolutionCount().In(Language::English)), expected);
        const PixelRect shown = editor.SolutionCountRect();
        QVERIFY(!shown.IsEmpty());
        QVERIFY(editor.BackBuffer().Image() != before);

        play.Click(CellPoint(13, 8), Qt::RightButton);
        QVERIFY(editor.SolutionCount().IsEmpty());
        QVERIFY(!play.Window().IsCommandEnabled(kCommandCountSolutions));
        play.Click(CellPoint(13, 8));
        QCOMPARE(editor.BackBuffer().Image(), before);
    }

    // Five cells in a row: the line covers them, L does not. The count shown, or a search made
    // for the Save, tells; No writes nothing.
    void savingADrawingWithoutASolutionAsksFirst_data() {
        QTest::addColumn<int>("kept");
        QTest::addColumn<bool>("countedFirst");
        QTest::addColumn<int>("answer");  // -1: nothing is asked
        QTest::newRow("the line covers it") << 0 << false << -1;
        QTest::newRow("L does not, No") << 1 << false << int(MessageResult::No);
        QTest::newRow("L does not, Yes") << 1 << false << int(MessageResult::Yes);
        QTest::newRow("counted first, No") << 1 << true << int(MessageResult::No);
    }
    void savingADrawingWithoutASolutionAsksFirst() {
        QFETCH(int, kept);
        QFETCH(bool, countedFirst);
        QFETCH(int, answer);
        SetCurrentLanguage(Language::English);
        PlayWindowFixture play(Library());
        play.Window().RunCommand(kCommandEditor);
        KeepOnly(play, kept);
        DrawCells(play, 5);
        if (countedFirst) {
            play.Window().RunCommand(kCommandCountSolutions);
        }
        if (answer >= 0) {
            play.answers = {MessageResult(answer)};
        }
        const bool saves = answer != int(MessageResult::No);
        saves ? void(SaveAs(play, kCommandSave, "Row")) : play.Window().RunCommand(kCommandSave);
        QCOMPARE(play.MessageTexts(),
                 answer < 0 ? QStringList{}
                            : QStringList{"The puzzle has no solution: the chosen elements cannot "
                                          "cover the drawing.\nSave a puzzle without a solution?"});
        QCOMPARE(QFileInfo::exists(QString::fromStdString(play.DataPath("201.TLX"))), saves);
    }

    // 200.TLX is opened, then changed on disk. Save over it and Delete ask once more; only Yes
    // writes or deletes. `file`: the file afterwards, the changed one or "written" or "gone".
    void writingOverAFileChangedOnDiskAsksFirst_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("file");
        const int yes = int(MessageResult::Yes);
        const int no = int(MessageResult::No);
        QTest::newRow("Save, unchanged") << int(kCommandSave) << false << yes << "written";
        QTest::newRow("Save, changed, Yes") << int(kCommandSave) << true << yes << "written";
        QTest::newRow("Save, changed, No") << int(kCommandSave) << true << no << "changed";
        QTest::newRow("Delete, changed, Yes") << int(kCommandDelete) << true << yes << "gone";
        QTest::newRow("Delete, changed, No") << int(kCommandDelete) << true << no << "changed";
    }
    void writingOverAFileChangedOnDiskAsksFirst() {
        QFETCH(int, command);
        QFETCH(bool, changed);
        QFETCH(int, answer);
        SetCurrentLanguage(Language::English);
        PlayWindowFixture play(Library());
        play.Window().RunCommand(kCommandEditor);
        OpenRow(play, 2);
        play.Click(OnElement(play.Window().Editor()->Session().Elements()[1]));
        const std::string path = play.DataPath("200.TLX");
        const std::string outside = PuzzleFile(kRow, 13, 9, "C\1D", {{0, {0x81, 0x03, 0, 0}}});
        if (changed) {
            WriteBytes(path, outside);
        }
        play.answers = {MessageResult::Yes, MessageResult(answer)};
        command == kCommandSave ? void(SaveAs(play, kCommandSave, "C"))
                                : play.Window().RunCommand(command);
        QCOMPARE(play.messages.size(), changed ? 2 : 1);
        if (changed) {
            QVERIFY(play.messages[1].text.startsWith(
                "The puzzle's file has changed since it was opened in the editor.\n"));
            QCOMPARE(play.messages[1].defaultButton, MessageResult::No);
        }
        const bool gone = !QFileInfo::exists(QString::fromStdString(path));
        QTEST(QString(gone ? "gone" : ReadBytes(path) == outside ? "changed" : "written"), "file");
    }
};

}  // namespace tessellix

QTEST_MAIN(tessellix::EditorTest)
#include "test_editor.moc"
