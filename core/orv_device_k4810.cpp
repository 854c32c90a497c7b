#include "core/orv_device_k4810.h"

#include "core/deviceclock.h"
#include "core/libraryinfo.h"
#include "core/orvmessages.h"
#include "fuel/orv_formfuelview.h"
#include "settings/editor/orv_formxml_k4810.h"
#include "telemetry/orv_formtmi_k4810.h"
#include "telemetry/orv_formtmiviewpage.h"
#include "telemetry/orv_formtmiviewtable.h"

#include <QCoreApplication>
#include <QtEndian>

#include <cstring>

namespace {

ORV_Device_K4810 *g_currentDevice = nullptr;

// Parameters that the host passes by address. The data belong to the host
// and are valid only for the call.
const QString *textAt(intptr_t p)
{
    return reinterpret_cast<const QString *>(p);
}

uint64_t u64At(intptr_t p)
{
    unsigned char b[8];
    std::memcpy(b, reinterpret_cast<const void *>(p), sizeof b);
    uint64_t value = 0;
    for (int i = 7; i >= 0; --i)
        value = (value << 8) | b[i];
    return value;
}

int32_t i32At(intptr_t p)
{
    int32_t value;
    std::memcpy(&value, reinterpret_cast<const void *>(p), sizeof value);
    return value;
}

void writeI32(intptr_t p, int32_t value)
{
    std::memcpy(reinterpret_cast<void *>(p), &value, sizeof value);
}

const uchar *bytesAt(intptr_t p)
{
    return reinterpret_cast<const uchar *>(p);
}

// The telemetry record buffer of the validity question.
constexpr int kRecordBufferBytes = 1024;
constexpr int kRecordBufferCountOffset = 1024;
constexpr int kRecordBufferResultOffset = 1028;

} // namespace

ORV_Device_K4810::ORV_Device_K4810(const QString &modelName, int32_t versionMajor, int32_t versionMinor,
                                   int32_t infoWord3, int32_t infoWord4, QObject *parent)
    : QObject(parent)
    , m_modelName(modelName)
    , m_handle(uint32_t(reinterpret_cast<uintptr_t>(this)))
{
    LibraryInfo::Fields info;
    info.handle = m_handle;
    info.modelName = modelName;
    info.displayName = QStringLiteral("Orbit K-4810");
    info.versionMajor = versionMajor;
    info.versionMinor = versionMinor;
    info.infoWord3 = infoWord3;
    info.infoWord4 = infoWord4;
    info.interfaceLevel = interfaceLevel;
    m_libraryInfo = LibraryInfo::pack(info);
}

ORV_Device_K4810::~ORV_Device_K4810()
{
    if (g_currentDevice == this)
        g_currentDevice = nullptr;
    // Widgets can only be deleted while the application object exists; a
    // host that unloads the plug-in after destroying it leaves them to the
    // process's end.
    if (QCoreApplication::instance())
        deleteWindows();
}

void ORV_Device_K4810::deleteWindows()
{
    delete m_tmiWindow;
    m_tmiWindow = nullptr;
    delete m_settingsWindow;
    m_settingsWindow = nullptr;
    delete m_viewPageWindow;
    m_viewPageWindow = nullptr;
    delete m_viewTableWindow;
    m_viewTableWindow = nullptr;
    delete m_fuelViewWindow;
    m_fuelViewWindow = nullptr;
}

ORV_Device_K4810 *ORV_Device_K4810::current()
{
    return g_currentDevice;
}

void ORV_Device_K4810::setCurrent(ORV_Device_K4810 *device)
{
    g_currentDevice = device;
}

int32_t ORV_Device_K4810::sendCurrent(uint32_t msgId, intptr_t p1, intptr_t p2)
{
    ORV_Device_K4810 *device = current();
    return device ? device->send(msgId, p1, p2) : 0;
}

void ORV_Device_K4810::initialize(HostCallback callback)
{
    m_callback = callback;
    setCurrent(this);
}

int32_t ORV_Device_K4810::send(uint32_t target, uint32_t msgId, intptr_t p1, intptr_t p2)
{
    return m_callback ? m_callback(target, msgId, p1, p2) : 0;
}

QString ORV_Device_K4810::path(int index) const
{
    return index >= 0 && index < int(m_paths.size()) ? m_paths[size_t(index)] : QString();
}

QString ORV_Device_K4810::dataDir() const
{
    return m_paths[0].isEmpty() ? QStringLiteral("../") : m_paths[0];
}

QString ORV_Device_K4810::settingsDir() const
{
    return m_paths[1].isEmpty() ? QStringLiteral("../") : m_paths[1];
}

int ORV_Device_K4810::leadingNumber(const QString &text)
{
    int value = 0;
    for (const QChar ch : text) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            break;
        if (value > 99999999) // more digits than any version has
            break;
        value = value * 10 + (ch.unicode() - '0');
    }
    return value;
}

int ORV_Device_K4810::firmwareMajor() const
{
    return leadingNumber(m_firmwareVersion);
}

QString ORV_Device_K4810::deviceToLocal(QDateTime &dateTime, int hours, bool dst) const
{
    return DeviceClock::deviceToLocal(dateTime, hours, dst);
}

QString ORV_Device_K4810::localToDevice(QDateTime &dateTime, int hours, bool dst) const
{
    return DeviceClock::localToDevice(dateTime, hours, dst);
}

orv_FormTmi_K4810 *ORV_Device_K4810::ensureTmiWindow()
{
    if (!m_tmiWindow)
        m_tmiWindow = new orv_FormTmi_K4810(this);
    return m_tmiWindow;
}

orv_FormXml_K4810 *ORV_Device_K4810::ensureSettingsWindow()
{
    if (!m_settingsWindow) {
        m_settingsWindow = new orv_FormXml_K4810(this);
        m_settingsWindow->setOnline(m_online);
    }
    return m_settingsWindow;
}

orv_FormTmiViewPage *ORV_Device_K4810::ensureViewPageWindow()
{
    if (!m_viewPageWindow)
        m_viewPageWindow = new orv_FormTmiViewPage(this);
    return m_viewPageWindow;
}

orv_FormTmiViewTable *ORV_Device_K4810::ensureViewTableWindow()
{
    if (!m_viewTableWindow)
        m_viewTableWindow = new orv_FormTmiViewTable(this);
    return m_viewTableWindow;
}

ORV_FormFuelView *ORV_Device_K4810::ensureFuelViewWindow()
{
    if (!m_fuelViewWindow)
        m_fuelViewWindow = new ORV_FormFuelView(this);
    return m_fuelViewWindow;
}

void ORV_Device_K4810::showSettingsWindow(int mode)
{
    orv_FormXml_K4810 *editor = ensureSettingsWindow();
    // Changes the user keeps (cancelled the question) stay on screen.
    if (editor->confirmDiscardChanges())
        editor->resetAll();
    editor->showSettingsWindow(mode);
}

void ORV_Device_K4810::trackerAttached(const QString &model, const QString &id)
{
    if (model == m_modelName) {
        m_deviceId = id;
        m_online = true;
    } else {
        m_deviceId.clear();
        m_capabilities = 0;
        m_online = false;
    }
    if (m_settingsWindow)
        m_settingsWindow->setOnline(m_online);
    closeTelemetryForConnectionChange();
}

void ORV_Device_K4810::trackerDetached()
{
    m_deviceId.clear();
    m_capabilities = 0;
    m_firmwareVersion.clear();
    m_online = false;
    if (m_settingsWindow)
        m_settingsWindow->setOnline(false);
    closeTelemetryForConnectionChange();
}

void ORV_Device_K4810::closeTelemetryForConnectionChange()
{
    if (m_tmiWindow)
        m_tmiWindow->closeForConnectionChange();
}

void ORV_Device_K4810::receive(uint32_t target, uint32_t msgId, intptr_t p1, intptr_t p2)
{
    if (target != m_handle)
        return;
    if (msgId < OrvMsg::FirstHandled || msgId > OrvMsg::LastHandled)
        return;
    // The first window that needs the application object must find one.
    if (!QCoreApplication::instance())
        return;
    receiveChecked(msgId, p1, p2);
}

void ORV_Device_K4810::receiveChecked(uint32_t msgId, intptr_t p1, intptr_t p2)
{
    using namespace OrvMsg;

    // Messages for the telemetry window that only act while it is shown.
    auto shownTmi = [this]() -> orv_FormTmi_K4810 * {
        orv_FormTmi_K4810 *w = ensureTmiWindow();
        return w->isVisible() ? w : nullptr;
    };
    auto toEditor = [&](orv_FormXml_K4810 *editor) {
        editor->receiveAnswer(msgId, p1, p2);
        emit routed(msgId, editor);
    };

    switch (msgId) {
    // Windows opened by the host.
    case OpenTelemetry:
        if (p1) {
            orv_FormTmi_K4810 *w = ensureTmiWindow();
            w->openWithSettings(*textAt(p1), p2 != 0);
            emit routed(msgId, w);
        }
        break;
    case OpenSettings:
        showSettingsWindow(int(p1));
        emit routed(msgId, m_settingsWindow);
        break;
    case OpenSettingsFile:
        if (p1 && p2) {
            const QString file = *textAt(p1);
            const int32_t titleMode = i32At(p2);
            const int32_t viewMode = i32At(p2 + intptr_t(sizeof(int32_t)));
            orv_FormXml_K4810 *editor = ensureSettingsWindow();
            // Unsaved changes are saved, discarded, or kept (cancel: the
            // file is not opened). A file that cannot be read leaves the
            // editor as it was.
            if (!editor->confirmDiscardChanges()) {
                editor->show();
                editor->raise();
                emit routed(msgId, editor);
                break;
            }
            editor->openSettingsFile(file, titleMode);
            editor->showMode(viewMode);
            emit routed(msgId, editor);
        }
        break;
    case OpenLogViewer:
    case OpenLogViewerAlt:
        if (p1 == 0) {
            ensureViewPageWindow()->show();
            emit routed(msgId, m_viewPageWindow);
        } else {
            ensureViewTableWindow()->show();
            emit routed(msgId, m_viewTableWindow);
        }
        break;
    case OpenLogFile:
        if (p1) {
            const QString file = *textAt(p1);
            if (p2 == 0) {
                ensureViewPageWindow()->loadFile(file);
                emit routed(msgId, m_viewPageWindow);
            } else {
                ensureViewTableWindow()->loadFile(file);
                emit routed(msgId, m_viewTableWindow);
            }
        }
        break;
    case OpenFuelFile:
        if (p1) {
            const QString file = *textAt(p1);
            ensureFuelViewWindow()->openFile(file);
            emit routed(msgId, m_fuelViewWindow);
        }
        break;

    // Telemetry window.
    case BalanceAnswer:
        if (p1) {
            if (orv_FormTmi_K4810 *w = shownTmi()) {
                w->onBalanceAnswer(*textAt(p1));
                emit routed(msgId, w);
            }
        }
        break;
    case BalancePage:
        if (isBuffer(p1, p2)) {
            if (orv_FormTmi_K4810 *w = shownTmi()) {
                w->onBalancePage(bytesAt(p1), int(p2));
                emit routed(msgId, w);
            }
        }
        break;
    case TelemetryPage:
        if (isBuffer(p1, p2)) {
            if (orv_FormTmi_K4810 *w = shownTmi()) {
                w->onPage(bytesAt(p1), int(p2));
                emit routed(msgId, w);
            }
        }
        break;
    case ClearBufferAnswer:
        if (isBuffer(p1, p2)) {
            if (orv_FormTmi_K4810 *w = shownTmi()) {
                w->onClearAnswer(bytesAt(p1), int(p2));
                emit routed(msgId, w);
            }
        }
        break;
    case ValidityQuery:
        if (p1) {
            auto *buffer = reinterpret_cast<unsigned char *>(p1);
            uint32_t count;
            std::memcpy(&count, buffer + kRecordBufferCountOffset, sizeof count);
            count = qFromLittleEndian(count);
            const int valid = int(qMin<uint32_t>(count, kRecordBufferBytes));
            buffer[kRecordBufferResultOffset] = orv_FormTmi_K4810::isRecordValid(buffer, valid) ? 1 : 0;
        }
        break;
    case FuelSensorAnswer:
        // Goes to the fuel-sensor window, which only the telemetry window holds.
        if (isBuffer(p1, p2) && m_tmiWindow) {
            m_tmiWindow->onFuelSensorAnswer(bytesAt(p1), int(p2));
            emit routed(msgId, m_tmiWindow);
        }
        break;
    case TachoReadAnswer:
    case TachoWriteAnswer:
    case TachoAnswer:
        // Goes to the tachograph window, which only the telemetry window holds.
        if (m_tmiWindow) {
            m_tmiWindow->onTachoAnswer(msgId, p1, p2);
            emit routed(msgId, m_tmiWindow);
        }
        break;
    case RfidCode:
        if (p1 && m_tmiWindow) {
            m_tmiWindow->onRfid(u64At(p1), p2);
            emit routed(msgId, m_tmiWindow);
        }
        break;

    // Touch-memory key or one-wire sensor code: to whichever window asked.
    case TouchMemoryCode:
        if (p1) {
            const uint64_t code = u64At(p1);
            if (m_tmiRouting == 0) {
                orv_FormXml_K4810 *editor = ensureSettingsWindow();
                editor->onTouchMemoryCode(code);
                emit routed(msgId, editor);
            } else {
                orv_FormTmi_K4810 *w = ensureTmiWindow();
                w->onTouchMemoryCode(code);
                emit routed(msgId, w);
            }
        }
        break;

    // Settings editor.
    case SettingsBlockAck: {
        orv_FormXml_K4810 *editor = ensureSettingsWindow();
        editor->onWriteAck(int(p1));
        emit routed(msgId, editor);
        break;
    }
    case StateAnswer:
    case AccelAnswer:
    case FuelLevelAnswer:
    case SystemAnswer:
    case CanAnswer:
    case AccelStateAnswer:
    case AccelOptionAnswer:
    case TouchMemoryReadAnswer:
        if (isBuffer(p1, p2))
            toEditor(ensureSettingsWindow());
        break;
    case DeadZoneReadAnswer:
    case DeadZoneAnswer:
    case DeadZoneValueAnswer:
    case AccelCalibrationAnswer:
    case BluetoothAnswer:
        toEditor(ensureSettingsWindow());
        break;
    case TouchMemorySaveAnswer:
    case TouchMemoryLoadAnswer:
    case TouchMemoryAnswer:
        if (m_settingsWindow)
            toEditor(m_settingsWindow);
        break;

    // Connection state.
    case TrackerAttached:
        if (p1 && p2)
            trackerAttached(*textAt(p1), *textAt(p2));
        break;
    case TrackerDetached:
        trackerDetached();
        break;
    case Capabilities:
        if (p1)
            m_capabilities = u64At(p1);
        break;
    case FirmwareVersion:
        if (p1)
            m_firmwareVersion = *textAt(p1);
        break;
    case AutoTelemetryMode:
        if (p1)
            m_autoTmiMode = i32At(p1);
        break;
    case WorkingPaths:
        if (p1) {
            const QString *texts = textAt(p1);
            for (size_t i = 0; i < m_paths.size(); ++i)
                m_paths[i] = texts[i];
        }
        break;

    // Queries answered in place.
    case InterfaceLevelQuery:
        if (p1)
            writeI32(p1, interfaceLevel);
        break;
    case Query196:
        if (p1)
            writeI32(p1, 196);
        break;
    case QueryZero:
        if (p1)
            writeI32(p1, 0);
        break;
    case QueryTrue:
        if (p1)
            *reinterpret_cast<bool *>(p1) = true;
        break;
    case Query011:
        if (p1)
            *reinterpret_cast<QString *>(p1) = QStringLiteral("011");
        break;

    default:
        break;
    }
}
