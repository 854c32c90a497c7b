#ifndef TRANSFERSERVERPANEL_H
#define TRANSFERSERVERPANEL_H

#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class TransferServerPanel;
}
class IPv4OctetEdits;
class QAbstractButton;
class QComboBox;
class QGroupBox;
class QLineEdit;
class SettingsModel;

// One monitoring server of the transfer settings (0 main, 1 and 2 the
// reserves): on or off, its address as four octets or a name, port,
// protocol, transport, object and centre identifiers, encryption, and the
// connection test. The transfer page shows three of them; the light form
// shows the main server in its short form (always on, no transport and no
// encryption).
//
// The panel's bound widgets carry their keys as settingsPath properties
// from construction, so the page's binder binds them. What is derived from
// the values (on or off, address or name, the octets) is shown by
// showModel() after every load; the rules that follow the user:
//  - switching the server off writes address 0.0.0.0, port 0 and no name;
//    loading never does (a server without name and address shows off);
//  - choosing the address puts the name aside (the tracker uses a name when
//    there is one) and choosing the name again brings it back;
//  - the octets typed are stored as typed; the test and the check before
//    saving refuse an address that is not valid.
class TransferServerPanel : public QWidget
{
    Q_OBJECT

public:
    enum class Form { Full, Short };
    enum AddressKind { ByAddress, ByName };

    TransferServerPanel(int server, Form form, QWidget *page, QWidget *parent = nullptr);
    ~TransferServerPanel() override;

    int server() const { return m_server; }
    void setModel(SettingsModel *model) { m_model = model; }
    // Shows what the model's values decide (signals blocked).
    void showModel();

    bool isServerOn() const;
    int addressKind() const;

    QGroupBox *serverBox() const;
    QComboBox *addressKindCombo() const;
    IPv4OctetEdits *octets() const { return m_octets; }
    QLineEdit *nameEdit() const;
    QAbstractButton *cryptoBox() const;
    QAbstractButton *testButton() const;

signals:
    // The user changed the encryption box.
    void cryptoChanged();

private slots:
    void slot_toggled_Server(bool bChecked);
    void slot_currentIndexChanged_Select(int nIndex);
    void slot_textEdited_IP(const QString &qsText);
    void slot_pressed_BtnTest();

private:
    void showKind(int kind);

    std::unique_ptr<Ui::TransferServerPanel> ui;
    int m_server;
    Form m_form;
    QPointer<QWidget> m_page;
    QPointer<SettingsModel> m_model;
    IPv4OctetEdits *m_octets;
    QString m_nameAside; // the name put aside when the address was chosen
};

#endif // TRANSFERSERVERPANEL_H
