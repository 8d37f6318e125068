#include "play/about_dialog.h"

#include <QLabel>
#include <QPushButton>

#include "platform/dialog_template.h"
#include "platform/program_resources.h"

namespace tessellix {

namespace {

constexpr int kIconSize = 32;

QLabel* Text(QWidget* owner, const char* name, const QString& text) {
    auto* label = Named(new QLabel(text, owner), name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

QString VersionLine(const QString& version) {
    const QStringList numbers = version.split(QLatin1Char('.'));
    const int major = numbers.value(0).toInt();
    const int minor = numbers.value(1).toInt();
    const QString russian =
        QString::number(major) + QLatin1Char('.') + QString::number(minor).leftJustified(2, u'0');
    return QStringLiteral("Версия %1 для Windows 95/98/NT#Version %2 for Windows 95/98/NT")
        .arg(russian, version);
}

AboutDialog::AboutDialog(QWidget* owner)
    : QDialog(owner),
      okButton(new QPushButton(QStringLiteral("OK"), this)),
      programIcon(new QLabel(this)),
      text1024(Text(this, "text1024", "Игра-головоломка \"Tessellix\" #Puzzle Tessellix")),
      text1025(Text(this, "text1025", VersionLine(QStringLiteral(TESSELLIX_VERSION)))),
      text1026(
          Text(this, "text1026", "Двенадцать элементов, одна фигура#Twelve elements, one shape")),
      textCopyright(Text(this, "textCopyright", "© The Tessellix developers")),
      // Not localised: the same words in both languages.
      textToolkit(Text(this, "textToolkit", "C++20 · Qt 6")) {
    setWindowTitle(QString::fromUtf8("О программе#About"));
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    programIcon->setObjectName(QStringLiteral("programIcon"));
    programIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    programIcon->setPixmap(ProgramIcon().pixmap(kIconSize, kIconSize));

    LocalizeDialog(*this, {text1024, text1025, text1026});
    LayOutDialog(*this, {187, 109},
                 {{okButton, {63, 88, 61, 14}},
                  {programIcon, {15, 15, 21, 20}},
                  {text1024, {55, 15, 110, 8}},
                  {text1025, {55, 25, 125, 8}},
                  {text1026, {55, 45, 112, 8}},
                  {textCopyright, {55, 55, 105, 10}},
                  {textToolkit, {55, 65, 83, 8}}});
    // OK stays centred below the texts when a long text has widened the box.
    QRect ok = okButton->geometry();
    ok.moveLeft((width() - ok.width()) / 2);
    okButton->setGeometry(ok);
}

void ShowAboutBox(QWidget* owner) {
    AboutDialog dialog(owner);
    dialog.exec();
}

}  // namespace tessellix
