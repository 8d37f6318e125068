#include "app/application.h"

#include <QApplication>
#include <QFile>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QStyle>

#include "app/accessible_factory.h"
#include "app/main_window.h"
#include "library/bilingual_text.h"
#include "platform/program_paths.h"
#include "platform/program_resources.h"
#include "platform/single_instance.h"

namespace tessellix {

namespace {

// Start-up tests run the real program; when TESSELLIX_TEST_LOG names a file, the program
// appends one line to it when its window is up (with the language and the canvas size) and
// each time another copy raises it.
void NoteForTests(const QByteArray& line) {
    const QString path = qEnvironmentVariable("TESSELLIX_TEST_LOG");
    if (path.isEmpty()) {
        return;
    }
    QFile log(path);
    if (log.open(QIODevice::WriteOnly | QIODevice::Append)) {
        log.write(line + '\n');
    }
}

}  // namespace

GameApp::GameApp() = default;

GameApp::~GameApp() = default;

bool GameApp::StartUp() {
    SetCurrentLanguage(Language::Russian);
    const ProgramLocations& locations = CurrentLocations();
    instance = std::make_unique<SingleInstance>(locations.dataFolder);
    if (!instance->TryBecomeFirst()) {
        instance->AskFirstToRaise();
        return false;
    }
    connect(instance.get(), &SingleInstance::raiseRequested, this, &GameApp::OnRaiseRequested);
    // Only the copy that runs seeds, so two starts never copy into one folder at once.
    PrepareDataFolders(locations);

    settings = Settings(QFile::encodeName(locations.settingsFile).toStdString());
    SetCurrentLanguage(settings.ReadLanguageSetting());

    QApplication::setWindowIcon(ProgramIcon());
    InstallGameAccessibleFactory();
    library.ScanDataFolder(QFile::encodeName(locations.dataFolder).toStdString());
    window = std::make_unique<MainWindow>(library, settings);
    PlaceMainWindow(*window);
    window->show();
    // Without a window manager nothing else gives the new window the keyboard.
    window->activateWindow();
    const QSize client = window->centralWidget()->size();
    NoteForTests("started language=" + QByteArray::number(static_cast<int>(CurrentLanguage())) +
                 " client=" + QByteArray::number(client.width()) + 'x' +
                 QByteArray::number(client.height()));
    return true;
}

void GameApp::OnRaiseRequested() {
    BringToFront(window.get());
    NoteForTests("raised");
}

void GameApp::PlaceMainWindow(QMainWindow& window) {
    // A title bar, a system menu and a minimise box; no sizing border and no maximise box.
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // The window always takes its layout's size: the canvas plus the menu bar, whatever the
    // menu bar's height on this system and whichever menu it shows.
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    window.layout()->activate();
    window.adjustSize();

    const QRect workArea = window.screen()->availableGeometry();
    window.move(
        QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(), workArea).topLeft());
}

}  // namespace tessellix
