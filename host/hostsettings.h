#ifndef HOSTSETTINGS_H
#define HOSTSETTINGS_H

#include <QByteArray>
#include <QSettings>
#include <QString>

#include <memory>

// The host's own preferences, kept with QSettings. Values read back are
// checked, so a hand-edited file cannot hand the plug-in a mode it does
// not know.
class HostSettings
{
public:
    // The application's QSettings (organisation and application name).
    HostSettings();
    // A given file (tests, portable setups).
    explicit HostSettings(const QString &iniFile);

    // 0 = off, 1, 2 or 3: sent with 2133, and applied by 2019 when not off.
    int autoTelemetryMode() const;
    void setAutoTelemetryMode(int mode);

    // Folder help requests are resolved under; empty = working directory.
    QString helpRoot() const;
    void setHelpRoot(const QString &folder);

    QString lastSettingsFile() const;
    void setLastSettingsFile(const QString &path);
    QString lastTelemetryFile() const;
    void setLastTelemetryFile(const QString &path);
    QString lastCalibrationFile() const;
    void setLastCalibrationFile(const QString &path);

    // false = answers queued (default), true = inside the plug-in's send.
    bool answerInsideSend() const;
    void setAnswerInsideSend(bool inside);
    int answerDelay() const; // ms, 0..5000
    void setAnswerDelay(int milliseconds);
    bool attachAtStart() const; // default true
    void setAttachAtStart(bool attach);

    // The interface's language ("en", "ru"); empty until the user chooses
    // one, when the host starts in the system's language.
    QString language() const;
    void setLanguage(const QString &language);

    QByteArray windowGeometry() const;
    void setWindowGeometry(const QByteArray &geometry);
    QByteArray windowState() const;
    void setWindowState(const QByteArray &state);

    void sync() { m_settings->sync(); }

private:
    std::unique_ptr<QSettings> m_settings;
};

#endif // HOSTSETTINGS_H
