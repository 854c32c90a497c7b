#ifndef TMITEXTFILE_H
#define TMITEXTFILE_H

#include "telemetry/f8record.h"
#include "telemetry/tmiexport.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

class QIODevice;
class TmiPage_Vela2;

// One page of a telemetry text file, decoded.
struct TmiFilePage
{
    enum Kind : quint8 { F8 = 0, Vela2 = 1 };

    int index = -1;    // in the file
    Kind kind = F8;
    // F8 pages: the record as far as the file gives its fields (the others
    // zero), the rows the file gave, and the event name the file holds.
    F8Record f8;
    PresenceMask f8Rows;
    QString eventName;
    // Vela2 pages: the page, with the fields the file holds present.
    std::shared_ptr<const TmiPage_Vela2> vela2;

    quint32 pageNumber() const;
    quint32 time() const;
};

// A telemetry text file (TmiXmlWriter's), read for the file views and for
// anyone who needs its pages: one pass records where each page starts,
// and pages are decoded on demand, a few kept in a small cache. The file
// is never held whole in memory: the index costs 8 bytes a page.
//
// The pass runs in steps (indexStep), so that a window can show progress
// and stop it. A page's kind is decided by its Page line: a page=
// attribute is an F6/F8 page, a type= attribute a second-generation page.
//
// Refused: a file that is not a telemetry text file (no TMI root element
// in its first lines, before any page) and a file with a line longer than
// maxLine bytes.
class TmiTextFile
{
public:
    enum class Error { None, CannotOpen, NotTelemetry, LineTooLong };

    static constexpr int DefaultMaxLine = 64 * 1024;
    static constexpr int CacheSize = 64;
    // The most bytes a page may take; the rest of a longer one is not read.
    static constexpr int MaxPageBytes = 1 << 20;

    explicit TmiTextFile(int maxLine = DefaultMaxLine);
    ~TmiTextFile();
    TmiTextFile(const TmiTextFile &) = delete;
    TmiTextFile &operator=(const TmiTextFile &) = delete;

    // Opens the file and reads its header. False, with error(), when it
    // cannot be read or is not a telemetry text file.
    bool open(const QString &fileName);
    // The same over bytes in memory.
    bool openBytes(const QByteArray &bytes);
    void close();

    // Indexes at most `bytes` more bytes of the file. True while there is
    // more to index; false when done or refused (error()).
    bool indexStep(qint64 bytes = 8 << 20);
    // Indexes what is left.
    bool indexAll();
    bool isIndexed() const { return m_indexed; }
    qint64 indexedBytes() const { return m_indexedBytes; }
    qint64 size() const { return m_size; }

    Error error() const { return m_error; }
    // The line of a LineTooLong error (1-based).
    qint64 errorLine() const { return m_errorLine; }
    QString fileName() const { return m_fileName; }

    // The header: captions, clock, the page count it announces.
    const TmiExport::Captions &captions() const { return m_captions; }
    int timeZone() const { return m_timeZone; }
    bool daylightSaving() const { return m_daylightSaving; }

    int pageCount() const { return int(m_pages.size()); }
    TmiFilePage::Kind kind(int index) const;
    // Where the page's line starts in the file.
    qint64 offset(int index) const;

    // The page decoded; null when index is out of range. Kept in a small
    // cache: reading the pages on screen again reads nothing.
    std::shared_ptr<const TmiFilePage> page(int index) const;
    // Pages decoded from the file so far (cache misses).
    int decodedCount() const { return m_decoded; }

    // Bytes held for the index and the cache.
    qsizetype heldBytes() const;

    // Decodes the lines of one page (the Page line first) into page.
    static void decode(const char *bytes, qsizetype length, TmiFilePage *page);

private:
    bool start(std::unique_ptr<QIODevice> device);
    bool readHeader();
    void indexBlock(const char *data, qsizetype length, qint64 fileOffset, bool atEnd);
    bool refuse(Error error);

    std::unique_ptr<QIODevice> m_device;
    QString m_fileName;
    int m_maxLine;
    qint64 m_size = 0;
    qint64 m_indexedBytes = 0;
    bool m_indexed = false;
    Error m_error = Error::None;
    qint64 m_errorLine = 0;
    qint64 m_lines = 0;
    qint64 m_lastNewline = -1; // file offset of the last line end seen
    QByteArray m_carry;        // the start of a line cut by the end of a block
    std::vector<quint64> m_pages; // offset << 1 | kind

    TmiExport::Captions m_captions;
    int m_timeZone = 0;
    bool m_daylightSaving = false;

    struct Cached
    {
        int index;
        std::shared_ptr<const TmiFilePage> page;
        quint64 used;
    };
    mutable std::vector<Cached> m_cache;
    mutable quint64 m_clock = 0;
    mutable int m_decoded = 0;
};

#endif // TMITEXTFILE_H
