<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_137</source>
        <translation>The test could not connect to the server.</translation>
    </message>
    <message>
        <source>K4810_138</source>
        <translation>Server connection test failed</translation>
    </message>
    <message>
        <source>K4810_139</source>
        <translation>The server accepted a connection from this computer.</translation>
    </message>
    <message>
        <source>K4810_140</source>
        <translation>Server connection test passed</translation>
    </message>
    <message>
        <source>K4810_1294</source>
        <translation>Roaming operators of SIM 1</translation>
    </message>
    <message>
        <source>K4810_1295</source>
        <translation>Mobile operators that SIM 1 may use in roaming, in order of preference. An operator is given by its code: country code and network code, for example 25001.</translation>
    </message>
    <message>
        <source>K4810_1296</source>
        <translation>Double-click a row to type or change its code; Up and Down move the selected code in the list.</translation>
    </message>
    <message>
        <source>K4810_1297</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>K4810_1298</source>
        <translation>Operator code</translation>
    </message>
    <message>
        <source>K4810_2400</source>
        <translation>Server address: %1</translation>
    </message>
    <message>
        <source>K4810_2401</source>
        <translation>Host name: %1</translation>
    </message>
    <message>
        <source>K4810_2402</source>
        <translation>The server refused the connection: nothing is listening on port %1.</translation>
    </message>
    <message>
        <source>K4810_2403</source>
        <translation>The host name "%1" could not be found.</translation>
    </message>
    <message>
        <source>K4810_2404</source>
        <translation>The server could not be reached: %1</translation>
    </message>
    <message>
        <source>K4810_2405</source>
        <translation>The server did not answer within %1 s.</translation>
    </message>
    <message>
        <source>K4810_2406</source>
        <translation>Port %1 is not a server port: the port must be from 1 to 65535.</translation>
    </message>
    <message>
        <source>K4810_2410</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>K4810_2411</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>K4810_2412</source>
        <translation>Digits only (up to 6)</translation>
    </message>
    <message>
        <source>K4810_2413</source>
        <translation>Move the selected code one place up the list</translation>
    </message>
    <message>
        <source>K4810_2414</source>
        <translation>Move the selected code one place down the list</translation>
    </message>
    <message>
        <source>K4810_2420</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>K4810_2421</source>
        <translation>Access point (APN)</translation>
    </message>
    <message>
        <source>K4810_2422</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>K4810_2423</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>K4810_2424</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>K4810_2425</source>
        <translation>Mobile internet</translation>
    </message>
    <message>
        <source>K4810_2426</source>
        <translation>Modem or router</translation>
    </message>
    <message>
        <source>K4810_2427</source>
        <translation>Fill in the access point, user name and password of the selected row</translation>
    </message>
    <message>
        <source>K4810_2428</source>
        <translation>Select an access point and press Use, or double-click it.</translation>
    </message>
</context>
</TS>
