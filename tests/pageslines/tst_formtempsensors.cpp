// The temperature sensors page: limits in tenths of a degree shown on
// half-degree sliders and degree fields, the 5-degree gap the user cannot
// close, and the read of a sensor's key (2041 -> 2042): once per press,
// only into the sensor whose button was pressed, only a temperature sensor.

#include "pagefixture.h"
#include "settings/pages/orv_formtempsensors.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

using namespace PageFixture;

namespace {

constexpr quint64 kSensor = 0xDF0000071A3C5E28ull;      // family 0x28
constexpr quint64 kTouchMemory = 0x5A000012A4C3F101ull; // family 0x01

} // namespace

class tst_FormTempSensors : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void limitsLoadAndSave_data();
    void limitsLoadAndSave();
    void userChangesGoToTheFile_data();
    void userChangesGoToTheFile();
    void keyRead_data();
    void keyRead();
    void answerNobodyWaitsForChangesNothing();
    void readNeedsTheTracker();

private:
    std::unique_ptr<Editor> m_editor;
    ORV_FormTempSensors *m_page = nullptr;

    template <class W>
    W *widget(const QString &name) const
    {
        W *w = m_page->findChild<W *>(name);
        if (!w)
            qWarning("no widget %s", qPrintable(name));
        return w;
    }
    void deliverCode(quint64 code) const { m_editor->deliver(OrvMsg::TouchMemoryCode, reinterpret_cast<intptr_t>(&code), 8); }
};

void tst_FormTempSensors::init()
{
    m_editor = std::make_unique<Editor>();
    m_page = m_editor->page<ORV_FormTempSensors>(orv_FormXml_K4810::PageTempSensors);
    QVERIFY(m_page);
}

void tst_FormTempSensors::cleanup()
{
    m_editor.reset();
}

void tst_FormTempSensors::limitsLoadAndSave_data()
{
    QTest::addColumn<QByteArray>("stored"); // T1's limits, or nothing
    QTest::addColumn<int>("maxSlider");
    QTest::addColumn<double>("maxField");
    QTest::addColumn<int>("minSlider");
    QTest::addColumn<double>("minField");
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("no section: defaults") << QByteArray() << 240 << 120.0 << -100 << -50.0
                                          << QByteArray("<maxValT1>1200</maxValT1>");
    QTest::newRow("120.0 and -50.0") << QByteArray("<maxValT1>1200</maxValT1><minValT1>-500</minValT1>") << 240 << 120.0
                                     << -100 << -50.0 << QByteArray("<maxValT1>1200</maxValT1>");
    QTest::newRow("half degree: 1205 stays 1205")
        << QByteArray("<maxValT1>1205</maxValT1><minValT1>-505</minValT1>") << 241 << 120.5 << -101 << -50.5
        << QByteArray("<maxValT1>1205</maxValT1>");
    QTest::newRow("a tenth off the half degree is kept") << QByteArray("<maxValT1>1203</maxValT1><minValT1>-3</minValT1>")
                                                         << 240 << 120.3 << 0 << -0.3
                                                         << QByteArray("<minValT1>-3</minValT1>");
    QTest::newRow("zero") << QByteArray("<maxValT1>0</maxValT1><minValT1>-100</minValT1>") << 0 << 0.0 << -20 << -10.0
                          << QByteArray("<maxValT1>0</maxValT1>");
}

void tst_FormTempSensors::limitsLoadAndSave()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, maxSlider);
    QFETCH(double, maxField);
    QFETCH(int, minSlider);
    QFETCH(double, minField);
    QFETCH(QByteArray, saved);
    QVERIFY(m_editor->open(stored.isEmpty() ? QByteArray() : "<TEMP_SENSORS>" + stored + "</TEMP_SENSORS>"));
    QCOMPARE(widget<QSlider>("horizontalSlider_Max_1")->value(), maxSlider);
    QCOMPARE(widget<QDoubleSpinBox>("doubleSpinBox_Max_1")->value(), maxField);
    QCOMPARE(widget<QSlider>("horizontalSlider_Min_1")->value(), minSlider);
    QCOMPARE(widget<QDoubleSpinBox>("doubleSpinBox_Min_1")->value(), minField);
    QCOMPARE(widget<QDoubleSpinBox>("doubleSpinBox_Max_1")->decimals(), 1);
    // Saving what was shown writes what was read.
    QVERIFY2(m_editor->saved("TEMP_SENSORS").contains(saved), m_editor->saved("TEMP_SENSORS").constData());
}

void tst_FormTempSensors::userChangesGoToTheFile_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("otherKey");
    QTest::addColumn<QString>("otherStored");
    // Sensors start at 120.0 / -50.0 (T2: 30.0 / 20.0).
    QTest::newRow("max slider one half degree up") << "horizontalSlider_Max_1" << 241.0 << "maxValT1" << "1205"
                                                   << "minValT1" << "-500";
    QTest::newRow("min slider in half degrees") << "horizontalSlider_Min_1" << -3.0 << "minValT1" << "-15"
                                                << "maxValT1" << "1200";
    QTest::newRow("max field in degrees") << "doubleSpinBox_Max_1" << 99.5 << "maxValT1" << "995" << "minValT1"
                                          << "-500";
    QTest::newRow("max slider below min + 10 snaps back")
        << "horizontalSlider_Max_2" << 45.0 << "maxValT2" << "250" << "minValT2" << "200";
    QTest::newRow("min slider above max - 10 snaps back")
        << "horizontalSlider_Min_2" << 59.0 << "minValT2" << "250" << "maxValT2" << "300";
    QTest::newRow("min field 118.0 under max 120.0 becomes 115.0")
        << "doubleSpinBox_Min_1" << 118.0 << "minValT1" << "1150" << "maxValT1" << "1200";
    QTest::newRow("max field under min + 5.0 becomes min + 5.0")
        << "doubleSpinBox_Max_2" << 21.0 << "maxValT2" << "250" << "minValT2" << "200";
}

void tst_FormTempSensors::userChangesGoToTheFile()
{
    QFETCH(QString, widget);
    QFETCH(double, value);
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, otherKey);
    QFETCH(QString, otherStored);
    QVERIFY(m_editor->open("<TEMP_SENSORS><maxValT2>300</maxValT2><minValT2>200</minValT2></TEMP_SENSORS>"));
    if (auto *slider = m_page->findChild<QSlider *>(widget))
        slider->setValue(int(value));
    else
        m_page->findChild<QDoubleSpinBox *>(widget)->setValue(value);
    QCOMPARE(m_editor->text("TEMP_SENSORS", key), stored);
    QCOMPARE(m_editor->text("TEMP_SENSORS", otherKey), otherStored);
    QVERIFY(m_editor->saved("TEMP_SENSORS").contains(QStringLiteral("<%1>%2</%1>").arg(key, stored).toLatin1()));
    // The other widget of the key shows the value too.
    const int n = key.right(1).toInt();
    const QString kind = key.startsWith(QLatin1String("max")) ? QStringLiteral("Max") : QStringLiteral("Min");
    const int tenths = stored.toInt();
    QCOMPARE(this->widget<QSlider>(QStringLiteral("horizontalSlider_%1_%2").arg(kind).arg(n))->value(), tenths / 5);
    QCOMPARE(this->widget<QDoubleSpinBox>(QStringLiteral("doubleSpinBox_%1_%2").arg(kind).arg(n))->value(),
             tenths / 10.0);
}

void tst_FormTempSensors::keyRead_data()
{
    QTest::addColumn<bool>("insideSend");
    QTest::addColumn<int>("sensor");
    QTest::addColumn<quint64>("code");
    QTest::addColumn<QString>("key"); // KeyT<sensor> afterwards
    QTest::newRow("sensor, answered later") << false << 2 << kSensor << "DF0000071A3C5E28";
    QTest::newRow("sensor, answered inside send") << true << 3 << kSensor << "DF0000071A3C5E28";
    QTest::newRow("DS18S20 family 0x10") << false << 1 << quint64(0x3A00000801B5C710ull) << "3A00000801B5C710";
    QTest::newRow("touch-memory key refused") << false << 2 << kTouchMemory << "0F000008A27D4228";
    QTest::newRow("nothing on the bus") << true << 4 << quint64(0) << "";
}

void tst_FormTempSensors::keyRead()
{
    QFETCH(bool, insideSend);
    QFETCH(int, sensor);
    QFETCH(quint64, code);
    QFETCH(QString, key);
    QVERIFY(m_editor->open("<TEMP_SENSORS><KeyT2>0F000008A27D4228</KeyT2></TEMP_SENSORS>"));
    m_editor->attach();
    m_editor->showPage(orv_FormXml_K4810::PageTempSensors);
    if (insideSend) {
        answerInside() = [&](const Sent &s) {
            if (s.msgId == OrvMsg::ReadTouchMemory)
                deliverCode(code);
        };
    }
    auto *read = widget<QPushButton>(QStringLiteral("pushButton_Adress_%1").arg(sensor));
    QVERIFY(read->isEnabled());
    read->pressed();
    QCOMPARE(count(OrvMsg::ReadTouchMemory), 1);
    QCOMPARE(m_editor->device->tmiRouting(), 0); // the answer comes back to the editor
    if (!insideSend) {
        QCOMPARE(m_page->pendingSensor(), sensor);
        deliverCode(code);
    }
    QCOMPARE(m_page->pendingSensor(), 0);
    const QString path = QStringLiteral("KeyT%1").arg(sensor);
    QCOMPARE(m_editor->text("TEMP_SENSORS", path), key);
    QCOMPARE(widget<QLineEdit>(QStringLiteral("lineEdit_Key_%1").arg(sensor))->text(), key);
    QVERIFY(!widget<QLabel>("label_ReadStatus")->text().isEmpty());

    // The read is used once: a second answer changes nothing.
    answerInside() = nullptr;
    deliverCode(0x770000071A3C9F28ull);
    QCOMPARE(m_editor->text("TEMP_SENSORS", path), key);
    for (int other = 1; other <= 4; ++other) {
        if (other != sensor)
            QCOMPARE(m_editor->text("TEMP_SENSORS", QStringLiteral("KeyT%1").arg(other)),
                     other == 2 ? QStringLiteral("0F000008A27D4228") : QString());
    }
}

void tst_FormTempSensors::answerNobodyWaitsForChangesNothing()
{
    m_editor->attach();
    m_editor->showPage(orv_FormXml_K4810::PageTempSensors);
    const QByteArray before = m_editor->model()->toBytes();
    deliverCode(kSensor);
    QCOMPARE(m_editor->model()->toBytes(), before);
    // Nor does the page take a code it did not ask for when handed one.
    m_page->onOneWireCode(kSensor);
    QCOMPARE(m_editor->model()->toBytes(), before);

    // A read the user left behind (another tab) is not answered into it.
    widget<QPushButton>("pushButton_Adress_1")->pressed();
    m_editor->showPage(orv_FormXml_K4810::PageSensors);
    deliverCode(kSensor);
    QCOMPARE(m_editor->text("TEMP_SENSORS", QStringLiteral("KeyT1")), QString());
}

void tst_FormTempSensors::readNeedsTheTracker()
{
    m_editor->showPage(orv_FormXml_K4810::PageTempSensors);
    auto *read = widget<QPushButton>("pushButton_Adress_1");
    QVERIFY(!read->isEnabled());
    m_page->readKey(1);
    QCOMPARE(count(OrvMsg::ReadTouchMemory), 0);
    QCOMPARE(m_page->pendingSensor(), 0);
    // Going offline forgets a read in progress.
    m_editor->attach();
    QVERIFY(read->isEnabled());
    read->pressed();
    QCOMPARE(m_page->pendingSensor(), 1);
    m_editor->deliver(OrvMsg::TrackerDetached);
    QCOMPARE(m_page->pendingSensor(), 0);
    QVERIFY(!read->isEnabled());
}

QTEST_MAIN(tst_FormTempSensors)
#include "tst_formtempsensors.moc"
