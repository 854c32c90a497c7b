#ifndef ORV_FORMTMIVIEWTABLE_H
#define ORV_FORMTMIVIEWTABLE_H

#include "core/orv_filewindow.h"

// A saved telemetry file, shown as a table.
class orv_FormTmiViewTable : public ORV_FileWindow
{
    Q_OBJECT

public:
    explicit orv_FormTmiViewTable(ORV_Device_K4810 *device);

    // Loads the file and shows the window.
    void loadFile(const QString &fileName) { showFile(fileName); }
};

#endif // ORV_FORMTMIVIEWTABLE_H
