// The telemetry window's waiting request, without a window: an answer ends
// it, the limit ends it with Timeout, cancel and detach end it, and an
// answer after the end is late; detached, nothing is sent.

#include "telemetry/tmirequest.h"

#include <QSignalSpy>
#include <QTest>

#include <vector>

Q_DECLARE_METATYPE(TmiRequest::Kind)
Q_DECLARE_METATYPE(TmiRequest::End)

class tst_TmiRequest : public QObject
{
    Q_OBJECT

private slots:
    void answerInsideSendEndsIt();
    void endsWithoutItsAnswer_data();
    void endsWithoutItsAnswer();
    void detachedSendsNothing();
    void oneAtATime();
};

void tst_TmiRequest::answerInsideSendEndsIt()
{
    TmiRequest *request = nullptr;
    std::vector<uint32_t> sent;
    TmiRequest r([&](uint32_t msgId, intptr_t, intptr_t) {
        sent.push_back(msgId);
        // The host answers from inside the call.
        QVERIFY(request->answer(TmiRequest::Kind::Page));
    });
    request = &r;
    r.setTimeout(20);
    QSignalSpy ended(&r, &TmiRequest::ended);
    QVERIFY(r.start(TmiRequest::Kind::Page, 2001));
    QCOMPARE(sent, std::vector<uint32_t>{2001});
    QVERIFY(!r.isWaiting());
    QTest::qWait(60);
    QCOMPARE(ended.count(), 0); // no limit left running
}

void tst_TmiRequest::endsWithoutItsAnswer_data()
{
    QTest::addColumn<int>("how"); // 0 = limit, 1 = cancel, 2 = detach
    QTest::addColumn<TmiRequest::End>("end");
    QTest::newRow("no answer in time") << 0 << TmiRequest::End::Timeout;
    QTest::newRow("cancelled") << 1 << TmiRequest::End::Cancelled;
    QTest::newRow("detached") << 2 << TmiRequest::End::Detached;
}

void tst_TmiRequest::endsWithoutItsAnswer()
{
    QFETCH(int, how);
    QFETCH(TmiRequest::End, end);
    TmiRequest r([](uint32_t, intptr_t, intptr_t) {});
    r.setTimeout(30);
    QSignalSpy ended(&r, &TmiRequest::ended);
    QVERIFY(r.start(TmiRequest::Kind::Balance, 24));
    QVERIFY(r.isWaiting());
    if (how == 1)
        r.cancel();
    else if (how == 2)
        r.setOnline(false);
    QTRY_COMPARE(ended.count(), 1);
    QCOMPARE(ended.at(0).at(0).value<TmiRequest::Kind>(), TmiRequest::Kind::Balance);
    QCOMPARE(ended.at(0).at(1).value<TmiRequest::End>(), end);
    QVERIFY(!r.isWaiting());
    // The answer that comes now is late, and nothing ends twice.
    QVERIFY(!r.answer(TmiRequest::Kind::Balance));
    QTest::qWait(60);
    QCOMPARE(ended.count(), 1);
}

void tst_TmiRequest::detachedSendsNothing()
{
    int sent = 0;
    TmiRequest r([&](uint32_t, intptr_t, intptr_t) { ++sent; });
    r.setOnline(false);
    QVERIFY(!r.start(TmiRequest::Kind::Page, 2001));
    QCOMPARE(sent, 0);
    QVERIFY(!r.isWaiting());
    r.setOnline(true);
    QVERIFY(r.start(TmiRequest::Kind::Page, 2001));
    QCOMPARE(sent, 1);
}

void tst_TmiRequest::oneAtATime()
{
    int sent = 0;
    TmiRequest r([&](uint32_t, intptr_t, intptr_t) { ++sent; });
    QVERIFY(r.start(TmiRequest::Kind::Clear, 2032, 1));
    QVERIFY(!r.start(TmiRequest::Kind::Page, 2001));
    QCOMPARE(sent, 1);
    // An answer of another kind does not end it.
    QVERIFY(!r.answer(TmiRequest::Kind::Page));
    QVERIFY(r.isWaiting());
    QVERIFY(r.answer(TmiRequest::Kind::Clear));
    QVERIFY(r.start(TmiRequest::Kind::Page, 2001));
}

QTEST_MAIN(tst_TmiRequest)
#include "tst_tmirequest.moc"
