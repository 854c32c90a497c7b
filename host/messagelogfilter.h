#ifndef MESSAGELOGFILTER_H
#define MESSAGELOGFILTER_H

#include <QSortFilterProxyModel>

#include <optional>

// Narrows a MessageLogModel to one direction and/or the rows whose number,
// name, parameters or note contain a text (case-insensitive). A filter that
// is all digits matches the message number exactly.
class MessageLogFilter : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    enum class Directions { Both, ToPlugin, ToHost };

    explicit MessageLogFilter(QObject *parent = nullptr);

    void setText(const QString &text);
    QString text() const { return m_text; }
    void setDirections(Directions directions);
    Directions directions() const { return m_directions; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    QString m_text;
    std::optional<qulonglong> m_number;
    Directions m_directions = Directions::Both;
};

#endif // MESSAGELOGFILTER_H
