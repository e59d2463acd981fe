#include "command_handler.h"

#include "clock/control_chars.h"
#include "sim_frames.h"

#include <algorithm>

namespace {

// The first data byte of a reply, which the program passes over: the address
// of the unit that answers.
const char ModuleLead = char(0x81);
const char HcuLead = char(0x80);

const QByteArray ACK(1, Ctl::ACK);
const QByteArray EOT(1, Ctl::EOT);
// Whatever the clock does not understand, or has no room for: a resend would
// not help, so no NAK.
const QByteArray Refused(1, Ctl::ESC);

QByteArray moduleReply(const QByteArray &payload)
{
    return SimFrame(ModuleLead + payload);
}

QByteArray digits(int value, int width)
{
    return QByteArray::number(value).rightJustified(width, '0', true);
}

QByteArray identification(const ModuleIdentity &id)
{
    const int modelCode = id.model == ClockModel::Talmi ? 216 : 150;
    return "v" + digits(id.lmdVersion, 4) + digits(modelCode, 4) + "000" + id.state + id.serial;
}

} // namespace

CommandHandler::CommandHandler(Module &module, bool directData, std::function<void()> changed)
    : m_module(module), m_directData(directData), m_changed(std::move(changed))
{
}

QByteArray CommandHandler::handle(const Request &request)
{
    m_stored = false;
    switch (request.kind) {
    case Request::Kind::Command:
        return request.prefixed ? forModule(request.command) : forHcu(request.command);
    case Request::Kind::Bare:
        return forBare(request.command.at(0));
    case Request::Kind::Broken:
        break;
    }
    return QByteArray(1, Ctl::NAK);
}

QByteArray CommandHandler::forModule(const QByteArray &command)
{
    if (command == "v")
        return moduleReply(identification(m_module.identity));
    if (command == "W")
        return readout(Source::Race);
    if (command == "X")
        return readout(Source::Admin);
    if (command.startsWith("S1") || command.startsWith("S2") || command.startsWith("S3")
        || command.startsWith('Z'))
        return storeAdminRecord(command);
    if (command == "IC0") {
        m_module.liberationPoints.clear();
        return accepted();
    }
    if (command.startsWith("I0"))
        return storeLiberation(command.mid(2));
    return Refused;
}

QByteArray CommandHandler::forHcu(const QByteArray &command) const
{
    const ModuleIdentity &id = m_module.identity;
    if (command == "v")
        return SimFrame(HcuLead + ("v" + digits(id.hcuVersion, 3)));
    // Memory cells 00 and 01 hold the serial number.
    if (command == "e00")
        return SimFrame(HcuLead + ("e00" + id.hcuSerial));
    return Refused;
}

QByteArray CommandHandler::forBare(char byte)
{
    if (byte == Ctl::ACK)
        return nextBlock();
    if (byte == Ctl::EOT) {
        m_source = Source::None;
        return ACK;
    }
    return Refused;
}

QByteArray CommandHandler::readout(Source source)
{
    if (m_directData && m_source == source)
        return nextBlock();
    m_source = source;
    m_next = 0;
    if (source == Source::Race)
        m_blocks = m_module.raceLines;
    else if (m_module.adminRecords.isEmpty())
        m_blocks = {NoAdminData};
    else
        m_blocks = m_module.adminRecords;
    return m_directData ? nextBlock() : ACK;
}

QByteArray CommandHandler::nextBlock()
{
    if (m_source == Source::None || m_next >= m_blocks.size()) {
        m_source = Source::None;
        return EOT;
    }
    return moduleReply(m_blocks.at(m_next++));
}

QByteArray CommandHandler::storeAdminRecord(const QByteArray &record)
{
    QList<QByteArray> &records = m_module.adminRecords;
    if (record.startsWith("S1")) {
        records.clear();
    } else if (record.startsWith('Z')) {
        const auto birds = std::count_if(records.cbegin(), records.cend(),
                                         [](const QByteArray &r) { return r.startsWith('Z'); });
        if (birds >= BirdLimit(m_module.identity.model))
            return Refused;
    }
    records.append(record);
    return accepted();
}

QByteArray CommandHandler::storeLiberation(const QByteArray &body)
{
    if (m_module.liberationPoints.size() >= LiberationLimit)
        return Refused;
    m_module.liberationPoints.append(body);
    return accepted();
}

QByteArray CommandHandler::accepted()
{
    m_stored = true;
    m_changed();
    return ACK;
}
