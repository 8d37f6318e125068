#include "model/puzzle_shape.h"

#include <algorithm>

#include "library/bilingual_text.h"

namespace tessellix {

namespace {

// The built-in puzzle, shown when the library has none.
constexpr int kBuiltInColumns = 10;
constexpr int kBuiltInRows = 6;
const BilingualText kBuiltInName{"Прямоугольник 10х6", "Rectangle 10x6"};
const BilingualText kBuiltInComment{"Задание имеет 2339 решений", "The puzzle has 2339 solutions"};
const BilingualText kNewPuzzleName{"*** Новое задание ***", "*** New puzzle ***"};

// One of its 2339 solutions, replayed by hints.
constexpr std::array<Placement, ElementSet::kCount> kBuiltInSolution{{
    {1, 0, 2, 5},
    {2, 0, 0, 2},
    {3, 0, 3, 0},
    {0, 0, 0, 0},
    {2, 0, 7, 3},
    {2, 0, 1, 2},
    {0, 1, 7, 2},
    {2, 1, 5, 2},
    {2, 0, 1, 0},
    {1, 0, 5, 1},
    {0, 0, 3, 2},
    {3, 1, 7, 0},
}};

// The title stands 10 pixels in from the board's sides, 2 below its top and 2 above the puzzle.
constexpr int kTitleLeft = kBoardArea.left + 10;
constexpr int kTitleTop = kBoardArea.top + 2;
constexpr int kTitleRight = kBoardArea.right - 10;
constexpr int kTitleGap = 2;
constexpr int kTitleMaxHeight = 18;
constexpr int kCommentGap = 5;
constexpr int kTitleWeight = 600;
constexpr int kCommentWeight = 400;

std::vector<int> BlockGrid(int columns, int rows) {
    columns = std::clamp(columns, 0, kGridSide);
    rows = std::clamp(rows, 0, kGridSide);
    std::vector<int> grid(kGridSide * kGridSide, 0);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            grid[r * kGridSide + c] = 1;
        }
    }
    return grid;
}

}  // namespace

PuzzleShape::PuzzleShape(const std::string& name, bool libraryEmpty) {
    id = kPuzzleId;
    fillColour = kPuzzleFill;
    penColour = kPuzzlePen;
    names.In(CurrentLanguage()) = name;
    if (libraryEmpty) {
        names = kBuiltInName;
        comments = kBuiltInComment;
    }
}

void PuzzleShape::SetCells(const std::vector<int>& grid) {
    std::vector<int> cellsOfGrid(
        grid.begin(), grid.begin() + std::min<std::size_t>(grid.size(), kGridSide * kGridSide));
    cellsOfGrid.resize(kGridSide * kGridSide, 0);
    Create(kPuzzleId, 0, 0, cellsOfGrid, kGridSide, kPuzzleFill, kPuzzlePen);
    x = (kBoardArea.left + kBoardArea.right - width) / 2;
    y = (kBoardArea.top + kBoardArea.bottom - height) / 2;
}

std::optional<Failure> PuzzleShape::Load(const std::string& path, ElementSet& elements) {
    return Load(ReadPuzzleFile(path), path, elements);
}

std::optional<Failure> PuzzleShape::Load(const PuzzleFileContents& contents,
                                         const std::string& path, ElementSet& elements) {
    const Result<LoadedPuzzle> puzzle = LoadPuzzle(contents, path, SignatureCheck::Skipped);
    if (!puzzle) {
        SetCells({});
        return puzzle.Error();
    }
    Load(*puzzle, elements);
    return std::nullopt;
}

void PuzzleShape::Load(const LoadedPuzzle& puzzle, ElementSet& elements) {
    for (int i = 0; i < ElementSet::kCount; ++i) {
        const ElementRecord& record = puzzle.data.elements[i];
        Element& element = elements[i];
        element.excluded = record.used ? 0 : 1;
        element.SetStoredSolution(record.placement);
    }
    names = puzzle.data.texts.names;
    comments = puzzle.data.texts.comments;
    SetCells(puzzle.data.grid);
}

void PuzzleShape::DrawTitle(DrawSurface& dc, PixelRect& rect, bool withComment) const {
    if (rect.IsEmpty()) {
        rect = {kTitleLeft, kTitleTop, kTitleRight, y - kTitleGap};
    }
    dc.FillRect(rect, dc.BackgroundColour());
    PixelRect titleLine = rect;
    const int spaceHeight = rect.Height();
    const int h = std::min(rect.Height(), kTitleMaxHeight);
    // A puzzle that reaches the top of the board leaves no room for a title.
    if (h < 1) {
        return;
    }
    const std::string& name = names.Shown();
    const std::string& comment = comments.Shown();
    const FontSpec titleFont{"Arial", h, kTitleWeight, false};
    dc.DrawTextLine(rect, name, titleFont, kBlack, TextAlign::Centre);
    titleLine.bottom = titleLine.top + dc.MeasureText(name, titleFont).height;

    if (withComment && !comment.empty()) {
        rect.top = titleLine.bottom + kCommentGap;
        rect.bottom = y - kTitleGap;
        // A font of no height would be the platform's default size, not a small one.
        if (rect.Height() >= h - 2 && h - 2 >= 1) {
            const FontSpec commentFont{"Arial", h - 2, kCommentWeight, true};
            const int commentHeight =
                dc.MeasureWrappedText(comment, commentFont, rect.Width()).height;
            // The comment is placed below a title line at the top, but the name is centred in
            // the whole space: over a low space the two would meet, and the comment goes under
            // the name or, where it does not fit there, nowhere.
            const int nameTop = titleLine.top + (spaceHeight - titleLine.Height() + 1) / 2;
            const int nameBottom = nameTop + titleLine.Height();
            if (rect.top < nameBottom &&
                std::min(rect.top + commentHeight, rect.bottom) > nameTop) {
                rect.top = nameBottom + kCommentGap;
                if (rect.top + commentHeight > rect.bottom) {
                    return;
                }
            }
            dc.DrawTextWrapped(rect, comment, commentFont, kBlack);
        }
    }
}

bool PuzzleShape::IsSolved() const {
    return std::find(cells.begin(), cells.end(), 1) == cells.end();
}

std::unique_ptr<PuzzleShape> CreateBlankPuzzle(int columns, int rows, bool libraryEmpty) {
    auto shape = std::make_unique<PuzzleShape>(kNewPuzzleName.Shown(), libraryEmpty);
    shape->SetCells(BlockGrid(columns, rows));
    return shape;
}

std::unique_ptr<PuzzleShape> CreateBuiltInPuzzle(ElementSet& elements) {
    auto shape = std::make_unique<PuzzleShape>(std::string(), true);
    shape->SetCells(BlockGrid(kBuiltInColumns, kBuiltInRows));
    for (int i = 0; i < ElementSet::kCount; ++i) {
        Element& element = elements[i];
        element.excluded = 0;
        element.SetStoredSolution(kBuiltInSolution[i]);
    }
    return shape;
}

PuzzleFileData BuiltInPuzzleData() {
    PuzzleFileData data;
    data.grid = BlockGrid(kBuiltInColumns, kBuiltInRows);
    for (int i = 0; i < ElementSet::kCount; ++i) {
        data.elements[i] = {true, true, kBuiltInSolution[i]};
    }
    data.texts = {kBuiltInName, kBuiltInComment};
    return data;
}

}  // namespace tessellix
