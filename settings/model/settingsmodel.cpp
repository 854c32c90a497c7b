#include "settings/model/settingsmodel.h"

#include "settings/model/settingscatalogue.h"
#include "settings/model/settingsconversion.h"
#include "settings/model/settingskey.h"
#include "xml/cserialize.h"
#include "xml/cxmlelement.h"
#include "xml/cxmlwriter.h"
#include "xml/settingssection.h"
#include "xml/xmlnames.h"

#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <cmath>
#include <functional>
#include <map>
#include <unordered_set>

// Kept elements lent to a tree built only to be written: taken back before
// the tree goes, so that they are written without being copied.
class SettingsModel::Lending
{
public:
    void add(CXmlElement *into, CXmlElement *element)
    {
        if (m_into.empty() || m_into.back() != into)
            m_into.push_back(into);
        m_lent.insert(element);
    }
    ~Lending()
    {
        // Nothing is deleted here: the tree's own children go back in place.
        for (CXmlElement *e : m_into) {
            for (auto &child : e->takeChildren()) {
                if (m_lent.count(child.get()))
                    child.release(); // the model's own again
                else
                    e->appendChild(std::move(child));
            }
        }
    }

private:
    std::vector<CXmlElement *> m_into;
    std::unordered_set<CXmlElement *> m_lent;
};

// What a file held in one element beside the catalogue's keys.
struct SettingsModel::Kept
{
    QList<QPair<QString, QString>> attributes;
    std::vector<std::unique_ptr<CXmlElement>> children;
    QString text;

    bool isEmpty() const { return attributes.isEmpty() && children.empty() && text.isEmpty(); }

    // Copies into e; or, with `lent`, puts the kept elements themselves
    // into e for one write (SettingsModel::Lending takes them back).
    void appendTo(CXmlElement &e, Lending *lent) const
    {
        for (const auto &a : attributes)
            e.addAttribute(a.first, a.second);
        for (const auto &c : children) {
            if (lent) {
                e.appendChild(std::unique_ptr<CXmlElement>(c.get()));
                lent->add(&e, c.get());
            } else {
                e.appendChild(c->clone());
            }
        }
        if (!text.isEmpty() && e.value().isEmpty())
            e.setValue(text);
    }
};


struct SettingsModel::Section
{
    const SettingsTable *table = nullptr;
    std::vector<QString> current;
    std::vector<QString> loaded;
    std::vector<char> inFile;
    bool present = false;
    // Kept content by element path: "" the section, "GPSmaxEx", "SPEEDS/SPEED[2]".
    std::map<QString, Kept> kept;
};

namespace {

const char *contextOf(const SettingsTable *table)
{
    return table->pageClass();
}

int parseInt(const QString &text)
{
    const QByteArray bytes = text.toLatin1();
    return SettingsSection::textToInt(bytes.constData(), int(bytes.size()));
}

double parseReal(const QString &text)
{
    const QByteArray bytes = text.toLatin1();
    return SettingsSection::textToReal(bytes.constData(), int(bytes.size()));
}

// The stored number of a key's text.
double storedNumber(const SettingsKey &key, const QString &text)
{
    return key.type() == SettingsRow::Int ? double(parseInt(text)) : parseReal(text);
}

// "Name" or "Name[n]" (n from 1).
QPair<QString, int> segment(const QString &part)
{
    const qsizetype open = part.indexOf(QLatin1Char('['));
    if (open < 0 || !part.endsWith(QLatin1Char(']')))
        return {part, 1};
    return {part.left(open), qMax(1, part.mid(open + 1, part.size() - open - 2).toInt())};
}

// Lists and code strings read by position: a position the text does not
// reach (or an empty item of a list) takes the key's default there, "0"
// beyond the default; nothing is read past the end.
QChar separatorOf(const SettingsKey *k)
{
    return k && k->inputRule() == SettingsInputRule::IPv4Address ? QLatin1Char('.') : QLatin1Char(' ');
}

QChar characterAt(const QString &text, const QString &defaultText, int position)
{
    if (position < 0)
        return QLatin1Char('0');
    if (position < text.size())
        return text.at(position);
    return position < defaultText.size() ? defaultText.at(position) : QLatin1Char('0');
}

// A short string is written whole: padded to the default's length, so that
// what the tracker reads is what the page showed.
QString withCharacter(QString text, const QString &defaultText, int position, QChar c)
{
    while (text.size() <= position || text.size() < defaultText.size())
        text += characterAt(QString(), defaultText, int(text.size()));
    text[position] = c;
    return text;
}

QString itemAt(const QString &text, const QString &defaultText, QChar separator, int position)
{
    if (position < 0)
        return QString();
    const QStringList items = text.split(separator);
    if (position < items.size() && !items.at(position).isEmpty())
        return items.at(position);
    const QStringList defaults = defaultText.split(separator);
    return position < defaults.size() ? defaults.at(position) : QString();
}

QString withItem(const QString &text, const QString &defaultText, QChar separator, int position, const QString &item)
{
    QStringList items = text.isEmpty() ? QStringList() : text.split(separator);
    const qsizetype defaults = defaultText.isEmpty() ? 0 : defaultText.split(separator).size();
    while (items.size() <= position || items.size() < defaults)
        items.append(QString());
    for (int i = 0; i < items.size(); ++i) {
        if (items.at(i).isEmpty() && i != position) {
            const QString d = itemAt(QString(), defaultText, separator, i);
            items[i] = d.isEmpty() ? QStringLiteral("0") : d;
        }
    }
    items[position] = item;
    return items.join(separator);
}

} // namespace

// One element of a file being read: its records by name, and which of them
// the catalogue took.
class SettingsModel::Walk
{
public:
    // owned: the element belongs to the model's load, which may take its
    // children instead of copying them.
    Walk(const CXmlElement *element, bool owned)
        : m_e(element)
        , m_owned(owned)
    {
        const auto &attrs = element->attributes();
        const auto &kids = element->children();
        m_attrUsed.assign(attrs.size(), 0);
        m_kidUsed.assign(kids.size(), 0);
        for (int i = int(attrs.size()) - 1; i >= 0; --i)
            m_attrs.insert(attrs[size_t(i)]->name(), i); // the first of a name wins
        for (int i = 0; i < int(kids.size()); ++i)
            m_kids[fileName(kids[size_t(i)]->name())].append(i);
    }

    // An element's name as the file writes it: the catalogue names elements
    // so ("FS0_485_PARAM"), while the reader hands out names decoded (the
    // "_485_" of that name reads as one character).
    static QString fileName(const QString &decoded)
    {
        for (qsizetype i = 0; i < decoded.size(); ++i) {
            if (!XmlNames::isPlainNameChar(decoded.at(i).unicode(), i == 0))
                return QString::fromLatin1(XmlNames::encodedName(decoded));
        }
        return decoded;
    }

    const CXmlElement *element() const { return m_e; }

    // The value of the first record of a name: an attribute, else a child
    // element. Marks that record taken.
    bool take(const QString &name, QString *text)
    {
        const auto a = m_attrs.constFind(name);
        if (a != m_attrs.constEnd()) {
            m_attrUsed[size_t(*a)] = 1;
            *text = m_e->attributes()[size_t(*a)]->value();
            return true;
        }
        const auto k = m_kids.constFind(name);
        if (k != m_kids.constEnd() && !k->isEmpty()) {
            const int i = k->first();
            m_kidUsed[size_t(i)] = 1;
            *text = m_e->children()[size_t(i)]->value();
            return true;
        }
        return false;
    }

    // Every record of a name taken (dropped from what is kept).
    void takeAll(const QString &name)
    {
        for (int i = 0; i < int(m_attrUsed.size()); ++i) {
            if (m_e->attributes()[size_t(i)]->name() == name)
                m_attrUsed[size_t(i)] = 1;
        }
        for (int i : m_kids.value(name))
            m_kidUsed[size_t(i)] = 1;
    }

    bool hasChild(const QString &name) const { return !m_kids.value(name).isEmpty(); }

    // The nth child element of a name (from 1), taken; null when there is none.
    const CXmlElement *child(const QString &name, int nth)
    {
        const QList<int> list = m_kids.value(name);
        if (nth < 1 || nth > list.size())
            return nullptr;
        const int i = list.at(nth - 1);
        m_kidUsed[size_t(i)] = 1;
        return m_e->children()[size_t(i)];
    }

    void keep(Kept &kept, const QString &skipAttribute = QString()) const;

private:
    const CXmlElement *m_e;
    bool m_owned;
    QHash<QString, int> m_attrs;
    QHash<QString, QList<int>> m_kids;
    std::vector<char> m_attrUsed;
    std::vector<char> m_kidUsed;
};

void SettingsModel::Walk::keep(Kept &kept, const QString &skipAttribute) const
{
    const auto &attrs = m_e->attributes();
    for (size_t i = 0; i < attrs.size(); ++i) {
        if (!m_attrUsed[i] && attrs[i]->name() != skipAttribute)
            kept.attributes.append({attrs[i]->name(), attrs[i]->value()});
    }
    if (m_owned) {
        // The tree is the model's: its children move over (the ones the
        // catalogue took go with the tree).
        auto kids = const_cast<CXmlElement *>(m_e)->takeChildren();
        for (size_t i = 0; i < kids.size(); ++i) {
            if (!m_kidUsed[i])
                kept.children.push_back(std::move(kids[i]));
        }
    } else {
        const auto &kids = m_e->children();
        for (size_t i = 0; i < kids.size(); ++i) {
            if (!m_kidUsed[i])
                kept.children.push_back(kids[i]->clone());
        }
    }
    kept.text = m_e->value();
}

// ---------------------------------------------------------------- model

SettingsModel::SettingsModel(QObject *parent)
    : SettingsModel(SettingsCatalogue::sections(), parent)
{
}

SettingsModel::SettingsModel(const QList<const SettingsTable *> &tables, QObject *parent)
    : QObject(parent)
    , m_rootKept(std::make_unique<Kept>())
{
    for (const SettingsTable *t : tables) {
        auto s = std::make_unique<Section>();
        s->table = t;
        m_sections.push_back(std::move(s));
    }
    reset();
}

SettingsModel::~SettingsModel() = default;

void SettingsModel::clearKept()
{
    m_rootValues.clear();
    m_rootKept = std::make_unique<Kept>();
    for (auto &s : m_sections) {
        s->kept.clear();
        s->present = false;
    }
}

void SettingsModel::reset()
{
    clearKept();
    m_fileName.clear();
    for (auto &s : m_sections) {
        const int n = s->table->count();
        s->current.assign(size_t(n), QString());
        s->inFile.assign(size_t(n), 0);
        for (int i = 0; i < n; ++i)
            s->current[size_t(i)] = s->table->keys().at(i).defaultText(contextOf(s->table));
        s->loaded = s->current;
    }
    emit reloaded();
}

bool SettingsModel::open(const QString &path, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QFileInfo info(path);
    // Reading never creates the file it was asked to read.
    if (path.isEmpty() || !info.exists())
        return fail(QStringLiteral("%1: no such file").arg(info.fileName()));
    CSerialize document;
    std::unique_ptr<SettingsSection> root = document.openRoot(path, QString::fromLatin1(SettingsCatalogue::RootName));
    if (!root || !document.root())
        return fail(document.errorText().isEmpty() ? QStringLiteral("%1: not a settings file").arg(info.fileName())
                                                   : document.errorText());
    root.reset();
    loadTree(document.takeRoot().get(), true);
    m_fileName = path;
    return true;
}

bool SettingsModel::openBytes(const QByteArray &bytes, QString *error)
{
    CSerialize document;
    std::unique_ptr<SettingsSection> root =
        document.openBuffer(bytes) ? document.rootSection(QString::fromLatin1(SettingsCatalogue::RootName)) : nullptr;
    if (!root || !document.root() || document.root()->name() != QLatin1String(SettingsCatalogue::RootName)) {
        if (error)
            *error = document.errorText().isEmpty() ? QStringLiteral("not a settings file") : document.errorText();
        return false;
    }
    root.reset();
    loadTree(document.takeRoot().get(), true);
    m_fileName.clear();
    return true;
}

void SettingsModel::load(const CXmlElement &rootElement)
{
    loadTree(&rootElement, false);
}

void SettingsModel::loadTree(const CXmlElement *rootPtr, bool owned)
{
    const CXmlElement &rootElement = *rootPtr;
    clearKept();
    m_fileName.clear();
    Walk root(&rootElement, owned);
    for (const CXmlElement *a : rootElement.attributes())
        m_rootValues.append({a->name(), a->value()});
    for (const QString &name : SettingsCatalogue::headerNames())
        root.takeAll(name);

    for (auto &sp : m_sections) {
        Section &s = *sp;
        const SettingsTable &table = *s.table;
        const char *context = contextOf(s.table);
        const int n = table.count();
        s.current.assign(size_t(n), QString());
        s.inFile.assign(size_t(n), 0);

        const CXmlElement *element = root.child(table.sectionName(), 1);
        s.present = element != nullptr;
        if (!element) {
            for (int i = 0; i < n; ++i)
                s.current[size_t(i)] = table.keys().at(i).defaultText(context);
            s.loaded = s.current;
            continue;
        }

        // Walks of the section and of every sub-section element present.
        std::map<QString, std::unique_ptr<Walk>> walks;
        walks[QString()] = std::make_unique<Walk>(element, owned);
        Walk &top = *walks[QString()];
        top.takeAll(QString::fromLatin1(SettingsCatalogue::PageKey));
        for (const QString &sub : table.subSections()) {
            const qsizetype slash = sub.lastIndexOf(QLatin1Char('/'));
            const QString parent = slash < 0 ? QString() : sub.left(slash);
            const auto p = walks.find(parent);
            if (p == walks.end())
                continue;
            const auto seg = segment(slash < 0 ? sub : sub.mid(slash + 1));
            if (const CXmlElement *e = p->second->child(seg.first, seg.second))
                walks[sub] = std::make_unique<Walk>(e, owned);
        }

        std::vector<std::pair<int, QString>> into; // legacy targets read
        struct Part
        {
            int target;
            SettingsInto::Part part;
            int position;
            QString text;
        };
        std::vector<Part> parts; // legacy values going into parts of keys
        for (int i = 0; i < n; ++i) {
            const SettingsKey &key = table.keys().at(i);
            QString &value = s.current[size_t(i)];
            value = key.defaultText(context);
            const auto w = walks.find(key.subSection());
            if (w == walks.end())
                continue;
            if (key.isWriteOnly()) {
                w->second->takeAll(key.name());
                continue;
            }
            if (key.isLegacy()) {
                QString text;
                if (!top.hasChild(key.onlyWithout()) && w->second->take(key.name(), &text)) {
                    value = text;
                    s.inFile[size_t(i)] = 1;
                    if (!key.intoPath().isEmpty()) {
                        const int target = table.indexOf(key.intoPath());
                        if (target >= 0)
                            into.emplace_back(target, key.row().intoConvert ? key.row().intoConvert(text) : text);
                    }
                    for (int p = 0; p < key.row().intoCount; ++p) {
                        const SettingsInto &to = key.row().intoList[p];
                        const int target = table.indexOf(QString::fromLatin1(to.path));
                        const QString converted = to.convert ? to.convert(text) : text;
                        if (target >= 0 && !converted.isNull())
                            parts.push_back(Part{target, to.part, to.position, converted});
                    }
                }
                w->second->takeAll(key.name());
                continue;
            }
            QString text;
            if (w->second->take(key.name(), &text)) {
                value = text;
                s.inFile[size_t(i)] = 1;
            }
        }
        for (const auto &t : into) {
            s.current[size_t(t.first)] = t.second;
            s.inFile[size_t(t.first)] = 1;
        }
        for (const Part &p : parts) {
            const SettingsKey &target = table.keys().at(p.target);
            QString &value = s.current[size_t(p.target)];
            switch (p.part) {
            case SettingsInto::Whole:
                value = p.text;
                break;
            case SettingsInto::Item:
                value = withItem(value, target.defaultText(context), separatorOf(&target), p.position, p.text);
                break;
            case SettingsInto::Character:
                value = withCharacter(value, target.defaultText(context), p.position,
                                      p.text.isEmpty() ? QLatin1Char('0') : p.text.at(0));
                break;
            }
            s.inFile[size_t(p.target)] = 1;
        }
        s.loaded = s.current;
        // Deepest first: an element's children are kept before its parent
        // hands its own over.
        for (auto w = walks.rbegin(); w != walks.rend(); ++w)
            w->second->keep(s.kept[w->first], w->first.isEmpty() ? QString::fromLatin1(SettingsCatalogue::PageKey) : QString());
    }
    root.keep(*m_rootKept);
    emit reloaded();
}

// ---------------------------------------------------------------- saving

void SettingsModel::writeSection(CXmlElement &root, const Section &s, Lending *lent) const
{
    const SettingsTable &table = *s.table;
    CXmlElement *section = root.addChild(table.sectionName(), QString(), CXmlElement::Add);
    section->addAttribute(QString::fromLatin1(SettingsCatalogue::PageKey), table.sectionName());

    std::map<QString, CXmlElement *> elements{{QString(), section}};
    // The element of a sub-section path, made (with the ones above it) when
    // first written to.
    std::function<CXmlElement *(const QString &)> element = [&](const QString &path) -> CXmlElement * {
        const auto found = elements.find(path);
        if (found != elements.end())
            return found->second;
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        CXmlElement *parent = element(slash < 0 ? QString() : path.left(slash));
        const auto seg = segment(slash < 0 ? path : path.mid(slash + 1));
        // The nth of a name, with the ones before it made first.
        CXmlElement *made = nullptr;
        int have = 0;
        for (CXmlElement *c : parent->children()) {
            if (c->name() == seg.first && ++have == seg.second)
                made = c;
        }
        for (; have < seg.second; ++have)
            made = parent->addChild(seg.first, QString(), CXmlElement::AddSection);
        elements[path] = made;
        return made;
    };

    const int n = table.count();
    for (int i = 0; i < n; ++i) {
        const SettingsKey &key = table.keys().at(i);
        if (key.isLegacy())
            continue;
        QString text;
        if (key.isWriteOnly()) {
            const QVariant v = key.row().derive ? key.row().derive(*this, table.sectionName()) : QVariant();
            text = storedText(key, v, SettingsConversion::Stored);
        } else {
            text = s.current[size_t(i)];
            if (text.size() > SettingsText::MaxBytes)
                text.truncate(SettingsText::MaxBytes);
        }
        if (!key.whenPath().isEmpty()) {
            const int c = table.indexOf(key.whenPath());
            const QString condition = c >= 0 ? s.current[size_t(c)] : QString();
            const bool untouched = c >= 0 && s.current[size_t(c)] == s.loaded[size_t(c)] && s.inFile[size_t(i)];
            if (!key.conditionHolds(condition) && !untouched)
                continue;
        }
        if (key.isEntry()) {
            CXmlElement *e = section->addChild(key.name(), QString(), CXmlElement::Add);
            e->setValueAndKind(text, CXmlElement::TextElement);
        } else {
            element(key.subSection())->addAttribute(key.name(), text);
        }
    }
    for (const auto &e : elements) {
        const auto kept = s.kept.find(e.first);
        if (kept != s.kept.end())
            kept->second.appendTo(*e.second, lent);
    }
}

void SettingsModel::saveInto(CXmlElement &root, const Header &header) const
{
    build(root, header, nullptr);
}

void SettingsModel::build(CXmlElement &root, const Header &header, Lending *lent) const
{
    root.clearContent();
    root.setName(QString::fromLatin1(SettingsCatalogue::RootName));
    root.setKind(CXmlElement::Element);
    QStringList given;
    for (const auto &h : header) {
        root.addAttribute(h.first, h.second);
        given << h.first;
    }
    for (const auto &v : m_rootValues) {
        if (SettingsCatalogue::headerNames().contains(v.first) && !given.contains(v.first))
            root.addAttribute(v.first, v.second);
    }
    for (const auto &s : m_sections)
        writeSection(root, *s, lent);
    m_rootKept->appendTo(root, lent);
}

QByteArray SettingsModel::toBytes(const Header &header, QString *error) const
{
    CXmlElement root(QString::fromLatin1(SettingsCatalogue::RootName));
    QByteArray out;
    {
        Lending lent; // declared after root: the kept elements go back first
        build(root, header, &lent);
        if (!CXmlWriter::write(&root, out, error))
            out.clear();
    }
    return out;
}

bool SettingsModel::saveAs(const QString &path, const Header &header, QString *error) const
{
    QString why;
    const QByteArray bytes = toBytes(header, &why);
    if (bytes.isEmpty()) {
        if (error)
            *error = why.isEmpty() ? QStringLiteral("nothing to write") : why;
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

// ---------------------------------------------------------------- values

SettingsModel::Section *SettingsModel::sectionData(const QString &name)
{
    for (auto &s : m_sections) {
        if (name == QLatin1String(s->table->name()))
            return s.get();
    }
    return nullptr;
}

const SettingsModel::Section *SettingsModel::sectionData(const QString &name) const
{
    return const_cast<SettingsModel *>(this)->sectionData(name);
}

bool SettingsModel::locate(const QString &section, const QString &path, const Section **s, int *index) const
{
    *s = sectionData(section);
    *index = *s ? (*s)->table->indexOf(path) : -1;
    return *index >= 0;
}

const SettingsKey *SettingsModel::key(const QString &section, const QString &path) const
{
    const Section *s;
    int i;
    return locate(section, path, &s, &i) ? &s->table->keys().at(i) : nullptr;
}

QList<const SettingsTable *> SettingsModel::tables() const
{
    QList<const SettingsTable *> list;
    list.reserve(qsizetype(m_sections.size()));
    for (const auto &s : m_sections)
        list.append(s->table);
    return list;
}

QString SettingsModel::text(const QString &section, const QString &path) const
{
    const Section *s;
    int i;
    if (locate(section, path, &s, &i))
        return s->current[size_t(i)];
    if (s || path.contains(QLatin1Char('/')))
        return QString();
    const CXmlElement *kept = keptSection(section);
    const CXmlElement *e = kept ? kept->firstChild(path) : nullptr;
    return e ? e->value() : QString();
}

bool SettingsModel::setKeptText(const QString &section, const QString &path, const QString &text)
{
    if (section.isEmpty() || path.isEmpty() || path.contains(QLatin1Char('/')) || path.contains(QLatin1Char('['))
        || SettingsText::problem(text) != SettingsText::Problem::None)
        return false;
    CXmlElement *kept = nullptr;
    for (const auto &c : m_rootKept->children) {
        if (c->name() == section) {
            kept = c.get();
            break;
        }
    }
    if (!kept) {
        auto made = std::make_unique<CXmlElement>(section);
        made->addAttribute(QString::fromLatin1(SettingsCatalogue::PageKey), section);
        kept = made.get();
        m_rootKept->children.push_back(std::move(made));
    }
    CXmlElement *e = kept->firstChild(path);
    if (e && e->value() == text)
        return true;
    if (!e)
        e = kept->addChild(path, QString(), CXmlElement::Add);
    e->setValueAndKind(text, CXmlElement::TextElement);
    emit valueChanged(section, path);
    return true;
}

QVariant SettingsModel::value(const QString &section, const QString &path, const SettingsConversion *unit) const
{
    const Section *s;
    int i;
    if (!locate(section, path, &s, &i))
        return QVariant();
    const SettingsKey &k = s->table->keys().at(i);
    const QString &t = s->current[size_t(i)];
    if (k.type() == SettingsRow::Text)
        return t;
    const SettingsConversion &u = unit ? *unit : k.conversion();
    if (&u == &SettingsConversion::Stored)
        return k.type() == SettingsRow::Int ? QVariant(parseInt(t)) : QVariant(parseReal(t));
    return u.toShown(storedNumber(k, t));
}

QString SettingsModel::storedText(const SettingsKey &key, const QVariant &value, const SettingsConversion &unit) const
{
    switch (key.type()) {
    case SettingsRow::Text:
        return value.toString();
    case SettingsRow::Int: {
        if (&unit == &SettingsConversion::Stored && value.typeId() == QMetaType::Int)
            return QString::number(value.toInt());
        return QString::number(SettingsConversion::roundToInt(unit.toStored(value.toDouble()),
                                                              SettingsConversion::Nearest));
    }
    case SettingsRow::Real:
        return QString::number(unit.toStored(value.toDouble()), 'f', key.decimals());
    }
    return QString();
}

bool SettingsModel::setValue(const QString &section, const QString &path, const QVariant &v,
                             const SettingsConversion *unit)
{
    const Section *cs;
    int i;
    if (!locate(section, path, &cs, &i))
        return false;
    const SettingsKey &k = cs->table->keys().at(i);
    if (k.type() == SettingsRow::Text)
        return setText(section, path, v.toString());
    const SettingsConversion &u = unit ? *unit : k.conversion();
    // Equal in the caller's unit: keep the text as it is.
    const QVariant now = value(section, path, &u);
    const bool whole = &u == &SettingsConversion::Stored ? k.type() == SettingsRow::Int : u.shownIsWhole;
    if (whole) {
        if (now.toInt() == SettingsConversion::roundToInt(v.toDouble(), SettingsConversion::Nearest))
            return true;
    } else {
        const int decimals = &u == &SettingsConversion::Stored ? k.decimals() : u.shownDecimals;
        if (QString::number(now.toDouble(), 'f', decimals + 2) == QString::number(v.toDouble(), 'f', decimals + 2))
            return true;
    }
    return setText(section, path, storedText(k, v, u));
}

bool SettingsModel::setText(const QString &section, const QString &path, const QString &text)
{
    Section *s = sectionData(section);
    if (!s)
        return setKeptText(section, path, text);
    const int i = s->table->indexOf(path);
    if (i < 0 || SettingsText::problem(text) != SettingsText::Problem::None)
        return false;
    if (s->current[size_t(i)] == text)
        return true;
    s->current[size_t(i)] = text;
    emit valueChanged(section, path);
    return true;
}

bool SettingsModel::flag(const QString &section, const QString &path, int position) const
{
    return character(section, path, position) == QLatin1Char('1');
}

bool SettingsModel::setFlag(const QString &section, const QString &path, int position, bool on)
{
    return setCharacter(section, path, position, on ? QLatin1Char('1') : QLatin1Char('0'));
}

QChar SettingsModel::character(const QString &section, const QString &path, int position) const
{
    return characterAt(text(section, path), defaultText(section, path), position);
}

bool SettingsModel::setCharacter(const QString &section, const QString &path, int position, QChar c)
{
    if (position < 0 || !contains(section, path))
        return false;
    return setText(section, path, withCharacter(text(section, path), defaultText(section, path), position, c));
}

QString SettingsModel::item(const QString &section, const QString &path, int position) const
{
    return itemAt(text(section, path), defaultText(section, path), separatorOf(key(section, path)), position);
}

bool SettingsModel::setItem(const QString &section, const QString &path, int position, const QString &item)
{
    const SettingsKey *k = key(section, path);
    if (!k || position < 0)
        return false;
    return setText(section, path,
                   withItem(text(section, path), defaultText(section, path), separatorOf(k), position, item));
}

QString SettingsModel::defaultText(const QString &section, const QString &path) const
{
    const Section *s;
    int i;
    return locate(section, path, &s, &i) ? s->table->keys().at(i).defaultText(contextOf(s->table)) : QString();
}

QString SettingsModel::loadedText(const QString &section, const QString &path) const
{
    const Section *s;
    int i;
    return locate(section, path, &s, &i) ? s->loaded[size_t(i)] : QString();
}

QChar SettingsModel::loadedCharacter(const QString &section, const QString &path, int position) const
{
    return characterAt(loadedText(section, path), defaultText(section, path), position);
}

QString SettingsModel::loadedItem(const QString &section, const QString &path, int position) const
{
    return itemAt(loadedText(section, path), defaultText(section, path), separatorOf(key(section, path)), position);
}

bool SettingsModel::isChanged(const QString &section, const QString &path) const
{
    const Section *s;
    int i;
    return locate(section, path, &s, &i) && s->loaded[size_t(i)] != s->current[size_t(i)];
}

bool SettingsModel::wasInFile(const QString &section, const QString &path) const
{
    const Section *s;
    int i;
    return locate(section, path, &s, &i) && s->inFile[size_t(i)];
}

bool SettingsModel::hasSection(const QString &section) const
{
    const Section *s = sectionData(section);
    if (s)
        return s->present;
    for (const auto &c : m_rootKept->children) {
        if (c->name() == section)
            return true;
    }
    return false;
}

const CXmlElement *SettingsModel::keptSection(const QString &name) const
{
    if (sectionData(name))
        return nullptr;
    for (const auto &c : m_rootKept->children) {
        if (c->name() == name)
            return c.get();
    }
    return nullptr;
}

QString SettingsModel::keptText(const QString &section, const QString &path) const
{
    const qsizetype slash = path.indexOf(QLatin1Char('/'));
    const QString first = slash < 0 ? path : path.left(slash);
    const QString attribute = slash < 0 ? QString() : path.mid(slash + 1);
    if (first.isEmpty() || attribute.contains(QLatin1Char('/')))
        return QString();
    // The section's kept attributes and children.
    QList<QPair<QString, QString>> attributes;
    std::vector<const CXmlElement *> children;
    if (const Section *s = sectionData(section)) {
        const auto kept = s->kept.find(QString());
        if (kept == s->kept.end())
            return QString();
        attributes = kept->second.attributes;
        for (const auto &c : kept->second.children)
            children.push_back(c.get());
    } else if (const CXmlElement *e = keptSection(section)) {
        for (const CXmlElement *a : e->attributes())
            attributes.append({a->name(), a->value()});
        children.assign(e->children().begin(), e->children().end());
    } else {
        return QString();
    }
    const CXmlElement *child = nullptr;
    for (const CXmlElement *c : children) {
        if (c->name() == first) {
            child = c;
            break;
        }
    }
    if (!attribute.isEmpty()) {
        const CXmlElement *a = child ? child->firstAttribute(attribute) : nullptr;
        if (!a)
            return QString();
        return a->value().isNull() ? QStringLiteral("") : a->value();
    }
    if (child)
        return child->value().isNull() ? QStringLiteral("") : child->value();
    for (const auto &a : attributes) {
        if (a.first == first)
            return a.second.isNull() ? QStringLiteral("") : a.second;
    }
    return QString();
}

QString SettingsModel::rootValue(const QString &name) const
{
    for (const auto &v : m_rootValues) {
        if (v.first == name)
            return v.second;
    }
    return QString();
}

QList<SettingsModel::Unstorable> SettingsModel::unstorableValues() const
{
    QList<Unstorable> out;
    auto check = [&out](const QString &section, const QString &path, const QString &text, bool lengthCounts) {
        SettingsText::Problem p = SettingsText::problem(text);
        if (p == SettingsText::Problem::TooLong && !lengthCounts)
            p = SettingsText::Problem::None;
        if (p != SettingsText::Problem::None)
            out.append({section, path, text, p});
    };
    // Kept content is written whole; only characters outside the code page change.
    std::function<void(const QString &, const QString &, const CXmlElement &)> walk =
        [&](const QString &section, const QString &at, const CXmlElement &e) {
            // Element names are written encoded, whatever they hold.
            const QString here = at.isEmpty() ? e.name() : at + QLatin1Char('/') + e.name();
            check(section, here, e.value(), false);
            for (const CXmlElement *a : e.attributes())
                check(section, here + QLatin1Char('/') + a->name(), a->value(), false);
            for (const CXmlElement *c : e.children())
                walk(section, here, *c);
        };
    auto keptOf = [&](const QString &section, const QString &at, const Kept &k) {
        for (const auto &a : k.attributes)
            check(section, at.isEmpty() ? a.first : at + QLatin1Char('/') + a.first, a.second, false);
        if (!k.text.isEmpty())
            check(section, at, k.text, false);
        for (const auto &c : k.children)
            walk(section, at, *c);
    };
    for (const auto &sp : m_sections) {
        const Section &s = *sp;
        const QString name = s.table->sectionName();
        for (int i = 0; i < s.table->count(); ++i) {
            const SettingsKey &k = s.table->keys().at(i);
            if (!k.isLegacy() && !k.isWriteOnly())
                check(name, k.path(), s.current[size_t(i)], true);
        }
        for (const auto &k : s.kept)
            keptOf(name, k.first, k.second);
    }
    for (const auto &v : m_rootValues)
        check(QString(), v.first, v.second, false);
    for (const auto &c : m_rootKept->children)
        walk(c->name(), QString(), *c);
    return out;
}
