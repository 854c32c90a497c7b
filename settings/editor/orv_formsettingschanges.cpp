#include "settings/editor/orv_formsettingschanges.h"

#include "settings/model/settingschanges.h"
#include "settings/model/settingsmodel.h"
#include "ui_orv_formsettingschanges.h"

#include <QHeaderView>
#include <QTimer>

namespace {

constexpr int SectionRole = Qt::UserRole;
constexpr int PathRole = Qt::UserRole + 1;

} // namespace

ORV_FormSettingsChanges::ORV_FormSettingsChanges(SettingsModel *model, Naming naming, QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::ORV_FormSettingsChanges)
    , m_model(model)
    , m_naming(std::move(naming))
{
    ui->setupUi(this);
    connect(ui->pushButton_Revert, &QPushButton::pressed, this, &ORV_FormSettingsChanges::slot_pressed_pushButton_Revert);
    connect(ui->pushButton_RevertAll, &QPushButton::pressed, this,
            &ORV_FormSettingsChanges::slot_pressed_pushButton_RevertAll);
    connect(ui->pushButton_Close, &QPushButton::pressed, this, &ORV_FormSettingsChanges::slot_pressed_pushButton_Close);
    connect(ui->tableWidget_Changes, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        const QTableWidgetItem *item = ui->tableWidget_Changes->item(row, 0);
        if (item)
            emit openRequested(item->data(SectionRole).toString(), item->data(PathRole).toString());
    });
    connect(ui->tableWidget_Changes, &QTableWidget::itemSelectionChanged, this, [this] {
        ui->pushButton_Revert->setEnabled(!ui->tableWidget_Changes->selectionModel()->selectedRows().isEmpty());
    });
    connect(m_model, &SettingsModel::valueChanged, this, &ORV_FormSettingsChanges::scheduleRefresh);
    connect(m_model, &SettingsModel::reloaded, this, &ORV_FormSettingsChanges::scheduleRefresh);
    refresh();
}

ORV_FormSettingsChanges::~ORV_FormSettingsChanges() = default;

QTableWidget *ORV_FormSettingsChanges::table() const
{
    return ui->tableWidget_Changes;
}

QStringList ORV_FormSettingsChanges::rows() const
{
    QStringList out;
    for (int r = 0; r < ui->tableWidget_Changes->rowCount(); ++r) {
        const QTableWidgetItem *item = ui->tableWidget_Changes->item(r, 0);
        out << item->data(SectionRole).toString() + QLatin1Char('/') + item->data(PathRole).toString();
    }
    return out;
}

void ORV_FormSettingsChanges::scheduleRefresh()
{
    // A reset changes many values at once: the list is made once after them.
    if (m_refreshQueued || !isVisible())
        return;
    m_refreshQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_refreshQueued = false;
        refresh();
    });
}

void ORV_FormSettingsChanges::refresh()
{
    QTableWidget *t = ui->tableWidget_Changes;
    const QList<SettingsChanges::Change> changes = SettingsChanges::list(*m_model);
    t->setRowCount(0);
    t->setRowCount(int(changes.size()));
    int row = 0;
    for (const SettingsChanges::Change &c : changes) {
        auto *page = new QTableWidgetItem(m_naming ? m_naming(c.section, c.path, true) : c.section);
        page->setData(SectionRole, c.section);
        page->setData(PathRole, c.path);
        auto *label = new QTableWidgetItem(m_naming ? m_naming(c.section, c.path, false) : c.path);
        label->setToolTip(c.section + QLatin1Char('/') + c.path);
        auto *loaded = new QTableWidgetItem(SettingsChanges::shownText(*c.key, c.loaded, c.context));
        auto *current = new QTableWidgetItem(SettingsChanges::shownText(*c.key, c.current, c.context));
        loaded->setToolTip(c.loaded);
        current->setToolTip(c.current);
        t->setItem(row, 0, page);
        t->setItem(row, 1, label);
        t->setItem(row, 2, loaded);
        t->setItem(row, 3, current);
        ++row;
    }
    t->resizeColumnsToContents();
    for (int c = 0; c < 3; ++c)
        t->setColumnWidth(c, qMin(t->columnWidth(c), 280));
    ui->label_Summary->setText(tr("K4810_3020").arg(changes.size()));
    ui->pushButton_RevertAll->setEnabled(!changes.isEmpty());
    ui->pushButton_Revert->setEnabled(!t->selectionModel()->selectedRows().isEmpty());
}

void ORV_FormSettingsChanges::slot_pressed_pushButton_Revert()
{
    QList<QPair<QString, QString>> keys;
    for (const QModelIndex &index : ui->tableWidget_Changes->selectionModel()->selectedRows()) {
        const QTableWidgetItem *item = ui->tableWidget_Changes->item(index.row(), 0);
        keys.append({item->data(SectionRole).toString(), item->data(PathRole).toString()});
    }
    for (const auto &k : keys)
        SettingsChanges::revert(*m_model, k.first, k.second);
    refresh();
}

void ORV_FormSettingsChanges::slot_pressed_pushButton_RevertAll()
{
    for (const SettingsChanges::Change &c : SettingsChanges::list(*m_model))
        SettingsChanges::revert(*m_model, c.section, c.path);
    refresh();
}

void ORV_FormSettingsChanges::slot_pressed_pushButton_Close()
{
    close();
}
