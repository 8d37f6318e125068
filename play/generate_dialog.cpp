#include "play/generate_dialog.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <algorithm>

#include "library/settings.h"
#include "platform/dialog_template.h"

namespace tessellix {

namespace {

QLabel* Label(QWidget* owner, const char* name, const char* text) {
    auto* label = Named(new QLabel(QString::fromUtf8(text), owner), name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// The level stored in the settings file; medium for a number that names none.
Level LevelNumbered(int number) {
    return number >= 0 && number < static_cast<int>(kLevels.size()) ? kLevels[number]
                                                                    : Level::Medium;
}

}  // namespace

GenerateDialog::GenerateDialog(const Choice& initial, QWidget* owner)
    : QDialog(owner),
      // Created in the template's order, which is the tab order.
      elementsLabel(Label(this, "elementsLabel", "Число элементов:#Number of elements:")),
      elementsBox(Named(new QSpinBox(this), "elementsBox")),
      levelLabel(Label(this, "levelLabel", "Уровень:#Level:")),
      levelButtons{},
      generateButton(
          Named(new QPushButton(QString::fromUtf8("Создать#Generate"), this), "generateButton")),
      cancelButton(
          Named(new QPushButton(QString::fromUtf8("Отмена#Cancel"), this), "cancelButton")) {
    for (std::size_t i = 0; i < kLevels.size(); ++i) {
        const LevelWords& words = WordsOf(kLevels[i]);
        levelButtons[i] = new QRadioButton(
            QString::fromUtf8(words.label.data(), static_cast<qsizetype>(words.label.size())),
            this);
        levelButtons[i]->setObjectName(
            QString::fromLatin1(words.name.data(), static_cast<qsizetype>(words.name.size())) +
            QStringLiteral("Button"));
        levelButtons[i]->setChecked(kLevels[i] == initial.level);
    }
    // The buttons come after the levels in the tab order, as in the template.
    setTabOrder(levelButtons.back(), generateButton);
    setTabOrder(generateButton, cancelButton);
    setWindowTitle(QString::fromUtf8("Создать задание#Generate puzzle"));
    elementsBox->setRange(PuzzleGenerator::kFewestElements, PuzzleGenerator::kMostElements);
    elementsBox->setValue(initial.elements);
    generateButton->setDefault(true);
    connect(generateButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    LocalizeDialog(*this, {elementsLabel, levelLabel, levelButtons[0], levelButtons[1],
                           levelButtons[2], generateButton, cancelButton});
    LayOutDialog(*this, {170, 91},
                 {{elementsLabel, {7, 9, 80, 8}},
                  {elementsBox, {90, 7, 30, 12}},
                  {levelLabel, {7, 27, 80, 8}},
                  {levelButtons[0], {90, 26, 70, 10}},
                  {levelButtons[1], {90, 38, 70, 10}},
                  {levelButtons[2], {90, 50, 70, 10}},
                  {generateButton, {28, 70, 50, 14}},
                  {cancelButton, {92, 70, 50, 14}}});
}

GenerateDialog::Choice GenerateDialog::GetChoice() const {
    Choice choice{elementsBox->value(), Level::Medium};
    for (std::size_t i = 0; i < kLevels.size(); ++i) {
        if (levelButtons[i]->isChecked()) {
            choice.level = kLevels[i];
        }
    }
    return choice;
}

std::optional<GeneratorRequest> GenerateDialog::Choose(Settings& settings, QWidget* owner) {
    const Choice stored{settings.ReadGeneratorElementsSetting(),
                        LevelNumbered(settings.ReadGeneratorLevelSetting())};
    GenerateDialog dialog(stored, owner);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const Choice chosen = dialog.GetChoice();
    settings.WriteGeneratorElementsSetting(chosen.elements);
    settings.WriteGeneratorLevelSetting(static_cast<int>(chosen.level));
    GeneratorRequest request;
    request.elementCount = chosen.elements;
    request.level = chosen.level;
    return request;
}

}  // namespace tessellix
