#ifndef MOBILECARRIERS_H
#define MOBILECARRIERS_H

#include <QList>
#include <QString>

// Mobile carriers and the public access-point settings (APN, user name,
// password) a tracker uses with their SIM cards. One table: a carrier gains
// an access point, or a new carrier appears, by one line in
// mobilecarriers.cpp.
class MobileCarriers
{
public:
    struct AccessPoint
    {
        const char *carrier;  // the carrier's own name, shown as it is
        const char *service;  // text key naming the kind of access
        const char *apn;
        const char *user;
        const char *password;
        bool preset;          // offered directly in the operator combo of the transfer pages
    };

    // Every row, carriers in the order shown, a carrier's access points
    // together.
    static QList<AccessPoint> all();

    // The rows marked as presets, in table order: the operator combo shows
    // them first and "other operator" after them.
    static QList<AccessPoint> presets();
    // The USSD request that asks a carrier for the SIM card's balance.
    struct BalanceRequest
    {
        const char *carrier; // as in the access-point table
        const char *ussd;
    };
    static QList<BalanceRequest> balanceRequests();

    // The preset whose APN, user name and password all equal the given ones,
    // or -1 ("other operator").
    static int presetIndexOf(const QString &apn, const QString &user, const QString &password);
};

#endif // MOBILECARRIERS_H
