#pragma once

#include "module.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The module as a readable text file: one "key value" line per identity
// value, then one line per stored text, written between bars so that blanks
// at either end survive an editor:
//   admin |S1          North Valley Combine  US|
// Inside the bars a backslash starts \\ or \xHH; every byte outside
// 0x20..0x7E is written that way.

QByteArray ModuleFileText(const Module &module);

// Nothing, with *error set to "line N: ...", when the text is malformed.
std::optional<Module> ParseModuleFile(const QByteArray &text, QString *error);

// Whole files: reading fails for a missing file too; writing replaces the
// file in one rename, so a reader never sees half of it.
std::optional<Module> ReadModuleFile(const QString &path, QString *error);
bool WriteModuleFile(const QString &path, const Module &module, QString *error);
