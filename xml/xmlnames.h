#ifndef XMLNAMES_H
#define XMLNAMES_H

#include <QByteArray>
#include <QString>
#include <QStringView>

// Names and texts as they stand in the plug-in's XML files (windows-1251).
//
// Element names: each of the characters space & > < " ' ! : ; % ` ~ @ # $ ^
// * ( ) - + = | \ ÷ × , / is written as "_" + its decimal code + "_"; on
// reading each such sequence becomes the character again, the characters
// taken in that order. Any other character that may not stand in an XML name
// where it is (a '?' or '[', a leading digit or '.', a character outside the
// code page) is written the same way, and its sequence is read back only
// where the character could not have been written plainly, so names the
// older format wrote stay as they were. Every written name is well-formed.
// Control characters are written encoded but not decoded (a name holding one
// reads back with the sequence). The format does not encode '_', so a name
// such as "a_63" followed by an encoded character can read back otherwise.
//
// Attribute names are written and read unchanged.
class XmlNames
{
public:
    // Element name as written into a file, in the code page.
    static void appendEncodedName(QByteArray &out, QStringView name);
    static QByteArray encodedName(QStringView name);
    // Element name as read from a file.
    static QString decodeName(const QString &encoded);

    // Text escaped for element text (attribute = false) or a quoted attribute
    // value, in the code page: & > < " ' become &amp; &gt; &lt; &quot; &apos;
    // (in that order); a carriage return becomes &#13; and, in attribute
    // values, a tab or line feed &#9; or &#10; (so that a conforming reader
    // does not normalise them away); a control character that XML cannot
    // carry, and a character outside the code page, becomes '?'.
    static void appendEscaped(QByteArray &out, QStringView text, bool attribute);
    static QByteArray escaped(QStringView text, bool attribute);
    // The same rule for a file in UTF-8 (every character kept).
    static QByteArray escapedUtf8(QStringView text, bool attribute);

    // True when the name can stand in a file as an attribute name as it is.
    static bool isWritableAttributeName(QStringView name);

    // True when the character can be written into an element name as itself,
    // at the name's start (first) or further on.
    static bool isPlainNameChar(char32_t ch, bool first);
};

#endif // XMLNAMES_H
