#include "settings/model/settingscomparison.h"

#include "settings/model/settingscatalogue.h"
#include "settings/model/settingskey.h"
#include "settings/model/settingsmodel.h"
#include "xml/cxmlelement.h"

#include <QHash>

namespace {

struct Value
{
    QString section;
    QString path;
    QString text;
};

class Flattener
{
public:
    explicit Flattener(QList<Value> *out) : m_out(out) {}

    void root(const CXmlElement &root)
    {
        const QStringList &header = SettingsCatalogue::headerNames();
        for (const CXmlElement *a : root.attributes()) {
            if (!header.contains(a->name()))
                add(QString(), a->name(), a->value());
        }
        const auto names = indexedNames(root.children());
        for (size_t i = 0; i < root.children().size(); ++i) {
            const CXmlElement *c = root.children()[i];
            if (c->attributeCount() == 0 && c->childCount() == 0) {
                // A plain value of the root.
                if (!header.contains(c->name()))
                    add(QString(), names[i], c->value());
                continue;
            }
            section(names[i], *c);
        }
    }

private:
    void section(const QString &name, const CXmlElement &e)
    {
        for (const CXmlElement *a : e.attributes())
            add(name, a->name(), a->value());
        if (!e.value().isEmpty())
            add(name, QStringLiteral("."), e.value());
        element(name, QString(), e);
    }

    // The children of e, whose paths start with prefix ("" or "Sub/").
    void element(const QString &section, const QString &prefix, const CXmlElement &e)
    {
        const auto names = indexedNames(e.children());
        for (size_t i = 0; i < e.children().size(); ++i) {
            const CXmlElement *c = e.children()[i];
            const QString path = prefix + names[i];
            if (c->attributeCount() == 0 && c->childCount() == 0) {
                add(section, path, c->value());
                continue;
            }
            for (const CXmlElement *a : c->attributes())
                add(section, path + QLatin1Char('/') + a->name(), a->value());
            if (!c->value().isEmpty())
                add(section, path, c->value());
            element(section, path + QLatin1Char('/'), *c);
        }
    }

    // "Name", or "Name[n]" (from 1) where a name repeats among siblings.
    static std::vector<QString> indexedNames(const std::vector<CXmlElement *> &children)
    {
        QHash<QString, int> total;
        for (const CXmlElement *c : children)
            ++total[c->name()];
        QHash<QString, int> seen;
        std::vector<QString> names;
        names.reserve(children.size());
        for (const CXmlElement *c : children) {
            if (total.value(c->name()) > 1)
                names.push_back(QStringLiteral("%1[%2]").arg(c->name()).arg(++seen[c->name()]));
            else
                names.push_back(c->name());
        }
        return names;
    }

    void add(const QString &section, const QString &path, const QString &text)
    {
        m_out->append({section, path, text.isNull() ? QString(QLatin1String("")) : text});
    }

    QList<Value> *m_out;
};

QString keyOf(const QString &section, const QString &path)
{
    return section + QLatin1Char('\n') + path;
}

// The catalogue's key of a path; a child that stood alone in the file has
// no index in its path, where the catalogue counts it as the first.
const SettingsKey *findKey(const QHash<QString, const SettingsTable *> &tables, const QString &section,
                           const QString &path, const char **context)
{
    const SettingsTable *table = tables.value(section);
    if (!table)
        return nullptr;
    *context = table->pageClass();
    if (const SettingsKey *k = table->find(path))
        return k;
    if (!path.contains(QLatin1Char('/')))
        return nullptr;
    QStringList parts = path.split(QLatin1Char('/'));
    for (int i = 0; i + 1 < parts.size(); ++i) {
        if (!parts[i].endsWith(QLatin1Char(']')))
            parts[i] += QStringLiteral("[1]");
    }
    return table->find(parts.join(QLatin1Char('/')));
}

} // namespace

QList<SettingsDifference> SettingsComparison::compare(const SettingsModel &left, const SettingsModel &right)
{
    CXmlElement a(QString::fromLatin1(SettingsCatalogue::RootName));
    CXmlElement b(QString::fromLatin1(SettingsCatalogue::RootName));
    left.saveInto(a);
    right.saveInto(b);
    QList<const SettingsTable *> tables = right.tables();
    for (const SettingsTable *t : left.tables()) {
        if (!tables.contains(t))
            tables.append(t);
    }
    return compare(a, b, tables);
}

QList<SettingsDifference> SettingsComparison::compare(const CXmlElement &left, const CXmlElement &right,
                                                      const QList<const SettingsTable *> &tables)
{
    QList<Value> a;
    QList<Value> b;
    Flattener(&a).root(left);
    Flattener(&b).root(right);

    QHash<QString, const SettingsTable *> byName;
    for (const SettingsTable *t : tables)
        byName.insert(t->sectionName(), t);

    QHash<QString, qsizetype> inRight;
    inRight.reserve(b.size());
    for (qsizetype i = 0; i < b.size(); ++i)
        inRight.insert(keyOf(b[i].section, b[i].path), i);
    std::vector<char> matched(size_t(b.size()), 0);

    QList<SettingsDifference> rows;
    auto row = [&](const Value &v, const QString &l, const QString &r) {
        SettingsDifference d;
        d.section = v.section;
        d.path = v.path;
        d.key = findKey(byName, v.section, v.path, &d.context);
        d.left = l;
        d.right = r;
        rows.append(d);
    };
    for (const Value &v : a) {
        const auto it = inRight.constFind(keyOf(v.section, v.path));
        if (it == inRight.cend()) {
            row(v, v.text, QString());
            continue;
        }
        matched[size_t(*it)] = 1;
        const Value &w = b[*it];
        if (w.text != v.text)
            row(v, v.text, w.text);
    }
    for (qsizetype i = 0; i < b.size(); ++i) {
        if (!matched[size_t(i)])
            row(b[i], QString(), b[i].text);
    }
    return rows;
}
