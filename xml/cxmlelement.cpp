#include "xml/cxmlelement.h"

#include <algorithm>

CXmlElement::CXmlElement(const QString &name, const QString &value, int kind)
    : m_name(name), m_value(value), m_kind(kind)
{
}

CXmlElement::~CXmlElement()
{
    for (CXmlElement *a : m_attributes)
        delete a;
    // Children are taken off one by one, so that every delete below meets a
    // node without children: no recursion however deep the tree.
    std::vector<CXmlElement *> pending;
    pending.swap(m_children);
    while (!pending.empty()) {
        CXmlElement *e = pending.back();
        pending.pop_back();
        pending.insert(pending.end(), e->m_children.begin(), e->m_children.end());
        e->m_children.clear();
        delete e;
    }
}

CXmlElement *CXmlElement::addChild(const QString &name, const QString &value, int flag)
{
    int kind = Element;
    switch (flag) {
    case FindOrAdd:
        if (CXmlElement *existing = firstChild(name))
            return existing;
        break;
    case Add:
        break;
    case AddSection:
        kind = AttributesOnly;
        break;
    default:
        return nullptr;
    }
    auto *child = new CXmlElement(name, value, kind);
    child->m_parent = this;
    m_children.push_back(child);
    return child;
}

CXmlElement *CXmlElement::appendChild(std::unique_ptr<CXmlElement> child)
{
    if (!child || child->m_parent || child->m_isAttribute)
        return nullptr;
    CXmlElement *c = child.release();
    c->m_parent = this;
    m_children.push_back(c);
    return c;
}

CXmlElement *CXmlElement::addAttribute(const QString &name, const QString &value)
{
    auto *a = new CXmlElement(name, value, Element);
    a->m_isAttribute = true;
    a->m_parent = this;
    m_attributes.push_back(a);
    return a;
}

CXmlElement *CXmlElement::firstChild(QStringView name, int from) const
{
    for (size_t i = size_t(std::max(from, 0)); i < m_children.size(); ++i) {
        if (m_children[i]->m_name == name)
            return m_children[i];
    }
    return nullptr;
}

CXmlElement *CXmlElement::firstAttribute(QStringView name) const
{
    for (CXmlElement *a : m_attributes) {
        if (a->m_name == name)
            return a;
    }
    return nullptr;
}

QString CXmlElement::attribute(QStringView name, const QString &defaultValue) const
{
    const CXmlElement *a = firstAttribute(name);
    return a ? a->m_value : defaultValue;
}

CXmlElement *CXmlElement::setNamedValue(const QString &name, const QString &value)
{
    if (CXmlElement *c = firstChild(name)) {
        c->m_value = value;
        if (!value.isEmpty())
            c->m_kind = TextElement;
        return c;
    }
    return setAttribute(name, value);
}

CXmlElement *CXmlElement::setAttribute(const QString &name, const QString &value)
{
    // The writer writes the last attribute of a name and the snapshot reads
    // the first: all of them take the value so both see the same.
    CXmlElement *first = nullptr;
    for (CXmlElement *a : m_attributes) {
        if (a->m_name == name) {
            a->m_value = value;
            if (!first)
                first = a;
        }
    }
    return first ? first : addAttribute(name, value);
}

void CXmlElement::commit(const QList<QPair<QString, QString>> &pairs)
{
    for (const auto &p : pairs)
        setNamedValue(p.first, p.second);
}

std::unique_ptr<CXmlElement> CXmlElement::takeChild(CXmlElement *child)
{
    auto it = std::find(m_children.begin(), m_children.end(), child);
    if (it == m_children.end())
        return nullptr;
    m_children.erase(it);
    child->m_parent = nullptr;
    return std::unique_ptr<CXmlElement>(child);
}

bool CXmlElement::removeChild(CXmlElement *child)
{
    return takeChild(child) != nullptr;
}

void CXmlElement::clearContent()
{
    for (CXmlElement *a : m_attributes)
        delete a;
    m_attributes.clear();
    std::vector<CXmlElement *> children;
    children.swap(m_children);
    for (CXmlElement *c : children) {
        c->m_parent = nullptr;
        delete c; // its destructor takes its subtree apart without recursion
    }
    m_value.clear();
}

std::vector<std::unique_ptr<CXmlElement>> CXmlElement::takeChildren()
{
    std::vector<std::unique_ptr<CXmlElement>> out;
    out.reserve(m_children.size());
    for (CXmlElement *c : m_children) {
        c->m_parent = nullptr;
        out.emplace_back(c);
    }
    m_children.clear();
    return out;
}

bool CXmlElement::isWithin(const CXmlElement *ancestor) const
{
    for (const CXmlElement *e = this; e; e = e->m_parent) {
        if (e == ancestor)
            return true;
    }
    return false;
}

int CXmlElement::depth() const
{
    int deepest = 0;
    std::vector<std::pair<const CXmlElement *, int>> stack{{this, 1}};
    while (!stack.empty()) {
        auto [e, d] = stack.back();
        stack.pop_back();
        deepest = std::max(deepest, d);
        for (const CXmlElement *c : e->m_children)
            stack.emplace_back(c, d + 1);
    }
    return deepest;
}

std::unique_ptr<CXmlElement> CXmlElement::clone() const
{
    auto copyShallow = [](const CXmlElement *src) {
        auto *e = new CXmlElement(src->m_name, src->m_value, src->m_kind);
        for (const CXmlElement *a : src->m_attributes)
            e->addAttribute(a->m_name, a->m_value);
        return e;
    };
    std::unique_ptr<CXmlElement> top(copyShallow(this));
    std::vector<std::pair<const CXmlElement *, CXmlElement *>> stack{{this, top.get()}};
    while (!stack.empty()) {
        auto [src, dst] = stack.back();
        stack.pop_back();
        for (const CXmlElement *c : src->m_children) {
            CXmlElement *copy = copyShallow(c);
            copy->m_parent = dst;
            dst->m_children.push_back(copy);
            stack.emplace_back(c, copy);
        }
    }
    return top;
}

bool CXmlElement::equals(const CXmlElement &other) const
{
    std::vector<std::pair<const CXmlElement *, const CXmlElement *>> stack{{this, &other}};
    while (!stack.empty()) {
        auto [a, b] = stack.back();
        stack.pop_back();
        if (a->m_name != b->m_name || a->m_value != b->m_value || a->m_kind != b->m_kind
            || a->m_attributes.size() != b->m_attributes.size()
            || a->m_children.size() != b->m_children.size())
            return false;
        for (size_t i = 0; i < a->m_attributes.size(); ++i) {
            if (a->m_attributes[i]->m_name != b->m_attributes[i]->m_name
                || a->m_attributes[i]->m_value != b->m_attributes[i]->m_value)
                return false;
        }
        for (size_t i = 0; i < a->m_children.size(); ++i)
            stack.emplace_back(a->m_children[i], b->m_children[i]);
    }
    return true;
}
