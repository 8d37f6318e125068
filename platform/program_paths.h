#pragma once

#include <QString>

// Files that live beside the program file, named like it. Needs the QCoreApplication.

// The folder of the program file, symbolic links resolved, without a trailing separator.
QString ProgramFolder();

// The data folder DATA/ beside the program, with its final separator.
QString DataFolderPath();

// The help document: tessellix.html beside the program tessellix (or tessellix.exe).
QString HelpDocumentPath();

// The settings file: tessellix.ini beside the program tessellix (or tessellix.exe).
QString SettingsFilePath();
