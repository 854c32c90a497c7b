#ifndef ORV_SETTINGSPAGE_H
#define ORV_SETTINGSPAGE_H

#include "settings/editor/trackeranswers.h"

#include <QList>
#include <QStringList>
#include <QWidget>

#include <cstdint>

class orv_FormXml_K4810;
class SettingsBinder;
class SettingsModel;
struct SettingsPageInfo;

// One page of the settings editor. Its values live in the editor's
// SettingsModel; its widgets are bound to keys (SettingsBinder, by the
// dynamic property settingsPath set in Designer), so a page holds no load,
// save or reset code. A designed page is a subclass with its .ui:
//
//     ORV_FormTrack::ORV_FormTrack(orv_FormXml_K4810 *editor)
//         : ORV_SettingsPage(editor), ui(new Ui::ORV_FormTrack)
//     {
//         ui->setupUi(this);
//         // user-action rules: connect the widgets' signals to slot_... here
//     }
//
// The editor then calls setup() with the page's row of the page table: the
// widgets are bound and loaded. Rules that follow the user's actions are
// slots connected to widget signals: they run only when the user acts,
// never when values are loaded (loading blocks the widgets' signals).
// What the values decide on screen beyond the bound widgets (a preset
// radio, a panel shown) is derived in afterLoad(), which must not write
// the model.
//
// Requests to the tracker go through the editor's shared service: request()
// for one request and its answers, startPolling()/stopPolling() for live
// values. An answer reaches the page through the hooks below only while the
// page waits for it.
class ORV_SettingsPage : public QWidget
{
    Q_OBJECT

public:
    explicit ORV_SettingsPage(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);
    ~ORV_SettingsPage() override;

    orv_FormXml_K4810 *editor() const { return m_editor; }
    // The editor's model (null for a page without an editor).
    SettingsModel *model() const;
    // The binder of the page's widgets (after setup()).
    SettingsBinder *binder() const { return m_binder; }
    // The page's row, and its section ("" for none).
    const SettingsPageInfo *info() const { return m_info; }
    QString section() const;

    // Binds every widget with a settingsPath to the model and loads them.
    void setup(const SettingsPageInfo &info);
    // Shows the model again (signals blocked), then runs afterLoad().
    void refresh();

    // The tab title: the row's title key in the page's context.
    virtual QString title() const;
    void setTabIndex(int index) { m_tabIndex = index; }
    int tabIndex() const { return m_tabIndex; }

    virtual void setOnline(bool online);
    bool isOnline() const { return m_online; }
    // A tracker was attached or detached (after setOnline): an exchange
    // under way with the tracker that was there ends.
    virtual void onTrackerChanged() {}

    // Requests through the editor (sent only online): the answers listed
    // reach this page until the first of them (stream: until the page stops).
    bool request(uint32_t msgId, intptr_t p1, intptr_t p2, const QList<uint32_t> &answers, bool stream = false);
    // The tracker left a request of the page (msgId) unanswered past the
    // editor's limit; its wait is over. True when the page told the user
    // itself; otherwise the editor says the tracker did not answer.
    virtual bool requestTimedOut(uint32_t msgId)
    {
        Q_UNUSED(msgId);
        return false;
    }
    // Live values with the row's live request; an interval of 0 takes the editor's.
    bool startPolling(int intervalMs = 0);
    void stopPolling();

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
    // The page's polling ended (left, offline, closed): live controls
    // (dynamic property settingsLive) are reset.
    virtual void stopLive();

    // What the user must correct before the values are saved or written,
    // one message each; the editor saves nothing while there is any.
    virtual QStringList inputProblems() const { return {}; }

protected:
    // Once, after the widgets are bound and before their first load: rules
    // of the binder (keepGap) are set here.
    virtual void afterBind() {}
    // After every load of the bound widgets.
    virtual void afterLoad() {}

private:
    orv_FormXml_K4810 *m_editor;
    SettingsBinder *m_binder = nullptr;
    const SettingsPageInfo *m_info = nullptr;
    int m_tabIndex = -1;
    bool m_online = false;
};

#endif // ORV_SETTINGSPAGE_H
