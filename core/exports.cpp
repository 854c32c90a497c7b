// The plug-in's binary interface: four functions with plain C names. Every
// other symbol of the library is hidden (see k4810.map).

#include "core/orv_device_k4810.h"

#include <cstdint>
#include <cstring>

#define K4810_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

// Lives for as long as the library is loaded.
ORV_Device_K4810 g_device(QStringLiteral("K-4810"), 2, 7, 3, 6, nullptr);

} // namespace

K4810_EXPORT bool IsOrvLibrary()
{
    return true;
}

K4810_EXPORT void *GetLibraryInfo(void *buffer)
{
    if (buffer)
        std::memcpy(buffer, g_device.libraryInfo().constData(), size_t(g_device.libraryInfo().size()));
    return buffer;
}

K4810_EXPORT void Initialize(HostCallback callback)
{
    g_device.initialize(callback);
}

K4810_EXPORT void ReceiveMessage(uint32_t target, uint32_t msgId, intptr_t p1, intptr_t p2)
{
    g_device.receive(target, msgId, p1, p2);
}
