#pragma once

#include <QString>
#include <QStringList>

namespace tessellix {

// Where a run of the game finds and keeps its files.
//
// Portable, whenever the program's own folder takes new files (the build folder, an unpacked
// copy): the data folder DATA/, the settings file and the help document lie beside the program
// file, named like it.
//
// Installed, when that folder cannot be written (/usr/bin for a player): the puzzles live in the
// per-user data folder (~/.local/share/tessellix/) and the settings in the per-user configuration
// folder (~/.config/tessellix/tessellix.ini). What comes with the program, the shipped puzzles
// and the help document, is found relative to it under <bin>/../share/tessellix/, so that any
// prefix or DESTDIR works without a configured path; the shipped puzzles are copied into the
// per-user data folder, where the game may write them.
struct ProgramLocations {
    bool installed = false;
    QString dataFolder;     // the library's folder, with its final separator
    QString shippedFolder;  // installed only: the puzzles that come with the program, final '/'
    QString helpDocument;
    QString settingsFile;
};

// The locations of a program file `programFile` whose folder takes new files or not.
ProgramLocations LocationsFor(const QString& programFile, bool folderTakesFiles);

// This run's locations, decided at the first call: installed when the program stands in an
// installed tree (shipped puzzles under ../share/tessellix, no DATA/ beside it) or cannot create
// a file beside itself. Needs the QCoreApplication.
const ProgramLocations& CurrentLocations();

// True when a file can really be created in `folder`: one is made and removed again. Permission
// bits alone would not do, since they do not stop root, nor a read-only file system.
bool FolderTakesFiles(const QString& folder);

// The record of seeded puzzles in the per-user data folder: one file name per line.
inline constexpr char kSeededRecordName[] = ".seeded";

// Copies into `dataFolder` each puzzle file (*.TLX) of `shippedFolder` whose name is not in the
// record, unless a file of that name is there already, and adds the name to the record either
// way: a puzzle the player solved or edited is never overwritten, and one the player deleted
// does not come back. Makes `dataFolder` when missing. Returns the names copied.
QStringList SeedDataFolder(const QString& shippedFolder, const QString& dataFolder);

// Installed: makes the per-user folders and seeds the data folder; returns the names copied.
// Portable: nothing.
QStringList PrepareDataFolders(const ProgramLocations& locations);

}  // namespace tessellix
