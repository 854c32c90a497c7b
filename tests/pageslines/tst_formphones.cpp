// The phones page: the 18 event combos of each phone read from and written
// to one digit each of events_phone_n by their item data; codes a row does
// not offer kept; the number, name and password rules; the one
// incoming-call box under its two keys; rows that follow the System and
// Track pages' keys; and a file without PHONES after one with it.

#include "pagefixture.h"
#include "settings/pages/orv_formphones.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QValidator>

using namespace PageFixture;

class tst_FormPhones : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void eventsLoad_data();
    void eventsLoad();
    void eventsSave_data();
    void eventsSave();
    void combosMapByCodeNotByText();
    void fieldRules_data();
    void fieldRules();
    void incomingCallBoxWritesBothKeys_data();
    void incomingCallBoxWritesBothKeys();
    void rowsFollowOtherPagesKeys();
    void aFileWithoutPhonesShowsTheDefaults();
    void saveOrder();

private:
    std::unique_ptr<Editor> m_editor;
    ORV_FormPhones *m_page = nullptr;

    template <class W>
    W *widget(const QString &name) const
    {
        W *w = m_page->findChild<W *>(name);
        if (!w)
            qWarning("no widget %s", qPrintable(name));
        return w;
    }
    QComboBox *event(int phone, int row) const
    {
        return widget<QComboBox>(QStringLiteral("comboBox_Event_%1_%2").arg(phone).arg(row));
    }
};

void tst_FormPhones::init()
{
    m_editor = std::make_unique<Editor>();
    m_page = m_editor->page<ORV_FormPhones>(orv_FormXml_K4810::PagePhones);
    QVERIFY(m_page);
}

void tst_FormPhones::cleanup()
{
    m_editor.reset();
}

void tst_FormPhones::eventsLoad_data()
{
    QTest::addColumn<QByteArray>("events"); // events_phone_2; empty: absent
    QTest::addColumn<int>("row");           // 1..18
    QTest::addColumn<QString>("code");      // the item data shown
    QTest::addColumn<bool>("offered");      // an item of the row's list (else kept as it came)
    QTest::newRow("absent: row 18 is 0") << QByteArray() << 18 << "0" << true;
    QTest::newRow("17 digits: row 18 reads 0") << QByteArray("01234501234501234") << 18 << "0" << true;
    QTest::newRow("a digit of the row's list") << QByteArray("012345012345012341") << 6 << "5" << true;
    QTest::newRow("row 15 offers 7") << QByteArray("000000000000007000") << 15 << "7" << true;
    QTest::newRow("row 15 lacks 4") << QByteArray("000000000000004000") << 15 << "4" << false;
    QTest::newRow("7 on another row") << QByteArray("007000000000000000") << 3 << "7" << false;
    QTest::newRow("there is no 6") << QByteArray("000060000000000000") << 5 << "6" << false;
}

void tst_FormPhones::eventsLoad()
{
    QFETCH(QByteArray, events);
    QFETCH(int, row);
    QFETCH(QString, code);
    QFETCH(bool, offered);
    QVERIFY(m_editor->open(events.isNull() ? QByteArray("<PHONES/>")
                                           : "<PHONES><events_phone_2>" + events + "</events_phone_2></PHONES>"));
    QComboBox *combo = event(2, row);
    QCOMPARE(combo->currentData().toString(), code);
    QCOMPARE(combo->count(), (row == 15 ? 5 : 6) + (offered ? 0 : 1));
    QCOMPARE(combo->currentText() == code, !offered); // a code the row lacks shows as itself
    // Written back as it was read.
    const QByteArray saved = m_editor->saved("PHONES");
    QVERIFY(saved.contains("<events_phone_2>" + (events.isNull() ? QByteArray("000000000000000000") : events)
                           + "</events_phone_2>"));
}

void tst_FormPhones::eventsSave_data()
{
    QTest::addColumn<QByteArray>("events"); // events_phone_4
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("code"); // the item the user chooses
    QTest::addColumn<QByteArray>("saved");
    QTest::newRow("row 15, the operator's answer: digit 7") << QByteArray("000000000000000000") << 15 << 7
                                                            << QByteArray("000000000000007000");
    QTest::newRow("17 digits: the next save writes 18") << QByteArray("01234501234501234") << 18 << 3
                                                        << QByteArray("012345012345012343");
    QTest::newRow("a kept code stays beside a change") << QByteArray("000000000000004000") << 1 << 5
                                                       << QByteArray("500000000000004000");
    QTest::newRow("replacing a code the row lacks") << QByteArray("000060000000000000") << 5 << 2
                                                    << QByteArray("000020000000000000");
}

void tst_FormPhones::eventsSave()
{
    QFETCH(QByteArray, events);
    QFETCH(int, row);
    QFETCH(int, code);
    QFETCH(QByteArray, saved);
    QVERIFY(m_editor->open("<PHONES><events_phone_4>" + events + "</events_phone_4></PHONES>"));
    QComboBox *combo = event(4, row);
    combo->setCurrentIndex(combo->findData(QString::number(code)));
    QVERIFY2(m_editor->saved("PHONES").contains("<events_phone_4>" + saved + "</events_phone_4>"),
             m_editor->saved("PHONES").constData());
    QVERIFY(m_editor->saved("PHONES").contains("<events_phone_3>000000000000000000</events_phone_3>"));
}

void tst_FormPhones::combosMapByCodeNotByText()
{
    // Two items of one text (as a translation may give): the code chosen
    // is the one written, and a stored code selects its own item.
    QVERIFY(m_editor->open("<PHONES><events_phone_1>000100000000000000</events_phone_1></PHONES>"));
    QComboBox *combo = event(1, 4);
    const int one = combo->findData(QStringLiteral("1"));
    const int three = combo->findData(QStringLiteral("3"));
    combo->setItemText(three, combo->itemText(one));
    QCOMPARE(combo->currentIndex(), one);
    combo->setCurrentIndex(three);
    QVERIFY(m_editor->saved("PHONES").contains("<events_phone_1>000300000000000000</events_phone_1>"));
    QVERIFY(m_editor->open("<PHONES><events_phone_1>000300000000000000</events_phone_1></PHONES>"));
    QCOMPARE(combo->currentIndex(), three);
}

void tst_FormPhones::fieldRules_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("number: + and 15 digits") << "lineEdit_Phone_1" << "+123456789012345" << true;
    QTest::newRow("number: a 16th digit") << "lineEdit_Phone_1" << "+1234567890123456" << false;
    QTest::newRow("number: no plus") << "lineEdit_Phone_2" << "79161234567" << false;
    QTest::newRow("number: a letter") << "lineEdit_Phone_3" << "+7916x" << false;
    QTest::newRow("number: a space") << "lineEdit_Phone_3" << "+7 916" << false;
    QTest::newRow("name: 9 characters") << "lineEdit_Nick_5" << "Dispatchr" << true;
    QTest::newRow("name: 10 characters") << "lineEdit_Nick_5" << "Dispatcher" << false;
    QTest::newRow("password: 6 digits") << "lineEdit_PasswordVD" << "004810" << true;
    QTest::newRow("password: 7 digits") << "lineEdit_PasswordVD" << "0048100" << false;
    QTest::newRow("password: a letter") << "lineEdit_PasswordVD" << "48a" << false;
}

void tst_FormPhones::fieldRules()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    auto *edit = widget<QLineEdit>(field);
    QVERIFY(edit->validator());
    QString t = text;
    int pos = int(t.size());
    const bool valid = edit->validator()->validate(t, pos) != QValidator::Invalid && text.size() <= edit->maxLength();
    QCOMPARE(valid, accepted);
    // What the user types goes in whole, or not at all.
    edit->clear();
    QTest::keyClicks(edit, text);
    QCOMPARE(edit->text() == text, accepted);
    const QString path = edit->property("settingsPath").toString();
    QCOMPARE(m_editor->text("PHONES", path), edit->text());
}

void tst_FormPhones::incomingCallBoxWritesBothKeys_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("checked");
    QTest::newRow("incomingCallVD decides: 0 then 1") << QByteArray("<allowIncomingVD>0</allowIncomingVD>"
                                                                    "<incomingCallVD>1</incomingCallVD>")
                                                      << true;
    QTest::newRow("incomingCallVD decides: 1 then 0") << QByteArray("<allowIncomingVD>1</allowIncomingVD>"
                                                                    "<incomingCallVD>0</incomingCallVD>")
                                                      << false;
    QTest::newRow("only allowIncomingVD: the default decides") << QByteArray("<allowIncomingVD>0</allowIncomingVD>")
                                                               << true;
}

void tst_FormPhones::incomingCallBoxWritesBothKeys()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, checked);
    QVERIFY(m_editor->open("<PHONES>" + stored + "</PHONES>"));
    auto *box = widget<QCheckBox>("checkBox_IncomingVD");
    QCOMPARE(box->isChecked(), checked);
    auto both = [&](bool on) {
        const QByteArray saved = m_editor->saved("PHONES");
        const QByteArray v = on ? "1" : "0";
        return saved.contains("<allowIncomingVD>" + v + "</allowIncomingVD>")
               && saved.contains("<incomingCallVD>" + v + "</incomingCallVD>");
    };
    QVERIFY(both(checked));
    box->click();
    QVERIFY(both(!checked));
}

void tst_FormPhones::rowsFollowOtherPagesKeys()
{
    QVERIFY(m_editor->open("<SYSTEM><useAutoBalanceChek>1</useAutoBalanceChek></SYSTEM>"
                           "<TRACK><GPStrackMaxPermVelocity>0</GPStrackMaxPermVelocity></TRACK>"));
    auto balanceRow = [&](int phone) { return event(phone, ORV_FormPhones::BalanceRow + 1); };
    auto speedRow = [&](int phone) { return event(phone, ORV_FormPhones::SpeedRow + 1); };
    auto *sendBalance = widget<QCheckBox>("checkBox_SendBalance_3");
    QVERIFY(balanceRow(1)->isEnabled());
    QVERIFY(sendBalance->isEnabled());
    QVERIFY(!speedRow(5)->isEnabled());
    QVERIFY(!widget<QLabel>(QStringLiteral("label_Event_%1").arg(ORV_FormPhones::SpeedRow + 1))->isEnabled());
    QVERIFY(event(1, 1)->isEnabled());

    // The System and Track pages write these keys; the rows follow.
    SettingsModel *model = m_editor->model();
    QVERIFY(model->setValue(QStringLiteral("SYSTEM"), QStringLiteral("useAutoBalanceChek"), 0));
    QVERIFY(model->setValue(QStringLiteral("TRACK"), QStringLiteral("GPStrackMaxPermVelocity"), 1));
    QVERIFY(!balanceRow(1)->isEnabled());
    QVERIFY(!balanceRow(5)->isEnabled());
    QVERIFY(!sendBalance->isEnabled());
    QVERIFY(speedRow(5)->isEnabled());
    // The values stay as they are.
    QVERIFY(m_editor->saved("PHONES").contains("<phone_3_SendBalance>0</phone_3_SendBalance>"));
}

void tst_FormPhones::aFileWithoutPhonesShowsTheDefaults()
{
    QVERIFY(m_editor->open("<PHONES><phone_1>+79161234567</phone_1><phone_1_nick>Boss</phone_1_nick>"
                           "<events_phone_1>111111111111111111</events_phone_1><passwordVD>1234</passwordVD>"
                           "<phone_1_UseSMS>0</phone_1_UseSMS></PHONES>"));
    QCOMPARE(widget<QLineEdit>("lineEdit_Phone_1")->text(), QStringLiteral("+79161234567"));
    QVERIFY(m_editor->open("<TRACK><GPSmaxHDOP>3.0</GPSmaxHDOP></TRACK>"));
    QCOMPARE(widget<QLineEdit>("lineEdit_Phone_1")->text(), QStringLiteral("+70000000000"));
    QCOMPARE(widget<QLineEdit>("lineEdit_Nick_1")->text(),
             QCoreApplication::translate("ORV_FormPhones", "K4810_421"));
    QCOMPARE(widget<QLineEdit>("lineEdit_Nick_2")->text(),
             QCoreApplication::translate("ORV_FormPhones", "K4810_422"));
    QCOMPARE(event(1, 1)->currentData().toString(), QStringLiteral("0"));
    QVERIFY(widget<QCheckBox>("checkBox_UseSMS_1")->isChecked());
    QVERIFY(widget<QLineEdit>("lineEdit_PasswordVD")->text().isEmpty());
    const QByteArray saved = m_editor->saved("PHONES");
    QVERIFY(saved.contains("<phone_1>+70000000000</phone_1>"));
    QVERIFY(!saved.contains("+79161234567"));
    QVERIFY(!saved.contains("1234"));
}

void tst_FormPhones::saveOrder()
{
    // Each phone whole, then the keys for all phones, in this order.
    QVERIFY(m_editor->open("<PHONES><passwordVD>42</passwordVD></PHONES>"));
    const QByteArray saved = m_editor->saved("PHONES");
    QVERIFY(saved.startsWith("<PHONES page=\"PHONES\">"));
    QStringList names;
    for (int n = 1; n <= 5; ++n) {
        for (const QString &k : {QStringLiteral("phone_%1_nick"), QStringLiteral("phone_%1"),
                                 QStringLiteral("events_phone_%1"), QStringLiteral("phone_%1_WithoutPassword"),
                                 QStringLiteral("phone_%1_SendBalance"), QStringLiteral("phone_%1_UseSMS")})
            names << k.arg(n);
    }
    names << QStringLiteral("allowIncomingVD") << QStringLiteral("allowSMSany") << QStringLiteral("passwordVD")
          << QStringLiteral("incomingCallVD");
    qsizetype at = 0;
    for (const QString &name : names) {
        const qsizetype next = saved.indexOf(("<" + name + ">").toLatin1(), at);
        QVERIFY2(next > at, qPrintable(name));
        at = next;
    }
}

QTEST_MAIN(tst_FormPhones)
#include "tst_formphones.moc"
