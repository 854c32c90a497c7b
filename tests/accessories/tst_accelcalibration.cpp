// The accelerometer calibration wizard as an exchange: what the tracker's
// statuses make of its screens, which commands it sends, and that it never
// waits for ever.

#include "accessories/accelcalibration.h"

#include <QSignalSpy>
#include <QTest>

using Screen = AccelCalibration::Screen;
using Action = AccelCalibration::Action;

namespace {

QByteArray statusAnswer(char status)
{
    QByteArray bytes("*#ACCEL:G");
    bytes.append(status);
    return bytes;
}

} // namespace

class tst_AccelCalibration : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void statusSequences_data();
    void statusSequences();
    void answersThatAreNotStatusesAreIgnored_data();
    void answersThatAreNotStatusesAreIgnored();
    void commandWithoutAnswerShowsNoAnswer();
    void staticStepEndsAtItsMaximum_data();
    void staticStepEndsAtItsMaximum();
    void dynamicStepRunsPastOneSecondUntilItsLimit();
    void cancelWithSilentTrackerClosesAtTheLimit();
    void detachCloses();
    void answerInsideSendIsHandledAfterTheCommand();

private:
    void run(const QString &script);
    bool deliver(char status);

    std::unique_ptr<AccelCalibration> m_wizard;
    QStringList m_sent;
    std::function<void()> m_insideSend;
};

void tst_AccelCalibration::init()
{
    m_sent.clear();
    m_insideSend = nullptr;
    m_wizard = std::make_unique<AccelCalibration>(
        [this](uint32_t msgId, intptr_t p1, intptr_t p2) {
            QCOMPARE(msgId, AccelCalibration::CommandMessage);
            QCOMPARE(p2, intptr_t(0));
            m_sent << QString::fromLatin1(reinterpret_cast<const char *>(p1), 2);
            if (m_insideSend)
                m_insideSend();
        },
        200);
    m_wizard->setTickInterval(2);
    m_wizard->setDynamicLimit(60);
    m_wizard->start();
}

void tst_AccelCalibration::cleanup()
{
    m_wizard.reset();
}

bool tst_AccelCalibration::deliver(char status)
{
    const QByteArray answer = statusAnswer(status);
    return m_wizard->receiveAnswer(reinterpret_cast<const uchar *>(answer.constData()), int(answer.size()));
}

// Events separated by spaces: gnss, autonomous, check (the action chosen),
// next, prev, cancel, and s<c> for the tracker's status c.
void tst_AccelCalibration::run(const QString &script)
{
    const QStringList events = script.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &e : events) {
        if (e == QLatin1String("gnss"))
            m_wizard->setAction(Action::Gnss);
        else if (e == QLatin1String("autonomous"))
            m_wizard->setAction(Action::Autonomous);
        else if (e == QLatin1String("check"))
            m_wizard->setAction(Action::Check);
        else if (e == QLatin1String("next"))
            m_wizard->next();
        else if (e == QLatin1String("prev"))
            m_wizard->prev();
        else if (e == QLatin1String("cancel"))
            m_wizard->cancel();
        else if (e.startsWith(QLatin1Char('s')) && e.size() == 2)
            deliver(e.at(1).toLatin1());
        else
            QFAIL(qPrintable(QStringLiteral("unknown event ") + e));
    }
}

void tst_AccelCalibration::statusSequences_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("screen");  // at the end; -1 closed
    QTest::addColumn<QString>("sent");
    QTest::addColumn<bool>("busy");

    QTest::newRow("GNSS: started, finished by the user") << "gnss next next s1 s; next" << -1 << "G0" << false;
    QTest::newRow("GNSS: started, wizard still open") << "gnss next next s1 s;" << 10 << "G0" << false;
    QTest::newRow("autonomous: static, dynamic, done") << "autonomous next next s1 s3 s5" << 8 << "G3" << false;
    QTest::newRow("autonomous: static step running") << "autonomous next next s1" << 6 << "G3" << true;
    QTest::newRow("autonomous: dynamic step running") << "autonomous next next s1 s3" << 7 << "G3" << true;
    QTest::newRow("check: static, dynamic, correct") << "check next next s1 s7 s9" << 14 << "G1" << false;
    QTest::newRow("check: must be repeated, back to the choice") << "check next next s1 s7 s8 next" << 0 << "G1" << false;
    QTest::newRow("unsupported at the start") << "gnss next next s0" << 2 << "G0" << false;
    QTest::newRow("unsupported during the dynamic check") << "check next next s1 s7 s0" << 2 << "G1" << false;
    QTest::newRow("unsupported, Finish closes") << "autonomous next next s0 next" << -1 << "G3" << false;
    QTest::newRow("vehicle moved: error, Next to the choice") << "autonomous next next s1 s2 next" << 0 << "G3" << false;
    QTest::newRow("did not move off") << "autonomous next next s1 s3 s4" << 1 << "G3" << false;
    QTest::newRow("too few accelerations") << "autonomous next next s1 s3 s6" << 1 << "G3" << false;
    QTest::newRow("gravity not measured") << "check next next s1 s:" << 1 << "G1" << false;
    QTest::newRow("GNSS failed") << "gnss next next s1 s<" << 1 << "G0" << false;
    QTest::newRow("Prev on the choice's preparation screens") << "check next prev autonomous next" << 5 << "" << false;
    // A cancelled step is back at its preparation, no longer waiting:
    // Next starts it again.
    QTest::newRow("Prev cancels the static step; Next starts again")
        << "autonomous next next s1 prev s1 next" << 5 << "G3 G2 G3" << true;
    QTest::newRow("Prev cancels the dynamic check") << "check next next s1 s7 prev s1" << 11 << "G1 G2" << false;
    QTest::newRow("Prev cancels the running GNSS calibration") << "gnss next next s1 s; prev s1" << 9 << "G0 G2" << false;
    QTest::newRow("Cancel on a screen without waiting closes at once") << "gnss next cancel" << -1 << "" << false;
    QTest::newRow("Cancel while a step runs sends G2, the next status closes")
        << "autonomous next next s1 s3 cancel s1" << -1 << "G3 G2" << false;
    QTest::newRow("Cancel before the command's answer, any status closes")
        << "check next next cancel s5" << -1 << "G1 G2" << false;
    QTest::newRow("Cancel while a step runs: waits for the status") << "autonomous next next s1 cancel" << 6 << "G3 G2"
                                                                   << true;
    QTest::newRow("Cancel on the GNSS started screen closes, the tracker goes on") << "gnss next next s1 s; cancel"
                                                                                  << -1 << "G0" << false;
    QTest::newRow("Next is not taken while a command waits") << "autonomous next next next next" << 5 << "G3" << true;
    QTest::newRow("Prev is not taken while G2 waits") << "autonomous next next s1 prev prev" << 6 << "G3 G2" << true;
}

void tst_AccelCalibration::statusSequences()
{
    QFETCH(QString, script);
    QFETCH(int, screen);
    QFETCH(QString, sent);
    QFETCH(bool, busy);
    QSignalSpy active(m_wizard.get(), &AccelCalibration::activeChanged);
    run(script);
    QCOMPARE(m_sent.join(QLatin1Char(' ')), sent);
    if (screen < 0) {
        QVERIFY(!m_wizard->isActive());
        QCOMPARE(active.count(), 1);
        QCOMPARE(active.first().at(0).toBool(), false);
        return;
    }
    QVERIFY(m_wizard->isActive());
    QCOMPARE(int(m_wizard->screen()), screen);
    QCOMPARE(m_wizard->isBusy(), busy);
    QCOMPARE(m_wizard->nextFinishes(), AccelCalibration::finishes(Screen(screen)));
}

void tst_AccelCalibration::answersThatAreNotStatusesAreIgnored_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("9 bytes") << QByteArray("*#ACCEL:G");
    QTest::newRow("no G at byte 8") << QByteArray("*#ACCEL:A1");
    QTest::newRow("G at byte 7") << QByteArray("*#ACCELG1x");
    QTest::newRow("status beyond <") << QByteArray("*#ACCEL:G=");
    QTest::newRow("live values of the poll") << QByteArray("*#ACCEL:A\x00\x12\x34", 12);
}

void tst_AccelCalibration::answersThatAreNotStatusesAreIgnored()
{
    QFETCH(QByteArray, answer);
    run(QStringLiteral("autonomous next next s1"));
    QCOMPARE(m_wizard->screen(), Screen::StaticStep);
    QVERIFY(!m_wizard->receiveAnswer(reinterpret_cast<const uchar *>(answer.constData()), int(answer.size())));
    QCOMPARE(m_wizard->screen(), Screen::StaticStep);
    QVERIFY(m_wizard->isBusy());
    QCOMPARE(m_wizard->lastStatus(), '1');
}

void tst_AccelCalibration::commandWithoutAnswerShowsNoAnswer()
{
    run(QStringLiteral("gnss next next"));
    QCOMPARE(m_wizard->waiting(), AccelCalibration::Wait::Answer);
    QTRY_COMPARE(m_wizard->screen(), Screen::NoAnswer);
    QVERIFY(!m_wizard->isBusy());
    QVERIFY(m_wizard->nextFinishes());
    QVERIFY(m_wizard->canNext());
    m_wizard->next();
    QVERIFY(!m_wizard->isActive());
}

void tst_AccelCalibration::staticStepEndsAtItsMaximum_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("maximum");
    QTest::newRow("calibration") << "autonomous next next s1" << int(AccelCalibration::StaticCalibrationTicks);
    QTest::newRow("GNSS calibration") << "gnss next next s1" << int(AccelCalibration::StaticCalibrationTicks);
    QTest::newRow("check") << "check next next s1" << int(AccelCalibration::StaticCheckTicks);
}

void tst_AccelCalibration::staticStepEndsAtItsMaximum()
{
    QFETCH(QString, script);
    QFETCH(int, maximum);
    QSignalSpy ticks(m_wizard.get(), &AccelCalibration::tick);
    run(script);
    QCOMPARE(m_wizard->progressMaximum(), maximum);
    QCOMPARE(m_wizard->progressValue(), 0);
    QTRY_COMPARE(m_wizard->screen(), Screen::NoAnswer);
    QCOMPARE(ticks.count(), maximum);
    QCOMPARE(ticks.last().at(0).toInt(), maximum);
    QVERIFY(!m_wizard->isBusy());
}

void tst_AccelCalibration::dynamicStepRunsPastOneSecondUntilItsLimit()
{
    // One tick of 50 ms stands for the second of a real wizard.
    m_wizard->setTickInterval(50);
    m_wizard->setDynamicLimit(6);
    run(QStringLiteral("autonomous next next s1 s3"));
    QCOMPARE(m_wizard->screen(), Screen::DynamicCalibration);
    QCOMPARE(m_wizard->progressMaximum(), 0);
    QSignalSpy ticks(m_wizard.get(), &AccelCalibration::tick);
    QTRY_VERIFY(ticks.count() >= 3);
    QCOMPARE(m_wizard->screen(), Screen::DynamicCalibration);
    QVERIFY(m_wizard->isBusy());
    QTRY_COMPARE(m_wizard->screen(), Screen::NoAnswer);
    QCOMPARE(ticks.count(), 6);
}

void tst_AccelCalibration::cancelWithSilentTrackerClosesAtTheLimit()
{
    run(QStringLiteral("autonomous next next s1 cancel"));
    QVERIFY(m_wizard->isCancelling());
    QVERIFY(!m_wizard->canCancel());
    QSignalSpy closed(m_wizard.get(), &AccelCalibration::closed);
    QVERIFY(closed.wait(2000));
    QCOMPARE(closed.first().at(0).value<AccelCalibration::End>(), AccelCalibration::End::Cancelled);
    QVERIFY(!m_wizard->isActive());
    // A status after the end changes nothing.
    QVERIFY(!deliver('5'));
    QCOMPARE(m_sent, QStringList({QStringLiteral("G3"), QStringLiteral("G2")}));
}

void tst_AccelCalibration::detachCloses()
{
    run(QStringLiteral("check next next s1 s7"));
    QSignalSpy active(m_wizard.get(), &AccelCalibration::activeChanged);
    QSignalSpy closed(m_wizard.get(), &AccelCalibration::closed);
    m_wizard->detach();
    QCOMPARE(closed.count(), 1);
    QCOMPARE(closed.first().at(0).value<AccelCalibration::End>(), AccelCalibration::End::Detached);
    QCOMPARE(active.count(), 1);
    QVERIFY(!m_wizard->isBusy());
    // No timer is left to fire.
    QTest::qWait(300);
    QCOMPARE(closed.count(), 1);
    QCOMPARE(m_sent.size(), 1);
}

void tst_AccelCalibration::answerInsideSendIsHandledAfterTheCommand()
{
    // The host answers from inside the send: the wizard is already waiting.
    m_insideSend = [this] { deliver('1'); };
    run(QStringLiteral("check next next"));
    QCOMPARE(m_wizard->screen(), Screen::StaticCheck);
    QCOMPARE(m_wizard->waiting(), AccelCalibration::Wait::Step);
    m_insideSend = [this] { deliver('1'); };
    m_wizard->prev();
    QCOMPARE(m_wizard->screen(), Screen::CheckPreparation);
    QVERIFY(!m_wizard->isBusy());
}

QTEST_GUILESS_MAIN(tst_AccelCalibration)
#include "tst_accelcalibration.moc"
