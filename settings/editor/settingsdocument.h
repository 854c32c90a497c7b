#ifndef SETTINGSDOCUMENT_H
#define SETTINGSDOCUMENT_H

#include "xml/cserialize.h"

#include <QString>

#include <memory>

class SettingsSection;

// A settings file (root DEVICE) as the editor reads and writes it.
//
// Reading opens an existing file and hands out its root. Writing always
// starts from an empty document and replaces the chosen file whole, through
// QSaveFile: nothing of the file's old content survives beside the sections
// written now, and a failed write leaves the old file as it was.
class SettingsDocument
{
public:
    static constexpr const char *RootName = "DEVICE";

    SettingsDocument();
    ~SettingsDocument();

    // The root of an existing settings file; null when the file is missing,
    // cannot be read or has another root (see errorText()).
    SettingsSection *open(const QString &path);
    // A new, empty document with a root of that name.
    SettingsSection *create(const QString &rootName = QString::fromLatin1(RootName));
    // Writes the document to path, replacing the file atomically.
    bool saveAs(const QString &path);
    // The bytes saveAs writes.
    QByteArray toByteArray() const;
    void close(bool save);

    SettingsSection *root() const { return m_root.get(); }
    QString errorText() const { return m_error; }

private:
    CSerialize m_doc;
    std::unique_ptr<SettingsSection> m_root;
    QString m_error;
};

#endif // SETTINGSDOCUMENT_H
