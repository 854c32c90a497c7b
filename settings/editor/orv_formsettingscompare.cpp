#include "settings/editor/orv_formsettingscompare.h"

#include "settings/model/settingschanges.h"
#include "settings/model/settingskey.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

ORV_FormSettingsCompare::ORV_FormSettingsCompare(QWidget *parent)
    : QMessageBox(parent)
    , m_table(new QTableWidget(this))
{
    setObjectName(QStringLiteral("ORV_FormSettingsCompare"));
    setIcon(QMessageBox::Question);
    m_table->setObjectName(QStringLiteral("tableWidget_Differences"));
    m_table->setColumnCount(4);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setMinimumSize(760, 300);
    m_table->setMaximumHeight(480);

    // The table goes between the text and the buttons.
    if (auto *grid = qobject_cast<QGridLayout *>(layout())) {
        QDialogButtonBox *buttons = findChild<QDialogButtonBox *>();
        if (buttons) {
            int index = grid->indexOf(buttons);
            int row, column, rowSpan, columnSpan;
            grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
            grid->removeWidget(buttons);
            grid->addWidget(m_table, row, 0, 1, grid->columnCount());
            grid->addWidget(buttons, row + 1, column, rowSpan, columnSpan);
        } else {
            grid->addWidget(m_table, grid->rowCount(), 0, 1, grid->columnCount());
        }
    }
    setQuestion(true);
}

void ORV_FormSettingsCompare::setQuestion(bool question)
{
    for (QAbstractButton *b : buttons())
        removeButton(b);
    if (question) {
        m_accept = addButton(tr("K4810_3030"), QMessageBox::AcceptRole);
        m_accept->setObjectName(QStringLiteral("pushButton_Write"));
        m_reject = addButton(tr("K4810_3031"), QMessageBox::RejectRole);
        m_reject->setObjectName(QStringLiteral("pushButton_Cancel"));
        setDefaultButton(m_reject);
        setEscapeButton(m_reject);
        setIcon(QMessageBox::Question);
    } else {
        m_accept = nullptr;
        m_reject = addButton(tr("K4810_3018"), QMessageBox::RejectRole);
        m_reject->setObjectName(QStringLiteral("pushButton_Close"));
        setEscapeButton(m_reject);
        setIcon(QMessageBox::Information);
    }
}

QString ORV_FormSettingsCompare::shown(const SettingsDifference &d, bool left)
{
    const QString &text = left ? d.left : d.right;
    if (text.isNull())
        return tr("K4810_3045");
    if (d.key)
        return SettingsChanges::shownText(*d.key, text, d.context);
    return text;
}

void ORV_FormSettingsCompare::setDifferences(const QList<SettingsDifference> &differences, const QString &leftTitle,
                                             const QString &rightTitle, const Naming &naming)
{
    m_table->clearContents();
    m_table->setHorizontalHeaderLabels({tr("K4810_3026"), tr("K4810_3027"), leftTitle, rightTitle});
    m_table->setRowCount(int(differences.size()));
    int row = 0;
    for (const SettingsDifference &d : differences) {
        const QString where = naming ? naming(d, true) : d.section;
        const QString label = naming ? naming(d, false) : d.path;
        auto *section = new QTableWidgetItem(where);
        auto *setting = new QTableWidgetItem(label);
        setting->setToolTip(d.section.isEmpty() ? d.path : d.section + QLatin1Char('/') + d.path);
        auto *left = new QTableWidgetItem(shown(d, true));
        auto *right = new QTableWidgetItem(shown(d, false));
        left->setToolTip(d.left);
        right->setToolTip(d.right);
        if (!d.inLeft())
            left->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
        if (!d.inRight())
            right->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
        m_table->setItem(row, 0, section);
        m_table->setItem(row, 1, setting);
        m_table->setItem(row, 2, left);
        m_table->setItem(row, 3, right);
        ++row;
    }
    m_table->resizeColumnsToContents();
    for (int c = 0; c < 3; ++c)
        m_table->setColumnWidth(c, qMin(m_table->columnWidth(c), 260));
    m_table->setVisible(!differences.isEmpty());
}
