// The interval download as an exchange, without a window: a tracker of the
// suite's own answers its requests (or does not), repeats pages, skips
// them; the exchange keeps each page once, in page order, ends a request
// that is not answered, and leaves nothing behind when cancelled.

#include "core/orvmessages.h"
#include "telemetry/maskplan.h"
#include "telemetry/tmidownload.h"
#include "telemetry/tmipage_vela2.h"
#include "tests/tmiwindow/tmitestpages.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>

Q_DECLARE_METATYPE(TmiDownload::Failure)

namespace {

// Numbers and times: page n at 1705323900 + 30 n.
constexpr quint32 kStart = 1705323900;

QDateTime timeOf(quint32 number)
{
    return QDateTime::fromSecsSinceEpoch(kStart + 30 * number, Qt::UTC);
}

QByteArray f8Answer(quint32 number, int prefix)
{
    TestPages::Point p;
    p.number = number;
    p.time = kStart + 30 * number;
    return TestPages::payload(TestPages::f8(p), prefix);
}

QByteArray vela2Answer(quint32 number, int prefix, quint8 generation = 20)
{
    FullRecord full;
    full.setInteger(FieldTable::field("NumPage"), number);
    full.setInteger(FieldTable::field("Time"), kStart + 30 * number);
    PresenceMask rows;
    rows.set(0);
    rows.set(2);
    return QByteArray(prefix, '#') + MaskedDecoder::encode(full, rows, generation);
}

// A tracker that holds pages 1..last and answers through a function the
// test may change: (request, number asked) -> the page number sent, or -1
// for no answer.
struct Tracker
{
    quint32 last = 20;
    bool insideSend = false;
    bool vela2 = false;
    std::function<int(uint32_t, quint32)> answer = [](uint32_t, quint32 n) { return int(n); };
    QList<QPair<uint32_t, quint32>> requests;
    TmiDownload *download = nullptr;

    void send(uint32_t msgId, intptr_t p1)
    {
        quint32 number = 0;
        if (msgId == OrvMsg::ReadPageByNumber) {
            number = *reinterpret_cast<const quint32 *>(p1);
        } else {
            const qint64 seconds = reinterpret_cast<const QDateTime *>(p1)->toSecsSinceEpoch();
            number = quint32(qBound<qint64>(1, (seconds - kStart + 29) / 30, last));
        }
        requests << qMakePair(msgId, number);
        const int sent = answer(msgId, number);
        if (sent < 0)
            return;
        const int prefix = msgId == OrvMsg::ReadPageByNumber ? 3 : 13;
        const QByteArray payload = vela2 ? vela2Answer(quint32(sent), prefix) : f8Answer(quint32(sent), prefix);
        auto deliver = [this, payload] {
            download->takeAnswer(reinterpret_cast<const uchar *>(payload.constData()), int(payload.size()));
        };
        if (insideSend)
            deliver();
        else
            QTimer::singleShot(0, download, deliver);
    }
};

QList<quint32> numbers(const TmiDownloadList &list)
{
    QList<quint32> n;
    for (int i = 0; i < list.count(); ++i)
        n << list.pageNumber(i);
    return n;
}

QList<quint32> range(quint32 from, quint32 to)
{
    QList<quint32> n;
    for (quint32 i = from; i <= to; ++i)
        n << i;
    return n;
}

} // namespace

class tst_TmiDownloadExchange : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void trackerAnswers_data();
    void trackerAnswers();
    void pagesAreFiledByTheirType();
    void unansweredRequestEndsTheDownload_data();
    void unansweredRequestEndsTheDownload();
    void cancelLeavesNothingBehind();
    void lateAnswerIsDroppedOnlyUntilItsTimeout();

private:
    std::unique_ptr<TmiDownload> m_download;
    Tracker m_tracker;

    void make()
    {
        m_download = std::make_unique<TmiDownload>(
            [this](uint32_t msgId, intptr_t p1, intptr_t) { m_tracker.send(msgId, p1); });
        m_tracker.download = m_download.get();
    }
};

void tst_TmiDownloadExchange::init()
{
    qRegisterMetaType<TmiDownload::Failure>();
    m_tracker = Tracker();
    make();
}

void tst_TmiDownloadExchange::trackerAnswers_data()
{
    using Answer = std::function<int(uint32_t, quint32)>;
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("insideSend");
    QTest::addColumn<QList<quint32>>("kept");
    QTest::addColumn<int>("byNumber"); // requests 2014

    const Answer exact = [](uint32_t, quint32 n) { return int(n); };
    // Request 6 answered once with page 5 again, then properly.
    auto repeatOnce = [] {
        auto seen = std::make_shared<int>(0);
        return Answer([seen](uint32_t id, quint32 n) { return id == OrvMsg::ReadPageByNumber && n == 6 && !(*seen)++ ? 5 : int(n); });
    };
    // Request 6 always answered with page 5: asked twice more, then left out.
    const Answer repeatAlways = [](uint32_t id, quint32 n) { return id == OrvMsg::ReadPageByNumber && n == 6 ? 5 : int(n); };
    // The tracker has no page 6: request 6 is answered with page 7.
    const Answer skip = [](uint32_t id, quint32 n) { return id == OrvMsg::ReadPageByNumber && n == 6 ? 7 : int(n); };
    // The tracker answers with a page beyond the interval.
    const Answer beyond = [](uint32_t id, quint32 n) { return id == OrvMsg::ReadPageByNumber && n == 9 ? 15 : int(n); };

    for (bool inside : {false, true}) {
        const char *how = inside ? "inside send" : "later";
        QTest::addRow("every page, %s", how) << exact << inside << range(3, 12) << 8;
        QTest::addRow("a page repeated once, %s", how) << repeatOnce() << inside << range(3, 12) << 9;
        QList<quint32> without6 = range(3, 12);
        without6.removeOne(6);
        QTest::addRow("a page repeated always, %s", how) << repeatAlways << inside << without6 << 10;
        QTest::addRow("a page skipped, %s", how) << skip << inside << without6 << 7;
        QTest::addRow("a page beyond the interval, %s", how) << beyond << inside << (range(3, 8) << 12) << 6;
    }
}

void tst_TmiDownloadExchange::trackerAnswers()
{
    QFETCH(std::function<int(uint32_t, quint32)>, answer);
    QFETCH(bool, insideSend);
    QFETCH(QList<quint32>, kept);
    QFETCH(int, byNumber);
    m_tracker.answer = answer;
    m_tracker.insideSend = insideSend;
    QSignalSpy finished(m_download.get(), &TmiDownload::finished);
    QSignalSpy failed(m_download.get(), &TmiDownload::failed);
    QVERIFY(m_download->start(timeOf(3), timeOf(12)));
    QCOMPARE(m_download->state(), insideSend ? TmiDownload::State::WaitingLast : TmiDownload::State::WaitingFirst);
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(failed.count(), 0);
    QCOMPARE(m_download->state(), TmiDownload::State::Complete);
    // Each page once, in page order, the interval's last page last.
    QCOMPARE(numbers(m_download->pages()), kept);
    int asked = 0;
    for (const auto &[id, n] : m_tracker.requests)
        asked += id == OrvMsg::ReadPageByNumber;
    QCOMPARE(asked, byNumber);
    QCOMPARE(m_tracker.requests.first().first, uint32_t(OrvMsg::StartInterval));
    QCOMPARE(m_tracker.requests.at(1).first, uint32_t(OrvMsg::ReadPageAtTime));
    m_download->clear();
    QCOMPARE(m_download->state(), TmiDownload::State::Idle);
    QCOMPARE(m_download->pages().count(), 0);
}

void tst_TmiDownloadExchange::pagesAreFiledByTheirType()
{
    // Second-generation pages stay second-generation pages; first-generation
    // masked records are F6/F8 pages in their F8 form.
    m_tracker.vela2 = true;
    QSignalSpy finished(m_download.get(), &TmiDownload::finished);
    QVERIFY(m_download->start(timeOf(1), timeOf(4)));
    QTRY_COMPARE(finished.count(), 1);
    const TmiDownloadList &pages = m_download->pages();
    QCOMPARE(numbers(pages), range(1, 4));
    for (int i = 0; i < pages.count(); ++i)
        QCOMPARE(pages.kind(i), TmiDownloadList::Vela2);
    m_download->clear();

    make();
    m_tracker.vela2 = false;
    m_tracker.answer = [](uint32_t, quint32 n) { return int(n); };
    // A tracker whose answers are first-generation masked records.
    QByteArray answered;
    m_download = std::make_unique<TmiDownload>([&](uint32_t msgId, intptr_t p1, intptr_t) {
        quint32 n = msgId == OrvMsg::ReadPageByNumber ? *reinterpret_cast<const quint32 *>(p1)
                                                       : (msgId == OrvMsg::StartInterval ? 1 : 3);
        const QByteArray payload = vela2Answer(n, msgId == OrvMsg::ReadPageByNumber ? 3 : 13, 10);
        QTimer::singleShot(0, m_download.get(), [this, payload] {
            m_download->takeAnswer(reinterpret_cast<const uchar *>(payload.constData()), int(payload.size()));
        });
    });
    QSignalSpy done(m_download.get(), &TmiDownload::finished);
    QVERIFY(m_download->start(timeOf(1), timeOf(3)));
    QTRY_COMPARE(done.count(), 1);
    QCOMPARE(numbers(m_download->pages()), range(1, 3));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(m_download->pages().kind(i), TmiDownloadList::F8);
        QCOMPARE(m_download->pages().f8(i).time(), kStart + 30 * quint32(i + 1));
    }
}

void tst_TmiDownloadExchange::unansweredRequestEndsTheDownload_data()
{
    QTest::addColumn<uint>("silentOn");
    QTest::newRow("the first page") << uint(OrvMsg::StartInterval);
    QTest::newRow("the last page") << uint(OrvMsg::ReadPageAtTime);
    QTest::newRow("a page between") << uint(OrvMsg::ReadPageByNumber);
}

void tst_TmiDownloadExchange::unansweredRequestEndsTheDownload()
{
    // An answer that never comes (an empty 2024 is dropped before it
    // reaches the window) ends the download, however long it ran.
    QFETCH(uint, silentOn);
    m_download->setTimeout(40);
    m_tracker.answer = [silentOn](uint32_t id, quint32 n) { return id == silentOn && n >= 5 ? -1 : int(n); };
    if (silentOn != OrvMsg::ReadPageByNumber)
        m_tracker.answer = [silentOn](uint32_t id, quint32 n) { return id == silentOn ? -1 : int(n); };
    QSignalSpy failed(m_download.get(), &TmiDownload::failed);
    QSignalSpy finished(m_download.get(), &TmiDownload::finished);
    QVERIFY(m_download->start(timeOf(1), timeOf(9)));
    QTRY_COMPARE(failed.count(), 1);
    QCOMPARE(failed.at(0).at(0).value<TmiDownload::Failure>(), TmiDownload::Failure::Timeout);
    QCOMPARE(m_download->state(), TmiDownload::State::Idle);
    QCOMPARE(m_download->pages().count(), 0);
    QTest::qWait(100);
    QCOMPARE(finished.count(), 0);
    QCOMPARE(failed.count(), 1);
    // The next download starts afresh.
    m_tracker.answer = [](uint32_t, quint32 n) { return int(n); };
    QVERIFY(m_download->start(timeOf(1), timeOf(4)));
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(numbers(m_download->pages()), range(1, 4));
}

void tst_TmiDownloadExchange::cancelLeavesNothingBehind()
{
    // Cancelled while a page request is out; the window then asks for a
    // page of its own: that answer is the window's, not a late one.
    m_tracker.answer = [](uint32_t id, quint32 n) { return id == OrvMsg::ReadPageByNumber && n == 4 ? -1 : int(n); };
    QVERIFY(m_download->start(timeOf(1), timeOf(9)));
    QTRY_COMPARE(m_tracker.requests.size(), 5); // 2016, 2015, 2014 for pages 2, 3 and 4
    QCOMPARE(m_download->state(), TmiDownload::State::WaitingPages);
    m_download->cancel();
    QCOMPARE(m_download->state(), TmiDownload::State::Idle);
    QCOMPARE(m_download->pages().count(), 0);
    QVERIFY(m_download->isDraining());
    m_download->otherRequestSent();
    QVERIFY(!m_download->isDraining());
    const QByteArray current = f8Answer(20, 3);
    QVERIFY(!m_download->takeAnswer(reinterpret_cast<const uchar *>(current.constData()), int(current.size())));
    // A new download empties the list and counts from its own pages.
    m_tracker.answer = [](uint32_t, quint32 n) { return int(n); };
    QSignalSpy finished(m_download.get(), &TmiDownload::finished);
    QVERIFY(m_download->start(timeOf(6), timeOf(8)));
    QTRY_COMPARE(finished.count(), 1);
    QCOMPARE(numbers(m_download->pages()), range(6, 8));
}

void tst_TmiDownloadExchange::lateAnswerIsDroppedOnlyUntilItsTimeout()
{
    m_download->setTimeout(40);
    m_tracker.answer = [](uint32_t id, quint32 n) { return id == OrvMsg::ReadPageByNumber ? -1 : int(n); };
    QSignalSpy failed(m_download.get(), &TmiDownload::failed);
    QVERIFY(m_download->start(timeOf(1), timeOf(9)));
    QTRY_COMPARE(m_tracker.requests.size(), 3);
    m_download->cancel();
    // The late answer, when it comes in time, is taken and dropped ...
    const QByteArray late = f8Answer(2, 3);
    QVERIFY(m_download->takeAnswer(reinterpret_cast<const uchar *>(late.constData()), int(late.size())));
    QVERIFY(!m_download->isDraining());
    // ... and only that one.
    QVERIFY(!m_download->takeAnswer(reinterpret_cast<const uchar *>(late.constData()), int(late.size())));

    QVERIFY(m_download->start(timeOf(1), timeOf(9)));
    QTRY_COMPARE(m_tracker.requests.size(), 6);
    m_download->cancel();
    QVERIFY(m_download->isDraining());
    QTRY_VERIFY(!m_download->isDraining()); // its timeout passed
    QVERIFY(!m_download->takeAnswer(reinterpret_cast<const uchar *>(late.constData()), int(late.size())));
    QTest::qWait(80);
    QCOMPARE(failed.count(), 0); // a cancelled download reports nothing
}

QTEST_MAIN(tst_TmiDownloadExchange)
#include "tst_tmidownloadexchange.moc"
