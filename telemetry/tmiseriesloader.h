#ifndef TMISERIESLOADER_H
#define TMISERIESLOADER_H

#include "telemetry/tmiseries.h"

#include <QObject>

#include <memory>

class TmiPageSource;

// Reads the series of a page source from the event loop, a slice of time
// per turn: the pages of a large text file are decoded one by one, and the
// window that waits for them stays responsive, shows the progress and can
// stop.
class TmiSeriesLoader : public QObject
{
    Q_OBJECT

public:
    static constexpr int SliceMs = 30;

    explicit TmiSeriesLoader(QObject *parent = nullptr);
    ~TmiSeriesLoader() override;

    // Starts reading: loaded() follows from the event loop. A load under way is dropped.
    void load(std::shared_ptr<const TmiPageSource> source);
    // Stops a load under way; cancelled() follows.
    void cancel();
    bool isLoading() const { return m_loading; }
    void setSliceMs(int milliseconds) { m_sliceMs = qMax(1, milliseconds); }

    const std::shared_ptr<const TmiPageSource> &source() const { return m_source; }
    // The series, once loaded() came; null before.
    const std::shared_ptr<const TmiSeries> &series() const { return m_loaded; }

    // The whole series of a source at once (tests, benchmarks).
    static TmiSeries read(const TmiPageSource &source);

signals:
    void progress(int pages, int count);
    void loaded();
    void cancelled();

private:
    void step(quint64 generation);

    std::shared_ptr<const TmiPageSource> m_source;
    std::shared_ptr<TmiSeries> m_series; // being read
    std::shared_ptr<const TmiSeries> m_loaded;
    int m_next = 0;
    bool m_loading = false;
    int m_sliceMs = SliceMs;
    quint64 m_generation = 0;
};

#endif // TMISERIESLOADER_H
