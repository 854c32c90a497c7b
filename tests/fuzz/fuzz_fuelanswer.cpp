// Fuel answers of any length and content, as the calibration window takes
// them: parsed, the readings formatted, and fed to the stability watch.

#include "fuel/fuelanswer.h"
#include "fuel/fuelcalibration.h"
#include "fuel/fuelstability.h"

#include <QByteArray>

#include <cstdlib>
#include <cstring>

namespace {

void take(const uchar *data, int length)
{
    const std::optional<FuelAnswer> a = FuelAnswer::parse(data, length);
    if (!a)
        return;
    if (length != FuelAnswer::kLength)
        std::abort();
    FuelStability watch;
    watch.setTolerance(0.05);
    watch.setDuration(4000);
    qint64 t = 0;
    auto feed = [&](const QString &text) {
        watch.add(t, double(FuelCalibration::number(text)));
        t += 2000;
    };
    if (a->f1())
        feed(QString::number(*a->f1()));
    if (a->a1Millivolts()) {
        const QString v = FuelAnswer::volts(*a->a1Millivolts());
        if (v.size() < 4 || v[v.size() - 3] != QLatin1Char('.'))
            std::abort();
        feed(v);
    }
    for (int i = 0; i < FuelAnswer::kDigitalCount; ++i) {
        if (a->digital(i))
            feed(QString::number(*a->digital(i)));
        // A field is there only when the count covers where it starts.
        if (bool(a->digital(i)) != (a->count() >= FuelAnswer::kD1Offset + 3 * i - 9))
            std::abort();
    }
    (void)watch.isStable();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // As it came, and as a 42-byte answer with the right leading text.
    take(data, int(size));
    uchar answer[FuelAnswer::kLength];
    std::memcpy(answer, FuelAnswer::kTag, FuelAnswer::kTagLength);
    const size_t rest = FuelAnswer::kLength - FuelAnswer::kTagLength;
    std::memset(answer + FuelAnswer::kTagLength, 0, rest);
    std::memcpy(answer + FuelAnswer::kTagLength, data, size < rest ? size : rest);
    take(answer, FuelAnswer::kLength);
    return 0;
}
