// Page message payloads of F6/F8 records: the first input byte chooses the
// show flag (13-byte prefix); the rest is the payload. Also the F6
// conversion and the first-generation serialiser under any mask.

#include "tests/fuzz/fuzzcommon.h"

#include "telemetry/orv_tmipage_f8.h"

#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const bool show = data[0] & 1;
    const size_t length = size - 1;
    std::unique_ptr<uint8_t[]> payload(new uint8_t[length + 1]);
    if (length)
        std::memcpy(payload.get(), data + 1, length);

    ORV_TmiPage_F8 page(nullptr, payload.get(), qsizetype(length), show);
    size_t total = touchAllTexts(page);

    const F8Record converted = TmiPage_Vela::convertF6(payload.get(), qsizetype(length));
    total += converted.time();

    // Serialise under a mask taken from the payload's first bytes.
    const PresenceMask mask = PresenceMask::fromBytes(payload.get(), qsizetype(length));
    const QByteArray fields = page.serialise(mask);
    int expected = 0;
    for (int bit = 0; bit < FieldTable::FirstGenerationRows; ++bit)
        expected += mask.test(bit) ? FieldTable::row(bit).width : 0;
    if (fields.size() != expected)
        __builtin_trap();
    return total == size_t(-1);
}
