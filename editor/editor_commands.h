#pragma once

#include <string>

#include "library/puzzle_file.h"

class EditorWindow;
class Settings;

// The editor's file commands on the one editor window: Open, Delete, Save and Save as, with
// their checks and questions. Messages are owned by the editor window. A command that returns
// true has changed the library and the disk, and the editor is to start afresh.
class EditorCommands {
  public:
    EditorCommands(EditorWindow& editor, const Settings& settings);

    // Chooses a library puzzle and puts it on the canvas; returns its number, or 0 when the
    // choice was cancelled or designates no puzzle (nothing then changes).
    int Open();
    bool DeletePuzzle();
    bool SavePuzzle(bool saveAs);
    // Some element chosen, and exactly five cells drawn for each.
    bool CheckCells();
    // The canvas into the data folder under fileName; false, with the reason shown and nothing
    // changed, when the file could not be written.
    bool WritePuzzleFile(const std::string& fileName, const PuzzleTexts& texts);

  private:
    EditorWindow& editor;
    const Settings& settings;
};
