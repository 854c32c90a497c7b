#include "host/pluginlibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

PluginLibrary::~PluginLibrary()
{
    unload();
}

QString PluginLibrary::defaultPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("libk4810.so"));
}

bool PluginLibrary::load(const QString &path)
{
    unload();
    m_error.clear();
    if (!QFileInfo::exists(path)) {
        m_error = QStringLiteral("No plug-in library at %1").arg(QDir::toNativeSeparators(path));
        return false;
    }
    m_library.setFileName(path);
    if (!m_library.load()) {
        m_error = QStringLiteral("Cannot load %1: %2").arg(QDir::toNativeSeparators(path), m_library.errorString());
        return false;
    }
    m_isOrv = reinterpret_cast<IsOrvLibraryFn>(m_library.resolve("IsOrvLibrary"));
    m_info = reinterpret_cast<GetLibraryInfoFn>(m_library.resolve("GetLibraryInfo"));
    m_initialize = reinterpret_cast<InitializeFn>(m_library.resolve("Initialize"));
    m_receive = reinterpret_cast<ReceiveMessageFn>(m_library.resolve("ReceiveMessage"));
    QStringList missing;
    if (!m_isOrv)
        missing << QStringLiteral("IsOrvLibrary");
    if (!m_info)
        missing << QStringLiteral("GetLibraryInfo");
    if (!m_initialize)
        missing << QStringLiteral("Initialize");
    if (!m_receive)
        missing << QStringLiteral("ReceiveMessage");
    if (!missing.isEmpty()) {
        m_error = QStringLiteral("%1 is not a device plug-in: missing export %2")
                      .arg(QDir::toNativeSeparators(path), missing.join(QStringLiteral(", ")));
        unload();
        return false;
    }
    if (!m_isOrv()) {
        m_error = QStringLiteral("%1 does not declare itself a device plug-in").arg(QDir::toNativeSeparators(path));
        unload();
        return false;
    }
    return true;
}

void PluginLibrary::unload()
{
    m_isOrv = nullptr;
    m_info = nullptr;
    m_initialize = nullptr;
    m_receive = nullptr;
    if (m_library.isLoaded())
        m_library.unload();
}

bool PluginLibrary::isOrvLibrary() const
{
    return m_isOrv && m_isOrv();
}

QByteArray PluginLibrary::libraryInfo() const
{
    if (!m_info)
        return {};
    QByteArray buffer(kInfoSize, '\0');
    m_info(buffer.data());
    return buffer;
}

void PluginLibrary::initialize(HostCallback callback) const
{
    if (m_initialize)
        m_initialize(callback);
}

void PluginLibrary::receiveMessage(uint32_t target, uint32_t msgId, intptr_t p1, intptr_t p2) const
{
    if (m_receive)
        m_receive(target, msgId, p1, p2);
}

int32_t PluginLibrary::infoWord(const QByteArray &info, int offset)
{
    if (offset < 0 || offset + 4 > info.size())
        return 0;
    const auto *b = reinterpret_cast<const unsigned char *>(info.constData() + offset);
    return int32_t(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24);
}

uint32_t PluginLibrary::infoHandle(const QByteArray &info)
{
    return uint32_t(infoWord(info, 0));
}

// The text fields are in the local 8-bit code page, windows-1251.
static QString infoText(const QByteArray &info, int offset)
{
    if (info.size() < offset + 255)
        return {};
    const char *p = info.constData() + offset;
    const QByteArray bytes(p, int(qstrnlen(p, 255)));
    QStringDecoder decoder("windows-1251");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

QString PluginLibrary::infoModel(const QByteArray &info)
{
    return infoText(info, 4);
}

QString PluginLibrary::infoDisplayName(const QByteArray &info)
{
    return infoText(info, 259);
}
