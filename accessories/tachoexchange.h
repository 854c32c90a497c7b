#ifndef TACHOEXCHANGE_H
#define TACHOEXCHANGE_H

#include "accessories/trackersend.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>

#include <memory>

class QSaveFile;
class QTimer;
class TrackerRequest;

// The exchange with the digital tachograph behind the tracker, with no
// widget: ORV_FormTaho shows it. It asks for the tachograph's state, card
// and registration data, has the tracker make a DDD file (the tachograph's
// data download file) and downloads that file.
//
// Requests (plug-in to host):
//   2100  p1 = query code: 1 current state, 3 card in slot 1, 4 card in
//         slot 2, 5 registration data; 0 the state of the DDD file
//   2102  p1 = address of the 6-byte create record, p2 = 0:
//           0  1  0
//           1  1  DDD file type code (0 .. 5)
//           2  4  parameter, little-endian: type 1 (activities of a day)
//                 the date and time in seconds since 1970-01-01 00:00 UTC;
//                 type 5 (card) the card number 1 or 2 in the low byte and
//                 0xFF in the three upper bytes; 0 for the other types
//   2104  p1 = the offset in the DDD file of the data wanted, p2 = 0
//
// Answers (host to plug-in, 2101, 2103 and 2105 alike, through the
// telemetry window): a buffer whose byte 6 is its kind; bytes 0-5 are the
// tracker's answer tag and are not read. All numbers are little-endian;
// times are seconds since 1970-01-01 00:00 UTC; texts are padded with
// zero bytes or spaces. An answer shorter than its kind's layout is
// dropped.
//
// Kind 0, the DDD file's state (12 bytes and the name):
//   7  1  status code (statusText); 0x70 while the file is being made
//   8  4  file length in bytes
//   12 .. file name, windows-1251, at most 73 characters (status 0 only)
//
// Kinds 1, 3, 4 and 5 begin with a state byte at 7: 0 = OK (the fields
// follow), 1 = no data ("n/a"), 2 = tachograph not connected; any other
// value is shown as its code. Without OK the answer is 8 bytes long.
//
// Kind 1, current state of the tachograph (42 bytes):
//   8  4  tachograph time
//   12 1  tachograph mode: 0 operational, 1 control, 2 calibration, 3 company
//   13 1  security-module mode: 0 not activated, 1 activated
//   14 1  card 1 state, 15 card 2 state: 0 no card, 1 not authorised,
//         2 authorised, 3 could not be removed
//   16 1  driver 1 activity, 17 driver 2 activity: 0 rest, 1 availability,
//         2 work, 3 driving
//   18 1  card 1 type, 19 card 2 type: 0 none, 1 driver, 2 controller, 3 company
//   20 4  TRIP distance in units of 0.005 km
//   24 2  supply voltage in units of 0.2 V
//   26 8  driver 1: minutes in the current activity, driving minutes in the
//         day, continuous driving minutes, cumulative break minutes (2 each)
//   34 8  driver 2: the same
//
// Kinds 3 and 4, the card in slot 1 or 2 (180 bytes):
//   8  1  card state, 9 1 card type (as in kind 1)
//   10 2  country code (numeric)
//   12 16 card number (ASCII)
//   28 4  card expiry (reserve; 0 when not given)
//   32 4  code pages of strings 1 to 4, one byte each
//   36 144 strings 1 to 4, 36 bytes each
// A code page is the tachograph's: 1 .. 16 ISO/IEC 8859-1 .. 16,
// 80 KOI8-R, 85 KOI8-U; any other is read as ISO/IEC 8859-1.
//
// Kind 5, registration data (86 bytes):
//   8  8  tachograph version (ASCII)
//   16 17 vehicle identification number (ASCII)
//   33 2  registering country code (numeric)
//   35 1  code page of the registration number
//   36 13 registration number
//   49 1  speed limit, km/h
//   50 4  time of the next calibration
//   54 4  security-module activation time
//   58 4  end of the security-module activation
//   62 8  security-module serial number (ASCII)
//   70 16 security-module registration number (ASCII)
//
// Kind 2, a piece of the DDD file (answer to 2104; 16 bytes and the data):
//   7  1  status: 0 = data follow; any other value is a status code of
//         kind 0 (0x32: no file) and ends the download
//   8  4  offset of the data in the file (the offset asked for)
//   12 4  file length
//   16 .. the data, at least one byte, at most what is left of the file
//
// Making a file: 2102 is answered with kind 0, status 0x70 (started) or an
// error. While the status is 0x70 the exchange asks for the file's state
// (2100 with 0) every pollInterval until the tracker reports another
// status (0 and the file's name and length when it is made) or until the
// creation limit. Downloading: 2104 with offset 0, then with the offset
// after the data received, until the whole length is in; the file is
// written through QSaveFile and only appears when complete.
//
// Every request has a limit; detach() ends whatever runs (a download
// leaves no file). Texts from the tracker are escaped before they reach
// the rich-text log.
class TachoExchange : public QObject
{
    Q_OBJECT

public:
    static constexpr uint32_t QueryMessage = 2100;
    static constexpr uint32_t QueryAnswer = 2101;
    static constexpr uint32_t CreateMessage = 2102;
    static constexpr uint32_t CreateAnswer = 2103;
    static constexpr uint32_t LoadMessage = 2104;
    static constexpr uint32_t LoadAnswer = 2105;

    enum Kind : quint8 {
        FileState = 0,
        CurrentState = 1,
        FileData = 2,
        Card1 = 3,
        Card2 = 4,
        Registration = 5,
    };
    static constexpr int KindOffset = 6;
    static constexpr int StatusOffset = 7;
    static constexpr int ShortLength = 8;        // kinds 1, 3, 4, 5 without data
    static constexpr int FileStateLength = 12;
    static constexpr int CurrentStateLength = 42;
    static constexpr int CardLength = 180;
    static constexpr int RegistrationLength = 86;
    static constexpr int FileDataHeaderLength = 16;
    static constexpr int MaximumNameLength = 73;
    static constexpr quint32 MaximumFileLength = 16u * 1024 * 1024;

    // States of kinds 1, 3, 4, 5.
    static constexpr quint8 StateOk = 0;
    static constexpr quint8 StateNotAvailable = 1;
    static constexpr quint8 StateNotConnected = 2;
    // DDD status codes of kind 0 the exchange acts on.
    static constexpr quint8 FileMade = 0x00;
    static constexpr quint8 FileInProgress = 0x70;

    static constexpr int FileStateQuery = 0;
    static constexpr int QueryCount = 4;
    static constexpr int FileTypeCount = 6;
    static constexpr int CreateRecordSize = 6;

    static constexpr int DefaultTimeoutMs = 15000;
    static constexpr int DefaultPollIntervalMs = 2000;
    static constexpr int DefaultCreationLimitMs = 10 * 60 * 1000;

    enum class Log { Query, File };
    Q_ENUM(Log)
    enum class Activity { Idle, Creating, Downloading };
    Q_ENUM(Activity)

    explicit TachoExchange(TrackerSend send, int timeoutMs = DefaultTimeoutMs, QObject *parent = nullptr);
    ~TachoExchange() override;

    void setPollInterval(int milliseconds);
    void setCreationLimit(int milliseconds);

    // The query combo's index -> the code sent (0 -> 1, 1 -> 3, 2 -> 4,
    // 3 -> 5, any other -> 1).
    static int queryCode(int index);
    // The file-type combo's index -> the DDD file type code (0 -> 5, 1 -> 0,
    // 2 -> 1, 3 -> 2, 4 -> 3, 5 -> 4; any other -> 0).
    static int fileTypeCode(int index);
    // Which parameter a file type takes: the card (index 0) or the date (index 2).
    static bool fileTypeTakesCard(int index) { return index == 0; }
    static bool fileTypeTakesDate(int index) { return index == 2; }
    // The 6-byte create record.
    static QByteArray createRecord(int fileTypeCode, const QDateTime &when, int cardIndex);
    // The log text of a DDD status code: "<b>(0x70) ...</b>".
    static QString statusText(quint8 code);
    // A file name the tracker proposed, safe in a directory: without "/",
    // "\", ".." and control characters.
    static QString safeFileName(const QString &proposed);

    // The user's requests. Each returns false, and sends nothing, when it
    // cannot run now.
    bool query(int index);
    bool create(int fileTypeIndex, const QDateTime &when, int cardIndex);
    // Downloads the file the tracker made into path; *error tells why not.
    bool download(const QString &path, QString *error = nullptr);
    // Ends a running download; the file is not written.
    void cancelDownload();
    // The window closes: a query, the making and a download stop; the made
    // file is remembered.
    void stop();
    // The tracker was detached: everything ends, the made file is forgotten.
    void detach();

    // Answers 2101, 2103, 2105. True when the answer was taken.
    bool receiveAnswer(uint32_t msgId, const uchar *data, int length);

    Activity activity() const { return m_activity; }
    bool isQuerying() const { return m_querying; }
    // The file the tracker reported as made: its safe name and length.
    bool hasFile() const { return m_fileLength > 0; }
    QString fileName() const { return m_fileName; }
    quint32 fileLength() const { return m_fileLength; }
    // A running download: the bytes in and the file's length.
    qint64 downloaded() const { return m_offset; }
    qint64 downloadTotal() const { return m_total; }
    QString downloadPath() const { return m_path; }

signals:
    // A line for one of the window's two logs (rich text, escaped).
    void logged(TachoExchange::Log log, const QString &line);
    // Anything that enables or disables the window's buttons changed.
    void changed();
    // The tracker reports a made file (safe name, length).
    void fileReady(const QString &name, quint32 length);
    void downloadProgress(qint64 done, qint64 total);
    // Once per download; message is empty when the file was written.
    void downloadFinished(bool ok, const QString &message);

private:
    void handleFileState(const uchar *data, int length);
    bool handleFileData(const uchar *data, int length);
    void handleInformation(quint8 kind, const uchar *data, int length);
    void logCurrentState(const uchar *data);
    void logCard(const uchar *data);
    void logRegistration(const uchar *data);
    void requestNextData();
    void pollFileState();
    void endCreation();
    void endDownload(bool ok, const QString &message);
    void onQueryTimeout();
    void onCreateTimeout();
    void onLoadTimeout();
    void log(Log which, const QString &line);
    static QString field(const QString &label, const QString &value);

    TrackerRequest *m_queryRequest;  // 2100 for kinds 1, 3, 4, 5
    TrackerRequest *m_createRequest; // 2102 and the polls of the file's state
    TrackerRequest *m_loadRequest;   // 2104
    QTimer *m_pollTimer;
    int m_pollIntervalMs = DefaultPollIntervalMs;
    int m_creationLimitMs = DefaultCreationLimitMs;
    QDateTime m_creationStarted;

    Activity m_activity = Activity::Idle;
    bool m_querying = false;
    int m_lastLoggedStatus = -1; // of the file's state, while a file is being made
    QByteArray m_record;

    QString m_fileName;
    quint32 m_fileLength = 0;

    std::unique_ptr<QSaveFile> m_file;
    QString m_path;
    qint64 m_offset = 0;
    qint64 m_total = 0;
};

#endif // TACHOEXCHANGE_H
