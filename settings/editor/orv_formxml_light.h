#ifndef ORV_FORMXML_LIGHT_H
#define ORV_FORMXML_LIGHT_H

#include <QWidget>

#include <memory>

namespace Ui {
class ORV_FormXml_Light;
}
class QAbstractButton;
class SettingsBinder;
class SettingsModel;

// The one-screen configuration form shown instead of the tabbed pages in the
// light view. It owns no section: its widgets are bound to keys of the
// sections the full pages show (TRANSFER by default; a widget names another
// with the dynamic property settingsSection), in the editor's one model.
class ORV_FormXml_Light : public QWidget
{
    Q_OBJECT

public:
    explicit ORV_FormXml_Light(QWidget *parent = nullptr);
    ~ORV_FormXml_Light() override;

    // Binds the form's widgets to the model and shows its values.
    void setModel(SettingsModel *model);
    SettingsBinder *binder() const { return m_binder; }
    // Shows the model again: the light form takes over from the full pages.
    void refresh();
    void setOnline(bool online);

    QAbstractButton *saveToFileButton() const;
    QAbstractButton *loadToDeviceButton() const;
    QAbstractButton *closeButton() const;
    QAbstractButton *helpButton() const;
    QAbstractButton *configFullButton() const;

private:
    std::unique_ptr<Ui::ORV_FormXml_Light> ui;
    SettingsBinder *m_binder = nullptr;
};

#endif // ORV_FORMXML_LIGHT_H
