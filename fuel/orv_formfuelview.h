#ifndef ORV_FORMFUELVIEW_H
#define ORV_FORMFUELVIEW_H

#include "fuel/fueldialogs.h"
#include "fuel/fuelsensortype.h"

#include <QDateTime>
#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class ORV_FormFuelView;
}
class ORV_Device_K4810;
class ORV_FormReportFuel;
class ORV_FuelTablePanel;

// The fuel view: one calibration file, edited without the tracker - a table
// received from elsewhere, or one made for a sensor on the RS-485 bus or the
// RS-232 port. Vehicle, identifier, sensor type and name, the table with its
// entry row and graph, and Load, Save as XML, Print, Help, Exit.
//
// Entry points:
//   openFile(path)   host message 2067: shows the window and loads the file
//                    in place of the table (asking first when the table has
//                    points that are not saved);
//   openDigital()    the RS-485 page's button: a table for sensor D1 .. D6
//                    (the type chosen in the combo box), sensor codes;
//   openRs232()      the RS-232 page's button: a table for the RS-232 sensor.
// Each shows the window. When the table holds points of another kind
// (volts against codes) the user is asked first, and the table is emptied
// if they agree; otherwise the window stays as it was.
class ORV_FormFuelView : public QDialog
{
    Q_OBJECT

public:
    explicit ORV_FormFuelView(ORV_Device_K4810 *device);
    ~ORV_FormFuelView() override;

    void openFile(const QString &path);
    void openDigital();
    void openRs232();

    // The file last opened or saved (or asked for by openFile).
    QString fileName() const { return m_fileName; }
    QString typeCode() const { return m_type.code(); }
    ORV_FuelTablePanel *panel() const { return m_panel; }
    ORV_FormReportFuel *report() const { return m_report; }

    // Loads a file in place of the table, without asking; false (and the
    // user told why) when it cannot be loaded.
    bool loadFile(const QString &path);
    // Saves the table; true when a file was written.
    bool saveXml();

    void setDialogs(const FuelDialogs &dialogs);
    void setNow(std::function<QDateTime()> now) { m_now = std::move(now); }

public slots:
    void slot_pressed_Btn_Load();
    void slot_currentIndexChanged_Combo_Type(const QString &qsText);
    void slot_pressed_Btn_Save_Xml();
    void slot_pressed_Btn_Print();
    void slot_pressed_Btn_Help();
    void slot_pressed_Btn_Exit();
    void slot_finished(int nResult);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The combo box with these type codes, one chosen; no question asked.
    void setTypes(const QStringList &codes, const QString &chosen);
    // True when the table may take that type (asking when the kind changes
    // and points are there; the table is emptied then).
    bool acceptKind(const FuelSensorType &type);
    void applyType(const FuelSensorType &type);
    void showWindow();
    QString dataDir() const;
    static QString comboText(const QString &code);

    std::unique_ptr<Ui::ORV_FormFuelView> ui;
    ORV_Device_K4810 *m_device;
    ORV_FuelTablePanel *m_panel;
    ORV_FormReportFuel *m_report = nullptr;
    FuelSensorType m_type;
    QString m_fileName;
    FuelDialogs m_dialogs;
    std::function<QDateTime()> m_now;
    QString m_helpPath;
};

#endif // ORV_FORMFUELVIEW_H
