#include "dialogs/select_puzzle_dialog.h"

#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <vector>

#include "dialogs/mark_line_delegate.h"
#include "library/solve_records.h"
#include "model/board_places.h"
#include "model/play_clock.h"
#include "platform/dialog_template.h"
#include "platform/image_surface.h"
#include "platform/wait_cursor.h"
#include "platform/window_text.h"

namespace tessellix {

namespace {

constexpr Rgb kPreviewGrey{192, 192, 192};
// However wide the area, the preview shows 21 cells across it.
constexpr int kPreviewColumns = 21;
constexpr int kFrameWidth = 2;
const BilingualText kSolvedLabel{"Решено: ", "Solved: "};
const BilingualText kBestTimeLabel{"Лучшее время: ", "Best time: "};
const BilingualText kWithHint{" (с подсказкой)", " (with a hint)"};
const QColor kSolvedMarkColour(0, 0, 0);
const QColor kHintedMarkColour(128, 128, 128);

PixelRect Grown(const PixelRect& rect, int by) {
    return {rect.left - by, rect.top - by, rect.right + by, rect.bottom + by};
}

QRect ToQRect(const PixelRect& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

// A window's place as the original platform gives it: right and bottom excluded.
PixelRect PlaceOf(const QRect& rect) {
    return {rect.x(), rect.y(), rect.x() + rect.width(), rect.y() + rect.height()};
}

// A polyline through three points, each segment without its end point.
void Polyline(DrawSurface& dc, PixelPoint a, PixelPoint b, PixelPoint c, std::uint8_t grey) {
    dc.Line(a, b, {grey, grey, grey}, 1);
    dc.Line(b, c, {grey, grey, grey}, 1);
}

// Two pixels sunk into the dialog. Its lines reach one pixel beyond rect's right and bottom.
void DrawSunkenFrame(DrawSurface& dc, const PixelRect& r) {
    Polyline(dc, {r.left, r.bottom}, {r.left, r.top}, {r.right, r.top}, 128);
    Polyline(dc, {r.left + 1, r.bottom - 1}, {r.left + 1, r.top + 1}, {r.right - 1, r.top + 1}, 0);
    Polyline(dc, {r.left + 1, r.bottom - 1}, {r.right - 1, r.bottom - 1}, {r.right - 1, r.top},
             224);
    Polyline(dc, {r.left, r.bottom}, {r.right, r.bottom}, {r.right, r.top - 1}, 255);
}

// The pixels that DrawSunkenFrame sets: the rectangle it spans less what lies inside its two
// lines on every side.
QRegion FrameRing(const PixelRect& r) {
    return QRegion(r.left, r.top, r.Width() + 1, r.Height() + 1) -
           QRegion(r.left + kFrameWidth, r.top + kFrameWidth, r.Width() - 2 * kFrameWidth + 1,
                   r.Height() - 2 * kFrameWidth + 1);
}

// A tick in a square of `side` pixels; a transparent square for no colour, so that every name
// starts at the same place.
QIcon MarkIcon(int side, const QColor& colour) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    if (colour.isValid()) {
        QPainter painter(&pixmap);
        painter.setPen(
            QPen(colour, std::max(2, side / 6), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawPolyline(
            QPolygon{{side / 6, side / 2}, {side * 2 / 5, side * 3 / 4}, {side * 5 / 6, side / 5}});
    }
    return QIcon(pixmap);
}

// The solved count, and the puzzle's best time on a line of its own when it has one.
BilingualText LineAbout(const BilingualText& solvedCount, const PuzzleStats* stats) {
    BilingualText text = solvedCount;
    if (stats != nullptr) {
        text.Add("\n").Add(kBestTimeLabel).Add(ElapsedText(stats->bestSeconds));
        if (stats->bestWithHint) {
            text.Add(kWithHint);
        }
    }
    return text;
}

}  // namespace

SelectPuzzleDialog::SelectPuzzleDialog(const PuzzleLibrary& puzzleLibrary, Settings& options,
                                       int position, QWidget* owner, LevelReason levelReason)
    : QDialog(owner),
      library(puzzleLibrary),
      settings(options),
      puzzleList(new QListWidget(this)),
      openButton(new QPushButton(QString::fromUtf8("Открыть#Open"), this)),
      cancelButton(new QPushButton(QString::fromUtf8("Отмена#Cancel"), this)),
      previewBox(new QCheckBox(QString::fromUtf8("Просмотр#Preview"), this)),
      levelLabel(new QLabel(this)),
      reasonOf(std::move(levelReason)),
      preview(settings.ReadPreviewSetting()),
      previewShape(CreateBlankPuzzle(0, 0)) {
    setWindowTitle(QString::fromUtf8("Выбор задания Tessellix#Select puzzle"));
    puzzleList->setObjectName(QStringLiteral("puzzleList"));
    puzzleList->setAccessibleName(Shown({"Задания", "Puzzles"}));
    puzzleList->setSelectionMode(QAbstractItemView::SingleSelection);
    puzzleList->setSortingEnabled(false);
    // Every line is one line of text: the list need not measure each of thousands of names.
    puzzleList->setUniformItemSizes(true);
    openButton->setObjectName(QStringLiteral("openButton"));
    openButton->setDefault(true);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    previewBox->setObjectName(QStringLiteral("previewBox"));

    std::vector<std::string> fileNames;
    fileNames.reserve(library.count());
    for (const PuzzleRecord& record : library) {
        fileNames.push_back(record.fileName);
    }
    const std::vector<SolvedMark> marks = settings.ReadSolvedMarks(fileNames);
    records = SolveRecords(SolveRecords::PathBeside(settings.Path())).Read();
    std::vector<const PuzzleStats*> stats;
    int solved = 0;
    for (std::size_t i = 0; i < fileNames.size(); ++i) {
        stats.push_back(records.Find(fileNames[i]));
        solved += stats.back() != nullptr || marks[i] != SolvedMark::None ? 1 : 0;
    }
    const BilingualText solvedCount = BilingualText(kSolvedLabel)
                                          .Add(std::to_string(solved))
                                          .Say(" из ", " of ")
                                          .Add(std::to_string(library.count()));

    LocalizeDialog(*this, {cancelButton, openButton, previewBox});
    LayOutDialog(*this, {275, 141},
                 {{puzzleList, {7, 7, 170, 127}},
                  {openButton, {196, 7, 61, 15}},
                  {cancelButton, {196, 25, 61, 15}},
                  {previewBox, {196, 49, 61, 8}}});

    // Right of the list and below the box, kept off the dialog's edges by the margin that the
    // list keeps from the bottom of the dialog.
    const PixelRect list = PlaceOf(puzzleList->geometry());
    const PixelRect box = PlaceOf(previewBox->geometry());
    const PixelRect client = PlaceOf(rect());
    const int margin = client.bottom - list.bottom;
    previewRect =
        Grown({list.right + margin, box.bottom + margin, client.right - margin, list.bottom},
              -kFrameWidth);

    levelLabel->setObjectName(QStringLiteral("levelLabel"));
    levelLabel->setWordWrap(true);
    levelLabel->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    levelLabel->hide();

    QStringList names;
    names.reserve(library.count());
    for (const PuzzleRecord& record : library) {
        names.append(Shown(record.names));
    }
    puzzleList->addItems(names);
    // No taller than a line of text, so that the lines keep their height.
    const int side = puzzleList->fontMetrics().ascent();
    puzzleList->setIconSize(QSize(side, side));
    puzzleList->setItemDelegate(new MarkLineDelegate(puzzleList));
    const std::array<QIcon, 3> icons{MarkIcon(side, QColor()), MarkIcon(side, kSolvedMarkColour),
                                     MarkIcon(side, kHintedMarkColour)};
    for (int row = 0; row < puzzleList->count(); ++row) {
        QListWidgetItem* item = puzzleList->item(row);
        item->setIcon(icons[static_cast<std::size_t>(marks[row])]);
        // The counts take no room of the dialog: the pointer and a screen reader find them on
        // the line.
        const QString about = Shown(LineAbout(solvedCount, stats[row]));
        item->setToolTip(about);
        item->setData(Qt::AccessibleDescriptionRole, about);
    }
    if (QListWidgetItem* current = puzzleList->item(position)) {
        puzzleList->setCurrentItem(current);
        puzzleList->scrollToItem(current);
        selected = position;
    }
    // A stored value out of range is off, and is stored so when the dialog closes.
    if (preview < 0 || preview > 2) {
        preview = 0;
    }
    previewBox->setChecked(preview != 0);
    puzzleList->setFocus();
    LoadPreview();

    // Only now: filling the controls is no change made by the user.
    connect(puzzleList, &QListWidget::itemSelectionChanged, this,
            &SelectPuzzleDialog::OnSelectionChange);
    connect(previewBox, &QCheckBox::clicked, this, &SelectPuzzleDialog::OnSelectionChange);
    connect(puzzleList, &QListWidget::itemDoubleClicked, this, &SelectPuzzleDialog::accept);
    connect(openButton, &QPushButton::clicked, this, &SelectPuzzleDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &SelectPuzzleDialog::reject);
}

SelectPuzzleDialog::~SelectPuzzleDialog() {
    settings.WritePreviewSetting(preview);
}

std::optional<int> SelectPuzzleDialog::Choose(const PuzzleLibrary& library, Settings& settings,
                                              int position, QWidget* owner, LevelReason reasonOf) {
    SelectPuzzleDialog dialog(library, settings, position, owner, std::move(reasonOf));
    dialog.exec();
    return dialog.Chosen();
}

void SelectPuzzleDialog::accept() {
    TakeDataFromControls();
    if (selected >= 0) {
        chosen = selected;
    }
    QDialog::accept();
}

void SelectPuzzleDialog::paintEvent(QPaintEvent* event) {
    PaintPreview(event->region());
}

void SelectPuzzleDialog::TakeDataFromControls() {
    const QModelIndexList lines = puzzleList->selectionModel()->selectedIndexes();
    selected = lines.isEmpty() ? -1 : lines.first().row();
    preview = previewBox->isChecked() ? 1 : 0;
}

void SelectPuzzleDialog::OnSelectionChange() {
    TakeDataFromControls();
    LoadPreview();
    update(ToQRect(previewRect));
}

void SelectPuzzleDialog::LoadPreview() {
    const PuzzleRecord* record = library.RecordAt(selected);
    previewLoaded = false;
    levelLabel->hide();
    setAccessibleDescription(QString());
    if (preview == 0 || record == nullptr) {
        return;
    }
    const WaitCursor wait;
    const std::string path = library.PathOf(*record);
    if (previewShape->Load(path, previewElements)) {
        return;
    }
    // The picture told in words: its cells, rows and columns.
    const BoardPlaces places(previewShape->cells, previewShape->side);
    const auto cells = static_cast<unsigned long long>(
        std::count_if(previewShape->cells.begin(), previewShape->cells.end(),
                      [](int value) { return value != 0; }));
    const std::string count = std::to_string(cells);
    const std::string rows = std::to_string(places.Rows());
    const std::string columns = std::to_string(places.Columns());
    setAccessibleDescription(
        Shown({"Просмотр: " + count + " " + RussianCountForm(cells, "клетка", "клетки", "клеток") +
                   ", рядов: " + rows + ", столбцов: " + columns,
               "Preview: " + count + (cells == 1 ? " cell" : " cells") + ", rows: " + rows +
                   ", columns: " + columns}));
    ShowLevel(*record, path);
    PixelRect area = previewRect;
    if (!levelLabel->isHidden()) {
        area.bottom = levelLabel->geometry().top();
    }
    const int cell = previewRect.Width() / kPreviewColumns;
    PixelPoint topLeft;
    PixelPoint bottomRight;
    previewShape->GetCorners(topLeft, bottomRight);
    const int w = cell * (bottomRight.x - topLeft.x) / kCellSize;
    const int h = cell * (bottomRight.y - topLeft.y) / kCellSize;
    previewShape->SetGeometry(area.left + (area.Width() - w) / 2,
                              area.top + (area.Height() - h) / 2, w, h);
    previewLoaded = true;
}

void SelectPuzzleDialog::ShowLevel(const PuzzleRecord& record, const std::string& path) {
    const std::optional<FileStamp> stamp = StampOf(path);
    const std::optional<int> rated =
        stamp ? records.LevelOf(record.fileName, *stamp) : std::optional<int>();
    const std::optional<Level> level = rated ? LevelAt(*rated) : std::nullopt;
    const BilingualText reason = level && reasonOf ? reasonOf(*level, path) : BilingualText();
    if (reason.IsEmpty()) {
        return;
    }
    levelLabel->setText(Shown(reason));
    // At most half the area, its last line at the bottom, inside the frame.
    constexpr int kInset = 2;
    const int width = previewRect.Width() - 2 * kInset;
    const int height = std::min(levelLabel->heightForWidth(width), previewRect.Height() / 2);
    levelLabel->setGeometry(previewRect.left + kInset, previewRect.bottom - kInset - height, width,
                            height);
    levelLabel->show();
}

void SelectPuzzleDialog::PaintPreview(const QRegion& region) {
    // Paints of the buttons and the box, which show the dialog through, need no preview.
    const PixelRect frame = Grown(previewRect, kFrameWidth);
    if (!region.intersects(FrameRing(frame)) && !region.intersects(ToQRect(previewRect))) {
        return;
    }

    ImageSurface surface(width(), height());
    QPainter painter(this);
    // Qt has erased whatever it repaints, the frame included.
    DrawSunkenFrame(surface, frame);
    painter.setClipRegion(FrameRing(frame));
    painter.drawImage(frame.left, frame.top, surface.Image(), frame.left, frame.top,
                      frame.Width() + 1, frame.Height() + 1);
    painter.setClipping(false);

    surface.FillRect(previewRect, kPreviewGrey);
    if (previewLoaded) {
        previewShape->Draw(surface, previewRect.Width() / kPreviewColumns, false);
    }
    // A puzzle wider than 21 cells stops at the frame.
    const QRect inner = ToQRect(previewRect);
    painter.drawImage(inner.topLeft(), surface.Image(), inner);
}

}  // namespace tessellix
