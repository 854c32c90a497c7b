#ifndef TMIPAGESOURCE_H
#define TMIPAGESOURCE_H

#include "telemetry/tmiexport.h"
#include "telemetry/tmitextfile.h"

#include <QHash>
#include <QString>

#include <memory>

class TmiDownloadList;

// Pages that a view or an analysis reads one at a time, whatever holds
// them: a telemetry text file, or the pages of an interval download kept by
// the telemetry window. Every page comes as a TmiFilePage, so one reader
// serves both.
class TmiPageSource
{
public:
    virtual ~TmiPageSource() = default;

    virtual int pageCount() const = 0;
    // The page decoded; null when index is out of range.
    virtual std::shared_ptr<const TmiFilePage> page(int index) const = 0;
    // Names of the tracker's lines, as the pages were saved with.
    virtual const TmiExport::Captions &captions() const = 0;
    // The file the pages come from; empty for downloaded pages.
    virtual QString fileName() const = 0;
    // The records are the bytes the tracker sent (downloaded pages), not
    // records rebuilt from the values of a text file.
    virtual bool holdsReceivedRecords() const = 0;
};

// A telemetry text file, indexed, as a page source.
class TmiTextFilePages : public TmiPageSource
{
public:
    explicit TmiTextFilePages(std::shared_ptr<const TmiTextFile> file);

    int pageCount() const override;
    std::shared_ptr<const TmiFilePage> page(int index) const override;
    const TmiExport::Captions &captions() const override;
    QString fileName() const override;
    bool holdsReceivedRecords() const override { return false; }

    const std::shared_ptr<const TmiTextFile> &file() const { return m_file; }

private:
    std::shared_ptr<const TmiTextFile> m_file;
};

// The pages of an interval download as a page source. F6/F8 pages carry
// every F8 field; second-generation pages the fields they hold. Event names
// are asked for through eventName (once per code) when one is given.
class TmiDownloadPages : public TmiPageSource
{
public:
    TmiDownloadPages(std::shared_ptr<const TmiDownloadList> pages, const TmiExport::Captions &captions,
                     TmiExport::EventName eventName = {});

    int pageCount() const override;
    std::shared_ptr<const TmiFilePage> page(int index) const override;
    const TmiExport::Captions &captions() const override { return m_captions; }
    QString fileName() const override { return QString(); }
    bool holdsReceivedRecords() const override { return true; }

    const std::shared_ptr<const TmiDownloadList> &pages() const { return m_pages; }

    // Page index of a list as a TmiFilePage (no event name).
    static void read(const TmiDownloadList &pages, int index, TmiFilePage *page);

private:
    std::shared_ptr<const TmiDownloadList> m_pages;
    TmiExport::Captions m_captions;
    TmiExport::EventName m_eventName;
    mutable QHash<quint16, QString> m_eventNames;
};

// A point of a vehicle's track: where and when a page was written.
struct TmiTrackPoint
{
    quint32 time = 0;        // seconds since 1970, UTC
    qint32 latitude = 0;     // 1/600000 degree
    qint32 longitude = 0;
    qint32 altitude = 0;     // metres
    float speed = 0;         // km/h
    quint16 course = 0;      // degrees
    bool hasAltitude = false;
    bool hasSpeed = false;
    bool hasCourse = false;
};

namespace TmiPageFields {
// A field of a page as the page holds it: its bytes (in the layout of the
// full record's member), or null when the page does not carry the field.
const quint8 *at(const TmiFilePage &page, const FieldRef &field);
// The page's position when it has a valid fix: both coordinates carried and
// not exactly 0,0 (no fix yet), and, when the page carries StateNGauge, its
// bit 1 (fix valid) set. False, point untouched, otherwise.
bool trackPoint(const TmiFilePage &page, TmiTrackPoint *point);
// The record's bytes: the F8 record of an F6/F8 page, the second-generation
// record (as received, or rebuilt from a text file's values).
QByteArray record(const TmiFilePage &page);
} // namespace TmiPageFields

#endif // TMIPAGESOURCE_H
