#include "play/open_code_dialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <algorithm>

#include "library/puzzle_code.h"
#include "model/puzzle_shape.h"
#include "platform/dialog_template.h"
#include "platform/window_text.h"

namespace tessellix {

namespace {

constexpr QColor kPreviewGrey{192, 192, 192};
// However small the puzzle, a cell of the preview is no larger than on the board.
constexpr int kLargestCell = kCellSize;

QColor ToQColor(const Rgb& colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

}  // namespace

OpenCodeDialog::OpenCodeDialog(const QString& code, QWidget* owner)
    : QDialog(owner),
      codeLabel(
          Named(new QLabel(QString::fromUtf8("Код задания:#Puzzle code:"), this), "codeLabel")),
      codeEdit(Named(new QLineEdit(this), "codeEdit")),
      previewLabel(Named(new QLabel(this), "previewLabel")),
      namesLabel(Named(new QLabel(this), "namesLabel")),
      openButton(Named(new QPushButton(QString::fromUtf8("Открыть#Open"), this), "openButton")),
      cancelButton(
          Named(new QPushButton(QString::fromUtf8("Отмена#Cancel"), this), "cancelButton")) {
    setWindowTitle(QString::fromUtf8("Открыть код задания#Open puzzle code"));
    codeLabel->setBuddy(codeEdit);
    namesLabel->setTextFormat(Qt::PlainText);
    namesLabel->setWordWrap(true);
    namesLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    previewLabel->setAlignment(Qt::AlignCenter);
    previewLabel->setAccessibleName(Shown({"Просмотр задания", "Puzzle preview"}));
    openButton->setDefault(true);
    LocalizeDialog(*this, {codeLabel, openButton, cancelButton});
    LayOutDialog(*this, {260, 150},
                 {{codeLabel, {7, 7, 246, 8}},
                  {codeEdit, {7, 17, 246, 12}},
                  {previewLabel, {7, 35, 120, 88}},
                  {namesLabel, {133, 35, 120, 88}},
                  {openButton, {137, 129, 55, 14}},
                  {cancelButton, {198, 129, 55, 14}}});
    connect(codeEdit, &QLineEdit::textChanged, this, &OpenCodeDialog::ReadCode);
    connect(openButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    codeEdit->setText(code);
    ReadCode();
    codeEdit->setFocus();
}

void OpenCodeDialog::ReadCode() {
    puzzle.reset();
    const std::string text = codeEdit->text().toStdString();
    const Result<PuzzleFileData> data = DecodePuzzleCode(text);
    if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
        namesLabel->clear();
    } else if (data) {
        puzzle = *data;
        // The name shown in the game first, then the other.
        const Language shown = CurrentLanguage();
        const Language other = shown == Language::English ? Language::Russian : Language::English;
        namesLabel->setText(QString::fromStdString(puzzle->texts.names.In(shown) + "\n" +
                                                   puzzle->texts.names.In(other)));
    } else {
        namesLabel->setText(Shown(data.Error().Message()));
    }
    openButton->setEnabled(puzzle.has_value());
    ShowPreview();
}

void OpenCodeDialog::ShowPreview() {
    QImage image(previewLabel->size(), QImage::Format_RGB32);
    image.fill(kPreviewGrey);
    if (puzzle) {
        int top = kGridSide;
        int left = kGridSide;
        int bottom = -1;
        int right = -1;
        for (int i = 0; i < kGridSide * kGridSide; ++i) {
            if (puzzle->grid[i] != 0) {
                top = std::min(top, i / kGridSide);
                left = std::min(left, i % kGridSide);
                bottom = std::max(bottom, i / kGridSide);
                right = std::max(right, i % kGridSide);
            }
        }
        const int rows = bottom - top + 1;
        const int columns = right - left + 1;
        const int cell = std::max(1, std::min({kLargestCell, (image.width() - 2) / columns,
                                               (image.height() - 2) / rows}));
        const int x = (image.width() - cell * columns) / 2;
        const int y = (image.height() - cell * rows) / 2;
        QPainter painter(&image);
        painter.setPen(ToQColor(kPuzzlePen));
        painter.setBrush(ToQColor(kPuzzleFill));
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                if (puzzle->grid[(top + r) * kGridSide + left + c] != 0) {
                    painter.drawRect(x + c * cell, y + r * cell, cell - 1, cell - 1);
                }
            }
        }
    }
    previewLabel->setPixmap(QPixmap::fromImage(image));
}

std::optional<PuzzleFileData> OpenCodeDialog::Choose(QWidget* owner) {
    const QString clipboard = QGuiApplication::clipboard()->text().trimmed();
    const bool holdsCode = clipboard.startsWith(
        QString::fromLatin1(kPuzzleCodePrefix.data(), kPuzzleCodePrefix.size()));
    OpenCodeDialog dialog(holdsCode ? clipboard : QString(), owner);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Puzzle();
}

}  // namespace tessellix
