#ifndef CODEPAGE_H
#define CODEPAGE_H

#include <QByteArray>
#include <QString>
#include <QStringView>

// The plug-in's local 8-bit code page: windows-1251 on every platform.
// Settings values, XML files and the library-info record are in this code
// page. A character the code page cannot hold becomes '?', never a broken
// byte sequence; every byte decodes to exactly one character and back.
class CodePage
{
public:
    static QByteArray fromUnicode(QStringView text);
    static QString toUnicode(const char *bytes, qsizetype length);
    static QString toUnicode(const QByteArray &bytes) { return toUnicode(bytes.constData(), bytes.size()); }

    // One character, '?' when the code page has no byte for it.
    static char encode(char16_t ch);
    static char16_t decode(unsigned char byte);

    // Text in the code page cut to at most maxBytes bytes (one byte per character).
    static QByteArray fromUnicodeCut(QStringView text, qsizetype maxBytes);
};

#endif // CODEPAGE_H
