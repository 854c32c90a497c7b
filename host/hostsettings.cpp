#include "host/hostsettings.h"

#include <QRegularExpression>

namespace {
const QString kAutoMode = QStringLiteral("telemetry/autoMode");
const QString kHelpRoot = QStringLiteral("help/root");
const QString kLastSettings = QStringLiteral("files/lastSettings");
const QString kLastTelemetry = QStringLiteral("files/lastTelemetry");
const QString kLastCalibration = QStringLiteral("files/lastCalibration");
const QString kInsideSend = QStringLiteral("tracker/answerInsideSend");
const QString kAnswerDelay = QStringLiteral("tracker/answerDelay");
const QString kAttachAtStart = QStringLiteral("tracker/attachAtStart");
const QString kLanguage = QStringLiteral("interface/language");
const QString kGeometry = QStringLiteral("window/geometry");
const QString kState = QStringLiteral("window/state");
} // namespace

HostSettings::HostSettings()
    : m_settings(std::make_unique<QSettings>())
{
}

HostSettings::HostSettings(const QString &iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

int HostSettings::autoTelemetryMode() const
{
    bool ok = false;
    const int mode = m_settings->value(kAutoMode, 0).toInt(&ok);
    return ok && mode >= 0 && mode <= 3 ? mode : 0;
}

void HostSettings::setAutoTelemetryMode(int mode)
{
    m_settings->setValue(kAutoMode, mode >= 0 && mode <= 3 ? mode : 0);
}

QString HostSettings::helpRoot() const
{
    return m_settings->value(kHelpRoot).toString();
}

void HostSettings::setHelpRoot(const QString &folder)
{
    m_settings->setValue(kHelpRoot, folder);
}

QString HostSettings::lastSettingsFile() const
{
    return m_settings->value(kLastSettings).toString();
}

void HostSettings::setLastSettingsFile(const QString &path)
{
    m_settings->setValue(kLastSettings, path);
}

QString HostSettings::lastTelemetryFile() const
{
    return m_settings->value(kLastTelemetry).toString();
}

void HostSettings::setLastTelemetryFile(const QString &path)
{
    m_settings->setValue(kLastTelemetry, path);
}

QString HostSettings::lastCalibrationFile() const
{
    return m_settings->value(kLastCalibration).toString();
}

void HostSettings::setLastCalibrationFile(const QString &path)
{
    m_settings->setValue(kLastCalibration, path);
}

bool HostSettings::answerInsideSend() const
{
    return m_settings->value(kInsideSend, false).toBool();
}

void HostSettings::setAnswerInsideSend(bool inside)
{
    m_settings->setValue(kInsideSend, inside);
}

int HostSettings::answerDelay() const
{
    return qBound(0, m_settings->value(kAnswerDelay, 0).toInt(), 5000);
}

void HostSettings::setAnswerDelay(int milliseconds)
{
    m_settings->setValue(kAnswerDelay, qBound(0, milliseconds, 5000));
}

bool HostSettings::attachAtStart() const
{
    return m_settings->value(kAttachAtStart, true).toBool();
}

void HostSettings::setAttachAtStart(bool attach)
{
    m_settings->setValue(kAttachAtStart, attach);
}

QByteArray HostSettings::windowGeometry() const
{
    return m_settings->value(kGeometry).toByteArray();
}

void HostSettings::setWindowGeometry(const QByteArray &geometry)
{
    m_settings->setValue(kGeometry, geometry);
}

QByteArray HostSettings::windowState() const
{
    return m_settings->value(kState).toByteArray();
}

void HostSettings::setWindowState(const QByteArray &state)
{
    m_settings->setValue(kState, state);
}

QString HostSettings::language() const
{
    // Two lower-case letters, or nothing: a hand-edited value cannot name a
    // file pattern.
    static const QRegularExpression code(QStringLiteral("^[a-z]{2}$"));
    const QString language = m_settings->value(kLanguage).toString();
    return code.match(language).hasMatch() ? language : QString();
}

void HostSettings::setLanguage(const QString &language)
{
    m_settings->setValue(kLanguage, language);
}
