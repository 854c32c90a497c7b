// Masked records (type 0xB0) of any length and mask: the cached decoder, a
// fresh plan, and the page with all its texts.

#include "tests/fuzz/fuzzcommon.h"

#include "telemetry/maskplan.h"
#include "telemetry/tmipage_vela2.h"

#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // As given (any type byte), then with the type forced to 0xB0, each in a
    // buffer of exactly its size.
    std::unique_ptr<uint8_t[]> record(new uint8_t[size + 1]);
    if (size)
        std::memcpy(record.get(), data, size);

    static MaskedDecoder decoder; // keeps its plan between inputs, as in a download
    FullRecord full;
    PresenceMask present;
    decoder.decode(record.get(), qsizetype(size), full, &present);
    TmiPage_Vela2 asGiven(record.get(), qsizetype(size));
    touchAllTexts(asGiven);

    if (size == 0)
        return 0;
    record[0] = 0xB0;
    const bool decoded = decoder.decode(record.get(), qsizetype(size), full, nullptr);
    TmiPage_Vela2 page(record.get(), qsizetype(size));
    touchAllTexts(page);
    page.maskText();
    if (decoded) {
        // A fresh plan agrees with the cached one.
        const MaskPlan plan(PresenceMask::fromBytes(record.get() + 2, PresenceMask::Bytes));
        FullRecord again;
        const PresenceMask got = plan.decode(record.get() + MaskedDecoder::HeaderSize,
                                             qsizetype(size) - MaskedDecoder::HeaderSize, again);
        if (!(again == page.fullRecord()) || got != page.presence())
            __builtin_trap();
    }
    return 0;
}
