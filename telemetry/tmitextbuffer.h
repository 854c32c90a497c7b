#ifndef TMITEXTBUFFER_H
#define TMITEXTBUFFER_H

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <cstring>
#include <memory>

// Bytes of an export file on their way out. Text is put in pieces into a
// fixed buffer; a full buffer is handed to drain(), which keeps it in memory
// here and writes it to the file in TmiFileSink.
class TmiTextBuffer
{
public:
    static constexpr qsizetype DefaultCapacity = 1 << 18;
    // Room that put(char*) callers may ask for at once through space().
    static constexpr qsizetype MaxPiece = 512;

    explicit TmiTextBuffer(qsizetype capacity = DefaultCapacity);
    virtual ~TmiTextBuffer();
    TmiTextBuffer(const TmiTextBuffer &) = delete;
    TmiTextBuffer &operator=(const TmiTextBuffer &) = delete;

    void put(const char *bytes, qsizetype length)
    {
        if (length > m_capacity - m_used) {
            spill(bytes, length);
            return;
        }
        std::memcpy(m_buffer.get() + m_used, bytes, size_t(length));
        m_used += length;
    }
    void put(const QByteArray &bytes) { put(bytes.constData(), bytes.size()); }
    void put(char c)
    {
        if (m_used == m_capacity)
            flush();
        m_buffer[size_t(m_used++)] = c;
    }
    template<size_t N>
    void lit(const char (&text)[N])
    {
        put(text, qsizetype(N - 1));
    }

    // A place for at most MaxPiece bytes; advanceTo(end) takes what was written up to end.
    char *space()
    {
        if (m_capacity - m_used < MaxPiece)
            flush();
        return m_buffer.get() + m_used;
    }
    void advanceTo(const char *end) { m_used = end - m_buffer.get(); }

    // Hands the buffered bytes to drain().
    bool flush();
    bool failed() const { return m_failed; }

    // Everything drained so far and still buffered (in-memory buffers only).
    QByteArray contents() const;
    // The buffered bytes, when nothing was drained yet.
    const char *data() const { return m_buffer.get(); }
    qsizetype size() const { return m_used; }
    bool hasDrained() const { return !m_kept.isEmpty(); }
    // Empties an in-memory buffer for reuse.
    void reset()
    {
        m_used = 0;
        m_kept.clear();
        m_failed = false;
    }

protected:
    // Takes bytes that leave the buffer; false stops all further output.
    virtual bool drain(const char *bytes, qsizetype length);
    void setFailed() { m_failed = true; }

private:
    void spill(const char *bytes, qsizetype length);

    std::unique_ptr<char[]> m_buffer;
    qsizetype m_capacity;
    qsizetype m_used = 0;
    bool m_failed = false;
    QByteArray m_kept;
};

// An export file written atomically: the bytes go to a temporary file that
// replaces the target only on commit(); a failure at any point leaves the
// target as it was (or absent) and errorText() says why.
class TmiFileSink : public TmiTextBuffer
{
public:
    explicit TmiFileSink(const QString &fileName);
    ~TmiFileSink() override;

    bool open();
    // Flushes and writes bytes at an offset of the file (a header written last).
    bool writeAt(qint64 offset, const QByteArray &bytes);
    // Flushes and makes the file. False when anything failed on the way.
    bool commit();
    QString errorText() const { return m_error; }

protected:
    bool drain(const char *bytes, qsizetype length) override;

private:
    bool fail();

    QSaveFile m_file;
    QString m_error;
};

#endif // TMITEXTBUFFER_H
