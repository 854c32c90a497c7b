#include "settings/pages/transferserverpanel.h"

#include "core/formwait.h" // orv_Socket hands its wait window out
#include "core/orv_messagebox.h"
#include "net/orv_socket.h"
#include "settings/editor/transferrules.h"
#include "settings/model/settingsmodel.h"
#include "settings/pages/ipv4octetedits.h"
#include "settings/pages/settingsbinder.h"
#include "ui_transferserverpanel.h"

#include <QSignalBlocker>

TransferServerPanel::TransferServerPanel(int server, Form form, QWidget *page, QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::TransferServerPanel)
    , m_server(server)
    , m_form(form)
    , m_page(page)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("TransferServerPanel%1").arg(server));
    ui->groupBox_Server->setTitle(tr(TransferRules::serverNameKey(server)));
    m_octets = new IPv4OctetEdits({ui->lineEdit_IP1, ui->lineEdit_IP2, ui->lineEdit_IP3, ui->lineEdit_IP4},
                                  ui->spinBox_Port, this);

    // The keys of this server, for the page's binder.
    const TransferRules::ServerKeys k = TransferRules::keys(server);
    const char *path = SettingsBinder::PathProperty;
    ui->lineEdit_DNS->setProperty(path, k.name);
    ui->spinBox_Port->setProperty(path, k.port);
    ui->comboBox_Protocol->setProperty(path, k.protocol);
    ui->spinBox_ObjectID->setProperty(path, k.objectId);
    ui->spinBox_CentreID->setProperty(path, k.centreId);
    if (form == Form::Full) {
        ui->comboBox_Transport->setProperty(path, k.transport);
        ui->checkBox_Crypto->setProperty(path, QStringLiteral("CRYPTO/type"));
        ui->checkBox_Crypto->setProperty(SettingsBinder::ItemProperty, server);
    } else {
        // The short form: the server is always on; no transport, no encryption.
        ui->groupBox_Server->setCheckable(false);
        ui->label_Transport->hide();
        ui->comboBox_Transport->hide();
        ui->checkBox_Crypto->hide();
    }
    // The section is the page's or the form's: the transfer settings.
    for (QWidget *w : {static_cast<QWidget *>(ui->lineEdit_DNS), static_cast<QWidget *>(ui->spinBox_Port),
                       static_cast<QWidget *>(ui->comboBox_Protocol), static_cast<QWidget *>(ui->spinBox_ObjectID),
                       static_cast<QWidget *>(ui->spinBox_CentreID), static_cast<QWidget *>(ui->comboBox_Transport),
                       static_cast<QWidget *>(ui->checkBox_Crypto)})
        w->setProperty(SettingsBinder::SectionProperty, TransferRules::section());

    connect(ui->groupBox_Server, &QGroupBox::toggled, this, &TransferServerPanel::slot_toggled_Server);
    connect(ui->comboBox_AddressKind, &QComboBox::currentIndexChanged, this,
            &TransferServerPanel::slot_currentIndexChanged_Select);
    connect(m_octets, &IPv4OctetEdits::addressEdited, this, &TransferServerPanel::slot_textEdited_IP);
    connect(ui->pushButton_Test, &QAbstractButton::pressed, this, &TransferServerPanel::slot_pressed_BtnTest);
    connect(ui->checkBox_Crypto, &QAbstractButton::toggled, this, &TransferServerPanel::cryptoChanged);
    showKind(ByAddress);
}

TransferServerPanel::~TransferServerPanel() = default;

QGroupBox *TransferServerPanel::serverBox() const { return ui->groupBox_Server; }
QComboBox *TransferServerPanel::addressKindCombo() const { return ui->comboBox_AddressKind; }
QLineEdit *TransferServerPanel::nameEdit() const { return ui->lineEdit_DNS; }
QAbstractButton *TransferServerPanel::cryptoBox() const { return ui->checkBox_Crypto; }
QAbstractButton *TransferServerPanel::testButton() const { return ui->pushButton_Test; }

bool TransferServerPanel::isServerOn() const
{
    return !ui->groupBox_Server->isCheckable() || ui->groupBox_Server->isChecked();
}

int TransferServerPanel::addressKind() const
{
    return ui->comboBox_AddressKind->currentIndex();
}

void TransferServerPanel::showKind(int kind)
{
    const QSignalBlocker block(ui->comboBox_AddressKind);
    ui->comboBox_AddressKind->setCurrentIndex(kind);
    ui->stackedWidget_Address->setCurrentIndex(kind);
}

void TransferServerPanel::showModel()
{
    m_nameAside.clear();
    if (!m_model)
        return;
    if (ui->groupBox_Server->isCheckable()) {
        const QSignalBlocker block(ui->groupBox_Server);
        ui->groupBox_Server->setChecked(TransferRules::isServerOn(*m_model, m_server));
    }
    showKind(TransferRules::usesName(*m_model, m_server) ? ByName : ByAddress);
    m_octets->setAddress(m_model->text(TransferRules::section(), TransferRules::keys(m_server).address));
}

void TransferServerPanel::slot_toggled_Server(bool bChecked)
{
    if (bChecked || !m_model)
        return;
    TransferRules::switchServerOff(*m_model, m_server);
    showModel();
}

void TransferServerPanel::slot_currentIndexChanged_Select(int nIndex)
{
    ui->stackedWidget_Address->setCurrentIndex(nIndex);
    if (!m_model)
        return;
    const QString nameKey = TransferRules::keys(m_server).name;
    const QString name = m_model->text(TransferRules::section(), nameKey);
    if (nIndex == ByAddress) {
        if (!name.isEmpty()) {
            m_nameAside = name;
            m_model->setText(TransferRules::section(), nameKey, QString());
        }
    } else if (name.isEmpty() && !m_nameAside.isEmpty()) {
        m_model->setText(TransferRules::section(), nameKey, m_nameAside);
        m_nameAside.clear();
    }
}

void TransferServerPanel::slot_textEdited_IP(const QString &qsText)
{
    if (m_model)
        m_model->setText(TransferRules::section(), TransferRules::keys(m_server).address, qsText);
}

void TransferServerPanel::slot_pressed_BtnTest()
{
    if (!m_model || !m_page)
        return;
    const QString problem = TransferRules::testProblem(*m_model, m_server);
    if (!problem.isEmpty()) {
        ORV_MessageBox::notify(m_page, QMessageBox::Warning, tr("K4810_2812"), problem, tr("K4810_003"));
        return;
    }
    const int port = m_model->value(TransferRules::section(), TransferRules::keys(m_server).port).toInt();
    orv_Socket::testServer(m_page, TransferRules::testHost(*m_model, m_server), port);
}
