#ifndef ORV_FORMINFO_H
#define ORV_FORMINFO_H

#include "settings/pages/orv_settingspage.h"

#include <memory>

namespace Ui {
class ORV_FormInfoClass;
}
class QTextBrowser;

// First tab of the settings editor: a descriptive document about the
// tracker model. Holds no settings.
class ORV_FormInfo : public ORV_SettingsPage
{
    Q_OBJECT

public:
    // Relative to the host's working directory.
    static constexpr const char *kDocument = "./Localization/Device/K-4810/K-4810.htm";

    explicit ORV_FormInfo(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);
    ~ORV_FormInfo() override;

    QString title() const override;
    QTextBrowser *browser() const;

private:
    std::unique_ptr<Ui::ORV_FormInfoClass> ui;
};

#endif // ORV_FORMINFO_H
