#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

// The help document's topics: play and editor, in Russian and in English.
inline constexpr int kHelpTopicCount = 4;

// A non-modal window that shows the help document, one per owner.
class HelpViewer : public QDialog {
    Q_OBJECT
  public:
    explicit HelpViewer(QWidget* owner);

    // Shows `html` (whose relative links resolve in `folder`) scrolled to anchor "topic<topic>".
    void ShowTopic(const QString& html, const QString& folder, int topic);

    int Topic() const { return topic; }
    QTextBrowser* Browser() const { return browser; }

  private:
    QTextBrowser* browser = nullptr;
    int topic = -1;
};

// Opens the help document beside the program at `topic`: 0 play in Russian, 1 editor in
// Russian, 2 play in English, 3 editor in English. The viewer window is owned by `owner` and
// reused while it exists. False, with nothing shown, when the document cannot be read or the
// topic is not one of the four.
bool ShowHelpTopic(QWidget* owner, int topic);
bool ShowHelpTopic(QWidget* owner, int topic, const QString& documentPath);
