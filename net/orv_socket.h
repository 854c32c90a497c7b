#ifndef ORV_SOCKET_H
#define ORV_SOCKET_H

#include "net/serverconnectiontest.h"

#include <QObject>
#include <QPointer>
#include <QString>

class FormWait;
class QWidget;

// The server connection test of a settings page: a ServerConnectionTest with
// the wait window counting the seconds. Each test reports once through
// testConnected(); with showsResult() on, the page's message for the outcome
// is shown as well.
//
// A page that needs nothing more calls
//     orv_Socket::testServer(this, host, port);
// which keeps one tester per page (created on first use, owned by the page)
// and shows the success or failure message itself.
class orv_Socket : public QObject
{
    Q_OBJECT

public:
    explicit orv_Socket(QWidget *page, int limitMs = ServerConnectionTest::DefaultLimitMs,
                        int tickMs = ServerConnectionTest::DefaultTickMs);
    ~orv_Socket() override;

    // The page's tester (made on first use, a child of the page, showing its
    // result messages), started on host and port.
    static orv_Socket *testServer(QWidget *page, const QString &host, int port);

    void start(const QString &host, int port);
    // Ends a running test (as the wait window's Esc does); it reports as aborted.
    void abort();

    bool showsResult() const { return m_showsResult; }
    void setShowsResult(bool show) { m_showsResult = show; }
    // The message box of the last finished test, over parent: success, or
    // failure with its reason; nothing for an aborted test.
    void showResult(QWidget *parent) const;
    // The reason line of the last finished test's message.
    QString resultDetail() const;

    bool isRunning() const { return m_test->isRunning(); }
    ServerConnectionTest *connectionTest() const { return m_test; }
    FormWait *waitDialog() const { return waitDialog_.data(); }

signals:
    // Once per test: peer address, host name, and true exactly when the
    // connection was established.
    void testConnected(const QString &qsNameIP, const QString &qsNameDNS, bool bError);

private slots:
    void slot_tick(int elapsedTicks);
    void slot_finished(const QString &qsNameIP, const QString &qsNameDNS, bool connected);
    void slot_rejected_waitDialog();

private:
    QString secondsText(int seconds) const;

    QPointer<QWidget> m_page;
    ServerConnectionTest *m_test;
    QPointer<FormWait> waitDialog_; // a child of the page
    bool m_showsResult = false;
};

#endif // ORV_SOCKET_H
