// A technician's round trip with the simulated tracker: read the settings
// from the tracker, change a value, write them to the tracker (the tracker
// asks for some blocks again), and read them back changed; and a full
// settings file (every section, keys the editor does not know included)
// read, saved, written and read back byte for byte.
//
// The host side is the stand-in host's own core and simulator; the plug-in
// is the built libk4810.so, reached only through its exports.

#include "host/pluginhost.h"
#include "tests/support/testfiles.h"
#include "tests/support/uiautomation.h"
#include "host/simulator/services/settings/settingsservice.h"
#include "host/simulator/simulatedtracker.h"
#include "tests/support/trackersession.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace UiAutomation;

namespace {

QLineEdit *boundEdit(QWidget *editor, const QString &page, const QString &path)
{
    QWidget *p = editor->findChild<QWidget *>(page);
    if (!p)
        return nullptr;
    for (QLineEdit *e : p->findChildren<QLineEdit *>()) {
        if (e->property("settingsPath").toString() == path)
            return e;
    }
    return nullptr;
}

} // namespace

class tst_SettingsRoundTrip : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readChangeWriteReadBack_data();
    void readChangeWriteReadBack();
    void fullFileKeepsEveryValue_data();
    void fullFileKeepsEveryValue();
    void cleanupTestCase();

private:
    TrackerSession m_session;
    QWidget *readSettings();
};

void tst_SettingsRoundTrip::initTestCase()
{
    QString error;
    QVERIFY2(m_session.start(&error), qPrintable(error));
}

QWidget *tst_SettingsRoundTrip::readSettings()
{
    return m_session.readSettings(TrackerSession::Changes::Keep);
}

void tst_SettingsRoundTrip::readChangeWriteReadBack_data()
{
    QTest::addColumn<bool>("insideSend");
    QTest::addColumn<QString>("name");
    QTest::newRow("asynchronous") << false << QStringLiteral("Самосвал № 4");
    QTest::newRow("inside send") << true << QStringLiteral("Tanker 12");
}

void tst_SettingsRoundTrip::readChangeWriteReadBack()
{
    QFETCH(bool, insideSend);
    QFETCH(QString, name);
    m_session.tracker->setAnswerMode(insideSend ? PluginHost::AnswerMode::InsideSend : PluginHost::AnswerMode::Async);
    m_session.settings->setRepeatEvery(3);

    QWidget *editor = readSettings();
    QVERIFY(editor && editor->isVisible());
    QLineEdit *objectName = boundEdit(editor, QStringLiteral("ORV_FormTransfer"), QStringLiteral("objectName"));
    QLineEdit *apn = boundEdit(editor, QStringLiteral("ORV_FormTransfer"), QStringLiteral("GPRSopAPN"));
    QVERIFY(objectName && apn);
    QVERIFY(!objectName->text().isEmpty());
    QCOMPARE(apn->text(), QStringLiteral("internet.mts.ru"));

    objectName->setText(name);
    auto *load = editor->findChild<QPushButton *>(QStringLiteral("pushButton_LoadToDevice"));
    QVERIFY(load && load->isEnabled());
    QSignalSpy stored(m_session.settings, &SettingsService::configurationStored);
    acceptNextQuestion();
    load->pressed();
    QTRY_COMPARE_WITH_TIMEOUT(stored.count(), 1, 10000);
    QVERIFY(m_session.settings->storedConfiguration().contains("<GPRSopAPN>internet.mts.ru</GPRSopAPN>"));
    QTRY_VERIFY(load->isEnabled());
    QVERIFY(m_session.settings->blocksReceived() > 3);
    QVERIFY(m_session.settings->repeatsAsked() >= 1);

    // Read back: the tracker now holds the changed name.
    objectName->setText(QStringLiteral("something else"));
    discardNextChanges(); // the change is not kept: asked, and dropped
    editor = readSettings();
    QCOMPARE(objectName->text(), name);
    QCOMPARE(apn->text(), QStringLiteral("internet.mts.ru"));
}

void tst_SettingsRoundTrip::fullFileKeepsEveryValue_data()
{
    QTest::addColumn<bool>("insideSend");
    QTest::newRow("asynchronous") << false;
    QTest::newRow("inside send") << true;
}

void tst_SettingsRoundTrip::fullFileKeepsEveryValue()
{
    QFETCH(bool, insideSend);
    m_session.tracker->setAnswerMode(insideSend ? PluginHost::AnswerMode::InsideSend : PluginHost::AnswerMode::Async);
    m_session.settings->setRepeatEvery(4);
    const QByteArray full = TestFiles::read(QStringLiteral(K4810_SOURCE_DIR "/tests/settings/data/full.xml"));
    QVERIFY(full.contains("<CAN page=") && full.contains("<GPRSdiagSupress>") && full.contains("serial="));
    m_session.settings->setStoredConfiguration(full);

    // Read from the tracker and saved by the user: the same bytes.
    QWidget *editor = readSettings();
    QVERIFY(editor && editor->isVisible());
    const QString saved = m_session.dir.filePath(QStringLiteral("saved.xml"));
    answerNextFileDialog(saved);
    editor->findChild<QPushButton *>(QStringLiteral("pushButton_SaveToFile"))->pressed();
    QTRY_VERIFY(QFile::exists(saved));
    QCOMPARE(TestFiles::read(saved), full);

    // Written to the tracker: it keeps those bytes.
    auto *load = editor->findChild<QPushButton *>(QStringLiteral("pushButton_LoadToDevice"));
    QSignalSpy stored(m_session.settings, &SettingsService::configurationStored);
    acceptNextQuestion();
    load->pressed();
    QTRY_COMPARE_WITH_TIMEOUT(stored.count(), 1, 10000);
    QVERIFY(m_session.settings->repeatsAsked() >= 1);
    QCOMPARE(m_session.settings->storedConfiguration(), full);
    QTRY_VERIFY(load->isEnabled());

    // Read back and saved again: still the same bytes.
    editor = readSettings();
    const QString again = m_session.dir.filePath(QStringLiteral("again.xml"));
    answerNextFileDialog(again);
    editor->findChild<QPushButton *>(QStringLiteral("pushButton_SaveToFile"))->pressed();
    QTRY_VERIFY(QFile::exists(again));
    QCOMPARE(TestFiles::read(again), full);
    QFile::remove(saved);
    QFile::remove(again);
}

void tst_SettingsRoundTrip::cleanupTestCase()
{
    m_session.tracker.reset();
    m_session.host->unload();
}

QTEST_MAIN(tst_SettingsRoundTrip)
#include "tst_settingsroundtrip.moc"
