#include "accessories/bluetoothsearch.h"

#include <QCoreApplication>
#include <QTimer>

BluetoothSearch::BluetoothSearch(Send send, QObject *parent)
    : QObject(parent)
    , m_send(std::move(send))
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &BluetoothSearch::onTimeout);
}

BluetoothSearch::~BluetoothSearch() = default;

QString BluetoothSearch::text(const char *source)
{
    return QCoreApplication::translate("ORV_FormBluetooth", source);
}

void BluetoothSearch::setTimeouts(int timeoutMs, int cancelTimeoutMs)
{
    m_timeout = qMax(1, timeoutMs);
    m_cancelTimeout = qMax(1, cancelTimeoutMs);
}

bool BluetoothSearch::start()
{
    if (m_state != State::Idle)
        return false;
    m_state = State::Searching;
    m_outcome = Outcome::None;
    m_devices.clear();
    m_status = text("Поиск активных устройств...");
    m_timer->start(m_timeout);
    emit changed();
    // The tracker may answer, even end the search, from inside the send.
    const bool sent = m_send && m_send(kStartRequest);
    if (!sent && m_state == State::Searching) {
        m_timer->stop();
        m_state = State::Idle;
        m_status.clear();
        emit changed();
    }
    return sent;
}

void BluetoothSearch::cancel()
{
    if (m_state != State::Searching)
        return;
    m_state = State::Cancelling;
    m_timer->start(m_cancelTimeout);
    emit changed();
    const bool sent = m_send && m_send(kCancelRequest);
    if (!sent && m_state == State::Cancelling)
        finish(Outcome::Cancelled);
}

void BluetoothSearch::abandon()
{
    if (m_state == State::Idle)
        return;
    const bool wasSearching = m_state == State::Searching;
    finish(Outcome::Cancelled);
    // Whatever the tracker still says finds no search waiting for it.
    if (wasSearching && m_send)
        m_send(kCancelRequest);
}

void BluetoothSearch::detach()
{
    if (m_state != State::Idle)
        finish(Outcome::Detached);
}

bool BluetoothSearch::onAnswer(const unsigned char *data, int length)
{
    if (m_state == State::Idle)
        return false;
    const std::optional<BluetoothAnswer> answer = BluetoothAnswer::parse(data, length);
    if (!answer)
        return false;

    if (m_state == State::Cancelling) {
        // Only the end of the search matters now; however it ended, the
        // user asked for it to stop.
        if (answer->kind == BluetoothAnswer::Kind::State && answer->state != BluetoothAnswer::Running) {
            finish(answer->state == BluetoothAnswer::Failed ? Outcome::Failed : Outcome::Cancelled);
            return true;
        }
        return false;
    }

    m_timer->start(m_timeout); // the tracker is still at it
    if (answer->kind == BluetoothAnswer::Kind::Device) {
        const BluetoothDevice &d = answer->device;
        bool known = false;
        for (BluetoothDevice &have : m_devices) {
            if (have.address == d.address) {
                have.name = d.name; // reported again: the latest name
                known = true;
                break;
            }
        }
        if (!known)
            m_devices.append(d);
        m_status = text("Найдено устройство: %1").arg(d.name.toHtmlEscaped());
        emit changed();
        return true;
    }
    switch (answer->state) {
    case BluetoothAnswer::Running:
        m_status = text("Поиск активных устройств...");
        emit changed();
        break;
    case BluetoothAnswer::Ended:
        finish(m_devices.isEmpty() ? Outcome::NothingFound : Outcome::Found);
        break;
    case BluetoothAnswer::Failed:
        finish(Outcome::Failed);
        break;
    case BluetoothAnswer::Cancelled:
        finish(Outcome::Cancelled);
        break;
    }
    return true;
}

void BluetoothSearch::onTimeout()
{
    if (m_state == State::Searching)
        finish(Outcome::TimedOut);
    else if (m_state == State::Cancelling)
        finish(Outcome::Cancelled);
}

void BluetoothSearch::finish(Outcome outcome)
{
    m_timer->stop();
    m_state = State::Idle;
    m_outcome = outcome;
    switch (outcome) {
    case Outcome::None:
        m_status.clear();
        break;
    case Outcome::Found:
        m_status = text("Поиск завершен. <br>Найдено устройств: %1").arg(m_devices.size());
        break;
    case Outcome::NothingFound:
        m_status = text("Поиск завершен. <br>Активных устройств не найдено.");
        break;
    case Outcome::Failed:
        m_devices.clear();
        m_status = text("Ошибка, поиск отменён.");
        break;
    case Outcome::Cancelled:
        m_devices.clear();
        m_status = text("Поиск отменён пользователем.");
        break;
    case Outcome::TimedOut:
        m_status = text("K4810_2880");
        break;
    case Outcome::Detached:
        m_status = text("K4810_2881");
        break;
    }
    emit changed();
    emit finished(outcome);
}
