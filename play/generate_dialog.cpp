#include "play/generate_dialog.h"

#include <QButtonGroup>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <algorithm>

#include "library/settings.h"
#include "platform/dialog_template.h"
#include "platform/window_text.h"

namespace tessellix {

namespace {

constexpr std::array<const char*, kShapeStyles.size()> kShapeTexts{
    "Компактная#Compact", "Симметричная#Symmetric", "Свободная#Free"};
constexpr std::array<const char*, kShapeStyles.size()> kShapeButtonNames{
    "compactButton", "symmetricButton", "freeButton"};

// The level buttons' texts and names, from the level table.
std::array<const char*, kLevels.size()> LevelTexts() {
    std::array<const char*, kLevels.size()> texts{};
    for (std::size_t i = 0; i < kLevels.size(); ++i) {
        texts[i] = WordsOf(kLevels[i]).label.data();
    }
    return texts;
}
std::array<QString, kLevels.size()> LevelButtonNames() {
    std::array<QString, kLevels.size()> names{};
    for (std::size_t i = 0; i < kLevels.size(); ++i) {
        const std::string_view name = WordsOf(kLevels[i]).name;
        names[i] = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) +
                   QStringLiteral("Button");
    }
    return names;
}

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

// The shape style stored in the settings file; compact for a number that names none.
ShapeStyle ShapeNumbered(int number) {
    return number >= 0 && number < static_cast<int>(kShapeStyles.size()) ? kShapeStyles[number]
                                                                         : ShapeStyle::Compact;
}

// One radio button per value, checked where it names `initial`; the buttons of a group exclude
// each other only.
template <typename Value, std::size_t kCount, typename Name>
std::array<QRadioButton*, kCount> RadioGroup(QDialog* owner,
                                             const std::array<Value, kCount>& values,
                                             const std::array<const char*, kCount>& texts,
                                             const std::array<Name, kCount>& names, Value initial) {
    auto* group = new QButtonGroup(owner);
    std::array<QRadioButton*, kCount> buttons{};
    for (std::size_t i = 0; i < kCount; ++i) {
        buttons[i] = new QRadioButton(QString::fromUtf8(texts[i]), owner);
        buttons[i]->setObjectName(names[i]);
        buttons[i]->setChecked(values[i] == initial);
        group->addButton(buttons[i]);
    }
    return buttons;
}

template <typename Value, std::size_t kCount>
Value CheckedValue(const std::array<QRadioButton*, kCount>& buttons,
                   const std::array<Value, kCount>& values, Value fallback) {
    for (std::size_t i = 0; i < kCount; ++i) {
        if (buttons[i]->isChecked()) {
            return values[i];
        }
    }
    return fallback;
}

}  // namespace

GenerateDialog::GenerateDialog(const Choice& initial, QWidget* owner)
    : QDialog(owner),
      // Created in the template's order, which is the tab order.
      elementsLabel(Label(this, "elementsLabel", "Число элементов:#Number of elements:")),
      elementsBox(Named(new QSpinBox(this), "elementsBox")),
      levelLabel(Label(this, "levelLabel", "Уровень:#Level:")),
      levelButtons(RadioGroup(this, kLevels, LevelTexts(), LevelButtonNames(), initial.level)),
      shapeLabel(Label(this, "shapeLabel", "Форма:#Shape:")),
      shapeButtons(RadioGroup(this, kShapeStyles, kShapeTexts, kShapeButtonNames, initial.shape)),
      generateButton(
          Named(new QPushButton(QString::fromUtf8("Создать#Generate"), this), "generateButton")),
      cancelButton(
          Named(new QPushButton(QString::fromUtf8("Отмена#Cancel"), this), "cancelButton")) {
    // The buttons come after the choices in the tab order, as in the template.
    setTabOrder(shapeButtons.back(), generateButton);
    setTabOrder(generateButton, cancelButton);
    setWindowTitle(QString::fromUtf8("Создать задание#Generate puzzle"));
    elementsBox->setRange(PuzzleGenerator::kFewestElements, PuzzleGenerator::kMostElements);
    elementsBox->setValue(initial.elements);
    generateButton->setDefault(true);
    // Each choice is read with the question it answers.
    elementsLabel->setBuddy(elementsBox);
    for (QRadioButton* button : levelButtons) {
        button->setAccessibleDescription(Shown({"Уровень", "Level"}));
    }
    for (QRadioButton* button : shapeButtons) {
        button->setAccessibleDescription(Shown({"Форма", "Shape"}));
    }
    connect(generateButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    LocalizeDialog(*this, {elementsLabel, levelLabel, levelButtons[0], levelButtons[1],
                           levelButtons[2], shapeLabel, shapeButtons[0], shapeButtons[1],
                           shapeButtons[2], generateButton, cancelButton});
    LayOutDialog(*this, {170, 133},
                 {{elementsLabel, {7, 9, 80, 8}},
                  {elementsBox, {90, 7, 30, 12}},
                  {levelLabel, {7, 27, 80, 8}},
                  {levelButtons[0], {90, 26, 70, 10}},
                  {levelButtons[1], {90, 38, 70, 10}},
                  {levelButtons[2], {90, 50, 70, 10}},
                  {shapeLabel, {7, 69, 80, 8}},
                  {shapeButtons[0], {90, 68, 70, 10}},
                  {shapeButtons[1], {90, 80, 70, 10}},
                  {shapeButtons[2], {90, 92, 70, 10}},
                  {generateButton, {28, 112, 50, 14}},
                  {cancelButton, {92, 112, 50, 14}}});
}

GenerateDialog::Choice GenerateDialog::GetChoice() const {
    return {elementsBox->value(), CheckedValue(levelButtons, kLevels, Level::Medium),
            CheckedValue(shapeButtons, kShapeStyles, ShapeStyle::Compact)};
}

std::optional<GeneratorRequest> GenerateDialog::Choose(Settings& settings, QWidget* owner) {
    const Choice stored{settings.ReadGeneratorElementsSetting(),
                        LevelNumbered(settings.ReadGeneratorLevelSetting()),
                        ShapeNumbered(settings.ReadGeneratorShapeSetting())};
    GenerateDialog dialog(stored, owner);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const Choice chosen = dialog.GetChoice();
    settings.WriteGeneratorElementsSetting(chosen.elements);
    settings.WriteGeneratorLevelSetting(static_cast<int>(chosen.level));
    settings.WriteGeneratorShapeSetting(static_cast<int>(chosen.shape));
    GeneratorRequest request;
    request.elementCount = chosen.elements;
    request.level = chosen.level;
    request.shape = chosen.shape;
    return request;
}

}  // namespace tessellix
