#ifndef ORV_FORMTMI_K4810_H
#define ORV_FORMTMI_K4810_H

#include <QDialog>

#include <cstdint>

class ORV_Device_K4810;
class QPushButton;

// The telemetry window: reads, polls and downloads the tracker's telemetry
// pages. Created by the device object on first use and kept for the life of
// the plug-in; closing hides it.
class orv_FormTmi_K4810 : public QDialog
{
    Q_OBJECT

public:
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
    // State byte; records shorter than 22 bytes are not valid.
    static bool isRecordValid(const uchar *record, int length);

public slots:
    void slot_pressed_BtnClose();
    void slot_finished(int nResult);
    void slot_pressed_BtnHelp();

private:
    ORV_Device_K4810 *m_device;
    QPushButton *m_help = nullptr;
    QPushButton *m_close = nullptr;
};

#endif // ORV_FORMTMI_K4810_H
