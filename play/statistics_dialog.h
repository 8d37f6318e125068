#pragma once

#include <QDialog>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "library/calendar_date.h"
#include "library/shipped_levels.h"
#include "library/solve_records.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace tessellix {

class BestTimesChart;
class LevelSurvey;
class PuzzleLibrary;
class Settings;
class SolvesChart;

// The player's statistics over the library: puzzles solved, in all and by level, the streaks
// of days with a solve and of puzzles of the day, a sortable table of the puzzles, solves per
// day and best times by level. The shipped puzzles' levels come with them; the levels of other
// puzzles, and of shipped ones changed since, are rated off the GUI thread while the dialog is
// open and kept in the records. "Reset statistics" clears records and solved marks.
class StatisticsDialog : public QDialog {
    Q_OBJECT
  public:
    // shipped: the levels that come with the shipped puzzles, maybe none.
    StatisticsDialog(const PuzzleLibrary& library, Settings& settings, ShippedLevels shipped,
                     CalendarDate today, QWidget* owner);
    ~StatisticsDialog() override;

    // The levels that came with this run's shipped puzzles: from the folder they are shipped
    // in, none when it has no table.
    static ShippedLevels ShippedWithThisRun();

    // Whether levels are still being rated.
    bool Rating() const;

  private:
    struct Row {
        int number = 0;
        QString name;
        std::string fileName;
        std::string path;
        std::optional<FileStamp> stamp;
        bool rated = false;
        int level = -1;  // its index in kLevels; -1 none, as for a file that is no puzzle
        bool solved = false;
        std::optional<PuzzleStats> stats;
    };
    // Reads the records and marks again; levels come from the shipped table, else from the
    // records where the file is unchanged, and the rest are rated.
    void Fill();
    // The row's level without rating it: nothing when neither the table nor the records know.
    std::optional<int> KnownLevel(const Row& row) const;
    void ShowSummary();
    void ShowTable();
    void ShowCharts();
    void OnRated(int index, int level);
    void OnRatingFinished();
    void StoreNewLevels();
    void ResetStatistics();

    const PuzzleLibrary& library;
    Settings& settings;
    const ShippedLevels shipped;
    SolveRecords records;
    CalendarDate today;
    RecordsContent content;
    std::vector<Row> rows;
    // Rows in the order the survey rates them.
    std::vector<int> surveyed;
    std::map<std::string, CachedLevel> newLevels;
    LevelSurvey* survey = nullptr;

    QLabel* solvedLabel;
    QLabel* levelsLabel;
    QLabel* streakLabel;
    QLabel* dailyLabel;
    QLabel* ratingLabel;
    QTableWidget* table;
    SolvesChart* solvesChart;
    BestTimesChart* bestTimesChart;
    QPushButton* resetButton;
    QPushButton* closeButton;
};

}  // namespace tessellix
