// Extended records (type 0xB1) whatever their size fields claim.

#include "tests/fuzz/fuzzcommon.h"

#include "telemetry/extendedrecord.h"
#include "telemetry/tmipage_vela2.h"

#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::unique_ptr<uint8_t[]> record(new uint8_t[size + 1]);
    if (size)
        std::memcpy(record.get(), data, size);
    if (size)
        record[0] = 0xB1;

    const ExtendedRecord extended(record.get(), qsizetype(size));
    FullRecord full;
    extended.decodeInto(full);
    size_t total = 0;
    for (const DynamicElement &element : extended.elements()) {
        if (element.offset + 2 + element.value.size() > extended.size())
            __builtin_trap();
        total += size_t(element.valueText().size());
    }
    TmiPage_Vela2 page(record.get(), qsizetype(size));
    total += touchAllTexts(page);
    total += size_t(page.dynamicElements().size());
    TmiPage_Vela2 copy(extended);
    total += copy.pageNumber();
    return total == size_t(-1);
}
