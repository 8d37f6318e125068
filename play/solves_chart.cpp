#include "play/solves_chart.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QValueAxis>
#include <algorithm>

#include "platform/window_text.h"

namespace tessellix {

namespace {

// Every fifth day is named on the axis, today last: thirty names do not fit below the bars.
constexpr int kNamedEvery = 5;

const BilingualText kTitle{"Решено за последние 30 дней", "Solved in the last 30 days"};
const BilingualText kSolves{"Решений", "Solves"};

}  // namespace

SolvesChart::SolvesChart(QWidget* parent) : QChartView(parent) {
    auto* chart = new QChart;
    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
    chart->setTitle(Shown(kTitle));
    chart->legend()->hide();
    auto* series = new QBarSeries(chart);
    bars = new QBarSet(Shown(kSolves), series);
    series->append(bars);
    chart->addSeries(series);
    days = new QCategoryAxis(chart);
    days->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    days->setRange(-0.5, kDays - 0.5);
    days->setStartValue(-0.5);
    days->setGridLineVisible(false);
    counts = new QValueAxis(chart);
    counts->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(days, Qt::AlignBottom);
    chart->addAxis(counts, Qt::AlignLeft);
    series->attachAxis(days);
    series->attachAxis(counts);
}

void SolvesChart::Show(const std::map<CalendarDate, int>& solvesPerDay, CalendarDate today) {
    for (const QString& label : days->categoriesLabels()) {
        days->remove(label);
    }
    QList<qreal> values;
    int most = 0;
    for (int back = kDays - 1; back >= 0; --back) {
        const CalendarDate day = today.AddDays(-back);
        const int at = kDays - 1 - back;
        if (back % kNamedEvery == 0) {
            days->append(
                QStringLiteral("%1.%2").arg(day.day).arg(day.month, 2, 10, QLatin1Char('0')), at);
        }
        const auto found = solvesPerDay.find(day);
        const int count = found == solvesPerDay.end() ? 0 : found->second;
        values.append(count);
        most = std::max(most, count);
    }
    bars->remove(0, bars->count());
    bars->append(values);
    // Whole solves on the axis, at most five steps up to the top.
    const int step = std::max(1, (most + 4) / 5);
    counts->setTickType(QValueAxis::TicksDynamic);
    counts->setTickAnchor(0);
    counts->setTickInterval(step);
    counts->setRange(0, step * std::max(1, (most + step - 1) / step));
}

QList<qreal> SolvesChart::Values() const {
    QList<qreal> values;
    for (int i = 0; i < bars->count(); ++i) {
        values.append(bars->at(i));
    }
    return values;
}

}  // namespace tessellix
