#ifndef CSERIALIZE_H
#define CSERIALIZE_H

#include "xml/cxmlelement.h"
#include "xml/settingssection.h"

#include <QByteArray>
#include <QObject>
#include <QSet>
#include <QString>

#include <memory>

class CXmlDefaultHandler;

// An XML document of the plug-in: a file (or a byte buffer) read into an
// element tree, worked on through section handles, and written back in the
// plug-in's layout (see CXmlWriter) when it is closed with save.
//
// Reading never changes the file. A file that does not exist is created
// empty and the document starts without a root; an empty file or buffer is
// a document without a root. A file that cannot be read as XML - malformed,
// without any element, binary, in an encoding it does not declare, holding
// entity declarations, nested deeper or named longer than the limits, or
// larger than maxInputSize() - gives no handle, and errorText() says why.
// The encoding is taken from a byte-order mark or the declaration; files of
// this plug-in are windows-1251, and a file that declares none is read as
// UTF-8 when it is valid UTF-8 and as windows-1251 otherwise.
//
// Saving writes through QSaveFile: the new contents replace the file only
// once they are completely on disk, so a failed save leaves the previous
// file whole. A tree the writer refuses (too deep, an unnamed element, an
// attribute name that cannot stand in a file) is not saved at all.
class CSerialize : public QObject
{
    Q_OBJECT

public:
    explicit CSerialize(QObject *parent = nullptr);
    ~CSerialize() override;

    // A handle on the root, on the document itself when it has no root, or
    // null when the file cannot be read (see errorText()).
    std::unique_ptr<SettingsSection> open(const QString &fileName);
    // A new, empty document that will be saved to fileName; the file is not
    // read, and is replaced only when the document is saved. For writing a
    // settings file from scratch (over an older one, whose sections would
    // otherwise be found and kept).
    std::unique_ptr<SettingsSection> openNew(const QString &fileName);
    // The same from bytes in memory; save() then writes to buffer().
    std::unique_ptr<SettingsSection> openBuffer(const QByteArray &bytes);
    // open(), then the root of that name (made in an empty document); null
    // when the file cannot be read or its root has another name.
    std::unique_ptr<SettingsSection> openRoot(const QString &fileName, const QString &rootName);

    // Saves first when asked, then drops the tree: every handle on the
    // document becomes invalid. The handle given is deleted. Returns false
    // only when a save was asked for and failed; the tree is dropped anyway.
    bool close(std::unique_ptr<SettingsSection> handle, bool save);
    bool close(bool save) { return close(nullptr, save); }

    // Writes the document back to its file (or buffer) now.
    bool save();
    // The bytes save() writes; empty for a document without a root.
    QByteArray toByteArray(QString *error = nullptr) const;

    bool isOpen() const { return m_open; }
    QString errorText() const { return m_errorText; }
    QString fileName() const { return m_fileName; }
    bool isFromFile() const { return m_fromFile; }
    // Bytes of the last save of a document read from a buffer.
    QByteArray buffer() const { return m_outBuffer; }

    CXmlElement *root() const { return m_root.get(); }
    // Hands the tree over: the document is left without a root and every
    // handle on it becomes invalid.
    std::unique_ptr<CXmlElement> takeRoot();
    // The root when it has that name; a new root in an empty document;
    // null otherwise (a document has one root).
    CXmlElement *documentChild(const QString &name);
    std::unique_ptr<SettingsSection> rootSection(const QString &name);
    // A handle on any element of this document.
    std::unique_ptr<SettingsSection> handle(CXmlElement *element);
    // Detaches an element other than the root and deletes it with its
    // subtree; handles on it become invalid, handles on its parent take a
    // new snapshot (keeping their unsaved changes).
    bool removeElement(CXmlElement *element);

    void setMaxInputSize(qint64 bytes) { m_maxInputSize = bytes; }
    qint64 maxInputSize() const { return m_maxInputSize; }

    // Bytes of a file to text, by byte-order mark or declared encoding.
    static bool decode(const QByteArray &bytes, QString *text, QString *error);

private:
    friend class SettingsSection;
    void registerHandle(SettingsSection *h) { m_handles.insert(h); }
    void unregisterHandle(SettingsSection *h) { m_handles.remove(h); }

    void reset();
    bool fail(const QString &why);
    std::unique_ptr<SettingsSection> start(const QByteArray &bytes);
    bool parse(const QByteArray &bytes);

    QString m_errorText;
    std::unique_ptr<CXmlDefaultHandler> m_handler;
    QString m_fileName;
    std::unique_ptr<CXmlElement> m_root;
    QByteArray m_inBuffer;
    QByteArray m_outBuffer;
    bool m_fromFile = false;
    bool m_open = false;
    qint64 m_maxInputSize;
    QSet<SettingsSection *> m_handles;
};

#endif // CSERIALIZE_H
