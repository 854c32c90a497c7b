<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_001</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>K4810_002</source>
        <translation>No</translation>
    </message>
    <message>
        <source>K5127_001</source>
        <translation>Page view</translation>
    </message>
    <message>
        <source>Hello</source>
        <translation>Not a key</translation>
    </message>
</context>
</TS>
