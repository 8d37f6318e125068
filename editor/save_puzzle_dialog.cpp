#include "editor/save_puzzle_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <limits>

#include "library/puzzle_file.h"
#include "platform/dialog_template.h"
#include "platform/message_box.h"

namespace tessellix {

namespace {

const BilingualText kNameMissing{"Введите название задания!", "Input the puzzle name!"};
const BilingualText kInputError{"Ошибка ввода", "Error"};
const BilingualText kNameField{"название задания", "puzzle name"};
const BilingualText kCommentField{"комментарий", "comment"};

const QString kFileLineBreak = QStringLiteral("\r\n");

QLabel* Text(QWidget* owner, const char* name, const char* text) {
    auto* label = Named(new QLabel(QString::fromUtf8(text), owner), name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* Button(QWidget* owner, const char* name, const char* text) {
    return Named(new QPushButton(QString::fromUtf8(text), owner), name);
}

// The reason why a puzzle file cannot hold `text`; nothing when it can.
std::optional<Failure> Unstorable(const QString& text, const BilingualText& field) {
    const QByteArray utf8 = text.toUtf8();
    return CheckStorableText(std::string(utf8.constData(), utf8.size()), field);
}

// The box's text with CR LF between lines. The raw text, because the plain one turns
// non-breaking spaces, which a file can hold, into blanks; Shift+Enter's soft break is a line
// break too.
QString CommentText(const QPlainTextEdit& box) {
    QString text = box.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, kFileLineBreak);
    text.replace(QChar::LineSeparator, kFileLineBreak);
    return text;
}

}  // namespace

SavePuzzleDialog::SavePuzzleDialog(const QString& name, const QString& comment, QWidget* owner)
    : QDialog(owner),
      puzzleName(name),
      puzzleComment(comment),
      // Created in the template's order, which is the tab order.
      nameEdit(new QLineEdit(this)),
      commentEdit(new QPlainTextEdit(this)),
      saveButton(Button(this, "saveButton", "Сохранить#Save")),
      cancelButton(Button(this, "cancelButton", "Отмена#Cancel")),
      nameLabel(Text(this, "nameLabel", "Название задания#Puzzle name")),
      commentLabel(Text(this, "commentLabel", "Комментарий#Comment")) {
    setWindowTitle(QString::fromUtf8("Сохранить задание#Save puzzle"));
    nameEdit->setObjectName(QStringLiteral("nameEdit"));
    nameEdit->setMaxLength(std::numeric_limits<int>::max());
    commentEdit->setObjectName(QStringLiteral("commentEdit"));
    // Lines scroll sideways rather than wrap, and the box follows the cursor without scroll
    // bars, which would leave no room for a line in its 22 units.
    commentEdit->setLineWrapMode(QPlainTextEdit::NoWrap);
    commentEdit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    commentEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    commentEdit->setTabChangesFocus(true);
    // Enter in the comment box starts a new line; in the name box it reaches the default
    // button, as the dialog passes it on.
    saveButton->setDefault(true);
    connect(saveButton, &QPushButton::clicked, this, &SavePuzzleDialog::Save);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    commentEdit->setPlainText(QString(comment).replace(kFileLineBreak, QStringLiteral("\n")));
    nameEdit->setText(name);

    LocalizeDialog(*this, {nameLabel, commentLabel, cancelButton, saveButton});
    LayOutDialog(*this, {186, 98},
                 {{nameEdit, {7, 15, 172, 12}},
                  {commentEdit, {7, 45, 172, 22}},
                  {saveButton, {36, 78, 50, 14}},
                  {cancelButton, {98, 78, 50, 14}},
                  {nameLabel, {7, 7, 109, 8}},
                  {commentLabel, {7, 36, 82, 8}}});
    nameEdit->selectAll();
    nameEdit->setFocus();
}

void SavePuzzleDialog::Save() {
    const auto refuse = [this](auto* box, const BilingualText& text) {
        ShowMessage(this, text, kInputError, MessageIcon::Exclamation, MessageButtons::Ok);
        box->setFocus();
        box->selectAll();
    };
    // Comment first, then the name, each checked as it is taken.
    puzzleComment = CommentText(*commentEdit);
    if (const std::optional<Failure> badComment = Unstorable(puzzleComment, kCommentField)) {
        refuse(commentEdit, badComment->Message());
        return;
    }
    // Only an empty name is none: blanks stay as typed, a name of blanks alone too.
    puzzleName = nameEdit->text();
    if (puzzleName.isEmpty()) {
        refuse(nameEdit, kNameMissing);
        return;
    }
    if (const std::optional<Failure> badName = Unstorable(puzzleName, kNameField)) {
        refuse(nameEdit, badName->Message());
        return;
    }
    accept();
}

}  // namespace tessellix
