#pragma once

#include "frame_parser.h"
#include "module.h"

#include <QByteArray>
#include <functional>

// What the clock answers to each request, and what the request does to the
// module. Replies are whole frames or one control byte.
class CommandHandler {
public:
    // directData: a readout answers "W" and "X" with the first block rather
    // than ACK, and every further "W" or "X" with the next one.
    // changed: called after every change to the module.
    CommandHandler(Module &module, bool directData, std::function<void()> changed);

    QByteArray handle(const Request &request);
    // Whether the last request was a record the module stored.
    bool stored() const { return m_stored; }

    // A module without admin data reads out as this one block.
    static inline const QByteArray NoAdminData = QByteArrayLiteral("*****");

private:
    enum class Source { None, Race, Admin };

    QByteArray forModule(const QByteArray &command);
    QByteArray forHcu(const QByteArray &command) const;
    QByteArray forBare(char byte);
    QByteArray readout(Source source);
    QByteArray nextBlock();
    QByteArray storeAdminRecord(const QByteArray &record);
    QByteArray storeLiberation(const QByteArray &body);
    QByteArray accepted();

    Module &m_module;
    const bool m_directData;
    std::function<void()> m_changed;
    Source m_source = Source::None;
    QList<QByteArray> m_blocks;     // what the running readout sends
    qsizetype m_next = 0;
    bool m_stored = false;
};
