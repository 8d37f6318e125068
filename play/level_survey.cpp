#include "play/level_survey.h"

#include <QMetaObject>

#include "solver/file_rating.h"

namespace tessellix {

LevelSurvey::~LevelSurvey() {
    cancel = true;
    if (worker.joinable()) {
        worker.join();
    }
}

void LevelSurvey::Start(std::vector<std::string> paths) {
    if (running || worker.joinable()) {
        return;
    }
    running = true;
    worker = std::thread([this, paths = std::move(paths)] {
        const auto keepGoing = [this] { return !cancel.load(); };
        for (int i = 0; i < static_cast<int>(paths.size()) && !cancel; ++i) {
            const std::optional<Level> level = RatePuzzleFile(paths[i], keepGoing);
            if (cancel) {
                return;
            }
            const int found = level ? static_cast<int>(*level) : -1;
            // Queued to this object: what arrives after its destruction is dropped with it.
            QMetaObject::invokeMethod(
                this, [this, i, found] { emit rated(i, found); }, Qt::QueuedConnection);
        }
        QMetaObject::invokeMethod(
            this,
            [this] {
                running = false;
                emit finished();
            },
            Qt::QueuedConnection);
    });
}

}  // namespace tessellix
