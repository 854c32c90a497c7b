// The shared small dialogs: wait window, parameter info popup, page menu entry.

#include "core/elidelabel.h"
#include "core/formwait.h"
#include "core/orv_form_paraminfo.h"
#include "core/orv_menuaction.h"

#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

class tst_Dialogs : public QObject
{
    Q_OBJECT

private slots:
    void formWaitLooksAsDescribed();
    void formWaitSetters();
    void formWaitRangeSetsMaximumFirst_data();
    void formWaitRangeSetsMaximumFirst();
    void formWaitShowCountersTogglesExactlyFourLabels();
    void formWaitResetAfterATransfer();
    void formWaitShowsALongMessageWhole_data();
    void formWaitShowsALongMessageWhole();
    void elideLabelShortensWithTheWholeTextInItsToolTip();
    void paramInfoShowsAndClears();
    void menuActionCarriesItsPage();
};

void tst_Dialogs::formWaitLooksAsDescribed()
{
    FormWait w;
    QCOMPARE(w.size(), QSize(451, 111));
    QCOMPARE(w.minimumSize(), QSize(451, 111));
    QCOMPARE(w.maximumSize(), QSize(451, 111));
    QCOMPARE(w.windowTitle(), QStringLiteral("Ожидание процесса"));
    QVERIFY(w.windowFlags() & Qt::CustomizeWindowHint);
    QVERIFY(!(w.windowFlags() & Qt::WindowCloseButtonHint));
    QCOMPARE(w.message(), QStringLiteral("Чтение натроечных параметров из устройства"));
    QCOMPARE(w.findChild<QLabel *>("label_5")->text(), QStringLiteral("/"));
    for (const char *name : {"label_fileCount", "label_saved", "label_All"})
        QCOMPARE(w.findChild<QLabel *>(name)->text(), QStringLiteral("TextLabel"));
    QVERIFY(w.status().isEmpty());
    QCOMPARE(w.value(), 0);
}

void tst_Dialogs::formWaitSetters()
{
    FormWait w;
    w.setMessage("Writing");
    w.setCaption("1.3 Kb");
    w.setCurrent("512");
    w.setTotal("1300");
    w.setStatus("00:00:01");
    QCOMPARE(w.message(), QStringLiteral("Writing"));
    QCOMPARE(w.caption(), QStringLiteral("1.3 Kb"));
    QCOMPARE(w.findChild<QLabel *>("label_fileCount")->toolTip(), QStringLiteral("1.3 Kb"));
    QCOMPARE(w.current(), QStringLiteral("512"));
    QCOMPARE(w.total(), QStringLiteral("1300"));
    QCOMPARE(w.status(), QStringLiteral("00:00:01"));
}

void tst_Dialogs::formWaitRangeSetsMaximumFirst_data()
{
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("expectedMin");
    QTest::addColumn<int>("expectedMax");
    QTest::newRow("ordinary") << 0 << 1300 << 0 << 1300;
    QTest::newRow("above the default range") << 50 << 200 << 50 << 200;
    // The minimum, set last, wins when the two cross.
    QTest::newRow("crossed") << 20 << 5 << 20 << 20;
}

void tst_Dialogs::formWaitRangeSetsMaximumFirst()
{
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(int, expectedMin);
    QFETCH(int, expectedMax);
    FormWait w;
    w.setRange(min, max);
    QCOMPARE(w.minimum(), expectedMin);
    QCOMPARE(w.maximum(), expectedMax);
}

void tst_Dialogs::formWaitShowCountersTogglesExactlyFourLabels()
{
    FormWait w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.showCounters(false);
    for (const char *name : {"label_saved", "label_5", "label_All", "label_Time"})
        QVERIFY2(w.findChild<QLabel *>(name)->isHidden(), name);
    QVERIFY(w.findChild<QLabel *>("label")->isVisible());
    QVERIFY(w.findChild<QLabel *>("label_fileCount")->isVisible());
    QVERIFY(w.findChild<QProgressBar *>("progressBar")->isVisible());
    w.showCounters(true);
    for (const char *name : {"label_saved", "label_5", "label_All", "label_Time"})
        QVERIFY2(w.findChild<QLabel *>(name)->isVisible(), name);
}

void tst_Dialogs::formWaitResetAfterATransfer()
{
    FormWait w;
    w.setMessage("Writing");
    w.setCaption("1.3 Kb");
    w.setCurrent("1300");
    w.setTotal("1300");
    w.setStatus("done");
    w.setRange(0, 1300);
    w.setValue(1300);
    w.reset();
    QVERIFY(w.message().isEmpty());
    QVERIFY(w.caption().isEmpty());
    QVERIFY(w.current().isEmpty());
    QVERIFY(w.total().isEmpty());
    QVERIFY(w.status().isEmpty());
    QCOMPARE(w.minimum(), 0);
    QCOMPARE(w.maximum(), 10);
    QCOMPARE(w.value(), 0);
    QCOMPARE(w.findChild<QLabel *>("label_5")->text(), QStringLiteral("/"));
}

void tst_Dialogs::formWaitShowsALongMessageWhole_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("cancelable");
    const QString balance = QStringLiteral("Waiting for the balance: the tracker sends the operator's USSD request and "
                                           "forwards the answer, which can take up to a minute");
    QTest::newRow("one line") << QStringLiteral("Writing") << false;
    QTest::newRow("three lines") << balance << false;
    QTest::newRow("three lines, with cancel") << balance << true;
    QTest::newRow("russian") << QStringLiteral("Ожидание ответа на запрос баланса: трекер отправляет USSD-запрос "
                                               "оператору и пересылает ответ, это может занять до минуты")
                             << true;
}

void tst_Dialogs::formWaitShowsALongMessageWhole()
{
    // The window keeps its width and grows to show every line of the text.
    QFETCH(QString, message);
    QFETCH(bool, cancelable);
    FormWait w;
    if (cancelable)
        w.setCancelText(QStringLiteral("Cancel"));
    w.setMessage(message);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto *label = w.findChild<QLabel *>("label");
    QCOMPARE(w.width(), 451);
    QVERIFY(label->wordWrap());
    QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
             qPrintable(QStringLiteral("%1 of %2").arg(label->height()).arg(label->heightForWidth(label->width()))));
    if (cancelable)
        QVERIFY(w.findChild<QPushButton *>("pushButton_Cancel")->geometry().bottom() < w.height());
    // The same window again with a short text is its usual size.
    w.setCancelText(QString());
    w.setMessage(QStringLiteral("Writing"));
    QCOMPARE(w.size(), QSize(451, 111));
}

void tst_Dialogs::elideLabelShortensWithTheWholeTextInItsToolTip()
{
    ElideLabel label;
    label.setText(QStringLiteral("Registered in the home network"));
    label.resize(label.fontMetrics().horizontalAdvance(label.text()) / 2, label.sizeHint().height());
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    label.grab();
    QVERIFY(label.isElided());
    QCOMPARE(label.toolTip(), label.text());
    QVERIFY(label.minimumSizeHint().width() < label.width());

    // Wide enough again: the whole text, no tool tip.
    label.resize(label.sizeHint().width() + 10, label.height());
    label.grab();
    QVERIFY(!label.isElided());
    QVERIFY(label.toolTip().isEmpty());

    // A tool tip of the label's owner is left alone.
    label.setToolTip(QStringLiteral("Network state"));
    label.resize(20, label.height());
    label.grab();
    QCOMPARE(label.toolTip(), QStringLiteral("Network state"));
}

void tst_Dialogs::paramInfoShowsAndClears()
{
    ORV_Form_ParamInfo info;
    QCOMPARE(info.windowTitle(), QStringLiteral("ORV_Form_ParamInfo"));
    QCOMPARE(info.size(), QSize(600, 320));
    auto *title = info.findChild<QLabel *>("label_Title");
    QVERIFY(title->font().bold());
    QVERIFY(title->wordWrap());
    QCOMPARE(info.findChild<QPushButton *>("pushButton_Ok")->text(), QStringLiteral("Ok"));

    QString seenTitle;
    QString seenText;
    bool wasModal = false;
    QTimer::singleShot(0, &info, [&] {
        seenTitle = info.title();
        seenText = info.text();
        wasModal = info.isModal() && info.isVisible();
        info.findChild<QPushButton *>("pushButton_Ok")->pressed();
    });
    info.showInfo(QStringLiteral("HDOP"), QStringLiteral("<b>Horizontal</b> dilution of precision"));
    QCOMPARE(seenTitle, QStringLiteral("HDOP"));
    QCOMPARE(seenText, QStringLiteral("Horizontal dilution of precision"));
    QVERIFY(wasModal);
    QVERIFY(!info.isVisible());
    QVERIFY(info.title().isEmpty());
    QVERIFY(info.text().isEmpty());
}

void tst_Dialogs::menuActionCarriesItsPage()
{
    QMenu menu;
    auto *a = new ORV_MenuAction(QStringLiteral("5. CAN"), 4, &menu);
    menu.addAction(a);
    QCOMPARE(a->text(), QStringLiteral("5. CAN"));
    QCOMPARE(a->pageIndex(), 4);
    QCOMPARE(a->parent(), &menu);
    QSignalSpy triggered(&menu, &QMenu::triggered);
    a->trigger();
    QCOMPARE(triggered.count(), 1);
    QCOMPARE(qobject_cast<ORV_MenuAction *>(triggered.at(0).at(0).value<QAction *>())->pageIndex(), 4);
}

QTEST_MAIN(tst_Dialogs)
#include "tst_dialogs.moc"
