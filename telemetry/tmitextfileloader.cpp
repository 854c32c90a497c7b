#include "telemetry/tmitextfileloader.h"

#include <QElapsedTimer>

TmiTextFileLoader::TmiTextFileLoader(QObject *parent)
    : QObject(parent)
{
}

TmiTextFileLoader::~TmiTextFileLoader() = default;

void TmiTextFileLoader::load(const QString &fileName)
{
    const quint64 generation = ++m_generation;
    m_loaded.reset();
    m_file = std::make_shared<TmiTextFile>();
    m_loading = true;
    if (!m_file->open(fileName)) {
        const TmiTextFile::Error error = m_file->error();
        m_file.reset();
        QMetaObject::invokeMethod(
            this,
            [this, generation, error] {
                if (generation != m_generation)
                    return;
                m_loading = false;
                emit failed(error);
            },
            Qt::QueuedConnection);
        return;
    }
    QMetaObject::invokeMethod(this, [this, generation] { step(generation); }, Qt::QueuedConnection);
}

void TmiTextFileLoader::cancel()
{
    if (!m_loading)
        return;
    ++m_generation;
    m_loading = false;
    m_file.reset();
    emit cancelled();
}

void TmiTextFileLoader::step(quint64 generation)
{
    if (generation != m_generation || !m_file)
        return;
    QElapsedTimer slice;
    slice.start();
    bool more = true;
    while (more && slice.elapsed() < m_sliceMs)
        more = m_file->indexStep(256 << 10);
    emit progress(m_file->indexedBytes(), m_file->size());
    if (generation != m_generation)
        return; // cancelled from the progress handler
    if (more) {
        QMetaObject::invokeMethod(this, [this, generation] { step(generation); }, Qt::QueuedConnection);
        return;
    }
    m_loading = false;
    if (!m_file->isIndexed()) {
        const TmiTextFile::Error error = m_file->error();
        m_file.reset();
        emit failed(error);
        return;
    }
    m_loaded = std::move(m_file);
    emit loaded();
}
