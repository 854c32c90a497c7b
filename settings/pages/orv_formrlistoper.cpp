#include "settings/pages/orv_formrlistoper.h"

#include "ui_orv_formrlistoper.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>

namespace {
constexpr int CodeColumn = 1;
constexpr int MaxCodeLength = 6;
} // namespace

// Edits a code cell; keeps the editor it made so that an edit still open
// can be written back on demand.
class OperatorCodeDelegate : public QStyledItemDelegate
{
public:
    OperatorCodeDelegate(const QCheckBox *digitsOnly, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_digitsOnly(digitsOnly)
    {
        // The view closes an editor itself when it loses the focus.
        connect(this, &QAbstractItemDelegate::closeEditor, this, [this] { m_editor = nullptr; });
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        auto *editor = new QLineEdit(parent);
        editor->setFrame(false);
        if (m_digitsOnly->isChecked()) {
            editor->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("^\\d{0,%1}$").arg(MaxCodeLength)), editor));
        }
        m_editor = editor;
        return editor;
    }

    void commit()
    {
        if (!m_editor)
            return;
        QWidget *editor = m_editor;
        m_editor = nullptr;
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    }

private:
    const QCheckBox *m_digitsOnly;
    mutable QPointer<QWidget> m_editor;
};

ORV_FormRListOper::ORV_FormRListOper(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::ORV_FormRListOper>())
{
    ui->setupUi(this);
    m_delegate = new OperatorCodeDelegate(ui->checkBox_CheckCodes, this);
    ui->treeWidget_List->setItemDelegateForColumn(CodeColumn, m_delegate);
    ui->treeWidget_List->header()->setSectionResizeMode(QHeaderView::Stretch);
    for (int row = 0; row < Rows; ++row) {
        auto *item = new QTreeWidgetItem(ui->treeWidget_List);
        item->setText(0, QString::number(row + 1));
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }

    connect(ui->treeWidget_List, &QTreeWidget::currentItemChanged, this, &ORV_FormRListOper::slot_curItemChanged);
    connect(ui->treeWidget_List, &QTreeWidget::itemDoubleClicked, this,
            &ORV_FormRListOper::slot_itemDoubleClicket_TreeWidgetList);
    connect(ui->pushButton_Up, &QPushButton::pressed, this, &ORV_FormRListOper::slot_pressedBtnUp);
    connect(ui->pushButton_Down, &QPushButton::pressed, this, &ORV_FormRListOper::slot_pressedBtnDown);
    connect(ui->pushButton_Close, &QPushButton::pressed, this, &QDialog::close);
    reset();
}

ORV_FormRListOper::~ORV_FormRListOper() = default;

void ORV_FormRListOper::reset()
{
    commitEdit();
    for (int row = 0; row < Rows; ++row)
        ui->treeWidget_List->topLevelItem(row)->setText(CodeColumn, QString());
    ui->checkBox_CheckCodes->setChecked(true);
    ui->treeWidget_List->setCurrentItem(ui->treeWidget_List->topLevelItem(0));
    updateButtons();
}

void ORV_FormRListOper::setCodes(const QStringList &codes)
{
    commitEdit();
    for (int row = 0; row < Rows; ++row)
        ui->treeWidget_List->topLevelItem(row)->setText(CodeColumn, codes.value(row));
}

QStringList ORV_FormRListOper::codes()
{
    commitEdit();
    QStringList list;
    for (int row = 0; row < Rows; ++row)
        list << ui->treeWidget_List->topLevelItem(row)->text(CodeColumn);
    return list;
}

void ORV_FormRListOper::setCode(int position, const QString &code)
{
    if (position < 1 || position > Rows)
        return;
    commitEdit();
    ui->treeWidget_List->topLevelItem(position - 1)->setText(CodeColumn, code);
}

QString ORV_FormRListOper::code(int position)
{
    if (position < 1 || position > Rows)
        return {};
    commitEdit();
    return ui->treeWidget_List->topLevelItem(position - 1)->text(CodeColumn);
}

bool ORV_FormRListOper::checksCodes() const
{
    return ui->checkBox_CheckCodes->isChecked();
}

void ORV_FormRListOper::commitEdit()
{
    m_delegate->commit();
}

void ORV_FormRListOper::closeEvent(QCloseEvent *event)
{
    commitEdit();
    QDialog::closeEvent(event);
}

void ORV_FormRListOper::done(int result)
{
    commitEdit();
    QDialog::done(result);
}

void ORV_FormRListOper::slot_curItemChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous)
{
    Q_UNUSED(current);
    Q_UNUSED(previous);
    updateButtons();
}

void ORV_FormRListOper::slot_itemDoubleClicket_TreeWidgetList(QTreeWidgetItem *item, int column)
{
    Q_UNUSED(column);
    if (item)
        ui->treeWidget_List->editItem(item, CodeColumn);
}

void ORV_FormRListOper::slot_pressedBtnUp()
{
    move(-1);
}

void ORV_FormRListOper::slot_pressedBtnDown()
{
    move(+1);
}

void ORV_FormRListOper::move(int step)
{
    commitEdit();
    QTreeWidget *tree = ui->treeWidget_List;
    const int row = tree->indexOfTopLevelItem(tree->currentItem());
    const int target = row + step;
    if (row < 0 || target < 0 || target >= Rows)
        return;
    QTreeWidgetItem *from = tree->topLevelItem(row);
    QTreeWidgetItem *to = tree->topLevelItem(target);
    const QString code = from->text(CodeColumn);
    from->setText(CodeColumn, to->text(CodeColumn));
    to->setText(CodeColumn, code);
    // The code moved, and the selection with it.
    tree->setCurrentItem(to);
    updateButtons();
}

void ORV_FormRListOper::updateButtons()
{
    const QTreeWidget *tree = ui->treeWidget_List;
    const int row = tree->indexOfTopLevelItem(tree->currentItem());
    ui->pushButton_Up->setEnabled(row > 0);
    ui->pushButton_Down->setEnabled(row >= 0 && row < Rows - 1);
}
