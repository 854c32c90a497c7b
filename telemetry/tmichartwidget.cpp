#include "telemetry/tmichartwidget.h"

#include "telemetry/tmiformat.h"

#include <QApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kLeft = 70;
constexpr int kRight = 14;
constexpr int kTop = 6;
constexpr int kBottom = 26;
constexpr int kLaneGap = 8;

const QColor kColors[] = {QColor(0x1f, 0x5f, 0xbf), QColor(0xc0, 0x50, 0x10), QColor(0x20, 0x90, 0x40),
                          QColor(0x90, 0x30, 0xa0), QColor(0xb0, 0x20, 0x30), QColor(0x10, 0x80, 0x90)};

int decimalsOf(TmiChannel::Id id, bool percent)
{
    switch (id) {
    case TmiChannel::Speed:
        return 1;
    case TmiChannel::Power:
    case TmiChannel::Reserve:
    case TmiChannel::Ain1:
        return 2;
    case TmiChannel::CanFuel:
        return percent ? 0 : 1;
    default:
        return 0;
    }
}

// A tidy step of a scale: 1, 2 or 5 times a power of ten, at least span / parts.
double niceStep(double span, int parts)
{
    const double raw = span / std::max(1, parts);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * power >= raw)
            return m * power;
    }
    return 10 * power;
}

} // namespace

TmiChartWidget::TmiChartWidget(QWidget *parent)
    : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
}

TmiChartWidget::~TmiChartWidget() = default;

QSize TmiChartWidget::sizeHint() const
{
    return QSize(900, 420);
}

QSize TmiChartWidget::minimumSizeHint() const
{
    return QSize(300, 160);
}

void TmiChartWidget::setSeries(std::shared_ptr<const TmiSeries> series, const TmiExport::Captions &captions)
{
    m_series = std::move(series);
    m_captions = captions;
    m_cursor = -1;
    m_from = fullFrom();
    m_to = fullTo();
    m_dirty = true;
    update();
    emit viewChanged(m_from, m_to);
}

void TmiChartWidget::setChannels(const QList<TmiChannel::Id> &channels)
{
    m_channels.clear();
    for (TmiChannel::Id id : channels) {
        if (m_series && m_series->has(id))
            m_channels.append(id);
    }
    m_dirty = true;
    update();
}

double TmiChartWidget::fullFrom() const
{
    if (!m_series || m_series->isEmpty())
        return 0;
    const double first = m_series->axis().front();
    const double last = m_series->axis().back();
    return last - first < MinSpanSeconds ? (first + last) / 2 - MinSpanSeconds / 2 : first;
}

double TmiChartWidget::fullTo() const
{
    if (!m_series || m_series->isEmpty())
        return MinSpanSeconds;
    const double first = m_series->axis().front();
    const double last = m_series->axis().back();
    return last - first < MinSpanSeconds ? (first + last) / 2 + MinSpanSeconds / 2 : last;
}

void TmiChartWidget::setView(double from, double to)
{
    const double lo = fullFrom(), hi = fullTo();
    double span = std::clamp(to - from, std::min(MinSpanSeconds, hi - lo), hi - lo);
    from = std::clamp(from, lo, hi - span);
    if (from == m_from && from + span == m_to)
        return;
    m_from = from;
    m_to = from + span;
    m_dirty = true;
    update();
    emit viewChanged(m_from, m_to);
}

void TmiChartWidget::zoom(double factor, double anchor)
{
    const double span = (m_to - m_from) * factor;
    const double share = m_to > m_from ? (anchor - m_from) / (m_to - m_from) : 0.5;
    setView(anchor - share * span, anchor - share * span + span);
}

void TmiChartWidget::zoomIn()
{
    zoom(ZoomStep, m_cursor >= 0 ? double(m_series->axis()[size_t(m_cursor)]) : (m_from + m_to) / 2);
}

void TmiChartWidget::zoomOut()
{
    zoom(1 / ZoomStep, (m_from + m_to) / 2);
}

void TmiChartWidget::showAll()
{
    setView(fullFrom(), fullTo());
}

void TmiChartWidget::pan(double fraction)
{
    const double shift = (m_to - m_from) * fraction;
    setView(m_from + shift, m_to + shift);
}

void TmiChartWidget::setCursorIndex(int index)
{
    if (!m_series || index >= m_series->count())
        index = -1;
    if (index == m_cursor)
        return;
    m_cursor = index;
    update();
    emit cursorChanged(index);
}

QRect TmiChartWidget::plotRect() const
{
    return QRect(kLeft, kTop, std::max(1, width() - kLeft - kRight), std::max(1, height() - kTop - kBottom));
}

double TmiChartWidget::timeAtX(double x) const
{
    const QRect plot = plotRect();
    return m_from + (x - plot.left()) / plot.width() * (m_to - m_from);
}

double TmiChartWidget::xAtTime(double time) const
{
    const QRect plot = plotRect();
    return plot.left() + (time - m_from) / (m_to - m_from) * plot.width();
}

QRect TmiChartWidget::laneRect(int lane) const
{
    const QRect plot = plotRect();
    const int count = std::max(1, int(m_lanes.size()));
    const int height = (plot.height() - kLaneGap * (count - 1)) / count;
    return QRect(plot.left(), plot.top() + lane * (height + kLaneGap), plot.width(), std::max(1, height));
}

void TmiChartWidget::rebuild()
{
    m_dirty = false;
    m_lanes.clear();
    if (!m_series)
        return;
    const int columns = plotRect().width();
    for (TmiChannel::Id id : m_channels) {
        Lane lane;
        lane.id = id;
        lane.title = TmiChannel::title(id, m_captions, m_series->unit(id));
        const std::vector<float> &values = m_series->values(id);
        lane.envelope = TmiEnvelope::compute(m_series->axis().data(), values.data(), m_series->count(), m_from, m_to,
                                             columns, MaxGapSeconds);
        double low = lane.envelope.hasValues ? lane.envelope.min : 0;
        double high = lane.envelope.hasValues ? lane.envelope.max : 1;
        if (high - low < 1e-9) {
            const double pad = std::max(1.0, std::fabs(high) * 0.05);
            low -= pad;
            high += pad;
        }
        const double pad = (high - low) * 0.06;
        lane.low = low - pad;
        lane.high = high + pad;
        m_lanes.push_back(std::move(lane));
    }
}

double TmiChartWidget::yOf(const Lane &lane, const QRect &rect, double value) const
{
    return rect.bottom() - (value - lane.low) / (lane.high - lane.low) * (rect.height() - 1);
}

void TmiChartWidget::paintEvent(QPaintEvent *)
{
    if (m_dirty)
        rebuild();
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    const QRect plot = plotRect();
    if (m_lanes.empty()) {
        p.setPen(palette().color(QPalette::Disabled, QPalette::Text));
        p.drawText(plot, Qt::AlignCenter, tr("K4810_2976"));
        return;
    }
    drawTimeAxis(p, plot);
    for (size_t i = 0; i < m_lanes.size(); ++i)
        drawLane(p, m_lanes[i], laneRect(int(i)), kColors[i % (sizeof kColors / sizeof kColors[0])]);
    drawCursor(p, plot);
}

void TmiChartWidget::drawTimeAxis(QPainter &p, const QRect &plot) const
{
    static const int steps[] = {1, 2, 5, 10, 15, 30, 60, 120, 300, 600, 900, 1800, 3600, 7200, 10800,
                                21600, 43200, 86400, 172800, 604800, 2592000};
    const double span = m_to - m_from;
    const QFontMetrics fm(font());
    const int labelWidth = fm.horizontalAdvance(QStringLiteral("00:00 00.00")) + 24;
    int step = steps[sizeof steps / sizeof steps[0] - 1];
    for (int s : steps) {
        if (double(s) / span * plot.width() >= labelWidth) {
            step = s;
            break;
        }
    }
    const QString format = step < 60 ? QStringLiteral("hh:mm:ss")
                           : step < 86400 ? QStringLiteral("hh:mm")
                                          : QStringLiteral("dd.MM.yyyy");
    QPen grid(palette().color(QPalette::Mid));
    grid.setStyle(Qt::DotLine);
    const QColor text = palette().color(QPalette::Text);
    qint64 t = qint64(std::ceil(m_from / step)) * step;
    QDate lastDate;
    for (; t <= m_to; t += step) {
        const double x = xAtTime(double(t));
        p.setPen(grid);
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        const QDateTime at = QDateTime::fromSecsSinceEpoch(t, Qt::UTC);
        QString label = at.toString(format);
        // The date where it changes, under the first label of the day.
        if (step < 86400 && at.date() != lastDate) {
            label += at.toString(QStringLiteral(" dd.MM"));
            lastDate = at.date();
        }
        p.setPen(text);
        const int w = fm.horizontalAdvance(label);
        const int left = std::clamp(int(x) - w / 2, 0, width() - w);
        p.drawText(left, plot.bottom() + 4 + fm.ascent(), label);
    }
}

void TmiChartWidget::drawLane(QPainter &p, const Lane &lane, const QRect &rect, const QColor &color) const
{
    const QColor text = palette().color(QPalette::Text);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect.adjusted(0, 0, -1, -1));
    // Scale: tidy values between low and high.
    const QFontMetrics fm(font());
    const int parts = std::max(1, rect.height() / (fm.height() * 2));
    const double step = niceStep(lane.high - lane.low, parts);
    const int decimals = std::max(0, -int(std::floor(std::log10(step))));
    QPen grid(palette().color(QPalette::Midlight));
    grid.setStyle(Qt::DotLine);
    for (double v = std::ceil(lane.low / step) * step; v <= lane.high; v += step) {
        const double y = yOf(lane, rect, v);
        p.setPen(grid);
        p.drawLine(QPointF(rect.left(), y), QPointF(rect.right(), y));
        p.setPen(text);
        const QString label = QString::number(std::fabs(v) < step / 2 ? 0.0 : v, 'f', decimals);
        p.drawText(QRect(0, int(y) - fm.height() / 2, kLeft - 6, fm.height()), Qt::AlignRight | Qt::AlignVCenter, label);
    }

    p.save();
    p.setClipRect(rect.adjusted(1, 1, -1, -1));
    QVector<QLineF> lines;
    const std::vector<TmiEnvelopeColumn> &columns = lane.envelope.columns;
    lines.reserve(int(columns.size()) * 2 + 2);
    const std::vector<float> &values = m_series->values(lane.id);
    const std::vector<quint32> &axis = m_series->axis();
    int previous = -1;
    for (int c = 0; c < int(columns.size()); ++c) {
        const TmiEnvelopeColumn &col = columns[size_t(c)];
        if (col.count == 0)
            continue;
        const double x = rect.left() + c + 0.5;
        if (col.joined) {
            if (previous >= 0) {
                lines.append(QLineF(rect.left() + previous + 0.5, yOf(lane, rect, columns[size_t(previous)].last), x,
                                    yOf(lane, rect, col.first)));
            } else if (lane.envelope.first > 0) {
                // From the point before the view.
                const int i = lane.envelope.first - 1;
                lines.append(QLineF(xAtTime(axis[size_t(i)]), yOf(lane, rect, values[size_t(i)]), x, yOf(lane, rect, col.first)));
            }
        }
        lines.append(QLineF(x, yOf(lane, rect, col.min), x, yOf(lane, rect, col.max) - (col.min == col.max ? 0.5 : 0)));
        previous = c;
    }
    // To the point after the view.
    const int next = lane.envelope.end;
    if (previous >= 0 && next < m_series->count() && !std::isnan(values[size_t(next)])
        && !std::isnan(values[size_t(next - 1)]) && double(axis[size_t(next)]) - axis[size_t(next - 1)] <= MaxGapSeconds) {
        lines.append(QLineF(rect.left() + previous + 0.5, yOf(lane, rect, columns[size_t(previous)].last),
                            xAtTime(axis[size_t(next)]), yOf(lane, rect, values[size_t(next)])));
    }
    QPen pen(color);
    pen.setWidthF(1.4);
    p.setPen(pen);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawLines(lines);
    p.restore();

    // Title in the lane's top left corner.
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    const QRect title(rect.left() + 6, rect.top() + 3, QFontMetrics(bold).horizontalAdvance(lane.title) + 8,
                      QFontMetrics(bold).height());
    p.fillRect(title, palette().base());
    p.setPen(color);
    p.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, lane.title);
    p.setFont(font());
}

void TmiChartWidget::drawCursor(QPainter &p, const QRect &plot) const
{
    if (m_cursor < 0 || !m_series)
        return;
    const double t = m_series->axis()[size_t(m_cursor)];
    if (t < m_from || t > m_to)
        return;
    const double x = xAtTime(t);
    p.setPen(QPen(palette().color(QPalette::Highlight), 1));
    p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    // A box beside the line: page, time and the value of each lane.
    QStringList lines;
    lines << tr("K4810_2977").arg(m_series->pageNumbers()[size_t(m_cursor)])
          << TmiFormat::dateTime(m_series->times()[size_t(m_cursor)]);
    for (size_t i = 0; i < m_lanes.size(); ++i) {
        const Lane &lane = m_lanes[i];
        const float v = m_series->values(lane.id)[size_t(m_cursor)];
        const QRect rect = laneRect(int(i));
        if (!std::isnan(v)) {
            const double y = yOf(lane, rect, v);
            p.setBrush(kColors[i % (sizeof kColors / sizeof kColors[0])]);
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(x, y), 3, 3);
            p.setBrush(Qt::NoBrush);
        }
        lines << lane.title + QStringLiteral(": ") + valueText(lane.id, m_cursor);
    }
    const QFontMetrics fm(font());
    int w = 0;
    for (const QString &line : lines)
        w = std::max(w, fm.horizontalAdvance(line));
    QRect box(0, plot.top() + 4, w + 12, int(lines.size()) * fm.height() + 8);
    box.moveLeft(x + 10 + box.width() < plot.right() ? int(x) + 10 : int(x) - 10 - box.width());
    QColor back = palette().color(QPalette::ToolTipBase);
    back.setAlpha(235);
    p.fillRect(box, back);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    p.setPen(palette().color(QPalette::ToolTipText));
    for (int i = 0; i < lines.size(); ++i)
        p.drawText(box.left() + 6, box.top() + 4 + i * fm.height() + fm.ascent(), lines[i]);
}

QString TmiChartWidget::valueText(TmiChannel::Id id, int index) const
{
    const float v = m_series->values(id)[size_t(index)];
    if (std::isnan(v))
        return TmiFormat::notAvailable();
    // The unit is in the title the value follows.
    return QString::number(v, 'f', decimalsOf(id, m_series->canFuelInPercent()));
}

QString TmiChartWidget::valuesText(int index) const
{
    if (!m_series || index < 0 || index >= m_series->count())
        return QString();
    QStringList parts;
    parts << tr("K4810_2977").arg(m_series->pageNumbers()[size_t(index)]) + QStringLiteral(", ")
            + TmiFormat::dateTime(m_series->times()[size_t(index)]);
    for (TmiChannel::Id id : m_channels)
        parts << TmiChannel::title(id, m_captions, m_series->unit(id)) + QStringLiteral(": ") + valueText(id, index);
    return parts.join(QStringLiteral("; "));
}

void TmiChartWidget::resizeEvent(QResizeEvent *event)
{
    m_dirty = true;
    QWidget::resizeEvent(event);
}

void TmiChartWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    m_dragging = false;
    m_pressPos = event->position().toPoint();
    m_pressFrom = m_from;
    m_pressTo = m_to;
}

void TmiChartWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_pressed) {
        if (!m_dragging && (pos - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
            m_dragging = true;
            setCursor(Qt::ClosedHandCursor);
        }
        if (m_dragging) {
            const double shift = double(m_pressPos.x() - pos.x()) / plotRect().width() * (m_pressTo - m_pressFrom);
            setView(m_pressFrom + shift, m_pressTo + shift);
        }
    }
    if (m_series && plotRect().contains(pos))
        setCursorIndex(m_series->indexAt(timeAtX(pos.x())));
}

void TmiChartWidget::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_pressed = false;
    if (m_dragging) {
        m_dragging = false;
        setCursor(Qt::CrossCursor);
        return;
    }
    const QPoint pos = event->position().toPoint();
    if (m_series && !m_series->isEmpty() && plotRect().contains(pos)) {
        const int index = m_series->indexAt(timeAtX(pos.x()));
        setCursorIndex(index);
        emit pageClicked(index);
    }
}

void TmiChartWidget::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0 || !m_series) {
        event->ignore();
        return;
    }
    const double factor = std::pow(ZoomStep, delta / 120.0 / 2);
    zoom(factor, timeAtX(event->position().x()));
    event->accept();
}

void TmiChartWidget::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoomIn();
        break;
    case Qt::Key_Minus:
        zoomOut();
        break;
    case Qt::Key_Left:
        pan(-0.1);
        break;
    case Qt::Key_Right:
        pan(0.1);
        break;
    case Qt::Key_Home:
        showAll();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}
