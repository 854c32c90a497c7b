#include "settings/model/settingssearch.h"

#include "settings/model/settingschanges.h"
#include "settings/model/settingskey.h"
#include "settings/model/settingsmodel.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

namespace {

enum Rank { LabelStart, Label, KeyName, Value, PageTitle };

// The words of a search, case-folded.
QStringList wordsOf(const QString &text)
{
    QStringList words;
    // Punctuation around a word ("track:", "(CSD)") does not count; inside
    // it does ("internet.mts.ru", "10.5").
    for (const QString &w : text.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        qsizetype from = 0;
        qsizetype to = w.size();
        while (from < to && !w.at(from).isLetterOrNumber())
            ++from;
        while (to > from && !w.at(to - 1).isLetterOrNumber())
            --to;
        if (to > from)
            words << w.mid(from, to - from).toCaseFolded();
    }
    return words;
}

bool containsAll(const QString &haystack, const QStringList &words)
{
    for (const QString &w : words) {
        if (!haystack.contains(w))
            return false;
    }
    return true;
}

} // namespace

SettingsSearch::SettingsSearch(const QList<Page> &pages, const SettingsModel *model)
    : m_pages(pages)
    , m_model(model)
{
    QHash<QString, const SettingsTable *> tables;
    for (const SettingsTable *t : model->tables())
        tables.insert(t->sectionName(), t);
    for (int p = 0; p < m_pages.size(); ++p) {
        const SettingsTable *table = tables.value(m_pages[p].section);
        if (!table)
            continue;
        for (const SettingsKey &key : *table) {
            if (!SettingsChanges::isEditable(key))
                continue;
            Entry e;
            e.page = p;
            e.key = &key;
            e.section = m_pages[p].section;
            e.path = key.path();
            e.pathFolded = (key.path() + QLatin1Char(' ') + m_pages[p].section).toCaseFolded();
            m_entries.push_back(e);
        }
    }
}

QString SettingsSearch::pageTitle(const Page &p) const
{
    if (!p.titleKey.isEmpty())
        return QCoreApplication::translate(p.context.constData(), p.titleKey.constData());
    return p.title;
}

QList<SettingsSearch::Hit> SettingsSearch::find(const QString &text, int limit) const
{
    QList<Hit> hits;
    const QStringList words = wordsOf(text);
    bool anyLetter = false;
    for (const QChar c : text)
        anyLetter = anyLetter || c.isLetterOrNumber();
    if (words.isEmpty() || !anyLetter || limit <= 0)
        return hits;

    // Page titles once per search: a word may name the page.
    std::vector<QString> titles;
    std::vector<QString> titlesFolded;
    titles.reserve(size_t(m_pages.size()));
    for (const Page &p : m_pages) {
        titles.push_back(pageTitle(p));
        titlesFolded.push_back(titles.back().toCaseFolded());
    }

    for (const Entry &e : m_entries) {
        const char *context = m_pages[e.page].context.constData();
        QString label = e.key->label(context);
        const QString caption = m_captions ? m_captions(e.section, e.path) : QString();
        if (!caption.isEmpty() && caption != label)
            label = label == e.key->name() ? caption : label + QStringLiteral(" · ") + caption;
        const QString labelFolded = label.toCaseFolded();

        int rank = -1;
        if (containsAll(labelFolded, words))
            rank = labelFolded.startsWith(words.first()) ? LabelStart : Label;
        else if (containsAll(e.pathFolded, words))
            rank = KeyName;

        QString shown;
        const QString stored = m_model->text(e.section, e.path);
        if (rank < 0) {
            shown = SettingsChanges::shownText(*e.key, stored, context);
            const QString values = (stored + QLatin1Char(' ') + shown).toCaseFolded();
            if (containsAll(values, words))
                rank = Value;
            else if (containsAll(labelFolded + QLatin1Char(' ') + titlesFolded[size_t(e.page)] + QLatin1Char(' ')
                                     + e.pathFolded + QLatin1Char(' ') + values,
                                 words))
                rank = PageTitle; // the words spread over the page, the label and the value
        }
        if (rank < 0)
            continue;
        if (shown.isNull())
            shown = SettingsChanges::shownText(*e.key, stored, context);
        Hit h;
        h.position = m_pages[e.page].position;
        h.section = e.section;
        h.path = e.path;
        h.pageTitle = titles[size_t(e.page)];
        h.label = label;
        h.value = shown;
        h.rank = rank;
        hits.append(h);
    }
    std::stable_sort(hits.begin(), hits.end(), [](const Hit &a, const Hit &b) { return a.rank < b.rank; });
    if (hits.size() > limit)
        hits.resize(limit);
    return hits;
}
