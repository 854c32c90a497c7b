// Files that must not be taken: open gives no handle, says why, and leaves
// the file as it was; saves that fail leave the previous file whole.
#include "tests/support/testfiles.h"
#include "xml/cserialize.h"
#include "xml/cxmlelement.h"
#include "xml/cxmlwriter.h"
#include "xml/xmllimits.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray nested(int depth)
{
    QByteArray s;
    s.reserve(depth * 7);
    for (int i = 0; i < depth; ++i)
        s += "<a>";
    for (int i = 0; i < depth; ++i)
        s += "</a>";
    return s;
}

QByteArray billionLaughs()
{
    QByteArray s = "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n<!ENTITY lol \"lol\">\n";
    QByteArray prev = "lol";
    for (int i = 1; i <= 9; ++i) {
        const QByteArray name = "lol" + QByteArray::number(i);
        QByteArray v;
        for (int k = 0; k < 10; ++k)
            v += "&" + prev + ";";
        s += "<!ENTITY " + name + " \"" + v + "\">\n";
        prev = name;
    }
    return s + "]>\n<lolz>&lol9;</lolz>\n";
}

// A chain of elements that deep, the root counting as 1.
std::unique_ptr<CXmlElement> chain(int depth)
{
    auto root = std::make_unique<CXmlElement>(QStringLiteral("a"));
    CXmlElement *e = root.get();
    for (int i = 1; i < depth; ++i)
        e = e->addChild(QStringLiteral("a"), QString(), CXmlElement::Add);
    e->setValueAndKind(QStringLiteral("leaf"), CXmlElement::TextElement);
    return root;
}

} // namespace

class TstXmlHostile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void refused_data();
    void refused();
    void oversizedInput();
    void depthLimitIsTheSameBothWays();
    void writerRefusesDeepTreesWithoutRecursion();
    void writerRefusesWhatCannotBeWritten_data();
    void writerRefusesWhatCannotBeWritten();
    void failedWriteLeavesPreviousFile();
    void mutatedFilesReadOrRefuse();

private:
    QTemporaryDir m_dir;
};

void TstXmlHostile::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TstXmlHostile::refused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason"); // part of errorText

    QTest::newRow("malformed") << QByteArray("<R><A></R>") << QStringLiteral("line 1");
    QTest::newRow("truncated") << QByteArray("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<R>\n\t<A>1</A>\n")
                               << QStringLiteral("line");
    QTest::newRow("declaration only") << QByteArray("<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n")
                                      << QStringLiteral("line");
    QTest::newRow("white space only") << QByteArray(" \n\t\n") << QStringLiteral("line");
    QTest::newRow("two roots") << QByteArray("<a/><b/>") << QStringLiteral("line");
    QTest::newRow("text outside the root") << QByteArray("<a/>junk") << QStringLiteral("line");

    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char((i * 7919) & 0xFF));
    QTest::newRow("binary with NUL") << binary << QStringLiteral("NUL");
    QTest::newRow("binary without NUL") << QByteArray(4096, '\xC8') << QStringLiteral("line");
    QTest::newRow("NUL inside a value") << QByteArray("<R>a\0b</R>", 10) << QStringLiteral("NUL");

    QTest::newRow("declared UTF-8, bytes of the code page")
        << QByteArray("<?xml version=\"1.0\" encoding=\"utf-8\"?><R>\xCF\xF0\xE8</R>") << QStringLiteral("UTF-8");
    QTest::newRow("unknown encoding")
        << QByteArray("<?xml version=\"1.0\" encoding=\"koi8-r\"?><R/>") << QStringLiteral("koi8-r");
    QTest::newRow("declared ASCII, high bytes")
        << QByteArray("<?xml version=\"1.0\" encoding=\"US-ASCII\"?><R>\xE9</R>") << QStringLiteral("ASCII");
    QTest::newRow("odd UTF-16") << QByteArray("\xFF\xFE<\0R\0/\0>\0!", 11) << QStringLiteral("UTF-16");

    QTest::newRow("billion laughs") << billionLaughs() << QStringLiteral("entit");
    QTest::newRow("one internal entity")
        << QByteArray("<!DOCTYPE R [<!ENTITY e \"E\">]><R>&e;</R>") << QStringLiteral("entit");
    QTest::newRow("external entity")
        << QByteArray("<!DOCTYPE R [<!ENTITY e SYSTEM \"file:///etc/passwd\">]><R>&e;</R>")
        << QStringLiteral("entit");
    QTest::newRow("parameter entity")
        << QByteArray("<!DOCTYPE R [<!ENTITY % p \"x\">]><R/>") << QStringLiteral("entit");
    QTest::newRow("undeclared entity") << QByteArray("<R>a&foo;b</R>") << QStringLiteral("undeclared");

    QTest::newRow("deep nesting") << nested(100000) << QStringLiteral("deeper");
    QTest::newRow("one level too deep") << nested(XmlLimits::MaxDepth + 1) << QStringLiteral("deeper");
    QTest::newRow("name of 8 MB") << QByteArray("<R><" + QByteArray(8 << 20, 'n') + "/></R>")
                                  << QStringLiteral("name of");
    QTest::newRow("attribute name of 1 MB")
        << QByteArray("<R " + QByteArray(1 << 20, 'n') + "=\"1\"/>") << QStringLiteral("name of");
}

void TstXmlHostile::refused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);

    const QString path = m_dir.filePath(QStringLiteral("hostile.xml"));
    QVERIFY(TestFiles::write(path, bytes));
    const QDateTime modified = QFileInfo(path).lastModified();

    CSerialize doc;
    QVERIFY(!doc.open(path));
    QVERIFY2(doc.errorText().contains(reason), qPrintable(doc.errorText()));
    QVERIFY(!doc.root());
    // A close that asks to save writes nothing: the document was discarded.
    QVERIFY(!doc.close(true));
    QCOMPARE(TestFiles::read(path), bytes);
    QCOMPARE(QFileInfo(path).lastModified(), modified);

    CSerialize fromBuffer;
    QVERIFY(!fromBuffer.openBuffer(bytes));
    QVERIFY2(fromBuffer.errorText().contains(reason), qPrintable(fromBuffer.errorText()));
}

void TstXmlHostile::oversizedInput()
{
    const QString path = m_dir.filePath(QStringLiteral("large.xml"));
    const QByteArray bytes = "<R>" + QByteArray(2000, 'x') + "</R>";
    QVERIFY(TestFiles::write(path, bytes));
    CSerialize doc;
    doc.setMaxInputSize(1000);
    QVERIFY(!doc.open(path));
    QVERIFY2(doc.errorText().contains(QStringLiteral("bytes")), qPrintable(doc.errorText()));
    QVERIFY(!doc.openBuffer(bytes));
    doc.setMaxInputSize(4000);
    QVERIFY(doc.open(path));
}

void TstXmlHostile::depthLimitIsTheSameBothWays()
{
    // The deepest tree the reader takes is written, and read back.
    auto deepest = chain(XmlLimits::MaxDepth);
    QString error;
    const QByteArray bytes = CXmlWriter::toByteArray(deepest.get(), &error);
    QVERIFY2(!bytes.isEmpty(), qPrintable(error));
    CSerialize doc;
    QVERIFY2(doc.openBuffer(bytes), qPrintable(doc.errorText()));
    QCOMPARE(doc.root()->depth(), XmlLimits::MaxDepth);
    // One more level is refused by the writer as by the reader.
    auto tooDeep = chain(XmlLimits::MaxDepth + 1);
    QVERIFY(CXmlWriter::toByteArray(tooDeep.get(), &error).isEmpty());
    QVERIFY(error.contains(QStringLiteral("deeper")));
}

void TstXmlHostile::writerRefusesDeepTreesWithoutRecursion()
{
    const QString path = m_dir.filePath(QStringLiteral("deep.xml"));
    const QByteArray previous = "<R>\n\t<K>1</K>\n</R>\n";
    QVERIFY(TestFiles::write(path, previous));
    CSerialize doc;
    auto root = doc.open(path);
    QVERIFY(root);
    // A million levels: writing, depth, clone, comparison and deletion all
    // walk the tree without recursion.
    CXmlElement *e = doc.root();
    for (int i = 0; i < 1000000; ++i)
        e = e->addChild(QStringLiteral("a"), QString(), CXmlElement::Add);
    QCOMPARE(doc.root()->depth(), 1000001);
    auto copy = doc.root()->clone();
    QVERIFY(copy->equals(*doc.root()));
    copy.reset();
    QVERIFY(!doc.close(std::move(root), true));
    QVERIFY(doc.errorText().contains(QStringLiteral("deeper")));
    QCOMPARE(TestFiles::read(path), previous);
}

void TstXmlHostile::writerRefusesWhatCannotBeWritten_data()
{
    QTest::addColumn<QString>("elementName");
    QTest::addColumn<QString>("attributeName");
    QTest::addColumn<QString>("reason");
    QTest::newRow("element without a name") << QString() << QStringLiteral("a") << QStringLiteral("without a name");
    QTest::newRow("attribute name with a space") << QStringLiteral("S") << QStringLiteral("a b")
                                                 << QStringLiteral("attribute name");
    QTest::newRow("attribute name outside the code page")
        << QStringLiteral("S") << QStringLiteral("a\u4E2D") << QStringLiteral("attribute name");
    QTest::newRow("element name too long")
        << QString(XmlLimits::MaxNameLength + 1, u'n') << QStringLiteral("a") << QStringLiteral("longer");
}

void TstXmlHostile::writerRefusesWhatCannotBeWritten()
{
    QFETCH(QString, elementName);
    QFETCH(QString, attributeName);
    QFETCH(QString, reason);
    const QString path = m_dir.filePath(QStringLiteral("names.xml"));
    const QByteArray previous = "<R>\n\t<K>1</K>\n</R>\n";
    QVERIFY(TestFiles::write(path, previous));
    CSerialize doc;
    auto root = doc.open(path);
    QVERIFY(root);
    CXmlElement *s = doc.root()->addChild(elementName, QString(), CXmlElement::AddSection);
    s->addAttribute(attributeName, QStringLiteral("1"));
    QVERIFY(!doc.save());
    QVERIFY2(doc.errorText().contains(reason), qPrintable(doc.errorText()));
    QCOMPARE(TestFiles::read(path), previous);
}

void TstXmlHostile::failedWriteLeavesPreviousFile()
{
    // The save runs in a child process whose file-size limit stops the write
    // half-way (as a full disk would); the file must stay as it was.
    const QString path = m_dir.filePath(QStringLiteral("settings.xml"));
    const QByteArray previous = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<DEVICE>\n\t<K>1</K>\n</DEVICE>\n";
    QVERIFY(TestFiles::write(path, previous));

    fflush(nullptr);
    const pid_t pid = fork();
    QVERIFY(pid >= 0);
    if (pid == 0) {
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        CSerialize doc;
        auto root = doc.open(path);
        if (!root)
            _exit(2);
        for (int i = 0; i < 2000; ++i)
            root->addValue(QStringLiteral("K%1").arg(i), i);
        const bool saved = doc.close(std::move(root), true);
        _exit(saved ? 1 : (doc.errorText().contains(QStringLiteral("writing")) ? 0 : 3));
    }
    int status = 0;
    QCOMPARE(waitpid(pid, &status, 0), pid);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(TestFiles::read(path), previous);
    // No temporary file is left beside it.
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("settings")),
             QStringList{QStringLiteral("settings.xml")});
}

void TstXmlHostile::mutatedFilesReadOrRefuse()
{
    // Damaged copies of a settings file: each is read or refused with a
    // reason, and whatever is read is written into a file that reads back
    // into the same tree.
    const QByteArray base =
        "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<DEVICE model=\"K-4810\" version=\"2.7\">\n"
        "\t<TRACK page=\"TRACK\">\n\t\t<GPSmaxHDOP>2.5</GPSmaxHDOP>\n\t\t<GPSmaxEx minSats=\"4\" speed=\"200\"/>\n"
        "\t\t<a_32_b>x&lt;y &amp; \xCF\xF0\xE8</a_32_b>\n\t\t<E />\n\t</TRACK>\n</DEVICE>\n";
    const char alphabet[] = "<>/=\"'&;!?-[]_ \n\tax0\xCF\x00";
    QRandomGenerator rng(4810);
    int read = 0;
    for (int i = 0; i < 3000; ++i) {
        QByteArray bytes = base;
        const int edits = 1 + int(rng.bounded(4));
        for (int e = 0; e < edits && !bytes.isEmpty(); ++e) {
            const int pos = int(rng.bounded(int(bytes.size())));
            switch (rng.bounded(4)) {
            case 0: bytes[pos] = alphabet[rng.bounded(int(sizeof(alphabet) - 1))]; break;
            case 1: bytes.insert(pos, alphabet[rng.bounded(int(sizeof(alphabet) - 1))]); break;
            case 2: bytes.remove(pos, 1 + int(rng.bounded(8))); break;
            default: bytes.truncate(pos); break;
            }
        }
        CSerialize doc;
        if (!doc.openBuffer(bytes)) {
            QVERIFY(!doc.errorText().isEmpty());
            continue;
        }
        ++read;
        QString error;
        const QByteArray written = doc.toByteArray(&error);
        if (!doc.root()) {
            QVERIFY(written.isEmpty());
            continue;
        }
        QVERIFY2(!written.isEmpty(), qPrintable(error));
        CSerialize again;
        QVERIFY2(again.openBuffer(written), qPrintable(again.errorText() + QStringLiteral("\n")
                                                       + QString::fromLatin1(written)));
        QCOMPARE(again.toByteArray(), written);
    }
    QVERIFY(read > 100);
}

QTEST_GUILESS_MAIN(TstXmlHostile)
#include "tst_xmlhostile.moc"
