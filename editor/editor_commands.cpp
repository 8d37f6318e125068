#include "editor/editor_commands.h"

#include <QString>
#include <array>
#include <atomic>
#include <functional>
#include <optional>
#include <string>

#include "dialogs/select_puzzle_dialog.h"
#include "editor/editor_window.h"
#include "editor/save_puzzle_dialog.h"
#include "library/settings.h"
#include "library/solve_records.h"
#include "platform/background_task.h"
#include "platform/message_box.h"
#include "platform/wait_cursor.h"
#include "solver/puzzle_level.h"
#include "solver/tiling_solver.h"

namespace tessellix {

namespace {

const BilingualText kErrorCaption{"Ошибка", "Error"};
const BilingualText kRecordsCaption{"Рекорды", "Records"};
const BilingualText kCountCaption{"Подсчёт решений", "Counting solutions"};
const BilingualText kRatingText{"Оценка уровня...", "Rating the level..."};
const BilingualText kLeaveCaption{"Выход из редактора", "Leaving the editor"};
const BilingualText kSaveChanges{"Рисунок изменён. Сохранить задание?",
                                 "The drawing has changed. Save the puzzle?"};

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
        text.Add(", ").Add(LevelWord(*level));
    }
    return text;
}

CountOptions CountingOptions(const std::atomic<bool>& cancel, TaskProgress& progress) {
    CountOptions options;
    options.progress = [&](const CountProgress& now) {
        progress.Set(FoundText(now.tilings));
        return !cancel;
    };
    return options;
}

using SolverJob =
    std::function<void(const TilingSolver&, const std::atomic<bool>& cancel, TaskProgress&)>;

// Runs job on a solver of the editor's drawing off the GUI thread, with the progress and Cancel
// of Count solutions. False when the player cancelled it, or when it failed, which is told.
bool RunOnDrawing(EditorWindow& editor, const SolverJob& job) {
    const PuzzleFileData data = editor.Session().FileData({});
    unsigned used = 0;
    for (int element = 0; element < kElementRecordCount; ++element) {
        used |= data.elements[element].used ? 1u << element : 0;
    }
    const BackgroundLook look{kCountCaption,
                              FoundText(0),
                              QStringLiteral("countProgress"),
                              {"Подсчёт прерван ошибкой: ", "Counting stopped with an error: "}};
    const Result<bool> cancelled = RunInBackground(
        [&](const std::atomic<bool>& cancel, TaskProgress& progress) {
            job(TilingSolver(data.grid, kGridSide, used), cancel, progress);
        },
        look, &editor);
    if (!cancelled) {
        ShowMessage(&editor, cancelled.Error().Message(), kCountCaption, MessageIcon::Exclamation,
                    MessageButtons::Ok);
        return false;
    }
    return !*cancelled;
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

void EditorCommands::ForgetSolves(const std::string& fileName) {
    settings.ClearSolvedMark(fileName);
    settings.ClearKeptBoard(fileName);
    if (const std::optional<Failure> problem =
            SolveRecords(SolveRecords::PathBeside(settings.Path())).Clear(fileName)) {
        ShowMessage(&editor, problem->Message(), kRecordsCaption, MessageIcon::Exclamation,
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
    std::optional<Failure> failure;
    {
        const WaitCursor wait;
        failure = editor.OpenPuzzle(*position);
    }
    if (failure) {
        ShowMessage(&editor, failure->Message(), kErrorCaption, MessageIcon::Exclamation,
                    MessageButtons::Ok);
    }
    return true;
}

bool EditorCommands::DeletePuzzle() {
    EditorSession& session = editor.Session();
    const DeletePlan plan = session.PlanDelete();
    if ((plan.refusal && !Tell(*plan.refusal)) || !Tell(plan.question)) {
        return false;
    }
    if (const std::optional<EditorMessage> changed = session.ChangedOnDiskQuestion(plan.path, true);
        changed && !Tell(*changed)) {
        return false;
    }
    if (const std::optional<Failure> failure = DeletePuzzleFile(plan.path)) {
        ShowMessage(&editor, failure->Message(), plan.caption, MessageIcon::Exclamation,
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
    const std::optional<bool> covered = CoversDrawing();
    if (!covered || (!*covered && !Tell(EditorSession::UnsolvableQuestion()))) {
        return false;
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
    if (plan.replacedPosition) {
        if (const std::optional<EditorMessage> changed =
                session.ChangedOnDiskQuestion(plan.path, false);
            changed && !Tell(*changed)) {
            return false;
        }
    }
    std::optional<Failure> failure;
    {
        const WaitCursor wait;
        failure = session.Save(plan, settings);
    }
    if (failure) {
        ShowMessage(&editor, failure->Message(), plan.caption, MessageIcon::Exclamation,
                    MessageButtons::Ok);
        return false;
    }
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
    std::optional<BilingualText> answer;
    std::uint64_t distinct = 0;
    const bool ran = RunOnDrawing(
        editor,
        [&](const TilingSolver& solver, const std::atomic<bool>& cancel, TaskProgress& progress) {
            const CountResult count = solver.Count(CountingOptions(cancel, progress));
            if (!count.complete) {
                return;
            }
            distinct = count.distinct;
            if (distinct == 0) {
                answer = CountText(0, std::nullopt);
                return;
            }
            progress.Set(kRatingText);
            if (const std::optional<Rating> rating = RatePuzzle(solver, [&] { return !cancel; })) {
                answer = CountText(distinct, rating->level);
            }
        });
    if (ran && answer) {
        editor.ShowSolutionCount(*answer, distinct);
    }
}

std::optional<bool> EditorCommands::CoversDrawing() {
    if (const std::optional<std::uint64_t> shown = editor.ShownSolutions()) {
        return *shown > 0;
    }
    bool covered = false;
    const bool ran = RunOnDrawing(
        editor,
        [&](const TilingSolver& solver, const std::atomic<bool>& cancel, TaskProgress& progress) {
            // One cover settles it.
            CountOptions options = CountingOptions(cancel, progress);
            options.maxTilings = 1;
            covered = solver.Count(options).tilings > 0;
        });
    return ran ? std::optional<bool>(covered) : std::nullopt;
}

bool EditorCommands::MayLeave() {
    if (!editor.Session().Changed()) {
        return true;
    }
    switch (ShowMessage(&editor, kSaveChanges, kLeaveCaption, MessageIcon::Question,
                        MessageButtons::YesNoCancel, MessageResult::Yes)) {
        case MessageResult::Yes:
            return SavePuzzle(false);
        case MessageResult::No:
            return true;
        default:
            return false;
    }
}

}  // namespace tessellix
