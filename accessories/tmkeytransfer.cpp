#include "accessories/tmkeytransfer.h"

#include "accessories/trackerrequest.h"

#include "accessories/tmkeyfile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

TmKeyTransfer::TmKeyTransfer(TrackerSend send, const QString &tempDir, int timeoutMs, QObject *parent)
    : QObject(parent)
    , m_request(new TrackerRequest(std::move(send), timeoutMs, this))
    , m_tempDir(tempDir)
{
    connect(m_request, &TrackerRequest::timedOut, this, &TmKeyTransfer::onTimeout);
}

int TmKeyTransfer::timeout() const
{
    return m_request->timeout();
}

TmKeyTransfer::~TmKeyTransfer()
{
    // A transfer cut short by its owner leaves no temporary file behind.
    removeTempFile();
}

QString TmKeyTransfer::tempDir() const
{
    return m_tempDir.isEmpty() ? QDir::tempPath() : m_tempDir;
}

QString TmKeyTransfer::newTempFile(const QString &prefix) const
{
    QDir().mkpath(tempDir());
    return TmKeyFile::fileName(tempDir(), prefix, QDateTime::currentDateTime());
}

QString TmKeyTransfer::timeoutText()
{
    return tr("K4810_3140");
}

QString TmKeyTransfer::detachedText()
{
    return tr("K4810_3141");
}

QString TmKeyTransfer::fileErrorText(const QString &file, const QString &reason)
{
    return tr("K4810_3142").arg(file, reason);
}

void TmKeyTransfer::begin(const QString &tempFile)
{
    m_running = true;
    m_tempFile = tempFile;
}

void TmKeyTransfer::request(uint32_t msgId, const QByteArray &buffer)
{
    m_request->sendBytes(msgId, buffer, buffer.size());
}

void TmKeyTransfer::answered()
{
    m_request->answered();
}

void TmKeyTransfer::onTimeout()
{
    if (m_running)
        finish(Result::TimedOut, timeoutText());
}

void TmKeyTransfer::detach()
{
    if (m_running)
        finish(Result::Detached, detachedText());
}

void TmKeyTransfer::removeTempFile()
{
    release();
    if (!m_tempFile.isEmpty()) {
        QFile::remove(m_tempFile);
        m_tempFile.clear();
    }
}

void TmKeyTransfer::finish(Result result, const QString &message)
{
    m_request->cancel();
    m_running = false;
    removeTempFile();
    emit finished(result, message);
}
