#include "model/board_input.h"

namespace tessellix {

namespace {

using Kind = InputOutcome::Kind;

Kind KindOf(TransformKind kind) {
    return kind == Mirror ? Kind::Mirrored : Kind::Turned;
}

}  // namespace

BoardInput::BoardInput(PlaySession& board) : session(board) {}

void BoardInput::Dropped(PlaySession::DropResult result, int index, InputOutcome& outcome) {
    outcome.changes.push_back(
        {result == PlaySession::DropResult::WentHome ? Kind::WentHome : Kind::Placed, index});
    outcome.solved = result == PlaySession::DropResult::Solved;
}

bool BoardInput::DropKeyHold(InputOutcome& outcome) {
    const Hand& hand = session.PlayerHand();
    if (hand.HeldByKeys()) {
        const int index = hand.held;
        Dropped(session.Drop(), index, outcome);
    }
    return !outcome.solved;
}

void BoardInput::Press(PixelPoint point, InputOutcome& outcome) {
    pressPoint = lastDragPoint = point;
    const int index = session.ElementAt(point, true);
    if (index < 0) {
        return;
    }
    session.Lift(index, point);
    outcome.changes.push_back({Kind::Lifted, index});
    outcome.mouse = InputOutcome::Mouse::Grab;
}

InputOutcome BoardInput::LeftPressed(PixelPoint point) {
    InputOutcome outcome;
    if (!session.PlayerHand().byMouse && DropKeyHold(outcome)) {
        Press(point, outcome);
    }
    return outcome;
}

InputOutcome BoardInput::PointerMoved(PixelPoint point) {
    InputOutcome outcome;
    const Hand& hand = session.PlayerHand();
    if (hand.byMouse && point != lastDragPoint) {
        session.MoveHeldTo(point);
        lastDragPoint = point;
        outcome.changes.push_back({Kind::Moved, hand.held});
    }
    return outcome;
}

InputOutcome BoardInput::LeftReleased(PixelPoint point) {
    InputOutcome outcome;
    const Hand& hand = session.PlayerHand();
    if (hand.byMouse) {
        const int index = hand.held;
        outcome.mouse = InputOutcome::Mouse::LetGo;
        Dropped(session.Drop(), index, outcome);
    }
    if (point == pressPoint && !outcome.solved) {
        const int index = session.ElementAt(point, false);
        if (index >= 0 && session.TransformAtHome(index, TurnClockwise)) {
            outcome.changes.push_back({Kind::Turned, index});
        }
    }
    return outcome;
}

InputOutcome BoardInput::LeftDoubleClicked(PixelPoint point) {
    InputOutcome outcome;
    if (!DropKeyHold(outcome)) {
        return outcome;
    }
    const int index = session.ElementAt(point, true);
    if (index < 0) {
        return outcome;
    }
    if (!session.Elements()[index].IsAtHome()) {
        session.SendHome(index);
        outcome.changes.push_back({Kind::SentHome, index});
    } else if (!session.PlayerHand().byMouse) {
        Press(point, outcome);
    }
    return outcome;
}

InputOutcome BoardInput::RightReleased(PixelPoint point) {
    InputOutcome outcome;
    if (!DropKeyHold(outcome)) {
        return outcome;
    }
    const int index = session.ElementAt(point, false);
    if (index >= 0 && session.TransformAtHome(index, Mirror)) {
        outcome.changes.push_back({Kind::Mirrored, index});
    }
    return outcome;
}

InputOutcome BoardInput::WheelTurned(int eighthsOfDegree) {
    InputOutcome outcome;
    const int index = session.PlayerHand().held;
    const int before = index >= 0 ? session.Elements()[index].orientation : 0;
    session.WheelTurned(eighthsOfDegree);
    if (index >= 0 && session.Elements()[index].orientation != before) {
        outcome.changes.push_back({Kind::Turned, index});
    }
    return outcome;
}

void BoardInput::ChosenMoved(int columns, int rows, InputOutcome& outcome) {
    const int index = session.PlayerHand().chosen;
    if (index < 0) {
        return;
    }
    const Element& element = session.Elements()[index];
    const bool held = session.PlayerHand().held == index;
    const PixelPoint before{element.x, element.y};
    session.MoveChosen(columns, rows);
    if (!held && session.PlayerHand().held == index) {
        outcome.changes.push_back({Kind::Lifted, index});
    }
    if (PixelPoint{element.x, element.y} != before) {
        outcome.changes.push_back({Kind::Moved, index});
    }
}

void BoardInput::ChosenTransformed(TransformKind kind, InputOutcome& outcome) {
    const int index = session.PlayerHand().chosen;
    if (index < 0) {
        return;
    }
    const Element& element = session.Elements()[index];
    const bool held = session.PlayerHand().held == index;
    const int before = element.orientation;
    session.TransformChosen(kind);
    if (!held && session.PlayerHand().held == index) {
        outcome.changes.push_back({Kind::Lifted, index});
    }
    if (element.orientation != before) {
        outcome.changes.push_back({KindOf(kind), index});
    }
}

void BoardInput::ChosenSentHome(InputOutcome& outcome) {
    const int index = session.PlayerHand().chosen;
    if (index < 0 || session.Elements()[index].IsAtHome()) {
        return;
    }
    session.SendChosenHome();
    outcome.changes.push_back({Kind::SentHome, index});
}

InputOutcome BoardInput::KeyPressed(BoardKey key) {
    InputOutcome outcome;
    const Hand& hand = session.PlayerHand();
    const TransformKind turn = key == BoardKey::ShiftSpace ? Mirror : TurnClockwise;
    if (hand.byMouse) {
        if (key == BoardKey::Space || key == BoardKey::ShiftSpace) {
            const int index = hand.held;
            session.TurnHeld(turn);
            outcome.changes.push_back({KindOf(turn), index});
        } else {
            outcome.refused = true;
        }
        return outcome;
    }
    switch (key) {
        case BoardKey::Tab:
        case BoardKey::Backtab:
            if (!hand.Holding()) {
                session.Choose(key == BoardKey::Backtab ? -1 : 1);
                if (hand.chosen >= 0) {
                    outcome.changes.push_back({Kind::Chosen, hand.chosen});
                }
            }
            break;
        case BoardKey::Left:
            ChosenMoved(-1, 0, outcome);
            break;
        case BoardKey::Right:
            ChosenMoved(1, 0, outcome);
            break;
        case BoardKey::Up:
            ChosenMoved(0, -1, outcome);
            break;
        case BoardKey::Down:
            ChosenMoved(0, 1, outcome);
            break;
        case BoardKey::Space:
        case BoardKey::ShiftSpace:
            ChosenTransformed(turn, outcome);
            break;
        case BoardKey::Return:
            if (const std::optional<PlaySession::DropResult> result = session.DropChosen()) {
                Dropped(*result, hand.chosen, outcome);
            }
            break;
        case BoardKey::Escape:
        case BoardKey::Delete:
            ChosenSentHome(outcome);
            break;
    }
    return outcome;
}

InputOutcome BoardInput::PlaceJumped(int step) {
    InputOutcome outcome;
    const Hand& hand = session.PlayerHand();
    if (hand.byMouse) {
        outcome.refused = true;
        return outcome;
    }
    if (hand.chosen < 0) {
        session.Choose(1);
        if (hand.chosen < 0) {
            return outcome;
        }
        outcome.changes.push_back({Kind::Chosen, hand.chosen});
    }
    const int index = hand.chosen;
    const bool held = hand.held == index;
    if (session.JumpChosen(step)) {
        if (!held) {
            outcome.changes.push_back({Kind::Lifted, index});
        }
        outcome.changes.push_back({Kind::Moved, index});
    }
    return outcome;
}

}  // namespace tessellix
