#ifndef TMKEYFILEREAD_H
#define TMKEYFILEREAD_H

#include "accessories/tmkeytransfer.h"

#include <memory>

class QFile;

// Reading the tracker's key file, with no widget (ORV_FormTMFile shows it).
//
// 1. The temporary file "tmkeyr(<date time>).tmk" is created in the
//    temporary directory; if it cannot be, nothing is sent (start() is
//    false, with the reason).
// 2. Block n is asked for with message 2115 and a buffer of the block
//    number (two bytes, little-endian; p2 = 2).
// 3. An answer 2116 of at least 8 bytes carries the status in byte 7; with
//    status "1", the block number in bytes 5-6 and the block's data from
//    byte 8 on. Only the block asked for is taken (another is ignored); a
//    block needs at least one data byte, and the first at least six, for
//    the file's length in its bytes 4-5 (answer bytes 12-13). The length is
//    capped at 4096; data past it are dropped. Blocks are appended to the
//    temporary file until the whole length has arrived.
// 4. Any other status ends the reading with "Error (Read file): 0x32" ...
//    "0x35" or "Unknow Error (Read file): <status in decimal>".
// At the end, on every path, the temporary file is deleted; after Done,
// data() holds the file.
class TmKeyFileRead : public TmKeyTransfer
{
    Q_OBJECT

public:
    static constexpr uint32_t RequestMessage = 2115;
    static constexpr uint32_t AnswerMessage = 2116;
    static constexpr int AnswerMinimumLength = 8;
    static constexpr int AnswerBlockOffset = 5;
    static constexpr int AnswerStatusOffset = 7;
    static constexpr int AnswerDataOffset = 8;
    static constexpr int MaximumFileSize = 4096;

    explicit TmKeyFileRead(TrackerSend send, const QString &tempDir = QString(),
                           int timeoutMs = DefaultTimeoutMs, QObject *parent = nullptr);
    ~TmKeyFileRead() override;

    // Begins reading. False, and nothing sent, while a transfer runs or
    // when the temporary file cannot be created (*error says why).
    bool start(QString *error = nullptr);

    // Answer 2116. True when it was taken.
    bool receiveAnswer(const uchar *data, int length);

    // The block asked for last; the bytes received and the file's length
    // (0 until the first block).
    int block() const { return m_block; }
    int received() const { return int(m_data.size()); }
    int total() const { return m_total; }
    // The file read, once the reading ended with Done.
    QByteArray data() const { return m_data; }

    static QString emptyBlockText();
    static QString shortBlockText();

signals:
    void blockRead(int bytes, int total);

private:
    void requestBlock();
    void release() override;

    std::unique_ptr<QFile> m_file;
    QByteArray m_data;
    int m_block = 0;
    int m_total = 0;
};

#endif // TMKEYFILEREAD_H
