#ifndef ORV_FORMACCELDTP_H
#define ORV_FORMACCELDTP_H

#include <QWidget>

#include <memory>

namespace Ui {
class ORV_FormAccelDtp;
}

// The crash recording of the accelerometer (sub-section RAIF): on or off,
// one threshold or two steps, the wait after the ignition is switched on,
// the thresholds of the steps (three axes each, "1.0 1.0 2.0"), the
// recording time and the ASI threshold. Every control is bound to its key
// by the accelerometer page's binder; the second step is enabled only for
// the two-step method, the whole by the recording's switch.
class ORV_FormAccelDtp : public QWidget
{
    Q_OBJECT

public:
    explicit ORV_FormAccelDtp(QWidget *parent = nullptr);
    ~ORV_FormAccelDtp() override;

private:
    std::unique_ptr<Ui::ORV_FormAccelDtp> ui;
};

#endif // ORV_FORMACCELDTP_H
