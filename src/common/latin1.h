#pragma once

#include <QByteArray>
#include <QString>

// The one conversion between byte texts (link, records, race files) and the
// texts windows show: one byte is one character, both ways.
inline QString toText(const QByteArray &bytes) { return QString::fromLatin1(bytes); }

// Characters above U+00FF have no byte of their own; they become '?' so that a
// record never changes its width.
inline QByteArray toBytes(const QString &text) { return text.toLatin1(); }
