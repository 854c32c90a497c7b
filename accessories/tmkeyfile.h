#ifndef TMKEYFILE_H
#define TMKEYFILE_H

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// The touch-memory key file (".tmk"): the long list of allowed keys that
// is transferred to the tracker as a whole. Binary, little-endian, always
// written with all 510 records, so 4096 bytes long:
//
//   offset    size  content
//   0         3     "TMK"
//   3         1     10 (version)
//   4         2     total length = 8 * key count + 16 (4096)
//   6         2     0
//   8 + 8k    6     key k's code: the low six bytes of the code
//   14 + 8k   1     key k's mode as a bit mask: 2 to the power of the mode index
//   15 + 8k   1     0
//   8 + 8n    6     zero bytes
//   14 + 8n   2     CRC-16 over all preceding bytes (ORV_LogBinFile::crc16:
//                   polynomial 0x1021, start 0xFFFF, not reflected)
//
// Reading takes the record count from the length field and bounds it by
// the records the file really holds and by 510; the marker, the version
// and the CRC are not checked, so older and damaged files load as far as
// they go. A file shorter than its header holds no records.
class TmKeyFile
{
public:
    static constexpr int KeyCount = 510;
    static constexpr int HeaderSize = 8;
    static constexpr int RecordSize = 8;
    static constexpr int TrailerSize = 8;
    static constexpr int FileSize = HeaderSize + KeyCount * RecordSize + TrailerSize; // 4096
    static constexpr int LengthOffset = 4;
    static constexpr quint8 Version = 10;
    static constexpr int CodeBytes = 6;
    static constexpr quint64 CodeMask = 0xFFFFFFFFFFFFull;
    static constexpr int ModeCount = 6;

    struct Key
    {
        quint64 code = 0; // low six bytes used
        int mode = 0;     // 0 .. ModeCount - 1
        bool operator==(const Key &other) const { return code == other.code && mode == other.mode; }
    };

    // The file of these keys: KeyCount records, keys beyond the list are
    // empty records (code 0, mode 0).
    static QByteArray write(const QList<Key> &keys);
    // The records of a file, in order.
    static QList<Key> read(const QByteArray &bytes);
    static QList<Key> read(const uchar *data, qsizetype length);
    // The length field of a header (bytes 4-5); 0 when there is no header.
    static int lengthField(const uchar *data, qsizetype length);

    // Mode index <-> mask. A mode outside 0..5 is written as mode 0; a mask
    // with several bits gives the lowest, one with none of bits 0..5 gives 0.
    static quint8 modeMask(int mode);
    static int modeFromMask(quint8 mask);

    // A code as typed: hexadecimal, at most 16 digits, "0x" allowed; empty
    // text is 0. False in *ok (and 0) for anything else.
    static quint64 codeFromText(const QString &text, bool *ok = nullptr);
    // A code as the rows show it: twelve upper-case hexadecimal digits, or
    // empty for 0 (no key).
    static QString codeText(quint64 code);

    // File names: prefix + "(" + date and time "dd-MM-yy hh_mm_ss" + ").tmk"
    // in dir (prefixes "tmkey" for saved files, "tmkeyw" and "tmkeyr" for
    // the temporary files of the transfers).
    static QString fileName(const QString &dir, const QString &prefix, const QDateTime &when);

    // What the tracker's status character of a transfer step means.
    enum class Step { Write, Change, Read };
    static constexpr char Success = '1';
    // "Error (Write file): 0x32" ... or "Unknow Error (Write file): 54".
    static QString statusError(Step step, quint8 status);
};

#endif // TMKEYFILE_H
