#include "settings/editor/orv_formxml_k4810.h"

#include "core/formwait.h"
#include "core/libraryinfo.h"
#include "core/orv_device_k4810.h"
#include "core/orv_form_paraminfo.h"
#include "core/orv_menuaction.h"
#include "core/orv_messagebox.h"
#include "core/orvmessages.h"
#include "settings/editor/orv_formxml_light.h"
#include "settings/editor/trackeranswers.h"
#include "settings/editor/settingsdocument.h"
#include "settings/pages/orv_formaccelerometer.h"
#include "settings/pages/orv_formbluetooth.h"
#include "settings/pages/orv_formcan.h"
#include "settings/pages/orv_formecodrive.h"
#include "settings/pages/orv_formguard.h"
#include "settings/pages/orv_forminfo.h"
#include "settings/pages/orv_formoutputlines.h"
#include "settings/pages/orv_formphones.h"
#include "settings/pages/orv_formrs.h"
#include "settings/pages/orv_formsensors.h"
#include "settings/pages/orv_formsystem.h"
#include "settings/pages/orv_formtempsensors.h"
#include "settings/pages/orv_formtm.h"
#include "settings/pages/orv_formtrack.h"
#include "settings/pages/orv_formtransfer.h"
#include "ui_orv_formxml_k4810.h"
#include "xml/settingssection.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTimer>

namespace {

intptr_t addr(const void *p)
{
    return reinterpret_cast<intptr_t>(p);
}

void putI32(char *at, int32_t value)
{
    LibraryInfo::putU32(at, uint32_t(value));
}

} // namespace

orv_FormXml_K4810::orv_FormXml_K4810(ORV_Device_K4810 *device)
    : QDialog(nullptr)
    , ui(new Ui::orv_FormXml_K4810)
    , m_device(device)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    ui->stackedWidget->setCurrentWidget(ui->fullPage);

    m_menu = new QMenu(this);
    m_analogTimer = new QTimer(this);
    m_analogTimer->setSingleShot(true);
    connect(m_analogTimer, &QTimer::timeout, this, &orv_FormXml_K4810::slot_timeOut_TimerAnalog);
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
    for (ORV_SettingsPage *p : m_pages) {
        if (p)
            p->reset();
    }

    m_lightPage = new ORV_FormXml_Light(ui->lightPage);
    ui->lightContainer->addWidget(m_lightPage, 0, 0);
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

    updateNavigation();
    setOnline(false);
}

orv_FormXml_K4810::~orv_FormXml_K4810() = default;

// ---------------------------------------------------------------------------
// Pages

void orv_FormXml_K4810::createPages()
{
    m_pages[PageInfo] = new ORV_FormInfo(this);
    m_pages[PageTransfer] = new ORV_FormTransfer(this);
    m_pages[PageTrack] = new ORV_FormTrack(this);
    m_pages[PageSystem] = new ORV_FormSystem(this);
    m_pages[PageCAN] = new ORV_FormCAN(this);
    m_pages[PageRS] = new ORV_FormRS(this);
    m_pages[PageTempSensors] = new ORV_FormTempSensors(this);
    m_pages[PageSensors] = new ORV_FormSensors(this);
    m_pages[PageAccelerometer] = new ORV_FormAccelerometer(this);
    m_pages[PageOutputLines] = new ORV_FormOutputLines(this);
    m_pages[PagePhones] = new ORV_FormPhones(this);
    m_pages[PageTM] = new ORV_FormTM(this);
    m_pages[PageGuard] = new ORV_FormGuard(this);
    m_pages[PageEcoDrive] = new ORV_FormEcoDrive(this);
    m_pages[PageBluetooth] = new ORV_FormBluetooth(this);
    for (ORV_SettingsPage *p : m_pages) {
        if (!p)
            continue;
        addPage(p, p->title());
        p->setTabIndex(ui->tabWidget->count() - 1);
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
    ORV_SettingsPage *old = m_pages[size_t(position)];
    m_pages[size_t(position)] = page;
    if (!old) {
        addPage(page, page->title());
        page->setTabIndex(ui->tabWidget->count() - 1);
    } else {
        auto *scroll = static_cast<QScrollArea *>(ui->tabWidget->widget(old->tabIndex()));
        page->setTabIndex(old->tabIndex());
        delete scroll->takeWidget();
        scroll->setWidget(page);
    }
    page->setOnline(m_online);
}

QString orv_FormXml_K4810::temporaryDirectory() const
{
    return m_tempDir && m_tempDir->isValid() ? m_tempDir->path() : QString();
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
    if (index >= 0 && index < ui->tabWidget->count())
        ui->tabWidget->setCurrentIndex(index);
}

QString orv_FormXml_K4810::settingsObjectName() const
{
    auto *transfer = static_cast<ORV_CataloguePage *>(m_pages[PageTransfer]);
    if (!transfer)
        return QStringLiteral("NONAME");
    const QString name = transfer->text(QStringLiteral("objectName"));
    return name.isEmpty() ? QStringLiteral("NONAME") : name;
}

// ---------------------------------------------------------------------------
// Operations of the device object

void orv_FormXml_K4810::resetAll()
{
    ui->tabWidget->setCurrentIndex(0);
    updateNavigation();
    for (ORV_SettingsPage *p : m_pages) {
        if (p)
            p->reset();
    }
    m_lightPage->reset();
    m_resetFlags[0] = m_resetFlags[1] = true;
    stopPolling();
    setWindowTitle(QStringLiteral("K - 4810 : ") + settingsObjectName());
}

int orv_FormXml_K4810::openSettingsFile(const QString &path, int titleMode)
{
    // Reading never creates the file it was asked to read.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return -1;
    SettingsDocument document;
    SettingsSection *root = document.open(path);
    if (!root)
        return -1;
    if (titleMode == 0)
        setWindowTitle(QStringLiteral("K - 4810 : ") + QFileInfo(path).fileName());
    else if (titleMode == 1)
        setWindowTitle(QStringLiteral("K - 4810 : "));
    loadPages(*root);
    document.close(false);
    return 0;
}

void orv_FormXml_K4810::showMode(int viewMode)
{
    ui->tabWidget->setCurrentIndex(0);
    updateNavigation();
    setOnline(m_online);
    if (viewMode == 1)
        switchToLight(true);
    else
        ui->stackedWidget->setCurrentWidget(ui->fullPage);
    show();
    raise();
    activateWindow();
}

void orv_FormXml_K4810::showSettingsWindow(int mode)
{
    ui->tabWidget->setCurrentIndex(0);
    updateNavigation();
    setOnline(m_online);
    if (mode == 1)
        switchToLight(false);
    else
        ui->stackedWidget->setCurrentWidget(ui->fullPage);
    show();
    raise();
    activateWindow();
}

void orv_FormXml_K4810::setOnline(bool online)
{
    m_online = online;
    for (ORV_SettingsPage *p : m_pages) {
        if (p)
            p->setOnline(online);
    }
    m_lightPage->setOnline(online);
    // An attach or a detach ends a running write from the user's side.
    if (m_progress && m_progress->isVisible())
        m_progress->close();
    setControlsEnabled(true);
}

void orv_FormXml_K4810::setControlsEnabled(bool enabled)
{
    ui->tabWidget->setEnabled(enabled);
    for (QPushButton *b : {ui->pushButton_SaveToFile, ui->pushButton_First, ui->pushButton_PrevScreen,
                           ui->pushButton_NextScreen, ui->pushButton_Last, ui->pushButton_Help, ui->pushButton_Close})
        b->setEnabled(enabled);
    ui->pushBtn_Full_ConfigLight->setEnabled(enabled);
    ui->pushButton_LoadToDevice->setEnabled(enabled && m_online);
    m_lightPage->setEnabled(enabled);
    m_lightPage->setOnline(m_online);
    if (enabled)
        updateNavigation();
}

void orv_FormXml_K4810::onTouchMemoryCode(quint64 code)
{
    if (isCurrent(PageTempSensors))
        m_pages[PageTempSensors]->onOneWireCode(code);
    else if (isCurrent(PageTM))
        m_pages[PageTM]->onOneWireCode(code);
}

void orv_FormXml_K4810::receiveAnswer(uint32_t msgId, intptr_t p1, intptr_t p2)
{
    using namespace OrvMsg;
    const auto *data = reinterpret_cast<const uchar *>(p1);
    const int length = p2 > 0 && p2 <= INT32_MAX ? int(p2) : 0;

    switch (msgId) {
    case StateAnswer: {
        const auto record = TrackerAnswers::StateRecord::parse(data, length);
        if (!record)
            return;
        if (record->isLong()) {
            for (int position : {int(PageAccelerometer), int(PageSensors), int(PageSystem)}) {
                if (isCurrent(position))
                    m_pages[size_t(position)]->showLiveValues(*record);
            }
        } else {
            m_awaitingAnswer = false;
        }
        answerHandled();
        break;
    }
    case AccelAnswer: {
        const auto cycle = TrackerAnswers::AccelCycle::parse(data, length);
        if (!cycle)
            return;
        m_pages[PageAccelerometer]->onAccelerometerCycle(*cycle);
        if (cycle->continues) {
            answerHandled();
        } else {
            m_awaitingAnswer = false;
            m_pollPhase = 0;
        }
        break;
    }
    case FuelLevelAnswer: {
        const auto levels = TrackerAnswers::FuelLevels::parse(data, length);
        if (!levels)
            return;
        m_pages[PageSensors]->showFuelLevels(*levels);
        if (m_pollingOn && m_online && isCurrent(PageSensors)) {
            m_awaitingAnswer = false;
            m_analogTimer->start(m_pollInterval);
        }
        break;
    }
    case SystemAnswer:
        if (const auto value = TrackerAnswers::parseSystemValue(data, length))
            m_pages[PageSystem]->onSystemValue(*value);
        break;
    case CanAnswer:
        if (const auto value = TrackerAnswers::parseCanValue(data, length))
            m_pages[PageCAN]->onCanValue(*value);
        break;
    case TouchMemoryReadAnswer:
        if (const auto answer = TrackerAnswers::TouchMemoryRead::parse(data, length))
            m_pages[PageTM]->onTouchMemoryRead(*answer);
        break;
    case TouchMemorySaveAnswer:
    case TouchMemoryLoadAnswer:
    case TouchMemoryAnswer:
        m_pages[PageTM]->onAnswer(msgId, p1, p2);
        break;
    case AccelStateAnswer:
    case AccelOptionAnswer:
    case DeadZoneReadAnswer:
    case DeadZoneAnswer:
    case DeadZoneValueAnswer:
        m_pages[PageAccelerometer]->onAnswer(msgId, p1, p2);
        break;
    case AccelCalibrationAnswer:
        if (isCurrent(PageAccelerometer)) {
            m_pages[PageAccelerometer]->onAnswer(msgId, p1, p2);
            answerHandled();
        }
        break;
    case BluetoothAnswer:
        m_pages[PageBluetooth]->onAnswer(msgId, p1, p2);
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------
// Navigation, menu, help, closing

void orv_FormXml_K4810::updateNavigation()
{
    const int index = ui->tabWidget->currentIndex();
    const int last = ui->tabWidget->count() - 1;
    const bool atFirst = index <= 0;
    const bool atLast = index >= last;
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
    if (m_pollingOn && m_online)
        stopPolling();
}

void orv_FormXml_K4810::slot_triggered_Menu(QAction *lpItem)
{
    if (auto *action = qobject_cast<ORV_MenuAction *>(lpItem))
        setCurrentTab(action->pageIndex());
}

void orv_FormXml_K4810::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton && !isLightShown()) {
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
    if (tab < 0)
        return QStringLiteral("/Localization/Help/K-4810/k-4810conf.html");
    return QStringLiteral("/Localization/Help/K-4810/k-4810p%1.html").arg(tab + 1);
}

void orv_FormXml_K4810::slot_pressed_pushButton_Help()
{
    QString path = helpPath();
    m_device->send(OrvMsg::Help, addr(&path), 0);
}

void orv_FormXml_K4810::slot_pressed_pushBtn_Light_Help()
{
}

void orv_FormXml_K4810::slot_pressed_pushButton_Close()
{
    m_analogTimer->stop();
    close();
}

void orv_FormXml_K4810::slot_pressed_pushBtn_Light_Close()
{
    m_analogTimer->stop();
    close();
}

void orv_FormXml_K4810::slot_finished(int nResult)
{
    Q_UNUSED(nResult);
    m_analogTimer->stop();
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

void orv_FormXml_K4810::loadPages(SettingsSection &root)
{
    for (ORV_SettingsPage *p : m_pages) {
        if (p)
            p->load(root);
    }
}

void orv_FormXml_K4810::savePages(SettingsSection &root)
{
    for (ORV_SettingsPage *p : m_pages) {
        if (p)
            p->save(root);
    }
}

int orv_FormXml_K4810::writeSettingsFile(const QString &path, bool lightVariant)
{
    if (path.isEmpty())
        return -1;
    // A new document replaces the file whole: nothing of its old content
    // can survive next to the sections written now.
    SettingsDocument document;
    SettingsSection *root = document.create(QStringLiteral("DEVICE"));
    if (!root)
        return -1;
    const LibraryInfo::Fields info = LibraryInfo::unpack(m_device->libraryInfo());
    root->setText(QStringLiteral("model"), info.modelName);
    root->setInt(QStringLiteral("modification"), 1);
    root->setText(QStringLiteral("type"), QStringLiteral("params"));
    root->setText(QStringLiteral("vendor"), QStringLiteral("QUARTOLINK"));
    root->setText(QStringLiteral("version"), QStringLiteral("%1.%2").arg(info.versionMajor).arg(info.versionMinor));
    root->commit();
    savePages(*root);
    if (lightVariant)
        m_lightPage->save(*root);
    root->commit();
    return document.saveAs(path) ? 0 : -1;
}

void orv_FormXml_K4810::saveToFile(bool lightVariant)
{
    const QString proposed = proposedSavePath(QDateTime::currentDateTime());
    const QString caption = tr("K4810_019");
    const QString filter = tr("K4810_018");
    const QString path = m_saveFileChooser ? m_saveFileChooser(caption, proposed, filter)
                                           : QFileDialog::getSaveFileName(this, caption, proposed, filter);
    if (path.isEmpty())
        return;
    QAbstractButton *button = lightVariant ? m_lightPage->saveToFileButton()
                                           : static_cast<QAbstractButton *>(ui->pushButton_SaveToFile);
    button->setEnabled(false);
    const int result = writeSettingsFile(path, lightVariant);
    button->setEnabled(true);
    if (result != 0) {
        ORV_MessageBox::tell(this, QMessageBox::Warning, tr("K4810_1600"),
                             tr("K4810_1601").arg(QDir::toNativeSeparators(path)), tr("K4810_003"));
    }
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
// Switching between the full and the light page set

bool orv_FormXml_K4810::switchToLight(bool askFirst)
{
    if (askFirst) {
        const QString text = QStringLiteral(
            "При смене режима отображения конфигурации на упрощенный, часть параметров расширенного режима может "
            "быть автоматически изменена для обеспечения совместимости.<br><br>"
            "Перейти в упрощенный режим?");
        if (!ask(tr("K4810_994"), text, tr("K5127_001"), tr("K5127_002")))
            return false;
    }
    const QString path = temporaryPath(QStringLiteral("ass.xml"));
    if (writeSettingsFile(path, false) == 0) {
        SettingsDocument document;
        if (SettingsSection *root = document.open(path))
            m_lightPage->load(*root);
        document.close(false);
    }
    QFile::remove(path);
    ui->stackedWidget->setCurrentWidget(ui->lightPage);
    return true;
}

void orv_FormXml_K4810::switchToFull()
{
    const QString path = temporaryPath(QStringLiteral("ass.xml"));
    if (writeSettingsFile(path, true) == 0)
        openSettingsFile(path, 3);
    QFile::remove(path);
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
// Writing the settings to the tracker, block by block

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
    QByteArray block(kSettingsBlockSize, '\0');
    const int length = int(qMin<qsizetype>(data.size(), kBlockSize));
    std::copy(data.constBegin(), data.constBegin() + length, block.begin());
    putI32(block.data() + 1024, length);
    putI32(block.data() + 1028, blockNumber);
    putI32(block.data() + 1032, blockCount);
    putI32(block.data() + 1036, sequence);
    return block;
}

void orv_FormXml_K4810::tellWriteFailed()
{
    ORV_MessageBox::tell(this, QMessageBox::Warning, tr("K4810_1600"), tr("K4810_1602"), tr("K4810_003"));
}

void orv_FormXml_K4810::loadToDevice(bool lightVariant)
{
    if (isWriting())
        return;
    setControlsEnabled(false);
    const QString path = temporaryPath(QStringLiteral("orv_K4810_%1.xml")
                                           .arg(QDateTime::currentDateTime().toString(QStringLiteral("d-MM-yy-H-m"))));
    if (path.isEmpty() || writeSettingsFile(path, lightVariant) != 0 || !beginBlockWrite(path)) {
        if (!path.isEmpty())
            QFile::remove(path);
        tellWriteFailed();
        setControlsEnabled(true);
    }
}

void orv_FormXml_K4810::slot_pressed_pushButton_LoadToDevice()
{
    loadToDevice(false);
}

void orv_FormXml_K4810::slot_pressed_pushBtn_Light_LoadToDevice()
{
    loadToDevice(true);
}

bool orv_FormXml_K4810::readBlock(int blockNumber, QByteArray *data)
{
    QFile file(m_writeFile);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (!file.seek(qint64(blockNumber - 1) * kBlockSize))
        return false;
    *data = file.read(kBlockSize);
    return true;
}

bool orv_FormXml_K4810::beginBlockWrite(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    file.close();
    if (size > INT32_MAX - kBlockSize)
        return false;

    m_writeFile = path;
    m_totalBytes = int(size);
    m_blockCount = int((size + kBlockSize - 1) / kBlockSize);
    m_blockNumber = 1;
    m_sequence = kFirstSequence;
    m_bytesWritten = 0;
    QByteArray data;
    if (!readBlock(m_blockNumber, &data)) {
        m_writeFile.clear();
        return false;
    }
    m_lastBlockLength = int(data.size());
    m_block = settingsBlock(data, m_blockNumber, m_blockCount, m_sequence);

    if (!m_progress)
        m_progress = new FormWait(this);
    m_progress->reset();
    m_progress->setMessage(tr("K4810_020"));
    m_progress->setTotal(QString::asprintf("%.1f Kb", m_totalBytes / 1024.0));
    m_progress->setRange(0, m_totalBytes);
    m_progress->setValue(0);
    m_progress->setCurrent(QStringLiteral("0"));
    m_progress->setStatus(tr("K4810_021"));
    m_progress->showCounters(true);
    m_progress->show();

    m_writeStart.start();
    sendCurrentBlock();
    return true;
}

void orv_FormXml_K4810::sendCurrentBlock()
{
    if (!isWriting())
        return;
    m_device->send(OrvMsg::SettingsBlock, addr(m_block.constData()), 0);
}

void orv_FormXml_K4810::queueCurrentBlock()
{
    // A host that answers inside send would otherwise have every block
    // nest one call deeper.
    QMetaObject::invokeMethod(this, &orv_FormXml_K4810::sendCurrentBlock, Qt::QueuedConnection);
}

void orv_FormXml_K4810::onWriteAck(int result)
{
    if (!isWriting())
        return;
    if (result == 1 && m_blockNumber >= m_blockCount) {
        m_bytesWritten += m_lastBlockLength;
        QMetaObject::invokeMethod(this, &orv_FormXml_K4810::finishWrite, Qt::QueuedConnection);
        return;
    }
    if (result == 1) {
        m_bytesWritten += m_lastBlockLength;
        if (m_progress) {
            m_progress->setCurrent(QString::asprintf("%.1f Kb", m_bytesWritten / 1024.0));
            m_progress->setValue(m_bytesWritten);
            m_progress->setStatus(progressStatus(m_writeStart.elapsed() / 1000, m_bytesWritten, m_totalBytes));
        }
        ++m_blockNumber;
        ++m_sequence;
    } else if (result != 2) {
        return;
    }
    QByteArray data;
    if (!readBlock(m_blockNumber, &data)) {
        endWrite();
        tellWriteFailed();
        return;
    }
    m_lastBlockLength = int(data.size());
    m_block = settingsBlock(data, m_blockNumber, m_blockCount, m_sequence);
    queueCurrentBlock();
}

void orv_FormXml_K4810::finishWrite()
{
    if (!isWriting())
        return;
    if (m_progress)
        m_progress->close();
    const QString path = m_writeFile;
    // The write is over before the user answers: acknowledgements that
    // come in meanwhile find nothing to do.
    m_writeFile.clear();
    if (ask(tr("K4810_024"), tr("K4810_025"), tr("K4810_001"), tr("K4810_002"))) {
        QString written = path;
        m_device->send(OrvMsg::SettingsWritten, addr(&written), 0);
    }
    QFile::remove(path);
    setControlsEnabled(true);
}

void orv_FormXml_K4810::endWrite()
{
    if (m_progress)
        m_progress->close();
    if (!m_writeFile.isEmpty())
        QFile::remove(m_writeFile);
    m_writeFile.clear();
    setControlsEnabled(true);
}

// ---------------------------------------------------------------------------
// Polling of live values

bool orv_FormXml_K4810::pollsCurrentPage() const
{
    return isCurrent(PageAccelerometer) || isCurrent(PageSensors);
}

void orv_FormXml_K4810::setPolling(bool on, int intervalMs)
{
    m_analogTimer->stop();
    m_pollInterval = intervalMs > 0 ? intervalMs : kDefaultPollInterval;
    m_pollingOn = on;
    m_accelerometerVariant = false;
    if (on)
        pollNow();
}

void orv_FormXml_K4810::setAccelerometerPolling(bool on, int intervalMs)
{
    m_analogTimer->stop();
    m_pollInterval = intervalMs > 0 ? intervalMs : kDefaultPollInterval;
    m_pollingOn = on;
    m_accelerometerVariant = true;
    if (on)
        pollCurrentPage(true);
}

void orv_FormXml_K4810::pollNow()
{
    pollCurrentPage(m_accelerometerVariant);
}

void orv_FormXml_K4810::pollCurrentPage(bool accelerometerVariant)
{
    m_awaitingAnswer = true;
    m_pollPhase = 1;
    if (!m_online)
        return;
    if (isCurrent(PageAccelerometer)) {
        if (accelerometerVariant)
            requestAccelCalibrationStep(65, 0);
        else
            m_device->send(OrvMsg::AccelState);
    } else if (isCurrent(PageSensors)) {
        m_device->send(OrvMsg::SensorsPoll);
    } else if (isCurrent(PageSystem)) {
        m_device->send(OrvMsg::SystemPoll);
    }
}

void orv_FormXml_K4810::slot_timeOut_TimerAnalog()
{
    m_analogTimer->stop();
    if (m_online && m_pollingOn && pollsCurrentPage())
        pollCurrentPage(m_accelerometerVariant);
    else
        stopPolling();
}

void orv_FormXml_K4810::stopPolling()
{
    m_analogTimer->stop();
    m_awaitingAnswer = false;
    m_pollPhase = 0;
    m_pollingOn = false;
    if (m_pages[PageAccelerometer])
        m_pages[PageAccelerometer]->stopLive();
    if (m_pages[PageSensors])
        m_pages[PageSensors]->stopLive();
}

void orv_FormXml_K4810::answerHandled()
{
    if (!(m_pollingOn && m_online))
        return;
    if (m_pollPhase != 2) {
        m_awaitingAnswer = false;
        m_analogTimer->start(m_pollInterval);
        return;
    }
    if (!m_awaitingAnswer) {
        m_analogTimer->stop();
        m_device->send(OrvMsg::AccelCycleEnd);
    }
    m_pollPhase = 2;
}

// ---------------------------------------------------------------------------
// Requests forwarded for the pages

void orv_FormXml_K4810::requestOneWireCode()
{
    m_device->setTmiRouting(0);
    m_device->send(OrvMsg::ReadTouchMemory);
}

void orv_FormXml_K4810::requestSystemPoll() { m_device->send(OrvMsg::SystemPoll); }
void orv_FormXml_K4810::requestAccelCycleEnd() { m_device->send(OrvMsg::AccelCycleEnd); }
void orv_FormXml_K4810::requestSensorsPoll() { m_device->send(OrvMsg::SensorsPoll); }
void orv_FormXml_K4810::requestSystemRead() { m_device->send(OrvMsg::SystemRead); }
void orv_FormXml_K4810::requestCanRead(int value) { m_device->send(OrvMsg::CanRead, value, 0); }
void orv_FormXml_K4810::requestAccelState() { m_device->send(OrvMsg::AccelState); }

void orv_FormXml_K4810::requestAccelOption(int option)
{
    if (isCurrent(PageAccelerometer))
        m_device->send(OrvMsg::AccelOption, 0, option);
}

void orv_FormXml_K4810::requestTouchMemoryRead() { m_device->send(OrvMsg::TouchMemoryRead); }
void orv_FormXml_K4810::requestTouchMemorySave(int p1, int p2) { m_device->send(OrvMsg::TouchMemorySave, p1, p2); }
void orv_FormXml_K4810::requestTouchMemoryLoad(int p1, int p2) { m_device->send(OrvMsg::TouchMemoryLoad, p1, p2); }
void orv_FormXml_K4810::requestTouchMemory() { m_device->send(OrvMsg::TouchMemoryRequest); }
void orv_FormXml_K4810::requestEmail() { m_device->send(OrvMsg::EmailRequest); }
void orv_FormXml_K4810::requestDeadZoneRead() { m_device->send(OrvMsg::DeadZoneRead); }
void orv_FormXml_K4810::requestDeadZone(int value) { m_device->send(OrvMsg::DeadZoneRequest, value, 0); }
void orv_FormXml_K4810::requestDeadZoneValue(const void *value) { m_device->send(OrvMsg::DeadZoneValue, addr(value), 0); }

void orv_FormXml_K4810::requestAccelCalibrationStep(uchar first, uchar second)
{
    if (!isCurrent(PageAccelerometer))
        return;
    const uchar value[2] = {first, second};
    m_device->send(OrvMsg::AccelCalibrationStep, addr(value), 0);
}

void orv_FormXml_K4810::requestBluetooth() { m_device->send(OrvMsg::BluetoothRequest); }
void orv_FormXml_K4810::requestBluetoothSearch() { m_device->send(OrvMsg::BluetoothSearch); }
