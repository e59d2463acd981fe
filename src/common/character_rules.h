#pragma once

#include <QChar>

class QString;

// Which characters a field lets in, one character at a time.
using CharacterRule = bool (*)(QChar c);

// '0' to '9' only: digits of other scripts have no byte of their own.
bool IsDigit(QChar c);
// 'A' to 'Z' and 'a' to 'z'.
bool IsLatinLetter(QChar c);
// Names travel to the clock and back as bytes, one a character: printable
// Latin-1 only, so none turns into '?' or into a control byte such as the
// clock's address byte 0x81.
bool IsNameCharacter(QChar c);
// Latin letters, digits and '_': the codes of a concourse or a combine.
bool IsCodeCharacter(QChar c);

// A text within its limit, of characters the rule accepts only.
bool FitsField(const QString &text, int limit, CharacterRule accepts);
bool FitsNameField(const QString &text, int limit);
