#ifndef ACCESSORIESSERVICE_H
#define ACCESSORIESSERVICE_H

#include "host/simulator/trackerservice.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

class QTimer;

// The accessories of the simulated tracker that the settings pages talk to:
//
//  - the CAN adapter (2080 -> 2081): the request names an address; the
//    answer "*#CANADR" + '1' says the adapter answers there (the address of
//    the tracker's stored configuration, CAN / CANaddress, 1 when none),
//    '0' that nothing answers;
//  - the Bluetooth search (2130 -> 2131 ...): "*#BTDEV0" at once, then one
//    answer per device in range, `step` ms apart, then "*#BTDEV1"; 2129
//    cancels it ("*#BTDEV3"). The outcome can be set to fail part-way
//    ("*#BTDEV2"), to find nothing, or to never report its end.
//
// Device answers are *#BT"<name>",<address> and a carriage return. The
// devices in range include one whose name is markup, as a nearby phone may
// call itself anything.
class AccessoriesService : public TrackerService
{
    Q_OBJECT
public:
    enum class SearchOutcome {
        Found,   // every device, then the end
        Nothing, // the end at once, no device
        Fails,   // the first device, then an error
        Silent,  // the devices, and never the end
    };
    static constexpr int kDefaultStep = 700;

    explicit AccessoriesService(QObject *parent = nullptr);
    ~AccessoriesService() override;

    QString name() const override { return QStringLiteral("accessories"); }
    QList<uint32_t> requests() const override;
    int32_t handleRequest(const PluginMessage &request, SimulatedTracker &tracker) override;
    void trackerDetached(SimulatedTracker &tracker) override;

    void setSearchOutcome(SearchOutcome outcome) { m_outcome = outcome; }
    SearchOutcome searchOutcome() const { return m_outcome; }
    // Milliseconds between the answers of a search.
    void setStep(int milliseconds) { m_step = qMax(0, milliseconds); }
    int step() const { return m_step; }
    bool isSearching() const;

    // The devices in range: name (windows-1251, as the tracker reports it)
    // and address.
    static QList<QPair<QByteArray, QByteArray>> devicesInRange();
    static QByteArray deviceAnswer(const QByteArray &name, const QByteArray &address);
    // The address the adapter answers at, from a settings file's bytes.
    static int adapterAddress(const QByteArray &configuration);

private:
    void startSearch(SimulatedTracker &tracker);
    void stopSearch();
    void nextAnswer();

    SearchOutcome m_outcome = SearchOutcome::Found;
    int m_step = kDefaultStep;
    QTimer *m_timer;
    SimulatedTracker *m_tracker = nullptr;
    QList<QByteArray> m_pending; // answers of the search still to come
    bool m_searching = false;    // until the end is reported or the search cancelled
};

#endif // ACCESSORIESSERVICE_H
