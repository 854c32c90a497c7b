// The accessory pages over the settings model: a settings file's sections
// shown in the widgets, a user's change in the bytes saved; the rules that
// follow the user (combined fuel sensors, the CAN adapter both pages name,
// threshold and level switches), the Bluetooth search and the CAN check
// against a host that answers later or from inside the send.

#include "accessories/bluetoothsearch.h"
#include "accessories/orv_formbluetooth.h"
#include "accessories/orv_formcan.h"
#include "accessories/orv_formecodrive.h"
#include "accessories/orv_formrs.h"
#include "core/codepage.h"
#include "core/orv_device_k4810.h"
#include "core/orvmessages.h"
#include "fuel/orv_formfuelview.h"
#include "settings/editor/orv_formxml_k4810.h"
#include "settings/model/settingsmodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <functional>
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
std::function<void(const Request &)> g_host; // what the host does with a request, inside the send

int32_t host(uint32_t, uint32_t msgId, intptr_t p1, intptr_t p2)
{
    const Request r{msgId, p1, p2};
    g_requests.push_back(r);
    if (g_host)
        g_host(r);
    return 0;
}

QList<uint32_t> requestIds()
{
    QList<uint32_t> out;
    for (const Request &r : g_requests)
        out << r.msgId;
    return out;
}

QByteArray settingsFile(const QByteArray &sections)
{
    return "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<DEVICE model=\"K-4810\">\n" + sections + "</DEVICE>\n";
}

// What a widget shows, as one text.
QString shown(QWidget *w)
{
    if (auto *c = qobject_cast<QComboBox *>(w))
        return c->currentText();
    if (auto *s = qobject_cast<QSpinBox *>(w))
        return QString::number(s->value());
    if (auto *d = qobject_cast<QDoubleSpinBox *>(w))
        return d->text();
    if (auto *b = qobject_cast<QAbstractButton *>(w))
        return b->isChecked() ? QStringLiteral("on") : QStringLiteral("off");
    if (auto *e = qobject_cast<QLineEdit *>(w))
        return e->text();
    if (auto *l = qobject_cast<QLabel *>(w))
        return l->text();
    return QStringLiteral("?");
}

} // namespace

class tst_AccessoryPages : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rsFileShownInTheWidgets_data();
    void rsFileShownInTheWidgets();
    void rsFamilySubSectionOnlyWhenChosen_data();
    void rsFamilySubSectionOnlyWhenChosen();
    void rsUntouchedValuesAreWrittenAsRead();
    void rsFilterStepStandsForItsCoefficient();
    void canAdapterHasOneOwner();
    void combinedSourcesNeverCopyARowIntoItself_data();
    void combinedSourcesNeverCopyARowIntoItself();
    void combinedModeFollowsTheCountedBoxes();
    void rs232HalfIsReadOnlyAndKept();
    void calibrationButtonsOpenTheFuelView();

    void canFileShownInTheWidgets();
    void canThresholdSwitches();
    void canCheck_data();
    void canCheck();

    void bluetoothFileShownAndStoredDeviceKept();
    void bluetoothSearchThroughThePage_data();
    void bluetoothSearchThroughThePage();
    void bluetoothLeavingOrDetachingEndsTheSearch();

    void ecoDefaultsWithoutTheSection();
    void ecoRepeatedChildrenBeyondAndBelowTheCount();
    void ecoSwitchesOverLevels();
    void ecoUnknownUnitsKept();

private:
    std::unique_ptr<ORV_Device_K4810> m_device;
    E *m_editor = nullptr;

    SettingsModel *model() const { return m_editor->model(); }
    template <class Page>
    Page *page(int position) const
    {
        return qobject_cast<Page *>(m_editor->page(position));
    }
    template <class W = QWidget>
    W *widget(int position, const QString &name) const
    {
        W *w = m_editor->page(position)->findChild<W *>(name);
        if (!w)
            qWarning("no widget %s", qPrintable(name));
        return w;
    }
    void load(const QByteArray &sections) { QVERIFY(model()->openBytes(settingsFile(sections))); }
    QString saved() const { return CodePage::toUnicode(model()->toBytes()); }
    void deliver(uint32_t msgId, intptr_t p1 = 0, intptr_t p2 = 0)
    {
        m_device->receive(m_device->handle(), msgId, p1, p2);
    }
    void deliverBytes(uint32_t msgId, const QByteArray &bytes)
    {
        deliver(msgId, reinterpret_cast<intptr_t>(bytes.constData()), bytes.size());
    }
    void attach()
    {
        const QString model = QStringLiteral("K-4810");
        const QString id = QStringLiteral("356000000000001");
        deliver(OrvMsg::TrackerAttached, reinterpret_cast<intptr_t>(&model), reinterpret_cast<intptr_t>(&id));
    }
};

void tst_AccessoryPages::init()
{
    g_requests.clear();
    g_host = nullptr;
    m_device = std::make_unique<ORV_Device_K4810>(QStringLiteral("K-4810"), 2, 7, 3, 6);
    m_device->initialize(host);
    m_editor = m_device->ensureSettingsWindow();
    QVERIFY(page<ORV_FormRS>(E::PageRS) && page<ORV_FormCAN>(E::PageCAN));
    QVERIFY(page<ORV_FormBluetooth>(E::PageBluetooth) && page<ORV_FormEcoDrive>(E::PageEcoDrive));
}

void tst_AccessoryPages::cleanup()
{
    g_host = nullptr;
    m_device.reset();
}

// ---------------------------------------------------------------- RS-232/RS-485

void tst_AccessoryPages::rsFileShownInTheWidgets_data()
{
    QTest::addColumn<QByteArray>("sections");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    const QByteArray none;
    QTest::newRow("no section: not used") << none << "comboBox_RS485_UseAs" << "K4810_219";
    QTest::newRow("no section: 19200") << none << "comboBox_RS485_Speed" << "19200";
    QTest::newRow("no section: address 1") << none << "spinBox_RS485_Address_1" << "1";
    QTest::newRow("no section: address 16") << none << "spinBox_RS485_Address_16" << "16";
    QTest::newRow("no section: response 50") << none << "spinBox_RS485_Response_7" << "50";
    QTest::newRow("no section: averaging 5") << none << "spinBox_RS485_Average_3" << "5";
    QTest::newRow("no section: filter step 5") << none << "comboBox_RS485_FilterStep_9" << "5 (82)";
    QTest::newRow("no section: motion threshold on") << none << "checkBox_RS485_Motion_1" << "on";
    QTest::newRow("no section: sensor off") << none << "checkBox_RS485_Use_1" << "off";

    const QByteArray fms = "<CAN page=\"CAN\"><CANstandart>CANFMS</CANstandart></CAN>"
                           "<RS485 page=\"RS485\"><Owner>FCAN</Owner><FSBoudrate485>31250</FSBoudrate485>"
                           "<FS1FLStype485>9</FS1FLStype485><FS2Kalman485>223</FS2Kalman485>"
                           "<FS4Kalman485>100</FS4Kalman485></RS485>";
    QTest::newRow("FCAN with an FMS adapter") << fms << "comboBox_RS485_UseAs" << "K4810_218";
    QTest::newRow("stored 223 is step 3") << fms << "comboBox_RS485_FilterStep_3" << "3 (223)";
    QTest::newRow("a coefficient no step has stays") << fms << "comboBox_RS485_FilterStep_5" << "100";
    QTest::newRow("a speed no item has stays") << fms << "comboBox_RS485_Speed" << "31250";
    QTest::newRow("a sensor type no item has stays") << fms << "comboBox_RS485_FuelType_2" << "9";
    QTest::newRow("FCAN without CAN: CAN-LOG")
        << QByteArray("<RS485 page=\"RS485\"><Owner>FCAN</Owner></RS485>") << "comboBox_RS485_UseAs" << "K4810_221";
    QTest::newRow("FCAN with an adapter no item has")
        << QByteArray("<CAN page=\"CAN\"><CANstandart>CANTEC</CANstandart></CAN>"
                      "<RS485 page=\"RS485\"><Owner>FCAN</Owner></RS485>")
        << "comboBox_RS485_UseAs" << "K4810_230 (CANTEC)";
    QTest::newRow("an Owner no item has")
        << QByteArray("<RS485 page=\"RS485\"><Owner>XBUS</Owner></RS485>") << "comboBox_RS485_UseAs" << "XBUS";
    QTest::newRow("an empty Owner")
        << QByteArray("<RS485 page=\"RS485\"><Owner></Owner></RS485>") << "comboBox_RS485_UseAs" << "K4810_1206";
    QTest::newRow("tachograph family")
        << QByteArray("<RS485 page=\"RS485\"><Owner>TACH</Owner><TACH type=\"MERK\" login=\"drv\"/></RS485>")
        << "comboBox_RS485_TachType" << "MERK";
}

void tst_AccessoryPages::rsFileShownInTheWidgets()
{
    QFETCH(QByteArray, sections);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    load(sections);
    QWidget *w = widget(E::PageRS, name);
    QVERIFY(w);
    QCOMPARE(shown(w), expected);
    // Loading changed nothing.
    QVERIFY(!model()->isChanged(QStringLiteral("RS485"), QStringLiteral("Owner")));
    QVERIFY(!model()->isChanged(QStringLiteral("CAN"), QStringLiteral("CANstandart")));
}

void tst_AccessoryPages::rsFamilySubSectionOnlyWhenChosen_data()
{
    QTest::addColumn<QByteArray>("sections");
    QTest::addColumn<int>("item");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QStringList>("absent");

    const QByteArray none;
    QTest::newRow("tachograph with fuel data: no no_ping")
        << none << 15 << QStringList{"<Owner>TGFS</Owner>", "<TACH login=\"\" psswrd=\"\" type=\"ATOL\"/>"}
        << QStringList{"no_ping", "<TPMS"};
    QTest::newRow("tachograph: with no_ping") << none << 9
                                              << QStringList{"<TACH login=\"\" no_ping=\"0\" psswrd=\"\" type=\"ATOL\"/>"}
                                              << QStringList{"<RFID"};
    QTest::newRow("tyres") << none << 10 << QStringList{"<TPMS holdTime=\"15\" type=\"PRESSPRO\"/>"}
                           << QStringList{"<TACH"};
    QTest::newRow("modbus: two sub-sections") << none << 11
                                              << QStringList{"<RS485MODBUS address=\"1\"/>",
                                                             "<RS485SETTINGS parity=\"N\"/>"}
                                              << QStringList{"<HPRS"};
    QTest::newRow("card reader") << none << 16
                                 << QStringList{"<RFID card=\"0\" floor=\"-128\" id=\"0\" near=\"1\" time=\"60\" "
                                                "type=\"LLS\"/>"}
                                 << QStringList{"<PCNT"};
    QTest::newRow("passenger counter") << none << 20
                                       << QStringList{"<PCNT events=\"0\" ids=\"0 0 0 0 0 0 0\" line=\"0\" "
                                                      "type=\"PP01\"/>"}
                                       << QStringList{"<REFR"};
    QTest::newRow("a stored family left for another goes")
        << QByteArray("<RS485 page=\"RS485\"><Owner>TACH</Owner><TACH type=\"STRH\" login=\"drv\" psswrd=\"1\" "
                      "no_ping=\"1\"/></RS485>")
        << 1 << QStringList{"<Owner>FLDS</Owner>"} << QStringList{"<TACH"};
}

void tst_AccessoryPages::rsFamilySubSectionOnlyWhenChosen()
{
    QFETCH(QByteArray, sections);
    QFETCH(int, item);
    QFETCH(QStringList, present);
    QFETCH(QStringList, absent);
    load(sections);
    auto *useAs = widget<QComboBox>(E::PageRS, QStringLiteral("comboBox_RS485_UseAs"));
    useAs->setCurrentIndex(item);
    const QString bytes = saved();
    for (const QString &p : present)
        QVERIFY2(bytes.contains(p), qPrintable(p));
    for (const QString &a : absent)
        QVERIFY2(!bytes.contains(a), qPrintable(a));
}

void tst_AccessoryPages::rsUntouchedValuesAreWrittenAsRead()
{
    // Codes no item stands for, and a family's sub-section stored beside
    // another use, are written back as they were read while nobody touches them.
    load("<CAN page=\"CAN\"><CANstandart>CANTEC</CANstandart></CAN>"
         "<RS485 page=\"RS485\"><Owner>XBUS</Owner><FSBoudrate485>31250</FSBoudrate485>"
         "<FS1FLStype485>9</FS1FLStype485><FS4Kalman485>100</FS4Kalman485>"
         "<TACH type=\"STRH\" login=\"drv\"/></RS485>");
    // The user works on a sensor: nothing else moves.
    widget<QCheckBox>(E::PageRS, QStringLiteral("checkBox_RS485_Use_1"))->click();
    const QString bytes = saved();
    for (const char *kept : {"<Owner>XBUS</Owner>", "<FSBoudrate485>31250</FSBoudrate485>",
                             "<FS1FLStype485>9</FS1FLStype485>", "<FS4Kalman485>100</FS4Kalman485>",
                             "<CANstandart>CANTEC</CANstandart>", "<TACH login=\"drv\" type=\"STRH\"/>",
                             "<FS0use485>1</FS0use485>"})
        QVERIFY2(bytes.contains(QLatin1String(kept)), kept);
}

void tst_AccessoryPages::rsFilterStepStandsForItsCoefficient()
{
    load("<RS485 page=\"RS485\"><FS2Kalman485>223</FS2Kalman485></RS485>");
    QVERIFY(saved().contains("<FS2Kalman485>223</FS2Kalman485>"));
    auto *step = widget<QComboBox>(E::PageRS, QStringLiteral("comboBox_RS485_FilterStep_3"));
    step->setCurrentIndex(0);
    QVERIFY(saved().contains("<FS2Kalman485>1000</FS2Kalman485>"));
    step->setCurrentIndex(10);
    QVERIFY(saved().contains("<FS2Kalman485>7</FS2Kalman485>"));
}

void tst_AccessoryPages::canAdapterHasOneOwner()
{
    load("<CAN page=\"CAN\"><CANstandart>CANTEC</CANstandart></CAN>"
         "<RS485 page=\"RS485\"><Owner>FLDS</Owner></RS485>");
    auto *useAs = widget<QComboBox>(E::PageRS, QStringLiteral("comboBox_RS485_UseAs"));
    auto *type = widget<QComboBox>(E::PageCAN, QStringLiteral("comboBox_Type"));
    QCOMPARE(type->currentText(), QStringLiteral("CANTEC")); // kept as an extra item

    // An item of the RS page that is no adapter leaves the CAN page's value alone.
    useAs->setCurrentIndex(9);
    QVERIFY(saved().contains("<CANstandart>CANTEC</CANstandart>"));

    // An adapter item sets the CAN page's choice through the model.
    useAs->setCurrentIndex(3);
    QString bytes = saved();
    QVERIFY(bytes.contains("<Owner>FCAN</Owner>"));
    QVERIFY(bytes.contains("<CANstandart>CANFMS</CANstandart>"));
    QCOMPARE(type->currentText(), QStringLiteral("K4810_218"));
    QVERIFY(widget(E::PageRS, QStringLiteral("Btn_RS485_SettingsCanFms"))->isVisibleTo(m_editor->page(E::PageRS)));

    // The CAN page changes its adapter: the RS page's item follows.
    type->setCurrentIndex(type->findData(QStringLiteral("DTACAN")));
    QCOMPARE(useAs->currentIndex(), 4);
    QCOMPARE(model()->text(QStringLiteral("RS485"), QStringLiteral("Owner")), QStringLiteral("FCAN"));

    // Leaving the adapter items keeps the adapter as the CAN page set it.
    useAs->setCurrentIndex(1);
    bytes = saved();
    QVERIFY(bytes.contains("<Owner>FLDS</Owner>"));
    QVERIFY(bytes.contains("<CANstandart>DTACAN</CANstandart>"));
    QCOMPARE(type->currentText(), QStringLiteral("K4810_1533"));
}

void tst_AccessoryPages::combinedSourcesNeverCopyARowIntoItself_data()
{
    QTest::addColumn<int>("mask"); // FS0, FS1, FS2, FS6 in use: bits 0..3
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << 0 << "";
    QTest::newRow("one") << 0b0001 << "";
    QTest::newRow("FS0 FS1") << 0b0011 << "5<1";
    QTest::newRow("FS2 FS6") << 0b1100 << "5<6";
    QTest::newRow("FS0 FS1 FS2") << 0b0111 << "4<2 5<1";
    QTest::newRow("FS0 FS1 FS6") << 0b1011 << "4<6 5<1";
    QTest::newRow("FS1 FS2 FS6") << 0b1110 << "4<6 5<2";
    QTest::newRow("all four") << 0b1111 << "3<6 4<2 5<1";
}

void tst_AccessoryPages::combinedSourcesNeverCopyARowIntoItself()
{
    QFETCH(int, mask);
    QFETCH(QString, expected);
    const std::array<bool, 4> used{{bool(mask & 1), bool(mask & 2), bool(mask & 4), bool(mask & 8)}};
    const QMap<int, int> sources = ORV_FormRS::combinedSources(used);
    QStringList text;
    for (auto it = sources.cbegin(); it != sources.cend(); ++it) {
        text << QStringLiteral("%1<%2").arg(it.key()).arg(it.value());
        // A source is a counted sensor in use, never one of the combined ones.
        QVERIFY(it.value() != 3 && it.value() != 4 && it.value() != 5);
        const auto at = std::find(ORV_FormRS::kCounted.begin(), ORV_FormRS::kCounted.end(), it.value());
        QVERIFY(at != ORV_FormRS::kCounted.end());
        QVERIFY(used[size_t(at - ORV_FormRS::kCounted.begin())]);
    }
    QCOMPARE(text.join(QLatin1Char(' ')), expected);
}

void tst_AccessoryPages::combinedModeFollowsTheCountedBoxes()
{
    load("<RS485 page=\"RS485\"><Owner>FLDS</Owner>"
         "<FS1Adress485>21</FS1Adress485><FS1Kalman485>223</FS1Kalman485>"
         "<FS1_485_PARAM trhld_move_off=\"0\"/><FS2Adress485>22</FS2Adress485>"
         "<FS6Adress485>26</FS6Adress485></RS485>");
    auto *p = page<ORV_FormRS>(E::PageRS);
    auto check = [&](int n, bool on) {
        QCheckBox *box = p->sensorUse(n);
        if (box->isChecked() != on)
            box->click();
    };
    const QString rs = QStringLiteral("RS485");
    auto text = [&](const char *pattern, int n) { return model()->text(rs, QString::fromLatin1(pattern).arg(n)); };

    check(0, true);
    check(1, true);
    QVERIFY(p->combined().isEmpty()); // not in combined mode: nothing is copied

    widget<QComboBox>(E::PageRS, QStringLiteral("comboBox_RS485_UseAs"))->setCurrentIndex(19); // DDFS
    QCOMPARE(p->combined(), (QMap<int, int>{{5, 1}}));
    QCOMPARE(text("FS%1FLStype485", 5), QStringLiteral("3"));
    QCOMPARE(text("FS%1use485", 5), QStringLiteral("1"));
    QCOMPARE(text("FS%1Adress485", 5), QStringLiteral("21"));
    QCOMPARE(text("FS%1Kalman485", 5), QStringLiteral("223"));
    QCOMPARE(text("FS%1_485_PARAM/trhld_move_off", 5), QStringLiteral("0"));
    QVERIFY(!p->sensorUse(5)->isEnabled());
    QCOMPARE(p->sensorNote(5)->text(), QStringLiteral("K4810_2859")); // "repeats sensor 2", untranslated here
    QVERIFY(p->sensorUse(4)->isEnabled());

    // A counted row's value changes: its copy follows.
    widget<QSpinBox>(E::PageRS, QStringLiteral("spinBox_RS485_Address_2"))->setValue(31);
    QCOMPARE(text("FS%1Adress485", 5), QStringLiteral("31"));

    // Three, then four counted sensors.
    check(2, true);
    QCOMPARE(p->combined(), (QMap<int, int>{{4, 2}, {5, 1}}));
    QCOMPARE(text("FS%1Adress485", 4), QStringLiteral("22"));
    check(6, true);
    QCOMPARE(p->combined(), (QMap<int, int>{{3, 6}, {4, 2}, {5, 1}}));
    QCOMPARE(text("FS%1Adress485", 3), QStringLiteral("26"));
    QVERIFY(!p->sensorUse(3)->isEnabled());

    // One counted sensor off: the count is made again, FS3 repeats nothing
    // and is no sensor of its own any more.
    check(1, false);
    QCOMPARE(p->combined(), (QMap<int, int>{{4, 6}, {5, 2}}));
    QCOMPARE(text("FS%1use485", 3), QStringLiteral("0"));
    QCOMPARE(text("FS%1Adress485", 4), QStringLiteral("26"));
    QCOMPARE(text("FS%1Adress485", 5), QStringLiteral("22"));
    QVERIFY(p->sensorUse(3)->isEnabled());

    // Leaving combined mode frees every combined sensor.
    widget<QComboBox>(E::PageRS, QStringLiteral("comboBox_RS485_UseAs"))->setCurrentIndex(1);
    QVERIFY(p->combined().isEmpty());
    QCOMPARE(text("FS%1use485", 4), QStringLiteral("0"));
    QCOMPARE(text("FS%1use485", 5), QStringLiteral("0"));
    QVERIFY(p->sensorUse(5)->isEnabled());

    // Loading a combined configuration shows it without writing anything.
    QVERIFY(model()->openBytes(model()->toBytes()));
    load("<RS485 page=\"RS485\"><Owner>DDFS</Owner><FS0use485>1</FS0use485><FS6use485>1</FS6use485>"
         "<FS5use485>0</FS5use485></RS485>");
    QCOMPARE(p->combined(), (QMap<int, int>{{5, 6}}));
    QCOMPARE(text("FS%1use485", 5), QStringLiteral("0"));
    QVERIFY(!model()->isChanged(rs, QStringLiteral("FS5use485")));
}

void tst_AccessoryPages::rs232HalfIsReadOnlyAndKept()
{
    load("<RS485 page=\"RS485\"><Owner>FLDS</Owner><RS232>FLDS</RS232><FSBoudrate232>9600</FSBoudrate232>"
         "<RS232MODBUS address=\"7\"/><RS232SETTINGS parity=\"E\"/></RS485>");
    QCOMPARE(widget<QLabel>(E::PageRS, QStringLiteral("label_RS232_UseAs"))->text(), QStringLiteral("K4810_220"));
    QCOMPARE(widget<QLabel>(E::PageRS, QStringLiteral("label_RS232_Speed"))->text(), QStringLiteral("9600"));
    QCOMPARE(widget<QLabel>(E::PageRS, QStringLiteral("label_RS232_Address"))->text(), QStringLiteral("7"));
    QCOMPARE(widget<QLabel>(E::PageRS, QStringLiteral("label_RS232_Parity"))->text(), QStringLiteral("E"));
    // Nothing there looks editable.
    auto *half = widget<QGroupBox>(E::PageRS, QStringLiteral("groupBox_RS232"));
    QVERIFY(half->findChildren<QLineEdit *>().isEmpty());
    QVERIFY(half->findChildren<QComboBox *>().isEmpty());
    QVERIFY(half->findChildren<QAbstractSpinBox *>().isEmpty());
    QVERIFY(half->findChildren<QCheckBox *>().isEmpty());
    // Written back as read, whatever else changes.
    widget<QComboBox>(E::PageRS, QStringLiteral("comboBox_RS485_Speed"))->setCurrentIndex(0);
    const QString bytes = saved();
    for (const char *kept : {"<RS232>FLDS</RS232>", "<FSBoudrate232>9600</FSBoudrate232>",
                             "<RS232MODBUS address=\"7\"/>", "<RS232SETTINGS parity=\"E\"/>",
                             "<FSBoudrate485>115200</FSBoudrate485>"})
        QVERIFY2(bytes.contains(QLatin1String(kept)), kept);

    // A file without them shows that nothing is stored.
    load("<RS485 page=\"RS485\"/>");
    QCOMPARE(widget<QLabel>(E::PageRS, QStringLiteral("label_RS232_Speed"))->text(), QStringLiteral("—"));
}

void tst_AccessoryPages::calibrationButtonsOpenTheFuelView()
{
    widget<QPushButton>(E::PageRS, QStringLiteral("Btn_RS485_MakeFuelFile"))->pressed();
    ORV_FormFuelView *view = m_device->fuelViewWindow();
    QVERIFY(view && view->isVisible());
    QCOMPARE(view->typeCode(), QStringLiteral("D1"));
    view->hide();
    widget<QPushButton>(E::PageRS, QStringLiteral("Btn_RS232_MakeFuelFile"))->pressed();
    QVERIFY(view->isVisible());
    QCOMPARE(view->typeCode(), QStringLiteral("RS-232"));
    view->hide();
}

// ---------------------------------------------------------------- CAN

void tst_AccessoryPages::canFileShownInTheWidgets()
{
    load("<CAN page=\"CAN\"><CANstandart>CANFMS</CANstandart><CANfuelThreshold>12.5</CANfuelThreshold>"
         "<CANvWThreshold>0</CANvWThreshold><CANrpmThreshold>2500</CANrpmThreshold><CANaddress>4</CANaddress></CAN>");
    QCOMPARE(shown(widget(E::PageCAN, QStringLiteral("comboBox_Type"))), QStringLiteral("K4810_218"));
    QCOMPARE(shown(widget(E::PageCAN, QStringLiteral("checkBox_Fuel"))), QStringLiteral("on"));
    QCOMPARE(widget<QDoubleSpinBox>(E::PageCAN, QStringLiteral("doubleSpinBox_Fuel"))->value(), 12.5);
    QCOMPARE(shown(widget(E::PageCAN, QStringLiteral("checkBox_Weight"))), QStringLiteral("off"));
    QVERIFY(!widget(E::PageCAN, QStringLiteral("spinBox_Weight"))->isEnabled());
    QCOMPARE(shown(widget(E::PageCAN, QStringLiteral("checkBox_Turns"))), QStringLiteral("on"));
    QCOMPARE(shown(widget(E::PageCAN, QStringLiteral("spinBox_Turns"))), QStringLiteral("2500"));
    QCOMPARE(shown(widget(E::PageCAN, QStringLiteral("spinBox_Address"))), QStringLiteral("4"));
    // A file without CAN: the CAN-LOG adapter, at address 1, no thresholds.
    load(QByteArray());
    QCOMPARE(shown(widget(E::PageCAN, QStringLiteral("comboBox_Type"))), QStringLiteral("K4810_221"));
    QCOMPARE(shown(widget(E::PageCAN, QStringLiteral("checkBox_Fuel"))), QStringLiteral("off"));
    QCOMPARE(shown(widget(E::PageCAN, QStringLiteral("spinBox_Address"))), QStringLiteral("1"));
}

void tst_AccessoryPages::canThresholdSwitches()
{
    load("<CAN page=\"CAN\"><CANfuelThreshold>12.5</CANfuelThreshold><CANspeedThreshold>90</CANspeedThreshold>"
         "</CAN>");
    auto *fuel = widget<QCheckBox>(E::PageCAN, QStringLiteral("checkBox_Fuel"));
    auto *weight = widget<QCheckBox>(E::PageCAN, QStringLiteral("checkBox_Weight"));
    auto *speed = widget<QSpinBox>(E::PageCAN, QStringLiteral("spinBox_Speed"));
    fuel->click();
    QVERIFY(saved().contains("<CANfuelThreshold>0.0</CANfuelThreshold>"));
    QVERIFY(!widget(E::PageCAN, QStringLiteral("doubleSpinBox_Fuel"))->isEnabled());
    fuel->click(); // its value comes back
    QVERIFY(saved().contains("<CANfuelThreshold>12.5</CANfuelThreshold>"));
    weight->click(); // never had one: 1
    QVERIFY(saved().contains("<CANvWThreshold>1</CANvWThreshold>"));
    QVERIFY(widget(E::PageCAN, QStringLiteral("spinBox_Weight"))->isEnabled());
    speed->setValue(110);
    QVERIFY(saved().contains("<CANspeedThreshold>110</CANspeedThreshold>"));
    speed->setValue(0); // a threshold of 0 is no threshold
    QVERIFY(!widget<QCheckBox>(E::PageCAN, QStringLiteral("checkBox_Speed"))->isChecked());
}

void tst_AccessoryPages::canCheck_data()
{
    QTest::addColumn<bool>("insideSend");
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("status");
    QTest::newRow("answers, later") << false << QByteArray("*#CANADR1") << "K4810_2874";
    QTest::newRow("answers, inside the send") << true << QByteArray("*#CANADR1") << "K4810_2874";
    QTest::newRow("no adapter, inside the send") << true << QByteArray("*#CANADR0") << "K4810_2875";
    QTest::newRow("wrong length dropped: no answer in time") << false << QByteArray("*#CANADR10") << "K4810_2875";
    QTest::newRow("no answer at all") << false << QByteArray() << "K4810_2875";
}

void tst_AccessoryPages::canCheck()
{
    QFETCH(bool, insideSend);
    QFETCH(QByteArray, answer);
    QFETCH(QString, status);
    load("<CAN page=\"CAN\"><CANaddress>5</CANaddress></CAN>");
    auto *p = page<ORV_FormCAN>(E::PageCAN);
    p->setCheckTimeout(100);
    auto *button = widget<QPushButton>(E::PageCAN, QStringLiteral("Btn_Programm"));
    QVERIFY(!button->isEnabled()); // offline
    attach();
    QVERIFY(button->isEnabled());
    g_host = [&](const Request &r) {
        if (r.msgId != OrvMsg::CanRead || answer.isEmpty())
            return;
        if (insideSend)
            deliverBytes(OrvMsg::CanAnswer, answer);
        else
            QTimer::singleShot(0, this, [this, answer] { deliverBytes(OrvMsg::CanAnswer, answer); });
    };
    button->pressed();
    QCOMPARE(g_requests.back().msgId, uint32_t(OrvMsg::CanRead));
    QCOMPARE(g_requests.back().p1, intptr_t(5));
    QTRY_VERIFY(!p->isChecking());
    QCOMPARE(widget<QLabel>(E::PageCAN, QStringLiteral("label_Check"))->text(), status);
    QVERIFY(button->isEnabled());
}

// ---------------------------------------------------------------- Bluetooth

void tst_AccessoryPages::bluetoothFileShownAndStoredDeviceKept()
{
    load("<BLUETOOTH page=\"BLUETOOTH\"><SETTINGS use=\"1\"/><CHANNEL1 device=\"\xC3\xE0\xF0\xED\xE8\xF2\xF3\xF0\xE0\" "
         "macadr=\"00:1A:7D:DA:71:13\" password=\"0000\"/></BLUETOOTH>");
    QCOMPARE(shown(widget(E::PageBluetooth, QStringLiteral("checkBox_Bt_Use"))), QStringLiteral("on"));
    QCOMPARE(shown(widget(E::PageBluetooth, QStringLiteral("comboBox_Bt_Device"))), QString::fromUtf8("Гарнитура"));
    QCOMPARE(shown(widget(E::PageBluetooth, QStringLiteral("lineEdit_Bt_Mac"))), QStringLiteral("00:1A:7D:DA:71:13"));
    QCOMPARE(shown(widget(E::PageBluetooth, QStringLiteral("lineEdit_Bt_Password"))), QStringLiteral("0000"));
    QVERIFY(widget(E::PageBluetooth, QStringLiteral("comboBox_Bt_Device"))->isEnabled());

    // Use off: the channel's fields are disabled, their values kept.
    widget<QCheckBox>(E::PageBluetooth, QStringLiteral("checkBox_Bt_Use"))->click();
    QVERIFY(!widget(E::PageBluetooth, QStringLiteral("lineEdit_Bt_Mac"))->isEnabled());
    const QByteArray bytes = model()->toBytes();
    QVERIFY(bytes.contains("<SETTINGS use=\"0\"/>"));
    QVERIFY(bytes.contains("device=\"\xC3\xE0\xF0\xED\xE8\xF2\xF3\xF0\xE0\""));
}

void tst_AccessoryPages::bluetoothSearchThroughThePage_data()
{
    QTest::addColumn<bool>("insideSend");
    QTest::newRow("answers later") << false;
    QTest::newRow("answers inside the send") << true;
}

void tst_AccessoryPages::bluetoothSearchThroughThePage()
{
    QFETCH(bool, insideSend);
    load("<BLUETOOTH page=\"BLUETOOTH\"><SETTINGS use=\"1\"/><CHANNEL1 device=\"Old headset\" macadr=\"00:00:00:00:00:01\" "
         "password=\"0000\"/></BLUETOOTH>");
    auto *p = page<ORV_FormBluetooth>(E::PageBluetooth);
    auto *find = widget<QPushButton>(E::PageBluetooth, QStringLiteral("Btn_Bt_Find"));
    auto *cancel = widget<QPushButton>(E::PageBluetooth, QStringLiteral("Btn_Bt_Cancel"));
    auto *add = widget<QPushButton>(E::PageBluetooth, QStringLiteral("Btn_Bt_Add"));
    auto *list = widget<QListWidget>(E::PageBluetooth, QStringLiteral("listWidget_Bt_Found"));
    auto *device = widget<QComboBox>(E::PageBluetooth, QStringLiteral("comboBox_Bt_Device"));
    auto *status = widget<QLabel>(E::PageBluetooth, QStringLiteral("label_Bt_Status"));
    QVERIFY(!find->isEnabled()); // offline
    attach();
    QVERIFY(find->isEnabled() && !cancel->isEnabled() && !add->isEnabled());

    const QList<QByteArray> answers{"*#BTDEV0", "*#BT\"Sensor <1>\",66:77:88:99:AA:BB\r",
                                    "*#BT\"Headset\",11:22:33:44:55:66\r", "*#BTDEV1"};
    g_host = [&](const Request &r) {
        if (r.msgId != OrvMsg::BluetoothSearch)
            return;
        for (int i = 0; i < answers.size(); ++i) {
            if (insideSend)
                deliverBytes(OrvMsg::BluetoothAnswer, answers.at(i));
            else
                QTimer::singleShot(10 * (i + 1), this, [this, a = answers.at(i)] { deliverBytes(OrvMsg::BluetoothAnswer, a); });
        }
    };
    find->pressed();
    QVERIFY(requestIds().contains(OrvMsg::BluetoothSearch));
    QTRY_VERIFY(!p->search()->isRunning());
    QCOMPARE(p->search()->outcome(), BluetoothSearch::Outcome::Found);
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentRow(), 0); // the first found is selected
    QCOMPARE(status->text(), BluetoothSearch::text("Поиск завершен. <br>Найдено устройств: %1").arg(2));
    QVERIFY(find->isEnabled() && !cancel->isEnabled() && add->isEnabled());

    // The search changed no setting: the stored device stays chosen.
    QCOMPARE(device->currentText(), QStringLiteral("Old headset"));
    QVERIFY(!model()->isChanged(QStringLiteral("BLUETOOTH"), QStringLiteral("CHANNEL1/device")));
    QVERIFY(device->findText(QStringLiteral("Headset")) >= 0);

    // Add takes the chosen found device into the channel.
    list->setCurrentRow(1);
    add->pressed();
    QCOMPARE(device->currentText(), QStringLiteral("Headset"));
    QCOMPARE(widget<QLineEdit>(E::PageBluetooth, QStringLiteral("lineEdit_Bt_Mac"))->text(),
             QStringLiteral("11:22:33:44:55:66"));
    QVERIFY(saved().contains("<CHANNEL1 device=\"Headset\" macadr=\"11:22:33:44:55:66\" password=\"0000\"/>"));

    // Choosing a found name in the device box brings its address.
    device->setCurrentIndex(device->findText(QStringLiteral("Sensor <1>")));
    emit device->activated(device->currentIndex());
    QVERIFY(saved().contains("<CHANNEL1 device=\"Sensor &lt;1&gt;\" macadr=\"66:77:88:99:AA:BB\""));
}

void tst_AccessoryPages::bluetoothLeavingOrDetachingEndsTheSearch()
{
    m_editor->show();
    attach();
    m_editor->setCurrentTab(m_editor->page(E::PageBluetooth)->tabIndex());
    auto *p = page<ORV_FormBluetooth>(E::PageBluetooth);
    QVERIFY(p->isVisible());

    // Leaving the page cancels the search with the tracker.
    widget<QPushButton>(E::PageBluetooth, QStringLiteral("Btn_Bt_Find"))->pressed();
    QVERIFY(p->search()->isRunning());
    m_editor->setCurrentTab(0);
    QVERIFY(!p->search()->isRunning());
    QCOMPARE(p->search()->outcome(), BluetoothSearch::Outcome::Cancelled);
    QCOMPARE(g_requests.back().msgId, uint32_t(OrvMsg::BluetoothCancel));

    // A search the tracker never ends gives the controls back.
    m_editor->setCurrentTab(m_editor->page(E::PageBluetooth)->tabIndex());
    p->search()->setTimeouts(50, 50);
    auto *findButton = widget<QPushButton>(E::PageBluetooth, QStringLiteral("Btn_Bt_Find"));
    findButton->pressed();
    QVERIFY(!findButton->isEnabled());
    QTRY_VERIFY(findButton->isEnabled());
    QCOMPARE(p->search()->outcome(), BluetoothSearch::Outcome::TimedOut);
    QCOMPARE(widget<QLabel>(E::PageBluetooth, QStringLiteral("label_Bt_Status"))->text(), QStringLiteral("K4810_2880"));
    QVERIFY(!widget(E::PageBluetooth, QStringLiteral("Btn_Bt_Cancel"))->isEnabled());
    p->search()->setTimeouts(BluetoothSearch::kDefaultTimeout, BluetoothSearch::kDefaultCancelTimeout);

    // The tracker goes away: the search ends and cannot start again.
    auto *find = widget<QPushButton>(E::PageBluetooth, QStringLiteral("Btn_Bt_Find"));
    find->pressed();
    QVERIFY(p->search()->isRunning());
    const size_t sent = g_requests.size();
    deliver(OrvMsg::TrackerDetached);
    QVERIFY(!p->search()->isRunning());
    QCOMPARE(p->search()->outcome(), BluetoothSearch::Outcome::Detached);
    QCOMPARE(g_requests.size(), sent);
    QVERIFY(!find->isEnabled());
    m_editor->hide();
}

// ---------------------------------------------------------------- driving style

void tst_AccessoryPages::ecoDefaultsWithoutTheSection()
{
    load(QByteArray());
    for (const char *kind : {"Boost", "Retard", "Drift", "Jump"}) {
        for (int n = 1; n <= 4; ++n) {
            const QString part = QStringLiteral("%1_%2_%3").arg(QLatin1String(kind));
            QCOMPARE(shown(widget(E::PageEcoDrive, QStringLiteral("spinBox_") + part.arg("Dur").arg(n))), "2000");
            QCOMPARE(shown(widget(E::PageEcoDrive, QStringLiteral("spinBox_") + part.arg("Hld").arg(n))), "500");
            QCOMPARE(widget<QDoubleSpinBox>(E::PageEcoDrive, QStringLiteral("doubleSpinBox_") + part.arg("Val").arg(n))
                         ->value(),
                     0.0);
            QCOMPARE(shown(widget(E::PageEcoDrive, QStringLiteral("checkBox_") + part.arg("Use").arg(n))), "off");
        }
        QCOMPARE(shown(widget(E::PageEcoDrive, QStringLiteral("checkBox_%1_Use").arg(QLatin1String(kind)))), "off");
    }
    QCOMPARE(shown(widget(E::PageEcoDrive, QStringLiteral("radioButton_Drive_Units_G"))), "on"); // units 4
    QCOMPARE(shown(widget(E::PageEcoDrive, QStringLiteral("spinBox_Safety_Speed"))), "10");
    QCOMPARE(shown(widget(E::PageEcoDrive, QStringLiteral("checkBox_Speed_ControlUse"))), "off");
}

void tst_AccessoryPages::ecoRepeatedChildrenBeyondAndBelowTheCount()
{
    QByteArray speeds;
    for (int n = 1; n <= 7; ++n)
        speeds += QStringLiteral("<SPEED no=\"1\" hi=\"%1\" low=\"%2\" dur=\"%3\" buzz=\"0\"/>")
                      .arg(n * 10 + 5)
                      .arg(n * 10)
                      .arg(n)
                      .toLatin1();
    load("<ECODRIVE page=\"ECODRIVE\"><SPEEDS src=\"1\" rest=\"0\">" + speeds +
         "</SPEEDS><ACCELS src=\"0\" units=\"4\"><BOOST no=\"1\" val=\"0.25\" dur=\"1500\" hld=\"300\" buzz=\"1\"/>"
         "<BOOST no=\"1\" val=\"0.35\" dur=\"1500\" hld=\"300\" buzz=\"1\"/></ACCELS></ECODRIVE>");
    // Six bands shown, in document order; the seventh has no row.
    for (int n = 1; n <= 6; ++n)
        QCOMPARE(shown(widget(E::PageEcoDrive, QStringLiteral("spinBox_Speed_Hi_%1").arg(n))), QString::number(n * 10 + 5));
    QVERIFY(!m_editor->page(E::PageEcoDrive)->findChild<QWidget *>(QStringLiteral("spinBox_Speed_Hi_7")));
    QCOMPARE(shown(widget(E::PageEcoDrive, QStringLiteral("radioButton_Speed_Src_Can"))), "on");
    // Two levels given, two missing: those take the defaults.
    QCOMPARE(widget<QDoubleSpinBox>(E::PageEcoDrive, QStringLiteral("doubleSpinBox_Boost_Val_2"))->value(), 0.35);
    QCOMPARE(shown(widget(E::PageEcoDrive, QStringLiteral("spinBox_Boost_Dur_3"))), "2000");
    QCOMPARE(shown(widget(E::PageEcoDrive, QStringLiteral("checkBox_Boost_Use_4"))), "off");
    QCOMPARE(shown(widget(E::PageEcoDrive, QStringLiteral("checkBox_Boost_Use"))), "on");

    // Saved: six bands of the page, the seventh kept after them as read,
    // four levels of each kind.
    widget<QSpinBox>(E::PageEcoDrive, QStringLiteral("spinBox_Speed_Hi_6"))->setValue(99);
    const QString bytes = saved();
    QVERIFY(bytes.contains("<SPEED buzz=\"0\" dur=\"6\" hi=\"99\" low=\"60\" no=\"1\"/>"));
    QVERIFY(bytes.indexOf("hi=\"99\"") < bytes.indexOf("hi=\"75\""));
    QCOMPARE(bytes.count("<SPEED "), 7);
    QCOMPARE(bytes.count("<BOOST "), 4);
    QVERIFY(bytes.contains("<BOOST buzz=\"0\" dur=\"2000\" hld=\"500\" no=\"0\" val=\"0.00\"/>"));
}

void tst_AccessoryPages::ecoSwitchesOverLevels()
{
    load("<ECODRIVE page=\"ECODRIVE\"><ACCELS><BOOST no=\"1\"/><BOOST no=\"0\"/><BOOST no=\"1\"/><BOOST no=\"0\"/>"
         "<RETARD no=\"1\"/></ACCELS></ECODRIVE>");
    const QString s = QStringLiteral("ECODRIVE");
    auto levelOn = [&](const char *kind, int n) {
        return model()->text(s, QStringLiteral("ACCELS/%1[%2]/no").arg(QLatin1String(kind)).arg(n)) == QLatin1String("1");
    };
    auto *boost = widget<QCheckBox>(E::PageEcoDrive, QStringLiteral("checkBox_Boost_Use"));
    auto *drive = widget<QCheckBox>(E::PageEcoDrive, QStringLiteral("checkBox_Drive_Use"));
    QVERIFY(boost->isChecked() && drive->isChecked());
    QVERIFY(!widget(E::PageEcoDrive, QStringLiteral("spinBox_Boost_Dur_2"))->isEnabled());

    boost->click(); // off: every level of the kind
    QVERIFY(!levelOn("BOOST", 1) && !levelOn("BOOST", 3));
    QVERIFY(levelOn("RETARD", 1) && drive->isChecked());
    boost->click(); // on: the levels it switched off come back
    QVERIFY(levelOn("BOOST", 1) && !levelOn("BOOST", 2) && levelOn("BOOST", 3));

    drive->click(); // off: every level of every kind
    QVERIFY(!levelOn("BOOST", 1) && !levelOn("RETARD", 1));
    QVERIFY(!boost->isChecked());
    drive->click();
    QVERIFY(levelOn("BOOST", 1) && levelOn("BOOST", 3) && levelOn("RETARD", 1) && !levelOn("JUMP", 1));

    // A kind never used: switched on, its first level.
    auto *jump = widget<QCheckBox>(E::PageEcoDrive, QStringLiteral("checkBox_Jump_Use"));
    jump->click();
    QVERIFY(levelOn("JUMP", 1) && !levelOn("JUMP", 2));
    // Switching the last level off by hand switches the kind off.
    widget<QCheckBox>(E::PageEcoDrive, QStringLiteral("checkBox_Jump_Use_1"))->click();
    QVERIFY(!jump->isChecked());
}

void tst_AccessoryPages::ecoUnknownUnitsKept()
{
    load("<ECODRIVE page=\"ECODRIVE\"><ACCELS units=\"7\" rest=\"0 1\"/></ECODRIVE>");
    QVERIFY(!widget<QRadioButton>(E::PageEcoDrive, QStringLiteral("radioButton_Drive_Units_G"))->isChecked());
    QVERIFY(!widget<QRadioButton>(E::PageEcoDrive, QStringLiteral("radioButton_Drive_Units_Ms"))->isChecked());
    QCOMPARE(shown(widget(E::PageEcoDrive, QStringLiteral("checkBox_Retard_Rest"))), "on");
    widget<QCheckBox>(E::PageEcoDrive, QStringLiteral("checkBox_Jump_Rest"))->click();
    const QString bytes = saved();
    QVERIFY(bytes.contains("units=\"7\""));
    QVERIFY(bytes.contains("rest=\"0 1 0 1\""));
}

QTEST_MAIN(tst_AccessoryPages)
#include "tst_accessorypages.moc"
