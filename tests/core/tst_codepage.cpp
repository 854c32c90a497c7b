// The local 8-bit code page (windows-1251).

#include "core/codepage.h"

#include <QTest>

class tst_CodePage : public QObject
{
    Q_OBJECT

private slots:
    void encode_data();
    void encode();
    void everyByteSurvivesARoundTrip();
    void cutCountsBytes();
};

void tst_CodePage::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QStringLiteral("Bus 12") << QByteArray("Bus 12");
    QTest::newRow("cyrillic") << QStringLiteral("Автобус") << QByteArray("\xC0\xE2\xF2\xEE\xE1\xF3\xF1");
    QTest::newRow("yo and Yo") << QStringLiteral("ёЁ") << QByteArray("\xB8\xA8");
    QTest::newRow("ukrainian") << QStringLiteral("ЇїІіЄєҐґ") << QByteArray("\xAF\xBF\xB2\xB3\xAA\xBA\xA5\xB4");
    QTest::newRow("euro, dash, numero") << QStringLiteral("€–№") << QByteArray("\x88\x96\xB9");
    QTest::newRow("no-break space") << QStringLiteral("a\u00A0b") << QByteArray("a\xA0" "b");
    QTest::newRow("unmappable latin") << QStringLiteral("ÄÖü") << QByteArray("???");
    QTest::newRow("chinese") << QStringLiteral("中文") << QByteArray("??");
    QTest::newRow("emoji, one surrogate pair") << QStringLiteral("x\U0001F600y") << QByteArray("x?y");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << QByteArray("?");
}

void tst_CodePage::encode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(CodePage::fromUnicode(text), bytes);
}

void tst_CodePage::everyByteSurvivesARoundTrip()
{
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    const QString text = CodePage::toUnicode(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(CodePage::fromUnicode(text), all);
    QCOMPARE(text.at(0xC0), QChar(0x0410));
    QCOMPARE(text.at(0xFF), QChar(0x044F));
}

void tst_CodePage::cutCountsBytes()
{
    const QString text = QString(300, QChar(0x0416)); // Ж
    const QByteArray cut = CodePage::fromUnicodeCut(text, 254);
    QCOMPARE(cut.size(), 254);
    QCOMPARE(cut.at(0), '\xC6');
    QCOMPARE(CodePage::fromUnicodeCut(QStringLiteral("ab"), 254), QByteArray("ab"));
}

QTEST_GUILESS_MAIN(tst_CodePage)
#include "tst_codepage.moc"
