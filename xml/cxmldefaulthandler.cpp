#include "xml/cxmldefaulthandler.h"

#include "xml/xmllimits.h"
#include "xml/xmlnames.h"

CXmlDefaultHandler::CXmlDefaultHandler() = default;
CXmlDefaultHandler::~CXmlDefaultHandler() = default;

bool CXmlDefaultHandler::refuse(const QString &reason)
{
    if (m_error.isEmpty())
        m_error = reason;
    return false;
}

bool CXmlDefaultHandler::startDocument()
{
    m_root.reset();
    m_current = nullptr;
    m_textSeen = false;
    m_depth = 0;
    m_run.clear();
    m_runPending = false;
    m_error.clear();
    return true;
}

void CXmlDefaultHandler::flushText()
{
    if (!m_runPending)
        return;
    m_runPending = false;
    if (m_current) {
        const QString text = m_run.trimmed();
        if (!text.isEmpty())
            m_current->setValueAndKind(text, CXmlElement::TextElement);
    }
    m_run.clear();
}

bool CXmlDefaultHandler::startElement(const QString &, const QString &, const QString &qName,
                                      const QXmlAttributes &atts)
{
    flushText();
    if (++m_depth > XmlLimits::MaxDepth)
        return refuse(QStringLiteral("elements nested deeper than %1 levels").arg(XmlLimits::MaxDepth));
    if (qName.size() > XmlLimits::MaxNameLength)
        return refuse(QStringLiteral("an element name of %1 characters (at most %2)")
                          .arg(qName.size()).arg(XmlLimits::MaxNameLength));

    m_textSeen = false;
    const QString name = XmlNames::decodeName(qName);
    CXmlElement *e;
    if (!m_current) {
        if (m_root) // a second root; the reader refuses it too
            return refuse(QStringLiteral("more than one root element"));
        m_root = std::make_unique<CXmlElement>(name, QString(), CXmlElement::Element);
        e = m_root.get();
    } else {
        e = m_current->addChild(name, QString(), CXmlElement::Add);
    }
    m_current = e;

    if (atts.count() > 0) {
        e->setKind(CXmlElement::ElementWithAttributes);
        for (int i = 0; i < atts.count(); ++i) {
            const QString attrName = atts.qName(i);
            if (attrName.size() > XmlLimits::MaxNameLength)
                return refuse(QStringLiteral("an attribute name of %1 characters (at most %2)")
                                  .arg(attrName.size()).arg(XmlLimits::MaxNameLength));
            e->addAttribute(attrName, atts.value(i));
        }
        m_textSeen = true;
    }
    return true;
}

bool CXmlDefaultHandler::endElement(const QString &, const QString &, const QString &)
{
    flushText();
    if (!m_current)
        return refuse(QStringLiteral("an end tag without a start tag"));
    if (!m_textSeen && m_current->childCount() == 0)
        m_current->setKind(CXmlElement::TextElement);
    // After a child has ended, its parent has "seen" content.
    m_textSeen = true;
    m_current = m_current->parent();
    --m_depth;
    return true;
}

bool CXmlDefaultHandler::characters(const QString &ch)
{
    m_textSeen = true;
    if (m_runPending)
        m_run += ch;
    else
        m_run = ch;
    m_runPending = true;
    return true;
}

bool CXmlDefaultHandler::skippedEntity(const QString &name)
{
    return refuse(QStringLiteral("a reference to the undeclared entity \"%1\"").arg(name.left(64)));
}

bool CXmlDefaultHandler::internalEntityDecl(const QString &name, const QString &)
{
    return refuse(QStringLiteral("an entity declaration (\"%1\"); entities are not accepted").arg(name.left(64)));
}

bool CXmlDefaultHandler::externalEntityDecl(const QString &name, const QString &, const QString &)
{
    return refuse(QStringLiteral("an external entity declaration (\"%1\"); entities are not accepted").arg(name.left(64)));
}

bool CXmlDefaultHandler::unparsedEntityDecl(const QString &name, const QString &, const QString &,
                                            const QString &)
{
    return refuse(QStringLiteral("an unparsed entity declaration (\"%1\"); entities are not accepted").arg(name.left(64)));
}

bool CXmlDefaultHandler::fatalError(const QXmlParseException &exception)
{
    return refuse(QStringLiteral("line %1, column %2: %3")
                      .arg(exception.lineNumber())
                      .arg(exception.columnNumber())
                      .arg(exception.message()));
}

bool CXmlDefaultHandler::error(const QXmlParseException &exception)
{
    return fatalError(exception);
}

QString CXmlDefaultHandler::errorString() const
{
    return m_error;
}

std::unique_ptr<CXmlElement> CXmlDefaultHandler::takeRoot()
{
    m_current = nullptr;
    return std::move(m_root);
}
