#ifndef ORV_FUELTABLEPANEL_H
#define ORV_FUELTABLEPANEL_H

#include "fuel/fuelcalibration.h"
#include "fuel/fuelfile.h"
#include "fuel/fuelsensortype.h"
#include "fuel/fuelstability.h"

#include <QWidget>

#include <memory>

namespace Ui {
class ORV_FuelTablePanel;
}
class FuelCalibrationModel;
struct FuelDialogs;
class ORV_FuelEditorDelegate;
class ORV_FuelSensor_Graph;
class QLineEdit;
class QPushButton;
class QTableView;

// One calibration table with everything around it: the sensor (tank) name,
// the table (volume, reading, deletion mark), the entry row (volume and
// reading line edits, Add, Delete, Clear) and the graph. The live window
// has eight of them, the fuel view one. In the live window the panel also
// watches the live reading and offers Capture: the reading is added with
// the volume typed once it has held within the tolerance for the set time.
//
// Object names carry the table's suffix ("Table_A1", "Btn_Add_D3"; none in
// the fuel view). Rows are added by program under the `filling` flag, which
// keeps cell changes from sorting and redrawing until the rows are in;
// `markingSuppressed` keeps the marks of those rows from re-evaluating
// Delete. While a cell is being edited the table is not sorted; it is
// sorted when the editor closes.
class ORV_FuelTablePanel : public QWidget
{
    Q_OBJECT

public:
    // suffix: "_A1" ... "_F1", or empty; live: the live window's panel.
    ORV_FuelTablePanel(const QString &suffix, bool live, const FuelDialogs *dialogs, QWidget *parent = nullptr);
    ~ORV_FuelTablePanel() override;

    void configure(const FuelSensorType &type);
    FuelSensorType type() const { return m_type; }

    FuelCalibrationModel *model() const { return m_model; }
    QTableView *table() const;
    ORV_FuelSensor_Graph *graph() const { return m_graph; }
    QLineEdit *volumeEdit() const;
    QLineEdit *readingEdit() const;
    QLineEdit *nameEdit() const;
    QPushButton *addButton() const;
    QPushButton *deleteButton() const;
    QPushButton *clearButton() const;
    QPushButton *captureButton() const;

    QString sensorName() const;
    void setSensorName(const QString &name);
    bool hasRows() const;
    // Rows changed since they were last loaded or saved.
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    bool isFilling() const { return m_filling; }

    // Removes every row without asking.
    void clearTable();
    // A row read from a file (commas become points, non-finite numbers 0);
    // call finishAppending() after the last one.
    void appendRow(const QString &volume, const QString &reading);
    // The rows of a file in one go; as appendRow.
    void appendRows(const QList<FuelFileRow> &rows);
    void finishAppending();
    void refreshGraph();
    const FuelPoints &points() const { return m_points; }

    // The live reading: its text goes into the reading line edit, its value
    // to the stability watch.
    void setLiveReading(const QString &text, qint64 time);
    // The live link stopped: Capture waits for new readings.
    void stopLive();
    bool isLiveStable() const;
    const FuelStability &stability() const { return m_stability; }

signals:
    // Rows appeared or all went: the window's Save follows the current table.
    void rowsChanged();

public slots:
    void slot_CellChanged_Table(int nRow, int nColumn);
    void slot_textChanged_LineEdit_Volt(const QString &qsText);
    void slot_textChanged_LineEdit_Volume(const QString &qsText);
    void slot_pressed_Btn_Add();
    void slot_pressed_Btn_Del();
    void slot_pressed_Btn_Clear();
    void slot_pressed_Btn_Capture();

private:
    void addRow(const QString &volume, const QString &reading);
    void sortAndRefresh();
    void updateAdd();
    void updateCapture();
    void updateRowButtons();
    void applyStabilitySettings();

    std::unique_ptr<Ui::ORV_FuelTablePanel> ui;
    const FuelDialogs *m_dialogs;
    bool m_live;
    FuelSensorType m_type;
    FuelCalibrationModel *m_model;
    ORV_FuelSensor_Graph *m_graph;
    ORV_FuelEditorDelegate *m_volumeDelegate;
    ORV_FuelEditorDelegate *m_readingDelegate = nullptr;
    FuelPoints m_points;
    bool m_filling = false;
    bool m_markingSuppressed = false;
    bool m_sortPending = false;
    bool m_modified = false;

    FuelStability m_stability;
    QString m_liveText;
};

#endif // ORV_FUELTABLEPANEL_H
