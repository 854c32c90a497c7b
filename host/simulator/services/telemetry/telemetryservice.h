#ifndef TELEMETRYSERVICE_H
#define TELEMETRYSERVICE_H

#include "host/simulator/services/telemetry/trackerrecords.h"
#include "host/simulator/services/telemetry/tripgenerator.h"
#include "host/simulator/trackerservice.h"

#include <memory>

class QTimer;

// The telemetry side of the simulated tracker: its stored trip, answered
// page by page to the telemetry window, its outputs and guard mode, the SIM
// balance, the server buffers, the one-wire reader (a touch-memory key and
// temperature sensors) and the RFID reader.
//
// Pages are mostly F8 records with an F6 record now and then; the
// second-generation setting stores masked generation-20 records under a
// fleet operator's field selection instead, with an extended record every
// twentieth page.
class TelemetryService : public TrackerService
{
    Q_OBJECT
public:
    explicit TelemetryService(QObject *parent = nullptr);
    ~TelemetryService() override;

    QString name() const override { return QStringLiteral("telemetry"); }
    QList<uint32_t> requests() const override;
    int32_t handleRequest(const PluginMessage &request, SimulatedTracker &tracker) override;

    // A new trip of that many pages (1 .. 1,000,000) ending now, or at lastTime.
    void setTrip(int pages, uint32_t lastTime = 0);
    const TripGenerator &trip() const { return *m_trip; }
    TripGenerator &trip() { return *m_trip; }
    // Second-generation (Vela2) pages instead of F6/F8.
    void setSecondGeneration(bool on) { m_secondGeneration = on; }
    bool secondGeneration() const { return m_secondGeneration; }
    // Second-generation pages carry every field (an all-fields mask) instead
    // of a fleet operator's selection.
    void setAllFields(bool on) { m_allFields = on; }
    bool allFields() const { return m_allFields; }
    // New pages appear as real time passes (off for reproducible tests).
    void setRecording(bool on) { m_recording = on; }
    // Milliseconds before the operator's answer to a balance request.
    void setBalanceDelay(int ms) { m_balanceDelay = ms; }

    // The record of a page as the tracker stores it, and a page answer.
    QByteArray record(int number) const;
    QByteArray pageAnswer(int number, int prefixLength) const;

    quint64 touchMemoryKey() const { return m_touchMemoryKey; }
    quint64 rfidTag() const { return m_rfidTag; }

    // What is attached to the one-wire reader, so what a read (2041)
    // returns: the touch-memory key, the temperature sensors one after the
    // other (as a technician attaches them in turn), or the two in turn
    // (key, sensor 1, key, sensor 2, ...).
    enum class OneWireDevice { TouchMemoryKey, TemperatureSensors, Alternating };
    void setOneWireDevice(OneWireDevice device);
    OneWireDevice oneWireDevice() const { return m_oneWireDevice; }
    // The four temperature sensors' codes (family 0x28, valid CRC).
    static const quint64 TemperatureSensorCodes[4];
    // The code the next read returns (advances the turn).
    quint64 nextOneWireCode();

private:
    int currentPage();
    void answerPage(SimulatedTracker &tracker, uint32_t msgId, int number, int prefixLength);
    static bool readTime(const PluginMessage &request, uint32_t *time);
    static bool readNumber(const PluginMessage &request, uint32_t *number);

    std::unique_ptr<TripGenerator> m_trip;
    bool m_secondGeneration = false;
    bool m_allFields = false;
    bool m_recording = true;
    int m_balanceDelay = 3000;
    quint64 m_touchMemoryKey = 0x5A000012A4C3F101ull;
    OneWireDevice m_oneWireDevice = OneWireDevice::Alternating;
    int m_oneWireReads = 0;
    quint64 m_rfidTag = 4810001234567ull;
};

#endif // TELEMETRYSERVICE_H
