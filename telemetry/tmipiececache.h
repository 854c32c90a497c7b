#ifndef TMIPIECECACHE_H
#define TMIPIECECACHE_H

#include "telemetry/tmitextbuffer.h"

#include <cstring>

// The text of one piece of an export file (a cell, an element) that
// depends only on a few raw bytes of the page: kept from the page before
// and written again as it is while those bytes stay the same. Consecutive
// pages differ in a handful of fields; the others cost one copy.
class TmiPieceCache
{
public:
    explicit TmiPieceCache(qsizetype capacity = 2048)
        : m_text(capacity)
    {
    }

    // The key of up to 8 raw bytes.
    static quint64 key(const quint8 *bytes, int width)
    {
        // Whole loads: bytes put together piece by piece on the stack would
        // stall the load that reads them back.
        switch (width) {
        case 1:
            return bytes[0];
        case 2: {
            quint16 v;
            std::memcpy(&v, bytes, 2);
            return v;
        }
        case 4: {
            quint32 v;
            std::memcpy(&v, bytes, 4);
            return v;
        }
        default: {
            quint64 v = 0;
            std::memcpy(&v, bytes, size_t(width < 8 ? width : 8));
            return v | quint64(width) << 60;
        }
        }
    }

    // Writes the piece for key: the kept text, or what write(text) makes.
    template<typename Write>
    void put(TmiTextBuffer &out, quint64 key, Write &&write)
    {
        if (!m_valid || key != m_key) {
            m_text.reset();
            write(m_text);
            if (m_text.hasDrained()) { // longer than the room kept: written, not kept
                m_valid = false;
                out.put(m_text.contents());
                return;
            }
            m_key = key;
            m_valid = true;
        }
        out.put(m_text.data(), m_text.size());
    }

private:
    TmiTextBuffer m_text;
    quint64 m_key = 0;
    bool m_valid = false;
};

#endif // TMIPIECECACHE_H
