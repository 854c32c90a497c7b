#include "host/messagelogfilter.h"

#include "host/hostmessages.h"
#include "host/messagelogmodel.h"

MessageLogFilter::MessageLogFilter(QObject *parent)
    : QSortFilterProxyModel(parent)
{
}

void MessageLogFilter::setText(const QString &text)
{
    const QString t = text.trimmed();
    if (t == m_text)
        return;
    m_text = t;
    bool ok = false;
    const qulonglong n = t.toULongLong(&ok);
    m_number = ok ? std::optional<qulonglong>(n) : std::nullopt;
    invalidateFilter();
}

void MessageLogFilter::setDirections(Directions directions)
{
    if (directions == m_directions)
        return;
    m_directions = directions;
    invalidateFilter();
}

bool MessageLogFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const QAbstractItemModel *model = sourceModel();
    if (!model)
        return false;
    const QModelIndex first = model->index(sourceRow, 0, sourceParent);
    if (m_directions != Directions::Both) {
        const auto direction = HostMessages::Direction(model->data(first, MessageLogModel::DirectionRole).toInt());
        const auto wanted = m_directions == Directions::ToPlugin ? HostMessages::Direction::ToPlugin
                                                                 : HostMessages::Direction::ToHost;
        if (direction != wanted)
            return false;
    }
    if (m_text.isEmpty())
        return true;
    if (m_number)
        return model->data(first, MessageLogModel::NumberRole).toULongLong() == *m_number;
    for (int column : {MessageLogModel::NameColumn, MessageLogModel::ParametersColumn, MessageLogModel::NoteColumn}) {
        const QString cell = model->data(model->index(sourceRow, column, sourceParent)).toString();
        if (cell.contains(m_text, Qt::CaseInsensitive))
            return true;
    }
    return false;
}
