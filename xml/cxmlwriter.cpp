#include "xml/cxmlwriter.h"

#include "core/codepage.h"
#include "xml/cxmlelement.h"
#include "xml/xmllimits.h"
#include "xml/xmlnames.h"

#include <algorithm>
#include <vector>

namespace {

enum class Form {
    Container,    // start tag, [text line], children, end tag
    EmptyTag,     // <name attrs/>
    TextElement,  // <name attrs>value</name>
    EmptyText,    // <name />
};

Form formOf(const CXmlElement *e, bool isRoot)
{
    const bool hasValue = !e->value().isEmpty();
    const bool hasChildren = e->childCount() > 0;
    const bool hasAttributes = e->attributeCount() > 0;
    if (isRoot || hasChildren)
        return Form::Container;
    if (hasValue)
        return Form::TextElement;
    // Neither children nor text: the forms below read back as the element
    // they were written from, and the tree read writes the same bytes again.
    if (hasAttributes)
        return Form::EmptyTag;
    switch (e->kind()) {
    case CXmlElement::Element:
    case CXmlElement::ElementWithAttributes:
        return Form::Container;
    default:
        return Form::EmptyText;
    }
}

class Writer
{
public:
    explicit Writer(QByteArray &out) : m_out(out) {}

    bool run(const CXmlElement *root);
    QString error;

private:
    bool fail(const QString &why)
    {
        if (error.isEmpty())
            error = why;
        return false;
    }
    void indent(int depth) { m_out.append(depth, '\t'); }
    bool appendName(const CXmlElement *e);
    bool appendAttributes(const CXmlElement *e);
    bool open(const CXmlElement *e, int depth, bool isRoot, bool *pushed);
    void close(const CXmlElement *e, int depth);

    QByteArray &m_out;
    std::vector<std::pair<const QString *, const QString *>> m_attrs;
};

bool Writer::appendName(const CXmlElement *e)
{
    if (e->name().isEmpty())
        return fail(QStringLiteral("an element without a name"));
    const qsizetype start = m_out.size();
    XmlNames::appendEncodedName(m_out, e->name());
    if (m_out.size() - start > XmlLimits::MaxNameLength)
        return fail(QStringLiteral("an element name longer than %1 characters").arg(XmlLimits::MaxNameLength));
    return true;
}

bool Writer::appendAttributes(const CXmlElement *e)
{
    const auto &attrs = e->attributes();
    if (attrs.empty())
        return true;
    m_attrs.clear();
    for (const CXmlElement *a : attrs)
        m_attrs.emplace_back(&a->name(), &a->value());
    // A map by name that keeps the last value of equal names.
    std::stable_sort(m_attrs.begin(), m_attrs.end(),
                     [](const auto &x, const auto &y) { return *x.first < *y.first; });
    for (size_t i = 0; i < m_attrs.size(); ++i) {
        if (i + 1 < m_attrs.size() && *m_attrs[i + 1].first == *m_attrs[i].first)
            continue;
        const QString &name = *m_attrs[i].first;
        if (!XmlNames::isWritableAttributeName(name))
            return fail(QStringLiteral("the attribute name \"%1\" cannot stand in an XML file").arg(name.left(64)));
        if (name.size() > XmlLimits::MaxNameLength)
            return fail(QStringLiteral("an attribute name longer than %1 characters").arg(XmlLimits::MaxNameLength));
        m_out.append(' ');
        m_out.append(CodePage::fromUnicode(name));
        m_out.append("=\"", 2);
        XmlNames::appendEscaped(m_out, *m_attrs[i].second, true);
        m_out.append('"');
    }
    return true;
}

// Writes the element's opening line(s); *pushed tells whether its children
// and end tag are still to come.
bool Writer::open(const CXmlElement *e, int depth, bool isRoot, bool *pushed)
{
    *pushed = false;
    indent(depth);
    m_out.append('<');
    if (!appendName(e))
        return false;
    switch (formOf(e, isRoot)) {
    case Form::Container:
        if (!appendAttributes(e))
            return false;
        m_out.append(">\n", 2);
        if (!e->value().isEmpty()) {
            indent(depth + 1);
            XmlNames::appendEscaped(m_out, e->value(), false);
            m_out.append('\n');
        }
        *pushed = true;
        return true;
    case Form::EmptyTag:
        if (!appendAttributes(e))
            return false;
        m_out.append("/>\n", 3);
        return true;
    case Form::TextElement:
        if (!appendAttributes(e))
            return false;
        m_out.append('>');
        XmlNames::appendEscaped(m_out, e->value(), false);
        m_out.append("</", 2);
        appendName(e);
        m_out.append(">\n", 2);
        return true;
    case Form::EmptyText:
        m_out.append(" />\n", 4);
        return true;
    }
    return true;
}

void Writer::close(const CXmlElement *e, int depth)
{
    indent(depth);
    m_out.append("</", 2);
    appendName(e);
    m_out.append(">\n", 2);
}

bool Writer::run(const CXmlElement *root)
{
    m_out.append(CXmlWriter::declaration());

    struct Frame
    {
        const CXmlElement *element;
        size_t next;
    };
    std::vector<Frame> stack;
    bool pushed = false;
    if (!open(root, 0, true, &pushed))
        return false;
    stack.push_back({root, 0});
    while (!stack.empty()) {
        Frame &top = stack.back();
        const int depth = int(stack.size()); // of the children of top
        if (top.next < top.element->children().size()) {
            const CXmlElement *c = top.element->children()[top.next++];
            // c stands at level depth + 1, the root being level 1.
            if (depth + 1 > XmlLimits::MaxDepth)
                return fail(QStringLiteral("elements nested deeper than %1 levels").arg(XmlLimits::MaxDepth));
            if (!open(c, depth, false, &pushed))
                return false;
            if (pushed)
                stack.push_back({c, 0});
        } else {
            close(top.element, depth - 1);
            stack.pop_back();
        }
    }
    return true;
}

} // namespace

const char *CXmlWriter::declaration()
{
    return "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n";
}

bool CXmlWriter::write(const CXmlElement *root, QByteArray &out, QString *error)
{
    out.clear();
    if (!root)
        return true;
    Writer w(out);
    if (!w.run(root)) {
        out.clear();
        if (error)
            *error = w.error;
        return false;
    }
    return true;
}

QByteArray CXmlWriter::toByteArray(const CXmlElement *root, QString *error)
{
    QByteArray out;
    write(root, out, error);
    return out;
}
