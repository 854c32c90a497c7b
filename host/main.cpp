// k4810-host: the stand-in host application. It loads the plug-in through
// its four exports, hands it the working paths and the automatic telemetry
// mode, attaches a simulated tracker and opens the plug-in's windows from
// its menus. "k4810-host --check" tests an installation without a display.

#include "host/hostcommandline.h"
#include "host/hostmainwindow.h"
#include "host/hostsettings.h"
#include "host/hosttranslator.h"
#include "host/messagelogmodel.h"
#include "host/plugincheck.h"
#include "host/pluginhost.h"
#include "host/pluginlibrary.h"
#include "host/simulator/simulatedtracker.h"
#include "host/workingpaths.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTextStream>

#include <cstdio>
#include <vector>

#ifndef K4810_HOST_VERSION
#define K4810_HOST_VERSION "0"
#endif

namespace {

void setApplicationNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("K4810"));
    QCoreApplication::setApplicationName(QStringLiteral("k4810-host"));
    QCoreApplication::setApplicationVersion(QStringLiteral(K4810_HOST_VERSION));
}

bool displayAvailable()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// A message box only where someone can see it.
bool canShowMessageBoxes()
{
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

QString pluginPathOf(const HostCommandLine &options)
{
    return options.pluginPath().isEmpty() ? PluginLibrary::defaultPath() : options.pluginPath();
}

// --check, --help, --version, or no display at all: no widgets.
int runConsole(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    setApplicationNames();
    QTextStream out(stdout);
    QTextStream err(stderr);

    HostCommandLine options;
    if (!options.parse(QCoreApplication::arguments())) {
        err << "k4810-host: " << options.errorText() << "\nTry 'k4810-host --help'." << Qt::endl;
        return 1;
    }
    if (options.help()) {
        out << options.helpText() << Qt::flush;
        return 0;
    }
    if (options.version()) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << Qt::endl;
        return 0;
    }
    const QString path = pluginPathOf(options);
    if (options.check()) {
        HostTranslator translator;
        translator.loadLanguage(QStringLiteral("en"), QString::fromLatin1(HostTranslator::kDefaultFolder),
                                HostTranslator::Texts::Plugin);
        return PluginCheck::run(path, out, err, translator.catalogues());
    }
    // The window cannot open here; say what is wrong with the plug-in first,
    // if anything, since that is what the user will have to fix anyway.
    PluginLibrary library;
    if (!library.load(path)) {
        err << "k4810-host: " << library.errorString() << Qt::endl;
        return 1;
    }
    err << "k4810-host: no display (DISPLAY and WAYLAND_DISPLAY are not set). Start it on a desktop or under "
           "xvfb-run; 'k4810-host --check' tests the plug-in without a display."
        << Qt::endl;
    return 1;
}

// QGuiApplication takes "-plugin <name>" (also spelt --plugin) for its own
// input plug-ins; our --plugin must not reach it.
std::vector<char *> withoutPluginOption(int argc, char **argv)
{
    std::vector<char *> kept;
    for (int i = 0; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (i > 0 && (a == "--plugin" || a == "-plugin")) {
            ++i; // and its value
            continue;
        }
        if (i > 0 && (a.startsWith("--plugin=") || a.startsWith("-plugin=")))
            continue;
        kept.push_back(argv[i]);
    }
    kept.push_back(nullptr);
    return kept;
}

int runWindow(int argc, char **argv, const QStringList &arguments)
{
    // Parsed before the application exists, from the untouched arguments.
    HostCommandLine options;
    const bool parsed = options.parse(arguments);

    std::vector<char *> qtArgv = withoutPluginOption(argc, argv);
    int qtArgc = int(qtArgv.size()) - 1;
    QApplication app(qtArgc, qtArgv.data());
    setApplicationNames();
    QApplication::setQuitOnLastWindowClosed(false);
    QTextStream err(stderr);

    const auto fail = [&err](const QString &message) {
        err << "k4810-host: " << message << Qt::endl;
        if (canShowMessageBoxes())
            QMessageBox::critical(nullptr, QStringLiteral("K-4810 host"), message);
        return 1;
    };

    if (!parsed)
        return fail(options.errorText() + QStringLiteral("\nTry 'k4810-host --help'."));

    // The language chosen last, else the system's when there are catalogues
    // for it, else English. The plug-in's windows keep the language the host
    // starts in; the host's own texts follow the language menu at once.
    HostSettings settings;
    const QStringList languages = HostTranslator::languages();
    QString language = settings.language();
    if (!languages.contains(language))
        language = HostTranslator::languageFor(QLocale::system(), languages);
    HostTranslator pluginTexts;
    if (pluginTexts.loadLanguage(language, QString::fromLatin1(HostTranslator::kDefaultFolder),
                                 HostTranslator::Texts::Plugin))
        QCoreApplication::installTranslator(&pluginTexts);
    else
        err << "k4810-host: no text catalogue found; the plug-in's windows will show text keys" << Qt::endl;
    HostTranslator hostTexts;
    if (hostTexts.loadLanguage(language, QString::fromLatin1(HostTranslator::kDefaultFolder),
                               HostTranslator::Texts::Host))
        QCoreApplication::installTranslator(&hostTexts);
    MessageLogModel log;
    PluginHost host;
    QObject::connect(&host, &PluginHost::messageLogged, &log, &MessageLogModel::append);
    if (!host.load(pluginPathOf(options)))
        return fail(host.errorString());

    // The plug-in finds its help pages and the tracker's description under
    // "Localization/" in the working directory; without one of its own, the
    // host works in its installation folder, where they are shipped.
    const QDir appDir(QCoreApplication::applicationDirPath());
    if (!QDir::current().exists(QStringLiteral("Localization")) && appDir.exists(QStringLiteral("Localization")))
        QDir::setCurrent(appDir.absolutePath());

    const QStringList paths = WorkingPaths::defaults();
    QString pathError;
    if (!WorkingPaths::create(paths, &pathError))
        err << "k4810-host: " << pathError << Qt::endl;
    host.sendEnvironment(paths, settings.autoTelemetryMode());
    host.setAnswerMode(settings.answerInsideSend() ? PluginHost::AnswerMode::InsideSend
                                                   : PluginHost::AnswerMode::Async);
    host.setAnswerDelay(settings.answerDelay());

    SimulatedTracker tracker(&host);
    tracker.addStandardServices();

    int status = 0;
    {
        HostMainWindow window(host, tracker, settings, log, paths);
        window.setLanguages(&hostTexts, languages, language);
        if (!options.helpRoot().isEmpty())
            window.setHelpRoot(options.helpRoot());
        window.show();
        if (options.monitorServerPort() > 0 && !window.startMonitorServer(quint16(options.monitorServerPort())))
            err << "k4810-host: the monitoring server cannot listen on port " << options.monitorServerPort() << ": "
                << window.monitorServerError() << Qt::endl;
        if (!options.detached() && settings.attachAtStart())
            tracker.attach();
        status = QApplication::exec();
    }
    // The plug-in deletes its windows when it is unloaded: that must happen
    // while the QApplication still exists.
    host.unload();
    return status;
}

} // namespace

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (HostCommandLine::wantsConsole(arguments) || !displayAvailable())
        return runConsole(argc, argv);
    return runWindow(argc, argv, arguments);
}
