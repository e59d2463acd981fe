#pragma once

#include <QString>

// Makes a typed name safe to store: every '|', '"' and apostrophe in text
// becomes one blank, in place. Returns that text without blanks at either
// end; text itself keeps them.
QString CleanText(QString &text);
