#include "editor/editor_commands.h"

#include <QString>

#include "dialogs/select_puzzle_dialog.h"
#include "editor/editor_window.h"
#include "editor/save_puzzle_dialog.h"
#include "library/settings.h"
#include "library/solve_records.h"
#include "platform/message_box.h"
#include "platform/wait_cursor.h"

namespace tessellix {

namespace {

const BilingualText kErrorCaption{"Ошибка", "Error"};
const BilingualText kRecordsCaption{"Рекорды", "Records"};

}  // namespace

EditorCommands::EditorCommands(EditorWindow& window, Settings& store)
    : editor(window), settings(store) {}

bool EditorCommands::Tell(const EditorMessage& message) {
    if (message.kind == EditorMessage::Refusal) {
        // A refusal without words only stops the command.
        if (!message.text.IsEmpty()) {
            ShowMessage(&editor, message.text, message.caption, MessageIcon::Exclamation,
                        MessageButtons::Ok);
        }
        return false;
    }
    return ShowMessage(&editor, message.text, message.caption, MessageIcon::Question,
                       MessageButtons::YesNo, MessageResult::No) == MessageResult::Yes;
}

void EditorCommands::ForgetSolves(const std::string& fileName) {
    settings.ClearSolvedMark(fileName);
    const BilingualText problem =
        SolveRecords(SolveRecords::PathBeside(settings.Path())).Clear(fileName);
    if (!problem.IsEmpty()) {
        ShowMessage(&editor, problem, kRecordsCaption, MessageIcon::Exclamation,
                    MessageButtons::Ok);
    }
}

bool EditorCommands::Open() {
    const EditorSession& session = editor.Session();
    const std::optional<int> position = SelectPuzzleDialog::Choose(
        session.Library(), settings, session.CurrentPuzzleIndex(), editor.window());
    if (!position) {
        return false;
    }
    FileStatus status;
    {
        const WaitCursor wait;
        status = editor.OpenPuzzle(*position);
    }
    if (!status && !status.error.IsEmpty()) {
        ShowMessage(&editor, status.error, kErrorCaption, MessageIcon::Exclamation,
                    MessageButtons::Ok);
    }
    return status.ok;
}

bool EditorCommands::DeletePuzzle() {
    EditorSession& session = editor.Session();
    const DeletePlan plan = session.PlanDelete();
    if ((plan.refusal && !Tell(*plan.refusal)) || !Tell(plan.question)) {
        return false;
    }
    if (const FileStatus status = DeletePuzzleFile(plan.path); !status) {
        ShowMessage(&editor, status.error, plan.caption, MessageIcon::Exclamation,
                    MessageButtons::Ok);
        return false;
    }
    if (const PuzzleRecord* record = session.Library().RecordAt(plan.position)) {
        ForgetSolves(record->fileName);
    }
    session.Commit(plan);
    return true;
}

bool EditorCommands::SavePuzzle(bool saveAs) {
    EditorSession& session = editor.Session();
    const SaveStart start = session.BeginSave(saveAs);
    if (start.refusal) {
        return Tell(*start.refusal);
    }
    QString name;
    QString comment;
    {
        SavePuzzleDialog dialog(QString::fromStdString(start.name),
                                QString::fromStdString(start.comment), &editor);
        if (dialog.exec() != QDialog::Accepted) {
            return false;
        }
        name = dialog.PuzzleName();
        comment = dialog.PuzzleComment();
    }
    const SavePlan plan = session.PlanSave(saveAs, name.toStdString(), comment.toStdString());
    if ((plan.refusal && !Tell(*plan.refusal)) || (plan.question && !Tell(*plan.question))) {
        return false;
    }
    FileStatus status;
    {
        const WaitCursor wait;
        status = WritePuzzleFile(plan.path, plan.data);
    }
    if (!status) {
        ShowMessage(&editor, status.error, plan.caption, MessageIcon::Exclamation,
                    MessageButtons::Ok);
        return false;
    }
    // The puzzle written is unsolved, also where a new file takes a name that kept a mark.
    ForgetSolves(plan.record.fileName);
    session.Commit(plan);
    return true;
}

}  // namespace tessellix
