#ifndef MESSAGELOGMODEL_H
#define MESSAGELOGMODEL_H

#include "host/messagelogentry.h"

#include <QAbstractTableModel>
#include <QList>

// The last messages in both directions, oldest first, for a table view.
// When it grows past its capacity the oldest rows are dropped in one go.
class MessageLogModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { TimeColumn, DirectionColumn, NumberColumn, NameColumn, ParametersColumn, NoteColumn, ColumnCount };
    enum Role {
        DirectionRole = Qt::UserRole + 1, // int(HostMessages::Direction)
        NumberRole                        // the message number as an integer
    };

    static constexpr int kDefaultCapacity = 10000;

    explicit MessageLogModel(QObject *parent = nullptr);

    int capacity() const { return m_capacity; }
    void setCapacity(int capacity);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // One row as a tab-separated line: time, direction, number, name, parameters, note.
    QString line(int row) const;
    // Every row, one line each.
    QString text() const;

public slots:
    void append(const MessageLogEntry &entry);
    void clear();

private:
    struct Row
    {
        QDateTime time;
        HostMessages::Direction direction;
        uint32_t msgId;
        QString name;
        QString parameters;
        QString note;
    };

    void trim();

    QList<Row> m_rows;
    int m_capacity = kDefaultCapacity;
};

#endif // MESSAGELOGMODEL_H
