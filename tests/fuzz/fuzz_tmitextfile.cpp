// The telemetry text file reader: the page index over any bytes (with a
// short line limit, so that long lines are met), and the page decoder over
// every page found and over the whole input as one page.

#include "fuzzcommon.h"

#include "telemetry/tmipage_vela.h"
#include "telemetry/tmipage_vela2.h"
#include "telemetry/tmitextfile.h"

#include <QByteArray>

namespace {

size_t touch(const TmiFilePage &page)
{
    size_t total = page.pageNumber() + page.time() + size_t(page.eventName.size());
    if (page.kind == TmiFilePage::F8) {
        total += touchAllTexts(TmiPage_Vela(page.f8));
    } else if (page.vela2) {
        total += touchAllTexts(*page.vela2);
        for (const DynamicElement &e : page.vela2->dynamicElements())
            total += size_t(e.valueText().size());
    }
    return total;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    size_t total = 0;

    TmiTextFile file(256);
    if (file.openBytes(bytes)) {
        while (file.indexStep(61)) {
        }
        if (file.pageCount() > int(size))
            __builtin_trap();
        for (int i = 0; i < file.pageCount() && i < 64; ++i) {
            const auto page = file.page(i);
            if (!page || file.offset(i) < 0 || file.offset(i) >= qint64(size))
                __builtin_trap();
            total += touch(*page);
        }
    }

    TmiFilePage whole;
    TmiTextFile::decode(bytes.constData(), bytes.size(), &whole);
    total += touch(whole);
    return total == size_t(-1);
}
