#include "settings/pages/orv_formtransfer.h"

#include "net/encryptionkey.h"
#include "net/updateschedule.h"
#include "settings/editor/transferrules.h"
#include "settings/model/settingsmodel.h"
#include "settings/pages/accesspointcontrols.h"
#include "settings/pages/orv_formrlistoper.h"
#include "settings/pages/transferserverpanel.h"
#include "telemetry/orv_formsetvela2.h"
#include "ui_orv_formtransfer.h"

#include <QSignalBlocker>
#include <QValidator>

namespace {

// A typed encryption key: hexadecimal digits, shown in upper case, at most
// 32, never a byte FE or FF.
class EncryptionKeyValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &pos) const override
    {
        Q_UNUSED(pos);
        input = input.toUpper();
        switch (EncryptionKey::check(input)) {
        case EncryptionKey::Check::Acceptable:
            return Acceptable;
        case EncryptionKey::Check::Intermediate:
            return Intermediate;
        case EncryptionKey::Check::Invalid:
            break;
        }
        return Invalid;
    }
    void fixup(QString &input) const override { input = EncryptionKey::normalized(input); }
};

const QString kCryptoKey = QStringLiteral("CRYPTO/key");
const QString kSelection = QStringLiteral("GPRSprotocolConfig");
const QString kFormat = QStringLiteral("DFprotocol");
const QString kDiagnostic = QStringLiteral("GPRSdiagSupress");

QString opCode(int position)
{
    return QStringLiteral("ROAMING_SIM1/opCode%1").arg(position);
}

} // namespace

ORV_FormTransfer::ORV_FormTransfer(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_SettingsPage(editor, parent)
    , ui(new Ui::ORV_FormTransfer)
{
    ui->setupUi(this);
    // One panel per server, in the order of the server combo.
    for (int server = 0; server < TransferRules::ServerCount; ++server) {
        auto *panel = new TransferServerPanel(server, TransferServerPanel::Form::Full, this);
        panel->setModel(model());
        ui->stackedWidget_Servers->addWidget(panel);
        m_panels << panel;
        connect(panel, &TransferServerPanel::cryptoChanged, this, [this] { slot_stateChanged_Crypto(0); });
    }

    ui->lineEdit_CryptoKey->setValidator(new EncryptionKeyValidator(ui->lineEdit_CryptoKey));
    m_accessPoint = new AccessPointControls(ui->comboBox_Operator1, ui->lineEdit_APN, ui->lineEdit_User,
                                            ui->lineEdit_Password, ui->pushButton_ListApn, this);
    m_accessPoint->setModel(model());

    connect(ui->comboBox_ServerType, &QComboBox::currentIndexChanged, this,
            &ORV_FormTransfer::slot_currentIndexChanged_ServerType);
    connect(ui->pushButton_FormatSettingsVela, &QAbstractButton::pressed, this,
            &ORV_FormTransfer::slot_pressed_FormatSettingsVela);
    connect(ui->pushButton_BtnUpdate, &QAbstractButton::pressed, this, &ORV_FormTransfer::slot_pressed_BtnUpdate);
    connect(ui->pushButton_Crypto, &QAbstractButton::pressed, this, &ORV_FormTransfer::slot_pressed_Btn_Crypto);
    connect(ui->pushButton_Crypto_Clear, &QAbstractButton::pressed, this,
            &ORV_FormTransfer::slot_pressed_Btn_Crypto_Clear);
    connect(ui->pushButton_RListOperSim1, &QAbstractButton::pressed, this,
            &ORV_FormTransfer::slot_pressed_RListOperSim1);
    connect(ui->spinBox_RBlockH, &QSpinBox::valueChanged, this, &ORV_FormTransfer::slot_valueChanged_RBlockH);
    connect(ui->spinBox_RBlockM, &QSpinBox::valueChanged, this, &ORV_FormTransfer::slot_valueChanged_RBlockM);
}

ORV_FormTransfer::~ORV_FormTransfer() = default;

ORV_FormRListOper *ORV_FormTransfer::operatorList() const
{
    return m_operatorList.data();
}

ORV_FormSetVela2 *ORV_FormTransfer::fieldSelection() const
{
    return m_fieldSelection.data();
}

void ORV_FormTransfer::afterLoad()
{
    for (TransferServerPanel *panel : std::as_const(m_panels))
        panel->showModel();
    m_accessPoint->showModel();
    showBlockTime();
    updateCryptoEnabled();
}

QStringList ORV_FormTransfer::inputProblems() const
{
    return model() ? TransferRules::inputProblems(*model()) : QStringList();
}

// ---------------------------------------------------------------- servers

void ORV_FormTransfer::slot_currentIndexChanged_ServerType(int nIndex)
{
    ui->stackedWidget_Servers->setCurrentIndex(nIndex);
}

// ---------------------------------------------------------------- encryption

void ORV_FormTransfer::updateCryptoEnabled()
{
    bool any = false;
    for (TransferServerPanel *panel : std::as_const(m_panels))
        any = any || panel->cryptoBox()->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(ui->lineEdit_CryptoKey), static_cast<QWidget *>(ui->pushButton_Crypto),
                       static_cast<QWidget *>(ui->pushButton_Crypto_Clear), static_cast<QWidget *>(ui->label_CryptoKey)})
        w->setEnabled(any);
}

void ORV_FormTransfer::slot_stateChanged_Crypto(int nState)
{
    Q_UNUSED(nState);
    updateCryptoEnabled();
}

void ORV_FormTransfer::slot_pressed_Btn_Crypto()
{
    if (model())
        model()->setText(section(), kCryptoKey, EncryptionKey::generate());
}

void ORV_FormTransfer::slot_pressed_Btn_Crypto_Clear()
{
    if (model())
        model()->setText(section(), kCryptoKey, QString());
}

// ---------------------------------------------------------------- roaming

void ORV_FormTransfer::showBlockTime()
{
    if (!model())
        return;
    const int hours = TransferRules::blockHours(*model());
    const int minutes = TransferRules::blockMinutes(*model());
    const QSignalBlocker blockH(ui->spinBox_RBlockH);
    const QSignalBlocker blockM(ui->spinBox_RBlockM);
    // A stored time below the minimum is shown as it is.
    ui->spinBox_RBlockH->setRange(0, qMax(24, hours));
    ui->spinBox_RBlockH->setValue(hours);
    ui->spinBox_RBlockM->setMinimum(qMin(minutes, TransferRules::minimumBlockMinutes(hours)));
    ui->spinBox_RBlockM->setValue(minutes);
}

void ORV_FormTransfer::slot_valueChanged_RBlockH(int nValue)
{
    {
        // Raising the minutes to their minimum is part of this change.
        const QSignalBlocker block(ui->spinBox_RBlockM);
        ui->spinBox_RBlockM->setMinimum(TransferRules::minimumBlockMinutes(nValue));
    }
    if (model())
        TransferRules::setBlockTime(*model(), nValue, ui->spinBox_RBlockM->value());
}

void ORV_FormTransfer::slot_valueChanged_RBlockM(int nValue)
{
    if (model())
        TransferRules::setBlockTime(*model(), ui->spinBox_RBlockH->value(), nValue);
}

void ORV_FormTransfer::slot_pressed_RListOperSim1()
{
    if (!model())
        return;
    if (!m_operatorList) {
        m_operatorList = new ORV_FormRListOper(this);
        connect(m_operatorList, &QDialog::finished, this, [this] {
            if (!model() || !m_operatorList)
                return;
            const QStringList codes = m_operatorList->codes();
            for (int i = 0; i < ORV_FormRListOper::Rows; ++i)
                model()->setText(section(), opCode(i + 1), codes.value(i));
        });
    }
    QStringList codes;
    for (int i = 1; i <= ORV_FormRListOper::Rows; ++i)
        codes << model()->text(section(), opCode(i));
    m_operatorList->setCodes(codes);
    m_operatorList->open();
}

// ---------------------------------------------------------------- firmware update

void ORV_FormTransfer::slot_pressed_BtnUpdate()
{
    if (!model())
        return;
    const UpdateSchedule::Slot slot = UpdateSchedule::spread();
    model()->setValue(section(), QStringLiteral("GPRSUpdateDat"), slot.dayIndex);
    model()->setValue(section(), QStringLiteral("GPRSUpdateHour"), slot.time.hour());
    model()->setValue(section(), QStringLiteral("GPRSUpdateMinute"), slot.time.minute());
}

// ---------------------------------------------------------------- record fields

void ORV_FormTransfer::slot_pressed_FormatSettingsVela()
{
    if (!model())
        return;
    if (!m_fieldSelection) {
        m_fieldSelection = new ORV_FormSetVela2(this);
        connect(m_fieldSelection, &QDialog::accepted, this, [this] {
            if (!model() || !m_fieldSelection)
                return;
            model()->setText(section(), kSelection, m_fieldSelection->selection());
            model()->setText(section(), kFormat, m_fieldSelection->formatCode());
            // Any non-zero value stands for "on": it stays as it is unless switched.
            if (m_fieldSelection->diagnostic() != (model()->value(section(), kDiagnostic).toInt() != 0))
                model()->setValue(section(), kDiagnostic, m_fieldSelection->diagnostic() ? 1 : 0);
        });
    }
    m_fieldSelection->load(model()->text(section(), kSelection), model()->text(section(), kFormat),
                           model()->value(section(), kDiagnostic).toInt() != 0);
    m_fieldSelection->open();
}
