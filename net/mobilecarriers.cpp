#include "net/mobilecarriers.h"

#include <QCoreApplication>

namespace {

const char *const kInternet = QT_TRANSLATE_NOOP("ORV_FormAutoApnList", "K4810_2425");
const char *const kModem = QT_TRANSLATE_NOOP("ORV_FormAutoApnList", "K4810_2426");

// The carriers' published settings for mobile internet.
const MobileCarriers::AccessPoint kTable[] = {
    // carrier        service    APN                      user        password    preset
    {"MTS",           kInternet, "internet.mts.ru",       "mts",      "mts",      true},
    {"Beeline",       kInternet, "internet.beeline.ru",   "beeline",  "beeline",  true},
    {"Beeline",       kModem,    "home.beeline.ru",       "beeline",  "beeline",  false},
    {"MegaFon",       kInternet, "internet",              "gdata",    "gdata",    true},
    {"Tele2",         kInternet, "internet.tele2.ru",     "",         "",         false},
    {"Yota",          kInternet, "internet.yota",         "",         "",         false},
    {"Motiv",         kInternet, "inet.ycc.ru",           "motiv",    "motiv",    false},
    {"Tinkoff Mobile", kInternet, "m.tinkoff",            "",         "",         false},
};

// The carriers' published balance requests.
const MobileCarriers::BalanceRequest kBalance[] = {
    {"MTS", "*100#"},
    {"Beeline", "*102#"},
    {"MegaFon", "*100#"},
    {"Tele2", "*105#"},
    {"Yota", "*100#"},
    {"Motiv", "*102#"},
    {"Tinkoff Mobile", "*100#"},
};

} // namespace

QList<MobileCarriers::BalanceRequest> MobileCarriers::balanceRequests()
{
    return QList<BalanceRequest>(std::begin(kBalance), std::end(kBalance));
}

QList<MobileCarriers::AccessPoint> MobileCarriers::all()
{
    return QList<AccessPoint>(std::begin(kTable), std::end(kTable));
}

QList<MobileCarriers::AccessPoint> MobileCarriers::presets()
{
    QList<AccessPoint> rows;
    for (const AccessPoint &row : kTable) {
        if (row.preset)
            rows << row;
    }
    return rows;
}

int MobileCarriers::presetIndexOf(const QString &apn, const QString &user, const QString &password)
{
    const QList<AccessPoint> rows = presets();
    for (int i = 0; i < rows.size(); ++i) {
        const AccessPoint &row = rows.at(i);
        if (apn == QLatin1String(row.apn) && user == QLatin1String(row.user)
            && password == QLatin1String(row.password))
            return i;
    }
    return -1;
}
