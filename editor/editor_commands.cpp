#include "editor/editor_commands.h"

#include <QString>
#include <climits>

#include "editor/editor_window.h"
#include "library/puzzle_library.h"
#include "model/language.h"
#include "platform/bilingual_text.h"
#include "platform/message_box.h"
#include "platform/save_puzzle_dialog.h"
#include "platform/select_puzzle_dialog.h"
#include "platform/wait_cursor.h"

namespace {

using Texts = BilingualText;

const Texts kErrorCaption = {QStringLiteral("Ошибка"), QStringLiteral("Error")};
const Texts kSaveCaption = {QStringLiteral("Сохранить задание"), QStringLiteral("Save puzzle")};
const Texts kDeleteCaption = {QStringLiteral("Удаление задания"), QStringLiteral("Delete puzzle")};
const Texts kNoElement = {QStringLiteral("Не выбрано ни одного элемента Tessellix!"),
                          QStringLiteral("No Tessellix elements have been selected!")};
const Texts kCellsMismatch = {
    QStringLiteral("Количество ячеек задания не соответствует\nколичеству ячеек в элементах "
                   "Tessellix!"),
    QStringLiteral("A number of cells in the puzzle does not match\na number of cells in "
                   "Tessellix elements!")};
const Texts kCannotOverwrite = {
    QStringLiteral("Нельзя перезаписать задание, которое выбрано для решения!"),
    QStringLiteral("The puzzle is currently being solved. Can't overwrite!")};
const Texts kConfirmOverwrite = {
    QStringLiteral("Вы хотите перезаписать существующее задание?"),
    QStringLiteral("The puzzle already exists. Do you want to overwrite it?")};
const Texts kCannotDelete = {QStringLiteral("Нельзя удалить задание, которое выбрано для решения!"),
                             QStringLiteral("The puzzle is currently being solved. Can't delete!")};
const Texts kConfirmDelete = {QStringLiteral("Вы действительно хотите удалить текущее задание?"),
                              QStringLiteral("Do you really want to delete the puzzle?")};
const Texts kNoNumberLeft = {
    QStringLiteral("Для нового задания не осталось номера: у последнего задания наибольший "
                   "возможный номер."),
    QStringLiteral("No number is left for a new puzzle: the last puzzle has the largest number "
                   "there can be.")};
const std::string kDefaultName[2] = {"Название", "No name"};
const std::string kOtherDefaultName[2] = {"Задание ", "Puzzle "};

}  // namespace

EditorCommands::EditorCommands(EditorWindow& window, const Settings& store)
    : editor(window), settings(store) {}

int EditorCommands::Open() {
    PuzzleLibrary& library = editor.Library();
    const int remembered = library.currentPuzzleIndex;
    bool confirmed = false;
    {
        SelectPuzzleDialog dialog(library, settings, editor.window());
        confirmed = dialog.exec() == QDialog::Accepted;
    }
    // Open without a line selected (an empty library) loads nothing and changes nothing.
    if (!confirmed || library.RecordAt(library.currentPuzzleIndex) == nullptr) {
        library.currentPuzzleIndex = remembered;
        return 0;
    }
    const WaitCursor wait;
    return editor.OpenPuzzle();
}

bool EditorCommands::DeletePuzzle() {
    PuzzleLibrary& library = editor.Library();
    const int position = library.currentPuzzleIndex;
    if (position == editor.SavedPlayIndex()) {
        ShowMessage(&editor, kCannotDelete.Shown(), kDeleteCaption.Shown(),
                    MessageIcon::Exclamation, MessageButtons::Ok);
        return false;
    }
    const PuzzleRecord* record = library.RecordAt(position);
    if (record == nullptr ||
        ShowMessage(&editor, kConfirmDelete.Shown(), kDeleteCaption.Shown(), MessageIcon::Question,
                    MessageButtons::YesNo, MessageResult::No) != MessageResult::Yes) {
        return false;
    }
    if (const FileStatus status = DeletePuzzleFile(library.PathOf(*record)); !status) {
        ShowMessage(&editor, QString::fromStdString(status.error[currentLanguage]),
                    kDeleteCaption.Shown(), MessageIcon::Exclamation, MessageButtons::Ok);
        return false;
    }
    editor.RemoveRecord(position);
    return true;
}

bool EditorCommands::CheckCells() {
    const QString* problem = nullptr;
    if (editor.SelectedCount() <= 0) {
        problem = &kNoElement.Shown();
    } else if (editor.CellCount() != kElementCells * editor.SelectedCount()) {
        problem = &kCellsMismatch.Shown();
    }
    if (problem != nullptr) {
        ShowMessage(&editor, *problem, kErrorCaption.Shown(), MessageIcon::Exclamation,
                    MessageButtons::Ok);
    }
    return problem == nullptr;
}

bool EditorCommands::SavePuzzle(bool saveAs) {
    if (!CheckCells()) {
        return false;
    }
    PuzzleLibrary& library = editor.Library();
    const bool newPuzzle = saveAs || editor.IsNewPuzzle();
    const int position = library.currentPuzzleIndex;
    if (!newPuzzle && position == editor.SavedPlayIndex()) {
        ShowMessage(&editor, kCannotOverwrite.Shown(), kSaveCaption.Shown(),
                    MessageIcon::Exclamation, MessageButtons::Ok);
        return false;
    }
    const int language = currentLanguage;
    PuzzleRecord saved;
    if (!newPuzzle) {
        const PuzzleRecord* record = library.RecordAt(position);
        if (record == nullptr) {
            return false;
        }
        saved = *record;
    }
    const std::string name = newPuzzle ? kDefaultName[language] : saved.names[language];
    const std::string comment = newPuzzle ? std::string() : saved.comments[language];
    QString editedName;
    QString editedComment;
    {
        SavePuzzleDialog dialog(QString::fromStdString(name), QString::fromStdString(comment),
                                &editor);
        if (dialog.exec() != QDialog::Accepted) {
            return false;
        }
        editedName = dialog.PuzzleName();
        editedComment = dialog.PuzzleComment();
    }

    long long number = 0;
    if (newPuzzle) {
        const PuzzleRecord* last = library.LastRecord();
        number = 1 + (last == nullptr ? 0LL : NumberOf(last->fileName));
        if (number > INT_MAX) {
            ShowMessage(&editor, kNoNumberLeft.Shown(), kSaveCaption.Shown(),
                        MessageIcon::Exclamation, MessageButtons::Ok);
            return false;
        }
    } else if (ShowMessage(&editor, kConfirmOverwrite.Shown(), kSaveCaption.Shown(),
                           MessageIcon::Question, MessageButtons::YesNo,
                           MessageResult::No) != MessageResult::Yes) {
        return false;
    }
    saved.names[language] = editedName.toStdString();
    saved.comments[language] = editedComment.toStdString();
    if (newPuzzle) {
        saved.fileName = std::to_string(number) + ".TLX";
        saved.names[1 - language] = kOtherDefaultName[1 - language] + std::to_string(number);
        saved.comments[1 - language].clear();
    }
    if (!WritePuzzleFile(saved.fileName, {saved.names, saved.comments})) {
        return false;
    }
    if (newPuzzle) {
        library.Append(saved);
    } else {
        library.Replace(position, saved);
    }
    return true;
}

bool EditorCommands::WritePuzzleFile(const std::string& fileName, const PuzzleTexts& texts) {
    FileStatus status;
    {
        const WaitCursor wait;
        status =
            ::WritePuzzleFile(editor.Library().DataFolder() + fileName, editor.FileData(texts));
    }
    if (!status) {
        ShowMessage(&editor, QString::fromStdString(status.error[currentLanguage]),
                    kSaveCaption.Shown(), MessageIcon::Exclamation, MessageButtons::Ok);
    }
    return status.ok;
}
