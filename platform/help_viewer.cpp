#include "platform/help_viewer.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QUrlQuery>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "library/whole_file.h"
#include "platform/program_paths.h"
#include "platform/program_resources.h"

namespace tessellix {

namespace {

// One language's part of the help document, made a document of its own.
struct HelpPage {
    QString language;     // the lang attribute of the page's block
    QString html;         // the document's head, the page's part of the body, the closing tags
    QStringList anchors;  // the anchor names and element ids of the page
    QString homeAnchor;   // the page's first anchor named topic<n>, or none
};

const QString kPageKey = QStringLiteral("page");

// The pages of `document`; one page with `fallbackLanguage` when it marks none.
std::vector<HelpPage> SplitIntoPages(const QString& document, const QString& fallbackLanguage) {
    static const QRegularExpression bodyStart(QStringLiteral(R"re(<body\b[^>]*>)re"),
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression bodyEnd(QStringLiteral(R"re(</body\s*>)re"),
                                            QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression pageStart(
        QStringLiteral(R"re(<div\b[^>]*\bclass\s*=\s*"page"[^>]*>)re"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression language(QStringLiteral(R"re(\blang\s*=\s*"([^"]*)")re"),
                                             QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression anchor(QStringLiteral(R"re(\b(?:name|id)\s*=\s*"([^"]*)")re"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression topicAnchor(QStringLiteral(R"re(^topic\d+$)re"));

    const QRegularExpressionMatch body = bodyStart.match(document);
    const qsizetype contentStart = body.hasMatch() ? body.capturedEnd() : 0;
    qsizetype contentEnd = document.indexOf(bodyEnd, contentStart);
    if (contentEnd < 0) {
        contentEnd = document.size();
    }
    const QString head = document.left(contentStart);

    std::vector<qsizetype> starts;
    QStringList languages;
    for (auto marks = pageStart.globalMatch(document, contentStart); marks.hasNext();) {
        const QRegularExpressionMatch mark = marks.next();
        if (mark.capturedStart() >= contentEnd) {
            break;
        }
        starts.push_back(mark.capturedStart());
        languages.append(language.match(mark.captured()).captured(1));
    }
    if (starts.empty()) {
        starts.push_back(contentStart);
        languages.append(fallbackLanguage);
    }

    std::vector<HelpPage> pages;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const qsizetype end = i + 1 < starts.size() ? starts[i + 1] : contentEnd;
        const QString part = document.mid(starts[i], end - starts[i]);
        HelpPage page{
            languages[int(i)], head + part + QStringLiteral("\n</body>\n</html>\n"), {}, {}};
        for (auto names = anchor.globalMatch(part); names.hasNext();) {
            const QString name = names.next().captured(1);
            page.anchors.append(name);
            if (page.homeAnchor.isEmpty() && topicAnchor.match(name).hasMatch()) {
                page.homeAnchor = name;
            }
        }
        pages.push_back(std::move(page));
    }
    return pages;
}

bool IsRussian(const QString& language) {
    return language.startsWith(QLatin1String("ru"), Qt::CaseInsensitive);
}

HelpViewer* ViewerOf(QWidget* owner) {
    if (owner == nullptr) {
        // Without an owner the viewer deletes itself when it is closed.
        static QPointer<HelpViewer> ownerless;
        if (ownerless == nullptr) {
            ownerless = new HelpViewer(nullptr);
            ownerless->setAttribute(Qt::WA_DeleteOnClose);
        }
        return ownerless;
    }
    if (auto* viewer = owner->findChild<HelpViewer*>(QString(), Qt::FindDirectChildrenOnly)) {
        return viewer;
    }
    return new HelpViewer(owner);
}

}  // namespace

// A text browser that shows the help document one page at a time. Page i of the document at
// file URL D is the URL D?page=i; any URL of D with a fragment opens the page that holds it.
class HelpBrowser : public QTextBrowser {
  public:
    using QTextBrowser::QTextBrowser;

    void SetPages(const QUrl& newDocument, std::vector<HelpPage> newPages) {
        document = newDocument;
        pages = std::move(newPages);
    }

    // The page that holds `anchor`, or -1.
    int PageHolding(const QString& anchor) const {
        for (std::size_t i = 0; i < pages.size(); ++i) {
            if (pages[i].anchors.contains(anchor)) {
                return int(i);
            }
        }
        return -1;
    }

    QUrl PageUrl(int page, const QString& anchor) const {
        QUrl url = document;
        url.setQuery(QUrlQuery{{kPageKey, QString::number(page)}});
        if (!anchor.isEmpty()) {
            url.setFragment(anchor);
        }
        return url;
    }

    // The page that `url` designates: the one holding its fragment, else the one its query
    // names, else the first. -1 for a URL outside the document.
    int PageOf(const QUrl& url) const {
        if (pages.empty() || url.adjusted(QUrl::RemoveQuery | QUrl::RemoveFragment) != document) {
            return -1;
        }
        if (const int holding = PageHolding(url.fragment()); holding >= 0) {
            return holding;
        }
        bool isNumber = false;
        const int named = QUrlQuery(url).queryItemValue(kPageKey).toInt(&isNumber);
        return isNumber && named >= 0 && named < int(pages.size()) ? named : 0;
    }

    // The language of the page that `url` designates, or an empty text for no page.
    QString PageLanguage(const QUrl& url) const {
        const int page = PageOf(url);
        return page < 0 ? QString() : pages[std::size_t(page)].language;
    }

    int PagesLoaded() const { return pagesLoaded; }

    // The top of the first topic of the page shown.
    void home() override {
        const int page = PageOf(source());
        if (page >= 0) {
            setSource(PageUrl(page, pages[std::size_t(page)].homeAnchor));
        }
    }

  protected:
    QVariant loadResource(int type, const QUrl& name) override {
        if (const int page = PageOf(name); page >= 0) {
            ++pagesLoaded;
            return pages[std::size_t(page)].html;
        }
        return QTextBrowser::loadResource(type, name);
    }

    // Every URL of the document becomes the URL of the page that holds what it points at.
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override {
        const int page = PageOf(name);
        QTextBrowser::doSetSource(page < 0 ? name : PageUrl(page, name.fragment()), type);
    }

  private:
    QUrl document;
    std::vector<HelpPage> pages;
    int pagesLoaded = 0;
};

HelpViewer::HelpViewer(QWidget* owner) : QDialog(owner), browser(new HelpBrowser(this)) {
    setObjectName(QStringLiteral("helpViewer"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);
    browser->setObjectName(QStringLiteral("helpBrowser"));

    auto* back = new QPushButton(this);
    auto* home = new QPushButton(this);
    auto* close = new QPushButton(this);
    back->setObjectName(QStringLiteral("helpBack"));
    home->setObjectName(QStringLiteral("helpHome"));
    close->setObjectName(QStringLiteral("helpClose"));
    // Enter belongs to the links of the page, not to a button.
    for (QPushButton* button : {back, home, close}) {
        button->setAutoDefault(false);
    }
    back->setEnabled(false);
    backButton = back;
    homeButton = home;
    closeButton = close;
    connect(back, &QPushButton::clicked, browser, &QTextBrowser::backward);
    connect(home, &QPushButton::clicked, browser, &QTextBrowser::home);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    connect(browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    // Announced before source() changes: the page is the one the signal names.
    connect(browser, &QTextBrowser::sourceChanged, this, &HelpViewer::ShowPageLanguage);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(6, 6, 6, 6);
    buttons->addWidget(back);
    buttons->addWidget(home);
    buttons->addStretch();
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(buttons);
    layout->addWidget(browser);
    resize(640, 480);
}

QTextBrowser* HelpViewer::Browser() const {
    return browser;
}

void HelpViewer::ShowPageLanguage(const QUrl& page) {
    const bool russian = IsRussian(browser->PageLanguage(page));
    setWindowTitle(russian ? QString::fromUtf8("Справка Tessellix")
                           : QStringLiteral("Tessellix Help"));
    backButton->setText(russian ? QString::fromUtf8("Назад") : QStringLiteral("Back"));
    homeButton->setText(russian ? QString::fromUtf8("Содержание") : QStringLiteral("Home"));
    closeButton->setText(russian ? QString::fromUtf8("Закрыть") : QStringLiteral("Close"));
}

void HelpViewer::ShowTopic(const QString& html, const QString& documentPath, int newTopic) {
    topic = newTopic;
    // Shown before the text is set, so that the scroll position is computed at the final width.
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
    activateWindow();

    // A document read anew (the first one, or one changed since) starts a new history.
    const bool newDocument = html != shownDocument || documentPath != shownPath;
    if (newDocument) {
        const QString fallbackLanguage = topic < 2 ? QStringLiteral("ru") : QStringLiteral("en");
        browser->SetPages(QUrl::fromLocalFile(QFileInfo(documentPath).absoluteFilePath()),
                          SplitIntoPages(html, fallbackLanguage));
        shownDocument = html;
        shownPath = documentPath;
    }
    const QString anchor = QStringLiteral("topic%1").arg(topic);
    const int loadedBefore = browser->PagesLoaded();
    browser->setSource(browser->PageUrl(std::max(browser->PageHolding(anchor), 0), anchor));
    if (newDocument) {
        // The page shown had the same address in the document read before.
        if (browser->PagesLoaded() == loadedBefore) {
            browser->reload();
        }
        browser->clearHistory();
    }
    ShowPageLanguage(browser->source());
}

std::optional<Failure> ShowHelpTopic(QWidget* owner, int topic) {
    return ShowHelpTopic(owner, topic, CurrentLocations().helpDocument);
}

std::optional<Failure> ShowHelpTopic(QWidget* owner, int topic, const QString& documentPath) {
    if (topic < 0 || topic >= kHelpTopicCount) {
        return Failure(BilingualText()
                           .Say("В справке нет раздела ", "The help has no topic ")
                           .Add(std::to_string(topic) + "."));
    }
    const std::string path = documentPath.toStdString();
    const Result<std::string> content = ReadWholeFile(path);
    if (!content) {
        return Failure(BilingualText()
                           .Say("Не удалось открыть файл справки ", "The help document ")
                           .Add(path)
                           .Say(": ", " cannot be opened: ")
                           .Add(content.Error().Message())
                           .Add("."));
    }
    // The document's pictures are compiled in, under qrc:/help/.
    LoadProgramResources();
    ViewerOf(owner)->ShowTopic(QString::fromStdString(*content), documentPath, topic);
    return std::nullopt;
}

}  // namespace tessellix
