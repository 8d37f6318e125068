#include "model/kept_board.h"

#include <sstream>
#include <string_view>

#include "library/puzzle_file.h"
#include "model/element_set.h"

namespace tessellix {

namespace {

constexpr std::string_view kHintWord = "hint";
// A century of seconds is beyond any board; the cap keeps the clock's arithmetic sound.
constexpr std::int64_t kMostSeconds = 100LL * 366 * 24 * 3600;

const BilingualText kNoTime{"Сохранённая доска не начинается со времени в секундах.",
                            "The kept board does not begin with its time in seconds."};

Failure NoElement(const std::string& word) {
    return Failure(
        BilingualText("В сохранённой доске «" + word + "» — не элемент на клетке.",
                      "The kept board holds \"" + word + "\", which is no element on a cell."));
}

Failure PlacedTwice(char letter) {
    return Failure(BilingualText()
                       .Say("Сохранённая доска кладёт элемент ", "The kept board places ")
                       .Add(std::string(1, letter))
                       .Say(" дважды.", " twice."));
}

}  // namespace

std::string KeptBoard::Encode() const {
    std::string line = std::to_string(seconds);
    if (hintUsed) {
        line += ' ';
        line += kHintWord;
    }
    for (const Placed& element : placed) {
        line += ' ';
        line += kElementLetters[element.element];
        line += std::to_string(element.orientation) + '@' + std::to_string(element.cell.column) +
                ',' + std::to_string(element.cell.row);
    }
    return line;
}

Result<KeptBoard> KeptBoard::Decode(const std::string& line) {
    std::istringstream words(line);
    KeptBoard board;
    if (!(words >> board.seconds) || board.seconds < 0 || board.seconds > kMostSeconds) {
        return Failure(kNoTime);
    }
    const std::string_view letters(kElementLetters);
    std::string word;
    while (words >> word) {
        if (word == kHintWord) {
            board.hintUsed = true;
            continue;
        }
        Placed element;
        char at = 0;
        char comma = 0;
        std::istringstream parts(word.substr(1));
        const std::size_t index = letters.find(word[0]);
        if (index == std::string_view::npos ||
            !(parts >> element.orientation >> at >> element.cell.column >> comma >>
              element.cell.row) ||
            at != '@' || comma != ',' || !parts.eof() || element.orientation < 0 ||
            element.orientation >= kOrientationCount || element.cell.column < 0 ||
            element.cell.column >= kGridSide || element.cell.row < 0 ||
            element.cell.row >= kGridSide) {
            return NoElement(word);
        }
        element.element = static_cast<int>(index);
        for (const Placed& before : board.placed) {
            if (before.element == element.element) {
                return PlacedTwice(word[0]);
            }
        }
        board.placed.push_back(element);
    }
    return board;
}

}  // namespace tessellix
