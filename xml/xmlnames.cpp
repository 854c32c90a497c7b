#include "xml/xmlnames.h"

#include "core/codepage.h"

#include <algorithm>
#include <iterator>

namespace {

// The characters encoded in element names, in the order they are decoded.
constexpr char16_t kListed[] = {
    32, 38, 62, 60, 34, 39, 33, 58, 59, 37, 96, 126, 64, 35,
    36, 94, 42, 40, 41, 45, 43, 61, 124, 92, 247, 215, 44, 47,
};

bool isListed(char32_t ch)
{
    return std::find(std::begin(kListed), std::end(kListed), ch) != std::end(kListed);
}

void appendCode(QByteArray &out, char32_t code)
{
    char buf[16];
    int n = 0;
    char digits[12];
    do {
        digits[n++] = char('0' + code % 10);
        code /= 10;
    } while (code);
    int k = 0;
    buf[k++] = '_';
    while (n)
        buf[k++] = digits[--n];
    buf[k++] = '_';
    out.append(buf, k);
}

// "_<digits>_" at position i: the code and the length of the sequence, or 0.
int parseSequence(const QString &s, qsizetype i, char32_t *code)
{
    const qsizetype n = s.size();
    if (i >= n || s.at(i) != u'_')
        return 0;
    qsizetype j = i + 1;
    if (j >= n || s.at(j) < u'1' || s.at(j) > u'9')
        return 0;
    quint32 v = 0;
    while (j < n && s.at(j) >= u'0' && s.at(j) <= u'9') {
        v = v * 10 + quint32(s.at(j).unicode() - u'0');
        if (v > 0x10FFFF)
            return 0;
        ++j;
    }
    if (j >= n || s.at(j) != u'_')
        return 0;
    *code = v;
    return int(j + 1 - i);
}

bool hasSequence(const QString &s)
{
    for (qsizetype i = s.indexOf(u'_'); i >= 0; i = s.indexOf(u'_', i + 1)) {
        char32_t code;
        if (parseSequence(s, i, &code))
            return true;
    }
    return false;
}

} // namespace

bool XmlNames::isPlainNameChar(char32_t ch, bool first)
{
    if (isListed(ch))
        return false;
    if ((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || ch == '_')
        return true;
    if ((ch >= '0' && ch <= '9') || ch == '.')
        return !first;
    // Outside ASCII only the letters of the code page (Cyrillic) are name
    // characters for every reader; the code page's symbols are not.
    if (ch >= 0x0400 && ch <= 0x04FF)
        return CodePage::encode(char16_t(ch)) != '?';
    return false;
}

void XmlNames::appendEncodedName(QByteArray &out, QStringView name)
{
    const qsizetype n = name.size();
    for (qsizetype i = 0; i < n; ++i) {
        const bool first = (i == 0);
        char32_t ch = name.at(i).unicode();
        if (QChar::isHighSurrogate(ch) && i + 1 < n && name.at(i + 1).isLowSurrogate()) {
            ch = QChar::surrogateToUcs4(char16_t(ch), name.at(i + 1).unicode());
            ++i;
        }
        if (ch < 0x80 && isPlainNameChar(ch, first))
            out.append(char(ch));
        else if (ch >= 0x80 && isPlainNameChar(ch, first))
            out.append(CodePage::encode(char16_t(ch)));
        else
            appendCode(out, ch);
    }
}

QByteArray XmlNames::encodedName(QStringView name)
{
    QByteArray out;
    out.reserve(name.size() + 8);
    appendEncodedName(out, name);
    return out;
}

QString XmlNames::decodeName(const QString &encoded)
{
    if (!encoded.contains(u'_') || !hasSequence(encoded))
        return encoded;

    // The listed characters, each replaced everywhere, in the listed order.
    QString s = encoded;
    for (char16_t code : kListed) {
        if (!s.contains(u'_'))
            break;
        const QString seq = QLatin1Char('_') + QString::number(code) + QLatin1Char('_');
        s.replace(seq, QString(QChar(code)));
    }

    // Then the sequences of the other characters, where a plain character
    // could not have stood.
    if (!hasSequence(s))
        return s;
    QString out;
    out.reserve(s.size());
    for (qsizetype i = 0; i < s.size();) {
        char32_t code = 0;
        const int len = parseSequence(s, i, &code);
        // Control characters are left out: "_1_" is far more likely the tail
        // of a name such as "on_1" than an encoded control character.
        if (len && code >= 0x20 && !isListed(code) && !isPlainNameChar(code, out.isEmpty())
            && !(code >= 0xD800 && code <= 0xDFFF)) {
            out.append(QStringView(QChar::fromUcs4(code)));
            i += len;
        } else {
            out.append(s.at(i));
            ++i;
        }
    }
    return out;
}

namespace {

// The escaping rule of element text and attribute values, whatever the
// encoding: wide (the character and the one after it, for a surrogate pair)
// appends a character from U+0080 on and returns how many it took.
template<typename Wide>
void escapeInto(QByteArray &out, QStringView text, bool attribute, Wide wide)
{
    const qsizetype n = text.size();
    const QChar *p = text.data();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t ch = p[i].unicode();
        if (ch >= 0x80) {
            if (ch == 0xFFFE || ch == 0xFFFF || (QChar::isLowSurrogate(ch)))
                out.append('?'); // not a character XML can carry
            else if (QChar::isHighSurrogate(ch))
                i += wide(out, ch, i + 1 < n ? p[i + 1].unicode() : char16_t(0)) - 1;
            else
                wide(out, ch, char16_t(0));
            continue;
        }
        switch (ch) {
        case u'&': out.append("&amp;", 5); break;
        case u'>': out.append("&gt;", 4); break;
        case u'<': out.append("&lt;", 4); break;
        case u'"': out.append("&quot;", 6); break;
        case u'\'': out.append("&apos;", 6); break;
        case u'\r': out.append("&#13;", 5); break;
        case u'\t':
            if (attribute)
                out.append("&#9;", 4);
            else
                out.append('\t');
            break;
        case u'\n':
            if (attribute)
                out.append("&#10;", 5);
            else
                out.append('\n');
            break;
        default:
            out.append(ch < 0x20 ? '?' : char(ch));
        }
    }
}

} // namespace

void XmlNames::appendEscaped(QByteArray &out, QStringView text, bool attribute)
{
    escapeInto(out, text, attribute, [](QByteArray &o, char16_t ch, char16_t next) {
        if (QChar::isHighSurrogate(ch)) {
            o.append('?'); // outside the code page
            return QChar::isLowSurrogate(next) ? 2 : 1;
        }
        o.append(CodePage::encode(ch));
        return 1;
    });
}

QByteArray XmlNames::escaped(QStringView text, bool attribute)
{
    QByteArray out;
    out.reserve(text.size());
    appendEscaped(out, text, attribute);
    return out;
}

QByteArray XmlNames::escapedUtf8(QStringView text, bool attribute)
{
    QByteArray out;
    out.reserve(text.size());
    escapeInto(out, text, attribute, [](QByteArray &o, char16_t ch, char16_t next) {
        if (QChar::isHighSurrogate(ch)) {
            if (!QChar::isLowSurrogate(next)) {
                o.append('?'); // half a pair
                return 1;
            }
            const char16_t pair[2] = {ch, next};
            o.append(QStringView(pair, 2).toUtf8());
            return 2;
        }
        o.append(QStringView(&ch, 1).toUtf8());
        return 1;
    });
    return out;
}

bool XmlNames::isWritableAttributeName(QStringView name)
{
    if (name.isEmpty())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t ch = name.at(i).unicode();
        const bool first = (i == 0);
        // Attribute names are not encoded, so ':' and '-' count as themselves.
        if (ch == u':' || (ch == u'-' && !first))
            continue;
        if (!isPlainNameChar(ch, first) && !(ch == u'-' && !first))
            return false;
    }
    return true;
}
