#pragma once

#include <QChartView>
#include <array>
#include <vector>

class QBarSet;
class QValueAxis;

namespace tessellix {

// For each level, easy to hard, the fastest and the average of the best times of its solved
// puzzles, in minutes.
class BestTimesChart : public QChartView {
    Q_OBJECT
  public:
    explicit BestTimesChart(QWidget* parent = nullptr);
    // The best times in seconds of the solved puzzles of each level.
    void Show(const std::array<std::vector<int>, 3>& bestSecondsByLevel);

  private:
    QBarSet* fastest;
    QBarSet* average;
    QValueAxis* minutes;
};

}  // namespace tessellix
