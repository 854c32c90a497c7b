#ifndef ORV_FORMXML_K4810_H
#define ORV_FORMXML_K4810_H

#include "settings/model/settingscomparison.h"
#include "settings/model/settingsmodel.h"
#include "settings/model/settingssearch.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

namespace Ui {
class orv_FormXml_K4810;
}
class FormWait;
class ORV_FormSettingsChanges;
class ORV_FormSettingsCompare;
class QListWidgetItem;
class SettingsMarks;
class WheelGuard;
class ORV_Device_K4810;
class ORV_FormXml_Light;
class ORV_Form_ParamInfo;
class ORV_SettingsPage;
class QAction;
class QMenu;
class QTemporaryDir;
class QTimer;
class SettingsBlockWrite;
class SettingsPolling;
struct SettingsPageInfo;

// The settings editor. Its values live in one SettingsModel, shown by two
// page sets in a stacked widget: the full set, one tab per row of the page
// table (settings/pages/settingspages.cpp), and the one-screen light form;
// both are bound to the same model, so switching between them hands the
// model over. Opens settings files the host delivers, saves the model to
// files, writes it to the tracker (SettingsBlockWrite), and carries the
// pages' requests and live polling (SettingsPolling), routing each answer
// to the page that waits for it.
//
// Created by the device object on first use and kept for the life of the
// plug-in; closing hides it.
class orv_FormXml_K4810 : public QDialog
{
    Q_OBJECT

public:
    // Page positions, in tab, load and save order. Position Email keeps its
    // slot but no page is created for it.
    enum PagePosition {
        PageInfo,
        PageTransfer,
        PageTrack,
        PageSystem,
        PageCAN,
        PageRS,
        PageTempSensors,
        PageSensors,
        PageAccelerometer,
        PageOutputLines,
        PagePhones,
        PageTM,
        PageGuard,
        PageEcoDrive,
        PageEmail,
        PageBluetooth,
        PageCount
    };

    static constexpr int kBlockSize = 512;
    static constexpr int kSettingsBlockSize = 1040;
    static constexpr int kFirstSequence = 100;
    static constexpr int kDefaultPollInterval = 3000;

    explicit orv_FormXml_K4810(ORV_Device_K4810 *device, int writeTimeoutMs = 10000);
    ~orv_FormXml_K4810() override;

    ORV_Device_K4810 *device() const { return m_device; }
    bool isOnline() const { return m_online; }
    SettingsModel *model() const { return m_model; }
    SettingsPolling *polling() const { return m_polling; }
    SettingsBlockWrite *blockWrite() const { return m_write; }

    // Pages.
    ORV_SettingsPage *page(int position) const;
    ORV_FormXml_Light *lightPage() const { return m_lightPage; }
    int currentTab() const;
    ORV_SettingsPage *currentPage() const;
    bool isCurrent(int position) const;
    bool isLightShown() const;
    void setCurrentTab(int index);
    QMenu *pageMenu() const { return m_menu; }
    // Puts another page in a position's tab (the old page is deleted); the
    // page is set up with the position's row of the page table.
    void setPage(int position, ORV_SettingsPage *page);
    // Where the temporary files of writes live.
    QString temporaryDirectory() const;
    // The editor's temporary directory (made on first use) for the pages'
    // temporary files; empty when none can be made. Never the working directory.
    QString pagesTemporaryDirectory();
    // Where the pages propose and open their data files: the host's data
    // directory (message 2049), the home directory until it gives one.
    QString dataDirectory() const;
    // While a page runs an exchange whose answers only it can take (a key
    // file transfer), the other tabs, the page list and the light form are
    // out of reach, so that leaving the page does not end the exchange.
    void holdPage(ORV_SettingsPage *page, bool hold);
    ORV_SettingsPage *heldPage() const { return m_heldPage; }

    // Operations the device object calls.
    void resetAll();
    // Opens a settings file into the model: 0, or -1 when it cannot be
    // read, which the user is told (the values shown are kept).
    int openSettingsFile(const QString &path, int titleMode);
    void showMode(int viewMode);
    void showSettingsWindow(int mode);
    void setOnline(bool online);
    void onWriteAck(int result);
    void onTouchMemoryCode(quint64 code);
    void receiveAnswer(uint32_t msgId, intptr_t p1, intptr_t p2);

    // Files.
    // The object name of TRANSFER, "NONAME" without one.
    QString settingsObjectName() const;
    QString proposedSavePath(const QDateTime &now) const;
    // The header the editor sets on the files it writes.
    SettingsModel::Header header() const;
    // Writes the model to a file: 0, or -1.
    int writeSettingsFile(const QString &path, bool lightVariant = false);
    // Asks before a save or a write when values cannot be stored as they
    // are; true when there are none or the user goes on.
    bool confirmUnstorable();
    // Before a save or a write: true when no page has values the user must
    // correct (ORV_SettingsPage::inputProblems); else the user is told what,
    // the first such page is shown, and false.
    bool confirmInput();

    // Writing to the tracker.
    void loadToDevice(bool lightVariant);
    // Sends an existing settings file to the tracker (the file is removed
    // when the write ends); false when it cannot be read.
    bool beginBlockWrite(const QString &path);
    bool isWriting() const;
    QString fileBeingWritten() const;
    int blockNumber() const;
    int blockCount() const;
    int sequence() const;
    int bytesWritten() const;
    FormWait *progressWindow() const { return m_progress; }
    // "hh:mm:ss" of a number of seconds.
    static QString formatDuration(qint64 seconds);
    // The status line after `written` of `total` bytes in `elapsed` seconds.
    static QString progressStatus(qint64 elapsedSeconds, qint64 written, qint64 total);
    // The 1040-byte block record: data, then length, block number, block count, sequence.
    static QByteArray settingsBlock(const QByteArray &data, int blockNumber, int blockCount, int sequence);

    // Requests of the pages, through the shared service (see SettingsPolling).
    bool request(ORV_SettingsPage *page, uint32_t msgId, intptr_t p1, intptr_t p2, const QList<uint32_t> &answers,
                 bool stream = false);
    // Live values of a page with its row's live request.
    bool startPolling(ORV_SettingsPage *page, int intervalMs = 0);
    void stopPolling(ORV_SettingsPage *page);

    // Polling of the current page's live values.
    void setPolling(bool on, int intervalMs);
    void setAccelerometerPolling(bool on, int intervalMs);
    void pollNow();
    bool isPolling() const;
    bool isAwaitingAnswer() const;
    int pollPhase() const;
    int pollInterval() const;
    QTimer *analogTimer() const;

    // Requests forwarded for the current page; its answers reach it.
    bool requestOneWireCode();           // 2041; false when not sent (offline)
    void requestSystemPoll();            // 2053
    void requestAccelCycleEnd();         // 2055
    void requestSensorsPoll();           // 2076
    void requestSystemRead();            // 2078
    void requestCanRead(int value);      // 2080
    void requestAccelState();            // 2085
    void requestAccelOption(int option); // 2087, only while the accelerometer page is current
    void requestTouchMemoryRead();       // 2111
    // 2113 and 2115 carry a buffer (its address in p1) and its length.
    void requestTouchMemorySave(const void *buffer, int length); // 2113
    void requestTouchMemoryLoad(const void *buffer, int length); // 2115
    void requestTouchMemory();           // 2117
    void requestEmail();                 // 2119
    void requestDeadZoneRead();          // 2121
    void requestDeadZone(int value);     // 2123
    void requestDeadZoneValue(const void *value); // 2125
    void requestAccelCalibrationStep(uchar first, uchar second); // 2127, only while the accelerometer page is current
    void requestBluetooth();             // 2129
    void requestBluetoothSearch();       // 2130

    void showParamInfo(const QString &title, const QString &text);
    QString helpPath() const;

    // Asks the user a yes/no question in a warning box with two custom
    // buttons (the first accepts). Replaceable so that tests can answer.
    using Question = std::function<bool(const QString &title, const QString &text, const QString &yes,
                                        const QString &no)>;
    void setQuestion(Question question) { m_question = std::move(question); }
    // Tells the user something (a box that does not wait). Replaceable for tests.
    using Notifier = std::function<void(const QString &title, const QString &text)>;
    void setNotifier(Notifier notifier) { m_notifier = std::move(notifier); }
    // Asks for a file name to save to. Replaceable for tests.
    using SaveFileChooser = std::function<QString(const QString &caption, const QString &proposed,
                                                  const QString &filter)>;
    void setSaveFileChooser(SaveFileChooser chooser) { m_saveFileChooser = std::move(chooser); }

    // ------------------------------------------------ finding and undoing changes

    // Settings of every page found by a label, key name or value (see SettingsSearch).
    QList<SettingsSearch::Hit> findSettings(const QString &text, int limit = 200) const;
    // Opens the page of a key, scrolls to its control and highlights it;
    // false when no page shows the key's section.
    bool openSetting(const QString &section, const QString &path);
    // The page that shows a section, or null.
    ORV_SettingsPage *pageOfSection(const QString &section) const;
    // What a user reads for a key: its label (the catalogue's, or the
    // caption beside its control), and the title of its page.
    QString settingLabel(const QString &section, const QString &path) const;
    QString pageTitleOf(const QString &section) const;
    SettingsMarks *marks() const { return m_marks; }
    // The "changed only" view, shown.
    ORV_FormSettingsChanges *showChanges();
    // Every setting of a page, or of every page, to its default, when the
    // user agrees (ask) or at once; false when nothing was reset.
    bool resetPageToDefaults(int position, bool askFirst = true);
    bool resetAllToDefaults(bool askFirst = true);

    // The settings last read from the attached tracker (a file the host
    // delivered while a tracker was attached, or what was last written to
    // it); null when there is none for the tracker attached now.
    const SettingsModel *trackerReading() const;
    // What a write would change on the tracker: its reading against the values.
    QList<SettingsDifference> differencesFromTracker() const;
    // Before a write: shows what will change on the tracker and asks; true to write.
    bool confirmDifferences();
    // Replaces the question of confirmDifferences() (tests): the differences,
    // and whether there is a reading to compare with; true to write.
    using WriteCheck = std::function<bool(const QList<SettingsDifference> &differences, bool haveReading)>;
    void setWriteCheck(WriteCheck check) { m_writeCheck = std::move(check); }
    // Compares the values with a settings file and shows the differences;
    // false (the user told) when the file cannot be read.
    bool compareWithFile(const QString &path);
    ORV_FormSettingsCompare *compareView() const { return m_compareView; }

    // Values changed since they were loaded and not saved or written since.
    bool hasUnsavedChanges() const;
    enum class UnsavedAnswer { Save, Discard, Cancel };
    using UnsavedChoice = std::function<UnsavedAnswer(int changed)>;
    void setUnsavedChoice(UnsavedChoice choice) { m_unsavedChoice = std::move(choice); }
    // Before the values are replaced or the window closes: with unsaved
    // changes, asks to save (a file), discard or cancel; true to go on.
    bool confirmDiscardChanges();

public slots:
    void slot_currentChanged_TabWidget(int nIndex);
    void slot_triggered_Menu(QAction *lpItem);
    void slot_pressed_pushButton_SaveToFile();
    void slot_pressed_pushButton_LoadToDevice();
    void slot_pressed_pushButton_First();
    void slot_pressed_pushButton_PrevScreen();
    void slot_pressed_pushButton_NextScreen();
    void slot_pressed_pushButton_Last();
    void slot_pressed_pushButton_Help();
    void slot_pressed_pushButton_Close();
    void slot_indexChangeed_tabWidget(int nIndex);
    void slot_timeOut_TimerAnalog();
    void slot_finished(int nResult);
    void slot_pressed_pushBtn_Light_SaveToFile();
    void slot_pressed_pushBtn_Light_LoadToDevice();
    void slot_pressed_pushBtn_Light_Close();
    void slot_pressed_pushBtn_Light_Help();
    void slot_pressed_pushBtn_Light_ConfigFull();
    void slot_pressed_pushBtn_Full_ConfigLight();

    void slot_textChanged_lineEdit_Search(const QString &qsText);
    void slot_itemActivated_listWidget_SearchResults(QListWidgetItem *lpItem);
    void slot_pressed_toolButton_Changes();
    void slot_pressed_toolButton_CompareFile();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

public slots:
    void reject() override;

private:
    void createPages();
    void addPage(ORV_SettingsPage *page, const QString &title);
    void updateNavigation();
    void setControlsEnabled(bool enabled);
    void applyOnline();
    bool saveToFile(bool lightVariant);
    void setupAssistance();
    void updateChangesButton();
    void keepTrackerReading(const QByteArray &bytes);
    bool switchToLight(bool ask);
    void switchToFull();
    QString temporaryPath(const QString &fileName);
    bool ask(const QString &title, const QString &text, const QString &yes, const QString &no);
    void tell(const QString &title, const QString &text);
    void updateTitle(const QString &path, int titleMode);

    // Block write, as the window shows it.
    void showWriteProgress();
    void onWriteProgress(qint64 written, qint64 total);
    void onWriteFinalQuestion();
    void onWriteFinished(bool ok);

    // Answers.
    ORV_SettingsPage *waitingPage(uint32_t answer) const;
    // One request of a page through SettingsPolling; ownLimit: the page's
    // exchange ends the request at its own limit.
    bool sendRequest(ORV_SettingsPage *page, uint32_t msgId, intptr_t p1, intptr_t p2, const QList<uint32_t> &answers,
                     bool stream, bool ownLimit);
    bool requestForCurrent(uint32_t msgId, intptr_t p1, intptr_t p2, const QList<uint32_t> &answers,
                           bool stream = false, bool ownLimit = false);
    void onPollingStopped(QObject *page);
    void onRequestTimedOut(QObject *page, uint32_t msgId);
    // The title, with the detached tracker after it while offline.
    void setTitle(const QString &title);
    void applyTitle();

    std::unique_ptr<Ui::orv_FormXml_K4810> ui;
    ORV_Device_K4810 *m_device;
    SettingsModel *m_model;
    SettingsPolling *m_polling;
    SettingsBlockWrite *m_write;

    std::array<ORV_SettingsPage *, PageCount> m_pages{};
    ORV_SettingsPage *m_previousPage = nullptr;
    ORV_SettingsPage *m_heldPage = nullptr;
    ORV_Form_ParamInfo *m_paramInfo = nullptr;
    ORV_FormXml_Light *m_lightPage = nullptr;
    QMenu *m_menu = nullptr;
    FormWait *m_progress = nullptr;
    bool m_online = false;
    int m_pollInterval = kDefaultPollInterval;

    std::unique_ptr<QTemporaryDir> m_tempDir;
    Question m_question;
    Notifier m_notifier;
    QString m_title;
    SaveFileChooser m_saveFileChooser;

    SettingsMarks *m_marks = nullptr;
    WheelGuard *m_wheelGuard = nullptr;
    std::unique_ptr<SettingsSearch> m_search;
    ORV_FormSettingsChanges *m_changesView = nullptr;
    ORV_FormSettingsCompare *m_compareView = nullptr;
    std::unique_ptr<SettingsModel> m_reading; // the tracker's settings as last read or written
    QString m_readingDevice;                  // of that tracker
    QByteArray m_writing;                     // the values of the write under way
    bool m_writeApplied = false;
    bool m_changesKept = true; // saved, written or discarded since the last change
    bool m_changesButtonQueued = false;
    WriteCheck m_writeCheck;
    UnsavedChoice m_unsavedChoice;
};

#endif // ORV_FORMXML_K4810_H
