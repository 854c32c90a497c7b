#ifndef ORV_FORMXML_LIGHT_H
#define ORV_FORMXML_LIGHT_H

#include <QWidget>

#include <memory>

namespace Ui {
class ORV_FormXml_Light;
}
class QAbstractButton;
class SettingsSection;

// The one-screen configuration form shown instead of the tabbed pages in the
// light view. It owns no section: it reads and writes keys of the sections
// the full pages wrote.
class ORV_FormXml_Light : public QWidget
{
    Q_OBJECT

public:
    explicit ORV_FormXml_Light(QWidget *parent = nullptr);
    ~ORV_FormXml_Light() override;

    void reset();
    void load(SettingsSection &root);
    void save(SettingsSection &root);
    void setOnline(bool online);

    QAbstractButton *saveToFileButton() const;
    QAbstractButton *loadToDeviceButton() const;
    QAbstractButton *closeButton() const;
    QAbstractButton *helpButton() const;
    QAbstractButton *configFullButton() const;

private:
    std::unique_ptr<Ui::ORV_FormXml_Light> ui;
};

#endif // ORV_FORMXML_LIGHT_H
