#ifndef FUELCALIBRATIONMODEL_H
#define FUELCALIBRATIONMODEL_H

#include "fuel/fuelcalibration.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>

// The rows of one calibration table: volume and reading as texts (kept as
// typed or as read from a file, never reformatted) and the deletion mark.
//
//   column 0  volume            text, centred
//   column 1  reading           text, centred (volts or sensor code)
//   column 2  deletion mark     check box, no text
//
// The model takes every text it is given; the editors and entry row of the
// window decide what may be typed. Cell changes are reported by dataChanged,
// rows by the usual insert/remove signals, a sort by layoutChanged.
class FuelCalibrationModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { ColumnVolume = 0, ColumnReading = 1, ColumnMark = 2, ColumnCount = 3 };

    struct Row
    {
        QString volume;
        QString reading;
        bool marked = false;
        bool operator==(const Row &o) const
        {
            return volume == o.volume && reading == o.reading && marked == o.marked;
        }
    };

    explicit FuelCalibrationModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Sorts on the volume column only (ascending or descending); rows of
    // equal volume keep their order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    void setHeaderTexts(const QString &volume, const QString &reading);

    const QList<Row> &rows() const { return m_rows; }
    const Row &row(int i) const { return m_rows.at(i); }
    bool isEmpty() const { return m_rows.isEmpty(); }

    // Appends an unmarked row; returns its index.
    int appendRow(const QString &volume, const QString &reading);
    // Appends unmarked rows (volume, reading) in one insertion.
    void appendRows(const QList<QPair<QString, QString>> &rows);
    void sortByVolume() { sort(ColumnVolume, Qt::AscendingOrder); }
    void setMarked(int row, bool marked);
    bool hasMarked() const;
    // Removes every marked row; returns how many went.
    int removeMarked();
    void clear();

    // The graph's points: every row, in table order, except rows whose
    // volume or reading is empty.
    FuelPoints points() const;

private:
    QList<Row> m_rows;
    QString m_volumeHeader;
    QString m_readingHeader;
};

#endif // FUELCALIBRATIONMODEL_H
