#include "telemetry/tmipagesource.h"

#include "telemetry/tmidownloadlist.h"
#include "telemetry/tmipage_vela2.h"

#include <cmath>

TmiTextFilePages::TmiTextFilePages(std::shared_ptr<const TmiTextFile> file)
    : m_file(std::move(file))
{
}

int TmiTextFilePages::pageCount() const
{
    return m_file ? m_file->pageCount() : 0;
}

std::shared_ptr<const TmiFilePage> TmiTextFilePages::page(int index) const
{
    return m_file ? m_file->page(index) : nullptr;
}

const TmiExport::Captions &TmiTextFilePages::captions() const
{
    static const TmiExport::Captions none;
    return m_file ? m_file->captions() : none;
}

QString TmiTextFilePages::fileName() const
{
    return m_file ? m_file->fileName() : QString();
}

TmiDownloadPages::TmiDownloadPages(std::shared_ptr<const TmiDownloadList> pages, const TmiExport::Captions &captions,
                                   TmiExport::EventName eventName)
    : m_pages(std::move(pages))
    , m_captions(captions)
    , m_eventName(std::move(eventName))
{
}

int TmiDownloadPages::pageCount() const
{
    return m_pages ? m_pages->count() : 0;
}

void TmiDownloadPages::read(const TmiDownloadList &pages, int index, TmiFilePage *page)
{
    page->index = index;
    if (pages.kind(index) == TmiDownloadList::F8) {
        page->kind = TmiFilePage::F8;
        page->f8 = F8Record(pages.data(index), pages.size(index));
        page->f8Rows = F8Record::carriedRows();
        page->vela2.reset();
    } else {
        page->kind = TmiFilePage::Vela2;
        page->vela2 = std::make_shared<const TmiPage_Vela2>(pages.data(index), pages.size(index));
    }
}

std::shared_ptr<const TmiFilePage> TmiDownloadPages::page(int index) const
{
    if (!m_pages || index < 0 || index >= m_pages->count())
        return nullptr;
    auto page = std::make_shared<TmiFilePage>();
    read(*m_pages, index, page.get());
    if (page->kind == TmiFilePage::F8 && m_eventName) {
        const quint16 code = page->f8.code();
        auto it = m_eventNames.constFind(code);
        if (it == m_eventNames.constEnd())
            it = m_eventNames.insert(code, m_eventName(code));
        page->eventName = it.value();
    }
    return page;
}

namespace TmiPageFields {

const quint8 *at(const TmiFilePage &page, const FieldRef &field)
{
    if (!field.isValid())
        return nullptr;
    if (page.kind == TmiFilePage::F8)
        return page.f8Rows.test(field.bit) ? page.f8.at(field) : nullptr;
    if (!page.vela2 || !page.vela2->isPresent(field))
        return nullptr;
    return page.vela2->fullRecord().at(field);
}

bool trackPoint(const TmiFilePage &page, TmiTrackPoint *point)
{
    static constexpr FieldRef kLatitude = FieldTable::field("Latitude");
    static constexpr FieldRef kLongitude = FieldTable::field("Longitude");
    static constexpr FieldRef kAltitude = FieldTable::field("Altitude");
    static constexpr FieldRef kSpeed = FieldTable::field("Speed");
    static constexpr FieldRef kCourse = FieldTable::field("Course");
    static constexpr FieldRef kTime = FieldTable::field("Time");
    static constexpr FieldRef kNavigation = FieldTable::field("StateNGauge");
    const quint8 *latitude = at(page, kLatitude);
    const quint8 *longitude = at(page, kLongitude);
    if (!latitude || !longitude)
        return false;
    const qint32 lat = TmiBytes::read<qint32>(latitude);
    const qint32 lon = TmiBytes::read<qint32>(longitude);
    if (lat == 0 && lon == 0)
        return false;
    if (const quint8 *navigation = at(page, kNavigation); navigation && (*navigation & 0x02) == 0)
        return false;
    TmiTrackPoint p;
    p.latitude = lat;
    p.longitude = lon;
    if (const quint8 *time = at(page, kTime))
        p.time = TmiBytes::read<quint32>(time);
    if (const quint8 *altitude = at(page, kAltitude)) {
        p.altitude = TmiBytes::read<qint32>(altitude);
        p.hasAltitude = true;
    }
    if (const quint8 *speed = at(page, kSpeed)) {
        p.speed = TmiBytes::readFloat(speed);
        p.hasSpeed = std::isfinite(p.speed);
    }
    if (const quint8 *course = at(page, kCourse)) {
        p.course = TmiBytes::read<quint16>(course);
        p.hasCourse = true;
    }
    *point = p;
    return true;
}

QByteArray record(const TmiFilePage &page)
{
    if (page.kind == TmiFilePage::F8)
        return page.f8.toByteArray();
    return page.vela2 ? page.vela2->rawRecord() : QByteArray();
}

} // namespace TmiPageFields
