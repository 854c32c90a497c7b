#include "fuel/fuelcalibrationmodel.h"

#include <algorithm>

FuelCalibrationModel::FuelCalibrationModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

int FuelCalibrationModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int FuelCalibrationModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FuelCalibrationModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row &r = m_rows.at(index.row());
    switch (index.column()) {
    case ColumnVolume:
    case ColumnReading:
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return index.column() == ColumnVolume ? r.volume : r.reading;
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        break;
    case ColumnMark:
        if (role == Qt::CheckStateRole)
            return r.marked ? Qt::Checked : Qt::Unchecked;
        break;
    default:
        break;
    }
    return {};
}

bool FuelCalibrationModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return false;
    Row &r = m_rows[index.row()];
    if (index.column() == ColumnMark) {
        if (role != Qt::CheckStateRole)
            return false;
        const bool marked = value.toInt() == Qt::Checked;
        if (marked == r.marked)
            return true;
        r.marked = marked;
    } else {
        if (role != Qt::EditRole)
            return false;
        QString &cell = index.column() == ColumnVolume ? r.volume : r.reading;
        const QString text = value.toString();
        if (text == cell)
            return true;
        cell = text;
    }
    emit dataChanged(index, index, {role});
    return true;
}

Qt::ItemFlags FuelCalibrationModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == ColumnMark)
        return Qt::ItemIsEnabled | Qt::ItemIsUserCheckable;
    return Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

QVariant FuelCalibrationModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    switch (section) {
    case ColumnVolume:
        return m_volumeHeader;
    case ColumnReading:
        return m_readingHeader;
    default:
        return QString();
    }
}

void FuelCalibrationModel::setHeaderTexts(const QString &volume, const QString &reading)
{
    m_volumeHeader = volume;
    m_readingHeader = reading;
    emit headerDataChanged(Qt::Horizontal, ColumnVolume, ColumnReading);
}

void FuelCalibrationModel::sort(int column, Qt::SortOrder order)
{
    if (column != ColumnVolume)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    // Where each row was, to move the persistent indexes (an open editor).
    QList<int> origin(m_rows.size());
    for (int i = 0; i < origin.size(); ++i)
        origin[i] = i;
    // Each volume read once.
    QList<FuelCalibration::VolumeKey> keys(m_rows.size());
    for (int i = 0; i < keys.size(); ++i)
        keys[i] = FuelCalibration::volumeKey(m_rows[i].volume);
    auto less = [&keys, order](int a, int b) {
        return order == Qt::AscendingOrder ? FuelCalibration::volumeLess(keys[a], keys[b])
                                           : FuelCalibration::volumeLess(keys[b], keys[a]);
    };
    std::stable_sort(origin.begin(), origin.end(), less);
    QList<Row> sorted;
    sorted.reserve(m_rows.size());
    QList<int> newPlace(m_rows.size());
    for (int i = 0; i < origin.size(); ++i) {
        sorted << m_rows[origin[i]];
        newPlace[origin[i]] = i;
    }
    m_rows = sorted;
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &i : before)
        after << index(newPlace[i.row()], i.column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int FuelCalibrationModel::appendRow(const QString &volume, const QString &reading)
{
    const int at = int(m_rows.size());
    beginInsertRows({}, at, at);
    m_rows.append(Row{volume, reading, false});
    endInsertRows();
    return at;
}

void FuelCalibrationModel::appendRows(const QList<QPair<QString, QString>> &rows)
{
    if (rows.isEmpty())
        return;
    const int at = int(m_rows.size());
    beginInsertRows({}, at, at + int(rows.size()) - 1);
    m_rows.reserve(m_rows.size() + rows.size());
    for (const auto &r : rows)
        m_rows.append(Row{r.first, r.second, false});
    endInsertRows();
}

void FuelCalibrationModel::setMarked(int row, bool marked)
{
    setData(index(row, ColumnMark), marked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
}

bool FuelCalibrationModel::hasMarked() const
{
    return std::any_of(m_rows.cbegin(), m_rows.cend(), [](const Row &r) { return r.marked; });
}

int FuelCalibrationModel::removeMarked()
{
    int removed = 0;
    int i = 0;
    while (i < m_rows.size()) {
        if (!m_rows[i].marked) {
            ++i;
            continue;
        }
        // One run of marked rows at a time.
        int end = i;
        while (end < m_rows.size() && m_rows[end].marked)
            ++end;
        beginRemoveRows({}, i, end - 1);
        m_rows.erase(m_rows.begin() + i, m_rows.begin() + end);
        endRemoveRows();
        removed += end - i;
    }
    return removed;
}

void FuelCalibrationModel::clear()
{
    if (m_rows.isEmpty())
        return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

FuelPoints FuelCalibrationModel::points() const
{
    FuelPoints out;
    out.reserve(m_rows.size());
    for (const Row &r : m_rows) {
        if (r.volume.isEmpty() || r.reading.isEmpty())
            continue;
        out << FuelPoint{FuelCalibration::number(r.volume), FuelCalibration::number(r.reading)};
    }
    return out;
}
