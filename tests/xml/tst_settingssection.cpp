// The section handle: snapshot records, typed reads and writes, commit,
// addValue, sections and searches.
#include "core/codepage.h"
#include "tests/xml/xmltreedump.h"
#include "xml/cserialize.h"
#include "xml/cxmlelement.h"
#include "xml/settingssection.h"
#include "xml/valuerecord.h"

#include <QtTest>

class TstSettingsSection : public QObject
{
    Q_OBJECT

private slots:
    void snapshotListsAttributesThenChildren();
    void recordFieldsAreCut_data();
    void recordFieldsAreCut();
    void recordFromShortBytes();
    void readsIntegers_data();
    void readsIntegers();
    void readsReals_data();
    void readsReals();
    void defaultsOnlyForMissingKeys();
    void attributeWinsOverChild();
    void setFormatsAndCommits();
    void commitWritesIntoTheRecordsNode();
    void commitLeavesUnchangedValuesWhole();
    void addValueReusesTheFirstChild();
    void sectionModes();
    void findFirstAndNext();
    void closedDocumentInvalidatesHandles();
    void largeSectionLookups();
};

void TstSettingsSection::snapshotListsAttributesThenChildren()
{
    CSerialize doc;
    auto root = doc.openBuffer("<R><E b=\"2\" a=\"1\"><X>x</X><Y/><X>z</X></E></R>");
    QVERIFY(root);
    auto e = root->section(QStringLiteral("E"));
    QCOMPARE(e->count(), 5);
    const char *names[] = {"b", "a", "X", "Y", "X"};
    const char *values[] = {"2", "1", "x", "", "z"};
    const quint32 kinds[] = {0, 0, 1, 1, 1};
    const quint32 nodes[] = {0, 1, 0, 1, 2};
    for (int i = 0; i < 5; ++i) {
        const ValueRecord &r = e->entry(i);
        QCOMPARE(r.nameBytes(), QByteArray(names[i]));
        QCOMPARE(r.valueBytes(), QByteArray(values[i]));
        QCOMPARE(r.kind(), kinds[i]);
        QCOMPARE(r.node(), nodes[i]);
    }
    // The record's bytes: fields at their offsets, integers little-endian.
    const QByteArray bytes = e->entry(4).toByteArray();
    QCOMPARE(bytes.size(), 520);
    QCOMPARE(bytes.mid(0, 2), QByteArray("X\0", 2));
    QCOMPARE(bytes.mid(255, 2), QByteArray("z\0", 2));
    QCOMPARE(bytes.mid(510, 2), QByteArray(2, '\0'));
    QCOMPARE(bytes.mid(512, 4), QByteArray("\x01\0\0\0", 4));
    QCOMPARE(bytes.mid(516, 4), QByteArray("\x02\0\0\0", 4));
}

void TstSettingsSection::recordFieldsAreCut_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("short") << QStringLiteral("abc") << QByteArray("abc");
    QTest::newRow("254 fits") << QString(254, u'a') << QByteArray(254, 'a');
    QTest::newRow("255 is cut") << QString(255, u'a') << QByteArray(254, 'a');
    QTest::newRow("Cyrillic counts bytes") << QString(300, u'Ж') << QByteArray(254, '\xC6');
    QTest::newRow("outside the code page") << QStringLiteral("a\u4E2Db\U0001F600c") << QByteArray("a?b?c");
}

void TstSettingsSection::recordFieldsAreCut()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, stored);
    ValueRecord r(text, text, ValueRecord::Child, 7);
    QCOMPARE(r.nameBytes(), stored);
    QCOMPARE(r.valueBytes(), stored);
    QCOMPARE(r.bytes()[ValueRecord::NameOffset + stored.size()], 0);
    QCOMPARE(r.bytes()[ValueRecord::ValueOffset + stored.size()], 0);
    QCOMPARE(r.kind(), quint32(1));
    QCOMPARE(r.node(), quint32(7));

    // Through a handle: setText cuts the same way, and commit stores the cut text.
    CSerialize doc;
    auto root = doc.openBuffer("<R/>");
    root->setText(QStringLiteral("k"), text);
    QCOMPARE(root->getBytes(QStringLiteral("k")), stored);
    QVERIFY(root->commit());
    QCOMPARE(doc.root()->attribute(QStringLiteral("k")), CodePage::toUnicode(stored));
}

void TstSettingsSection::recordFromShortBytes()
{
    // Raw bytes shorter than a record, or without NULs, never read past
    // their end and always give terminated fields.
    const ValueRecord shortOne = ValueRecord::fromBytes("ab", 2);
    QCOMPARE(shortOne.nameBytes(), QByteArray("ab"));
    QCOMPARE(shortOne.valueBytes(), QByteArray());
    QCOMPARE(shortOne.kind(), quint32(0));
    const QByteArray full(600, 'x');
    const ValueRecord filled = ValueRecord::fromBytes(full.constData(), full.size());
    QCOMPARE(filled.nameLength(), 254);
    QCOMPARE(filled.valueLength(), 254);
    QCOMPARE(ValueRecord::fromBytes(nullptr, 0).nameLength(), 0);
}

void TstSettingsSection::readsIntegers_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << QByteArray("12") << 12;
    QTest::newRow("negative") << QByteArray("-500") << -500;
    QTest::newRow("plus") << QByteArray("+7") << 7;
    QTest::newRow("spaces") << QByteArray(" 42 ") << 42;
    QTest::newRow("largest") << QByteArray("2147483647") << 2147483647;
    QTest::newRow("smallest") << QByteArray("-2147483648") << int(-2147483647 - 1);
    QTest::newRow("overflow") << QByteArray("2147483648") << 0;
    QTest::newRow("trailing letters") << QByteArray("12abc") << 0;
    QTest::newRow("real") << QByteArray("2.5") << 0;
    QTest::newRow("word") << QByteArray("abc") << 0;
    QTest::newRow("empty") << QByteArray() << 0;
    QTest::newRow("sign only") << QByteArray("-") << 0;
}

void TstSettingsSection::readsIntegers()
{
    QFETCH(QByteArray, text);
    QFETCH(int, value);
    QCOMPARE(SettingsSection::textToInt(text.constData(), int(text.size())), value);
}

void TstSettingsSection::readsReals_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << QByteArray("2.5") << 2.5;
    QTest::newRow("written by %f") << QByteArray("0.125000") << 0.125;
    QTest::newRow("integer") << QByteArray("100") << 100.0;
    QTest::newRow("spaces") << QByteArray(" 3.25 ") << 3.25;
    QTest::newRow("exponent") << QByteArray("1e3") << 1000.0;
    QTest::newRow("comma") << QByteArray("2,5") << 0.0;
    QTest::newRow("word") << QByteArray("abc") << 0.0;
    QTest::newRow("empty") << QByteArray() << 0.0;
}

void TstSettingsSection::readsReals()
{
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    QCOMPARE(SettingsSection::textToReal(text.constData(), int(text.size())), value);
}

void TstSettingsSection::defaultsOnlyForMissingKeys()
{
    CSerialize doc;
    auto root = doc.openBuffer("<R><TRACK><GPSreject>x</GPSreject><GPSmaxHDOP>n/a</GPSmaxHDOP></TRACK></R>");
    auto track = root->section(QStringLiteral("TRACK"));
    QCOMPARE(track->getFloat(QStringLiteral("GPSmaxHDOP"), 2.5), 0.0);
    QCOMPARE(track->getInt(QStringLiteral("GPSreject"), 1), 0);
    QCOMPARE(track->getInt(QStringLiteral("GPSaverage"), 1), 1);
    QCOMPARE(track->getText(QStringLiteral("none"), QStringLiteral("d")), QStringLiteral("d"));
    // A missing section is made empty and every key takes its default.
    auto missing = root->section(QStringLiteral("SYSTEM"));
    QVERIFY(missing);
    QCOMPARE(missing->getInt(QStringLiteral("timeZone"), 3), 3);
    QCOMPARE(dumpTree(doc.root()), QStringLiteral("R(0){TRACK(0){GPSreject(2)=x,GPSmaxHDOP(2)=n/a},SYSTEM(0)}"));
}

void TstSettingsSection::attributeWinsOverChild()
{
    CSerialize doc;
    auto root = doc.openBuffer("<R><S K=\"attr\"><K>child</K><K>second</K></S></R>");
    auto s = root->section(QStringLiteral("S"));
    QCOMPARE(s->getText(QStringLiteral("K")), QStringLiteral("attr"));
    QVERIFY(s->contains(QStringLiteral("K")));
    QVERIFY(!s->contains(QStringLiteral("k"))); // case-sensitive
}

void TstSettingsSection::setFormatsAndCommits()
{
    CSerialize doc;
    auto root = doc.openBuffer("<R><S a=\"1\"><C>c</C></S></R>");
    auto s = root->section(QStringLiteral("S"));
    s->setInt(QStringLiteral("i"), -42);
    s->setFloat(QStringLiteral("f"), 2.5);
    s->setText(QStringLiteral("t"), QStringLiteral("Привет"));
    s->setBytes(QStringLiteral("b"), QByteArray("\xCF\xF0"));
    // New records come after the snapshot, in the order set.
    QCOMPARE(s->count(), 6);
    QCOMPARE(s->entry(1).nameBytes(), QByteArray("C"));
    QCOMPARE(s->entry(2).valueBytes(), QByteArray("-42"));
    QCOMPARE(s->entry(3).valueBytes(), QByteArray("2.500000"));
    QCOMPARE(s->getText(QStringLiteral("t")), QStringLiteral("Привет"));
    // Not in the tree before commit.
    QCOMPARE(doc.root()->child(0)->attributeCount(), 1);
    QVERIFY(s->commit());
    QCOMPARE(dumpTree(doc.root()), QStringLiteral("R(0){S(1)[a=1,i=-42,f=2.500000,t=Привет,b=Пр]{C(2)=c}}"));
    // The new snapshot lists the attributes first again.
    QCOMPARE(s->entry(4).nameBytes(), QByteArray("b"));
    QCOMPARE(s->entry(5).nameBytes(), QByteArray("C"));
}

void TstSettingsSection::commitWritesIntoTheRecordsNode()
{
    CSerialize doc;
    auto root = doc.openBuffer("<R><S K=\"attr\" d=\"1\" d=\"2\"><K>child</K><C>c</C><E><X>1</X></E></S></R>");
    auto s = root->section(QStringLiteral("S"));
    s->setText(QStringLiteral("K"), "new");   // the attribute, read first
    s->setInt(QStringLiteral("C"), 5);        // a child element
    s->setInt(QStringLiteral("d"), 3);        // every attribute of the name
    s->setText(QStringLiteral("E"), "text");  // an element with children keeps them
    QVERIFY(s->commit());
    QCOMPARE(dumpTree(doc.root()->child(0)),
             QStringLiteral("S(1)[K=new,d=3,d=3]{K(2)=child,C(2)=5,E(2)=text{X(2)=1}}"));
    QCOMPARE(s->getText(QStringLiteral("K")), QStringLiteral("new"));
    // The tree's commit: a child of the name takes the value, else an attribute.
    doc.root()->child(0)->commit({{QStringLiteral("C"), QStringLiteral("6")}, {QStringLiteral("n"), QStringLiteral("7")}});
    QCOMPARE(dumpTree(doc.root()->child(0)),
             QStringLiteral("S(1)[K=new,d=3,d=3,n=7]{K(2)=child,C(2)=6,E(2)=text{X(2)=1}}"));
}

void TstSettingsSection::commitLeavesUnchangedValuesWhole()
{
    const QString longText(400, u'я');
    CSerialize doc;
    auto root = doc.openBuffer(QByteArray("<R><S long=\"") + CodePage::fromUnicode(longText) + "\"><L>"
                               + CodePage::fromUnicode(longText) + "</L></S></R>");
    auto s = root->section(QStringLiteral("S"));
    QCOMPARE(s->getText(QStringLiteral("long")).size(), 254);
    s->setInt(QStringLiteral("other"), 1);
    QVERIFY(s->commit());
    const CXmlElement *e = doc.root()->child(0);
    QCOMPARE(e->attribute(QStringLiteral("long")), longText);
    QCOMPARE(e->child(0)->value(), longText);
    QCOMPARE(e->attributeCount(), 2);
}

void TstSettingsSection::addValueReusesTheFirstChild()
{
    CSerialize doc;
    auto root = doc.openBuffer("<R><S><K>1</K><K>2</K></S></R>");
    auto s = root->section(QStringLiteral("S"));
    s->addValue(QStringLiteral("K"), 10);
    s->addValue(QStringLiteral("K"), QStringLiteral("eleven"));
    s->addValue(QStringLiteral("N"), 5);
    s->addValue(QStringLiteral("N"), 6);
    QCOMPARE(dumpTree(doc.root()->child(0)), QStringLiteral("S(0){K(2)=eleven,K(2)=2,N(2)=6}"));
    // Values added so do not enter the handle's snapshot ...
    QCOMPARE(s->getInt(QStringLiteral("N"), -1), -1);
    QCOMPARE(s->getText(QStringLiteral("K")), QStringLiteral("1"));
    // ... and a commit does not overwrite them with the snapshot's.
    s->setInt(QStringLiteral("a"), 1);
    QVERIFY(s->commit());
    QCOMPARE(dumpTree(doc.root()->child(0)), QStringLiteral("S(0)[a=1]{K(2)=eleven,K(2)=2,N(2)=6}"));
    QCOMPARE(s->getInt(QStringLiteral("N"), -1), 6);
}

void TstSettingsSection::sectionModes()
{
    CSerialize doc;
    auto root = doc.openBuffer("<R><A>1</A><A>2</A></R>");
    auto first = root->section(QStringLiteral("A"), 0);
    QCOMPARE(first->value(), QStringLiteral("1"));
    auto made = root->section(QStringLiteral("B"), 0);
    QCOMPARE(made->element()->kind(), int(CXmlElement::Element));
    // Found again, though the snapshot of root does not list it.
    auto again = root->section(QStringLiteral("B"), 0);
    QCOMPARE(again->element(), made->element());
    auto s1 = root->section(QStringLiteral("S"), 3);
    auto s2 = root->section(QStringLiteral("S"), 3);
    QVERIFY(s1->element() != s2->element());
    QCOMPARE(s1->element()->kind(), int(CXmlElement::AttributesOnly));
    QVERIFY(!root->section(QStringLiteral("X"), 1));
    QVERIFY(!root->section(QStringLiteral("X"), 2));
    QVERIFY(!root->child(QStringLiteral("X")));
    QVERIFY(root->hasChild(QStringLiteral("S")));
    QCOMPARE(dumpTree(doc.root()), QStringLiteral("R(0){A(2)=1,A(2)=2,B(0),S(3),S(3)}"));
}

void TstSettingsSection::findFirstAndNext()
{
    CSerialize doc;
    auto root = doc.openBuffer("<R n=\"a\"><n>b</n><m>x</m><n>c</n></R>");
    auto h = root->findFirst(QStringLiteral("n"));
    QStringList seen;
    for (; h; h = root->findNext())
        seen << h->value();
    QCOMPARE(seen, (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    QVERIFY(!root->findNext());
    QVERIFY(!root->findFirst(QStringLiteral("N")));
}

void TstSettingsSection::closedDocumentInvalidatesHandles()
{
    auto doc = std::make_unique<CSerialize>();
    auto root = doc->openBuffer("<R a=\"1\"><S/></R>");
    auto s = root->section(QStringLiteral("S"));
    QVERIFY(doc->close(std::move(root), false));
    QVERIFY(!s->isValid());
    QCOMPARE(s->getInt(QStringLiteral("a"), 9), 9);
    s->setInt(QStringLiteral("a"), 1);
    s->addValue(QStringLiteral("b"), 1);
    QVERIFY(!s->commit());
    QVERIFY(!s->section(QStringLiteral("x")));
    // A handle may also outlive its document object.
    auto root2 = doc->openBuffer("<R/>");
    doc.reset();
    QVERIFY(!root2->isValid());
}

void TstSettingsSection::largeSectionLookups()
{
    // Every key of a section of 20000 children is found through the index,
    // and sections are found by name without making duplicates.
    CSerialize doc;
    auto root = doc.openBuffer("<R/>");
    for (int i = 0; i < 20000; ++i)
        root->addValue(QStringLiteral("k%1").arg(i), i);
    QVERIFY(root->commit());
    QCOMPARE(root->count(), 20000);
    for (int i = 0; i < 20000; ++i)
        QCOMPARE(root->getInt(QStringLiteral("k%1").arg(i), -1), i);
    QCOMPARE(root->section(QStringLiteral("k19999"))->value(), QStringLiteral("19999"));
    QCOMPARE(doc.root()->childCount(), 20000);
}

QTEST_GUILESS_MAIN(TstSettingsSection)
#include "tst_settingssection.moc"
