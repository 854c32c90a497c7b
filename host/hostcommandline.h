#ifndef HOSTCOMMANDLINE_H
#define HOSTCOMMANDLINE_H

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

// Options of k4810-host:
//   --plugin PATH      the plug-in to load (default: libk4810.so beside the program)
//   --check            load the plug-in, print its identity and exit (no display needed)
//   --help-root DIR    folder the help pages are looked up under
//   --detached         start without attaching the simulated tracker
//   --monitor-server PORT  run a local monitoring server on 127.0.0.1:PORT
//   --help, --version
class HostCommandLine
{
public:
    HostCommandLine();

    // The program's arguments, program name first. False with errorText()
    // for an unknown option, a missing value or a stray argument.
    bool parse(const QStringList &arguments);
    QString errorText() const { return m_error; }
    // Needs a QCoreApplication (it names the program).
    QString helpText() const { return m_parser.helpText(); }

    bool check() const { return m_check; }
    bool help() const { return m_help; }
    bool version() const { return m_version; }
    bool detached() const { return m_detached; }
    QString pluginPath() const { return m_pluginPath; }
    QString helpRoot() const { return m_helpRoot; }
    // 1..65535, or 0 when no local monitoring server was asked for.
    int monitorServerPort() const { return m_monitorServerPort; }

    // Whether the arguments ask for something that runs without a display
    // (--check, --help, --version); looked at before any application exists.
    static bool wantsConsole(const QStringList &arguments);

private:
    QCommandLineParser m_parser;
    QString m_error;
    QString m_pluginPath;
    QString m_helpRoot;
    bool m_check = false;
    bool m_help = false;
    bool m_version = false;
    bool m_detached = false;
    int m_monitorServerPort = 0;
};

#endif // HOSTCOMMANDLINE_H
