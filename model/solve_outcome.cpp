#include "model/solve_outcome.h"

#include "library/daily_names.h"
#include "model/orientation_table.h"
#include "model/play_session.h"

namespace tessellix {

namespace {

// Whether every used element lies on the cells that its stored placement gives it.
bool SolvedAsStored(const PlaySession& session) {
    const OrientationTable& table = OrientationTable::Standard();
    const BoardState board = session.State();
    for (const Element& element : session.Elements()) {
        const Placement stored = element.StoredSolution();
        const ElementState& now = board[element.id];
        if (element.excluded == 0 &&
            (!stored.IsStored() || now.placed != GridCell{stored.column, stored.row} ||
             table.Canonical(element.id, now.orientation) !=
                 table.Canonical(element.id, stored.Orientation()))) {
            return false;
        }
    }
    return true;
}

}  // namespace

SolveOutcome SolveOutcome::Decide(const PlaySession& session, const CalendarDate& today) {
    SolveOutcome outcome;
    const PuzzleRecord* record = session.CurrentRecord();
    if (record == nullptr) {
        return outcome;
    }
    outcome.solve = Solve{record->fileName, static_cast<int>(session.Clock().ElapsedSeconds()),
                          session.HintUsed(), today, DailyDateOf(record->names)};
    outcome.storing = !session.HasStoredPlacement() ? Storing::Write
                      : SolvedAsStored(session)     ? Storing::Same
                                                    : Storing::Ask;
    outcome.path = session.Library().PathOf(*record);
    outcome.records = session.SolutionRecords();
    outcome.next = session.CurrentPuzzleIndex() + 1 < session.Library().count() ? Next::NextPuzzle
                                                                                : Next::StayOnLast;
    return outcome;
}

}  // namespace tessellix
