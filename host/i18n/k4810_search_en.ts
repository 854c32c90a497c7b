<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_3000</source>
        <translation>Find a setting: part of its name, key or value</translation>
    </message>
    <message>
        <source>K4810_3001</source>
        <translation>Finds settings on every page by their label, key name or value; choose a result to open its page and control</translation>
    </message>
    <message>
        <source>K4810_3002</source>
        <translation>No setting found</translation>
    </message>
    <message>
        <source>K4810_3003</source>
        <translation>Changed: %1</translation>
    </message>
    <message>
        <source>K4810_3004</source>
        <translation>List the settings that differ from the file or tracker reading they were loaded from, and revert them</translation>
    </message>
    <message>
        <source>K4810_3005</source>
        <translation>Compare with file…</translation>
    </message>
    <message>
        <source>K4810_3006</source>
        <translation>Show the differences between these settings and another settings file</translation>
    </message>
    <message>
        <source>K4810_3007</source>
        <translation>Loaded value: %1</translation>
    </message>
    <message>
        <source>K4810_3008</source>
        <translation>Reset to default (%1)</translation>
    </message>
    <message>
        <source>K4810_3009</source>
        <translation>Revert to loaded value (%1)</translation>
    </message>
    <message>
        <source>K4810_3010</source>
        <translation>Changed settings</translation>
    </message>
    <message>
        <source>K4810_3011</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>K4810_3012</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>K4810_3013</source>
        <translation>Loaded</translation>
    </message>
    <message>
        <source>K4810_3014</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>K4810_3015</source>
        <translation>Revert selected</translation>
    </message>
    <message>
        <source>K4810_3016</source>
        <translation>Revert all</translation>
    </message>
    <message>
        <source>K4810_3017</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>K4810_3018</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>K4810_3019</source>
        <translation>Set the selected settings back to the values they were loaded with</translation>
    </message>
    <message>
        <source>K4810_3020</source>
        <translation>%1 settings differ from the values they were loaded with. Double-click a row to open the setting.</translation>
    </message>
    <message>
        <source>K4810_3021</source>
        <translation>Reset this page to defaults</translation>
    </message>
    <message>
        <source>K4810_3022</source>
        <translation>Reset every page to defaults</translation>
    </message>
    <message>
        <source>K4810_3023</source>
        <translation>Reset to defaults</translation>
    </message>
    <message>
        <source>K4810_3024</source>
        <translation>Set every setting of the page "%1" to its default value?</translation>
    </message>
    <message>
        <source>K4810_3025</source>
        <translation>Set every setting of every page to its default value?</translation>
    </message>
    <message>
        <source>K4810_3026</source>
        <translation>Section</translation>
    </message>
    <message>
        <source>K4810_3027</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>K4810_3028</source>
        <translation>In the tracker</translation>
    </message>
    <message>
        <source>K4810_3029</source>
        <translation>To be written</translation>
    </message>
    <message>
        <source>K4810_3030</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>K4810_3031</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>K4810_3032</source>
        <translation>The settings to be written are the same as those last read from the tracker. Write them anyway?</translation>
    </message>
    <message>
        <source>K4810_3033</source>
        <translation>There is no reading of this tracker's settings to compare with (read the settings from the tracker first). Write all settings?</translation>
    </message>
    <message>
        <source>K4810_3034</source>
        <translation>Write to the tracker</translation>
    </message>
    <message>
        <source>K4810_3035</source>
        <translation>%1 settings will change on the tracker:</translation>
    </message>
    <message>
        <source>K4810_3036</source>
        <translation>Compare with a settings file</translation>
    </message>
    <message>
        <source>K4810_3037</source>
        <translation>In the editor</translation>
    </message>
    <message>
        <source>K4810_3038</source>
        <translation>%1 settings differ between the editor and %2:</translation>
    </message>
    <message>
        <source>K4810_3039</source>
        <translation>The editor and %1 hold the same settings.</translation>
    </message>
    <message>
        <source>K4810_3040</source>
        <translation>Settings file to compare with</translation>
    </message>
    <message>
        <source>K4810_3041</source>
        <translation>Unsaved changes</translation>
    </message>
    <message>
        <source>K4810_3042</source>
        <translation>%1 changed settings have not been saved or written to the tracker. Save them to a file first?</translation>
    </message>
    <message>
        <source>K4810_3043</source>
        <translation>Save…</translation>
    </message>
    <message>
        <source>K4810_3044</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>K4810_3045</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>K4810_3046</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>K4810_3047</source>
        <translation>The file %1 cannot be read:
%2</translation>
    </message>
    <message>
        <source>K4810_3048</source>
        <translation>Reset the settings of this page or of every page to their defaults</translation>
    </message>
</context>
</TS>
