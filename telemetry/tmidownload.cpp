#include "telemetry/tmidownload.h"

#include "core/orvmessages.h"
#include "telemetry/extendedrecord.h"
#include "telemetry/maskplan.h"
#include "telemetry/tmipage_vela.h"
#include "telemetry/tmipage_vela2.h"

#include <QElapsedTimer>
#include <QTimer>

namespace TmiPageAnswer {

Held held(const uchar *data, int length, int prefix)
{
    if (!data || length <= prefix || prefix < 0)
        return Held::Nothing;
    const uchar *record = data + prefix;
    const int bytes = length - prefix;
    switch (record[0]) {
    case TmiPage_Vela::F6Type:
    case F8Record::Type:
        // As the F8 page object reads it: at least the prefix and an F6
        // record, which is more than the 101 bytes any page answer needs.
        return length >= Prefix + TmiPage_Vela::F6Size ? Held::F8Page : Held::Nothing;
    case MaskedDecoder::Type:
        // The decoder takes the fields that arrive whole; the header must.
        if (bytes < MaskedDecoder::HeaderSize)
            return Held::Nothing;
        if (record[1] == MaskedDecoder::FirstGeneration)
            return Held::FirstGeneration;
        return record[1] == MaskedDecoder::SecondGeneration ? Held::SecondGeneration : Held::Nothing;
    case ExtendedRecord::Type:
        // The two fixed blocks must be there; the dynamic elements are read
        // only as far as they were received.
        return bytes >= ExtendedRecord::DynamicOffset ? Held::SecondGeneration : Held::Nothing;
    default:
        return Held::Nothing;
    }
}

} // namespace TmiPageAnswer

namespace {

intptr_t addr(const void *p)
{
    return reinterpret_cast<intptr_t>(p);
}

// The F8 form of a first-generation masked record: the F8 fields it carries.
F8Record firstGenerationToF8(const uchar *record, int length)
{
    FullRecord full;
    PresenceMask present;
    MaskedDecoder decoder;
    decoder.decode(record, length, full, &present);
    F8Record f8;
    f8.data()[0] = F8Record::Type;
    for (const F8Field &f : F8Layout::fields) {
        const FieldRef &field = FieldTable::member(f.member);
        if (present.test(field.bit))
            std::memcpy(f8.data() + f.offset, full.at(field), field.size);
    }
    return f8;
}

} // namespace

TmiDownload::TmiDownload(Send send, QObject *parent)
    : QObject(parent)
    , m_send(std::move(send))
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &TmiDownload::onTimeout);
}

TmiDownload::~TmiDownload() = default;

void TmiDownload::setTimeout(int milliseconds)
{
    m_timeoutMs = qMax(1, milliseconds);
}

void TmiDownload::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

bool TmiDownload::start(const QDateTime &first, const QDateTime &last)
{
    if (m_state != State::Idle)
        return false;
    ++m_generation;
    m_list.clear();
    m_lastPage.clear();
    m_draining = false;
    m_lastTime = last;
    m_firstNumber = m_lastNumber = m_requestedNumber = m_keptNumber = 0;
    m_retries = 0;
    setState(State::WaitingFirst);
    m_outstanding = true;
    m_timer->start(m_timeoutMs);
    m_requestTime = first;
    if (m_send)
        m_send(OrvMsg::StartInterval, addr(&m_requestTime), 0);
    return true;
}

void TmiDownload::cancel()
{
    if (!isRunning())
        return;
    ++m_generation;
    // The answer in flight may still come: taken and dropped until its
    // timeout, or until the window asks for something else.
    m_draining = m_outstanding;
    m_outstanding = false;
    if (m_draining)
        m_timer->start(m_timeoutMs);
    else
        m_timer->stop();
    m_list.clear();
    m_lastPage.clear();
    setState(State::Idle);
}

void TmiDownload::otherRequestSent()
{
    if (m_draining) {
        m_draining = false;
        m_timer->stop();
    }
}

void TmiDownload::clear()
{
    if (m_state != State::Complete)
        return;
    m_list.clear();
    m_lastPage.clear();
    setState(State::Idle);
}

TmiDownloadList TmiDownload::takePages()
{
    if (m_state != State::Complete)
        return TmiDownloadList();
    TmiDownloadList pages = std::move(m_list);
    m_list = TmiDownloadList();
    m_lastPage.clear();
    setState(State::Idle);
    return pages;
}

void TmiDownload::fail(Failure failure)
{
    ++m_generation;
    m_outstanding = false;
    m_draining = false;
    m_timer->stop();
    m_list.clear();
    m_lastPage.clear();
    setState(State::Idle);
    emit failed(failure);
}

void TmiDownload::onTimeout()
{
    if (m_draining) {
        m_draining = false; // the cancelled request's answer is not coming
        return;
    }
    if (isRunning() && m_outstanding)
        fail(Failure::Timeout);
}

bool TmiDownload::read(const uchar *data, int length, int prefix, Taken *page)
{
    const uchar *record = data + prefix;
    switch (TmiPageAnswer::held(data, length, prefix)) {
    case TmiPageAnswer::Held::F8Page:
        page->kind = TmiDownloadList::F8;
        page->record = record[0] == TmiPage_Vela::F6Type ? TmiPage_Vela::convertF6(record, length - prefix)
                                                         : F8Record(record, length - prefix);
        page->number = page->record.numPage();
        return true;
    case TmiPageAnswer::Held::FirstGeneration:
        page->kind = TmiDownloadList::F8;
        page->record = firstGenerationToF8(record, length - prefix);
        page->number = page->record.numPage();
        return true;
    case TmiPageAnswer::Held::SecondGeneration:
        page->kind = TmiDownloadList::Vela2;
        page->raw = record;
        page->rawLength = length - prefix;
        page->number = TmiPage_Vela2(record, length - prefix).pageNumber();
        return true;
    case TmiPageAnswer::Held::Nothing:
        break;
    }
    return false;
}

void TmiDownload::keep(const Taken &page, TmiDownloadList &into)
{
    if (page.kind == TmiDownloadList::F8)
        into.appendF8(page.record);
    else
        into.appendVela2(page.raw, page.rawLength);
}

bool TmiDownload::takeAnswer(const uchar *data, int length)
{
    if (m_draining) {
        m_draining = false;
        m_timer->stop();
        return true;
    }
    if (!isRunning() || !m_outstanding)
        return false;
    m_outstanding = false;
    m_timer->stop();
    const int prefix = m_state == State::WaitingPages ? TmiPageAnswer::Prefix : TmiPageAnswer::ShowPrefix;
    if (!read(data, length, prefix, &m_taken)) {
        fail(Failure::Unreadable);
        return true;
    }
    switch (m_state) {
    case State::WaitingFirst:
        keep(m_taken, m_list);
        m_firstNumber = m_keptNumber = m_requestedNumber = m_taken.number;
        setState(State::WaitingLast);
        queueRequest();
        break;
    case State::WaitingLast:
        keep(m_taken, m_lastPage);
        m_lastNumber = m_taken.number;
        emit intervalKnown(m_firstNumber, m_lastNumber);
        if (m_lastNumber <= m_firstNumber) {
            fail(Failure::NoPageAfterFirst);
            break;
        }
        m_list.reserve(int(qMin<quint32>(m_lastNumber - m_firstNumber, 1u << 20)));
        setState(State::WaitingPages);
        ++m_requestedNumber;
        queueRequest();
        break;
    case State::WaitingPages: {
        const quint32 number = m_taken.number;
        // Each page once and in order: a page sent again, or one outside
        // the interval's inside, is not kept.
        if (number > m_keptNumber && number < m_lastNumber) {
            keep(m_taken, m_list);
            m_keptNumber = number;
        }
        if (number < m_requestedNumber && m_retries < RepeatRetries) {
            ++m_retries; // an older page: the one asked for once more
        } else {
            m_retries = 0;
            m_requestedNumber = qMax(m_requestedNumber, number) + 1;
        }
        emit pageReceived(number);
        queueRequest();
        break;
    }
    case State::Idle:
    case State::Complete:
        break;
    }
    return true;
}

void TmiDownload::queueRequest()
{
    if (m_state == State::WaitingPages && m_requestedNumber >= m_lastNumber) {
        complete();
        return;
    }
    if (m_sending) {
        // Answered inside send: the loop in sendRequests sends the next
        // request once this handler has returned.
        m_due = true;
        return;
    }
    const quint64 generation = m_generation;
    QMetaObject::invokeMethod(this, [this, generation] { sendRequests(generation); }, Qt::QueuedConnection);
}

void TmiDownload::sendRequests(quint64 generation)
{
    QElapsedTimer slice;
    slice.start();
    m_sending = true;
    bool due = true;
    while (due && generation == m_generation && isRunning()) {
        m_due = false;
        sendRequest();
        due = m_due;
        if (slice.elapsed() >= RequestSliceMs)
            break;
    }
    m_sending = false;
    if (due && generation == m_generation && isRunning())
        QMetaObject::invokeMethod(this, [this, generation] { sendRequests(generation); }, Qt::QueuedConnection);
}

void TmiDownload::sendRequest()
{
    m_outstanding = true;
    m_timer->start(m_timeoutMs);
    if (m_state == State::WaitingLast) {
        m_requestTime = m_lastTime;
        if (m_send)
            m_send(OrvMsg::ReadPageAtTime, addr(&m_requestTime), 0);
    } else if (m_state == State::WaitingPages) {
        m_requestNumber = m_requestedNumber;
        if (m_send)
            m_send(OrvMsg::ReadPageByNumber, addr(&m_requestNumber), 0);
    }
}

void TmiDownload::complete()
{
    // Every page before the last is in: the last one, held aside, closes the list.
    m_list.append(m_lastPage);
    m_lastPage.clear();
    m_outstanding = false;
    m_timer->stop();
    setState(State::Complete);
    const quint64 generation = m_generation;
    QMetaObject::invokeMethod(
        this,
        [this, generation] {
            if (generation == m_generation && m_state == State::Complete)
                emit finished();
        },
        Qt::QueuedConnection);
}
