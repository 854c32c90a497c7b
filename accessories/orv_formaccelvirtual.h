#ifndef ORV_FORMACCELVIRTUAL_H
#define ORV_FORMACCELVIRTUAL_H

#include <QPointer>
#include <QWidget>

#include <memory>

namespace Ui {
class ORV_FormAccelVirtual;
}
class SettingsModel;

// The accelerometer's virtual sensors: the light and strong shock, the
// relocation and the inclination levels (SENSORS/sh1 .. sh4, bound by the
// accelerometer page's binder) and the wake-up by movement.
//
// The wake-up is one key, SENSORS/wakeup: 0 is off (the slider then shows
// 10, the sensitivity the tracker starts from when it is switched on); any
// other value is on, at that sensitivity. The two buttons and the slider
// follow it after every load and write it when the user changes them.
class ORV_FormAccelVirtual : public QWidget
{
    Q_OBJECT

public:
    static constexpr const char *WakeupPath = "SENSORS/wakeup";
    static constexpr int WakeupOffShows = 10;

    explicit ORV_FormAccelVirtual(QWidget *parent = nullptr);
    ~ORV_FormAccelVirtual() override;

    // The values the page's widgets stand for.
    void setModel(SettingsModel *model, const QString &section);
    // After a load of the page: the wake-up controls show the model.
    void afterLoad();

public slots:
    void slot_toggled_radioButton_WakeupOn(bool bChecked);
    void slot_valueChanged_horizontalSlider_Wakeup(int nValue);

private:
    std::unique_ptr<Ui::ORV_FormAccelVirtual> ui;
    QPointer<SettingsModel> m_model;
    QString m_section;
};

#endif // ORV_FORMACCELVIRTUAL_H
