#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/application.h"

namespace tessellix {

namespace {

// Wayland ties the window to its desktop entry, and so to its icon, by the entry's id.
const QString kDesktopEntryId = QStringLiteral("io.github.tessellix.Tessellix");

// Answers --help and --version, and refuses any other argument with the usage: the game reads
// none. The window system's own options, such as -platform, are gone by now. Returns the exit
// status when the program is to end here.
std::optional<int> AnswerCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A puzzle game: cover a shape with the twelve five-cell elements."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    QString error;
    if (!parser.parse(arguments)) {
        error = parser.errorText();
    } else if (!parser.positionalArguments().isEmpty()) {
        error = QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments()[0]);
    }
    if (!error.isEmpty()) {
        std::fputs(qPrintable(QCoreApplication::applicationName() + QStringLiteral(": ") + error +
                              QStringLiteral("\n\n") + parser.helpText()),
                   stderr);
        return 1;
    }
    if (parser.isSet(help)) {
        parser.showHelp(0);
    }
    if (parser.isSet(version)) {
        parser.showVersion();
    }
    return std::nullopt;
}

// Help and the version are answered before any window system is started, so that they work
// without a display too.
bool AsksForHelpOrVersion(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-h" || argument == "-?" || argument == "--help" ||
            argument == "--help-all" || argument == "-v" || argument == "--version") {
            return true;
        }
    }
    return false;
}

// QApplication ends the program with a fatal message, after warnings and the platform plugins'
// list, when no window system starts, as without a display. By then it has taken the window
// system's options out of argv, so the rest can be answered as with a display: a refused argument
// gets the usage and status 1. Otherwise the player reads one line and the status is 1, not an
// abort. Messages of a start that succeeds are held back until then, and passed on in order.
int* startArgc = nullptr;
char** startArgv = nullptr;
QtMessageHandler startHandler = nullptr;

struct HeldMessage {
    QtMsgType type;
    std::string file;
    int line;
    std::string function;
    std::string category;
    QString text;
};
std::vector<HeldMessage> heldMessages;

void HoldUntilStarted(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        heldMessages.push_back({type, context.file != nullptr ? context.file : "", context.line,
                                context.function != nullptr ? context.function : "",
                                context.category != nullptr ? context.category : "", message});
        return;
    }
    QStringList arguments;
    for (int i = 0; i < *startArgc; ++i) {
        arguments.append(QString::fromLocal8Bit(startArgv[i]));
    }
    int status = 1;
    if (const std::optional<int> answered = AnswerCommandLine(arguments)) {
        status = *answered;
    } else {
        std::fputs(qPrintable(QCoreApplication::applicationName() +
                              QStringLiteral(": needs a graphical display, and none could be "
                                             "opened\n")),
                   stderr);
    }
    std::fflush(stdout);
    std::fflush(stderr);
    // Inside QApplication's constructor: no exit handlers on a half-built application.
    std::_Exit(status);
}

// Hands the messages held during a successful start to the handler they were meant for.
void PassHeldMessagesOn() {
    for (const HeldMessage& held : heldMessages) {
        const QMessageLogContext context(held.file.c_str(), held.line, held.function.c_str(),
                                         held.category.c_str());
        startHandler(held.type, context, held.text);
    }
    heldMessages.clear();
}

}  // namespace

}  // namespace tessellix

int main(int argc, char* argv[]) {
    using namespace tessellix;
    QCoreApplication::setApplicationName(QStringLiteral("tessellix"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESSELLIX_VERSION));
    if (AsksForHelpOrVersion(argc, argv)) {
        const QCoreApplication application(argc, argv);
        return AnswerCommandLine(QCoreApplication::arguments()).value_or(0);
    }
    startArgc = &argc;
    startArgv = argv;
    startHandler = qInstallMessageHandler(HoldUntilStarted);
    QApplication application(argc, argv);
    qInstallMessageHandler(startHandler);
    PassHeldMessagesOn();
    QGuiApplication::setDesktopFileName(kDesktopEntryId);
    if (const std::optional<int> status = AnswerCommandLine(QCoreApplication::arguments())) {
        return *status;
    }
    GameApp game;
    if (!game.StartUp()) {
        return 0;
    }
    // Installation tests start the program only for what its start-up leaves on disk.
    if (qEnvironmentVariableIsSet("TESSELLIX_TEST_QUIT")) {
        return 0;
    }
    return application.exec();
}
