// Tracker answers of any bytes for the three accessory exchanges (the
// calibration wizard, the key file transfers, the tachograph), each in a
// state where it waits for them. The first byte chooses the exchange and
// the message; the rest is the answer. Every answer is also read as the
// accelerometer page reads its live answers (a reading, a reset).

#include "accessories/accelcalibration.h"
#include "accessories/accelerometerreading.h"
#include "accessories/tachoexchange.h"
#include "accessories/tmkeyfileread.h"
#include "accessories/tmkeyfilewrite.h"

#include <QCoreApplication>
#include <QTemporaryDir>

namespace {

void noSend(uint32_t, intptr_t, intptr_t) {}

struct Exchanges
{
    QTemporaryDir dir;
    AccelCalibration wizard{noSend, 60000};
    TmKeyFileRead read{noSend, dir.path(), 60000};
    TmKeyFileWrite write{noSend, dir.path(), 60000};
    TachoExchange tacho{noSend, 60000};
    QByteArray keyFile = QByteArray(4096, 'k');
    int downloads = 0;
};

Exchanges *g = nullptr;

void deliver(TachoExchange &tacho, uint32_t msgId, const QByteArray &bytes)
{
    tacho.receiveAnswer(msgId, reinterpret_cast<const uchar *>(bytes.constData()), int(bytes.size()));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    g = new Exchanges;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const uint8_t selector = data[0];
    const uchar *answer = data + 1;
    const int length = int(size - 1);
    if (const auto reading = AccelerometerReading::parse(answer, length)) {
        if (reading->toBytes().size() != AccelerometerReading::Length)
            __builtin_trap();
    }
    (void)AccelerometerReset::parse(answer, length);
    switch (selector % 7) {
    case 0: // the wizard, waiting for a command's status or a step's
        if (!g->wizard.isActive()) {
            g->wizard.start();
            g->wizard.setAction(AccelCalibration::Action((selector >> 3) % 3));
        }
        if (!g->wizard.isBusy()) {
            if (g->wizard.screen() != AccelCalibration::Screen::Choice && !g->wizard.canNext())
                g->wizard.start();
            g->wizard.next();
            g->wizard.next();
        }
        g->wizard.receiveAnswer(answer, length);
        if (selector & 0x80)
            g->wizard.cancel();
        break;
    case 1:
        if (!g->read.isRunning())
            g->read.start();
        g->read.receiveAnswer(answer, length);
        break;
    case 2:
    case 3:
        if (!g->write.isRunning())
            g->write.start(g->keyFile);
        g->write.receiveAnswer(selector % 7 == 2 ? TmKeyFileWrite::BlockAnswer : TmKeyFileWrite::SwitchAnswer, answer,
                               length);
        break;
    case 4:
        g->tacho.query(selector >> 4);
        g->tacho.receiveAnswer(TachoExchange::QueryAnswer, answer, length);
        break;
    case 5:
        if (g->tacho.activity() == TachoExchange::Activity::Idle)
            g->tacho.create(selector >> 4, QDateTime::fromSecsSinceEpoch(1767225600, Qt::UTC), selector & 1);
        g->tacho.receiveAnswer(TachoExchange::CreateAnswer, answer, length);
        break;
    default:
        if (g->tacho.activity() != TachoExchange::Activity::Downloading) {
            if (g->tacho.activity() == TachoExchange::Activity::Creating)
                g->tacho.stop();
            // The tracker reports a made file of up to 64 KiB.
            QByteArray made("*#TACH\x00\x00\x00\x00\x01\x00", 12);
            made[8] = char(selector);
            deliver(g->tacho, TachoExchange::CreateAnswer, made + "f.DDD");
            g->tacho.download(g->dir.filePath(QStringLiteral("d%1.DDD").arg(g->downloads++ % 4)));
        }
        g->tacho.receiveAnswer(TachoExchange::LoadAnswer, answer, length);
        break;
    }
    return 0;
}
