#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class frmConfig;
}
class Configuration;

// frmConfig: shows and edits the working copy of the settings. Closing it in
// any way saves.
class ConfigWindow : public QWidget {
    Q_OBJECT
public:
    ConfigWindow(Configuration &config, QWidget *parent = nullptr);
    ~ConfigWindow() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void fieldsFromConfig();
    void fieldsToConfig();
    void showDevice();

    std::unique_ptr<Ui::frmConfig> ui;
    Configuration &m_config;
    bool m_closingBySave = false;
};
