<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_100</source>
        <translation>Тип объекта</translation>
    </message>
    <message>
        <source>K4810_101</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orv_FormXml_K4810</name>
    <message>
        <source>K4810_200</source>
        <translation>Own context</translation>
    </message>
</context>
</TS>
