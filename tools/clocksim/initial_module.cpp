#include "initial_module.h"

#include "module_file.h"
#include "tam_race_file.h"

#include <QFileInfo>

std::optional<Module> InitialModule(const SimOptions &options, bool *created, QString *error)
{
    Module module;
    *created = !options.lmdPath.isEmpty() && !QFileInfo::exists(options.lmdPath);
    if (!options.lmdPath.isEmpty() && !*created) {
        const auto loaded = ReadModuleFile(options.lmdPath, error);
        if (!loaded)
            return std::nullopt;
        module = *loaded;
    }
    ApplyIdentityOptions(options, module.identity);
    if (!options.racePath.isEmpty()) {
        const auto lines = ReadTamRaceFile(options.racePath, error);
        if (!lines)
            return std::nullopt;
        module.raceLines = *lines;
    }
    return module;
}
