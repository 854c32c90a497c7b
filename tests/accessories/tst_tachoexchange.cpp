// The tachograph exchange: the create record, the status texts, the answers
// by kind (escaped, short ones dropped), making a file and downloading it.

#include "accessories/tachoexchange.h"
#include "tests/support/keytexts.h"
#include "tests/support/testfiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Request
{
    uint32_t msgId;
    intptr_t p1; // the integer, or 0 for a record
    QByteArray record;
};

void put16(QByteArray &b, int offset, quint32 v)
{
    b[offset] = char(v & 0xFF);
    b[offset + 1] = char((v >> 8) & 0xFF);
}

void put32(QByteArray &b, int offset, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b[offset + i] = char((v >> (8 * i)) & 0xFF);
}

QByteArray answer(quint8 kind, quint8 status, int length)
{
    QByteArray b("*#TACH");
    b.append(char(kind));
    b.append(char(status));
    b.append(QByteArray(qMax(0, length - 8), '\0'));
    return b.left(length);
}

QByteArray fileState(quint8 status, quint32 length, const QByteArray &name = QByteArray())
{
    QByteArray b = answer(TachoExchange::FileState, status, TachoExchange::FileStateLength);
    put32(b, 8, length);
    return b + name;
}

QByteArray fileData(quint32 offset, quint32 total, const QByteArray &data, quint8 status = 0)
{
    QByteArray b = answer(TachoExchange::FileData, status, TachoExchange::FileDataHeaderLength);
    put32(b, 8, offset);
    put32(b, 12, total);
    return b + data;
}

QByteArray currentState()
{
    QByteArray b = answer(TachoExchange::CurrentState, 0, TachoExchange::CurrentStateLength);
    put32(b, 8, 1767225600); // 2026-01-01 00:00:00 UTC
    b[12] = 1;               // control
    b[14] = 2;               // card 1 authorised
    b[16] = 3;               // driving
    b[18] = 9;               // a card type without a name
    put32(b, 20, 123456);    // 617.280 km
    put16(b, 24, 124);       // 24.8 V
    put16(b, 26, 45);
    put16(b, 36, 7);         // driver 2: driving minutes in the day
    return b;
}

QByteArray card(quint8 kind)
{
    QByteArray b = answer(kind, 0, TachoExchange::CardLength);
    b[8] = 2;
    b[9] = 1;
    put16(b, 10, 643);
    b.replace(12, 16, "RUD0000012345678");
    b[32] = 5;
    b[33] = 80;
    b[34] = 1;
    b[35] = 12; // ISO/IEC 8859-12 does not exist: read as 8859-1
    b.replace(36, 6, "\xB8\xB2\xB0\xBD\xBE\xB2");              // ИВАНОВ in ISO/IEC 8859-5
    b.replace(72, 4, "\xE9\xD7\xC1\xCE");                      // Иван in KOI8-R
    b.replace(108, 22, "<b>Fleet</b> & \x01 Depot");          // markup and a control character
    b.replace(144, 6, "M\xFCnich");                            // Münich
    return b;
}

QByteArray registration()
{
    QByteArray b = answer(TachoExchange::Registration, 0, TachoExchange::RegistrationLength);
    b.replace(8, 5, "R2.07");
    b.replace(16, 17, "<img src=x>&amp;1");
    put16(b, 33, 643);
    b[35] = 1;
    b.replace(36, 8, "A123BC77");
    b[49] = char(90);
    put32(b, 54, 1735689600); // 2025-01-01 00:00:00 UTC
    return b;
}

} // namespace

class tst_TachoExchange : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void combosMapToCodes();
    void createRecords_data();
    void createRecords();
    void statusTexts_data();
    void statusTexts();
    void safeFileNames_data();
    void safeFileNames();
    void answersByKind_data();
    void answersByKind();
    void makingAFilePollsItsState();
    void makingEndsOnAnErrorOrAtTheLimit_data();
    void makingEndsOnAnErrorOrAtTheLimit();
    void downloadAnswers_data();
    void downloadAnswers();
    void downloadEndsOnTimeoutAndDetach_data();
    void downloadEndsOnTimeoutAndDetach();
    void queryWithoutAnswerGivesTheButtonBack();
    void downloadInsideSendDoesNotNest();

private:
    TrackerSend sender();
    bool deliver(uint32_t msgId, const QByteArray &bytes);
    void makeFile(TachoExchange &exchange, quint32 length, const QByteArray &name);

    std::unique_ptr<QTemporaryDir> m_dir;
    QList<Request> m_requests;
    QStringList m_queryLog;
    QStringList m_fileLog;
    std::unique_ptr<TachoExchange> m_exchange;
    int m_depth = 0;
    int m_maxDepth = 0;
    std::function<void(const Request &)> m_answerInside;
};

void tst_TachoExchange::initTestCase()
{
    KeyTexts::installEnglish();
}

void tst_TachoExchange::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_requests.clear();
    m_queryLog.clear();
    m_fileLog.clear();
    m_depth = m_maxDepth = 0;
    m_answerInside = nullptr;
    m_exchange = std::make_unique<TachoExchange>(sender(), 60000);
    m_exchange->setPollInterval(5);
    connect(m_exchange.get(), &TachoExchange::logged, this, [this](TachoExchange::Log log, const QString &line) {
        (log == TachoExchange::Log::Query ? m_queryLog : m_fileLog) << line;
    });
}

TrackerSend tst_TachoExchange::sender()
{
    return [this](uint32_t msgId, intptr_t p1, intptr_t p2) {
        ++m_depth;
        m_maxDepth = qMax(m_maxDepth, m_depth);
        Request r{msgId, p1, QByteArray()};
        QCOMPARE(p2, intptr_t(0));
        if (msgId == TachoExchange::CreateMessage) {
            r.record = QByteArray(reinterpret_cast<const char *>(p1), TachoExchange::CreateRecordSize);
            r.p1 = 0;
        }
        m_requests << r;
        if (m_answerInside)
            m_answerInside(r);
        --m_depth;
    };
}

bool tst_TachoExchange::deliver(uint32_t msgId, const QByteArray &bytes)
{
    return m_exchange->receiveAnswer(msgId, reinterpret_cast<const uchar *>(bytes.constData()), int(bytes.size()));
}

void tst_TachoExchange::makeFile(TachoExchange &exchange, quint32 length, const QByteArray &name)
{
    QVERIFY(exchange.create(1, QDateTime(), 0));
    const QByteArray made = fileState(0, length, name);
    QVERIFY(exchange.receiveAnswer(TachoExchange::CreateAnswer, reinterpret_cast<const uchar *>(made.constData()),
                                   int(made.size())));
    QVERIFY(exchange.hasFile());
    QCOMPARE(exchange.activity(), TachoExchange::Activity::Idle);
}

void tst_TachoExchange::combosMapToCodes()
{
    const int queries[] = {1, 3, 4, 5, 1};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(TachoExchange::queryCode(i), queries[i]);
    QCOMPARE(TachoExchange::queryCode(-1), 1);
    const int types[] = {5, 0, 1, 2, 3, 4};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(TachoExchange::fileTypeCode(i), types[i]);
        QCOMPARE(TachoExchange::fileTypeTakesCard(i), i == 0);
        QCOMPARE(TachoExchange::fileTypeTakesDate(i), i == 2);
    }
    QVERIFY(m_exchange->query(2));
    QVERIFY(!m_exchange->query(0)); // one query at a time
    QCOMPARE(m_requests.size(), 1);
    QCOMPARE(m_requests[0].msgId, TachoExchange::QueryMessage);
    QCOMPARE(m_requests[0].p1, intptr_t(4));
}

void tst_TachoExchange::createRecords_data()
{
    QTest::addColumn<int>("typeIndex");
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<int>("card");
    QTest::addColumn<QByteArray>("record");
    const QDateTime when(QDate(2024, 3, 31), QTime(0, 30), Qt::UTC); // 1711845000 = 0x6608AE88
    QTest::newRow("card 1") << 0 << when << 0 << QByteArray("\x00\x05\x01\xFF\xFF\xFF", 6);
    QTest::newRow("card 2") << 0 << when << 1 << QByteArray("\x00\x05\x02\xFF\xFF\xFF", 6);
    QTest::newRow("overview") << 1 << when << 1 << QByteArray("\x00\x00\x00\x00\x00\x00", 6);
    QTest::newRow("activities of a day") << 2 << when << 1 << QByteArray("\x00\x01\x88\xAE\x08\x66", 6);
    QTest::newRow("events") << 3 << when << 0 << QByteArray("\x00\x02\x00\x00\x00\x00", 6);
    QTest::newRow("technical data") << 5 << when << 0 << QByteArray("\x00\x04\x00\x00\x00\x00", 6);
}

void tst_TachoExchange::createRecords()
{
    QFETCH(int, typeIndex);
    QFETCH(QDateTime, when);
    QFETCH(int, card);
    QFETCH(QByteArray, record);
    QCOMPARE(TachoExchange::createRecord(TachoExchange::fileTypeCode(typeIndex), when, card).toHex(' '),
             record.toHex(' '));
    QVERIFY(m_exchange->create(typeIndex, when, card));
    QVERIFY(!m_exchange->create(typeIndex, when, card)); // one file at a time
    QCOMPARE(m_requests.size(), 1);
    QCOMPARE(m_requests[0].msgId, TachoExchange::CreateMessage);
    QCOMPARE(m_requests[0].record.toHex(' '), record.toHex(' '));
}

void tst_TachoExchange::statusTexts_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("made") << 0x00 << QStringLiteral("<b>(0x00) DDD файл сформирован.</b>");
    QTest::newRow("previous command") << 0x10
        << QStringLiteral("<b>(0x10) Команда не может быть выполнена, т.к. не завершено выполнение предыдущей команды.</b>");
    QTest::newRow("no link") << 0x31 << QStringLiteral("<b>(0x31) Отсутствует связь с тахографом</b>");
    QTest::newRow("firmware update") << 0x3A
        << QStringLiteral("<b>(0x3A) Формирование DDD файла прервано из-за обновления ПО устройства</b>");
    QTest::newRow("e-mail") << 0x3C << QStringLiteral("<b>(0x3C) Не удалось отправить файл на e-mail</b>");
    QTest::newRow("started") << 0x70 << QStringLiteral("<b>(0x70) Команда принята. Начато формирование DDD файла.</b>");
    QTest::newRow("other") << 0x41 << QStringLiteral("<b>(0x41)</b>");
    QTest::newRow("other, 0xFF") << 0xFF << QStringLiteral("<b>(0xFF)</b>");
}

void tst_TachoExchange::statusTexts()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QCOMPARE(TachoExchange::statusText(quint8(code)), text);
}

void tst_TachoExchange::safeFileNames_data()
{
    QTest::addColumn<QString>("proposed");
    QTest::addColumn<QString>("safe");
    QTest::newRow("plain") << "M_20260101_1200_A123BC77.DDD" << "M_20260101_1200_A123BC77.DDD";
    QTest::newRow("up and across") << "../..\\evil/..\\x.DDD" << "evilx.DDD";
    QTest::newRow("dots left after the slashes go") << "..././x.DDD" << "x.DDD";
    QTest::newRow("three dots") << "a...b.DDD" << "a.b.DDD";
    QTest::newRow("only dots") << "...." << "";
    QTest::newRow("absolute") << "/etc/passwd" << "etcpasswd";
    QTest::newRow("control characters") << "a\x01\tb.DDD" << "ab.DDD";
}

void tst_TachoExchange::safeFileNames()
{
    QFETCH(QString, proposed);
    QFETCH(QString, safe);
    QCOMPARE(TachoExchange::safeFileName(proposed), safe);
}

void tst_TachoExchange::answersByKind_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QStringList>("lines"); // of the query log, each line containing its text

    QTest::newRow("state, OK") << currentState() << true
        << QStringList{"<b>Информация о текущим состоянии тахографа: OK</b>",
                       "Tachograph time: <b>00:00:00 01.01.2026</b>",
                       "Tachograph mode: <b>control</b>",
                       "Security module mode: <b>not activated</b>",
                       "Card 1 state: <b>authorised</b>",
                       "Card 2 state: <b>no card</b>",
                       "Driver 1 activity: <b>driving</b>",
                       "Driver 2 activity: <b>rest</b>",
                       "Card 1 type: <b>9</b>",
                       "Card 2 type: <b>none</b>",
                       "TRIP distance: <b>617.280 km</b>",
                       "Supply voltage: <b>24.8 V</b>",
                       "Driver 1: minutes in the current activity: <b>45</b>",
                       "Driver 1: driving minutes today: <b>0</b>",
                       "Driver 1: continuous driving minutes: <b>0</b>",
                       "Driver 1: cumulative break minutes: <b>0</b>",
                       "Driver 2: minutes in the current activity: <b>0</b>",
                       "Driver 2: driving minutes today: <b>7</b>",
                       "Driver 2: continuous driving minutes: <b>0</b>",
                       "Driver 2: cumulative break minutes: <b>0</b>"};
    QTest::newRow("state, one byte short") << currentState().left(41) << false << QStringList();
    QTest::newRow("state, n/a") << answer(TachoExchange::CurrentState, 1, 8) << true
                                << QStringList{"<b>Информация о текущим состоянии тахографа: n/a</b>"};
    QTest::newRow("state, 7 bytes") << answer(TachoExchange::CurrentState, 1, 8).left(7) << false << QStringList();
    QTest::newRow("card 1, texts escaped and decoded") << card(TachoExchange::Card1) << true
        << QStringList{"<b>Информация о картах №1: OK</b>",
                       "Card state: <b>authorised</b>",
                       "Card type: <b>driver</b>",
                       "Country code: <b>643</b>",
                       "Card number: <b>RUD0000012345678</b>",
                       "Card expiry: <b>-</b>",
                       "Code page of string 1: <b>5</b>",
                       "Code page of string 2: <b>80</b>",
                       "Code page of string 3: <b>1</b>",
                       "Code page of string 4: <b>12</b>",
                       "String 1: <b>ИВАНОВ</b>",
                       "String 2: <b>Иван</b>",
                       "String 3: <b>&lt;b&gt;Fleet&lt;/b&gt; &amp; ? Depot</b>",
                       "String 4: <b>Münich</b>"};
    QTest::newRow("card 2, not connected") << answer(TachoExchange::Card2, 2, 8) << true
                                           << QStringList{"<b>Информация о картах №2: не подключен</b>"};
    QTest::newRow("card 1, 179 bytes") << card(TachoExchange::Card1).left(179) << false << QStringList();
    QTest::newRow("registration, escaped") << registration() << true
        << QStringList{"<b>Регистрационная информация: OK</b>",
                       "Tachograph version: <b>R2.07</b>",
                       "Vehicle identification number: <b>&lt;img src=x&gt;&amp;amp;1</b>",
                       "Registering country code: <b>643</b>",
                       "Code page of the registration number: <b>1</b>",
                       "Registration number: <b>A123BC77</b>",
                       "Speed limit: <b>90 km/h</b>",
                       "Next calibration: <b>-</b>",
                       "Security module activated: <b>00:00:00 01.01.2025</b>",
                       "End of the security module activation: <b>-</b>",
                       "Security module serial number: <b></b>",
                       "Security module registration number: <b></b>"};
    QTest::newRow("registration, a code") << answer(TachoExchange::Registration, 0x42, 8) << true
                                          << QStringList{"<b>Регистрационная информация: 0x42</b>"};
    QTest::newRow("registration, 85 bytes") << registration().left(85) << false << QStringList();
    QTest::newRow("unknown kind") << answer(9, 0, 200) << false << QStringList();
    QTest::newRow("kind byte missing") << QByteArray("*#TACH") << false << QStringList();
    QTest::newRow("file data while nothing downloads") << fileData(0, 10, "0123456789") << false << QStringList();
}

void tst_TachoExchange::answersByKind()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, taken);
    QFETCH(QStringList, lines);
    QVERIFY(m_exchange->query(0));
    QCOMPARE(deliver(TachoExchange::QueryAnswer, bytes), taken);
    QCOMPARE(m_queryLog, lines);
    QVERIFY(m_fileLog.isEmpty());
    QCOMPARE(m_exchange->isQuerying(), !taken);
}

void tst_TachoExchange::makingAFilePollsItsState()
{
    QSignalSpy ready(m_exchange.get(), &TachoExchange::fileReady);
    QVERIFY(m_exchange->create(0, QDateTime::currentDateTime(), 1));
    QVERIFY(deliver(TachoExchange::CreateAnswer, fileState(0x70, 0)));
    QCOMPARE(m_exchange->activity(), TachoExchange::Activity::Creating);
    QCOMPARE(m_fileLog.size(), 2);
    QVERIFY(m_fileLog[0].contains(QStringLiteral("Запрос данных DDD файла: <b>(0x70)")));
    QVERIFY(m_fileLog[1].contains(QStringLiteral("Длина файла: <b>0</b> байт")));
    // The file's state is asked for until the tracker has made it.
    QTRY_COMPARE(m_requests.size(), 2);
    QCOMPARE(m_requests[1].msgId, TachoExchange::QueryMessage);
    QCOMPARE(m_requests[1].p1, intptr_t(TachoExchange::FileStateQuery));
    QVERIFY(deliver(TachoExchange::QueryAnswer, fileState(0x70, 0)));
    QCOMPARE(m_fileLog.size(), 2); // the same status again is not logged again
    QTRY_COMPARE(m_requests.size(), 3);
    QVERIFY(deliver(TachoExchange::QueryAnswer, fileState(0, 23456, "../M_1.DDD<b>")));
    QCOMPARE(m_exchange->activity(), TachoExchange::Activity::Idle);
    QVERIFY(m_exchange->hasFile());
    QCOMPARE(m_exchange->fileName(), QStringLiteral("M_1.DDD<b>"));
    QCOMPARE(m_exchange->fileLength(), quint32(23456));
    QCOMPARE(ready.count(), 1);
    QCOMPARE(m_fileLog.size(), 4);
    QVERIFY2(m_fileLog[2].endsWith(QStringLiteral("<b>(0x00) DDD файл сформирован.</b> ../M_1.DDD&lt;b&gt;")),
             qPrintable(m_fileLog[2]));
    QVERIFY(m_fileLog[3].contains(QLatin1String("<b>23456</b>")));
    QTest::qWait(30);
    QCOMPARE(m_requests.size(), 3); // no more polls
}

void tst_TachoExchange::makingEndsOnAnErrorOrAtTheLimit_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("last");
    QTest::newRow("no data") << 0x38 << 60000 << "Нет данных для формирования DDD файла";
    QTest::newRow("previous command") << 0x10 << 60000 << "не завершено выполнение предыдущей команды";
    QTest::newRow("made without a length") << 0x00 << 60000 << "<b>0</b>";
    QTest::newRow("still making at the limit") << 0x70 << 1 << "The tracker did not finish the DDD file in time.";
}

void tst_TachoExchange::makingEndsOnAnErrorOrAtTheLimit()
{
    QFETCH(int, status);
    QFETCH(int, limit);
    QFETCH(QString, last);
    m_exchange->setCreationLimit(limit);
    QVERIFY(m_exchange->create(1, QDateTime(), 0));
    QTest::qWait(5);
    QVERIFY(deliver(TachoExchange::CreateAnswer, fileState(quint8(status), 0)));
    QCOMPARE(m_exchange->activity(), TachoExchange::Activity::Idle);
    QVERIFY(!m_exchange->hasFile());
    QVERIFY2(m_fileLog.join(QLatin1Char('\n')).contains(last), qPrintable(m_fileLog.join(QLatin1Char('\n'))));
    QTest::qWait(30);
    QCOMPARE(m_requests.size(), 1);
}

void tst_TachoExchange::downloadAnswers_data()
{
    // Each step answers the request sent last: ok<n> n bytes of the file
    // from the offset asked, wrong (another offset), beyond (past the file's
    // end), empty, s<hex> (a status), state (kind 0 on 2105).
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("offsets");   // of the 2104 requests
    QTest::addColumn<bool>("written");
    QTest::addColumn<int>("running");       // 1 still downloading
    QTest::addColumn<QString>("message");

    QTest::newRow("three pieces") << "ok512 ok512 ok176" << "0 512 1024" << true << 0 << "";
    QTest::newRow("pieces of any size") << "ok1000 ok200" << "0 1000" << true << 0 << "";
    QTest::newRow("another offset is ignored") << "ok512 wrong ok688" << "0 512" << true << 0 << "";
    QTest::newRow("past the end is ignored") << "ok512 beyond" << "0 512" << false << 1 << "";
    QTest::newRow("empty piece is ignored") << "empty" << "0" << false << 1 << "";
    QTest::newRow("no file") << "ok512 s32" << "0 512" << false << 0 << "The tracker could not give the file (status 0x32).";
    QTest::newRow("state answer instead of data") << "kind0" << "0" << false << 0
                                                  << "The tracker could not give the file (status 0x32).";
}

void tst_TachoExchange::downloadAnswers()
{
    QFETCH(QString, steps);
    QFETCH(QString, offsets);
    QFETCH(bool, written);
    QFETCH(int, running);
    QFETCH(QString, message);

    QByteArray file(1200, '\0');
    for (int i = 0; i < file.size(); ++i)
        file[i] = char(i * 13);
    makeFile(*m_exchange, quint32(file.size()), "x.DDD");
    m_requests.clear();
    const QString path = m_dir->filePath(QStringLiteral("x.DDD"));
    QSignalSpy finished(m_exchange.get(), &TachoExchange::downloadFinished);
    QVERIFY(m_exchange->download(path));
    QCOMPARE(m_exchange->activity(), TachoExchange::Activity::Downloading);
    for (const QString &step : steps.split(QLatin1Char(' '))) {
        const int offset = int(m_requests.last().p1);
        if (step.startsWith(QLatin1String("ok")))
            deliver(TachoExchange::LoadAnswer, fileData(quint32(offset), quint32(file.size()), file.mid(offset, step.mid(2).toInt())));
        else if (step == QLatin1String("wrong"))
            deliver(TachoExchange::LoadAnswer, fileData(quint32(offset + 1), quint32(file.size()), file.mid(offset + 1, 10)));
        else if (step == QLatin1String("beyond"))
            deliver(TachoExchange::LoadAnswer, fileData(quint32(offset), quint32(file.size()), QByteArray(1000, 'x')));
        else if (step == QLatin1String("empty"))
            deliver(TachoExchange::LoadAnswer, fileData(quint32(offset), quint32(file.size()), QByteArray()));
        else if (step.startsWith(QLatin1Char('s')))
            deliver(TachoExchange::LoadAnswer, fileData(0, 0, QByteArray(), quint8(step.mid(1).toInt(nullptr, 16))));
        else
            deliver(TachoExchange::LoadAnswer, fileState(0x32, 0));
    }
    QStringList asked;
    for (const Request &r : m_requests) {
        QCOMPARE(r.msgId, TachoExchange::LoadMessage);
        asked << QString::number(r.p1);
    }
    QCOMPARE(asked.join(QLatin1Char(' ')), offsets);
    QCOMPARE(m_exchange->activity() == TachoExchange::Activity::Downloading, running == 1);
    QCOMPARE(QFileInfo::exists(path), written);
    if (written)
        QCOMPARE(TestFiles::read(path), file);
    if (running == 1) {
        QVERIFY(finished.isEmpty());
        return;
    }
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().at(0).toBool(), written);
    QCOMPARE(finished.first().at(1).toString(), message);
    QVERIFY(m_dir->isValid() && QDir(m_dir->path()).entryList(QDir::Files).size() == (written ? 1 : 0));
}

void tst_TachoExchange::downloadEndsOnTimeoutAndDetach_data()
{
    QTest::addColumn<bool>("detach");
    QTest::newRow("timeout") << false;
    QTest::newRow("detach") << true;
}

void tst_TachoExchange::downloadEndsOnTimeoutAndDetach()
{
    QFETCH(bool, detach);
    TachoExchange exchange(sender(), 50);
    makeFile(exchange, 2000, "y.DDD");
    const QString path = m_dir->filePath(QStringLiteral("y.DDD"));
    QSignalSpy finished(&exchange, &TachoExchange::downloadFinished);
    QVERIFY(exchange.download(path));
    const QByteArray first = fileData(0, 2000, QByteArray(512, 'a'));
    QVERIFY(exchange.receiveAnswer(TachoExchange::LoadAnswer, reinterpret_cast<const uchar *>(first.constData()),
                                   int(first.size())));
    if (detach)
        exchange.detach();
    else
        QVERIFY(finished.wait(2000));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().at(0).toBool(), false);
    QVERIFY(!QFileInfo::exists(path));
    QVERIFY(QDir(m_dir->path()).entryList(QDir::Files).isEmpty());
    QCOMPARE(exchange.activity(), TachoExchange::Activity::Idle);
    QCOMPARE(exchange.hasFile(), !detach);
}

void tst_TachoExchange::queryWithoutAnswerGivesTheButtonBack()
{
    TachoExchange exchange(sender(), 30);
    QStringList log;
    connect(&exchange, &TachoExchange::logged, this, [&log](TachoExchange::Log, const QString &line) { log << line; });
    QVERIFY(exchange.query(0));
    QVERIFY(exchange.isQuerying());
    QTRY_VERIFY(!exchange.isQuerying());
    QCOMPARE(log.size(), 1);
    QVERIFY(log.first().endsWith(QLatin1String("The tracker did not answer.")));
}

void tst_TachoExchange::downloadInsideSendDoesNotNest()
{
    const QByteArray file = QByteArray(100 * 1024, 'z');
    makeFile(*m_exchange, quint32(file.size()), "z.DDD");
    m_answerInside = [&](const Request &r) {
        if (r.msgId != TachoExchange::LoadMessage)
            return;
        deliver(TachoExchange::LoadAnswer, fileData(quint32(r.p1), quint32(file.size()), file.mid(int(r.p1), 512)));
    };
    m_maxDepth = 0;
    const QString path = m_dir->filePath(QStringLiteral("z.DDD"));
    QVERIFY(m_exchange->download(path));
    QCOMPARE(m_exchange->activity(), TachoExchange::Activity::Idle);
    QCOMPARE(TestFiles::read(path), file);
    QCOMPARE(m_maxDepth, 1);
}

QTEST_GUILESS_MAIN(tst_TachoExchange)
#include "tst_tachoexchange.moc"
