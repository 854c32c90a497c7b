#ifndef ENCRYPTIONKEY_H
#define ENCRYPTIONKEY_H

#include <QRegularExpression>
#include <QString>
#include <QStringView>

class QRandomGenerator;

// The key with which the tracker encrypts its link to a server: 16 bytes
// written as 32 upper-case hexadecimal digits. Byte values 0xFE and 0xFF are
// never used, in generated and in typed keys alike.
class EncryptionKey
{
public:
    static constexpr int Bytes = 16;
    static constexpr int Digits = 2 * Bytes;

    enum class Check {
        Acceptable,   // empty (no key) or a whole key
        Intermediate, // hex digits so far, fewer than 32
        Invalid       // not a hex digit, too long, or a byte FE/FF
    };

    // A new key from the system's random source (or the one given, for tests).
    static QString generate(QRandomGenerator *generator = nullptr);

    // What a line edit may hold while the user types: up to 32 hex digits
    // (either case; normalized() turns them to upper case).
    static QRegularExpression inputRule();
    static Check check(QStringView text);
    static bool isAcceptable(QStringView text) { return check(text) == Check::Acceptable; }
    static QString normalized(const QString &text) { return text.trimmed().toUpper(); }
};

#endif // ENCRYPTIONKEY_H
