#ifndef TMITEXTFILELOADER_H
#define TMITEXTFILELOADER_H

#include "telemetry/tmitextfile.h"

#include <QObject>

#include <memory>

// Indexes a telemetry text file from the event loop, a slice of time per
// turn, so that the window that shows it stays responsive and can show the
// progress and stop: the file views' loading, as the download is the
// telemetry window's.
class TmiTextFileLoader : public QObject
{
    Q_OBJECT

public:
    static constexpr int SliceMs = 30;

    explicit TmiTextFileLoader(QObject *parent = nullptr);
    ~TmiTextFileLoader() override;

    // Opens the file and starts indexing it: loaded() or failed() follows
    // from the event loop. A load under way is dropped.
    void load(const QString &fileName);
    // Stops a load under way; the file is dropped, cancelled() follows.
    void cancel();
    bool isLoading() const { return m_loading; }
    // Milliseconds of indexing per turn of the event loop.
    void setSliceMs(int milliseconds) { m_sliceMs = qMax(1, milliseconds); }
    // The file, indexed once loaded() came; null before.
    std::shared_ptr<const TmiTextFile> file() const { return m_loaded; }

signals:
    void progress(qint64 indexedBytes, qint64 size);
    void loaded();
    void failed(TmiTextFile::Error error);
    void cancelled();

private:
    void step(quint64 generation);

    std::shared_ptr<TmiTextFile> m_file;   // being indexed
    std::shared_ptr<const TmiTextFile> m_loaded;
    bool m_loading = false;
    int m_sliceMs = SliceMs;
    quint64 m_generation = 0;
};

#endif // TMITEXTFILELOADER_H
