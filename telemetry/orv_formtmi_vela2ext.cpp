#include "telemetry/orv_formtmi_vela2ext.h"
#include "ui_orv_formtmi_vela2ext.h"

#include "telemetry/tmiformat.h"
#include "telemetry/tmipage_vela2.h"

#include <QHeaderView>

ORV_FormTmi_Vela2Ext::ORV_FormTmi_Vela2Ext(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ORV_FormTmi_Vela2Ext)
{
    ui->setupUi(this);
    // The kinds of key, named as the readers are sold.
    ui->comboBox_KeyKind->addItems({QStringLiteral("Card"), QStringLiteral("RFID"), QStringLiteral("TM key")});
    ui->tableWidget_Dynamic->setColumnCount(3);
    ui->tableWidget_Dynamic->setHorizontalHeaderLabels({tr("K4810_1935"), tr("K4810_1936"), tr("K4810_1937")});
    ui->tableWidget_Dynamic->horizontalHeader()->setStretchLastSection(true);
    ui->tableWidget_Dynamic->verticalHeader()->hide();
    connect(ui->comboBox_KeyKind, &QComboBox::currentIndexChanged, this,
            &ORV_FormTmi_Vela2Ext::slot_currentIndexChanged_comboBox_KeyKind);
    connect(ui->Btn_Close, &QPushButton::pressed, this, &ORV_FormTmi_Vela2Ext::slot_pressed_Btn_Close);
    refresh();
}

ORV_FormTmi_Vela2Ext::~ORV_FormTmi_Vela2Ext() = default;

QString ORV_FormTmi_Vela2Ext::keyText(qint64 value, KeyKind kind)
{
    switch (kind) {
    case Rfid:
        return QStringLiteral("%1,%2").arg((value >> 16) & 0xFF, 3, 10, QLatin1Char('0')).arg(value & 0xFFFF, 5, 10,
                                                                                               QLatin1Char('0'));
    case TouchMemory:
        return QStringLiteral("%1").arg(quint64(value), 12, 16, QLatin1Char('0')).toUpper();
    case Card:
        break;
    }
    return QString::number(value);
}

void ORV_FormTmi_Vela2Ext::setKeyKind(KeyKind kind)
{
    ui->comboBox_KeyKind->setCurrentIndex(int(kind));
}

ORV_FormTmi_Vela2Ext::KeyKind ORV_FormTmi_Vela2Ext::keyKind() const
{
    return KeyKind(qBound(0, ui->comboBox_KeyKind->currentIndex(), 2));
}

void ORV_FormTmi_Vela2Ext::showPage(const std::shared_ptr<const TmiPage_Vela2> &page)
{
    m_page = page;
    refresh();
}

void ORV_FormTmi_Vela2Ext::refresh()
{
    const TmiPage_Vela2 *page = m_page.get();
    const bool extended = page && page->mode() == TmiPage_Vela2::Extended;
    ui->label_NumPage->setText(page ? QString::number(page->pageNumber()) : QString());
    ui->label_Time->setText(page ? TmiFormat::dateTime(page->time()) : QString());
    if (extended) {
        const ExtendedRecord &e = page->extendedRecord();
        ui->label_Blocks->setText(QStringLiteral("%1 / %2, %3 / %4, %5")
                                      .arg(e.declaredSize())
                                      .arg(e.stVer())
                                      .arg(e.stSize())
                                      .arg(e.hVer())
                                      .arg(e.hSize()));
    } else {
        ui->label_Blocks->setText(TmiFormat::notAvailable());
    }
    const QList<DynamicElement> elements = page ? page->dynamicElements() : QList<DynamicElement>();
    ui->label_NoElements->setVisible(elements.isEmpty());
    ui->tableWidget_Dynamic->setVisible(!elements.isEmpty());
    ui->tableWidget_Dynamic->setRowCount(int(elements.size()));
    for (int row = 0; row < elements.size(); ++row) {
        const DynamicElement &d = elements[row];
        QString value;
        switch (d.type) {
        case 1:
        case 3:
            value = keyText(d.integer(), keyKind());
            break;
        default:
            value = d.valueText();
            break;
        }
        const QString cells[] = {QString::number(d.type), QString::number(d.size), value};
        for (int column = 0; column < 3; ++column) {
            auto *item = ui->tableWidget_Dynamic->item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                ui->tableWidget_Dynamic->setItem(row, column, item);
            }
            item->setText(cells[column]);
        }
    }
}

void ORV_FormTmi_Vela2Ext::slot_currentIndexChanged_comboBox_KeyKind(int nIndex)
{
    Q_UNUSED(nIndex);
    refresh();
}

void ORV_FormTmi_Vela2Ext::slot_pressed_Btn_Close()
{
    close();
}
