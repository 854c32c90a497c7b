#ifndef HOSTMAINWINDOW_H
#define HOSTMAINWINDOW_H

#include "host/helpresolver.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <memory>

namespace Ui {
class HostMainWindow;
}

class HelpWindow;
class HostSettings;
class MessageLogFilter;
class MessageLogModel;
class HostTranslator;
class MonitorServer;
class QActionGroup;
class QMenu;
class QLabel;
class PluginHost;
class SimulatedTracker;

// The stand-in host's window: menus that open the plug-in's windows, the
// simulated tracker's controls and the message log.
class HostMainWindow : public QMainWindow
{
    Q_OBJECT
public:
    HostMainWindow(PluginHost &host, SimulatedTracker &tracker, HostSettings &settings, MessageLogModel &log,
                   const QStringList &workingPaths, QWidget *parent = nullptr);
    ~HostMainWindow() override;

    // Overrides the help folder for this session (--help-root).
    void setHelpRoot(const QString &folder);
    // Starts the local monitoring server on 127.0.0.1:port (--monitor-server,
    // or the Tracker menu); false with monitorServerError() when it cannot listen.
    bool startMonitorServer(quint16 port);
    void stopMonitorServer();
    QString monitorServerError() const;
    MonitorServer &monitorServer() { return *m_monitorServer; }

    // The language menu (Options ▸ Language): the languages there are
    // catalogues for, the one the host started in, and the translator of
    // the host's own texts, which a choice reloads at once. The plug-in's
    // windows keep the language they were made in until the next start;
    // the user is told so.
    void setLanguages(HostTranslator *hostTexts, const QStringList &languages, const QString &current,
                      const QString &catalogueFolder = QStringLiteral(":/i18n"));
    QMenu *languageMenu() const { return m_languageMenu; }

public slots:
    void showHelp(const QString &requestPath);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void slot_triggered_actionSettingsEditor();
    void slot_triggered_actionSettingsLight();
    void slot_triggered_actionOpenSettingsFile();
    void slot_triggered_actionOpenSettingsFileLight();
    void slot_triggered_actionTelemetryWindow();
    void slot_triggered_actionTelemetryWindowFile();
    void slot_triggered_actionTelemetryWindowNoFile();
    void slot_triggered_actionLogViewerPage();
    void slot_triggered_actionLogViewerTable();
    void slot_triggered_actionOpenTelemetryFilePage();
    void slot_triggered_actionOpenTelemetryFileTable();
    void slot_triggered_actionOpenCalibrationFile();
    void slot_triggered_actionSaveLog();
    void slot_triggered_actionTrackerProperties();
    void slot_triggered_actionReadSettings();
    void slot_triggered_actionReadSettingsLight();
    void slot_triggered_actionHelpFolder();
    void slot_triggered_actionHelpFolderDefault();
    void slot_triggered_actionOpenWorkingFolder();
    void slot_triggered_actionPluginHelp();
    void slot_triggered_actionAbout();
    void slot_triggered_actionMonitorServer(bool checked);
    void updateMonitorServerState();
    void slot_rowsInserted_log();
    void slot_copy_log();
    void updateTrackerState();

private:
    void setupActions();
    void setupLog();
    void showIdentity();
    void setAutoMode(int mode);
    void setAnswerDelay(int milliseconds);
    void openSettingsFile(int viewMode);
    void readSettingsFromTracker(int viewMode);
    void openTelemetryFile(int form);
    void openTelemetryWindow(const QString &settingsFile);
    QString chooseFile(const QString &caption, const QString &startAt, const QString &filter);
    QString workingPath(int index) const;
    void updateTelemetryAction();
    void updateHelpLabel();
    void chooseLanguage(const QString &language);
    void retranslate();

    std::unique_ptr<Ui::HostMainWindow> ui;
    PluginHost &m_host;
    SimulatedTracker &m_tracker;
    HostSettings &m_settings;
    MessageLogModel &m_log;
    MessageLogFilter *m_filter;
    QStringList m_workingPaths;
    HelpResolver m_help;
    QPointer<HelpWindow> m_helpWindow;
    MonitorServer *m_monitorServer;
    QLabel *m_monitorLabel;
    quint16 m_monitorPort = 5000;
    HostTranslator *m_hostTexts = nullptr;
    QMenu *m_languageMenu = nullptr;
    QActionGroup *m_languageGroup = nullptr;
    QString m_pluginLanguage; // the language the plug-in's windows are made in
    QString m_catalogueFolder;
};

#endif // HOSTMAINWINDOW_H
