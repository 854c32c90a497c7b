#ifndef WORKINGPATHS_H
#define WORKINGPATHS_H

#include <QString>
#include <QStringList>

// The four working paths handed to the plug-in with 2049: the data folder
// (telemetry, fuel and accessory files), the settings folder, a transfer
// folder and a temporary folder, all under the user's data location. Each
// ends in '/', so a plug-in that appends a file name directly still lands
// inside the folder.
class WorkingPaths
{
public:
    enum Index { Data, Settings, Transfer, Temp, Count };

    // Under QStandardPaths::AppDataLocation.
    static QStringList defaults();
    // Under a given base folder.
    static QStringList under(const QString &base);
    // Creates the folders that are missing; false with the first failure.
    static bool create(const QStringList &paths, QString *error = nullptr);
};

#endif // WORKINGPATHS_H
