#include "xml/settingssection.h"

#include "core/codepage.h"
#include "xml/cserialize.h"
#include "xml/cxmlelement.h"

#include <cmath>
#include <cstring>

SettingsSection::SettingsSection(CSerialize *doc, CXmlElement *node, bool isDocument)
    : m_doc(doc), m_node(node), m_isDocument(isDocument)
{
    if (m_doc)
        m_doc->registerHandle(this);
    rebuild(false);
}

SettingsSection::~SettingsSection()
{
    if (m_doc)
        m_doc->unregisterHandle(this);
}

bool SettingsSection::isValid() const
{
    return m_doc && (m_node || m_isDocument);
}

QString SettingsSection::name() const
{
    return m_node ? m_node->name() : QString();
}

QString SettingsSection::value() const
{
    return m_node ? m_node->value() : QString();
}

void SettingsSection::invalidate()
{
    m_doc = nullptr;
    m_node = nullptr;
    m_isDocument = false;
    m_records.clear();
    m_recordNodes.clear();
    m_changed.clear();
    m_childrenAtSnapshot = 0;
    m_indexValid = false;
    m_buckets.clear();
    m_nextSame.clear();
    m_lastSame.clear();
    m_searchName.clear();
    m_searchPos = -1;
}

// ---------------------------------------------------------------- snapshot

void SettingsSection::rebuild(bool keepChanges)
{
    std::vector<std::pair<QByteArray, QByteArray>> kept;
    if (keepChanges) {
        for (size_t i = 0; i < m_records.size(); ++i) {
            if (m_changed[i])
                kept.emplace_back(m_records[i].nameBytes(), m_records[i].valueBytes());
        }
    }

    m_records.clear();
    m_recordNodes.clear();
    m_changed.clear();
    m_indexValid = false;
    m_childrenAtSnapshot = 0;
    m_searchPos = -1;
    if (!m_node || m_node->isAttribute())
        return;

    const auto &attrs = m_node->attributes();
    const auto &children = m_node->children();
    const size_t n = attrs.size() + children.size();
    m_records.reserve(n);
    m_recordNodes.reserve(n);
    for (size_t i = 0; i < attrs.size(); ++i) {
        m_records.emplace_back(attrs[i]->name(), attrs[i]->value(), ValueRecord::Attribute, quint32(i));
        m_recordNodes.push_back(attrs[i]);
    }
    for (size_t i = 0; i < children.size(); ++i) {
        m_records.emplace_back(children[i]->name(), children[i]->value(), ValueRecord::Child, quint32(i));
        m_recordNodes.push_back(children[i]);
    }
    m_changed.assign(n, 0);
    m_childrenAtSnapshot = int(children.size());

    for (const auto &kv : kept) {
        const int i = setRecord(CodePage::toUnicode(kv.first), kv.second);
        Q_UNUSED(i);
    }
}

quint32 SettingsSection::hashName(const char *p, int n)
{
    quint32 h = 2166136261u;
    for (int i = 0; i < n; ++i) {
        h ^= static_cast<unsigned char>(p[i]);
        h *= 16777619u;
    }
    return h;
}

void SettingsSection::buildIndex() const
{
    size_t size = 16;
    while (size < m_records.size() * 2)
        size <<= 1;
    m_buckets.assign(size, -1);
    m_nextSame.assign(m_records.size(), -1);
    m_lastSame.assign(m_records.size(), -1);
    m_indexValid = true;
    for (size_t i = 0; i < m_records.size(); ++i)
        indexRecord(int(i));
}

void SettingsSection::indexRecord(int i) const
{
    const ValueRecord &r = m_records[size_t(i)];
    if (m_nextSame.size() <= size_t(i)) {
        m_nextSame.resize(size_t(i) + 1, -1);
        m_lastSame.resize(size_t(i) + 1, -1);
    }
    const size_t mask = m_buckets.size() - 1;
    size_t b = hashName(r.nameData(), r.nameLength()) & mask;
    for (;;) {
        int &slot = m_buckets[b];
        if (slot < 0) {
            slot = i;
            m_lastSame[size_t(i)] = i;
            return;
        }
        if (m_records[size_t(slot)].nameEquals(r.nameData(), r.nameLength())) {
            // The chain's last record is kept with its first one: appending
            // a record of a name met n times before costs one step, not n.
            int &last = m_lastSame[size_t(slot)];
            m_nextSame[size_t(last)] = i;
            last = i;
            return;
        }
        b = (b + 1) & mask;
    }
}

int SettingsSection::indexOf(const QByteArray &name) const
{
    if (m_records.empty())
        return -1;
    if (!m_indexValid)
        buildIndex();
    const size_t mask = m_buckets.size() - 1;
    const int n = int(name.size());
    size_t b = hashName(name.constData(), n) & mask;
    for (;;) {
        const int slot = m_buckets[b];
        if (slot < 0)
            return -1;
        if (m_records[size_t(slot)].nameEquals(name.constData(), n))
            return slot;
        b = (b + 1) & mask;
    }
}

QByteArray SettingsSection::keyBytes(const QString &name)
{
    return CodePage::fromUnicodeCut(name, ValueRecord::MaxTextBytes);
}

int SettingsSection::setRecord(const QString &name, const QByteArray &value)
{
    const QByteArray key = keyBytes(name);
    int i = indexOf(key);
    if (i < 0) {
        ValueRecord r;
        r.setName(key);
        r.setKind(ValueRecord::Attribute);
        m_records.push_back(r);
        m_recordNodes.push_back(nullptr);
        m_changed.push_back(0);
        i = int(m_records.size()) - 1;
        if (m_indexValid) {
            if (m_records.size() * 2 > m_buckets.size())
                buildIndex();
            else
                indexRecord(i);
        }
    }
    m_records[size_t(i)].setValue(value);
    m_changed[size_t(i)] = 1;
    return i;
}

// ---------------------------------------------------------------- reading

int SettingsSection::textToInt(const char *text, int length)
{
    auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; };
    int i = 0;
    while (i < length && isSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < length && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const int digitsStart = i;
    qint64 v = 0;
    while (i < length && text[i] >= '0' && text[i] <= '9') {
        v = v * 10 + (text[i] - '0');
        if (v > qint64(2147483648LL))
            return 0; // out of range: not a number of this type
        ++i;
    }
    if (i == digitsStart)
        return 0;
    while (i < length && isSpace(text[i]))
        ++i;
    if (i != length)
        return 0;
    if (negative)
        v = -v;
    if (v > 2147483647LL || v < -2147483648LL)
        return 0;
    return int(v);
}

double SettingsSection::textToReal(const char *text, int length)
{
    bool ok = false;
    const double v = QByteArray(text, length).trimmed().toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

bool SettingsSection::contains(const QString &name) const
{
    return indexOf(keyBytes(name)) >= 0;
}

int SettingsSection::getInt(const QString &name, int defaultValue) const
{
    const int i = indexOf(keyBytes(name));
    if (i < 0)
        return defaultValue;
    const ValueRecord &r = m_records[size_t(i)];
    return textToInt(r.valueData(), r.valueLength());
}

double SettingsSection::getFloat(const QString &name, double defaultValue) const
{
    const int i = indexOf(keyBytes(name));
    if (i < 0)
        return defaultValue;
    const ValueRecord &r = m_records[size_t(i)];
    return textToReal(r.valueData(), r.valueLength());
}

QString SettingsSection::getText(const QString &name, const QString &defaultValue) const
{
    const int i = indexOf(keyBytes(name));
    return i < 0 ? defaultValue : m_records[size_t(i)].value();
}

QByteArray SettingsSection::getBytes(const QString &name, const QByteArray &defaultValue) const
{
    const int i = indexOf(keyBytes(name));
    return i < 0 ? defaultValue : m_records[size_t(i)].valueBytes();
}

// ---------------------------------------------------------------- writing

void SettingsSection::setInt(const QString &name, int value)
{
    if (isValid() && m_node)
        setRecord(name, QByteArray::number(value));
}

void SettingsSection::setFloat(const QString &name, double value)
{
    if (isValid() && m_node)
        setRecord(name, QByteArray::number(value, 'f', 6));
}

void SettingsSection::setText(const QString &name, const QString &value)
{
    if (isValid() && m_node)
        setRecord(name, CodePage::fromUnicodeCut(value, ValueRecord::MaxTextBytes));
}

void SettingsSection::setBytes(const QString &name, const QByteArray &local8Bit)
{
    if (isValid() && m_node)
        setRecord(name, local8Bit.left(ValueRecord::MaxTextBytes));
}

void SettingsSection::addValue(const QString &name, int value)
{
    addValue(name, QString::number(value));
}

void SettingsSection::addValue(const QString &name, const QString &value)
{
    if (!isValid() || !m_node || m_node->isAttribute())
        return;
    CXmlElement *c = m_node->addChild(name, value, CXmlElement::FindOrAdd);
    c->setValueAndKind(value, CXmlElement::TextElement);
}

bool SettingsSection::commit()
{
    if (!isValid() || !m_node || m_node->isAttribute())
        return false;
    for (size_t i = 0; i < m_records.size(); ++i) {
        if (!m_changed[i])
            continue;
        const ValueRecord &r = m_records[i];
        const QString value = r.value();
        CXmlElement *node = m_recordNodes[i];
        if (!node) {
            m_node->setNamedValue(r.name(), value);
        } else if (node->isAttribute()) {
            m_node->setAttribute(node->name(), value); // all attributes of the name
        } else {
            node->setValue(value);
            if (!value.isEmpty())
                node->setKind(CXmlElement::TextElement);
        }
    }
    rebuild(false);
    return true;
}

// ---------------------------------------------------------------- sections

CXmlElement *SettingsSection::firstChildElement(const QString &name) const
{
    if (!m_node)
        return nullptr;
    // Children that were in the snapshot, through the index ...
    for (int i = indexOf(keyBytes(name)); i >= 0; i = m_nextSame[size_t(i)]) {
        CXmlElement *n = m_recordNodes[size_t(i)];
        if (n && !n->isAttribute() && n->name() == name)
            return n;
    }
    // ... and those added since, which come after them.
    return m_node->firstChild(name, m_childrenAtSnapshot);
}

std::unique_ptr<SettingsSection> SettingsSection::handleOn(CXmlElement *node) const
{
    if (!node || !m_doc)
        return nullptr;
    return std::unique_ptr<SettingsSection>(new SettingsSection(m_doc, node, false));
}

std::unique_ptr<SettingsSection> SettingsSection::section(const QString &name, int mode)
{
    if (!isValid())
        return nullptr;
    if (m_isDocument)
        return handleOn(m_doc->documentChild(name));
    if (m_node->isAttribute())
        return nullptr;
    if (mode == CXmlElement::FindOrAdd) {
        CXmlElement *c = firstChildElement(name);
        if (!c)
            c = m_node->addChild(name, QString(), CXmlElement::Add);
        return handleOn(c);
    }
    if (mode == CXmlElement::AddSection)
        return handleOn(m_node->addChild(name, QString(), CXmlElement::AddSection));
    return nullptr;
}

std::unique_ptr<SettingsSection> SettingsSection::child(const QString &name) const
{
    if (!isValid())
        return nullptr;
    if (m_isDocument) {
        CXmlElement *root = m_doc->root();
        return root && root->name() == name ? handleOn(root) : nullptr;
    }
    return handleOn(firstChildElement(name));
}

bool SettingsSection::hasChild(const QString &name) const
{
    if (!isValid())
        return false;
    if (m_isDocument)
        return m_doc->root() && m_doc->root()->name() == name;
    return firstChildElement(name) != nullptr;
}

std::unique_ptr<SettingsSection> SettingsSection::findFirst(const QString &name)
{
    m_searchName = keyBytes(name);
    m_searchPos = indexOf(m_searchName);
    if (m_searchPos < 0)
        return nullptr;
    return handleOn(m_recordNodes[size_t(m_searchPos)]);
}

std::unique_ptr<SettingsSection> SettingsSection::findNext()
{
    if (m_searchPos < 0 || size_t(m_searchPos) >= m_records.size())
        return nullptr;
    if (!m_indexValid)
        buildIndex();
    m_searchPos = m_nextSame[size_t(m_searchPos)];
    if (m_searchPos < 0)
        return nullptr;
    return handleOn(m_recordNodes[size_t(m_searchPos)]);
}

bool SettingsSection::remove(SettingsSection *child)
{
    if (!isValid() || !child || !child->isValid() || !m_node || child->m_node == m_node
        || child->m_node->parent() != m_node || child->m_node->isAttribute())
        return false;
    return m_doc->removeElement(child->m_node);
}
