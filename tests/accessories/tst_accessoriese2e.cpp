// The accessory pages end to end: the built libk4810.so, reached only
// through its exports, against the stand-in host's simulated tracker, with
// answers given later and from inside the plug-in's send. Read the
// configuration, configure RS-485 fuel sensors (and open a calibration
// table for them), check the CAN adapter, find a Bluetooth device and take
// it, set driving-style levels, write all to the tracker and read the same
// values back.

#include "host/pluginhost.h"
#include "host/simulator/services/accessories/accessoriesservice.h"
#include "host/simulator/services/settings/settingsservice.h"
#include "host/simulator/simulatedtracker.h"
#include "tests/support/trackersession.h"
#include "tests/support/uiautomation.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

using namespace UiAutomation;

class tst_AccessoriesE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void configureWriteAndReadBack_data();
    void configureWriteAndReadBack();
    void searchThatFailsOrIsCancelled_data();
    void searchThatFailsOrIsCancelled();
    void cleanupTestCase();

private:
    TrackerSession m_session;
    AccessoriesService *m_accessories = nullptr;
    QWidget *m_editor = nullptr;

    QWidget *readSettings();
    template <class W = QWidget>
    W *find(const QString &page, const QString &name) const
    {
        QWidget *p = m_editor ? m_editor->findChild<QWidget *>(page) : nullptr;
        return p ? p->findChild<W *>(name) : nullptr;
    }
    void showPage(const QString &page)
    {
        auto *tabs = m_editor->findChild<QTabWidget *>(QStringLiteral("tabWidget"));
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->widget(i)->findChild<QWidget *>(page))
                tabs->setCurrentIndex(i);
        }
    }
    void setChecked(QCheckBox *box, bool on)
    {
        if (box->isChecked() != on)
            box->click();
    }
};

void tst_AccessoriesE2E::initTestCase()
{
    QString error;
    QVERIFY2(m_session.start(&error), qPrintable(error));
    m_accessories = m_session.tracker->service<AccessoriesService>();
    QVERIFY(m_accessories);
    m_accessories->setStep(20);
    m_session.settings->setRepeatEvery(0);
}

QWidget *tst_AccessoriesE2E::readSettings()
{
    m_editor = m_session.readSettings(TrackerSession::Changes::Discard);
    return m_editor;
}

void tst_AccessoriesE2E::configureWriteAndReadBack_data()
{
    QTest::addColumn<bool>("insideSend");
    QTest::newRow("answers later") << false;
    QTest::newRow("answers inside the send") << true;
}

void tst_AccessoriesE2E::configureWriteAndReadBack()
{
    QFETCH(bool, insideSend);
    m_session.tracker->setAnswerMode(insideSend ? PluginHost::AnswerMode::InsideSend : PluginHost::AnswerMode::Async);
    m_session.settings->setStoredConfiguration(SettingsService::initialConfiguration());
    m_accessories->setSearchOutcome(AccessoriesService::SearchOutcome::Found);
    QVERIFY(readSettings() && m_editor->isVisible());
    const QString rs = QStringLiteral("ORV_FormRS");
    const QString can = QStringLiteral("ORV_FormCAN");
    const QString bt = QStringLiteral("ORV_FormBluetooth");
    const QString eco = QStringLiteral("ORV_FormEcoDrive");

    // The tracker's configuration: RS-485 fuel sensors, three in use.
    showPage(rs);
    QCOMPARE(find<QComboBox>(rs, "comboBox_RS485_UseAs")->currentText(), QStringLiteral("K4810_220"));
    QVERIFY(find<QCheckBox>(rs, "checkBox_RS485_Use_3")->isChecked());
    QCOMPARE(find<QSpinBox>(rs, "spinBox_RS485_Address_3")->value(), 5);
    QCOMPARE(find<QComboBox>(rs, "comboBox_RS485_FilterStep_1")->currentText(), QStringLiteral("3 (223)"));
    QCOMPARE(find<QLabel>(rs, "label_RS232_Speed")->text(), QStringLiteral("9600"));
    // A fourth sensor, and its calibration table.
    setChecked(find<QCheckBox>(rs, "checkBox_RS485_Use_4"), true);
    find<QSpinBox>(rs, "spinBox_RS485_Address_4")->setValue(9);
    find<QComboBox>(rs, "comboBox_RS485_FilterStep_4")->setCurrentIndex(7);
    find<QPushButton>(rs, "Btn_RS485_MakeFuelFile")->pressed();
    QWidget *fuelView = topLevel(QStringLiteral("ORV_FormFuelView"));
    QVERIFY(fuelView && fuelView->isVisible());
    fuelView->hide();

    // The CAN adapter answers at its stored address, not at another.
    showPage(can);
    auto *check = find<QPushButton>(can, "Btn_Programm");
    auto *checkText = find<QLabel>(can, "label_Check");
    QCOMPARE(find<QSpinBox>(can, "spinBox_Address")->value(), 3);
    check->pressed();
    QTRY_COMPARE(checkText->text(), QStringLiteral("K4810_2874"));
    find<QSpinBox>(can, "spinBox_Address")->setValue(4);
    check->pressed();
    QTRY_COMPARE(checkText->text(), QStringLiteral("K4810_2875"));
    QTRY_VERIFY(check->isEnabled());
    setChecked(find<QCheckBox>(can, "checkBox_Weight"), true);
    find<QSpinBox>(can, "spinBox_Weight")->setValue(18000);

    // A Bluetooth device found by the tracker's search, taken into the channel.
    showPage(bt);
    auto *list = find<QListWidget>(bt, "listWidget_Bt_Found");
    find<QPushButton>(bt, "Btn_Bt_Find")->pressed();
    QTRY_COMPARE(list->count(), 4);
    QTRY_VERIFY(find<QPushButton>(bt, "Btn_Bt_Find")->isEnabled());
    QCOMPARE(find<QLabel>(bt, "label_Bt_Status")->text(),
             QString::fromUtf8("Поиск завершен. <br>Найдено устройств: 4"));
    QVERIFY(list->item(2)->text().startsWith(QStringLiteral("<b>Ivan's phone</b>"))); // plain text, as named
    QCOMPARE(find<QComboBox>(bt, "comboBox_Bt_Device")->currentText(), QStringLiteral("ESCORT TD-BLE 1702"));
    list->setCurrentRow(1);
    find<QPushButton>(bt, "Btn_Bt_Add")->pressed();
    QCOMPARE(find<QComboBox>(bt, "comboBox_Bt_Device")->currentText(), QString::fromUtf8("Гарнитура водителя"));
    QCOMPARE(find<QLineEdit>(bt, "lineEdit_Bt_Mac")->text(), QStringLiteral("5C:F3:70:8B:12:E4"));

    // Driving style: the fourth braking level.
    showPage(eco);
    setChecked(find<QCheckBox>(eco, "checkBox_Retard_Use_4"), true);
    find<QDoubleSpinBox>(eco, "doubleSpinBox_Retard_Val_4")->setValue(0.75);
    find<QSpinBox>(eco, "spinBox_Speed_Hi_4")->setValue(130);

    // Written to the tracker ...
    auto *load = m_editor->findChild<QPushButton *>(QStringLiteral("pushButton_LoadToDevice"));
    QSignalSpy stored(m_session.settings, &SettingsService::configurationStored);
    acceptNextQuestion();
    load->pressed();
    QTRY_COMPARE_WITH_TIMEOUT(stored.count(), 1, 10000);
    QTRY_VERIFY(load->isEnabled());
    const QByteArray kept = m_session.settings->storedConfiguration();
    QVERIFY(kept.contains("<FS3Adress485>9</FS3Adress485>"));
    QVERIFY(kept.contains("<CANaddress>4</CANaddress>"));
    QVERIFY(kept.contains("macadr=\"5C:F3:70:8B:12:E4\""));
    QVERIFY(kept.contains("<RS232MODBUS address=\"1\"/>"));

    // ... and read back the same.
    find<QSpinBox>(rs, "spinBox_RS485_Address_4")->setValue(77);
    QVERIFY(readSettings());
    QVERIFY(find<QCheckBox>(rs, "checkBox_RS485_Use_4")->isChecked());
    QCOMPARE(find<QSpinBox>(rs, "spinBox_RS485_Address_4")->value(), 9);
    QCOMPARE(find<QComboBox>(rs, "comboBox_RS485_FilterStep_4")->currentText(), QStringLiteral("7 (30)"));
    QCOMPARE(find<QLabel>(rs, "label_RS232_Speed")->text(), QStringLiteral("9600"));
    QCOMPARE(find<QSpinBox>(can, "spinBox_Address")->value(), 4);
    QVERIFY(find<QCheckBox>(can, "checkBox_Weight")->isChecked());
    QCOMPARE(find<QSpinBox>(can, "spinBox_Weight")->value(), 18000);
    QCOMPARE(find<QComboBox>(bt, "comboBox_Bt_Device")->currentText(), QString::fromUtf8("Гарнитура водителя"));
    QCOMPARE(find<QLineEdit>(bt, "lineEdit_Bt_Mac")->text(), QStringLiteral("5C:F3:70:8B:12:E4"));
    QVERIFY(find<QCheckBox>(eco, "checkBox_Retard_Use_4")->isChecked());
    QCOMPARE(find<QDoubleSpinBox>(eco, "doubleSpinBox_Retard_Val_4")->value(), 0.75);
    QCOMPARE(find<QSpinBox>(eco, "spinBox_Speed_Hi_4")->value(), 130);
    // The adapter now answers at the address written.
    showPage(can);
    check->pressed();
    QTRY_COMPARE(checkText->text(), QStringLiteral("K4810_2874"));
}

void tst_AccessoriesE2E::searchThatFailsOrIsCancelled_data()
{
    QTest::addColumn<bool>("insideSend");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("status");
    QTest::newRow("fails, later") << false << false << QString::fromUtf8("Ошибка, поиск отменён.");
    QTest::newRow("fails, inside the send") << true << false << QString::fromUtf8("Ошибка, поиск отменён.");
    QTest::newRow("cancelled, later") << false << true << QString::fromUtf8("Поиск отменён пользователем.");
    QTest::newRow("cancelled, inside the send") << true << true << QString::fromUtf8("Поиск отменён пользователем.");
}

void tst_AccessoriesE2E::searchThatFailsOrIsCancelled()
{
    QFETCH(bool, insideSend);
    QFETCH(bool, cancel);
    QFETCH(QString, status);
    m_session.tracker->setAnswerMode(insideSend ? PluginHost::AnswerMode::InsideSend : PluginHost::AnswerMode::Async);
    m_accessories->setSearchOutcome(cancel ? AccessoriesService::SearchOutcome::Found
                                           : AccessoriesService::SearchOutcome::Fails);
    m_accessories->setStep(cancel ? 2000 : 20);
    QVERIFY(readSettings());
    const QString bt = QStringLiteral("ORV_FormBluetooth");
    showPage(bt);
    auto *findButton = find<QPushButton>(bt, "Btn_Bt_Find");
    auto *cancelButton = find<QPushButton>(bt, "Btn_Bt_Cancel");
    findButton->pressed();
    QVERIFY(!findButton->isEnabled());
    if (cancel) {
        QTRY_VERIFY(cancelButton->isEnabled());
        cancelButton->pressed();
    }
    QTRY_COMPARE(find<QLabel>(bt, "label_Bt_Status")->text(), status);
    QVERIFY(findButton->isEnabled());
    QVERIFY(!cancelButton->isEnabled());
    QCOMPARE(find<QListWidget>(bt, "listWidget_Bt_Found")->count(), 0);
    QVERIFY(!m_accessories->isSearching());
    m_accessories->setStep(20);
}

void tst_AccessoriesE2E::cleanupTestCase()
{
    m_session.tracker.reset();
    m_session.host->unload();
}

QTEST_MAIN(tst_AccessoriesE2E)
#include "tst_accessoriese2e.moc"
