#ifndef ORV_FUELSENSOR_GRAPH_H
#define ORV_FUELSENSOR_GRAPH_H

#include "fuel/fuelcalibration.h"

#include <QWidget>

class QPainter;

// The graph of a calibration table: volume across, reading up, the points
// joined in table order and each marked with a red dot. Both axes end in an
// arrow and carry ten ticks up to the largest value; an axis whose largest
// value is 0 (no points, or none above 0) has no ticks and its points lie on
// the other axis. Points that break the table's direction are ringed and a
// warning stands at the top.
class ORV_FuelSensor_Graph : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kMarginRight = 20;
    static constexpr int kMarginTop = 20;
    static constexpr int kMarginBottom = 50;

    ORV_FuelSensor_Graph(const QString &axisTitle, int marginLeft, int decimals, QWidget *parent = nullptr);

    void configure(const QString &axisTitle, int marginLeft, int decimals);
    void setPoints(const FuelPoints &points);

    const FuelPoints &points() const { return m_points; }
    QString axisTitle() const { return m_axisTitle; }
    int marginLeft() const { return m_marginLeft; }
    int decimals() const { return m_decimals; }
    // Indexes of the points that go against the table's direction.
    const QList<int> &brokenPoints() const { return m_broken; }

    // Where a point lands in a graph of that size (for the dots and tests).
    QPointF position(const FuelPoint &point, const QSize &size) const;
    // Draws the graph into any paint device of that size.
    void draw(QPainter &painter, const QSize &size) const;

    QSize sizeHint() const override { return {480, 360}; }
    QSize minimumSizeHint() const override { return {320, 240}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    float maxVolume() const;
    float maxReading() const;
    // Origin and pixels per unit of each axis in a graph of that size.
    struct Scale
    {
        double x0, y0, sx, sy;
        QPointF at(const FuelPoint &p) const { return {x0 + double(p.volume) * sx, y0 - double(p.reading) * sy}; }
    };
    Scale scale(const QSize &size) const;

    int m_decimals;
    QString m_axisTitle;
    int m_marginLeft;
    FuelPoints m_points;
    QList<int> m_broken;
};

#endif // ORV_FUELSENSOR_GRAPH_H
