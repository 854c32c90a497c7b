<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_2900</source>
        <translation>Virtual sensors</translation>
    </message>
    <message>
        <source>K4810_2901</source>
        <translation>Crash recording</translation>
    </message>
    <message>
        <source>K4810_2902</source>
        <translation>Axis calibration</translation>
    </message>
    <message>
        <source>K4810_2903</source>
        <translation>Thresholds of the virtual sensors</translation>
    </message>
    <message>
        <source>K4810_2904</source>
        <translation>Light shock, %:</translation>
    </message>
    <message>
        <source>K4810_2905</source>
        <translation>Strong shock, %:</translation>
    </message>
    <message>
        <source>K4810_2906</source>
        <translation>Relocation, %:</translation>
    </message>
    <message>
        <source>K4810_2907</source>
        <translation>Inclination, degrees:</translation>
    </message>
    <message>
        <source>K4810_2908</source>
        <translation>Wake-up by movement</translation>
    </message>
    <message>
        <source>K4810_2909</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>K4810_2910</source>
        <translation>On, sensitivity:</translation>
    </message>
    <message>
        <source>K4810_2911</source>
        <translation>Record crashes</translation>
    </message>
    <message>
        <source>K4810_2912</source>
        <translation>One threshold</translation>
    </message>
    <message>
        <source>K4810_2913</source>
        <translation>Two steps</translation>
    </message>
    <message>
        <source>K4810_2914</source>
        <translation>Wait after the ignition is switched on, s:</translation>
    </message>
    <message>
        <source>K4810_2915</source>
        <translation>Thresholds of the first step (X, Y, Z), g:</translation>
    </message>
    <message>
        <source>K4810_2916</source>
        <translation>Thresholds of the second step (X, Y, Z), g:</translation>
    </message>
    <message>
        <source>K4810_2917</source>
        <translation>Recording time, s:</translation>
    </message>
    <message>
        <source>K4810_2918</source>
        <translation>Acceleration severity index (ASI) threshold:</translation>
    </message>
    <message>
        <source>K4810_2919</source>
        <translation>What the accelerometer measures now</translation>
    </message>
    <message>
        <source>K4810_2920</source>
        <translation>Axes X, Y, Z, g:</translation>
    </message>
    <message>
        <source>K4810_2921</source>
        <translation>Shock level now, %:</translation>
    </message>
    <message>
        <source>K4810_2922</source>
        <translation>Inclination now, degrees:</translation>
    </message>
    <message>
        <source>K4810_2923</source>
        <translation>Axis calibration:</translation>
    </message>
    <message>
        <source>K4810_2924</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>K4810_2925</source>
        <translation>Read automatically every</translation>
    </message>
    <message>
        <source>K4810_2926</source>
        <translation>not calibrated</translation>
    </message>
    <message>
        <source>K4810_2927</source>
        <translation>calibrated (autonomous calibration)</translation>
    </message>
    <message>
        <source>K4810_2928</source>
        <translation>calibrated from GNSS data</translation>
    </message>
    <message>
        <source>K4810_2929</source>
        <translation>GNSS calibration under way</translation>
    </message>
    <message>
        <source>K4810_2930</source>
        <translation>Short list in the settings (up to 16 keys)</translation>
    </message>
    <message>
        <source>K4810_2931</source>
        <translation>Key file written to the tracker (up to 510 keys)</translation>
    </message>
    <message>
        <source>K4810_2932</source>
        <translation>Keys the tracker accepts:</translation>
    </message>
    <message>
        <source>K4810_2933</source>
        <translation>The tracker accepts either the short list of up to 16 keys kept in these settings, or a key file of up to 510 keys. The key file is kept on the computer in .tmk files and written to the tracker with "Write to the tracker"; it is not part of the settings file.</translation>
    </message>
    <message>
        <source>K4810_2934</source>
        <translation>Key in the records:</translation>
    </message>
    <message>
        <source>K4810_2935</source>
        <translation>full key code</translation>
    </message>
    <message>
        <source>K4810_2936</source>
        <translation>number in the key list</translation>
    </message>
    <message>
        <source>K4810_2937</source>
        <translation>Record an event when the key is cleared</translation>
    </message>
    <message>
        <source>K4810_2938</source>
        <translation>Key %1: touch the key to the tracker's reader...</translation>
    </message>
    <message>
        <source>K4810_2939</source>
        <translation>Key %1: the code was read.</translation>
    </message>
    <message>
        <source>K4810_2940</source>
        <translation>No key was touched to the reader.</translation>
    </message>
    <message>
        <source>K4810_2941</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>K4810_2942</source>
        <translation>Calibration wizard...</translation>
    </message>
    <message>
        <source>K4810_2943</source>
        <translation>Reset the calibration</translation>
    </message>
    <message>
        <source>K4810_2944</source>
        <translation>The tracker tells the vehicle's directions (acceleration, braking, turns) only once the accelerometer's axes are aligned with the vehicle. Run the calibration wizard after fitting the tracker, and its check after every calibration and whenever the tracker was removed and fitted again.</translation>
    </message>
    <message>
        <source>K4810_2945</source>
        <translation>s</translation>
    </message>
    <message>
        <source>K4810_2946</source>
        <translation>The tracker will forget the calibration of its axes and tell no directions until it is calibrated again. Reset the calibration?</translation>
    </message>
    <message>
        <source>K4810_2947</source>
        <translation>The tracker has reset the calibration of its axes.</translation>
    </message>
    <message>
        <source>K4810_2948</source>
        <translation>The tracker's firmware cannot reset the calibration.</translation>
    </message>
    <message>
        <source>K4810_2949</source>
        <translation>The tracker could not reset the calibration (answer %1).</translation>
    </message>
</context>
</TS>
