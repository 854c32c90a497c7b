#ifndef ORV_CATALOGUEPAGE_H
#define ORV_CATALOGUEPAGE_H

#include "settings/model/settingsvalues.h"
#include "settings/pages/orv_settingspage.h"

#include <memory>

class CXmlElement;
struct SettingsTable;

// A settings page that owns one section of the settings tree and loads and
// saves it through the key catalogue. The page keeps the section's values;
// its widgets are bound to keys by path (SettingsBinder) and exchange values
// with them on load, save and reset.
//
// Until a page has a layout of its own it shows a plain form of its keys,
// one field per key, built from the catalogue. A section the catalogue does
// not describe yet is kept as it was read and written back unchanged, so a
// configuration read from the tracker is never thinned by a save.
class ORV_CataloguePage : public ORV_SettingsPage
{
    Q_OBJECT

public:
    ORV_CataloguePage(orv_FormXml_K4810 *editor, const QString &section, QWidget *parent = nullptr);
    ~ORV_CataloguePage() override;

    QString sectionName() const { return m_section; }
    const SettingsTable *table() const { return m_table; }

    void reset() override;
    void load(SettingsSection &root) override;
    void save(SettingsSection &root) override;

    // The page's values, as the widgets hold them.
    SettingsValues values() const;
    void setValues(const SettingsValues &values);
    QString text(const QString &path) const;

protected:
    // Builds the plain form of the section's keys into this page.
    void buildForm();

private:
    QString m_section;
    const SettingsTable *m_table = nullptr;
    SettingsValues m_values;
    std::unique_ptr<CXmlElement> m_kept; // a section without catalogue, as read
};

#endif // ORV_CATALOGUEPAGE_H
