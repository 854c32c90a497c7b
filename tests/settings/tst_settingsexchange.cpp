// The exchanges of the settings editor, without windows: the block write as
// a table of events and the states and messages they lead to, and the
// service that routes answers to the page waiting for them.

#include "settings/editor/settingsblockwrite.h"
#include "settings/editor/settingspolling.h"
#include "tests/support/testfiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

struct Sent
{
    uint32_t msgId;
    QByteArray record; // 2025: the block record; 2027: the path
    intptr_t p1;
    intptr_t p2;
};

int32_t i32(const QByteArray &b, int offset)
{
    const auto *p = reinterpret_cast<const uchar *>(b.constData() + offset);
    return int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

} // namespace

class tst_SettingsExchange : public QObject
{
    Q_OBJECT

private slots:
    void blockWrite_data();
    void blockWrite();
    void timeoutFails();
    void answeredInsideSend();
    void unreadableFileFails();
    void blockLayout();

    void answersGoToTheWaitingPage();
    void pollingRestsBetweenAnswers();
    void offlineAndStopEndEverything();

private:
    QTemporaryDir m_dir;
    QList<Sent> m_sent;
    std::function<void(const Sent &)> m_inside;
    SettingsBlockWrite::Send sender()
    {
        return [this](uint32_t msgId, intptr_t p1, intptr_t p2) -> int32_t {
            Sent s{msgId, {}, p1, p2};
            if (msgId == SettingsBlockWrite::BlockMessage)
                s.record = QByteArray(reinterpret_cast<const char *>(p1), SettingsBlockWrite::RecordSize);
            else if (msgId == SettingsBlockWrite::WrittenMessage)
                s.record = reinterpret_cast<const QString *>(p1)->toUtf8();
            m_sent << s;
            if (m_inside)
                m_inside(s);
            return 0;
        };
    }
    QString file(int size)
    {
        QByteArray bytes(size, 'x');
        for (int i = 0; i < size; ++i)
            bytes[i] = char('a' + i % 26);
        const QString path = m_dir.filePath(QStringLiteral("w%1.xml").arg(size));
        TestFiles::write(path, bytes);
        return path;
    }
};

// Events: "ack N", "detach", "cancel", "yes", "no", "wait" (the event loop
// runs); after each, the state expected.
void tst_SettingsExchange::blockWrite_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("states");
    QTest::addColumn<QList<int>>("blocks");  // block numbers sent, in order
    QTest::addColumn<bool>("written");       // 2027 sent
    QTest::addColumn<int>("failure");

    using F = SettingsBlockWrite::Failure;
    QTest::newRow("three blocks, then yes")
        << 1300 << QStringList{"ack 1", "wait", "ack 1", "wait", "ack 1", "wait", "yes"}
        << QStringList{"sending", "waitingAck", "sending", "waitingAck", "askingFinal", "askingFinal", "done"}
        << QList<int>{1, 2, 3} << true << int(F::None);
    QTest::newRow("2: the same block again")
        << 1300 << QStringList{"ack 2", "wait", "ack 2", "wait", "ack 1", "wait"}
        << QStringList{"sending", "waitingAck", "sending", "waitingAck", "sending", "waitingAck"}
        << QList<int>{1, 1, 1, 2} << false << int(F::None);
    QTest::newRow("last block, then no") << 1024 << QStringList{"ack 1", "wait", "ack 1", "wait", "no"}
                                         << QStringList{"sending", "waitingAck", "askingFinal", "askingFinal", "done"}
                                         << QList<int>{1, 2} << false << int(F::None);
    QTest::newRow("any other acknowledgement fails") << 1300 << QStringList{"ack 1", "wait", "ack 3", "ack 1", "wait"}
                                                     << QStringList{"sending", "waitingAck", "failed", "failed", "failed"}
                                                     << QList<int>{1, 2} << false << int(F::BadAcknowledgement);
    QTest::newRow("detach mid-write, late acknowledgement ignored")
        << 1300 << QStringList{"ack 1", "wait", "detach", "ack 1", "wait"}
        << QStringList{"sending", "waitingAck", "failed", "failed", "failed"} << QList<int>{1, 2} << false
        << int(F::Detached);
    QTest::newRow("cancel before the block went") << 1300 << QStringList{"ack 1", "cancel", "wait"}
                                                  << QStringList{"sending", "failed", "failed"} << QList<int>{1} << false
                                                  << int(F::Cancelled);
    QTest::newRow("detach at the final question") << 10 << QStringList{"ack 1", "detach", "wait", "yes"}
                                                  << QStringList{"askingFinal", "failed", "failed", "failed"}
                                                  << QList<int>{1} << false << int(F::Detached);
    QTest::newRow("acknowledgement twice for one block") << 1300 << QStringList{"ack 1", "ack 1", "wait"}
                                                         << QStringList{"sending", "sending", "waitingAck"}
                                                         << QList<int>{1, 2} << false << int(F::None);
}

void tst_SettingsExchange::blockWrite()
{
    QFETCH(int, size);
    QFETCH(QStringList, events);
    QFETCH(QStringList, states);
    QFETCH(QList<int>, blocks);
    QFETCH(bool, written);
    QFETCH(int, failure);
    m_sent.clear();
    m_inside = nullptr;
    const QString path = file(size);
    SettingsBlockWrite write(sender());
    QSignalSpy question(&write, &SettingsBlockWrite::finalQuestion);
    QVERIFY(write.start(path));
    QCOMPARE(SettingsBlockWrite::stateName(write.state()), "waitingAck");
    QCOMPARE(m_sent.size(), 1); // the first block leaves at once

    for (int i = 0; i < events.size(); ++i) {
        const QString &e = events.at(i);
        if (e.startsWith(QLatin1String("ack ")))
            write.acknowledge(e.mid(4).toInt());
        else if (e == QLatin1String("detach"))
            write.detach();
        else if (e == QLatin1String("cancel"))
            write.cancel();
        else if (e == QLatin1String("yes") || e == QLatin1String("no"))
            write.answer(e == QLatin1String("yes"));
        else
            QCoreApplication::processEvents();
        QCOMPARE(QString::fromLatin1(SettingsBlockWrite::stateName(write.state())), states.at(i));
    }
    QList<int> numbers;
    for (const Sent &s : m_sent) {
        if (s.msgId == SettingsBlockWrite::BlockMessage)
            numbers << i32(s.record, 1028);
    }
    QCOMPARE(numbers, blocks);
    bool sent2027 = false;
    for (const Sent &s : m_sent)
        sent2027 = sent2027 || (s.msgId == SettingsBlockWrite::WrittenMessage && QString::fromUtf8(s.record) == path);
    QCOMPARE(sent2027, written);
    QCOMPARE(int(write.failure()), failure);
    if (write.state() == SettingsBlockWrite::State::AskingFinal)
        QCOMPARE(question.count(), 1);
    const bool ended = write.state() == SettingsBlockWrite::State::Done
                       || write.state() == SettingsBlockWrite::State::Failed;
    QCOMPARE(QFile::exists(path), !ended); // the file goes when the write ends
}

void tst_SettingsExchange::timeoutFails()
{
    m_sent.clear();
    m_inside = nullptr;
    SettingsBlockWrite write(sender(), 40);
    QSignalSpy finished(&write, &SettingsBlockWrite::finished);
    QVERIFY(write.start(file(1300)));
    write.acknowledge(1);
    QTRY_COMPARE(m_sent.size(), 2);
    // Each acknowledgement gives the next block its own time.
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 2000);
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QCOMPARE(write.failure(), SettingsBlockWrite::Failure::Timeout);
    QCOMPARE(write.timeoutMs(), 40);
    QCOMPARE(SettingsBlockWrite(sender()).timeoutMs(), 10000);
}

void tst_SettingsExchange::answeredInsideSend()
{
    // A host that acknowledges from inside send: every block still leaves
    // from the event loop, the stack never grows with the blocks.
    m_sent.clear();
    SettingsBlockWrite write(sender());
    int depth = 0;
    int deepest = 0;
    m_inside = [&](const Sent &s) {
        if (s.msgId != SettingsBlockWrite::BlockMessage)
            return;
        ++depth;
        deepest = std::max(deepest, depth);
        write.acknowledge(1);
        --depth;
    };
    connect(&write, &SettingsBlockWrite::finalQuestion, &write, [&] { write.answer(true); });
    QVERIFY(write.start(file(51200)));
    QTRY_COMPARE(write.state(), SettingsBlockWrite::State::Done);
    QCOMPARE(deepest, 1);
    QCOMPARE(m_sent.size(), 101); // 100 blocks and 2027
    QCOMPARE(i32(m_sent.at(99).record, 1036), 199);
    QCOMPARE(write.bytesWritten(), qint64(51200));
    m_inside = nullptr;
}

void tst_SettingsExchange::unreadableFileFails()
{
    m_sent.clear();
    m_inside = nullptr;
    SettingsBlockWrite write(sender());
    QSignalSpy finished(&write, &SettingsBlockWrite::finished);
    QVERIFY(!write.start(m_dir.filePath(QStringLiteral("none.xml"))));
    QCOMPARE(write.state(), SettingsBlockWrite::State::Failed);
    QCOMPARE(write.failure(), SettingsBlockWrite::Failure::CannotRead);
    QCOMPARE(finished.count(), 1);
    QVERIFY(m_sent.isEmpty());
    // And a next write runs.
    QVERIFY(write.start(file(10)));
    QCOMPARE(write.state(), SettingsBlockWrite::State::WaitingAck);
}

void tst_SettingsExchange::blockLayout()
{
    const QByteArray block = SettingsBlockWrite::settingsBlock(QByteArray(600, 'x'), 3, 4, 102);
    QCOMPARE(block.size(), 1040);
    QCOMPARE(block.left(512), QByteArray(512, 'x'));
    QCOMPARE(block.mid(512, 512), QByteArray(512, '\0'));
    QCOMPARE(i32(block, 1024), 512);
    QCOMPARE(i32(block, 1028), 3);
    QCOMPARE(i32(block, 1032), 4);
    QCOMPARE(i32(block, 1036), 102);
}

// ------------------------------------------------------------ the polling service

void tst_SettingsExchange::answersGoToTheWaitingPage()
{
    m_sent.clear();
    m_inside = nullptr;
    SettingsPolling polling(sender());
    QObject a;
    QObject b;
    SettingsPolling::Request r;
    r.msgId = 2078;
    r.answers = {2079};
    QVERIFY(!polling.request(&a, r)); // offline: nothing sent, nothing awaited
    QCOMPARE(polling.waiter(2079), nullptr);
    polling.setOnline(true);
    QVERIFY(polling.request(&a, r));
    QCOMPARE(polling.waiter(2079), &a);
    QCOMPARE(polling.waiter(2081), nullptr);
    polling.answered(2079);
    QCOMPARE(polling.waiter(2079), nullptr); // one request, one answer

    // A stream of answers until the page stops.
    SettingsPolling::Request search;
    search.msgId = 2130;
    search.answers = {2131};
    QVERIFY(polling.request(&b, search, true));
    polling.answered(2131);
    polling.answered(2131);
    QCOMPARE(polling.waiter(2131), &b);
    polling.stop(&b);
    QCOMPARE(polling.waiter(2131), nullptr);

    // Bytes sent by address stay alive with the service.
    SettingsPolling::Request step;
    step.msgId = 2127;
    step.bytes = QByteArray("\x41\x00", 2);
    step.answers = {2128};
    QVERIFY(polling.request(&a, step));
    QCOMPARE(reinterpret_cast<const char *>(m_sent.last().p1)[0], 'A');
}

void tst_SettingsExchange::pollingRestsBetweenAnswers()
{
    m_sent.clear();
    m_inside = nullptr;
    SettingsPolling polling(sender());
    polling.setOnline(true);
    QObject page;
    SettingsPolling::Request r;
    r.msgId = 2076;
    r.answers = {2077, 2054};
    QVERIFY(polling.start(&page, r, 20));
    QCOMPARE(polling.state(), SettingsPolling::State::Waiting);
    QCOMPARE(m_sent.size(), 1);
    QTest::qWait(60); // no answer: no second request
    QCOMPARE(m_sent.size(), 1);
    polling.answered(2054);
    QCOMPARE(polling.state(), SettingsPolling::State::Resting);
    QVERIFY(polling.timer()->isActive());
    polling.answered(2077); // a second answer to the same request changes nothing
    QTRY_COMPARE(m_sent.size(), 2);
    QCOMPARE(polling.state(), SettingsPolling::State::Waiting);

    // The answer that ends the cycle ends the polling.
    QSignalSpy stopped(&polling, &SettingsPolling::stopped);
    polling.answered(2077, false);
    QCOMPARE(polling.state(), SettingsPolling::State::Idle);
    QCOMPARE(stopped.count(), 1);
    QCOMPARE(polling.waiter(2077), nullptr);
}

void tst_SettingsExchange::offlineAndStopEndEverything()
{
    m_sent.clear();
    m_inside = nullptr;
    SettingsPolling polling(sender());
    polling.setOnline(true);
    QObject page;
    QObject other;
    QSignalSpy stopped(&polling, &SettingsPolling::stopped);
    SettingsPolling::Request r;
    r.msgId = 2076;
    r.answers = {2077};
    QVERIFY(polling.start(&page, r, 20));
    SettingsPolling::Request read;
    read.msgId = 2080;
    read.answers = {2081};
    QVERIFY(polling.request(&other, read));
    polling.stop(&other); // another page left: the polling goes on
    QVERIFY(polling.isPolling());
    QCOMPARE(polling.waiter(2081), nullptr);
    polling.setOnline(false);
    QVERIFY(!polling.isPolling());
    QCOMPARE(stopped.count(), 1);
    QCOMPARE(stopped.at(0).at(0).value<QObject *>(), &page);
    QCOMPARE(polling.waiter(2077), nullptr);
    QVERIFY(!polling.start(&page, r, 20)); // nothing offline
    const int sent = m_sent.size();
    QTest::qWait(50);
    QCOMPARE(m_sent.size(), sent);
}

QTEST_GUILESS_MAIN(tst_SettingsExchange)
#include "tst_settingsexchange.moc"
