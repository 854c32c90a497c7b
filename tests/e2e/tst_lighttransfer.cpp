// The light form and the transfer page end to end, through the plug-in's
// exports, with the stand-in host's simulated tracker: the light form reads
// the tracker's settings, the user changes them and saves them, switches to
// the full pages and back, writes them to the tracker and reads them back,
// and every value is as it was; and a connection test from the transfer
// page against a local server (success) and a closed port (failure at once).

#include "host/pluginhost.h"
#include "host/simulator/services/settings/settingsservice.h"
#include "host/simulator/simulatedtracker.h"
#include "tests/support/trackersession.h"
#include "tests/support/testfiles.h"
#include "tests/support/uiautomation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTcpServer>
#include <QTest>
#include <QTimer>

using namespace UiAutomation;

namespace {

// Every value a form shows, "object=value", in a stable order.
QStringList snapshot(const QWidget *form)
{
    QStringList out;
    for (const QWidget *w : form->findChildren<QWidget *>()) {
        const QString name = w->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")))
            continue;
        // Widgets of one server panel carry the panel in their name.
        QString where = name;
        for (const QWidget *p = w->parentWidget(); p && p != form; p = p->parentWidget()) {
            if (p->objectName().startsWith(QLatin1String("TransferServerPanel")))
                where = p->objectName() + QLatin1Char('/') + name;
        }
        QString value;
        if (auto *e = qobject_cast<const QLineEdit *>(w))
            value = e->text();
        else if (auto *s = qobject_cast<const QSpinBox *>(w))
            value = QString::number(s->value());
        else if (auto *c = qobject_cast<const QComboBox *>(w))
            value = QString::number(c->currentIndex()) + QLatin1Char(' ') + c->currentText();
        else if (auto *b = qobject_cast<const QAbstractButton *>(w); b && b->isCheckable())
            value = b->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
        else if (auto *g = qobject_cast<const QGroupBox *>(w); g && g->isCheckable())
            value = g->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
        else
            continue;
        out << where + QLatin1Char('=') + value;
    }
    out.sort();
    return out;
}

// Closes the next modal message box; its title and text land in *seen.
void closeNextModalBox(QString *seen)
{
    auto *poll = new QTimer(qApp); // freed with the application when never answered
    QObject::connect(poll, &QTimer::timeout, poll, [poll, seen] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            *seen = box->windowTitle() + QLatin1Char('|') + box->text();
            box->buttons().value(0)->click();
            poll->deleteLater();
        }
    });
    poll->start(5);
}

template <class T>
T *named(const QWidget *in, const char *name)
{
    return in ? in->findChild<T *>(QLatin1String(name)) : nullptr;
}

} // namespace

class tst_LightTransfer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void lightFormRoundTrip();
    void connectionTestFromTheTransferPage();
    void cleanupTestCase();

private:
    TrackerSession m_session;

    // What the host's "Read settings from tracker" does (view 1: the light form).
    QWidget *readSettings(int view);
};

void tst_LightTransfer::initTestCase()
{
    QString error;
    QVERIFY2(m_session.start(&error), qPrintable(error));
}

QWidget *tst_LightTransfer::readSettings(int view)
{
    if (view == 1)
        acceptNextQuestion(); // "switch to the simplified view?"
    return m_session.readSettings(TrackerSession::Changes::Discard, view);
}

void tst_LightTransfer::lightFormRoundTrip()
{
    m_session.tracker->setAnswerMode(PluginHost::AnswerMode::Async);
    m_session.settings->setRepeatEvery(4);
    m_session.settings->setStoredConfiguration(SettingsService::initialConfiguration());

    QWidget *editor = readSettings(1);
    QVERIFY(editor && editor->isVisible());
    QWidget *light = named<QWidget>(editor, "ORV_FormXml_Light");
    QVERIFY(light && light->isVisible());

    // The tracker's values are there.
    QWidget *server = named<QWidget>(light, "TransferServerPanel0");
    QVERIFY(server);
    QCOMPARE(named<QLineEdit>(server, "lineEdit_DNS")->text(), QStringLiteral("monitoring.fleet-depot.ru"));
    QCOMPARE(named<QComboBox>(light, "comboBox_Operator1")->currentIndex(), 0);
    const QStringList asRead = snapshot(light);

    // The user changes every part of the form.
    named<QLineEdit>(server, "lineEdit_DNS")->setText(QStringLiteral("gw.fleet.example"));
    named<QSpinBox>(server, "spinBox_Port")->setValue(5055);
    named<QComboBox>(server, "comboBox_Protocol")->setCurrentIndex(2); // EGTS
    named<QSpinBox>(server, "spinBox_ObjectID")->setValue(2024);
    named<QComboBox>(light, "comboBox_Operator1")->setCurrentIndex(1);
    named<QComboBox>(light, "comboBox_RModeSim1")->setCurrentIndex(1);
    named<QSpinBox>(light, "spinBox_RoamingPeriod")->setValue(45);
    named<QRadioButton>(light, "radioButton_TypeTrack3")->click();
    named<QCheckBox>(light, "checkBox_Sensor_Fuel_Analog")->click();
    named<QCheckBox>(light, "checkBox_Sensor_CAN")->click();
    named<QGroupBox>(light, "groupBox_RS485_Fuel")->setChecked(true);
    named<QCheckBox>(light, "checkBox_RS485_Sensor1")->setChecked(true);
    named<QSpinBox>(light, "spinBox_RS485_Address1")->setValue(21);
    const QStringList edited = snapshot(light);
    QVERIFY(edited != asRead);

    // Saved from the light form.
    const QString saved = m_session.dir.filePath(QStringLiteral("light.xml"));
    answerNextFileDialog(saved);
    named<QAbstractButton>(light, "pushBtn_Light_SaveToFile")->pressed();
    QTRY_VERIFY(QFile::exists(saved));
    const QByteArray file = TestFiles::read(saved);
    for (const char *expected :
         {"<GPRSSrv0Name>gw.fleet.example</GPRSSrv0Name>", "<GPRSSrv0Port>5055</GPRSSrv0Port>",
          "<GPRSTformat>EGTS</GPRSTformat>", "<GPRSopAPN>internet.beeline.ru</GPRSopAPN>", "mode=\"1\"",
          "<RoamingPeriod>2700</RoamingPeriod>", "<Roaming>1</Roaming>",
          "<GPSwriteTelemetryByChangeDirection>1</GPSwriteTelemetryByChangeDirection>",
          "<GPStimeForWriteTelemetry>20</GPStimeForWriteTelemetry>", "<normStateAIN1>UI</normStateAIN1>",
          "<Owner>FLDS</Owner>", "<FS0Adress485>21</FS0Adress485>", "<FSBoudrate485>19200</FSBoudrate485>"})
        QVERIFY2(file.contains(expected), expected);

    // To the full pages and back: the one model, nothing lost.
    named<QAbstractButton>(light, "pushBtn_Light_ConfigFull")->pressed();
    QVERIFY(!light->isVisible());
    QWidget *transfer = named<QWidget>(editor, "ORV_FormTransfer");
    QVERIFY(transfer);
    QCOMPARE(named<QLineEdit>(named<QWidget>(transfer, "TransferServerPanel0"), "lineEdit_DNS")->text(),
             QStringLiteral("gw.fleet.example"));
    QCOMPARE(named<QLineEdit>(transfer, "lineEdit_APN")->text(), QStringLiteral("internet.beeline.ru"));
    acceptNextQuestion();
    named<QAbstractButton>(editor, "pushBtn_Full_ConfigLight")->pressed();
    QTRY_VERIFY(light->isVisible());
    QCOMPARE(snapshot(light), edited);

    // Written to the tracker from the light form: it keeps the file saved.
    auto *load = named<QAbstractButton>(light, "pushBtn_Light_LoadToDevice");
    QVERIFY(load->isEnabled());
    QSignalSpy stored(m_session.settings, &SettingsService::configurationStored);
    acceptNextQuestion();
    load->pressed();
    QTRY_COMPARE_WITH_TIMEOUT(stored.count(), 1, 10000);
    QVERIFY(m_session.settings->repeatsAsked() >= 1);
    QCOMPARE(m_session.settings->storedConfiguration(), file);
    QTRY_VERIFY(load->isEnabled());

    // Read back into the light form: every value as it was written.
    named<QLineEdit>(server, "lineEdit_DNS")->setText(QStringLiteral("something else"));
    editor = readSettings(1);
    QVERIFY(light->isVisible());
    QCOMPARE(snapshot(light), edited);
    QFile::remove(saved);
}

void tst_LightTransfer::connectionTestFromTheTransferPage()
{
    m_session.settings->setStoredConfiguration(SettingsService::initialConfiguration());
    QWidget *editor = readSettings(0);
    QVERIFY(editor && editor->isVisible());
    QWidget *transfer = named<QWidget>(editor, "ORV_FormTransfer");
    QVERIFY(transfer);
    // Reserve server 1 of the tracker's configuration is on 127.0.0.1.
    named<QComboBox>(transfer, "comboBox_ServerType")->setCurrentIndex(1);
    QWidget *reserve = named<QWidget>(transfer, "TransferServerPanel1");
    QCOMPARE(named<QLineEdit>(reserve, "lineEdit_IP1")->text(), QStringLiteral("127"));
    QCOMPARE(named<QLineEdit>(reserve, "lineEdit_IP4")->text(), QStringLiteral("1"));

    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    named<QSpinBox>(reserve, "spinBox_Port")->setValue(server.serverPort());
    QString seen;
    closeNextModalBox(&seen);
    named<QAbstractButton>(reserve, "pushButton_Test")->pressed();
    QTRY_VERIFY_WITH_TIMEOUT(!seen.isEmpty(), 20000);
    QVERIFY2(seen.startsWith(QStringLiteral("K4810_140|")), qPrintable(seen));
    QVERIFY2(seen.contains(QStringLiteral("127.0.0.1")) || seen.contains(QStringLiteral("K4810_2400")),
             qPrintable(seen));

    // Nothing listens any more: the test fails at once, long before its limit.
    server.close();
    seen.clear();
    QElapsedTimer clock;
    clock.start();
    closeNextModalBox(&seen);
    named<QAbstractButton>(reserve, "pushButton_Test")->pressed();
    QTRY_VERIFY_WITH_TIMEOUT(!seen.isEmpty(), 20000);
    QVERIFY2(seen.startsWith(QStringLiteral("K4810_138|")), qPrintable(seen));
    QVERIFY2(clock.elapsed() < 20000, "told at once, not at the 60 s limit");
}

void tst_LightTransfer::cleanupTestCase()
{
    m_session.tracker.reset();
    m_session.host->unload();
}

QTEST_MAIN(tst_LightTransfer)
#include "tst_lighttransfer.moc"
