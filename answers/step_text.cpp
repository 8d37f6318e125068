#include "answers/step_text.h"

#include <cctype>
#include <string>

#include "answers/board_answer_text.h"
#include "model/element_set.h"

namespace tessellix {

namespace {

std::string Letter(int element) {
    return std::string(1, kElementLetters[element]);
}

BoardPlace PlaceOf(const BoardPlaces& places, GridCell cell) {
    return places.PlaceOf(cell).value_or(BoardPlace{});
}

// "12 forced steps" / "12 вынужденных шагов".
BilingualText ForcedSteps(int count) {
    const std::string number = std::to_string(count);
    return {number + " " +
                RussianCountForm(count, "вынужденный шаг", "вынужденных шага", "вынужденных шагов"),
            number + (count == 1 ? " forced step" : " forced steps")};
}

}  // namespace

BilingualText StepText(const ExplainedStep& step, const BoardPlaces& places) {
    switch (step.kind) {
        case StepKind::Region: {
            const auto count = static_cast<unsigned long long>(step.cells.size());
            const std::string number = std::to_string(count);
            return BilingualText()
                .Say(number + " " +
                         RussianCountForm(count, "свободная клетка", "свободные клетки",
                                          "свободных клеток") +
                         " от ",
                     "The " + number + (count == 1 ? " free cell" : " free cells") + " from ")
                .Add(PlaceOfText(PlaceOf(places, step.cells.front())))
                .Say(" не покрыть.", " cannot be covered.");
        }
        case StepKind::Blocked:
            return StepTakeAwayText(step);
        case StepKind::Cell: {
            const std::string letter = Letter(step.placement->element);
            return BilingualText()
                .Say("Только " + letter + " может покрыть ", "Only the " + letter + " can cover ")
                .Add(PlaceText(PlaceOf(places, step.cells.front())))
                .Add(".");
        }
        case StepKind::Element: {
            const std::string letter = Letter(step.placement->element);
            return {letter + " помещается только в одном месте.",
                    "The " + letter + " fits in one place only."};
        }
        case StepKind::Guess: {
            const BoardPlace place = PlaceOf(places, step.cells.front());
            std::string subject = PlaceText(place).In(Language::English);
            subject[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(subject[0])));
            std::string letters;
            for (int element : step.wayElements) {
                letters += (letters.empty() ? "" : ", ") + Letter(element);
            }
            const std::string ways = ": " + std::to_string(step.ways) + " (" + letters + ").";
            return BilingualText()
                .Say("Здесь ничего не вынуждено. Меньше всего способов у ",
                     "Nothing is forced here. " + subject + " has the fewest ways")
                .Say(PlaceOfText(place).In(Language::Russian), "")
                .Add(ways);
        }
    }
    return {};
}

BilingualText GuessTakenText(const ExplainedStep& step) {
    if (!step.placement) {
        return {};
    }
    const std::string letter = Letter(step.placement->element);
    return {"Попробуем " + letter + ".", "Try the " + letter + " there."};
}

BilingualText StepTakeAwayText(const ExplainedStep& step) {
    if (step.kind != StepKind::Region && step.kind != StepKind::Blocked) {
        return {};
    }
    return CheckText({false, 0, step.takeAway});
}

BilingualText LevelReasonText(Level level, const PathSummary& summary) {
    if (!summary.reachesCover) {
        return {};
    }
    BilingualText reason = LevelWord(level);
    reason.Add(": ");
    if (summary.guesses == 0) {
        return reason.Add(ForcedSteps(summary.forcedSteps));
    }
    const std::string ways = std::to_string(summary.firstGuessWays);
    if (summary.forcedBefore == 0) {
        reason.Say("выбор из " + ways + " в самом начале",
                   "a guess among " + ways + " at the start");
    } else {
        reason.Add(ForcedSteps(summary.forcedBefore))
            .Say(", затем выбор из ", ", then a guess among ")
            .Add(ways);
    }
    if (summary.guesses > 1) {
        const std::string number = std::to_string(summary.guesses);
        reason.Say(", всего " + number + " " +
                       RussianCountForm(summary.guesses, "выбор", "выбора", "выборов"),
                   ", " + number + " guesses in all");
    }
    return reason;
}

}  // namespace tessellix
