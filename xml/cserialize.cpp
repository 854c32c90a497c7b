#include "xml/cserialize.h"

#include "core/codepage.h"
#include "xml/cxmldefaulthandler.h"
#include "xml/cxmlwriter.h"
#include "xml/xmllimits.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QtCore5Compat/QXmlSimpleReader>

namespace {

// The encoding named in the declaration, lower-case; empty when none.
QByteArray declaredEncoding(const QByteArray &bytes)
{
    if (!bytes.startsWith("<?xml"))
        return QByteArray();
    const qsizetype end = bytes.indexOf("?>");
    if (end < 0 || end > 1024)
        return QByteArray();
    const QByteArray decl = bytes.left(end);
    qsizetype i = decl.indexOf("encoding");
    if (i < 0)
        return QByteArray();
    i += 8;
    while (i < decl.size() && (decl.at(i) == ' ' || decl.at(i) == '\t' || decl.at(i) == '\r' || decl.at(i) == '\n'))
        ++i;
    if (i >= decl.size() || decl.at(i) != '=')
        return QByteArray();
    ++i;
    while (i < decl.size() && (decl.at(i) == ' ' || decl.at(i) == '\t' || decl.at(i) == '\r' || decl.at(i) == '\n'))
        ++i;
    if (i >= decl.size() || (decl.at(i) != '"' && decl.at(i) != '\''))
        return QByteArray();
    const char quote = decl.at(i);
    const qsizetype close = decl.indexOf(quote, i + 1);
    if (close < 0)
        return QByteArray();
    return decl.mid(i + 1, close - i - 1).trimmed().toLower();
}

bool decodeWith(QStringDecoder::Encoding encoding, QByteArrayView bytes, QString *text)
{
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    *text = decoder.decode(bytes);
    return !decoder.hasError();
}

bool isAscii(const QByteArray &bytes)
{
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

CSerialize::CSerialize(QObject *parent)
    : QObject(parent), m_maxInputSize(XmlLimits::DefaultMaxInputSize)
{
}

CSerialize::~CSerialize()
{
    reset();
}

void CSerialize::reset()
{
    const auto handles = m_handles;
    for (SettingsSection *h : handles)
        h->invalidate();
    m_handles.clear();
    m_root.reset();
    m_inBuffer.clear();
    m_open = false;
}

bool CSerialize::fail(const QString &why)
{
    const QString source = m_fromFile ? QFileInfo(m_fileName).fileName() : QStringLiteral("buffer");
    m_errorText = source + QStringLiteral(": ") + why;
    return false;
}

bool CSerialize::decode(const QByteArray &bytes, QString *text, QString *error)
{
    auto refuse = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const auto u = [&bytes](int i) { return static_cast<unsigned char>(bytes.at(i)); };
    const qsizetype n = bytes.size();

    bool ok = true;
    if (n >= 3 && u(0) == 0xEF && u(1) == 0xBB && u(2) == 0xBF) {
        ok = decodeWith(QStringDecoder::Utf8, QByteArrayView(bytes).sliced(3), text);
        if (!ok)
            return refuse(QStringLiteral("the file begins as UTF-8 but is not valid UTF-8"));
    } else if (n >= 2 && ((u(0) == 0xFF && u(1) == 0xFE) || (u(0) == 0xFE && u(1) == 0xFF)
                          || (n >= 4 && u(0) == '<' && u(1) == 0 && u(2) == '?' && u(3) == 0)
                          || (n >= 4 && u(0) == 0 && u(1) == '<' && u(2) == 0 && u(3) == '?'))) {
        const bool little = (u(0) == 0xFF) || (u(0) == '<');
        const qsizetype skip = (u(0) == 0xFF || u(0) == 0xFE) ? 2 : 0;
        if ((n - skip) % 2)
            return refuse(QStringLiteral("the file begins as UTF-16 but has an odd number of bytes"));
        ok = decodeWith(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE,
                        QByteArrayView(bytes).sliced(skip), text);
        if (!ok)
            return refuse(QStringLiteral("the file begins as UTF-16 but is not valid UTF-16"));
    } else {
        const QByteArray enc = declaredEncoding(bytes);
        if (enc.isEmpty()) {
            // No declaration: UTF-8 by the XML rules, or this plug-in's code page.
            if (!decodeWith(QStringDecoder::Utf8, bytes, text))
                *text = CodePage::toUnicode(bytes);
        } else if (enc == "windows-1251" || enc == "cp1251" || enc == "cp-1251" || enc == "x-cp1251"
                   || enc == "win-1251" || enc == "windows1251") {
            *text = CodePage::toUnicode(bytes);
        } else if (enc == "utf-8" || enc == "utf8") {
            if (!decodeWith(QStringDecoder::Utf8, bytes, text))
                return refuse(QStringLiteral("the file declares UTF-8 but is not valid UTF-8"));
        } else if (enc == "us-ascii" || enc == "ascii") {
            if (!isAscii(bytes))
                return refuse(QStringLiteral("the file declares ASCII but holds bytes above 127"));
            *text = QString::fromLatin1(bytes);
        } else if (enc == "iso-8859-1" || enc == "latin1" || enc == "latin-1" || enc == "iso8859-1"
                   || enc == "l1") {
            *text = QString::fromLatin1(bytes);
        } else {
            return refuse(QStringLiteral("the file declares the encoding \"%1\", which is not supported")
                              .arg(QString::fromLatin1(enc.left(40))));
        }
    }
    if (text->startsWith(QChar(0xFEFF)))
        text->remove(0, 1);
    const qsizetype nul = text->indexOf(QChar(0));
    if (nul >= 0)
        return refuse(QStringLiteral("the file holds a NUL character (character %1): it is not a text file").arg(nul));
    return true;
}

bool CSerialize::parse(const QByteArray &bytes)
{
    QString text;
    QString why;
    if (!decode(bytes, &text, &why))
        return fail(why);

    if (!m_handler)
        m_handler = std::make_unique<CXmlDefaultHandler>();
    QXmlSimpleReader reader;
    reader.setFeature(QStringLiteral("http://xml.org/sax/features/namespaces"), false);
    reader.setFeature(QStringLiteral("http://xml.org/sax/features/namespace-prefixes"), true);
    reader.setContentHandler(m_handler.get());
    reader.setErrorHandler(m_handler.get());
    reader.setDeclHandler(m_handler.get());
    reader.setDTDHandler(m_handler.get());

    QXmlInputSource source;
    source.setData(text);
    text.clear();
    const bool ok = reader.parse(&source, false);
    std::unique_ptr<CXmlElement> root = m_handler->takeRoot();
    if (!ok) {
        const QString reason = m_handler->errorString();
        return fail(reason.isEmpty() ? QStringLiteral("not well-formed XML") : reason);
    }
    if (!root)
        return fail(QStringLiteral("the file holds no element"));
    m_root = std::move(root);
    return true;
}

std::unique_ptr<SettingsSection> CSerialize::start(const QByteArray &bytes)
{
    if (!bytes.isEmpty() && !parse(bytes)) {
        m_fileName.clear();
        m_fromFile = false;
        return nullptr;
    }
    m_open = true;
    return std::unique_ptr<SettingsSection>(new SettingsSection(this, m_root.get(), !m_root));
}

std::unique_ptr<SettingsSection> CSerialize::open(const QString &fileName)
{
    reset();
    m_errorText.clear();
    m_fileName = fileName;
    m_fromFile = true;

    const QFileInfo info(fileName);
    if (!info.exists()) {
        QFile created(fileName);
        if (!created.open(QIODevice::ReadWrite)) {
            fail(QStringLiteral("cannot create the file: %1").arg(created.errorString()));
            m_fileName.clear();
            m_fromFile = false;
            return nullptr;
        }
        created.close();
        return start(QByteArray());
    }
    if (info.isDir()) {
        fail(QStringLiteral("this is a folder, not a file"));
        m_fileName.clear();
        m_fromFile = false;
        return nullptr;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read the file: %1").arg(file.errorString()));
        m_fileName.clear();
        m_fromFile = false;
        return nullptr;
    }
    if (file.size() > m_maxInputSize) {
        fail(QStringLiteral("the file has %1 bytes, more than the %2 accepted").arg(file.size()).arg(m_maxInputSize));
        m_fileName.clear();
        m_fromFile = false;
        return nullptr;
    }
    // read() with a limit: the size can change between the check and here.
    const QByteArray bytes = file.read(m_maxInputSize + 1);
    file.close();
    if (bytes.size() > m_maxInputSize) {
        fail(QStringLiteral("the file has more than the %1 bytes accepted").arg(m_maxInputSize));
        m_fileName.clear();
        m_fromFile = false;
        return nullptr;
    }
    return start(bytes);
}

std::unique_ptr<SettingsSection> CSerialize::openNew(const QString &fileName)
{
    reset();
    m_errorText.clear();
    m_fileName = fileName;
    m_fromFile = true;
    return start(QByteArray());
}

std::unique_ptr<SettingsSection> CSerialize::openBuffer(const QByteArray &bytes)
{
    reset();
    m_errorText.clear();
    m_fileName.clear();
    m_fromFile = false;
    m_outBuffer.clear();
    if (bytes.size() > m_maxInputSize) {
        fail(QStringLiteral("%1 bytes, more than the %2 accepted").arg(bytes.size()).arg(m_maxInputSize));
        return nullptr;
    }
    m_inBuffer = bytes;
    return start(bytes);
}

std::unique_ptr<SettingsSection> CSerialize::openRoot(const QString &fileName, const QString &rootName)
{
    std::unique_ptr<SettingsSection> top = open(fileName);
    if (!top)
        return nullptr;
    std::unique_ptr<SettingsSection> r = rootSection(rootName);
    if (!r)
        fail(QStringLiteral("the root element is \"%1\", not \"%2\"").arg(m_root->name(), rootName));
    return r;
}

std::unique_ptr<CXmlElement> CSerialize::takeRoot()
{
    const auto handles = m_handles;
    for (SettingsSection *h : handles)
        h->invalidate();
    m_handles.clear();
    return std::move(m_root);
}

CXmlElement *CSerialize::documentChild(const QString &name)
{
    if (!m_open)
        return nullptr;
    if (!m_root) {
        m_root = std::make_unique<CXmlElement>(name, QString(), CXmlElement::Element);
        return m_root.get();
    }
    return m_root->name() == name ? m_root.get() : nullptr;
}

std::unique_ptr<SettingsSection> CSerialize::rootSection(const QString &name)
{
    CXmlElement *r = documentChild(name);
    return r ? handle(r) : nullptr;
}

std::unique_ptr<SettingsSection> CSerialize::handle(CXmlElement *element)
{
    if (!m_open || !element || !m_root || !element->isWithin(m_root.get()))
        return nullptr;
    return std::unique_ptr<SettingsSection>(new SettingsSection(this, element, false));
}

bool CSerialize::removeElement(CXmlElement *element)
{
    if (!m_open || !element || !m_root || element == m_root.get() || element->isAttribute()
        || !element->isWithin(m_root.get()))
        return false;
    CXmlElement *parent = element->parent();
    QList<SettingsSection *> onParent;
    const auto handles = m_handles;
    for (SettingsSection *h : handles) {
        if (h->m_node && h->m_node->isWithin(element)) {
            h->invalidate();
            m_handles.remove(h);
        } else if (h->m_node == parent) {
            onParent.append(h);
        }
    }
    parent->removeChild(element);
    for (SettingsSection *h : onParent)
        h->rebuild(true);
    return true;
}

QByteArray CSerialize::toByteArray(QString *error) const
{
    QByteArray out;
    CXmlWriter::write(m_root.get(), out, error);
    return out;
}

bool CSerialize::save()
{
    if (!m_open)
        return fail(QStringLiteral("no document is open"));
    QByteArray bytes;
    QString why;
    if (!CXmlWriter::write(m_root.get(), bytes, &why))
        return fail(QStringLiteral("not saved: ") + why);
    if (!m_fromFile) {
        m_outBuffer = bytes;
        return true;
    }
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write the file: %1").arg(file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString err = file.errorString();
        file.cancelWriting();
        return fail(QStringLiteral("writing the file failed: %1").arg(err));
    }
    if (!file.commit())
        return fail(QStringLiteral("writing the file failed: %1").arg(file.errorString()));
    return true;
}

bool CSerialize::close(std::unique_ptr<SettingsSection> handle, bool save)
{
    bool ok = true;
    if (save)
        ok = this->save();
    handle.reset();
    reset();
    return ok;
}
