#ifndef ORV_FORMFUELVIEW_H
#define ORV_FORMFUELVIEW_H

#include "core/orv_filewindow.h"

// The fuel view: a fuel-sensor calibration file, its report and graph.
class ORV_FormFuelView : public ORV_FileWindow
{
    Q_OBJECT

public:
    explicit ORV_FormFuelView(ORV_Device_K4810 *device);

    // Loads the file and shows the window.
    void openFile(const QString &fileName) { showFile(fileName); }
};

#endif // ORV_FORMFUELVIEW_H
