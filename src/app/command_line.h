#pragma once

#include <optional>

class QCoreApplication;

// Answers --help and --version on the command line and ends the program
// there, before anything needs a display (the manual page is made from
// them at build time). Returns the exit code when the program is to end.
std::optional<int> AnswerHelpOrVersion(int &argc, char **argv);

// Refuses what is left on the command line once Qt took its own options.
void RefuseUnknownOptions(const QCoreApplication &app);
