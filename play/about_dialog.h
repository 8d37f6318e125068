#pragma once

#include <QDialog>

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

// The About command: the About box, modal, owned by `owner`.
void ShowAboutBox(QWidget* owner);

}  // namespace tessellix
