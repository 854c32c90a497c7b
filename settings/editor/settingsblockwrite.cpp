#include "settings/editor/settingsblockwrite.h"

#include <QFile>
#include <QTimer>

#include <algorithm>

namespace {

void putI32(char *at, int32_t value)
{
    const auto v = uint32_t(value);
    at[0] = char(v & 0xFF);
    at[1] = char((v >> 8) & 0xFF);
    at[2] = char((v >> 16) & 0xFF);
    at[3] = char((v >> 24) & 0xFF);
}

intptr_t addr(const void *p)
{
    return reinterpret_cast<intptr_t>(p);
}

} // namespace

SettingsBlockWrite::SettingsBlockWrite(Send send, int timeoutMs, QObject *parent)
    : QObject(parent)
    , m_send(std::move(send))
    , m_timeoutMs(timeoutMs > 0 ? timeoutMs : DefaultTimeoutMs)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] {
        if (m_state == State::WaitingAck)
            fail(Failure::Timeout);
    });
}

SettingsBlockWrite::~SettingsBlockWrite()
{
    if (isBusy() && m_remove && !m_path.isEmpty())
        QFile::remove(m_path);
}

const char *SettingsBlockWrite::stateName(State state)
{
    switch (state) {
    case State::Idle:
        return "idle";
    case State::Sending:
        return "sending";
    case State::WaitingAck:
        return "waitingAck";
    case State::AskingFinal:
        return "askingFinal";
    case State::Done:
        return "done";
    case State::Failed:
        return "failed";
    }
    return "";
}

QByteArray SettingsBlockWrite::settingsBlock(const QByteArray &data, int blockNumber, int blockCount, int sequence)
{
    QByteArray block(RecordSize, '\0');
    const int length = int(std::min<qsizetype>(data.size(), BlockSize));
    std::copy(data.constBegin(), data.constBegin() + length, block.begin());
    putI32(block.data() + 1024, length);
    putI32(block.data() + 1028, blockNumber);
    putI32(block.data() + 1032, blockCount);
    putI32(block.data() + 1036, sequence);
    return block;
}

void SettingsBlockWrite::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

bool SettingsBlockWrite::start(const QString &path, bool removeWhenDone)
{
    if (isBusy())
        return false;
    ++m_generation;
    m_path = path;
    m_remove = removeWhenDone;
    m_failure = Failure::None;
    m_bytesWritten = 0;
    m_blockNumber = 1;
    m_sequence = FirstSequence;
    m_data.clear();

    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() > qint64(INT32_MAX) - BlockSize) {
        fail(Failure::CannotRead);
        return false;
    }
    m_data = file.readAll();
    file.close();
    m_totalBytes = m_data.size();
    m_blockCount = int((m_totalBytes + BlockSize - 1) / BlockSize);
    m_started.start();
    prepareBlock();
    setState(State::Sending);
    // The first block goes at once; the editor shows the progress after.
    sendQueued();
    return true;
}

bool SettingsBlockWrite::prepareBlock()
{
    const qint64 offset = qint64(m_blockNumber - 1) * BlockSize;
    const QByteArray data = offset < m_data.size() ? m_data.mid(offset, BlockSize) : QByteArray();
    m_lastLength = int(data.size());
    m_record = settingsBlock(data, m_blockNumber, m_blockCount, m_sequence);
    return true;
}

void SettingsBlockWrite::sendQueued()
{
    if (m_state != State::Sending)
        return;
    setState(State::WaitingAck);
    m_timer->start(m_timeoutMs);
    // The host may acknowledge from inside this call.
    if (m_send)
        m_send(BlockMessage, addr(m_record.constData()), 0);
}

void SettingsBlockWrite::acknowledge(int result)
{
    if (m_state != State::WaitingAck)
        return; // no block outstanding: a late or doubled acknowledgement
    m_timer->stop();
    if (result == 1) {
        m_bytesWritten += m_lastLength;
        emit progress(m_bytesWritten, m_totalBytes);
        if (m_blockNumber >= m_blockCount) {
            setState(State::AskingFinal);
            // Asked from the event loop: the acknowledgement may have come
            // from inside the host's send.
            const quint64 generation = m_generation;
            QTimer::singleShot(0, this, [this, generation] {
                if (generation == m_generation && m_state == State::AskingFinal)
                    emit finalQuestion();
            });
            return;
        }
        ++m_blockNumber;
        ++m_sequence;
    } else if (result != 2) {
        fail(Failure::BadAcknowledgement);
        return;
    }
    prepareBlock();
    setState(State::Sending);
    const quint64 generation = m_generation;
    QTimer::singleShot(0, this, [this, generation] {
        if (generation == m_generation)
            sendQueued();
    });
}

void SettingsBlockWrite::answer(bool apply)
{
    if (m_state != State::AskingFinal)
        return;
    if (apply && m_send) {
        QString written = m_path;
        m_send(WrittenMessage, addr(&written), 0);
    }
    end(State::Done);
}

void SettingsBlockWrite::detach()
{
    if (isBusy())
        fail(Failure::Detached);
}

void SettingsBlockWrite::cancel()
{
    if (isBusy())
        fail(Failure::Cancelled);
}

void SettingsBlockWrite::fail(Failure failure)
{
    m_failure = failure;
    end(State::Failed);
}

void SettingsBlockWrite::end(State state)
{
    m_timer->stop();
    ++m_generation;
    if (m_remove && !m_path.isEmpty())
        QFile::remove(m_path);
    m_data.clear();
    setState(state);
    emit finished(state == State::Done);
}
