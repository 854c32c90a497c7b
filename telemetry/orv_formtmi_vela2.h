#ifndef ORV_FORMTMI_VELA2_H
#define ORV_FORMTMI_VELA2_H

#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace Ui {
class ORV_FormTmi_Vela2;
}
class ORV_FormTmi_Vela2Ext;
class QLabel;
class TmiPage_Vela2;

// The display of a second-generation page: every field of the field table
// in its group (TmiFieldCaptions), "n/a" where the page lacks it, with the
// bit texts of the modules, the receiver and the 16 inputs and outputs.
// Shown inside the telemetry window and inside the page view of a text
// file. Its buttons switch the outputs O1..O4 and the guard mode of the
// attached tracker through the injected send, ask for the mileage dialog
// (mileageRequested) and open the extended information of the page
// (ORV_FormTmi_Vela2Ext); a file view hides the ones that act on a tracker.
class ORV_FormTmi_Vela2 : public QWidget
{
    Q_OBJECT

public:
    using Send = std::function<void(uint32_t msgId, intptr_t p1, intptr_t p2)>;

    explicit ORV_FormTmi_Vela2(QWidget *parent = nullptr);
    ~ORV_FormTmi_Vela2() override;

    void setSend(Send send) { m_send = std::move(send); }
    // The buttons that act on the attached tracker (outputs, guard, mileage).
    void setTrackerControlsVisible(bool visible);
    void setControlsEnabled(bool enabled);
    // The page number's text in 16 points (automatic telemetry mode).
    void prepareAutoMode();

    void showPage(std::shared_ptr<const TmiPage_Vela2> page);
    void clear();
    const std::shared_ptr<const TmiPage_Vela2> &page() const { return m_page; }
    // The number of the page shown; 0 when none is.
    quint32 currentPageNumber() const;

    // The value label of a member of the field table.
    QLabel *valueLabel(int member) const;
    ORV_FormTmi_Vela2Ext *extWindow() const { return m_ext; }

signals:
    void mileageRequested();

public slots:
    void slot_pressed_BtnOut_O1_On();
    void slot_pressed_BtnOut_O1_Off();
    void slot_pressed_BtnOut_O2_On();
    void slot_pressed_BtnOut_O2_Off();
    void slot_pressed_BtnOut_O3_On();
    void slot_pressed_BtnOut_O3_Off();
    void slot_pressed_BtnOut_O4_On();
    void slot_pressed_BtnOut_O4_Off();
    void slot_pressed_BtnOut_Run();
    void slot_pressed_BtnSet_NoGuard();
    void slot_pressed_BtnSet_Guard();
    void slot_pressed_BtnExt();

private:
    // A text shown beside the fields, made from the page.
    struct Derived
    {
        QLabel *label;
        std::function<QString(const TmiPage_Vela2 &)> text;
    };
    void build();
    void send(uint32_t msgId);

    std::unique_ptr<Ui::ORV_FormTmi_Vela2> ui;
    Send m_send;
    std::shared_ptr<const TmiPage_Vela2> m_page;
    std::vector<QLabel *> m_values; // by member
    std::vector<Derived> m_derived;
    ORV_FormTmi_Vela2Ext *m_ext = nullptr;
};

#endif // ORV_FORMTMI_VELA2_H
