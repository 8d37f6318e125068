#pragma once

#include <QChartView>
#include <array>
#include <vector>

#include "library/level_words.h"

class QBarSet;
class QCategoryAxis;

namespace tessellix {

// For each level, easy to hard, the fastest and the average of the best times of its solved
// puzzles, read as m:ss on the axis and in each bar's tooltip.
class BestTimesChart : public QChartView {
    Q_OBJECT
  public:
    using TimesByLevel = std::array<std::vector<int>, kLevels.size()>;

    explicit BestTimesChart(QWidget* parent = nullptr);
    // The best times in seconds of the solved puzzles of each level.
    void Show(const TimesByLevel& bestSecondsByLevel);

    // The time axis' labels from the bottom, for tests.
    QStringList TimeLabels() const;
    // Each bar's tooltip, fastest then average, easy to hard, for tests.
    QStringList BarTexts() const;

  private:
    void ShowBarText(bool shown, int level, QBarSet* set);
    // "Fastest, Easy: 0:43".
    QString BarText(int level, const QBarSet& set) const;

    QBarSet* fastest;
    QBarSet* average;
    QCategoryAxis* times;
};

}  // namespace tessellix
