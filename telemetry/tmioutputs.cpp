#include "telemetry/tmioutputs.h"

#include "telemetry/tmibinwriter.h"
#include "telemetry/tmigpxwriter.h"
#include "telemetry/tmikmltrackwriter.h"
#include "telemetry/tmikmlwriter.h"
#include "telemetry/tmitablewriter.h"
#include "telemetry/tmixmlwriter.h"

#include <QCoreApplication>

const QList<TmiOutput> &TmiOutputs::all()
{
    static const QList<TmiOutput> outputs = {
        {QStringLiteral("xml"), QStringLiteral("xml"), QT_TRANSLATE_NOOP("TmiOutputs", "K4810_585"), nullptr, QString(),
         [] { return std::make_unique<TmiXmlWriter>(); }},
        {QStringLiteral("csv"), QStringLiteral("csv"), QT_TRANSLATE_NOOP("TmiOutputs", "K4810_585"), nullptr, QString(),
         [] { return std::make_unique<TmiTableWriter>(); }},
        {QStringLiteral("tmi"), QStringLiteral("tmi"), QT_TRANSLATE_NOOP("TmiOutputs", "K4810_584"),
         QT_TRANSLATE_NOOP("TmiOutputs", "K4810_1632"), QStringLiteral("Menu_TMI"),
         [] { return std::make_unique<TmiBinWriter>(); }},
        {QStringLiteral("kml"), QStringLiteral("kml"), QT_TRANSLATE_NOOP("TmiOutputs", "K4810_584"),
         QT_TRANSLATE_NOOP("TmiOutputs", "Google Earth"), QStringLiteral("Menu_Google"),
         [] { return std::make_unique<TmiKmlWriter>(); }},
        {QStringLiteral("gpx"), QStringLiteral("gpx"), QT_TRANSLATE_NOOP("TmiOutputs", "K4810_584"),
         QT_TRANSLATE_NOOP("TmiOutputs", "K4810_2974"), QStringLiteral("Menu_Gpx"),
         [] { return std::make_unique<TmiGpxWriter>(); }},
        {QStringLiteral("kmltrack"), QStringLiteral("kml"), QT_TRANSLATE_NOOP("TmiOutputs", "K4810_584"),
         QT_TRANSLATE_NOOP("TmiOutputs", "K4810_2975"), QStringLiteral("Menu_KmlTrack"),
         [] { return std::make_unique<TmiKmlTrackWriter>(); }},
    };
    return outputs;
}

const TmiOutput *TmiOutputs::find(const QString &id)
{
    for (const TmiOutput &output : all()) {
        if (output.id == id)
            return &output;
    }
    return nullptr;
}

QString TmiOutputs::text(const char *key)
{
    return key ? QCoreApplication::translate("TmiOutputs", key) : QString();
}
