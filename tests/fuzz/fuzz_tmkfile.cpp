// Touch-memory key files of any bytes: the records read stay within the
// file and the key rows, and write back as they were read.

#include "accessories/tmkeyfile.h"

#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<TmKeyFile::Key> keys = TmKeyFile::read(data, qsizetype(size));
    if (keys.size() > TmKeyFile::KeyCount)
        __builtin_trap();
    if (size < size_t(TmKeyFile::HeaderSize) && !keys.isEmpty())
        __builtin_trap();
    if (!keys.isEmpty()
        && qsizetype(TmKeyFile::HeaderSize) + qsizetype(keys.size()) * TmKeyFile::RecordSize > qsizetype(size))
        __builtin_trap();
    for (const TmKeyFile::Key &key : keys) {
        if (key.code > TmKeyFile::CodeMask || key.mode < 0 || key.mode >= TmKeyFile::ModeCount)
            __builtin_trap();
    }
    const QByteArray written = TmKeyFile::write(keys);
    if (written.size() != TmKeyFile::FileSize || TmKeyFile::read(written).mid(0, keys.size()) != keys)
        __builtin_trap();
    // The same bytes typed as a code.
    bool ok = false;
    const quint64 code = TmKeyFile::codeFromText(QString::fromLatin1(reinterpret_cast<const char *>(data),
                                                                     qsizetype(qMin<size_t>(size, 40))), &ok);
    if (!ok && code != 0)
        __builtin_trap();
    return 0;
}
