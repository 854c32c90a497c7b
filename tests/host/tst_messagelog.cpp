#include "host/messageformatter.h"
#include "host/messagelogfilter.h"
#include "host/messagelogmodel.h"
#include "host/pluginmessage.h"

#include <QDateTime>
#include <QtTest>

#include <cstring>

Q_DECLARE_METATYPE(PluginMessage)

using HostMessages::Direction;

// What the message log shows for each kind of parameter, and how the
// plug-in's requests are read into copies before anything looks at them.
class TestMessageLog : public QObject
{
    Q_OBJECT
private slots:
    void catalogueFindsEveryEntry();
    void rendersEachKind_data();
    void rendersEachKind();
    void readsRequests_data();
    void readsRequests();
    void settingsBlockFieldsAndBounds();
    void modelKeepsTheLastMessages();
    void filterByTextNumberAndDirection();
};

// find() searches the table by direction and number; every entry must be
// reachable, and the host knows each of the plug-in's 46 message numbers.
void TestMessageLog::catalogueFindsEveryEntry()
{
    int toPlugin = 0;
    for (const HostMessages::MessageInfo *e = HostMessages::begin(); e != HostMessages::end(); ++e) {
        QCOMPARE(HostMessages::find(e->id, e->direction), e);
        if (e->direction == Direction::ToPlugin)
            ++toPlugin;
        const bool sized = e->kind == HostMessages::ParamKind::Value || e->kind == HostMessages::ParamKind::ValueInt
            || e->kind == HostMessages::ParamKind::SettingsBlock || e->kind == HostMessages::ParamKind::RecordBuffer;
        QVERIFY2(!sized || e->valueSize > 0, qPrintable(QString::number(e->id)));
    }
    QCOMPARE(toPlugin, 46);
    QCOMPARE(HostMessages::find(2025, Direction::ToPlugin), nullptr);
    QCOMPARE(HostMessages::name(4242, Direction::ToHost), QStringLiteral("unknown"));
}

static PluginMessage withInt(PluginMessage m, qint64 after)
{
    m.p1.number = after;
    return m;
}

void TestMessageLog::rendersEachKind_data()
{
    QTest::addColumn<PluginMessage>("message");
    QTest::addColumn<QString>("expected");

    QByteArray twenty;
    for (int i = 0; i < 20; ++i)
        twenty.append(char(i));

    QTest::newRow("none") << PluginMessage::plain(2040) << "";
    QTest::newRow("int") << PluginMessage::plain(2022, 1) << "p1 = 1";
    QTest::newRow("&int in place") << withInt(PluginMessage::intRef(2052, 0), 9) << "&int → 9";
    QTest::newRow("&int given") << PluginMessage::intRef(2133, 2) << "&int 2";
    QTest::newRow("&bool in place") << PluginMessage::boolRef(2132, true) << "&bool → true";
    QTest::newRow("&text") << PluginMessage::text(2110, QStringLiteral("12.5")) << "\"12.5\"";
    QTest::newRow("&text in place") << PluginMessage::text(2134, QStringLiteral("011")) << "&text → \"011\"";
    QTest::newRow("&text and int") << PluginMessage::text(2019, QStringLiteral("/a b.xml"), 1) << "\"/a b.xml\", p2 = 1";
    QTest::newRow("empty &text") << PluginMessage::text(2019, QString()) << "\"\"";
    QTest::newRow("two texts") << PluginMessage::twoTexts(2039, QStringLiteral("K-4810"), QStringLiteral("3548"))
                               << "\"K-4810\", \"3548\"";
    QTest::newRow("&texts4 padded") << PluginMessage::texts4(2049, {QStringLiteral("a"), QStringLiteral("b")})
                                    << "\"a\", \"b\", \"\", \"\"";
    QTest::newRow("file and modes") << PluginMessage::textAndInts(2023, QStringLiteral("f.xml"), 0, 1)
                                    << "\"f.xml\", title mode 0, view mode 1";
    QTest::newRow("buf,len short") << PluginMessage::buffer(2024, QByteArray("*#F")) << "3 bytes: 2A 23 46";
    QTest::newRow("buf,len long") << PluginMessage::buffer(2024, twenty)
                                  << "20 bytes: 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F …";
    QTest::newRow("buf,len empty") << PluginMessage::buffer(2021, QByteArray()) << "0 bytes";
    QTest::newRow("capability word") << PluginMessage::value64(2107, 0x810) << "0x0000000000000810";
    QTest::newRow("RFID number and p2") << PluginMessage::value64(2109, 123456789012ULL, 3) << "123456789012, p2 = 3";
    QTest::newRow("touch-memory key") << PluginMessage::value64(2042, 0x0102) << "8 bytes: 02 01 00 00 00 00 00 00";
    QTest::newRow("unknown number") << PluginMessage::plain(9999, 5, 6) << "p1 = 5, p2 = 6";
    QTest::newRow("text escapes") << PluginMessage::text(2018, QStringLiteral("a\"b\\c\nd\te\x01"))
                                  << "\"a\\\"b\\\\c\\nd\\te\\x01\"";
    QTest::newRow("long text cut") << PluginMessage::text(2018, QString(200, QLatin1Char('x')))
                                   << QLatin1Char('"') + QString(MessageFormatter::kTextPreview, QLatin1Char('x'))
                                          + QStringLiteral("…\"");
}

void TestMessageLog::rendersEachKind()
{
    QFETCH(PluginMessage, message);
    QFETCH(QString, expected);
    QCOMPARE(MessageFormatter::parameters(message), expected);
}

void TestMessageLog::readsRequests_data()
{
    QTest::addColumn<quint32>("msgId");
    QTest::addColumn<qint64>("p1");
    QTest::addColumn<qint64>("p2");
    QTest::addColumn<QString>("expected");

    // Memory the rows point to; it lives as long as the test object.
    static const QString help = QStringLiteral("/Localization/Help/K-4810/k-4810tmi.html");
    static const quint32 page = 7;
    static const unsigned char command[2] = {65, 0};
    static QByteArray keyBlock = [] {
        QByteArray b(514, '\0');
        b[0] = 1;
        b[2] = 'K';
        return b;
    }();
    static QString filled;
    const auto addr = [](const void *p) { return qint64(reinterpret_cast<intptr_t>(p)); };

    QTest::newRow("&text help path") << 2072u << addr(&help) << qint64(0)
                                     << "\"/Localization/Help/K-4810/k-4810tmi.html\"";
    QTest::newRow("&value u32 page") << 2014u << addr(&page) << qint64(0) << "7";
    QTest::newRow("&value two bytes") << 2127u << addr(command) << qint64(0) << "2 bytes: 41 00";
    QTest::newRow("buf,len") << 2113u << addr(keyBlock.constData()) << qint64(keyBlock.size())
                             << "514 bytes: 01 00 4B 00 00 00 00 00 00 00 00 00 00 00 00 00 …";
    QTest::newRow("buf,len zero length, no pointer") << 2115u << qint64(0) << qint64(0) << "0 bytes";
    QTest::newRow("buf,len null pointer") << 2113u << qint64(0) << qint64(10) << "unreadable address 0x0, p2 = 10";
    QTest::newRow("buf,len negative length") << 2113u << addr(keyBlock.constData()) << qint64(-1)
                                             << QStringLiteral("unreadable address 0x%1, p2 = -1")
                                                    .arg(quint64(addr(keyBlock.constData())), 0, 16);
    QTest::newRow("&text small integer not read") << 2072u << qint64(1) << qint64(0) << "unreadable address 0x1";
    QTest::newRow("&value of unknown layout not read")
        << 2125u << qint64(0x12345678) << qint64(0) << "&value at 0x12345678";
    static const QDateTime when(QDate(2026, 2, 3), QTime(14, 5, 9), Qt::UTC);
    QTest::newRow("&date-time of a page") << 2015u << addr(&when) << qint64(0) << "&time 03.02.2026 14:05:09";
    QTest::newRow("&date-time not at an address") << 2016u << qint64(1) << qint64(0) << "unreadable address 0x1";
    QTest::newRow("event code masked to 16 bits") << 2060u << qint64(0x10003) << addr(&filled) << "code 3 → \"\"";
    QTest::newRow("p2 integer") << 2087u << qint64(0) << qint64(4) << "p2 = 4";
    QTest::newRow("int") << 2032u << qint64(2) << qint64(0) << "p1 = 2";
    QTest::newRow("unknown number never read") << 7777u << qint64(0x12345678) << qint64(3)
                                               << QStringLiteral("p1 = %1, p2 = 3").arg(0x12345678);
}

void TestMessageLog::readsRequests()
{
    QFETCH(quint32, msgId);
    QFETCH(qint64, p1);
    QFETCH(qint64, p2);
    QFETCH(QString, expected);

    const PluginMessage m = PluginMessage::fromRequest(msgId, intptr_t(p1), intptr_t(p2));
    QCOMPARE(m.direction, Direction::ToHost);
    QCOMPARE(MessageFormatter::parameters(m), expected);
}

void TestMessageLog::settingsBlockFieldsAndBounds()
{
    // Block 3 of a 1300-byte file: 276 bytes at the start of the data area.
    QByteArray block(HostMessages::kSettingsBlockSize, '\0');
    std::memcpy(block.data(), "<?xml", 5);
    MessageBytes::writeI32(block, 1024, 276);
    MessageBytes::writeI32(block, 1028, 3);
    MessageBytes::writeI32(block, 1032, 3);
    MessageBytes::writeI32(block, 1036, 102);
    const PluginMessage m = PluginMessage::fromRequest(2025, reinterpret_cast<intptr_t>(block.constData()), 0);
    QCOMPARE(m.p1.bytes, block);
    QCOMPARE(MessageFormatter::parameters(m),
             QStringLiteral("block 3/3, 276 bytes, sequence 102: 3C 3F 78 6D 6C 00 00 00 00 00 00 00 00 00 00 00 …"));

    // A length beyond the data area shows no more than the data area.
    MessageBytes::writeI32(block, 1024, 5000);
    const QString big = MessageFormatter::settingsBlock(block);
    QVERIFY2(big.startsWith(QStringLiteral("block 3/3, 5000 bytes, sequence 102: 3C 3F")), qPrintable(big));
    // A negative length shows no bytes at all.
    MessageBytes::writeI32(block, 1024, -4);
    QCOMPARE(MessageFormatter::settingsBlock(block), QStringLiteral("block 3/3, -4 bytes, sequence 102"));
    // A block shorter than the record is reported as such.
    QVERIFY(MessageFormatter::settingsBlock(block.left(16)).startsWith(QStringLiteral("short settings block, 16 bytes")));
}

static MessageLogEntry entry(uint32_t id, Direction direction, const QString &parameters = QString())
{
    MessageLogEntry e;
    e.time = QDateTime(QDate(2024, 3, 31), QTime(10, 0));
    e.message = PluginMessage::plain(id);
    e.message.direction = direction;
    e.name = HostMessages::name(id, direction);
    e.parameters = parameters;
    return e;
}

void TestMessageLog::modelKeepsTheLastMessages()
{
    MessageLogModel model;
    model.setCapacity(100);
    for (uint32_t i = 0; i < 250; ++i)
        model.append(entry(3000 + i, Direction::ToPlugin));
    QVERIFY(model.rowCount() <= 100);
    QVERIFY(model.rowCount() >= 90);
    // The newest is last and nothing in between is lost.
    const int rows = model.rowCount();
    QCOMPARE(model.data(model.index(rows - 1, MessageLogModel::NumberColumn)).toString(), QStringLiteral("3249"));
    QCOMPARE(model.data(model.index(0, MessageLogModel::NumberColumn)).toUInt(), 3250u - uint(rows));

    model.clear();
    QCOMPARE(model.rowCount(), 0);
    model.append(entry(2039, Direction::ToPlugin, QStringLiteral("\"K-4810\", \"1\"")));
    QCOMPARE(model.line(0),
             QStringLiteral("2024-03-31 10:00:00.000\tto plug-in\t2039\tTracker attached\t\"K-4810\", \"1\"\t"));
    QCOMPARE(model.data(model.index(0, MessageLogModel::NameColumn)).toString(), QStringLiteral("Tracker attached"));
    QCOMPARE(model.data(model.index(0, 0), MessageLogModel::DirectionRole).toInt(), int(Direction::ToPlugin));
}

void TestMessageLog::filterByTextNumberAndDirection()
{
    MessageLogModel model;
    model.append(entry(2072, Direction::ToHost, QStringLiteral("\"/Localization/Help/K-4810/k-4810tmi.html\"")));
    model.append(entry(2039, Direction::ToPlugin, QStringLiteral("\"K-4810\", \"354810061234567\"")));
    model.append(entry(2024, Direction::ToPlugin, QStringLiteral("3 bytes: 2A 23 46")));
    MessageLogFilter filter;
    filter.setSourceModel(&model);
    QCOMPARE(filter.rowCount(), 3);

    filter.setText(QStringLiteral("k-4810TMI"));
    QCOMPARE(filter.rowCount(), 1);
    filter.setText(QStringLiteral("2039"));
    QCOMPARE(filter.rowCount(), 1);
    QCOMPARE(filter.data(filter.index(0, MessageLogModel::NumberColumn)).toString(), QStringLiteral("2039"));
    filter.setText(QStringLiteral("attached"));
    QCOMPARE(filter.rowCount(), 1);
    filter.setText(QString());
    filter.setDirections(MessageLogFilter::Directions::ToPlugin);
    QCOMPARE(filter.rowCount(), 2);
    filter.setDirections(MessageLogFilter::Directions::ToHost);
    QCOMPARE(filter.rowCount(), 1);
    // New rows are filtered as they come.
    model.append(entry(2001, Direction::ToHost));
    QCOMPARE(filter.rowCount(), 2);
}

QTEST_GUILESS_MAIN(TestMessageLog)
#include "tst_messagelog.moc"
