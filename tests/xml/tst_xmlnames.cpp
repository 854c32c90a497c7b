// Element-name encoding and text escaping of the XML files.
#include "core/codepage.h"
#include "xml/xmlnames.h"

#include <QtTest>

class TstXmlNames : public QObject
{
    Q_OBJECT

private slots:
    void encodesListedCharacters_data();
    void encodesListedCharacters();
    void encodesWhatNoNameMayHold_data();
    void encodesWhatNoNameMayHold();
    void decodesInListedOrder_data();
    void decodesInListedOrder();
    void everyCharacterRoundTrips();
    void escapes_data();
    void escapes();
    void attributeNames_data();
    void attributeNames();
};

void TstXmlNames::encodesListedCharacters_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("encoded");
    const char16_t listed[] = {32, 38, 62, 60, 34, 39, 33, 58, 59, 37, 96, 126, 64, 35,
                               36, 94, 42, 40, 41, 45, 43, 61, 124, 92, 247, 215, 44, 47};
    for (char16_t c : listed) {
        const QByteArray code = QByteArray::number(int(c));
        QTest::addRow("char %d", int(c)) << (QStringLiteral("a") + QString(QChar(c)) + QStringLiteral("b"))
                                         << QByteArray("a_" + code + "_b");
    }
    QTest::newRow("space") << QStringLiteral("a b") << QByteArray("a_32_b");
    QTest::newRow("several") << QStringLiteral("x-y:z/1") << QByteArray("x_45_y_58_z_47_1");
    QTest::newRow("Cyrillic stays") << QStringLiteral("Датчик") << CodePage::fromUnicode(u"Датчик");
    QTest::newRow("underscore and digits stay") << QStringLiteral("on_1") << QByteArray("on_1");
}

void TstXmlNames::encodesListedCharacters()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, encoded);
    QCOMPARE(XmlNames::encodedName(name), encoded);
    QCOMPARE(XmlNames::decodeName(CodePage::toUnicode(encoded)), name);
}

void TstXmlNames::encodesWhatNoNameMayHold_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("encoded");
    QTest::newRow("question mark") << QStringLiteral("a?b") << QByteArray("a_63_b");
    QTest::newRow("brackets") << QStringLiteral("[x]") << QByteArray("_91_x_93_");
    QTest::newRow("leading digit") << QStringLiteral("1st") << QByteArray("_49_st");
    QTest::newRow("inner digit stays") << QStringLiteral("a1") << QByteArray("a1");
    QTest::newRow("leading dot") << QStringLiteral(".a") << QByteArray("_46_a");
    QTest::newRow("number sign of the code page") << QStringLiteral("№1") << QByteArray("_8470_1");
    QTest::newRow("outside the code page") << QStringLiteral("a\u4E2D") << QByteArray("a_20013_");
}

void TstXmlNames::encodesWhatNoNameMayHold()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, encoded);
    QCOMPARE(XmlNames::encodedName(name), encoded);
    QCOMPARE(XmlNames::decodeName(CodePage::toUnicode(encoded)), name);
}

void TstXmlNames::decodesInListedOrder_data()
{
    QTest::addColumn<QString>("encoded");
    QTest::addColumn<QString>("decoded");
    // Names the older format wrote as they were: decoded as it decoded them.
    QTest::newRow("plain") << QStringLiteral("GPSmaxHDOP") << QStringLiteral("GPSmaxHDOP");
    QTest::newRow("space") << QStringLiteral("a_32_b") << QStringLiteral("a b");
    // "_45_32_": the space (first in the list) takes the shared underscore.
    QTest::newRow("overlap") << QStringLiteral("_45_32_") << QStringLiteral("_45 ");
    QTest::newRow("unlisted plain digit") << QStringLiteral("a_53_b") << QStringLiteral("a_53_b");
    QTest::newRow("leading zero is no code") << QStringLiteral("a_032_b") << QStringLiteral("a_032_b");
    QTest::newRow("unterminated") << QStringLiteral("a_32") << QStringLiteral("a_32");
    QTest::newRow("too large") << QStringLiteral("_99999999_") << QStringLiteral("_99999999_");
    QTest::newRow("control codes stay") << QStringLiteral("on_1_63_") << QStringLiteral("on_1?");
    QTest::newRow("tab is written, not read") << QString::fromLatin1(XmlNames::encodedName(u"a\tb")) << QStringLiteral("a_9_b");
}

void TstXmlNames::decodesInListedOrder()
{
    QFETCH(QString, encoded);
    QFETCH(QString, decoded);
    QCOMPARE(XmlNames::decodeName(encoded), decoded);
}

void TstXmlNames::everyCharacterRoundTrips()
{
    // Every BMP character except surrogates and controls, alone and after a
    // letter, decodes back.
    for (char32_t c = 0x20; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const QString alone = QString(QChar(char16_t(c)));
        const QString inner = QStringLiteral("x") + alone;
        for (const QString &name : {alone, inner}) {
            const QByteArray enc = XmlNames::encodedName(name);
            const QString back = XmlNames::decodeName(CodePage::toUnicode(enc));
            if (back != name)
                QFAIL(qPrintable(QStringLiteral("U+%1 -> %2 -> %3").arg(quint32(c), 4, 16, QLatin1Char('0'))
                                     .arg(QString::fromLatin1(enc), back)));
        }
    }
}

void TstXmlNames::escapes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("attribute");
    QTest::addColumn<QByteArray>("escaped");
    QTest::newRow("less-than") << QStringLiteral("x<y") << false << QByteArray("x&lt;y");
    QTest::newRow("all five") << QStringLiteral("&><\"'") << false << QByteArray("&amp;&gt;&lt;&quot;&apos;");
    QTest::newRow("ampersand once") << QStringLiteral("&amp;") << false << QByteArray("&amp;amp;");
    QTest::newRow("Cyrillic") << QStringLiteral("Привет") << false << CodePage::fromUnicode(u"Привет");
    QTest::newRow("outside the code page") << QStringLiteral("a\u4E2Db") << false << QByteArray("a?b");
    QTest::newRow("emoji is one ?") << QStringLiteral("a\U0001F600b") << false << QByteArray("a?b");
    QTest::newRow("text keeps tab and LF") << QStringLiteral("a\tb\nc") << false << QByteArray("a\tb\nc");
    QTest::newRow("attribute keeps tab and LF") << QStringLiteral("a\tb\nc") << true << QByteArray("a&#9;b&#10;c");
    QTest::newRow("CR") << QStringLiteral("a\rb") << false << QByteArray("a&#13;b");
    QTest::newRow("control") << QStringLiteral("a\x01" "b") << false << QByteArray("a?b");
}

void TstXmlNames::escapes()
{
    QFETCH(QString, text);
    QFETCH(bool, attribute);
    QFETCH(QByteArray, escaped);
    QCOMPARE(XmlNames::escaped(text, attribute), escaped);
}

void TstXmlNames::attributeNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("writable");
    QTest::newRow("plain") << QStringLiteral("minSats") << true;
    QTest::newRow("underscore digit") << QStringLiteral("on_1") << true;
    QTest::newRow("namespace") << QStringLiteral("xmlns:p") << true;
    QTest::newRow("hyphen inside") << QStringLiteral("a-b") << true;
    QTest::newRow("Cyrillic") << QStringLiteral("ключ") << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("space") << QStringLiteral("a b") << false;
    QTest::newRow("leading digit") << QStringLiteral("1a") << false;
    QTest::newRow("quote") << QStringLiteral("a\"") << false;
}

void TstXmlNames::attributeNames()
{
    QFETCH(QString, name);
    QFETCH(bool, writable);
    QCOMPARE(XmlNames::isWritableAttributeName(name), writable);
}

QTEST_GUILESS_MAIN(TstXmlNames)
#include "tst_xmlnames.moc"
