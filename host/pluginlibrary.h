#ifndef PLUGINLIBRARY_H
#define PLUGINLIBRARY_H

#include <QByteArray>
#include <QLibrary>
#include <QString>

#include <cstdint>

// A device plug-in loaded the way a host loads it: by file name, through
// its four exports and nothing else.
class PluginLibrary
{
public:
    using HostCallback = int32_t (*)(uint32_t target, uint32_t msgId, intptr_t p1, intptr_t p2);

    static constexpr int kInfoSize = 538;

    PluginLibrary() = default;
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary &) = delete;
    PluginLibrary &operator=(const PluginLibrary &) = delete;

    // libk4810.so beside the running program.
    static QString defaultPath();

    // Loads the file and resolves the four exports. False with errorString()
    // when the file is missing, is not a library or lacks an export.
    bool load(const QString &path);
    void unload();
    bool isLoaded() const { return m_receive != nullptr; }
    QString errorString() const { return m_error; }
    QString fileName() const { return m_library.fileName(); }

    bool isOrvLibrary() const;
    // The 538-byte library-info record, copied out with GetLibraryInfo.
    QByteArray libraryInfo() const;
    void initialize(HostCallback callback) const;
    void receiveMessage(uint32_t target, uint32_t msgId, intptr_t p1, intptr_t p2) const;

    // Fields of a library-info record.
    static uint32_t infoHandle(const QByteArray &info);
    static QString infoModel(const QByteArray &info);
    static QString infoDisplayName(const QByteArray &info);
    static int32_t infoWord(const QByteArray &info, int offset);
    static int32_t infoVersionMajor(const QByteArray &info) { return infoWord(info, 514); }
    static int32_t infoVersionMinor(const QByteArray &info) { return infoWord(info, 518); }
    static int32_t infoInterfaceLevel(const QByteArray &info) { return infoWord(info, 534); }

private:
    using IsOrvLibraryFn = bool (*)();
    using GetLibraryInfoFn = void *(*)(void *);
    using InitializeFn = void (*)(HostCallback);
    using ReceiveMessageFn = void (*)(uint32_t, uint32_t, intptr_t, intptr_t);

    QLibrary m_library;
    QString m_error;
    IsOrvLibraryFn m_isOrv = nullptr;
    GetLibraryInfoFn m_info = nullptr;
    InitializeFn m_initialize = nullptr;
    ReceiveMessageFn m_receive = nullptr;
};

#endif // PLUGINLIBRARY_H
