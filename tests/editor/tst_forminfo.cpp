// The Info page: a document about the tracker model, never navigated away.

#include "core/orv_device_k4810.h"
#include "settings/editor/orv_formxml_k4810.h"
#include "settings/pages/orv_forminfo.h"
#include "tests/support/testfiles.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTranslator>

namespace {

// Stands for the host's catalogues of one language: they name it.
class LanguageTexts : public QTranslator
{
public:
    explicit LanguageTexts(const QString &language)
        : m_language(language)
    {
    }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        if (qstrcmp(context, "LocalizedFile") == 0 && qstrcmp(sourceText, "en") == 0)
            return m_language;
        return {};
    }
    bool isEmpty() const override { return false; }

private:
    QString m_language;
};

} // namespace

class tst_FormInfo : public QObject
{
    Q_OBJECT

private slots:
    void missingDocumentLeavesTheBrowserEmpty();
    void documentShownAndLinksStay();
    void documentInTheLanguageOfTheTexts_data();
    void documentInTheLanguageOfTheTexts();
};

void tst_FormInfo::missingDocumentLeavesTheBrowserEmpty()
{
    QTemporaryDir dir;
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(dir.path());
    ORV_FormInfo page(nullptr);
    QDir::setCurrent(cwd);
    QCOMPARE(page.objectName(), QStringLiteral("ORV_FormInfoClass"));
    QCOMPARE(page.title(), QStringLiteral("K4810_049"));
    QVERIFY(page.browser()->toPlainText().isEmpty());
    QVERIFY(!page.browser()->openLinks());
}

void tst_FormInfo::documentShownAndLinksStay()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Localization/Device/K-4810")));
    QVERIFY(TestFiles::write(dir.filePath(QStringLiteral("Localization/Device/K-4810/K-4810.htm")),
                             "<html><body><p>Tracker K-4810</p><a href=\"other.htm\">more</a></body></html>"));
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(dir.path());
    ORV_FormInfo page(nullptr);
    QDir::setCurrent(cwd);
    QTextBrowser *browser = page.browser();
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Tracker K-4810")));
    const QUrl source = browser->source();

    // Follow the link from the keyboard: the page reports it and stays.
    QSignalSpy clicked(browser, &QTextBrowser::anchorClicked);
    page.show();
    browser->setFocus();
    QTest::keyClick(browser, Qt::Key_Tab);
    QTest::keyClick(browser, Qt::Key_Return);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(browser->source(), source);
    QVERIFY(browser->toPlainText().contains(QStringLiteral("Tracker K-4810")));
}

void tst_FormInfo::documentInTheLanguageOfTheTexts_data()
{
    QTest::addColumn<QString>("language"); // of the installed texts, empty: none installed
    QTest::addColumn<bool>("russianTwin");
    QTest::addColumn<QString>("shown");

    QTest::newRow("Russian texts, Russian twin") << "ru" << true << "Трекер K-4810";
    QTest::newRow("Russian texts, no twin") << "ru" << false << "Tracker K-4810";
    QTest::newRow("English texts") << "en" << true << "Tracker K-4810";
    QTest::newRow("no texts installed") << "" << true << "Tracker K-4810";
    QTest::newRow("not a language code") << "../.." << true << "Tracker K-4810";
}

void tst_FormInfo::documentInTheLanguageOfTheTexts()
{
    QFETCH(QString, language);
    QFETCH(bool, russianTwin);
    QFETCH(QString, shown);

    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Localization/Device/K-4810")));
    QVERIFY(TestFiles::write(dir.filePath(QStringLiteral("Localization/Device/K-4810/K-4810.htm")),
                             "<html><body><p>Tracker K-4810</p></body></html>"));
    if (russianTwin) {
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("Localization/ru/Device/K-4810")));
        QVERIFY(TestFiles::write(dir.filePath(QStringLiteral("Localization/ru/Device/K-4810/K-4810.htm")),
                                 QStringLiteral("<html><head><meta charset=\"utf-8\"></head>"
                                                "<body><p>Трекер K-4810</p></body></html>").toUtf8()));
    }
    LanguageTexts texts(language);
    if (!language.isEmpty())
        QCoreApplication::installTranslator(&texts);
    const QString cwd = QDir::currentPath();
    QDir::setCurrent(dir.path());
    ORV_FormInfo page(nullptr);
    QDir::setCurrent(cwd);
    QCoreApplication::removeTranslator(&texts);
    QCOMPARE(page.browser()->toPlainText().trimmed(), shown);
}

QTEST_MAIN(tst_FormInfo)
#include "tst_forminfo.moc"
