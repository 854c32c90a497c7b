// Settings files of any content: read from memory, loaded into the settings
// model (every catalogue section through its table, the rest kept), saved,
// and what was saved read and saved again to the same bytes; every text
// read by position (flags, codes, list items) within, at and past its end.

#include "settings/model/settingscatalogue.h"
#include "settings/model/settingsmodel.h"
#include "xml/cserialize.h"
#include "xml/settingssection.h"

#include <QByteArray>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    CSerialize doc;
    std::unique_ptr<SettingsSection> top = doc.openBuffer(bytes);
    if (!top)
        return 0; // refused, with a reason; nothing more to check
    for (const ValueRecord &r : top->entries())
        (void)r.valueLength();

    // What was read writes back, and reads again.
    QString error;
    const QByteArray written = doc.toByteArray(&error);
    if (!written.isEmpty()) {
        CSerialize again;
        if (!again.openBuffer(written))
            std::abort(); // the writer produced a file its own reader refuses
    }

    // The settings model: a file it opens saves to bytes that open again and
    // save to the same bytes.
    SettingsModel model;
    if (!model.openBytes(bytes))
        return 0;
    (void)model.unstorableValues();
    for (const SettingsTable *table : SettingsCatalogue::sections()) {
        const QString section = table->sectionName();
        for (const SettingsKey &key : *table) {
            if (key.type() != SettingsRow::Text)
                continue;
            const int length = int(model.text(section, key.path()).size());
            for (int position = -1; position <= length + 2 && position < 300; ++position) {
                (void)model.character(section, key.path(), position);
                (void)model.item(section, key.path(), position);
            }
        }
    }
    const QByteArray saved = model.toBytes({}, &error);
    if (saved.isEmpty())
        return 0; // a tree the writer refuses (too deep): not saved
    SettingsModel reread;
    if (!reread.openBytes(saved))
        std::abort();
    if (reread.toBytes() != saved)
        std::abort();
    return 0;
}
