#ifndef ORV_FILEWINDOW_H
#define ORV_FILEWINDOW_H

#include <QDialog>

class ORV_Device_K4810;
class QPushButton;

// A top-level window of the device object that shows one file: the
// telemetry file views and the fuel view. It has the help and close
// buttons of those windows; the help button asks the host for the window's
// own help page.
class ORV_FileWindow : public QDialog
{
    Q_OBJECT

public:
    ORV_FileWindow(ORV_Device_K4810 *device, const QString &objectName, const QString &helpPath,
                   const QString &helpButtonName);
    ~ORV_FileWindow() override;

    ORV_Device_K4810 *device() const { return m_device; }
    QString fileName() const { return m_fileName; }
    QString helpPath() const { return m_helpPath; }

public slots:
    void slot_Pressed_PushButton_Help();
    void slot_Pressed_PushButton_Close();

protected:
    // Takes the file and shows the window.
    void showFile(const QString &fileName);

private:
    ORV_Device_K4810 *m_device;
    QString m_helpPath;
    QString m_fileName;
    QPushButton *m_help = nullptr;
    QPushButton *m_close = nullptr;
};

#endif // ORV_FILEWINDOW_H
