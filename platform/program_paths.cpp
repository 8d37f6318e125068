#include "platform/program_paths.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The program file's path with its extension replaced by `extension`. Only ".exe" counts as an
// extension: elsewhere a program file has none, and a dot in its name belongs to the name.
QString BesideProgram(const QString& extension) {
    const QFileInfo program(QCoreApplication::applicationFilePath());
    QString name = program.fileName();
    if (name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) {
        name.chop(4);
    }
    return program.absolutePath() + QLatin1Char('/') + name + extension;
}

}  // namespace

QString ProgramFolder() {
    return QCoreApplication::applicationDirPath();
}

QString DataFolderPath() {
    return ProgramFolder() + QStringLiteral("/DATA/");
}

QString HelpDocumentPath() {
    return BesideProgram(QStringLiteral(".html"));
}

QString SettingsFilePath() {
    return BesideProgram(QStringLiteral(".ini"));
}
