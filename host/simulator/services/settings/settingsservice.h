#ifndef SETTINGSSERVICE_H
#define SETTINGSSERVICE_H

#include "host/simulator/trackerservice.h"

#include <QByteArray>
#include <QString>

// The tracker's stored configuration, and the settings exchange with the
// plug-in's settings editor.
//
// The tracker starts with a configuration that names the vehicle, its
// server and its access point; every other key is left out, so the editor
// shows its default. A write arrives as 512-byte blocks (2025), each
// acknowledged with 2026: 1 for the next block, or 2 to have a block sent
// again (a configurable share of blocks, to exercise repeats). When the
// editor confirms the write (2027) the received blocks become the stored
// configuration; readSettings() hands it back as a file for 2023.
class SettingsService : public TrackerService
{
    Q_OBJECT
public:
    explicit SettingsService(QObject *parent = nullptr);

    QString name() const override { return QStringLiteral("settings"); }
    QList<uint32_t> requests() const override;
    int32_t handleRequest(const PluginMessage &request, SimulatedTracker &tracker) override;

    // The configuration the tracker holds, as a settings file's bytes.
    QByteArray storedConfiguration() const { return m_stored; }
    void setStoredConfiguration(const QByteArray &bytes) { m_stored = bytes; }
    static QByteArray initialConfiguration();

    // Writes the stored configuration to path (replacing the file); false
    // with the reason when it cannot be written.
    bool writeConfiguration(const QString &path, QString *error = nullptr) const;

    // One block in `every` is answered with 2 the first time it arrives
    // (0: never).
    void setRepeatEvery(int every) { m_repeatEvery = every; }
    int repeatEvery() const { return m_repeatEvery; }

    // What the last write delivered.
    int blocksReceived() const { return m_blocksReceived; }
    int repeatsAsked() const { return m_repeatsAsked; }
    QByteArray lastWrite() const { return m_received; }

signals:
    void configurationStored(int bytes);

private:
    int32_t onBlock(const QByteArray &block, SimulatedTracker &tracker);
    int32_t onWritten(const QString &path);

    QByteArray m_stored;
    QByteArray m_received;   // the blocks of the write in progress
    int m_repeatEvery = 5;
    int m_blocksReceived = 0;
    int m_repeatsAsked = 0;
    int m_lastRepeated = 0;  // block number last answered with 2
};

#endif // SETTINGSSERVICE_H
