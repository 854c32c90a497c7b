// Writing and reading the key file block by block: each answer of the
// tracker and what follows it (the next request, or the exact error text),
// the limits, detach, the temporary files.

#include "accessories/tmkeyfile.h"
#include "accessories/tmkeyfileread.h"
#include "accessories/tmkeyfilewrite.h"
#include "tests/support/keytexts.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Result = TmKeyTransfer::Result;

namespace {

struct Request
{
    uint32_t msgId;
    QByteArray bytes;
    intptr_t p2;
};

QByteArray le16(int value)
{
    QByteArray b(2, '\0');
    b[0] = char(value & 0xFF);
    b[1] = char((value >> 8) & 0xFF);
    return b;
}

// A key file of `size` bytes whose length field says `lengthField`.
QByteArray sampleFile(int size, int lengthField)
{
    QByteArray file(size, '\0');
    for (int i = 0; i < size; ++i)
        file[i] = char((i * 7 + 3) & 0xFF);
    if (size >= 6) {
        file[4] = char(lengthField & 0xFF);
        file[5] = char((lengthField >> 8) & 0xFF);
    }
    return file;
}

} // namespace

class tst_TmKeyTransfer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void writeAnswers_data();
    void writeAnswers();
    void readAnswers_data();
    void readAnswers();
    void withoutAnswerTheLimitEndsIt_data();
    void withoutAnswerTheLimitEndsIt();
    void detachEndsIt();
    void unwritableTemporaryFileStopsBeforeSending_data();
    void unwritableTemporaryFileStopsBeforeSending();
    void answersInsideSendDoNotNest();

private:
    TrackerSend sender();
    QString requestsText() const;
    QStringList tempFiles() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QList<Request> m_requests;
    int m_depth = 0;
    int m_maxDepth = 0;
    std::function<void(const Request &)> m_answerInside;
};

void tst_TmKeyTransfer::initTestCase()
{
    KeyTexts::installEnglish();
}

void tst_TmKeyTransfer::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_requests.clear();
    m_depth = m_maxDepth = 0;
    m_answerInside = nullptr;
}

TrackerSend tst_TmKeyTransfer::sender()
{
    return [this](uint32_t msgId, intptr_t p1, intptr_t p2) {
        ++m_depth;
        m_maxDepth = qMax(m_maxDepth, m_depth);
        Request r{msgId, p1 ? QByteArray(reinterpret_cast<const char *>(p1), int(p2)) : QByteArray(), p2};
        if (msgId == TmKeyFileRead::RequestMessage)
            QCOMPARE(p2, intptr_t(2));
        m_requests << r;
        if (m_answerInside)
            m_answerInside(r);
        --m_depth;
    };
}

// "b<n>" for a block of a write (2113), "sw" for 2117, "r<n>" for a read (2115).
QString tst_TmKeyTransfer::requestsText() const
{
    QStringList parts;
    for (const Request &r : m_requests) {
        const int block = r.bytes.size() >= 2 ? int(uchar(r.bytes[0]) | uchar(r.bytes[1]) << 8) : -1;
        switch (r.msgId) {
        case TmKeyFileWrite::BlockMessage: parts << QStringLiteral("b%1").arg(block); break;
        case TmKeyFileWrite::SwitchMessage: parts << QStringLiteral("sw"); break;
        case TmKeyFileRead::RequestMessage: parts << QStringLiteral("r%1").arg(block); break;
        default: parts << QString::number(r.msgId); break;
        }
    }
    return parts.join(QLatin1Char(' '));
}

QStringList tst_TmKeyTransfer::tempFiles() const
{
    return QDir(m_dir->path()).entryList(QDir::Files);
}

void tst_TmKeyTransfer::writeAnswers_data()
{
    // Answers: w<c> a 2114 with status c, s<c> a 2114 of 7 bytes, c<c> a
    // 2118 with status c, C<c> a 2118 of 5 bytes.
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("requests");
    QTest::addColumn<int>("result"); // -1 still running
    QTest::addColumn<QString>("message");

    const QString blocks = QStringLiteral("b0 b1 b2 b3 b4 b5 b6 b7");
    QTest::newRow("eight blocks, change, done") << "w1 w1 w1 w1 w1 w1 w1 w1 c1" << blocks + " sw" << int(Result::Done)
                                               << "";
    QTest::newRow("error 2 on block 0") << "w2" << "b0" << int(Result::TrackerError) << "Error (Write file): 0x32";
    QTest::newRow("error 5 on block 3") << "w1 w1 w1 w5" << "b0 b1 b2 b3" << int(Result::TrackerError)
                                        << "Error (Write file): 0x35";
    QTest::newRow("unknown status") << "w1 w9" << "b0 b1" << int(Result::TrackerError)
                                    << "Unknow Error (Write file): 57";
    QTest::newRow("change refused") << "w1 w1 w1 w1 w1 w1 w1 w1 c3" << blocks + " sw" << int(Result::TrackerError)
                                    << "Error (Change file): 0x33";
    QTest::newRow("change, unknown status") << "w1 w1 w1 w1 w1 w1 w1 w1 cx" << blocks + " sw"
                                            << int(Result::TrackerError) << "Unknow Error (Change file): 120";
    QTest::newRow("short acknowledgement ignored") << "s1 s2" << "b0" << -1 << "";
    QTest::newRow("short change answer ignored") << "w1 w1 w1 w1 w1 w1 w1 w1 C1" << blocks + " sw" << -1 << "";
    QTest::newRow("change answer before the last block ignored") << "w1 c1" << "b0 b1" << -1 << "";
}

void tst_TmKeyTransfer::writeAnswers()
{
    QFETCH(QString, answers);
    QFETCH(QString, requests);
    QFETCH(int, result);
    QFETCH(QString, message);

    TmKeyFileWrite write(sender(), m_dir->path(), 60000);
    QSignalSpy finished(&write, &TmKeyTransfer::finished);
    const QByteArray file = TmKeyFile::write({{0xABCDEF1, 1}});
    QVERIFY(write.start(file));
    QCOMPARE(tempFiles().size(), 1);
    QVERIFY(tempFiles().first().startsWith(QLatin1String("tmkeyw(")));
    QCOMPARE(write.blockCount(), 8);

    for (const QString &a : answers.split(QLatin1Char(' '))) {
        const char status = a.at(1).toLatin1();
        QByteArray answer;
        uint32_t msgId = TmKeyFileWrite::BlockAnswer;
        if (a.at(0) == QLatin1Char('w'))
            answer = "*#TMW" + le16(write.block()) + status;
        else if (a.at(0) == QLatin1Char('s'))
            answer = "*#TM" + le16(write.block()) + status;
        else if (a.at(0) == QLatin1Char('c'))
            answer = QByteArray("*#TMC") + status;
        else
            answer = QByteArray("*#TM") + status;
        if (a.at(0).toLower() == QLatin1Char('c'))
            msgId = TmKeyFileWrite::SwitchAnswer;
        write.receiveAnswer(msgId, reinterpret_cast<const uchar *>(answer.constData()), int(answer.size()));
    }
    QCOMPARE(requestsText(), requests);
    // Block n carries its number and the file's bytes from 512 * n.
    for (const Request &r : m_requests) {
        if (r.msgId != TmKeyFileWrite::BlockMessage)
            continue;
        QCOMPARE(r.p2, intptr_t(r.bytes.size()));
        const int block = int(uchar(r.bytes[0]) | uchar(r.bytes[1]) << 8);
        QCOMPARE(r.bytes.mid(2), file.mid(512 * block, 512));
    }
    if (m_requests.size() > 8)
        QCOMPARE(m_requests[8].p2, intptr_t(0));
    if (result < 0) {
        QVERIFY(write.isRunning());
        QVERIFY(finished.isEmpty());
        return;
    }
    QVERIFY(!write.isRunning());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(int(finished.first().at(0).value<Result>()), result);
    QCOMPARE(finished.first().at(1).toString(), message);
    QVERIFY(tempFiles().isEmpty());
}

void tst_TmKeyTransfer::readAnswers_data()
{
    // Answers: b (the block asked for, 512 bytes), b<n> (n bytes), other
    // (the next block's number), empty (no data), e<c> (status c), short
    // (7 bytes).
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<QString>("requests");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("bytes"); // of the file read, when Done

    const QByteArray whole = TmKeyFile::write({{0x1, 0}, {0x2, 1}, {0x3, 2}});
    QTest::newRow("4096 bytes in 8 blocks") << whole << "b b b b b b b b" << "r0 r1 r2 r3 r4 r5 r6 r7"
                                            << int(Result::Done) << "" << 4096;
    QString hundreds;
    QString asked;
    for (int i = 0; i < 41; ++i) {
        hundreds += QStringLiteral("b100 ");
        asked += QStringLiteral("r%1 ").arg(i);
    }
    QTest::newRow("blocks of 100 bytes") << whole << hundreds.trimmed() << asked.trimmed() << int(Result::Done) << ""
                                         << 4096;
    QTest::newRow("another block than the one asked for is ignored")
        << sampleFile(1024, 1024) << "b other b" << "r0 r1" << int(Result::Done) << "" << 1024;
    QTest::newRow("length field above 4096: capped") << sampleFile(5000, 9000) << "b b b b b b b b"
                                                     << "r0 r1 r2 r3 r4 r5 r6 r7" << int(Result::Done) << "" << 4096;
    QTest::newRow("data past the length dropped") << sampleFile(1024, 600) << "b b" << "r0 r1" << int(Result::Done)
                                                  << "" << 600;
    QTest::newRow("length field zero: an empty file") << sampleFile(512, 0) << "b" << "r0" << int(Result::Done) << ""
                                                      << 0;
    QTest::newRow("first block too short for the length") << whole << "b5" << "r0" << int(Result::BadAnswer)
                                                           << TmKeyFileRead::shortBlockText() << 0;
    QTest::newRow("block without data") << whole << "b empty" << "r0 r1" << int(Result::BadAnswer)
                                        << TmKeyFileRead::emptyBlockText() << 0;
    QTest::newRow("error 2 on block 0") << whole << "e2" << "r0" << int(Result::TrackerError)
                                        << "Error (Read file): 0x32" << 0;
    QTest::newRow("error 4 on block 3") << whole << "b b b e4" << "r0 r1 r2 r3" << int(Result::TrackerError)
                                        << "Error (Read file): 0x34" << 0;
    QTest::newRow("unknown status") << whole << "e7" << "r0" << int(Result::TrackerError)
                                    << "Unknow Error (Read file): 55" << 0;
    QTest::newRow("short answer ignored") << whole << "short" << "r0" << -1 << "" << 0;
}

void tst_TmKeyTransfer::readAnswers()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, answers);
    QFETCH(QString, requests);
    QFETCH(int, result);
    QFETCH(QString, message);
    QFETCH(int, bytes);

    TmKeyFileRead read(sender(), m_dir->path(), 60000);
    QSignalSpy finished(&read, &TmKeyTransfer::finished);
    QVERIFY(read.start());
    QCOMPARE(tempFiles().size(), 1);
    QVERIFY(tempFiles().first().startsWith(QLatin1String("tmkeyr(")));
    int offset = 0;
    for (const QString &a : answers.split(QLatin1Char(' '))) {
        QByteArray answer;
        const int block = read.block();
        if (a == QLatin1String("other")) {
            answer = "*#TMR" + le16(block + 1) + '1' + stored.mid(offset, 512);
        } else if (a == QLatin1String("empty")) {
            answer = "*#TMR" + le16(block) + '1';
        } else if (a == QLatin1String("short")) {
            answer = "*#TM" + le16(block) + '1';
        } else if (a.startsWith(QLatin1Char('e'))) {
            answer = "*#TMR" + le16(block) + a.at(1).toLatin1();
        } else {
            const int size = a.size() > 1 ? a.mid(1).toInt() : 512;
            answer = "*#TMR" + le16(block) + '1' + stored.mid(offset, size);
            offset += size;
        }
        read.receiveAnswer(reinterpret_cast<const uchar *>(answer.constData()), int(answer.size()));
    }
    QCOMPARE(requestsText(), requests);
    if (result < 0) {
        QVERIFY(read.isRunning());
        QCOMPARE(tempFiles().size(), 1);
        return;
    }
    QCOMPARE(finished.count(), 1);
    QCOMPARE(int(finished.first().at(0).value<Result>()), result);
    QCOMPARE(finished.first().at(1).toString(), message);
    QVERIFY(tempFiles().isEmpty());
    if (result == int(Result::Done))
        QCOMPARE(read.data(), stored.left(bytes));
}

void tst_TmKeyTransfer::withoutAnswerTheLimitEndsIt_data()
{
    QTest::addColumn<bool>("reading");
    QTest::newRow("write") << false;
    QTest::newRow("read") << true;
}

void tst_TmKeyTransfer::withoutAnswerTheLimitEndsIt()
{
    QFETCH(bool, reading);
    TmKeyFileWrite write(sender(), m_dir->path(), 50);
    TmKeyFileRead read(sender(), m_dir->path(), 50);
    TmKeyTransfer &transfer = reading ? static_cast<TmKeyTransfer &>(read) : write;
    QSignalSpy finished(&transfer, &TmKeyTransfer::finished);
    QVERIFY(reading ? read.start() : write.start(TmKeyFile::write({})));
    QVERIFY(finished.wait(2000));
    QCOMPARE(finished.first().at(0).value<Result>(), Result::TimedOut);
    QCOMPARE(finished.first().at(1).toString(), TmKeyTransfer::timeoutText());
    QVERIFY(tempFiles().isEmpty());
    QCOMPARE(m_requests.size(), 1);
}

void tst_TmKeyTransfer::detachEndsIt()
{
    TmKeyFileRead read(sender(), m_dir->path(), 60000);
    QSignalSpy finished(&read, &TmKeyTransfer::finished);
    QVERIFY(read.start());
    const QByteArray block = "*#TMR" + le16(0) + '1' + TmKeyFile::write({}).left(512);
    QVERIFY(read.receiveAnswer(reinterpret_cast<const uchar *>(block.constData()), int(block.size())));
    read.detach();
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.first().at(0).value<Result>(), Result::Detached);
    QVERIFY(tempFiles().isEmpty());
    // The answer to the request in flight comes too late.
    const QByteArray late = "*#TMR" + le16(1) + '1' + QByteArray(512, 'x');
    QVERIFY(!read.receiveAnswer(reinterpret_cast<const uchar *>(late.constData()), int(late.size())));
    QCOMPARE(finished.count(), 1);
}

void tst_TmKeyTransfer::unwritableTemporaryFileStopsBeforeSending_data()
{
    QTest::addColumn<bool>("reading");
    QTest::newRow("write") << false;
    QTest::newRow("read") << true;
}

void tst_TmKeyTransfer::unwritableTemporaryFileStopsBeforeSending()
{
    QFETCH(bool, reading);
    // The temporary directory is a file: nothing can be made in it.
    const QString blocker = m_dir->filePath(QStringLiteral("blocker"));
    QFile f(blocker);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    const QString tempDir = blocker + QStringLiteral("/temp");
    TmKeyFileWrite write(sender(), tempDir);
    TmKeyFileRead read(sender(), tempDir);
    QString error;
    QVERIFY(!(reading ? read.start(&error) : write.start(TmKeyFile::write({}), &error)));
    QVERIFY2(error.contains(QDir::toNativeSeparators(tempDir)), qPrintable(error));
    QVERIFY(m_requests.isEmpty());
    QVERIFY(!write.isRunning() && !read.isRunning());
}

void tst_TmKeyTransfer::answersInsideSendDoNotNest()
{
    // A tracker that answers every request from inside the send.
    const QByteArray stored = TmKeyFile::write({{0xBEEF, 3}});
    QByteArray received;
    TmKeyFileRead read(sender(), m_dir->path(), 60000);
    TmKeyFileWrite write(sender(), m_dir->path(), 60000);
    m_answerInside = [&](const Request &r) {
        if (r.msgId == TmKeyFileRead::RequestMessage) {
            const int block = int(uchar(r.bytes[0]) | uchar(r.bytes[1]) << 8);
            const QByteArray a = "*#TMR" + r.bytes + '1' + stored.mid(512 * block, 512);
            read.receiveAnswer(reinterpret_cast<const uchar *>(a.constData()), int(a.size()));
        } else if (r.msgId == TmKeyFileWrite::BlockMessage) {
            received += r.bytes.mid(2);
            const QByteArray a = "*#TMW" + r.bytes.left(2) + '1';
            write.receiveAnswer(TmKeyFileWrite::BlockAnswer, reinterpret_cast<const uchar *>(a.constData()),
                                int(a.size()));
        } else if (r.msgId == TmKeyFileWrite::SwitchMessage) {
            const QByteArray a("*#TMC1");
            write.receiveAnswer(TmKeyFileWrite::SwitchAnswer, reinterpret_cast<const uchar *>(a.constData()),
                                int(a.size()));
        }
    };
    QSignalSpy readDone(&read, &TmKeyTransfer::finished);
    QVERIFY(read.start());
    QCOMPARE(readDone.count(), 1);
    QCOMPARE(readDone.first().at(0).value<Result>(), Result::Done);
    QCOMPARE(read.data(), stored);
    QCOMPARE(m_requests.size(), 8);
    QCOMPARE(m_maxDepth, 1);

    QSignalSpy writeDone(&write, &TmKeyTransfer::finished);
    QVERIFY(write.start(stored));
    QCOMPARE(writeDone.count(), 1);
    QCOMPARE(writeDone.first().at(0).value<Result>(), Result::Done);
    QCOMPARE(received, stored);
    QCOMPARE(m_maxDepth, 1);
    QVERIFY(tempFiles().isEmpty());
}

QTEST_GUILESS_MAIN(tst_TmKeyTransfer)
#include "tst_tmkeytransfer.moc"
