#ifndef TOUCHMEMORYSERVICE_H
#define TOUCHMEMORYSERVICE_H

#include "host/simulator/trackerservice.h"

#include <QByteArray>

// The touch-memory key file of the simulated tracker (4096 bytes, three
// keys at first) and its transfers with the key file page.
//
//   2113 a block to write: block number (2 bytes, little-endian) and at
//        most 512 bytes; answered 2114: "*#TMW", the block number (2
//        bytes), the status character ("1" accepted)
//   2117 change to the written file; answered 2118: "*#TMC", the status
//   2115 a block to read: block number (2 bytes); answered 2116: "*#TMR",
//        the block number (2 bytes), the status, then the 512 bytes of the
//        stored file from 512 * block (fewer at its end); a block past the
//        end is answered with status "2"
// Block 0 of a write starts a new file; 2117 makes the blocks received the
// stored file. Options: an error status at a chosen block of a write or a
// read, or for the change.
class TouchMemoryService : public TrackerService
{
    Q_OBJECT
public:
    static constexpr int kBlockSize = 512;
    static constexpr int kFileSize = 4096;

    explicit TouchMemoryService(QObject *parent = nullptr);

    QString name() const override { return QStringLiteral("touch-memory keys"); }
    QList<uint32_t> requests() const override;
    int32_t handleRequest(const PluginMessage &request, SimulatedTracker &tracker) override;

    // The key file the tracker holds.
    QByteArray storedFile() const { return m_stored; }
    void setStoredFile(const QByteArray &bytes) { m_stored = bytes; }
    static QByteArray initialFile();

    // Error statuses ('2' .. '5', or any other character); 0 for none.
    // The write or read error is answered for the given block.
    void setWriteError(char status, int block = 0);
    void setReadError(char status, int block = 0);
    void setSwitchError(char status) { m_switchError = status; }
    void clearErrors();

    // What the last write delivered, and how many blocks were asked for.
    QByteArray receivedFile() const { return m_received; }
    int blocksWritten() const { return m_blocksWritten; }
    int blocksRead() const { return m_blocksRead; }

private:
    int32_t onWrite(const QByteArray &buffer, SimulatedTracker &tracker);
    int32_t onRead(const QByteArray &buffer, SimulatedTracker &tracker);
    int32_t onSwitch(SimulatedTracker &tracker);

    QByteArray m_stored;
    QByteArray m_received;
    char m_writeError = 0;
    int m_writeErrorBlock = 0;
    char m_readError = 0;
    int m_readErrorBlock = 0;
    char m_switchError = 0;
    int m_blocksWritten = 0;
    int m_blocksRead = 0;
};

#endif // TOUCHMEMORYSERVICE_H
