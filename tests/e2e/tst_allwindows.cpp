// Every window of the plug-in, opened through its exports with the simulated
// tracker on a 1366 x 768 screen, in one language (K4810_LANGUAGE: en or ru;
// CTest runs the suite once per language, since the plug-in makes each
// window once and keeps it):
//  - no visible text is a raw text key;
//  - the English interface shows no Russian text, the Russian one no English
//    text of the catalogues that has a Russian one;
//  - no window is larger than the screen less its task bar;
//  - no label or button text is cut without a tool tip that holds it.
// Every tab of every tab widget is visited; the dialogs the windows open
// from their buttons are checked as they open, modal ones too.
//
// Texts from the tracker's settings file (sensor names and the like) are
// data and may be in any language.

#include "host/hosttranslator.h"
#include "host/pluginhost.h"
#include "host/simulator/services/settings/settingsservice.h"
#include "host/simulator/simulatedtracker.h"
#include "tests/support/uiautomation.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDirIterator>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QXmlStreamReader>

using namespace UiAutomation;

namespace {

// A 1366 x 768 screen with a 40-pixel task bar; a window's title bar adds
// about 30 pixels the offscreen platform does not draw.
constexpr int kScreenWidth = 1366;
constexpr int kScreenHeight = 768;
constexpr int kTaskBar = 40;
constexpr int kTitleBar = 30;

bool hasCyrillic(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF)
            return true;
    }
    return false;
}

QString plain(const QString &text)
{
    if (Qt::mightBeRichText(text)) {
        QTextDocument doc;
        doc.setHtml(text);
        return doc.toPlainText();
    }
    return text;
}

// What a text is compared as: no mnemonic, no colon or dots at the end.
QString normalised(QString text)
{
    text = plain(text);
    text.remove(QLatin1Char('&'));
    text = text.simplified();
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QLatin1Char('.')) || text.endsWith(QChar(0x2026)))
        text.chop(1);
    return text.trimmed();
}

struct CatalogueTexts
{
    QSet<QString> englishOnly; // English texts whose Russian text differs
    QStringList loadErrors;
};

CatalogueTexts readCatalogues()
{
    // source -> text, per language (keys: context-free; others by context).
    QHash<QString, QString> en, ru;
    const QDir i18n(QStringLiteral(K4810_SOURCE_DIR "/host/i18n"));
    CatalogueTexts result;
    for (const QString &name : i18n.entryList({QStringLiteral("*.ts")}, QDir::Files, QDir::Name)) {
        const bool english = name.endsWith(QLatin1String("_en.ts"));
        QFile f(i18n.filePath(name));
        if (!f.open(QIODevice::ReadOnly)) {
            result.loadErrors << name;
            continue;
        }
        QXmlStreamReader xml(&f);
        QString context, source;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("name"))
                context = xml.readElementText();
            else if (xml.name() == QLatin1String("source"))
                source = xml.readElementText();
            else if (xml.name() == QLatin1String("translation")) {
                const QString text = xml.readElementText();
                if (name.startsWith(QLatin1String("host_")))
                    continue; // the host's own window is not the plug-in's
                const QString id = context + QLatin1Char('\n') + source;
                (english ? en : ru).insert(id, text);
            }
        }
    }
    QSet<QString> russianTexts;
    for (const QString &t : std::as_const(ru))
        russianTexts.insert(normalised(t));
    for (auto it = en.cbegin(); it != en.cend(); ++it) {
        const QString text = normalised(it.value());
        // Short texts ("GPS", "CAN", "OK", units) read the same in both.
        static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
        if (!word.match(text).hasMatch() || text.size() < 4)
            continue;
        if (!ru.contains(it.key()) || normalised(ru.value(it.key())) != text) {
            if (!russianTexts.contains(text))
                result.englishOnly.insert(text);
        }
    }
    return result;
}

} // namespace

class tst_AllWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windows_data();
    void windows();
    void cleanupTestCase();

private:
    QString m_language;
    QTemporaryDir m_dir;
    HostTranslator m_translator;
    CatalogueTexts m_texts;
    QSet<QString> m_data; // texts of the settings file
    std::unique_ptr<PluginHost> m_host;
    std::unique_ptr<SimulatedTracker> m_tracker;
    SettingsService *m_settings = nullptr;
    QString m_settingsFile;
    QStringList m_problems;
    QSet<QWidget *> m_checkedDialogs;
    int m_textsChecked = 0;
    QString m_step;
    QTimer m_modalWatcher;
    QSet<QWidget *> m_seenModal;
    void checkModal();
    QStringList m_visited; // windows and tabs

    void checkWindow(QWidget *window, const QString &where);
    void checkText(QWidget *widget, const QString &text, const QString &where, const char *what);
    void checkEveryTab(QWidget *window, const QString &where);
    void checkNewWindows(const QString &where);
    void pressAndCheck(QWidget *window, const QString &button, const QString &where);
    QString describe(QWidget *w) const;
};

void tst_AllWindows::initTestCase()
{
    m_language = qEnvironmentVariable("K4810_LANGUAGE", QStringLiteral("en"));
    QVERIFY(m_language == QLatin1String("en") || m_language == QLatin1String("ru"));
    QScreen *screen = QGuiApplication::primaryScreen();
    QVERIFY(screen);
    QCOMPARE(screen->geometry().size(), QSize(kScreenWidth, kScreenHeight));

    QVERIFY(m_translator.loadLanguage(m_language, QStringLiteral(K4810_BINARY_DIR "/host")));
    QCoreApplication::installTranslator(&m_translator);
    m_texts = readCatalogues();
    QVERIFY2(m_texts.loadErrors.isEmpty(), qPrintable(m_texts.loadErrors.join(", ")));

    m_host = std::make_unique<PluginHost>();
    QVERIFY2(m_host->load(qEnvironmentVariable("K4810_PLUGIN")), qPrintable(m_host->errorString()));
    QDir().mkpath(m_dir.filePath(QStringLiteral("data")));
    QDir().mkpath(m_dir.filePath(QStringLiteral("settings")));
    m_host->sendEnvironment({m_dir.filePath(QStringLiteral("data/")), m_dir.filePath(QStringLiteral("settings/")),
                             m_dir.filePath(QStringLiteral("transfer/")), m_dir.filePath(QStringLiteral("temp/"))},
                            0);
    m_tracker = std::make_unique<SimulatedTracker>(m_host.get());
    m_tracker->addStandardServices();
    m_settings = m_tracker->service<SettingsService>();
    QVERIFY(m_settings);
    m_tracker->attach();

    // A modal window (a question, a wait window, a dialog) is checked as
    // it opens; a question is answered yes, anything else closed.
    connect(&m_modalWatcher, &QTimer::timeout, this, &tst_AllWindows::checkModal);
    m_modalWatcher.start(30);

    // The tracker's configuration, and the texts in it, which are data.
    m_settingsFile = m_dir.filePath(QStringLiteral("settings/tracker.xml"));
    QVERIFY(m_settings->writeConfiguration(m_settingsFile));
    m_data.insert(QFileInfo(m_settingsFile).fileName()); // in the editor's title
    QFile f(m_settingsFile);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&f);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters() && hasCyrillic(xml.text().toString()))
            m_data.insert(xml.text().toString().trimmed());
        if (xml.isStartElement()) {
            for (const QXmlStreamAttribute &a : xml.attributes()) {
                if (hasCyrillic(a.value().toString()))
                    m_data.insert(a.value().toString().trimmed());
            }
        }
    }
}

void tst_AllWindows::checkModal()
{
    QWidget *m = QApplication::activeModalWidget();
    if (!m || m_seenModal.contains(m))
        return;
    m_seenModal.insert(m);
    m_checkedDialogs.insert(m);
    m_modalWatcher.stop(); // no re-entry while the modal window is looked at
    checkEveryTab(m, m_step + QStringLiteral(" > modal"));
    if (auto *box = qobject_cast<QMessageBox *>(m)) {
        QAbstractButton *yes = nullptr;
        for (QAbstractButton *b : box->buttons()) {
            const auto role = box->buttonRole(b);
            if (role == QMessageBox::AcceptRole || role == QMessageBox::YesRole)
                yes = b;
        }
        if (yes)
            yes->click();
        else
            box->reject();
    } else if (auto *d = qobject_cast<QDialog *>(m)) {
        d->reject();
    } else {
        m->close();
    }
    m_seenModal.remove(m); // the same dialog object may open again later
    m_modalWatcher.start(30);
}

QString tst_AllWindows::describe(QWidget *w) const
{
    QStringList path;
    for (QWidget *p = w; p && path.size() < 3; p = p->parentWidget())
        path.prepend(p->objectName().isEmpty() ? QString::fromLatin1(p->metaObject()->className()) : p->objectName());
    return path.join(QLatin1Char('/'));
}

void tst_AllWindows::checkText(QWidget *widget, const QString &text, const QString &where, const char *what)
{
    if (text.trimmed().isEmpty())
        return;
    ++m_textsChecked;
    const QString shown = plain(text);
    static const QRegularExpression key(QStringLiteral("K(?:4810|5127)_\\d+"));
    const auto problem = [&](const QString &kind) {
        m_problems << QStringLiteral("%1: %2 %3 of %4: \"%5\"")
                          .arg(where, kind, QLatin1String(what), describe(widget), shown.left(120));
    };
    if (key.match(shown).hasMatch()) {
        problem(QStringLiteral("raw key in"));
        return;
    }
    for (const QString &data : std::as_const(m_data)) {
        if (!data.isEmpty() && shown.contains(data))
            return;
    }
    if (m_language == QLatin1String("en")) {
        if (hasCyrillic(shown))
            problem(QStringLiteral("Russian text in"));
    } else if (!hasCyrillic(shown)) {
        // An English text of the catalogues, or any text of two English
        // words or more (Qt's own buttons, a text no catalogue holds).
        static const QRegularExpression words(QStringLiteral("\\b[A-Za-z][a-z]{2,}\\b.*\\b[a-z]{3,}\\b"));
        if (m_texts.englishOnly.contains(normalised(shown)) || words.match(shown).hasMatch())
            problem(QStringLiteral("English text in"));
    }
}

void tst_AllWindows::checkWindow(QWidget *window, const QString &where)
{
    const QString at = where + QLatin1Char(' ') + window->objectName();
    m_visited << at;
    const QSize size = window->frameGeometry().size();
    if (size.width() > kScreenWidth || size.height() + kTitleBar > kScreenHeight - kTaskBar)
        m_problems << QStringLiteral("%1: window %2x%3 larger than the screen's %4x%5 less its task bar and title bar")
                          .arg(at)
                          .arg(size.width())
                          .arg(size.height())
                          .arg(kScreenWidth)
                          .arg(kScreenHeight - kTaskBar - kTitleBar);
    checkText(window, window->windowTitle(), at, "window title");

    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (!w->isVisible() || w->window() != window)
            continue;
        const QString tip = w->toolTip();
        checkText(w, tip, at, "tool tip");
        if (auto *label = qobject_cast<QLabel *>(w)) {
            checkText(w, label->text(), at, "label");
            const QString text = plain(label->text());
            if (text.isEmpty() || label->pixmap().isNull() == false)
                continue;
            const bool cut = label->wordWrap() ? label->heightForWidth(label->contentsRect().width()) > label->contentsRect().height() + 2
                                               : label->sizeHint().width() > label->width() + 1
                                                     && label->fontMetrics().horizontalAdvance(text) > label->contentsRect().width();
            if (cut && (tip.isEmpty() || !plain(tip).contains(text.left(20))))
                m_problems << QStringLiteral("%1: label %2 cut (%3 of %4 px): \"%5\"")
                                  .arg(at, describe(w))
                                  .arg(label->contentsRect().width())
                                  .arg(label->wordWrap() ? label->heightForWidth(label->contentsRect().width()) : label->sizeHint().width())
                                  .arg(text.left(80));
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            checkText(w, button->text(), at, "button");
            if (button->text().isEmpty() || qobject_cast<QTabBar *>(w->parentWidget()))
                continue;
            const bool cut = button->sizeHint().width() > button->width() + 1;
            if (cut && tip.isEmpty())
                m_problems << QStringLiteral("%1: button %2 cut (%3 of %4 px): \"%5\"")
                                  .arg(at, describe(w))
                                  .arg(button->width())
                                  .arg(button->sizeHint().width())
                                  .arg(button->text());
        } else if (auto *group = qobject_cast<QGroupBox *>(w)) {
            checkText(w, group->title(), at, "group title");
        } else if (auto *tabs = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                checkText(w, tabs->tabText(i), at, "tab");
                checkText(w, tabs->tabToolTip(i), at, "tab tool tip");
            }
        } else if (auto *combo = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < combo->count(); ++i)
                checkText(w, combo->itemText(i), at, "combo item");
        } else if (auto *header = qobject_cast<QHeaderView *>(w)) {
            if (QAbstractItemModel *model = header->model()) {
                const int n = header->orientation() == Qt::Horizontal ? model->columnCount() : 0;
                for (int i = 0; i < n; ++i)
                    checkText(w, model->headerData(i, Qt::Horizontal).toString(), at, "column header");
            }
        }
    }
}

void tst_AllWindows::checkEveryTab(QWidget *window, const QString &where)
{
    checkWindow(window, where);
    // Each tab widget's every tab, outer ones first; a tab that opens
    // another tab widget is visited through it.
    QSet<QTabWidget *> done;
    for (bool more = true; more;) {
        more = false;
        for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
            if (done.contains(tabs) || !tabs->isVisible())
                continue;
            done.insert(tabs);
            more = true;
            const int start = tabs->currentIndex();
            for (int i = 0; i < tabs->count(); ++i) {
                if (!tabs->isTabEnabled(i))
                    continue;
                tabs->setCurrentIndex(i);
                QTest::qWait(20);
                checkWindow(window, QStringLiteral("%1, tab \"%2\"").arg(where, tabs->tabText(i)));
                // Tab widgets inside this tab.
                for (QTabWidget *inner : tabs->widget(i)->findChildren<QTabWidget *>()) {
                    if (done.contains(inner) || !inner->isVisible())
                        continue;
                    done.insert(inner);
                    for (int j = 0; j < inner->count(); ++j) {
                        if (!inner->isTabEnabled(j))
                            continue;
                        inner->setCurrentIndex(j);
                        QTest::qWait(20);
                        checkWindow(window, QStringLiteral("%1, tab \"%2\" / \"%3\"")
                                                .arg(where, tabs->tabText(i), inner->tabText(j)));
                    }
                }
                checkNewWindows(where);
            }
            tabs->setCurrentIndex(start);
            break;
        }
    }
}

// Windows a step opened besides the one it is about (a wait window, a
// message): checked, then closed.
void tst_AllWindows::checkNewWindows(const QString &where)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || m_checkedDialogs.contains(w) || !qobject_cast<QDialog *>(w))
            continue;
        if (w->parentWidget() == nullptr)
            continue; // a main window of the plug-in: its own step
        m_checkedDialogs.insert(w);
        checkWindow(w, where + QStringLiteral(" > dialog"));
    }
}

void tst_AllWindows::pressAndCheck(QWidget *window, const QString &button, const QString &where)
{
    auto *b = window->findChild<QAbstractButton *>(button);
    if (!b || !b->isVisible()) {
        m_problems << QStringLiteral("%1: button %2 not found").arg(where, button);
        return;
    }
    // Chart and summary wait for a downloaded interval: nothing to open yet.
    if (!b->isEnabled()) {
        qInfo().noquote() << where << button << "is disabled: not opened";
        return;
    }
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    const QSet<QWidget *> before(topLevels.cbegin(), topLevels.cend());
    emit b->pressed();
    QTest::qWait(button == QLatin1String("BtnGetBalance") ? 3000 : 300);
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (before.contains(w) || !w->isVisible() || m_checkedDialogs.contains(w))
            continue;
        m_checkedDialogs.insert(w);
        checkEveryTab(w, where + QStringLiteral(" > ") + button);
        w->close();
    }
}

void tst_AllWindows::windows_data()
{
    QTest::addColumn<QString>("step");
    QTest::newRow("settings editor") << "editor";
    QTest::newRow("settings editor, light form") << "light";
    QTest::newRow("telemetry window") << "telemetry";
    QTest::newRow("log viewer, page form") << "viewpage";
    QTest::newRow("log viewer, table form") << "viewtable";
}

void tst_AllWindows::windows()
{
    QFETCH(QString, step);
    m_problems.clear();
    m_step = step;
    QWidget *window = nullptr;
    QStringList buttons;
    if (step == QLatin1String("editor") || step == QLatin1String("light")) {
        const int view = step == QLatin1String("light") ? 1 : 0;
        // The light form asks before it switches: the watcher says yes.
        m_host->deliverTextAndInts(2023, m_settingsFile, 0, view);
        QTest::qWait(200);
        window = topLevel(QStringLiteral("orv_FormXml_K4810"));
        if (view == 0)
            buttons = QStringList{QStringLiteral("pushButton_RListOperSim1"), QStringLiteral("pushButton_FormatSettingsVela")};
    } else if (step == QLatin1String("telemetry")) {
        m_host->deliverText(2019, m_settingsFile, 0);
        QTest::qWait(300);
        window = topLevel(QStringLiteral("orv_FormTmi_K4810"));
        // A page read, so that its values show.
        if (auto *current = window ? window->findChild<QAbstractButton *>(QStringLiteral("BtnGetCurrent")) : nullptr) {
            emit current->pressed();
            QTest::qWait(500);
        }
        // The balance last: its wait window holds the other buttons.
        buttons = QStringList{QStringLiteral("BtnRun"),    QStringLiteral("Btn_FuelSensor"), QStringLiteral("Btn_Taho"),
                              QStringLiteral("Btn_Chart"), QStringLiteral("Btn_Summary"),    QStringLiteral("BtnGetBalance")};
    } else if (step == QLatin1String("viewpage")) {
        m_host->deliverPlain(2030, 0);
        QTest::qWait(100);
        window = topLevel(QStringLiteral("orv_FormTmiViewPage"));
    } else {
        m_host->deliverPlain(2037, 1);
        QTest::qWait(100);
        window = topLevel(QStringLiteral("orv_FormTmiViewTable"));
    }
    QVERIFY2(window && window->isVisible(), qPrintable(step + QStringLiteral(": no window")));
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTest::qWait(100);
    checkEveryTab(window, step);
    checkNewWindows(step);
    // The windows opened from this one.
    for (const QString &button : std::as_const(buttons)) {
        // The button may sit on any tab.
        for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (tabs->widget(i)->findChild<QAbstractButton *>(button))
                    tabs->setCurrentIndex(i);
            }
        }
        QTest::qWait(20);
        pressAndCheck(window, button, step);
    }
    window->close();
    QTest::qWait(50);
    m_problems.removeDuplicates();
    m_visited.removeDuplicates();
    qInfo().noquote() << QStringLiteral("%1: %2 texts checked in %3 windows and tabs:\n  %4")
                             .arg(step)
                             .arg(m_textsChecked)
                             .arg(m_visited.size())
                             .arg(m_visited.join(QStringLiteral("\n  ")));
    m_visited.clear();
    m_textsChecked = 0;
    for (const QString &p : std::as_const(m_problems))
        qWarning().noquote() << p;
    // Texts in the wrong language or raw keys, windows larger than the
    // screen and texts cut without a tool tip all fail.
    QStringList layout, texts;
    for (const QString &p : std::as_const(m_problems))
        (p.contains(QLatin1String(" cut (")) || p.contains(QLatin1String("larger than the screen")) ? layout : texts) << p;
    QVERIFY2(texts.isEmpty(), qPrintable(QStringLiteral("%1 text problems in %2 (%3); first:\n%4")
                                             .arg(texts.size())
                                             .arg(step, m_language, texts.mid(0, 25).join('\n'))));
    QVERIFY2(layout.isEmpty(), qPrintable(QStringLiteral("%1 layout problems in %2 (%3); first:\n%4")
                                              .arg(layout.size())
                                              .arg(step, m_language, layout.mid(0, 25).join('\n'))));
}

void tst_AllWindows::cleanupTestCase()
{
    m_tracker.reset();
    if (m_host)
        m_host->unload();
}

// The offscreen platform with one 1366 x 768 screen.
int main(int argc, char **argv)
{
    QTemporaryDir config;
    const QString file = config.filePath(QStringLiteral("screen.json"));
    QFile f(file);
    if (!f.open(QIODevice::WriteOnly)
        || f.write(QByteArrayLiteral("{\"screens\": [{\"name\": \"laptop\", \"x\": 0, \"y\": 0, \"width\": 1366, "
                                     "\"height\": 768, \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1}]}"))
            < 0)
        return 2;
    f.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(file));
    QApplication app(argc, argv);
    tst_AllWindows test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_allwindows.moc"
