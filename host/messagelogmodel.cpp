#include "host/messagelogmodel.h"

namespace {

QString directionShort(HostMessages::Direction direction)
{
    switch (direction) {
    case HostMessages::Direction::ToPlugin: return QStringLiteral("→ plug-in");
    case HostMessages::Direction::ToHost: return QStringLiteral("← plug-in");
    case HostMessages::Direction::Host: return QStringLiteral("host");
    }
    return {};
}

QString directionLong(HostMessages::Direction direction)
{
    switch (direction) {
    case HostMessages::Direction::ToPlugin: return QStringLiteral("Host to plug-in (ReceiveMessage)");
    case HostMessages::Direction::ToHost: return QStringLiteral("Plug-in to host (callback)");
    case HostMessages::Direction::Host: return QStringLiteral("The host itself (local monitoring server)");
    }
    return {};
}

} // namespace

MessageLogModel::MessageLogModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void MessageLogModel::setCapacity(int capacity)
{
    m_capacity = qMax(1, capacity);
    if (m_rows.size() > m_capacity) {
        const int drop = int(m_rows.size()) - m_capacity;
        beginRemoveRows(QModelIndex(), 0, drop - 1);
        m_rows.remove(0, drop);
        endRemoveRows();
    }
}

int MessageLogModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int MessageLogModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MessageLogModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Row &r = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case TimeColumn: return r.time.toString(QStringLiteral("hh:mm:ss.zzz"));
        case DirectionColumn: return directionShort(r.direction);
        case NumberColumn: return r.direction == HostMessages::Direction::Host ? QString() : QString::number(r.msgId);
        case NameColumn: return r.name;
        case ParametersColumn: return r.parameters;
        case NoteColumn: return r.note;
        }
        break;
    case Qt::ToolTipRole:
        switch (index.column()) {
        case TimeColumn: return r.time.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz"));
        case DirectionColumn: return directionLong(r.direction);
        case ParametersColumn: return r.parameters;
        case NoteColumn: return r.note;
        }
        break;
    case Qt::TextAlignmentRole:
        if (index.column() == NumberColumn)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case DirectionRole:
        return int(r.direction);
    case NumberRole:
        return qulonglong(r.msgId);
    }
    return {};
}

QVariant MessageLogModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case TimeColumn: return tr("Time");
    case DirectionColumn: return tr("Direction");
    case NumberColumn: return tr("Number");
    case NameColumn: return tr("Name");
    case ParametersColumn: return tr("Parameters");
    case NoteColumn: return tr("Note");
    }
    return {};
}

QString MessageLogModel::line(int row) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    const Row &r = m_rows.at(row);
    return QStringList{r.time.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")),
                       HostMessages::directionText(r.direction),
                       r.direction == HostMessages::Direction::Host ? QString() : QString::number(r.msgId), r.name,
                       r.parameters, r.note}
        .join(QLatin1Char('\t'));
}

QString MessageLogModel::text() const
{
    QString out;
    for (int i = 0; i < m_rows.size(); ++i) {
        out += line(i);
        out += QLatin1Char('\n');
    }
    return out;
}

void MessageLogModel::append(const MessageLogEntry &entry)
{
    trim();
    const int row = int(m_rows.size());
    beginInsertRows(QModelIndex(), row, row);
    m_rows.append(Row{entry.time, entry.direction(), entry.msgId(), entry.name, entry.parameters, entry.note});
    endInsertRows();
}

void MessageLogModel::trim()
{
    // Make room for one more row. Dropping a tenth at a time keeps a view
    // (and a filter proxy on top of it) from re-laying out on every message.
    if (m_rows.size() < m_capacity)
        return;
    const int drop = qMax(1, m_capacity / 10) + int(m_rows.size()) - m_capacity;
    const int n = qMin(drop, int(m_rows.size()));
    beginRemoveRows(QModelIndex(), 0, n - 1);
    m_rows.remove(0, n);
    endRemoveRows();
}

void MessageLogModel::clear()
{
    if (m_rows.isEmpty())
        return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
}
