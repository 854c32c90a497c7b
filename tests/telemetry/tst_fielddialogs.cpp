// The record field selection dialogs: boxes, tyre and format combos, the
// size and the OK button, results on OK and on Cancel.

#include "telemetry/fieldtable.h"
#include "telemetry/orv_formsettingsvela.h"
#include "telemetry/orv_formsetvela2.h"
#include "telemetry/orv_formsetvela2help.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

// Without the host's catalogues a text key has no %1 for arg() to fill:
// those warnings say nothing here.
QtMessageHandler previousHandler = nullptr;
void quietArgWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QString::arg")))
        return;
    previousHandler(type, context, message);
}

const QString kDefault = FieldSelection::defaultText();

QString withBits(std::initializer_list<int> bits, int length = FieldSelection::SecondLength)
{
    QString text(length, u'0');
    for (int bit : bits)
        text[bit] = u'1';
    return text;
}

} // namespace

class tst_FieldDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(quietArgWarnings); }
    void boxesOfTheSecondGeneration();
    void boxesChangeTheStringAndTheSize_data();
    void boxesChangeTheStringAndTheSize();
    void okOnlyWithinTheLimit();
    void loadOverTheLimitDisablesOk_data();
    void loadOverTheLimitDisablesOk();
    void standardFormatUnticksTheExtendedFields();
    void tyreComboKeepsAPatternWithoutAnItem();
    void unknownFormatIsKept();
    void okAndCancel();
    void resetRestoresTheDefault();
    void helpOpensAndCloses();
    void firstGenerationDialog();

private:
    static QCheckBox *box(QWidget *dialog, const QString &name)
    {
        return dialog->findChild<QCheckBox *>(QStringLiteral("checkBox_") + name);
    }
    static QComboBox *combo(QWidget *dialog, const char *name)
    {
        return dialog->findChild<QComboBox *>(QLatin1String(name));
    }
    static QPushButton *button(QWidget *dialog, const char *name)
    {
        return dialog->findChild<QPushButton *>(QLatin1String(name));
    }
    static QString sizeText(QWidget *dialog)
    {
        return dialog->findChild<QLabel *>(QStringLiteral("label_Size"))->text();
    }
    static bool sizeInRed(QWidget *dialog)
    {
        const QLabel *label = dialog->findChild<QLabel *>(QStringLiteral("label_Size"));
        return label->palette().color(QPalette::WindowText) == QColor(Qt::red);
    }
};

void tst_FieldDialogs::boxesOfTheSecondGeneration()
{
    ORV_FormSetVela2 dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("K4810_1224"));
    const QList<QCheckBox *> boxes = dialog.findChildren<QCheckBox *>(QRegularExpression(QStringLiteral("^checkBox_")));
    // 111 fields and the diagnostic box.
    QCOMPARE(boxes.size(), 112);
    for (const char *name : {"NumPage", "Coord", "Module_2", "Ain_8", "LevelRS485_16", "CAN_DisLevel", "MNaviInfo",
                             "LBS", "PassDoor_8", "CameraState", "Diagnostic"})
        QVERIFY2(box(&dialog, QLatin1String(name)), name);
    QVERIFY(!box(&dialog, QStringLiteral("TempRS485_1")));
    QCOMPARE(combo(&dialog, "comboBox_Tires")->count(), 15);
    QCOMPARE(combo(&dialog, "comboBox_FlashFormat")->count(), 2);
    QCOMPARE(combo(&dialog, "comboBox_FlashFormat")->itemText(0), QStringLiteral("K4810_1119"));
    QCOMPARE(combo(&dialog, "comboBox_FlashFormat")->itemText(1), QStringLiteral("K4810_1118"));
    // The field table names the fields of a box.
    QVERIFY(box(&dialog, QStringLiteral("Coord"))->toolTip().contains(QStringLiteral("K4810_2651")));
    QVERIFY(box(&dialog, QStringLiteral("Coord"))->text() == QStringLiteral("K4810_2622"));
    // It opens within a 1366x768 screen with its task bar.
    QVERIFY(dialog.width() <= 1366 && dialog.height() <= 700);
    QVERIFY(dialog.minimumSizeHint().width() <= 1366 && dialog.minimumSizeHint().height() <= 700);
}

void tst_FieldDialogs::boxesChangeTheStringAndTheSize_data()
{
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("size");

    QTest::newRow("default, nothing") << kDefault << "DEFAULT" << QStringList{} << kDefault << 46;
    QTest::newRow("position off") << kDefault << "DEFAULT" << QStringList{"Coord"}
                                  << QString(kDefault).replace(9, 2, QStringLiteral("00")) << 38;
    QTest::newRow("RS-485 sensor 9 on") << withBits({}) << "DEFAULT" << QStringList{"LevelRS485_9"} << withBits({85})
                                        << 3;
    QTest::newRow("on and off again") << withBits({0}) << "DEFAULT" << QStringList{"Altitude", "Altitude"}
                                      << withBits({0}) << 4;
    QTest::newRow("temperatures without a box kept")
        << withBits({77, 78, 79, 80, 81, 82}) << "DEFAULT" << QStringList{"NumPage", "LevelRS485_7"}
        << withBits({0, 77, 78, 79, 80, 81, 82, 83}) << 4 + 6 + 3;
    QTest::newRow("69 characters padded") << kDefault.left(69) << "DF_VELA" << QStringList{"CameraState"}
                                          << kDefault.left(69) + QString(52, u'0') + QStringLiteral("1") << 47;
}

void tst_FieldDialogs::boxesChangeTheStringAndTheSize()
{
    QFETCH(QString, loaded);
    QFETCH(QString, format);
    QFETCH(QStringList, clicks);
    QFETCH(QString, expected);
    QFETCH(int, size);

    ORV_FormSetVela2 dialog;
    dialog.load(loaded, format, false);
    for (const QString &name : clicks) {
        QCheckBox *b = box(&dialog, name);
        QVERIFY2(b && b->isEnabled(), qPrintable(name));
        b->click();
    }
    QCOMPARE(dialog.fieldSelection().text(), expected);
    QCOMPARE(dialog.recordSize(), size);
    QCOMPARE(sizeText(&dialog), QString::number(size));
    QTest::mousePress(button(&dialog, "pushButton_Ok"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.selection(), expected);
    QCOMPARE(dialog.selection().size(), 122);
}

void tst_FieldDialogs::okOnlyWithinTheLimit()
{
    // 120 bytes: bits 0..55.
    QString text(122, u'0');
    for (int bit = 0; bit <= 55; ++bit)
        text[bit] = u'1';
    ORV_FormSetVela2 dialog;
    dialog.load(text, QStringLiteral("DEFAULT"), false);
    QPushButton *ok = button(&dialog, "pushButton_Ok");
    QVERIFY(ok->isEnabled());
    QVERIFY(!sizeInRed(&dialog));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("label_SizeLimit"))->text(),
             QStringLiteral("байт (максимум 127)"));

    box(&dialog, QStringLiteral("CAN_FullRun"))->click();   // 124
    box(&dialog, QStringLiteral("CAN_AxleLoad_1"))->click(); // 126
    box(&dialog, QStringLiteral("CAN_PedalAccel"))->click(); // 127
    QCOMPARE(sizeText(&dialog), QStringLiteral("127"));
    QVERIFY(ok->isEnabled());
    box(&dialog, QStringLiteral("CAN_PedalStop"))->click(); // 128
    QCOMPARE(sizeText(&dialog), QStringLiteral("128"));
    QVERIFY(!ok->isEnabled());
    QVERIFY(sizeInRed(&dialog));
    // A press on a disabled OK does nothing.
    QTest::mousePress(ok, Qt::LeftButton);
    QVERIFY(dialog.result() != QDialog::Accepted);

    // The tyre combo counts too.
    box(&dialog, QStringLiteral("CAN_PedalStop"))->click();
    QVERIFY(ok->isEnabled());
    combo(&dialog, "comboBox_Tires")->setCurrentIndex(1); // tyres 3-6: 12 bytes
    QCOMPARE(sizeText(&dialog), QStringLiteral("139"));
    QVERIFY(!ok->isEnabled());
    // The extended format takes it.
    combo(&dialog, "comboBox_FlashFormat")->setCurrentIndex(1);
    QVERIFY(ok->isEnabled());
    QVERIFY(!sizeInRed(&dialog));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("label_SizeLimit"))->text(),
             QStringLiteral("байт (максимум 222)"));
}

void tst_FieldDialogs::loadOverTheLimitDisablesOk_data()
{
    QTest::addColumn<QString>("loaded");
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("enabled");

    QTest::newRow("all tyres, standard") << withBits({0, 93, 94, 95, 96}) << "DEFAULT" << true;   // 94
    // 38 + 90 = 128 bytes.
    QTest::newRow("tyres and more, standard") << withBits({0, 1, 2, 8, 9, 10, 11, 12, 14, 15, 93, 94, 95, 96})
                                              << "DEFAULT" << false;
    QTest::newRow("everything, extended") << QString(122, u'1') << "DF_VELA" << false;
    // 124 bytes, and 6 more.
    QTest::newRow("temperatures without a box tip it over")
        << withBits({0, 1, 2, 8, 9, 10, 12, 14, 15, 93, 94, 95, 96, 77, 78, 79, 80, 81, 82}) << "DEFAULT" << false;
}

void tst_FieldDialogs::loadOverTheLimitDisablesOk()
{
    QFETCH(QString, loaded);
    QFETCH(QString, format);
    QFETCH(bool, enabled);

    ORV_FormSetVela2 dialog;
    // Start from a selection that fits, so that nothing is left over.
    dialog.load(kDefault, QStringLiteral("DEFAULT"), false);
    QVERIFY(button(&dialog, "pushButton_Ok")->isEnabled());
    dialog.load(loaded, format, false);
    QCOMPARE(dialog.recordSize(), FieldTable::selectionSize(loaded));
    QCOMPARE(sizeText(&dialog), QString::number(FieldTable::selectionSize(loaded)));
    QCOMPARE(button(&dialog, "pushButton_Ok")->isEnabled(), dialog.recordSize() <= (format == "DF_VELA" ? 222 : 127));
    QCOMPARE(button(&dialog, "pushButton_Ok")->isEnabled(), enabled);
}

void tst_FieldDialogs::standardFormatUnticksTheExtendedFields()
{
    ORV_FormSetVela2 dialog;
    QString text = kDefault;
    for (int bit : {69, 72, 105, 121})
        text[bit] = u'1';
    dialog.load(text, QStringLiteral("DF_VELA"), false);
    QCOMPARE(combo(&dialog, "comboBox_FlashFormat")->currentIndex(), 1);
    QVERIFY(box(&dialog, QStringLiteral("MNaviCoord"))->isChecked());
    QCOMPARE(dialog.recordSize(), 46 + 8 + 16 + 2 + 1);

    combo(&dialog, "comboBox_FlashFormat")->setCurrentIndex(0);
    for (const char *name : {"MNaviInfo", "MNaviCoord", "AccelDelta", "CameraState", "TahoState"}) {
        QVERIFY2(!box(&dialog, QLatin1String(name))->isChecked(), name);
        QVERIFY2(!box(&dialog, QLatin1String(name))->isEnabled(), name);
    }
    QVERIFY(box(&dialog, QStringLiteral("LevelRS485_16"))->isEnabled());
    QCOMPARE(dialog.fieldSelection().text(), kDefault);
    QCOMPARE(dialog.recordSize(), 46);
    QVERIFY(button(&dialog, "pushButton_Ok")->isEnabled());

    // Loaded under the standard format, extended fields stay ticked (and can
    // be unticked, but not ticked again).
    dialog.load(text, QStringLiteral("DEFAULT"), false);
    QCheckBox *camera = box(&dialog, QStringLiteral("CameraState"));
    QVERIFY(camera->isChecked());
    QVERIFY(camera->isEnabled());
    QVERIFY(!box(&dialog, QStringLiteral("TahoState"))->isEnabled());
    camera->click();
    QVERIFY(!camera->isChecked());
    QVERIFY(!camera->isEnabled());
    QCOMPARE(dialog.fieldSelection().text().at(121), u'0');
}

void tst_FieldDialogs::tyreComboKeepsAPatternWithoutAnItem()
{
    ORV_FormSetVela2 dialog;
    QComboBox *tyres = combo(&dialog, "comboBox_Tires");
    dialog.load(withBits({0, 93}), QStringLiteral("DF_VELA"), false);
    QCOMPARE(tyres->count(), 16);
    QCOMPARE(tyres->currentIndex(), 15);
    QCOMPARE(dialog.recordSize(), 10);
    box(&dialog, QStringLiteral("Code"))->click();
    QCOMPARE(dialog.fieldSelection().tyrePattern(), QStringLiteral("1000"));

    tyres->setCurrentIndex(2);
    QCOMPARE(dialog.fieldSelection().tyrePattern(), QStringLiteral("1100"));
    QCOMPARE(dialog.recordSize(), 4 + 2 + 18);
    tyres->setCurrentIndex(15);
    QCOMPARE(dialog.fieldSelection().tyrePattern(), QStringLiteral("1000"));

    // A pattern with an item: the combo has its 15 items only.
    dialog.load(withBits({0, 93, 94}), QStringLiteral("DF_VELA"), false);
    QCOMPARE(tyres->count(), 15);
    QCOMPARE(tyres->currentIndex(), 2);
}

void tst_FieldDialogs::unknownFormatIsKept()
{
    ORV_FormSetVela2 dialog;
    dialog.load(kDefault, QStringLiteral("DF_NEXT"), false);
    QComboBox *format = combo(&dialog, "comboBox_FlashFormat");
    QCOMPARE(format->count(), 3);
    QCOMPARE(format->currentIndex(), 2);
    box(&dialog, QStringLiteral("Altitude"))->click();
    QTest::mousePress(button(&dialog, "pushButton_Ok"), Qt::LeftButton);
    QCOMPARE(dialog.formatCode(), QStringLiteral("DF_NEXT"));

    format->setCurrentIndex(1);
    format->setCurrentIndex(2);
    QCOMPARE(dialog.fieldSelection().formatCode(), QStringLiteral("DF_NEXT"));
}

void tst_FieldDialogs::okAndCancel()
{
    ORV_FormSetVela2 dialog;
    dialog.load(kDefault, QStringLiteral("DEFAULT"), true);
    QVERIFY(box(&dialog, QStringLiteral("Diagnostic"))->isChecked());
    box(&dialog, QStringLiteral("Altitude"))->click();
    combo(&dialog, "comboBox_FlashFormat")->setCurrentIndex(1);
    box(&dialog, QStringLiteral("Diagnostic"))->click();
    QTest::mousePress(button(&dialog, "pushButton_Cancel"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(dialog.selection(), kDefault);
    QCOMPARE(dialog.formatCode(), QStringLiteral("DEFAULT"));
    QCOMPARE(dialog.diagnostic(), true);

    QTest::mousePress(button(&dialog, "pushButton_Ok"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.selection(), withBits({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 18, 19, 28, 36}));
    QCOMPARE(dialog.formatCode(), QStringLiteral("DF_VELA"));
    QCOMPARE(dialog.diagnostic(), false);
}

void tst_FieldDialogs::resetRestoresTheDefault()
{
    ORV_FormSetVela2 dialog;
    dialog.load(QString(122, u'1'), QStringLiteral("DF_VELA"), true);
    QVERIFY(!button(&dialog, "pushButton_Ok")->isEnabled());
    QTest::mousePress(button(&dialog, "pushButton_Reset"), Qt::LeftButton);
    QCOMPARE(dialog.fieldSelection().text(), kDefault);
    QCOMPARE(combo(&dialog, "comboBox_FlashFormat")->currentIndex(), 0);
    QCOMPARE(combo(&dialog, "comboBox_Tires")->currentIndex(), 0);
    QVERIFY(!box(&dialog, QStringLiteral("Diagnostic"))->isChecked());
    QVERIFY(!box(&dialog, QStringLiteral("CameraState"))->isEnabled());
    QCOMPARE(sizeText(&dialog), QStringLiteral("46"));
    QVERIFY(button(&dialog, "pushButton_Ok")->isEnabled());
    // Nothing is handed back before OK.
    QCOMPARE(dialog.selection(), QString(122, u'1'));
}

void tst_FieldDialogs::helpOpensAndCloses()
{
    ORV_FormSetVela2 dialog;
    dialog.show();
    QTest::mousePress(button(&dialog, "pushButton_Help"), Qt::LeftButton);
    auto *help = dialog.findChild<ORV_FormSetVela2Help *>();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    for (int key = 1225; key <= 1232; ++key) {
        bool found = false;
        for (const QLabel *label : help->findChildren<QLabel *>())
            found = found || label->text() == QStringLiteral("K4810_%1").arg(key);
        QVERIFY2(found, qPrintable(QString::number(key)));
    }
    QTest::mousePress(help->findChild<QPushButton *>(QStringLiteral("pushButton")), Qt::LeftButton);
    QVERIFY(!help->isVisible());
}

void tst_FieldDialogs::firstGenerationDialog()
{
    ORV_FormSettingsVELA dialog;
    const QList<QCheckBox *> boxes = dialog.findChildren<QCheckBox *>(QRegularExpression(QStringLiteral("^checkBox_")));
    QCOMPARE(boxes.size(), 51);
    QVERIFY(box(&dialog, QStringLiteral("StateU_Ain1")));
    QVERIFY(!box(&dialog, QStringLiteral("Module_2")));

    // Module2 (bit 5) has no box here: it stays as loaded.
    QString loaded = kDefault.left(69);
    dialog.load(loaded);
    QCOMPARE(sizeText(&dialog), QStringLiteral("46"));
    box(&dialog, QStringLiteral("Temp1"))->click();
    QTest::mousePress(dialog.findChild<QPushButton *>(QStringLiteral("pushButton_Ok")), Qt::LeftButton);
    QString expected = loaded;
    expected[44] = u'1';
    QCOMPARE(dialog.selection(), expected);
    QCOMPARE(dialog.selection().size(), 69);

    // A short string is padded to 69.
    dialog.load(QStringLiteral("1"));
    QCOMPARE(dialog.selection(), QStringLiteral("1") + QString(68, u'0'));
    QCOMPARE(sizeText(&dialog), QStringLiteral("4"));
}

QTEST_MAIN(tst_FieldDialogs)
#include "tst_fielddialogs.moc"
