#ifndef ORV_FORMXML_K4810_H
#define ORV_FORMXML_K4810_H

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

namespace Ui {
class orv_FormXml_K4810;
}
class FormWait;
class ORV_Device_K4810;
class ORV_FormXml_Light;
class ORV_Form_ParamInfo;
class ORV_SettingsPage;
class QAction;
class QMenu;
class QTemporaryDir;
class QTimer;
class SettingsSection;

// The settings editor. Holds two page sets in a stacked widget: the full
// set, one tab per settings page, and the one-screen light form. Loads the
// pages from settings files the host delivers, saves them to files, writes
// them to the tracker block by block, polls live values for the pages and
// routes the tracker's answers to the page that asked.
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

    explicit orv_FormXml_K4810(ORV_Device_K4810 *device);
    ~orv_FormXml_K4810() override;

    ORV_Device_K4810 *device() const { return m_device; }
    bool isOnline() const { return m_online; }

    // Pages.
    ORV_SettingsPage *page(int position) const;
    ORV_FormXml_Light *lightPage() const { return m_lightPage; }
    int currentTab() const;
    ORV_SettingsPage *currentPage() const;
    bool isCurrent(int position) const;
    bool isLightShown() const;
    void setCurrentTab(int index);
    QMenu *pageMenu() const { return m_menu; }
    // Puts another page in a position's tab (the old page is deleted).
    void setPage(int position, ORV_SettingsPage *page);
    // Where the temporary files of view switches and writes live.
    QString temporaryDirectory() const;

    // Operations the device object calls.
    void resetAll();
    int openSettingsFile(const QString &path, int titleMode);
    void showMode(int viewMode);
    void showSettingsWindow(int mode);
    void setOnline(bool online);
    void onWriteAck(int result);
    void onTouchMemoryCode(quint64 code);
    void receiveAnswer(uint32_t msgId, intptr_t p1, intptr_t p2);

    // Files.
    // The object name the Transfer page holds, "NONAME" without one.
    QString settingsObjectName() const;
    QString proposedSavePath(const QDateTime &now) const;
    int writeSettingsFile(const QString &path, bool lightVariant = false);
    void loadPages(SettingsSection &root);
    void savePages(SettingsSection &root);

    // Writing to the tracker.
    void loadToDevice(bool lightVariant);
    // Sends an existing settings file to the tracker; false when it cannot be read.
    bool beginBlockWrite(const QString &path);
    bool isWriting() const { return !m_writeFile.isEmpty(); }
    QString fileBeingWritten() const { return m_writeFile; }
    int blockNumber() const { return m_blockNumber; }
    int blockCount() const { return m_blockCount; }
    int sequence() const { return m_sequence; }
    int bytesWritten() const { return m_bytesWritten; }
    FormWait *progressWindow() const { return m_progress; }
    // "hh:mm:ss" of a number of seconds.
    static QString formatDuration(qint64 seconds);
    // The status line after `written` of `total` bytes in `elapsed` seconds.
    static QString progressStatus(qint64 elapsedSeconds, qint64 written, qint64 total);
    // The 1040-byte block record: data, then length, block number, block count, sequence.
    static QByteArray settingsBlock(const QByteArray &data, int blockNumber, int blockCount, int sequence);

    // Polling of live values for the pages.
    void setPolling(bool on, int intervalMs);
    void setAccelerometerPolling(bool on, int intervalMs);
    void pollNow();
    bool isPolling() const { return m_pollingOn; }
    bool isAwaitingAnswer() const { return m_awaitingAnswer; }
    int pollPhase() const { return m_pollPhase; }
    int pollInterval() const { return m_pollInterval; }
    QTimer *analogTimer() const { return m_analogTimer; }

    // Requests forwarded for the pages (sent only while there is a device).
    void requestOneWireCode();           // 2041
    void requestSystemPoll();            // 2053
    void requestAccelCycleEnd();         // 2055
    void requestSensorsPoll();           // 2076
    void requestSystemRead();            // 2078
    void requestCanRead(int value);      // 2080
    void requestAccelState();            // 2085
    void requestAccelOption(int option); // 2087, only while the accelerometer page is current
    void requestTouchMemoryRead();       // 2111
    void requestTouchMemorySave(int p1, int p2); // 2113
    void requestTouchMemoryLoad(int p1, int p2); // 2115
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
    // Asks for a file name to save to. Replaceable for tests.
    using SaveFileChooser = std::function<QString(const QString &caption, const QString &proposed,
                                                  const QString &filter)>;
    void setSaveFileChooser(SaveFileChooser chooser) { m_saveFileChooser = std::move(chooser); }

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

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void createPages();
    void addPage(ORV_SettingsPage *page, const QString &title);
    void updateNavigation();
    void setControlsEnabled(bool enabled);
    void saveToFile(bool lightVariant);
    bool switchToLight(bool ask);
    void switchToFull();
    QString temporaryPath(const QString &fileName);
    bool ask(const QString &title, const QString &text, const QString &yes, const QString &no);
    void tellWriteFailed();

    // Block write.
    bool readBlock(int blockNumber, QByteArray *data);
    void sendCurrentBlock();
    void queueCurrentBlock();
    void finishWrite();
    void endWrite();

    // Polling.
    void pollCurrentPage(bool accelerometerVariant);
    void stopPolling();
    void answerHandled();
    bool pollsCurrentPage() const;

    std::unique_ptr<Ui::orv_FormXml_K4810> ui;
    ORV_Device_K4810 *m_device;

    // Polling state.
    bool m_awaitingAnswer = false;
    int m_pollPhase = 0;
    QTimer *m_analogTimer = nullptr;
    int m_pollInterval = kDefaultPollInterval;
    bool m_pollingOn = false;
    bool m_accelerometerVariant = false;

    std::array<ORV_SettingsPage *, PageCount> m_pages{};
    ORV_Form_ParamInfo *m_paramInfo = nullptr;
    ORV_FormXml_Light *m_lightPage = nullptr;
    QMenu *m_menu = nullptr;

    // Write state.
    int m_sequence = 0;
    int m_blockNumber = 0;
    int m_blockCount = 0;
    int m_lastBlockLength = 0;
    int m_bytesWritten = 0;
    QString m_writeFile;
    QByteArray m_block; // the record last sent; kept alive for hosts that answer later
    FormWait *m_progress = nullptr;
    bool m_online = false;
    QElapsedTimer m_writeStart;
    int m_totalBytes = 0;
    bool m_resetFlags[2] = {false, false};

    std::unique_ptr<QTemporaryDir> m_tempDir;
    Question m_question;
    SaveFileChooser m_saveFileChooser;
};

#endif // ORV_FORMXML_K4810_H
