<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_018</source>
        <translation>Settings files (*.xml)</translation>
    </message>
    <message>
        <source>K4810_019</source>
        <translation>Save settings to file</translation>
    </message>
    <message>
        <source>K4810_020</source>
        <translation>Writing settings to the tracker</translation>
    </message>
    <message>
        <source>K4810_021</source>
        <translation>Waiting for the tracker to accept the first block…</translation>
    </message>
    <message>
        <source>K4810_022</source>
        <translation>Elapsed </translation>
    </message>
    <message>
        <source>K4810_023</source>
        <translation>   remaining </translation>
    </message>
    <message>
        <source>K4810_024</source>
        <translation>Settings written</translation>
    </message>
    <message>
        <source>K4810_025</source>
        <translation>All blocks of the settings have been written to the tracker. Apply the new settings now?</translation>
    </message>
    <message>
        <source>K4810_026</source>
        <translation>Save to file</translation>
    </message>
    <message>
        <source>K4810_027</source>
        <translation>Write to tracker</translation>
    </message>
    <message>
        <source>K4810_028</source>
        <translation>First</translation>
    </message>
    <message>
        <source>K4810_029</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>K4810_030</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>K4810_031</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>K4810_032</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>K4810_035</source>
        <translation>Save the settings of all pages to a settings file</translation>
    </message>
    <message>
        <source>K4810_036</source>
        <translation>Write the settings of all pages to the attached tracker</translation>
    </message>
    <message>
        <source>K4810_037</source>
        <translation>Go to the first page</translation>
    </message>
    <message>
        <source>K4810_038</source>
        <translation>Go to the previous page</translation>
    </message>
    <message>
        <source>K4810_039</source>
        <translation>Choose a page from the list of all pages (also on the right mouse button)</translation>
    </message>
    <message>
        <source>K4810_040</source>
        <translation>Go to the next page</translation>
    </message>
    <message>
        <source>K4810_041</source>
        <translation>Go to the last page</translation>
    </message>
    <message>
        <source>K4810_042</source>
        <translation>Close the settings editor</translation>
    </message>
    <message>
        <source>K4810_043</source>
        <translation>Show help for the current page</translation>
    </message>
    <message>
        <source>K4810_049</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>K4810_050</source>
        <translation>Data transfer</translation>
    </message>
    <message>
        <source>K4810_150</source>
        <translation>Track</translation>
    </message>
    <message>
        <source>K4810_190</source>
        <translation>System</translation>
    </message>
    <message>
        <source>K4810_230</source>
        <translation>CAN bus</translation>
    </message>
    <message>
        <source>K4810_270</source>
        <translation>Temperature sensors</translation>
    </message>
    <message>
        <source>K4810_290</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>K4810_340</source>
        <translation>Accelerometer</translation>
    </message>
    <message>
        <source>K4810_360</source>
        <translation>Output lines</translation>
    </message>
    <message>
        <source>K4810_420</source>
        <translation>Phones</translation>
    </message>
    <message>
        <source>K4810_819</source>
        <translation>RS-232/RS-485</translation>
    </message>
    <message>
        <source>K4810_994</source>
        <translation>Simplified view</translation>
    </message>
    <message>
        <source>K4810_1242</source>
        <translation>Touch-memory keys</translation>
    </message>
    <message>
        <source>K4810_1333</source>
        <translation>Guard profiles</translation>
    </message>
    <message>
        <source>K4810_1427</source>
        <translation>Driving style</translation>
    </message>
    <message>
        <source>K4810_1600</source>
        <translation>Settings not written</translation>
    </message>
    <message>
        <source>K4810_1601</source>
        <translation>The settings could not be written to %1. Check that the folder exists and that you may write to it.</translation>
    </message>
    <message>
        <source>K4810_1602</source>
        <translation>The settings could not be prepared for the tracker: the temporary settings file could not be written or read. Nothing was sent.</translation>
    </message>
    <message>
        <source>K4810_1700</source>
        <translation>Settings file not opened</translation>
    </message>
    <message>
        <source>K4810_1701</source>
        <translation>The settings file %1 could not be read: %2
The settings shown stay as they were.</translation>
    </message>
    <message>
        <source>K4810_3096</source>
        <translation>No answer from the tracker</translation>
    </message>
    <message>
        <source>K4810_1702</source>
        <translation>Values that cannot be stored as they are</translation>
    </message>
    <message>
        <source>K4810_1703</source>
        <translation>The tracker keeps each setting as at most 254 characters of the Cyrillic code page (windows-1251). These values from the file do not fit and will be written changed (a character the code page lacks as &quot;?&quot;, a longer text cut):&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Go on?</translation>
    </message>
    <message>
        <source>K4810_1704</source>
        <translation>longer than 254 characters</translation>
    </message>
    <message>
        <source>K4810_1705</source>
        <translation>holds characters outside windows-1251</translation>
    </message>
    <message>
        <source>K4810_1706</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>K4810_1707</source>
        <translation>The tracker refused a block of the settings. The settings were not written; write them again.</translation>
    </message>
    <message>
        <source>K4810_1708</source>
        <translation>The settings of this page are kept as they were read from the file or the tracker, and are written back unchanged.</translation>
    </message>
    <message>
        <source>K4810_1709</source>
        <translation>The tracker did not answer for %1 seconds. The settings were not written; check the connection and write them again.</translation>
    </message>
    <message>
        <source>K4810_1710</source>
        <translation>The tracker was disconnected while the settings were being written. The settings were not written.</translation>
    </message>
    <message>
        <source>K5127_001</source>
        <translation>Switch</translation>
    </message>
    <message>
        <source>K5127_002</source>
        <translation>Stay</translation>
    </message>
</context>
</TS>
