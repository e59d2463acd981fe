#include "app/config_window.h"

#include "app/configuration.h"
#include "clock/port_device.h"
#include "common/widgets/field_behaviour.h"
#include "ui_frmConfig.h"

#include <QCloseEvent>

ConfigWindow::ConfigWindow(Configuration &config, QWidget *parent)
    : QWidget(parent, Qt::Window), ui(std::make_unique<Ui::frmConfig>()), m_config(config)
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
}

void ConfigWindow::showDevice()
{
    const QString device = DeviceForPort(PortNumberOf(ui->txtComPort->text()));
    ui->lblComDevice->setText(device.isEmpty() ? tr("(no port)") : device);
}
