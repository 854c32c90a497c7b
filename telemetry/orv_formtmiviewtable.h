#ifndef ORV_FORMTMIVIEWTABLE_H
#define ORV_FORMTMIVIEWTABLE_H

#include <QDialog>

class ORV_Device_K4810;
class QPushButton;

class orv_FormTmiViewTable : public QDialog
{
    Q_OBJECT

public:
    explicit orv_FormTmiViewTable(ORV_Device_K4810 *device);
    ~orv_FormTmiViewTable() override;

    ORV_Device_K4810 *device() const { return m_device; }
    QString fileName() const { return m_fileName; }

    // Loads the file and shows the window.
    void loadFile(const QString &fileName);

public slots:
    void slot_Pressed_PushButton_Help();
    void slot_Pressed_PushButton_Close();

private:
    ORV_Device_K4810 *m_device;
    QString m_fileName;
    QPushButton *m_help = nullptr;
    QPushButton *m_close = nullptr;
};

#endif // ORV_FORMTMIVIEWTABLE_H
