// The connection test as a page sees it: the wait window and its seconds,
// one testConnected per test, and the page's success and failure messages.

#include "core/formwait.h"
#include "net/orv_socket.h"
#include "silentserver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

namespace {

// Without the host's catalogues a text key has no %1 for arg() to fill:
// those warnings say nothing here.
QtMessageHandler previousHandler = nullptr;
void quietArgWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QString::arg")))
        return;
    previousHandler(type, context, message);
}

quint16 closedPort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost))
        return 0;
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

// Records and accepts every modal message box shown while it lives.
class MessageBoxCatcher : public QObject
{
public:
    struct Box
    {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QStringList buttons;
    };

    MessageBoxCatcher()
    {
        connect(&m_poll, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            Box seen{box->windowTitle(), box->text(), box->icon(), {}};
            for (QAbstractButton *b : box->buttons())
                seen.buttons << b->text();
            boxes << seen;
            box->accept();
        });
        m_poll.start(5);
    }

    QList<Box> boxes;

private:
    QTimer m_poll;
};

} // namespace

class tst_OrvSocket : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(quietArgWarnings); }
    void waitWindowAsDescribed();
    void successShowsThePagesMessage();
    void failuresShowTheReason_data();
    void failuresShowTheReason();
    void waitWindowCountsAndCloses();
    void escapeOnTheWaitWindowEndsTheTest();
    void onePageTesterReused();
};

void tst_OrvSocket::waitWindowAsDescribed()
{
    QWidget page;
    orv_Socket socket(&page);
    FormWait *wait = socket.waitDialog();
    QVERIFY(wait);
    QCOMPARE(wait->parentWidget(), &page);
    QCOMPARE(wait->message(), QStringLiteral("Тестовое подключение к серверу"));
    QCOMPARE(wait->caption(), QStringLiteral("Прошло времени:"));
    QCOMPARE(wait->findChild<QWidget *>(QStringLiteral("label_fileCount"))->toolTip(),
             QStringLiteral("Прошло времени:"));
    QCOMPARE(wait->current(), QStringLiteral("0 сек"));
    QCOMPARE(wait->total(), QStringLiteral("60 сек"));
    QCOMPARE(wait->minimum(), 0);
    QCOMPARE(wait->maximum(), 60);
    QVERIFY(wait->status().isEmpty());
    QVERIFY(!wait->isVisible());

    // A shorter limit shows its own maximum.
    orv_Socket quick(&page, 5000, 500);
    QCOMPARE(quick.waitDialog()->total(), QStringLiteral("5 сек"));
    QCOMPARE(quick.waitDialog()->maximum(), 10);
}

void tst_OrvSocket::successShowsThePagesMessage()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    QWidget page;
    orv_Socket socket(&page);
    socket.setShowsResult(true);
    QSignalSpy reports(&socket, &orv_Socket::testConnected);
    MessageBoxCatcher boxes;

    socket.start(QStringLiteral("127.0.0.1"), server.serverPort());
    QVERIFY(socket.waitDialog()->isVisible());
    QVERIFY(reports.wait(20000));
    QVERIFY(!socket.waitDialog()->isVisible());
    QCOMPARE(reports.count(), 1);
    QCOMPARE(reports.at(0).at(2).toBool(), true);
    QTRY_COMPARE(boxes.boxes.size(), 1);
    const auto &box = boxes.boxes.first();
    QCOMPARE(box.title, QStringLiteral("K4810_140"));
    QVERIFY(box.text.startsWith(QStringLiteral("K4810_139")));
    QCOMPARE(box.icon, QMessageBox::Information);
    QCOMPARE(box.buttons, QStringList{QStringLiteral("K4810_003")});
    QCOMPARE(socket.resultDetail(), QStringLiteral("K4810_2400\nK4810_2401"));
}

void tst_OrvSocket::failuresShowTheReason_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("detail");
    QTest::addColumn<bool>("dialogShown");

    QTest::newRow("refused") << int(closedPort()) << QStringLiteral("K4810_2402") << true;
    QTest::newRow("port 0") << 0 << QStringLiteral("K4810_2406") << false;
    QTest::newRow("port 65536") << 65536 << QStringLiteral("K4810_2406") << false;
}

void tst_OrvSocket::failuresShowTheReason()
{
    QFETCH(int, port);
    QFETCH(QString, detail);
    QFETCH(bool, dialogShown);

    QWidget page;
    orv_Socket socket(&page);
    socket.setShowsResult(true);
    QSignalSpy reports(&socket, &orv_Socket::testConnected);
    QSignalSpy shown(socket.waitDialog(), &QDialog::finished);
    MessageBoxCatcher boxes;

    socket.start(QStringLiteral("127.0.0.1"), port);
    QVERIFY(reports.count() == 1 || reports.wait(20000));
    QCOMPARE(reports.count(), 1);
    QCOMPARE(reports.at(0).at(2).toBool(), false);
    QVERIFY(!socket.waitDialog()->isVisible());
    QTRY_COMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes.first().title, QStringLiteral("K4810_138"));
    QCOMPARE(boxes.boxes.first().text, QStringLiteral("K4810_137\n\n") + detail);
    QCOMPARE(boxes.boxes.first().icon, QMessageBox::Warning);
    if (!dialogShown)
        QCOMPARE(socket.connectionTest()->elapsedTicks(), 0);
}

void tst_OrvSocket::waitWindowCountsAndCloses()
{
    SilentServer server;
    if (!server.isReady())
        QSKIP("this system completes connections to a full listen queue");
    QWidget page;
    orv_Socket socket(&page, 600, 100);
    QSignalSpy reports(&socket, &orv_Socket::testConnected);
    socket.start(QStringLiteral("127.0.0.1"), server.port());
    QVERIFY(socket.waitDialog()->isVisible());
    QVERIFY(reports.wait(20000));
    QCOMPARE(reports.count(), 1);
    QCOMPARE(socket.connectionTest()->outcome(), ServerConnectionTest::Outcome::TimedOut);
    QVERIFY(socket.waitDialog()->value() >= 1);
    QVERIFY(socket.waitDialog()->value() <= socket.waitDialog()->maximum());
    QVERIFY(!socket.waitDialog()->isVisible());
    QCOMPARE(socket.resultDetail(), QStringLiteral("K4810_2405"));

    // The next test starts counting from 0 again.
    socket.start(QStringLiteral("127.0.0.1"), server.port());
    QCOMPARE(socket.waitDialog()->value(), 0);
    QCOMPARE(socket.waitDialog()->current(), QStringLiteral("0 сек"));
    socket.abort();
}

void tst_OrvSocket::escapeOnTheWaitWindowEndsTheTest()
{
    SilentServer server;
    if (!server.isReady())
        QSKIP("this system completes connections to a full listen queue");
    QWidget page;
    page.show();
    orv_Socket socket(&page);
    socket.setShowsResult(true);
    QSignalSpy reports(&socket, &orv_Socket::testConnected);
    MessageBoxCatcher boxes;
    socket.start(QStringLiteral("127.0.0.1"), server.port());
    QVERIFY(socket.isRunning());
    QTest::keyClick(socket.waitDialog(), Qt::Key_Escape);
    QCOMPARE(reports.count(), 1);
    QCOMPARE(reports.at(0).at(2).toBool(), false);
    QVERIFY(!socket.isRunning());
    QCOMPARE(socket.connectionTest()->outcome(), ServerConnectionTest::Outcome::Aborted);
    // The user ended it: no failure message, and nothing later.
    QTest::qWait(100);
    QCOMPARE(boxes.boxes.size(), 0);
    QCOMPARE(reports.count(), 1);
}

void tst_OrvSocket::onePageTesterReused()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    QWidget page;
    MessageBoxCatcher boxes;

    orv_Socket *first = orv_Socket::testServer(&page, QStringLiteral("localhost"), server.serverPort());
    QVERIFY(first->showsResult());
    QSignalSpy reports(first, &orv_Socket::testConnected);
    QVERIFY(reports.wait(20000));
    QTRY_COMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes.first().title, QStringLiteral("K4810_140"));

    orv_Socket *second = orv_Socket::testServer(&page, QStringLiteral("127.0.0.1"), closedPort());
    QCOMPARE(second, first);
    QVERIFY(reports.wait(20000));
    QTRY_COMPARE(boxes.boxes.size(), 2);
    QCOMPARE(boxes.boxes.last().title, QStringLiteral("K4810_138"));
    QCOMPARE(page.findChildren<orv_Socket *>().size(), 1);
}

QTEST_MAIN(tst_OrvSocket)
#include "tst_orvsocket.moc"
