#include "app/config_window.h"

#include "app/configuration.h"
#include "clock/port_device.h"
#include "common/widgets/field_behaviour.h"
#include "ui_frmConfig.h"

#include <QCloseEvent>

ConfigWindow::ConfigWindow(Configuration &config, QWidget *parent, PortLister listPorts)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::frmConfig>()), m_config(config),
      m_listPorts(std::move(listPorts))
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    ui->concrs->setValidator(new CharacterValidator(ConfigRules::concourse.accepts, this));
    ui->combn->setValidator(new CharacterValidator(ConfigRules::combine.accepts, this));
    ui->cmbname->setValidator(new CharacterValidator(ConfigRules::combineName.accepts, this));
    ui->txtComPort->setValidator(new CharacterValidator(ConfigRules::comPort.accepts, this));
    for (QLineEdit *field : {ui->concrs, ui->combn, ui->cmbname, ui->txtComPort})
        SelectAllOnFocus(field);
    connect(ui->txtComPort, &QLineEdit::textChanged, this, &ConfigWindow::showDevice);
    // A number typed means that number's device, as it always did.
    connect(ui->txtComPort, &QLineEdit::textEdited, this, [this] {
        m_comDevice.clear();
        showDevice();
    });
    connect(ui->cmbComPorts, &QComboBox::activated, this, &ConfigWindow::portChosen);
    connect(ui->save_config, &QPushButton::clicked, this, [this] {
        fieldsToConfig();
        m_closingBySave = true;
        m_config.saveAndApply([this] { close(); });
    });
}

ConfigWindow::~ConfigWindow() = default;

void ConfigWindow::showEvent(QShowEvent *event)
{
    ui->Combo1->clear();
    ui->Combo1->addItems(ConfigRules::nationalOrgs());
    m_config.windowOpened();
    listPorts();
    fieldsFromConfig();
    QWidget::showEvent(event);
}

void ConfigWindow::closeEvent(QCloseEvent *event)
{
    if (!m_closingBySave) {
        fieldsToConfig();
        m_config.windowClosed();
    }
    QWidget::closeEvent(event);
}

void ConfigWindow::fieldsFromConfig()
{
    const ConfigFields &f = m_config.editableFields();
    ui->Combo1->setCurrentText(f.nationalOrg);
    ui->concrs->setText(f.concourse);
    ui->combn->setText(f.combine);
    ui->cmbname->setText(f.combineName);
    ui->txtComPort->setText(f.comPort);
    m_comDevice = f.comDevice;
    showDevice();
}

void ConfigWindow::fieldsToConfig()
{
    ConfigFields &f = m_config.editableFields();
    f.nationalOrg = ui->Combo1->currentText();
    f.concourse = ui->concrs->text();
    f.combine = ui->combn->text();
    f.combineName = ui->cmbname->text();
    f.comPort = ui->txtComPort->text();
    f.comDevice = m_comDevice;
}

void ConfigWindow::showDevice()
{
    const QString device = DeviceInUse(PortNumberOf(ui->txtComPort->text()), m_comDevice);
    ui->lblComDevice->setText(device.isEmpty() ? tr("(no port)") : device);
}

void ConfigWindow::listPorts()
{
    m_ports = m_listPorts();
    ui->cmbComPorts->clear();
    for (const SerialPortEntry &port : std::as_const(m_ports))
        ui->cmbComPorts->addItem(PortEntryText(port));
    ui->cmbComPorts->setEnabled(!m_ports.isEmpty());
    ui->cmbComPorts->setPlaceholderText(m_ports.isEmpty() ? tr("(no serial ports found)") : tr("(choose a port)"));
    // Nothing is chosen until the user picks a port.
    ui->cmbComPorts->setCurrentIndex(-1);
}

void ConfigWindow::portChosen(int index)
{
    if (index < 0 || index >= m_ports.size())
        return;
    const PortChoice choice = ChoosePort(m_ports.at(index));
    m_comDevice = choice.device;
    if (choice.number > 0)
        ui->txtComPort->setText(QString::number(choice.number));
    showDevice();
}
