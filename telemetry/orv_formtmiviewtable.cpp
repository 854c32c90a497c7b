#include "telemetry/orv_formtmiviewtable.h"
#include "ui_orv_formtmiviewtable.h"

#include "telemetry/tmitextfilemodel.h"

#include <QHeaderView>

orv_FormTmiViewTable::orv_FormTmiViewTable(ORV_Device_K4810 *device)
    : ORV_TmiFileView(device, QStringLiteral("orv_FormTmiViewTable"))
    , ui(new Ui::orv_FormTmiViewTable)
    , m_model(new TmiTextFileModel(this))
{
    auto *content = new QWidget(this);
    ui->setupUi(content);
    contentLayout()->addWidget(content);
    resize(1180, 660);
    setFileWidgets({ui->label_File, ui->label_Size, ui->label_Pages, ui->label_Loading, ui->progressBar_Load,
                    ui->PushButton_Open, ui->PushButton_Cancel});
    ui->tableView_Pages->setModel(m_model);
    // Every row and column has the same fixed size: nothing is measured, so
    // a table of a hundred thousand rows reads only the rows it shows.
    QHeaderView *rows = ui->tableView_Pages->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView *columns = ui->tableView_Pages->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setDefaultSectionSize(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 20);
}

orv_FormTmiViewTable::~orv_FormTmiViewTable() = default;

QTableView *orv_FormTmiViewTable::tableView() const
{
    return ui->tableView_Pages;
}

void orv_FormTmiViewTable::showContents(const std::shared_ptr<const TmiTextFile> &file)
{
    m_model->setFile(file);
    ui->tableView_Pages->scrollToTop();
}
