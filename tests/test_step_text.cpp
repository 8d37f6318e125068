// Explained steps and level reasons in words, in both languages: the Russian count forms after
// 1, 2 to 4, 5 and 21, "1 free cell", cells named as board places.

#include <QtTest>

#include "answers/step_text.h"

Q_DECLARE_METATYPE(tessellix::BilingualText)

namespace tessellix {

namespace {

// A 10 x 10 puzzle at the matrix's top-left corner: cell (column, row) is place (row + 1,
// column + 1).
const BoardPlaces kPlaces(std::vector<int>(100, 1), 10);

ExplainedStep Region(int cells) {
    ExplainedStep step;
    step.kind = StepKind::Region;
    for (int at = 0; at < cells; ++at) {
        step.cells.push_back({8 + at % 2, 4 + at / 2});
    }
    step.takeAway = {7};
    return step;
}

PathSummary Path(int forcedBefore, int firstGuessWays, int guesses) {
    return {forcedBefore + 3, forcedBefore, firstGuessWays, guesses, true};
}

// The row's text against its Russian and English columns.
void CompareBothParts() {
    QFETCH(BilingualText, text);
    QTEST(QString::fromStdString(text.In(Language::Russian)), "russian");
    QTEST(QString::fromStdString(text.In(Language::English)), "english");
}

}  // namespace

class StepTextTest : public QObject {
    Q_OBJECT
  private slots:
    void stepsReadInBothLanguages_data() {
        QTest::addColumn<BilingualText>("text");
        QTest::addColumn<QString>("russian");
        QTest::addColumn<QString>("english");
        QTest::newRow("region of one cell")
            << StepText(Region(1), kPlaces) << "1 свободная клетка от ряда 5, столбца 9 не покрыть."
            << "The 1 free cell from row 5, column 9 cannot be covered.";
        QTest::newRow("region of four cells")
            << StepText(Region(4), kPlaces) << "4 свободные клетки от ряда 5, столбца 9 не покрыть."
            << "The 4 free cells from row 5, column 9 cannot be covered.";
        QTest::newRow("region of six cells")
            << StepText(Region(6), kPlaces) << "6 свободных клеток от ряда 5, столбца 9 не покрыть."
            << "The 6 free cells from row 5, column 9 cannot be covered.";
        QTest::newRow("region of twenty-one cells")
            << StepText(Region(21), kPlaces)
            << "21 свободная клетка от ряда 5, столбца 9 не покрыть."
            << "The 21 free cells from row 5, column 9 cannot be covered.";
        QTest::newRow("a region's take-away")
            << StepTakeAwayText(Region(4)) << "Доску уже не заполнить. Уберите: F."
            << "The board cannot be finished. Take away: F.";
        QTest::newRow("blocked: Check board's answer")
            << StepText({StepKind::Blocked, {}, {}, {}, 0, {}, {10}}, kPlaces)
            << "Доску уже не заполнить. Уберите: X."
            << "The board cannot be finished. Take away: X.";
        const PlacedElement l{1, {}};
        QTest::newRow("cell") << StepText({StepKind::Cell, {{0, 2}}, l, {}, 0, {}, {}}, kPlaces)
                              << "Только L может покрыть ряд 3, столбец 1."
                              << "Only the L can cover row 3, column 1.";
        QTest::newRow("element")
            << StepText({StepKind::Element, {}, PlacedElement{10, {}}, {}, 0, {}, {}}, kPlaces)
            << "X помещается только в одном месте."
            << "The X fits in one place only.";
        const ExplainedStep guess{StepKind::Guess, {{6, 1}}, PlacedElement{11, {}}, {}, 3,
                                  {1, 2, 11},      {}};
        QTest::newRow("guess")
            << StepText(guess, kPlaces)
            << "Здесь ничего не вынуждено. Меньше всего способов у ряда 2, столбца 7: 3 (L, Y, P)."
            << "Nothing is forced here. Row 2, column 7 has the fewest ways: 3 (L, Y, P).";
        QTest::newRow("the option a path takes") << GuessTakenText(guess) << "Попробуем P."
                                                 << "Try the P there.";
    }
    void stepsReadInBothLanguages() { CompareBothParts(); }

    void levelReasonsReadInBothLanguages_data() {
        QTest::addColumn<BilingualText>("text");
        QTest::addColumn<QString>("russian");
        QTest::addColumn<QString>("english");
        QTest::newRow("forced steps alone")
            << LevelReasonText(Level::Easy, {12, 12, 0, 0, true}) << "лёгкий: 12 вынужденных шагов"
            << "easy: 12 forced steps";
        QTest::newRow("one forced step")
            << LevelReasonText(Level::Easy, {1, 1, 0, 0, true}) << "лёгкий: 1 вынужденный шаг"
            << "easy: 1 forced step";
        QTest::newRow("one guess after forced steps")
            << LevelReasonText(Level::Medium, Path(22, 3, 1))
            << "средний: 22 вынужденных шага, затем выбор из 3"
            << "medium: 22 forced steps, then a guess among 3";
        QTest::newRow("more guesses")
            << LevelReasonText(Level::Medium, Path(7, 3, 5))
            << "средний: 7 вынужденных шагов, затем выбор из 3, всего 5 выборов"
            << "medium: 7 forced steps, then a guess among 3, 5 guesses in all";
        QTest::newRow("a guess at the start")
            << LevelReasonText(Level::Hard, Path(0, 24, 2))
            << "сложный: выбор из 24 в самом начале, всего 2 выбора"
            << "hard: a guess among 24 at the start, 2 guesses in all";
        QTest::newRow("no cover: no reason") << LevelReasonText(Level::Hard, {}) << ""
                                             << "";
    }
    void levelReasonsReadInBothLanguages() { CompareBothParts(); }
};

}  // namespace tessellix

QTEST_APPLESS_MAIN(tessellix::StepTextTest)
#include "test_step_text.moc"
