// A module file of any bytes: one that reads back writes back the same text,
// which in turn reads back to itself.
#include "fuzz_check.h"
#include "module_file.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QString error;
    const std::optional<Module> module =
        ParseModuleFile(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), &error);
    if (!module) {
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    const QByteArray text = ModuleFileText(*module);
    const std::optional<Module> again = ParseModuleFile(text, &error);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(ModuleFileText(*again) == text);
    return 0;
}
