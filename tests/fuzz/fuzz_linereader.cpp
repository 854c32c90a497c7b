// Lines of a telemetry text file, in the local code page, read into a full record.

#include "core/codepage.h"
#include "telemetry/orv_tmipage_f6.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = CodePage::toUnicode(reinterpret_cast<const char *>(data), qsizetype(size));
    FullRecord record;
    int stored = 0;
    for (QStringView line : QStringView(text).split(u'\n')) {
        const int bit = ORV_TmiPage_F6::readLine(line, record);
        if (bit < -1 || bit >= FieldTable::RowCount)
            __builtin_trap();
        stored += bit >= 0;
    }
    return stored < 0;
}
