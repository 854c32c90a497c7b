// A stand-in for the device plug-in, for the host's tests: the four exports
// over a device that records every message it receives, answers the in-place
// queries and can send requests back through the host's callback. Built in
// four forms: complete, without ReceiveMessage (FAKE_PLUGIN_PARTIAL), one
// whose IsOrvLibrary says no (FAKE_PLUGIN_NOT_ORV) and one whose answer to
// 2052 contradicts its library-info record (FAKE_PLUGIN_LEVEL_8).

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstring>

#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))

using HostCallback = int32_t (*)(uint32_t target, uint32_t msgId, intptr_t p1, intptr_t p2);

namespace {

constexpr uint32_t kHandle = 0x4810CAFEu;

struct Received
{
    uint32_t msgId;
    QByteArray decoded; // UTF-8
    int depth;          // how many FakeSend calls were running
};

struct Echo
{
    uint32_t onMessage = 0;
    uint32_t request = 0;
    int times = 0;
};

void putWord(unsigned char *info, int offset, int32_t value)
{
    const auto u = uint32_t(value);
    for (int i = 0; i < 4; ++i)
        info[offset + i] = (u >> (8 * i)) & 0xFF;
}

struct FakeDevice
{
    unsigned char info[538];
    HostCallback callback = nullptr;
    int initializeCalls = 0;
    QList<Received> received;
    int depth = 0;
    int maxDepth = 0;
    int foreignTargets = 0;
    Echo echo;

    FakeDevice()
    {
        std::memset(info, 0, sizeof info);
        putWord(info, 0, int32_t(kHandle));
        std::memcpy(info + 4, "K-4810", 6);
        // "Orbit K-4810" in the 8-bit code page, as the record holds it.
        std::memcpy(info + 259, "Orbit K-4810", 12);
        putWord(info, 514, 2);
        putWord(info, 518, 7);
        putWord(info, 522, 3);
        putWord(info, 526, 6);
        putWord(info, 530, 0);
        putWord(info, 534, 9);
    }

    int32_t send(uint32_t msgId, intptr_t p1, intptr_t p2)
    {
        if (!callback)
            return -1;
        ++depth;
        maxDepth = qMax(maxDepth, depth);
        const int32_t result = callback(kHandle, msgId, p1, p2);
        --depth;
        return result;
    }
};

FakeDevice device;

QString text(intptr_t p)
{
    return p ? *reinterpret_cast<const QString *>(p) : QStringLiteral("<null>");
}

QByteArray hex(intptr_t p, int n)
{
    return p ? QByteArray(reinterpret_cast<const char *>(p), n).toHex() : QByteArray("<null>");
}

[[maybe_unused]] QString decode(uint32_t msgId, intptr_t p1, intptr_t p2)
{
    switch (msgId) {
    case 2018:
    case 2067:
    case 2110:
        return text(p1);
    case 2019:
    case 2038:
        return text(p1) + QLatin1Char('|') + QString::number(p2);
    case 2023: {
        const auto *modes = reinterpret_cast<const int32_t *>(p2);
        return text(p1) + QStringLiteral("|%1|%2").arg(modes[0]).arg(modes[1]);
    }
    case 2039:
        return text(p1) + QLatin1Char('|') + text(p2);
    case 2049: {
        const auto *texts = reinterpret_cast<const QString *>(p1);
        return QStringList{texts[0], texts[1], texts[2], texts[3]}.join(QLatin1Char('|'));
    }
    case 2042:
    case 2107:
        return QString::fromLatin1(hex(p1, 8));
    case 2109:
        return QString::fromLatin1(hex(p1, 8)) + QLatin1Char('|') + QString::number(p2);
    case 2133:
        return QString::number(*reinterpret_cast<const int32_t *>(p1));
    case 2052:
#ifdef FAKE_PLUGIN_LEVEL_8
        *reinterpret_cast<int32_t *>(p1) = 8;
#else
        *reinterpret_cast<int32_t *>(p1) = 9;
#endif
        return QString::number(*reinterpret_cast<int32_t *>(p1));
    case 2057:
        *reinterpret_cast<int32_t *>(p1) = 196;
        return QStringLiteral("196");
    case 2132:
        *reinterpret_cast<bool *>(p1) = true;
        return QStringLiteral("true");
    case 2134:
        *reinterpret_cast<QString *>(p1) = QStringLiteral("011");
        return QStringLiteral("011");
    case 2036: {
        auto *buffer = reinterpret_cast<unsigned char *>(p1);
        uint32_t length;
        std::memcpy(&length, buffer + 1024, 4);
        buffer[1028] = (length >= 22 && (buffer[11] & 1)) ? 1 : 0;
        return QString::number(buffer[1028]);
    }
    case 2021:
    case 2024:
    case 2033:
    case 2054:
    case 2077:
        return QString::fromLatin1(hex(p1, int(p2)));
    default:
        return QStringLiteral("%1|%2").arg(p1).arg(p2);
    }
}

} // namespace

FAKE_EXPORT bool IsOrvLibrary()
{
#ifdef FAKE_PLUGIN_NOT_ORV
    return false;
#else
    return true;
#endif
}

FAKE_EXPORT void *GetLibraryInfo(void *buffer)
{
    std::memcpy(buffer, device.info, sizeof device.info);
    return buffer;
}

FAKE_EXPORT void Initialize(HostCallback callback)
{
    device.callback = callback;
    ++device.initializeCalls;
}

#ifndef FAKE_PLUGIN_PARTIAL
FAKE_EXPORT void ReceiveMessage(uint32_t target, uint32_t msgId, intptr_t p1, intptr_t p2)
{
    if (target != kHandle) {
        ++device.foreignTargets;
        return;
    }
    device.received.append(Received{msgId, decode(msgId, p1, p2).toUtf8(), device.depth});
    if (device.echo.times > 0 && msgId == device.echo.onMessage) {
        --device.echo.times;
        device.send(device.echo.request, 0, 0);
    }
}
#endif

// Test controls, not part of the plug-in interface.
FAKE_EXPORT void FakeReset()
{
    device.received.clear();
    device.depth = 0;
    device.maxDepth = 0;
    device.foreignTargets = 0;
    device.echo = Echo();
}

FAKE_EXPORT int FakeCount()
{
    return int(device.received.size());
}

FAKE_EXPORT uint32_t FakeId(int i)
{
    return i >= 0 && i < device.received.size() ? device.received.at(i).msgId : 0;
}

FAKE_EXPORT const char *FakeText(int i)
{
    return i >= 0 && i < device.received.size() ? device.received.at(i).decoded.constData() : "";
}

FAKE_EXPORT int FakeDepth(int i)
{
    return i >= 0 && i < device.received.size() ? device.received.at(i).depth : -1;
}

FAKE_EXPORT int FakeMaxDepth()
{
    return device.maxDepth;
}

FAKE_EXPORT int FakeForeignTargets()
{
    return device.foreignTargets;
}

FAKE_EXPORT int FakeInitializeCalls()
{
    return device.initializeCalls;
}

FAKE_EXPORT int32_t FakeSend(uint32_t msgId, intptr_t p1, intptr_t p2)
{
    return device.send(msgId, p1, p2);
}

// On each of the next `times` receipts of onMessage, send request.
FAKE_EXPORT void FakeEcho(uint32_t onMessage, uint32_t request, int times)
{
    device.echo = Echo{onMessage, request, times};
}
