// Answers of the tracker's Bluetooth search of any length and content, as
// the search takes them: parsed, and fed to a running search whose status
// text and device list must stay sound.

#include "accessories/bluetoothanswer.h"
#include "accessories/bluetoothsearch.h"

#include <QCoreApplication>

#include <cstdlib>
#include <cstring>

namespace {

void check(const unsigned char *data, int length)
{
    const std::optional<BluetoothAnswer> a = BluetoothAnswer::parse(data, length);
    if (!a)
        return;
    if (length < 4 || std::memcmp(data, "*#BT", 4) != 0)
        std::abort();
    if (a->kind == BluetoothAnswer::Kind::State) {
        if (length < BluetoothAnswer::kStateLength || a->state < 0 || a->state > 3)
            std::abort();
        return;
    }
    const BluetoothDevice &d = a->device;
    if (d.address.isEmpty() || d.name.isEmpty() || d.name.size() > BluetoothAnswer::kMaxText
        || d.address.size() > BluetoothAnswer::kMaxText)
        std::abort();
    for (const QChar c : d.name + d.address) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            std::abort();
    }
}

} // namespace

// The search keeps a timer: it needs an application with an event dispatcher.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const int length = int(size > 4096 ? 4096 : size);
    check(data, length);

    // The same bytes as a device answer and as answers of a running search:
    // every name reaches the status text escaped.
    BluetoothSearch search([](uint32_t) { return true; });
    search.start();
    QByteArray device("*#BT\"");
    device.append(reinterpret_cast<const char *>(data), length);
    for (const QByteArray &answer : {QByteArray(reinterpret_cast<const char *>(data), length), device}) {
        check(reinterpret_cast<const unsigned char *>(answer.constData()), int(answer.size()));
        search.onAnswer(reinterpret_cast<const unsigned char *>(answer.constData()), int(answer.size()));
        if (search.statusText().contains(QLatin1String("<b>")) || search.statusText().contains(QLatin1String("<img")))
            std::abort();
    }
    if (search.devices().size() > 2)
        std::abort();
    search.onAnswer(reinterpret_cast<const unsigned char *>("*#BTDEV1"), 8);
    if (search.isRunning())
        std::abort();
    return 0;
}
