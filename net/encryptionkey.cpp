#include "net/encryptionkey.h"

#include <QRandomGenerator>

QString EncryptionKey::generate(QRandomGenerator *generator)
{
    QRandomGenerator *random = generator ? generator : QRandomGenerator::system();
    QString key;
    key.reserve(Digits);
    for (int i = 0; i < Bytes; ++i)
        key += QStringLiteral("%1").arg(random->bounded(0xFE), 2, 16, QLatin1Char('0'));
    return key.toUpper();
}

QRegularExpression EncryptionKey::inputRule()
{
    return QRegularExpression(QStringLiteral("^[0-9A-Fa-f]{0,%1}$").arg(Digits));
}

EncryptionKey::Check EncryptionKey::check(QStringView text)
{
    if (text.size() > Digits)
        return Check::Invalid;
    for (QChar c : text) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f')))
            return Check::Invalid;
    }
    // Whole bytes only: a pair "FE" or "FF" is refused as soon as it is typed.
    for (qsizetype i = 0; i + 1 < text.size(); i += 2) {
        const QChar high = text[i].toUpper();
        const QChar low = text[i + 1].toUpper();
        if (high == u'F' && (low == u'E' || low == u'F'))
            return Check::Invalid;
    }
    if (text.isEmpty() || text.size() == Digits)
        return Check::Acceptable;
    return Check::Intermediate;
}
