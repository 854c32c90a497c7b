<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_191</source>
        <translation>Баланс</translation>
    </message>
    <message>
        <source>K4810_192</source>
        <translation>Баланс -</translation>
    </message>
    <message>
        <source>K4810_193</source>
        <translation>Баланс:</translation>
    </message>
    <message>
        <source>K4810_275</source>
        <translation>Температура 1</translation>
    </message>
    <message>
        <source>K4810_276</source>
        <translation>Температура 2</translation>
    </message>
    <message>
        <source>K4810_277</source>
        <translation>Температура 3</translation>
    </message>
    <message>
        <source>K4810_278</source>
        <translation>Температура 4</translation>
    </message>
    <message>
        <source>K4810_291</source>
        <translation>Вход 1</translation>
    </message>
    <message>
        <source>K4810_292</source>
        <translation>Вход 3</translation>
    </message>
    <message>
        <source>K4810_293</source>
        <translation>Вход 2</translation>
    </message>
    <message>
        <source>K4810_294</source>
        <translation>Аналоговый вход 1</translation>
    </message>
</context>
</TS>
