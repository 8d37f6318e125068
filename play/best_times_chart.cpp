#include "play/best_times_chart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QToolTip>
#include <algorithm>
#include <numeric>

#include "model/play_clock.h"
#include "platform/window_text.h"

namespace tessellix {

namespace {

const BilingualText kTitle{"Лучшее время по уровням", "Best times by level"};
const BilingualText kFastest{"Самое быстрое", "Fastest"};
const BilingualText kAverage{"Среднее", "Average"};
const BilingualText kTime{"Время", "Time"};

// Steps of the time axis in seconds, each a time that reads round as m:ss.
constexpr std::array<int, 12> kTimeSteps{5, 10, 15, 30, 60, 120, 300, 600, 900, 1800, 3600, 7200};
constexpr int kMostSteps = 5;

QString TimeText(double seconds) {
    return QString::fromStdString(ElapsedText(static_cast<std::int64_t>(seconds + 0.5)));
}

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
    for (const Level level : kLevels) {
        levels->append(Shown(LevelGroup(level)));
    }
    // Qt Charts cuts the last category short though its column has room for it.
    levels->setTruncateLabels(false);
    times = new QCategoryAxis(chart);
    times->setTitleText(Shown(kTime));
    times->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    times->setStartValue(0);
    chart->addAxis(levels, Qt::AlignBottom);
    chart->addAxis(times, Qt::AlignLeft);
    series->attachAxis(levels);
    series->attachAxis(times);
    for (QBarSet* set : {fastest, average}) {
        connect(set, &QBarSet::hovered, this,
                [this, set](bool shown, int level) { ShowBarText(shown, level, set); });
    }
}

void BestTimesChart::Show(const TimesByLevel& bestSecondsByLevel) {
    fastest->remove(0, fastest->count());
    average->remove(0, average->count());
    double longest = 0;
    for (const std::vector<int>& seconds : bestSecondsByLevel) {
        const double least =
            seconds.empty() ? 0 : *std::min_element(seconds.begin(), seconds.end());
        const double mean = seconds.empty() ? 0
                                            : std::accumulate(seconds.begin(), seconds.end(), 0.0) /
                                                  static_cast<double>(seconds.size());
        fastest->append(least);
        average->append(mean);
        longest = std::max(longest, mean);
    }
    // The smallest round step that reaches the longest bar in kMostSteps.
    int step = kTimeSteps.back();
    for (const int candidate : kTimeSteps) {
        if (candidate * kMostSteps >= longest) {
            step = candidate;
            break;
        }
    }
    const int count = std::max(1, static_cast<int>((longest + step - 1) / step));
    for (const QString& label : times->categoriesLabels()) {
        times->remove(label);
    }
    for (int k = 0; k <= count; ++k) {
        times->append(TimeText(k * step), k * step);
    }
    times->setRange(0, count * step);
}

QStringList BestTimesChart::TimeLabels() const {
    return times->categoriesLabels();
}

QStringList BestTimesChart::BarTexts() const {
    QStringList texts;
    for (int level = 0; level < fastest->count(); ++level) {
        for (const QBarSet* set : {fastest, average}) {
            texts << BarText(level, *set);
        }
    }
    return texts;
}

void BestTimesChart::ShowBarText(bool shown, int level, QBarSet* set) {
    if (!shown) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(QCursor::pos(), BarText(level, *set), this);
}

QString BestTimesChart::BarText(int level, const QBarSet& set) const {
    return set.label() + QStringLiteral(", ") + Shown(LevelGroup(kLevels[level])) +
           QStringLiteral(": ") + TimeText(set.at(level));
}

}  // namespace tessellix
