#ifndef TMITEXTFILEMODEL_H
#define TMITEXTFILEMODEL_H

#include "telemetry/tmitablecolumns.h"
#include "telemetry/tmitextfile.h"

#include <QAbstractTableModel>

#include <memory>

// The pages of a telemetry text file as a table: one row per page, the
// columns of TmiTableColumns (the F8 set, or the Vela2 set as soon as the
// file holds a second-generation page). A cell is made when a view asks
// for it, from the page decoded on demand: a view over a hundred thousand
// pages costs what its visible rows cost.
class TmiTextFileModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit TmiTextFileModel(QObject *parent = nullptr);

    // The file shown (indexed); null shows nothing.
    void setFile(std::shared_ptr<const TmiTextFile> file);
    const std::shared_ptr<const TmiTextFile> &file() const { return m_file; }
    TmiTableColumns::Set columnSet() const { return m_set; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The text of a cell, as the table file writes it.
    QString text(int row, int column) const;

private:
    std::shared_ptr<const TmiTextFile> m_file;
    TmiTableColumns::Set m_set = TmiTableColumns::F8;
    // The page of the row asked for last: a row's cells come one after another.
    mutable int m_lastRow = -1;
    mutable std::shared_ptr<const TmiFilePage> m_lastPage;
};

#endif // TMITEXTFILEMODEL_H
