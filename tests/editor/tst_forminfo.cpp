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

class tst_FormInfo : public QObject
{
    Q_OBJECT

private slots:
    void missingDocumentLeavesTheBrowserEmpty();
    void documentShownAndLinksStay();
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

QTEST_MAIN(tst_FormInfo)
#include "tst_forminfo.moc"
