// The shipped help pages and the tracker's description in every language
// beside English: each English page has a twin in Localization/<language>/
// with the same links and anchors, a title and text of its own, and links
// that stay in its language. The help lookup finds those twins.

#include "host/helpresolver.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace {

const QString kLocalization = QStringLiteral(K4810_SOURCE_DIR "/host/Localization");
const QStringList kLanguages = {QStringLiteral("ru")};

QString readText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList captures(const QString &html, const QRegularExpression &re)
{
    QStringList found;
    auto it = re.globalMatch(html);
    while (it.hasNext())
        found << it.next().captured(1);
    return found;
}

QStringList links(const QString &html)
{
    static const QRegularExpression href(QStringLiteral("\\bhref\\s*=\\s*\"([^\"]*)\""),
                                         QRegularExpression::CaseInsensitiveOption);
    return captures(html, href);
}

QStringList anchors(const QString &html)
{
    static const QRegularExpression id(QStringLiteral("\\b(?:id|name)\\s*=\\s*\"([^\"]*)\""),
                                       QRegularExpression::CaseInsensitiveOption);
    return captures(html, id);
}

QString title(const QString &html)
{
    static const QRegularExpression re(QStringLiteral("<title>([^<]*)</title>"),
                                       QRegularExpression::CaseInsensitiveOption);
    return re.match(html).captured(1).trimmed();
}

// The English pages, relative to Localization/ ("Help/K-4810/k-4810p1.html").
QStringList englishPages()
{
    QStringList pages;
    for (const QString &folder : {QStringLiteral("Help"), QStringLiteral("Device")}) {
        QDirIterator it(kLocalization + QLatin1Char('/') + folder, {QStringLiteral("*.htm"), QStringLiteral("*.html")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            pages << QDir(kLocalization).relativeFilePath(it.next());
    }
    pages.sort();
    return pages;
}

} // namespace

class TestLocalizedPages : public QObject
{
    Q_OBJECT
private slots:
    void twinHasTheSameLinks_data();
    void twinHasTheSameLinks();
    void noTwinWithoutAnEnglishPage();
};

void TestLocalizedPages::twinHasTheSameLinks_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("page");
    const QStringList pages = englishPages();
    // 21 help pages and the description.
    QVERIFY2(pages.size() >= 22, qPrintable(pages.join(", ")));
    for (const QString &language : kLanguages) {
        for (const QString &page : pages)
            QTest::newRow(qPrintable(language + QLatin1Char(' ') + page)) << language << page;
    }
}

void TestLocalizedPages::twinHasTheSameLinks()
{
    QFETCH(QString, language);
    QFETCH(QString, page);
    const QString englishPath = kLocalization + QLatin1Char('/') + page;
    const QString twinPath = kLocalization + QLatin1Char('/') + language + QLatin1Char('/') + page;
    QVERIFY2(QFileInfo(twinPath).isFile(), qPrintable("no twin at " + twinPath));
    const QString english = readText(englishPath);
    const QString twin = readText(twinPath);

    QCOMPARE(links(twin), links(english));
    QCOMPARE(anchors(twin), anchors(english));
    QVERIFY(!title(twin).isEmpty());
    static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    if (language == QLatin1String("ru"))
        QVERIFY2(twin.contains(cyrillic), "the twin is not written in Russian");

    // A relative link leads to a page of the same language.
    for (const QString &link : links(twin)) {
        const QUrl url(link);
        if (!url.isRelative() || url.path().isEmpty())
            continue;
        const QString target = QFileInfo(twinPath).dir().filePath(url.path());
        QVERIFY2(QFileInfo(target).isFile(), qPrintable(link + " leads nowhere"));
    }

    // The help lookup finds the twin where the plug-in asks for the English page.
    if (page.startsWith(QLatin1String("Help/"))) {
        HelpResolver resolver(QFileInfo(kLocalization).absolutePath());
        resolver.setLanguage(language);
        const HelpResolver::Result found = resolver.resolve(QStringLiteral("/Localization/") + page);
        QCOMPARE(found.filePath, QFileInfo(twinPath).canonicalFilePath());
    }
}

// A page in another language only is never asked for: a stray twin is a
// misspelt name or a page the English tree lost.
void TestLocalizedPages::noTwinWithoutAnEnglishPage()
{
    const QStringList english = englishPages();
    for (const QString &language : kLanguages) {
        QDirIterator it(kLocalization + QLatin1Char('/') + language, QDir::Files, QDirIterator::Subdirectories);
        QStringList strays;
        while (it.hasNext()) {
            const QString twin = QDir(kLocalization + QLatin1Char('/') + language).relativeFilePath(it.next());
            if (!english.contains(twin))
                strays << twin;
        }
        QVERIFY2(strays.isEmpty(), qPrintable(language + ": " + strays.join(", ")));
    }
}

QTEST_GUILESS_MAIN(TestLocalizedPages)
#include "tst_localizedpages.moc"
