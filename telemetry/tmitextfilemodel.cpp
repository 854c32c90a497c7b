#include "telemetry/tmitextfilemodel.h"

#include "telemetry/tmiformat.h"
#include "telemetry/tmipage_vela2.h"

TmiTextFileModel::TmiTextFileModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void TmiTextFileModel::setFile(std::shared_ptr<const TmiTextFile> file)
{
    beginResetModel();
    m_file = std::move(file);
    m_lastRow = -1;
    m_lastPage.reset();
    m_set = TmiTableColumns::F8;
    if (m_file) {
        for (int i = 0; i < m_file->pageCount(); ++i) {
            if (m_file->kind(i) == TmiFilePage::Vela2) {
                m_set = TmiTableColumns::Vela2;
                break;
            }
        }
    }
    endResetModel();
}

int TmiTextFileModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_file ? 0 : m_file->pageCount();
}

int TmiTextFileModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() || !m_file ? 0 : TmiTableColumns::count(m_set);
}

QString TmiTextFileModel::text(int row, int column) const
{
    if (!m_file || row < 0 || row >= m_file->pageCount() || column < 0 || column >= TmiTableColumns::count(m_set))
        return QString();
    if (row != m_lastRow || !m_lastPage) {
        m_lastPage = m_file->page(row);
        m_lastRow = row;
    }
    const TmiFilePage *page = m_lastPage.get();
    if (!page)
        return QString();
    const FieldRef &field = TmiTableColumns::field(m_set, column);
    if (page->kind == TmiFilePage::Vela2)
        return page->vela2 ? page->vela2->text(field) : TmiFormat::notAvailable();
    // An F8 page: the fields its lines gave.
    const quint8 *bytes = page->f8Rows.test(field.bit) ? page->f8.at(field) : nullptr;
    return TmiFormat::value(field, bytes);
}

QVariant TmiTextFileModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return QVariant();
    return text(index.row(), index.column());
}

QVariant TmiTextFileModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return section + 1;
    return TmiTableColumns::title(m_set, section);
}
