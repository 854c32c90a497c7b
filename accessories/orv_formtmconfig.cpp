#include "accessories/orv_formtmconfig.h"

#include "accessories/orv_formwidgettm.h"
#include "accessories/tmkeyfile.h"
#include "ui_orv_formtmconfig.h"

ORV_FormTMConfig::ORV_FormTMConfig(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::ORV_FormTMConfig>())
{
    ui->setupUi(this);
    m_rows.reserve(KeyCount);
    for (int n = 1; n <= KeyCount; ++n) {
        auto *row = new ORV_FormWidgetTM(n, ui->widget_Keys);
        row->setObjectName(QStringLiteral("ORV_FormWidgetTM_%1").arg(n));
        row->bindToKeys(QStringLiteral("tmKeyCode%1").arg(n), QStringLiteral("tmKeyText%1").arg(n),
                        QStringLiteral("changeModeKey%1").arg(n));
        connect(row, &ORV_FormWidgetTM::readKeyRequested, this, &ORV_FormTMConfig::readKeyRequested);
        ui->verticalLayout_Keys->addWidget(row);
        m_rows.push_back(row);
    }
}

ORV_FormTMConfig::~ORV_FormTMConfig() = default;

ORV_FormWidgetTM *ORV_FormTMConfig::row(int number) const
{
    return number >= 1 && number <= int(m_rows.size()) ? m_rows[size_t(number - 1)] : nullptr;
}

void ORV_FormTMConfig::setKeyCode(int number, quint64 code)
{
    if (ORV_FormWidgetTM *r = row(number))
        r->setCode(code & TmKeyFile::CodeMask);
}

void ORV_FormTMConfig::setStatus(const QString &text)
{
    ui->label_Status->setText(text);
}
