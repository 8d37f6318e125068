#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "solver/puzzle_generator.h"

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace tessellix {

class Settings;

// The Generate-puzzle command's choice: how many elements, drawn at random, the level and the
// shape style.
class GenerateDialog : public QDialog {
    Q_OBJECT
  public:
    struct Choice {
        int elements = PuzzleGenerator::kMostElements;
        Level level = Level::Medium;
        ShapeStyle shape = ShapeStyle::Compact;
    };

    // Opens with `initial`, its count brought into 3 to 12.
    GenerateDialog(const Choice& initial, QWidget* owner);
    Choice GetChoice() const;

    // Opens the dialog with the choice stored in settings and, on Generate, stores the new one
    // and returns it as a request without its seed; nothing on Cancel.
    static std::optional<GeneratorRequest> Choose(Settings& settings, QWidget* owner);

  private:
    QLabel* elementsLabel;
    QSpinBox* elementsBox;
    QLabel* levelLabel;
    std::array<QRadioButton*, kLevels.size()> levelButtons;
    QLabel* shapeLabel;
    std::array<QRadioButton*, kShapeStyles.size()> shapeButtons;
    QPushButton* generateButton;
    QPushButton* cancelButton;
};

}  // namespace tessellix
