#include "telemetry/tmidownloadlist.h"

#include "telemetry/tmipage_vela2.h"

#include <algorithm>
#include <cstring>

void TmiDownloadList::clear()
{
    // Give the memory back: a download of many pages must not stay resident.
    m_bytes = QByteArray();
    std::vector<Entry>().swap(m_entries);
    m_vela2Count = 0;
}

void TmiDownloadList::reserve(int pages)
{
    if (pages <= 0)
        return;
    const qsizetype wanted = qsizetype(count() + pages) * F8Record::Size;
    if (wanted > m_bytes.capacity())
        m_bytes.reserve(wanted);
    m_entries.reserve(size_t(count() + pages));
}

void TmiDownloadList::appendBytes(const void *bytes, int length, Kind kind)
{
    Entry entry;
    entry.offset = m_bytes.size();
    entry.length = quint16(length);
    entry.kind = quint8(kind);
    m_bytes.append(static_cast<const char *>(bytes), length);
    m_entries.push_back(entry);
    if (kind == Vela2)
        ++m_vela2Count;
}

void TmiDownloadList::appendF8(const F8Record &record)
{
    appendBytes(record.data(), F8Record::Size, F8);
}

bool TmiDownloadList::appendVela2(const void *record, qsizetype length)
{
    if (!record || length <= 0)
        return false;
    appendBytes(record, int(std::min<qsizetype>(length, Vela2Capacity)), Vela2);
    return true;
}

void TmiDownloadList::append(const TmiDownloadList &other)
{
    for (int i = 0; i < other.count(); ++i)
        appendBytes(other.data(i), other.size(i), other.kind(i));
}

const quint8 *TmiDownloadList::data(int index) const
{
    return reinterpret_cast<const quint8 *>(m_bytes.constData()) + m_entries[size_t(index)].offset;
}

QByteArray TmiDownloadList::bytes(int index) const
{
    return QByteArray(reinterpret_cast<const char *>(data(index)), size(index));
}

F8Record TmiDownloadList::f8(int index) const
{
    if (kind(index) == F8)
        return F8Record(data(index), size(index));
    const TmiPage_Vela2 page(data(index), size(index));
    F8Record record;
    record.data()[0] = F8Record::Type;
    for (const F8Field &f : F8Layout::fields) {
        const FieldRef &field = FieldTable::member(f.member);
        if (page.isPresent(field))
            std::memcpy(record.data() + f.offset, page.fullRecord().at(field), field.size);
    }
    return record;
}

std::unique_ptr<TmiPage_Vela2> TmiDownloadList::vela2(int index) const
{
    if (kind(index) == F8) {
        const F8Record record(data(index), size(index));
        return std::make_unique<TmiPage_Vela2>(record.toFullRecord(), F8Record::carriedRows());
    }
    return std::make_unique<TmiPage_Vela2>(data(index), size(index));
}

quint32 TmiDownloadList::pageNumber(int index) const
{
    if (kind(index) == F8)
        return TmiBytes::read<quint32>(data(index) + F8Layout::offset("NumPage"));
    return TmiPage_Vela2(data(index), size(index)).pageNumber();
}

quint32 TmiDownloadList::time(int index) const
{
    if (kind(index) == F8)
        return TmiBytes::read<quint32>(data(index) + F8Layout::offset("Time"));
    return TmiPage_Vela2(data(index), size(index)).time();
}

qsizetype TmiDownloadList::heldBytes() const
{
    return m_bytes.capacity() + qsizetype(m_entries.capacity() * sizeof(Entry));
}
