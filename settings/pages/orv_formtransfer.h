#ifndef ORV_FORMTRANSFER_H
#define ORV_FORMTRANSFER_H

#include "settings/pages/orv_settingspage.h"

#include <QList>
#include <QPointer>

#include <memory>

namespace Ui {
class ORV_FormTransfer;
}
class AccessPointControls;
class ORV_FormRListOper;
class ORV_FormSetVela2;
class TransferServerPanel;

// The data-transfer page (section TRANSFER): the object's name, three
// monitoring servers (one panel each, chosen by the server combo), the
// encryption key, the mobile access point, how the link is kept, roaming on
// SIM 1 with its operator list, the firmware-update schedule, and the record
// fields sent to the server.
//
// Widgets are bound to their keys in the .ui (the server panels in code);
// the page's own rules run on the user's actions only:
//  - the encryption key and its buttons are available while a server
//    encrypts; Generate makes a key from the system's random source, and a
//    typed key is held to 32 hexadecimal digits without the bytes FE and FF;
//  - roaming: the no-SMS and no-call boxes are off in mode 2, the operator
//    list needs mode 3 and the roaming period mode 1 (settingsEnabledBy);
//    the blocking time is hours and minutes, at least 5 minutes;
//  - "Choose at random" spreads the firmware update over the days and hours.
// Before a save or a write the editor asks inputProblems(): an address that
// is not valid, or an encryption key that is not whole.
class ORV_FormTransfer : public ORV_SettingsPage
{
    Q_OBJECT

public:
    explicit ORV_FormTransfer(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);
    ~ORV_FormTransfer() override;

    QStringList inputProblems() const override;

    TransferServerPanel *serverPanel(int server) const { return m_panels.value(server); }
    AccessPointControls *accessPoint() const { return m_accessPoint; }
    // The dialogs, once opened.
    ORV_FormRListOper *operatorList() const;
    ORV_FormSetVela2 *fieldSelection() const;

protected:
    void afterLoad() override;

public slots:
    void slot_pressed_FormatSettingsVela();
    void slot_currentIndexChanged_ServerType(int nIndex);
    void slot_pressed_BtnUpdate();
    void slot_pressed_Btn_Crypto();
    void slot_pressed_Btn_Crypto_Clear();
    void slot_stateChanged_Crypto(int nState);
    void slot_pressed_RListOperSim1();
    void slot_valueChanged_RBlockH(int nValue);
    void slot_valueChanged_RBlockM(int nValue);

private:
    void showBlockTime();
    void updateCryptoEnabled();

    std::unique_ptr<Ui::ORV_FormTransfer> ui;
    QList<TransferServerPanel *> m_panels;
    AccessPointControls *m_accessPoint;
    QPointer<ORV_FormRListOper> m_operatorList;
    QPointer<ORV_FormSetVela2> m_fieldSelection;
};

#endif // ORV_FORMTRANSFER_H
