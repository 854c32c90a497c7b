#include "telemetry/tmirecordspans.h"

#include "telemetry/extendedrecord.h"
#include "telemetry/f8record.h"
#include "telemetry/fieldtable.h"
#include "telemetry/maskplan.h"
#include "telemetry/tmibytes.h"
#include "telemetry/tmiformat.h"

#include <algorithm>

namespace {

const quint8 *bytesOf(const QByteArray &record)
{
    return reinterpret_cast<const quint8 *>(record.constData());
}

QString rawText(const FieldRef &field, const quint8 *p)
{
    if (field.type == WireType::F32)
        return TmiFormat::shortest(TmiBytes::readFloat(p));
    return QString::number(TmiBytes::readInteger(field.type, p));
}

TmiRecordSpan header(int offset, int length, const char *name, const QString &raw, const QString &shown = QString())
{
    TmiRecordSpan span;
    span.offset = offset;
    span.length = length;
    span.kind = TmiRecordSpan::Header;
    span.name = QLatin1String(name);
    span.raw = raw;
    span.shown = shown.isNull() ? raw : shown;
    return span;
}

TmiRecordSpan field(int offset, const FieldRef &ref, const quint8 *bytes, bool known)
{
    TmiRecordSpan span;
    span.offset = offset;
    span.length = ref.size;
    span.kind = TmiRecordSpan::Field;
    span.bit = ref.bit;
    span.member = ref.index;
    span.name = QLatin1String(FieldTable::memberName(ref.index));
    span.raw = rawText(ref, bytes);
    span.shown = known ? TmiFormat::value(ref, bytes) : TmiFormat::notAvailable();
    return span;
}

// The bytes of a field that the record ends inside of.
TmiRecordSpan cutSpan(int offset, int length, int bit, int member)
{
    TmiRecordSpan cut;
    cut.offset = offset;
    cut.length = length;
    cut.kind = TmiRecordSpan::Cut;
    cut.bit = bit;
    cut.member = member;
    cut.name = QLatin1String(FieldTable::memberName(member));
    cut.shown = TmiFormat::notAvailable();
    return cut;
}

QString byteText(quint8 value)
{
    return QStringLiteral("0x") + QString::number(value, 16).rightJustified(2, QLatin1Char('0')).toUpper();
}

void addUnused(QList<TmiRecordSpan> &spans, int from, int size)
{
    if (from >= size)
        return;
    TmiRecordSpan span;
    span.offset = from;
    span.length = size - from;
    span.kind = TmiRecordSpan::Unused;
    spans.append(span);
}

QList<TmiRecordSpan> f8Spans(const QByteArray &record, const PresenceMask *given)
{
    QList<TmiRecordSpan> spans;
    const quint8 *r = bytesOf(record);
    const int size = int(record.size());
    spans.append(header(0, 1, "Type", QString::number(r[0]), byteText(r[0])));
    int end = 1;
    for (const F8Field &f : F8Layout::fields) {
        const FieldRef &ref = FieldTable::member(f.member);
        if (f.offset + ref.size > size)
            break;
        spans.append(field(f.offset, ref, r + f.offset, !given || given->test(ref.bit)));
        end = f.offset + ref.size;
    }
    addUnused(spans, end, size);
    return spans;
}

QList<TmiRecordSpan> maskedSpans(const QByteArray &record)
{
    QList<TmiRecordSpan> spans;
    const quint8 *r = bytesOf(record);
    const int size = int(record.size());
    spans.append(header(0, 1, "Type", QString::number(r[0]), byteText(r[0])));
    if (size < 2)
        return spans;
    spans.append(header(1, 1, "Generation", QString::number(r[1])));
    const int maskBytes = std::min(PresenceMask::Bytes, size - 2);
    const PresenceMask mask = PresenceMask::fromBytes(r + 2, maskBytes);
    spans.append(header(2, maskBytes, "Mask", TmiRecordSpans::hex(record, 2, maskBytes).remove(QLatin1Char(' ')),
                        TmiRecordSpans::rowsText(mask)));
    if (maskBytes < PresenceMask::Bytes)
        return spans;
    int at = MaskedDecoder::HeaderSize;
    for (int bit = 0; bit < FieldTable::RowCount; ++bit) {
        if (!mask.test(bit))
            continue;
        const FieldRow &row = FieldTable::row(bit);
        if (at + row.width > size) {
            // The record ends inside this row: it and the rows after it are missing.
            if (at < size) {
                spans.append(cutSpan(at, size - at, bit, FieldTable::firstMember(bit)));
                at = size;
            }
            return spans;
        }
        for (int m = FieldTable::firstMember(bit); m < FieldTable::firstMember(bit) + FieldTable::memberCount(bit); ++m) {
            const FieldRef &ref = FieldTable::member(m);
            spans.append(field(at, ref, r + at, true));
            at += ref.size;
        }
    }
    addUnused(spans, at, size);
    return spans;
}

QList<TmiRecordSpan> extendedSpans(const QByteArray &bytes)
{
    QList<TmiRecordSpan> spans;
    const ExtendedRecord record(bytes.constData(), bytes.size());
    const quint8 *r = record.data();
    const int size = record.size();
    spans.append(header(0, 1, "Type", QString::number(r[0]), byteText(r[0])));
    int end = 1;
    auto part = [&](int offset, int length, const char *name, qint64 value) {
        if (offset + length > size)
            return false;
        spans.append(header(offset, length, name, QString::number(value)));
        end = offset + length;
        return true;
    };
    auto fixed = [&](int from, int to) {
        for (const F8Field &f : ExtendedLayout::fields) {
            if (f.offset < from || f.offset >= to)
                continue;
            const FieldRef &ref = FieldTable::member(f.member);
            if (f.offset + ref.size > size) {
                if (f.offset < size) {
                    spans.append(cutSpan(f.offset, size - f.offset, ref.bit, ref.index));
                    end = size;
                }
                return false;
            }
            spans.append(field(f.offset, ref, r + f.offset, true));
            end = f.offset + ref.size;
        }
        return true;
    };
    if (part(1, 2, "Size", record.declaredSize()) && part(3, 1, "StVer", record.stVer())
        && part(4, 1, "StSize", record.stSize()) && fixed(5, 42) && part(42, 1, "HVer", record.hVer())
        && part(43, 1, "HSize", record.hSize()) && fixed(44, ExtendedRecord::DynamicOffset)) {
        for (const DynamicElement &element : record.elements()) {
            TmiRecordSpan type = header(element.offset, 1, "DynType", QString::number(element.type));
            type.kind = TmiRecordSpan::Element;
            TmiRecordSpan length = header(element.offset + 1, 1, "DynSize", QString::number(element.size));
            length.kind = TmiRecordSpan::Element;
            spans << type << length;
            end = element.offset + 2;
            const int width = DynamicElement::valueWidth(element.type);
            if (width > 0) {
                TmiRecordSpan value = header(element.offset + 2, width, "DynValue", element.valueText());
                value.kind = TmiRecordSpan::Element;
                if (element.type == 2)
                    value.raw = TmiRecordSpans::hex(element.value, 0, int(element.value.size())).remove(QLatin1Char(' '));
                spans << value;
                end = element.offset + 2 + width;
            }
        }
    }
    // Bytes past what an extended record can hold are not read either.
    addUnused(spans, end, int(bytes.size()));
    return spans;
}

} // namespace

namespace TmiRecordSpans {

QList<TmiRecordSpan> of(const QByteArray &record, const PresenceMask *given)
{
    if (record.isEmpty())
        return {};
    switch (quint8(record[0])) {
    case F8Record::Type:
        return f8Spans(record, given);
    case MaskedDecoder::Type:
        return maskedSpans(record);
    case ExtendedRecord::Type:
        return extendedSpans(record);
    default: {
        QList<TmiRecordSpan> spans;
        spans.append(header(0, 1, "Type", QString::number(quint8(record[0])), byteText(quint8(record[0]))));
        addUnused(spans, 1, int(record.size()));
        return spans;
    }
    }
}

QString hex(const QByteArray &bytes, int offset, int length)
{
    const int end = int(std::min<qsizetype>(bytes.size(), qsizetype(offset) + length));
    QString text;
    text.reserve(std::max(0, end - offset) * 3);
    static const char digits[] = "0123456789ABCDEF";
    for (int i = std::max(0, offset); i < end; ++i) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        const quint8 b = quint8(bytes[i]);
        text += QLatin1Char(digits[b >> 4]);
        text += QLatin1Char(digits[b & 15]);
    }
    return text;
}

QString rowsText(const PresenceMask &mask)
{
    QStringList parts;
    for (int bit = 0; bit < FieldTable::RowCount; ++bit) {
        if (!mask.test(bit))
            continue;
        int last = bit;
        while (last + 1 < FieldTable::RowCount && mask.test(last + 1))
            ++last;
        parts << (last == bit ? QString::number(bit) : QStringLiteral("%1-%2").arg(bit).arg(last));
        bit = last;
    }
    return parts.join(QStringLiteral(", "));
}

} // namespace TmiRecordSpans
