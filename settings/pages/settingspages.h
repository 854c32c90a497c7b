#ifndef SETTINGSPAGES_H
#define SETTINGSPAGES_H

#include <QList>
#include <QString>

#include <cstdint>

class ORV_SettingsPage;
class orv_FormXml_K4810;

// One row of the editor's page table: a tab of the full page set.
struct SettingsPageInfo
{
    int position = 0;             // orv_FormXml_K4810::PagePosition: tab, load and save order
    const char *className = nullptr; // the page's class: its object name and the context of its texts
    const char *section = nullptr;   // the settings section it shows; null for none
    const char *titleKey = nullptr;  // the tab title's text key, or
    const char *title = nullptr;     // a title that is no text key
    const char *helpPage = nullptr;  // its page in the help folder
    // The designed page (createPage<Class>); null: the generic page, a plain
    // form of the section's keys built from the catalogue.
    ORV_SettingsPage *(*create)(orv_FormXml_K4810 *editor) = nullptr;
    // Live values: the request the page polls with, and its answers.
    uint32_t liveRequest = 0;
    uint32_t liveAnswers[3] = {0, 0, 0};
    bool liveRepeats = false; // polled again after each answer, or asked once

    QString titleText() const;
    QString sectionName() const { return section ? QString::fromLatin1(section) : QString(); }
};

template <class Page>
ORV_SettingsPage *createPage(orv_FormXml_K4810 *editor)
{
    return new Page(editor);
}

// The editor's pages in tab order (see settingspages.cpp).
const QList<SettingsPageInfo> &settingsPages();
// The row of a position, or null.
const SettingsPageInfo *settingsPage(int position);

#endif // SETTINGSPAGES_H
