#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "library/level_words.h"
#include "library/puzzle_library.h"
#include "library/settings.h"
#include "library/solve_records.h"
#include "model/draw_surface.h"
#include "model/element_set.h"
#include "model/puzzle_shape.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace tessellix {

// Picks a puzzle of the library: its names in the current language and, with Preview ticked,
// the selected puzzle's shape drawn small beside the list, under it the level and why of a
// puzzle that the records hold rated. Used by the play window's Select and the editor's Open.
class SelectPuzzleDialog : public QDialog {
    Q_OBJECT
  public:
    // Lists the library's names in the current language, each after its solved mark from the
    // settings, the line at `position` selected when there is one. Each line's tooltip and
    // accessible description tell how many puzzles are solved and the line's best time. The Preview
    // box comes from the settings and goes back to them when the dialog is destroyed, after Open
    // and after Cancel alike.
    // reasonOf gives why the puzzle file at path has the level it was rated; without it, or
    // when it gives nothing, the preview shows no level.
    using LevelReason = std::function<BilingualText(Level level, const std::string& path)>;
    SelectPuzzleDialog(const PuzzleLibrary& library, Settings& settings, int position,
                       QWidget* owner, LevelReason reasonOf = {});
    ~SelectPuzzleDialog() override;

    // Runs the dialog: the position chosen with Open, or nothing after Cancel or when no line
    // was selected.
    static std::optional<int> Choose(const PuzzleLibrary& library, Settings& settings, int position,
                                     QWidget* owner, LevelReason reasonOf = {});

    // The line selected now, -1 for none.
    int Selected() const { return selected; }
    // What Open chose: nothing until then, and nothing without a selected line.
    std::optional<int> Chosen() const { return chosen; }

    // Open, Enter and a double click: takes the selection and the box, then closes.
    void accept() override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void TakeDataFromControls();
    void OnSelectionChange();
    // The selected puzzle's shape, read once per change: a file that cannot be read gives an
    // empty preview.
    void LoadPreview();
    // The selected puzzle's level and why, under the preview, when it has been rated; the
    // preview's shape then keeps above it.
    void ShowLevel(const PuzzleRecord& record, const std::string& path);
    void PaintPreview(const QRegion& region);

    const PuzzleLibrary& library;
    Settings& settings;
    int selected = -1;
    std::optional<int> chosen;
    QListWidget* puzzleList;
    QPushButton* openButton;
    QPushButton* cancelButton;
    QCheckBox* previewBox;
    QLabel* levelLabel;
    LevelReason reasonOf;
    RecordsContent records;

    int preview = 0;
    std::unique_ptr<PuzzleShape> previewShape;
    bool previewLoaded = false;
    ElementSet previewElements;
    // Client pixels, right and bottom excluded; the area inside the frame.
    PixelRect previewRect;
};

}  // namespace tessellix
