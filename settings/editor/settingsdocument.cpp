#include "settings/editor/settingsdocument.h"

#include "xml/settingssection.h"

#include <QFileInfo>
#include <QSaveFile>

SettingsDocument::SettingsDocument() = default;

SettingsDocument::~SettingsDocument()
{
    close(false);
}

SettingsSection *SettingsDocument::open(const QString &path)
{
    close(false);
    m_error.clear();
    if (!QFileInfo(path).isFile()) {
        m_error = QStringLiteral("no file %1").arg(path);
        return nullptr;
    }
    m_root = m_doc.openRoot(path, QString::fromLatin1(RootName));
    if (!m_root)
        m_error = m_doc.errorText().isEmpty() ? QStringLiteral("%1 is not a settings file").arg(path) : m_doc.errorText();
    return m_root.get();
}

SettingsSection *SettingsDocument::create(const QString &rootName)
{
    close(false);
    m_error.clear();
    std::unique_ptr<SettingsSection> document = m_doc.openBuffer(QByteArray());
    if (!document)
        return nullptr;
    m_root = document->section(rootName, 0);
    return m_root.get();
}

QByteArray SettingsDocument::toByteArray() const
{
    return m_doc.toByteArray();
}

bool SettingsDocument::saveAs(const QString &path)
{
    QString error;
    const QByteArray bytes = m_doc.toByteArray(&error);
    if (bytes.isEmpty()) {
        m_error = error.isEmpty() ? QStringLiteral("nothing to write") : error;
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        m_error = file.errorString();
        return false;
    }
    return true;
}

void SettingsDocument::close(bool save)
{
    if (m_doc.isOpen())
        m_doc.close(std::move(m_root), save);
    m_root.reset();
}
