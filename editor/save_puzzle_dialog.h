#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tessellix {

// Asks for the name and the comment under which the editor saves a puzzle. Save is refused
// while the name is empty or while either text holds a character that a puzzle file cannot
// store; the dialog knows nothing else of files.
class SavePuzzleDialog : public QDialog {
    Q_OBJECT
  public:
    // Shows name and comment (the current language's) for editing; a comment's line breaks
    // are CR LF in and out.
    SavePuzzleDialog(const QString& name, const QString& comment, QWidget* owner);

    // The texts as last taken from the boxes: meaningful after Accepted.
    QString PuzzleName() const { return puzzleName; }
    QString PuzzleComment() const { return puzzleComment; }

  private:
    // Takes the comment, then the name, and closes with Accepted unless one is refused.
    void Save();

    QString puzzleName;
    QString puzzleComment;
    QLineEdit* nameEdit;
    QPlainTextEdit* commentEdit;
    QPushButton* saveButton;
    QPushButton* cancelButton;
    QLabel* nameLabel;
    QLabel* commentLabel;
};

}  // namespace tessellix
