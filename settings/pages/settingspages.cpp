#include "settings/pages/settingspages.h"

#include "accessories/orv_formbluetooth.h"
#include "accessories/orv_formcan.h"
#include "accessories/orv_formecodrive.h"
#include "accessories/orv_formrs.h"
#include "core/orvmessages.h"
#include "settings/editor/orv_formxml_k4810.h"
#include "settings/pages/orv_formaccelerometer.h"
#include "settings/pages/orv_formguard.h"
#include "settings/pages/orv_forminfo.h"
#include "settings/pages/orv_formoutputlines.h"
#include "settings/pages/orv_formphones.h"
#include "settings/pages/orv_formsensors.h"
#include "settings/pages/orv_formsystem.h"
#include "settings/pages/orv_formtempsensors.h"
#include "settings/pages/orv_formtm.h"
#include "settings/pages/orv_formtrack.h"
#include "settings/pages/orv_formtransfer.h"

#include <QCoreApplication>

// The pages of the settings editor, in tab order. A page is one row here:
// without `create` it is served by the generic page (ORV_CataloguePage);
// a designed page names its class with createPage<ORV_FormX> and includes
// its header above. Position 15 (PageEmail) has no page.
//
// Columns: position, class, section, title key, title, help page, create,
// live request, its answers, polled again after each answer.
namespace {

using E = orv_FormXml_K4810;

const QList<SettingsPageInfo> kPages = {
    {E::PageInfo, "ORV_FormInfo", nullptr, "K4810_049", nullptr, "k-4810p1.html", &createPage<ORV_FormInfo>},
    {E::PageTransfer, "ORV_FormTransfer", "TRANSFER", "K4810_050", nullptr, "k-4810p2.html",
     &createPage<ORV_FormTransfer>},
    {E::PageTrack, "ORV_FormTrack", "TRACK", "K4810_150", nullptr, "k-4810p3.html", &createPage<ORV_FormTrack>},
    {E::PageSystem, "ORV_FormSystem", "SYSTEM", "K4810_190", nullptr, "k-4810p4.html", &createPage<ORV_FormSystem>,
     OrvMsg::SystemPoll, {OrvMsg::StateAnswer}, false},
    {E::PageCAN, "ORV_FormCAN", "CAN", "K4810_230", nullptr, "k-4810p5.html", &createPage<ORV_FormCAN>},
    {E::PageRS, "ORV_FormRS", "RS485", "K4810_819", nullptr, "k-4810p6.html", &createPage<ORV_FormRS>},
    {E::PageTempSensors, "ORV_FormTempSensors", "TEMP_SENSORS", "K4810_270", nullptr, "k-4810p7.html",
     &createPage<ORV_FormTempSensors>},
    {E::PageSensors, "ORV_FormSensors", "SENSORS", "K4810_290", nullptr, "k-4810p8.html", &createPage<ORV_FormSensors>,
     OrvMsg::SensorsPoll, {OrvMsg::FuelLevelAnswer, OrvMsg::StateAnswer}, true},
    {E::PageAccelerometer, "ORV_FormAccelerometer", "ACCELEROMETER", "K4810_340", nullptr, "k-4810p9.html",
     &createPage<ORV_FormAccelerometer>,
     OrvMsg::AccelState, {OrvMsg::StateAnswer, OrvMsg::AccelAnswer, OrvMsg::AccelStateAnswer}, true},
    {E::PageOutputLines, "ORV_FormOutputLines", "OUTPUT_LINES", "K4810_360", nullptr, "k-4810p10.html",
     &createPage<ORV_FormOutputLines>},
    {E::PagePhones, "ORV_FormPhones", "PHONES", "K4810_420", nullptr, "k-4810p11.html", &createPage<ORV_FormPhones>},
    {E::PageTM, "ORV_FormTM", "TM_KEYS", "K4810_1242", nullptr, "k-4810p12.html", &createPage<ORV_FormTM>},
    {E::PageGuard, "ORV_FormGuard", "GUARD_PROFILES", "K4810_1333", nullptr, "k-4810p13.html", &createPage<ORV_FormGuard>},
    {E::PageEcoDrive, "ORV_FormEcoDrive", "ECODRIVE", "K4810_1427", nullptr, "k-4810p14.html",
     &createPage<ORV_FormEcoDrive>},
    {E::PageBluetooth, "ORV_FormBluetooth", "BLUETOOTH", nullptr, "Bluetooth", "k-4810p15.html",
     &createPage<ORV_FormBluetooth>},
};

} // namespace

QString SettingsPageInfo::titleText() const
{
    if (titleKey)
        return QCoreApplication::translate(className, titleKey);
    return QString::fromUtf8(title ? title : "");
}

const QList<SettingsPageInfo> &settingsPages()
{
    return kPages;
}

const SettingsPageInfo *settingsPage(int position)
{
    for (const SettingsPageInfo &p : kPages) {
        if (p.position == position)
            return &p;
    }
    return nullptr;
}
