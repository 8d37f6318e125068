#pragma once

#include <QDialog>
#include <optional>

#include "library/puzzle_file.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tessellix {

// Open puzzle code: takes a puzzle code, and shows the puzzle's shape and names while the code
// is one, or why it is none. Open is enabled only for a code that is a puzzle's.
class OpenCodeDialog : public QDialog {
    Q_OBJECT
  public:
    // Opens with `code` in its line.
    OpenCodeDialog(const QString& code, QWidget* owner);

    // The puzzle of the code in the line, when it is one.
    const std::optional<PuzzleFileData>& Puzzle() const { return puzzle; }

    // Opens the dialog, its line filled from the clipboard when that holds a puzzle code; the
    // puzzle on Open, nothing on Cancel.
    static std::optional<PuzzleFileData> Choose(QWidget* owner);

  private:
    void ReadCode();
    void ShowPreview();

    QLabel* codeLabel;
    QLineEdit* codeEdit;
    QLabel* previewLabel;
    QLabel* namesLabel;
    QPushButton* openButton;
    QPushButton* cancelButton;
    std::optional<PuzzleFileData> puzzle;
};

}  // namespace tessellix
