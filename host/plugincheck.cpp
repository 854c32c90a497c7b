#include "host/plugincheck.h"

#include "host/hostmessages.h"
#include "host/pluginhost.h"

#include <QDir>
#include <QFileInfo>

#include <climits>

int PluginCheck::run(const QString &path, QTextStream &out, QTextStream &err, const QStringList &catalogues)
{
    PluginHost host;
    if (!host.load(path)) {
        err << "k4810-host: " << host.errorString() << Qt::endl;
        return 1;
    }
    const PluginHost::Identity id = host.identity();
    // A value the plug-in would never write, to tell "no answer" apart.
    constexpr int32_t kUnanswered = INT32_MIN;
    const int32_t level = id.handle ? host.deliverIntRef(HostMessages::InterfaceLevel, kUnanswered) : kUnanswered;

    const auto line = [&out](const char *label, const QString &value) {
        out << QString::fromLatin1(label).leftJustified(18) << value << '\n';
    };
    line("Plug-in:", QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    line("Model:", id.model);
    line("Display name:", id.displayName);
    line("Version:", id.version());
    line("Interface level:", QString::number(id.interfaceLevel));
    line("Level by 2052:", level == kUnanswered ? QStringLiteral("no answer") : QString::number(level));
    line("Info words:", QStringLiteral("%1, %2, %3").arg(id.infoWord3).arg(id.infoWord4).arg(id.infoWord5));
    line("Text catalogues:", catalogues.isEmpty() ? QStringLiteral("none") : catalogues.join(QStringLiteral(", ")));
    out.flush();

    int status = 0;
    if (id.handle == 0) {
        err << "k4810-host: the plug-in's library-info record gives no device handle" << Qt::endl;
        status = 1;
    } else if (level == kUnanswered) {
        err << "k4810-host: the plug-in does not answer message 2052 (interface level)" << Qt::endl;
        status = 1;
    } else if (level != id.interfaceLevel) {
        err << "k4810-host: interface level " << id.interfaceLevel << " in the library-info record but " << level
            << " by message 2052" << Qt::endl;
        status = 1;
    }
    host.unload();
    return status;
}
