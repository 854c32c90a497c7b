#ifndef SIMULATEDTRACKER_H
#define SIMULATEDTRACKER_H

#include "host/pluginhost.h"
#include "host/simulator/trackerservice.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

// A K-4810 tracker on the other end of the host's link, so every window of
// the plug-in can be used without hardware. Attaching sends what a real
// connection reports (2110 firmware, 2107 capability word, 2039 model and
// identification); detaching sends 2040. Requests from the plug-in are
// routed by number to pluggable services; while detached, nothing answers.
class SimulatedTracker : public QObject, public HostRequestHandler
{
    Q_OBJECT
public:
    static constexpr quint64 kDefaultCapabilities = 0x810; // bits 0x10 and 0x800

    // Installs itself as the host's request handler.
    explicit SimulatedTracker(PluginHost *host, QObject *parent = nullptr);
    ~SimulatedTracker() override;

    PluginHost *host() const { return m_host; }

    QString model() const { return m_model; }
    void setModel(const QString &model) { m_model = model; }
    QString identification() const { return m_identification; }
    void setIdentification(const QString &text) { m_identification = text; }
    QString firmware() const { return m_firmware; }
    void setFirmware(const QString &version) { m_firmware = version; }
    quint64 capabilities() const { return m_capabilities; }
    void setCapabilities(quint64 word) { m_capabilities = word; }

    bool isAttached() const { return m_attached; }

    // The host's answer mode (queued or inside the send).
    void setAnswerMode(PluginHost::AnswerMode mode);
    PluginHost::AnswerMode answerMode() const;

    // Takes ownership. False (and the service deleted) when it claims a
    // number another service already answers.
    bool addService(TrackerService *service);
    // The services compiled into the simulator (services/*/service.cmake).
    void addStandardServices();
    TrackerService *serviceFor(uint32_t msgId) const { return m_routes.value(msgId); }
    QList<TrackerService *> services() const;
    // The service of that class, or null.
    template<typename Service>
    Service *service() const
    {
        for (TrackerService *s : services()) {
            if (auto *found = qobject_cast<Service *>(s))
                return found;
        }
        return nullptr;
    }

    // Delivers an answer to the plug-in, as the answer mode says.
    void reply(const PluginMessage &answer);

    int32_t handleRequest(const PluginMessage &request) override;
    QString noteFor(const PluginMessage &request) const override;

public slots:
    void attach();
    void detach();

signals:
    void attachedChanged(bool attached);
    // A request nothing answers (no service for it, or detached).
    void requestUnanswered(const PluginMessage &request);

private:
    QPointer<PluginHost> m_host;
    QString m_model = QStringLiteral("K-4810");
    QString m_identification = QStringLiteral("354810061234567");
    QString m_firmware = QStringLiteral("12.5");
    quint64 m_capabilities = kDefaultCapabilities;
    bool m_attached = false;
    QList<QPointer<TrackerService>> m_services;
    QHash<uint32_t, TrackerService *> m_routes;
};

#endif // SIMULATEDTRACKER_H
