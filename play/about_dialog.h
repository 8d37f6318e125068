#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace tessellix {

// The About box: the program icon, its name and version in the current language, OK.
class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* owner);

  private:
    QPushButton* okButton;
    QLabel* programIcon;
    QLabel* text1024;
    QLabel* text1025;
    QLabel* text1026;
    QLabel* textCopyright;
    QLabel* textToolkit;
};

// The About box's version line, "Russian#English": the English part shows the version as it is,
// the Russian one its major and minor numbers only, the minor with at least two digits as it
// always had (1.4 is "1.40", 1.4.1 too, 1.12 "1.12").
QString VersionLine(const QString& version);

// The About command: the About box, modal, owned by `owner`.
void ShowAboutBox(QWidget* owner);

}  // namespace tessellix
