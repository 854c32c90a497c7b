#include "settings/pages/accesspointcontrols.h"

#include "net/mobilecarriers.h"
#include "settings/model/settingsmodel.h"
#include "settings/pages/orv_formautoapnlist.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {
const QString kTransfer = QStringLiteral("TRANSFER");
}

AccessPointControls::AccessPointControls(QComboBox *operators, QLineEdit *apn, QLineEdit *user, QLineEdit *password,
                                         QAbstractButton *listButton, QWidget *page)
    : QObject(page)
    , m_operators(operators)
    , m_apn(apn)
    , m_user(user)
    , m_password(password)
    , m_listButton(listButton)
    , m_page(page)
{
    {
        const QSignalBlocker block(m_operators);
        m_operators->clear();
        for (const MobileCarriers::AccessPoint &p : MobileCarriers::presets())
            m_operators->addItem(QString::fromUtf8(p.carrier));
        m_operators->addItem(tr("K4810_2809"));
        m_operators->setCurrentIndex(otherIndex());
    }
    connect(m_operators, &QComboBox::currentIndexChanged, this,
            &AccessPointControls::slot_currentIndexChanged_Operator1);
    connect(m_listButton, &QAbstractButton::pressed, this, &AccessPointControls::slot_pressedBtnListApn);
    applyOperator(otherIndex());
}

int AccessPointControls::otherIndex() const
{
    return int(MobileCarriers::presets().size());
}

void AccessPointControls::showModel()
{
    int index = otherIndex();
    if (m_model) {
        const int preset = MobileCarriers::presetIndexOf(m_model->text(kTransfer, QStringLiteral("GPRSopAPN")),
                                                         m_model->text(kTransfer, QStringLiteral("GPRSopUserName")),
                                                         m_model->text(kTransfer, QStringLiteral("GPRSopPassword")));
        if (preset >= 0)
            index = preset;
    }
    const QSignalBlocker block(m_operators);
    m_operators->setCurrentIndex(index);
    applyOperator(index);
}

void AccessPointControls::applyOperator(int index)
{
    const bool other = index < 0 || index >= otherIndex();
    for (QLineEdit *e : {m_apn, m_user, m_password})
        e->setReadOnly(!other);
    m_listButton->setEnabled(other);
}

void AccessPointControls::setValues(const QString &apn, const QString &user, const QString &password)
{
    if (!m_model)
        return;
    m_model->setText(kTransfer, QStringLiteral("GPRSopAPN"), apn);
    m_model->setText(kTransfer, QStringLiteral("GPRSopUserName"), user);
    m_model->setText(kTransfer, QStringLiteral("GPRSopPassword"), password);
}

void AccessPointControls::slot_currentIndexChanged_Operator1(int nIndex)
{
    const QList<MobileCarriers::AccessPoint> presets = MobileCarriers::presets();
    if (nIndex >= 0 && nIndex < presets.size()) {
        const MobileCarriers::AccessPoint &p = presets.at(nIndex);
        setValues(QString::fromUtf8(p.apn), QString::fromUtf8(p.user), QString::fromUtf8(p.password));
    }
    applyOperator(nIndex);
}

void AccessPointControls::slot_pressedBtnListApn()
{
    if (!m_list) {
        m_list = new ORV_FormAutoApnList(m_page);
        connect(m_list, &ORV_FormAutoApnList::accessPointChosen, this,
                [this](const QString &apn, const QString &user, const QString &password) {
                    setValues(apn, user, password);
                    showModel();
                });
    }
    m_list->open();
}
