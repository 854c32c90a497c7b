#include "accessories/tmkeyfile.h"

#include "telemetry/orv_logbinfile.h"

#include <QDir>

QByteArray TmKeyFile::write(const QList<Key> &keys)
{
    QByteArray bytes(FileSize, '\0');
    auto *b = reinterpret_cast<uchar *>(bytes.data());
    b[0] = 'T';
    b[1] = 'M';
    b[2] = 'K';
    b[3] = Version;
    const int length = RecordSize * KeyCount + 16;
    b[LengthOffset] = uchar(length & 0xFF);
    b[LengthOffset + 1] = uchar(length >> 8);
    for (int k = 0; k < KeyCount; ++k) {
        const Key key = k < keys.size() ? keys[k] : Key();
        uchar *record = b + HeaderSize + RecordSize * k;
        const quint64 code = key.code & CodeMask;
        for (int i = 0; i < CodeBytes; ++i)
            record[i] = uchar((code >> (8 * i)) & 0xFF);
        record[6] = modeMask(key.mode);
    }
    const int crcOffset = FileSize - 2;
    const quint16 crc = ORV_LogBinFile::crc16(b, crcOffset);
    b[crcOffset] = uchar(crc & 0xFF);
    b[crcOffset + 1] = uchar(crc >> 8);
    return bytes;
}

int TmKeyFile::lengthField(const uchar *data, qsizetype length)
{
    if (!data || length < HeaderSize)
        return 0;
    return int(data[LengthOffset]) | int(data[LengthOffset + 1]) << 8;
}

QList<TmKeyFile::Key> TmKeyFile::read(const uchar *data, qsizetype length)
{
    QList<Key> keys;
    if (!data || length < HeaderSize)
        return keys;
    const int declared = (lengthField(data, length) - 16) / RecordSize;
    const qsizetype held = (length - HeaderSize) / RecordSize;
    const int count = int(qBound<qsizetype>(0, qMin<qsizetype>(declared, held), qsizetype(KeyCount)));
    keys.reserve(count);
    for (int k = 0; k < count; ++k) {
        const uchar *record = data + HeaderSize + RecordSize * k;
        Key key;
        for (int i = CodeBytes - 1; i >= 0; --i)
            key.code = (key.code << 8) | record[i];
        key.mode = modeFromMask(record[6]);
        keys.append(key);
    }
    return keys;
}

QList<TmKeyFile::Key> TmKeyFile::read(const QByteArray &bytes)
{
    return read(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size());
}

quint8 TmKeyFile::modeMask(int mode)
{
    return quint8(1u << (mode >= 0 && mode < ModeCount ? mode : 0));
}

int TmKeyFile::modeFromMask(quint8 mask)
{
    for (int i = 0; i < ModeCount; ++i) {
        if (mask & (1u << i))
            return i;
    }
    return 0;
}

quint64 TmKeyFile::codeFromText(const QString &text, bool *ok)
{
    QString digits = text.trimmed();
    if (digits.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        digits = digits.mid(2);
    if (digits.isEmpty()) {
        if (ok)
            *ok = text.trimmed().isEmpty();
        return 0;
    }
    bool parsed = false;
    const quint64 code = digits.size() <= 16 ? digits.toULongLong(&parsed, 16) : 0;
    if (ok)
        *ok = parsed;
    return parsed ? code : 0;
}

QString TmKeyFile::codeText(quint64 code)
{
    if (code == 0)
        return QString();
    return QStringLiteral("%1").arg(code, 12, 16, QLatin1Char('0')).toUpper();
}

QString TmKeyFile::fileName(const QString &dir, const QString &prefix, const QDateTime &when)
{
    const QString name = prefix + QLatin1Char('(') + when.toString(QStringLiteral("dd-MM-yy hh_mm_ss"))
        + QStringLiteral(").tmk");
    return dir.isEmpty() ? name : QDir(dir).filePath(name);
}

QString TmKeyFile::statusError(Step step, quint8 status)
{
    const char *what = step == Step::Write ? "Write file" : step == Step::Change ? "Change file" : "Read file";
    if (status >= '2' && status <= '5')
        return QStringLiteral("Error (%1): 0x%2").arg(QLatin1String(what)).arg(status, 2, 16, QLatin1Char('0'));
    return QStringLiteral("Unknow Error (%1): %2").arg(QLatin1String(what)).arg(status);
}
