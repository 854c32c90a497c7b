#ifndef TRACKERDIALOG_H
#define TRACKERDIALOG_H

#include <QDialog>

class QLineEdit;
class SimulatedTracker;

// What the simulated tracker reports when it is attached.
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
};

#endif // TRACKERDIALOG_H
