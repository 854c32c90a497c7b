#include "settings/editor/orv_formxml_k4810.h"

#include "accessories/bluetoothsearch.h"
#include "core/formwait.h"
#include "core/libraryinfo.h"
#include "core/orv_device_k4810.h"
#include "core/orv_form_paraminfo.h"
#include "core/orv_menuaction.h"
#include "core/orv_messagebox.h"
#include "core/orvmessages.h"
#include "settings/editor/orv_formsettingschanges.h"
#include "settings/editor/orv_formsettingscompare.h"
#include "settings/editor/orv_formxml_light.h"
#include "settings/editor/settingsmarks.h"
#include "settings/editor/wheelguard.h"
#include "settings/model/settingscatalogue.h"
#include "settings/model/settingschanges.h"
#include "settings/editor/settingsblockwrite.h"
#include "settings/editor/settingspolling.h"
#include "settings/editor/trackeranswers.h"
#include "settings/model/settingskey.h"
#include "settings/pages/orv_cataloguepage.h"
#include "settings/pages/orv_settingspage.h"
#include "settings/pages/settingsbinder.h"
#include "settings/pages/settingspages.h"
#include "ui_orv_formxml_k4810.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QKeyEvent>
#include <QListWidget>
#include <QStackedWidget>
#include <QStyle>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QToolButton>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTimer>

namespace {

intptr_t addr(const void *p)
{
    return reinterpret_cast<intptr_t>(p);
}

// Values named in the question before a save, at most this many.
constexpr int kUnstorableShown = 12;

// Search results listed, at most.
constexpr int kSearchShown = 100;
// How long a control found by the search stays highlighted.
constexpr int kHighlightMs = 2000;
constexpr const char *kFoundProperty = "settingsFound";
constexpr int SectionRole = Qt::UserRole;
constexpr int PathRole = Qt::UserRole + 1;

// Changed values, and the control a search found.
const char kAssistanceStyle[] =
    "QAbstractSpinBox[settingsChanged=\"true\"], QLineEdit[settingsChanged=\"true\"],"
    " QComboBox[settingsChanged=\"true\"], QCheckBox[settingsChanged=\"true\"],"
    " QRadioButton[settingsChanged=\"true\"], QAbstractSlider[settingsChanged=\"true\"]"
    " { background-color: #ffe38a; }\n"
    "QGroupBox[settingsChanged=\"true\"]::title { background-color: #ffe38a; }\n"
    "*[settingsFound=\"true\"] { background-color: #9fd0ff; }\n";

void repolish(QWidget *w)
{
    w->style()->unpolish(w);
    w->style()->polish(w);
    w->update();
}

} // namespace

orv_FormXml_K4810::orv_FormXml_K4810(ORV_Device_K4810 *device, int writeTimeoutMs)
    : QDialog(nullptr)
    , ui(new Ui::orv_FormXml_K4810)
    , m_device(device)
    , m_model(new SettingsModel(this))
{
    auto send = [this](uint32_t msgId, intptr_t p1, intptr_t p2) -> int32_t {
        return m_device ? m_device->send(msgId, p1, p2) : 0;
    };
    m_polling = new SettingsPolling(send, this);
    m_write = new SettingsBlockWrite(send, writeTimeoutMs, this);

    ui->setupUi(this);
    m_title = windowTitle();
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    ui->stackedWidget->setCurrentWidget(ui->fullPage);

    m_menu = new QMenu(this);
    connect(m_polling->timer(), &QTimer::timeout, this, &orv_FormXml_K4810::slot_timeOut_TimerAnalog);
    connect(m_polling, &SettingsPolling::stopped, this, &orv_FormXml_K4810::onPollingStopped);
    connect(m_polling, &SettingsPolling::timedOut, this, &orv_FormXml_K4810::onRequestTimedOut);
    connect(m_write, &SettingsBlockWrite::progress, this, &orv_FormXml_K4810::onWriteProgress);
    connect(m_write, &SettingsBlockWrite::finalQuestion, this, &orv_FormXml_K4810::onWriteFinalQuestion);
    connect(m_write, &SettingsBlockWrite::finished, this, &orv_FormXml_K4810::onWriteFinished);
    connect(this, &QDialog::finished, this, &orv_FormXml_K4810::slot_finished);

    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &orv_FormXml_K4810::slot_currentChanged_TabWidget);
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &orv_FormXml_K4810::slot_indexChangeed_tabWidget);
    connect(m_menu, &QMenu::triggered, this, &orv_FormXml_K4810::slot_triggered_Menu);
    connect(ui->pushButton_SaveToFile, &QPushButton::pressed, this, &orv_FormXml_K4810::slot_pressed_pushButton_SaveToFile);
    connect(ui->pushButton_LoadToDevice, &QPushButton::pressed, this, &orv_FormXml_K4810::slot_pressed_pushButton_LoadToDevice);
    connect(ui->pushButton_First, &QPushButton::pressed, this, &orv_FormXml_K4810::slot_pressed_pushButton_First);
    connect(ui->pushButton_PrevScreen, &QPushButton::pressed, this, &orv_FormXml_K4810::slot_pressed_pushButton_PrevScreen);
    connect(ui->pushButton_NextScreen, &QPushButton::pressed, this, &orv_FormXml_K4810::slot_pressed_pushButton_NextScreen);
    connect(ui->pushButton_Last, &QPushButton::pressed, this, &orv_FormXml_K4810::slot_pressed_pushButton_Last);
    connect(ui->pushButton_Help, &QPushButton::pressed, this, &orv_FormXml_K4810::slot_pressed_pushButton_Help);
    connect(ui->pushButton_Close, &QPushButton::pressed, this, &orv_FormXml_K4810::slot_pressed_pushButton_Close);
    connect(ui->pushBtn_Full_ConfigLight, &QAbstractButton::pressed, this,
            &orv_FormXml_K4810::slot_pressed_pushBtn_Full_ConfigLight);
    // The page button lists every page, as the right mouse button does.
    connect(ui->pushButton_Unused, &QPushButton::pressed, this, [this] {
        m_menu->popup(ui->pushButton_Unused->mapToGlobal(QPoint(0, ui->pushButton_Unused->height())));
    });

    createPages();
    m_paramInfo = new ORV_Form_ParamInfo(this);

    m_lightPage = new ORV_FormXml_Light(ui->lightPage);
    ui->lightContainer->addWidget(m_lightPage, 0, 0);
    m_lightPage->setModel(m_model);
    connect(m_lightPage->saveToFileButton(), &QAbstractButton::pressed, this,
            &orv_FormXml_K4810::slot_pressed_pushBtn_Light_SaveToFile);
    connect(m_lightPage->loadToDeviceButton(), &QAbstractButton::pressed, this,
            &orv_FormXml_K4810::slot_pressed_pushBtn_Light_LoadToDevice);
    connect(m_lightPage->closeButton(), &QAbstractButton::pressed, this,
            &orv_FormXml_K4810::slot_pressed_pushBtn_Light_Close);
    connect(m_lightPage->helpButton(), &QAbstractButton::pressed, this,
            &orv_FormXml_K4810::slot_pressed_pushBtn_Light_Help);
    connect(m_lightPage->configFullButton(), &QAbstractButton::pressed, this,
            &orv_FormXml_K4810::slot_pressed_pushBtn_Light_ConfigFull);

    setupAssistance();
    updateNavigation();
    applyOnline();
}

orv_FormXml_K4810::~orv_FormXml_K4810()
{
    // Hidden while the editor is still whole: a page that is hidden ends its
    // exchange through the editor (the Bluetooth search sends its cancel),
    // which ~QDialog would otherwise make it do once the editor's own part
    // is gone.
    hide();
}

// ---------------------------------------------------------------------------
// Pages

void orv_FormXml_K4810::createPages()
{
    for (const SettingsPageInfo &info : settingsPages()) {
        if (info.position < 0 || info.position >= PageCount)
            continue;
        ORV_SettingsPage *page;
        if (info.create) {
            page = info.create(this);
            page->setup(info);
        } else {
            auto *generic = new ORV_CataloguePage(this);
            generic->build(info);
            page = generic;
        }
        m_pages[size_t(info.position)] = page;
        addPage(page, page->title());
        page->setTabIndex(ui->tabWidget->count() - 1);
    }
}

void orv_FormXml_K4810::addPage(ORV_SettingsPage *page, const QString &title)
{
    auto *scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(page);
    const int index = ui->tabWidget->addTab(scroll, QString());
    const QString text = QStringLiteral("%1. %2").arg(index + 1).arg(title);
    ui->tabWidget->setTabText(index, text);
    m_menu->addAction(new ORV_MenuAction(text, index, m_menu));
}

void orv_FormXml_K4810::setPage(int position, ORV_SettingsPage *page)
{
    if (position < 0 || position >= PageCount || !page)
        return;
    if (const SettingsPageInfo *info = settingsPage(position))
        page->setup(*info);
    ORV_SettingsPage *old = m_pages[size_t(position)];
    m_pages[size_t(position)] = page;
    if (!old) {
        addPage(page, page->title());
        page->setTabIndex(ui->tabWidget->count() - 1);
    } else {
        m_polling->stop(old);
        if (m_previousPage == old)
            m_previousPage = nullptr;
        auto *scroll = static_cast<QScrollArea *>(ui->tabWidget->widget(old->tabIndex()));
        page->setTabIndex(old->tabIndex());
        delete scroll->takeWidget();
        scroll->setWidget(page);
    }
    page->setOnline(m_online);
    if (m_marks)
        setupAssistance();
}

QString orv_FormXml_K4810::temporaryDirectory() const
{
    return m_tempDir && m_tempDir->isValid() ? m_tempDir->path() : QString();
}

QString orv_FormXml_K4810::pagesTemporaryDirectory()
{
    const QString any = temporaryPath(QString());
    return any.isEmpty() ? QString() : temporaryDirectory();
}

QString orv_FormXml_K4810::dataDirectory() const
{
    const QString given = m_device ? m_device->path(0) : QString();
    return given.isEmpty() ? QDir::homePath() : QDir(given).absolutePath();
}

void orv_FormXml_K4810::holdPage(ORV_SettingsPage *page, bool hold)
{
    if (hold && !page)
        return;
    if (!hold && page && m_heldPage && page != m_heldPage)
        return;
    m_heldPage = hold ? page : nullptr;
    for (int i = 0; i < ui->tabWidget->count(); ++i)
        ui->tabWidget->setTabEnabled(i, !m_heldPage || i == m_heldPage->tabIndex());
    ui->pushButton_Unused->setEnabled(!m_heldPage);
    ui->pushBtn_Full_ConfigLight->setEnabled(!m_heldPage && ui->pushButton_SaveToFile->isEnabled());
    updateNavigation();
}

ORV_SettingsPage *orv_FormXml_K4810::page(int position) const
{
    return position >= 0 && position < PageCount ? m_pages[size_t(position)] : nullptr;
}

int orv_FormXml_K4810::currentTab() const
{
    return ui->tabWidget->currentIndex();
}

ORV_SettingsPage *orv_FormXml_K4810::currentPage() const
{
    const int tab = currentTab();
    for (ORV_SettingsPage *p : m_pages) {
        if (p && p->tabIndex() == tab)
            return p;
    }
    return nullptr;
}

bool orv_FormXml_K4810::isCurrent(int position) const
{
    ORV_SettingsPage *p = page(position);
    return p && p == currentPage();
}

bool orv_FormXml_K4810::isLightShown() const
{
    return ui->stackedWidget->currentWidget() == ui->lightPage;
}

void orv_FormXml_K4810::setCurrentTab(int index)
{
    if (m_heldPage && index != m_heldPage->tabIndex())
        return;
    if (index >= 0 && index < ui->tabWidget->count())
        ui->tabWidget->setCurrentIndex(index);
}

QString orv_FormXml_K4810::settingsObjectName() const
{
    const QString name = m_model->text(QStringLiteral("TRANSFER"), QStringLiteral("objectName"));
    return name.isEmpty() ? QStringLiteral("NONAME") : name;
}

// ---------------------------------------------------------------------------
// Operations of the device object

void orv_FormXml_K4810::resetAll()
{
    ui->tabWidget->setCurrentIndex(0);
    updateNavigation();
    m_polling->stopAll();
    m_model->reset();
    setTitle(QStringLiteral("K - 4810 : ") + settingsObjectName());
}

void orv_FormXml_K4810::updateTitle(const QString &path, int titleMode)
{
    if (titleMode == 0)
        setTitle(QStringLiteral("K - 4810 : ") + QFileInfo(path).fileName());
    else if (titleMode == 1)
        setTitle(QStringLiteral("K - 4810 : "));
}

void orv_FormXml_K4810::setTitle(const QString &title)
{
    m_title = title;
    applyTitle();
}

void orv_FormXml_K4810::applyTitle()
{
    // As in the telemetry window: the requests to the tracker are off and
    // the title says why.
    setWindowTitle(m_online ? m_title : m_title + QStringLiteral(" \u2014 ") + tr("K4810_3085"));
}

int orv_FormXml_K4810::openSettingsFile(const QString &path, int titleMode)
{
    QString error;
    if (!m_model->open(path, &error)) {
        tell(tr("K4810_1700"), tr("K4810_1701").arg(QDir::toNativeSeparators(path), error));
        return -1;
    }
    m_polling->stopAll();
    updateTitle(path, titleMode);
    // A file the host hands over while a tracker is attached is that
    // tracker's settings, read out of it.
    if (m_online && m_device) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            keepTrackerReading(file.readAll());
    }
    m_changesKept = true;
    return 0;
}

void orv_FormXml_K4810::showMode(int viewMode)
{
    ui->tabWidget->setCurrentIndex(0);
    updateNavigation();
    applyOnline();
    if (viewMode == 1)
        switchToLight(true);
    else
        switchToFull();
    show();
    raise();
    activateWindow();
}

void orv_FormXml_K4810::showSettingsWindow(int mode)
{
    ui->tabWidget->setCurrentIndex(0);
    updateNavigation();
    applyOnline();
    if (mode == 1)
        switchToLight(false);
    else
        switchToFull();
    show();
    raise();
    activateWindow();
}

void orv_FormXml_K4810::setOnline(bool online)
{
    // An attach or a detach ends a running write: the tracker it went to is gone.
    if (m_write->isBusy())
        m_write->detach();
    m_online = online;
    applyOnline();
    for (ORV_SettingsPage *p : m_pages) {
        if (p)
            p->onTrackerChanged();
    }
}

void orv_FormXml_K4810::applyOnline()
{
    m_polling->setOnline(m_online);
    for (ORV_SettingsPage *p : m_pages) {
        if (p)
            p->setOnline(m_online);
    }
    m_lightPage->setOnline(m_online);
    setControlsEnabled(!m_write->isBusy());
    applyTitle();
}

void orv_FormXml_K4810::setControlsEnabled(bool enabled)
{
    ui->tabWidget->setEnabled(enabled);
    for (QPushButton *b : {ui->pushButton_SaveToFile, ui->pushButton_First, ui->pushButton_PrevScreen,
                           ui->pushButton_NextScreen, ui->pushButton_Last, ui->pushButton_Help, ui->pushButton_Close})
        b->setEnabled(enabled);
    ui->pushBtn_Full_ConfigLight->setEnabled(enabled && !m_heldPage);
    ui->pushButton_LoadToDevice->setEnabled(enabled && m_online);
    m_lightPage->setEnabled(enabled);
    m_lightPage->setOnline(m_online);
    if (enabled)
        updateNavigation();
}

// ---------------------------------------------------------------------------
// Answers: each to the page that waits for it

ORV_SettingsPage *orv_FormXml_K4810::waitingPage(uint32_t answer) const
{
    return qobject_cast<ORV_SettingsPage *>(m_polling->waiter(answer));
}

void orv_FormXml_K4810::onTouchMemoryCode(quint64 code)
{
    ORV_SettingsPage *page = waitingPage(OrvMsg::TouchMemoryCode);
    if (!page)
        return;
    m_polling->answered(OrvMsg::TouchMemoryCode);
    page->onOneWireCode(code);
}

void orv_FormXml_K4810::receiveAnswer(uint32_t msgId, intptr_t p1, intptr_t p2)
{
    using namespace OrvMsg;
    ORV_SettingsPage *page = waitingPage(msgId);
    if (!page)
        return; // no page waits for it
    const auto *data = reinterpret_cast<const uchar *>(p1);
    const int length = p1 && p2 > 0 && p2 <= INT32_MAX ? int(p2) : 0;

    // The service learns of the answer first: a page that asks again from
    // its hook finds its new request in place.
    switch (msgId) {
    case StateAnswer: {
        const auto record = TrackerAnswers::StateRecord::parse(data, length);
        if (!record)
            return;
        m_polling->answered(msgId);
        if (record->isLong())
            page->showLiveValues(*record);
        break;
    }
    case AccelAnswer: {
        const auto cycle = TrackerAnswers::AccelCycle::parse(data, length);
        if (!cycle)
            return;
        m_polling->answered(msgId, cycle->continues);
        page->onAccelerometerCycle(*cycle);
        break;
    }
    case FuelLevelAnswer: {
        const auto levels = TrackerAnswers::FuelLevels::parse(data, length);
        if (!levels)
            return;
        m_polling->answered(msgId);
        page->showFuelLevels(*levels);
        break;
    }
    case SystemAnswer:
        if (const auto value = TrackerAnswers::parseSystemValue(data, length)) {
            m_polling->answered(msgId);
            page->onSystemValue(*value);
        }
        break;
    case CanAnswer:
        if (const auto value = TrackerAnswers::parseCanValue(data, length)) {
            m_polling->answered(msgId);
            page->onCanValue(*value);
        }
        break;
    case TouchMemoryReadAnswer:
        if (const auto answer = TrackerAnswers::TouchMemoryRead::parse(data, length)) {
            m_polling->answered(msgId);
            page->onTouchMemoryRead(*answer);
        }
        break;
    default:
        // Layouts the page alone knows: it checks them.
        m_polling->answered(msgId);
        page->onAnswer(msgId, p1, p2);
        break;
    }
}

// ---------------------------------------------------------------------------
// Navigation, menu, help, closing

void orv_FormXml_K4810::updateNavigation()
{
    const int index = ui->tabWidget->currentIndex();
    const int last = ui->tabWidget->count() - 1;
    // A held page keeps the user on it.
    const bool atFirst = index <= 0 || m_heldPage;
    const bool atLast = index >= last || m_heldPage;
    ui->pushButton_First->setEnabled(!atFirst);
    ui->pushButton_PrevScreen->setEnabled(!atFirst);
    ui->pushButton_NextScreen->setEnabled(!atLast);
    ui->pushButton_Last->setEnabled(!atLast);
}

void orv_FormXml_K4810::slot_currentChanged_TabWidget(int nIndex)
{
    Q_UNUSED(nIndex);
}

void orv_FormXml_K4810::slot_indexChangeed_tabWidget(int nIndex)
{
    Q_UNUSED(nIndex);
    updateNavigation();
    // Leaving a page ends its polling and its waits.
    if (m_previousPage)
        m_polling->stop(m_previousPage);
    m_previousPage = currentPage();
}

void orv_FormXml_K4810::slot_triggered_Menu(QAction *lpItem)
{
    if (auto *action = qobject_cast<ORV_MenuAction *>(lpItem))
        setCurrentTab(action->pageIndex());
}

void orv_FormXml_K4810::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton && !isLightShown() && !m_heldPage) {
        m_menu->popup(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

void orv_FormXml_K4810::slot_pressed_pushButton_First()
{
    setCurrentTab(0);
}

void orv_FormXml_K4810::slot_pressed_pushButton_PrevScreen()
{
    setCurrentTab(qMax(0, currentTab() - 1));
}

void orv_FormXml_K4810::slot_pressed_pushButton_NextScreen()
{
    setCurrentTab(qMin(ui->tabWidget->count() - 1, currentTab() + 1));
}

void orv_FormXml_K4810::slot_pressed_pushButton_Last()
{
    setCurrentTab(ui->tabWidget->count() - 1);
}

QString orv_FormXml_K4810::helpPath() const
{
    const int tab = currentTab();
    const ORV_SettingsPage *p = currentPage();
    if (tab < 0 || !p)
        return QStringLiteral("/Localization/Help/K-4810/k-4810conf.html");
    if (p->info() && p->info()->helpPage)
        return QStringLiteral("/Localization/Help/K-4810/") + QString::fromLatin1(p->info()->helpPage);
    return QStringLiteral("/Localization/Help/K-4810/k-4810p%1.html").arg(tab + 1);
}

void orv_FormXml_K4810::slot_pressed_pushButton_Help()
{
    QString path = helpPath();
    m_device->send(OrvMsg::Help, addr(&path), 0);
}

void orv_FormXml_K4810::slot_pressed_pushBtn_Light_Help()
{
    // The light form has one help page: the one of the whole configuration.
    QString path = QStringLiteral("/Localization/Help/K-4810/k-4810conf.html");
    m_device->send(OrvMsg::Help, addr(&path), 0);
}

void orv_FormXml_K4810::slot_pressed_pushButton_Close()
{
    close();
}

void orv_FormXml_K4810::slot_pressed_pushBtn_Light_Close()
{
    close();
}

void orv_FormXml_K4810::slot_finished(int nResult)
{
    Q_UNUSED(nResult);
    // Closing ends the polling and a write that is still running.
    m_polling->stopAll();
    if (m_write->isBusy())
        m_write->detach();
    close();
}

void orv_FormXml_K4810::showParamInfo(const QString &title, const QString &text)
{
    m_paramInfo->showInfo(title, text);
}

bool orv_FormXml_K4810::ask(const QString &title, const QString &text, const QString &yes, const QString &no)
{
    if (m_question)
        return m_question(title, text, yes, no);
    return ORV_MessageBox::ask(this, QMessageBox::Warning, title, text, yes, no);
}

void orv_FormXml_K4810::tell(const QString &title, const QString &text)
{
    if (m_notifier) {
        m_notifier(title, text);
        return;
    }
    // A box that does not wait: the editor goes on with what it had.
    auto *box = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::NoButton, this);
    box->addButton(tr("K4810_003"), QMessageBox::AcceptRole);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}

// ---------------------------------------------------------------------------
// Settings files

QString orv_FormXml_K4810::proposedSavePath(const QDateTime &now) const
{
    QString dir = m_device->settingsDir();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir + settingsObjectName() + QLatin1Char('(') + now.toString(QStringLiteral("dd-MM-yy hh_mm_ss"))
           + QStringLiteral(").xml");
}

SettingsModel::Header orv_FormXml_K4810::header() const
{
    const LibraryInfo::Fields info = LibraryInfo::unpack(m_device->libraryInfo());
    return {{QStringLiteral("model"), info.modelName},
            {QStringLiteral("modification"), QStringLiteral("1")},
            {QStringLiteral("type"), QStringLiteral("params")},
            {QStringLiteral("vendor"), QStringLiteral("QUARTOLINK")},
            {QStringLiteral("version"), QStringLiteral("%1.%2").arg(info.versionMajor).arg(info.versionMinor)}};
}

int orv_FormXml_K4810::writeSettingsFile(const QString &path, bool lightVariant)
{
    // Both page sets edit the one model: the light variant writes the same.
    Q_UNUSED(lightVariant);
    if (path.isEmpty())
        return -1;
    return m_model->saveAs(path, header()) ? 0 : -1;
}

bool orv_FormXml_K4810::confirmUnstorable()
{
    const QList<SettingsModel::Unstorable> values = m_model->unstorableValues();
    if (values.isEmpty())
        return true;
    QStringList lines;
    for (const SettingsModel::Unstorable &u : values) {
        if (lines.size() == kUnstorableShown) {
            lines << QStringLiteral("…");
            break;
        }
        const QString where = u.section.isEmpty() ? u.path : u.section + QLatin1Char('/') + u.path;
        const QString why = u.problem == SettingsText::Problem::TooLong ? tr("K4810_1704") : tr("K4810_1705");
        lines << QStringLiteral("%1: %2").arg(where.toHtmlEscaped(), why);
    }
    return ask(tr("K4810_1702"), tr("K4810_1703").arg(lines.join(QStringLiteral("<br>"))), tr("K4810_001"),
               tr("K4810_002"));
}

bool orv_FormXml_K4810::confirmInput()
{
    // Both page sets show the one model: the set on screen checks it.
    QStringList problems;
    ORV_SettingsPage *first = nullptr;
    if (isLightShown()) {
        problems = m_lightPage->inputProblems();
    } else {
        for (ORV_SettingsPage *p : m_pages) {
            const QStringList found = p ? p->inputProblems() : QStringList();
            if (!found.isEmpty() && !first)
                first = p;
            problems += found;
        }
    }
    if (problems.isEmpty())
        return true;
    if (first)
        setCurrentTab(first->tabIndex());
    tell(tr("K4810_2812"), problems.join(QStringLiteral("\n")));
    return false;
}

bool orv_FormXml_K4810::saveToFile(bool lightVariant)
{
    if (!confirmInput() || !confirmUnstorable())
        return false;
    const QString proposed = proposedSavePath(QDateTime::currentDateTime());
    const QString caption = tr("K4810_019");
    const QString filter = tr("K4810_018");
    const QString path = m_saveFileChooser ? m_saveFileChooser(caption, proposed, filter)
                                           : QFileDialog::getSaveFileName(this, caption, proposed, filter);
    if (path.isEmpty())
        return false;
    QAbstractButton *button = lightVariant ? m_lightPage->saveToFileButton()
                                           : static_cast<QAbstractButton *>(ui->pushButton_SaveToFile);
    button->setEnabled(false);
    const int result = writeSettingsFile(path, lightVariant);
    button->setEnabled(true);
    if (result != 0) {
        tell(tr("K4810_1600"), tr("K4810_1601").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    m_changesKept = true;
    return true;
}

void orv_FormXml_K4810::slot_pressed_pushButton_SaveToFile()
{
    saveToFile(false);
}

void orv_FormXml_K4810::slot_pressed_pushBtn_Light_SaveToFile()
{
    saveToFile(true);
}

QString orv_FormXml_K4810::temporaryPath(const QString &fileName)
{
    if (!m_tempDir || !m_tempDir->isValid())
        m_tempDir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/k4810-XXXXXX"));
    return m_tempDir->isValid() ? m_tempDir->filePath(fileName) : QString();
}

// ---------------------------------------------------------------------------
// Switching between the full and the light page set: both show the one model

bool orv_FormXml_K4810::switchToLight(bool askFirst)
{
    if (askFirst) {
        const QString text = tr(
            "При смене режима отображения конфигурации на упрощенный, часть параметров расширенного режима может "
            "быть автоматически изменена для обеспечения совместимости.<br><br>"
            "Перейти в упрощенный режим?");
        if (!ask(tr("K4810_994"), text, tr("K5127_001"), tr("K5127_002")))
            return false;
    }
    m_polling->stop(currentPage());
    m_lightPage->refresh();
    ui->stackedWidget->setCurrentWidget(ui->lightPage);
    return true;
}

void orv_FormXml_K4810::switchToFull()
{
    if (isLightShown()) {
        for (ORV_SettingsPage *p : m_pages) {
            if (p)
                p->refresh();
        }
    }
    ui->stackedWidget->setCurrentWidget(ui->fullPage);
    updateNavigation();
}

void orv_FormXml_K4810::slot_pressed_pushBtn_Full_ConfigLight()
{
    switchToLight(true);
}

void orv_FormXml_K4810::slot_pressed_pushBtn_Light_ConfigFull()
{
    switchToFull();
}

// ---------------------------------------------------------------------------
// Writing the settings to the tracker, block by block (SettingsBlockWrite)

QString orv_FormXml_K4810::formatDuration(qint64 seconds)
{
    if (seconds < 0)
        seconds = 0;
    return QString::asprintf("%02lld:%02lld:%02lld", seconds / 3600, (seconds / 60) % 60, seconds % 60);
}

QString orv_FormXml_K4810::progressStatus(qint64 elapsedSeconds, qint64 written, qint64 total)
{
    const qint64 estimate = written > 0 ? elapsedSeconds * total / written : 0;
    return tr("K4810_022") + formatDuration(elapsedSeconds) + tr("K4810_023") + formatDuration(estimate - elapsedSeconds);
}

QByteArray orv_FormXml_K4810::settingsBlock(const QByteArray &data, int blockNumber, int blockCount, int sequence)
{
    return SettingsBlockWrite::settingsBlock(data, blockNumber, blockCount, sequence);
}

bool orv_FormXml_K4810::isWriting() const
{
    return m_write->isBusy();
}

QString orv_FormXml_K4810::fileBeingWritten() const
{
    return m_write->isBusy() ? m_write->path() : QString();
}

int orv_FormXml_K4810::blockNumber() const
{
    return m_write->blockNumber();
}

int orv_FormXml_K4810::blockCount() const
{
    return m_write->blockCount();
}

int orv_FormXml_K4810::sequence() const
{
    return m_write->sequence();
}

int orv_FormXml_K4810::bytesWritten() const
{
    return int(m_write->bytesWritten());
}

void orv_FormXml_K4810::loadToDevice(bool lightVariant)
{
    if (m_write->isBusy() || !confirmInput() || !confirmUnstorable() || !confirmDifferences())
        return;
    const QString path = temporaryPath(QStringLiteral("orv_K4810_%1.xml")
                                           .arg(QDateTime::currentDateTime().toString(QStringLiteral("d-MM-yy-H-m"))));
    if (path.isEmpty() || writeSettingsFile(path, lightVariant) != 0) {
        if (!path.isEmpty())
            QFile::remove(path);
        tell(tr("K4810_1600"), tr("K4810_1602"));
        return;
    }
    m_writing = m_model->toBytes(header());
    m_writeApplied = false;
    beginBlockWrite(path); // a failure there is told by onWriteFinished
}

void orv_FormXml_K4810::slot_pressed_pushButton_LoadToDevice()
{
    loadToDevice(false);
}

void orv_FormXml_K4810::slot_pressed_pushBtn_Light_LoadToDevice()
{
    loadToDevice(true);
}

void orv_FormXml_K4810::showWriteProgress()
{
    if (!m_progress) {
        m_progress = new FormWait(this);
        connect(m_progress, &FormWait::cancelRequested, m_write, &SettingsBlockWrite::cancel);
    }
    m_progress->reset();
    m_progress->setMessage(tr("K4810_020"));
    m_progress->setTotal(QString::asprintf("%.1f Kb", m_write->totalBytes() / 1024.0));
    m_progress->setRange(0, int(m_write->totalBytes()));
    m_progress->setValue(0);
    m_progress->setCurrent(QStringLiteral("0"));
    m_progress->setStatus(tr("K4810_021"));
    m_progress->showCounters(true);
    m_progress->setCancelText(tr("K4810_1706"));
    m_progress->show();
}

bool orv_FormXml_K4810::beginBlockWrite(const QString &path)
{
    if (m_write->isBusy())
        return false;
    setControlsEnabled(false);
    // The first block leaves at once (the host may even answer it inside
    // send); a file that cannot be read ends the write, and the user is told.
    if (!m_write->start(path))
        return false;
    if (m_write->isBusy()) {
        showWriteProgress();
        onWriteProgress(m_write->bytesWritten(), m_write->totalBytes());
    }
    return true;
}

void orv_FormXml_K4810::onWriteAck(int result)
{
    m_write->acknowledge(result);
}

void orv_FormXml_K4810::onWriteProgress(qint64 written, qint64 total)
{
    if (!m_progress || written <= 0)
        return;
    m_progress->setCurrent(QString::asprintf("%.1f Kb", written / 1024.0));
    m_progress->setValue(int(written));
    m_progress->setStatus(progressStatus(m_write->elapsedSeconds(), written, total));
}

void orv_FormXml_K4810::onWriteFinalQuestion()
{
    if (m_progress)
        m_progress->close();
    const bool apply = ask(tr("K4810_024"), tr("K4810_025"), tr("K4810_001"), tr("K4810_002"));
    m_writeApplied = apply;
    m_write->answer(apply);
}

void orv_FormXml_K4810::onWriteFinished(bool ok)
{
    if (m_progress)
        m_progress->close();
    setControlsEnabled(true);
    if (ok) {
        // The tracker now holds what was written.
        if (m_writeApplied && !m_writing.isEmpty()) {
            keepTrackerReading(m_writing);
            m_changesKept = true;
        }
        m_writing.clear();
        return;
    }
    m_writing.clear();
    QString why;
    switch (m_write->failure()) {
    case SettingsBlockWrite::Failure::BadAcknowledgement:
        why = tr("K4810_1707");
        break;
    case SettingsBlockWrite::Failure::Timeout:
        why = tr("K4810_1709").arg(m_write->timeoutMs() / 1000);
        break;
    case SettingsBlockWrite::Failure::Detached:
        why = tr("K4810_1710");
        break;
    case SettingsBlockWrite::Failure::CannotRead:
        why = tr("K4810_1602");
        break;
    case SettingsBlockWrite::Failure::Cancelled:
    case SettingsBlockWrite::Failure::None:
        return; // the user cancelled: nothing to tell
    }
    tell(tr("K4810_1600"), why);
}

// ---------------------------------------------------------------------------
// Requests and live polling of the pages (SettingsPolling)

bool orv_FormXml_K4810::request(ORV_SettingsPage *page, uint32_t msgId, intptr_t p1, intptr_t p2,
                                const QList<uint32_t> &answers, bool stream)
{
    return sendRequest(page, msgId, p1, p2, answers, stream, false);
}

bool orv_FormXml_K4810::requestForCurrent(uint32_t msgId, intptr_t p1, intptr_t p2, const QList<uint32_t> &answers,
                                          bool stream, bool ownLimit)
{
    return sendRequest(currentPage(), msgId, p1, p2, answers, stream, ownLimit);
}

bool orv_FormXml_K4810::sendRequest(ORV_SettingsPage *page, uint32_t msgId, intptr_t p1, intptr_t p2,
                                    const QList<uint32_t> &answers, bool stream, bool ownLimit)
{
    if (!m_device)
        return false;
    SettingsPolling::Request r;
    r.msgId = msgId;
    r.p1 = p1;
    r.p2 = p2;
    r.answers = answers;
    // The Bluetooth search waits for its devices as long as its own limit says.
    r.ownLimit = ownLimit || msgId == BluetoothSearch::kStartRequest || msgId == BluetoothSearch::kCancelRequest;
    return m_polling->request(page, r, stream);
}

void orv_FormXml_K4810::onRequestTimedOut(QObject *page, uint32_t msgId)
{
    // The page may end its own exchange and say so itself.
    auto *p = qobject_cast<ORV_SettingsPage *>(page);
    if (p && p->requestTimedOut(msgId))
        return;
    tell(tr("K4810_3096"), tr("K4810_3087").arg(qMax(1, m_polling->answerTimeout() / 1000)));
}

namespace {

SettingsPolling::Request liveRequestOf(const ORV_SettingsPage *page)
{
    SettingsPolling::Request r;
    const SettingsPageInfo *info = page ? page->info() : nullptr;
    if (!info || !info->liveRequest)
        return r;
    r.msgId = info->liveRequest;
    for (uint32_t a : info->liveAnswers) {
        if (a)
            r.answers.append(a);
    }
    return r;
}

} // namespace

bool orv_FormXml_K4810::startPolling(ORV_SettingsPage *page, int intervalMs)
{
    if (intervalMs > 0)
        m_pollInterval = intervalMs;
    const SettingsPolling::Request r = liveRequestOf(page);
    if (!page || !r.isValid())
        return false;
    if (!page->info()->liveRepeats)
        return m_polling->request(page, r);
    return m_polling->start(page, r, m_pollInterval);
}

void orv_FormXml_K4810::stopPolling(ORV_SettingsPage *page)
{
    m_polling->stop(page);
}

void orv_FormXml_K4810::setPolling(bool on, int intervalMs)
{
    m_pollInterval = intervalMs > 0 ? intervalMs : kDefaultPollInterval;
    if (on)
        startPolling(currentPage(), m_pollInterval);
    else
        m_polling->stopAll();
}

void orv_FormXml_K4810::setAccelerometerPolling(bool on, int intervalMs)
{
    m_pollInterval = intervalMs > 0 ? intervalMs : kDefaultPollInterval;
    if (!on || !isCurrent(PageAccelerometer)) {
        m_polling->stopAll();
        return;
    }
    // The calibration variant: step {65, 0}, answered by 2128 and 2056.
    SettingsPolling::Request r;
    r.msgId = OrvMsg::AccelCalibrationStep;
    r.bytes = QByteArray("\x41\x00", 2);
    r.answers = {OrvMsg::AccelCalibrationAnswer, OrvMsg::AccelAnswer};
    m_polling->start(currentPage(), r, m_pollInterval);
}

void orv_FormXml_K4810::pollNow()
{
    ORV_SettingsPage *page = currentPage();
    if (m_polling->isPolling() && m_polling->pollingPage() == page) {
        m_polling->pollNow();
        return;
    }
    m_polling->request(page, liveRequestOf(page));
}

bool orv_FormXml_K4810::isPolling() const
{
    return m_polling->isPolling();
}

bool orv_FormXml_K4810::isAwaitingAnswer() const
{
    return m_polling->isAwaitingAnswer();
}

int orv_FormXml_K4810::pollPhase() const
{
    return m_polling->isPolling() ? 1 : 0;
}

int orv_FormXml_K4810::pollInterval() const
{
    return m_pollInterval;
}

QTimer *orv_FormXml_K4810::analogTimer() const
{
    return m_polling->timer();
}

void orv_FormXml_K4810::slot_timeOut_TimerAnalog()
{
    // The service sends the next request itself; nothing more to do here.
}

void orv_FormXml_K4810::onPollingStopped(QObject *object)
{
    if (auto *page = qobject_cast<ORV_SettingsPage *>(object))
        page->stopLive();
}

// ---------------------------------------------------------------------------
// Requests forwarded for the current page

bool orv_FormXml_K4810::requestOneWireCode()
{
    if (!m_device)
        return false;
    m_device->setTmiRouting(0);
    return requestForCurrent(OrvMsg::ReadTouchMemory, 0, 0, {OrvMsg::TouchMemoryCode});
}

void orv_FormXml_K4810::requestSystemPoll()
{
    requestForCurrent(OrvMsg::SystemPoll, 0, 0, {OrvMsg::StateAnswer});
}

void orv_FormXml_K4810::requestAccelCycleEnd()
{
    requestForCurrent(OrvMsg::AccelCycleEnd, 0, 0, {OrvMsg::AccelAnswer});
}

void orv_FormXml_K4810::requestSensorsPoll()
{
    requestForCurrent(OrvMsg::SensorsPoll, 0, 0, {OrvMsg::FuelLevelAnswer, OrvMsg::StateAnswer});
}

void orv_FormXml_K4810::requestSystemRead()
{
    requestForCurrent(OrvMsg::SystemRead, 0, 0, {OrvMsg::SystemAnswer});
}

void orv_FormXml_K4810::requestCanRead(int value)
{
    requestForCurrent(OrvMsg::CanRead, value, 0, {OrvMsg::CanAnswer});
}

void orv_FormXml_K4810::requestAccelState()
{
    requestForCurrent(OrvMsg::AccelState, 0, 0, {OrvMsg::AccelStateAnswer});
}

void orv_FormXml_K4810::requestAccelOption(int option)
{
    if (isCurrent(PageAccelerometer))
        requestForCurrent(OrvMsg::AccelOption, 0, option, {OrvMsg::AccelOptionAnswer});
}

void orv_FormXml_K4810::requestTouchMemoryRead()
{
    requestForCurrent(OrvMsg::TouchMemoryRead, 0, 0, {OrvMsg::TouchMemoryReadAnswer});
}

void orv_FormXml_K4810::requestTouchMemorySave(const void *buffer, int length)
{
    // The host reads the buffer during the call; an address does not fit an int.
    requestForCurrent(OrvMsg::TouchMemorySave, addr(buffer), buffer ? qMax(0, length) : 0,
                      {OrvMsg::TouchMemorySaveAnswer}, false, true);
}

void orv_FormXml_K4810::requestTouchMemoryLoad(const void *buffer, int length)
{
    requestForCurrent(OrvMsg::TouchMemoryLoad, addr(buffer), buffer ? qMax(0, length) : 0,
                      {OrvMsg::TouchMemoryLoadAnswer}, false, true);
}

void orv_FormXml_K4810::requestTouchMemory()
{
    requestForCurrent(OrvMsg::TouchMemoryRequest, 0, 0, {OrvMsg::TouchMemoryAnswer}, false, true);
}

void orv_FormXml_K4810::requestEmail()
{
    requestForCurrent(OrvMsg::EmailRequest, 0, 0, {});
}

void orv_FormXml_K4810::requestDeadZoneRead()
{
    requestForCurrent(OrvMsg::DeadZoneRead, 0, 0, {OrvMsg::DeadZoneReadAnswer});
}

void orv_FormXml_K4810::requestDeadZone(int value)
{
    requestForCurrent(OrvMsg::DeadZoneRequest, value, 0, {OrvMsg::DeadZoneAnswer});
}

void orv_FormXml_K4810::requestDeadZoneValue(const void *value)
{
    requestForCurrent(OrvMsg::DeadZoneValue, addr(value), 0, {OrvMsg::DeadZoneValueAnswer});
}

void orv_FormXml_K4810::requestAccelCalibrationStep(uchar first, uchar second)
{
    if (!isCurrent(PageAccelerometer))
        return;
    SettingsPolling::Request r;
    r.msgId = OrvMsg::AccelCalibrationStep;
    r.bytes = QByteArray(1, char(first)) + QByteArray(1, char(second));
    r.answers = {OrvMsg::AccelCalibrationAnswer};
    r.ownLimit = true;
    // A step reports its progress in several statuses, minutes apart: they
    // reach the page until it stops (left, offline, closed).
    m_polling->request(currentPage(), r, true);
}

void orv_FormXml_K4810::requestBluetooth()
{
    requestForCurrent(OrvMsg::BluetoothRequest, 0, 0, {OrvMsg::BluetoothAnswer}, true, true);
}

void orv_FormXml_K4810::requestBluetoothSearch()
{
    requestForCurrent(OrvMsg::BluetoothSearch, 0, 0, {OrvMsg::BluetoothAnswer}, true, true);
}

// ---------------------------------------------------------------------------
// Finding settings, changed values, resets, comparison, unsaved changes

void orv_FormXml_K4810::setupAssistance()
{
    QList<SettingsBinder *> binders;
    QList<SettingsSearch::Page> pages;
    for (ORV_SettingsPage *p : m_pages) {
        if (!p)
            continue;
        binders << p->binder();
        if (const SettingsPageInfo *info = p->info()) {
            SettingsSearch::Page sp;
            sp.position = info->position;
            sp.section = info->sectionName();
            sp.context = info->className;
            sp.titleKey = info->titleKey;
            sp.title = info->title ? QString::fromUtf8(info->title) : QString();
            pages << sp;
        }
    }
    const bool first = !m_marks;
    if (first) {
        m_marks = new SettingsMarks(m_model, this);
        m_wheelGuard = new WheelGuard(this);
        setStyleSheet(styleSheet() + QLatin1String(kAssistanceStyle));

        connect(ui->lineEdit_Search, &QLineEdit::textChanged, this,
                &orv_FormXml_K4810::slot_textChanged_lineEdit_Search);
        connect(ui->lineEdit_Search, &QLineEdit::returnPressed, this, [this] {
            if (ui->listWidget_SearchResults->count() > 0)
                slot_itemActivated_listWidget_SearchResults(ui->listWidget_SearchResults->item(0));
        });
        ui->lineEdit_Search->installEventFilter(this);
        connect(ui->listWidget_SearchResults, &QListWidget::itemActivated, this,
                &orv_FormXml_K4810::slot_itemActivated_listWidget_SearchResults);
        connect(ui->listWidget_SearchResults, &QListWidget::itemClicked, this,
                &orv_FormXml_K4810::slot_itemActivated_listWidget_SearchResults);
        connect(ui->toolButton_Changes, &QToolButton::pressed, this,
                &orv_FormXml_K4810::slot_pressed_toolButton_Changes);
        connect(ui->toolButton_CompareFile, &QToolButton::pressed, this,
                &orv_FormXml_K4810::slot_pressed_toolButton_CompareFile);

        auto *resetMenu = new QMenu(ui->toolButton_Reset);
        QAction *resetPage = resetMenu->addAction(tr("K4810_3021"));
        resetPage->setObjectName(QStringLiteral("action_ResetPage"));
        QAction *resetAll = resetMenu->addAction(tr("K4810_3022"));
        resetAll->setObjectName(QStringLiteral("action_ResetAll"));
        connect(resetMenu, &QMenu::aboutToShow, this, [this, resetPage] {
            const ORV_SettingsPage *p = currentPage();
            resetPage->setEnabled(p && !p->section().isEmpty() && !isLightShown());
        });
        connect(resetPage, &QAction::triggered, this, [this] {
            if (ORV_SettingsPage *p = currentPage(); p && p->info())
                resetPageToDefaults(p->info()->position);
        });
        connect(resetAll, &QAction::triggered, this, [this] { resetAllToDefaults(); });
        ui->toolButton_Reset->setMenu(resetMenu);

        auto changed = [this] {
            m_changesKept = false;
            updateChangesButton();
        };
        connect(m_model, &SettingsModel::valueChanged, this, changed);
        connect(m_model, &SettingsModel::reloaded, this, [this] {
            m_changesKept = true;
            updateChangesButton();
        });
    }
    m_marks->setBinders(binders);
    for (ORV_SettingsPage *p : m_pages) {
        if (p)
            m_wheelGuard->guard(p);
    }
    m_search = std::make_unique<SettingsSearch>(pages, m_model);
    SettingsMarks *marks = m_marks;
    m_search->setCaptions([marks](const QString &section, const QString &path) {
        return marks->caption(section, path);
    });
    updateChangesButton();
}

void orv_FormXml_K4810::updateChangesButton()
{
    // A reset changes many values at once: counted once after them.
    if (m_changesButtonQueued)
        return;
    m_changesButtonQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_changesButtonQueued = false;
        const int n = SettingsChanges::count(*m_model);
        ui->toolButton_Changes->setText(tr("K4810_3003").arg(n));
    });
}

QList<SettingsSearch::Hit> orv_FormXml_K4810::findSettings(const QString &text, int limit) const
{
    return m_search ? m_search->find(text, limit) : QList<SettingsSearch::Hit>();
}

ORV_SettingsPage *orv_FormXml_K4810::pageOfSection(const QString &section) const
{
    for (ORV_SettingsPage *p : m_pages) {
        if (p && !section.isEmpty() && p->section() == section)
            return p;
    }
    return nullptr;
}

QString orv_FormXml_K4810::pageTitleOf(const QString &section) const
{
    if (const ORV_SettingsPage *p = pageOfSection(section))
        return p->title();
    return section.isEmpty() ? QString::fromLatin1(SettingsCatalogue::RootName) : section;
}

QString orv_FormXml_K4810::settingLabel(const QString &section, const QString &path) const
{
    const SettingsKey *key = m_model->key(section, path);
    if (!key)
        return path;
    const QString label = key->label(SettingsChanges::contextOf(*m_model, section));
    const QString caption = m_marks ? m_marks->caption(section, path) : QString();
    if (label == key->name() && !caption.isEmpty())
        return caption;
    return label;
}

void orv_FormXml_K4810::slot_textChanged_lineEdit_Search(const QString &qsText)
{
    QListWidget *list = ui->listWidget_SearchResults;
    list->clear();
    if (qsText.trimmed().isEmpty()) {
        list->hide();
        return;
    }
    const QList<SettingsSearch::Hit> hits = findSettings(qsText, kSearchShown);
    for (const SettingsSearch::Hit &h : hits) {
        QString text = QStringLiteral("%1 › %2").arg(h.pageTitle, h.label);
        if (!h.value.isEmpty())
            text += QStringLiteral(" = ") + h.value;
        auto *item = new QListWidgetItem(text, list);
        item->setData(SectionRole, h.section);
        item->setData(PathRole, h.path);
        item->setToolTip(h.section + QLatin1Char('/') + h.path);
    }
    if (hits.isEmpty()) {
        auto *none = new QListWidgetItem(tr("K4810_3002"), list);
        none->setFlags(Qt::NoItemFlags);
    }
    list->show();
}

void orv_FormXml_K4810::slot_itemActivated_listWidget_SearchResults(QListWidgetItem *lpItem)
{
    if (!lpItem || !(lpItem->flags() & Qt::ItemIsEnabled))
        return;
    openSetting(lpItem->data(SectionRole).toString(), lpItem->data(PathRole).toString());
}

bool orv_FormXml_K4810::eventFilter(QObject *watched, QEvent *event)
{
    // Down from the search field goes into the results.
    if (watched == ui->lineEdit_Search && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Down && ui->listWidget_SearchResults->count() > 0) {
        ui->listWidget_SearchResults->setFocus();
        ui->listWidget_SearchResults->setCurrentRow(0);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool orv_FormXml_K4810::openSetting(const QString &section, const QString &path)
{
    // The key's control, on whichever page it stands.
    ORV_SettingsPage *page = nullptr;
    QWidget *control = nullptr;
    const QList<QWidget *> widgets = m_marks ? m_marks->widgetsOf(section, path) : QList<QWidget *>();
    ORV_SettingsPage *home = pageOfSection(section);
    for (QWidget *w : widgets) {
        for (ORV_SettingsPage *p : m_pages) {
            if (p && p->isAncestorOf(w) && (!control || p == home)) {
                page = p;
                control = w;
            }
        }
        if (page == home && control)
            break;
    }
    if (!page)
        page = home;
    if (!page)
        return false;
    if (isLightShown())
        switchToFull();
    setCurrentTab(page->tabIndex());
    if (!control)
        return true;
    // A control on a hidden tab or panel of its page: that tab first.
    for (QWidget *w = control; w && w != page; w = w->parentWidget()) {
        auto *stack = qobject_cast<QStackedWidget *>(w->parentWidget());
        if (!stack)
            continue;
        if (auto *tabs = qobject_cast<QTabWidget *>(stack->parentWidget()))
            tabs->setCurrentWidget(w);
        else
            stack->setCurrentWidget(w);
    }
    auto *scroll = qobject_cast<QScrollArea *>(ui->tabWidget->widget(page->tabIndex()));
    QPointer<QWidget> target = control;
    auto reveal = [scroll, target] {
        if (scroll && target)
            scroll->ensureWidgetVisible(target, 40, 60);
    };
    reveal();
    QTimer::singleShot(0, this, reveal); // once the page is laid out
    control->setProperty(kFoundProperty, true);
    repolish(control);
    if (control->isEnabled())
        control->setFocus(Qt::OtherFocusReason);
    QTimer::singleShot(kHighlightMs, control, [target] {
        if (target) {
            target->setProperty(kFoundProperty, false);
            repolish(target);
        }
    });
    return true;
}

ORV_FormSettingsChanges *orv_FormXml_K4810::showChanges()
{
    if (!m_changesView) {
        m_changesView = new ORV_FormSettingsChanges(
            m_model,
            [this](const QString &section, const QString &path, bool pageTitle) {
                return pageTitle ? pageTitleOf(section) : settingLabel(section, path);
            },
            this);
        connect(m_changesView, &ORV_FormSettingsChanges::openRequested, this, &orv_FormXml_K4810::openSetting);
    }
    m_changesView->refresh();
    m_changesView->show();
    m_changesView->raise();
    return m_changesView;
}

void orv_FormXml_K4810::slot_pressed_toolButton_Changes()
{
    showChanges();
}

bool orv_FormXml_K4810::resetPageToDefaults(int position, bool askFirst)
{
    ORV_SettingsPage *p = page(position);
    if (!p || p->section().isEmpty())
        return false;
    if (askFirst && !ask(tr("K4810_3023"), tr("K4810_3024").arg(p->title()), tr("K4810_3046"), tr("K4810_3031")))
        return false;
    SettingsChanges::resetToDefaults(*m_model, p->section());
    return true;
}

bool orv_FormXml_K4810::resetAllToDefaults(bool askFirst)
{
    if (askFirst && !ask(tr("K4810_3023"), tr("K4810_3025"), tr("K4810_3046"), tr("K4810_3031")))
        return false;
    SettingsChanges::resetToDefaults(*m_model);
    return true;
}

void orv_FormXml_K4810::keepTrackerReading(const QByteArray &bytes)
{
    auto reading = std::make_unique<SettingsModel>(m_model->tables());
    if (!reading->openBytes(bytes))
        return;
    m_reading = std::move(reading);
    m_readingDevice = m_device ? m_device->deviceId() : QString();
}

const SettingsModel *orv_FormXml_K4810::trackerReading() const
{
    if (!m_reading || !m_online || !m_device || m_device->deviceId() != m_readingDevice)
        return nullptr;
    return m_reading.get();
}

QList<SettingsDifference> orv_FormXml_K4810::differencesFromTracker() const
{
    const SettingsModel *reading = trackerReading();
    return reading ? SettingsComparison::compare(*reading, *m_model) : QList<SettingsDifference>();
}

namespace {

ORV_FormSettingsCompare::Naming namingOf(const orv_FormXml_K4810 *editor)
{
    return [editor](const SettingsDifference &d, bool section) {
        if (section)
            return editor->pageTitleOf(d.section);
        return d.key ? editor->settingLabel(d.section, d.key->path()) : d.path;
    };
}

} // namespace

bool orv_FormXml_K4810::confirmDifferences()
{
    const bool have = trackerReading() != nullptr;
    const QList<SettingsDifference> differences = differencesFromTracker();
    if (m_writeCheck)
        return m_writeCheck(differences, have);
    const QString text = !have                  ? tr("K4810_3033")
                         : differences.isEmpty() ? tr("K4810_3032")
                                                 : tr("K4810_3035").arg(differences.size());
    if (m_question) // a replaced question (tests) answers for the box
        return ask(tr("K4810_3034"), text, tr("K4810_3030"), tr("K4810_3031"));
    // One box for the three cases, so that its answer is always found the same way.
    ORV_FormSettingsCompare box(this);
    box.setWindowTitle(tr("K4810_3034"));
    box.setText(text);
    box.setDifferences(differences, tr("K4810_3028"), tr("K4810_3029"), namingOf(this));
    box.exec();
    return box.clickedButton() && box.clickedButton() == box.acceptButton();
}

bool orv_FormXml_K4810::compareWithFile(const QString &path)
{
    SettingsModel other(m_model->tables());
    QString error;
    if (!other.open(path, &error)) {
        tell(tr("K4810_3036"), tr("K4810_3047").arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    const QList<SettingsDifference> differences = SettingsComparison::compare(*m_model, other);
    if (!m_compareView) {
        m_compareView = new ORV_FormSettingsCompare(this);
        m_compareView->setQuestion(false);
        m_compareView->setModal(false);
    }
    const QString name = QFileInfo(path).fileName();
    m_compareView->setWindowTitle(tr("K4810_3036"));
    m_compareView->setText(differences.isEmpty() ? tr("K4810_3039").arg(name)
                                                 : tr("K4810_3038").arg(differences.size()).arg(name));
    m_compareView->setDifferences(differences, tr("K4810_3037"), name, namingOf(this));
    m_compareView->show();
    m_compareView->raise();
    return true;
}

void orv_FormXml_K4810::slot_pressed_toolButton_CompareFile()
{
    QString dir = m_device ? m_device->settingsDir() : QString();
    const QString path = QFileDialog::getOpenFileName(this, tr("K4810_3040"), dir, tr("K4810_018"));
    if (!path.isEmpty())
        compareWithFile(path);
}

bool orv_FormXml_K4810::hasUnsavedChanges() const
{
    return !m_changesKept && SettingsChanges::count(*m_model) > 0;
}

bool orv_FormXml_K4810::confirmDiscardChanges()
{
    if (!hasUnsavedChanges())
        return true;
    const int n = SettingsChanges::count(*m_model);
    UnsavedAnswer answer = UnsavedAnswer::Cancel;
    if (m_unsavedChoice) {
        answer = m_unsavedChoice(n);
    } else {
        QMessageBox box(QMessageBox::Warning, tr("K4810_3041"), tr("K4810_3042").arg(n), QMessageBox::NoButton, this);
        QPushButton *save = box.addButton(tr("K4810_3043"), QMessageBox::AcceptRole);
        QPushButton *discard = box.addButton(tr("K4810_3044"), QMessageBox::DestructiveRole);
        QPushButton *cancel = box.addButton(tr("K4810_3031"), QMessageBox::RejectRole);
        box.setDefaultButton(save);
        box.setEscapeButton(cancel);
        box.exec();
        answer = box.clickedButton() == save      ? UnsavedAnswer::Save
                 : box.clickedButton() == discard ? UnsavedAnswer::Discard
                                                  : UnsavedAnswer::Cancel;
    }
    switch (answer) {
    case UnsavedAnswer::Save:
        return saveToFile(isLightShown());
    case UnsavedAnswer::Discard:
        m_changesKept = true;
        return true;
    case UnsavedAnswer::Cancel:
        break;
    }
    return false;
}

void orv_FormXml_K4810::closeEvent(QCloseEvent *event)
{
    if (isVisible() && !confirmDiscardChanges()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void orv_FormXml_K4810::reject()
{
    if (isVisible() && !confirmDiscardChanges())
        return;
    QDialog::reject();
}
