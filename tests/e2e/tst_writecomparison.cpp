// Before a write, the settings editor shows what will change on the tracker:
// with the simulated tracker, through the plug-in's exports, read the
// settings, change two values, write them and see exactly those two in the
// comparison, confirm, and read them back; a second write without changes
// says there is no difference, and cancelling it writes nothing.

#include "host/pluginhost.h"
#include "host/simulator/services/settings/settingsservice.h"
#include "host/simulator/simulatedtracker.h"
#include "tests/support/trackersession.h"
#include "tests/support/uiautomation.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace UiAutomation;

namespace {

QLineEdit *boundEdit(QWidget *editor, const QString &page, const QString &path)
{
    QWidget *p = editor ? editor->findChild<QWidget *>(page) : nullptr;
    if (!p)
        return nullptr;
    for (QLineEdit *e : p->findChildren<QLineEdit *>()) {
        if (e->property("settingsPath").toString() == path)
            return e;
    }
    return nullptr;
}

// What the comparison box showed, and how it was answered.
struct Seen
{
    QStringList rows; // "section/path|in the tracker|to be written"
    QString text;
    bool shown = false;
};

// Answers the comparison box (write or cancel) and, after a write, the
// final question with yes.
void answerWrite(Seen *seen, bool write)
{
    auto *poll = new QTimer(qApp); // freed with the application when never answered
    QObject::connect(poll, &QTimer::timeout, poll, [poll, seen, write] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        if (box->objectName() == QLatin1String("ORV_FormSettingsCompare")) {
            seen->shown = true;
            seen->text = box->text();
            if (auto *t = box->findChild<QTableWidget *>(QStringLiteral("tableWidget_Differences")); t && t->isVisible()) {
                for (int r = 0; r < t->rowCount(); ++r)
                    seen->rows << QStringList{t->item(r, 1)->toolTip(), t->item(r, 2)->text(), t->item(r, 3)->text()}
                                      .join(QLatin1Char('|'));
                seen->rows.sort();
            }
            box->findChild<QPushButton *>(write ? QStringLiteral("pushButton_Write") : QStringLiteral("pushButton_Cancel"))
                ->click();
            if (!write)
                poll->deleteLater();
            return;
        }
        for (QAbstractButton *b : box->buttons()) {
            if (box->buttonRole(b) == QMessageBox::AcceptRole) {
                b->click();
                break;
            }
        }
        poll->deleteLater();
    });
    poll->start(5);
}

} // namespace

class tst_WriteComparison : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exactlyTheChangesAreShown_data();
    void exactlyTheChangesAreShown();
    void cleanupTestCase();

private:
    QWidget *readSettings();

    TrackerSession m_session;
};

void tst_WriteComparison::initTestCase()
{
    QString error;
    QVERIFY2(m_session.start(&error), qPrintable(error));
}

QWidget *tst_WriteComparison::readSettings()
{
    return m_session.readSettings(TrackerSession::Changes::Keep);
}

void tst_WriteComparison::exactlyTheChangesAreShown_data()
{
    QTest::addColumn<bool>("insideSend");
    QTest::newRow("asynchronous") << false;
    QTest::newRow("inside send") << true;
}

void tst_WriteComparison::exactlyTheChangesAreShown()
{
    QFETCH(bool, insideSend);
    m_session.tracker->setAnswerMode(insideSend ? PluginHost::AnswerMode::InsideSend : PluginHost::AnswerMode::Async);
    m_session.settings->setRepeatEvery(3);

    QWidget *editor = readSettings();
    QVERIFY(editor && editor->isVisible());
    QLineEdit *name = boundEdit(editor, QStringLiteral("ORV_FormTransfer"), QStringLiteral("objectName"));
    QLineEdit *apn = boundEdit(editor, QStringLiteral("ORV_FormTransfer"), QStringLiteral("GPRSopAPN"));
    QVERIFY(name && apn);
    const QString oldName = name->text();
    const QString oldApn = apn->text();
    const QString newName = insideSend ? QStringLiteral("Tanker 12") : QStringLiteral("Самосвал № 4");
    name->setText(newName);
    apn->setText(QStringLiteral("internet.tele2.ru"));

    auto *load = editor->findChild<QPushButton *>(QStringLiteral("pushButton_LoadToDevice"));
    QVERIFY(load && load->isEnabled());
    QSignalSpy stored(m_session.settings, &SettingsService::configurationStored);
    Seen seen;
    answerWrite(&seen, true);
    load->pressed();
    QTRY_COMPARE_WITH_TIMEOUT(stored.count(), 1, 10000);
    QVERIFY(seen.shown);
    QCOMPARE(seen.rows, (QStringList{QStringLiteral("TRANSFER/GPRSopAPN|%1|internet.tele2.ru").arg(oldApn),
                                     QStringLiteral("TRANSFER/objectName|%1|%2").arg(oldName, newName)}));
    QTRY_VERIFY(load->isEnabled());

    // Read back: the tracker holds both.
    editor = readSettings();
    QCOMPARE(name->text(), newName);
    QCOMPARE(apn->text(), QStringLiteral("internet.tele2.ru"));

    // Nothing changed since: the box says so; cancelled, nothing is written.
    Seen again;
    answerWrite(&again, false);
    load->pressed();
    QTRY_VERIFY(again.shown);
    QVERIFY2(again.text.contains(QStringLiteral("K4810_3032")) || again.text.contains(QStringLiteral("same")),
             qPrintable(again.text));
    QVERIFY(again.rows.isEmpty());
    QTest::qWait(50);
    QCOMPARE(stored.count(), 1);
    QTRY_VERIFY(load->isEnabled());

    // Put the tracker back for the next row.
    name->setText(oldName);
    apn->setText(oldApn);
    answerWrite(&again, true);
    load->pressed();
    QTRY_COMPARE_WITH_TIMEOUT(stored.count(), 2, 10000);
    QTRY_VERIFY(load->isEnabled());
}

void tst_WriteComparison::cleanupTestCase()
{
    m_session.tracker.reset();
    m_session.host->unload();
}

QTEST_MAIN(tst_WriteComparison)
#include "tst_writecomparison.moc"
