#include "play/play_commands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>
#include <random>

#include "answers/board_answer_text.h"
#include "answers/step_text.h"
#include "dialogs/select_puzzle_dialog.h"
#include "library/puzzle_code.h"
#include "library/puzzle_library.h"
#include "library/same_puzzle.h"
#include "library/settings.h"
#include "library/store_puzzle.h"
#include "model/board_names.h"
#include "model/puzzle_shape.h"
#include "model/solve_outcome.h"
#include "platform/message_box.h"
#include "platform/wait_cursor.h"
#include "play/background_generation.h"
#include "play/board_view.h"
#include "play/generate_dialog.h"
#include "play/hints_dialog.h"
#include "play/open_code_dialog.h"
#include "play/statistics_dialog.h"
#include "solver/daily_puzzle.h"
#include "solver/file_rating.h"

namespace tessellix {

namespace {

constexpr int kCongratulationCount = 7;
const BilingualText kCongratulations[kCongratulationCount] = {
    {"Поздравляем! Задание выполнено!", "Congratulations! You have solved the puzzle!"},
    {"Прекрасно! А как насчет следующего задания?", "Well, what about next puzzle?"},
    {"Отлично! Все на своих местах!", "Excellent! All elements on the right places!"},
    {"Супер класс! Еще одним нерешенным заданием меньше!", "Great! One more unsolved puzzle less!"},
    {"Просто нет слов! Задание выполнено точно и в срок!",
     "Superior skill! The puzzle is solved exactly and quickly!"},
    {"Конгениально! Можете купить себе на ужин что-нибудь вкусьненькое!",
     "Top level! You may have something sweet for lunch!"},
    {"Браво! Браво! Бурные продолжительные апплодисменты!",
     "Bravo! Bravo! The world applaud to you!"},
};

const BilingualText kSelectCaption{"Выбор задания", "Select puzzle"};
const BilingualText kLastPuzzle{"Это последнее задание.", "This is the last puzzle."};
const BilingualText kFirstPuzzle{"Это первое задание.", "This is the first puzzle."};
const BilingualText kSaveCaption{"Сохранение решения", "Save puzzle"};
const BilingualText kOverwriteSolution{
    "Задание уже имеет решение.\nХотите перезаписать существующее решение?",
    "The puzzle has already had a solution.\nDo you want to overwrite the solution?"};
const BilingualText kNoSolution{
    "Увы! Это задание пока не решено.\nТак что, дерзайте, и да сохранятся ваши труды!",
    "Alas! The puzzle hasn't had the solution yet.\nSo go ahead and you do it!"};
const BilingualText kMessageCaption{"Сообщение", "Message"};
const BilingualText kCheckCaption{"Проверка доски", "Check board"};
const BilingualText kHintHereCaption{"Подсказка с этого места", "Hint from here"};
const BilingualText kRecordsCaption{"Рекорды", "Records"};
const BilingualText kKeepCaption{"Хранить незаконченные доски", "Keep unfinished boards"};

}  // namespace

PlayCommands::PlayCommands(BoardView& view, Settings& store, QWidget* window)
    : board(view),
      settings(store),
      owner(window),
      records(SolveRecords::PathBeside(store.Path())),
      keepBoards(store.ReadKeepBoardsSetting()) {}

void PlayCommands::SetKeepBoards(bool kept) {
    keepBoards = kept;
    settings.WriteKeepBoardsSetting(kept);
}

CalendarDate PlayCommands::Today() const {
    return dateSource ? dateSource() : CalendarDate::Today();
}

void PlayCommands::CheckRecords() {
    if (const std::optional<Failure> notice = records.SetAsideIfDamaged()) {
        ShowMessage(owner, notice->Message(), kRecordsCaption, MessageIcon::Exclamation,
                    MessageButtons::Ok);
    }
}

BilingualText PlayCommands::PuzzleName() const {
    const PlaySession& session = board.Session();
    const PuzzleRecord* record = session.CurrentRecord();
    return record != nullptr ? record->names : session.Puzzle().names;
}

void PlayCommands::ShowFileProblem(const std::optional<Failure>& failure) {
    if (failure) {
        ShowMessage(owner, failure->Message(), kSelectCaption, MessageIcon::Exclamation,
                    MessageButtons::Ok);
    }
}

void PlayCommands::ShowStartProblem() {
    ShowFileProblem(board.Session().StartProblem());
}

void PlayCommands::SwitchToPuzzle(int index) {
    ShowFileProblem(Switch(index));
}

std::optional<Failure> PlayCommands::Switch(int index) {
    KeepBoard();
    std::optional<Failure> failure = board.SwitchToPuzzle(index);
    const PuzzleRecord* record = board.Session().CurrentRecord();
    if (!failure && record != nullptr && keepBoards) {
        if (const std::optional<std::string> line = settings.ReadKeptBoard(record->fileName)) {
            // One that is no board of this puzzle (the file replaced, the line edited) leaves
            // the fresh board; leaving the puzzle keeps or drops a board in its place.
            const Result<KeptBoard> kept = KeptBoard::Decode(*line);
            if (const auto problem = kept ? board.RestoreKeptBoard(*kept) : kept.Error()) {
                ShowMessage(owner, problem->Message(), kKeepCaption, MessageIcon::Exclamation,
                            MessageButtons::Ok);
            }
        }
    }
    return failure;
}

void PlayCommands::KeepBoard() {
    if (!keepBoards) {
        return;
    }
    if (const auto keeping = board.Session().Keeping()) {
        if (keeping->board) {
            settings.KeepBoard(keeping->fileName, keeping->board->Encode());
        } else {
            settings.ClearKeptBoard(keeping->fileName);
        }
    }
}

void PlayCommands::SelectPuzzle() {
    const PlaySession& session = board.Session();
    // A rated puzzle's reason is its solution path, a few milliseconds for each preview.
    const auto reasonOf = [](Level level, const std::string& path) {
        const std::optional<PathSummary> summary = PuzzleFilePathSummary(path);
        return summary ? LevelReasonText(level, *summary) : BilingualText();
    };
    const std::optional<int> chosen = SelectPuzzleDialog::Choose(
        session.Library(), settings, session.CurrentPuzzleIndex(), owner, reasonOf);
    if (chosen && *chosen != session.CurrentPuzzleIndex()) {
        SwitchToPuzzle(*chosen);
    }
}

void PlayCommands::NextPuzzle() {
    StepThroughLibrary(1);
}

void PlayCommands::PreviousPuzzle() {
    StepThroughLibrary(-1);
}

void PlayCommands::StepThroughLibrary(int step) {
    const PlaySession& session = board.Session();
    for (int index = session.CurrentPuzzleIndex() + step;
         index >= 0 && index < session.Library().count(); index += step) {
        const std::optional<Failure> failure = Switch(index);
        if (!failure) {
            return;
        }
        // Told once on the way, so that the next step does not stop at the same file again.
        ShowFileProblem(failure);
    }
    ShowMessage(owner, step > 0 ? kLastPuzzle : kFirstPuzzle, kSelectCaption,
                MessageIcon::Exclamation, MessageButtons::Ok);
}

void PlayCommands::ResetBoard() {
    board.ResetBoard();
    board.Announce(BoardNames::BoardReset());
    if (const PuzzleRecord* record = board.Session().CurrentRecord()) {
        settings.ClearKeptBoard(record->fileName);
    }
}

void PlayCommands::ShowAnswer(const BilingualText& answer, bool finishable,
                              const BilingualText& caption) {
    ShowMessage(owner, answer, caption, finishable ? MessageIcon::None : MessageIcon::Exclamation,
                MessageButtons::Ok);
}

void PlayCommands::CheckBoard() {
    if (!board.Session().IsSolved()) {
        const BoardCheck check = board.CheckBoard();
        ShowAnswer(CheckText(check), check.finishable, kCheckCaption);
    }
}

void PlayCommands::HintFromHere() {
    if (board.Session().IsSolved()) {
        return;
    }
    const BoardHint hint = board.HintFromHere();
    if (!hint.finishable) {
        ShowAnswer(HintRefusalText(hint), false, kHintHereCaption);
    }
}

void PlayCommands::ShowHint() {
    if (!board.Session().HasCompleteSolution()) {
        ShowMessage(owner, kNoSolution, kMessageCaption, MessageIcon::Exclamation,
                    MessageButtons::Ok);
        return;
    }
    HintsDialog dialog(owner);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const HintsDialog::Result hint = dialog.GetResult();
    board.ShowHint(hint.option, hint.count);
}

void PlayCommands::OnSolved() {
    PlaySession& session = board.Session();
    const SolveOutcome outcome = SolveOutcome::Decide(session, Today());
    // The congratulation first: a failure to keep the mark or the records is told after it.
    Congratulate();
    if (outcome.solve) {
        settings.MarkSolved(outcome.solve->fileName, outcome.solve->hintUsed);
        if (const std::optional<Failure> notice = records.AddSolve(*outcome.solve)) {
            ShowMessage(owner, notice->Message(), kRecordsCaption, MessageIcon::Exclamation,
                        MessageButtons::Ok);
        }
    }
    const bool stored = StoreSolution(outcome);
    if (outcome.next == SolveOutcome::Next::ResetBuiltIn) {
        board.ResetBoard();
    }
    session.StartAfresh();
    if (!stored) {
        return;
    }
    if (outcome.next == SolveOutcome::Next::NextPuzzle) {
        NextPuzzle();
    } else if (outcome.next == SolveOutcome::Next::StayOnLast) {
        ShowMessage(owner, kLastPuzzle, kSelectCaption, MessageIcon::Exclamation,
                    MessageButtons::Ok);
    }
}

void PlayCommands::Congratulate() {
    ShowMessage(owner, kCongratulations[congratulationIndex], PuzzleName(), MessageIcon::None,
                MessageButtons::Ok);
    congratulationIndex = (congratulationIndex + 1) % kCongratulationCount;
}

bool PlayCommands::StoreSolution(const SolveOutcome& outcome) {
    switch (outcome.storing) {
        case SolveOutcome::Storing::None:
        case SolveOutcome::Storing::Same:
            return true;
        case SolveOutcome::Storing::Ask:
            if (ShowMessage(owner, kOverwriteSolution, kSaveCaption, MessageIcon::Question,
                            MessageButtons::YesNo, MessageResult::Yes) != MessageResult::Yes) {
                return true;
            }
            break;
        case SolveOutcome::Storing::Write:
            break;
    }
    std::optional<Failure> failure;
    {
        const WaitCursor wait;
        failure = RewriteElementBlock(outcome.path, outcome.records, solutionWriter);
    }
    if (failure) {
        ShowMessage(owner, failure->Message(), kSaveCaption, MessageIcon::Exclamation,
                    MessageButtons::Ok);
        return false;
    }
    board.Session().KeepSolution(outcome.records);
    // The file has changed: a board kept of it before is no longer its own.
    settings.ClearKeptBoard(outcome.solve->fileName);
    return true;
}

namespace {

const BilingualText kGenerateCaption{"Создание задания", "Generate puzzle"};
const BilingualText kNothingGenerated{
    "Не удалось найти такое задание. Попробуйте ещё раз или выберите другой уровень.",
    "No such puzzle was found. Try again, or choose another level."};
const BilingualText kDailyCaption{"Задание дня", "Puzzle of the day"};
const BilingualText kNoDailyPuzzle{"Задание дня на сегодня найти не удалось.",
                                   "No puzzle of the day could be made for today."};

}  // namespace

std::optional<BilingualText> PlayCommands::GeneratePuzzle() {
    std::optional<GeneratorRequest> request = GenerateDialog::Choose(settings, owner);
    if (!request) {
        return std::nullopt;
    }
    std::random_device random;
    request->seed = (std::uint64_t{random()} << 32) | random();
    const std::optional<GeneratedPuzzle> made = GenerateAndAdd(
        [&request](const std::atomic<bool>& cancel, const std::function<void(int)>& progress) {
            return PuzzleGenerator(*request).Generate(&cancel, progress);
        },
        kGenerateCaption, kNothingGenerated);
    if (!made) {
        return std::nullopt;
    }
    // The path of a puzzle of one solution takes a few milliseconds, unlike its rating.
    return BilingualText("Уровень ", "Level ")
        .Add(LevelReasonText(made->rating.level, PuzzlePathSummary(made->data)));
}

std::optional<GeneratedPuzzle> PlayCommands::GenerateAndAdd(const GeneratorJob& job,
                                                            const BilingualText& caption,
                                                            const BilingualText& notFound) {
    const Result<GeneratedPuzzle> run = RunInBackground(job, owner);
    if (!run) {
        ShowMessage(owner, run.Error().Message(), caption, MessageIcon::Exclamation,
                    MessageButtons::Ok);
        return std::nullopt;
    }
    switch (run->status) {
        case GeneratorStatus::Cancelled:
            break;
        case GeneratorStatus::NotFound:
            ShowMessage(owner, notFound, caption, MessageIcon::Exclamation, MessageButtons::Ok);
            break;
        case GeneratorStatus::Generated:
            if (AddPuzzle(run->data, caption)) {
                return *run;
            }
            break;
    }
    return std::nullopt;
}

void PlayCommands::PuzzleOfTheDay() {
    const CalendarDate date = Today();
    const PlaySession& session = board.Session();
    int position = 0;
    for (const PuzzleRecord& record : session.Library()) {
        if (DailyDateOf(record.names) == date) {
            if (position != session.CurrentPuzzleIndex() || session.CurrentRecord() == nullptr) {
                SwitchToPuzzle(position);
            }
            return;
        }
        ++position;
    }
    GenerateAndAdd(
        [date](const std::atomic<bool>& cancel, const std::function<void(int)>& progress) {
            return GenerateDaily(date, &cancel, progress);
        },
        kDailyCaption, kNoDailyPuzzle);
}

void PlayCommands::ShowStatistics() {
    StatisticsDialog dialog(board.Session().Library(), settings,
                            StatisticsDialog::ShippedWithThisRun(), Today(), owner);
    dialog.exec();
}

bool PlayCommands::AddPuzzle(const PuzzleFileData& data, const BilingualText& caption) {
    PlaySession& session = board.Session();
    PuzzleLibrary& library = session.Library();
    const int number = library.FreeNumber(kFirstDeletableNumber);
    PuzzleTexts texts = data.texts;
    ApplyDefaultNames(texts, number);
    const PuzzleRecord record{PuzzleFileName(number), texts.names, texts.comments};
    const Result<int> stored = [&] {
        const WaitCursor wait;
        return StorePuzzle(library, settings, record, data);
    }();
    if (!stored) {
        ShowMessage(owner, stored.Error().Message(), caption, MessageIcon::Exclamation,
                    MessageButtons::Ok);
        return false;
    }
    session.Position().RecordInserted(*stored);
    SwitchToPuzzle(*stored);
    return true;
}

namespace {

const BilingualText kCodeCaption{"Код задания", "Puzzle code"};

}  // namespace

bool PlayCommands::CopyPuzzleCode() {
    const PlaySession& session = board.Session();
    PuzzleFileData data = BuiltInPuzzleData();
    if (const PuzzleRecord* record = session.CurrentRecord()) {
        // The file as it lies, with the place of the cells on the grid and the texts unfilled.
        const std::string path = session.Library().PathOf(*record);
        PuzzleFileContents contents;
        {
            const WaitCursor wait;
            contents = ReadPuzzleFile(path);
        }
        if (const std::optional<Failure> problem =
                PlayProblem(contents, path, SignatureCheck::Skipped)) {
            ShowMessage(owner, problem->Message(), kCodeCaption, MessageIcon::Exclamation,
                        MessageButtons::Ok);
            return false;
        }
        data = contents.data;
    }
    const Result<std::string> code = EncodePuzzleCode(data);
    if (!code) {
        ShowMessage(owner, code.Error().Message(), kCodeCaption, MessageIcon::Exclamation,
                    MessageButtons::Ok);
        return false;
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(*code));
    return true;
}

void PlayCommands::OpenPuzzleCode() {
    const std::optional<PuzzleFileData> data = OpenCodeDialog::Choose(owner);
    if (!data) {
        return;
    }
    int same = -1;
    {
        const WaitCursor wait;
        same = PositionOfSamePuzzle(board.Session().Library(), *data);
    }
    // The puzzle already on the board stays as it is, its placed elements with it.
    if (same == board.Session().CurrentPuzzleIndex()) {
        return;
    }
    if (same >= 0) {
        SwitchToPuzzle(same);
    } else {
        AddPuzzle(*data, kCodeCaption);
    }
}

}  // namespace tessellix
