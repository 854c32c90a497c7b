#include "host/hostcommandline.h"

namespace {
const QString kPlugin = QStringLiteral("plugin");
const QString kCheck = QStringLiteral("check");
const QString kHelpRoot = QStringLiteral("help-root");
const QString kDetached = QStringLiteral("detached");
const QString kMonitorServer = QStringLiteral("monitor-server");
} // namespace

HostCommandLine::HostCommandLine()
{
    m_parser.setApplicationDescription(
        QStringLiteral("Stand-in host for the K-4810 configuration plug-in, with a simulated tracker.\n"
                       "Every window of the plug-in can be opened from its menus."));
    m_parser.addHelpOption();
    m_parser.addVersionOption();
    m_parser.addOption({kPlugin, QStringLiteral("Load the plug-in from <path> (default: libk4810.so beside this program)."),
                        QStringLiteral("path")});
    m_parser.addOption({kCheck, QStringLiteral("Load the plug-in, print its identity and exit; needs no display. "
                                               "Exit status 0 when the plug-in works, 1 otherwise.")});
    m_parser.addOption({kHelpRoot, QStringLiteral("Look help pages up under <folder> (default: the working directory "
                                                  "or the folder chosen in the Options menu)."),
                        QStringLiteral("folder")});
    m_parser.addOption({kDetached, QStringLiteral("Start without attaching the simulated tracker.")});
    m_parser.addOption({kMonitorServer,
                        QStringLiteral("Run a local monitoring server on 127.0.0.1:<port> (1-65535), for the plug-in's "
                                       "server connection test; its connections show in the message log."),
                        QStringLiteral("port")});
}

bool HostCommandLine::parse(const QStringList &arguments)
{
    m_error.clear();
    if (!m_parser.parse(arguments)) {
        m_error = m_parser.errorText();
        return false;
    }
    if (!m_parser.positionalArguments().isEmpty()) {
        m_error = QStringLiteral("Unexpected argument: %1").arg(m_parser.positionalArguments().constFirst());
        return false;
    }
    m_help = m_parser.isSet(QStringLiteral("help"));
    m_version = m_parser.isSet(QStringLiteral("version"));
    m_check = m_parser.isSet(kCheck);
    m_detached = m_parser.isSet(kDetached);
    m_pluginPath = m_parser.value(kPlugin);
    m_helpRoot = m_parser.value(kHelpRoot);
    m_monitorServerPort = 0;
    if (m_parser.isSet(kMonitorServer)) {
        bool ok = false;
        const int port = m_parser.value(kMonitorServer).toInt(&ok);
        if (!ok || port < 1 || port > 65535) {
            m_error = QStringLiteral("--monitor-server needs a port from 1 to 65535, not \"%1\"")
                          .arg(m_parser.value(kMonitorServer));
            return false;
        }
        m_monitorServerPort = port;
    }
    if (m_parser.isSet(kPlugin) && m_pluginPath.isEmpty()) {
        m_error = QStringLiteral("--plugin needs a file name");
        return false;
    }
    return true;
}

bool HostCommandLine::wantsConsole(const QStringList &arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a == QLatin1String("--"))
            break;
        if (a == QLatin1String("--check") || a == QLatin1String("--help") || a == QLatin1String("-h")
            || a == QLatin1String("-?") || a == QLatin1String("--help-all") || a == QLatin1String("--version")
            || a == QLatin1String("-v"))
            return true;
    }
    return false;
}
