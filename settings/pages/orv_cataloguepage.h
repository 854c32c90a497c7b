#ifndef ORV_CATALOGUEPAGE_H
#define ORV_CATALOGUEPAGE_H

#include "settings/pages/orv_settingspage.h"

class QTreeWidget;
class SettingsTable;

// The generic page: serves every row of the page table that has no
// designed page yet. It builds a plain form of its section's keys from the
// catalogue (label, range, choices, input rule) and binds it like any page;
// a section the catalogue has no table for is kept by the model as it was
// read: the page says so and shows it, read-only.
class ORV_CataloguePage : public ORV_SettingsPage
{
    Q_OBJECT

public:
    explicit ORV_CataloguePage(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);
    ~ORV_CataloguePage() override;

    // Builds the form of the row's section, then binds and loads it.
    void build(const SettingsPageInfo &info);

protected:
    void afterLoad() override;

private:
    QTreeWidget *m_kept = nullptr;
};

#endif // ORV_CATALOGUEPAGE_H
