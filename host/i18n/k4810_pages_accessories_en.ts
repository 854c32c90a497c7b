<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_218</source>
        <translation>FMS adapter (CAN FMS)</translation>
    </message>
    <message>
        <source>K4810_219</source>
        <translation>Not used</translation>
    </message>
    <message>
        <source>K4810_220</source>
        <translation>Fuel-level sensors</translation>
    </message>
    <message>
        <source>K4810_221</source>
        <translation>CAN-LOG adapter</translation>
    </message>
    <message>
        <source>K4810_223</source>
        <translation>Digital camera</translation>
    </message>
    <message>
        <source>K4810_224</source>
        <translation>Driver display DV-01</translation>
    </message>
    <message>
        <source>K4810_229</source>
        <translation>Information display</translation>
    </message>
    <message>
        <source>K4810_891</source>
        <translation>LLS-compatible</translation>
    </message>
    <message>
        <source>K4810_892</source>
        <translation>LLS-compatible with temperature</translation>
    </message>
    <message>
        <source>K4810_893</source>
        <translation>Modbus level sensor</translation>
    </message>
    <message>
        <source>K4810_894</source>
        <translation>Combined (repeats another sensor)</translation>
    </message>
    <message>
        <source>K4810_1065</source>
        <translation>Tachograph</translation>
    </message>
    <message>
        <source>K4810_1206</source>
        <translation>Other device (no protocol code)</translation>
    </message>
    <message>
        <source>K4810_1207</source>
        <translation>Route informer</translation>
    </message>
    <message>
        <source>K4810_1208</source>
        <translation>Agricultural machinery controller</translation>
    </message>
    <message>
        <source>K4810_1209</source>
        <translation>Iridium satellite modem</translation>
    </message>
    <message>
        <source>K4810_1210</source>
        <translation>Modbus device</translation>
    </message>
    <message>
        <source>K4810_1217</source>
        <translation>Tachograph with fuel data</translation>
    </message>
    <message>
        <source>K4810_1220</source>
        <translation>Tyre-pressure monitoring</translation>
    </message>
    <message>
        <source>K4810_1416</source>
        <translation>RFID card reader</translation>
    </message>
    <message>
        <source>K4810_1469</source>
        <translation>Message display</translation>
    </message>
    <message>
        <source>K4810_1480</source>
        <translation>Refrigeration unit</translation>
    </message>
    <message>
        <source>K4810_1504</source>
        <translation>Fuel-level sensors, combined tanks</translation>
    </message>
    <message>
        <source>K4810_1509</source>
        <translation>Passenger counter</translation>
    </message>
    <message>
        <source>K4810_1510</source>
        <translation>Passenger counter (IP)</translation>
    </message>
    <message>
        <source>K4810_1529</source>
        <translation>Alcohol interlock</translation>
    </message>
    <message>
        <source>K4810_1533</source>
        <translation>DTA CAN adapter</translation>
    </message>
    <message>
        <source>K4810_2850</source>
        <translation>Use the bus for:</translation>
    </message>
    <message>
        <source>K4810_2851</source>
        <translation>Speed, bit/s:</translation>
    </message>
    <message>
        <source>K4810_2852</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>K4810_2853</source>
        <translation>Response, ms</translation>
    </message>
    <message>
        <source>K4810_2854</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>K4810_2855</source>
        <translation>Averaging</translation>
    </message>
    <message>
        <source>K4810_2856</source>
        <translation>Filter step</translation>
    </message>
    <message>
        <source>K4810_2857</source>
        <translation>Motion threshold</translation>
    </message>
    <message>
        <source>K4810_2858</source>
        <translation>Calibration table…</translation>
    </message>
    <message>
        <source>K4810_2859</source>
        <translation>repeats sensor %1</translation>
    </message>
    <message>
        <source>K4810_2860</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>K4810_2861</source>
        <translation>Do not poll the tachograph</translation>
    </message>
    <message>
        <source>K4810_2862</source>
        <translation>Hold time, s</translation>
    </message>
    <message>
        <source>K4810_2863</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>K4810_2864</source>
        <translation>Reader ID</translation>
    </message>
    <message>
        <source>K4810_2865</source>
        <translation>Card format</translation>
    </message>
    <message>
        <source>K4810_2866</source>
        <translation>Read cards held close only</translation>
    </message>
    <message>
        <source>K4810_2867</source>
        <translation>Signal floor, dBm</translation>
    </message>
    <message>
        <source>K4810_2868</source>
        <translation>Event for each passenger entering</translation>
    </message>
    <message>
        <source>K4810_2869</source>
        <translation>The RS-232 port is shown as the tracker holds it; this page does not change it.</translation>
    </message>
    <message>
        <source>K4810_2870</source>
        <translation>Event thresholds (an event when a value passes its threshold)</translation>
    </message>
    <message>
        <source>K4810_2871</source>
        <translation>CAN: vehicle weight, kg</translation>
    </message>
    <message>
        <source>K4810_2872</source>
        <translation>CAN: engine speed limit, rpm</translation>
    </message>
    <message>
        <source>K4810_2873</source>
        <translation>Check the adapter</translation>
    </message>
    <message>
        <source>K4810_2874</source>
        <translation>The adapter at address %1 answers.</translation>
    </message>
    <message>
        <source>K4810_2875</source>
        <translation>No answer from the adapter at address %1.</translation>
    </message>
    <message>
        <source>K4810_2876</source>
        <translation>Device:</translation>
    </message>
    <message>
        <source>K4810_2877</source>
        <translation>MAC address:</translation>
    </message>
    <message>
        <source>K4810_2878</source>
        <translation>Pairing code:</translation>
    </message>
    <message>
        <source>K4810_2879</source>
        <translation>Find devices</translation>
    </message>
    <message>
        <source>K4810_2880</source>
        <translation>The tracker did not finish the search in time; the search was stopped.</translation>
    </message>
    <message>
        <source>K4810_2881</source>
        <translation>The tracker was disconnected; the search ended.</translation>
    </message>
    <message>
        <source>K4810_2882</source>
        <translation>Safety</translation>
    </message>
    <message>
        <source>K4810_2883</source>
        <translation>Safety input %1</translation>
    </message>
    <message>
        <source>K4810_2884</source>
        <translation>Buzzer</translation>
    </message>
    <message>
        <source>K4810_2885</source>
        <translation>Speed control</translation>
    </message>
    <message>
        <source>K4810_2886</source>
        <translation>Source:</translation>
    </message>
    <message>
        <source>K4810_2887</source>
        <translation>Reset after each event</translation>
    </message>
    <message>
        <source>K4810_2888</source>
        <translation>From, km/h</translation>
    </message>
    <message>
        <source>K4810_2889</source>
        <translation>To, km/h</translation>
    </message>
    <message>
        <source>K4810_2890</source>
        <translation>Duration, s</translation>
    </message>
    <message>
        <source>K4810_2891</source>
        <translation>Acceleration control</translation>
    </message>
    <message>
        <source>K4810_2892</source>
        <translation>Units:</translation>
    </message>
    <message>
        <source>K4810_2893</source>
        <translation>Acceleration</translation>
    </message>
    <message>
        <source>K4810_2894</source>
        <translation>Braking</translation>
    </message>
    <message>
        <source>K4810_2895</source>
        <translation>Cornering</translation>
    </message>
    <message>
        <source>K4810_2896</source>
        <translation>Jolts</translation>
    </message>
    <message>
        <source>K4810_2897</source>
        <translation>Threshold</translation>
    </message>
    <message>
        <source>K4810_2898</source>
        <translation>Duration, ms</translation>
    </message>
    <message>
        <source>K4810_2899</source>
        <translation>Hold, ms</translation>
    </message>
    <message>
        <source>LLS-совместимый (с расширенным диапазоном)</source>
        <translation>LLS-compatible (extended range)</translation>
    </message>
    <message>
        <source>Поиск активных устройств...</source>
        <translation>Searching for active devices...</translation>
    </message>
    <message>
        <source>Найдено устройство: %1</source>
        <translation>Device found: %1</translation>
    </message>
    <message>
        <source>Поиск завершен. &lt;br&gt;Активных устройств не найдено.</source>
        <translation>Search finished. &lt;br&gt;No active devices found.</translation>
    </message>
    <message>
        <source>Поиск завершен. &lt;br&gt;Найдено устройств: %1</source>
        <translation>Search finished. &lt;br&gt;Devices found: %1</translation>
    </message>
    <message>
        <source>Ошибка, поиск отменён.</source>
        <translation>Error, search cancelled.</translation>
    </message>
    <message>
        <source>Поиск отменён пользователем.</source>
        <translation>Search cancelled by the user.</translation>
    </message>
</context>
</TS>
