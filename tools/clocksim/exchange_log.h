#pragma once

#include "faults.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// One line per exchange: request, reply as sent and the fault that struck,
// e.g. "02 81 76 F7 80 03 | 15 | nak"; "-" for no reply. Without a file it
// writes nothing.
class ExchangeLog {
public:
    bool open(const QString &path, QString *error);
    void write(const QByteArray &request, const QByteArray &reply, FaultKind fault);

private:
    QFile m_file;
};
