#ifndef ORV_FORMTMIVIEWPAGE_H
#define ORV_FORMTMIVIEWPAGE_H

#include "core/orv_filewindow.h"

// A saved telemetry file, shown page by page.
class orv_FormTmiViewPage : public ORV_FileWindow
{
    Q_OBJECT

public:
    explicit orv_FormTmiViewPage(ORV_Device_K4810 *device);

    // Loads the file and shows the window.
    void loadFile(const QString &fileName) { showFile(fileName); }
};

#endif // ORV_FORMTMIVIEWPAGE_H
