// The board's answers in words, in both languages: the count of ways with the Russian
// instrumental's singular after 1, 21, 31 ..., the cap, the elements to take away, and why a
// hint from here placed nothing.

#include <QtTest>

#include "answers/board_answer_text.h"

Q_DECLARE_METATYPE(tessellix::BilingualText)

namespace tessellix {

class BoardAnswerTextTest : public QObject {
    Q_OBJECT
  private slots:
    void answersReadInBothLanguages_data() {
        QTest::addColumn<BilingualText>("text");
        QTest::addColumn<QString>("russian");
        QTest::addColumn<QString>("english");
        const auto ways = [](std::uint64_t count) { return CheckText({true, count, {}}); };
        QTest::newRow("one way") << ways(1) << "Доску ещё можно заполнить 1 способом"
                                 << "The board can still be finished in 1 way";
        QTest::newRow("two ways") << ways(2) << "Доску ещё можно заполнить 2 способами"
                                  << "The board can still be finished in 2 ways";
        QTest::newRow("eleven takes the plural")
            << ways(11) << "Доску ещё можно заполнить 11 способами"
            << "The board can still be finished in 11 ways";
        QTest::newRow("twenty-one the singular")
            << ways(21) << "Доску ещё можно заполнить 21 способом"
            << "The board can still be finished in 21 ways";
        QTest::newRow("above the cap")
            << ways(kWaysCap + 1) << "Доску ещё можно заполнить более чем 10000 способами"
            << "The board can still be finished in more than 10000 ways";
        QTest::newRow("elements to take away, in the order placed")
            << CheckText({false, 0, {7, 1}}) << "Доску уже не заполнить. Уберите: F, L."
            << "The board cannot be finished. Take away: F, L.";
        QTest::newRow("a puzzle without solution")
            << CheckText({false, 0, {}}) << "Доску не заполнить: у задания нет решения."
            << "The board cannot be finished: the puzzle has no solution.";
        QTest::newRow("a hint refused on a board that cannot be finished")
            << HintRefusalText({false, std::nullopt, {10}}) << "Доску уже не заполнить. Уберите: X."
            << "The board cannot be finished. Take away: X.";
        QTest::newRow("a hint refused on a solved board")
            << HintRefusalText({true, std::nullopt, {}}) << "Доска заполнена."
            << "The board is solved.";
    }
    void answersReadInBothLanguages() {
        QFETCH(BilingualText, text);
        QTEST(QString::fromStdString(text.In(Language::Russian)), "russian");
        QTEST(QString::fromStdString(text.In(Language::English)), "english");
    }
};

}  // namespace tessellix

QTEST_APPLESS_MAIN(tessellix::BoardAnswerTextTest)
#include "test_board_answer_text.moc"
