#include "editor/editor_commands.h"

#include <QString>
#include <array>
#include <optional>
#include <string>

#include "dialogs/select_puzzle_dialog.h"
#include "editor/editor_window.h"
#include "editor/save_puzzle_dialog.h"
#include "library/settings.h"
#include "platform/background_task.h"
#include "platform/message_box.h"
#include "platform/wait_cursor.h"
#include "solver/puzzle_level.h"
#include "solver/tiling_solver.h"

namespace tessellix {

namespace {

const BilingualText kErrorCaption{"Ошибка", "Error"};
const BilingualText kCountCaption{"Подсчёт решений", "Counting solutions"};
const BilingualText kRatingText{"Оценка уровня...", "Rating the level..."};
const std::array<BilingualText, kLevels.size()> kLevelWords{
    {{"лёгкий", "easy"}, {"средний", "medium"}, {"сложный", "hard"}}};

BilingualText FoundText(std::uint64_t tilings) {
    return BilingualText()
        .Say("Найдено раскладок: ", "Arrangements found: ")
        .Add(std::to_string(tilings));
}

// "Solutions: 2339, medium"; a drawing without solution has no level.
BilingualText CountText(std::uint64_t distinct, std::optional<Level> level) {
    BilingualText text =
        BilingualText().Say("Решений: ", "Solutions: ").Add(std::to_string(distinct));
    if (level) {
        text.Add(", ").Add(kLevelWords[static_cast<int>(*level)]);
    }
    return text;
}

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
        settings.ClearSolvedMark(record->fileName);
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
    settings.ClearSolvedMark(plan.record.fileName);
    session.Commit(plan);
    return true;
}

bool EditorCommands::CanCountSolutions(const EditorWindow& editor) {
    const EditorSession& session = editor.Session();
    return session.CellCount() > 0 &&
           session.CellCount() == kElementCells * session.SelectedCount();
}

void EditorCommands::CountSolutions() {
    if (!CanCountSolutions(editor)) {
        return;
    }
    const PuzzleFileData data = editor.Session().FileData({});
    unsigned used = 0;
    for (int element = 0; element < kElementRecordCount; ++element) {
        used |= data.elements[element].used ? 1u << element : 0;
    }
    std::optional<BilingualText> answer;
    const BackgroundLook look{kCountCaption, FoundText(0), QStringLiteral("countProgress")};
    const bool cancelled = RunInBackground(
        [&](const std::atomic<bool>& cancel, TaskProgress& progress) {
            const TilingSolver solver(data.grid, kGridSide, used);
            CountOptions options;
            options.progress = [&](const CountProgress& now) {
                progress.Set(FoundText(now.tilings));
                return !cancel;
            };
            const CountResult count = solver.Count(options);
            if (!count.complete) {
                return;
            }
            if (count.distinct == 0) {
                answer = CountText(0, std::nullopt);
                return;
            }
            progress.Set(kRatingText);
            if (const std::optional<Rating> rating = RatePuzzle(solver, [&] { return !cancel; })) {
                answer = CountText(count.distinct, rating->level);
            }
        },
        look, &editor);
    if (!cancelled && answer) {
        editor.ShowSolutionCount(*answer);
    }
}

}  // namespace tessellix
