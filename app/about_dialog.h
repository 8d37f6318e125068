#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class AboutDialog;
}

// The About box: the program icon, its name and version in the current language, OK.
class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* owner);
    ~AboutDialog() override;

  private:
    std::unique_ptr<Ui::AboutDialog> ui;
};
