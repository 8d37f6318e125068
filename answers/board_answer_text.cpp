#include "answers/board_answer_text.h"

#include <string>

#include "model/element_set.h"

namespace tessellix {

BilingualText CheckText(const BoardCheck& check) {
    if (check.finishable) {
        const std::uint64_t ways = check.ways;
        const bool beyond = ways > kWaysCap;
        const std::string count = (beyond ? "" : std::to_string(ways));
        // The Russian instrumental: 1, 21, 31 ... take the singular.
        const bool one = !beyond && ways % 10 == 1 && ways % 100 != 11;
        return BilingualText()
            .Say("Доску ещё можно заполнить ", "The board can still be finished in ")
            .Say(beyond ? "более чем " + std::to_string(kWaysCap) : count,
                 beyond ? "more than " + std::to_string(kWaysCap) : count)
            .Say(one ? " способом" : " способами", ways == 1 ? " way" : " ways");
    }
    if (check.takeAway.empty()) {
        return {"Доску не заполнить: у задания нет решения.",
                "The board cannot be finished: the puzzle has no solution."};
    }
    std::string letters;
    for (const int element : check.takeAway) {
        letters += (letters.empty() ? "" : ", ") + std::string(1, kElementLetters[element]);
    }
    return BilingualText()
        .Say("Доску уже не заполнить. Уберите: ", "The board cannot be finished. Take away: ")
        .Add(letters + ".");
}

BilingualText HintRefusalText(const BoardHint& hint) {
    if (hint.finishable) {
        return SolvedBoardText();
    }
    return CheckText({false, 0, hint.takeAway});
}

BilingualText SolvedBoardText() {
    return {"Доска заполнена.", "The board is solved."};
}

}  // namespace tessellix
