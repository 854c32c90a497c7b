// Settings files of any content: read from memory, every catalogue section
// loaded through its table, and what was read written back and read again.

#include "settings/model/settingscatalogue.h"
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

    // The pages' view of it: each section through its table.
    std::unique_ptr<SettingsSection> root = top->isDocument() ? top->section(QStringLiteral("DEVICE"), 0)
                                                              : std::move(top);
    if (root) {
        for (const SettingsTable *table : SettingsCatalogue::sections()) {
            std::unique_ptr<SettingsSection> section = root->child(QString::fromLatin1(table->name));
            SettingsCatalogue::load(section.get(), *table);
        }
        for (const ValueRecord &r : root->entries())
            (void)r.valueLength();
    }

    // What was read writes back, and reads again.
    QString error;
    const QByteArray written = doc.toByteArray(&error);
    if (!written.isEmpty()) {
        CSerialize again;
        if (!again.openBuffer(written))
            std::abort(); // the writer produced a file its own reader refuses
    }
    return 0;
}
