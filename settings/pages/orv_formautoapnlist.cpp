#include "settings/pages/orv_formautoapnlist.h"

#include "ui_orv_formautoapnlist.h"

#include <QCoreApplication>
#include <QShowEvent>

namespace {
enum Column { NameColumn, ApnColumn, UserColumn, PasswordColumn };
constexpr int kWidths[] = {175, 175, 100, 100};
} // namespace

ORV_FormAutoApnList::ORV_FormAutoApnList(QWidget *parent, const QList<MobileCarriers::AccessPoint> &rows)
    : QDialog(parent)
    , ui(std::make_unique<Ui::ORV_FormAutoApnList>())
{
    ui->setupUi(this);
    setWindowTitle(tr("Список операторов"));
    QTreeWidget *tree = ui->treeWidget_Apn;
    for (int column = 0; column < 4; ++column)
        tree->setColumnWidth(column, kWidths[column]);

    // A carrier's access points are listed together in the table.
    QTreeWidgetItem *carrier = nullptr;
    for (const MobileCarriers::AccessPoint &row : rows) {
        const QString name = QString::fromUtf8(row.carrier);
        if (!carrier || carrier->text(NameColumn) != name) {
            carrier = new QTreeWidgetItem(tree);
            carrier->setText(NameColumn, name);
            carrier->setFirstColumnSpanned(true);
        }
        auto *point = new QTreeWidgetItem(carrier);
        point->setText(NameColumn, QCoreApplication::translate("ORV_FormAutoApnList", row.service));
        point->setText(ApnColumn, QString::fromUtf8(row.apn));
        point->setText(UserColumn, QString::fromUtf8(row.user));
        point->setText(PasswordColumn, QString::fromUtf8(row.password));
    }

    connect(ui->pushButton_Use, &QPushButton::pressed, this, &ORV_FormAutoApnList::slot_pressed_Use);
    connect(ui->pushButton_Close, &QPushButton::pressed, this, &QDialog::reject);
    connect(tree, &QTreeWidget::itemDoubleClicked, this, &ORV_FormAutoApnList::slot_itemDoubleClicked_TreeWidgetApn);
    connect(tree, &QTreeWidget::currentItemChanged, this, &ORV_FormAutoApnList::slot_currentItemChanged_TreeWidgetApn);
    ui->pushButton_Use->setEnabled(false);
}

ORV_FormAutoApnList::~ORV_FormAutoApnList() = default;

void ORV_FormAutoApnList::showEvent(QShowEvent *event)
{
    QTreeWidget *tree = ui->treeWidget_Apn;
    // An empty list has no first row to look at.
    if (tree->topLevelItemCount() > 0 && !tree->topLevelItem(0)->isExpanded())
        tree->expandAll();
    QDialog::showEvent(event);
}

void ORV_FormAutoApnList::slot_pressed_Use()
{
    choose(ui->treeWidget_Apn->currentItem());
}

void ORV_FormAutoApnList::slot_itemDoubleClicked_TreeWidgetApn(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(column);
    // A double-click on a carrier opens or closes it, as in any tree.
    if (isAccessPoint(item))
        choose(item);
}

void ORV_FormAutoApnList::slot_currentItemChanged_TreeWidgetApn(QTreeWidgetItem *current, QTreeWidgetItem *previous)
{
    Q_UNUSED(previous);
    ui->pushButton_Use->setEnabled(isAccessPoint(current));
}

void ORV_FormAutoApnList::choose(const QTreeWidgetItem *item)
{
    if (!isAccessPoint(item))
        return;
    m_chosen = {item->text(ApnColumn), item->text(UserColumn), item->text(PasswordColumn)};
    emit accessPointChosen(m_chosen.apn, m_chosen.user, m_chosen.password);
    accept();
}

bool ORV_FormAutoApnList::isAccessPoint(const QTreeWidgetItem *item)
{
    return item && item->parent();
}
