#pragma once

#include <QDialog>
#include <QString>
#include <optional>

#include "library/failure.h"

class QAbstractButton;
class QTextBrowser;
class QUrl;

namespace tessellix {

class HelpBrowser;

// The help document's topics: play and editor, in Russian and in English.
inline constexpr int kHelpTopicCount = 4;

// A non-modal window that shows the help document, one per owner.
//
// The document is one HTML file whose body is cut into pages, one per language: each page begins
// with a block <div class="page" lang="..."> and runs up to the next such block or to the end of
// the body. The viewer shows one page at a time; a link to an anchor of another page opens that
// page. Back returns to the previous place (disabled when there is none), Home goes to the first
// topic anchor of the page shown, Close closes the window. The window title and the buttons
// speak the language of the page shown: Russian for lang="ru", English otherwise.
class HelpViewer : public QDialog {
    Q_OBJECT
  public:
    explicit HelpViewer(QWidget* owner);

    // Shows the page of `html` that holds anchor "topic<topic>", scrolled to that anchor.
    // `documentPath` is where `html` was read from: relative links resolve beside it. A document
    // without page blocks is one page, in Russian for topics 0 and 1 and in English otherwise.
    void ShowTopic(const QString& html, const QString& documentPath, int topic);

    // The topic last opened by number; links followed since then do not change it.
    int Topic() const { return topic; }
    QTextBrowser* Browser() const;
    QAbstractButton* BackButton() const { return backButton; }
    QAbstractButton* HomeButton() const { return homeButton; }
    QAbstractButton* CloseButton() const { return closeButton; }

  private:
    // The title and the button texts in the language of `page`.
    void ShowPageLanguage(const QUrl& page);

    HelpBrowser* browser = nullptr;
    QAbstractButton* backButton = nullptr;
    QAbstractButton* homeButton = nullptr;
    QAbstractButton* closeButton = nullptr;
    QString shownDocument;
    QString shownPath;
    int topic = -1;
};

// Opens the program's help document (see CurrentLocations) at `topic`: 0 play in Russian, 1 editor
// in Russian, 2 play in English, 3 editor in English. The viewer window is owned by `owner` and
// reused while it exists. Nothing shown, and the reason, ready to show, when the document cannot
// be read or the topic is not one of the four.
[[nodiscard]] std::optional<Failure> ShowHelpTopic(QWidget* owner, int topic);
[[nodiscard]] std::optional<Failure> ShowHelpTopic(QWidget* owner, int topic,
                                                   const QString& documentPath);

}  // namespace tessellix
