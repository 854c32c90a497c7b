#ifndef ORV_FORMTMI_VELA2EXT_H
#define ORV_FORMTMI_VELA2EXT_H

#include <QDialog>

#include <memory>

namespace Ui {
class ORV_FormTmi_Vela2Ext;
}
class TmiPage_Vela2;

// The extended information of a second-generation page: the versions and
// sizes of the extended record's blocks and its dynamic elements, one row
// each. The 64-bit identification values (elements of types 1 and 3) are
// shown as the kind of key the reader takes, which the user chooses:
// "Card" (the number in decimal), "RFID" (facility and card number of the
// tag's low 24 bits, "123,45678") or "TM key" (the code in upper-case
// hexadecimal, 12 digits, as the telemetry window shows a touch-memory key).
class ORV_FormTmi_Vela2Ext : public QDialog
{
    Q_OBJECT

public:
    enum KeyKind { Card, Rfid, TouchMemory };

    explicit ORV_FormTmi_Vela2Ext(QWidget *parent = nullptr);
    ~ORV_FormTmi_Vela2Ext() override;

    // Shows the page's information (null: none).
    void showPage(const std::shared_ptr<const TmiPage_Vela2> &page);
    void setKeyKind(KeyKind kind);
    KeyKind keyKind() const;

    // An identification value as the key kind shows it.
    static QString keyText(qint64 value, KeyKind kind);

public slots:
    void slot_currentIndexChanged_comboBox_KeyKind(int nIndex);
    void slot_pressed_Btn_Close();

private:
    void refresh();

    std::unique_ptr<Ui::ORV_FormTmi_Vela2Ext> ui;
    std::shared_ptr<const TmiPage_Vela2> m_page;
};

#endif // ORV_FORMTMI_VELA2EXT_H
