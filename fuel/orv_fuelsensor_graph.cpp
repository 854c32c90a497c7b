#include "fuel/orv_fuelsensor_graph.h"

#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>

ORV_FuelSensor_Graph::ORV_FuelSensor_Graph(const QString &axisTitle, int marginLeft, int decimals, QWidget *parent)
    : QWidget(parent)
    , m_decimals(decimals)
    , m_axisTitle(axisTitle)
    , m_marginLeft(marginLeft)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(minimumSizeHint());
}

void ORV_FuelSensor_Graph::configure(const QString &axisTitle, int marginLeft, int decimals)
{
    m_axisTitle = axisTitle;
    m_marginLeft = marginLeft;
    m_decimals = decimals;
    update();
}

void ORV_FuelSensor_Graph::setPoints(const FuelPoints &points)
{
    m_points = points;
    m_broken = FuelCalibration::nonMonotonic(points);
    update();
}

float ORV_FuelSensor_Graph::maxVolume() const
{
    float m = 0;
    for (const FuelPoint &p : m_points)
        m = std::max(m, p.volume);
    return m;
}

float ORV_FuelSensor_Graph::maxReading() const
{
    float m = 0;
    for (const FuelPoint &p : m_points)
        m = std::max(m, p.reading);
    return m;
}

ORV_FuelSensor_Graph::Scale ORV_FuelSensor_Graph::scale(const QSize &size) const
{
    const int w = size.width();
    const int h = size.height();
    const float vmax = maxVolume();
    const float rmax = maxReading();
    const double sx = vmax != 0 ? double(w - m_marginLeft - kMarginRight - 20) / double(vmax) : 0.0;
    const double sy = rmax != 0 ? double(h - kMarginBottom - kMarginTop - 20) / double(rmax) : 0.0;
    return {double(m_marginLeft), double(h - kMarginBottom), sx, sy};
}

QPointF ORV_FuelSensor_Graph::position(const FuelPoint &point, const QSize &size) const
{
    return scale(size).at(point);
}

void ORV_FuelSensor_Graph::draw(QPainter &p, const QSize &size) const
{
    const int w = size.width();
    const int h = size.height();
    const int L = m_marginLeft;
    const int B = kMarginBottom;
    p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::black));
    p.setBrush(Qt::NoBrush);
    const QFontMetrics fm = p.fontMetrics();

    // Axes with their arrows.
    p.drawLine(L, 20, L, h - B);
    p.drawLine(L - 5, 30, L, 20);
    p.drawLine(L + 5, 30, L, 20);
    p.drawLine(L, h - B, w - 20, h - B);
    p.drawLine(w - 30, h - B - 5, w - 20, h - B);
    p.drawLine(w - 30, h - B + 5, w - 20, h - B);

    // Titles: volume centred under the graph, the reading written upward.
    const QString across = tr("K4810_541");
    p.drawText((w - fm.horizontalAdvance(across)) / 2, h - 10, across);
    p.save();
    p.translate(15, h / 2.0);
    p.rotate(-90);
    p.drawText(-fm.horizontalAdvance(m_axisTitle) / 2, 0, m_axisTitle);
    p.restore();

    // Ticks.
    const float vmax = maxVolume();
    if (vmax != 0) {
        const int step = (w - L - kMarginRight - 20) / 10;
        for (int i = 1; i <= 10; ++i) {
            const int x = L + i * step;
            p.drawLine(x, h - B - 5, x, h - B + 5);
            const QString label = QString::asprintf("%.1f", double(vmax) / 10.0 * i);
            p.drawText(x - fm.horizontalAdvance(label) / 2, h - B + 7 + fm.ascent(), label);
        }
    }
    const float rmax = maxReading();
    if (rmax != 0) {
        const int step = (h - B - kMarginTop - 20) / 10;
        const QByteArray format = m_decimals == 0 ? QByteArray("%.1f") : "%." + QByteArray::number(m_decimals) + "f";
        for (int i = 1; i <= 10; ++i) {
            const int y = (h - B) - i * step;
            p.drawLine(L - 5, y, L + 5, y);
            const QString label = QString::asprintf(format.constData(), double(rmax) / 10.0 * i);
            p.drawText(L - 7 - fm.horizontalAdvance(label), y + (fm.ascent() - fm.descent()) / 2, label);
        }
    }

    // The points, joined in table order.
    const Scale s = scale(size);
    QPolygonF line;
    line.reserve(m_points.size());
    for (const FuelPoint &pt : m_points)
        line << s.at(pt);
    p.drawPolyline(line);
    // A red dot of radius 1 at each point (its outline included), drawn as
    // round points in one call: a table of thousands of rows stays quick.
    p.setPen(QPen(Qt::red, 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPoints(line);

    // Where the table goes against itself.
    if (!m_broken.isEmpty()) {
        const QColor warning(192, 0, 0);
        // One ring drawn once and stamped at each such point: a noisy table
        // of thousands of points repaints as quickly as a clean one.
        constexpr int kRing = 14;
        QImage ring(kRing, kRing, QImage::Format_ARGB32_Premultiplied);
        ring.fill(Qt::transparent);
        {
            QPainter r(&ring);
            r.setRenderHint(QPainter::Antialiasing, true);
            r.setPen(QPen(warning, 2));
            r.drawEllipse(QPointF(kRing / 2.0, kRing / 2.0), 5.0, 5.0);
        }
        for (int i : m_broken)
            p.drawImage(line[i] - QPointF(kRing / 2.0, kRing / 2.0), ring);
        p.setPen(warning);
        const QRect band(L + 10, 0, std::max(0, w - L - 40), kMarginTop + fm.height());
        p.drawText(band, Qt::AlignRight | Qt::AlignTop | Qt::TextWordWrap, tr("K4810_523"));
    }
}

void ORV_FuelSensor_Graph::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event);
    QPainter p(this);
    draw(p, size());
}
