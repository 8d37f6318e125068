#include "model/editor_session.h"

#include <algorithm>

#include "library/store_puzzle.h"

namespace tessellix {

namespace {

const BilingualText kErrorCaption{"Ошибка", "Error"};
const BilingualText kSaveCaption{"Сохранить задание", "Save puzzle"};
const BilingualText kDeleteCaption{"Удаление задания", "Delete puzzle"};
const BilingualText kNoElement{"Не выбрано ни одного элемента Tessellix!",
                               "No Tessellix elements have been selected!"};
const BilingualText kCellsMismatch{
    "Количество ячеек задания не соответствует\nколичеству ячеек в элементах Tessellix!",
    "A number of cells in the puzzle does not match\na number of cells in Tessellix elements!"};
const BilingualText kCannotOverwrite{"Нельзя перезаписать задание, которое выбрано для решения!",
                                     "The puzzle is currently being solved. Can't overwrite!"};
const BilingualText kConfirmOverwrite{"Вы хотите перезаписать существующее задание?",
                                      "The puzzle already exists. Do you want to overwrite it?"};
const BilingualText kCannotDelete{"Нельзя удалить задание, которое выбрано для решения!",
                                  "The puzzle is currently being solved. Can't delete!"};
const BilingualText kConfirmDelete{"Вы действительно хотите удалить текущее задание?",
                                   "Do you really want to delete the puzzle?"};
const BilingualText kNoNumberLeft{
    "Для нового задания не осталось номера: одно из заданий уже имеет наибольший возможный номер.",
    "No number is left for a new puzzle: a puzzle already has the largest number there can be."};
const BilingualText kDefaultName{"Название", "No name"};
const BilingualText kChangedOnDisk{
    "Файл задания изменился после того, как его открыли в редакторе.\n",
    "The puzzle's file has changed since it was opened in the editor.\n"};
const BilingualText kSaveOverChanged{
    "Сохранение заменит его вместе с решением, которое в нём сохранено. Всё равно сохранить?",
    "Saving replaces it, together with a solution stored in it. Save all the same?"};
const BilingualText kDeleteChanged{
    "Вместе с ним будет удалено и решение, которое в нём сохранено. Всё равно удалить?",
    "Deleting it deletes a solution stored in it too. Delete all the same?"};
const BilingualText kUnsolvable{
    "У задания нет решения: выбранные элементы не покрывают рисунок.\nСохранить задание без "
    "решения?",
    "The puzzle has no solution: the chosen elements cannot cover the drawing.\nSave a puzzle "
    "without a solution?"};

EditorMessage Refusal(const BilingualText& text, const BilingualText& caption) {
    return {EditorMessage::Refusal, text, caption};
}

EditorMessage Question(const BilingualText& text, const BilingualText& caption) {
    return {EditorMessage::Question, text, caption};
}

Language OtherLanguage(Language language) {
    return language == Language::English ? Language::Russian : Language::English;
}

}  // namespace

EditorSession::EditorSession(LibraryPosition& playPosition)
    : played(playPosition),
      library(playPosition.Library()),
      canvas(CreateBlankPuzzle(kCanvasColumns, kCanvasRows)) {
    canvas->SetPosition(kCanvasRect.left, kCanvasRect.top);
}

std::optional<EditorSession::CanvasCell> EditorSession::CellAt(PixelPoint point) {
    if (point.x < kCanvasRect.left || point.x >= kCanvasRect.right || point.y < kCanvasRect.top ||
        point.y >= kCanvasRect.bottom) {
        return std::nullopt;
    }
    return CanvasCell{(point.x - kCanvasRect.left) / kCellSize,
                      (point.y - kCanvasRect.top) / kCellSize};
}

bool EditorSession::Fill(CanvasCell cell) {
    if (canvas->Cell(cell.row, cell.column) != 1) {
        return false;
    }
    canvas->SetCell(cell.row, cell.column, 2);
    ++cellCount;
    cellsChanged = changed = true;
    return true;
}

bool EditorSession::Erase(CanvasCell cell) {
    if (canvas->Cell(cell.row, cell.column) != 2) {
        return false;
    }
    canvas->SetCell(cell.row, cell.column, 1);
    --cellCount;
    cellsChanged = changed = true;
    return true;
}

void EditorSession::ToggleElement(int index) {
    Element& element = elements[index];
    element.excluded = element.excluded == 0 ? 1 : 0;
    selectedCount += element.excluded == 0 ? 1 : -1;
    changed = true;
}

std::string EditorSession::CounterText() const {
    return std::to_string(cellCount) + "/" + std::to_string(kElementCells * selectedCount);
}

std::optional<Failure> EditorSession::Open(int position) {
    const PuzzleRecord* record = library.RecordAt(position);
    if (record == nullptr) {
        return std::nullopt;
    }
    // A file that gives no puzzle still opens as the shape its load produced, without cells,
    // under the record's names and with the choice of elements as it was: so that it can be
    // deleted, or drawn anew and saved over.
    PuzzleShape loaded;
    std::optional<Failure> failure = loaded.Load(library.PathOf(*record), elements);
    if (failure) {
        loaded.names = record->names;
        loaded.comments = record->comments;
    }
    const int columns = loaded.width / kCellSize;
    const int rows = loaded.height / kCellSize;
    // Centred, an odd cell left over going right and down; a puzzle taller than the canvas
    // starts at its top, its last rows kept below the canvas where they cannot be edited.
    const int columnOffset = std::max(0, (kCanvasColumns - columns) / 2);
    const int rowOffset = std::max(0, (kCanvasRows - rows) / 2);
    for (int r = 0; r < canvas->side; ++r) {
        for (int c = 0; c < canvas->side; ++c) {
            canvas->SetCell(r, c, r < kCanvasRows ? 1 : 0);
        }
    }
    cellCount = 0;
    for (int j = 0; j < rows; ++j) {
        for (int i = 0; i < columns; ++i) {
            if (loaded.Cell(j, i) != 0) {
                canvas->SetCell(rowOffset + j, columnOffset + i, 2);
                ++cellCount;
            }
        }
    }
    canvas->names = loaded.names;
    canvas->comments = loaded.comments;
    selectedCount = static_cast<int>(std::count_if(
        elements.begin(), elements.end(), [](const Element& e) { return e.excluded == 0; }));
    isNewPuzzle = false;
    cellsChanged = changed = false;
    currentPuzzleIndex = position;
    openedNumber = NumberOf(record->fileName);
    openedFile = FileSnapshot::Take(library.PathOf(*record));
    return failure;
}

PuzzleFileData EditorSession::FileData(const PuzzleTexts& texts) const {
    PuzzleFileData data;
    // A stored solution holds only for the cells it was found on.
    const bool keepsSolution = !isNewPuzzle && !cellsChanged;
    for (int i = 0; i < ElementSet::kCount; ++i) {
        const Element& element = elements[i];
        const bool used = element.excluded == 0;
        const bool placed = used && keepsSolution && element.StoredSolution().IsStored();
        data.elements[i] = {used, placed, placed ? element.StoredSolution() : Placement{}};
    }
    for (int r = 0; r < kGridSide; ++r) {
        for (int c = 0; c < kGridSide; ++c) {
            data.grid[r * kGridSide + c] = canvas->Cell(r, c) == 2 ? 1 : 0;
        }
    }
    data.texts = texts;
    return data;
}

bool EditorSession::IsBeingSolved() const {
    return played.IsPlayed(currentPuzzleIndex);
}

SaveStart EditorSession::BeginSave(bool saveAs) const {
    if (selectedCount <= 0) {
        return {Refusal(kNoElement, kErrorCaption), {}, {}};
    }
    if (cellCount != kElementCells * selectedCount) {
        return {Refusal(kCellsMismatch, kErrorCaption), {}, {}};
    }
    if (saveAs || isNewPuzzle) {
        return {std::nullopt, kDefaultName.Shown(), std::string()};
    }
    if (IsBeingSolved()) {
        return {Refusal(kCannotOverwrite, kSaveCaption), {}, {}};
    }
    const PuzzleRecord* record = library.RecordAt(currentPuzzleIndex);
    if (record == nullptr) {
        return {EditorMessage{}, {}, {}};
    }
    return {std::nullopt, record->names.Shown(), record->comments.Shown()};
}

SavePlan EditorSession::PlanSave(bool saveAs, const std::string& name,
                                 const std::string& comment) const {
    SavePlan plan;
    plan.caption = kSaveCaption;
    const Language language = CurrentLanguage();
    if (saveAs || isNewPuzzle) {
        const std::optional<int> number = library.NextNumber();
        if (!number) {
            plan.refusal = Refusal(kNoNumberLeft, kSaveCaption);
            return plan;
        }
        plan.record.fileName = PuzzleFileName(*number);
        const Language other = OtherLanguage(language);
        plan.record.names.In(other) = DefaultPuzzleName(*number).In(other);
    } else {
        const PuzzleRecord* record = library.RecordAt(currentPuzzleIndex);
        if (record == nullptr) {
            plan.refusal = EditorMessage{};
            return plan;
        }
        plan.record = *record;
        plan.replacedPosition = currentPuzzleIndex;
        plan.question = Question(kConfirmOverwrite, kSaveCaption);
    }
    plan.record.names.In(language) = name;
    plan.record.comments.In(language) = comment;
    plan.path = library.PathOf(plan.record);
    plan.data = FileData({plan.record.names, plan.record.comments});
    return plan;
}

std::optional<Failure> EditorSession::Save(const SavePlan& plan, Settings& settings) {
    const Result<int> stored =
        StorePuzzle(library, settings, plan.record, plan.data, plan.replacedPosition);
    if (!stored) {
        return stored.Error();
    }
    changed = false;
    openedFile = FileSnapshot::Take(plan.path);
    return std::nullopt;
}

std::optional<EditorMessage> EditorSession::ChangedOnDiskQuestion(const std::string& path,
                                                                  bool deleting) const {
    if (isNewPuzzle || !openedFile.ChangedAt(path)) {
        return std::nullopt;
    }
    return Question(BilingualText(kChangedOnDisk).Add(deleting ? kDeleteChanged : kSaveOverChanged),
                    deleting ? kDeleteCaption : kSaveCaption);
}

EditorMessage EditorSession::UnsolvableQuestion() {
    return Question(kUnsolvable, kSaveCaption);
}

DeletePlan EditorSession::PlanDelete() const {
    DeletePlan plan;
    plan.caption = kDeleteCaption;
    plan.question = Question(kConfirmDelete, kDeleteCaption);
    if (IsBeingSolved()) {
        plan.refusal = Refusal(kCannotDelete, kDeleteCaption);
        return plan;
    }
    const PuzzleRecord* record = library.RecordAt(currentPuzzleIndex);
    if (record == nullptr) {
        plan.refusal = EditorMessage{};
        return plan;
    }
    plan.path = library.PathOf(*record);
    plan.position = currentPuzzleIndex;
    return plan;
}

void EditorSession::Commit(const DeletePlan& plan) {
    if (library.Remove(plan.position)) {
        played.RecordRemoved(plan.position);
    }
}

}  // namespace tessellix
