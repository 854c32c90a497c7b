#include "host/hostmainwindow.h"

#include "ui_hostmainwindow.h"

#include "host/helpwindow.h"
#include "host/hostmessages.h"
#include "host/hostsettings.h"
#include "host/hosttranslator.h"
#include "host/messagelogfilter.h"
#include "host/messagelogmodel.h"
#include "host/monitorserver.h"
#include "host/pluginhost.h"
#include "host/simulator/services/settings/settingsservice.h"
#include "host/simulator/simulatedtracker.h"
#include "host/trackerdialog.h"
#include "host/workingpaths.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QMessageBox>
#include <QSaveFile>
#include <QStyledItemDelegate>
#include <QUrl>

namespace {

// Tints the rows by direction so requests and answers stand apart.
class DirectionDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const auto direction = HostMessages::Direction(index.data(MessageLogModel::DirectionRole).toInt());
        const QColor colour = direction == HostMessages::Direction::ToHost ? QColor(0x1f, 0x5f, 0xa8)
                              : direction == HostMessages::Direction::Host ? QColor(0x6d, 0x4c, 0x41)
                                                                           : QColor(0x2e, 0x7d, 0x32);
        if (!(option->state & QStyle::State_Selected))
            option->palette.setColor(QPalette::Text, colour);
    }
};

const char *const kSettingsFilter = QT_TRANSLATE_NOOP("HostMainWindow", "Settings files (*.xml);;All files (*)");
const char *const kTelemetryFilter = QT_TRANSLATE_NOOP("HostMainWindow", "Telemetry files (*.xml);;All files (*)");
const char *const kCalibrationFilter = QT_TRANSLATE_NOOP("HostMainWindow", "Calibration files (*.xml);;All files (*)");
const char *const kGeneralHelp = "/Localization/Help/K-4810/k-4810conf.html";

} // namespace

HostMainWindow::HostMainWindow(PluginHost &host, SimulatedTracker &tracker, HostSettings &settings,
                               MessageLogModel &log, const QStringList &workingPaths, QWidget *parent)
    : QMainWindow(parent)
    , ui(std::make_unique<Ui::HostMainWindow>())
    , m_host(host)
    , m_tracker(tracker)
    , m_settings(settings)
    , m_log(log)
    , m_filter(new MessageLogFilter(this))
    , m_workingPaths(workingPaths)
    , m_help(settings.helpRoot())
    , m_monitorServer(new MonitorServer(this))
    , m_monitorLabel(new QLabel(this))
{
    ui->setupUi(this);
    statusBar()->addPermanentWidget(m_monitorLabel);
    connect(m_monitorServer, &MonitorServer::messageLogged, &m_log, &MessageLogModel::append);
    connect(m_monitorServer, &MonitorServer::listeningChanged, this, &HostMainWindow::updateMonitorServerState);
    connect(ui->actionMonitorServer, &QAction::triggered, this, &HostMainWindow::slot_triggered_actionMonitorServer);
    updateMonitorServerState();
    setupActions();
    setupLog();
    showIdentity();
    updateHelpLabel();
    updateTelemetryAction();
    updateTrackerState();

    connect(&m_host, &PluginHost::helpRequested, this, &HostMainWindow::showHelp);
    connect(&m_tracker, &SimulatedTracker::attachedChanged, this, &HostMainWindow::updateTrackerState);

    if (!m_settings.windowGeometry().isEmpty())
        restoreGeometry(m_settings.windowGeometry());
    if (!m_settings.windowState().isEmpty())
        restoreState(m_settings.windowState());
}

HostMainWindow::~HostMainWindow() = default;

void HostMainWindow::setupActions()
{
    ui->toolButton_SettingsEditor->setDefaultAction(ui->actionSettingsEditor);
    ui->toolButton_SettingsLight->setDefaultAction(ui->actionSettingsLight);
    ui->toolButton_SettingsFile->setDefaultAction(ui->actionOpenSettingsFile);
    ui->toolButton_Telemetry->setDefaultAction(ui->actionTelemetryWindow);
    ui->toolButton_LogViewerPage->setDefaultAction(ui->actionLogViewerPage);
    ui->toolButton_LogViewerTable->setDefaultAction(ui->actionLogViewerTable);
    ui->toolButton_TelemetryFile->setDefaultAction(ui->actionOpenTelemetryFilePage);
    ui->toolButton_CalibrationFile->setDefaultAction(ui->actionOpenCalibrationFile);
    ui->toolButton_ReadSettings->setDefaultAction(ui->actionReadSettings);
    ui->toolButton_Attach->setDefaultAction(ui->actionAttach);
    ui->toolButton_Detach->setDefaultAction(ui->actionDetach);
    ui->toolButton_ClearLog->setDefaultAction(ui->actionClearLog);
    ui->menuView->addAction(ui->dockWidget_Log->toggleViewAction());

    connect(ui->actionSettingsEditor, &QAction::triggered, this, &HostMainWindow::slot_triggered_actionSettingsEditor);
    connect(ui->actionSettingsLight, &QAction::triggered, this, &HostMainWindow::slot_triggered_actionSettingsLight);
    connect(ui->actionOpenSettingsFile, &QAction::triggered, this,
            &HostMainWindow::slot_triggered_actionOpenSettingsFile);
    connect(ui->actionOpenSettingsFileLight, &QAction::triggered, this,
            &HostMainWindow::slot_triggered_actionOpenSettingsFileLight);
    connect(ui->actionTelemetryWindow, &QAction::triggered, this,
            &HostMainWindow::slot_triggered_actionTelemetryWindow);
    connect(ui->actionTelemetryWindowFile, &QAction::triggered, this,
            &HostMainWindow::slot_triggered_actionTelemetryWindowFile);
    connect(ui->actionTelemetryWindowNoFile, &QAction::triggered, this,
            &HostMainWindow::slot_triggered_actionTelemetryWindowNoFile);
    connect(ui->actionLogViewerPage, &QAction::triggered, this, &HostMainWindow::slot_triggered_actionLogViewerPage);
    connect(ui->actionLogViewerTable, &QAction::triggered, this, &HostMainWindow::slot_triggered_actionLogViewerTable);
    connect(ui->actionOpenTelemetryFilePage, &QAction::triggered, this,
            &HostMainWindow::slot_triggered_actionOpenTelemetryFilePage);
    connect(ui->actionOpenTelemetryFileTable, &QAction::triggered, this,
            &HostMainWindow::slot_triggered_actionOpenTelemetryFileTable);
    connect(ui->actionOpenCalibrationFile, &QAction::triggered, this,
            &HostMainWindow::slot_triggered_actionOpenCalibrationFile);
    connect(ui->actionSaveLog, &QAction::triggered, this, &HostMainWindow::slot_triggered_actionSaveLog);
    connect(ui->actionQuit, &QAction::triggered, this, &QWidget::close);

    connect(ui->actionAttach, &QAction::triggered, &m_tracker, &SimulatedTracker::attach);
    connect(ui->actionDetach, &QAction::triggered, &m_tracker, &SimulatedTracker::detach);
    connect(ui->actionTrackerProperties, &QAction::triggered, this,
            &HostMainWindow::slot_triggered_actionTrackerProperties);
    connect(ui->actionReadSettings, &QAction::triggered, this, &HostMainWindow::slot_triggered_actionReadSettings);
    connect(ui->actionReadSettingsLight, &QAction::triggered, this,
            &HostMainWindow::slot_triggered_actionReadSettingsLight);
    ui->actionAttachAtStart->setChecked(m_settings.attachAtStart());
    connect(ui->actionAttachAtStart, &QAction::toggled, this,
            [this](bool checked) { m_settings.setAttachAtStart(checked); });

    auto *answerGroup = new QActionGroup(this);
    answerGroup->addAction(ui->actionAnswerAsync);
    answerGroup->addAction(ui->actionAnswerInside);
    (m_host.answerMode() == PluginHost::AnswerMode::InsideSend ? ui->actionAnswerInside : ui->actionAnswerAsync)
        ->setChecked(true);
    connect(ui->actionAnswerAsync, &QAction::triggered, this, [this] {
        m_tracker.setAnswerMode(PluginHost::AnswerMode::Async);
        m_settings.setAnswerInsideSend(false);
        updateTrackerState();
    });
    connect(ui->actionAnswerInside, &QAction::triggered, this, [this] {
        m_tracker.setAnswerMode(PluginHost::AnswerMode::InsideSend);
        m_settings.setAnswerInsideSend(true);
        updateTrackerState();
    });

    auto *delayGroup = new QActionGroup(this);
    const std::pair<QAction *, int> delays[] = {
        {ui->actionDelayNone, 0}, {ui->actionDelayShort, 200}, {ui->actionDelayLong, 1000}};
    for (const auto &[action, ms] : delays) {
        delayGroup->addAction(action);
        action->setChecked(m_host.answerDelay() == ms);
        const int milliseconds = ms;
        connect(action, &QAction::triggered, this, [this, milliseconds] { setAnswerDelay(milliseconds); });
    }
    if (!delayGroup->checkedAction())
        ui->actionDelayNone->setChecked(true);

    auto *autoGroup = new QActionGroup(this);
    QAction *const autoActions[] = {ui->actionAutoOff, ui->actionAuto1, ui->actionAuto2, ui->actionAuto3};
    for (int mode = 0; mode < 4; ++mode) {
        autoGroup->addAction(autoActions[mode]);
        autoActions[mode]->setChecked(m_settings.autoTelemetryMode() == mode);
        connect(autoActions[mode], &QAction::triggered, this, [this, mode] { setAutoMode(mode); });
    }

    connect(ui->actionHelpFolder, &QAction::triggered, this, &HostMainWindow::slot_triggered_actionHelpFolder);
    connect(ui->actionHelpFolderDefault, &QAction::triggered, this,
            &HostMainWindow::slot_triggered_actionHelpFolderDefault);
    connect(ui->actionOpenWorkingFolder, &QAction::triggered, this,
            &HostMainWindow::slot_triggered_actionOpenWorkingFolder);
    connect(ui->actionPluginHelp, &QAction::triggered, this, &HostMainWindow::slot_triggered_actionPluginHelp);
    connect(ui->actionAbout, &QAction::triggered, this, &HostMainWindow::slot_triggered_actionAbout);
    connect(ui->actionAboutQt, &QAction::triggered, qApp, &QApplication::aboutQt);
    connect(ui->actionClearLog, &QAction::triggered, &m_log, &MessageLogModel::clear);
}

void HostMainWindow::setupLog()
{
    m_filter->setSourceModel(&m_log);
    QTableView *view = ui->tableView_Log;
    view->setModel(m_filter);
    view->setItemDelegate(new DirectionDelegate(view));
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    view->setColumnWidth(MessageLogModel::TimeColumn, 100);
    view->setColumnWidth(MessageLogModel::DirectionColumn, 80);
    view->setColumnWidth(MessageLogModel::NumberColumn, 60);
    view->setColumnWidth(MessageLogModel::NameColumn, 190);
    view->setColumnWidth(MessageLogModel::ParametersColumn, 460);

    ui->comboBox_Direction->addItem(tr("Both directions"), int(MessageLogFilter::Directions::Both));
    ui->comboBox_Direction->addItem(tr("To the plug-in"), int(MessageLogFilter::Directions::ToPlugin));
    ui->comboBox_Direction->addItem(tr("To the host"), int(MessageLogFilter::Directions::ToHost));
    connect(ui->comboBox_Direction, &QComboBox::currentIndexChanged, this, [this](int) {
        m_filter->setDirections(MessageLogFilter::Directions(ui->comboBox_Direction->currentData().toInt()));
    });
    connect(ui->lineEdit_Filter, &QLineEdit::textChanged, m_filter, &MessageLogFilter::setText);
    connect(m_filter, &QAbstractItemModel::rowsInserted, this, &HostMainWindow::slot_rowsInserted_log);

    auto *copy = new QAction(tr("Copy"), view);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &HostMainWindow::slot_copy_log);
    view->addAction(copy);
    view->addAction(ui->actionClearLog);
    view->addAction(ui->actionSaveLog);
    view->setContextMenuPolicy(Qt::ActionsContextMenu);
    view->scrollToBottom();
}

void HostMainWindow::showIdentity()
{
    const PluginHost::Identity id = m_host.identity();
    setWindowTitle(tr("K-4810 host – %1 (%2) %3, interface level %4")
                       .arg(id.displayName, id.model, id.version())
                       .arg(id.interfaceLevel));
    ui->label_Model->setText(id.model);
    ui->label_DisplayName->setText(id.displayName);
    ui->label_Version->setText(tr("%1, interface level %2").arg(id.version()).arg(id.interfaceLevel));
    ui->label_File->setText(QDir::toNativeSeparators(m_host.fileName()));
    ui->label_Data->setText(QDir::toNativeSeparators(workingPath(WorkingPaths::Data)));
}

void HostMainWindow::setHelpRoot(const QString &folder)
{
    m_help.setRoot(folder);
    updateHelpLabel();
}

void HostMainWindow::updateHelpLabel()
{
    ui->label_Help->setText(QDir::toNativeSeparators(m_help.effectiveRoot())
                            + (m_help.root().isEmpty() ? tr(" (working directory)") : QString()));
}

QString HostMainWindow::workingPath(int index) const
{
    return m_workingPaths.value(index);
}

void HostMainWindow::updateTrackerState()
{
    const bool attached = m_tracker.isAttached();
    ui->actionAttach->setEnabled(!attached);
    ui->actionDetach->setEnabled(attached);
    ui->actionReadSettings->setEnabled(attached);
    ui->actionReadSettingsLight->setEnabled(attached);
    ui->label_State->setText(attached ? tr("<b>attached</b>") : tr("detached"));
    ui->label_Tracker->setText(QStringLiteral("%1, %2").arg(m_tracker.model(), m_tracker.identification()));
    ui->label_Firmware->setText(m_tracker.firmware());
    ui->label_Capabilities->setText(QStringLiteral("0x%1").arg(m_tracker.capabilities(), 0, 16));
    QString answers = m_host.answerMode() == PluginHost::AnswerMode::InsideSend ? tr("inside the plug-in's send")
                                                                                : tr("asynchronous");
    if (m_host.answerMode() == PluginHost::AnswerMode::Async && m_host.answerDelay() > 0)
        answers += tr(", %1 ms delay").arg(m_host.answerDelay());
    ui->label_Answers->setText(answers);
    const int mode = m_settings.autoTelemetryMode();
    ui->label_AutoMode->setText(mode == 0 ? tr("off") : tr("mode %1").arg(mode));
    statusBar()->showMessage(attached ? tr("Tracker %1 attached").arg(m_tracker.model()) : tr("No tracker attached"));
}

void HostMainWindow::updateTelemetryAction()
{
    const QString last = m_settings.lastSettingsFile();
    if (!last.isEmpty() && QFileInfo::exists(last))
        ui->actionTelemetryWindow->setText(tr("&Telemetry window (%1)").arg(QFileInfo(last).fileName()));
    else
        ui->actionTelemetryWindow->setText(tr("&Telemetry window"));
}

void HostMainWindow::setAutoMode(int mode)
{
    m_settings.setAutoTelemetryMode(mode);
    m_host.deliverIntRef(HostMessages::AutoTelemetryMode, m_settings.autoTelemetryMode());
    updateTrackerState();
}

void HostMainWindow::setAnswerDelay(int milliseconds)
{
    m_host.setAnswerDelay(milliseconds);
    m_settings.setAnswerDelay(milliseconds);
    updateTrackerState();
}

QString HostMainWindow::chooseFile(const QString &caption, const QString &startAt, const QString &filter)
{
    return QFileDialog::getOpenFileName(this, caption, startAt, filter);
}

static QString startFolder(const QString &lastFile, const QString &fallback)
{
    if (!lastFile.isEmpty()) {
        const QFileInfo info(lastFile);
        if (info.dir().exists())
            return info.absoluteFilePath();
    }
    return fallback;
}

void HostMainWindow::slot_triggered_actionSettingsEditor()
{
    m_host.deliverPlain(HostMessages::OpenSettingsEditor, 0);
}

void HostMainWindow::slot_triggered_actionSettingsLight()
{
    m_host.deliverPlain(HostMessages::OpenSettingsEditor, 1);
}

void HostMainWindow::openSettingsFile(int viewMode)
{
    const QString file = chooseFile(tr("Open settings file"),
                                    startFolder(m_settings.lastSettingsFile(), workingPath(WorkingPaths::Settings)),
                                    tr(kSettingsFilter));
    if (file.isEmpty())
        return;
    m_settings.setLastSettingsFile(file);
    updateTelemetryAction();
    // Title mode 0: the editor's title shows the file name.
    m_host.deliverTextAndInts(HostMessages::OpenSettingsFile, file, 0, viewMode);
}

void HostMainWindow::slot_triggered_actionOpenSettingsFile()
{
    openSettingsFile(0);
}

void HostMainWindow::slot_triggered_actionOpenSettingsFileLight()
{
    openSettingsFile(1);
}

void HostMainWindow::readSettingsFromTracker(int viewMode)
{
    SettingsService *settings = m_tracker.service<SettingsService>();
    if (!settings || !m_tracker.isAttached())
        return;
    // What a real host does: read the configuration out of the tracker into
    // a file, then hand the file to the editor.
    const QString folder = workingPath(WorkingPaths::Transfer);
    QDir().mkpath(folder);
    const QString file = QDir(folder).filePath(QStringLiteral("%1 %2.xml").arg(m_tracker.model(), m_tracker.identification()));
    QString error;
    if (!settings->writeConfiguration(file, &error)) {
        QMessageBox::warning(this, tr("Read settings from tracker"),
                             tr("The tracker's settings could not be written to %1:\n%2")
                                 .arg(QDir::toNativeSeparators(file), error));
        return;
    }
    m_host.deliverTextAndInts(HostMessages::OpenSettingsFile, file, 0, viewMode);
}

void HostMainWindow::slot_triggered_actionReadSettings()
{
    readSettingsFromTracker(0);
}

void HostMainWindow::slot_triggered_actionReadSettingsLight()
{
    readSettingsFromTracker(1);
}

void HostMainWindow::openTelemetryWindow(const QString &settingsFile)
{
    const bool applyAutoMode = m_settings.autoTelemetryMode() != 0;
    m_host.deliverText(HostMessages::OpenTelemetryWindow, settingsFile, applyAutoMode ? 1 : 0);
}

void HostMainWindow::slot_triggered_actionTelemetryWindow()
{
    const QString last = m_settings.lastSettingsFile();
    openTelemetryWindow(!last.isEmpty() && QFileInfo::exists(last) ? last : QString());
}

void HostMainWindow::slot_triggered_actionTelemetryWindowFile()
{
    const QString file = chooseFile(tr("Settings file for the telemetry window"),
                                    startFolder(m_settings.lastSettingsFile(), workingPath(WorkingPaths::Settings)),
                                    tr(kSettingsFilter));
    if (file.isEmpty())
        return;
    m_settings.setLastSettingsFile(file);
    updateTelemetryAction();
    openTelemetryWindow(file);
}

void HostMainWindow::slot_triggered_actionTelemetryWindowNoFile()
{
    openTelemetryWindow(QString());
}

void HostMainWindow::slot_triggered_actionLogViewerPage()
{
    m_host.deliverPlain(HostMessages::OpenLogViewer, 0);
}

void HostMainWindow::slot_triggered_actionLogViewerTable()
{
    m_host.deliverPlain(HostMessages::OpenLogViewerAlt, 1);
}

void HostMainWindow::openTelemetryFile(int form)
{
    const QString file = chooseFile(tr("Open telemetry file"),
                                    startFolder(m_settings.lastTelemetryFile(), workingPath(WorkingPaths::Data)),
                                    tr(kTelemetryFilter));
    if (file.isEmpty())
        return;
    m_settings.setLastTelemetryFile(file);
    m_host.deliverText(HostMessages::OpenTelemetryFile, file, form);
}

void HostMainWindow::slot_triggered_actionOpenTelemetryFilePage()
{
    openTelemetryFile(0);
}

void HostMainWindow::slot_triggered_actionOpenTelemetryFileTable()
{
    openTelemetryFile(1);
}

void HostMainWindow::slot_triggered_actionOpenCalibrationFile()
{
    const QString file = chooseFile(tr("Open fuel calibration file"),
                                    startFolder(m_settings.lastCalibrationFile(), workingPath(WorkingPaths::Data)),
                                    tr(kCalibrationFilter));
    if (file.isEmpty())
        return;
    m_settings.setLastCalibrationFile(file);
    m_host.deliverText(HostMessages::OpenCalibrationFile, file);
}

void HostMainWindow::slot_triggered_actionSaveLog()
{
    const QString file = QFileDialog::getSaveFileName(
        this, tr("Save message log"),
        QDir(workingPath(WorkingPaths::Data)).filePath(QStringLiteral("k4810-messages.txt")),
        tr("Text files (*.txt);;All files (*)"));
    if (file.isEmpty())
        return;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Text) || out.write(m_log.text().toUtf8()) < 0 || !out.commit()) {
        QMessageBox::warning(this, tr("Save message log"),
                             tr("Cannot write %1: %2").arg(QDir::toNativeSeparators(file), out.errorString()));
    }
}

void HostMainWindow::slot_triggered_actionTrackerProperties()
{
    TrackerDialog dialog(m_tracker, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (dialog.apply() && m_tracker.isAttached()) {
        m_tracker.detach();
        m_tracker.attach();
    }
    updateTrackerState();
}

void HostMainWindow::slot_triggered_actionHelpFolder()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Folder of the help pages"), m_help.effectiveRoot());
    if (folder.isEmpty())
        return;
    m_settings.setHelpRoot(folder);
    setHelpRoot(folder);
}

void HostMainWindow::slot_triggered_actionHelpFolderDefault()
{
    m_settings.setHelpRoot(QString());
    setHelpRoot(QString());
}

void HostMainWindow::slot_triggered_actionOpenWorkingFolder()
{
    const QString data = workingPath(WorkingPaths::Data);
    if (data.isEmpty())
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(QDir::cleanPath(data)).absolutePath()));
}

void HostMainWindow::slot_triggered_actionPluginHelp()
{
    showHelp(QString::fromLatin1(kGeneralHelp));
}

void HostMainWindow::showHelp(const QString &requestPath)
{
    if (!m_helpWindow)
        m_helpWindow = new HelpWindow(this);
    m_helpWindow->showRequest(requestPath, m_help);
}

void HostMainWindow::slot_triggered_actionAbout()
{
    const PluginHost::Identity id = m_host.identity();
    const QString text =
        tr("<h3>%1</h3>"
           "<table>"
           "<tr><td>Model:</td><td>%2</td></tr>"
           "<tr><td>Display name:</td><td>%1</td></tr>"
           "<tr><td>Version:</td><td>%3</td></tr>"
           "<tr><td>Interface level:</td><td>%4</td></tr>"
           "<tr><td>Info words:</td><td>%5, %6, %7</td></tr>"
           "<tr><td>Device handle:</td><td>0x%8</td></tr>"
           "<tr><td>File:</td><td>%9</td></tr>"
           "</table>"
           "<p>Stand-in host %10 with a simulated tracker, built with Qt %11.</p>")
            .arg(id.displayName.toHtmlEscaped(), id.model.toHtmlEscaped(), id.version())
            .arg(id.interfaceLevel)
            .arg(id.infoWord3)
            .arg(id.infoWord4)
            .arg(id.infoWord5)
            .arg(id.handle, 0, 16)
            .arg(QDir::toNativeSeparators(m_host.fileName()).toHtmlEscaped())
            .arg(QCoreApplication::applicationVersion(), QString::fromLatin1(qVersion()));
    QMessageBox::about(this, tr("About the plug-in"), text);
}

void HostMainWindow::slot_rowsInserted_log()
{
    if (ui->checkBox_Follow->isChecked())
        ui->tableView_Log->scrollToBottom();
}

void HostMainWindow::slot_copy_log()
{
    const QModelIndexList rows = ui->tableView_Log->selectionModel()->selectedRows();
    QList<int> sourceRows;
    for (const QModelIndex &index : rows)
        sourceRows << m_filter->mapToSource(index).row();
    std::sort(sourceRows.begin(), sourceRows.end());
    QStringList lines;
    for (int row : sourceRows)
        lines << m_log.line(row);
    if (!lines.isEmpty())
        QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void HostMainWindow::setLanguages(HostTranslator *hostTexts, const QStringList &languages, const QString &current,
                                  const QString &catalogueFolder)
{
    m_hostTexts = hostTexts;
    m_catalogueFolder = catalogueFolder;
    m_pluginLanguage = current;
    // The help pages name the plug-in's controls, so they follow the
    // language of its windows, as the tracker's description does.
    m_help.setLanguage(current);
    if (!m_languageMenu) {
        m_languageMenu = new QMenu(this);
        m_languageMenu->setObjectName(QStringLiteral("menuLanguage"));
        ui->menuOptions->addSeparator();
        ui->menuOptions->addMenu(m_languageMenu);
        m_languageGroup = new QActionGroup(this);
    }
    qDeleteAll(m_languageGroup->actions());
    for (const QString &language : languages) {
        // Each language is named as its speakers write it, in either interface.
        QAction *action = m_languageMenu->addAction(HostTranslator::nativeName(language));
        action->setObjectName(QStringLiteral("actionLanguage_") + language);
        action->setData(language);
        action->setCheckable(true);
        action->setChecked(language == current);
        m_languageGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, language] { chooseLanguage(language); });
    }
    m_languageMenu->menuAction()->setVisible(languages.size() > 1);
    retranslate();
}

void HostMainWindow::chooseLanguage(const QString &language)
{
    m_settings.setLanguage(language);
    if (m_hostTexts) {
        QCoreApplication::removeTranslator(m_hostTexts);
        m_hostTexts->loadLanguage(language, m_catalogueFolder, HostTranslator::Texts::Host);
        // Installing sends every widget a LanguageChange: this window
        // retranslates itself (changeEvent).
        QCoreApplication::installTranslator(m_hostTexts);
    }
    if (language == m_pluginLanguage) {
        // After the retranslation the change posts, which sets the tracker's state there.
        QTimer::singleShot(0, this, [this] {
            statusBar()->showMessage(tr("The plug-in's windows are in this language."), 10000);
        });
        return;
    }
    QMessageBox::information(this, tr("Language"),
                             tr("The host's window is now in English. The plug-in's windows, including those "
                                "not opened yet, stay in the language the host started in until the host is "
                                "started again, so that no window mixes two languages."));
}

void HostMainWindow::retranslate()
{
    ui->retranslateUi(this);
    if (m_languageMenu)
        m_languageMenu->setTitle(tr("&Language"));
    showIdentity();
    updateHelpLabel();
    updateTelemetryAction();
    updateTrackerState();
    updateMonitorServerState();
}

void HostMainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void HostMainWindow::closeEvent(QCloseEvent *event)
{
    m_settings.setWindowGeometry(saveGeometry());
    m_settings.setWindowState(saveState());
    event->accept();
    // The plug-in's windows are top-level windows of their own; closing the
    // host ends the session.
    QCoreApplication::quit();
}

// ---------------------------------------------------------------------------
// Local monitoring server

bool HostMainWindow::startMonitorServer(quint16 port)
{
    const bool started = m_monitorServer->start(port);
    if (started)
        m_monitorPort = m_monitorServer->port();
    updateMonitorServerState();
    return started;
}

void HostMainWindow::stopMonitorServer()
{
    m_monitorServer->stop();
    updateMonitorServerState();
}

QString HostMainWindow::monitorServerError() const
{
    return m_monitorServer->errorString();
}

void HostMainWindow::slot_triggered_actionMonitorServer(bool checked)
{
    if (!checked) {
        stopMonitorServer();
        return;
    }
    bool ok = false;
    const int port = QInputDialog::getInt(this, tr("Local monitoring server"),
                                          tr("Port on 127.0.0.1 (the plug-in's connection test reaches it as "
                                             "server 127.0.0.1 or localhost):"),
                                          m_monitorPort, 1, 65535, 1, &ok);
    if (!ok) {
        updateMonitorServerState();
        return;
    }
    if (!startMonitorServer(quint16(port)))
        QMessageBox::warning(this, tr("Local monitoring server"),
                             tr("The monitoring server cannot listen on port %1: %2").arg(port).arg(monitorServerError()));
}

void HostMainWindow::updateMonitorServerState()
{
    const bool listening = m_monitorServer->isListening();
    ui->actionMonitorServer->setChecked(listening);
    m_monitorLabel->setVisible(listening);
    m_monitorLabel->setText(listening ? tr("Monitoring server 127.0.0.1:%1").arg(m_monitorServer->port()) : QString());
}
