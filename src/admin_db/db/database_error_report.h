#pragma once

#include <QString>

class Prompter;

// The database-unavailable message for a failed opening at start-up, for
// Jet errors 3024, 3031, 3051 and any other number. programFolder is the
// folder text the 3024 message names.
void ReportDatabaseError(Prompter &prompter, int jetNumber, const QString &programFolder);
