#ifndef CXMLELEMENT_H
#define CXMLELEMENT_H

#include <QList>
#include <QPair>
#include <QString>

#include <memory>
#include <vector>

// One element of an XML document tree: name, text value, attributes and
// child elements, and the kind that decides how the writer writes it.
// An attribute is itself a node (name and value, no children).
// A node owns its children and its attribute nodes; deleting a node deletes
// its whole subtree, without recursion, so a tree of any depth can be deleted.
class CXmlElement
{
public:
    enum Kind {
        Element = 0,               // a new element: start tag, children, end tag
        ElementWithAttributes = 1, // read with attributes; written like Element
        TextElement = 2,           // <name>value</name>, or <name /> when empty
        AttributesOnly = 3,        // one empty-element tag with its attributes
    };

    // Flags of addChild.
    enum AddFlag {
        FindOrAdd = 0,     // the first child of that name, or a new one
        Add = 1,           // always a new child (kind Element)
        AddSection = 3,    // always a new child of kind AttributesOnly
    };

    // The value is stored as given: references in it were resolved by the
    // reader already and are not resolved a second time.
    explicit CXmlElement(const QString &name, const QString &value = QString(), int kind = Element);
    ~CXmlElement();

    CXmlElement(const CXmlElement &) = delete;
    CXmlElement &operator=(const CXmlElement &) = delete;

    const QString &name() const { return m_name; }
    const QString &value() const { return m_value; }
    int kind() const { return m_kind; }
    CXmlElement *parent() const { return m_parent; }

    void setName(const QString &name) { m_name = name; }
    void setValue(const QString &value) { m_value = value; }
    void setKind(int kind) { m_kind = kind; }
    void setValueAndKind(const QString &value, int kind)
    {
        m_value = value;
        m_kind = kind;
    }

    const std::vector<CXmlElement *> &children() const { return m_children; }
    const std::vector<CXmlElement *> &attributes() const { return m_attributes; }
    int childCount() const { return int(m_children.size()); }
    int attributeCount() const { return int(m_attributes.size()); }
    CXmlElement *child(int i) const { return m_children.at(size_t(i)); }
    CXmlElement *attributeNode(int i) const { return m_attributes.at(size_t(i)); }
    bool isAttribute() const { return m_isAttribute; }

    // Flag 0: the first child of that name if there is one, unchanged;
    // otherwise a new child. Flag 1: always a new child (kind 0). Flag 3:
    // always a new child of kind 3. Any other flag: nothing (null).
    // A new child has the given value and no attributes.
    CXmlElement *addChild(const QString &name, const QString &value, int flag);
    // Takes ownership of an element without a parent; appends it.
    CXmlElement *appendChild(std::unique_ptr<CXmlElement> child);
    // Always appends an attribute node.
    CXmlElement *addAttribute(const QString &name, const QString &value);

    // First child element / attribute of that exact name, or null.
    CXmlElement *firstChild(QStringView name, int from = 0) const;
    CXmlElement *firstAttribute(QStringView name) const;
    QString attribute(QStringView name, const QString &defaultValue = QString()) const;

    // Sets a named value: the first child element of that name takes the
    // value (and becomes a text element when the value is not empty, so the
    // value is written); otherwise every attribute of that name takes it;
    // otherwise a new attribute is appended. Returns the node that holds it.
    CXmlElement *setNamedValue(const QString &name, const QString &value);
    // Every attribute of that name takes the value; one is appended when
    // there is none. Returns the first of them.
    CXmlElement *setAttribute(const QString &name, const QString &value);
    // setNamedValue for each pair, in order.
    void commit(const QList<QPair<QString, QString>> &pairs);

    // Detaches the child and returns it; null if it is not a child of this.
    std::unique_ptr<CXmlElement> takeChild(CXmlElement *child);
    // Detaches the child and deletes it with its subtree.
    bool removeChild(CXmlElement *child);
    // Deletes every attribute and child and empties the value; name, kind
    // and parent stay.
    void clearContent();
    // Detaches every child, in order, and hands them over.
    std::vector<std::unique_ptr<CXmlElement>> takeChildren();

    // True when this node is the node given or lies below it.
    bool isWithin(const CXmlElement *ancestor) const;
    // Levels of elements in the subtree, this element counting as 1.
    int depth() const;
    // Deep copy without a parent; deep comparison (names, values, kinds,
    // attributes and children in order). Both work without recursion.
    std::unique_ptr<CXmlElement> clone() const;
    bool equals(const CXmlElement &other) const;

private:
    QString m_name;
    QString m_value;
    int m_kind;
    bool m_isAttribute = false;
    CXmlElement *m_parent = nullptr;
    std::vector<CXmlElement *> m_children;
    std::vector<CXmlElement *> m_attributes;
};

#endif // CXMLELEMENT_H
