<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_001</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>K4810_002</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>K4810_003</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>K4810_033</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>K4810_034</source>
        <translation>Справка</translation>
    </message>
</context>
<context>
    <name>LocalizedFile</name>
    <message>
        <source>en</source>
        <extracomment>The code of this catalogue's language: the plug-in shows the tracker's description in it.</extracomment>
        <translation>ru</translation>
    </message>
</context>
</TS>
