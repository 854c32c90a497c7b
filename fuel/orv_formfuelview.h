#ifndef ORV_FORMFUELVIEW_H
#define ORV_FORMFUELVIEW_H

#include <QDialog>

class ORV_Device_K4810;
class QPushButton;

class ORV_FormFuelView : public QDialog
{
    Q_OBJECT

public:
    explicit ORV_FormFuelView(ORV_Device_K4810 *device);
    ~ORV_FormFuelView() override;

    ORV_Device_K4810 *device() const { return m_device; }
    QString fileName() const { return m_fileName; }

    // Loads the file and shows the window.
    void openFile(const QString &fileName);

public slots:
    void slot_Pressed_PushButton_Help();
    void slot_Pressed_PushButton_Close();

private:
    ORV_Device_K4810 *m_device;
    QString m_fileName;
    QPushButton *m_help = nullptr;
    QPushButton *m_close = nullptr;
};

#endif // ORV_FORMFUELVIEW_H
