#pragma once

#include <optional>
#include <string>

namespace tessellix {

class EditorWindow;
class Settings;
struct EditorMessage;

// The editor's file commands on the one editor window: Open, Delete, Save, Save as and Count
// solutions. The editor session decides; these show its messages, questions and dialogs, and
// write or remove the files. Messages are owned by the editor window. A command that returns
// true has changed the library and the disk, and the editor is to start afresh.
class EditorCommands {
  public:
    EditorCommands(EditorWindow& editor, Settings& settings);

    // Chooses a library puzzle and puts it on the canvas, telling why when its file gives no
    // puzzle, which opens empty; false when the choice was cancelled, and nothing changed.
    bool Open();
    bool DeletePuzzle();
    // Save and Save as. A drawing that the chosen elements cannot cover, as a count shown or
    // one searched for now off the GUI thread says, is saved only when the player says so;
    // Cancel of that search saves nothing. Writing over a file that changed on disk since it
    // was opened asks first, as Delete does.
    bool SavePuzzle(bool saveAs);
    // Counts the distinct solutions of the drawing with the chosen elements and rates it as the
    // tool's rate does, off the GUI thread with progress and Cancel; the editor shows the answer
    // until the drawing changes. Cancel leaves nothing shown. Runs only while CanCountSolutions.
    void CountSolutions();
    static bool CanCountSolutions(const EditorWindow& editor);
    // Before the editor goes: a drawing changed since it was begun, opened or saved is saved
    // (as Save does), given up or kept, as the player answers. True when the editor may go.
    bool MayLeave();

  private:
    // Shows a refusal, or asks a question; true for a question answered Yes.
    bool Tell(const EditorMessage& message);
    // Whether the chosen elements cover the drawing; nothing when the search was cancelled.
    std::optional<bool> CoversDrawing();
    // A file replaced or deleted loses its solved mark and its records.
    void ForgetSolves(const std::string& fileName);

    EditorWindow& editor;
    Settings& settings;
};

}  // namespace tessellix
