#ifndef PLUGINCHECK_H
#define PLUGINCHECK_H

#include <QString>
#include <QStringList>
#include <QTextStream>

// k4810-host --check: loads the plug-in through its exports, prints its
// identity from the library-info record and the interface level it
// answers to 2052. Needs a QCoreApplication, no display.
class PluginCheck
{
public:
    // 0 when the plug-in loads and answers as its record says; 1 with the
    // reason on err when the file is missing, is not a library, lacks an
    // export, gives no device handle or does not answer 2052 consistently.
    static int run(const QString &path, QTextStream &out, QTextStream &err,
                   const QStringList &catalogues = QStringList());
};

#endif // PLUGINCHECK_H
