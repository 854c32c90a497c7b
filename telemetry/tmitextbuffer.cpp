#include "telemetry/tmitextbuffer.h"

#include <QDir>

TmiTextBuffer::TmiTextBuffer(qsizetype capacity)
    : m_buffer(new char[size_t(std::max<qsizetype>(capacity, MaxPiece))])
    , m_capacity(std::max<qsizetype>(capacity, MaxPiece))
{
}

TmiTextBuffer::~TmiTextBuffer() = default;

bool TmiTextBuffer::flush()
{
    if (m_used == 0)
        return !m_failed;
    if (!m_failed && !drain(m_buffer.get(), m_used))
        m_failed = true;
    m_used = 0;
    return !m_failed;
}

void TmiTextBuffer::spill(const char *bytes, qsizetype length)
{
    flush();
    if (length <= m_capacity) {
        std::memcpy(m_buffer.get(), bytes, size_t(length));
        m_used = length;
    } else if (!m_failed && !drain(bytes, length)) {
        m_failed = true;
    }
}

bool TmiTextBuffer::drain(const char *bytes, qsizetype length)
{
    m_kept.append(bytes, length);
    return true;
}

QByteArray TmiTextBuffer::contents() const
{
    return m_kept + QByteArray(m_buffer.get(), m_used);
}

TmiFileSink::TmiFileSink(const QString &fileName)
    : m_file(fileName)
{
}

TmiFileSink::~TmiFileSink()
{
    // Not committed: the temporary file goes, the target stays as it was.
    if (m_file.isOpen())
        m_file.cancelWriting();
}

bool TmiFileSink::fail()
{
    if (m_error.isEmpty())
        m_error = m_file.errorString();
    setFailed();
    return false;
}

bool TmiFileSink::open()
{
    if (m_file.fileName().isEmpty()) {
        m_error = QStringLiteral("no file name");
        setFailed();
        return false;
    }
    if (!m_file.open(QIODevice::WriteOnly))
        return fail();
    return true;
}

bool TmiFileSink::drain(const char *bytes, qsizetype length)
{
    if (!m_file.isOpen())
        return fail();
    if (m_file.write(bytes, length) != length)
        return fail();
    return true;
}

bool TmiFileSink::writeAt(qint64 offset, const QByteArray &bytes)
{
    if (!flush())
        return false;
    const qint64 end = m_file.pos();
    if (!m_file.seek(offset) || m_file.write(bytes) != bytes.size() || !m_file.seek(end))
        return fail();
    return true;
}

bool TmiFileSink::commit()
{
    if (!flush() || failed()) {
        if (m_error.isEmpty())
            m_error = m_file.errorString();
        m_file.cancelWriting();
        m_file.commit(); // drops the temporary file
        return false;
    }
    if (!m_file.commit()) {
        m_error = m_file.errorString();
        return false;
    }
    return true;
}
