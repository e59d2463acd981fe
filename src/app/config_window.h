#pragma once

#include "clock/port_device.h"

#include <QWidget>
#include <functional>
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
    using PortLister = std::function<QList<SerialPortEntry>()>;
    ConfigWindow(Configuration &config, QWidget *parent = nullptr, PortLister listPorts = PresentSerialPorts);
    ~ConfigWindow() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void fieldsFromConfig();
    void fieldsToConfig();
    void showDevice();
    void listPorts();
    void portChosen(int index);

    std::unique_ptr<Ui::frmConfig> ui;
    Configuration &m_config;
    PortLister m_listPorts;
    QList<SerialPortEntry> m_ports;
    QString m_comDevice;
    bool m_closingBySave = false;
};
