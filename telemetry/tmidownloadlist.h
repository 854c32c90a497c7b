#ifndef TMIDOWNLOADLIST_H
#define TMIDOWNLOADLIST_H

#include "telemetry/f8record.h"

#include <QByteArray>

#include <memory>
#include <vector>

class TmiPage_Vela2;

// The pages of an interval download, kept compactly: the records' bytes one
// after another in one buffer (128 bytes per F6/F8 page, the record as
// received for a second-generation page) and a small index entry per page.
// No page object exists while pages arrive; the writers build what they
// need, one page at a time.
class TmiDownloadList
{
public:
    enum Kind : quint8 {
        F8 = 0,    // an F6 or F8 record, held in its F8 form
        Vela2 = 1, // a masked (generation 20) or extended record, as received
    };

    // The most bytes kept of a second-generation record, as a page object keeps.
    static constexpr int Vela2Capacity = 512;

    void clear();
    // Room for this many pages of kind F8 (a hint; more may follow).
    void reserve(int pages);

    void appendF8(const F8Record &record);
    // A second-generation record from its type byte, cut to 512 bytes;
    // false (nothing kept) when there is no byte.
    bool appendVela2(const void *record, qsizetype length);
    // Every page of another list, in its order.
    void append(const TmiDownloadList &other);

    int count() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    Kind kind(int index) const { return Kind(m_entries[size_t(index)].kind); }
    bool hasVela2() const { return m_vela2Count > 0; }

    // The page's bytes as kept: the F8 record, or the received record.
    const quint8 *data(int index) const;
    int size(int index) const { return m_entries[size_t(index)].length; }
    QByteArray bytes(int index) const;

    // The page in the F8 layout: an F8 page as it is, a second-generation
    // page with the fields of the same name it carries (the others zero).
    F8Record f8(int index) const;

    // The page as a second-generation page object: the record as received,
    // or an F8 page's fields as the rows F8 carries.
    std::unique_ptr<TmiPage_Vela2> vela2(int index) const;

    quint32 pageNumber(int index) const;
    quint32 time(int index) const;

    // Bytes held for the pages (records and index), for the memory budget.
    qsizetype heldBytes() const;

private:
    struct Entry
    {
        qint64 offset;
        quint16 length;
        quint8 kind;
    };
    void appendBytes(const void *bytes, int length, Kind kind);

    QByteArray m_bytes;
    std::vector<Entry> m_entries;
    int m_vela2Count = 0;
};

#endif // TMIDOWNLOADLIST_H
