<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_2950</source>
        <translation>V</translation>
    </message>
    <message>
        <source>K4810_2951</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>K4810_2952</source>
        <translation>rpm</translation>
    </message>
    <message>
        <source>K4810_2953</source>
        <translation>m</translation>
    </message>
    <message>
        <source>K4810_2954</source>
        <translation>Trip summary</translation>
    </message>
    <message>
        <source>K4810_2955</source>
        <translation>Pages: %1, from %2 to %3</translation>
    </message>
    <message>
        <source>K4810_2956</source>
        <translation>at %1, %2</translation>
    </message>
    <message>
        <source>K4810_2957</source>
        <translation>Distance: %1 %2</translation>
    </message>
    <message>
        <source>K4810_2958</source>
        <translation>(as the tracker counted it)</translation>
    </message>
    <message>
        <source>K4810_2959</source>
        <translation>(between the positions with a fix)</translation>
    </message>
    <message>
        <source>K4810_2960</source>
        <translation>Driving: %1</translation>
    </message>
    <message>
        <source>K4810_2961</source>
        <translation>Parking: %1</translation>
    </message>
    <message>
        <source>K4810_2962</source>
        <translation>Maximum speed: %1 %2</translation>
    </message>
    <message>
        <source>K4810_2963</source>
        <translation>Average speed while driving: %1 %2</translation>
    </message>
    <message>
        <source>K4810_2964</source>
        <translation>Engine running: %1</translation>
    </message>
    <message>
        <source>K4810_2965</source>
        <translation>Engine running: not recorded</translation>
    </message>
    <message>
        <source>K4810_2966</source>
        <translation>Stops of %1 or longer: %2</translation>
    </message>
    <message>
        <source>K4810_2967</source>
        <translation>%1. %2 to %3 (%4)</translation>
    </message>
    <message>
        <source>K4810_2968</source>
        <translation>Fuel level: %1</translation>
    </message>
    <message>
        <source>K4810_2969</source>
        <translation>Fuel: no fuel level chosen, or none recorded</translation>
    </message>
    <message>
        <source>K4810_2970</source>
        <translation>Level at the start: %1, at the end: %2</translation>
    </message>
    <message>
        <source>K4810_2971</source>
        <translation>Fuel used: %1</translation>
    </message>
    <message>
        <source>K4810_2972</source>
        <translation>Refuels (a rise of %1 or more): %2, poured %3</translation>
    </message>
    <message>
        <source>K4810_2973</source>
        <translation>%1. %2 to %3: from %4 to %5 (+%6)</translation>
    </message>
    <message>
        <source>K4810_2974</source>
        <translation>GPX track (GPS Exchange Format)</translation>
    </message>
    <message>
        <source>K4810_2975</source>
        <translation>Timed track for Google Earth (KML)</translation>
    </message>
    <message>
        <source>K4810_2976</source>
        <translation>No values to show: tick the values to draw on the left.</translation>
    </message>
    <message>
        <source>K4810_2977</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>K4810_2978</source>
        <translation>Telemetry analysis</translation>
    </message>
    <message>
        <source>K4810_2979</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>K4810_2980</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>K4810_2981</source>
        <translation>Whole interval</translation>
    </message>
    <message>
        <source>K4810_2982</source>
        <translation>Open page</translation>
    </message>
    <message>
        <source>K4810_2983</source>
        <translation>Stops of at least, min:</translation>
    </message>
    <message>
        <source>K4810_2984</source>
        <translation>Fuel level:</translation>
    </message>
    <message>
        <source>K4810_2985</source>
        <translation>Least refuel:</translation>
    </message>
    <message>
        <source>K4810_2986</source>
        <translation>Save as text…</translation>
    </message>
    <message>
        <source>K4810_2987</source>
        <translation>The trip summary could not be saved to %1: %2</translation>
    </message>
    <message>
        <source>K4810_2988</source>
        <translation>Record bytes</translation>
    </message>
    <message>
        <source>K4810_2989</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>K4810_2990</source>
        <translation>Bit</translation>
    </message>
    <message>
        <source>K4810_2991</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>K4810_2992</source>
        <translation>Raw value</translation>
    </message>
    <message>
        <source>K4810_2993</source>
        <translation>%1 bytes, as the tracker sent them</translation>
    </message>
    <message>
        <source>K4810_2994</source>
        <translation>%1 bytes, rebuilt from the values of the text file</translation>
    </message>
    <message>
        <source>K4810_2995</source>
        <translation>(cut: the record ends inside this field)</translation>
    </message>
    <message>
        <source>K4810_2996</source>
        <translation>(read by no field)</translation>
    </message>
    <message>
        <source>K4810_2997</source>
        <translation>Reading the pages…</translation>
    </message>
    <message>
        <source>K4810_2998</source>
        <translation>Wheel: zoom in or out. Drag: move along time. Click: open the page in the page view. Keys: + and - zoom, arrows move, Home shows all.</translation>
    </message>
    <message>
        <source>K4810_2999</source>
        <translation>Double-click a stop or a refuel to see it on the chart</translation>
    </message>
</context>
</TS>
