#include "telemetry/tmiseriesloader.h"

#include "telemetry/tmipagesource.h"

#include <QElapsedTimer>
#include <QTimer>

TmiSeriesLoader::TmiSeriesLoader(QObject *parent)
    : QObject(parent)
{
}

TmiSeriesLoader::~TmiSeriesLoader() = default;

TmiSeries TmiSeriesLoader::read(const TmiPageSource &source)
{
    TmiSeries series;
    const int count = source.pageCount();
    for (int i = 0; i < count; ++i) {
        const auto page = source.page(i);
        series.append(page ? *page : TmiFilePage());
    }
    series.finish();
    return series;
}

void TmiSeriesLoader::load(std::shared_ptr<const TmiPageSource> source)
{
    ++m_generation;
    m_source = std::move(source);
    m_series = std::make_shared<TmiSeries>();
    m_loaded.reset();
    m_next = 0;
    m_loading = true;
    const quint64 generation = m_generation;
    QTimer::singleShot(0, this, [this, generation] { step(generation); });
}

void TmiSeriesLoader::cancel()
{
    if (!m_loading)
        return;
    ++m_generation;
    m_loading = false;
    m_series.reset();
    emit cancelled();
}

void TmiSeriesLoader::step(quint64 generation)
{
    if (generation != m_generation || !m_loading)
        return;
    const int count = m_source ? m_source->pageCount() : 0;
    QElapsedTimer clock;
    clock.start();
    // Pages in small batches between looks at the clock.
    while (m_next < count && clock.elapsed() < m_sliceMs) {
        const int end = qMin(count, m_next + 256);
        for (; m_next < end; ++m_next) {
            // A page that cannot be read keeps its place, without values.
            const auto page = m_source->page(m_next);
            m_series->append(page ? *page : TmiFilePage());
        }
    }
    if (m_next < count) {
        emit progress(m_next, count);
        QTimer::singleShot(0, this, [this, generation] { step(generation); });
        return;
    }
    m_series->finish();
    m_loaded = std::move(m_series);
    m_loading = false;
    emit progress(count, count);
    emit loaded();
}
