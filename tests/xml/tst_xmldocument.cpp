// The document tree, its reader and its writer, and CSerialize's files.
#include "core/codepage.h"
#include "tests/support/testfiles.h"
#include "tests/xml/xmllint.h"
#include "tests/xml/xmltreedump.h"
#include "xml/cserialize.h"
#include "xml/cxmlelement.h"
#include "xml/cxmlwriter.h"
#include "xml/xmlnames.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QByteArray kDecl = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n";

QByteArray cp(const QString &s)
{
    return CodePage::fromUnicode(s);
}

// Reads bytes through CSerialize; the dump of the tree or "error: ...".
QString readDump(const QByteArray &bytes)
{
    CSerialize doc;
    auto h = doc.openBuffer(bytes);
    if (!h)
        return QStringLiteral("error: ") + doc.errorText();
    return dumpTree(doc.root());
}

QByteArray rewrite(const QByteArray &bytes)
{
    CSerialize doc;
    auto h = doc.openBuffer(bytes);
    if (!h)
        return "error: " + doc.errorText().toUtf8();
    return doc.toByteArray();
}

// dumpTree with the attributes in the writer's order (by name).
QString dumpSorted(const CXmlElement *e)
{
    QString s = e->name() + QLatin1Char('(') + QString::number(e->kind()) + QLatin1Char(')');
    if (!e->value().isEmpty())
        s += QLatin1Char('=') + e->value();
    QStringList a;
    for (const CXmlElement *x : e->attributes())
        a << x->name() + QLatin1Char('=') + x->value();
    std::sort(a.begin(), a.end());
    if (!a.isEmpty())
        s += QLatin1Char('[') + a.join(QLatin1Char(',')) + QLatin1Char(']');
    QStringList c;
    for (const CXmlElement *x : e->children())
        c << dumpSorted(x);
    if (!c.isEmpty())
        s += QLatin1Char('{') + c.join(QLatin1Char(',')) + QLatin1Char('}');
    return s;
}

// The tree as xmllint's read-back shows it: no kinds, attributes sorted and
// by the writer's map (last of equal names), children of kind 3 not written.
QString lintView(const CXmlElement *e)
{
    QString s = e->name();
    if (!e->value().isEmpty())
        s += QLatin1Char('=') + e->value();
    QMap<QString, QString> attrs;
    for (const CXmlElement *a : e->attributes())
        attrs.insert(a->name(), a->value());
    if (!attrs.isEmpty()) {
        QStringList l;
        for (auto it = attrs.cbegin(); it != attrs.cend(); ++it)
            l << it.key() + QLatin1Char('=') + it.value();
        std::sort(l.begin(), l.end());
        s += QLatin1Char('[') + l.join(QLatin1Char(',')) + QLatin1Char(']');
    }
    if (e->childCount()) {
        QStringList c;
        for (const CXmlElement *x : e->children())
            c << lintView(x);
        s += QLatin1Char('{') + c.join(QLatin1Char(',')) + QLatin1Char('}');
    }
    return s;
}

// ---------------------------------------------------------------- generated trees

class TreeGenerator
{
public:
    explicit TreeGenerator(quint32 seed) : m_rng(seed) {}

    // A tree in the form the reader gives back, except that kind-3 elements
    // are made too (see expected()).
    std::unique_ptr<CXmlElement> tree()
    {
        auto root = std::make_unique<CXmlElement>(name(), QString(), CXmlElement::Element);
        addAttributes(root.get());
        if (root->attributeCount())
            root->setKind(CXmlElement::ElementWithAttributes);
        fill(root.get(), 1);
        return root;
    }

    // What reading the written tree gives: a kind-3 element comes back as an
    // element with attributes (kind 1), or as an empty text element.
    static std::unique_ptr<CXmlElement> expected(const CXmlElement *t)
    {
        auto copy = t->clone();
        std::vector<CXmlElement *> stack{copy.get()};
        while (!stack.empty()) {
            CXmlElement *e = stack.back();
            stack.pop_back();
            if (e->kind() == CXmlElement::AttributesOnly)
                e->setKind(e->attributeCount() ? CXmlElement::ElementWithAttributes : CXmlElement::TextElement);
            for (CXmlElement *c : e->children())
                stack.push_back(c);
        }
        return copy;
    }

private:
    int pick(int n) { return int(m_rng.bounded(n)); }

    QString name()
    {
        static const QString pool[] = {
            QStringLiteral("GPSmaxHDOP"), QStringLiteral("on_1"), QStringLiteral("Датчик"),
            QStringLiteral("x"), QStringLiteral("ROAMING_SIM1"), QStringLiteral("a.b"),
        };
        // Every character the name encoding lists, and a few no name may hold.
        static const QString special = QStringLiteral(" &><\"'!:;%`~@#$^*()-+=|\\\u00F7\u00D7,/?[]{}№«»");
        QString n = pool[pick(6)];
        const int extra = pick(4);
        for (int i = 0; i < extra; ++i)
            n.insert(pick(int(n.size()) + 1), special.at(pick(int(special.size()))));
        return n;
    }

    QString text(bool trimmed)
    {
        static const QString pieces[] = {
            QStringLiteral("7"), QStringLiteral("x<y"), QStringLiteral("R&amp;D"), QStringLiteral("a_33_b"),
            QStringLiteral("&nbsp;"), QStringLiteral("Привет, мир"), QStringLiteral("\"q\" 'a'"),
            QStringLiteral("line\nline"), QStringLiteral("tab\there"), QStringLiteral("cr\rlf"),
            QStringLiteral("Ёё№€"), QStringLiteral("> & <"), QStringLiteral(" "),
        };
        QString t;
        const int n = 1 + pick(3);
        for (int i = 0; i < n; ++i)
            t += pieces[pick(13)];
        if (trimmed) {
            t = t.trimmed();
            if (t.isEmpty())
                t = QStringLiteral("v");
        }
        return t;
    }

    void addAttributes(CXmlElement *e)
    {
        static const QString names[] = {QStringLiteral("a"), QStringLiteral("minSats"), QStringLiteral("on_1"),
                                        QStringLiteral("ключ"), QStringLiteral("p:x"), QStringLiteral("z-1")};
        const int n = pick(4);
        for (int i = 0; i < n; ++i) {
            const QString &an = names[pick(6)];
            if (!e->firstAttribute(an))
                e->addAttribute(an, pick(4) ? text(false) : QString());
        }
    }

    void fill(CXmlElement *parent, int depth)
    {
        const int n = depth > 4 ? 0 : pick(5);
        for (int i = 0; i < n; ++i) {
            CXmlElement *c = parent->addChild(name(), QString(), CXmlElement::Add);
            switch (pick(6)) {
            case 0: // text element, maybe with attributes
                c->setValueAndKind(text(true), CXmlElement::TextElement);
                if (pick(2))
                    addAttributes(c);
                break;
            case 1: // empty text element
                c->setKind(CXmlElement::TextElement);
                break;
            case 2: // kind-3 section with attributes
                c->setKind(CXmlElement::AttributesOnly);
                addAttributes(c);
                if (!c->attributeCount())
                    c->addAttribute(QStringLiteral("k"), text(false));
                break;
            case 3: // text element with children
                c->setValueAndKind(text(true), CXmlElement::TextElement);
                fill(c, depth + 1);
                if (!c->childCount())
                    c->addChild(QStringLiteral("leaf"), QString(), CXmlElement::Add)->setKind(CXmlElement::TextElement);
                break;
            default: // element, with or without attributes
                addAttributes(c);
                c->setKind(c->attributeCount() ? CXmlElement::ElementWithAttributes : CXmlElement::Element);
                fill(c, depth + 1);
            }
        }
    }

    QRandomGenerator m_rng;
};

} // namespace

class TstXmlDocument : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void readerKinds_data();
    void readerKinds();
    void readerEncodings_data();
    void readerEncodings();
    void writerLayout_data();
    void writerLayout();

    void addChildFlags();
    void kindThreeElementKeepsChildren();
    void attributesKeepTheLastOfAName();
    void emptyDocumentWritesNothing();
    void removeDeletesSubtree();

    void generatedTreesRoundTrip();

    void missingFileIsCreatedEmpty();
    void closeWithoutSaveLeavesFile();
    void rootOfAnotherName();
    void newDocumentReplacesFileOnlyOnSave();
    void saveUnderMissingFolderFails();

private:
    QTemporaryDir m_dir;
};

void TstXmlDocument::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TstXmlDocument::readerKinds_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("tree");

    QTest::newRow("text trimmed") << QByteArray("<R>\n\t<P>  7  </P>\n</R>") << QStringLiteral("R(0){P(2)=7}");
    QTest::newRow("empty tag") << QByteArray("<R>\n\t<E />\n</R>") << QStringLiteral("R(0){E(2)}");
    QTest::newRow("start and end tag") << QByteArray("<R><E></E></R>") << QStringLiteral("R(0){E(2)}");
    QTest::newRow("white space only") << QByteArray("<R><E>\n\t\t</E></R>") << QStringLiteral("R(0){E(0)}");
    QTest::newRow("attributes") << QByteArray("<R><S a=\"1\" b=\"2\"/></R>")
                                << QStringLiteral("R(0){S(1)[a=1,b=2]}");
    QTest::newRow("attributes and text")
        << QByteArray("<R><S a=\"1\">t</S></R>") << QStringLiteral("R(0){S(2)=t[a=1]}");
    QTest::newRow("repeated siblings")
        << QByteArray("<R><K>1</K><K>2</K></R>") << QStringLiteral("R(0){K(2)=1,K(2)=2}");
    QTest::newRow("compact nesting keeps children")
        << QByteArray("<R><A><P/></A></R>") << QStringLiteral("R(0){A(0){P(2)}}");
    QTest::newRow("text in pieces is one run")
        << QByteArray("<R><K>a<![CDATA[<b>]]>c&amp;d</K></R>") << QStringLiteral("R(0){K(2)=a<b>c&d}");
    QTest::newRow("references resolved once")
        << QByteArray("<R><K>x&lt;y&amp;amp;_33_</K></R>") << QStringLiteral("R(0){K(2)=x<y&amp;_33_}");
    QTest::newRow("attribute references resolved once")
        << QByteArray("<R a=\"R&amp;amp;D &#10;\"/>") << QStringLiteral("R(1)[a=R&amp;D \n]");
    QTest::newRow("encoded name") << QByteArray("<R><a_32_b>1</a_32_b></R>") << QStringLiteral("R(0){a b(2)=1}");
    QTest::newRow("namespace attributes kept")
        << QByteArray("<R xmlns:p=\"u\" p:x=\"1\"/>") << QStringLiteral("R(1)[xmlns:p=u,p:x=1]");
    QTest::newRow("comments and instructions ignored")
        << QByteArray("<?xml version=\"1.0\"?><!-- c --><R><?pi x?><K>1<!-- c --></K></R>")
        << QStringLiteral("R(0){K(2)=1}");
    QTest::newRow("root text") << QByteArray("<R>\n\tv\n</R>") << QStringLiteral("R(2)=v");
}

void TstXmlDocument::readerKinds()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, tree);
    QCOMPARE(readDump(xml), tree);
}

void TstXmlDocument::readerEncodings_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("tree");
    const QString word = QStringLiteral("Привет");
    QTest::newRow("windows-1251") << QByteArray(kDecl + "<R>" + cp(word) + "</R>") << QStringLiteral("R(2)=") + word;
    QTest::newRow("cp1251 alias") << QByteArray("<?xml version='1.0' encoding='CP1251'?><R>" + cp(word) + "</R>")
                                  << QStringLiteral("R(2)=") + word;
    QTest::newRow("utf-8") << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><R>" + word.toUtf8() + "</R>")
                           << QStringLiteral("R(2)=") + word;
    QTest::newRow("no declaration, UTF-8") << QByteArray("<R>" + word.toUtf8() + "</R>") << QStringLiteral("R(2)=") + word;
    QTest::newRow("no declaration, code page") << QByteArray("<R>" + cp(word) + "</R>") << QStringLiteral("R(2)=") + word;
    QTest::newRow("UTF-8 byte-order mark") << QByteArray("\xEF\xBB\xBF<R>" + word.toUtf8() + "</R>")
                                           << QStringLiteral("R(2)=") + word;
    const QString t = QStringLiteral("<R>") + word + QStringLiteral("</R>");
    QByteArray utf16le("\xFF\xFE", 2);
    utf16le += QByteArray(reinterpret_cast<const char *>(t.utf16()), t.size() * 2);
    QTest::newRow("UTF-16 byte-order mark") << utf16le << QStringLiteral("R(2)=") + word;
    // Every byte of the code page reads as its character.
    QByteArray all;
    for (int b = 0x20; b < 0x100; ++b) {
        if (b != '<' && b != '&')
            all.append(char(b));
    }
    QTest::newRow("every byte") << QByteArray(kDecl + "<R>" + all + "</R>")
                                << QStringLiteral("R(2)=") + CodePage::toUnicode(all).trimmed();
}

void TstXmlDocument::readerEncodings()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, tree);
    QCOMPARE(readDump(xml), tree);
}

void TstXmlDocument::writerLayout_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("text element in root")
        << QByteArray("<R><P> 7 </P></R>") << QByteArray(kDecl + "<R>\n\t<P>7</P>\n</R>\n");
    QTest::newRow("empty text element")
        << QByteArray("<R><E/></R>") << QByteArray(kDecl + "<R>\n\t<E />\n</R>\n");
    QTest::newRow("escaped value")
        << QByteArray("<R><P>x&lt;y</P></R>") << QByteArray(kDecl + "<R>\n\t<P>x&lt;y</P>\n</R>\n");
    QTest::newRow("encoded name")
        << QByteArray("<R><a_32_b>1</a_32_b></R>") << QByteArray(kDecl + "<R>\n\t<a_32_b>1</a_32_b>\n</R>\n");
    QTest::newRow("nesting and tabs")
        << QByteArray("<DEVICE model=\"K-4810\"><TRACK page=\"TRACK\"><GPSmaxHDOP>2.5</GPSmaxHDOP>"
                      "<GPSmaxEx speed=\"200\" minSats=\"4\"/></TRACK></DEVICE>")
        << QByteArray(kDecl + "<DEVICE model=\"K-4810\">\n\t<TRACK page=\"TRACK\">\n\t\t<GPSmaxHDOP>2.5</GPSmaxHDOP>\n"
                      "\t\t<GPSmaxEx minSats=\"4\" speed=\"200\"/>\n\t</TRACK>\n</DEVICE>\n");
    QTest::newRow("repeated siblings in order")
        << QByteArray("<R><K>1</K><K>2</K></R>") << QByteArray(kDecl + "<R>\n\t<K>1</K>\n\t<K>2</K>\n</R>\n");
    QTest::newRow("attributes of a text element kept")
        << QByteArray("<R><S a=\"1\">t</S></R>") << QByteArray(kDecl + "<R>\n\t<S a=\"1\">t</S>\n</R>\n");
    QTest::newRow("text with children stays around them")
        << QByteArray("<R><A>x<P>1</P></A></R>")
        << QByteArray(kDecl + "<R>\n\t<A>\n\t\tx\n\t\t<P>1</P>\n\t</A>\n</R>\n");
    QTest::newRow("empty element in root stays a container")
        << QByteArray("<R><A>\n</A></R>") << QByteArray(kDecl + "<R>\n\t<A>\n\t</A>\n</R>\n");
    QTest::newRow("Cyrillic in windows-1251")
        << QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?><R><P>" + QStringLiteral("Ёж").toUtf8() + "</P></R>")
        << QByteArray(kDecl + "<R>\n\t<P>" + cp(QStringLiteral("Ёж")) + "</P>\n</R>\n");
}

void TstXmlDocument::writerLayout()
{
    QFETCH(QByteArray, xml);
    QFETCH(QByteArray, written);
    const QByteArray once = rewrite(xml);
    QCOMPARE(once, written);
    QCOMPARE(rewrite(once), written);
}

void TstXmlDocument::addChildFlags()
{
    CXmlElement root(QStringLiteral("R"));
    CXmlElement *k1 = root.addChild(QStringLiteral("K"), QStringLiteral("1"), CXmlElement::Add);
    CXmlElement *k2 = root.addChild(QStringLiteral("K"), QStringLiteral("2"), CXmlElement::Add);
    QVERIFY(k1 != k2);
    QCOMPARE(k1->kind(), int(CXmlElement::Element));
    // Flag 0 finds the first of the name and leaves it unchanged.
    QCOMPARE(root.addChild(QStringLiteral("K"), QStringLiteral("9"), CXmlElement::FindOrAdd), k1);
    QCOMPARE(k1->value(), QStringLiteral("1"));
    CXmlElement *s = root.addChild(QStringLiteral("S"), QString(), CXmlElement::AddSection);
    QCOMPARE(s->kind(), int(CXmlElement::AttributesOnly));
    QCOMPARE(root.addChild(QStringLiteral("X"), QString(), 2), nullptr);
    QCOMPARE(root.addChild(QStringLiteral("X"), QString(), 7), nullptr);
    QCOMPARE(root.childCount(), 3);
    // A value given to a new node is kept as given.
    CXmlElement *v = root.addChild(QStringLiteral("V"), QStringLiteral("&amp;_33_"), CXmlElement::Add);
    QCOMPARE(v->value(), QStringLiteral("&amp;_33_"));
    QCOMPARE(v->parent(), &root);
}

void TstXmlDocument::kindThreeElementKeepsChildren()
{
    // A section (kind 3) is one empty tag with its attributes; given children
    // (or text) it is written so that they are not lost.
    CXmlElement root(QStringLiteral("R"));
    CXmlElement *plain = root.addChild(QStringLiteral("S"), QString(), CXmlElement::AddSection);
    plain->addAttribute(QStringLiteral("a"), QStringLiteral("1"));
    CXmlElement *withChild = root.addChild(QStringLiteral("T"), QString(), CXmlElement::AddSection);
    withChild->addAttribute(QStringLiteral("b"), QStringLiteral("2"));
    withChild->addChild(QStringLiteral("C"), QStringLiteral("3"), CXmlElement::Add);
    CXmlElement *bare = root.addChild(QStringLiteral("U"), QString(), CXmlElement::AddSection);
    Q_UNUSED(bare);
    const QByteArray out = CXmlWriter::toByteArray(&root);
    QCOMPARE(out, QByteArray(kDecl + "<R>\n\t<S a=\"1\"/>\n\t<T b=\"2\">\n\t\t<C>3</C>\n\t</T>\n\t<U />\n</R>\n"));
    QCOMPARE(readDump(out), QStringLiteral("R(0){S(1)[a=1],T(1)[b=2]{C(2)=3},U(2)}"));
}

void TstXmlDocument::attributesKeepTheLastOfAName()
{
    CXmlElement root(QStringLiteral("R"));
    root.addAttribute(QStringLiteral("b"), QStringLiteral("first"));
    root.addAttribute(QStringLiteral("a"), QStringLiteral("x"));
    root.addAttribute(QStringLiteral("b"), QStringLiteral("last"));
    QCOMPARE(CXmlWriter::toByteArray(&root), QByteArray(kDecl + "<R a=\"x\" b=\"last\">\n</R>\n"));
    // commit of a pair sets every attribute of the name, so the snapshot (the
    // first) and the file (the last) agree.
    root.commit({{QStringLiteral("b"), QStringLiteral("new")}});
    QCOMPARE(dumpTree(&root), QStringLiteral("R(0)[b=new,a=x,b=new]"));
}

void TstXmlDocument::emptyDocumentWritesNothing()
{
    const QString path = m_dir.filePath(QStringLiteral("empty.xml"));
    QVERIFY(TestFiles::write(path, "old contents"));
    {
        CSerialize doc;
        auto h = doc.openBuffer(QByteArray());
        QVERIFY(h && h->isDocument());
        QCOMPARE(doc.toByteArray(), QByteArray());
    }
    // A file emptied by its own document stays zero-length and opens again.
    QVERIFY(TestFiles::write(path, QByteArray()));
    CSerialize doc;
    auto h = doc.open(path);
    QVERIFY(h);
    QVERIFY(h->isDocument());
    QVERIFY(doc.close(std::move(h), true));
    QCOMPARE(QFileInfo(path).size(), qint64(0));
}

void TstXmlDocument::removeDeletesSubtree()
{
    CSerialize doc;
    auto root = doc.openBuffer("<R><A><B>1</B></A><C>2</C></R>");
    QVERIFY(root);
    auto a = root->section(QStringLiteral("A"));
    auto b = a->section(QStringLiteral("B"));
    root->setInt(QStringLiteral("pending"), 5);
    QVERIFY(root->remove(a.get()));
    QVERIFY(!a->isValid());
    QVERIFY(!b->isValid());
    QCOMPARE(b->getInt(QStringLiteral("x"), 42), 42);
    // The parent's snapshot is taken anew and keeps its unsaved change.
    QCOMPARE(root->count(), 2);
    QVERIFY(root->commit());
    QCOMPARE(dumpTree(doc.root()), QStringLiteral("R(0)[pending=5]{C(2)=2}"));
    QVERIFY(!root->remove(root.get()));
}

void TstXmlDocument::generatedTreesRoundTrip()
{
    const bool lint = XmlLint::available();
    if (!lint)
        qWarning("xmllint not found: files are not checked by libxml2");
    for (quint32 seed = 1; seed <= 60; ++seed) {
        TreeGenerator gen(seed);
        const auto tree = gen.tree();
        const auto expected = TreeGenerator::expected(tree.get());

        QString error;
        const QByteArray first = CXmlWriter::toByteArray(tree.get(), &error);
        QVERIFY2(!first.isEmpty(), qPrintable(error));

        CSerialize doc;
        auto h = doc.openBuffer(first);
        QVERIFY2(h, qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(doc.errorText())));
        QCOMPARE(dumpSorted(doc.root()), dumpSorted(expected.get()));
        const QByteArray second = doc.toByteArray();
        if (second != first) {
            qsizetype i = 0;
            while (i < first.size() && i < second.size() && first.at(i) == second.at(i))
                ++i;
            QFAIL(qPrintable(QStringLiteral("seed %1: written again differs at byte %2:\n%3\n%4")
                                 .arg(seed).arg(i)
                                 .arg(CodePage::toUnicode(first.mid(qMax<qsizetype>(0, i - 60), 120)),
                                      CodePage::toUnicode(second.mid(qMax<qsizetype>(0, i - 60), 120)))));
        }

        if (lint) {
            QString lintError;
            QVERIFY2(XmlLint::accepts(first, &lintError),
                     qPrintable(QStringLiteral("seed %1: %2").arg(seed).arg(lintError)));
            QCOMPARE(XmlLint::readBack(first), lintView(expected.get()));
        }
    }
}

void TstXmlDocument::missingFileIsCreatedEmpty()
{
    const QString path = m_dir.filePath(QStringLiteral("new.xml"));
    QVERIFY(!QFile::exists(path));
    CSerialize doc;
    auto top = doc.open(path);
    QVERIFY(top);
    QVERIFY(top->isDocument());
    QVERIFY(QFile::exists(path));
    QCOMPARE(QFileInfo(path).size(), qint64(0));

    auto root = top->section(QStringLiteral("DEVICE"));
    QVERIFY(root);
    root->setText(QStringLiteral("model"), "K-4810");
    root->addValue(QStringLiteral("K"), 5);
    QVERIFY(root->commit());
    QVERIFY(doc.close(std::move(top), true));
    QVERIFY(!root->isValid());
    QCOMPARE(TestFiles::read(path), QByteArray(kDecl + "<DEVICE model=\"K-4810\">\n\t<K>5</K>\n</DEVICE>\n"));
}

void TstXmlDocument::closeWithoutSaveLeavesFile()
{
    const QString path = m_dir.filePath(QStringLiteral("keep.xml"));
    const QByteArray original = "<R>\n<K>1</K>\n</R>";
    QVERIFY(TestFiles::write(path, original));
    CSerialize doc;
    auto root = doc.open(path);
    QVERIFY(root);
    root->addValue(QStringLiteral("K"), 2);
    QVERIFY(doc.close(std::move(root), false));
    QCOMPARE(TestFiles::read(path), original);
    QVERIFY(!doc.isOpen());
    QVERIFY(!doc.save()); // nothing open: nothing written
    QCOMPARE(TestFiles::read(path), original);
}

void TstXmlDocument::rootOfAnotherName()
{
    const QString path = m_dir.filePath(QStringLiteral("fuel.xml"));
    QVERIFY(TestFiles::write(path, "<FUEL><T>1</T></FUEL>"));
    CSerialize doc;
    QVERIFY(!doc.openRoot(path, QStringLiteral("DEVICE")));
    QVERIFY(doc.errorText().contains(QStringLiteral("FUEL")));
    QVERIFY(doc.openRoot(path, QStringLiteral("FUEL")));
    auto top = doc.open(path);
    QVERIFY(top);
    QCOMPARE(top->name(), QStringLiteral("FUEL"));
    QVERIFY(!doc.rootSection(QStringLiteral("DEVICE")));
    QVERIFY(!doc.documentChild(QStringLiteral("DEVICE")));
}

void TstXmlDocument::newDocumentReplacesFileOnlyOnSave()
{
    const QString path = m_dir.filePath(QStringLiteral("old.xml"));
    const QByteArray old = "<DEVICE>\n\t<TRACK>\n\t\t<GPSmaxEx speed=\"1\"/>\n\t</TRACK>\n</DEVICE>\n";
    QVERIFY(TestFiles::write(path, old));
    CSerialize doc;
    auto top = doc.openNew(path);
    QVERIFY(top && top->isDocument());
    QVERIFY(doc.close(std::move(top), false));
    QCOMPARE(TestFiles::read(path), old);

    auto root = doc.openNew(path)->section(QStringLiteral("DEVICE"));
    auto track = root->section(QStringLiteral("TRACK"));
    auto ex = track->section(QStringLiteral("GPSmaxEx"), 3);
    ex->setInt(QStringLiteral("speed"), 2);
    QVERIFY(ex->commit());
    QVERIFY(doc.close(true));
    // The old section is not kept: one GPSmaxEx, the new one.
    QCOMPARE(TestFiles::read(path), QByteArray(kDecl + "<DEVICE>\n\t<TRACK>\n\t\t<GPSmaxEx speed=\"2\"/>\n\t</TRACK>\n</DEVICE>\n"));
}

void TstXmlDocument::saveUnderMissingFolderFails()
{
    CSerialize doc;
    QVERIFY(!doc.open(m_dir.filePath(QStringLiteral("no/such/folder/x.xml"))));
    QVERIFY(!doc.errorText().isEmpty());
    QVERIFY(!doc.open(m_dir.path()));
    QVERIFY(doc.errorText().contains(QStringLiteral("folder")));
}

QTEST_GUILESS_MAIN(TstXmlDocument)
#include "tst_xmldocument.moc"
