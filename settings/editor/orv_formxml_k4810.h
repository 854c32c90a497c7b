#ifndef ORV_FORMXML_K4810_H
#define ORV_FORMXML_K4810_H

#include <QDialog>

#include <cstdint>

class ORV_Device_K4810;
class QPushButton;

// The settings editor: edits the tracker's configuration on its pages,
// saves it to a settings file and writes it to the tracker. Created by the
// device object on first use and kept for the life of the plug-in.
class orv_FormXml_K4810 : public QDialog
{
    Q_OBJECT

public:
    explicit orv_FormXml_K4810(ORV_Device_K4810 *device);
    ~orv_FormXml_K4810() override;

    ORV_Device_K4810 *device() const { return m_device; }
    bool isOnline() const { return m_online; }

    // Operations the device object calls.
    void resetAll();
    int openSettingsFile(const QString &path, int titleMode);
    void showMode(int viewMode);
    void showSettingsWindow(int mode);
    void setOnline(bool online);
    void onWriteAck(int result);
    void onTouchMemoryCode(quint64 code);
    // Tracker answers for the pages (buf, len or two plain values, by message).
    void receiveAnswer(uint32_t msgId, intptr_t p1, intptr_t p2);

public slots:
    void slot_pressed_pushButton_Help();
    void slot_pressed_pushButton_Close();
    void slot_finished(int nResult);

private:
    ORV_Device_K4810 *m_device;
    bool m_online = false;
    QPushButton *m_help = nullptr;
    QPushButton *m_close = nullptr;
};

#endif // ORV_FORMXML_K4810_H
