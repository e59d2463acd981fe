// Admin records as a memory module gives them back, of any bytes: the flyer
// name is 20 characters or none, a bird has a 14-character band; a record
// built from a name read back gives that name again.
#include "admin_db/records/bird_record.h"
#include "common/text_helpers.h"
#include "fuzz_check.h"
#include "transfer/admin_records.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray record(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArray name = FlyerNameOf(record);
    FUZZ_CHECK(name.isEmpty() || name.size() == 20);
    if (!name.isEmpty()) {
        FUZZ_CHECK(KindOf(record) == AdminRecordKind::Flyer);
        // The widest numbers move the name; it is found all the same.
        for (const qint64 club : {7, 104})
            FUZZ_CHECK(FlyerNameOf(FlyerRecord("01", club, 1234, name)) == FixWidth(name, 20, ' ', true));
    }
    if (const std::optional<BirdRecord> bird = ReceivedBird(record, 1)) {
        FUZZ_CHECK(bird->band().size() == 14);
        FUZZ_CHECK(bird->elecnumber.size() == 10);
    }
    return 0;
}
