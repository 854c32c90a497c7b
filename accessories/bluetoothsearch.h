#ifndef BLUETOOTHSEARCH_H
#define BLUETOOTHSEARCH_H

#include "accessories/bluetoothanswer.h"

#include <QList>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>

class QTimer;

// The tracker's search for Bluetooth devices in range, without widgets:
// the Bluetooth page starts and cancels it and shows what it reports.
//
//   start()   sends 2130; the tracker answers (2131, onAnswer()) that the
//             search runs, then one answer per device found, then that it
//             ended (or failed).
//   cancel()  sends 2129; the tracker confirms with "cancelled".
//   abandon() the page is left: 2129 is sent and the search ends at once.
//   detach()  the tracker went away: the search ends at once.
//
// A search that reports nothing for `timeout` ms ends as timed out; a
// cancel the tracker does not confirm within `cancelTimeout` ms ends as
// cancelled. Either way the controls come back. The tracker may answer
// from inside the send of a request: the state is set before each send.
//
// statusText() is rich text (the tracker's texts use <br>); device names
// in it are escaped, since any device in radio range can name itself.
class BluetoothSearch : public QObject
{
    Q_OBJECT

public:
    enum class State {
        Idle,       // no search; the controls are free
        Searching,  // 2130 sent, the tracker reports
        Cancelling, // 2129 sent, waiting for the tracker to confirm
    };
    enum class Outcome {
        None,         // no search ended yet
        Found,        // ended, with devices
        NothingFound, // ended, without devices
        Failed,       // the tracker reported an error
        Cancelled,    // by the user (or the page was left)
        TimedOut,     // the tracker stopped reporting
        Detached,     // the tracker went away
    };

    static constexpr uint32_t kStartRequest = 2130;
    static constexpr uint32_t kCancelRequest = 2129;
    static constexpr int kDefaultTimeout = 45000;
    static constexpr int kDefaultCancelTimeout = 5000;

    // send returns false when the request could not be sent (offline).
    using Send = std::function<bool(uint32_t msgId)>;

    explicit BluetoothSearch(Send send, QObject *parent = nullptr);
    ~BluetoothSearch() override;

    void setTimeouts(int timeoutMs, int cancelTimeoutMs);
    int timeout() const { return m_timeout; }

    // False when a search runs already or the request was not sent.
    bool start();
    void cancel();
    void abandon();
    void detach();
    // An answer of message 2131; false when it was not used (malformed, or
    // nothing waits for it).
    bool onAnswer(const unsigned char *data, int length);

    State state() const { return m_state; }
    bool isRunning() const { return m_state != State::Idle; }
    Outcome outcome() const { return m_outcome; }
    const QList<BluetoothDevice> &devices() const { return m_devices; }
    // The device to select when the search ended: the first found, or -1.
    int selectedDevice() const { return m_outcome == Outcome::Found && !m_devices.isEmpty() ? 0 : -1; }
    QString statusText() const { return m_status; }

    // Texts, in the Bluetooth page's translation context.
    static QString text(const char *source);

signals:
    // State, devices or status changed.
    void changed();
    void finished(BluetoothSearch::Outcome outcome);

private:
    void finish(Outcome outcome);
    void onTimeout();

    Send m_send;
    QTimer *m_timer;
    State m_state = State::Idle;
    Outcome m_outcome = Outcome::None;
    QList<BluetoothDevice> m_devices;
    QString m_status;
    int m_timeout = kDefaultTimeout;
    int m_cancelTimeout = kDefaultCancelTimeout;
};

#endif // BLUETOOTHSEARCH_H
