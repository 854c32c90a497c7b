// The live calibration window opened from the telemetry window and fed by
// the tracker's fuel answers through the device object (answers later or
// inside send), and the fuel view opened by the host and the RS-232/RS-485
// entry points: polling, readings, capture, save and load, the close check,
// the connection going away.

#include "core/orv_device_k4810.h"
#include "core/orvmessages.h"
#include "fuel/fuelcalibrationmodel.h"
#include "fuel/fuelfile.h"
#include "fuel/orv_formfuelsensor.h"
#include "fuel/orv_formfuelview.h"
#include "fuel/orv_formreportfuel.h"
#include "fuel/orv_fuelsensor_graph.h"
#include "fuel/orv_fueltablepanel.h"
#include "telemetry/orv_formtmi_k4810.h"
#include "tests/support/testfiles.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

struct Request
{
    uint32_t msgId;
    QString text;
};

QList<Request> g_requests;
std::function<void(uint32_t)> g_answer;
int g_depth = 0;
int g_maxDepth = 0;

int32_t host(uint32_t, uint32_t msgId, intptr_t p1, intptr_t)
{
    Request r{msgId, QString()};
    if (msgId == OrvMsg::Help && p1)
        r.text = *reinterpret_cast<const QString *>(p1);
    g_requests << r;
    ++g_depth;
    g_maxDepth = std::max(g_maxDepth, g_depth);
    if (g_answer)
        g_answer(msgId);
    --g_depth;
    return 0;
}

int requestsOf(uint32_t msgId)
{
    int n = 0;
    for (const Request &r : g_requests)
        n += r.msgId == msgId ? 1 : 0;
    return n;
}

intptr_t addr(const void *p)
{
    return reinterpret_cast<intptr_t>(p);
}

// A fuel answer: count, F1, A1 millivolts and D1 .. D6.
QByteArray fuelAnswer(int count, quint16 f1, quint16 a1, std::array<quint16, 6> d = {}, int length = 42)
{
    QByteArray a(42, '\0');
    a.replace(0, 9, "*#FUEL_UN");
    a[9] = char(count);
    auto put = [&a](int at, quint16 v) {
        a[at] = char(v & 0xFF);
        a[at + 1] = char(v >> 8);
    };
    put(11, f1);
    put(15, a1);
    for (int i = 0; i < 6; ++i)
        put(25 + 3 * i, d[size_t(i)]);
    a.resize(length, '\0');
    return a;
}

using Readings = QMap<QString, QString>; // table code -> reading line edit

} // namespace

class tst_FuelWindows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensFromTheTelemetryWindow();
    void liveAnswer_data();
    void liveAnswer();
    void pollingWaitsForEachAnswer_data();
    void pollingWaitsForEachAnswer();
    void hiddenWindowEndsPolling();
    void captureWaitsForASteadyReading();
    void saveButtonFollowsTheCurrentTable();
    void saveAndLoadRoundTrip();
    void loadRefusesWhatItCannotTake_data();
    void loadRefusesWhatItCannotTake();
    void loadIntoATableWithPointsAsksFirst();
    void closeAsksForEveryUnsavedTable();
    void failedOrCancelledSaveKeepsTheWindowOpen_data();
    void failedOrCancelledSaveKeepsTheWindowOpen();
    void escapeDoesNotClose();
    void connectionLossClosesAfterTheMessage();
    void helpAndPrint();
    void unloadingAsksNothing();

    void viewOpensFilesFromTheHost();
    void viewLoadReplacesTheTable();
    void viewEntryPoints();
    void viewSavesWithNameA();
    void viewAsksBeforeReplacingUnsavedPoints();

private:
    void deliver(uint32_t msgId, intptr_t p1 = 0, intptr_t p2 = 0)
    {
        m_device->receive(m_device->handle(), msgId, p1, p2);
    }
    void answerWith(const QByteArray &answer);
    ORV_FormFuelSensor *openWindow();
    Readings readings() const;
    void addRow(const QString &code, const QString &volume, const QString &reading);
    QString writeFile(const QString &name, const QString &type, const QList<FuelFileRow> &rows,
                      const QString &model = QStringLiteral("K-4810"));
    template<typename T = QWidget>
    T *child(QWidget *in, const char *name) const
    {
        return in->findChild<T *>(QLatin1String(name));
    }

    std::unique_ptr<ORV_Device_K4810> m_device;
    orv_FormTmi_K4810 *m_tmi = nullptr;
    ORV_FormFuelSensor *m_window = nullptr;
    QTemporaryDir m_dir;
    QByteArray m_answer;
    bool m_insideSend = false;
    FuelDialogs m_dialogs;
    QStringList m_questions;
    QStringList m_told;
    QList<bool> m_answers; // to the questions, in order; true when none left
    QString m_saveChoice;
    QStringList m_proposed;
    QString m_openChoice;
    qint64 m_clock = 0;
};

void tst_FuelWindows::init()
{
    g_requests.clear();
    g_depth = g_maxDepth = 0;
    m_questions.clear();
    m_told.clear();
    m_answers.clear();
    m_proposed.clear();
    m_saveChoice.clear();
    m_openChoice.clear();
    m_insideSend = false;
    m_answer = fuelAnswer(31, 1001, 4250, {2000, 2100, 2200, 2300, 2400, 2500});
    m_clock = 0;
    m_device = std::make_unique<ORV_Device_K4810>(QStringLiteral("K-4810"), 2, 7, 3, 6);
    m_device->initialize(host);
    const QString paths[4] = {m_dir.path() + QLatin1Char('/'), m_dir.path(), QString(), QString()};
    deliver(OrvMsg::WorkingPaths, addr(paths));
    const QString model = QStringLiteral("K-4810");
    const QString id = QStringLiteral("354810061234567");
    deliver(OrvMsg::TrackerAttached, addr(&model), addr(&id));

    g_answer = [this](uint32_t msgId) {
        if (msgId != OrvMsg::FuelSensorRead || m_answer.isNull())
            return;
        const QByteArray bytes = m_answer;
        ORV_Device_K4810 *d = m_device.get();
        if (m_insideSend) {
            d->receive(d->handle(), OrvMsg::FuelSensorAnswer, addr(bytes.constData()), bytes.size());
        } else {
            QTimer::singleShot(0, d, [d, bytes] {
                d->receive(d->handle(), OrvMsg::FuelSensorAnswer, addr(bytes.constData()), bytes.size());
            });
        }
    };

    m_dialogs.ask = [this](QWidget *, const QString &title, const QString &text) {
        m_questions << title + QLatin1Char('|') + text;
        return m_answers.isEmpty() ? true : m_answers.takeFirst();
    };
    m_dialogs.tell = [this](QWidget *, const QString &title, const QString &text) {
        m_told << title + QLatin1Char('|') + text;
    };
    m_dialogs.saveFile = [this](QWidget *, const QString &caption, const QString &path, const QString &filter) {
        m_proposed << caption + QLatin1Char('|') + path + QLatin1Char('|') + filter;
        return m_saveChoice;
    };
    m_dialogs.openFile = [this](QWidget *, const QString &, const QString &, const QString &) {
        return m_openChoice;
    };

    // The telemetry window with a vehicle from its settings file.
    const QString settings = m_dir.filePath(QStringLiteral("settings.xml"));
    QVERIFY(TestFiles::write(settings, "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<DEVICE model=\"K-4810\">\n"
                                       "\t<TRANSFER page=\"TRANSFER\">\n\t\t<objectName>Truck 7</objectName>\n"
                                       "\t</TRANSFER>\n</DEVICE>\n"));
    deliver(OrvMsg::OpenTelemetry, addr(&settings), 0);
    m_tmi = m_device->tmiWindow();
    QVERIFY(m_tmi && m_tmi->isVisible());
}

void tst_FuelWindows::cleanup()
{
    g_answer = nullptr;
    m_window = nullptr;
    m_tmi = nullptr;
    m_device.reset();
}

ORV_FormFuelSensor *tst_FuelWindows::openWindow()
{
    m_tmi->slot_pressed_Btn_FuelSensor();
    m_window = m_tmi->fuelSensorWindow();
    if (m_window) {
        m_window->setDialogs(m_dialogs);
        m_window->setClock([this] { return m_clock; });
        m_window->setPollInterval(20);
        m_window->report()->setClock([] { return QDateTime(QDate(2026, 12, 4), QTime(6, 5, 9)); });
    }
    return m_window;
}

void tst_FuelWindows::answerWith(const QByteArray &answer)
{
    deliver(OrvMsg::FuelSensorAnswer, addr(answer.constData()), answer.size());
}

Readings tst_FuelWindows::readings() const
{
    Readings r;
    for (const QString &code : ORV_FormFuelSensor::tableCodes())
        r[code] = m_window->panel(code)->readingEdit()->text();
    return r;
}

void tst_FuelWindows::addRow(const QString &code, const QString &volume, const QString &reading)
{
    ORV_FuelTablePanel *p = m_window->panel(code);
    p->volumeEdit()->setText(volume);
    p->readingEdit()->setText(reading);
    p->slot_pressed_Btn_Add();
}

QString tst_FuelWindows::writeFile(const QString &name, const QString &type, const QList<FuelFileRow> &rows,
                                   const QString &model)
{
    FuelFileContent c;
    c.model = model;
    c.type = type;
    c.imei = QStringLiteral("111");
    c.objectName = QStringLiteral("From the file");
    c.nameElement = type == QLatin1String("A1") ? QStringLiteral("Name_A") : QStringLiteral("Name_A1");
    c.sensorName = QStringLiteral("Sensor ") + type;
    c.rows = rows;
    const QString path = m_dir.filePath(name);
    return FuelFile::write(path, c) ? path : QString();
}

// ---------------------------------------------------------------------------
// Live window

void tst_FuelWindows::opensFromTheTelemetryWindow()
{
    m_answer = QByteArray(); // no answer yet
    QVERIFY(openWindow());
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->parentWidget(), m_tmi);
    QCOMPARE(m_window->objectNameText(), QStringLiteral("Truck 7"));
    QCOMPARE(m_window->imei(), QStringLiteral("354810061234567"));
    QCOMPARE(requestsOf(OrvMsg::FuelSensorRead), 1);
    for (const QString &code : ORV_FormFuelSensor::tableCodes()) {
        QVERIFY(!m_window->panel(code)->hasRows());
        QVERIFY(m_window->findChild<QWidget *>(QStringLiteral("Table_") + code));
        QVERIFY(m_window->findChild<QWidget *>(QStringLiteral("Btn_Add_") + code));
    }
    QVERIFY(!child<QPushButton>(m_window, "Btn_Save_Xml")->isEnabled());
    // The window fits a 1366 x 768 screen.
    QVERIFY(m_window->sizeHint().width() <= 1366 && m_window->sizeHint().height() <= 740);
    QVERIFY(m_window->minimumSizeHint().height() <= 740);

    // Opened again while it is shown: the tables stay.
    addRow(QStringLiteral("A1"), QStringLiteral("10"), QStringLiteral("1.00"));
    openWindow();
    QVERIFY(m_window->panel(QStringLiteral("A1"))->hasRows());
    QCOMPARE(requestsOf(OrvMsg::FuelSensorRead), 2);
    // Opened after it was closed: empty tables.
    m_answers = {false}; // not saved
    m_window->close();
    QVERIFY(!m_window->isVisible());
    openWindow();
    QVERIFY(!m_window->panel(QStringLiteral("A1"))->hasRows());
}

void tst_FuelWindows::liveAnswer_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<Readings>("shown");
    QTest::addColumn<bool>("polling");

    const Readings old = {{"A1", "old"}, {"D1", "old"}, {"D2", "old"}, {"D3", "old"},
                          {"D4", "old"}, {"D5", "old"}, {"D6", "old"}, {"F1", "old"}};
    Readings all = {{"A1", "12.35"}, {"D1", "11"}, {"D2", "22"}, {"D3", "33"},
                    {"D4", "44"}, {"D5", "55"}, {"D6", "4095"}, {"F1", "1001"}};
    const std::array<quint16, 6> d = {11, 22, 33, 44, 55, 4095};
    QTest::newRow("every field") << fuelAnswer(31, 1001, 12345, d) << all << true;
    Readings n6 = old;
    n6["F1"] = "1001";
    n6["A1"] = "12.35";
    QTest::newRow("N 6: F1 and A1 only") << fuelAnswer(6, 1001, 12345, d) << n6 << true;
    Readings n22 = n6;
    n22["D1"] = "11";
    n22["D2"] = "22";
    n22["D3"] = "33";
    QTest::newRow("N 22: up to D3") << fuelAnswer(22, 1001, 12345, d) << n22 << true;
    QTest::newRow("N 0: nothing, but polling goes on") << fuelAnswer(0, 1001, 12345, d) << old << true;
    Readings zero = all;
    zero["A1"] = "0.00";
    QTest::newRow("0 mV") << fuelAnswer(31, 1001, 0, d) << zero << true;
    QTest::newRow("41 bytes") << fuelAnswer(31, 1001, 12345, d, 41) << old << false;
    QTest::newRow("43 bytes") << fuelAnswer(31, 1001, 12345, d, 43) << old << false;
    QByteArray tag = fuelAnswer(31, 1001, 12345, d);
    tag[8] = 'X';
    QTest::newRow("other leading text") << tag << old << false;
}

void tst_FuelWindows::liveAnswer()
{
    QFETCH(QByteArray, answer);
    QFETCH(Readings, shown);
    QFETCH(bool, polling);
    m_answer = QByteArray();
    openWindow();
    for (const QString &code : ORV_FormFuelSensor::tableCodes())
        m_window->panel(code)->readingEdit()->setText(QStringLiteral("old"));
    m_window->setPollInterval(60000);
    answerWith(answer);
    QCOMPARE(readings(), shown);
    QCOMPARE(m_window->pollTimer()->isActive(), polling);
    if (polling)
        QCOMPARE(m_window->pollTimer()->interval(), 60000);
    // A null buffer never reaches the window, whatever its length says.
    deliver(OrvMsg::FuelSensorAnswer, 0, 42);
    QCOMPARE(readings(), shown);
}

void tst_FuelWindows::pollingWaitsForEachAnswer_data()
{
    QTest::addColumn<bool>("insideSend");
    QTest::newRow("answers later") << false;
    QTest::newRow("answers inside send") << true;
}

void tst_FuelWindows::pollingWaitsForEachAnswer()
{
    QFETCH(bool, insideSend);
    m_insideSend = insideSend;
    openWindow();
    QTRY_VERIFY(requestsOf(OrvMsg::FuelSensorRead) >= 5);
    QCOMPARE(g_maxDepth, 1); // never a request from inside an answer
    QCOMPARE(readings().value(QStringLiteral("A1")), QStringLiteral("4.25"));
    QCOMPARE(readings().value(QStringLiteral("D6")), QStringLiteral("2500"));
    // A malformed answer ends the cycle.
    m_answer = fuelAnswer(31, 1, 1, {}, 40);
    const int before = requestsOf(OrvMsg::FuelSensorRead);
    QTRY_VERIFY(!m_window->pollTimer()->isActive() && requestsOf(OrvMsg::FuelSensorRead) > before);
    const int stopped = requestsOf(OrvMsg::FuelSensorRead);
    QTest::qWait(100);
    QCOMPARE(requestsOf(OrvMsg::FuelSensorRead), stopped);
    QCOMPARE(readings().value(QStringLiteral("A1")), QStringLiteral("4.25"));
}

void tst_FuelWindows::hiddenWindowEndsPolling()
{
    openWindow();
    QTRY_VERIFY(requestsOf(OrvMsg::FuelSensorRead) >= 2);
    m_window->hide();
    QTest::qWait(100);
    const int hidden = requestsOf(OrvMsg::FuelSensorRead);
    QTest::qWait(100);
    QCOMPARE(requestsOf(OrvMsg::FuelSensorRead), hidden);
    QVERIFY(!m_window->pollTimer()->isActive());
}

void tst_FuelWindows::captureWaitsForASteadyReading()
{
    m_answer = QByteArray();
    openWindow();
    ORV_FuelTablePanel *a1 = m_window->panel(QStringLiteral("A1"));
    QPushButton *capture = a1->captureButton();
    QVERIFY(capture->isVisibleTo(m_window));
    QVERIFY(!m_window->panel(QStringLiteral("D1"))->captureButton()->isHidden());
    a1->volumeEdit()->setText(QStringLiteral("20"));
    // The level rises while fuel is poured, then settles at 1.82 V.
    const quint16 levels[] = {1000, 1300, 1600, 1810, 1820, 1815, 1820};
    for (int i = 0; i < 7; ++i) {
        m_clock = 2000 * i;
        answerWith(fuelAnswer(31, 1, levels[i]));
        // Steady within 0.05 V for 6 s only with the reading at 12 s.
        QCOMPARE(capture->isEnabled(), i >= 6);
    }
    QCOMPARE(a1->readingEdit()->text(), QStringLiteral("1.82"));
    a1->readingEdit()->setText(QStringLiteral("3.33")); // typed over: capture still takes the live reading
    capture->click();
    QCOMPARE(a1->model()->rowCount(), 1);
    QCOMPARE(a1->model()->row(0).volume, QStringLiteral("20"));
    QCOMPARE(a1->model()->row(0).reading, QStringLiteral("1.82"));
    QVERIFY(!capture->isEnabled()); // the volume is cleared
    a1->volumeEdit()->setText(QStringLiteral("40"));
    QVERIFY(capture->isEnabled());
    // No volume: nothing. A reading out of range: nothing.
    answerWith(fuelAnswer(31, 1, 40000));
    QVERIFY(!capture->isEnabled());
    // A dropped answer ends the live reading.
    m_clock += 2000;
    answerWith(fuelAnswer(31, 1, 1820));
    QVERIFY(!capture->isEnabled()); // changed: steady again only after 6 s
    answerWith(QByteArray(10, 'x'));
    QVERIFY(!a1->isLiveStable());
}

void tst_FuelWindows::saveButtonFollowsTheCurrentTable()
{
    m_answer = QByteArray();
    openWindow();
    auto *save = child<QPushButton>(m_window, "Btn_Save_Xml");
    addRow(QStringLiteral("D2"), QStringLiteral("10"), QStringLiteral("100"));
    QVERIFY(!save->isEnabled()); // A1 is current
    m_window->showTable(QStringLiteral("D2"));
    QVERIFY(save->isEnabled());
    child<QTabWidget>(m_window, "tabWidget_RS485")->setCurrentIndex(0);
    QCOMPARE(m_window->currentCode(), QStringLiteral("D1"));
    QVERIFY(!save->isEnabled());
    child<QTabWidget>(m_window, "tabWidget_RS485")->setCurrentIndex(1);
    QVERIFY(save->isEnabled());
    m_window->panel(QStringLiteral("D2"))->clearTable();
    QVERIFY(!save->isEnabled());
}

void tst_FuelWindows::saveAndLoadRoundTrip()
{
    m_answer = QByteArray();
    openWindow();
    m_window->setNow([] { return QDateTime(QDate(2026, 12, 4), QTime(6, 5, 9)); });
    ORV_FuelTablePanel *d3 = m_window->panel(QStringLiteral("D3"));
    d3->setSensorName(QStringLiteral("Rear tank"));
    addRow(QStringLiteral("D3"), QStringLiteral("40"), QStringLiteral("1800"));
    addRow(QStringLiteral("D3"), QStringLiteral("20"), QStringLiteral("1000"));
    addRow(QStringLiteral("D3"), QStringLiteral("0"), QStringLiteral("200"));
    m_window->showTable(QStringLiteral("D3"));
    const QString path = m_dir.filePath(QStringLiteral("D3 saved.xml"));
    m_saveChoice = path;
    m_window->slot_pressed_Btn_Save_Xml();
    QCOMPARE(m_proposed, QStringList{QStringLiteral("K4810_538|") + m_dir.path()
                                     + QStringLiteral("/D3_Truck 7 (04-12-26 06_05_09).xml|*.xml")});
    QVERIFY(m_told.isEmpty());
    QVERIFY(!d3->isModified());
    const FuelFile::ReadResult saved = FuelFile::read(path);
    QCOMPARE(saved.status, FuelFile::Ok);
    QCOMPARE(saved.content.type, QStringLiteral("D3"));
    QCOMPARE(saved.content.imei, QStringLiteral("354810061234567"));
    QCOMPARE(saved.content.objectName, QStringLiteral("Truck 7"));
    QCOMPARE(saved.content.nameElement, QStringLiteral("Name_A1"));
    QCOMPARE(saved.content.sensorName, QStringLiteral("Rear tank"));
    QCOMPARE(saved.content.rows, (QList<FuelFileRow>{{"0", "200"}, {"20", "1000"}, {"40", "1800"}}));

    // Back into an empty D3 table, from another tab and another vehicle.
    d3->clearTable();
    d3->setSensorName(QString());
    m_window->showTable(QStringLiteral("A1"));
    child<QLineEdit>(m_window, "lineEdit_ObjectName")->setText(QStringLiteral("Bus 3"));
    m_openChoice = path;
    m_window->slot_pressed_Btn_Load();
    QVERIFY(m_questions.isEmpty());
    QCOMPARE(m_window->currentCode(), QStringLiteral("D3")); // the D table's own tab
    QCOMPARE(child<QTabWidget>(m_window, "tabWidget")->currentWidget()->objectName(), QStringLiteral("tab_RS485"));
    QCOMPARE(d3->sensorName(), QStringLiteral("Rear tank"));
    QCOMPARE(d3->model()->rowCount(), 3);
    QCOMPARE(d3->model()->row(2).reading, QStringLiteral("1800"));
    QCOMPARE(d3->graph()->points().size(), 3);
    QCOMPARE(m_window->objectNameText(), QStringLiteral("Bus 3")); // not taken over
    QVERIFY(child<QPushButton>(m_window, "Btn_Save_Xml")->isEnabled());
    QVERIFY(!d3->isModified());

    // An A1 file writes Name_A.
    addRow(QStringLiteral("A1"), QStringLiteral("5"), QStringLiteral("0.60"));
    m_window->showTable(QStringLiteral("A1"));
    m_saveChoice = m_dir.filePath(QStringLiteral("a1")); // no suffix typed
    QVERIFY(m_window->saveCurrent());
    QCOMPARE(FuelFile::read(m_saveChoice + QStringLiteral(".xml")).content.nameElement, QStringLiteral("Name_A"));
}

void tst_FuelWindows::loadRefusesWhatItCannotTake_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("told");
    QTest::newRow("another model") << "model" << "K4810_534";
    QTest::newRow("no such file") << "missing" << "K4810_568";
    QTest::newRow("not XML") << "garbage" << "K4810_569";
    QTest::newRow("a settings file") << "settings" << "K4810_569";
    QTest::newRow("A2 has no table here") << "A2" << "K4810_577";
    QTest::newRow("unknown type") << "XX" << "K4810_577";
}

void tst_FuelWindows::loadRefusesWhatItCannotTake()
{
    QFETCH(QString, file);
    QFETCH(QString, told);
    m_answer = QByteArray();
    openWindow();
    addRow(QStringLiteral("A1"), QStringLiteral("5"), QStringLiteral("0.60"));
    QString path;
    if (file == QLatin1String("model")) {
        path = writeFile(QStringLiteral("model.xml"), QStringLiteral("A1"), {{"1", "1"}}, QStringLiteral("K-5127"));
    } else if (file == QLatin1String("missing")) {
        path = m_dir.filePath(QStringLiteral("missing.xml"));
    } else if (file == QLatin1String("garbage")) {
        path = m_dir.filePath(QStringLiteral("garbage.xml"));
        QVERIFY(TestFiles::write(path, "\x01\x02 not xml"));
    } else if (file == QLatin1String("settings")) {
        path = m_dir.filePath(QStringLiteral("settings.xml"));
    } else {
        path = writeFile(file + QStringLiteral(".xml"), file, {{"1", "1"}});
    }
    m_openChoice = path;
    m_window->slot_pressed_Btn_Load();
    QCOMPARE(m_told.size(), 1);
    QVERIFY2(m_told[0].startsWith(QStringLiteral("K4810_533|") + told), qPrintable(m_told[0]));
    QVERIFY(m_questions.isEmpty());
    QCOMPARE(m_window->panel(QStringLiteral("A1"))->model()->rowCount(), 1);
    if (file == QLatin1String("missing"))
        QVERIFY(!QFileInfo::exists(path));
}

void tst_FuelWindows::loadIntoATableWithPointsAsksFirst()
{
    m_answer = QByteArray();
    openWindow();
    const QString path = writeFile(QStringLiteral("a1.xml"), QStringLiteral("A1"), {{"1,5", "0,5"}, {"nan", "2"}});
    addRow(QStringLiteral("A1"), QStringLiteral("5"), QStringLiteral("0.60"));
    m_window->showTable(QStringLiteral("F1"));
    m_openChoice = path;
    m_answers = {false};
    m_window->slot_pressed_Btn_Load();
    QCOMPARE(m_questions, QStringList{QStringLiteral("K4810_533|K4810_532")});
    QCOMPARE(m_window->currentCode(), QStringLiteral("F1"));
    QCOMPARE(m_window->panel(QStringLiteral("A1"))->model()->rowCount(), 1);
    m_window->slot_pressed_Btn_Load();
    ORV_FuelTablePanel *a1 = m_window->panel(QStringLiteral("A1"));
    QCOMPARE(m_window->currentCode(), QStringLiteral("A1"));
    QCOMPARE(a1->model()->rowCount(), 2); // replaced, not merged
    QCOMPARE(a1->model()->row(0).volume, QStringLiteral("0"));
    QCOMPARE(a1->model()->row(1).volume, QStringLiteral("1.5"));
    QCOMPARE(a1->model()->row(1).reading, QStringLiteral("0.5"));
}

void tst_FuelWindows::closeAsksForEveryUnsavedTable()
{
    m_answer = QByteArray();
    openWindow();
    // An empty current table, unsaved points in two others.
    addRow(QStringLiteral("D5"), QStringLiteral("10"), QStringLiteral("100"));
    addRow(QStringLiteral("F1"), QStringLiteral("10"), QStringLiteral("100"));
    m_window->showTable(QStringLiteral("A1"));
    m_saveChoice = m_dir.filePath(QStringLiteral("d5.xml"));
    m_answers = {true, false}; // save D5, not F1
    m_window->slot_pressed_Btn_Exit();
    QCOMPARE(m_questions.size(), 2);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(FuelFile::read(m_saveChoice).content.type, QStringLiteral("D5"));
    QVERIFY(!m_window->pollTimer()->isActive());

    // Nothing unsaved: no question.
    m_questions.clear();
    openWindow();
    const QString path = writeFile(QStringLiteral("d1.xml"), QStringLiteral("D1"), {{"1", "1"}});
    m_openChoice = path;
    m_window->slot_pressed_Btn_Load();
    m_window->close();
    QVERIFY(m_questions.isEmpty());
    QVERIFY(!m_window->isVisible());
}

void tst_FuelWindows::failedOrCancelledSaveKeepsTheWindowOpen_data()
{
    QTest::addColumn<QString>("choice");
    QTest::addColumn<int>("told");
    QTest::newRow("cancelled") << "" << 0;
    QTest::newRow("cannot be written") << "no/such/folder/table.xml" << 1;
}

void tst_FuelWindows::failedOrCancelledSaveKeepsTheWindowOpen()
{
    QFETCH(QString, choice);
    QFETCH(int, told);
    m_answer = QByteArray();
    openWindow();
    addRow(QStringLiteral("A1"), QStringLiteral("5"), QStringLiteral("0.60"));
    m_saveChoice = choice.isEmpty() ? QString() : m_dir.filePath(choice);
    m_window->close();
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_told.size(), told);
    if (told)
        QVERIFY(m_told[0].startsWith(QLatin1String("K4810_533|K4810_542\n")));
    QVERIFY(m_window->saveCurrent() == false);
    QVERIFY(m_window->panel(QStringLiteral("A1"))->isModified());
}

void tst_FuelWindows::escapeDoesNotClose()
{
    m_answer = QByteArray();
    openWindow();
    QTest::keyClick(m_window, Qt::Key_Escape);
    QVERIFY(m_window->isVisible());
}

void tst_FuelWindows::connectionLossClosesAfterTheMessage()
{
    openWindow();
    QTRY_VERIFY(requestsOf(OrvMsg::FuelSensorRead) >= 2);
    addRow(QStringLiteral("D1"), QStringLiteral("10"), QStringLiteral("100"));
    m_answers = {false};
    deliver(OrvMsg::TrackerDetached);
    // Nothing asked from inside the host's message.
    QVERIFY(m_questions.isEmpty());
    QVERIFY(!m_window->pollTimer()->isActive());
    QVERIFY(!m_tmi->isVisible());
    QTRY_VERIFY(!m_window->isVisible());
    QCOMPARE(m_questions.size(), 1);
    const int requests = requestsOf(OrvMsg::FuelSensorRead);
    QTest::qWait(80);
    QCOMPARE(requestsOf(OrvMsg::FuelSensorRead), requests);
}

void tst_FuelWindows::helpAndPrint()
{
    m_answer = QByteArray();
    openWindow();
    m_window->slot_pressed_Btn_Help();
    QCOMPARE(g_requests.last().msgId, uint32_t(OrvMsg::Help));
    QCOMPARE(g_requests.last().text, QStringLiteral("/Localization/Help/K-4810/k-4810Fuel.html"));

    addRow(QStringLiteral("D2"), QStringLiteral("10"), QStringLiteral("1023"));
    m_window->showTable(QStringLiteral("D2"));
    m_window->slot_pressed_Btn_Print();
    QVERIFY(m_window->report()->isVisible());
    QVERIFY(m_window->report()->isDigital());
    QVERIFY(m_window->report()->html().contains(QLatin1String("<td align=\"center\">1023</td>")));
    QVERIFY(m_window->report()->html().contains(QLatin1String("Truck 7")));
    m_window->slot_pressed_Btn_Exit();
    QVERIFY(!m_window->report()->isVisible());
}

void tst_FuelWindows::unloadingAsksNothing()
{
    m_answer = QByteArray();
    openWindow();
    addRow(QStringLiteral("A1"), QStringLiteral("5"), QStringLiteral("0.60"));
    ORV_FormFuelView *view = m_device->ensureFuelViewWindow();
    view->setDialogs(m_dialogs);
    view->openDigital();
    view->panel()->volumeEdit()->setText(QStringLiteral("10"));
    view->panel()->readingEdit()->setText(QStringLiteral("300"));
    view->panel()->slot_pressed_Btn_Add();
    // The library goes with its windows: no question can be answered then.
    m_device.reset();
    QVERIFY(m_questions.isEmpty());
}

// ---------------------------------------------------------------------------
// Fuel view

void tst_FuelWindows::viewOpensFilesFromTheHost()
{
    const QString a1 = writeFile(QStringLiteral("view a1.xml"), QStringLiteral("A1"),
                                 {{"0", "0.48"}, {"20", "0.94"}, {"10", "0.71"}});
    deliver(OrvMsg::OpenFuelFile, addr(&a1));
    ORV_FormFuelView *view = m_device->fuelViewWindow();
    QVERIFY(view && view->isVisible());
    view->setDialogs(m_dialogs);
    QCOMPARE(view->fileName(), a1);
    QCOMPARE(view->typeCode(), QStringLiteral("A1"));
    auto *combo = child<QComboBox>(view, "Combo_Type");
    QCOMPARE(combo->count(), 1);
    QCOMPARE(combo->currentText(), QStringLiteral("K4810_535"));
    QCOMPARE(child<QLineEdit>(view, "lineEdit_ObjectName")->text(), QStringLiteral("From the file"));
    QCOMPARE(child<QLineEdit>(view, "lineEdit_Imei")->text(), QStringLiteral("111"));
    QCOMPARE(view->panel()->sensorName(), QStringLiteral("Sensor A1"));
    QCOMPARE(view->panel()->model()->row(1).volume, QStringLiteral("10"));
    QCOMPARE(view->panel()->graph()->decimals(), 2);
    QCOMPARE(view->panel()->graph()->marginLeft(), 60);
    QVERIFY(child<QPushButton>(view, "Btn_Save_Xml")->isEnabled());
    QVERIFY(view->sizeHint().height() <= 740);

    // F1 files too.
    const QString f1 = writeFile(QStringLiteral("view f1.xml"), QStringLiteral("F1"), {{"5", "700"}});
    deliver(OrvMsg::OpenFuelFile, addr(&f1));
    QCOMPARE(view->typeCode(), QStringLiteral("F1"));
    QCOMPARE(combo->currentText(), QStringLiteral("K4810_575"));
    QCOMPARE(view->panel()->graph()->axisTitle(), QStringLiteral("K4810_544"));
    QCOMPARE(view->panel()->model()->rowCount(), 1);

    // A file that is not there: said, nothing made, the table kept.
    const QString missing = m_dir.filePath(QStringLiteral("gone.xml"));
    deliver(OrvMsg::OpenFuelFile, addr(&missing));
    QCOMPARE(m_told.size(), 1);
    QVERIFY(m_told[0].contains(QLatin1String("K4810_568")));
    QVERIFY(!QFileInfo::exists(missing));
    QCOMPARE(view->panel()->model()->rowCount(), 1);

    view->slot_pressed_Btn_Help();
    QCOMPARE(g_requests.last().text, QStringLiteral("/Localization/Help/K-4810/k-4810FuelView.html"));
    view->slot_pressed_Btn_Print();
    QVERIFY(view->report() && view->report()->isVisible());
    QVERIFY(!view->report()->isDigital());
    view->slot_pressed_Btn_Exit();
    QVERIFY(!view->isVisible());
    QVERIFY(!view->report()->isVisible());
}

void tst_FuelWindows::viewLoadReplacesTheTable()
{
    ORV_FormFuelView *view = m_device->ensureFuelViewWindow();
    view->setDialogs(m_dialogs);
    const QString first = writeFile(QStringLiteral("first.xml"), QStringLiteral("D2"), {{"1", "10"}, {"2", "20"}});
    const QString second = writeFile(QStringLiteral("second.xml"), QStringLiteral("RS-232"), {{"5", "50"}});
    m_openChoice = first;
    view->slot_pressed_Btn_Load();
    QVERIFY(m_questions.isEmpty());
    QCOMPARE(view->panel()->model()->rowCount(), 2);
    m_openChoice = second;
    m_answers = {false};
    view->slot_pressed_Btn_Load();
    QCOMPARE(m_questions, QStringList{QStringLiteral("K4810_533|K4810_532")});
    QCOMPARE(view->typeCode(), QStringLiteral("D2"));
    QCOMPARE(view->panel()->model()->rowCount(), 2);
    view->slot_pressed_Btn_Load();
    QCOMPARE(view->typeCode(), QStringLiteral("RS-232"));
    QCOMPARE(view->panel()->model()->rowCount(), 1); // replaced, not merged
    QCOMPARE(view->fileName(), second);
}

void tst_FuelWindows::viewEntryPoints()
{
    ORV_FormFuelView *view = m_device->ensureFuelViewWindow();
    view->setDialogs(m_dialogs);
    auto *combo = child<QComboBox>(view, "Combo_Type");
    view->openDigital();
    QVERIFY(view->isVisible());
    QCOMPARE(combo->count(), 6);
    QCOMPARE(view->typeCode(), QStringLiteral("D1"));
    QCOMPARE(combo->itemText(5), QStringLiteral("K4810_531"));
    ORV_FuelTablePanel *panel = view->panel();
    panel->volumeEdit()->setText(QStringLiteral("10"));
    panel->readingEdit()->setText(QStringLiteral("4000"));
    panel->slot_pressed_Btn_Add();
    // Another RS-485 sensor: the codes stay.
    combo->setCurrentIndex(2);
    QCOMPARE(view->typeCode(), QStringLiteral("D3"));
    QVERIFY(m_questions.isEmpty());
    QCOMPARE(panel->model()->rowCount(), 1);

    // Codes into an analogue table: asked; declined keeps everything.
    const QString a1 = writeFile(QStringLiteral("entry a1.xml"), QStringLiteral("A1"), {{"1", "1.5"}});
    view->loadFile(a1);
    QCOMPARE(view->typeCode(), QStringLiteral("A1"));
    m_answers = {false};
    view->openRs232();
    QCOMPARE(m_questions.size(), 1);
    QVERIFY(m_questions[0].endsWith(QLatin1String("K4810_570")));
    QCOMPARE(view->typeCode(), QStringLiteral("A1"));
    QCOMPARE(panel->model()->rowCount(), 1);
    view->openRs232();
    QCOMPARE(view->typeCode(), QStringLiteral("RS-232"));
    QCOMPARE(combo->count(), 1);
    QCOMPARE(combo->currentText(), QStringLiteral("K4810_524"));
    QCOMPARE(panel->model()->rowCount(), 0);
    QCOMPARE(panel->graph()->marginLeft(), 80);
    // The reading editor follows: 4095 is a code, 12.5 is not.
    panel->readingEdit()->setText(QStringLiteral("12.5"));
    QVERIFY(!panel->readingEdit()->hasAcceptableInput());
    panel->readingEdit()->setText(QStringLiteral("4095"));
    QVERIFY(panel->readingEdit()->hasAcceptableInput());
}

void tst_FuelWindows::viewSavesWithNameA()
{
    ORV_FormFuelView *view = m_device->ensureFuelViewWindow();
    view->setDialogs(m_dialogs);
    view->setNow([] { return QDateTime(QDate(2026, 12, 4), QTime(6, 5, 9)); });
    view->openDigital();
    child<QComboBox>(view, "Combo_Type")->setCurrentIndex(3);
    child<QLineEdit>(view, "lineEdit_ObjectName")->setText(QStringLiteral("Truck/7"));
    child<QLineEdit>(view, "lineEdit_Imei")->setText(QStringLiteral("42"));
    view->panel()->setSensorName(QStringLiteral("Left"));
    view->panel()->volumeEdit()->setText(QStringLiteral("10"));
    view->panel()->readingEdit()->setText(QStringLiteral("300"));
    view->panel()->slot_pressed_Btn_Add();
    m_saveChoice = m_dir.filePath(QStringLiteral("view d4.xml"));
    QVERIFY(view->saveXml());
    QCOMPARE(m_proposed.last(), QStringLiteral("K4810_538|") + m_dir.path()
                                    + QStringLiteral("/D4_Truck_7 (04-12-26 06_05_09).xml|*.xml"));
    const FuelFile::ReadResult r = FuelFile::read(m_saveChoice);
    QCOMPARE(r.content.type, QStringLiteral("D4"));
    QCOMPARE(r.content.nameElement, QStringLiteral("Name_A"));
    QCOMPARE(r.content.sensorName, QStringLiteral("Left"));
    QCOMPARE(r.content.imei, QStringLiteral("42"));
    QCOMPARE(r.content.objectName, QStringLiteral("Truck/7"));
    // Saved again: the file's own path is proposed.
    QVERIFY(view->saveXml());
    QCOMPARE(m_proposed.last().section(QLatin1Char('|'), 1, 1), m_saveChoice);

    // A failed save keeps the window open when closing.
    view->panel()->volumeEdit()->setText(QStringLiteral("20"));
    view->panel()->slot_pressed_Btn_Add();
    m_saveChoice = m_dir.filePath(QStringLiteral("no/folder/x.xml"));
    view->close();
    QVERIFY(view->isVisible());
    QCOMPARE(m_told.size(), 1);
    m_answers = {false};
    view->close();
    QVERIFY(!view->isVisible());
}

void tst_FuelWindows::viewAsksBeforeReplacingUnsavedPoints()
{
    ORV_FormFuelView *view = m_device->ensureFuelViewWindow();
    view->setDialogs(m_dialogs);
    view->openDigital();
    view->panel()->volumeEdit()->setText(QStringLiteral("10"));
    view->panel()->readingEdit()->setText(QStringLiteral("300"));
    view->panel()->slot_pressed_Btn_Add();
    const QString file = writeFile(QStringLiteral("host.xml"), QStringLiteral("D6"), {{"1", "2"}});
    m_answers = {false};
    deliver(OrvMsg::OpenFuelFile, addr(&file));
    // Asked after the host's message, declined: the points stay.
    QVERIFY(m_questions.isEmpty());
    QTRY_COMPARE(m_questions.size(), 1);
    QCOMPARE(view->typeCode(), QStringLiteral("D1"));
    QCOMPARE(view->panel()->model()->row(0).reading, QStringLiteral("300"));
    deliver(OrvMsg::OpenFuelFile, addr(&file));
    QTRY_COMPARE(view->typeCode(), QStringLiteral("D6"));
    QCOMPARE(view->panel()->model()->row(0).reading, QStringLiteral("2"));
}

QTEST_MAIN(tst_FuelWindows)
#include "tst_fuelwindows.moc"
