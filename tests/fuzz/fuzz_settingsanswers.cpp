// The settings pages' live answers (2054, 2077, 2079) of any length and
// content, and values read by position from lists and code strings of any
// text: cut into fields and read without going past their ends.

#include "settings/editor/trackeranswers.h"
#include "settings/model/settingsmodel.h"
#include "settings/model/settingstext.h"

#include <QByteArray>
#include <QString>

#include <cstdlib>
#include <cstring>

namespace {

void answers(const uchar *data, int length)
{
    if (const auto r = TrackerAnswers::StateRecord::parse(data, length)) {
        if (r->field4.size() != 4 || r->field8.size() != 8)
            std::abort();
        if (const auto v = r->supplyHundredths(); v && (*v < 0 || *v > 9999))
            std::abort();
        (void)r->batteryHundredths();
        for (int i = -1; i <= 9; ++i)
            (void)r->state(i);
    }
    if (const auto f = TrackerAnswers::FuelLevels::parse(data, length)) {
        using F = TrackerAnswers::FuelLevels;
        for (F::Level l : {F::Ain1Millivolts, F::In2Hertz, F::In2Pulses}) {
            if (const auto v = f->level(l); v && (*v < 0 || *v > 0xFFFF))
                std::abort();
        }
    }
    if (const auto v = TrackerAnswers::parseSystemValue(data, length))
        (void)TrackerAnswers::hundredths(*v);
}

// Lists and code strings of the System and Track pages holding the bytes.
void positions(const uchar *data, int length)
{
    static SettingsModel model;
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), qMin(length, 300));
    const QString sys = QStringLiteral("SYSTEM");
    const QString track = QStringLiteral("TRACK");
    if (SettingsText::problem(text) != SettingsText::Problem::None)
        return;
    for (const char *path : {"powerSaveConfig/actions", "powerSaveConfig/delays"}) {
        model.setText(sys, QLatin1String(path), text);
        for (int i = -1; i < 8; ++i)
            (void)model.item(sys, QLatin1String(path), i);
        if (model.setItem(sys, QLatin1String(path), length % 6, QStringLiteral("7"))
            && model.item(sys, QLatin1String(path), length % 6) != QLatin1String("7"))
            std::abort();
    }
    for (const char *path : {"GPSaverSettings/no_aver", "GPSparking/noTmrFlags"}) {
        model.setText(track, QLatin1String(path), text);
        for (int i = -1; i < 8; ++i)
            (void)model.flag(track, QLatin1String(path), i);
        if (model.setFlag(track, QLatin1String(path), length % 5, true) && !model.flag(track, QLatin1String(path), length % 5))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const int length = size > 4096 ? 4096 : int(size);
    answers(data, length);
    // As answers of the right lengths and leading text.
    for (int n : {10, 30, 34, 42}) {
        uchar answer[42] = {};
        if (n == 42)
            std::memcpy(answer, "*#FUEL_UN", 9);
        const int from = n == 42 ? 9 : 0;
        std::memcpy(answer + from, data, size < size_t(n - from) ? size : size_t(n - from));
        answers(answer, n);
    }
    positions(data, length);
    return 0;
}
