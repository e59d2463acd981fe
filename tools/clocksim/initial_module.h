#pragma once

#include "module.h"
#include "sim_options.h"

#include <QString>
#include <optional>

// The module the clock starts with: the module file's contents when there is
// one, the identity options over them, the race memory from --race.
// *created tells that the module file is missing and has to be written.
std::optional<Module> InitialModule(const SimOptions &options, bool *created, QString *error);
