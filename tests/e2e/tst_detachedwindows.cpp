// Every request a settings page sends to the tracker, as one table: with
// the tracker detached the editor says so and the request's control is off
// and sends nothing, attached again it is back; attached but never
// answered, the request ends at its limit with a message and the control
// enabled, and an answer that comes after that changes nothing.
//
// (The telemetry and fuel-sensor windows have the same cases in their own
// suites: tests/tmiwindow and tests/fuel.)

#include "accessories/bluetoothsearch.h"
#include "accessories/orv_formbluetooth.h"
#include "accessories/orv_formcan.h"
#include "core/orv_device_k4810.h"
#include "core/orvmessages.h"
#include "settings/editor/orv_formxml_k4810.h"
#include "settings/editor/settingspolling.h"
#include "settings/model/settingsmodel.h"
#include "settings/pages/orv_formsystem.h"
#include "settings/pages/orv_settingspage.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <memory>
#include <vector>

namespace {

using E = orv_FormXml_K4810;

struct Request
{
    uint32_t msgId;
    intptr_t p1;
    intptr_t p2;
};

std::vector<Request> g_requests;

int32_t host(uint32_t, uint32_t msgId, intptr_t p1, intptr_t p2)
{
    g_requests.push_back({msgId, p1, p2});
    return 0; // never answers
}

intptr_t addr(const void *p)
{
    return reinterpret_cast<intptr_t>(p);
}

QList<uint32_t> requestIds()
{
    QList<uint32_t> ids;
    for (const Request &r : g_requests)
        ids.append(r.msgId);
    return ids;
}

// What a page shows: every label, field and list, as text.
QStringList shownOn(QWidget *page)
{
    QStringList out;
    for (QLabel *l : page->findChildren<QLabel *>())
        out << l->objectName() + QLatin1Char('=') + l->text();
    for (QLineEdit *e : page->findChildren<QLineEdit *>())
        out << e->objectName() + QLatin1Char('=') + e->text();
    for (QListWidget *list : page->findChildren<QListWidget *>())
        out << list->objectName() + QLatin1Char('#') + QString::number(list->count());
    return out;
}

} // namespace

class tst_DetachedWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void detachedPageAsksNothing_data();
    void detachedPageAsksNothing();
    void unansweredRequestEndsAtItsLimit_data();
    void unansweredRequestEndsAtItsLimit();

private:
    std::unique_ptr<ORV_Device_K4810> m_device;
    E *m_editor = nullptr;
    QStringList m_messages; // "title|text"

    void deliver(uint32_t msgId, intptr_t p1 = 0, intptr_t p2 = 0)
    {
        m_device->receive(m_device->handle(), msgId, p1, p2);
    }
    // An answer as the host gives it: a one-wire code by address, any other
    // as bytes and their length.
    void deliverAnswer(uint32_t msgId, const QByteArray &bytes)
    {
        if (msgId == OrvMsg::TouchMemoryCode) {
            quint64 code = 0;
            std::memcpy(&code, bytes.constData(), qMin<size_t>(sizeof code, size_t(bytes.size())));
            deliver(msgId, addr(&code), 1);
            return;
        }
        deliver(msgId, addr(bytes.constData()), bytes.size());
    }
    void attach()
    {
        const QString model = QStringLiteral("K-4810");
        const QString id = QStringLiteral("356000000000001");
        deliver(OrvMsg::TrackerAttached, addr(&model), addr(&id));
    }
    // The editor as the host opens it, on the page of the row.
    ORV_SettingsPage *openOn(int position)
    {
        deliver(OrvMsg::OpenSettings, 0);
        m_editor = m_device->settingsWindow();
        m_editor->setNotifier([this](const QString &title, const QString &text) { m_messages << title + '|' + text; });
        ORV_SettingsPage *page = m_editor->page(position);
        m_editor->setCurrentTab(page->tabIndex());
        return page;
    }
    // Every limit of the page's requests cut to a few milliseconds, through
    // what the exchanges offer for it.
    void shortenLimits(ORV_SettingsPage *page)
    {
        m_editor->polling()->setAnswerTimeout(50);
        if (auto *system = qobject_cast<ORV_FormSystem *>(page))
            system->waitTimer()->setInterval(1);
        if (auto *can = qobject_cast<ORV_FormCAN *>(page))
            can->setCheckTimeout(50);
        if (auto *bt = qobject_cast<ORV_FormBluetooth *>(page))
            bt->search()->setTimeouts(50, 50);
    }
    QAbstractButton *button(ORV_SettingsPage *page, const QString &path) const
    {
        // "row/button": a button inside a row widget of the page.
        QObject *parent = page;
        const QStringList names = path.split(QLatin1Char('/'));
        for (int i = 0; i + 1 < names.size() && parent; ++i)
            parent = parent->findChild<QObject *>(names.at(i));
        auto *button = parent ? parent->findChild<QAbstractButton *>(names.last()) : nullptr;
        if (!button)
            qWarning("no control %s", qPrintable(path));
        return button;
    }
};

void tst_DetachedWindows::init()
{
    g_requests.clear();
    m_messages.clear();
    m_device = std::make_unique<ORV_Device_K4810>(QStringLiteral("K-4810"), 2, 7, 3, 6);
    m_device->initialize(host);
}

void tst_DetachedWindows::cleanup()
{
    m_editor = nullptr;
    m_device.reset();
}

// window (the editor's page), request control, request, its answer (a
// well-formed one, which would change the page if it were taken), and how
// the end at the limit shows: a label of the page and its text, or (none)
// the editor's message.
static void requestRows()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("control");
    QTest::addColumn<uint32_t>("request");
    QTest::addColumn<uint32_t>("answer");
    QTest::addColumn<QByteArray>("answerBytes");
    QTest::addColumn<QString>("endLabel");
    QTest::addColumn<QString>("endText");

    const QByteArray state = QByteArray("*#LIVE") + "000040" + "000000" + "1384" + "01100000" + "0412";
    const quint64 sensorKey = 0x5A000001234567ULL << 8 | 0x28; // a DS18B20
    const QByteArray key(reinterpret_cast<const char *>(&sensorKey), sizeof sensorKey);

    QTest::newRow("system: supply voltage") << int(E::PageSystem) << "pushButton_TuningCur"
                                            << uint32_t(OrvMsg::SystemPoll) << uint32_t(OrvMsg::StateAnswer) << state
                                            << QString() << QString();
    QTest::newRow("system: engine detection") << int(E::PageSystem) << "pushButton_Engine"
                                              << uint32_t(OrvMsg::SystemRead) << uint32_t(OrvMsg::SystemAnswer)
                                              << QByteArray("*#ENGU1391") << QString() << QString();
    QTest::newRow("inputs: read now") << int(E::PageSensors) << "pushButton_Quest" << uint32_t(OrvMsg::SensorsPoll)
                                      << uint32_t(OrvMsg::StateAnswer) << state << QString() << QString();
    QTest::newRow("temperature sensors: key") << int(E::PageTempSensors) << "pushButton_Adress_1"
                                              << uint32_t(OrvMsg::ReadTouchMemory)
                                              << uint32_t(OrvMsg::TouchMemoryCode) << key << QString() << QString();
    QTest::newRow("touch-memory keys: key") << int(E::PageTM) << "ORV_FormWidgetTM_1/Btn_Key"
                                            << uint32_t(OrvMsg::ReadTouchMemory) << uint32_t(OrvMsg::TouchMemoryCode)
                                            << key << QString() << QString();
    QTest::newRow("accelerometer: read") << int(E::PageAccelerometer) << "pushButton_Read"
                                         << uint32_t(OrvMsg::AccelState) << uint32_t(OrvMsg::AccelStateAnswer)
                                         << QByteArray("*#ACCEL:A1+0012-0003-0998012300352") << QString() << QString();
    QTest::newRow("CAN: check the adapter") << int(E::PageCAN) << "Btn_Programm" << uint32_t(OrvMsg::CanRead)
                                            << uint32_t(OrvMsg::CanAnswer) << QByteArray("*#CANADR1")
                                            << "label_Check" << "K4810_2875";
    QTest::newRow("Bluetooth: find devices") << int(E::PageBluetooth) << "Btn_Bt_Find"
                                             << uint32_t(OrvMsg::BluetoothSearch) << uint32_t(OrvMsg::BluetoothAnswer)
                                             << QByteArray("*#BT\"Headset\",11:22:33:44:55:66\r") << "label_Bt_Status"
                                             << "K4810_2880";
}

void tst_DetachedWindows::detachedPageAsksNothing_data()
{
    requestRows();
}

void tst_DetachedWindows::detachedPageAsksNothing()
{
    QFETCH(int, page);
    QFETCH(QString, control);
    // The host opens the editor while no tracker is attached.
    deliver(OrvMsg::TrackerDetached);
    ORV_SettingsPage *p = openOn(page);
    shortenLimits(p);
    QVERIFY2(m_editor->windowTitle().endsWith(QStringLiteral("K4810_3085")), qPrintable(m_editor->windowTitle()));
    QAbstractButton *button = this->button(p, control);
    QVERIFY(button);
    QVERIFY(!button->isEnabled());
    g_requests.clear();
    emit button->pressed();
    QTest::qWait(20); // the engine detection's wait would tick here
    QVERIFY2(g_requests.empty(), qPrintable(QString::number(g_requests.empty() ? 0 : g_requests.front().msgId)));
    QVERIFY(m_messages.isEmpty());

    // Attached again, the request is back and the title says nothing more.
    attach();
    QVERIFY(button->isEnabled());
    QVERIFY(!m_editor->windowTitle().contains(QStringLiteral("K4810_3085")));
    // Detached while the page is shown: off again.
    deliver(OrvMsg::TrackerDetached);
    QVERIFY(!button->isEnabled());
    QVERIFY(m_editor->windowTitle().endsWith(QStringLiteral("K4810_3085")));
}

void tst_DetachedWindows::unansweredRequestEndsAtItsLimit_data()
{
    requestRows();
}

void tst_DetachedWindows::unansweredRequestEndsAtItsLimit()
{
    QFETCH(int, page);
    QFETCH(QString, control);
    QFETCH(uint32_t, request);
    QFETCH(uint32_t, answer);
    QFETCH(QByteArray, answerBytes);
    QFETCH(QString, endLabel);
    QFETCH(QString, endText);
    attach();
    ORV_SettingsPage *p = openOn(page);
    shortenLimits(p);
    QAbstractButton *button = this->button(p, control);
    QVERIFY(button && button->isEnabled());
    g_requests.clear();
    emit button->pressed();
    QTRY_COMPARE(requestIds(), QList<uint32_t>{request});

    // The limit passes: the end shows, once, and the control is back.
    if (endLabel.isEmpty()) {
        QTRY_COMPARE(m_messages, QStringList{QStringLiteral("K4810_3096|K4810_3087")});
    } else {
        auto *label = p->findChild<QLabel *>(endLabel);
        QVERIFY(label);
        QTRY_COMPARE(label->text(), endText);
        QTest::qWait(80); // no second end comes from another limit
        QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join('\n')));
    }
    QTRY_VERIFY(button->isEnabled());
    const QStringList messages = m_messages;

    // The answer that comes after the end is not taken.
    const QStringList before = shownOn(p);
    const QByteArray settings = m_editor->model()->toBytes();
    deliverAnswer(answer, answerBytes);
    QCoreApplication::processEvents();
    QCOMPARE(shownOn(p), before);
    QCOMPARE(m_editor->model()->toBytes(), settings);
    QCOMPARE(requestIds(), QList<uint32_t>{request});
    QCOMPARE(m_messages, messages);
    QVERIFY(button->isEnabled());

    // Asked again, the answer in time is taken as usual: the page goes on.
    emit button->pressed();
    QTRY_COMPARE(requestIds().size(), 2);
    QCOMPARE(requestIds().back(), request);
    const QStringList asked = shownOn(p);
    deliverAnswer(answer, answerBytes);
    QVERIFY(shownOn(p) != asked || m_editor->model()->toBytes() != settings);
}

QTEST_MAIN(tst_DetachedWindows)
#include "tst_detachedwindows.moc"
