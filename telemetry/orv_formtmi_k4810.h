#ifndef ORV_FORMTMI_K4810_H
#define ORV_FORMTMI_K4810_H

#include "telemetry/f8record.h"
#include "telemetry/tmidownload.h"
#include "telemetry/tmiexport.h"

#include <QDateTime>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace Ui {
class orv_FormTmi_K4810;
}
class FormWait;
class ORV_Device_K4810;
class ORV_FormFuelSensor;
class ORV_FormTmiAnalysis;
class ORV_FormSetRun;
class ORV_FormTaho;
class QAction;
class QLabel;
class QMenu;
class QTimer;
class TmiPage_Vela2;
class TmiPageSource;
struct TmiOutput;

// The telemetry window: reads the tracker's pages (current, previous, next,
// at a chosen time), polls the current page, switches the outputs and the
// guard mode, asks for the SIM balance, clears the servers' unsent data,
// reads touch-memory keys and RFID tags, and downloads every page of an
// interval into an XML text file, a table, a binary telemetry file or a
// KML track.
//
// Created by the device object on first use and kept for the life of the
// plug-in; closing hides it. Every request goes to the host through the
// device object; the host's answers come back through the operations the
// device object calls. The interval download is a TmiDownload exchange that
// the window starts, feeds with the page answers and shows; its file is
// written by the writer of the output the user chose (TmiOutputs).
class orv_FormTmi_K4810 : public QDialog
{
    Q_OBJECT

public:
    enum ClearState { ClearIdle = 30, ClearServer1 = 31, ClearServer2 = 32, ClearServer3 = 33 };

    static constexpr int Prefix = 3;
    static constexpr int ShowPrefix = 13;
    static constexpr int BalanceTicks = 11;
    static constexpr int DefaultTickMs = 1000;
    static constexpr int ProgressIntervalMs = 100;

    explicit orv_FormTmi_K4810(ORV_Device_K4810 *device);
    ~orv_FormTmi_K4810() override;

    ORV_Device_K4810 *device() const { return m_device; }

    // Operations the device object calls.
    void openWithSettings(const QString &settingsFile, bool applyAutoMode);
    void onBalanceAnswer(const QString &text);
    void onBalancePage(const uchar *data, int length);
    void onPage(const uchar *data, int length);
    void onClearAnswer(const uchar *data, int length);
    void closeForConnectionChange();
    void onTouchMemoryCode(quint64 code);
    void onFuelSensorAnswer(const uchar *data, int length);
    void onTachoAnswer(uint32_t msgId, intptr_t p1, intptr_t p2);
    void onRfid(quint64 code, intptr_t p2);

    // The answer to the host's validity question: bit 0 of the record's
    // State byte (F6, F8, and second-generation masked and extended
    // records); records shorter than 22 bytes are not valid.
    static bool isRecordValid(const uchar *record, int length);

    // State, for the host's tests and the views.
    TmiDownload::State downloadState() const { return m_download->state(); }
    TmiDownload *download() const { return m_download; }
    // The output of the download running or last started ("xml", "csv", ...).
    QString outputId() const { return m_outputId; }
    int clearState() const { return m_clearState; }
    bool showFlag() const { return m_showFlag; }
    bool isBalanceWaiting() const;
    int balanceTick() const { return m_balanceTick; }
    QString ussdCode() const { return m_ussd; }
    int timeZone() const { return m_timeZone; }
    bool daylightSaving() const { return m_daylightSaving; }
    QString settingsModel() const { return m_model; }
    QString settingsObjectName() const { return m_objectName; }
    const TmiExport::Captions &captions() const { return m_captions; }
    // The pages held by a running download (the interval's last page is
    // held aside until the pages before it are in).
    const TmiDownloadList &downloadList() const { return m_download->pages(); }
    QString downloadFile() const { return m_fileName; }
    // The pages of the last download that completed, kept for its chart and
    // trip summary until the next download starts; null when there are none.
    const std::shared_ptr<const TmiPageSource> &keptPages() const { return m_keptPages; }
    // The analysis window of the kept pages, once opened.
    ORV_FormTmiAnalysis *analysisWindow() const { return m_analysis; }
    // The number of the page shown, as Previous and Next use it.
    quint32 shownPageNumber() const;
    FormWait *waitDialog() const { return m_wait; }
    // The fuel-sensor calibration window, once the fuel button made it.
    ORV_FormFuelSensor *fuelSensorWindow() const { return m_fuelSensor; }
    ORV_FormSetRun *setRunWindow() const { return m_setRun; }
    // The tachograph window, once its button made it.
    ORV_FormTaho *tachographWindow() const { return m_taho; }

    // Test seams and settings.
    // Asks for the file of a download (caption, starting directory, filter).
    using SaveFileChooser = std::function<QString(const QString &caption, const QString &directory,
                                                  const QString &filter)>;
    void setSaveFileChooser(SaveFileChooser chooser) { m_saveFileChooser = std::move(chooser); }
    // Shows a message box with one OK button (title, text).
    using Notifier = std::function<void(const QString &title, const QString &text)>;
    void setNotifier(Notifier notifier) { m_notifier = std::move(notifier); }
    // Asks for a text (title, label); an empty result means cancelled.
    using TextAsker = std::function<QString(const QString &title, const QString &label)>;
    void setTextAsker(TextAsker asker) { m_textAsker = std::move(asker); }
    // Milliseconds of one step of the auto-poll slider and of one balance tick.
    void setAutoPollUnit(int milliseconds) { m_autoPollUnitMs = qMax(1, milliseconds); }
    void setBalanceTickInterval(int milliseconds) { m_balanceTickMs = qMax(1, milliseconds); }
    QTimer *autoPollTimer() const { return m_autoTimer; }
    QTimer *balanceTimer() const { return m_balanceTimer; }

public slots:
    void slot_pressed_BtnGetCurrent();
    void slot_pressed_BtnGetPrev();
    void slot_pressed_BtnGetNext();
    void slot_pressed_BtnGetBalance();
    void slot_pressed_BtnClose();
    void slot_finished(int nResult);
    void slot_pressed_BtnHelp();
    void slot_timeout_m_Timer_Balance();
    void slot_pressed_BtnO1On();
    void slot_pressed_BtnO1Off();
    void slot_pressed_BtnO2On();
    void slot_pressed_BtnO2Off();
    void slot_pressed_BtnRun();
    void slot_pressed_BtnSet_NoGuard();
    void slot_pressed_BtnSet_Guard();
    void slot_pressed_BtnShow();
    void slot_stateChanged_checkBox_Get_Auto_TMI(int nState);
    void slot_timeout_m_Timer_Auto_TMI();
    void slot_valueChanged_horizontalSlider_Auto_Tmi(int nValue);
    void slot_pressed_BtnSaveToFile();
    void slot_pressed_BtnSaveToExcel();
    void slot_pressed_BtnSaveCancel();
    void slot_pressed_BtnClear();
    void slot_pressed_Btn_FuelSensor();
    void slot_pressed_toolButton_TM();
    void slot_pressed_Btn_Taho();
    void slot_pressed_toolButton_RFID();
    void slot_pressed_BtnSaveFileToServer();
    void slot_triggered_Menu_TMI();
    void slot_triggered_Menu_Google();
    void slot_pressed_Btn_Chart();
    void slot_pressed_Btn_Summary();

private:
    // Views.
    enum Shown { ShownF8, ShownIgnored, ShownVela2 };
    Shown showPage(const uchar *data, int length, int prefix);
    void showF8(const F8Record &record);
    void showVela2(const TmiPage_Vela2 &page);
    void reinitialise();
    void resetCaptions();
    void readCaptions(const QString &settingsFile);
    void applyCaptions();
    void prepareAutoMode();
    void shutDown();

    // Requests.
    void send(uint32_t msgId, intptr_t p1 = 0, intptr_t p2 = 0);
    void requestPageNumber(quint32 number);
    void requestPageAt(uint32_t msgId, const QDateTime &local);
    QDateTime trackerTime(const QDateTime &local) const;
    void setRequestControlsEnabled(bool enabled);
    void stopAutoPoll();
    void sendTouchMemoryRequest();

    // Balance.
    void endBalance();

    // Interval download.
    void startDownload(const TmiOutput &output);
    void startDownload(const QString &outputId);
    void onDownloadIntervalKnown(quint32 first, quint32 last);
    void onDownloadPage(quint32 number);
    void onDownloadFinished();
    void onDownloadFailed(TmiDownload::Failure failure);
    void endDownload();
    bool writeDownload(QString *error);
    void showDownloadProgress(quint32 number);
    static QString duration(qint64 milliseconds);
    QString eventName(quint16 code);
    void keepPages(TmiDownloadList pages);
    void openAnalysis(int tab);

    // Messages and questions (replaceable for tests).
    void tell(const QString &title, const QString &text, QMessageBox::Icon icon = QMessageBox::Warning);
    QString askText(const QString &title, const QString &label, const QString &proposed);

    std::unique_ptr<Ui::orv_FormTmi_K4810> ui;
    ORV_Device_K4810 *m_device;
    QMenu *m_saveMenu = nullptr;
    std::vector<QAction *> m_menuActions; // the outputs of the menu
    std::vector<QLabel *> m_f8Labels; // value labels of the F8 view, in F8 field order

    // Download.
    TmiDownload *m_download = nullptr;
    QString m_outputId;
    QString m_fileName;
    QElapsedTimer m_downloadClock;
    QElapsedTimer m_progressClock;
    std::shared_ptr<const TmiPageSource> m_keptPages;
    ORV_FormTmiAnalysis *m_analysis = nullptr;

    // Requests in flight: the host reads the values through pointers.
    quint32 m_requestNumber = 0;
    QDateTime m_requestTime;
    QString m_requestText;

    bool m_showFlag = false;
    int m_clearState = ClearIdle;
    bool m_touchMemoryAfterPage = false;

    // Settings.
    QString m_model;
    QString m_objectName;
    QString m_ussd;
    QString m_typedUssd;
    int m_timeZone = 0;
    bool m_daylightSaving = false;
    TmiExport::Captions m_captions;

    // Timers.
    QTimer *m_autoTimer = nullptr;
    QTimer *m_balanceTimer = nullptr;
    int m_balanceTick = 0;
    bool m_balancePending = false;
    FormWait *m_wait = nullptr;
    ORV_FormFuelSensor *m_fuelSensor = nullptr;
    ORV_FormSetRun *m_setRun = nullptr;
    ORV_FormTaho *m_taho = nullptr;
    int m_autoPollUnitMs = DefaultTickMs;
    int m_balanceTickMs = DefaultTickMs;

    SaveFileChooser m_saveFileChooser;
    Notifier m_notifier;
    TextAsker m_textAsker;
    bool m_closing = false;
};

#endif // ORV_FORMTMI_K4810_H
