#include "settings/model/settingskey.h"

#include "settings/model/settingstext.h"

#include <QCoreApplication>
#include <QSet>

#include <cmath>
#include <limits>

namespace {

QString filled(const char *pattern, int index)
{
    if (!pattern)
        return QString();
    QString s = QString::fromLatin1(pattern);
    if (index >= 0)
        s.replace(QLatin1String("%1"), QString::number(index));
    return s;
}

// A text key counted on by n: the number at its end grows by n, keeping its width.
QString countedKey(const char *textKey, int n)
{
    const QString key = QString::fromLatin1(textKey);
    if (n <= 0)
        return key;
    qsizetype digits = key.size();
    while (digits > 0 && key.at(digits - 1).isDigit())
        --digits;
    if (digits == key.size())
        return key;
    const QString number = key.mid(digits);
    return key.left(digits) + QStringLiteral("%1").arg(number.toInt() + n, int(number.size()), 10, QLatin1Char('0'));
}

} // namespace

SettingsKey::SettingsKey(const SettingsRow *row, const QString &name, const QString &subSection, int index)
    : m_row(row)
    , m_name(name)
    , m_subSection(subSection)
    , m_path(subSection.isEmpty() ? name : subSection + QLatin1Char('/') + name)
    , m_index(index)
    , m_whenPath(filled(row->whenPath, row->isIndexed() ? index : -1))
    , m_onlyWithout(filled(row->onlyWithout, row->isIndexed() ? index : -1))
    , m_intoPath(filled(row->intoPath, row->isIndexed() ? index : -1))
{
}

const SettingsConversion &SettingsKey::conversion() const
{
    return m_row->conversion ? *m_row->conversion : SettingsConversion::Stored;
}

int SettingsKey::shownDecimals() const
{
    if (m_row->conversion)
        return m_row->conversion->shownIsWhole ? 0 : m_row->conversion->shownDecimals;
    return m_row->type == SettingsRow::Real ? m_row->decimals : 0;
}

bool SettingsKey::shownIsWhole() const
{
    if (m_row->conversion)
        return m_row->conversion->shownIsWhole;
    return m_row->type == SettingsRow::Int;
}

double SettingsKey::minimum() const
{
    if (m_row->hasRange)
        return m_row->minimum;
    return shownIsWhole() ? double(std::numeric_limits<int>::min()) : -1e9;
}

double SettingsKey::maximum() const
{
    if (m_row->hasRange)
        return m_row->maximum;
    return shownIsWhole() ? double(std::numeric_limits<int>::max()) : 1e9;
}

double SettingsKey::step() const
{
    if (m_row->step > 0)
        return m_row->step;
    return shownIsWhole() ? 1.0 : std::pow(10.0, -shownDecimals());
}

int SettingsKey::choiceIndex(const QString &code) const
{
    bool numeric = false;
    const int number = isNumber() ? code.trimmed().toInt(&numeric) : 0;
    for (int i = 0; i < m_row->choiceCount; ++i) {
        const QString c = QString::fromLatin1(m_row->choices[i].code);
        if (c == code)
            return i;
        bool ok = false;
        if (numeric && c.toInt(&ok) == number && ok)
            return i;
    }
    return -1;
}

QString SettingsKey::choiceText(const SettingsChoice &choice, const char *context)
{
    if (choice.textIsKey)
        return QCoreApplication::translate(context, choice.text);
    return QString::fromUtf8(choice.text);
}

int SettingsKey::maxLength() const
{
    return m_row->maxLength > 0 ? m_row->maxLength : SettingsText::MaxBytes;
}

QString SettingsKey::label(const char *context) const
{
    if (m_row->label)
        return QCoreApplication::translate(context, m_row->label);
    return m_name;
}

QString SettingsKey::defaultText(const char *context) const
{
    const int n = m_index >= 0 && m_row->isIndexed() ? m_index - m_row->first : (m_index > 0 ? m_index - 1 : 0);
    switch (m_row->type) {
    case SettingsRow::Int:
        return QString::number(int(m_row->number + m_row->defaultStep * n));
    case SettingsRow::Real:
        return QString::number(m_row->number + m_row->defaultStep * n, 'f', m_row->decimals);
    case SettingsRow::Text:
        if (m_row->defaultKind == SettingsRow::TextKey) {
            const QString key = countedKey(m_row->text, n);
            return QCoreApplication::translate(context, key.toLatin1().constData());
        }
        return QString::fromUtf8(m_row->text ? m_row->text : "");
    }
    return QString();
}

bool SettingsKey::conditionHolds(const QString &value) const
{
    if (m_whenPath.isEmpty())
        return true;
    if (!m_row->whenCodes)
        return !value.trimmed().isEmpty() && value.trimmed() != QLatin1String("0");
    const QStringList codes = QString::fromLatin1(m_row->whenCodes).split(QLatin1Char('|'));
    return codes.contains(value);
}

// ---------------------------------------------------------------- table

SettingsTable::SettingsTable(const SettingsSectionRows &rows)
    : m_rows(rows)
{
    const SettingsRow *r = rows.rows;
    const SettingsRow *end = rows.rows + rows.count;
    auto add = [this](const SettingsRow *row, int index, int repeatNumber) {
        const int i = row->isIndexed() ? index : -1;
        QString sub = filled(row->subSection, i);
        if (repeatNumber > 0)
            sub += QStringLiteral("[%1]").arg(repeatNumber);
        m_keys.append(SettingsKey(row, filled(row->key, i), sub, row->isIndexed() ? index : repeatNumber > 0 ? repeatNumber : -1));
    };
    while (r < end) {
        // A group: consecutive rows generated the same way.
        const SettingsRow *groupEnd = r + 1;
        if (r->isIndexed()) {
            while (groupEnd < end && groupEnd->isIndexed() && groupEnd->first == r->first && groupEnd->last == r->last)
                ++groupEnd;
            for (int i = r->first; i <= r->last; ++i) {
                for (const SettingsRow *g = r; g < groupEnd; ++g)
                    add(g, i, 0);
            }
        } else if (r->repeat > 0 && r->subSection) {
            while (groupEnd < end && groupEnd->repeat == r->repeat && groupEnd->subSection
                   && qstrcmp(groupEnd->subSection, r->subSection) == 0)
                ++groupEnd;
            for (int n = 1; n <= r->repeat; ++n) {
                for (const SettingsRow *g = r; g < groupEnd; ++g)
                    add(g, -1, n);
            }
        } else {
            add(r, -1, 0);
        }
        r = groupEnd;
    }
    QSet<QString> seen;
    for (int i = 0; i < m_keys.size(); ++i) {
        const SettingsKey &k = m_keys.at(i);
        m_byPath.insert(k.path(), i);
        if (k.isEntry() || seen.contains(k.subSection()))
            continue;
        // Every element on the way, outermost first.
        const QStringList parts = k.subSection().split(QLatin1Char('/'));
        QString prefix;
        for (const QString &part : parts) {
            prefix = prefix.isEmpty() ? part : prefix + QLatin1Char('/') + part;
            if (!seen.contains(prefix)) {
                seen.insert(prefix);
                m_subSections.append(prefix);
            }
        }
    }
}

const SettingsKey *SettingsTable::find(QStringView path) const
{
    const int i = indexOf(path);
    return i < 0 ? nullptr : &m_keys.at(i);
}

int SettingsTable::indexOf(QStringView path) const
{
    return m_byPath.value(path.toString(), -1);
}
