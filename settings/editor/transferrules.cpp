#include "settings/editor/transferrules.h"

#include "net/encryptionkey.h"
#include "settings/model/settingsconversion.h"
#include "settings/model/settingsmodel.h"

#include <QCoreApplication>

namespace {

const char *const kContext = "ORV_FormTransfer";

const char *const kServerNames[TransferRules::ServerCount] = {
    QT_TRANSLATE_NOOP("ORV_FormTransfer", "K4810_2817"),
    QT_TRANSLATE_NOOP("ORV_FormTransfer", "K4810_2818"),
    QT_TRANSLATE_NOOP("ORV_FormTransfer", "K4810_2819"),
};

QString tr(const char *key)
{
    return QCoreApplication::translate(kContext, key);
}

bool isDigits(QStringView s)
{
    for (QChar c : s) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

QString addressMessage(const QString &owner, const QString &address)
{
    return tr("K4810_2813").arg(owner, address);
}

} // namespace

TransferRules::ServerKeys TransferRules::keys(int server)
{
    const QString n = QString::number(server);
    const QString suffix = server == 0 ? QString() : n;
    ServerKeys k;
    k.address = QStringLiteral("GPRSSrv%1IP").arg(n);
    k.name = QStringLiteral("GPRSSrv%1Name").arg(n);
    k.port = QStringLiteral("GPRSSrv%1Port").arg(n);
    k.protocol = QStringLiteral("GPRSTformat") + suffix;
    k.transport = QStringLiteral("GPRSTrans/srv%1").arg(n);
    k.objectId = QStringLiteral("objectID") + suffix;
    k.centreId = QStringLiteral("centreID") + suffix;
    return k;
}

const char *TransferRules::serverNameKey(int server)
{
    return server >= 0 && server < ServerCount ? kServerNames[server] : kServerNames[0];
}

// ---------------------------------------------------------------- addresses

TransferRules::AddressProblem TransferRules::checkAddress(QStringView address)
{
    const QList<QStringView> parts = address.split(u'.');
    if (parts.size() != Octets)
        return AddressProblem::NotFourOctets;
    AddressProblem problem = AddressProblem::None;
    for (QStringView p : parts) {
        if (p.isEmpty()) {
            if (problem == AddressProblem::None)
                problem = AddressProblem::EmptyOctet;
            continue;
        }
        if (p.size() > 3 || !isDigits(p))
            return AddressProblem::NotFourOctets;
        if (p.toInt() > 255)
            problem = AddressProblem::OctetOutOfRange;
    }
    return problem;
}

QStringList TransferRules::octets(QStringView address)
{
    const QList<QStringView> parts = address.split(u'.');
    QStringList out;
    if (parts.size() == Octets) {
        for (QStringView p : parts) {
            if (p.size() > 3 || !isDigits(p))
                break;
            out << p.toString();
        }
    }
    if (out.size() != Octets)
        out = QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
    return out;
}

QString TransferRules::joinOctets(const QStringList &octets)
{
    QStringList four = octets.mid(0, Octets);
    while (four.size() < Octets)
        four << QString();
    return four.join(QLatin1Char('.'));
}

// ---------------------------------------------------------------- servers

bool TransferRules::usesName(const SettingsModel &model, int server)
{
    return !model.text(section(), keys(server).name).trimmed().isEmpty();
}

bool TransferRules::isServerOn(const SettingsModel &model, int server)
{
    if (usesName(model, server))
        return true;
    return joinOctets(octets(model.text(section(), keys(server).address))) != QLatin1String("0.0.0.0");
}

void TransferRules::switchServerOff(SettingsModel &model, int server)
{
    const ServerKeys k = keys(server);
    model.setText(section(), k.address, QStringLiteral("0.0.0.0"));
    model.setValue(section(), k.port, 0);
    model.setText(section(), k.name, QString());
}

QString TransferRules::testHost(const SettingsModel &model, int server)
{
    const ServerKeys k = keys(server);
    if (usesName(model, server))
        return model.text(section(), k.name).trimmed();
    return joinOctets(octets(model.text(section(), k.address)));
}

QString TransferRules::testProblem(const SettingsModel &model, int server)
{
    if (usesName(model, server))
        return QString();
    const QString host = testHost(model, server);
    return isValidAddress(host) ? QString() : addressMessage(tr(serverNameKey(server)), host);
}

// ---------------------------------------------------------------- roaming

namespace {
const QString kBlock = QStringLiteral("ROAM_SETT/BlockCnct");
}

int TransferRules::blockHours(const SettingsModel &model)
{
    const int seconds = model.value(section(), kBlock, &SettingsConversion::Stored).toInt();
    return seconds > 0 ? seconds / 3600 : 0;
}

int TransferRules::blockMinutes(const SettingsModel &model)
{
    const int seconds = model.value(section(), kBlock, &SettingsConversion::Stored).toInt();
    return seconds > 0 ? (seconds % 3600) / 60 : 0;
}

void TransferRules::setBlockTime(SettingsModel &model, int hours, int minutes)
{
    hours = qMax(0, hours);
    minutes = qBound(minimumBlockMinutes(hours), minutes, 59);
    if (hours == blockHours(model) && minutes == blockMinutes(model))
        return;
    model.setValue(section(), kBlock, hours * 3600 + minutes * 60, &SettingsConversion::Stored);
}

// ---------------------------------------------------------------- before saving

QStringList TransferRules::inputProblems(const SettingsModel &model)
{
    QStringList problems;
    const QString s = section();
    auto checkChanged = [&](const QString &addressKey, const QString &owner) {
        const QString address = model.text(s, addressKey);
        if (model.isChanged(s, addressKey) && !isValidAddress(address))
            problems << addressMessage(owner, address);
    };
    for (int server = 0; server < ServerCount; ++server) {
        if (!usesName(model, server))
            checkChanged(keys(server).address, tr(serverNameKey(server)));
    }
    if (model.text(s, QStringLiteral("GPRSUpdateDNS")).trimmed().isEmpty())
        checkChanged(QStringLiteral("GPRSUpdateIP"), tr(QT_TRANSLATE_NOOP("ORV_FormTransfer", "K4810_2840")));

    const QString key = QStringLiteral("CRYPTO/key");
    if (model.isChanged(s, key) && !EncryptionKey::isAcceptable(EncryptionKey::normalized(model.text(s, key))))
        problems << tr("K4810_2814");
    return problems;
}
