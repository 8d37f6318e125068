#pragma once

#include <QString>
#include <atomic>
#include <functional>
#include <mutex>

#include "library/bilingual_text.h"
#include "library/failure.h"

class QWidget;

namespace tessellix {

// What a job off the GUI thread has to tell about how far it is; the job sets it, the progress
// dialog reads it now and then.
class TaskProgress {
  public:
    void Set(const BilingualText& text);
    BilingualText Get() const;

  private:
    mutable std::mutex mutex;
    BilingualText text;
};

// A job that reads cancel now and then and tells its progress. It must not touch a widget.
using BackgroundJob = std::function<void(const std::atomic<bool>& cancel, TaskProgress& progress)>;

// How the progress dialog of a run looks: its caption, the label before the job tells any
// progress, and its object name, by which tests find it; and the words before the reason when
// the job fails.
struct BackgroundLook {
    BilingualText caption;
    BilingualText firstLabel;
    QString objectName;
    BilingualText failed;
};

// A run that ends sooner shows no progress dialog.
inline constexpr int kProgressDelayMs = 500;

// Runs job on a thread of its own and returns once it has ended. Meanwhile the GUI thread goes on
// handling events under the wait cursor, so that the window repaints, while the player's input
// reaches only the progress dialog: it appears after kProgressDelayMs, owned by owner, and its
// Cancel sets the job's cancel. Returns whether Cancel was asked for; an exception that the job
// throws ends it too, and comes back as a failure that says what it was.
Result<bool> RunInBackground(const BackgroundJob& job, const BackgroundLook& look, QWidget* owner);

}  // namespace tessellix
