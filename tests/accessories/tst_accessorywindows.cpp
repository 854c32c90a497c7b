// The accessory windows show their exchanges: the calibration wizard's
// screens and buttons, the key file page's rows, files and transfers.

#include "accessories/orv_formaccelcalibrmaster.h"
#include "accessories/orv_formtmfile.h"
#include "accessories/orv_formwidgettm.h"
#include "accessories/tmkeyfile.h"
#include "accessories/tmkeyfilewrite.h"
#include "tests/support/keytexts.h"
#include "tests/support/testfiles.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Sent
{
    uint32_t msgId;
    QByteArray bytes;
    QString text;
};

QByteArray status(char c)
{
    return QByteArray("*#ACCEL:G") + c;
}

} // namespace

class tst_AccessoryWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void wizardShowsItsScreens();
    void wizardEscapeCancelsLikeTheButton();
    void wizardHelpAndPictures();
    void keyRowsAreBuiltOnFirstShow();
    void loadingAFileClearsEveryRowFirst();
    void savedFileLoadsBack();
    void unwritableTemporaryDirectoryStopsTheWrite();
    void transferErrorGivesTheButtonsBack();
    void readingAKeyFillsItsRow();
    void windowsFitTheScreen();

private:
    TrackerSend sender();
    template<typename T>
    static T *child(QWidget *w, const char *name)
    {
        return w->findChild<T *>(QLatin1String(name));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    QList<Sent> m_sent;
};

void tst_AccessoryWindows::initTestCase()
{
    KeyTexts::installEnglish();
}

void tst_AccessoryWindows::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_sent.clear();
}

TrackerSend tst_AccessoryWindows::sender()
{
    return [this](uint32_t msgId, intptr_t p1, intptr_t p2) {
        Sent s{msgId, QByteArray(), QString()};
        if (msgId == 2072)
            s.text = *reinterpret_cast<const QString *>(p1);
        else if (msgId == 2127)
            s.bytes = QByteArray(reinterpret_cast<const char *>(p1), 2);
        else if (p1)
            s.bytes = QByteArray(reinterpret_cast<const char *>(p1), int(p2));
        m_sent << s;
    };
}

void tst_AccessoryWindows::wizardShowsItsScreens()
{
    ORV_FormAccelCalibrMaster master(sender(), nullptr, 60000);
    QSignalSpy active(&master, &ORV_FormAccelCalibrMaster::activeChanged);
    master.start();
    QVERIFY(master.isVisible());
    QVERIFY(master.isModal());
    QCOMPARE(active.count(), 1);
    auto *next = child<QAbstractButton>(&master, "Btn_Next");
    auto *prev = child<QAbstractButton>(&master, "Btn_Prev");
    auto *title = child<QLabel>(&master, "label_Title");
    auto *bar = child<QProgressBar>(&master, "progressBar");
    QCOMPARE(title->text(), QStringLiteral("Выбор действия"));
    QCOMPARE(next->text(), QStringLiteral("Далее"));
    QVERIFY(next->isEnabled());
    QVERIFY(!prev->isEnabled());

    child<QRadioButton>(&master, "radioButton_Check")->setChecked(true);
    emit next->pressed();
    QCOMPARE(title->text(), QStringLiteral("Проверка калибровки осей акселерометра"));
    QVERIFY(prev->isEnabled());
    emit next->pressed();
    QCOMPARE(m_sent.size(), 1);
    QCOMPARE(m_sent[0].bytes, QByteArray("G1"));
    QVERIFY(!next->isEnabled());
    QVERIFY(!prev->isEnabled());
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->maximum(), 0); // waiting for the answer

    const QByteArray one = status('1');
    QVERIFY(master.receiveAnswer(reinterpret_cast<const uchar *>(one.constData()), int(one.size())));
    QCOMPARE(title->text(), QStringLiteral("Static check"));
    QCOMPARE(bar->maximum(), 65);
    QVERIFY(prev->isEnabled());
    QCOMPARE(child<QLabel>(&master, "label_Status")->text(), QStringLiteral("команда выполнена успешно"));
    QVERIFY(child<QLabel>(&master, "label_Text")->text().contains(QStringLiteral("Для отмены калибровки нажмите кнопку \"Назад\"")));

    const QByteArray nine = status('9');
    QVERIFY(master.receiveAnswer(reinterpret_cast<const uchar *>(nine.constData()), int(nine.size())));
    QCOMPARE(title->text(), QStringLiteral("Check finished"));
    QCOMPARE(next->text(), QStringLiteral("Завершить"));
    QVERIFY(next->isEnabled());
    QVERIFY(!bar->isVisible());
    emit next->pressed();
    QVERIFY(!master.isVisible());
    QCOMPARE(master.result(), int(QDialog::Accepted));
    QCOMPARE(active.count(), 2);
    QCOMPARE(active.last().at(0).toBool(), false);
}

void tst_AccessoryWindows::wizardEscapeCancelsLikeTheButton()
{
    ORV_FormAccelCalibrMaster master(sender(), nullptr, 60000);
    master.start();
    child<QRadioButton>(&master, "radioButton_Autonomous")->setChecked(true);
    emit child<QAbstractButton>(&master, "Btn_Next")->pressed();
    emit child<QAbstractButton>(&master, "Btn_Next")->pressed();
    const QByteArray one = status('1');
    master.receiveAnswer(reinterpret_cast<const uchar *>(one.constData()), int(one.size()));
    // A step runs: Escape asks the tracker to cancel and waits for it.
    QTest::keyClick(&master, Qt::Key_Escape);
    QVERIFY(master.isVisible());
    QCOMPARE(m_sent.last().bytes, QByteArray("G2"));
    QVERIFY(!child<QAbstractButton>(&master, "Btn_Cancel")->isEnabled());
    master.receiveAnswer(reinterpret_cast<const uchar *>(one.constData()), int(one.size()));
    QVERIFY(!master.isVisible());
    QVERIFY(!master.isActive());
    // Nothing runs: Escape closes at once.
    master.start();
    QTest::keyClick(&master, Qt::Key_Escape);
    QVERIFY(!master.isVisible());
    // Detach closes a running wizard.
    master.start();
    master.detach();
    QVERIFY(!master.isVisible());
}

void tst_AccessoryWindows::wizardHelpAndPictures()
{
    ORV_FormAccelCalibrMaster master(sender(), nullptr, 60000);
    master.start();
    emit child<QAbstractButton>(&master, "Btn_Help")->pressed();
    QCOMPARE(m_sent.last().msgId, uint32_t(2072));
    QCOMPARE(m_sent.last().text, QStringLiteral("/Localization/Help/K-4810/k-4810AccelCalibr.html"));
    QVERIFY(QFileInfo::exists(QStringLiteral(K4810_SOURCE_DIR "/host") + m_sent.last().text));
    for (const char *name : {"processaccept", "success", "alert_2433", "error_6488"}) {
        const QPixmap picture(QStringLiteral(":/Img/Resources/Image/%1.png").arg(QLatin1String(name)));
        QVERIFY2(!picture.isNull(), name);
    }
    emit child<QAbstractButton>(&master, "Btn_Next")->pressed();
    emit child<QAbstractButton>(&master, "Btn_Next")->pressed();
    const QByteArray zero = status('0');
    master.receiveAnswer(reinterpret_cast<const uchar *>(zero.constData()), int(zero.size()));
    QVERIFY(!child<QLabel>(&master, "label_Picture")->pixmap().isNull());
    QVERIFY(child<QLabel>(&master, "label_Text")->text().startsWith(QStringLiteral("Калибровка акселерометра не поддерживается.")));
}

void tst_AccessoryWindows::keyRowsAreBuiltOnFirstShow()
{
    ORV_FormTMFile page(sender());
    QVERIFY(!page.rowsBuilt());
    QVERIFY(page.findChildren<ORV_FormWidgetTM *>().isEmpty());
    page.show();
    QVERIFY(page.rowsBuilt());
    const auto rows = page.findChildren<ORV_FormWidgetTM *>();
    QCOMPARE(rows.size(), TmKeyFile::KeyCount);
    QCOMPARE(page.row(0)->number(), 1);
    QCOMPARE(page.row(509)->number(), 510);
    QCOMPARE(child<QComboBox>(page.row(0), "comboBox_Mode")->count(), TmKeyFile::ModeCount);
    page.hide();
    page.show();
    QCOMPARE(page.findChildren<ORV_FormWidgetTM *>().size(), TmKeyFile::KeyCount);
}

void tst_AccessoryWindows::loadingAFileClearsEveryRowFirst()
{
    ORV_FormTMFile page(sender());
    page.show();
    for (int i = 0; i < 5; ++i) {
        page.row(i)->setCodeText(QStringLiteral("ABC%1").arg(i));
        page.row(i)->setText(QStringLiteral("driver %1").arg(i));
        page.row(i)->setMode(4);
    }
    page.row(400)->setCodeText(QStringLiteral("FFFF"));
    // Two records, the length field claiming 510.
    QByteArray file("TMK\x0A\x00\x10\x00\x00", 8);
    file += QByteArray("\x11\x00\x00\x00\x00\x00\x02\x00", 8) + QByteArray("\x22\x00\x00\x00\x00\x00\x08\x00", 8);
    const QString path = m_dir->filePath(QStringLiteral("two.tmk"));
    QVERIFY(TestFiles::write(path, file));
    QVERIFY(page.loadFile(path));
    QCOMPARE(page.row(0)->key(), (TmKeyFile::Key{0x11, 1}));
    QCOMPARE(page.row(1)->key(), (TmKeyFile::Key{0x22, 3}));
    QCOMPARE(page.row(0)->text(), QString());
    for (int i = 2; i < TmKeyFile::KeyCount; ++i) {
        QCOMPARE(page.row(i)->codeText(), QString());
        QCOMPARE(page.row(i)->text(), QString());
        QCOMPARE(page.row(i)->mode(), 0);
    }
    // A file shorter than its header: every row empty.
    const QString shortFile = m_dir->filePath(QStringLiteral("short.tmk"));
    QVERIFY(TestFiles::write(shortFile, QByteArray("TMK", 3)));
    QVERIFY(page.loadFile(shortFile));
    QCOMPARE(page.row(0)->codeText(), QString());
    // A file that is not there: a message, the rows as they were.
    page.row(0)->setCodeText(QStringLiteral("77"));
    QStringList told;
    page.setNotifier([&told](const QString &text) { told << text; });
    QVERIFY(!page.loadFile(m_dir->filePath(QStringLiteral("missing.tmk"))));
    QCOMPARE(told.size(), 1);
    QVERIFY(told.first().contains(QStringLiteral("missing.tmk")));
    QCOMPARE(page.row(0)->codeText(), QStringLiteral("77"));
}

void tst_AccessoryWindows::savedFileLoadsBack()
{
    ORV_FormTMFile page(sender());
    page.setDirectories(m_dir->path(), m_dir->filePath(QStringLiteral("temp")));
    page.show();
    page.row(0)->setCodeText(QStringLiteral("ABCDEF1"));
    page.row(0)->setMode(3);
    page.row(2)->setCodeText(QStringLiteral("5A000012A4C3"));
    QString proposed;
    const QString path = m_dir->filePath(QStringLiteral("keys.tmk"));
    page.setSaveFileChooser([&](const QString &, const QString &offered, const QString &filter) {
        proposed = offered;
        [&] { QCOMPARE(filter, QStringLiteral("*.tmk")); }();
        return path;
    });
    emit child<QAbstractButton>(&page, "BtnSaveFile")->pressed();
    QVERIFY(QFileInfo(proposed).fileName().startsWith(QLatin1String("tmkey(")));
    QCOMPARE(QFileInfo(proposed).absolutePath(), QFileInfo(m_dir->path()).absoluteFilePath());
    const QByteArray saved = TestFiles::read(path);
    QCOMPARE(saved.size(), 4096);
    QCOMPARE(saved.mid(8, 8), QByteArray("\xF1\xDE\xBC\x0A\x00\x00\x08\x00", 8));

    ORV_FormTMFile other(sender());
    QString opened;
    other.setOpenFileChooser([&](const QString &, const QString &dir, const QString &) {
        opened = dir;
        return path;
    });
    other.setDirectories(m_dir->path(), m_dir->path());
    emit child<QAbstractButton>(&other, "BtnLoadFile")->pressed();
    QCOMPARE(opened, m_dir->path());
    QCOMPARE(other.row(0)->codeText(), QStringLiteral("00000ABCDEF1"));
    QCOMPARE(other.row(0)->mode(), 3);
    QCOMPARE(other.row(2)->code(), quint64(0x5A000012A4C3));
    QCOMPARE(other.keys(), page.keys());
}

void tst_AccessoryWindows::unwritableTemporaryDirectoryStopsTheWrite()
{
    const QString blocker = m_dir->filePath(QStringLiteral("blocker"));
    QVERIFY(TestFiles::write(blocker, "x"));
    ORV_FormTMFile page(sender());
    page.setDirectories(m_dir->path(), blocker + QStringLiteral("/temp"));
    QStringList told;
    page.setNotifier([&told](const QString &text) { told << text; });
    QSignalSpy running(&page, &ORV_FormTMFile::transferRunning);
    page.show();
    emit child<QAbstractButton>(&page, "BtnSaveDevice")->pressed();
    QVERIFY(m_sent.isEmpty());
    QCOMPARE(told.size(), 1);
    QVERIFY2(told.first().contains(QStringLiteral("cannot be written")), qPrintable(told.first()));
    QVERIFY(child<QAbstractButton>(&page, "BtnSaveDevice")->isEnabled());
    QVERIFY(!page.isTransferring());
    emit child<QAbstractButton>(&page, "BtnLoadDevice")->pressed();
    QVERIFY(m_sent.isEmpty());
    QCOMPARE(told.size(), 2);
    QCOMPARE(running.count(), 4); // on and off, twice
}

void tst_AccessoryWindows::transferErrorGivesTheButtonsBack()
{
    ORV_FormTMFile page(sender());
    page.setDirectories(m_dir->path(), m_dir->path());
    QStringList told;
    page.setNotifier([&told](const QString &text) { told << text; });
    page.show();
    emit child<QAbstractButton>(&page, "BtnSaveDevice")->pressed();
    QCOMPARE(m_sent.size(), 1);
    QCOMPARE(m_sent[0].msgId, uint32_t(2113));
    QCOMPARE(m_sent[0].bytes.size(), 2 + 512);
    for (const char *name : {"BtnLoadFile", "BtnSaveFile", "BtnLoadDevice", "BtnSaveDevice"})
        QVERIFY(!child<QAbstractButton>(&page, name)->isEnabled());
    const QByteArray ack("*#TMW\x00\x00" "1", 8);
    QVERIFY(page.receiveAnswer(2114, reinterpret_cast<const uchar *>(ack.constData()), int(ack.size())));
    QCOMPARE(m_sent.size(), 2);
    const QByteArray refused("*#TMW\x01\x00" "4", 8);
    QVERIFY(page.receiveAnswer(2114, reinterpret_cast<const uchar *>(refused.constData()), int(refused.size())));
    QCOMPARE(told, QStringList{QStringLiteral("Error (Write file): 0x34")});
    for (const char *name : {"BtnLoadFile", "BtnSaveFile", "BtnLoadDevice", "BtnSaveDevice"})
        QVERIFY(child<QAbstractButton>(&page, name)->isEnabled());
    QVERIFY(QDir(m_dir->path()).entryList(QDir::Files).isEmpty());
    // A read ended by detach gives them back too.
    emit child<QAbstractButton>(&page, "BtnLoadDevice")->pressed();
    QCOMPARE(m_sent.last().msgId, uint32_t(2115));
    QCOMPARE(m_sent.last().bytes, QByteArray("\x00\x00", 2));
    QVERIFY(!child<QAbstractButton>(&page, "BtnLoadDevice")->isEnabled());
    page.detach();
    QVERIFY(child<QAbstractButton>(&page, "BtnLoadDevice")->isEnabled());
    QCOMPARE(told.size(), 2);
    QVERIFY(QDir(m_dir->path()).entryList(QDir::Files).isEmpty());
}

void tst_AccessoryWindows::readingAKeyFillsItsRow()
{
    ORV_FormTMFile page(sender());
    page.show();
    emit child<QAbstractButton>(page.row(6), "Btn_Key")->pressed();
    QCOMPARE(m_sent.size(), 1);
    QCOMPARE(m_sent[0].msgId, uint32_t(ORV_FormTMFile::ReadKeyMessage));
    page.onTouchMemoryCode(0x5A000012A4C3F101ull);
    QCOMPARE(page.row(6)->codeText(), QStringLiteral("0012A4C3F101"));
    // A code nobody asked for changes nothing.
    page.onTouchMemoryCode(0x42);
    QCOMPARE(page.row(6)->codeText(), QStringLiteral("0012A4C3F101"));
    QCOMPARE(page.row(0)->codeText(), QString());
}

void tst_AccessoryWindows::windowsFitTheScreen()
{
    ORV_FormAccelCalibrMaster master(sender());
    master.start();
    ORV_FormTMFile page(sender());
    page.show();
    for (QWidget *w : {static_cast<QWidget *>(&master), static_cast<QWidget *>(&page)}) {
        const QSize size = w->frameGeometry().size().expandedTo(w->minimumSizeHint());
        QVERIFY2(size.width() <= 1366 && size.height() <= 768, w->metaObject()->className());
    }
}

QTEST_MAIN(tst_AccessoryWindows)
#include "tst_accessorywindows.moc"
