#include "platform/program_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace tessellix {

namespace {

// The per-user folders' name, fixed rather than taken from the application name, so that they
// do not move with the name of the program file.
const QString kUserFolder = QStringLiteral("/tessellix/");

// `program`'s path with its extension replaced by `extension`. Only ".exe" counts as an
// extension: elsewhere a program file has none, and a dot in its name belongs to the name.
QString BesideProgram(const QFileInfo& program, const QString& extension) {
    QString name = program.fileName();
    if (name.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) {
        name.chop(4);
    }
    return program.absolutePath() + QLatin1Char('/') + name + extension;
}

// Written through a temporary file, so that an interrupted write leaves no half file: a
// half-copied puzzle would be kept as the player's own and never copied again.
bool WriteWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

bool CopyFileWhole(const QString& source, const QString& target) {
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = input.readAll();
    return input.error() == QFileDevice::NoError && WriteWholeFile(target, bytes);
}

}  // namespace

ProgramLocations LocationsFor(const QString& programFile, bool folderTakesFiles) {
    const QFileInfo program(programFile);
    ProgramLocations locations;
    if (folderTakesFiles) {
        locations.dataFolder = program.absolutePath() + QStringLiteral("/DATA/");
        locations.helpDocument = BesideProgram(program, QStringLiteral(".html"));
        locations.settingsFile = BesideProgram(program, QStringLiteral(".ini"));
        return locations;
    }
    const QString shared =
        QDir::cleanPath(program.absolutePath() + QStringLiteral("/../share/tessellix"));
    locations.installed = true;
    locations.dataFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + kUserFolder;
    locations.shippedFolder = shared + QStringLiteral("/DATA/");
    locations.helpDocument = shared + QStringLiteral("/tessellix.html");
    locations.settingsFile =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + kUserFolder +
        QStringLiteral("tessellix.ini");
    return locations;
}

const ProgramLocations& CurrentLocations() {
    // An installed tree is known by its shipped puzzles under ../share/tessellix and no data
    // folder beside the program, also for root, who could write into /usr/bin; elsewhere the
    // program's folder decides.
    static const ProgramLocations locations = [] {
        const QString folder = QCoreApplication::applicationDirPath();
        const bool installedTree =
            !QFileInfo::exists(folder + QStringLiteral("/DATA")) &&
            QFileInfo(folder + QStringLiteral("/../share/tessellix/DATA")).isDir();
        return LocationsFor(QCoreApplication::applicationFilePath(),
                            !installedTree && FolderTakesFiles(folder));
    }();
    return locations;
}

bool FolderTakesFiles(const QString& folder) {
    QTemporaryFile probe(folder + QStringLiteral("/.tessellix-probe-XXXXXX"));
    return probe.open();
}

QStringList SeedDataFolder(const QString& shippedFolder, const QString& dataFolder) {
    const QDir shipped(shippedFolder);
    const QDir data(dataFolder);
    if (!shipped.exists() || !QDir().mkpath(dataFolder)) {
        return {};
    }
    const QString recordPath = data.filePath(QLatin1String(kSeededRecordName));
    QStringList seeded;
    QFile record(recordPath);
    if (record.open(QIODevice::ReadOnly)) {
        seeded = QString::fromUtf8(record.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        record.close();
    }
    const qsizetype known = seeded.size();

    QStringList copied;
    for (const QString& name :
         shipped.entryList({QStringLiteral("*.TLX")}, QDir::Files, QDir::Name)) {
        if (seeded.contains(name)) {
            continue;
        }
        const QFileInfo target(data.filePath(name));
        // A broken symbolic link is the player's too.
        if (!target.exists() && !target.isSymLink()) {
            if (!CopyFileWhole(shipped.filePath(name), target.filePath())) {
                continue;  // tried again at the next start
            }
            copied.append(name);
        }
        seeded.append(name);
    }
    if (seeded.size() != known) {
        // Should this fail, the next start finds the copies present and leaves them alone.
        WriteWholeFile(recordPath, (seeded.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    }
    return copied;
}

QStringList PrepareDataFolders(const ProgramLocations& locations) {
    if (!locations.installed) {
        return {};
    }
    // Neither the settings writer nor the editor's save makes folders.
    QDir().mkpath(QFileInfo(locations.settingsFile).absolutePath());
    QDir().mkpath(locations.dataFolder);
    return SeedDataFolder(locations.shippedFolder, locations.dataFolder);
}

}  // namespace tessellix
