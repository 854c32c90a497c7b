// The guard page: the events of the two modes read from and written to
// their inUse strings (short strings read as the default where they end),
// the reaction combos by code (an unknown code kept), and the rules that
// follow the keys and the user.

#include "pagefixture.h"
#include "settings/pages/orv_formguard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>
#include <QTest>

using namespace PageFixture;

class tst_FormGuard : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void watchedEvents_data();
    void watchedEvents();
    void reactionCombos_data();
    void reactionCombos();
    void enablingRules_data();
    void enablingRules();
    void uncheckingTheIgnitionCheckUnchecksItsOption();

private:
    std::unique_ptr<Editor> m_editor;
    ORV_FormGuard *m_page = nullptr;

    template <class W>
    W *widget(const QString &name) const
    {
        W *w = m_page->findChild<W *>(name);
        if (!w)
            qWarning("no widget %s", qPrintable(name));
        return w;
    }
    QString checkedEvents(int mode) const
    {
        QString s;
        for (int e = 1; e <= ORV_FormGuard::EventCount; ++e)
            s += widget<QCheckBox>(QStringLiteral("checkBox_Mode%1_Event_%2").arg(mode).arg(e))->isChecked()
                     ? QLatin1Char('1')
                     : QLatin1Char('0');
        return s;
    }
};

void tst_FormGuard::init()
{
    m_editor = std::make_unique<Editor>();
    m_page = m_editor->page<ORV_FormGuard>(orv_FormXml_K4810::PageGuard);
    QVERIFY(m_page);
}

void tst_FormGuard::cleanup()
{
    m_editor.reset();
}

void tst_FormGuard::watchedEvents_data()
{
    QTest::addColumn<QByteArray>("modes"); // MODE0 and MODE1 elements, or nothing
    QTest::addColumn<QString>("shown0");
    QTest::addColumn<QString>("shown1");
    QTest::addColumn<int>("mode");  // the user clicks an event of this mode
    QTest::addColumn<int>("event"); // 1..11
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("the defaults: all but the fourth event in the guard")
        << QByteArray() << "11101111111" << "00000000000" << 0 << 4 << QByteArray("inUse=\"11111111111\"");
    QTest::newRow("stored strings") << QByteArray("<MODE0 inUse=\"11101111111\"/><MODE1 inUse=\"10000000001\"/>")
                                    << "11101111111" << "10000000001" << 1 << 1 << QByteArray("inUse=\"00000000001\"");
    QTest::newRow("short string: the rest as the default, written whole")
        << QByteArray("<MODE0 inUse=\"0\"/>") << "01101111111" << "00000000000" << 0 << 6
        << QByteArray("inUse=\"01101011111\"");
    QTest::newRow("short string, observation mode") << QByteArray("<MODE1 inUse=\"11\"/>") << "11101111111"
                                                    << "11000000000" << 1 << 11 << QByteArray("inUse=\"11000000001\"");
    QTest::newRow("empty string") << QByteArray("<MODE0 inUse=\"\"/>") << "11101111111" << "00000000000" << 0 << 1
                                  << QByteArray("inUse=\"01101111111\"");
}

void tst_FormGuard::watchedEvents()
{
    QFETCH(QByteArray, modes);
    QFETCH(QString, shown0);
    QFETCH(QString, shown1);
    QFETCH(int, mode);
    QFETCH(int, event);
    QFETCH(QByteArray, saved);
    QVERIFY(m_editor->open("<GUARD_PROFILES><GLOBAL use=\"1\"/>" + modes + "</GUARD_PROFILES>"));
    QCOMPARE(checkedEvents(0), shown0);
    QCOMPARE(checkedEvents(1), shown1);
    const QByteArray before = m_editor->saved("GUARD_PROFILES");
    widget<QCheckBox>(QStringLiteral("checkBox_Mode%1_Event_%2").arg(mode).arg(event))->click();
    const QByteArray after = m_editor->saved("GUARD_PROFILES");
    const QByteArray element = "<MODE" + QByteArray::number(mode) + " ";
    const QByteArray changed = after.mid(after.indexOf(element), after.indexOf("/>", after.indexOf(element)) - after.indexOf(element));
    QVERIFY2(changed.contains(saved), changed.constData());
    // The other mode is written as it was.
    const QByteArray other = "<MODE" + QByteArray::number(1 - mode) + " ";
    const qsizetype b = before.indexOf(other);
    const qsizetype a = after.indexOf(other);
    QCOMPARE(after.mid(a, after.indexOf("/>", a) - a), before.mid(b, before.indexOf("/>", b) - b));
}

void tst_FormGuard::reactionCombos_data()
{
    QTest::addColumn<QString>("combo");
    QTest::addColumn<QByteArray>("stored"); // the MODE0 element
    QTest::addColumn<QString>("shownCode");
    QTest::addColumn<bool>("extra");   // shown as a code the list lacks
    QTest::addColumn<int>("chooseCode"); // then the user chooses; -1: the user changes another value
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("default alarm reaction: SMS and call")
        << "comboBox_Mode0_AlarmSys" << QByteArray() << "34" << false << 35 << QByteArray("alarmSys=\"35\"");
    QTest::newRow("stored sound") << "comboBox_Mode0_AlarmSound" << QByteArray("<MODE0 alarmSound=\"3\"/>") << "3"
                                  << false << 0 << QByteArray("alarmSound=\"0\"");
    QTest::newRow("unknown code kept") << "comboBox_Mode0_AlarmSys" << QByteArray("<MODE0 alarmSys=\"99\"/>") << "99"
                                       << true << -1 << QByteArray("alarmSys=\"99\"");
    QTest::newRow("unknown code replaced by the user's choice")
        << "comboBox_Mode0_NormSys" << QByteArray("<MODE0 normSys=\"7\"/>") << "7" << true << 2
        << QByteArray("normSys=\"2\"");
}

void tst_FormGuard::reactionCombos()
{
    QFETCH(QString, combo);
    QFETCH(QByteArray, stored);
    QFETCH(QString, shownCode);
    QFETCH(bool, extra);
    QFETCH(int, chooseCode);
    QFETCH(QByteArray, saved);
    QVERIFY(m_editor->open("<GUARD_PROFILES>" + stored + "</GUARD_PROFILES>"));
    auto *c = widget<QComboBox>(combo);
    QCOMPARE(c->currentData().toString(), shownCode);
    QCOMPARE(c->currentText() == shownCode, extra);
    if (chooseCode >= 0)
        c->setCurrentIndex(c->findData(QString::number(chooseCode)));
    else
        widget<QCheckBox>("checkBox_Mode0_Event_2")->click();
    const QByteArray out = m_editor->saved("GUARD_PROFILES");
    QVERIFY2(out.contains(saved), out.constData());
}

void tst_FormGuard::enablingRules_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<bool>("enabledOnLoad");
    QTest::addColumn<QString>("userClicks"); // a check box, or "line:<code>"
    QTest::addColumn<bool>("enabledAfter");
    const QByteArray on = "<GLOBAL use=\"1\"/>";
    QTest::newRow("the guard's use box enables the guard settings")
        << QByteArray() << "widget_Guard" << false << "checkBox_Global_Use" << true;
    QTest::newRow("no switching line: switching disabled")
        << on + "<STS line=\"NONE\"/>" << "comboBox_SwitchMode_Type" << false << "line:O1" << true;
    QTest::newRow("a line: pulse length enabled") << on + "<STS line=\"O2\"/>" << "spinBox_SwitchTimer" << true
                                                  << "line:NONE" << false;
    QTest::newRow("a line code the list lacks is still a line")
        << on + "<STS line=\"IN3\"/>" << "comboBox_SwitchMode_Type" << true << "line:NONE" << false;
    QTest::newRow("alarm at once: no time to disarm")
        << on + "<ADDITION alarmCheck=\"1\"/>" << "spinBox_More_RemovalDelay" << false << "checkBox_More_AutoAlarm"
        << true;
    QTest::newRow("ignition check enables its option") << on << "checkBox_More_VoltIgn" << false
                                                       << "checkBox_More_NoProtection" << true;
    QTest::newRow("re-arming time with its box") << on + "<REGUARD use=\"1\" time=\"45\"/>" << "spinBox_Reguard_Time"
                                                 << true << "checkBox_Reguard_Use" << false;
}

void tst_FormGuard::enablingRules()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, widget);
    QFETCH(bool, enabledOnLoad);
    QFETCH(QString, userClicks);
    QFETCH(bool, enabledAfter);
    QVERIFY(m_editor->open("<GUARD_PROFILES>" + stored + "</GUARD_PROFILES>"));
    auto *w = m_page->findChild<QWidget *>(widget);
    QVERIFY(w);
    QCOMPARE(w->isEnabled(), enabledOnLoad);
    if (userClicks.startsWith(QLatin1String("line:"))) {
        auto *line = this->widget<QComboBox>("comboBox_SwitchMode_Line");
        line->setCurrentIndex(line->findData(userClicks.mid(5)));
    } else {
        this->widget<QCheckBox>(userClicks)->click();
    }
    QCOMPARE(w->isEnabled(), enabledAfter);
}

void tst_FormGuard::uncheckingTheIgnitionCheckUnchecksItsOption()
{
    // Loaded as stored, even where the rule would not allow it: no rule runs on load.
    QVERIFY(m_editor->open("<GUARD_PROFILES><GLOBAL use=\"1\"/><ADDITION guardIgnCheck=\"0\" voltIgn=\"1\"/>"
                           "</GUARD_PROFILES>"));
    auto *check = widget<QCheckBox>("checkBox_More_NoProtection");
    auto *option = widget<QCheckBox>("checkBox_More_VoltIgn");
    QVERIFY(option->isChecked());
    QVERIFY(!option->isEnabled());
    QVERIFY(m_editor->saved("GUARD_PROFILES").contains("voltIgn=\"1\""));

    check->click(); // on: the option may be set
    QVERIFY(option->isEnabled());
    QVERIFY(option->isChecked());
    check->click(); // off: the option goes off with it
    QVERIFY(!option->isEnabled());
    QVERIFY(!option->isChecked());
    const QByteArray saved = m_editor->saved("GUARD_PROFILES");
    QVERIFY(saved.contains("guardIgnCheck=\"0\""));
    QVERIFY(saved.contains("voltIgn=\"0\""));
}

QTEST_MAIN(tst_FormGuard)
#include "tst_formguard.moc"
