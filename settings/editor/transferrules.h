#ifndef TRANSFERRULES_H
#define TRANSFERRULES_H

#include <QString>
#include <QStringList>
#include <QStringView>

class SettingsModel;

// Rules of the data-transfer settings (section TRANSFER) that the transfer
// page and the light page share: the keys of each server, when a server
// counts as switched on and which of its addresses the tracker uses, what
// switching a server off writes, the blocking time of roaming, and what
// must be corrected before the settings are saved or written. Widget-free:
// the rules read and write the editor's model.
class TransferRules
{
public:
    static constexpr int ServerCount = 3;
    enum Server { MainServer, ReserveServer1, ReserveServer2 };
    static constexpr int Octets = 4;

    // The keys of one server (0 main, 1 and 2 the reserves).
    struct ServerKeys
    {
        QString address;   // GPRSSrv0IP
        QString name;      // GPRSSrv0Name
        QString port;      // GPRSSrv0Port
        QString protocol;  // GPRSTformat, GPRSTformat1, GPRSTformat2
        QString transport; // GPRSTrans/srv0
        QString objectId;  // objectID, objectID1, objectID2
        QString centreId;  // centreID, centreID1, centreID2
    };
    static ServerKeys keys(int server);
    static QString section() { return QStringLiteral("TRANSFER"); }
    // The text key of a server's name ("Main server", ...).
    static const char *serverNameKey(int server);

    // ------------------------------------------------------------ addresses

    enum class AddressProblem {
        None,
        NotFourOctets,  // not four parts joined by "."
        EmptyOctet,     // a part without digits
        OctetOutOfRange // a part that is no number 0..255
    };
    // What is wrong with a dotted IPv4 address as stored or typed.
    static AddressProblem checkAddress(QStringView address);
    static bool isValidAddress(QStringView address) { return checkAddress(address) == AddressProblem::None; }
    // The four octet fields of an address: its parts when it has four of
    // at most three digits each (an empty part stays empty, as while it is
    // typed); anything else shows as 0.0.0.0. Never more than four items,
    // whatever the text holds.
    static QStringList octets(QStringView address);
    static QString joinOctets(const QStringList &octets);

    // ------------------------------------------------------------ servers

    // The tracker uses a server's name when it has one, else its address.
    static bool usesName(const SettingsModel &model, int server);
    // A server is shown switched on unless it has no name and its address
    // is (or shows as) 0.0.0.0. Only a value the user sets changes it.
    static bool isServerOn(const SettingsModel &model, int server);
    // The user switches a server off: address 0.0.0.0, port 0, no name.
    static void switchServerOff(SettingsModel &model, int server);
    // The host a connection test tries: the name, or the stored address.
    static QString testHost(const SettingsModel &model, int server);
    // Empty when the server can be tested, else the message why not (its
    // address is not a valid IPv4 address).
    static QString testProblem(const SettingsModel &model, int server);

    // ------------------------------------------------------------ roaming

    // The time a connection stays blocked in roaming (ROAM_SETT/BlockCnct,
    // seconds), shown as hours and minutes; without hours at least 5 minutes.
    static int blockHours(const SettingsModel &model);
    static int blockMinutes(const SettingsModel &model);
    static int minimumBlockMinutes(int hours) { return hours == 0 ? 5 : 0; }
    // Writes hours and minutes (raised to the minimum); the seconds of a
    // stored value are kept when the whole minutes do not change.
    static void setBlockTime(SettingsModel &model, int hours, int minutes);

    // ------------------------------------------------------------ before saving

    // What must be corrected before the settings are saved or written, one
    // message each: an address in use that is no valid IPv4 address (for a
    // server or the firmware-update server), an encryption key that is not
    // a whole key. Values as they were read are not held against the user.
    static QStringList inputProblems(const SettingsModel &model);
};

#endif // TRANSFERRULES_H
