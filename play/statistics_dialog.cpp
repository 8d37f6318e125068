#include "play/statistics_dialog.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>
#include <limits>
#include <set>

#include "library/level_words.h"
#include "library/puzzle_library.h"
#include "library/settings.h"
#include "model/play_clock.h"
#include "platform/message_box.h"
#include "platform/program_paths.h"
#include "platform/window_text.h"
#include "play/best_times_chart.h"
#include "play/level_survey.h"
#include "play/solves_chart.h"

namespace tessellix {

namespace {

constexpr int kLevelCount = static_cast<int>(kLevels.size());
// A table of a few hundred puzzles is a few kilobytes; a larger file is none of ours.
constexpr qint64 kShippedLevelsLimit = 1 << 20;
// What a table item sorts by, where its text would sort wrongly.
constexpr int kSortRole = Qt::UserRole;
// The index into the dialog's rows, kept on the first item of a table row.
constexpr int kRowRole = Qt::UserRole + 1;

enum Column { NumberColumn, NameColumn, LevelColumn, BestColumn, SolvesColumn, HintColumn };

const BilingualText kTitle{"Статистика", "Statistics"};
const std::array<BilingualText, 6> kColumnTitles{
    BilingualText{"№", "No."},          BilingualText{"Задание", "Puzzle"},
    BilingualText{"Уровень", "Level"},  BilingualText{"Лучшее время", "Best time"},
    BilingualText{"Решений", "Solves"}, BilingualText{"Подсказка", "Hint"}};
const BilingualText kYes{"да", "yes"};
const BilingualText kReset{"Сбросить статистику", "Reset statistics"};
const BilingualText kClose{"Закрыть", "Close"};
const BilingualText kSolvesChartName{"Решения за 30 дней", "Solves of the last 30 days"};
const BilingualText kSolvesChartShows{
    "Столбец на каждый из последних 30 дней, последний сегодня: сколько заданий в тот день решено",
    "A bar for each of the last 30 days, today last: how many puzzles were solved that day"};
const BilingualText kBestTimesChartName{"Лучшее время по уровням", "Best times by level"};
const BilingualText kBestTimesChartShows{
    "Для каждого уровня, от лёгкого к трудному, самое быстрое и среднее лучшее время решённых "
    "заданий",
    "For each level, easy to hard, the fastest and the average best time of its solved puzzles"};
const BilingualText kResetQuestion{
    "Сбросить статистику?\nВсе рекорды, серии и отметки о решённых заданиях будут удалены.",
    "Reset the statistics?\nAll records, streaks and solved marks will be deleted."};

// Sorts by its number in kSortRole where it has one, else by its text.
class KeyedItem : public QTableWidgetItem {
  public:
    KeyedItem(const QString& text, std::optional<qlonglong> key) : QTableWidgetItem(text) {
        if (key) {
            setData(kSortRole, *key);
        }
        setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        const QVariant mine = data(kSortRole);
        const QVariant theirs = other.data(kSortRole);
        if (mine.isValid() && theirs.isValid()) {
            return mine.toLongLong() < theirs.toLongLong();
        }
        return text().localeAwareCompare(other.text()) < 0;
    }
};

// A level's word in the table; a dash for a file that is no puzzle to rate.
QString LevelText(int level) {
    const std::optional<Level> known = LevelAt(level);
    return known ? Shown(LevelWord(*known)) : QStringLiteral("—");
}

QString OfText(int part, int whole) {
    return Shown(
        BilingualText().Add(std::to_string(part)).Say(" из ", " of ").Add(std::to_string(whole)));
}

}  // namespace

StatisticsDialog::StatisticsDialog(const PuzzleLibrary& puzzleLibrary, Settings& options,
                                   ShippedLevels shippedLevels, CalendarDate date, QWidget* owner)
    : QDialog(owner),
      library(puzzleLibrary),
      settings(options),
      shipped(std::move(shippedLevels)),
      records(SolveRecords::PathBeside(options.Path())),
      today(date),
      solvedLabel(new QLabel(this)),
      levelsLabel(new QLabel(this)),
      streakLabel(new QLabel(this)),
      dailyLabel(new QLabel(this)),
      ratingLabel(new QLabel(this)),
      table(new QTableWidget(this)),
      solvesChart(new SolvesChart(this)),
      bestTimesChart(new BestTimesChart(this)),
      resetButton(new QPushButton(Shown(kReset), this)),
      closeButton(new QPushButton(Shown(kClose), this)) {
    setWindowTitle(Shown(kTitle));
    solvedLabel->setObjectName(QStringLiteral("solvedLabel"));
    levelsLabel->setObjectName(QStringLiteral("levelsLabel"));
    streakLabel->setObjectName(QStringLiteral("streakLabel"));
    dailyLabel->setObjectName(QStringLiteral("dailyLabel"));
    ratingLabel->setObjectName(QStringLiteral("ratingLabel"));
    table->setObjectName(QStringLiteral("puzzleTable"));
    solvesChart->setObjectName(QStringLiteral("solvesChart"));
    bestTimesChart->setObjectName(QStringLiteral("bestTimesChart"));
    table->setAccessibleName(Shown({"Задания", "Puzzles"}));
    solvesChart->setAccessibleName(Shown(kSolvesChartName));
    solvesChart->setAccessibleDescription(Shown(kSolvesChartShows));
    bestTimesChart->setAccessibleName(Shown(kBestTimesChartName));
    bestTimesChart->setAccessibleDescription(Shown(kBestTimesChartShows));
    resetButton->setObjectName(QStringLiteral("resetButton"));
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setDefault(true);

    table->setColumnCount(static_cast<int>(kColumnTitles.size()));
    QStringList titles;
    for (const BilingualText& title : kColumnTitles) {
        titles.append(Shown(title));
    }
    table->setHorizontalHeaderLabels(titles);
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    // Every title whole in both languages: the name takes what the others leave.
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    table->horizontalHeader()->setSortIndicatorShown(true);
    table->horizontalHeader()->setSortIndicator(NumberColumn, Qt::AscendingOrder);

    auto* layout = new QVBoxLayout(this);
    for (QLabel* label : {solvedLabel, levelsLabel, streakLabel, dailyLabel, ratingLabel}) {
        layout->addWidget(label);
    }
    layout->addWidget(table, 1);
    auto* charts = new QHBoxLayout;
    charts->addWidget(solvesChart);
    charts->addWidget(bestTimesChart);
    solvesChart->setMinimumHeight(260);
    layout->addLayout(charts);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(resetButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
    resize(820, 700);

    connect(resetButton, &QPushButton::clicked, this, &StatisticsDialog::ResetStatistics);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    // Without a window manager the keyboard would stay with the closed dialog.
    connect(this, &QDialog::finished, this, [this] {
        if (QWidget* window = parentWidget()) {
            window->window()->activateWindow();
        }
    });
    Fill();
}

StatisticsDialog::~StatisticsDialog() {
    // What was rated before the dialog closed need not be rated again.
    StoreNewLevels();
}

ShippedLevels StatisticsDialog::ShippedWithThisRun() {
    const ProgramLocations& locations = CurrentLocations();
    const QString path = (locations.installed ? locations.shippedFolder : locations.dataFolder) +
                         QString::fromLatin1(ShippedLevels::kFileName);
    // Regular files only: a FIFO of that name would hold the window until someone wrote to it.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return ShippedLevels::Parse(file.read(kShippedLevelsLimit).toStdString());
}

bool StatisticsDialog::Rating() const {
    return survey != nullptr && survey->Running();
}

void StatisticsDialog::Fill() {
    content = records.Read();
    std::vector<std::string> fileNames;
    for (const PuzzleRecord& record : library) {
        fileNames.push_back(record.fileName);
    }
    const std::vector<SolvedMark> marks = settings.ReadSolvedMarks(fileNames);
    const bool firstFill = rows.empty();
    std::vector<std::string> toRate;
    int index = 0;
    for (const PuzzleRecord& record : library) {
        if (firstFill) {
            Row row;
            row.number = NumberOf(record.fileName);
            row.name = Shown(record.names);
            row.fileName = record.fileName;
            row.path = library.PathOf(record);
            row.stamp = StampOf(row.path);
            if (const std::optional<int> level = KnownLevel(row)) {
                row.rated = true;
                row.level = *level;
            } else {
                surveyed.push_back(index);
                toRate.push_back(row.path);
            }
            rows.push_back(row);
        }
        Row& row = rows[index];
        const PuzzleStats* stats = content.Find(row.fileName);
        row.stats = stats != nullptr ? std::optional(*stats) : std::nullopt;
        row.solved = stats != nullptr || marks[index] != SolvedMark::None;
        ++index;
    }
    if (!toRate.empty()) {
        survey = new LevelSurvey(this);
        connect(survey, &LevelSurvey::rated, this, &StatisticsDialog::OnRated);
        connect(survey, &LevelSurvey::finished, this, &StatisticsDialog::OnRatingFinished);
        survey->Start(std::move(toRate));
    }
    ShowSummary();
    ShowTable();
    ShowCharts();
}

std::optional<int> StatisticsDialog::KnownLevel(const Row& row) const {
    if (!shipped.IsEmpty()) {
        const PuzzleFileContents contents = ReadPuzzleFile(row.path);
        const std::optional<Level> level =
            contents.HasCells() ? shipped.Find(contents.data) : std::nullopt;
        if (level) {
            return static_cast<int>(*level);
        }
    }
    return row.stamp ? content.LevelOf(row.fileName, *row.stamp) : std::nullopt;
}

void StatisticsDialog::ShowSummary() {
    int solved = 0;
    std::array<int, kLevelCount> total{};
    std::array<int, kLevelCount> solvedAt{};
    int unrated = 0;
    for (const Row& row : rows) {
        solved += row.solved ? 1 : 0;
        if (!row.rated) {
            ++unrated;
        } else if (row.level >= 0) {
            ++total[row.level];
            solvedAt[row.level] += row.solved ? 1 : 0;
        }
    }
    solvedLabel->setText(Shown(BilingualText("Решено: ", "Solved: ")) +
                         OfText(solved, static_cast<int>(rows.size())));
    QStringList levels;
    for (int level = 0; level < kLevelCount; ++level) {
        levels.append(Shown(LevelGroup(kLevels[level])) + QStringLiteral(": ") +
                      OfText(solvedAt[level], total[level]));
    }
    levelsLabel->setText(levels.join(QStringLiteral(" · ")));

    std::set<CalendarDate> days;
    for (const auto& [day, count] : content.solvesPerDay) {
        days.insert(day);
    }
    std::set<CalendarDate> dailyOnTheDay;
    for (const auto& [day, solvedOn] : content.dailySolved) {
        if (day == solvedOn) {
            dailyOnTheDay.insert(day);
        }
    }
    streakLabel->setText(
        Shown(BilingualText()
                  .Say("Дней подряд с решением: сейчас ", "Days in a row with a solve: now ")
                  .Add(std::to_string(CurrentStreak(days, today)))
                  .Say(", самая длинная серия ", ", longest ")
                  .Add(std::to_string(LongestStreak(days)))));
    dailyLabel->setText(Shown(BilingualText()
                                  .Say("Задания дня: решено ", "Puzzles of the day: solved ")
                                  .Add(std::to_string(content.dailySolved.size()))
                                  .Say(", в свой день подряд: ", ", on their day in a row: ")
                                  .Add(std::to_string(CurrentStreak(dailyOnTheDay, today)))));
    ratingLabel->setVisible(unrated > 0);
    ratingLabel->setText(
        Shown(BilingualText("Оценка уровней: ", "Rating levels: ")) +
        OfText(static_cast<int>(rows.size()) - unrated, static_cast<int>(rows.size())) +
        QStringLiteral("…"));
}

void StatisticsDialog::ShowTable() {
    table->setSortingEnabled(false);
    table->setRowCount(static_cast<int>(rows.size()));
    const qlonglong never = std::numeric_limits<qlonglong>::max();
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const Row& row = rows[i];
        const PuzzleStats* stats = row.stats ? &*row.stats : nullptr;
        auto* number = new KeyedItem(QString::number(row.number), row.number);
        number->setData(kRowRole, i);
        table->setItem(i, NumberColumn, number);
        table->setItem(i, NameColumn, new KeyedItem(row.name, std::nullopt));
        const QString level = !row.rated ? QStringLiteral("…") : LevelText(row.level);
        table->setItem(i, LevelColumn,
                       new KeyedItem(level, row.rated && row.level >= 0 ? row.level : kLevelCount));
        table->setItem(i, BestColumn,
                       new KeyedItem(stats ? QString::fromStdString(ElapsedText(stats->bestSeconds))
                                           : QString(),
                                     stats ? stats->bestSeconds : never));
        table->setItem(i, SolvesColumn,
                       new KeyedItem(stats ? QString::number(stats->solves) : QString(),
                                     stats ? stats->solves : 0));
        const bool hinted = stats != nullptr && stats->bestWithHint;
        table->setItem(i, HintColumn, new KeyedItem(hinted ? Shown(kYes) : QString(), hinted));
    }
    // Sorts by the column and the order the header shows.
    table->setSortingEnabled(true);
}

void StatisticsDialog::ShowCharts() {
    solvesChart->Show(content.solvesPerDay, today);
    BestTimesChart::TimesByLevel bestByLevel;
    for (const Row& row : rows) {
        // A best time with a hint means no solve without one: a hint that lays the pieces is no
        // record.
        if (row.stats && !row.stats->bestWithHint && row.rated && row.level >= 0) {
            bestByLevel[row.level].push_back(row.stats->bestSeconds);
        }
    }
    bestTimesChart->Show(bestByLevel);
}

void StatisticsDialog::OnRated(int index, int level) {
    Row& row = rows[surveyed[index]];
    row.rated = true;
    row.level = level;
    if (row.stamp && level >= 0) {
        newLevels[row.fileName] = {*row.stamp, level};
    }
    for (int r = 0; r < table->rowCount(); ++r) {
        QTableWidgetItem* first = table->item(r, NumberColumn);
        if (first != nullptr && first->data(kRowRole).toInt() == surveyed[index]) {
            QTableWidgetItem* cell = table->item(r, LevelColumn);
            cell->setText(LevelText(level));
            cell->setData(kSortRole, level < 0 ? kLevelCount : level);
            break;
        }
    }
    ShowSummary();
    ShowCharts();
}

void StatisticsDialog::OnRatingFinished() {
    StoreNewLevels();
    ShowSummary();
    ShowCharts();
}

void StatisticsDialog::StoreNewLevels() {
    if (!newLevels.empty()) {
        records.StoreLevels(newLevels);
        newLevels.clear();
    }
}

void StatisticsDialog::ResetStatistics() {
    if (ShowMessage(this, kResetQuestion, kTitle, MessageIcon::Question, MessageButtons::YesNo,
                    MessageResult::No) != MessageResult::Yes) {
        return;
    }
    settings.ClearSolvedMarks();
    if (const std::optional<Failure> problem = records.ClearAll()) {
        ShowMessage(this, problem->Message(), kTitle, MessageIcon::Exclamation, MessageButtons::Ok);
    }
    Fill();
}

}  // namespace tessellix
