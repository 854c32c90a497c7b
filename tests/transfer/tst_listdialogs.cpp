// The operator list and the APN list dialogs.

#include "net/mobilecarriers.h"
#include "settings/pages/orv_formautoapnlist.h"
#include "settings/pages/orv_formrlistoper.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

class tst_ListDialogs : public QObject
{
    Q_OBJECT

private slots:
    void operatorListButtonsFollowTheRow_data();
    void operatorListButtonsFollowTheRow();
    void operatorListReset();
    void movingACode_data();
    void movingACode();
    void openEditIsKept_data();
    void openEditIsKept();
    void codeCheckingFollowsTheCheckBox();
    void apnListShowsTheCarriers();
    void apnListExpandsOnEachOpening();
    void apnListWithoutCarriers();
    void apnListHandsAnAccessPointOver();

private:
    static QTreeWidget *tree(QWidget *dialog, const char *name)
    {
        return dialog->findChild<QTreeWidget *>(QLatin1String(name));
    }
    static QPushButton *button(QWidget *dialog, const char *name)
    {
        return dialog->findChild<QPushButton *>(QLatin1String(name));
    }
    // Double-clicks a row's code cell and types into the editor that opens.
    static QLineEdit *typeCode(ORV_FormRListOper &dialog, int position, const QString &text)
    {
        QTreeWidget *list = tree(&dialog, "treeWidget_List");
        QTreeWidgetItem *item = list->topLevelItem(position - 1);
        const QRect cell = list->visualItemRect(item);
        // A view takes a double-click only on the row it saw pressed.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        // Editors closed before are hidden until they are deleted.
        QLineEdit *editor = nullptr;
        for (QLineEdit *e : list->findChildren<QLineEdit *>()) {
            if (e->isVisible())
                editor = e;
        }
        if (!editor)
            return nullptr;
        editor->selectAll();
        QTest::keyClicks(editor, text);
        return editor;
    }
};

void tst_ListDialogs::operatorListButtonsFollowTheRow_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("up");
    QTest::addColumn<bool>("down");
    QTest::newRow("first") << 1 << false << true;
    QTest::newRow("second") << 2 << true << true;
    QTest::newRow("ninth") << 9 << true << true;
    QTest::newRow("last") << 10 << true << false;
}

void tst_ListDialogs::operatorListButtonsFollowTheRow()
{
    QFETCH(int, position);
    QFETCH(bool, up);
    QFETCH(bool, down);
    ORV_FormRListOper dialog;
    QTreeWidget *list = tree(&dialog, "treeWidget_List");
    QCOMPARE(list->topLevelItemCount(), 10);
    list->setCurrentItem(list->topLevelItem(position - 1));
    QCOMPARE(button(&dialog, "pushButton_Up")->isEnabled(), up);
    QCOMPARE(button(&dialog, "pushButton_Down")->isEnabled(), down);
    QCOMPARE(list->topLevelItem(position - 1)->text(0), QString::number(position));
}

void tst_ListDialogs::operatorListReset()
{
    ORV_FormRListOper dialog;
    dialog.setCodes({"25001", "25002", "25099"});
    dialog.findChild<QCheckBox *>("checkBox_CheckCodes")->setChecked(false);
    QTreeWidget *list = tree(&dialog, "treeWidget_List");
    list->setCurrentItem(list->topLevelItem(6));

    dialog.reset();
    QCOMPARE(dialog.codes(), QStringList(10, QString()));
    QVERIFY(dialog.checksCodes());
    QCOMPARE(list->currentItem(), list->topLevelItem(0));
    QVERIFY(!button(&dialog, "pushButton_Up")->isEnabled());
}

void tst_ListDialogs::movingACode_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("moves"); // 'u' up, 'd' down
    QTest::addColumn<int>("to");

    QTest::newRow("opCode3 up to 2") << 3 << "u" << 2;
    QTest::newRow("opCode3 down to 4") << 3 << "d" << 4;
    QTest::newRow("to the top and no further") << 3 << "uuuu" << 1;
    QTest::newRow("to the bottom and no further") << 8 << "ddddd" << 10;
    QTest::newRow("there and back") << 5 << "uudd" << 5;
}

void tst_ListDialogs::movingACode()
{
    QFETCH(int, from);
    QFETCH(QString, moves);
    QFETCH(int, to);

    ORV_FormRListOper dialog;
    QStringList codes;
    for (int i = 1; i <= 10; ++i)
        codes << QStringLiteral("2500%1").arg(i);
    dialog.setCodes(codes);
    QTreeWidget *list = tree(&dialog, "treeWidget_List");
    list->setCurrentItem(list->topLevelItem(from - 1));
    for (QChar m : moves) {
        QPushButton *b = button(&dialog, m == u'u' ? "pushButton_Up" : "pushButton_Down");
        if (b->isEnabled())
            QTest::mousePress(b, Qt::LeftButton);
        QTest::mouseRelease(b, Qt::LeftButton);
    }
    // The code moved, and the selection with it.
    QCOMPARE(dialog.code(to), codes.at(from - 1));
    QCOMPARE(list->currentItem(), list->topLevelItem(to - 1));
    QCOMPARE(button(&dialog, "pushButton_Up")->isEnabled(), to > 1);
    QCOMPARE(button(&dialog, "pushButton_Down")->isEnabled(), to < 10);
    // Nothing was lost or doubled.
    QStringList sorted = dialog.codes();
    sorted.sort();
    QStringList expected = codes;
    expected.sort();
    QCOMPARE(sorted, expected);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(list->topLevelItem(i)->text(0), QString::number(i + 1));
}

void tst_ListDialogs::openEditIsKept_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("window closed") << "close";
    QTest::newRow("Close button") << "button";
    QTest::newRow("Esc on the dialog") << "reject";
    QTest::newRow("codes read while editing") << "read";
    QTest::newRow("moved while editing") << "move";
}

void tst_ListDialogs::openEditIsKept()
{
    QFETCH(QString, how);
    ORV_FormRListOper dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.setCodes({"25001", "25002", "", "25020"});

    QLineEdit *editor = typeCode(dialog, 4, QStringLiteral("25099"));
    QVERIFY(editor);
    QVERIFY(editor->isVisible());
    // Nothing written back yet.
    QCOMPARE(tree(&dialog, "treeWidget_List")->topLevelItem(3)->text(1), QStringLiteral("25020"));

    int position = 4;
    if (how == QLatin1String("close")) {
        dialog.close();
    } else if (how == QLatin1String("button")) {
        QTest::mousePress(button(&dialog, "pushButton_Close"), Qt::LeftButton);
    } else if (how == QLatin1String("reject")) {
        dialog.reject();
    } else if (how == QLatin1String("move")) {
        QTest::mousePress(button(&dialog, "pushButton_Up"), Qt::LeftButton);
        position = 3;
    }
    QCOMPARE(dialog.code(position), QStringLiteral("25099"));
    if (how == QLatin1String("move"))
        QCOMPARE(dialog.code(4), QString());
    QCOMPARE(dialog.code(1), QStringLiteral("25001"));
}

void tst_ListDialogs::codeCheckingFollowsTheCheckBox()
{
    ORV_FormRListOper dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(typeCode(dialog, 1, QStringLiteral("25x0012345")));
    QCOMPARE(dialog.code(1), QStringLiteral("250012"));

    dialog.findChild<QCheckBox *>("checkBox_CheckCodes")->setChecked(false);
    QVERIFY(typeCode(dialog, 2, QStringLiteral("MTS RUS")));
    QCOMPARE(dialog.code(2), QStringLiteral("MTS RUS"));
}

void tst_ListDialogs::apnListShowsTheCarriers()
{
    ORV_FormAutoApnList dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Список операторов"));
    QTreeWidget *list = tree(&dialog, "treeWidget_Apn");
    QCOMPARE(list->columnCount(), 4);
    const int widths[] = {175, 175, 100, 100};
    for (int c = 0; c < 4; ++c)
        QCOMPARE(list->columnWidth(c), widths[c]);

    const QList<MobileCarriers::AccessPoint> rows = MobileCarriers::all();
    int points = 0;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        points += list->topLevelItem(i)->childCount();
    QCOMPARE(points, rows.size());
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("MTS"));
    QTreeWidgetItem *mts = list->topLevelItem(0)->child(0);
    QCOMPARE(mts->text(1), QStringLiteral("internet.mts.ru"));
    QCOMPARE(mts->text(2), QStringLiteral("mts"));
    QCOMPARE(mts->text(3), QStringLiteral("mts"));
}

void tst_ListDialogs::apnListExpandsOnEachOpening()
{
    ORV_FormAutoApnList dialog;
    QTreeWidget *list = tree(&dialog, "treeWidget_Apn");
    QVERIFY(list->topLevelItemCount() > 2);
    dialog.show();
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        QVERIFY(list->topLevelItem(i)->isExpanded());
    dialog.hide();

    // The first carrier closed: everything opens again.
    list->topLevelItem(0)->setExpanded(false);
    list->topLevelItem(2)->setExpanded(false);
    dialog.show();
    QVERIFY(list->topLevelItem(0)->isExpanded());
    QVERIFY(list->topLevelItem(2)->isExpanded());
    dialog.hide();

    // The first one left open: the user's other choices stay.
    list->topLevelItem(2)->setExpanded(false);
    dialog.show();
    QVERIFY(!list->topLevelItem(2)->isExpanded());
}

void tst_ListDialogs::apnListWithoutCarriers()
{
    ORV_FormAutoApnList dialog(nullptr, {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(tree(&dialog, "treeWidget_Apn")->topLevelItemCount(), 0);
    QVERIFY(!button(&dialog, "pushButton_Use")->isEnabled());
    dialog.hide();
    dialog.show();
    QVERIFY(dialog.isVisible());
}

void tst_ListDialogs::apnListHandsAnAccessPointOver()
{
    ORV_FormAutoApnList dialog;
    dialog.show();
    QTreeWidget *list = tree(&dialog, "treeWidget_Apn");
    QPushButton *use = button(&dialog, "pushButton_Use");
    QSignalSpy chosen(&dialog, &ORV_FormAutoApnList::accessPointChosen);

    // A carrier row is no access point.
    list->setCurrentItem(list->topLevelItem(1));
    QVERIFY(!use->isEnabled());

    QTreeWidgetItem *beeline = list->topLevelItem(1)->child(0);
    list->setCurrentItem(beeline);
    QVERIFY(use->isEnabled());
    QTest::mousePress(use, Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toString(), QStringLiteral("internet.beeline.ru"));
    QCOMPARE(dialog.chosen().user, QStringLiteral("beeline"));
    QCOMPARE(dialog.chosen().password, QStringLiteral("beeline"));
}

QTEST_MAIN(tst_ListDialogs)
#include "tst_listdialogs.moc"
