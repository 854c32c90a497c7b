#ifndef ORV_FORMPHONES_H
#define ORV_FORMPHONES_H

#include "settings/pages/orv_settingspage.h"

#include <memory>

namespace Ui {
class ORV_FormPhones;
}
class QComboBox;

// The phones page (section PHONES): five authorised phones, one column
// each, with a name, a number, how the phone is told of each of 18 tracker
// events and three permissions; and the settings for all phones (incoming
// voice calls, SMS commands from any number, the voice-call password).
//
// An event's combo is bound to one digit of events_phone_n by its item
// data, the notification code (0..5; the balance row offers 0..3 and 7).
// A code the row does not offer is shown as it is and kept.
//
// The balance row and the send-balance boxes take effect only with the
// automatic balance check of the System page, the speed row only with the
// speed limit of the Track page: they are enabled by those keys
// (SYSTEM/useAutoBalanceChek, TRACK/GPStrackMaxPermVelocity), whichever
// page changes them.
class ORV_FormPhones : public ORV_SettingsPage
{
    Q_OBJECT

public:
    static constexpr int PhoneCount = 5;
    static constexpr int EventCount = 18;
    // Rows (from 0) that depend on other pages' keys.
    static constexpr int SpeedRow = 11;
    static constexpr int BalanceRow = 14;

    explicit ORV_FormPhones(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);
    ~ORV_FormPhones() override;

    // The notification codes an event row offers, in item order.
    static QList<int> codesOfRow(int nRow);

private:
    void fillEventItems(QComboBox *combo, int nRow) const;

    std::unique_ptr<Ui::ORV_FormPhones> ui;
};

#endif // ORV_FORMPHONES_H
