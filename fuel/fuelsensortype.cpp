#include "fuel/fuelsensortype.h"

FuelSensorType FuelSensorType::byCode(const QString &code)
{
    FuelSensorType t;
    if (!codes().contains(code))
        return t;
    t.m_code = code;
    t.m_analog = code == QLatin1String("A1") || code == QLatin1String("A2");
    return t;
}

QStringList FuelSensorType::codes()
{
    static const QStringList list = {QStringLiteral("A1"), QStringLiteral("A2"), QStringLiteral("D1"),
                                     QStringLiteral("D2"), QStringLiteral("D3"), QStringLiteral("D4"),
                                     QStringLiteral("D5"), QStringLiteral("D6"), QStringLiteral("F1"),
                                     QStringLiteral("RS-232")};
    return list;
}

const char *FuelSensorType::headerKey() const
{
    if (m_analog)
        return "K4810_508";
    return m_code == QLatin1String("F1") ? "K4810_544" : "K4810_525";
}

const char *FuelSensorType::graphTitleKey() const
{
    if (m_analog)
        return "K4810_537";
    return m_code == QLatin1String("F1") ? "K4810_544" : "K4810_525";
}

QString FuelSensorType::liveNameElement() const
{
    return m_code == QLatin1String("A1") ? QStringLiteral("Name_A") : QStringLiteral("Name_A1");
}
