#ifndef TMKEYTRANSFER_H
#define TMKEYTRANSFER_H

#include "accessories/trackersend.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class TrackerRequest;

// What the two key file transfers (TmKeyFileWrite, TmKeyFileRead) share:
// the injected send, a limit on every request, the temporary file in the
// editor's temporary directory, and one end for every path.
//
// Requests carry a buffer and its length (p1 = the bytes' address, p2 =
// their count; both 0 for a request without data), sent through a
// TrackerRequest: never one call deeper per block with a host that answers
// inside send.
//
// Every start that returned true ends in exactly one finished(): the
// tracker's success, its error status (the exact error text), no answer
// within the limit, detach(), or a file that cannot be written. At the end
// the temporary file is gone.
class TmKeyTransfer : public QObject
{
    Q_OBJECT

public:
    enum class Result {
        Done,
        TrackerError, // the tracker answered with an error status
        TimedOut,     // a request was not answered within the limit
        Detached,     // the tracker went away
        FileError,    // the temporary file could not be written
        BadAnswer,    // the tracker's data cannot be a key file
    };
    Q_ENUM(Result)

    static constexpr int DefaultTimeoutMs = 10000;

    ~TmKeyTransfer() override;

    bool isRunning() const { return m_running; }
    // The directory of the temporary files (the editor's temporary
    // directory; the system's when none was given, never the working
    // directory).
    QString tempDir() const;
    void setTempDir(const QString &dir) { m_tempDir = dir; }
    // The temporary file of the running transfer, empty otherwise.
    QString tempFile() const { return m_tempFile; }
    int timeout() const;

    // The tracker was detached: a running transfer ends (Detached).
    void detach();

    static QString timeoutText();
    static QString detachedText();
    static QString fileErrorText(const QString &file, const QString &reason);

signals:
    // Once per transfer; message is empty for Done.
    void finished(TmKeyTransfer::Result result, const QString &message);

protected:
    TmKeyTransfer(TrackerSend send, const QString &tempDir, int timeoutMs, QObject *parent);

    // Sends msgId with a copy of buffer (and its length); starts the limit.
    void request(uint32_t msgId, const QByteArray &buffer = QByteArray());
    // The answer to the request was taken: the limit stops.
    void answered();
    void begin(const QString &tempFile);
    void finish(Result result, const QString &message = QString());
    void removeTempFile();
    // The temporary file of a new transfer: prefix "(<date time>).tmk" in
    // tempDir(), which is made if it is missing.
    QString newTempFile(const QString &prefix) const;
    // Releases what a transfer holds before its temporary file is removed.
    virtual void release() {}

private:
    void onTimeout();

    TrackerRequest *m_request;
    QString m_tempDir;
    QString m_tempFile;
    bool m_running = false;
};

#endif // TMKEYTRANSFER_H
