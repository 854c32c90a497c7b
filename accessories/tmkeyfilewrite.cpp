#include "accessories/tmkeyfilewrite.h"

#include "accessories/tmkeyfile.h"

#include <QDir>
#include <QSaveFile>

TmKeyFileWrite::TmKeyFileWrite(TrackerSend send, const QString &tempDir, int timeoutMs, QObject *parent)
    : TmKeyTransfer(std::move(send), tempDir, timeoutMs, parent)
{
}

TmKeyFileWrite::~TmKeyFileWrite() = default;

int TmKeyFileWrite::blockCount() const
{
    return int((m_file.size() + BlockSize - 1) / BlockSize);
}

bool TmKeyFileWrite::start(const QByteArray &file, QString *error)
{
    if (isRunning() || file.isEmpty())
        return false;
    const QString path = newTempFile(QStringLiteral("tmkeyw"));
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size() || !out.commit()) {
        if (error)
            *error = fileErrorText(QDir::toNativeSeparators(path), out.errorString());
        return false;
    }
    m_file = file;
    m_block = 0;
    m_state = State::Blocks;
    begin(path);
    sendBlock();
    return true;
}

void TmKeyFileWrite::sendBlock()
{
    const int offset = m_block * BlockSize;
    QByteArray buffer;
    buffer.reserve(2 + BlockSize);
    buffer.append(char(m_block & 0xFF));
    buffer.append(char((m_block >> 8) & 0xFF));
    buffer.append(m_file.mid(offset, BlockSize));
    request(BlockMessage, buffer);
}

bool TmKeyFileWrite::receiveAnswer(uint32_t msgId, const uchar *data, int length)
{
    if (!isRunning() || !data)
        return false;
    if (msgId == BlockAnswer && m_state == State::Blocks && length >= BlockAnswerMinimumLength) {
        answered();
        const quint8 status = data[BlockAnswerStatusOffset];
        if (status != quint8(TmKeyFile::Success)) {
            finish(Result::TrackerError, TmKeyFile::statusError(TmKeyFile::Step::Write, status));
            return true;
        }
        ++m_block;
        emit blockWritten(m_block, blockCount());
        if (!isRunning()) // ended by a receiver of the signal
            return true;
        if (qsizetype(m_block) * BlockSize < m_file.size()) {
            sendBlock();
        } else {
            m_state = State::Switching;
            removeTempFile();
            request(SwitchMessage);
        }
        return true;
    }
    if (msgId == SwitchAnswer && m_state == State::Switching && length >= SwitchAnswerMinimumLength) {
        answered();
        const quint8 status = data[SwitchAnswerStatusOffset];
        if (status == quint8(TmKeyFile::Success))
            finish(Result::Done);
        else
            finish(Result::TrackerError, TmKeyFile::statusError(TmKeyFile::Step::Change, status));
        return true;
    }
    return false;
}
