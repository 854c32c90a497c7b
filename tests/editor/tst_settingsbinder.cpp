// The binder: every kind of widget a page uses shows its key and puts the
// user's changes into the model; loading blocks the widgets' signals, so
// rules that follow the user never run on load; unknown stored codes and
// values stay; ranges, units, choices and input rules come from the catalogue.

#include "settings/model/settingsconversion.h"
#include "settings/model/settingskey.h"
#include "settings/model/settingsmodel.h"
#include "settings/pages/settingsbinder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <QTimeEdit>
#include <QRegularExpressionValidator>
#include <QValidator>

namespace {

const SettingsChoice kOwners[] = {choice("NONE", "K4810_219"), plainChoice("TACH"), plainChoice("TGFS")};
const SettingsChoice kBauds[] = {plainChoice("115200"), plainChoice("19200"), plainChoice("9600")};
// Filter steps 0..10 and the coefficient each stands for.
const SettingsChoice kSteps[] = {plainChoice("1000"), plainChoice("607"), plainChoice("368"), plainChoice("223"),
                                 plainChoice("135"),  plainChoice("82"),  plainChoice("50"),  plainChoice("30"),
                                 plainChoice("18"),   plainChoice("11"),  plainChoice("7")};

const SettingsRow kRows[] = {
    entryText("Owner", "NONE").choicesOf(kOwners),
    entryText("Baud", "19200").choicesOf(kBauds),
    entryInt("srvUse", 1),
    entryInt("srvPort", 4000).range(0, 65535),
    entryText("srvIP", "0.0.0.0").input(SettingsInputRule::IPv4Address),
    entryText("name", "NONAME"),
    entryText("password", "").input(SettingsInputRule::Password, 6),
    entryInt("average", 1),
    entryInt("mode", 0),
    entryInt("direction", 2),
    attrText("MODE0", "inUse", "11101111111"),
    attrInt("POWER", "level_on", 10500).unit(SettingsConversion::MillivoltsAsVolts).range(6, 32),
    attrInt("POWER", "level_off", 11000).unit(SettingsConversion::MillivoltsAsVolts).range(6, 32),
    entryReal("way", 0.01, 3).unit(SettingsConversion::KilometresAsMetres).range(1, 1000),
    entryReal("hdop", 2.5, 1).range(0.5, 10, 0.1),
    attrText("DAY", "on_timer", "").input(SettingsInputRule::Time),
    entryText("delays", "60 60 60 60"),
    entryInt("FS%1Kalman485", 82).indexed(0, 1).choicesOf(kSteps),
};

const SettingsTable &table()
{
    static const SettingsTable t(sectionRows("TEST", "ORV_FormTest", kRows));
    return t;
}

template <class W>
W *bound(QWidget *root, const QString &path, const QVariantMap &more = {})
{
    auto *w = new W(root);
    w->setProperty(SettingsBinder::PathProperty, path);
    for (auto it = more.cbegin(); it != more.cend(); ++it)
        w->setProperty(it.key().toLatin1().constData(), it.value());
    return w;
}

} // namespace

class tst_SettingsBinder : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void spinBoxesWithRangesAndUnits();
    void checkBoxesFlagsAndValues();
    void radioGroupKeepsAnUnknownValue();
    void combosByCode();
    void spinBoxOverChoices();
    void comboKeepsAnUnknownCode();
    void lineEditsRefuseWhatCannotBeStored_data();
    void lineEditsRefuseWhatCannotBeStored();
    void octetsAndListItems();
    void lineEditKeepsThePagesValidator();
    void timeEditMayBeEmpty();
    void loadRunsNoUserRule();
    void enablingRulesRunOnLoadAndAfterChanges();
    void sliderAndFieldKeepAGap_data();
    void sliderAndFieldKeepAGap();
    void widgetsFollowTheModel();

private:
    SettingsModel *m_model = nullptr;
    QWidget *m_root = nullptr;
    SettingsBinder *m_binder = nullptr;
    void bindAll()
    {
        m_binder = new SettingsBinder(m_model, QStringLiteral("TEST"), m_root, m_root);
        m_binder->bindAll();
        m_binder->load();
    }
    QString text(const char *path) const { return m_model->text(QStringLiteral("TEST"), QLatin1String(path)); }
    bool open(const QByteArray &section)
    {
        return m_model->openBytes("<DEVICE><TEST>" + section + "</TEST></DEVICE>");
    }
};

void tst_SettingsBinder::init()
{
    m_model = new SettingsModel({&table()});
    m_root = new QWidget;
}

void tst_SettingsBinder::cleanup()
{
    delete m_root;
    delete m_model;
    m_binder = nullptr;
}

void tst_SettingsBinder::spinBoxesWithRangesAndUnits()
{
    auto *port = bound<QSpinBox>(m_root, QStringLiteral("srvPort"));
    auto *volts = bound<QDoubleSpinBox>(m_root, QStringLiteral("POWER/level_on"));
    auto *millivolts = bound<QSlider>(m_root, QStringLiteral("POWER/level_on"), {{"settingsUnit", "stored"}});
    auto *metres = bound<QSpinBox>(m_root, QStringLiteral("way"));
    auto *hdop = bound<QDoubleSpinBox>(m_root, QStringLiteral("hdop"));
    QVERIFY(open("<srvPort>70000</srvPort><way>0.2504</way><POWER level_on=\"10500\"/>"));
    bindAll();

    QCOMPARE(port->minimum(), 0);
    QCOMPARE(port->value(), 70000); // a stored value out of range is shown, not clamped
    QCOMPARE(text("srvPort"), QStringLiteral("70000"));
    QCOMPARE(volts->decimals(), 3);
    QCOMPARE(volts->minimum(), 6.0);
    QCOMPARE(volts->value(), 10.5);
    QCOMPARE(millivolts->minimum(), 6000);
    QCOMPARE(millivolts->maximum(), 32000);
    QCOMPARE(millivolts->value(), 10500);
    QCOMPARE(metres->value(), 251);
    QCOMPARE(hdop->decimals(), 1);
    QCOMPARE(hdop->singleStep(), 0.1);

    volts->setValue(12.007); // the user types it
    QCOMPARE(text("POWER/level_on"), QStringLiteral("12007"));
    QCOMPARE(millivolts->value(), 12007);
    millivolts->setValue(2007 + 10000);
    QCOMPARE(volts->value(), 12.007);
    metres->setValue(250);
    QCOMPARE(text("way"), QStringLiteral("0.250"));
    port->setValue(4810);
    QCOMPARE(text("srvPort"), QStringLiteral("4810"));
}

void tst_SettingsBinder::checkBoxesFlagsAndValues()
{
    auto *use = bound<QCheckBox>(m_root, QStringLiteral("srvUse"));
    auto *group = bound<QGroupBox>(m_root, QStringLiteral("srvUse"));
    group->setCheckable(true);
    QList<QCheckBox *> flags;
    for (int i = 0; i < 12; ++i)
        flags << bound<QCheckBox>(m_root, QStringLiteral("MODE0/inUse"), {{"settingsIndex", i}});
    auto *byAngle = bound<QCheckBox>(m_root, QStringLiteral("direction"), {{"settingsValue", "1"}});
    auto *byDirection = bound<QCheckBox>(m_root, QStringLiteral("direction"), {{"settingsValue", "2"}});
    QVERIFY(open("<srvUse>0</srvUse><MODE0 inUse=\"1010\"/>"));
    bindAll();

    QVERIFY(!use->isChecked());
    QVERIFY(!group->isChecked());
    QList<bool> states;
    for (QCheckBox *f : flags)
        states << f->isChecked();
    // The positions "1010" lacks are the default's ("11101111111"), "0" beyond it.
    QCOMPARE(states, (QList<bool>{true, false, true, false, true, true, true, true, true, true, true, false}));
    QVERIFY(byDirection->isChecked());
    QVERIFY(!byAngle->isChecked());

    // A short string is written whole, padded as it was shown.
    flags[5]->setChecked(false);
    QCOMPARE(text("MODE0/inUse"), QStringLiteral("10101011111"));
    flags[0]->setChecked(false);
    QCOMPARE(text("MODE0/inUse"), QStringLiteral("00101011111"));
    use->setChecked(true);
    QCOMPARE(text("srvUse"), QStringLiteral("1"));
    QVERIFY(group->isChecked());
    byAngle->setChecked(true);
    QCOMPARE(text("direction"), QStringLiteral("1"));
    QVERIFY(!byDirection->isChecked());
    byAngle->setChecked(false);
    QCOMPARE(text("direction"), QStringLiteral("0"));

    // A long string keeps its tail.
    QVERIFY(open("<MODE0 inUse=\"1110111111111xy\"/>"));
    flags[3]->setChecked(true);
    QCOMPARE(text("MODE0/inUse"), QStringLiteral("1111111111111xy"));
}

void tst_SettingsBinder::radioGroupKeepsAnUnknownValue()
{
    QButtonGroup buttons;
    QList<QRadioButton *> radios;
    for (const char *v : {"0", "1", "3"}) {
        radios << bound<QRadioButton>(m_root, QStringLiteral("average"), {{"settingsValue", v}});
        buttons.addButton(radios.last());
    }
    QVERIFY(open("<average>3</average>"));
    bindAll();
    QVERIFY(radios[2]->isChecked());
    radios[0]->setChecked(true);
    QCOMPARE(text("average"), QStringLiteral("0"));

    // A value none of the buttons stands for checks none and stays.
    QVERIFY(open("<average>7</average>"));
    QVERIFY(!radios[0]->isChecked() && !radios[1]->isChecked() && !radios[2]->isChecked());
    QCOMPARE(text("average"), QStringLiteral("7"));
    QVERIFY(m_model->toBytes().contains("<average>7</average>"));
    radios[1]->click();
    QCOMPARE(text("average"), QStringLiteral("1"));
}

void tst_SettingsBinder::combosByCode()
{
    auto *owner = bound<QComboBox>(m_root, QStringLiteral("Owner")); // empty: items from the catalogue
    auto *designed = bound<QComboBox>(m_root, QStringLiteral("Baud"));
    designed->addItems({QStringLiteral("115 200 bit/s"), QStringLiteral("19 200 bit/s"), QStringLiteral("9600 bit/s")});
    auto *byIndex = bound<QComboBox>(m_root, QStringLiteral("mode"));
    byIndex->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    QVERIFY(open("<Owner>TGFS</Owner><Baud>9600</Baud><mode>1</mode>"));
    bindAll();

    QCOMPARE(owner->count(), 3);
    QCOMPARE(owner->itemText(0), QStringLiteral("K4810_219"));
    QCOMPARE(owner->itemText(1), QStringLiteral("TACH"));
    QCOMPARE(owner->currentIndex(), 2);
    QCOMPARE(designed->currentIndex(), 2);
    QCOMPARE(byIndex->currentIndex(), 1);
    owner->setCurrentIndex(1);
    QCOMPARE(text("Owner"), QStringLiteral("TACH"));
    designed->setCurrentIndex(0);
    QCOMPARE(text("Baud"), QStringLiteral("115200"));
    byIndex->setCurrentIndex(2);
    QCOMPARE(text("mode"), QStringLiteral("2"));
}

void tst_SettingsBinder::spinBoxOverChoices()
{
    auto *step0 = bound<QSpinBox>(m_root, QStringLiteral("FS0Kalman485"));
    auto *step1 = bound<QSpinBox>(m_root, QStringLiteral("FS1Kalman485"));
    QVERIFY(open("<FS0Kalman485>223</FS0Kalman485><FS1Kalman485>99</FS1Kalman485>"));
    bindAll();
    QCOMPARE(step0->maximum(), 10);
    QCOMPARE(step0->value(), 3);
    step0->setValue(4);
    QCOMPARE(text("FS0Kalman485"), QStringLiteral("135"));
    QCOMPARE(text("FS1Kalman485"), QStringLiteral("99")); // among none: kept until the user picks a step
    step1->setValue(5);
    QCOMPARE(text("FS1Kalman485"), QStringLiteral("82"));
}

void tst_SettingsBinder::comboKeepsAnUnknownCode()
{
    auto *owner = bound<QComboBox>(m_root, QStringLiteral("Owner"));
    QVERIFY(open("<Owner>CAM9</Owner>"));
    bindAll();
    QCOMPARE(owner->count(), 4);
    QCOMPARE(owner->currentText(), QStringLiteral("CAM9"));
    QCOMPARE(text("Owner"), QStringLiteral("CAM9"));
    QVERIFY(m_model->toBytes().contains("<Owner>CAM9</Owner>"));
    owner->setCurrentIndex(0);
    QCOMPARE(text("Owner"), QStringLiteral("NONE"));
    owner->setCurrentIndex(3); // the user may go back to it
    QCOMPARE(text("Owner"), QStringLiteral("CAM9"));
    // A known code on the next load: the extra item goes.
    QVERIFY(open("<Owner>TACH</Owner>"));
    QCOMPARE(owner->count(), 3);
    QCOMPARE(owner->currentIndex(), 1);
}

void tst_SettingsBinder::lineEditsRefuseWhatCannotBeStored_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("Cyrillic") << "name" << QStringLiteral("Автобус № 12") << true;
    QTest::newRow("outside windows-1251") << "name" << QStringLiteral("Müller") << false;
    QTest::newRow("CJK") << "name" << QStringLiteral("日本") << false;
    QTest::newRow("254 characters") << "name" << QString(254, QLatin1Char('x')) << true;
    QTest::newRow("255 characters") << "name" << QString(255, QLatin1Char('x')) << false;
    QTest::newRow("password of six") << "password" << QStringLiteral("ab12cd") << true;
    QTest::newRow("password of seven") << "password" << QStringLiteral("ab12cde") << false;
    QTest::newRow("password with a space") << "password" << QStringLiteral("ab 1") << false;
    QTest::newRow("address") << "srvIP" << QStringLiteral("10.0.0.255") << true;
    QTest::newRow("octet over 255") << "srvIP" << QStringLiteral("10.0.0.256") << false;
}

void tst_SettingsBinder::lineEditsRefuseWhatCannotBeStored()
{
    QFETCH(QString, path);
    QFETCH(QString, input);
    QFETCH(bool, accepted);
    auto *edit = bound<QLineEdit>(m_root, path);
    bindAll();
    const QString before = m_model->text(QStringLiteral("TEST"), path);
    // Typed character by character: each goes through the field's validator.
    edit->selectAll();
    edit->del();
    for (QChar c : input)
        edit->insert(QString(c));
    if (accepted) {
        QCOMPARE(m_model->text(QStringLiteral("TEST"), path), input);
    } else {
        // What is typed stops where it stops being storable or allowed.
        QVERIFY(m_model->text(QStringLiteral("TEST"), path) != input);
        int pos = 0;
        QString whole = input;
        QCOMPARE(edit->validator()->validate(whole, pos), QValidator::Invalid);
    }
    Q_UNUSED(before);
}

void tst_SettingsBinder::octetsAndListItems()
{
    QList<QLineEdit *> octets;
    for (int i = 0; i < 4; ++i)
        octets << bound<QLineEdit>(m_root, QStringLiteral("srvIP"), {{"settingsItem", i}});
    auto *secondDelay = bound<QSpinBox>(m_root, QStringLiteral("delays"), {{"settingsItem", 1}});
    secondDelay->setRange(0, 3600);
    QVERIFY(open("<srvIP>203.0.113.48</srvIP><delays>30 60 90 120</delays>"));
    bindAll();
    QCOMPARE(octets[3]->text(), QStringLiteral("48"));
    QCOMPARE(octets[0]->maxLength(), 3);
    QCOMPARE(secondDelay->value(), 60);
    octets[2]->setText(QStringLiteral("7"));
    QCOMPARE(text("srvIP"), QStringLiteral("203.0.7.48"));
    secondDelay->setValue(75);
    QCOMPARE(text("delays"), QStringLiteral("30 75 90 120"));
    int pos = 0;
    QString big = QStringLiteral("256");
    QCOMPARE(octets[0]->validator()->validate(big, pos), QValidator::Invalid);
}

void tst_SettingsBinder::lineEditKeepsThePagesValidator()
{
    // A field the page gave a validator of its own (a stricter rule than the
    // catalogue's) keeps it; the others get the catalogue's.
    auto *own = bound<QLineEdit>(m_root, QStringLiteral("name"));
    auto *digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), own);
    own->setValidator(digits);
    auto *plain = bound<QLineEdit>(m_root, QStringLiteral("password"));
    bindAll();
    QCOMPARE(own->validator(), digits);
    QVERIFY(plain->validator() && plain->validator() != digits);
    QCOMPARE(plain->maxLength(), 6);
    own->clear();
    own->insert(QStringLiteral("12"));
    own->insert(QStringLiteral("x"));
    QCOMPARE(text("name"), QStringLiteral("12"));
}

void tst_SettingsBinder::timeEditMayBeEmpty()
{
    auto *time = bound<QTimeEdit>(m_root, QStringLiteral("DAY/on_timer"));
    QVERIFY(open("<DAY on_timer=\"\"/>"));
    bindAll();
    QCOMPARE(time->text(), QStringLiteral("--:--"));
    QCOMPARE(text("DAY/on_timer"), QString());
    time->setTime(QTime(6, 30, 1));
    QCOMPARE(text("DAY/on_timer"), QStringLiteral("06:30"));
    QVERIFY(open("<DAY on_timer=\"00:00\"/>"));
    QCOMPARE(time->text(), QStringLiteral("00:00")); // midnight is not empty
    time->setTime(time->minimumTime());
    QCOMPARE(text("DAY/on_timer"), QString());
}

void tst_SettingsBinder::loadRunsNoUserRule()
{
    // A server switched off sets its port to 0 - when the user does it.
    auto *use = bound<QCheckBox>(m_root, QStringLiteral("srvUse"));
    auto *port = bound<QSpinBox>(m_root, QStringLiteral("srvPort"));
    int ruleRuns = 0;
    connect(use, &QCheckBox::toggled, m_root, [&](bool on) {
        ++ruleRuns;
        if (!on)
            port->setValue(0);
    });
    QVERIFY(open("<srvUse>1</srvUse><srvPort>4810</srvPort>"));
    bindAll();
    QSignalSpy edited(m_binder, &SettingsBinder::edited);
    // Stored as off, with a port: loading keeps the port.
    QVERIFY(open("<srvUse>0</srvUse><srvPort>4810</srvPort>"));
    QCOMPARE(ruleRuns, 0);
    QVERIFY(!use->isChecked());
    QCOMPARE(port->value(), 4810);
    QCOMPARE(text("srvPort"), QStringLiteral("4810"));
    QCOMPARE(edited.count(), 0);
    QVERIFY(!m_model->isChanged(QStringLiteral("TEST"), QStringLiteral("srvPort")));
    QVERIFY(m_model->toBytes().contains("<srvPort>4810</srvPort>"));

    use->click();
    use->click(); // off again, by the user
    QCOMPARE(ruleRuns, 2);
    QCOMPARE(text("srvPort"), QStringLiteral("0"));
    QCOMPARE(edited.count(), 3);
}

void tst_SettingsBinder::enablingRulesRunOnLoadAndAfterChanges()
{
    auto *use = bound<QCheckBox>(m_root, QStringLiteral("srvUse"));
    auto *port = bound<QSpinBox>(m_root, QStringLiteral("srvPort"), {{"settingsEnabledBy", "srvUse"}});
    auto *tach = new QWidget(m_root);
    tach->setProperty(SettingsBinder::EnabledByProperty, QStringLiteral("Owner=TACH|TGFS"));
    auto *notTach = new QWidget(m_root);
    notTach->setProperty(SettingsBinder::EnabledByProperty, QStringLiteral("!Owner=TACH"));
    QVERIFY(open("<srvUse>0</srvUse><Owner>TGFS</Owner>"));
    bindAll();
    QVERIFY(!port->isEnabled());
    QVERIFY(tach->isEnabled());
    QVERIFY(notTach->isEnabled());
    use->click();
    QVERIFY(port->isEnabled());
    QVERIFY(m_model->setText(QStringLiteral("TEST"), QStringLiteral("Owner"), QStringLiteral("TACH")));
    QVERIFY(!notTach->isEnabled());
    QVERIFY(m_model->setText(QStringLiteral("TEST"), QStringLiteral("Owner"), QStringLiteral("NONE")));
    QVERIFY(!tach->isEnabled());
}

void tst_SettingsBinder::sliderAndFieldKeepAGap_data()
{
    QTest::addColumn<int>("rule");
    QTest::addColumn<bool>("moveLow");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("low");
    QTest::addColumn<int>("high");
    // level_on below level_off by at least 100 mV, within 6 .. 32 V.
    const int push = int(SettingsBinder::GapRule::Push);
    const int hold = int(SettingsBinder::GapRule::Hold);
    QTest::newRow("low onto high pushes high") << push << true << 11000 << 11000 << 11100;
    QTest::newRow("low to the top stops a gap below it") << push << true << 32000 << 31900 << 32000;
    QTest::newRow("high onto low pushes low") << push << false << 10550 << 10450 << 10550;
    QTest::newRow("high to the bottom") << push << false << 6000 << 6000 << 6100;
    QTest::newRow("apart: nothing moves") << push << true << 9000 << 9000 << 11000;
    QTest::newRow("hold: low set back") << hold << true << 10950 << 10900 << 11000;
    QTest::newRow("hold: high set back") << hold << false << 10520 << 10500 << 10600;
}

void tst_SettingsBinder::sliderAndFieldKeepAGap()
{
    QFETCH(int, rule);
    QFETCH(bool, moveLow);
    QFETCH(int, to);
    QFETCH(int, low);
    QFETCH(int, high);
    auto *lowSlider = bound<QSlider>(m_root, QStringLiteral("POWER/level_on"), {{"settingsUnit", "stored"}});
    auto *lowField = bound<QDoubleSpinBox>(m_root, QStringLiteral("POWER/level_on"));
    auto *highSlider = bound<QSlider>(m_root, QStringLiteral("POWER/level_off"), {{"settingsUnit", "stored"}});
    bindAll();
    m_binder->keepGap(QStringLiteral("POWER/level_on"), QStringLiteral("POWER/level_off"), 100, 6000, 32000,
                      SettingsBinder::GapRule(rule));
    (moveLow ? lowSlider : highSlider)->setValue(to);
    QCOMPARE(m_model->value(QStringLiteral("TEST"), QStringLiteral("POWER/level_on"), &SettingsConversion::Stored).toInt(), low);
    QCOMPARE(m_model->value(QStringLiteral("TEST"), QStringLiteral("POWER/level_off"), &SettingsConversion::Stored).toInt(), high);
    QCOMPARE(lowSlider->value(), low);
    QCOMPARE(highSlider->value(), high);
    QCOMPARE(lowField->value(), low / 1000.0);
}

void tst_SettingsBinder::widgetsFollowTheModel()
{
    auto *name = bound<QLineEdit>(m_root, QStringLiteral("name"));
    auto *other = bound<QLineEdit>(m_root, QStringLiteral("name"));
    bindAll();
    QSignalSpy typed(other, &QLineEdit::textChanged);
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("X"));
    QCOMPARE(other->text(), QStringLiteral("NONAMEX"));
    QCOMPARE(typed.count(), 0); // set with its signals blocked
    QCOMPARE(name->cursorPosition(), 7); // the widget typed into is left alone
    m_model->reset();
    QCOMPARE(name->text(), QStringLiteral("NONAME"));
}

QTEST_MAIN(tst_SettingsBinder)
#include "tst_settingsbinder.moc"
