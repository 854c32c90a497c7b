// The Bluetooth search: the tracker's answers as the parser reads them, and
// the exchange - answers in, device list and status text out - with its
// cancel, time-outs, detach and answers given from inside the send.

#include "accessories/bluetoothanswer.h"
#include "accessories/bluetoothsearch.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {

using Kind = BluetoothAnswer::Kind;

std::optional<BluetoothAnswer> parse(const QByteArray &bytes)
{
    return BluetoothAnswer::parse(reinterpret_cast<const unsigned char *>(bytes.constData()), int(bytes.size()));
}

QString t(const char *source)
{
    return BluetoothSearch::text(source);
}

// A search whose requests are recorded; `answer` runs inside the send.
struct Rig
{
    QList<uint32_t> sent;
    bool online = true;
    std::function<void(uint32_t)> answer;
    BluetoothSearch search{[this](uint32_t msgId) {
        if (!online)
            return false;
        sent << msgId;
        if (answer)
            answer(msgId);
        return true;
    }};

    bool feed(const QByteArray &bytes)
    {
        return search.onAnswer(reinterpret_cast<const unsigned char *>(bytes.constData()), int(bytes.size()));
    }
    QStringList names() const
    {
        QStringList out;
        for (const BluetoothDevice &d : search.devices())
            out << d.name + QLatin1Char('|') + d.address;
        return out;
    }
};

} // namespace

class tst_BluetoothSearch : public QObject
{
    Q_OBJECT

private slots:
    void parsesAnswers_data();
    void parsesAnswers();
    void searchShowsWhatTheTrackerReports_data();
    void searchShowsWhatTheTrackerReports();
    void cancelWaitsForTheTracker();
    void unconfirmedCancelGivesTheControlsBack();
    void silentSearchTimesOut();
    void detachEndsTheSearch();
    void abandonEndsAtOnceAndIgnoresTheLateAnswer();
    void wholeSearchInsideTheSend();
    void nothingSentOfflineLeavesItIdle();
};

void tst_BluetoothSearch::parsesAnswers_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("address");

    const int S = int(Kind::State);
    const int D = int(Kind::Device);
    QTest::newRow("running") << QByteArray("*#BTDEV0") << true << S << 0 << QString() << QString();
    QTest::newRow("ended") << QByteArray("*#BTDEV1\r\n") << true << S << 1 << QString() << QString();
    QTest::newRow("failed") << QByteArray("*#BTDEV2") << true << S << 2 << QString() << QString();
    QTest::newRow("cancelled") << QByteArray("*#BTDEV3") << true << S << 3 << QString() << QString();
    QTest::newRow("state byte missing") << QByteArray("*#BTDEV") << false << 0 << 0 << QString() << QString();
    QTest::newRow("state out of range") << QByteArray("*#BTDEV7") << false << 0 << 0 << QString() << QString();
    // Tested as a state first, so never read as a device named "x".
    QTest::newRow("state before device") << QByteArray("*#BTDEV\"x\",AA:BB\r") << false << 0 << 0 << QString()
                                         << QString();
    QTest::newRow("device") << QByteArray("*#BT\"ESCORT TD-BLE\",00:1A:7D:DA:71:13\r") << true << D << 0
                            << "ESCORT TD-BLE" << "00:1A:7D:DA:71:13";
    QTest::newRow("quote after some text") << QByteArray("*#BT:1,\"Headset\" 11:22:33\n") << true << D << 0
                                           << "Headset" << "11:22:33";
    QTest::newRow("no closing quote") << QByteArray("*#BT\"Headset,00:11\r") << false << 0 << 0 << QString()
                                      << QString();
    QTest::newRow("no opening quote") << QByteArray("*#BT Headset 00:11\r") << false << 0 << 0 << QString()
                                      << QString();
    QTest::newRow("nothing after the quote") << QByteArray("*#BT\"Headset\"") << false << 0 << 0 << QString()
                                             << QString();
    QTest::newRow("one character after the quote") << QByteArray("*#BT\"Headset\",") << false << 0 << 0 << QString()
                                                   << QString();
    QTest::newRow("two characters: no address") << QByteArray("*#BT\"Headset\",\r") << false << 0 << 0 << QString()
                                                << QString();
    QTest::newRow("three characters: one-character address") << QByteArray("*#BT\"Headset\",A\r") << true << D << 0
                                                             << "Headset" << "A";
    QTest::newRow("no name: the address stands for it") << QByteArray("*#BT\"\",00:11:22\r") << true << D << 0
                                                        << "00:11:22" << "00:11:22";
    QTest::newRow("windows-1251 name") << QByteArray("*#BT\"\xC3\xE0\xF0\xED\xE8\xF2\xF3\xF0\xE0\",5C:F3\r") << true
                                       << D << 0 << QString::fromUtf8("Гарнитура") << "5C:F3";
    QTest::newRow("control characters") << QByteArray("*#BT\"a\x01" "b\x7F\",00:11\r") << true << D << 0
                                        << "a?b?" << "00:11";
    QTest::newRow("markup kept as text") << QByteArray("*#BT\"<b>x</b>\",00:11\r") << true << D << 0 << "<b>x</b>"
                                         << "00:11";
    QTest::newRow("other answer") << QByteArray("*#CANADR1") << false << 0 << 0 << QString() << QString();
    QTest::newRow("short") << QByteArray("*#B") << false << 0 << 0 << QString() << QString();
    QTest::newRow("empty") << QByteArray() << false << 0 << 0 << QString() << QString();
}

void tst_BluetoothSearch::parsesAnswers()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, valid);
    QFETCH(int, kind);
    QFETCH(int, state);
    QFETCH(QString, name);
    QFETCH(QString, address);
    const auto a = parse(answer);
    QCOMPARE(bool(a), valid);
    if (!a)
        return;
    QCOMPARE(int(a->kind), kind);
    if (a->kind == Kind::State) {
        QCOMPARE(int(a->state), state);
    } else {
        QCOMPARE(a->device.name, name);
        QCOMPARE(a->device.address, address);
    }
}

void tst_BluetoothSearch::searchShowsWhatTheTrackerReports_data()
{
    QTest::addColumn<QList<QByteArray>>("answers");
    QTest::addColumn<QStringList>("devices");
    QTest::addColumn<QString>("status");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("selected");

    const QByteArray a("*#BT\"Headset\",00:11:22:33:44:55\r");
    const QByteArray b("*#BT\"Sensor\",66:77:88:99:AA:BB\r");
    using O = BluetoothSearch::Outcome;
    QTest::newRow("running") << QList<QByteArray>{"*#BTDEV0"} << QStringList() << t("Поиск активных устройств...")
                             << int(O::None) << -1;
    QTest::newRow("one device so far")
        << QList<QByteArray>{"*#BTDEV0", a} << QStringList{"Headset|00:11:22:33:44:55"}
        << t("Найдено устройство: %1").arg(QStringLiteral("Headset")) << int(O::None) << -1;
    QTest::newRow("two found, the first selected")
        << QList<QByteArray>{"*#BTDEV0", a, b, "*#BTDEV1"}
        << QStringList{"Headset|00:11:22:33:44:55", "Sensor|66:77:88:99:AA:BB"}
        << t("Поиск завершен. <br>Найдено устройств: %1").arg(2) << int(O::Found) << 0;
    QTest::newRow("none found") << QList<QByteArray>{"*#BTDEV0", "*#BTDEV1"} << QStringList()
                                << t("Поиск завершен. <br>Активных устройств не найдено.") << int(O::NothingFound)
                                << -1;
    QTest::newRow("error clears the list") << QList<QByteArray>{"*#BTDEV0", a, "*#BTDEV2"} << QStringList()
                                           << t("Ошибка, поиск отменён.") << int(O::Failed) << -1;
    QTest::newRow("cancelled by the tracker") << QList<QByteArray>{a, "*#BTDEV3"} << QStringList()
                                              << t("Поиск отменён пользователем.") << int(O::Cancelled) << -1;
    QTest::newRow("the same address twice is one device")
        << QList<QByteArray>{a, QByteArray("*#BT\"Headset 2\",00:11:22:33:44:55\r"), "*#BTDEV1"}
        << QStringList{"Headset 2|00:11:22:33:44:55"} << t("Поиск завершен. <br>Найдено устройств: %1").arg(1)
        << int(O::Found) << 0;
    QTest::newRow("a name is escaped before it reaches rich text")
        << QList<QByteArray>{QByteArray("*#BT\"<img src=x>&amp;\",00:11\r")} << QStringList{"<img src=x>&amp;|00:11"}
        << t("Найдено устройство: %1").arg(QStringLiteral("&lt;img src=x&gt;&amp;amp;")) << int(O::None) << -1;
    QTest::newRow("malformed answers add nothing")
        << QList<QByteArray>{"*#BTDEV0", "*#BT\"Headset,00:11\r", "*#BT\"Headset\",", "*#BTDEV9", "*#BTDEV"}
        << QStringList() << t("Поиск активных устройств...") << int(O::None) << -1;
}

void tst_BluetoothSearch::searchShowsWhatTheTrackerReports()
{
    QFETCH(QList<QByteArray>, answers);
    QFETCH(QStringList, devices);
    QFETCH(QString, status);
    QFETCH(int, outcome);
    QFETCH(int, selected);
    Rig rig;
    QVERIFY(rig.search.start());
    QCOMPARE(rig.sent, QList<uint32_t>{BluetoothSearch::kStartRequest});
    for (const QByteArray &answer : answers)
        rig.feed(answer);
    QCOMPARE(rig.names(), devices);
    QCOMPARE(rig.search.statusText(), status);
    QCOMPARE(int(rig.search.outcome()), outcome);
    QCOMPARE(rig.search.isRunning(), outcome == int(BluetoothSearch::Outcome::None));
    QCOMPARE(rig.search.selectedDevice(), selected);
    // Once it ended, later answers find nothing waiting for them.
    if (!rig.search.isRunning())
        QVERIFY(!rig.feed("*#BT\"Late\",00:99\r"));
}

void tst_BluetoothSearch::cancelWaitsForTheTracker()
{
    Rig rig;
    rig.search.start();
    rig.feed("*#BT\"Headset\",00:11\r");
    rig.search.cancel();
    QCOMPARE(rig.sent, (QList<uint32_t>{BluetoothSearch::kStartRequest, BluetoothSearch::kCancelRequest}));
    QCOMPARE(rig.search.state(), BluetoothSearch::State::Cancelling);
    // Devices still on their way are not added; the confirmation ends it.
    QVERIFY(!rig.feed("*#BT\"Sensor\",00:22\r"));
    QVERIFY(rig.feed("*#BTDEV3"));
    QCOMPARE(rig.search.state(), BluetoothSearch::State::Idle);
    QCOMPARE(rig.search.outcome(), BluetoothSearch::Outcome::Cancelled);
    QVERIFY(rig.search.devices().isEmpty());
    QCOMPARE(rig.search.statusText(), t("Поиск отменён пользователем."));
    // A cancel with no search running sends nothing.
    rig.search.cancel();
    QCOMPARE(rig.sent.size(), 2);
}

void tst_BluetoothSearch::unconfirmedCancelGivesTheControlsBack()
{
    Rig rig;
    rig.search.setTimeouts(60000, 30);
    rig.search.start();
    rig.search.cancel();
    QSignalSpy finished(&rig.search, &BluetoothSearch::finished);
    QVERIFY(finished.wait(2000));
    QCOMPARE(rig.search.state(), BluetoothSearch::State::Idle);
    QCOMPARE(rig.search.outcome(), BluetoothSearch::Outcome::Cancelled);
}

void tst_BluetoothSearch::silentSearchTimesOut()
{
    Rig rig;
    rig.search.setTimeouts(80, 30);
    rig.search.start();
    QSignalSpy finished(&rig.search, &BluetoothSearch::finished);
    // Each answer gives the tracker the time again.
    QTest::qWait(50);
    rig.feed("*#BT\"Headset\",00:11\r");
    QTest::qWait(50);
    QVERIFY(rig.search.isRunning());
    QVERIFY(finished.wait(2000));
    QCOMPARE(rig.search.outcome(), BluetoothSearch::Outcome::TimedOut);
    QVERIFY(!rig.search.isRunning());
    QCOMPARE(rig.search.statusText(), t("K4810_2880"));
    // What was found stays to be taken.
    QCOMPARE(rig.names(), QStringList{"Headset|00:11"});
}

void tst_BluetoothSearch::detachEndsTheSearch()
{
    Rig rig;
    rig.search.start();
    rig.feed("*#BT\"Headset\",00:11\r");
    rig.search.detach();
    QCOMPARE(rig.search.outcome(), BluetoothSearch::Outcome::Detached);
    QVERIFY(!rig.search.isRunning());
    QCOMPARE(rig.search.statusText(), t("K4810_2881"));
    QCOMPARE(rig.sent.size(), 1); // nothing can be sent to a tracker that went away
    QVERIFY(!rig.feed("*#BTDEV1"));
}

void tst_BluetoothSearch::abandonEndsAtOnceAndIgnoresTheLateAnswer()
{
    Rig rig;
    rig.search.start();
    // The tracker confirms the cancel from inside its send: nothing waits any more.
    rig.answer = [&rig](uint32_t msgId) {
        if (msgId == BluetoothSearch::kCancelRequest)
            QVERIFY(!rig.feed("*#BTDEV3"));
    };
    rig.search.abandon();
    QCOMPARE(rig.sent.last(), BluetoothSearch::kCancelRequest);
    QCOMPARE(rig.search.outcome(), BluetoothSearch::Outcome::Cancelled);
    QVERIFY(!rig.search.isRunning());
    rig.search.abandon(); // nothing running: nothing sent
    QCOMPARE(rig.sent.size(), 2);
}

void tst_BluetoothSearch::wholeSearchInsideTheSend()
{
    Rig rig;
    rig.answer = [&rig](uint32_t msgId) {
        if (msgId != BluetoothSearch::kStartRequest)
            return;
        rig.feed("*#BTDEV0");
        rig.feed("*#BT\"Headset\",00:11\r");
        rig.feed("*#BTDEV1");
    };
    QSignalSpy finished(&rig.search, &BluetoothSearch::finished);
    QVERIFY(rig.search.start());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(rig.search.outcome(), BluetoothSearch::Outcome::Found);
    QVERIFY(!rig.search.isRunning());
    QCOMPARE(rig.names(), QStringList{"Headset|00:11"});
    // A new search may start at once.
    rig.answer = nullptr;
    QVERIFY(rig.search.start());
    QVERIFY(rig.search.devices().isEmpty());
}

void tst_BluetoothSearch::nothingSentOfflineLeavesItIdle()
{
    Rig rig;
    rig.online = false;
    QVERIFY(!rig.search.start());
    QCOMPARE(rig.search.state(), BluetoothSearch::State::Idle);
    QVERIFY(rig.search.statusText().isEmpty());
    QVERIFY(!rig.feed("*#BTDEV1"));
}

QTEST_GUILESS_MAIN(tst_BluetoothSearch)
#include "tst_bluetoothsearch.moc"
