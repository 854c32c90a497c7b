#ifndef FAKEPLUGINCLIENT_H
#define FAKEPLUGINCLIENT_H

#include <QString>
#include <QStringList>

#include <cstdint>

#include <dlfcn.h>

// The test controls of the fake plug-in (fakeplugin.cpp). The client holds
// its own dlopen reference, so the fake (and what it recorded) stays in
// memory while PluginHost instances load and unload it.
class FakePluginClient
{
public:
    struct Message
    {
        uint32_t msgId;
        QString text;
        int depth;
    };

    static QString path() { return QStringLiteral(K4810_FAKE_PLUGIN); }
    static QString partialPath() { return QStringLiteral(K4810_FAKE_PLUGIN_PARTIAL); }
    static QString notOrvPath() { return QStringLiteral(K4810_FAKE_PLUGIN_NOT_ORV); }
    static constexpr uint32_t kHandle = 0x4810CAFEu;

    FakePluginClient()
        : m_handle(dlopen(path().toLocal8Bit().constData(), RTLD_NOW))
    {
        m_reset = reinterpret_cast<void (*)()>(resolve("FakeReset"));
        m_count = reinterpret_cast<int (*)()>(resolve("FakeCount"));
        m_id = reinterpret_cast<uint32_t (*)(int)>(resolve("FakeId"));
        m_text = reinterpret_cast<const char *(*)(int)>(resolve("FakeText"));
        m_depth = reinterpret_cast<int (*)(int)>(resolve("FakeDepth"));
        m_maxDepth = reinterpret_cast<int (*)()>(resolve("FakeMaxDepth"));
        m_foreign = reinterpret_cast<int (*)()>(resolve("FakeForeignTargets"));
        m_initializeCalls = reinterpret_cast<int (*)()>(resolve("FakeInitializeCalls"));
        m_send = reinterpret_cast<int32_t (*)(uint32_t, intptr_t, intptr_t)>(resolve("FakeSend"));
        m_echo = reinterpret_cast<void (*)(uint32_t, uint32_t, int)>(resolve("FakeEcho"));
    }

    ~FakePluginClient()
    {
        if (m_handle)
            dlclose(m_handle);
    }
    FakePluginClient(const FakePluginClient &) = delete;
    FakePluginClient &operator=(const FakePluginClient &) = delete;

    bool isValid() const { return m_reset && m_count && m_send && m_echo; }
    void reset() { m_reset(); }
    int count() const { return m_count(); }
    Message at(int i) const { return {m_id(i), QString::fromUtf8(m_text(i)), m_depth(i)}; }
    QList<Message> messages() const
    {
        QList<Message> list;
        for (int i = 0; i < count(); ++i)
            list << at(i);
        return list;
    }
    QList<uint32_t> ids() const
    {
        QList<uint32_t> list;
        for (int i = 0; i < count(); ++i)
            list << m_id(i);
        return list;
    }
    // The last message with this number, or msgId 0.
    Message last(uint32_t msgId) const
    {
        for (int i = count() - 1; i >= 0; --i) {
            if (m_id(i) == msgId)
                return at(i);
        }
        return {0, QString(), -1};
    }
    int maxDepth() const { return m_maxDepth(); }
    int foreignTargets() const { return m_foreign(); }
    int initializeCalls() const { return m_initializeCalls(); }
    int32_t send(uint32_t msgId, intptr_t p1 = 0, intptr_t p2 = 0) { return m_send(msgId, p1, p2); }
    void echo(uint32_t onMessage, uint32_t request, int times) { m_echo(onMessage, request, times); }

private:
    void *resolve(const char *name) const { return m_handle ? dlsym(m_handle, name) : nullptr; }

    void *m_handle;
    void (*m_reset)() = nullptr;
    int (*m_count)() = nullptr;
    uint32_t (*m_id)(int) = nullptr;
    const char *(*m_text)(int) = nullptr;
    int (*m_depth)(int) = nullptr;
    int (*m_maxDepth)() = nullptr;
    int (*m_foreign)() = nullptr;
    int (*m_initializeCalls)() = nullptr;
    int32_t (*m_send)(uint32_t, intptr_t, intptr_t) = nullptr;
    void (*m_echo)(uint32_t, uint32_t, int) = nullptr;
};

#endif // FAKEPLUGINCLIENT_H
