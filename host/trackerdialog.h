#ifndef TRACKERDIALOG_H
#define TRACKERDIALOG_H

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class SimulatedTracker;

// What the simulated tracker reports when it is attached, the trip it
// holds and how it takes settings.
class TrackerDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TrackerDialog(SimulatedTracker &tracker, QWidget *parent = nullptr);

    // Stores the values in the tracker; true when they changed.
    bool apply();

private:
    SimulatedTracker &m_tracker;
    QLineEdit *m_model;
    QLineEdit *m_identification;
    QLineEdit *m_firmware;
    QLineEdit *m_capabilities;
    QSpinBox *m_pages;
    QCheckBox *m_secondGeneration;
    QSpinBox *m_repeatEvery;
    QCheckBox *m_fuelPouring;
    QCheckBox *m_fuelMalformed;
    QCheckBox *m_allFields;
    QComboBox *m_oneWire;
    QComboBox *m_bluetoothSearch;
};

#endif // TRACKERDIALOG_H
