<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_3085</source>
        <translation>tracker detached</translation>
    </message>
    <message>
        <source>K4810_3086</source>
        <translation>No tracker is attached: reading pages, commands and downloads are off until one is attached.</translation>
    </message>
    <message>
        <source>K4810_3087</source>
        <translation>The tracker did not answer within %1 s. Check the connection and ask again.</translation>
    </message>
    <message>
        <source>K4810_3088</source>
        <translation>The operator did not answer the balance request within %1 s.</translation>
    </message>
    <message>
        <source>K4810_3089</source>
        <translation>Dates and times are the tracker's clock (UTC), as its pages hold them.</translation>
    </message>
    <message>
        <source>K4810_3090</source>
        <translation>The pages, the files they are saved to and these date fields all use the tracker's clock, UTC, whatever this computer's time zone. The time zone of the settings file (%1) is written into the XML file for the programs that read it.</translation>
    </message>
    <message>
        <source>K4810_3091</source>
        <translation>%1 with summer time</translation>
    </message>
</context>
</TS>
