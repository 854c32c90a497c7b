#ifndef TACHOGRAPHSERVICE_H
#define TACHOGRAPHSERVICE_H

#include "host/simulator/trackerservice.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The digital tachograph behind the simulated tracker: its state, the
// cards in its slots and its registration data (2100), the making of a
// DDD file (2102) and its download (2104). Answers are buffers whose first
// six bytes are the tag "*#TACH" and whose byte 6 is the answer's kind
// (the layouts of the plug-in's tachograph exchange):
//
//   2100 with 1, 3, 4, 5: kind 1 (state), 3 / 4 (card in slot 1 / 2),
//        5 (registration data); slot 2 holds no card ("n/a")
//   2100 with 0: kind 0, the DDD file's state: 0x32 before a file was
//        asked for, 0x70 while it is being made, 0 with its length and
//        name once it is made
//   2102 the 6-byte create record: kind 0 with 0x70 (started), 0x10 while
//        another file is being made, 0x35 for a bad date or card, 0x38 for
//        the empty slot 2; the file is made after creationTime()
//   2104 with an offset: kind 2 with status 0, the offset, the file's
//        length and up to 512 bytes of the file from the offset; kind 0
//        with 0x32 when there is no file
//
// Options: the time a file takes, the size of the files, a status that
// answers every create record, and texts that try to break out of the
// window's log and out of the download directory.
class TachographService : public TrackerService
{
    Q_OBJECT
public:
    static constexpr int kBlockSize = 512;
    static constexpr int kDefaultCreationMs = 3000;
    static constexpr int kDefaultFileSize = 23456;

    explicit TachographService(QObject *parent = nullptr);

    QString name() const override { return QStringLiteral("tachograph"); }
    QList<uint32_t> requests() const override;
    int32_t handleRequest(const PluginMessage &request, SimulatedTracker &tracker) override;
    void trackerDetached(SimulatedTracker &tracker) override;

    void setCreationTime(int milliseconds) { m_creationMs = qMax(0, milliseconds); }
    int creationTime() const { return m_creationMs; }
    void setFileSize(int bytes) { m_fileSize = qBound(1, bytes, 8 * 1024 * 1024); }
    int fileSize() const { return m_fileSize; }
    // A status (0x10 ... 0x3C) answered to every create record; 0 for none.
    void setCreateError(quint8 status) { m_createError = status; }
    // A file name with "../" and "\" and card strings with markup.
    void setHostileTexts(bool on) { m_hostile = on; }

    // The file made last (empty before) and its name.
    QByteArray file() const { return m_file; }
    QString fileName() const { return m_fileName; }
    bool isMaking() const { return m_making; }
    // The create record received last.
    QByteArray lastCreateRecord() const { return m_lastRecord; }

    // The DDD file of a type, as this tachograph makes it.
    static QByteArray makeFile(int type, int size);

private:
    QByteArray fileState() const;
    QByteArray currentState() const;
    QByteArray card() const;
    QByteArray registration() const;
    QByteArray fileData(qint64 offset) const;
    int32_t onCreate(const QByteArray &record, SimulatedTracker &tracker);

    int m_creationMs = kDefaultCreationMs;
    int m_fileSize = kDefaultFileSize;
    quint8 m_createError = 0;
    bool m_hostile = false;
    bool m_asked = false;
    bool m_making = false;
    quint64 m_generation = 0;
    QByteArray m_file;
    QString m_fileName;
    QByteArray m_lastRecord;
};

#endif // TACHOGRAPHSERVICE_H
