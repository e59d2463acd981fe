#include "exchange_log.h"

namespace {
QByteArray hex(const QByteArray &bytes)
{
    return bytes.isEmpty() ? QByteArray("-") : bytes.toHex(' ').toUpper();
}
} // namespace

bool ExchangeLog::open(const QString &path, QString *error)
{
    m_file.setFileName(path);
    if (m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return true;
    *error = path + QStringLiteral(": ") + m_file.errorString();
    return false;
}

void ExchangeLog::write(const QByteArray &request, const QByteArray &reply, FaultKind fault)
{
    if (!m_file.isOpen())
        return;
    m_file.write(hex(request) + " | " + hex(reply) + " | " + FaultName(fault) + '\n');
    // Whoever reads the log may do so while the clock still runs.
    m_file.flush();
}
