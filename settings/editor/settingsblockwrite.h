#ifndef SETTINGSBLOCKWRITE_H
#define SETTINGSBLOCKWRITE_H

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>

class QTimer;

// Writing a settings file to the tracker, block by block: a state machine
// without widgets. The editor starts it, shows its progress and asks the
// final question; everything else happens here.
//
//   Idle ─start()─▶ Sending ─(event loop)─▶ WaitingAck ─ack 1, more blocks─▶ Sending
//                                              │  ack 2: the same block again ─▶ Sending
//                                              │  ack 1 on the last block ─▶ AskingFinal ─answer()─▶ Done
//                                              └─ other ack, timeout, detach(), cancel() ─▶ Failed
//
// A block is the 1040-byte settingsBlock record (data, then length, block
// number, block count and sequence, little-endian) sent with message 2025;
// block k holds the file's bytes from (k - 1) × 512, the sequence is 100 for
// block 1 and one more for each next block. Blocks are sent from the event
// loop, never from inside the call that delivered an acknowledgement, so a
// host that answers inside send never nests the exchange deeper.
//
// No acknowledgement within the timeout (10 s unless given) fails the write.
// Once Done or Failed, late acknowledgements are ignored; the file handed
// to start() is removed when the write ends, whichever way.
class SettingsBlockWrite : public QObject
{
    Q_OBJECT

public:
    enum class State { Idle, Sending, WaitingAck, AskingFinal, Done, Failed };
    enum class Failure { None, CannotRead, BadAcknowledgement, Timeout, Detached, Cancelled };

    static constexpr int BlockSize = 512;
    static constexpr int RecordSize = 1040;
    static constexpr int FirstSequence = 100;
    static constexpr int DefaultTimeoutMs = 10000;
    static constexpr uint32_t BlockMessage = 2025;
    static constexpr uint32_t WrittenMessage = 2027;

    // The host's callback: message number and the two parameters.
    using Send = std::function<int32_t(uint32_t msgId, intptr_t p1, intptr_t p2)>;

    explicit SettingsBlockWrite(Send send, int timeoutMs = DefaultTimeoutMs, QObject *parent = nullptr);
    ~SettingsBlockWrite() override;

    // Begins writing the file (Idle, Done or Failed only): false, with
    // Failed/CannotRead, when it cannot be read. The file is removed when the
    // write ends when removeWhenDone is set.
    bool start(const QString &path, bool removeWhenDone = true);
    // Message 2026: 1 the block was taken, 2 send it again, anything else fails.
    void acknowledge(int result);
    // The user's answer to the final question: yes sends 2027 with the file's path.
    void answer(bool apply);
    // The tracker went away, or the window closed.
    void detach();
    // The user cancelled.
    void cancel();

    State state() const { return m_state; }
    Failure failure() const { return m_failure; }
    bool isRunning() const { return m_state == State::Sending || m_state == State::WaitingAck; }
    bool isBusy() const { return isRunning() || m_state == State::AskingFinal; }
    QString path() const { return m_path; }
    int blockNumber() const { return m_blockNumber; }
    int blockCount() const { return m_blockCount; }
    int sequence() const { return m_sequence; }
    qint64 bytesWritten() const { return m_bytesWritten; }
    qint64 totalBytes() const { return m_totalBytes; }
    qint64 elapsedSeconds() const { return m_started.isValid() ? m_started.elapsed() / 1000 : 0; }
    int timeoutMs() const { return m_timeoutMs; }
    // The record last sent.
    QByteArray currentRecord() const { return m_record; }

    static QByteArray settingsBlock(const QByteArray &data, int blockNumber, int blockCount, int sequence);
    static const char *stateName(State state);

signals:
    void stateChanged(SettingsBlockWrite::State state);
    // After each block taken: bytes of the blocks taken so far.
    void progress(qint64 written, qint64 total);
    // The last block was taken: the editor asks the user, then calls answer().
    void finalQuestion();
    // The write ended: Done, or Failed with failure().
    void finished(bool ok);

private:
    void setState(State state);
    void fail(Failure failure);
    void end(State state);
    bool prepareBlock();
    void sendQueued();

    Send m_send;
    int m_timeoutMs;
    QTimer *m_timer;
    State m_state = State::Idle;
    Failure m_failure = Failure::None;
    QString m_path;
    bool m_remove = true;
    QByteArray m_data;   // the whole file, read once
    QByteArray m_record; // kept alive for hosts that read it later
    int m_blockNumber = 0;
    int m_blockCount = 0;
    int m_sequence = 0;
    int m_lastLength = 0;
    qint64 m_bytesWritten = 0;
    qint64 m_totalBytes = 0;
    quint64 m_generation = 0; // queued sends of an earlier write find nothing to do
    QElapsedTimer m_started;
};

#endif // SETTINGSBLOCKWRITE_H
