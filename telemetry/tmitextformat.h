#ifndef TMITEXTFORMAT_H
#define TMITEXTFORMAT_H

#include "telemetry/fieldtable.h"
#include "telemetry/tmitext.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <functional>

class TmiTextBuffer;
namespace TmiFieldText {
enum class Text;
}

// The texts of field values and of their bits, as the windows show them
// (TmiFieldText, TmiFormat), in an export's code page and escaped for its
// format. The texts of the catalogue are looked up and escaped once per
// export.
class TmiTextFormat
{
public:
    // Turns a text into the export's bytes (code page and escaping).
    using Encoder = std::function<QByteArray(const QString &)>;

    explicit TmiTextFormat(Encoder encoder);

    // The text of a field (bytes at the field; null: absent), as
    // TmiFormat::value gives it.
    void value(TmiTextBuffer &out, const FieldRef &field, const quint8 *bytes) const;

    // Bit texts as TmiFormat gives them.
    void onOff(TmiTextBuffer &out, quint32 value, int bit) const;    // inputs, receiver, flags
    void output(TmiTextBuffer &out, quint32 value, int bit) const;   // outputs
    void moduleBit(TmiTextBuffer &out, quint8 module1, int bit) const; // bits 7, 6, 5, 3, 1
    void navigationFix(TmiTextBuffer &out, quint8 stateNGauge) const;
    void navigationValidity(TmiTextBuffer &out, quint8 stateNGauge) const;

    QByteArray encode(const QString &text) const { return m_encoder(text); }
    // A text of TmiFieldText, encoded once.
    const QByteArray &encoded(TmiFieldText::Text which) const { return m_fieldTexts[size_t(which)]; }

private:
    enum Text {
        On, Off, OutputOn, OutputOff, Fix, NoFix, Yes, No, ModuleSet1, ModuleClear1 = ModuleSet1 + 8,
        TextCount = ModuleClear1 + 8
    };
    static constexpr int FieldTextCount = 5;
    const QByteArray &text(Text t) const { return m_texts[t]; }

    Encoder m_encoder;
    std::array<QByteArray, TextCount> m_texts;
    std::array<QByteArray, FieldTextCount> m_fieldTexts;
};

#endif // TMITEXTFORMAT_H
