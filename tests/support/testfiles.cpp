#include "tests/support/testfiles.h"

#include <QFile>

QByteArray TestFiles::read(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool TestFiles::write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size();
}

QString TestFiles::hex(const QByteArray &bytes, int max)
{
    QString out = QString::fromLatin1(bytes.left(max).toHex(' ')).toUpper();
    if (bytes.size() > max)
        out += QStringLiteral(" …");
    return out;
}
