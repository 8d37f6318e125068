#include "play/best_times_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QValueAxis>
#include <algorithm>
#include <numeric>

#include "platform/window_text.h"

namespace tessellix {

namespace {

const BilingualText kTitle{"Лучшее время по уровням", "Best times by level"};
const BilingualText kFastest{"Самое быстрое", "Fastest"};
const BilingualText kAverage{"Среднее", "Average"};
const BilingualText kMinutes{"Минуты", "Minutes"};
const std::array<BilingualText, 3> kLevelNames{BilingualText{"Лёгкие", "Easy"},
                                               BilingualText{"Средние", "Medium"},
                                               BilingualText{"Сложные", "Hard"}};

}  // namespace

BestTimesChart::BestTimesChart(QWidget* parent) : QChartView(parent) {
    auto* chart = new QChart;
    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
    chart->setTitle(Shown(kTitle));
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* series = new QBarSeries(chart);
    fastest = new QBarSet(Shown(kFastest), series);
    average = new QBarSet(Shown(kAverage), series);
    series->append(fastest);
    series->append(average);
    chart->addSeries(series);
    auto* levels = new QBarCategoryAxis(chart);
    for (const BilingualText& name : kLevelNames) {
        levels->append(Shown(name));
    }
    minutes = new QValueAxis(chart);
    minutes->setTitleText(Shown(kMinutes));
    minutes->setLabelFormat(QStringLiteral("%.1f"));
    chart->addAxis(levels, Qt::AlignBottom);
    chart->addAxis(minutes, Qt::AlignLeft);
    series->attachAxis(levels);
    series->attachAxis(minutes);
}

void BestTimesChart::Show(const std::array<std::vector<int>, 3>& bestSecondsByLevel) {
    fastest->remove(0, fastest->count());
    average->remove(0, average->count());
    double longest = 0;
    for (const std::vector<int>& times : bestSecondsByLevel) {
        const double least = times.empty() ? 0 : *std::min_element(times.begin(), times.end());
        const double mean = times.empty() ? 0
                                          : std::accumulate(times.begin(), times.end(), 0.0) /
                                                static_cast<double>(times.size());
        fastest->append(least / 60);
        average->append(mean / 60);
        longest = std::max(longest, mean / 60);
    }
    minutes->setRange(0, std::max(longest, 1.0));
    minutes->applyNiceNumbers();
}

}  // namespace tessellix
