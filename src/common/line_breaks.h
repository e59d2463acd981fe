#pragma once

#include <QString>

// Messages are composed with the clock world's CR LF line breaks.
inline const QString CRLF = QStringLiteral("\r\n");
