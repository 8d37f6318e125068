#include "play/explain_step.h"

#include "answers/step_text.h"
#include "model/board_places.h"
#include "platform/message_box.h"
#include "play/board_view.h"

namespace tessellix {

namespace {

const BilingualText kExplainCaption{"Объяснить шаг", "Explain a step"};
const BilingualText kPlaceIt{"&Положить", "&Place it"};

}  // namespace

void ExplainStep(BoardView& board, QWidget* owner) {
    if (board.Session().IsSolved()) {
        return;
    }
    const std::optional<ExplainedStep> step = board.ExplainStep();
    if (!step) {
        return;
    }
    const PuzzleShape& puzzle = board.Session().Puzzle();
    BilingualText sentence = StepText(*step, BoardPlaces(puzzle.cells, puzzle.side));
    BilingualText spoken = sentence;
    // A region that cannot be covered is followed by what Check board would take away.
    if (step->kind == StepKind::Region) {
        sentence.Add("\n").Add(StepTakeAwayText(*step));
        spoken.Add(" ").Add(StepTakeAwayText(*step));
    }
    board.Announce(spoken);
    const bool finishable = step->kind != StepKind::Region && step->kind != StepKind::Blocked;
    const MessageIcon icon = finishable ? MessageIcon::None : MessageIcon::Exclamation;
    const bool forced = step->kind == StepKind::Cell || step->kind == StepKind::Element;
    if (!forced || !step->placement) {
        ShowMessage(owner, sentence, kExplainCaption, icon, MessageButtons::Ok);
        return;
    }
    if (ShowMessageWithAction(owner, sentence, kExplainCaption, icon, kPlaceIt) ==
        MessageResult::Action) {
        board.PlaceExplained(*step->placement);
    }
}

}  // namespace tessellix
