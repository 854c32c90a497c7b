#include "host/simulator/services/tachograph/tachographservice.h"

#include "host/simulator/simulatedtracker.h"

#include <QTimer>

namespace {

enum Kind : char { FileState = 0, CurrentState = 1, FileData = 2, Card1 = 3, Card2 = 4, Registration = 5 };

QByteArray header(char kind, quint8 status)
{
    QByteArray bytes("*#TACH");
    bytes.append(kind);
    bytes.append(char(status));
    return bytes;
}

void put16(QByteArray &bytes, int offset, quint32 value)
{
    bytes[offset] = char(value & 0xFF);
    bytes[offset + 1] = char((value >> 8) & 0xFF);
}

void put32(QByteArray &bytes, int offset, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = char((value >> (8 * i)) & 0xFF);
}

// A text field padded with spaces (or cut) to its size.
void putText(QByteArray &bytes, int offset, int size, const QByteArray &text)
{
    QByteArray field = text.left(size);
    field.append(QByteArray(size - field.size(), ' '));
    bytes.replace(offset, size, field);
}

quint32 now()
{
    return quint32(QDateTime::currentSecsSinceEpoch());
}

constexpr quint32 kDay = 24 * 3600;

} // namespace

TachographService::TachographService(QObject *parent)
    : TrackerService(parent)
{
}

QList<uint32_t> TachographService::requests() const
{
    return {HostMessages::TachographQuery, HostMessages::TachographCreate, HostMessages::TachographLoad};
}

int32_t TachographService::handleRequest(const PluginMessage &request, SimulatedTracker &tracker)
{
    using namespace HostMessages;
    switch (request.msgId) {
    case TachographQuery: {
        QByteArray answer;
        switch (request.p1.number) {
        case 0: answer = fileState(); break;
        case 1: answer = currentState(); break;
        case 3: answer = card(); break;
        case 4: answer = header(Card2, 1); break; // no card in slot 2
        case 5: answer = registration(); break;
        default: answer = header(FileState, 0x20) + QByteArray(4, '\0'); break;
        }
        tracker.reply(PluginMessage::buffer(TachographQueryAnswer, answer));
        return 1;
    }
    case TachographCreate:
        return onCreate(request.p1.bytes, tracker);
    case TachographLoad:
        tracker.reply(PluginMessage::buffer(TachographLoadAnswer, fileData(request.p1.number)));
        return 1;
    default:
        return 0;
    }
}

void TachographService::trackerDetached(SimulatedTracker &tracker)
{
    Q_UNUSED(tracker);
    // A file being made is lost with the link; a made file stays.
    m_making = false;
    ++m_generation;
}

int32_t TachographService::onCreate(const QByteArray &record, SimulatedTracker &tracker)
{
    if (record.size() < 6)
        return 0;
    m_lastRecord = record;
    m_asked = true;
    const int type = uchar(record[1]);
    const quint32 parameter = quint32(uchar(record[2])) | quint32(uchar(record[3])) << 8
        | quint32(uchar(record[4])) << 16 | quint32(uchar(record[5])) << 24;
    quint8 status = 0x70;
    if (m_createError)
        status = m_createError;
    else if (record[0] != 0 || type > 5)
        status = 0x20;
    else if (m_making)
        status = 0x10;
    else if (type == 1 && parameter == 0)
        status = 0x35;
    else if (type == 5 && ((parameter & 0xFFFFFF00u) != 0xFFFFFF00u || (parameter & 0xFF) < 1 || (parameter & 0xFF) > 2))
        status = 0x35;
    else if (type == 5 && (parameter & 0xFF) == 2)
        status = 0x38;

    if (status == 0x70) {
        m_making = true;
        m_file.clear();
        m_fileName.clear();
        const quint64 generation = ++m_generation;
        QTimer::singleShot(m_creationMs, this, [this, generation, type] {
            if (generation != m_generation)
                return;
            m_making = false;
            m_file = makeFile(type, m_fileSize);
            const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd_hhmm"));
            if (m_hostile)
                m_fileName = QStringLiteral("../..\\evil/..\\<b>%1.DDD").arg(stamp);
            else if (type == 5)
                m_fileName = QStringLiteral("C_%1_IVANOV_RUD0000012345678.DDD").arg(stamp);
            else
                m_fileName = QStringLiteral("M_%1_A123BC77_X7LBA2ABC00012345.DDD").arg(stamp);
        });
    }
    QByteArray answer = header(FileState, status);
    answer.append(QByteArray(4, '\0'));
    tracker.reply(PluginMessage::buffer(HostMessages::TachographCreateAnswer, answer));
    return 1;
}

QByteArray TachographService::fileState() const
{
    if (m_making || m_file.isEmpty()) {
        QByteArray answer = header(FileState, m_making ? 0x70 : 0x32);
        answer.append(QByteArray(4, '\0'));
        return answer;
    }
    QByteArray answer = header(FileState, 0);
    answer.append(QByteArray(4, '\0'));
    put32(answer, 8, quint32(m_file.size()));
    answer.append(m_fileName.toLatin1().left(73));
    return answer;
}

QByteArray TachographService::fileData(qint64 offset) const
{
    if (m_file.isEmpty()) {
        QByteArray answer = header(FileState, 0x32);
        answer.append(QByteArray(4, '\0'));
        return answer;
    }
    QByteArray answer = header(FileData, 0);
    answer.append(QByteArray(8, '\0'));
    if (offset < 0 || offset >= m_file.size()) {
        answer[7] = char(0x35);
        return answer;
    }
    put32(answer, 8, quint32(offset));
    put32(answer, 12, quint32(m_file.size()));
    answer.append(m_file.mid(int(offset), kBlockSize));
    return answer;
}

QByteArray TachographService::currentState() const
{
    QByteArray answer = header(CurrentState, 0);
    answer.append(QByteArray(42 - answer.size(), '\0'));
    put32(answer, 8, now());
    answer[12] = 0;  // operational
    answer[13] = 1;  // security module activated
    answer[14] = 2;  // card 1 authorised
    answer[15] = 0;  // no card in slot 2
    answer[16] = 3;  // driver 1 driving
    answer[17] = 0;  // driver 2 resting
    answer[18] = 1;  // driver card
    answer[19] = 0;
    put32(answer, 20, 123456); // 617.280 km
    put16(answer, 24, 124);    // 24.8 V
    const quint16 minutes[] = {45, 312, 45, 30};
    for (int i = 0; i < 4; ++i)
        put16(answer, 26 + 2 * i, minutes[i]);
    return answer;
}

QByteArray TachographService::card() const
{
    QByteArray answer = header(Card1, 0);
    answer.append(QByteArray(180 - answer.size(), '\0'));
    answer[8] = 2; // authorised
    answer[9] = 1; // driver card
    put16(answer, 10, 643);
    putText(answer, 12, 16, "RUD0000012345678");
    put32(answer, 28, now() + 730 * kDay);
    // Strings 1 and 2 in ISO/IEC 8859-5 (code page 5): the driver's
    // surname and first names; 3 and 4 in ISO/IEC 8859-1.
    const char codePages[4] = {5, 5, 1, 1};
    for (int i = 0; i < 4; ++i)
        answer[32 + i] = codePages[i];
    putText(answer, 36, 36, "\xB8\xB2\xB0\xBD\xBE\xB2"); // ИВАНОВ
    putText(answer, 72, 36, "\xB8\xB2\xB0\xBD \xBF\xB5\xC2\xC0\xBE\xB2\xB8\xC7"); // ИВАН ПЕТРОВИЧ
    putText(answer, 108, 36, m_hostile ? QByteArray("<b>Fleet</b> & <script>x</script>") : QByteArray("Fleet Depot"));
    putText(answer, 144, 36, "Moscow");
    return answer;
}

QByteArray TachographService::registration() const
{
    QByteArray answer = header(Registration, 0);
    answer.append(QByteArray(86 - answer.size(), '\0'));
    putText(answer, 8, 8, "R2.07");
    putText(answer, 16, 17, m_hostile ? QByteArray("<img src=x>&amp;") : QByteArray("X7LBA2ABC00012345"));
    put16(answer, 33, 643);
    answer[35] = 1;
    putText(answer, 36, 13, "A123BC77");
    answer[49] = char(90);
    put32(answer, 50, now() + 300 * kDay);
    put32(answer, 54, now() - 400 * kDay);
    put32(answer, 58, now() + 800 * kDay);
    putText(answer, 62, 8, "SM001234");
    putText(answer, 70, 16, "RU.TACH.0001234");
    return answer;
}

QByteArray TachographService::makeFile(int type, int size)
{
    // A download file's first bytes name its kind (0x76 and the type);
    // the rest is data that changes from byte to byte.
    QByteArray file(size, '\0');
    quint32 x = 0x4810u + quint32(type);
    for (int i = 0; i < size; ++i) {
        x = x * 1103515245u + 12345u;
        file[i] = char((x >> 16) & 0xFF);
    }
    if (size >= 2) {
        file[0] = char(0x76);
        file[1] = char(type);
    }
    return file;
}
