#ifndef TMKEYFILEWRITE_H
#define TMKEYFILEWRITE_H

#include "accessories/tmkeytransfer.h"

// Writing a key file to the tracker, with no widget (ORV_FormTMFile shows it).
//
// 1. The file is written to the temporary file "tmkeyw(<date time>).tmk" in
//    the temporary directory; a file that cannot be written stops the
//    transfer before anything is sent (start() is false, with the reason).
// 2. Block n goes as message 2113 with a buffer of the block number (two
//    bytes, little-endian) followed by the file's bytes from 512 * n, at
//    most 512 of them (a 4096-byte file: blocks 0 to 7).
// 3. Each answer 2114 (at least 8 bytes, byte 7 the status) with status "1"
//    is followed by the next block; after the last block the temporary
//    file is deleted and 2117 asks the tracker to change to the written file.
// 4. The answer 2118 (at least 6 bytes, byte 5 the status) with status "1"
//    ends the write.
// Any other status ends it with "Error (Write file): 0x32" ... "0x35" or
// "Unknow Error (Write file): <status in decimal>" (or the same with
// "Change file" for 2118).
class TmKeyFileWrite : public TmKeyTransfer
{
    Q_OBJECT

public:
    enum class State { Idle, Blocks, Switching };
    Q_ENUM(State)

    static constexpr uint32_t BlockMessage = 2113;
    static constexpr uint32_t BlockAnswer = 2114;
    static constexpr uint32_t SwitchMessage = 2117;
    static constexpr uint32_t SwitchAnswer = 2118;
    static constexpr int BlockSize = 512;
    static constexpr int BlockAnswerMinimumLength = 8;
    static constexpr int BlockAnswerStatusOffset = 7;
    static constexpr int SwitchAnswerMinimumLength = 6;
    static constexpr int SwitchAnswerStatusOffset = 5;

    explicit TmKeyFileWrite(TrackerSend send, const QString &tempDir = QString(),
                            int timeoutMs = DefaultTimeoutMs, QObject *parent = nullptr);
    ~TmKeyFileWrite() override;

    // Begins writing file. False, and nothing sent, while a transfer runs,
    // for an empty file, or when the temporary file cannot be written
    // (*error says why).
    bool start(const QByteArray &file, QString *error = nullptr);

    // Answers 2114 and 2118. True when the answer was taken.
    bool receiveAnswer(uint32_t msgId, const uchar *data, int length);

    State state() const { return isRunning() ? m_state : State::Idle; }
    // The block sent last, and the blocks of the file.
    int block() const { return m_block; }
    int blockCount() const;

signals:
    // A block was acknowledged: done of count.
    void blockWritten(int done, int count);

private:
    void sendBlock();

    QByteArray m_file;
    State m_state = State::Idle;
    int m_block = 0;
};

#endif // TMKEYFILEWRITE_H
