#pragma once

#include <QDialog>
#include <memory>

#include "library/puzzle_library.h"
#include "library/settings.h"
#include "model/draw_surface.h"
#include "model/element_set.h"
#include "model/puzzle_shape.h"

class QCheckBox;
class QListWidget;
class QPushButton;

// Picks a puzzle of the library: its names in the current language and, with Preview ticked,
// the selected puzzle's shape drawn small beside the list. Used by the play window's Select
// and the editor's Open.
class SelectPuzzleDialog : public QDialog {
    Q_OBJECT
  public:
    // Lists the library's names in the current language. The list selection is read from
    // library.currentPuzzleIndex when the dialog opens and written into it at every change;
    // the caller restores it after Cancel. The Preview box comes from the settings and goes
    // back to them when the dialog is destroyed, after Open and after Cancel alike.
    SelectPuzzleDialog(PuzzleLibrary& library, const Settings& settings, QWidget* owner);
    ~SelectPuzzleDialog() override;

    // Open, Enter and a double click: takes the selection and the box, then closes.
    void accept() override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void TakeDataFromControls();
    void OnSelectionChange();
    void PaintPreview(const QRegion& region);

    PuzzleLibrary& library;
    const Settings settings;
    QListWidget* puzzleList;
    QPushButton* openButton;
    QPushButton* cancelButton;
    QCheckBox* previewBox;

    int frameDrawn = 0;
    int preview = 0;
    std::unique_ptr<PuzzleShape> previewShape;
    ElementSet previewElements;
    // Client pixels, right and bottom excluded; the area inside the frame once it is drawn.
    PixelRect previewRect;
};
