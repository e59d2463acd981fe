#pragma once

#include "common/line_breaks.h"

#include <QString>

// The message for an error a window did not expect.
inline QString UnexpectedErrorText(const QString &description, int number)
{
    return description + QStringLiteral(" #:") + QString::number(number) + QStringLiteral(".") + CRLF
         + QStringLiteral("Please notify Calmeer Electronics USA of this ERROR");
}
