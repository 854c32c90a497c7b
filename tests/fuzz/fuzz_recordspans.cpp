// The record inspector's spans of any bytes, read as they are and as an
// F8, a masked and an extended record: every byte in exactly one span, in
// order, and nothing read beyond the bytes given.

#include "telemetry/tmirecordspans.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 4096)
        return 0;
    QByteArray record(reinterpret_cast<const char *>(data), qsizetype(size));
    for (int type : {-1, 0x08, 0xB0, 0xB1}) {
        if (type >= 0) {
            if (record.isEmpty())
                return 0;
            record[0] = char(type);
        }
        PresenceMask given;
        given.set(12);
        const PresenceMask *const choices[] = {nullptr, &given};
        for (const PresenceMask *rows : choices) {
            int at = 0;
            size_t texts = 0;
            for (const TmiRecordSpan &span : TmiRecordSpans::of(record, rows)) {
                if (span.offset != at || span.length <= 0)
                    std::abort();
                at += span.length;
                texts += size_t(span.name.size() + span.raw.size() + span.shown.size());
            }
            if (texts > size_t(1) << 40)
                std::abort(); // keeps the texts made
            if (at != record.size())
                std::abort();
        }
        TmiRecordSpans::hex(record, 0, int(record.size()) + 16);
    }
    return 0;
}
