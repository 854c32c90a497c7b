// The settings editor's help for people who configure many trackers: the
// changed-value marks and list, resets, search, the comparison with the
// tracker's reading before a write, the unsaved-changes question and the
// wheel guard.

#include "core/orv_device_k4810.h"
#include "core/orvmessages.h"
#include "settings/editor/orv_formsettingschanges.h"
#include "settings/editor/orv_formsettingscompare.h"
#include "settings/editor/orv_formxml_k4810.h"
#include "settings/editor/settingsmarks.h"
#include "settings/model/settingschanges.h"
#include "settings/model/settingsmodel.h"
#include "settings/pages/orv_settingspage.h"
#include "settings/pages/settingsbinder.h"
#include "tests/support/keytexts.h"
#include "tests/support/testfiles.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

namespace {

int g_blocks = 0;

int32_t host(uint32_t, uint32_t msgId, intptr_t, intptr_t)
{
    if (msgId == OrvMsg::SettingsBlock)
        ++g_blocks;
    return 0;
}

intptr_t addr(const void *p)
{
    return reinterpret_cast<intptr_t>(p);
}

const QString kTrack = QStringLiteral("TRACK");
const QString kHdop = QStringLiteral("GPSmaxHDOP");

} // namespace

class tst_SettingsReview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void marksFollowTheModel();
    void marksOfOneCharacter();
    void changesViewListsAndReverts();
    void resetPageAndAll();
    void searchOpensTheControl();
    void wheelNeedsFocus();
    void writeShowsTheDifferencesFirst();
    void differencesBoxAsTheUserSeesIt();
    void compareWithAnotherFile();
    void unsavedChangesQuestion_data();
    void unsavedChangesQuestion();
    void closingWithUnsavedChanges();

private:
    void deliver(uint32_t msgId, intptr_t p1 = 0, intptr_t p2 = 0)
    {
        m_device->receive(m_device->handle(), msgId, p1, p2);
    }
    void attach(const QString &id = QStringLiteral("356000000000001"))
    {
        const QString model = QStringLiteral("K-4810");
        deliver(OrvMsg::TrackerAttached, addr(&model), addr(&id));
    }
    void readFromTracker(const QString &path)
    {
        const int32_t modes[2] = {0, 0};
        deliver(OrvMsg::OpenSettingsFile, addr(&path), addr(modes));
    }
    QDoubleSpinBox *hdopBox() const
    {
        const QList<QWidget *> w = m_editor->marks()->widgetsOf(kTrack, kHdop);
        return w.isEmpty() ? nullptr : qobject_cast<QDoubleSpinBox *>(w.first());
    }

    std::unique_ptr<ORV_Device_K4810> m_device;
    orv_FormXml_K4810 *m_editor = nullptr;
    QTemporaryDir m_dir;
    QString m_full;
    QStringList m_questions;
};

void tst_SettingsReview::initTestCase()
{
    KeyTexts::installEnglish();
    m_full = m_dir.filePath(QStringLiteral("full.xml"));
    QVERIFY(QFile::copy(QStringLiteral(K4810_SOURCE_DIR "/tests/settings/data/full.xml"), m_full));
}

void tst_SettingsReview::init()
{
    g_blocks = 0;
    m_questions.clear();
    m_device = std::make_unique<ORV_Device_K4810>(QStringLiteral("K-4810"), 2, 7, 3, 6);
    m_device->initialize(host);
    m_editor = m_device->ensureSettingsWindow();
    m_editor->setQuestion([this](const QString &title, const QString &text, const QString &, const QString &) {
        m_questions << title + QLatin1Char('|') + text;
        return true;
    });
    m_editor->setNotifier([](const QString &, const QString &) {});
    m_editor->setUnsavedChoice([](int) { return orv_FormXml_K4810::UnsavedAnswer::Discard; });
    QCOMPARE(m_editor->openSettingsFile(m_full, 0), 0);
}

void tst_SettingsReview::cleanup()
{
    m_device.reset();
}

void tst_SettingsReview::marksFollowTheModel()
{
    QDoubleSpinBox *box = hdopBox();
    QVERIFY(box);
    SettingsMarks *marks = m_editor->marks();
    const QString loaded = box->text();
    const QString ownTip = box->toolTip();
    QVERIFY(!marks->isMarked(box));

    // The user's change: marked, the loaded value in the tool tip.
    box->setValue(box->value() + 1.0);
    QVERIFY(m_editor->model()->isChanged(kTrack, kHdop));
    QVERIFY(marks->isMarked(box));
    QVERIFY2(box->toolTip().contains(QStringLiteral("Loaded value: ") + loaded), qPrintable(box->toolTip()));

    // Reverted from its context menu: unmarked, the tool tip its own again.
    std::unique_ptr<QMenu> menu(marks->contextMenu(box));
    QAction *revert = menu->findChild<QAction *>(QStringLiteral("action_RevertSetting"));
    QVERIFY(revert && revert->isEnabled());
    revert->trigger();
    QCOMPARE(box->text(), loaded);
    QVERIFY(!marks->isMarked(box));
    QCOMPARE(box->toolTip(), ownTip);

    // Reset to the default: marked (the file held another value).
    menu.reset(marks->contextMenu(box));
    QAction *reset = menu->findChild<QAction *>(QStringLiteral("action_ResetSetting"));
    QVERIFY(reset && reset->isEnabled());
    reset->trigger();
    QCOMPARE(m_editor->model()->text(kTrack, kHdop), m_editor->model()->defaultText(kTrack, kHdop));
    QVERIFY(marks->isMarked(box));
    menu.reset(marks->contextMenu(box));
    QVERIFY(!menu->findChild<QAction *>(QStringLiteral("action_ResetSetting"))->isEnabled());

    // A new file: nothing is marked.
    QCOMPARE(m_editor->openSettingsFile(m_full, 0), 0);
    QVERIFY(!marks->isMarked(box));
}

void tst_SettingsReview::marksOfOneCharacter()
{
    // Controls that stand for one character of a value: only the one changed is marked.
    SettingsMarks *marks = m_editor->marks();
    for (int position = 0; position < orv_FormXml_K4810::PageCount; ++position) {
        ORV_SettingsPage *page = m_editor->page(position);
        if (!page || !page->binder())
            continue;
        const QList<SettingsBinder::Bound> bound = page->binder()->bound();
        for (const SettingsBinder::Bound &a : bound) {
            if (a.index < 0 || !a.widget->isEnabled())
                continue;
            for (const SettingsBinder::Bound &b : bound) {
                if (b.widget == a.widget || b.path != a.path || b.section != a.section || b.index == a.index)
                    continue;
                SettingsModel *model = m_editor->model();
                const QChar was = model->character(a.section, a.path, a.index);
                model->setCharacter(a.section, a.path, a.index, was == QLatin1Char('1') ? '0' : '1');
                QVERIFY(marks->isMarked(a.widget));
                QVERIFY2(!marks->isMarked(b.widget), qPrintable(a.path));
                model->setCharacter(a.section, a.path, a.index, was);
                QVERIFY(!marks->isMarked(a.widget));
                return;
            }
        }
    }
    QSKIP("no page shows characters of one value in two controls");
}

void tst_SettingsReview::changesViewListsAndReverts()
{
    SettingsModel *model = m_editor->model();
    QVERIFY(model->setValue(kTrack, kHdop, 9.5));
    QVERIFY(model->setText(QStringLiteral("TRANSFER"), QStringLiteral("GPRSopAPN"), QStringLiteral("internet.tele2.ru")));
    ORV_FormSettingsChanges *view = m_editor->showChanges();
    QVERIFY(view->isVisible());
    QCOMPARE(view->rows(), (QStringList{QStringLiteral("TRANSFER/GPRSopAPN"), QStringLiteral("TRACK/GPSmaxHDOP")}));
    // Page, label, old and new values as the page shows them.
    QTableWidget *t = view->table();
    QCOMPARE(t->item(1, 0)->text(), QStringLiteral("Track"));
    QCOMPARE(t->item(0, 2)->text(), QStringLiteral("internet.mts.ru"));
    QCOMPARE(t->item(0, 3)->text(), QStringLiteral("internet.tele2.ru"));

    // The list follows the model.
    QVERIFY(model->setValue(QStringLiteral("SYSTEM"), QStringLiteral("timeZone"), 11));
    QTRY_COMPARE(view->rows().size(), 3);

    // Revert the selected row, then all.
    t->selectRow(int(view->rows().indexOf(QStringLiteral("SYSTEM/timeZone"))));
    view->slot_pressed_pushButton_Revert();
    QCOMPARE(model->text(QStringLiteral("SYSTEM"), QStringLiteral("timeZone")),
             model->loadedText(QStringLiteral("SYSTEM"), QStringLiteral("timeZone")));
    QCOMPARE(view->rows().size(), 2);
    view->slot_pressed_pushButton_RevertAll();
    QVERIFY(view->rows().isEmpty());
    QCOMPARE(SettingsChanges::count(*model), 0);
    QVERIFY(!m_editor->marks()->isMarked(hdopBox()));
}

void tst_SettingsReview::resetPageAndAll()
{
    SettingsModel *model = m_editor->model();
    const QString zone = model->text(QStringLiteral("SYSTEM"), QStringLiteral("timeZone"));
    QVERIFY(m_editor->resetPageToDefaults(orv_FormXml_K4810::PageTrack));
    QCOMPARE(m_questions.size(), 1); // asked first
    QCOMPARE(model->text(kTrack, kHdop), model->defaultText(kTrack, kHdop));
    QCOMPARE(model->text(QStringLiteral("SYSTEM"), QStringLiteral("timeZone")), zone);
    QVERIFY(m_editor->marks()->isMarked(hdopBox()));
    const int trackChanges = SettingsChanges::count(*model);
    QVERIFY(trackChanges > 1);
    for (const SettingsChanges::Change &c : SettingsChanges::list(*model))
        QCOMPARE(c.section, kTrack);

    QVERIFY(!m_editor->resetPageToDefaults(orv_FormXml_K4810::PageInfo, false)); // no values
    QVERIFY(m_editor->resetAllToDefaults(false));
    QVERIFY(SettingsChanges::count(*model) > trackChanges);
    QCOMPARE(model->text(QStringLiteral("SYSTEM"), QStringLiteral("timeZone")),
             model->defaultText(QStringLiteral("SYSTEM"), QStringLiteral("timeZone")));
}

void tst_SettingsReview::searchOpensTheControl()
{
    m_editor->show();
    QApplication::setActiveWindow(m_editor);
    QVERIFY(QTest::qWaitForWindowExposed(m_editor));
    auto *field = m_editor->findChild<QLineEdit *>(QStringLiteral("lineEdit_Search"));
    auto *results = m_editor->findChild<QListWidget *>(QStringLiteral("listWidget_SearchResults"));
    QVERIFY(field && results);
    QVERIFY(!results->isVisible());

    field->setText(QStringLiteral("gpsmaxhdop"));
    QVERIFY(results->isVisible());
    QVERIFY(results->count() >= 1);
    QVERIFY2(results->item(0)->text().startsWith(QStringLiteral("Track › ")), qPrintable(results->item(0)->text()));
    results->itemActivated(results->item(0));
    ORV_SettingsPage *track = m_editor->page(orv_FormXml_K4810::PageTrack);
    QCOMPARE(m_editor->currentPage(), track);
    QDoubleSpinBox *box = hdopBox();
    QVERIFY(box->property("settingsFound").toBool());
    // With K4810_SCREENSHOT_DIR set: the editor at 1366 x 768 with a search
    // under way and a changed value marked.
    if (const QString dir = qEnvironmentVariable("K4810_SCREENSHOT_DIR"); !dir.isEmpty()) {
        m_editor->resize(1366, 740);
        m_editor->model()->setValue(kTrack, QStringLiteral("GPStimeForWriteTelemetry"), 45);
        field->setText(QStringLiteral("every"));
        QTest::qWait(50);
        QVERIFY(m_editor->grab().save(dir + QStringLiteral("/settings_search.png")));
        field->setText(QStringLiteral("gpsmaxhdop"));
    }
    QTRY_VERIFY(!box->property("settingsFound").toBool()); // the highlight fades

    // A caption the page shows, not the catalogue: the label before a transfer field.
    const QString caption = m_editor->marks()->caption(QStringLiteral("TRANSFER"), QStringLiteral("GPRSopAPN"));
    QVERIFY(!caption.isEmpty());
    const QList<SettingsSearch::Hit> hits = m_editor->findSettings(caption);
    QVERIFY(!hits.isEmpty());
    QCOMPARE(hits.first().section + QLatin1Char('/') + hits.first().path, QStringLiteral("TRANSFER/GPRSopAPN"));

    // Nothing found says so.
    field->setText(QStringLiteral("qqqxxyy"));
    QCOMPARE(results->count(), 1);
    QCOMPARE(results->item(0)->flags(), Qt::NoItemFlags);
    field->clear();
    QVERIFY(!results->isVisible());
}

void tst_SettingsReview::wheelNeedsFocus()
{
    m_editor->show();
    QApplication::setActiveWindow(m_editor);
    QVERIFY(QTest::qWaitForWindowExposed(m_editor));
    m_editor->setCurrentTab(m_editor->page(orv_FormXml_K4810::PageTrack)->tabIndex());
    QDoubleSpinBox *box = hdopBox();
    box->setEnabled(true);
    QCOMPARE(box->focusPolicy(), Qt::StrongFocus);
    const double before = box->value();
    auto wheel = [box] {
        QWheelEvent e(QPointF(5, 5), box->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(box, &e);
    };
    wheel();
    QCOMPARE(box->value(), before);
    QVERIFY(!m_editor->model()->isChanged(kTrack, kHdop));
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    wheel();
    QVERIFY(box->value() > before);
}

void tst_SettingsReview::writeShowsTheDifferencesFirst()
{
    QList<SettingsDifference> seen;
    bool haveReading = false;
    bool answer = false;
    m_editor->setWriteCheck([&](const QList<SettingsDifference> &d, bool have) {
        seen = d;
        haveReading = have;
        return answer;
    });

    // Online, read from the tracker: the reading.
    attach();
    readFromTracker(m_full);
    QVERIFY(m_editor->trackerReading());
    SettingsModel *model = m_editor->model();
    QVERIFY(model->setValue(kTrack, kHdop, 9.5));
    QVERIFY(model->setText(QStringLiteral("TRANSFER"), QStringLiteral("GPRSopAPN"), QStringLiteral("internet.tele2.ru")));

    // Declined: nothing is sent.
    m_editor->loadToDevice(false);
    QVERIFY(haveReading);
    QStringList keys;
    for (const SettingsDifference &d : seen)
        keys << d.section + QLatin1Char('/') + d.path;
    keys.sort();
    QCOMPARE(keys, (QStringList{QStringLiteral("TRACK/GPSmaxHDOP"), QStringLiteral("TRANSFER/GPRSopAPN")}));
    QCOMPARE(g_blocks, 0);
    QVERIFY(!m_editor->isWriting());

    // Confirmed: the write begins.
    answer = true;
    m_editor->loadToDevice(false);
    QVERIFY(g_blocks >= 1);
    m_editor->setOnline(false); // ends it

    // Another tracker: no reading of it to compare with.
    attach(QStringLiteral("356000000000999"));
    QVERIFY(!m_editor->trackerReading());
    answer = false;
    m_editor->loadToDevice(false);
    QVERIFY(!haveReading);
    QVERIFY(seen.isEmpty());

    // A file opened offline is no reading of a tracker.
    m_editor->setWriteCheck(nullptr);
    deliver(OrvMsg::TrackerDetached);
    readFromTracker(m_full);
    attach(QStringLiteral("356000000000999"));
    QVERIFY(!m_editor->trackerReading());
}

void tst_SettingsReview::differencesBoxAsTheUserSeesIt()
{
    attach();
    readFromTracker(m_full);
    // Unchanged: the user is told there is no difference, and may write anyway.
    m_editor->setQuestion([this](const QString &title, const QString &text, const QString &, const QString &) {
        m_questions << title + QLatin1Char('|') + text;
        return false;
    });
    QVERIFY(!m_editor->confirmDifferences());
    QCOMPARE(m_questions.size(), 1);
    QVERIFY2(m_questions.first().contains(QStringLiteral("same as those last read")), qPrintable(m_questions.first()));

    // Changed: the table, in the box the user answers.
    m_editor->setQuestion(nullptr);
    m_editor->model()->setValue(kTrack, kHdop, 9.5);
    QStringList rows;
    QTimer::singleShot(0, this, [&rows] {
        auto *box = qobject_cast<ORV_FormSettingsCompare *>(QApplication::activeModalWidget());
        QVERIFY(box);
        QTableWidget *t = box->table();
        for (int r = 0; r < t->rowCount(); ++r)
            rows << QStringList{t->item(r, 0)->text(), t->item(r, 2)->text(), t->item(r, 3)->text()}.join('|');
        QCOMPARE(t->horizontalHeaderItem(2)->text(), QStringLiteral("In the tracker"));
        box->acceptButton()->click();
    });
    QVERIFY(m_editor->confirmDifferences());
    QCOMPARE(rows.size(), 1);
    QVERIFY2(rows.first().startsWith(QStringLiteral("Track|")) && rows.first().endsWith(QStringLiteral("|9.5")),
             qPrintable(rows.first()));
}

void tst_SettingsReview::compareWithAnotherFile()
{
    SettingsModel other;
    QVERIFY(other.open(m_full));
    other.setText(QStringLiteral("TRANSFER"), QStringLiteral("GPRSopAPN"), QStringLiteral("internet.tele2.ru"));
    const QString path = m_dir.filePath(QStringLiteral("other.xml"));
    QVERIFY(other.saveAs(path));
    QVERIFY(m_editor->compareWithFile(path));
    ORV_FormSettingsCompare *view = m_editor->compareView();
    QVERIFY(view && view->isVisible());
    QCOMPARE(view->table()->rowCount(), 1);
    QCOMPARE(view->table()->item(0, 2)->text(), QStringLiteral("internet.mts.ru"));
    QCOMPARE(view->table()->item(0, 3)->text(), QStringLiteral("internet.tele2.ru"));
    QVERIFY(!view->acceptButton()); // nothing to write from here
    QVERIFY(!m_editor->compareWithFile(m_dir.filePath(QStringLiteral("missing.xml"))));
}

void tst_SettingsReview::unsavedChangesQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("opened");
    QTest::newRow("save") << int(orv_FormXml_K4810::UnsavedAnswer::Save) << true;
    QTest::newRow("discard") << int(orv_FormXml_K4810::UnsavedAnswer::Discard) << true;
    QTest::newRow("cancel") << int(orv_FormXml_K4810::UnsavedAnswer::Cancel) << false;
}

void tst_SettingsReview::unsavedChangesQuestion()
{
    QFETCH(int, answer);
    QFETCH(bool, opened);
    int asked = 0;
    m_editor->setUnsavedChoice([&](int changed) {
        ++asked;
        [&] { QCOMPARE(changed, 1); }();
        return orv_FormXml_K4810::UnsavedAnswer(answer);
    });
    const QString saved = m_dir.filePath(QStringLiteral("saved.xml"));
    QFile::remove(saved);
    m_editor->setSaveFileChooser([&](const QString &, const QString &, const QString &) { return saved; });

    // Nothing changed: no question.
    readFromTracker(m_full);
    QCOMPARE(asked, 0);

    m_editor->model()->setValue(kTrack, kHdop, 9.5);
    QVERIFY(m_editor->hasUnsavedChanges());
    readFromTracker(m_full);
    QCOMPARE(asked, 1);
    QCOMPARE(m_editor->model()->isChanged(kTrack, kHdop), !opened);
    QVERIFY(m_editor->isVisible());
    if (answer == int(orv_FormXml_K4810::UnsavedAnswer::Save)) {
        SettingsModel file;
        QVERIFY(file.open(saved));
        QCOMPARE(file.text(kTrack, kHdop), QStringLiteral("9.5"));
    }
    // A saved change is no longer unsaved.
    m_editor->model()->setValue(kTrack, kHdop, 8.5);
    m_editor->setSaveFileChooser([&](const QString &, const QString &, const QString &) { return saved; });
    m_editor->slot_pressed_pushButton_SaveToFile();
    QVERIFY(!m_editor->hasUnsavedChanges());
}

void tst_SettingsReview::closingWithUnsavedChanges()
{
    int asked = 0;
    auto answer = orv_FormXml_K4810::UnsavedAnswer::Cancel;
    m_editor->setUnsavedChoice([&](int) {
        ++asked;
        return answer;
    });
    m_editor->show();
    m_editor->model()->setValue(kTrack, kHdop, 9.5);
    m_editor->slot_pressed_pushButton_Close();
    QVERIFY(m_editor->isVisible());
    m_editor->reject(); // Escape
    QVERIFY(m_editor->isVisible());
    QCOMPARE(asked, 2);
    answer = orv_FormXml_K4810::UnsavedAnswer::Discard;
    m_editor->slot_pressed_pushButton_Close();
    QVERIFY(!m_editor->isVisible());
    QCOMPARE(asked, 3);
    // Discarded: shown again and closed, no question.
    m_editor->show();
    m_editor->slot_pressed_pushButton_Close();
    QCOMPARE(asked, 3);
}

QTEST_MAIN(tst_SettingsReview)
#include "tst_settingsreview.moc"
