#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace tessellix {

// The Hint command's choice: turn the elements in their base boxes into their solution
// orientation, or set a number of them on the puzzle at their solution places.
class HintsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit HintsDialog(QWidget* owner);  // option 0, count 1

    struct Result {
        int option;  // 0: orientations in the base boxes; 1: count elements set on the puzzle
        int count;   // 1 to 12
    };
    Result GetResult() const { return chosen; }  // as taken when OK was pressed

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The player changed the count: it is kept within 1 to 12 and chooses the second option.
    void CountChanged();
    // One press of the up-down arrows.
    void Step(int delta);
    void TakeResult();

    Result chosen{0, 1};
    QRadioButton* orientationButton;
    // The first option's text: a radio button does not wrap its own.
    QLabel* orientationText;
    QRadioButton* puzzleButton;
    QLineEdit* countEdit;
    QWidget* countArrows;
    QToolButton* countUp;
    QToolButton* countDown;
    QLabel* elementsLabel;
    QPushButton* okButton;
    QPushButton* cancelButton;
};

}  // namespace tessellix
