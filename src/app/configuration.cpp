#include "app/configuration.h"

#include "app/settings_store.h"
#include "clock/clock_link.h"
#include "common/latin1.h"
#include "common/line_breaks.h"
#include "common/prompter.h"
#include "common/text_helpers.h"

namespace {
// Beside the number, which other programs read: the device chosen by name.
const QString ComDeviceKey = QStringLiteral("ComDevice");

// A hand-edited store may hold anything: take what the field would accept.
QString fittedOrg(const QString &stored)
{
    return ConfigRules::nationalOrgs().contains(stored) ? stored : QStringLiteral("AU");
}
} // namespace

int PortNumberOf(const QString &field)
{
    return int(LenientNumber(toBytes(field)));
}

Configuration::Configuration(SettingsStore &store, ClockLink &link, Prompter &prompter)
    : m_store(store), m_link(link), m_prompter(prompter)
{
}

void Configuration::setTitle()
{
    if (m_titleSink)
        m_titleSink(MainWindowTitle(m_fields));
}

bool Configuration::LoadSettings()
{
    const QString damaged = m_store.setAsideIfDamaged();
    if (!damaged.isEmpty())
        m_prompter.inform(damaged);
    const ConfigFields defaults;
    m_fields.nationalOrg = fittedOrg(m_store.read(QStringLiteral("NationalOrg"), defaults.nationalOrg));
    m_fields.combine = ConfigRules::combine.fit(m_store.read(QStringLiteral("Combine"), defaults.combine));
    m_fields.concourse = ConfigRules::concourse.fit(m_store.read(QStringLiteral("Concourse"), defaults.concourse));
    m_fields.combineName =
        ConfigRules::combineName.fit(m_store.read(QStringLiteral("CombineName"), defaults.combineName));
    m_fields.comPort = ConfigRules::comPort.fit(m_store.read(QStringLiteral("Comports"), defaults.comPort));
    m_fields.comDevice = m_store.read(ComDeviceKey, {});
    m_stale = false;

    if (!m_link.isPortOpen()) {
        const int number = PortNumberOf(m_fields.comPort);
        if (number < 1) {
            m_prompter.inform(QStringLiteral("Invalid comport number") + m_fields.comPort + CRLF
                              + QStringLiteral("Check to see that the Tamrel is connected and turned on."));
            return false;
        }
        m_link.setPortNumber(number);
        m_link.setChosenDevice(m_fields.comDevice);
    }
    setTitle();
    return true;
}

bool Configuration::SaveSettings()
{
    setTitle();
    const std::pair<QString, QString> entries[] = {
        {QStringLiteral("NationalOrg"), m_fields.nationalOrg},
        {QStringLiteral("Concourse"), StoredConcourse(m_fields.concourse)},
        {QStringLiteral("Combine"), StoredCombine(m_fields.combine)},
        {QStringLiteral("CombineName"), StoredCombineName(m_fields.combineName)},
        {QStringLiteral("ComPorts"), m_fields.comPort},
        {ComDeviceKey, m_fields.comDevice},
    };
    for (const auto &[key, value] : entries) {
        // A store that never had a chosen device gets no key for it.
        if (key == ComDeviceKey && value.isEmpty() && m_store.read(key, {}).isEmpty())
            continue;
        const Outcome written = m_store.write(key, value);
        if (!written.ok) {
            m_prompter.inform(QStringLiteral("Error ") + written.message
                              + QStringLiteral("Cannot write configuration settings."));
            return false;
        }
    }
    return true;
}

void Configuration::loadIfSaved()
{
    if (!m_windowOpen && m_stale)
        LoadSettings();
}

void Configuration::windowOpened()
{
    if (m_windowOpen)
        return;
    m_windowOpen = true;
    LoadSettings();
}

void Configuration::windowClosed()
{
    if (!m_windowOpen)
        return;
    SaveSettings();
    m_windowOpen = false;
    m_stale = true;
}

void Configuration::saveAndApply(const std::function<void()> &closeWindow)
{
    SaveSettings();
    if (m_link.isPortOpen())
        m_link.closePort();
    closeWindow();
    windowClosed();
    // The freshly stored port number takes effect now.
    loadIfSaved();
}
