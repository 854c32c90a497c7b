#ifndef SETTINGSSECTION_H
#define SETTINGSSECTION_H

#include "xml/valuerecord.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

class CSerialize;
class CXmlElement;

// A handle on one element of a document: the element, a snapshot of its
// named values, and typed access to them.
//
// The snapshot holds one 520-byte ValueRecord per attribute and then one per
// child element, each group in document order; names and values in it are
// cut to 254 bytes of windows-1251. It is taken when the handle is made and
// again after commit() and remove(); values written with addValue() and
// sections made with section() do not enter it. Names match exactly and
// case-sensitively; the first record of a name wins. Lookups go through an
// index by name built with the snapshot, so reading every key of a large
// section stays linear.
//
// Two ways of storing a value:
//  - attribute-style: setInt/setFloat/setText change the snapshot, commit()
//    writes the changed records into the element: a record that stands for
//    an attribute or a child element writes into it; a new record writes
//    into the first child element of its name if there is one, otherwise
//    into the attribute of its name, appending one when there is none.
//    Records that were not changed are not written back, so values longer
//    than a record stay whole in the tree.
//  - entry-style: addValue() sets at once the text of the first child element
//    of that name (appended when there is none) and makes it a text element.
//
// A handle does not own its document. It becomes invalid (and reads only
// defaults) when its document is closed or its element is removed.
// The handle made by CSerialize::open on a document without a root stands
// for the document: its section(name) gives the root.
class SettingsSection
{
public:
    ~SettingsSection();
    SettingsSection(const SettingsSection &) = delete;
    SettingsSection &operator=(const SettingsSection &) = delete;

    bool isValid() const;
    bool isDocument() const { return m_isDocument && m_doc; }
    CSerialize *document() const { return m_doc; }
    CXmlElement *element() const { return m_node; }
    // The element's name and own text; empty for the document.
    QString name() const;
    QString value() const;

    // Mode 0: the first child element of that name, appended (empty) when
    // there is none. Mode 3: always a new child element marked as a section
    // (kind 3). Null for other modes and for an invalid handle. On the
    // document: the root of that name (made in an empty document); null when
    // the root has another name.
    std::unique_ptr<SettingsSection> section(const QString &name, int mode = 0);
    // The first child element of that name, or null; makes nothing.
    std::unique_ptr<SettingsSection> child(const QString &name) const;
    bool hasChild(const QString &name) const;

    // Typed reads of the first record of a name; the default when there is
    // none. A text that is not a number reads as 0, not as the default.
    bool contains(const QString &name) const;
    int getInt(const QString &name, int defaultValue) const;
    double getFloat(const QString &name, double defaultValue) const;
    QString getText(const QString &name, const QString &defaultValue = QString()) const;
    QByteArray getBytes(const QString &name, const QByteArray &defaultValue = QByteArray()) const;

    // Attribute-style writes into the snapshot ("%d", "%f", the text's bytes
    // in the code page); a new record is added at the end when none of that
    // name exists. Written into the element by commit().
    void setInt(const QString &name, int value);
    void setFloat(const QString &name, double value);
    void setText(const QString &name, const QString &value);
    void setText(const QString &name, const char *utf8) { setText(name, QString::fromUtf8(utf8)); }
    void setBytes(const QString &name, const QByteArray &local8Bit);

    // Entry-style: the first child element of that name (appended when there
    // is none) takes the text ("%d" for integers) and becomes a text element.
    void addValue(const QString &name, int value);
    void addValue(const QString &name, const QString &value);
    void addValue(const QString &name, const char *utf8) { addValue(name, QString::fromUtf8(utf8)); }

    // Writes the changed records into the element and takes a new snapshot.
    bool commit();

    // The snapshot.
    const std::vector<ValueRecord> &entries() const { return m_records; }
    int count() const { return int(m_records.size()); }
    const ValueRecord &entry(int i) const { return m_records.at(size_t(i)); }

    // A handle on the node of the first record of that name (an attribute
    // or a child element), searching from the start of the snapshot; then
    // on the next record of the same name after the one found last.
    std::unique_ptr<SettingsSection> findFirst(const QString &name);
    std::unique_ptr<SettingsSection> findNext();

    // Detaches a child element of this element and deletes it with its
    // subtree; handles on it become invalid.
    bool remove(SettingsSection *child);

    // The reading rules of getInt and getFloat on the bytes of a value.
    static int textToInt(const char *text, int length);
    static double textToReal(const char *text, int length);

private:
    friend class CSerialize;
    SettingsSection(CSerialize *doc, CXmlElement *node, bool isDocument);

    void invalidate();
    void rebuild(bool keepChanges);
    void buildIndex() const;
    void indexRecord(int i) const;
    int indexOf(const QByteArray &name) const;
    int setRecord(const QString &name, const QByteArray &value);
    CXmlElement *firstChildElement(const QString &name) const;
    std::unique_ptr<SettingsSection> handleOn(CXmlElement *node) const;
    static QByteArray keyBytes(const QString &name);
    static quint32 hashName(const char *p, int n);

    CSerialize *m_doc = nullptr;
    CXmlElement *m_node = nullptr;
    bool m_isDocument = false;

    std::vector<ValueRecord> m_records;
    std::vector<CXmlElement *> m_recordNodes; // node of each record, null for new ones
    std::vector<char> m_changed;
    int m_childrenAtSnapshot = 0;

    // Index by name: open addressing over record numbers (first record of a
    // name), with a chain to the next record of the same name.
    mutable std::vector<int> m_buckets;
    mutable std::vector<int> m_nextSame;
    mutable std::vector<int> m_lastSame; // for the first record of a name: the last one
    mutable bool m_indexValid = false;

    QByteArray m_searchName;
    int m_searchPos = -1;
};

#endif // SETTINGSSECTION_H
