#ifndef ORV_SETTINGSPAGE_H
#define ORV_SETTINGSPAGE_H

#include "settings/editor/trackeranswers.h"

#include <QWidget>

#include <cstdint>

class orv_FormXml_K4810;
class SettingsSection;

// One page of the settings editor. A page owns one section of the settings
// tree: it reads its widgets from the section on load, writes them back on
// save and returns to the defaults on reset. The editor routes tracker
// answers to the page that is the current tab through the answer hooks.
class ORV_SettingsPage : public QWidget
{
    Q_OBJECT

public:
    explicit ORV_SettingsPage(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);
    ~ORV_SettingsPage() override;

    orv_FormXml_K4810 *editor() const { return m_editor; }

    virtual QString title() const = 0;
    void setTabIndex(int index) { m_tabIndex = index; }
    int tabIndex() const { return m_tabIndex; }

    virtual void reset() {}
    virtual void load(SettingsSection &root) { Q_UNUSED(root); }
    virtual void save(SettingsSection &root) { Q_UNUSED(root); }
    virtual void setOnline(bool online) { m_online = online; }
    bool isOnline() const { return m_online; }

    // Answer hooks (the editor checks lengths before calling them).
    virtual void onOneWireCode(quint64 code) { Q_UNUSED(code); }
    virtual void showLiveValues(const TrackerAnswers::StateRecord &record) { Q_UNUSED(record); }
    virtual void showFuelLevels(const TrackerAnswers::FuelLevels &levels) { Q_UNUSED(levels); }
    virtual void onAccelerometerCycle(const TrackerAnswers::AccelCycle &answer) { Q_UNUSED(answer); }
    virtual void onSystemValue(const QByteArray &value) { Q_UNUSED(value); }
    virtual void onCanValue(char value) { Q_UNUSED(value); }
    virtual void onTouchMemoryRead(const TrackerAnswers::TouchMemoryRead &answer) { Q_UNUSED(answer); }
    // Answers whose layout belongs to the page alone (accelerometer,
    // touch-memory file exchange, Bluetooth): the host's parameters as they came.
    virtual void onAnswer(uint32_t msgId, intptr_t p1, intptr_t p2)
    {
        Q_UNUSED(msgId);
        Q_UNUSED(p1);
        Q_UNUSED(p2);
    }
    // Live polling has ended.
    virtual void stopLive() {}

private:
    orv_FormXml_K4810 *m_editor;
    int m_tabIndex = -1;
    bool m_online = false;
};

#endif // ORV_SETTINGSPAGE_H
