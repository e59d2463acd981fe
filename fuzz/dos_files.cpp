// The DOS program's admin and inventory files, of any bytes: every item is
// taken or counted as unreadable, and what is taken has its fields' widths.
#include "common/text_items.h"
#include "dos_import/dos_files.h"
#include "fuzz_check.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype end = bytes.indexOf('\x1a');
    const QList<QByteArray> items = ReadItems(end < 0 ? bytes : bytes.left(end));

    const FileEntries<DosFlyer> flyers = ReadDosFlyers(bytes);
    const qsizetype flyerItems = std::count_if(items.cbegin(), items.cend(),
                                               [](const QByteArray &item) { return item.startsWith("S3"); });
    FUZZ_CHECK(flyers.entries.size() + flyers.unreadable == flyerItems);
    for (const DosFlyer &flyer : flyers.entries) {
        FUZZ_CHECK(flyer.name.size() == 20);
        FUZZ_CHECK(InventoryFileName(flyer).startsWith(QLatin1Char('Z')));
    }

    const FileEntries<BirdRecord> birds = ReadDosBirds(bytes);
    const qsizetype birdItems = std::count_if(items.cbegin(), items.cend(),
                                              [](const QByteArray &item) { return !item.trimmed().isEmpty(); });
    FUZZ_CHECK(birds.entries.size() + birds.unreadable == birdItems);
    for (const BirdRecord &bird : birds.entries) {
        FUZZ_CHECK(bird.band().size() == 14);
        FUZZ_CHECK(bird.elecnumber.size() == 10 && bird.type.size() == 1 && bird.color == "NONE");
    }
    return 0;
}
