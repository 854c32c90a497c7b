// Settings files of any content, as the transfer page and the light form
// read them: every server's address and state, the access point, the track
// preset, the record-field switches, the inputs and the RS-485 fuel sensors;
// then the user's actions on all of them, a save, and a read of what was
// saved, which must show the same.

#include "settings/editor/lightrules.h"
#include "settings/editor/transferrules.h"
#include "settings/model/settingsmodel.h"

#include <QByteArray>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    SettingsModel model;
    if (!model.openBytes(bytes))
        return 0;

    size_t seen = 0;
    for (int server = 0; server < TransferRules::ServerCount; ++server) {
        const QString address = model.text(TransferRules::section(), TransferRules::keys(server).address);
        if (TransferRules::octets(address).size() != TransferRules::Octets)
            std::abort();
        seen += size_t(TransferRules::isServerOn(model, server)) + size_t(TransferRules::testHost(model, server).size())
                + size_t(TransferRules::testProblem(model, server).size());
    }
    seen += size_t(TransferRules::inputProblems(model).size() + TransferRules::blockHours(model)
                   + TransferRules::blockMinutes(model));
    const int preset = LightRules::matchingPreset(model);
    if (preset < 0 || preset > LightRules::CustomPreset)
        std::abort();
    for (int n = -1; n <= LightRules::SwitchCount; ++n)
        seen += size_t(LightRules::isSwitchOn(model, n));
    const LightRules::Rs485Fuel fuel = LightRules::rs485Fuel(model);
    (void)seen;

    // The user's actions; what is saved reads back the same.
    const int action = size > 0 ? data[size - 1] : 0;
    LightRules::applyPreset(model, action % (LightRules::PresetCount + 1));
    LightRules::setSwitch(model, action % LightRules::SwitchCount, action & 1);
    LightRules::setInput(model, LightRules::Input(action % 3), action & 2);
    LightRules::setRs485Fuel(model, fuel);
    TransferRules::setBlockTime(model, action % 25, action % 60);
    TransferRules::switchServerOff(model, action % TransferRules::ServerCount);
    const QByteArray saved = model.toBytes();
    if (saved.isEmpty())
        return 0; // a tree the writer refuses (too deep): not saved
    SettingsModel reread;
    if (!reread.openBytes(saved))
        std::abort();
    if (LightRules::matchingPreset(reread) != LightRules::matchingPreset(model))
        std::abort();
    const LightRules::Rs485Fuel again = LightRules::rs485Fuel(reread);
    const LightRules::Rs485Fuel now = LightRules::rs485Fuel(model);
    if (again.on != now.on || again.use[0] != now.use[0] || again.use[1] != now.use[1]
        || again.address[0] != now.address[0] || again.address[1] != now.address[1])
        std::abort();
    if (reread.toBytes() != saved)
        std::abort();
    return 0;
}
