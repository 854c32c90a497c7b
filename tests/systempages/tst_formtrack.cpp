// The Track page: what a file shows on it, what a user's change saves, its
// enabling rules, and that loading (a full file, a reset) changes nothing.

#include "pagefixture.h"
#include "settings/model/settingscatalogue.h"
#include "settings/model/settingskey.h"
#include "tests/support/testfiles.h"

#include <QCheckBox>

using namespace PageFixture;

class tst_FormTrack : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_editor = std::make_unique<Editor>(); }
    void cleanup() { m_editor.reset(); }

    void fileShows_data();
    void fileShows();
    void userChangeIsSaved_data();
    void userChangeIsSaved();
    void loadingChangesNothing();
    void resetShowsTheDefaults();
    void speedLimitStateIsInTheModel();

private:
    std::unique_ptr<Editor> m_editor;
    QWidget *widget(const QString &name) const
    {
        return m_editor->page(orv_FormXml_K4810::PageTrack)->findChild<QWidget *>(name);
    }
};

void tst_FormTrack::fileShows_data()
{
    QTest::addColumn<QByteArray>("fragment");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("enabled"); // "" when it does not matter

    QTest::newRow("no HDOP: 2.5") << QByteArray() << "doubleSpinBox_GPSreject_HDOP" << "2.5" << "yes";
    QTest::newRow("HDOP off: disabled") << QByteArray("<GPSreject>0</GPSreject><GPSmaxHDOP>4.0</GPSmaxHDOP>")
                                        << "doubleSpinBox_GPSreject_HDOP" << "4" << "no";
    QTest::newRow("0.125 km is 125 m") << QByteArray("<GPSdistanceForWriteTelemetry>0.125</GPSdistanceForWriteTelemetry>")
                                       << "spinBox_Additional_Metr" << "125" << "yes";
    QTest::newRow("0.2504 km is 251 m") << QByteArray("<GPSdistanceForWriteTelemetry>0.2504</GPSdistanceForWriteTelemetry>")
                                        << "spinBox_Additional_Metr" << "251" << "";
    QTest::newRow("0.01 km is 10 m") << QByteArray("<GPSWayForBlock>0.01</GPSWayForBlock>") << "spinBox_Restriction_Metr"
                                     << "10" << "yes";
    QTest::newRow("by angle") << QByteArray("<GPSwriteTelemetryByChangeDirection>1</GPSwriteTelemetryByChangeDirection>")
                              << "checkBox_Additional_Corner" << "on" << "";
    QTest::newRow("by angle: its field on") << QByteArray("<GPSwriteTelemetryByChangeDirection>1</GPSwriteTelemetryByChangeDirection>")
                                            << "spinBox_Additional_Corner" << "5" << "yes";
    QTest::newRow("by angle: not by direction") << QByteArray("<GPSwriteTelemetryByChangeDirection>1</GPSwriteTelemetryByChangeDirection>")
                                                << "checkBox_Additional_Direction" << "off" << "";
    QTest::newRow("by direction: angle field off") << QByteArray() << "spinBox_Additional_Corner" << "5" << "no";
    QTest::newRow("neither (7)") << QByteArray("<GPSwriteTelemetryByChangeDirection>7</GPSwriteTelemetryByChangeDirection>")
                                 << "checkBox_Additional_Direction" << "off" << "";
    QTest::newRow("no_aver 1010: first") << QByteArray("<GPSaverSettings no_aver=\"1010\"/>") << "checkBox_NoAver_Ignition" << "on" << "";
    QTest::newRow("no_aver 1010: second") << QByteArray("<GPSaverSettings no_aver=\"1010\"/>") << "checkBox_NoAver_Moving" << "off" << "";
    QTest::newRow("no_aver 1010: third") << QByteArray("<GPSaverSettings no_aver=\"1010\"/>") << "checkBox_NoAver_Guard" << "on" << "";
    // A short string: the positions it lacks are the default's ("1110").
    QTest::newRow("no_aver 0: second from the default") << QByteArray("<GPSaverSettings no_aver=\"0\"/>")
                                                        << "checkBox_NoAver_Moving" << "on" << "";
    QTest::newRow("no_aver 0: fourth from the default") << QByteArray("<GPSaverSettings no_aver=\"0\"/>")
                                                        << "checkBox_NoAver_Alarm" << "off" << "";
    QTest::newRow("no_aver 0: first as stored") << QByteArray("<GPSaverSettings no_aver=\"0\"/>")
                                                << "checkBox_NoAver_Ignition" << "off" << "";
    QTest::newRow("averaging 3") << QByteArray("<GPSaverage>3</GPSaverage>") << "rBtn_Average_Strong" << "on" << "";
    QTest::newRow("averaging 2: no radio") << QByteArray("<GPSaverage>2</GPSaverage>") << "rBtn_Average_On" << "off" << "";
    QTest::newRow("parking by ignition") << QByteArray("<GPSparking alg=\"0\"/>") << "rBtn_ParkingMode_Ignition" << "on" << "";
    QTest::newRow("parking 2: no radio") << QByteArray("<GPSparking alg=\"2\"/>") << "rBtn_ParkingMode_Accel" << "off" << "";
    // By time off: the parking timer is not in force (disabled), and it
    // still shows (and keeps) the value stored.
    QTest::newRow("by time off: timer kept") << QByteArray("<GPSwriteTelemetryEveryTime>0</GPSwriteTelemetryEveryTime>"
                                                           "<GPSparking tlmTmr=\"603\" noTmrFlags=\"1\"/>")
                                             << "spinBox_Parking_TlmTmr" << "603" << "no";
    QTest::newRow("by time off: flags off") << QByteArray("<GPSwriteTelemetryEveryTime>0</GPSwriteTelemetryEveryTime>"
                                                          "<GPSparking noTmrFlags=\"1\"/>")
                                            << "checkBox_NoTmr_Guard" << "on" << "no";
    QTest::newRow("noTmrFlags short: default") << QByteArray("<GPSparking noTmrFlags=\"1\"/>") << "checkBox_NoTmr_Battery"
                                               << "off" << "yes";
    QTest::newRow("speed limit off") << QByteArray() << "doubleSpinBox_MaxSpeed" << "100" << "no";
    QTest::newRow("speed limit on") << QByteArray("<GPStrackMaxPermVelocity>1</GPStrackMaxPermVelocity>"
                                                  "<GPSmaxPermissibleVelocity>87.5</GPSmaxPermissibleVelocity>")
                                    << "doubleSpinBox_MaxSpeed" << "87.5" << "yes";
    QTest::newRow("filter") << QByteArray("<GPSmaxEx minSats=\"6\" speed=\"180\"/>") << "spinBox_Filter_Speed" << "180" << "";
}

void tst_FormTrack::fileShows()
{
    QFETCH(QByteArray, fragment);
    QFETCH(QString, widget);
    QFETCH(QString, shown);
    QFETCH(QString, enabled);
    QVERIFY(m_editor->load(QStringLiteral("TRACK"), fragment));
    QWidget *w = this->widget(widget);
    QVERIFY2(w, qPrintable(widget));
    QCOMPARE(PageFixture::shown(w), shown);
    if (!enabled.isEmpty())
        QCOMPARE(w->isEnabled(), enabled == QLatin1String("yes"));
}

void tst_FormTrack::userChangeIsSaved_data()
{
    QTest::addColumn<QByteArray>("fragment");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArrayList>("saved");
    QTest::addColumn<QByteArrayList>("notSaved");

    QTest::newRow("by angle unchecks by direction")
        << QByteArray() << "checkBox_Additional_Corner" << "on"
        << QByteArrayList{"<GPSwriteTelemetryByChangeDirection>1</GPSwriteTelemetryByChangeDirection>"} << QByteArrayList{};
    QTest::newRow("by direction off: neither")
        << QByteArray() << "checkBox_Additional_Direction" << "off"
        << QByteArrayList{"<GPSwriteTelemetryByChangeDirection>0</GPSwriteTelemetryByChangeDirection>"} << QByteArrayList{};
    QTest::newRow("250 m is 0.250 km") << QByteArray() << "spinBox_Additional_Metr" << "250"
                                       << QByteArrayList{"<GPSdistanceForWriteTelemetry>0.250</GPSdistanceForWriteTelemetry>"}
                                       << QByteArrayList{};
    QTest::newRow("HDOP, one decimal") << QByteArray() << "doubleSpinBox_GPSreject_HDOP" << "3.5"
                                       << QByteArrayList{"<GPSmaxHDOP>3.5</GPSmaxHDOP>"} << QByteArrayList{};
    QTest::newRow("speed limit box") << QByteArray() << "checkBox_Always_MaxSpeed" << "on"
                                     << QByteArrayList{"<GPStrackMaxPermVelocity>1</GPStrackMaxPermVelocity>",
                                                       "<GPSmaxPermissibleVelocity>100.0</GPSmaxPermissibleVelocity>"}
                                     << QByteArrayList{};
    QTest::newRow("no_aver box") << QByteArray("<GPSaverSettings no_aver=\"1010\"/>") << "checkBox_NoAver_Alarm" << "on"
                                 << QByteArrayList{"no_aver=\"1011\""} << QByteArrayList{};
    // A short string is written whole, as the page showed it.
    QTest::newRow("no_aver short, written whole") << QByteArray("<GPSaverSettings no_aver=\"0\"/>")
                                                  << "checkBox_NoAver_Guard" << "off"
                                                  << QByteArrayList{"no_aver=\"0100\""} << QByteArrayList{};
    // No radio stands for 2: the value stays while no radio is touched.
    QTest::newRow("averaging 2 kept") << QByteArray("<GPSaverage>2</GPSaverage>") << "checkBox_Track_Stops" << "off"
                                      << QByteArrayList{"<GPSaverage>2</GPSaverage>"} << QByteArrayList{};
    QTest::newRow("averaging chosen") << QByteArray("<GPSaverage>2</GPSaverage>") << "rBtn_Average_Off" << "on"
                                      << QByteArrayList{"<GPSaverage>0</GPSaverage>"} << QByteArrayList{};
    QTest::newRow("parking timer flags") << QByteArray() << "checkBox_NoTmr_Ignition" << "on"
                                         << QByteArrayList{"noTmrFlags=\"010\""} << QByteArrayList{};
    QTest::newRow("parking by accelerometer") << QByteArray("<GPSparking alg=\"0\" time=\"45\"/>")
                                              << "rBtn_ParkingMode_Accel" << "on"
                                              << QByteArrayList{"alg=\"1\"", "time=\"45\""} << QByteArrayList{};
}

void tst_FormTrack::userChangeIsSaved()
{
    QFETCH(QByteArray, fragment);
    QFETCH(QString, widget);
    QFETCH(QString, value);
    QFETCH(QByteArrayList, saved);
    QFETCH(QByteArrayList, notSaved);
    QVERIFY(m_editor->load(QStringLiteral("TRACK"), fragment));
    QWidget *w = this->widget(widget);
    QVERIFY2(w, qPrintable(widget));
    act(w, value);
    const QByteArray section = m_editor->saved(QStringLiteral("TRACK"));
    for (const QByteArray &s : saved)
        QVERIFY2(section.contains(s), linesLike(section, s).constData());
    for (const QByteArray &s : notSaved)
        QVERIFY2(!section.contains(s), qPrintable(QString::fromLatin1(s)));
}

void tst_FormTrack::loadingChangesNothing()
{
    // Every value of a file full of unusual values stays as it was read,
    // with the page built and shown.
    m_editor->show(orv_FormXml_K4810::PageTrack);
    QVERIFY(m_editor->model()->open(QStringLiteral(K4810_SOURCE_DIR "/tests/settings/data/full.xml")));
    const SettingsTable *table = SettingsCatalogue::section(u"TRACK");
    for (const SettingsKey &key : *table)
        QVERIFY2(!m_editor->model()->isChanged(QStringLiteral("TRACK"), key.path()), qPrintable(key.path()));
    QCOMPARE(m_editor->model()->text(QStringLiteral("TRACK"), QStringLiteral("GPSmaxHDOP")), QStringLiteral("3.50"));
}

void tst_FormTrack::resetShowsTheDefaults()
{
    QVERIFY(m_editor->load(QStringLiteral("TRACK"), "<GPStrackMaxPermVelocity>1</GPStrackMaxPermVelocity>"
                                                    "<GPSwriteTelemetryByChangeDirection>1</GPSwriteTelemetryByChangeDirection>"
                                                    "<GPSwriteTelemetryEveryDistance>0</GPSwriteTelemetryEveryDistance>"
                                                    "<GPSparking tlmTmr=\"900\" noTmrFlags=\"111\"/>"));
    m_editor->model()->reset();
    const QList<QPair<const char *, const char *>> expected = {
        {"checkBox_Always_MaxSpeed", "off"}, {"doubleSpinBox_MaxSpeed", "100"}, {"checkBox_Track_Stops", "on"},
        {"checkBox_Additional_Corner", "off"}, {"spinBox_Additional_Corner", "5"},
        {"checkBox_Additional_Direction", "on"}, {"checkBox_Additional_Metr", "on"},
        {"spinBox_Additional_Metr", "500"}, {"checkBox_Additional_Sec", "on"}, {"spinBox_Additional_Sec", "60"},
        {"spinBox_Parking_TlmTmr", "600"}, {"checkBox_NoTmr_Guard", "off"}, {"checkBox_Restriction_Metr", "on"},
        {"spinBox_Restriction_Metr", "10"}, {"checkBox_Restriction_Sec", "off"}, {"spinBox_Restriction_Sec", "5"},
        {"checkBox_GPSreject_Use", "on"}, {"spinBox_Filter_MinSats", "4"}};
    for (const auto &e : expected)
        QCOMPARE(shown(widget(QLatin1String(e.first))), QLatin1String(e.second));
    QVERIFY(!widget(QStringLiteral("spinBox_Additional_Corner"))->isEnabled());
}

void tst_FormTrack::speedLimitStateIsInTheModel()
{
    // Other pages follow the speed-limit box through the model.
    QStringList changes;
    QObject::connect(m_editor->model(), &SettingsModel::valueChanged,
                     [&changes](const QString &s, const QString &p) { changes << s + QLatin1Char('/') + p; });
    act(widget(QStringLiteral("checkBox_Always_MaxSpeed")), QStringLiteral("on"));
    QCOMPARE(changes, QStringList{QStringLiteral("TRACK/GPStrackMaxPermVelocity")});
    QCOMPARE(m_editor->model()->value(QStringLiteral("TRACK"), QStringLiteral("GPStrackMaxPermVelocity")).toInt(), 1);
}

QTEST_MAIN(tst_FormTrack)
#include "tst_formtrack.moc"
