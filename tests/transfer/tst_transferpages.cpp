// The transfer page and the light form in the settings editor: what they
// show of a file, the rules that follow the user, the dialogs they open,
// what is refused before saving, and the hand-over between the two views.

#include "core/orv_device_k4810.h"
#include "settings/editor/lightrules.h"
#include "settings/editor/orv_formxml_k4810.h"
#include "settings/editor/orv_formxml_light.h"
#include "settings/model/settingsmodel.h"
#include "settings/pages/accesspointcontrols.h"
#include "settings/pages/ipv4octetedits.h"
#include "settings/pages/orv_formautoapnlist.h"
#include "settings/pages/orv_formrlistoper.h"
#include "settings/pages/orv_formtransfer.h"
#include "settings/pages/settingsbinder.h"
#include "settings/pages/transferserverpanel.h"
#include "telemetry/orv_formsetvela2.h"
#include "tests/transfer/argumenttexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString kTransfer = QStringLiteral("TRANSFER");

int32_t host(uint32_t, uint32_t, intptr_t, intptr_t)
{
    return 0;
}

// A tracker's configuration as the simulated tracker starts with.
const QByteArray kFile =
    "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<DEVICE>"
    "<TRANSFER page=\"TRANSFER\"><objectName>Bus 17</objectName><GPRSTformat>ORVB_VELA</GPRSTformat>"
    "<GPRSTformat1>EGTS</GPRSTformat1><GPRSTformat2>X-FUTURE</GPRSTformat2>"
    "<GPRSopAPN>internet.mts.ru</GPRSopAPN><GPRSopUserName>mts</GPRSopUserName>"
    "<GPRSopPassword>mts</GPRSopPassword>"
    "<GPRSSrv0Name>monitoring.example</GPRSSrv0Name><GPRSSrv0IP>203.0.113.48</GPRSSrv0IP>"
    "<GPRSSrv1Name></GPRSSrv1Name><GPRSSrv1IP>127.0.0.1</GPRSSrv1IP>"
    "<GPRSSrv2Name></GPRSSrv2Name><GPRSSrv2IP>0.0.0.0</GPRSSrv2IP>"
    "<GPRSSrv0Port>4810</GPRSSrv0Port><GPRSSrv1Port>5000</GPRSSrv1Port><GPRSSrv2Port>4811</GPRSSrv2Port>"
    "<CRYPTO type=\"1 0 0\" key=\"3A91C0D4E2F7086B5C1D9E3A4B7F2C10\"/>"
    "<ROAMING_SIM1 mode=\"3\" no_sms=\"1\" opCode1=\"25001\" opCode3=\"25099\"/>"
    "<ROAM_SETT BlockCnct=\"5400\"/>"
    "<DFprotocol>DF_VELA</DFprotocol><GPRSdiagSupress>1</GPRSdiagSupress>"
    "</TRANSFER>"
    "<TRACK page=\"TRACK\"><GPSwriteTelemetryByChangeDirection>2</GPSwriteTelemetryByChangeDirection>"
    "<GPSdistanceForWriteTelemetry>0.500</GPSdistanceForWriteTelemetry>"
    "<GPSTimeForBlock>2</GPSTimeForBlock><GPSparking tlmTmr=\"600\"/></TRACK>"
    "<SENSORS page=\"SENSORS\"><normStateIN1>NB+</normStateIN1><normStateIN2>FRQ</normStateIN2></SENSORS>"
    "<RS485 page=\"RS485\"><Owner>FLDS</Owner><FSBoudrate485>19200</FSBoudrate485><FS0use485>0</FS0use485>"
    "<FS1use485>1</FS1use485><FS1Adress485>12</FS1Adress485></RS485>"
    "</DEVICE>\n";

// Answers the next modal message box with its first button; its title and
// text land in *seen.
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

} // namespace

class tst_TransferPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QCoreApplication::installTranslator(&m_texts); }
    void init();
    void cleanup();

    void transferPageShowsTheFileAndChangesNothing();
    void serverSwitchedOffByTheUser();
    void addressOrName();
    void octetsTypedAreStoredAsTyped();
    void invalidAddressIsRefusedAtSaveAndTest();
    void roamingMode_data();
    void roamingMode();
    void blockingHoursZeroRaisesTheMinutes();
    void encryptionKey();
    void updateSpreadOverTheWeek();
    void operatorListWritesItsCodes();
    void fieldSelectionDialog();
    void operatorPresetsAndApnList();

    void lightFormShowsTheFile();
    void lightPresetsAndTrackEdits();
    void lightInputsAndRs485();
    void switchingViewsHandsTheModelOver();
    void lightConnectionTest();

private:
    ArgumentTexts m_texts;
    std::unique_ptr<ORV_Device_K4810> m_device;
    orv_FormXml_K4810 *m_editor = nullptr;
    ORV_FormTransfer *m_page = nullptr;
    QTemporaryDir m_dir;
    QStringList m_messages;

    SettingsModel *model() const { return m_editor->model(); }
    QString text(const QString &path) const { return model()->text(kTransfer, path); }
    template <class T>
    T *child(const char *name) const
    {
        T *w = m_page->findChild<T *>(QLatin1String(name));
        if (!w)
            qWarning("no %s", name);
        return w;
    }
    template <class T>
    T *lightChild(const char *name) const
    {
        return m_editor->lightPage()->findChild<T *>(QLatin1String(name));
    }
    bool save(const QString &name)
    {
        return m_editor->writeSettingsFile(m_dir.filePath(name)) == 0;
    }
};

void tst_TransferPages::init()
{
    m_messages.clear();
    m_device = std::make_unique<ORV_Device_K4810>(QStringLiteral("K-4810"), 2, 7, 3, 6);
    m_device->initialize(host);
    m_editor = m_device->ensureSettingsWindow();
    m_editor->setQuestion([](const QString &, const QString &, const QString &, const QString &) { return true; });
    m_editor->setNotifier([this](const QString &title, const QString &text) { m_messages << title + '|' + text; });
    m_editor->setSaveFileChooser([this](const QString &, const QString &, const QString &) {
        return m_dir.filePath(QStringLiteral("saved.xml"));
    });
    m_page = qobject_cast<ORV_FormTransfer *>(m_editor->page(orv_FormXml_K4810::PageTransfer));
    QVERIFY(m_page);
    QVERIFY(model()->openBytes(kFile));
}

void tst_TransferPages::cleanup()
{
    m_device.reset();
    QFile::remove(m_dir.filePath(QStringLiteral("saved.xml")));
}

// ---------------------------------------------------------------- transfer page

void tst_TransferPages::transferPageShowsTheFileAndChangesNothing()
{
    TransferServerPanel *main = m_page->serverPanel(0);
    TransferServerPanel *r1 = m_page->serverPanel(1);
    TransferServerPanel *r2 = m_page->serverPanel(2);
    QVERIFY(main->isServerOn() && r1->isServerOn());
    QVERIFY2(!r2->isServerOn(), "no name and 0.0.0.0: off");
    QCOMPARE(main->addressKind(), int(TransferServerPanel::ByName));
    QCOMPARE(main->nameEdit()->text(), QStringLiteral("monitoring.example"));
    QCOMPARE(r1->addressKind(), int(TransferServerPanel::ByAddress));
    QCOMPARE(r1->octets()->address(), QStringLiteral("127.0.0.1"));
    QCOMPARE(r2->findChild<QSpinBox *>(QStringLiteral("spinBox_Port"))->value(), 4811);
    auto *protocol0 = main->findChild<QComboBox *>(QStringLiteral("comboBox_Protocol"));
    QCOMPARE(protocol0->count(), 6);
    QCOMPARE(protocol0->currentData().toString(), QStringLiteral("ORVB_VELA"));
    QCOMPARE(protocol0->currentText(), QStringLiteral("K4810_826"));
    auto *protocol2 = r2->findChild<QComboBox *>(QStringLiteral("comboBox_Protocol"));
    QCOMPARE(protocol2->currentText(), QStringLiteral("X-FUTURE")); // kept as an extra item

    QVERIFY(main->cryptoBox()->isChecked() && !r1->cryptoBox()->isChecked());
    QVERIFY(child<QLineEdit>("lineEdit_CryptoKey")->isEnabled());
    QCOMPARE(child<QComboBox>("comboBox_Operator1")->currentIndex(), 0); // MTS
    QVERIFY(child<QLineEdit>("lineEdit_APN")->isReadOnly());
    QVERIFY(!child<QPushButton>("pushButton_ListApn")->isEnabled());
    QCOMPARE(child<QSpinBox>("spinBox_RBlockH")->value(), 1);
    QCOMPARE(child<QSpinBox>("spinBox_RBlockM")->value(), 30);

    // Showing the file changed nothing: it saves as a fresh model of it does.
    SettingsModel fresh;
    QVERIFY(fresh.openBytes(kFile));
    QCOMPARE(model()->toBytes(), fresh.toBytes());
    QVERIFY(model()->toBytes().contains("<GPRSSrv2Port>4811</GPRSSrv2Port>"));
}

void tst_TransferPages::serverSwitchedOffByTheUser()
{
    TransferServerPanel *r1 = m_page->serverPanel(1);
    r1->serverBox()->setChecked(false);
    QCOMPARE(text(QStringLiteral("GPRSSrv1IP")), QStringLiteral("0.0.0.0"));
    QCOMPARE(text(QStringLiteral("GPRSSrv1Port")), QStringLiteral("0"));
    QCOMPARE(text(QStringLiteral("GPRSSrv1Name")), QString());
    QCOMPARE(r1->octets()->address(), QStringLiteral("0.0.0.0"));
    QCOMPARE(r1->findChild<QSpinBox *>(QStringLiteral("spinBox_Port"))->value(), 0);
    // The main server may be switched off too: its name goes.
    m_page->serverPanel(0)->serverBox()->setChecked(false);
    QCOMPARE(text(QStringLiteral("GPRSSrv0Name")), QString());
    QCOMPARE(text(QStringLiteral("GPRSSrv0IP")), QStringLiteral("0.0.0.0"));
    QCOMPARE(text(QStringLiteral("GPRSSrv0Port")), QStringLiteral("0"));
    QCOMPARE(m_page->serverPanel(0)->addressKind(), int(TransferServerPanel::ByAddress));
    // Switching on again writes nothing until the user types.
    r1->serverBox()->setChecked(true);
    QCOMPARE(text(QStringLiteral("GPRSSrv1Port")), QStringLiteral("0"));
}

void tst_TransferPages::addressOrName()
{
    // The tracker dials the name when there is one: choosing the address
    // puts the name aside, choosing the name brings it back.
    TransferServerPanel *main = m_page->serverPanel(0);
    main->addressKindCombo()->setCurrentIndex(TransferServerPanel::ByAddress);
    QCOMPARE(text(QStringLiteral("GPRSSrv0Name")), QString());
    QCOMPARE(main->octets()->address(), QStringLiteral("203.0.113.48"));
    main->addressKindCombo()->setCurrentIndex(TransferServerPanel::ByName);
    QCOMPARE(text(QStringLiteral("GPRSSrv0Name")), QStringLiteral("monitoring.example"));
    QCOMPARE(main->nameEdit()->text(), QStringLiteral("monitoring.example"));
    main->addressKindCombo()->setCurrentIndex(TransferServerPanel::ByAddress);
    model()->openBytes(kFile); // a load forgets what was put aside
    QCOMPARE(main->addressKind(), int(TransferServerPanel::ByName));
}

void tst_TransferPages::octetsTypedAreStoredAsTyped()
{
    m_editor->resize(1200, 700);
    m_editor->show();
    m_editor->setCurrentTab(m_page->tabIndex());
    QVERIFY(QTest::qWaitForWindowExposed(m_editor));
    TransferServerPanel *r1 = m_page->serverPanel(1);
    m_page->findChild<QComboBox *>(QStringLiteral("comboBox_ServerType"))->setCurrentIndex(1);
    const QList<QLineEdit *> fields = r1->octets()->fields();
    fields.at(0)->setFocus();
    fields.at(0)->selectAll();
    QTest::keyClicks(fields.at(0), QStringLiteral("192"));
    QCOMPARE(text(QStringLiteral("GPRSSrv1IP")), QStringLiteral("192.0.0.1"));
    QVERIFY2(fields.at(1)->hasFocus(), "a third digit moves on");
    QTest::keyClicks(fields.at(1), QStringLiteral("x1688"));
    QCOMPARE(fields.at(1)->text(), QStringLiteral("168")); // digits only, three at most
    QVERIFY(fields.at(2)->hasFocus());
    QTest::keyClick(fields.at(2), Qt::Key_Backspace);
    QCOMPARE(text(QStringLiteral("GPRSSrv1IP")), QStringLiteral("192.168..1"));
    m_editor->hide();
}

void tst_TransferPages::invalidAddressIsRefusedAtSaveAndTest()
{
    TransferServerPanel *r1 = m_page->serverPanel(1);
    const QList<QLineEdit *> fields = r1->octets()->fields();
    fields.at(3)->setText(QStringLiteral("256"));
    emit fields.at(3)->textEdited(fields.at(3)->text());
    QCOMPARE(text(QStringLiteral("GPRSSrv1IP")), QStringLiteral("127.0.0.256"));

    // Saving is refused with a message naming the server and the address.
    m_editor->setCurrentTab(0);
    m_editor->slot_pressed_pushButton_SaveToFile();
    QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("saved.xml"))));
    QCOMPARE(m_messages.size(), 1);
    QVERIFY2(m_messages.at(0).startsWith(QStringLiteral("K4810_2812|")), qPrintable(m_messages.at(0)));
    QVERIFY(m_messages.at(0).contains(QStringLiteral("127.0.0.256")));
    QCOMPARE(m_editor->currentTab(), m_page->tabIndex());

    // The test is refused without any connection attempt.
    r1->testButton()->pressed();
    auto *box = m_page->findChild<QMessageBox *>();
    QVERIFY(box);
    QCOMPARE(box->windowTitle(), QStringLiteral("K4810_2812"));
    QVERIFY(box->text().contains(QStringLiteral("127.0.0.256")));
    QVERIFY(!m_page->findChild<QObject *>(QStringLiteral("orv_Socket")));
    box->close();

    // An empty octet: refused too; corrected, saved.
    fields.at(3)->clear();
    emit fields.at(3)->textEdited(QString());
    QCOMPARE(m_page->inputProblems().size(), 1);
    fields.at(3)->setText(QStringLiteral("9"));
    emit fields.at(3)->textEdited(fields.at(3)->text());
    QVERIFY(m_page->inputProblems().isEmpty());
    m_editor->slot_pressed_pushButton_SaveToFile();
    QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("saved.xml"))));
}

void tst_TransferPages::roamingMode_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("smsAndCalls");
    QTest::addColumn<bool>("operatorList");
    QTest::addColumn<bool>("period");
    QTest::addColumn<QString>("roaming"); // written
    QTest::newRow("0") << 0 << true << false << false << "0";
    QTest::newRow("1") << 1 << true << false << true << "1";
    QTest::newRow("2") << 2 << false << false << false << "0";
    QTest::newRow("3") << 3 << true << true << false << "0";
}

void tst_TransferPages::roamingMode()
{
    QFETCH(int, mode);
    QFETCH(bool, smsAndCalls);
    QFETCH(bool, operatorList);
    QFETCH(bool, period);
    QFETCH(QString, roaming);
    auto *combo = child<QComboBox>("comboBox_RModeSim1");
    QCOMPARE(combo->count(), 4);
    combo->setCurrentIndex(mode == 3 ? 0 : 3); // a change whatever the mode loaded
    combo->setCurrentIndex(mode);
    QCOMPARE(text(QStringLiteral("ROAMING_SIM1/mode")), QString::number(mode));
    QCOMPARE(child<QCheckBox>("checkBox_NoSms")->isEnabled(), smsAndCalls);
    QCOMPARE(child<QCheckBox>("checkBox_NoCall")->isEnabled(), smsAndCalls);
    QCOMPARE(child<QPushButton>("pushButton_RListOperSim1")->isEnabled(), operatorList);
    QCOMPARE(child<QSpinBox>("spinBox_RoamingPeriod")->isEnabled(), period);
    QVERIFY(model()->toBytes().contains("<Roaming>" + roaming.toLatin1() + "</Roaming>"));
}

void tst_TransferPages::blockingHoursZeroRaisesTheMinutes()
{
    auto *hours = child<QSpinBox>("spinBox_RBlockH");
    auto *minutes = child<QSpinBox>("spinBox_RBlockM");
    minutes->setValue(2);
    QCOMPARE(text(QStringLiteral("ROAM_SETT/BlockCnct")), QStringLiteral("3720"));
    hours->setValue(0);
    QCOMPARE(minutes->value(), 5);
    QCOMPARE(minutes->minimum(), 5);
    QCOMPARE(text(QStringLiteral("ROAM_SETT/BlockCnct")), QStringLiteral("300"));
    hours->setValue(2);
    QCOMPARE(minutes->minimum(), 0);
    minutes->setValue(0);
    QCOMPARE(text(QStringLiteral("ROAM_SETT/BlockCnct")), QStringLiteral("7200"));
}

void tst_TransferPages::encryptionKey()
{
    auto *key = child<QLineEdit>("lineEdit_CryptoKey");
    child<QPushButton>("pushButton_Crypto")->pressed();
    const QString generated = key->text();
    QCOMPARE(generated.size(), 32);
    QCOMPARE(text(QStringLiteral("CRYPTO/key")), generated);
    for (int i = 0; i < 32; i += 2) {
        const QString pair = generated.mid(i, 2);
        QVERIFY2(pair != QLatin1String("FE") && pair != QLatin1String("FF"), qPrintable(generated));
    }
    QCOMPARE(generated, generated.toUpper());
    child<QPushButton>("pushButton_Crypto")->pressed();
    QVERIFY2(key->text() != generated, "a new key each time");

    // Typed: hexadecimal digits, upper case, never a byte FE or FF.
    child<QPushButton>("pushButton_Crypto_Clear")->pressed();
    QCOMPARE(text(QStringLiteral("CRYPTO/key")), QString());
    QTest::keyClicks(key, QStringLiteral("a0fex1"));
    QCOMPARE(key->text(), QStringLiteral("A0F1"));
    QCOMPARE(text(QStringLiteral("CRYPTO/key")), QStringLiteral("A0F1"));
    QCOMPARE(m_page->inputProblems(), QStringList{QStringLiteral("K4810_2814")});

    // Available only while a server encrypts.
    m_page->serverPanel(0)->cryptoBox()->setChecked(false);
    QCOMPARE(text(QStringLiteral("CRYPTO/type")), QStringLiteral("0 0 0"));
    QVERIFY(!key->isEnabled() && !child<QPushButton>("pushButton_Crypto")->isEnabled());
    m_page->serverPanel(2)->cryptoBox()->setChecked(true);
    QCOMPARE(text(QStringLiteral("CRYPTO/type")), QStringLiteral("0 0 1"));
    QVERIFY(key->isEnabled());
}

void tst_TransferPages::updateSpreadOverTheWeek()
{
    // Each press picks a day 0..5 and a time from the system's random
    // source: trackers of a fleet do not all ask the update server at once.
    QSet<QString> seen;
    for (int i = 0; i < 8; ++i) {
        child<QPushButton>("pushButton_BtnUpdate")->pressed();
        const int day = text(QStringLiteral("GPRSUpdateDat")).toInt();
        const int hour = text(QStringLiteral("GPRSUpdateHour")).toInt();
        const int minute = text(QStringLiteral("GPRSUpdateMinute")).toInt();
        QVERIFY(day >= 0 && day <= 5);
        QVERIFY(hour >= 0 && hour <= 22);
        QVERIFY(minute >= 0 && minute <= 58);
        QCOMPARE(child<QComboBox>("comboBox_UpdateDay")->currentIndex(), day);
        QCOMPARE(child<QSpinBox>("spinBox_UpdateHour")->value(), hour);
        seen << QStringLiteral("%1 %2:%3").arg(day).arg(hour).arg(minute);
    }
    QVERIFY(seen.size() > 1);
}

void tst_TransferPages::operatorListWritesItsCodes()
{
    child<QPushButton>("pushButton_RListOperSim1")->pressed();
    ORV_FormRListOper *list = m_page->operatorList();
    QVERIFY(list && list->isVisible());
    QCOMPARE(list->code(1), QStringLiteral("25001"));
    QCOMPARE(list->code(3), QStringLiteral("25099"));
    list->setCode(10, QStringLiteral("25020"));
    list->close();
    QCOMPARE(text(QStringLiteral("ROAMING_SIM1/opCode10")), QStringLiteral("25020"));
    QCOMPARE(text(QStringLiteral("ROAMING_SIM1/opCode3")), QStringLiteral("25099"));
    // Opened again, it shows the model, not what it held.
    model()->setText(kTransfer, QStringLiteral("ROAMING_SIM1/opCode10"), QString());
    child<QPushButton>("pushButton_RListOperSim1")->pressed();
    QCOMPARE(list->code(10), QString());
    list->close();
}

void tst_TransferPages::fieldSelectionDialog()
{
    child<QPushButton>("pushButton_FormatSettingsVela")->pressed();
    ORV_FormSetVela2 *dialog = m_page->fieldSelection();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->fieldSelection().formatCode(), QStringLiteral("DF_VELA"));
    QCOMPARE(dialog->fieldSelection().text(), text(QStringLiteral("GPRSprotocolConfig")));
    dialog->findChild<QCheckBox *>(QStringLiteral("checkBox_Diagnostic"))->setChecked(false);
    dialog->findChild<QComboBox *>(QStringLiteral("comboBox_FlashFormat"))->setCurrentIndex(0);
    dialog->findChild<QCheckBox *>(QStringLiteral("checkBox_Frequency1"))->setChecked(true);
    dialog->findChild<QPushButton *>(QStringLiteral("pushButton_Ok"))->pressed();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(text(QStringLiteral("DFprotocol")), QStringLiteral("DEFAULT"));
    QCOMPARE(text(QStringLiteral("GPRSdiagSupress")), QStringLiteral("0"));
    QCOMPARE(text(QStringLiteral("GPRSprotocolConfig")).at(34), QLatin1Char('1'));
    QCOMPARE(text(QStringLiteral("GPRSprotocolConfig")).size(), 122);

    // Cancel changes nothing.
    const QByteArray before = model()->toBytes();
    child<QPushButton>("pushButton_FormatSettingsVela")->pressed();
    dialog->findChild<QCheckBox *>(QStringLiteral("checkBox_Frequency1"))->setChecked(false);
    dialog->findChild<QPushButton *>(QStringLiteral("pushButton_Cancel"))->pressed();
    QCOMPARE(model()->toBytes(), before);
}

void tst_TransferPages::operatorPresetsAndApnList()
{
    AccessPointControls *ap = m_page->accessPoint();
    auto *combo = child<QComboBox>("comboBox_Operator1");
    auto *apn = child<QLineEdit>("lineEdit_APN");
    QCOMPARE(combo->count(), ap->otherIndex() + 1);
    combo->setCurrentIndex(1); // Beeline
    QCOMPARE(text(QStringLiteral("GPRSopAPN")), QStringLiteral("internet.beeline.ru"));
    QCOMPARE(text(QStringLiteral("GPRSopUserName")), QStringLiteral("beeline"));
    QCOMPARE(apn->text(), QStringLiteral("internet.beeline.ru"));
    QVERIFY(apn->isReadOnly());

    combo->setCurrentIndex(ap->otherIndex());
    QVERIFY(!apn->isReadOnly());
    QCOMPARE(text(QStringLiteral("GPRSopAPN")), QStringLiteral("internet.beeline.ru"));
    auto *listButton = child<QPushButton>("pushButton_ListApn");
    QVERIFY(listButton->isEnabled());
    listButton->pressed();
    ORV_FormAutoApnList *list = ap->apnList();
    QVERIFY(list && list->isVisible());
    emit list->accessPointChosen(QStringLiteral("internet.tele2.ru"), QString(), QString());
    QCOMPARE(text(QStringLiteral("GPRSopAPN")), QStringLiteral("internet.tele2.ru"));
    QCOMPARE(text(QStringLiteral("GPRSopPassword")), QString());
    QCOMPARE(combo->currentIndex(), ap->otherIndex());
    // An access point that is a preset's shows as that preset.
    emit list->accessPointChosen(QStringLiteral("internet"), QStringLiteral("gdata"), QStringLiteral("gdata"));
    QCOMPARE(combo->currentIndex(), 2);
    QVERIFY(apn->isReadOnly());
    list->close();
}

// ---------------------------------------------------------------- light form

void tst_TransferPages::lightFormShowsTheFile()
{
    m_editor->showSettingsWindow(1);
    QVERIFY(m_editor->isLightShown());
    ORV_FormXml_Light *light = m_editor->lightPage();
    QCOMPARE(light->serverPanel()->addressKind(), int(TransferServerPanel::ByName));
    QVERIFY(!light->serverPanel()->serverBox()->isCheckable());
    QVERIFY(!light->serverPanel()->cryptoBox()->isVisibleTo(light));
    QCOMPARE(lightChild<QComboBox>("comboBox_Operator1")->currentIndex(), 0);
    QCOMPARE(lightChild<QComboBox>("comboBox_RModeSim1")->currentIndex(), 3);
    // Preset 2 (the catalogue's defaults with a blocking time of 2 s, switched off).
    QCOMPARE(light->trackPreset(), 1);
    QVERIFY(lightChild<QRadioButton>("radioButton_TypeTrack2")->isChecked());
    QVERIFY(lightChild<QCheckBox>("checkBox_Track_Direction")->isChecked());
    QVERIFY(!lightChild<QCheckBox>("checkBox_Track_Corner")->isChecked());
    QCOMPARE(lightChild<QSpinBox>("spinBox_Track_Metr")->value(), 500);
    QVERIFY(lightChild<QCheckBox>("checkBox_Sensor_Ignition")->isChecked());
    QVERIFY(!lightChild<QCheckBox>("checkBox_Sensor_Fuel_Analog")->isChecked());
    QVERIFY(lightChild<QCheckBox>("checkBox_Sensor_Fuel_Frequency")->isChecked());
    QVERIFY(lightChild<QGroupBox>("groupBox_RS485_Fuel")->isChecked());
    QVERIFY(!lightChild<QCheckBox>("checkBox_RS485_Sensor1")->isChecked());
    QVERIFY(lightChild<QCheckBox>("checkBox_RS485_Sensor2")->isChecked());
    QCOMPARE(lightChild<QSpinBox>("spinBox_RS485_Address1")->value(), 1);
    QCOMPARE(lightChild<QSpinBox>("spinBox_RS485_Address2")->value(), 12);
    SettingsModel fresh;
    QVERIFY(fresh.openBytes(kFile));
    QCOMPARE(model()->toBytes(), fresh.toBytes());
}

void tst_TransferPages::lightPresetsAndTrackEdits()
{
    m_editor->showSettingsWindow(1);
    ORV_FormXml_Light *light = m_editor->lightPage();
    lightChild<QRadioButton>("radioButton_TypeTrack3")->setChecked(true);
    QCOMPARE(model()->text(QStringLiteral("TRACK"), QStringLiteral("GPSwriteTelemetryByChangeDirection")),
             QStringLiteral("1"));
    QCOMPARE(model()->text(QStringLiteral("TRACK"), QStringLiteral("GPStimeForWriteTelemetry")), QStringLiteral("20"));
    QVERIFY(lightChild<QCheckBox>("checkBox_Track_Corner")->isChecked());
    QVERIFY(!lightChild<QCheckBox>("checkBox_Track_Direction")->isChecked());
    QVERIFY(lightChild<QSpinBox>("spinBox_Track_Corner")->isEnabled());
    QCOMPARE(lightChild<QSpinBox>("spinBox_Track_Sec")->value(), 20);

    // An edit leaves the preset; the custom preset writes nothing.
    lightChild<QSpinBox>("spinBox_Track_Sec")->setValue(25);
    QCOMPARE(light->trackPreset(), int(LightRules::CustomPreset));
    QCOMPARE(model()->text(QStringLiteral("TRACK"), QStringLiteral("GPStimeForWriteTelemetry")), QStringLiteral("25"));
    lightChild<QSpinBox>("spinBox_Track_Sec")->setValue(20);
    QCOMPARE(light->trackPreset(), 2);
    lightChild<QCheckBox>("checkBox_Track_Direction")->setChecked(true);
    QCOMPARE(model()->text(QStringLiteral("TRACK"), QStringLiteral("GPSwriteTelemetryByChangeDirection")),
             QStringLiteral("2"));
    QVERIFY(!lightChild<QCheckBox>("checkBox_Track_Corner")->isChecked());
    QCOMPARE(light->trackPreset(), int(LightRules::CustomPreset));
    const QByteArray before = model()->toBytes();
    lightChild<QRadioButton>("radioButton_TypeTrack_Custom")->setChecked(true);
    QCOMPARE(model()->toBytes(), before);
}

void tst_TransferPages::lightInputsAndRs485()
{
    m_editor->showSettingsWindow(1);
    lightChild<QCheckBox>("checkBox_Sensor_Fuel_Analog")->setChecked(true);
    QCOMPARE(model()->text(QStringLiteral("SENSORS"), QStringLiteral("normStateAIN1")), QStringLiteral("UI"));
    lightChild<QCheckBox>("checkBox_Sensor_Fuel_Frequency")->setChecked(false);
    QCOMPARE(model()->text(QStringLiteral("SENSORS"), QStringLiteral("normStateIN2")), QStringLiteral("NU"));
    lightChild<QCheckBox>("checkBox_Sensor_RS232")->setChecked(true);
    const QString selection = text(QStringLiteral("GPRSprotocolConfig"));
    QCOMPARE(selection.at(20), QLatin1Char('1'));
    QCOMPARE(selection.at(34), QLatin1Char('0'));
    QCOMPARE(selection.at(43), QLatin1Char('1'));

    const QString rs = QStringLiteral("RS485");
    lightChild<QCheckBox>("checkBox_RS485_Sensor1")->setChecked(true);
    lightChild<QSpinBox>("spinBox_RS485_Address1")->setValue(21);
    QCOMPARE(model()->text(rs, QStringLiteral("FS0use485")), QStringLiteral("1"));
    QCOMPARE(model()->text(rs, QStringLiteral("FS0Adress485")), QStringLiteral("21"));
    QCOMPARE(text(QStringLiteral("GPRSprotocolConfig")).at(77), QLatin1Char('1'));
    lightChild<QCheckBox>("checkBox_RS485_Sensor1")->setChecked(false);
    lightChild<QCheckBox>("checkBox_RS485_Sensor2")->setChecked(false);
    QCOMPARE(model()->text(rs, QStringLiteral("Owner")), QStringLiteral("NONE"));
    const QString after = text(QStringLiteral("GPRSprotocolConfig"));
    QCOMPARE(QString(after.at(37)) + after.at(38) + after.at(77) + after.at(78), QStringLiteral("0000"));
    lightChild<QCheckBox>("checkBox_RS485_Sensor2")->setChecked(true);
    QCOMPARE(model()->text(rs, QStringLiteral("Owner")), QStringLiteral("FLDS"));
    lightChild<QGroupBox>("groupBox_RS485_Fuel")->setChecked(false);
    QCOMPARE(model()->text(rs, QStringLiteral("Owner")), QStringLiteral("NONE"));
}

void tst_TransferPages::switchingViewsHandsTheModelOver()
{
    m_editor->showSettingsWindow(1);
    ORV_FormXml_Light *light = m_editor->lightPage();
    light->serverPanel()->nameEdit()->setText(QStringLiteral("gw.example"));
    light->serverPanel()->findChild<QSpinBox *>(QStringLiteral("spinBox_Port"))->setValue(5055);
    lightChild<QComboBox>("comboBox_Operator1")->setCurrentIndex(2);
    lightChild<QComboBox>("comboBox_RModeSim1")->setCurrentIndex(1);
    lightChild<QSpinBox>("spinBox_RoamingPeriod")->setValue(45);
    lightChild<QRadioButton>("radioButton_TypeTrack1")->setChecked(true);
    const QByteArray fromLight = model()->toBytes();

    light->configFullButton()->pressed();
    QVERIFY(!m_editor->isLightShown());
    QCOMPARE(m_page->serverPanel(0)->nameEdit()->text(), QStringLiteral("gw.example"));
    QCOMPARE(m_page->serverPanel(0)->findChild<QSpinBox *>(QStringLiteral("spinBox_Port"))->value(), 5055);
    QCOMPARE(child<QComboBox>("comboBox_Operator1")->currentIndex(), 2);
    QCOMPARE(child<QSpinBox>("spinBox_RoamingPeriod")->value(), 45);
    QVERIFY(child<QSpinBox>("spinBox_RoamingPeriod")->isEnabled());
    QCOMPARE(model()->toBytes(), fromLight);

    m_editor->showSettingsWindow(1);
    QCOMPARE(light->trackPreset(), 0);
    QCOMPARE(model()->toBytes(), fromLight);
    QVERIFY(save(QStringLiteral("light.xml")));
    SettingsModel read;
    QVERIFY(read.open(m_dir.filePath(QStringLiteral("light.xml"))));
    QCOMPARE(read.text(kTransfer, QStringLiteral("RoamingPeriod")), QStringLiteral("2700"));
    QCOMPARE(read.text(kTransfer, QStringLiteral("GPRSopAPN")), QStringLiteral("internet"));
    QCOMPARE(LightRules::matchingPreset(read), 0);
}

void tst_TransferPages::lightConnectionTest()
{
    // The light form's test button tries the main server on its port: a
    // server that accepts, then a port nothing listens on (told at once).
    m_editor->showSettingsWindow(1);
    TransferServerPanel *main = m_editor->lightPage()->serverPanel();
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    main->addressKindCombo()->setCurrentIndex(TransferServerPanel::ByAddress);
    main->octets()->setAddress(QStringLiteral("127.0.0.1"));
    emit main->octets()->addressEdited(main->octets()->address());
    main->findChild<QSpinBox *>(QStringLiteral("spinBox_Port"))->setValue(server.serverPort());
    QCOMPARE(text(QStringLiteral("GPRSSrv0IP")), QStringLiteral("127.0.0.1"));

    QString seen;
    closeNextModalBox(&seen);
    main->testButton()->pressed();
    QTRY_VERIFY_WITH_TIMEOUT(!seen.isEmpty(), 10000);
    QVERIFY2(seen.startsWith(QStringLiteral("K4810_140|")), qPrintable(seen));

    const quint16 closed = server.serverPort();
    server.close();
    seen.clear();
    QElapsedTimer clock;
    clock.start();
    closeNextModalBox(&seen);
    main->testButton()->pressed();
    QTRY_VERIFY_WITH_TIMEOUT(!seen.isEmpty(), 10000);
    QVERIFY2(seen.startsWith(QStringLiteral("K4810_138|")), qPrintable(seen));
    QVERIFY2(seen.contains(QStringLiteral("K4810_2402")), qPrintable(seen)); // refused
    QVERIFY2(clock.elapsed() < 10000, "a refused connection is told at once, not at the limit");
    Q_UNUSED(closed);
}

QTEST_MAIN(tst_TransferPages)
#include "tst_transferpages.moc"
