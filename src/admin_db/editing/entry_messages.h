#pragma once

#include <QString>

class JetError;
class Prompter;

inline const QString MustEnterName = QStringLiteral("Must enter a name!");

// A refused entry: critical icon, titled "Error".
void ShowEntryError(Prompter &prompter, const QString &text);
// A database failure the window did not expect.
void ShowUnexpectedError(Prompter &prompter, const JetError &error);
// The "Delete Record" question, No by default; true when the user says Yes.
bool ConfirmDelete(Prompter &prompter, const QString &question);
