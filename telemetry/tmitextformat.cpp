#include "telemetry/tmitextformat.h"

#include "telemetry/tmifieldtext.h"
#include "telemetry/tmiformat.h"
#include "telemetry/tmitextbuffer.h"

namespace {

// TmiFieldText's Out over an export's buffer.
class BufferOut
{
public:
    BufferOut(TmiTextBuffer &out, const TmiTextFormat &format)
        : m_out(out)
        , m_format(format)
    {
    }
    char *space() { return m_out.space(); }
    void advanceTo(char *end) { m_out.advanceTo(end); }
    void text(TmiFieldText::Text which) { m_out.put(m_format.encoded(which)); }
    void other(const QString &text) { m_out.put(m_format.encode(text)); }

private:
    TmiTextBuffer &m_out;
    const TmiTextFormat &m_format;
};

} // namespace


TmiTextFormat::TmiTextFormat(Encoder encoder)
    : m_encoder(std::move(encoder))
{
    m_texts[On] = encode(TmiFormat::input(1, 0));
    m_texts[Off] = encode(TmiFormat::input(0, 0));
    m_texts[OutputOn] = encode(TmiFormat::output(1, 0));
    m_texts[OutputOff] = encode(TmiFormat::output(0, 0));
    m_texts[Fix] = encode(TmiFormat::navigationFix(0x02));
    m_texts[NoFix] = encode(TmiFormat::navigationFix(0));
    m_texts[Yes] = encode(TmiFormat::navigationValidity(0x02));
    m_texts[No] = encode(TmiFormat::navigationValidity(0));
    for (int i = 0; i < FieldTextCount; ++i)
        m_fieldTexts[size_t(i)] = encode(TmiFieldText::text(TmiFieldText::Text(i)));
    for (int bit = 0; bit < 8; ++bit) {
        m_texts[ModuleSet1 + bit] = encode(TmiFormat::moduleBit(quint8(1u << bit), bit));
        m_texts[ModuleClear1 + bit] = encode(TmiFormat::moduleBit(0, bit));
    }
}

void TmiTextFormat::onOff(TmiTextBuffer &out, quint32 value, int bit) const
{
    out.put(text((value >> bit) & 1 ? On : Off));
}

void TmiTextFormat::output(TmiTextBuffer &out, quint32 value, int bit) const
{
    out.put(text((value >> bit) & 1 ? OutputOn : OutputOff));
}

void TmiTextFormat::moduleBit(TmiTextBuffer &out, quint8 module1, int bit) const
{
    if (bit < 0 || bit > 7)
        return;
    out.put(m_texts[((module1 >> bit) & 1 ? ModuleSet1 : ModuleClear1) + bit]);
}

void TmiTextFormat::navigationFix(TmiTextBuffer &out, quint8 stateNGauge) const
{
    out.put(text(stateNGauge & 0x02 ? Fix : NoFix));
}

void TmiTextFormat::navigationValidity(TmiTextBuffer &out, quint8 stateNGauge) const
{
    out.put(text(stateNGauge & 0x02 ? Yes : No));
}

void TmiTextFormat::value(TmiTextBuffer &out, const FieldRef &field, const quint8 *bytes) const
{
    BufferOut sink(out, *this);
    TmiFieldText::write(sink, field, bytes);
}
