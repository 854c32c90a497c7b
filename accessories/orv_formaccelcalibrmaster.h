#ifndef ORV_FORMACCELCALIBRMASTER_H
#define ORV_FORMACCELCALIBRMASTER_H

#include "accessories/accelcalibration.h"

#include <QDialog>

#include <memory>

namespace Ui {
class ORV_FormAccelCalibrMaster;
}

// The accelerometer calibration wizard: a modal dialog that shows an
// AccelCalibration exchange (its screens, the status line with its
// picture, the progress of a running step) and passes the user's Next,
// Prev and Cancel to it.
//
// The owner (the accelerometer calibration page) supplies the send: the
// wizard sends its commands as 2127 and its help request as 2072 through
// it. The owner routes the tracker's answers 2128 to receiveAnswer() while
// the wizard is open, calls detach() when the tracker is attached or
// detached, and pauses its own polling while activeChanged() says the
// wizard is open. The window never blocks: start() shows it window-modal
// and returns.
class ORV_FormAccelCalibrMaster : public QDialog
{
    Q_OBJECT

public:
    static constexpr const char *HelpPath = "/Localization/Help/K-4810/k-4810AccelCalibr.html";

    explicit ORV_FormAccelCalibrMaster(TrackerSend send, QWidget *parent = nullptr,
                                       int answerTimeoutMs = AccelCalibration::DefaultAnswerTimeoutMs);
    ~ORV_FormAccelCalibrMaster() override;

    AccelCalibration *calibration() const { return m_calibration; }

    // Opens the wizard on its first screen.
    void start();
    // An answer for the accelerometer page; true when it was the wizard's.
    bool receiveAnswer(const uchar *data, int length);
    // The tracker was attached or detached: the wizard closes.
    void detach();
    bool isActive() const { return m_calibration->isActive(); }

    // The texts of a screen.
    static QString screenTitle(AccelCalibration::Screen screen);
    static QString screenText(AccelCalibration::Screen screen, AccelCalibration::Failure failure,
                              AccelCalibration::Action action);

signals:
    // The wizard opened (true) or closed (false).
    void activeChanged(bool active);

public slots:
    void slot_timeout_wait();
    void slot_pressed_Btn_Prev();
    void slot_pressed_Btn_Next();
    void slot_pressed_Btn_Cancel();
    void slot_pressed_Btn_Help();

protected:
    // Escape and the window's close button act as Cancel.
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void refresh();
    void showProgress();
    void onClosed(AccelCalibration::End end);
    static QString picturePath(AccelCalibration::Picture picture);

    std::unique_ptr<Ui::ORV_FormAccelCalibrMaster> ui;
    TrackerSend m_send;
    AccelCalibration *m_calibration;
    QString m_helpRequest; // read by the host during the send
    bool m_closing = false;
};

#endif // ORV_FORMACCELCALIBRMASTER_H
