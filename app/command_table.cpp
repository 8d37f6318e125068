#include "app/command_table.h"

#include <QMainWindow>
#include <algorithm>

#include "app/command_host.h"
#include "app/window_title.h"
#include "editor/editor_commands.h"
#include "editor/editor_window.h"
#include "library/settings.h"
#include "model/board_summary.h"
#include "model/place_jumps.h"
#include "platform/message_box.h"
#include "play/about_dialog.h"
#include "play/board_view.h"
#include "play/explain_step.h"
#include "play/play_commands.h"

namespace tessellix {

namespace {

const BilingualText kCodeCopied{"Код задания скопирован в буфер обмена",
                                "Puzzle code copied to the clipboard"};

bool WithLibrary(CommandHost& host) {
    return host.LibraryNonEmpty();
}

// A solved board has nothing left to ask.
bool Unsolved(CommandHost& host) {
    return !host.Board().Session().IsSolved();
}

bool ColourBlind(CommandHost& host) {
    return host.Board().Look().palette == ElementPalette::ColourBlind;
}

// Spoken as well as shown, so that a screen reader need not find the box's text.
void DescribeBoard(CommandHost& host) {
    const BilingualText summary = BoardSummary(host.Board().Session());
    host.Board().Announce(summary);
    ShowMessage(&host.Window(), summary, {"Описать доску", "Describe board"}, MessageIcon::None,
                MessageButtons::Ok);
}

// A jump that moves nothing for want of a place says so; a screen reader would hear nothing.
void JumpChosen(CommandHost& host, int step) {
    BoardView& board = host.Board();
    const InputOutcome outcome = board.Input().PlaceJumped(step);
    board.Apply(outcome);
    const int chosen = board.Session().PlayerHand().chosen;
    const bool moved =
        outcome.Changed() && outcome.changes.back().kind == InputOutcome::Kind::Moved;
    if (!outcome.refused && chosen >= 0 && !moved) {
        board.Announce(FitsNowhereText(chosen));
    }
}

EditorCommands FileCommands(CommandHost& host) {
    return EditorCommands(*host.Editor(), host.Store());
}

// Save, Save as and Delete start the editor afresh once they have changed the library.
void AfreshWhen(CommandHost& host, bool changed) {
    if (changed) {
        host.EnterEditor();
    }
}

constexpr Command kCommands[] = {
    {.number = kCommandSelectPuzzle,
     .popup = MenuPopup::Puzzle,
     .text = "&Выбор задания\tF2#&Select puzzle\tF2",
     .keys = "F2",
     .enabled = WithLibrary,
     .run = [](CommandHost& host) { host.Commands().SelectPuzzle(); }},
    {.number = kCommandNextPuzzle,
     .popup = MenuPopup::Puzzle,
     .text = "&Следующее задание\tPgDn#&Next puzzle\tPgDn",
     .keys = "PgDown",
     .enabled = WithLibrary,
     .run = [](CommandHost& host) { host.Commands().NextPuzzle(); }},
    {.number = kCommandPreviousPuzzle,
     .popup = MenuPopup::Puzzle,
     .text = "&Предыдущее задание\tPgUp#&Previous puzzle\tPgUp",
     .keys = "PgUp",
     .enabled = WithLibrary,
     .run = [](CommandHost& host) { host.Commands().PreviousPuzzle(); }},
    {.number = kCommandPuzzleOfTheDay,
     .popup = MenuPopup::Puzzle,
     .text = "Задание &дня\tCtrl+D#Puzzle of the d&ay\tCtrl+D",
     .keys = "Ctrl+D",
     .run = [](CommandHost& host) { host.Commands().PuzzleOfTheDay(); }},
    {.number = kCommandReset,
     .popup = MenuPopup::Puzzle,
     .group = 1,
     .text = "С&брос#&Reset",
     .run = [](CommandHost& host) { host.Commands().ResetBoard(); }},
    {.number = kCommandUndo,
     .popup = MenuPopup::Puzzle,
     .group = 1,
     .text = "&Отменить ход\tCtrl+Z#&Undo\tCtrl+Z",
     .keys = "Ctrl+Z",
     .enabled = [](CommandHost& host) { return host.Board().Session().CanUndo(); },
     .run = [](CommandHost& host) { host.Board().Undo(); }},
    {.number = kCommandRedo,
     .popup = MenuPopup::Puzzle,
     .group = 1,
     .text = "Ве&рнуть ход\tCtrl+Y#Re&do\tCtrl+Y",
     .keys = "Ctrl+Y; Ctrl+Shift+Z",
     .enabled = [](CommandHost& host) { return host.Board().Session().CanRedo(); },
     .run = [](CommandHost& host) { host.Board().Redo(); }},
    {.number = kCommandCopyCode,
     .popup = MenuPopup::Puzzle,
     .group = 2,
     .text = "&Копировать код задания\tCtrl+Shift+C#&Copy puzzle code\tCtrl+Shift+C",
     .keys = "Ctrl+Shift+C",
     .run =
         [](CommandHost& host) {
             if (host.Commands().CopyPuzzleCode()) {
                 host.Title().ShowNotice(kCodeCopied);
             }
         }},
    {.number = kCommandOpenCode,
     .popup = MenuPopup::Puzzle,
     .group = 2,
     .text = "О&ткрыть код задания…\tCtrl+Shift+V#&Open puzzle code…\tCtrl+Shift+V",
     .keys = "Ctrl+Shift+V",
     .run = [](CommandHost& host) { host.Commands().OpenPuzzleCode(); }},
    {.number = kCommandExit,
     .popup = MenuPopup::Puzzle,
     .group = 3,
     .text = "В&ыход#E&xit",
     .run = [](CommandHost& host) { host.Window().close(); }},

    {.number = kCommandHint,
     .popup = MenuPopup::Tools,
     .text = "&Подсказка#&Hint",
     .run = [](CommandHost& host) { host.Commands().ShowHint(); }},
    {.number = kCommandCheckBoard,
     .popup = MenuPopup::Tools,
     .text = "Пр&оверка доски\tCtrl+K#&Check board\tCtrl+K",
     .keys = "Ctrl+K",
     .enabled = Unsolved,
     .run = [](CommandHost& host) { host.Commands().CheckBoard(); }},
    {.number = kCommandExplainStep,
     .popup = MenuPopup::Tools,
     .text = "О&бъяснить шаг\tCtrl+E#E&xplain a step\tCtrl+E",
     .keys = "Ctrl+E",
     .enabled = Unsolved,
     .run = [](CommandHost& host) { ExplainStep(host.Board(), &host.Window()); }},
    {.number = kCommandHintFromHere,
     .popup = MenuPopup::Tools,
     .text = "Подсказка с &этого места\tCtrl+H#Hint &from here\tCtrl+H",
     .keys = "Ctrl+H",
     .enabled = Unsolved,
     .run = [](CommandHost& host) { host.Commands().HintFromHere(); }},
    {.number = kCommandDescribeBoard,
     .popup = MenuPopup::Tools,
     .text = "Оп&исать доску\tCtrl+B#&Describe board\tCtrl+B",
     .keys = "Ctrl+B",
     .run = DescribeBoard},
    {.number = kCommandGenerate,
     .popup = MenuPopup::Tools,
     .text = "&Создать задание...\tCtrl+G#&Generate puzzle...\tCtrl+G",
     .keys = "Ctrl+G",
     .run =
         [](CommandHost& host) {
             if (const std::optional<BilingualText> level = host.Commands().GeneratePuzzle()) {
                 host.Title().ShowNotice(*level);
                 host.Board().Announce(*level);
             }
         }},
    {.number = kCommandStatistics,
     .popup = MenuPopup::Tools,
     .text = "С&татистика...#&Statistics...",
     .run = [](CommandHost& host) { host.Commands().ShowStatistics(); }},
    {.number = kCommandEditor,
     .popup = MenuPopup::Tools,
     .group = 1,
     .text = "&Редактор#&Editor",
     .enabled = WithLibrary,
     .run = [](CommandHost& host) { host.EnterEditor(); }},
    // The language items read the same in both languages.
    {.number = kCommandRussian,
     .popup = MenuPopup::Language,
     .text = "Russian#Russian",
     .checked = [](CommandHost&) { return CurrentLanguage() == Language::Russian; },
     .run = [](CommandHost& host) { host.SetLanguage(Language::Russian); }},
    {.number = kCommandEnglish,
     .popup = MenuPopup::Language,
     .text = "English#English",
     .checked = [](CommandHost&) { return CurrentLanguage() == Language::English; },
     .run = [](CommandHost& host) { host.SetLanguage(Language::English); }},

    {.number = kCommandShowClock,
     .popup = MenuPopup::Options,
     .text = "Показывать &часы#Show &clock",
     .checked = [](CommandHost& host) { return host.Title().ClockShown(); },
     .run =
         [](CommandHost& host) {
             host.ShowClock(!host.Title().ClockShown());
             host.Store().WriteShowClockSetting(host.Title().ClockShown());
         }},
    {.number = kCommandShowMistakes,
     .popup = MenuPopup::Options,
     .text = "Показывать &ошибки#Show &mistakes",
     .checked = [](CommandHost& host) { return host.Board().ShowsMistakes(); },
     .run =
         [](CommandHost& host) {
             host.Board().SetShowMistakes(!host.Board().ShowsMistakes());
             host.Store().WriteShowMistakesSetting(host.Board().ShowsMistakes());
         }},
    {.number = kCommandKeepBoards,
     .popup = MenuPopup::Options,
     .text = "&Хранить незаконченные доски#&Keep unfinished boards",
     .checked = [](CommandHost& host) { return host.Commands().KeepsBoards(); },
     .run =
         [](CommandHost& host) { host.Commands().SetKeepBoards(!host.Commands().KeepsBoards()); }},
    // The colour-blind fills always carry the letters, so the letters' own choice waits.
    {.number = kCommandElementLetters,
     .popup = MenuPopup::Options,
     .group = 1,
     .text = "&Буквы на элементах#&Letters on elements",
     .enabled = [](CommandHost& host) { return !ColourBlind(host); },
     .checked = [](CommandHost& host) { return host.Board().Look().LettersShown(); },
     .run =
         [](CommandHost& host) {
             ElementLook look = host.Board().Look();
             look.letters = !look.letters;
             host.Board().SetElementLook(look);
             host.Store().WriteElementLettersSetting(look.letters);
         }},
    {.number = kCommandColourBlindColours,
     .popup = MenuPopup::Options,
     .group = 1,
     .text = "&Цвета для дальтоников#Colours for colour &blindness",
     .checked = ColourBlind,
     .run =
         [](CommandHost& host) {
             ElementLook look = host.Board().Look();
             look.palette =
                 ColourBlind(host) ? ElementPalette::Standard : ElementPalette::ColourBlind;
             host.Board().SetElementLook(look);
             host.Store().WriteColourBlindColoursSetting(ColourBlind(host));
         }},

    {.number = kCommandHelp,
     .popup = MenuPopup::Help,
     .text = "&Вызов справки\tF1#&Help\tF1",
     .keys = "F1",
     .mode = CommandMode::Both,
     .run = [](CommandHost& host) { host.ShowHelp(); }},
    {.number = kCommandAbout,
     .popup = MenuPopup::Help,
     .group = 1,
     .text = "&О программе...#&About...",
     .mode = CommandMode::Both,
     .run = [](CommandHost& host) { ShowAboutBox(&host.Window()); }},

    {.number = kCommandNew,
     .popup = MenuPopup::File,
     .text = "&Новый \tCtrl+N#&New \tCtrl+N",
     .keys = "Ctrl+N",
     .mode = CommandMode::Editor,
     .run = [](CommandHost& host) { host.EnterEditor(); }},
    {.number = kCommandOpen,
     .popup = MenuPopup::File,
     .text = "&Открыть\tCtrl+O#&Open\tCtrl+O",
     .keys = "Ctrl+O",
     .mode = CommandMode::Editor,
     .run = [](CommandHost& host) { FileCommands(host).Open(); }},
    {.number = kCommandDelete,
     .popup = MenuPopup::File,
     .text = "&Удалить#&Delete",
     .mode = CommandMode::Editor,
     .enabled = [](CommandHost& host) { return host.Editor()->Session().DeleteEnabled(); },
     .run = [](CommandHost& host) { AfreshWhen(host, FileCommands(host).DeletePuzzle()); }},
    {.number = kCommandSave,
     .popup = MenuPopup::File,
     .group = 1,
     .text = "&Сохранить \tCtrl+S#&Save \tCtrl+S",
     .keys = "Ctrl+S",
     .mode = CommandMode::Editor,
     .run = [](CommandHost& host) { AfreshWhen(host, FileCommands(host).SavePuzzle(false)); }},
    {.number = kCommandSaveAs,
     .popup = MenuPopup::File,
     .group = 1,
     .text = "Сохранить &как...#Save &as...",
     .mode = CommandMode::Editor,
     .run = [](CommandHost& host) { AfreshWhen(host, FileCommands(host).SavePuzzle(true)); }},
    {.number = kCommandCountSolutions,
     .popup = MenuPopup::File,
     .group = 1,
     .text = "&Подсчёт решений#&Count solutions",
     .mode = CommandMode::Editor,
     .enabled = [](CommandHost& host) { return EditorCommands::CanCountSolutions(*host.Editor()); },
     .run = [](CommandHost& host) { FileCommands(host).CountSolutions(); }},
    {.number = kCommandReturn,
     .popup = MenuPopup::File,
     .group = 2,
     .text = "&Возврат в Tessellix#&Return to Tessellix",
     .mode = CommandMode::Editor,
     .run = [](CommandHost& host) { host.LeaveEditor(); }},

    {.number = kCommandZoomIn,
     .keys = "Ctrl++; Ctrl+=",
     .mode = CommandMode::Both,
     .run = [](CommandHost& host) { host.ChangeZoom(1); }},
    {.number = kCommandZoomOut,
     .keys = "Ctrl+-",
     .mode = CommandMode::Both,
     .run = [](CommandHost& host) { host.ChangeZoom(-1); }},
    {.number = kCommandNextPlace,
     .keys = "Ctrl+Right",
     .run = [](CommandHost& host) { JumpChosen(host, 1); }},
    {.number = kCommandPreviousPlace,
     .keys = "Ctrl+Left",
     .run = [](CommandHost& host) { JumpChosen(host, -1); }},
};

constexpr CommandPopup kPopups[] = {
    {.popup = MenuPopup::Puzzle, .titleString = 100},
    {.popup = MenuPopup::Tools, .titleString = 101},
    {.popup = MenuPopup::Language,
     .fixedTitle = "&Language",
     .parent = MenuPopup::Tools,
     .group = 2},
    {.popup = MenuPopup::Options, .titleString = 102},
    {.popup = MenuPopup::File, .mode = CommandMode::Editor, .titleString = 200},
    {.popup = MenuPopup::Help, .mode = CommandMode::Both, .fixedTitle = "&?"},
};

}  // namespace

std::span<const Command> CommandTable() {
    return kCommands;
}

std::span<const CommandPopup> PopupTable() {
    return kPopups;
}

const Command* FindCommand(int number) {
    const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                    [number](const Command& row) { return row.number == number; });
    return found == std::end(kCommands) ? nullptr : found;
}

}  // namespace tessellix
