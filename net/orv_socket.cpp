#include "net/orv_socket.h"

#include "core/formwait.h"
#include "core/orv_messagebox.h"

#include <QWidget>

namespace {
const char *const kTesterName = "orv_Socket";
}

orv_Socket::orv_Socket(QWidget *page, int limitMs, int tickMs)
    : m_page(page)
    , m_test(new ServerConnectionTest(limitMs, tickMs, this))
    , waitDialog_(new FormWait(page))
{
    setObjectName(QLatin1String(kTesterName));
    connect(m_test, &ServerConnectionTest::tick, this, &orv_Socket::slot_tick);
    connect(m_test, &ServerConnectionTest::finished, this, &orv_Socket::slot_finished);

    const int limitSeconds = (m_test->limitMs() + 999) / 1000;
    waitDialog_->reset();
    waitDialog_->setWindowTitle(tr("Тестовое подключение к серверу"));
    waitDialog_->setMessage(tr("Тестовое подключение к серверу"));
    waitDialog_->setCaption(tr("Прошло времени:"));
    waitDialog_->setCurrent(secondsText(0));
    waitDialog_->setTotal(secondsText(limitSeconds));
    waitDialog_->setStatus(QString());
    waitDialog_->setRange(0, m_test->ticksInLimit());
    waitDialog_->setValue(0);
    waitDialog_->showCounters(true);
    // Esc closes the wait window: the test ends with it.
    connect(waitDialog_, &QDialog::rejected, this, &orv_Socket::slot_rejected_waitDialog);
}

orv_Socket::~orv_Socket()
{
    if (waitDialog_) {
        waitDialog_->disconnect(this);
        delete waitDialog_.data();
    }
}

orv_Socket *orv_Socket::testServer(QWidget *page, const QString &host, int port)
{
    auto *tester = page->findChild<orv_Socket *>(QLatin1String(kTesterName), Qt::FindDirectChildrenOnly);
    if (!tester) {
        tester = new orv_Socket(page);
        tester->setParent(page);
        tester->setShowsResult(true);
    }
    tester->start(host, port);
    return tester;
}

void orv_Socket::start(const QString &host, int port)
{
    m_test->start(host, port);
    // A port or host that cannot be tried has been reported already.
    if (!m_test->isRunning() || !waitDialog_)
        return;
    waitDialog_->setCurrent(secondsText(0));
    waitDialog_->setValue(0);
    waitDialog_->show();
}

void orv_Socket::abort()
{
    m_test->abort();
}

void orv_Socket::slot_tick(int elapsedTicks)
{
    if (!waitDialog_)
        return;
    waitDialog_->setCurrent(secondsText(elapsedTicks * m_test->tickMs() / 1000));
    waitDialog_->setValue(qMin(elapsedTicks, waitDialog_->maximum()));
}

void orv_Socket::slot_finished(const QString &qsNameIP, const QString &qsNameDNS, bool connected)
{
    // hide(), not close(): closing a dialog rejects it, which would abort.
    if (waitDialog_)
        waitDialog_->hide();
    emit testConnected(qsNameIP, qsNameDNS, connected);
    if (m_showsResult)
        showResult(m_page);
}

void orv_Socket::slot_rejected_waitDialog()
{
    m_test->abort();
}

QString orv_Socket::resultDetail() const
{
    const ServerConnectionTest &t = *m_test;
    switch (t.outcome()) {
    case ServerConnectionTest::Outcome::Connected: {
        QString text = tr("K4810_2400").arg(t.peerAddress());
        if (!t.hostName().isEmpty())
            text += QLatin1Char('\n') + tr("K4810_2401").arg(t.hostName());
        return text;
    }
    case ServerConnectionTest::Outcome::Refused:
        return tr("K4810_2402").arg(t.port());
    case ServerConnectionTest::Outcome::HostNotFound:
        return tr("K4810_2403").arg(t.host());
    case ServerConnectionTest::Outcome::NetworkError:
        return tr("K4810_2404").arg(t.errorText());
    case ServerConnectionTest::Outcome::TimedOut:
        return tr("K4810_2405").arg((t.limitMs() + 999) / 1000);
    case ServerConnectionTest::Outcome::InvalidPort:
        return tr("K4810_2406").arg(t.port());
    case ServerConnectionTest::Outcome::None:
    case ServerConnectionTest::Outcome::Aborted:
        break;
    }
    return {};
}

void orv_Socket::showResult(QWidget *parent) const
{
    const auto outcome = m_test->outcome();
    if (outcome == ServerConnectionTest::Outcome::None || outcome == ServerConnectionTest::Outcome::Aborted)
        return;
    const QString detail = resultDetail();
    if (outcome == ServerConnectionTest::Outcome::Connected) {
        ORV_MessageBox::tell(parent, QMessageBox::Information, tr("K4810_140"),
                             tr("K4810_139") + QStringLiteral("\n\n") + detail, tr("K4810_003"));
    } else {
        ORV_MessageBox::tell(parent, QMessageBox::Warning, tr("K4810_138"),
                             tr("K4810_137") + QStringLiteral("\n\n") + detail, tr("K4810_003"));
    }
}

QString orv_Socket::secondsText(int seconds) const
{
    return tr("%1 сек").arg(seconds);
}
