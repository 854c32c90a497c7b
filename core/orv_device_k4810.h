#ifndef ORV_DEVICE_K4810_H
#define ORV_DEVICE_K4810_H

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>

#include <array>
#include <cstdint>

class orv_FormTmi_K4810;
class orv_FormXml_K4810;
class orv_FormTmiViewPage;
class orv_FormTmiViewTable;
class ORV_FormFuelView;

// The host's callback: the plug-in asks the host for work through it.
using HostCallback = int32_t (*)(uint32_t target, uint32_t msgId, intptr_t p1, intptr_t p2);

// The one object behind the exported functions. It keeps what the host
// reports about the attached tracker, the host callback and the working
// directories, owns the plug-in's top-level windows (created on first use,
// deleted with the device) and routes every host message to its receiver.
class ORV_Device_K4810 : public QObject
{
    Q_OBJECT

public:
    static constexpr int32_t interfaceLevel = 9;

    ORV_Device_K4810(const QString &modelName, int32_t versionMajor, int32_t versionMinor,
                     int32_t infoWord3, int32_t infoWord4, QObject *parent = nullptr);
    ~ORV_Device_K4810() override;

    // The process-wide current device, set by Initialize; null before it.
    static ORV_Device_K4810 *current();
    static void setCurrent(ORV_Device_K4810 *device);
    // Sends through the current device; 0 and nothing sent when there is none.
    static int32_t sendCurrent(uint32_t msgId, intptr_t p1 = 0, intptr_t p2 = 0);

    // The value the host passes as `target`: the object's address, its low
    // 32 bits on a 64-bit build. Only ever compared.
    uint32_t handle() const { return m_handle; }
    const QByteArray &libraryInfo() const { return m_libraryInfo; }

    void initialize(HostCallback callback);
    HostCallback callback() const { return m_callback; }

    // Calls the host callback with the four values; 0 when no callback is stored.
    int32_t send(uint32_t target, uint32_t msgId, intptr_t p1, intptr_t p2);
    // Same, with this device's handle as target.
    int32_t send(uint32_t msgId, intptr_t p1 = 0, intptr_t p2 = 0) { return send(m_handle, msgId, p1, p2); }

    // The dispatcher.
    void receive(uint32_t target, uint32_t msgId, intptr_t p1, intptr_t p2);

    // Windows, created on first use.
    orv_FormTmi_K4810 *ensureTmiWindow();
    orv_FormXml_K4810 *ensureSettingsWindow();
    orv_FormTmiViewPage *ensureViewPageWindow();
    orv_FormTmiViewTable *ensureViewTableWindow();
    ORV_FormFuelView *ensureFuelViewWindow();
    orv_FormTmi_K4810 *tmiWindow() const { return m_tmiWindow; }
    orv_FormXml_K4810 *settingsWindow() const { return m_settingsWindow; }
    orv_FormTmiViewPage *viewPageWindow() const { return m_viewPageWindow; }
    orv_FormTmiViewTable *viewTableWindow() const { return m_viewTableWindow; }
    ORV_FormFuelView *fuelViewWindow() const { return m_fuelViewWindow; }
    void showSettingsWindow(int mode);

    // State read by the windows.
    QString modelName() const { return m_modelName; }
    QString deviceId() const { return m_deviceId; }
    QString firmwareVersion() const { return m_firmwareVersion; }
    int firmwareMajor() const;
    uint64_t capabilities() const { return m_capabilities; }
    bool hasCapability(uint64_t mask) const { return (m_capabilities & mask) != 0; }
    bool isOnline() const { return m_online; }
    int32_t autoTmiMode() const { return m_autoTmiMode; }
    int32_t tmiRouting() const { return m_tmiRouting; }
    void setTmiRouting(int32_t value) { m_tmiRouting = value; }
    QString path(int index) const;
    QString dataDir() const;
    QString settingsDir() const;

    // Clock conversions between tracker time and local time.
    QString deviceToLocal(QDateTime &dateTime, int hours, bool dst) const;
    QString localToDevice(QDateTime &dateTime, int hours, bool dst) const;

    // The leading decimal digits of a firmware version text ("12.5" -> 12, "" -> 0).
    static int leadingNumber(const QString &text);

signals:
    // Emitted after the dispatcher handed a message to one of its windows.
    void routed(uint32_t msgId, QObject *receiver);

private:
    void receiveChecked(uint32_t msgId, intptr_t p1, intptr_t p2);
    void trackerAttached(const QString &model, const QString &id);
    void trackerDetached();
    void closeTelemetryForConnectionChange();
    void deleteWindows();

    static bool isBuffer(intptr_t p1, intptr_t p2) { return p1 != 0 && p2 > 0; }

    std::array<QString, 4> m_paths;
    QByteArray m_libraryInfo;
    HostCallback m_callback = nullptr;
    QString m_modelName;
    QString m_deviceId;
    QString m_firmwareVersion;
    int32_t m_tmiRouting = 0;
    uint64_t m_capabilities = 0;
    orv_FormTmi_K4810 *m_tmiWindow = nullptr;
    orv_FormXml_K4810 *m_settingsWindow = nullptr;
    orv_FormTmiViewPage *m_viewPageWindow = nullptr;
    orv_FormTmiViewTable *m_viewTableWindow = nullptr;
    ORV_FormFuelView *m_fuelViewWindow = nullptr;
    bool m_online = false;
    int32_t m_autoTmiMode = 0;
    uint32_t m_handle = 0;
};

#endif // ORV_DEVICE_K4810_H
