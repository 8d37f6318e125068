// The editor's rules without any window: ASCII strokes on the canvas, element choices and file
// commands in, the counter, the refusals and the bytes of the file a save would write out.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "model/editor_session.h"
#include "tests/puzzle_bytes.h"

namespace tessellix {

using Picture = std::vector<std::string>;

namespace {

int ElementOf(QChar letter) {
    return static_cast<int>(std::string_view(kElementLetters).find(letter.toLatin1()));
}

QString Hex(std::string_view bytes) {
    return QString(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())).toHex());
}

// Five cells in a row, centred on the canvas when opened: (31 - 5) / 2 = 13, (19 - 1) / 2 = 9.
// 1.TLX is on the play board; the line carries a stored placement in both files.
std::string RowFile(const std::array<std::uint8_t, 4>& lRecord) {
    HandFile file;
    file.Cells({"XXXXX"}, 0, 0);
    file.records.fill({0, 0, 0, 0});
    file.records[0] = {0x81, 0x02, 0x00, 0x00};
    file.records[1] = lRecord;
    file.text = "One\1One";
    return file.Bytes();
}

// A library of 1.TLX (played) and 250.TLX, and an editor session over it.
struct Editor {
    QTemporaryDir folder;
    PuzzleLibrary library;
    std::unique_ptr<LibraryPosition> played;
    std::unique_ptr<EditorSession> session;

    Editor() {
        WriteBytes(folder.filePath("1.TLX").toStdString(), RowFile({0, 0, 0, 0}));
        WriteBytes(folder.filePath("250.TLX").toStdString(), RowFile({0x01, 0, 0, 0}));
        library.ScanDataFolder(folder.path().toStdString());
        played = std::make_unique<LibraryPosition>(library);
        played->Play(0);
        session = std::make_unique<EditorSession>(*played);
    }

    // "fill C,R", "fill C,R-C,R" (a rectangle), "erase C,R", "toggle L", "open P", "save" (as a
    // new puzzle).
    void Edit(const QStringList& steps) {
        for (const QString& step : steps) {
            const QStringList words = step.split(' ');
            if (words[0] == "save") {
                Settings noSettings;
                QVERIFY(!session->Save(session->PlanSave(true, "Saved", ""), noSettings));
            } else if (words[0] == "toggle") {
                session->ToggleElement(ElementOf(words[1].at(0)));
            } else if (words[0] == "open") {
                QVERIFY(!session->Open(words[1].toInt()));
            } else {
                const QStringList corners = words[1].split('-');
                const QStringList from = corners.first().split(',');
                const QStringList to = corners.last().split(',');
                for (int r = from[1].toInt(); r <= to[1].toInt(); ++r) {
                    for (int c = from[0].toInt(); c <= to[0].toInt(); ++c) {
                        words[0] == "fill" ? session->Fill({c, r}) : session->Erase({c, r});
                    }
                }
            }
        }
    }
};

}  // namespace

class EditorSessionTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { SetCurrentLanguage(Language::English); }

    // What Save (or Save as) decides after the steps. An empty refusal: the Save dialog opens
    // with `offered`, and the plan writes `file` with the cells of `cells` (at their canvas
    // place) and the records listed, every other one unused.
    void editsDecideTheSave_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("saveAs");
        QTest::addColumn<QString>("counter");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("file");
        QTest::addColumn<Picture>("cells");  // from the canvas's corner
        QTest::addColumn<QStringList>("records");
        const Picture block(5, std::string(12, 'X'));
        const QString mismatch =
            "A number of cells in the puzzle does not match\na number of cells in Tessellix "
            "elements!";
        QTest::newRow("sixty cells for twelve elements")
            << QStringList{"fill 0,0-11,4"} << false << "60/60"
            << ""
            << "No name"
            << "251.TLX" << block
            << QStringList{"I 01000000", "L 01000000", "Y 01000000", "N 01000000",
                           "V 01000000", "T 01000000", "Z 01000000", "F 01000000",
                           "W 01000000", "U 01000000", "X 01000000", "P 01000000"};
        QTest::newRow("a filled cell filled again counts once, erasing an empty one nothing")
            << QStringList{"fill 0,0-11,4", "fill 3,3", "erase 20,10", "erase 11,4"} << false
            << "59/60" << mismatch << ""
            << "" << Picture{} << QStringList{};
        QTest::newRow("every element left out")
            << QStringList{"toggle I", "toggle L", "toggle Y", "toggle N", "toggle V", "toggle T",
                           "toggle Z", "toggle F", "toggle W", "toggle U", "toggle X", "toggle P"}
            << false << "0/0"
            << "No Tessellix elements have been selected!"
            << ""
            << "" << Picture{} << QStringList{};
        QTest::newRow("one element left out makes 55 cells right")
            << QStringList{"fill 0,0-10,4", "toggle X", "toggle X", "toggle P"} << true << "55/55"
            << ""
            << "No name"
            << "251.TLX" << Picture(5, std::string(11, 'X'))
            << QStringList{"I 01000000", "L 01000000", "Y 01000000", "N 01000000",
                           "V 01000000", "T 01000000", "Z 01000000", "F 01000000",
                           "W 01000000", "U 01000000", "X 01000000"};
        QTest::newRow("opened and centred, an element left out: placements kept")
            << QStringList{"open 1", "toggle I", "toggle I", "toggle L"} << false << "5/5"
            << ""
            << "One"
            << "250.TLX" << Picture{"", "", "", "", "", "", "", "", "", ".............XXXXX"}
            << QStringList{"I 81020000"};
        QTest::newRow("opened, a cell painted and erased: placements dropped")
            << QStringList{"open 1", "toggle L", "fill 0,0", "erase 0,0"} << false << "5/5"
            << ""
            << "One"
            << "250.TLX" << Picture{"", "", "", "", "", "", "", "", "", ".............XXXXX"}
            << QStringList{"I 01000000"};
        QTest::newRow("opened, changed cells, Save as: no placement")
            << QStringList{"open 1", "toggle L", "erase 17,9", "fill 17,10"} << true << "5/5"
            << ""
            << "No name"
            << "251.TLX" << Picture{"",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    "",
                                    ".............XXXX",
                                    ".................X"}
            << QStringList{"I 01000000"};
        QTest::newRow("the puzzle on the play board cannot be overwritten")
            << QStringList{"open 0"} << false << "5/5"
            << "The puzzle is currently being solved. Can't overwrite!"
            << ""
            << "" << Picture{} << QStringList{};
        QTest::newRow("Save as of the puzzle on the play board: a copy, placements kept")
            << QStringList{"open 0"} << true << "5/5"
            << ""
            << "No name"
            << "251.TLX" << Picture{"", "", "", "", "", "", "", "", "", ".............XXXXX"}
            << QStringList{"I 81020000"};
    }
    void editsDecideTheSave() {
        QFETCH(QStringList, steps);
        QFETCH(bool, saveAs);
        Editor editor;
        editor.Edit(steps);
        EditorSession& session = *editor.session;
        QTEST(QString::fromStdString(session.CounterText()), "counter");
        const SaveStart start = session.BeginSave(saveAs);
        QTEST(start.refusal ? QString::fromStdString(start.refusal->text.Shown()) : QString(),
              "refusal");
        if (start.refusal) {
            return;
        }
        QTEST(QString::fromStdString(start.name), "offered");
        const SavePlan plan = session.PlanSave(saveAs, "Typed", "");
        QVERIFY(!plan.refusal);
        QCOMPARE(plan.question.has_value(), !saveAs && !session.IsNewPuzzle());
        QTEST(QString::fromStdString(plan.record.fileName), "file");
        QCOMPARE(plan.path, editor.library.PathOf(plan.record));

        QFETCH(Picture, cells);
        QFETCH(QStringList, records);
        HandFile expected;
        expected.Cells(cells);
        expected.records.fill({0, 0, 0, 0});
        const Result<std::string> bytes = EncodePuzzleFile(plan.data);
        QVERIFY(bytes);
        for (const QString& record : records) {
            const QByteArray value = QByteArray::fromHex(record.mid(2).toLatin1());
            std::copy(value.begin(), value.end(), expected.records[ElementOf(record[0])].begin());
        }
        QCOMPARE(Hex(std::string_view(*bytes).substr(0, kTextBlockOffset)),
                 Hex(expected.Bytes().substr(0, kTextBlockOffset)));
    }

    // Leaving the editor asks about the drawing after any change since it was begun, opened or
    // saved, even one taken back by hand.
    void changedSinceBegunOpenedOrSaved_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<bool>("changed");
        QTest::newRow("a fresh drawing") << QStringList{} << false;
        QTest::newRow("a cell filled") << QStringList{"fill 3,3"} << true;
        QTest::newRow("a cell filled and erased") << QStringList{"fill 3,3", "erase 3,3"} << true;
        QTest::newRow("an empty cell erased") << QStringList{"erase 3,3"} << false;
        QTest::newRow("an element left out") << QStringList{"toggle X"} << true;
        QTest::newRow("drawn, then a puzzle opened") << QStringList{"fill 3,3", "open 1"} << false;
        QTest::newRow("opened, then a cell filled") << QStringList{"open 1", "fill 0,0"} << true;
        QTest::newRow("drawn and saved") << QStringList{"fill 0,0-11,4", "save"} << false;
    }
    void changedSinceBegunOpenedOrSaved() {
        QFETCH(QStringList, steps);
        Editor editor;
        editor.Edit(steps);
        QTEST(editor.session->Changed(), "changed");
    }

    // The texts of a new puzzle: the name typed in the current language, "Puzzle N" or
    // "Задание N" in the other; an overwrite keeps the other language's texts.
    void savedTextsAndTheLibrary() {
        Editor editor;
        EditorSession& session = *editor.session;
        editor.Edit({"fill 0,0-11,4"});
        SetCurrentLanguage(Language::Russian);
        SavePlan plan = session.PlanSave(false, "Моё", "Коммент");
        QCOMPARE(plan.record.names, (BilingualText{"Моё", "Puzzle 251"}));
        QCOMPARE(plan.record.comments, (BilingualText{"Коммент", ""}));
        Settings noSettings;
        QVERIFY(!session.Save(plan, noSettings));
        QCOMPARE(editor.library.count(), 3);
        QCOMPARE(*editor.library.LastRecord(), plan.record);

        editor.Edit({"open 1"});
        plan = session.PlanSave(false, "Другое", "");
        QCOMPARE(plan.replacedPosition, std::optional<int>(1));
        QCOMPARE(plan.record.names, (BilingualText{"Другое", "One"}));
        QCOMPARE(plan.record.fileName, "250.TLX");
    }

    // Delete refuses the puzzle on the play board, and keeps the board's position on its
    // puzzle when one in front of it goes.
    void deleteKeepsThePlayPositionInStep() {
        Editor editor;
        editor.played->Play(1);
        EditorSession& session = *editor.session;
        editor.Edit({"open 1"});
        QVERIFY(session.DeleteEnabled());
        DeletePlan plan = session.PlanDelete();
        QCOMPARE(QString::fromStdString(plan.refusal->text.Shown()),
                 "The puzzle is currently being solved. Can't delete!");

        editor.Edit({"open 0"});
        QVERIFY(!session.DeleteEnabled());  // numbered below 200, as the shipped ones
        plan = session.PlanDelete();
        QVERIFY(!plan.refusal);
        QCOMPARE(QString::fromStdString(plan.question.text.Shown()),
                 "Do you really want to delete the puzzle?");
        QCOMPARE(plan.path, editor.library.PathOf(*editor.library.RecordAt(0)));
        session.Commit(plan);
        QCOMPARE(editor.library.count(), 1);
        QCOMPARE(editor.played->Index(), 0);
        QCOMPARE(editor.played->PlayedRecord()->fileName, "250.TLX");
    }

    // A file that gives no puzzle opens all the same, empty under its record's names, so that it
    // can be deleted or drawn anew and saved over; the choice of elements stays as it was.
    void openOfAnUnreadableFileOpensItEmpty_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("cut short before its cells") << "cut";
        QTest::newRow("removed") << "removed";
        QTest::newRow("a folder in its place") << "folder";
    }
    void openOfAnUnreadableFileOpensItEmpty() {
        QFETCH(QString, damage);
        Editor editor;
        EditorSession& session = *editor.session;
        editor.Edit({"fill 2,2", "toggle V"});
        const QString path = editor.folder.filePath("250.TLX");
        QVERIFY(QFile::remove(path));
        if (damage == "cut") {
            WriteBytes(path.toStdString(), "Tessellix, cut short");
        } else if (damage == "folder") {
            QVERIFY(QDir().mkdir(path));
        }
        const std::optional<Failure> failure = session.Open(1);
        QVERIFY(failure);
        QVERIFY(failure->Message().Shown().find("250.TLX") != std::string::npos);
        QCOMPARE(session.CounterText(), "0/55");
        QCOMPARE(session.Canvas().Cell(2, 2), 1);
        QCOMPARE(session.Canvas().names, editor.library.RecordAt(1)->names);
        QVERIFY(!session.IsNewPuzzle());
        QCOMPARE(session.CurrentPuzzleIndex(), 1);
        QVERIFY(session.DeleteEnabled());
        editor.Edit({"fill 0,0-10,4"});
        const SavePlan plan = session.PlanSave(false, "Repaired", "");
        QVERIFY(!plan.refusal);
        QCOMPARE(plan.replacedPosition, std::optional<int>(1));
        QCOMPARE(plan.path, path.toStdString());
    }
};

}  // namespace tessellix

QTEST_APPLESS_MAIN(tessellix::EditorSessionTest)
#include "test_editor_session.moc"
