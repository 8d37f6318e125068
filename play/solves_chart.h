#pragma once

#include <QChartView>
#include <map>

#include "library/calendar_date.h"

class QCategoryAxis;
class QBarSet;
class QValueAxis;

namespace tessellix {

// A bar for each of the last kDays days up to today: how many puzzles were solved on it.
class SolvesChart : public QChartView {
    Q_OBJECT
  public:
    static constexpr int kDays = 30;

    explicit SolvesChart(QWidget* parent = nullptr);
    void Show(const std::map<CalendarDate, int>& solvesPerDay, CalendarDate today);

    // The bars' values, oldest day first, for tests.
    QList<qreal> Values() const;

  private:
    QBarSet* bars;
    QCategoryAxis* days;
    QValueAxis* counts;
};

}  // namespace tessellix
