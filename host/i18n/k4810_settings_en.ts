<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_191</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>K4810_192</source>
        <translation>Balance -</translation>
    </message>
    <message>
        <source>K4810_193</source>
        <translation>Balance:</translation>
    </message>
    <message>
        <source>K4810_275</source>
        <translation>Temperature 1</translation>
    </message>
    <message>
        <source>K4810_276</source>
        <translation>Temperature 2</translation>
    </message>
    <message>
        <source>K4810_277</source>
        <translation>Temperature 3</translation>
    </message>
    <message>
        <source>K4810_278</source>
        <translation>Temperature 4</translation>
    </message>
    <message>
        <source>K4810_291</source>
        <translation>Input 1</translation>
    </message>
    <message>
        <source>K4810_292</source>
        <translation>Input 3</translation>
    </message>
    <message>
        <source>K4810_293</source>
        <translation>Input 2</translation>
    </message>
    <message>
        <source>K4810_294</source>
        <translation>Analog input 1</translation>
    </message>
</context>
</TS>
