#ifndef ORV_FORMSETRUN_H
#define ORV_FORMSETRUN_H

#include <QDialog>

#include <cstdint>
#include <functional>
#include <memory>

namespace Ui {
class ORV_FormSetRun;
}

// Sets the tracker's mileage: the value of the spin box, in kilometres,
// goes to the host with message 2082 as a 32-bit float (the unit of the
// Run field). Opening the dialog starts again from 0.0.
class ORV_FormSetRun : public QDialog
{
    Q_OBJECT

public:
    using Send = std::function<void(uint32_t msgId, intptr_t p1, intptr_t p2)>;

    explicit ORV_FormSetRun(Send send, QWidget *parent = nullptr);
    ~ORV_FormSetRun() override;

    // Shows the dialog with the spin box at 0.0.
    void open() override;
    double value() const;
    void setValue(double kilometres);

public slots:
    void slot_pressed_Btn_Set();
    void slot_pressed_Btn_Cancel();

private:
    std::unique_ptr<Ui::ORV_FormSetRun> ui;
    Send m_send;
    float m_mileage = 0; // read by the host through its address during send
};

#endif // ORV_FORMSETRUN_H
