#include "platform/help_viewer.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "platform/program_paths.h"

namespace {

// Topics 0 and 1 are the Russian ones.
QString ViewerTitle(int topic) {
    return topic < 2 ? QString::fromUtf8("Справка Tessellix") : QStringLiteral("Tessellix Help");
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

HelpViewer::HelpViewer(QWidget* owner) : QDialog(owner), browser(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("helpViewer"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setModal(false);
    browser->setObjectName(QStringLiteral("helpBrowser"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser);
    resize(640, 480);
}

void HelpViewer::ShowTopic(const QString& html, const QString& folder, int newTopic) {
    topic = newTopic;
    setWindowTitle(ViewerTitle(topic));
    // Shown before the text is set, so that the scroll position is computed at the final width.
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
    activateWindow();
    browser->setSearchPaths({folder});
    browser->setHtml(html);
    browser->scrollToAnchor(QStringLiteral("topic%1").arg(topic));
}

bool ShowHelpTopic(QWidget* owner, int topic) {
    return ShowHelpTopic(owner, topic, HelpDocumentPath());
}

bool ShowHelpTopic(QWidget* owner, int topic, const QString& documentPath) {
    if (topic < 0 || topic >= kHelpTopicCount) {
        return false;
    }
    QFile document(documentPath);
    if (!document.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray content = document.readAll();
    if (document.error() != QFileDevice::NoError) {
        return false;
    }
    ViewerOf(owner)->ShowTopic(QString::fromUtf8(content), QFileInfo(documentPath).absolutePath(),
                               topic);
    return true;
}
