// The output lines page: the 18 automatic-switching boxes of each output
// read from and written to their flag string, short or odd strings
// included; what the use-as choice, the waveform and the switch-off box
// enable; codes the page does not know are kept.

#include "pagefixture.h"
#include "settings/pages/orv_formoutputlines.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>

using namespace PageFixture;

class tst_FormOutputLines : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void missingSectionShowsDefaults();
    void autoSwitchFlags_data();
    void autoSwitchFlags();
    void useAsDecidesWhatIsEnabled_data();
    void useAsDecidesWhatIsEnabled();
    void unknownCodesAreKept();
    void switchOffTimeFollowsItsBox();

private:
    std::unique_ptr<Editor> m_editor;
    ORV_FormOutputLines *m_page = nullptr;

    template <class W>
    W *widget(const QString &name) const
    {
        W *w = m_page->findChild<W *>(name);
        if (!w)
            qWarning("no widget %s", qPrintable(name));
        return w;
    }
    QCheckBox *autoSwitch(int output, int event) const
    {
        return widget<QCheckBox>(QStringLiteral("checkBox_AutoSwitch_O%1_%2").arg(output).arg(event));
    }
    QString checkedBoxes(int output) const
    {
        QString s;
        for (int e = 1; e <= ORV_FormOutputLines::EventCount; ++e)
            s += autoSwitch(output, e)->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
        return s;
    }
};

void tst_FormOutputLines::init()
{
    m_editor = std::make_unique<Editor>();
    m_page = m_editor->page<ORV_FormOutputLines>(orv_FormXml_K4810::PageOutputLines);
    QVERIFY(m_page);
}

void tst_FormOutputLines::cleanup()
{
    m_editor.reset();
}

void tst_FormOutputLines::missingSectionShowsDefaults()
{
    // After a file that had the section, one without it.
    QVERIFY(m_editor->open("<OUTPUT_LINES><useAsO1>IMMOB</useAsO1><autoSwitchO2>111111111111111111</autoSwitchO2>"
                           "</OUTPUT_LINES>"));
    QCOMPARE(checkedBoxes(2), QStringLiteral("111111111111111111"));
    QVERIFY(m_editor->open("<TRACK/>"));
    for (int o = 1; o <= 2; ++o) {
        QCOMPARE(widget<QComboBox>(QStringLiteral("comboBox_UseAs_O%1").arg(o))->currentData().toString(),
                 QStringLiteral("GP"));
        QCOMPARE(checkedBoxes(o), QStringLiteral("000000000000000000"));
        QVERIFY(widget<QGroupBox>(QStringLiteral("groupBox_AutoSwitch_O%1").arg(o))->isEnabled());
        QCOMPARE(widget<QSpinBox>(QStringLiteral("spinBox_RstLockDelay_O%1").arg(o))->value(), 5);
    }
    QVERIFY(m_editor->saved("OUTPUT_LINES").contains("<autoSwitchO1>000000000000000000</autoSwitchO1>"));
}

void tst_FormOutputLines::autoSwitchFlags_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("shown"); // the 18 boxes, "1" checked
    QTest::addColumn<int>("click");     // the box the user clicks (1..18)
    QTest::addColumn<QString>("saved");
    QTest::newRow("18 flags") << QByteArray("010000000000000001") << "010000000000000001" << 1
                              << "110000000000000001";
    QTest::newRow("short: missing events are off, written whole") << QByteArray("101") << "101000000000000000" << 18
                                                   << "101000000000000001";
    QTest::newRow("empty") << QByteArray("") << "000000000000000000" << 5 << "000010000000000000";
    QTest::newRow("odd characters stay as they are") << QByteArray("1x1") << "101000000000000000" << 4 << "1x1100000000000000";
    QTest::newRow("a longer string keeps its tail") << QByteArray("0000000000000000001111") << "000000000000000000" << 1
                                                    << "1000000000000000001111";
    QTest::newRow("unchecking") << QByteArray("111111111111111111") << "111111111111111111" << 9
                                << "111111110111111111";
}

void tst_FormOutputLines::autoSwitchFlags()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, shown);
    QFETCH(int, click);
    QFETCH(QString, saved);
    QVERIFY(m_editor->open("<OUTPUT_LINES><autoSwitchO2>" + stored + "</autoSwitchO2></OUTPUT_LINES>"));
    QCOMPARE(checkedBoxes(2), shown);
    QCOMPARE(checkedBoxes(1), QStringLiteral("000000000000000000"));
    // Loading changed nothing.
    const QByteArray asRead = stored.isEmpty() ? QByteArray("<autoSwitchO2 />") : "<autoSwitchO2>" + stored + "</autoSwitchO2>";
    QVERIFY2(m_editor->saved("OUTPUT_LINES").contains(asRead), m_editor->saved("OUTPUT_LINES").constData());
    autoSwitch(2, click)->click();
    QVERIFY2(m_editor->saved("OUTPUT_LINES").contains(("<autoSwitchO2>" + saved + "</autoSwitchO2>").toLatin1()),
             m_editor->saved("OUTPUT_LINES").constData());
    QVERIFY(m_editor->saved("OUTPUT_LINES").contains("<autoSwitchO1>000000000000000000</autoSwitchO1>"));
}

void tst_FormOutputLines::useAsDecidesWhatIsEnabled_data()
{
    QTest::addColumn<QString>("useAs");
    QTest::addColumn<int>("signalForm");
    QTest::addColumn<bool>("waveform");
    QTest::addColumn<bool>("phases");
    QTest::addColumn<bool>("switching");
    QTest::addColumn<bool>("immobiliser");
    QTest::newRow("general purpose, steady") << "GP" << 0 << true << false << true << false;
    QTest::newRow("general purpose, pulses") << "GP" << 1 << true << true << true << false;
    QTest::newRow("immobiliser") << "IMMOB" << 1 << false << false << false << true;
    QTest::newRow("siren") << "SIREN" << 1 << false << false << false << false;
    QTest::newRow("touch-memory key") << "TM_KEY" << 0 << false << false << false << false;
    QTest::newRow("driver registration") << "TM_REG" << 0 << false << false << false << false;
}

void tst_FormOutputLines::useAsDecidesWhatIsEnabled()
{
    QFETCH(QString, useAs);
    QFETCH(int, signalForm);
    QFETCH(bool, waveform);
    QFETCH(bool, phases);
    QFETCH(bool, switching);
    QFETCH(bool, immobiliser);
    auto check = [&](const char *how) {
        QVERIFY2(widget<QComboBox>("comboBox_SignalForm_O1")->isEnabled() == waveform, how);
        QVERIFY2(widget<QSpinBox>("spinBox_ActivePhase_O1")->isEnabled() == phases, how);
        QVERIFY2(widget<QSpinBox>("spinBox_PassivePhase_O1")->isEnabled() == phases, how);
        QVERIFY2(autoSwitch(1, 7)->isEnabled() == switching, how);
        QVERIFY2(widget<QSpinBox>("spinBox_DelaySwOn_O1")->isEnabled() == immobiliser, how);
        // The other output is not touched.
        QVERIFY2(autoSwitch(2, 7)->isEnabled(), how);
    };
    // Loaded ...
    QVERIFY(m_editor->open(QStringLiteral("<OUTPUT_LINES><useAsO1>%1</useAsO1><signalFormO1>%2</signalFormO1>"
                                          "</OUTPUT_LINES>")
                               .arg(useAs)
                               .arg(signalForm)
                               .toLatin1()));
    QCOMPARE(widget<QComboBox>("comboBox_UseAs_O1")->currentData().toString(), useAs);
    check("loaded");
    // ... and chosen by the user.
    QVERIFY(m_editor->open(QStringLiteral("<OUTPUT_LINES><signalFormO1>%1</signalFormO1></OUTPUT_LINES>")
                               .arg(signalForm)
                               .toLatin1()));
    auto *combo = widget<QComboBox>("comboBox_UseAs_O1");
    combo->setCurrentIndex(combo->findData(useAs));
    QCOMPARE(m_editor->text("OUTPUT_LINES", QStringLiteral("useAsO1")), useAs);
    check("chosen");
}

void tst_FormOutputLines::unknownCodesAreKept()
{
    // Only the second output can light the key reader's indicator.
    QCOMPARE(widget<QComboBox>("comboBox_UseAs_O1")->findData(QStringLiteral("TM_KEY_IND")), -1);
    QVERIFY(widget<QComboBox>("comboBox_UseAs_O2")->findData(QStringLiteral("TM_KEY_IND")) >= 0);

    QVERIFY(m_editor->open("<OUTPUT_LINES><useAsO1>TM_KEY_IND</useAsO1><signalFormO2>3</signalFormO2>"
                           "<nicknameO2>Pump</nicknameO2></OUTPUT_LINES>"));
    auto *useAs = widget<QComboBox>("comboBox_UseAs_O1");
    QCOMPARE(useAs->currentText(), QStringLiteral("TM_KEY_IND")); // shown as it is
    QVERIFY(!widget<QComboBox>("comboBox_SignalForm_O1")->isEnabled());
    QCOMPARE(widget<QComboBox>("comboBox_SignalForm_O2")->currentText(), QStringLiteral("3"));
    // Saved after changes elsewhere: both codes as they were.
    widget<QLineEdit>("lineEdit_Nick_O2")->setText(QStringLiteral("Pump 2"));
    autoSwitch(1, 3)->click();
    const QByteArray saved = m_editor->saved("OUTPUT_LINES");
    QVERIFY(saved.contains("<useAsO1>TM_KEY_IND</useAsO1>"));
    QVERIFY(saved.contains("<signalFormO2>3</signalFormO2>"));
    QVERIFY(saved.contains("<nicknameO2>Pump 2</nicknameO2>"));
}

void tst_FormOutputLines::switchOffTimeFollowsItsBox()
{
    QVERIFY(m_editor->open("<OUTPUT_LINES><autoSwitchOffO2>0</autoSwitchOffO2>"
                           "<timeAutoSwitchOffO2>45</timeAutoSwitchOffO2></OUTPUT_LINES>"));
    auto *box = widget<QCheckBox>("checkBox_TimeAutoSwitchOff_O2");
    auto *time = widget<QSpinBox>("spinBox_TimeAutoSwitchOff_O2");
    QVERIFY(!box->isChecked());
    QVERIFY(!time->isEnabled());
    QCOMPARE(time->value(), 45); // a stored time stays while the box is off
    box->click();
    QVERIFY(time->isEnabled());
    time->setValue(90);
    const QByteArray saved = m_editor->saved("OUTPUT_LINES");
    QVERIFY(saved.contains("<autoSwitchOffO2>1</autoSwitchOffO2>"));
    QVERIFY(saved.contains("<timeAutoSwitchOffO2>90</timeAutoSwitchOffO2>"));
}

QTEST_MAIN(tst_FormOutputLines)
#include "tst_formoutputlines.moc"
