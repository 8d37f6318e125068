#pragma once

#include <memory>
#include <optional>
#include <string>

#include "library/bilingual_text.h"
#include "library/file_snapshot.h"
#include "library/puzzle_file.h"
#include "library/puzzle_library.h"
#include "library/settings.h"
#include "model/element_set.h"
#include "model/library_position.h"
#include "model/puzzle_shape.h"

namespace tessellix {

// What an editor command tells the player before it stops (a refusal: OK with the exclamation
// icon), or asks before it goes on (a question: Yes and No, No the default, only Yes goes on).
struct EditorMessage {
    enum Kind { Refusal, Question };
    Kind kind = Refusal;
    BilingualText text;
    BilingualText caption;
};

// Save and Save as as far as the session decides before the Save dialog: a refusal, or the name
// and comment that the dialog offers. A refusal without text stops without a word.
struct SaveStart {
    std::optional<EditorMessage> refusal;
    std::string name;
    std::string comment;
};

// Save and Save as once the dialog gave the texts: a refusal, or the file to write (after the
// question, when there is one) and the record that the library then takes.
struct SavePlan {
    std::optional<EditorMessage> refusal;
    std::optional<EditorMessage> question;
    std::string path;
    PuzzleFileData data;
    PuzzleRecord record;
    std::optional<int> replacedPosition;  // none: the record joins the library at its end
    BilingualText caption;                // of a message from the file layer
};

// Delete: a refusal, or the question, then the file to remove and the record to take out.
struct DeletePlan {
    std::optional<EditorMessage> refusal;
    EditorMessage question;
    std::string path;
    int position = -1;
    BilingualText caption;
};

// The puzzle editor without any window: a 31 x 19 canvas whose cells are filled and emptied, the
// choice of elements, the counter of filled cells against the chosen elements' cells, and the
// decisions of Open, Save, Save as and Delete, which the editor's commands carry out. The editor
// has its own library position; the play board's position counts as the puzzle being solved.
class EditorSession {
  public:
    // Where the canvas lies in the editor's 600 x 400 picture.
    static constexpr PixelRect kCanvasRect{120, 110, 120 + kCanvasColumns* kCellSize,
                                           110 + kCanvasRows* kCellSize};
    struct CanvasCell {
        int column = 0;
        int row = 0;
    };

    // A new drawing over the library of the play board's position: an empty canvas, every
    // element chosen, position 0.
    explicit EditorSession(LibraryPosition& played);

    // Canvas cells, as (row, column) of the 31 x 31 grid: 1 empty, 2 filled, 0 outside the
    // canvas. An opened puzzle taller than the canvas keeps its last rows below it, filled.
    const PuzzleShape& Canvas() const { return *canvas; }
    // The canvas cell under a point of the picture, if any.
    static std::optional<CanvasCell> CellAt(PixelPoint point);
    // An empty canvas cell becomes filled, or a filled one empty; true when the cell changed.
    bool Fill(CanvasCell cell);
    bool Erase(CanvasCell cell);
    // A chosen element is left out, or a left-out one chosen.
    void ToggleElement(int index);

    const PuzzleLibrary& Library() const { return library; }
    ElementSet& Elements() { return elements; }
    const ElementSet& Elements() const { return elements; }
    int CellCount() const { return cellCount; }
    int SelectedCount() const { return selectedCount; }
    // "cells/element cells", as the counter shows it.
    std::string CounterText() const;
    bool IsNewPuzzle() const { return isNewPuzzle; }
    bool CellsChanged() const { return cellsChanged; }
    // A cell or the choice of elements changed since the drawing was begun, opened or saved.
    bool Changed() const { return changed; }
    // The editor's own library position: 0 until Open.
    int CurrentPuzzleIndex() const { return currentPuzzleIndex; }
    // Only the players' own puzzles, once opened, may be deleted.
    bool DeleteEnabled() const { return openedNumber >= kFirstDeletableNumber; }

    // Puts the library puzzle at position on the canvas, centred, with its choice of elements
    // and its stored solution. When its file gives no puzzle, the failure says why, and the
    // puzzle is opened all the same: an empty canvas under the record's names, the choice of
    // elements as it was. A position that designates no record changes nothing.
    [[nodiscard]] std::optional<Failure> Open(int position);
    // The file of the canvas: the used elements, with their stored placements only while the
    // puzzle opened is unchanged in its cells, and every filled cell.
    PuzzleFileData FileData(const PuzzleTexts& texts) const;

    SaveStart BeginSave(bool saveAs) const;
    SavePlan PlanSave(bool saveAs, const std::string& name, const std::string& comment) const;
    // Writes the plan's file, and its record joins the library (StorePuzzle), any solved mark
    // of its name going, and the drawing counts as unchanged; the failure to write, and nothing
    // changed.
    [[nodiscard]] std::optional<Failure> Save(const SavePlan& plan, Settings& settings);
    // Asked before Save writes over the opened puzzle's file (plan.replacedPosition) or Delete
    // removes it, when that file changed on disk since the editor opened or saved it: a
    // solution stored there meanwhile would be lost. Nothing when it is as it was.
    std::optional<EditorMessage> ChangedOnDiskQuestion(const std::string& path,
                                                       bool deleting) const;
    // Asked before Save writes a drawing that the chosen elements cannot cover.
    static EditorMessage UnsolvableQuestion();
    DeletePlan PlanDelete() const;
    // The file of the plan is gone: the record leaves the library, and the play position stays
    // on its puzzle.
    void Commit(const DeletePlan& plan);

  private:
    // Whether the editor's position designates the puzzle on the play board.
    bool IsBeingSolved() const;

    LibraryPosition& played;
    PuzzleLibrary& library;
    std::unique_ptr<PuzzleShape> canvas;
    ElementSet elements;
    int cellCount = 0;
    int selectedCount = ElementSet::kCount;
    bool isNewPuzzle = true;
    bool cellsChanged = false;
    bool changed = false;
    int currentPuzzleIndex = 0;
    int openedNumber = 0;
    // The file of the opened puzzle as the editor last read or wrote it.
    FileSnapshot openedFile;
};

}  // namespace tessellix
