#ifndef TRACKERSESSION_H
#define TRACKERSESSION_H

// Where the end-to-end suites start from: the plug-in loaded through its
// exports by the test host, its folders in a temporary directory, and a
// simulated tracker with every standard service, attached. Header only: the
// suites that include it link the host core (THROUGH_EXPORTS).

#include "host/pluginhost.h"
#include "host/simulator/services/settings/settingsservice.h"
#include "host/simulator/simulatedtracker.h"
#include "tests/support/uiautomation.h"

#include <QTemporaryDir>

#include <memory>

struct TrackerSession
{
    QTemporaryDir dir;
    std::unique_ptr<PluginHost> host;
    std::unique_ptr<SimulatedTracker> tracker;
    SettingsService *settings = nullptr;

    // Loads the plug-in named by $K4810_PLUGIN; false with the reason in
    // *error when it cannot be loaded.
    bool start(QString *error)
    {
        host = std::make_unique<PluginHost>();
        if (!host->load(qEnvironmentVariable("K4810_PLUGIN"))) {
            *error = host->errorString();
            return false;
        }
        host->sendEnvironment(
            {dir.filePath(QStringLiteral("data/")), dir.filePath(QStringLiteral("settings/")), QString(), QString()}, 0);
        tracker = std::make_unique<SimulatedTracker>(host.get());
        tracker->addStandardServices();
        settings = tracker->service<SettingsService>();
        if (!settings) {
            *error = QStringLiteral("the simulated tracker has no settings service");
            return false;
        }
        tracker->attach();
        return true;
    }

    enum class Changes {
        Keep,    // nothing was changed since the last reading
        Discard, // the editor's question about unsaved changes is answered "discard"
    };

    // What the host's "Read settings from tracker" does: the tracker's
    // settings reach the plug-in as a file with 2023 (shown in `view`).
    // Returns the editor showing them, nullptr when none opened.
    QWidget *readSettings(Changes changes, int view = 0)
    {
        const QString file = dir.filePath(QStringLiteral("from tracker.xml"));
        if (!settings->writeConfiguration(file))
            return nullptr;
        if (changes == Changes::Discard)
            UiAutomation::discardNextChanges();
        host->deliverTextAndInts(2023, file, 0, view);
        return UiAutomation::topLevel(QStringLiteral("orv_FormXml_K4810"));
    }
};

#endif // TRACKERSESSION_H
