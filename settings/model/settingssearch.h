#ifndef SETTINGSSEARCH_H
#define SETTINGSSEARCH_H

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <vector>

class SettingsKey;
class SettingsModel;

// Finds settings across every page of the editor by what a user would type:
// part of a label (in the language shown: labels, page titles and choice
// texts are looked up with tr() at each search, so a change of language
// needs nothing), of a key's name or path, or of a value (as stored, as
// shown, or the text of the chosen item). Words typed apart must all be
// found, in any order; letter case does not count.
//
// The pages and their sections come from the editor's page table; the keys
// from the model's catalogue. A page whose widgets carry captions the
// catalogue does not (a designed page's labels) gives them through
// setCaptions().
class SettingsSearch
{
public:
    struct Page
    {
        int position = 0;
        QString section;
        QByteArray context;  // the page class: context of its texts
        QByteArray titleKey; // the tab title's text key; or
        QString title;       // a title that is no key
    };

    struct Hit
    {
        int position = 0; // of the page
        QString section;
        QString path;
        QString pageTitle;
        QString label;
        QString value; // as shown
        int rank = 0;  // lower is better
    };

    // The caption a page shows for a key beside the catalogue's label, or empty.
    using Captions = std::function<QString(const QString &section, const QString &path)>;

    SettingsSearch(const QList<Page> &pages, const SettingsModel *model);

    void setCaptions(Captions captions) { m_captions = std::move(captions); }

    // The hits, best first (label before key name before value; in page and
    // catalogue order within a rank), at most `limit`. Nothing for a text
    // without a letter or a digit.
    QList<Hit> find(const QString &text, int limit = 200) const;
    // How many keys are searched.
    int size() const { return int(m_entries.size()); }

private:
    struct Entry
    {
        int page;
        const SettingsKey *key;
        QString section;
        QString path; // the key's path and name, case-folded for matching
        QString pathFolded;
    };

    QString pageTitle(const Page &p) const;

    QList<Page> m_pages;
    const SettingsModel *m_model;
    std::vector<Entry> m_entries;
    Captions m_captions;
};

#endif // SETTINGSSEARCH_H
