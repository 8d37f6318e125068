#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "dialogs/select_puzzle_dialog.h"
#include "library/bilingual_text.h"
#include "platform/dialog_template.h"
#include "platform/message_box.h"
#include "tests/pixels.h"
#include "tests/puzzle_bytes.h"

namespace tessellix {

namespace {

void WriteBlock(const QTemporaryDir& folder, const char* name, int columns, int rows,
                const std::string& text, int column = 0) {
    HandFile file;
    file.Cells(std::vector<std::string>(rows, std::string(columns, '#')), column, 1).text = text;
    WriteBytes(folder.filePath(name).toStdString(), file.Bytes());
}

// Right of the list and below the box, the list's bottom margin away from them and from the
// dialog's right edge; right and bottom excluded.
PixelRect FrameOf(const SelectPuzzleDialog& dialog) {
    const QRect list = dialog.findChild<QListWidget*>("puzzleList")->geometry();
    const QRect box = dialog.findChild<QCheckBox*>("previewBox")->geometry();
    const int margin = dialog.height() - list.y() - list.height();
    return {list.x() + list.width() + margin, box.y() + box.height() + margin,
            dialog.width() - margin, list.y() + list.height()};
}

// '.' for a transparent icon, '1' for a black mark, '2' for a grey one, '?' for anything else.
char MarkShown(const QIcon& icon, const QSize& size) {
    const QImage image = icon.pixmap(size).toImage();
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                colours.insert(image.pixel(x, y));
            }
        }
    }
    if (colours.isEmpty()) {
        return '.';
    }
    return colours == QSet<QRgb>{Grey(0)} ? '1' : colours == QSet<QRgb>{Grey(128)} ? '2' : '?';
}

class PaintSpy : public QObject {
  public:
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

}  // namespace

class SelectPuzzleDialogTest : public QObject {
    Q_OBJECT
    QTemporaryDir folder;
    PuzzleLibrary library;
    Settings settings;

  private slots:
    void initTestCase() {
        // Numbered so that ascending numbers differ from the order of the names as text.
        WriteBlock(folder, "3.TLX", 10, 6, "\xD2\xF0\xE8\0\1Three\0"s);
        WriteBlock(folder, "7.TLX", 25, 1, "\xD1\xE5\xEC\xFC\0\1Seven\0"s);
        WriteBlock(folder, "12.TLX", 4, 3, "", 5);
        library.ScanDataFolder(folder.path().toStdString());
        settings = Settings(folder.filePath("tessellix.ini").toStdString());
    }
    void init() { SetCurrentLanguage(Language::Russian); }

    void linesAndSelection_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("selected");
        const QStringList english{"Three", "Seven", "Puzzle 12"};
        QTest::newRow("Russian") << int(Language::Russian) << 1
                                 << QStringList{"Три", "Семь", "Задание 12"} << 1;
        QTest::newRow("English") << int(Language::English) << 2 << english << 2;
        QTest::newRow("outside the list") << int(Language::English) << 3 << english << -1;
    }
    void linesAndSelection() {
        QFETCH(int, language);
        QFETCH(int, index);
        SetCurrentLanguage(Language(language));
        SelectPuzzleDialog dialog(library, settings, index, nullptr);
        auto* list = dialog.findChild<QListWidget*>("puzzleList");
        QStringList shown;
        for (int row = 0; row < list->count(); ++row) {
            shown << list->item(row)->text();
        }
        QTEST(shown, "lines");
        QTEST(list->selectedItems().isEmpty() ? -1 : list->row(list->selectedItems()[0]),
              "selected");
        QTEST(dialog.Selected(), "selected");
        QCOMPARE(dialog.Chosen(), std::nullopt);
    }

    // The template's 275 x 141 units, and every control where it puts it, in both languages. The
    // check box keeps its corner and width; it may grow down to show its whole indicator.
    void templateSizeAndControlPlaces_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("control");  // empty: the dialog itself
        QTest::addColumn<QRect>("units");
        for (const Language language : {Language::Russian, Language::English}) {
            const QString in = language == Language::Russian ? " (Russian)" : " (English)";
            const auto row = [&](const char* control, const QRect& units) {
                QTest::newRow(qPrintable((*control ? control : "dialog") + in))
                    << int(language) << QString(control) << units;
            };
            row("", {0, 0, 275, 141});
            row("puzzleList", {7, 7, 170, 127});
            row("openButton", {196, 7, 61, 15});
            row("cancelButton", {196, 25, 61, 15});
            row("previewBox", {196, 49, 61, 8});
        }
    }
    void templateSizeAndControlPlaces() {
        QFETCH(int, language);
        QFETCH(QString, control);
        QFETCH(QRect, units);
        SetCurrentLanguage(Language(language));
        SelectPuzzleDialog dialog(library, settings, 0, nullptr);
        const QRect place =
            control.isEmpty() ? dialog.rect() : dialog.findChild<QWidget*>(control)->geometry();
        QRect expected = DialogUnitsToPixels(units);
        if (control == "previewBox") {
            QVERIFY(place.height() >= expected.height());
            expected.setHeight(place.height());
        }
        QCOMPARE(place, expected);
        // Only the template's controls: nothing else takes room in the dialog. (A rated puzzle's
        // level shows inside the preview.)
        QList<QWidget*> shown =
            dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        shown.removeIf([](const QWidget* child) { return child->isHidden(); });
        QCOMPARE(shown.size(), 4);
    }

    // marks: what each line of Three, Seven, Puzzle 12 shows before its name.
    void solvedMarksBeforeTheNames_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("marks");
        QTest::newRow("no section") << QByteArray("[Options]\nPreview=0\n") << "...";
        QTest::newRow("1 black, 2 grey, names in any case")
            << QByteArray("[Solved]\n3.tlx=1\n12.TLX = 2 \n") << "1.2";
        QTest::newRow("other values are not solved")
            << QByteArray("[Solved]\n3.TLX=3\n7.TLX=yes\n12.TLX=01\n") << "...";
        QTest::newRow("the first line of a name and the first section count")
            << QByteArray("[Solved]\n3.TLX=2\n3.TLX=1\n[Other]\n7.TLX=1\n[Solved]\n12.TLX=1\n")
            << "2..";
    }
    void solvedMarksBeforeTheNames() {
        QFETCH(QByteArray, ini);
        WriteBytes(folder.filePath("tessellix.ini").toStdString(), ini.toStdString());
        SetCurrentLanguage(Language::English);
        SelectPuzzleDialog dialog(library, settings, 0, nullptr);
        auto* list = dialog.findChild<QListWidget*>("puzzleList");
        QString marks;
        QStringList names;
        for (int row = 0; row < list->count(); ++row) {
            marks += MarkShown(list->item(row)->icon(), list->iconSize());
            names << list->item(row)->text();
        }
        QTEST(marks, "marks");
        QCOMPARE(names, (QStringList{"Three", "Seven", "Puzzle 12"}));
        // Lines as tall as without marks, each name starting at the same place.
        QListWidget plain;
        plain.setFont(list->font());
        plain.addItem("Three");
        QCOMPARE(list->visualItemRect(list->item(0)).height(),
                 plain.visualItemRect(plain.item(0)).height());
        QVERIFY(list->iconSize().height() <= list->fontMetrics().height());
        // Typing a name's first letters finds it.
        QTest::keyClicks(list, "Se");
        QCOMPARE(list->currentRow(), 1);
    }

    // Steps on the shown dialog, each followed by what it set off. The list's selection is
    // taken at once and repaints the preview, as a tick does; only Open chooses it; the box
    // goes to the settings however the dialog ends.
    void running_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("repainted");
        QTest::addColumn<int>("written");
        const int yes = QDialog::Accepted;
        const int no = QDialog::Rejected;
        QTest::newRow("Down, Escape") << 0 << 0 << "Down Escape" << false << no << 1 << true << 0;
        QTest::newRow("Up, Cancel") << 0 << 2 << "Up Cancel" << false << no << 1 << true << 0;
        QTest::newRow("End, Enter") << 0 << 0 << "End Enter" << false << yes << 2 << true << 0;
        QTest::newRow("double click") << 0 << 0 << "click dclick" << false << yes << 2 << true << 0;
        QTest::newRow("Enter") << 1 << 1 << "Enter" << true << yes << 1 << false << 1;
        QTest::newRow("5, close box") << 5 << 0 << "close" << false << no << 0 << false << 0;
        QTest::newRow("-1, Escape") << -1 << 0 << "Escape" << false << no << 0 << false << 0;
        QTest::newRow("tick, Cancel") << 0 << 0 << "tick Cancel" << false << no << 0 << true << 1;
        QTest::newRow("untick, Open") << 1 << 0 << "tick Open" << true << yes << 0 << true << 0;
        QTest::newRow("2, Cancel") << 2 << 0 << "Cancel" << true << no << 0 << false << 2;
        QTest::newRow("2, Open") << 2 << 0 << "Open" << true << yes << 0 << false << 1;
    }
    void running() {
        QFETCH(int, stored);
        QFETCH(int, start);
        QFETCH(QString, steps);
        settings.WritePreviewSetting(stored);
        {
            SelectPuzzleDialog dialog(library, settings, start, nullptr);
            auto* list = dialog.findChild<QListWidget*>("puzzleList");
            auto* box = dialog.findChild<QCheckBox*>("previewBox");
            QTEST(box->isChecked(), "ticked");
            PaintSpy spy;
            QTimer::singleShot(0, &dialog, [&] {
                QVERIFY(QTest::qWaitForWindowActive(&dialog));
                QCoreApplication::processEvents();
                dialog.installEventFilter(&spy);
                const QPoint line = list->visualItemRect(list->item(2)).center();
                for (const QString& step : steps.split(' ')) {
                    if (step == "tick") {
                        box->click();
                    } else if (step == "close") {
                        dialog.close();
                    } else if (step.endsWith("click")) {
                        QTest::mouseEvent(step == "click" ? QTest::MouseClick : QTest::MouseDClick,
                                          list->viewport(), Qt::LeftButton, {}, line);
                    } else if (step == "Open" || step == "Cancel") {
                        dialog.findChild<QPushButton*>(step.toLower() + "Button")->click();
                    } else {
                        QTest::keyClick(list, QKeySequence(step)[0].key());
                    }
                    QCoreApplication::processEvents();
                }
            });
            QTimer::singleShot(5000, &dialog, [&] { dialog.done(-1); });
            QFETCH(int, result);
            QCOMPARE(dialog.exec(), result);
            QTEST(dialog.Selected(), "index");
            QFETCH(int, index);
            QCOMPARE(dialog.Chosen(),
                     result == QDialog::Accepted ? std::optional<int>(index) : std::nullopt);
            const PixelRect frame = FrameOf(dialog);
            QTEST(spy.painted.contains(QPoint(frame.left + 2, frame.top + 2)), "repainted");
        }
        QTEST(settings.ReadPreviewSetting(), "written");
    }

    void previewPicture_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("preview");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::newRow("10 x 6") << 0 << 1 << 10 << 6;
        QTest::newRow("wider than 21 cells") << 1 << 1 << 25 << 1;
        QTest::newRow("4 x 3 off the corner") << 2 << 1 << 4 << 3;
        QTest::newRow("preview off") << 0 << 0 << 0 << 0;
        QTest::newRow("no selection") << 3 << 1 << 0 << 0;
    }
    void previewPicture() {
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(int, preview);
        QFETCH(int, index);
        settings.WritePreviewSetting(preview);
        SelectPuzzleDialog dialog(library, settings, index, nullptr);
        dialog.grab();  // a later paint must show the same
        const QImage image = dialog.grab().toImage();

        // Two lines on each side; the white one and the light grey one at right and bottom.
        const PixelRect f = FrameOf(dialog);
        const int midX = (f.left + f.right) / 2;
        const int midY = (f.top + f.bottom) / 2;
        const QList<std::pair<QPoint, int>> frame{
            {{f.left, midY}, 128},       {{f.left + 1, midY}, 0}, {{f.right - 1, midY}, 224},
            {{f.right, midY}, 255},      {{midX, f.top}, 128},    {{midX, f.top + 1}, 0},
            {{midX, f.bottom - 1}, 224}, {{midX, f.bottom}, 255}};
        for (const auto& [point, level] : frame) {
            QCOMPARE(image.pixel(point), Grey(level));
        }

        // Cells of e pixels, centred, neighbours sharing a border: the last line lies at
        // columns * e. What reaches beyond the area is cut off there.
        const QRect inner(f.left + 2, f.top + 2, f.right - f.left - 4, f.bottom - f.top - 4);
        const int e = inner.width() / 21;
        const int x = inner.left() + (inner.width() - columns * e) / 2;
        const int y = inner.top() + (inner.height() - rows * e) / 2;
        const QRect cells = columns == 0 ? QRect() : QRect(x, y, columns * e + 1, rows * e + 1);
        QRect drawn;
        for (int py = inner.top(); py <= inner.bottom(); ++py) {
            for (int px = inner.left(); px <= inner.right(); ++px) {
                if (image.pixel(px, py) != Grey(192)) {
                    drawn |= QRect(px, py, 1, 1);
                }
            }
        }
        QCOMPARE(drawn, cells & inner);
    }

    // The records' level of the file as it is now comes with its reason under the preview.
    void levelShownForARatedPuzzle_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("preview");
        QTest::addColumn<int>("sizeRated");  // the file's size when it was rated, from now
        QTest::addColumn<QString>("shown");
        QTest::newRow("a rated puzzle") << 0 << 1 << 0 << "medium, as rated";
        QTest::newRow("one never rated") << 1 << 1 << 0 << "";
        QTest::newRow("one changed since") << 0 << 1 << 1 << "";
        QTest::newRow("preview off") << 0 << 0 << 0 << "";
    }
    void levelShownForARatedPuzzle() {
        QFETCH(int, index);
        QFETCH(int, preview);
        QFETCH(int, sizeRated);
        QTemporaryDir own;
        Settings options(own.filePath("tessellix.ini").toStdString());
        options.WritePreviewSetting(preview);
        std::optional<FileStamp> stamp = StampOf(library.PathOf(*library.RecordAt(0)));
        QVERIFY(stamp);
        stamp->size += sizeRated;
        QVERIFY(!SolveRecords(SolveRecords::PathBeside(options.Path()))
                     .StoreLevels({{"3.tlx", {*stamp, 1}}}));
        SetCurrentLanguage(Language::English);
        SelectPuzzleDialog dialog(
            library, options, index, nullptr, [](Level level, const std::string&) {
                return BilingualText::Both(std::string(LevelName(level)) + ", as rated");
            });
        const auto* label = dialog.findChild<QLabel*>("levelLabel");
        QFETCH(QString, shown);
        QCOMPARE(label->isHidden() ? QString() : label->text(), shown);
    }

    // A file damaged after the scan previews as nothing, without a word; the preview is read
    // when the selection changes, not when the dialog paints.
    void unreadablePreviewIsEmpty() {
        QTemporaryDir own;
        WriteBlock(own, "1.TLX", 3, 3, "");
        WriteBlock(own, "2.TLX", 4, 2, "");
        PuzzleLibrary damaged;
        damaged.ScanDataFolder(own.path().toStdString());
        WriteBytes(own.filePath("2.TLX").toStdString(), "Tessellix");
        settings.WritePreviewSetting(1);
        int messages = 0;
        SetMessageResponder([&messages](const MessageRequest&) {
            ++messages;
            return MessageResult::Ok;
        });
        SelectPuzzleDialog dialog(damaged, settings, 0, nullptr);
        const PixelRect f = FrameOf(dialog);
        const QPoint middle((f.left + f.right) / 2, (f.top + f.bottom) / 2);
        QCOMPARE(dialog.grab().toImage().pixel(middle), qRgb(255, 255, 255));
        // Removed now, the first file still shows: the preview is not read again.
        QFile::remove(own.filePath("1.TLX"));
        QCOMPARE(dialog.grab().toImage().pixel(middle), qRgb(255, 255, 255));
        dialog.findChild<QListWidget*>("puzzleList")->setCurrentRow(1);
        QCOMPARE(dialog.grab().toImage().pixel(middle), Grey(192));
        SetMessageResponder({});
        QCOMPARE(messages, 0);
    }
};

}  // namespace tessellix

QTEST_MAIN(tessellix::SelectPuzzleDialogTest)
#include "test_select_puzzle_dialog.moc"
