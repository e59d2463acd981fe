#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class frmAboutTamrel;
}

// frmAboutTamrel: product name and version, shown modal.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);
    ~AboutWindow() override;

    // "Tamrel: V" and the version as major.minor.revision.
    static QString titleText();

private:
    std::unique_ptr<Ui::frmAboutTamrel> ui;
};
