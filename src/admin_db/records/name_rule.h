#pragma once

#include <QChar>

inline constexpr int ClubNameLimit = 20;

// Names travel to the clock and back as bytes, one a character: printable
// Latin-1 only, so none turns into '?' or into a control byte such as the
// clock's address byte 0x81.
bool IsNameCharacter(QChar c);

class QString;

// A field text within its limit, of name characters only.
bool FitsNameField(const QString &text, int limit);
