#include "telemetry/orv_tmipage_f6.h"

ORV_TmiPage_F6::ORV_TmiPage_F6(QObject *parent)
    : QObject(parent)
{
}

int ORV_TmiPage_F6::readLine(QStringView line, FullRecord &record)
{
    const qsizetype open = line.indexOf(u'<');
    const qsizetype close = line.indexOf(u'>');
    if (open < 0 || close <= open)
        return -1;
    const qsizetype end = line.indexOf(u'<', close + 1);
    if (end < 0)
        return -1;
    const FieldRef field = FieldTable::find(line.sliced(open + 1, close - open - 1));
    if (!field.isValid())
        return -1;
    const QStringView value = line.sliced(close + 1, end - close - 1).trimmed();

    bool ok = false;
    if (field.type == WireType::F32) {
        const float f = value.toFloat(&ok);
        if (!ok)
            return -1;
        record.setReal(field, f);
    } else {
        qint64 v = value.toLongLong(&ok);
        if (!ok)
            v = qint64(value.toULongLong(&ok));
        if (!ok)
            return -1;
        record.setInteger(field, v);
    }
    return field.bit;
}
