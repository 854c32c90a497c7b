#ifndef TMICHARTWIDGET_H
#define TMICHARTWIDGET_H

#include "telemetry/tmienvelope.h"
#include "telemetry/tmiexport.h"
#include "telemetry/tmiseries.h"

#include <QList>
#include <QPoint>
#include <QWidget>

#include <memory>
#include <vector>

// Values of a series against time, one lane per value with a scale of its
// own, drawn with QPainter from a min/max envelope per pixel column: a
// million pages cost what the columns cost. The wheel zooms around the
// mouse, dragging pans, a click chooses the page under the mouse; a cursor
// follows the mouse and shows the page number, time and values there.
// Keys: + and - zoom, Left and Right pan, Home shows everything.
class TmiChartWidget : public QWidget
{
    Q_OBJECT

public:
    // A longer pause in the pages breaks the line.
    static constexpr double MaxGapSeconds = 600;
    // The narrowest view.
    static constexpr double MinSpanSeconds = 60;
    static constexpr double ZoomStep = 0.5;

    explicit TmiChartWidget(QWidget *parent = nullptr);
    ~TmiChartWidget() override;

    void setSeries(std::shared_ptr<const TmiSeries> series, const TmiExport::Captions &captions);
    const std::shared_ptr<const TmiSeries> &series() const { return m_series; }
    // The values drawn, in lanes from the top.
    void setChannels(const QList<TmiChannel::Id> &channels);
    QList<TmiChannel::Id> channels() const { return m_channels; }

    // The time span shown (axis seconds) and the whole span of the series.
    double viewFrom() const { return m_from; }
    double viewTo() const { return m_to; }
    double fullFrom() const;
    double fullTo() const;
    // Shows [from, to], kept inside the series and no narrower than MinSpanSeconds.
    void setView(double from, double to);
    // Multiplies the span by factor (below 1 zooms in), the time at anchor staying in place.
    void zoom(double factor, double anchor);
    void zoomIn();
    void zoomOut();
    void showAll();
    // Moves the view by a fraction of its span.
    void pan(double fraction);

    // The page under the cursor; -1 when none.
    int cursorIndex() const { return m_cursor; }
    void setCursorIndex(int index);
    // "Page 123, 10:00:30 01.06.2024; Speed 45.00 km/h; ..." of a page.
    QString valuesText(int index) const;

    // Where the values are drawn, and time <-> x there.
    QRect plotRect() const;
    double timeAtX(double x) const;
    double xAtTime(double time) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void viewChanged(double from, double to);
    void cursorChanged(int index);
    // A click (no drag) on the page at index.
    void pageClicked(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    struct Lane
    {
        TmiChannel::Id id;
        QString title;
        TmiEnvelope::Result envelope;
        double low = 0;
        double high = 1;
    };
    void rebuild();
    QRect laneRect(int lane) const;
    double yOf(const Lane &lane, const QRect &rect, double value) const;
    void drawTimeAxis(QPainter &p, const QRect &plot) const;
    void drawLane(QPainter &p, const Lane &lane, const QRect &rect, const QColor &color) const;
    void drawCursor(QPainter &p, const QRect &plot) const;
    QString valueText(TmiChannel::Id id, int index) const;

    std::shared_ptr<const TmiSeries> m_series;
    TmiExport::Captions m_captions;
    QList<TmiChannel::Id> m_channels;
    std::vector<Lane> m_lanes;
    bool m_dirty = true;
    double m_from = 0;
    double m_to = 1;
    int m_cursor = -1;
    // Dragging.
    bool m_pressed = false;
    bool m_dragging = false;
    QPoint m_pressPos;
    double m_pressFrom = 0;
    double m_pressTo = 0;
};

#endif // TMICHARTWIDGET_H
