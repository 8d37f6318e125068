#pragma once

#include <QObject>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace tessellix {

// Rates puzzle files one after another on a thread of its own, as the tool's rate does, and
// reports each level on the GUI thread. Destroying it stops the rating at once.
class LevelSurvey : public QObject {
    Q_OBJECT
  public:
    explicit LevelSurvey(QObject* parent = nullptr) : QObject(parent) {}
    ~LevelSurvey() override;

    // Starts rating the files at paths, in their order; a survey runs once.
    void Start(std::vector<std::string> paths);
    bool Running() const { return running; }

  signals:
    // The file at `index` of the paths rates `level` (0 easy, 1 medium, 2 hard), or -1 for a file
    // that is no puzzle to rate.
    void rated(int index, int level);
    void finished();

  private:
    std::atomic<bool> cancel{false};
    bool running = false;
    std::thread worker;
};

}  // namespace tessellix
