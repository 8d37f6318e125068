#include "play/play_commands.h"

#include <QString>

#include "library/puzzle_library.h"
#include "model/language.h"
#include "platform/bilingual_text.h"
#include "platform/message_box.h"
#include "platform/select_puzzle_dialog.h"
#include "platform/wait_cursor.h"
#include "play/board_view.h"
#include "play/hints_dialog.h"

namespace {

using Texts = BilingualText;

constexpr int kCongratulationCount = 7;
const Texts kCongratulations[kCongratulationCount] = {
    {QStringLiteral("Поздравляем! Задание выполнено!"),
     QStringLiteral("Congratulations! You have solved the puzzle!")},
    {QStringLiteral("Прекрасно! А как насчет следующего задания?"),
     QStringLiteral("Well, what about next puzzle?")},
    {QStringLiteral("Отлично! Все на своих местах!"),
     QStringLiteral("Excellent! All elements on the right places!")},
    {QStringLiteral("Супер класс! Еще одним нерешенным заданием меньше!"),
     QStringLiteral("Great! One more unsolved puzzle less!")},
    {QStringLiteral("Просто нет слов! Задание выполнено точно и в срок!"),
     QStringLiteral("Superior skill! The puzzle is solved exactly and quickly!")},
    {QStringLiteral("Конгениально! Можете купить себе на ужин что-нибудь вкусьненькое!"),
     QStringLiteral("Top level! You may have something sweet for lunch!")},
    {QStringLiteral("Браво! Браво! Бурные продолжительные апплодисменты!"),
     QStringLiteral("Bravo! Bravo! The world applaud to you!")},
};

const Texts kSelectCaption = {QStringLiteral("Выбор задания"), QStringLiteral("Select puzzle")};
const Texts kLastPuzzle = {QStringLiteral("Это последнее задание."),
                           QStringLiteral("This is the last puzzle.")};
const Texts kFirstPuzzle = {QStringLiteral("Это первое задание."),
                            QStringLiteral("This is the first puzzle.")};
const Texts kSaveCaption = {QStringLiteral("Сохранение решения"), QStringLiteral("Save puzzle")};
const Texts kOverwriteSolution = {
    QStringLiteral("Задание уже имеет решение.\nХотите перезаписать существующее решение?"),
    QStringLiteral(
        "The puzzle has already had a solution.\nDo you want to overwrite the solution?")};
const Texts kBuiltInName = {QStringLiteral("Прямоугольник 10х6"), QStringLiteral("Rectangle 10x6")};
const Texts kNoSolution = {
    QStringLiteral("Увы! Это задание пока не решено.\nТак что, дерзайте, и да сохранятся ваши "
                   "труды!"),
    QStringLiteral("Alas! The puzzle hasn't had the solution yet.\nSo go ahead and you do it!")};
const Texts kMessageCaption = {QStringLiteral("Сообщение"), QStringLiteral("Message")};

}  // namespace

PlayCommands::PlayCommands(BoardView& view, const Settings& store, QWidget* window)
    : board(view), settings(store), owner(window) {}

void PlayCommands::SelectPuzzle() {
    PuzzleLibrary& library = board.Session().Library();
    const int remembered = library.currentPuzzleIndex;
    bool confirmed = false;
    {
        SelectPuzzleDialog dialog(library, settings, owner);
        confirmed = dialog.exec() == QDialog::Accepted;
    }
    // Open without a line selected chooses nothing: the board's puzzle keeps its position, so
    // that a solution is still stored into its own file.
    if (!confirmed || library.RecordAt(library.currentPuzzleIndex) == nullptr) {
        library.currentPuzzleIndex = remembered;
        return;
    }
    if (library.currentPuzzleIndex != remembered) {
        board.SwitchToPuzzle(library.currentPuzzleIndex);
    }
}

void PlayCommands::NextPuzzle() {
    const PuzzleLibrary& library = board.Session().Library();
    if (library.currentPuzzleIndex + 1 < library.count()) {
        board.SwitchToPuzzle(library.currentPuzzleIndex + 1);
    } else {
        ShowMessage(owner, kLastPuzzle.Shown(), kSelectCaption.Shown(), MessageIcon::Exclamation,
                    MessageButtons::Ok);
    }
}

void PlayCommands::PreviousPuzzle() {
    const PuzzleLibrary& library = board.Session().Library();
    if (library.currentPuzzleIndex > 0) {
        board.SwitchToPuzzle(library.currentPuzzleIndex - 1);
    } else {
        ShowMessage(owner, kFirstPuzzle.Shown(), kSelectCaption.Shown(), MessageIcon::Exclamation,
                    MessageButtons::Ok);
    }
}

void PlayCommands::ResetBoard() {
    board.ResetBoard();
}

void PlayCommands::ShowHint() {
    if (!board.Session().HasCompleteSolution()) {
        ShowMessage(owner, kNoSolution.Shown(), kMessageCaption.Shown(), MessageIcon::Exclamation,
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
    Congratulate();
    if (!board.Session().LibraryNonEmpty()) {
        board.ResetBoard();
        return;
    }
    if (SaveSolution()) {
        NextPuzzle();
    }
}

void PlayCommands::Congratulate() {
    const PlaySession& session = board.Session();
    const PuzzleRecord* record = session.Library().RecordAt(session.Library().currentPuzzleIndex);
    QString caption = kBuiltInName.Shown();
    if (session.LibraryNonEmpty()) {
        caption =
            QString::fromStdString(record != nullptr ? record->names[currentLanguage]
                                                     : session.Puzzle().names[currentLanguage]);
    }
    ShowMessage(owner, kCongratulations[congratulationIndex].Shown(), caption, MessageIcon::None,
                MessageButtons::Ok);
    congratulationIndex = (congratulationIndex + 1) % kCongratulationCount;
}

bool PlayCommands::SaveSolution() {
    PlaySession& session = board.Session();
    const PuzzleLibrary& library = session.Library();
    const PuzzleRecord* record = library.RecordAt(library.currentPuzzleIndex);
    if (record == nullptr) {
        return false;
    }
    if (session.HasStoredPlacement() &&
        ShowMessage(owner, kOverwriteSolution.Shown(), kSaveCaption.Shown(), MessageIcon::Question,
                    MessageButtons::YesNo, MessageResult::Yes) != MessageResult::Yes) {
        return true;
    }
    const auto records = session.SolutionRecords();
    FileStatus status;
    {
        const WaitCursor wait;
        status = RewriteElementBlock(library.PathOf(*record), records);
    }
    if (!status) {
        ShowMessage(owner, QString::fromStdString(status.error[currentLanguage]),
                    kSaveCaption.Shown(), MessageIcon::Exclamation, MessageButtons::Ok);
        return false;
    }
    session.KeepSolution(records);
    return true;
}
