<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_580</source>
        <translation>Object:</translation>
    </message>
    <message>
        <source>K4810_581</source>
        <translation>s</translation>
    </message>
    <message>
        <source>K4810_582</source>
        <translation>s</translation>
    </message>
    <message>
        <source>K4810_583</source>
        <translation>Telemetry</translation>
    </message>
    <message>
        <source>K4810_584</source>
        <translation>Save the track or the telemetry file</translation>
    </message>
    <message>
        <source>K4810_585</source>
        <translation>Save the telemetry as a text file or a table</translation>
    </message>
    <message>
        <source>K4810_586</source>
        <translation>Looking for the first page of the interval…</translation>
    </message>
    <message>
        <source>K4810_588</source>
        <translation>Reading the pages of the interval…</translation>
    </message>
    <message>
        <source>K4810_589</source>
        <translation>Requesting the SIM card balance</translation>
    </message>
    <message>
        <source>K4810_590</source>
        <translation>The tracker sends the operator's USSD request and waits for the answer</translation>
    </message>
    <message>
        <source>K4810_591</source>
        <translation>10 s</translation>
    </message>
    <message>
        <source>K4810_592</source>
        <translation>USSD code: </translation>
    </message>
    <message>
        <source>K4810_593</source>
        <translation>USSD code of the balance request (for example *100#):</translation>
    </message>
    <message>
        <source>K4810_594</source>
        <translation>SIM card balance</translation>
    </message>
    <message>
        <source>K4810_595</source>
        <translation>The tracker's GSM module is off or not registered in the network, so the balance cannot be requested now.</translation>
    </message>
    <message>
        <source>K4810_596</source>
        <translation>SIM card balance</translation>
    </message>
    <message>
        <source>K4810_597</source>
        <translation>Page number</translation>
    </message>
    <message>
        <source>K4810_598</source>
        <translation>Event code</translation>
    </message>
    <message>
        <source>K4810_599</source>
        <translation>Record time</translation>
    </message>
    <message>
        <source>K4810_600</source>
        <translation>Record state</translation>
    </message>
    <message>
        <source>K4810_601</source>
        <translation>Module state</translation>
    </message>
    <message>
        <source>K4810_602</source>
        <translation>GSM signal, %</translation>
    </message>
    <message>
        <source>K4810_603</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>K4810_604</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>K4810_606</source>
        <translation>Main power, V</translation>
    </message>
    <message>
        <source>K4810_607</source>
        <translation>Backup battery, V</translation>
    </message>
    <message>
        <source>K4810_608</source>
        <translation>Analogue input 1, V</translation>
    </message>
    <message>
        <source>K4810_609</source>
        <translation>Analogue input 2, V</translation>
    </message>
    <message>
        <source>K4810_610</source>
        <translation>Analogue input 3, V</translation>
    </message>
    <message>
        <source>K4810_611</source>
        <translation>Pulse counter 1</translation>
    </message>
    <message>
        <source>K4810_612</source>
        <translation>Pulse counter 2</translation>
    </message>
    <message>
        <source>K4810_615</source>
        <translation>Frequency 1, Hz</translation>
    </message>
    <message>
        <source>K4810_616</source>
        <translation>Frequency 2, Hz</translation>
    </message>
    <message>
        <source>K4810_617</source>
        <translation>Engine hours counter</translation>
    </message>
    <message>
        <source>K4810_618</source>
        <translation>RS-485 sensor 1 level</translation>
    </message>
    <message>
        <source>K4810_629</source>
        <translation>RS-485 sensor 3 level</translation>
    </message>
    <message>
        <source>K4810_630</source>
        <translation>RS-485 sensor 4 level</translation>
    </message>
    <message>
        <source>K4810_631</source>
        <translation>RS-485 sensor 5 level</translation>
    </message>
    <message>
        <source>K4810_632</source>
        <translation>RS-485 sensor 6 level</translation>
    </message>
    <message>
        <source>K4810_633</source>
        <translation>RS-232 sensor level</translation>
    </message>
    <message>
        <source>K4810_634</source>
        <translation>Temperature 1, °C</translation>
    </message>
    <message>
        <source>K4810_637</source>
        <translation>Temperature 2, °C</translation>
    </message>
    <message>
        <source>K4810_638</source>
        <translation>Temperature 3, °C</translation>
    </message>
    <message>
        <source>K4810_639</source>
        <translation>Temperature 4, °C</translation>
    </message>
    <message>
        <source>K4810_640</source>
        <translation>Navigation receiver state</translation>
    </message>
    <message>
        <source>K4810_641</source>
        <translation>Last valid fix</translation>
    </message>
    <message>
        <source>K4810_642</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>K4810_643</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>K4810_644</source>
        <translation>Altitude, m</translation>
    </message>
    <message>
        <source>K4810_645</source>
        <translation>Speed, km/h</translation>
    </message>
    <message>
        <source>K4810_646</source>
        <translation>Course, °</translation>
    </message>
    <message>
        <source>K4810_647</source>
        <translation>Mileage, km</translation>
    </message>
    <message>
        <source>K4810_648</source>
        <translation>Last segment, km</translation>
    </message>
    <message>
        <source>K4810_649</source>
        <translation>Seconds counted</translation>
    </message>
    <message>
        <source>K4810_650</source>
        <translation>Seconds since the last point</translation>
    </message>
    <message>
        <source>K4810_651</source>
        <translation>Download complete: the file is saved.</translation>
    </message>
    <message>
        <source>K4810_657</source>
        <translation>Input IN1</translation>
    </message>
    <message>
        <source>K4810_658</source>
        <translation>Input IN2</translation>
    </message>
    <message>
        <source>K4810_659</source>
        <translation>Input IN3</translation>
    </message>
    <message>
        <source>K4810_660</source>
        <translation>Analogue input AIN1</translation>
    </message>
    <message>
        <source>K4810_695</source>
        <translation>CAN: fuel level</translation>
    </message>
    <message>
        <source>K4810_696</source>
        <translation>CAN: fuel used, l</translation>
    </message>
    <message>
        <source>K4810_697</source>
        <translation>CAN: engine speed, rpm</translation>
    </message>
    <message>
        <source>K4810_698</source>
        <translation>CAN: total mileage, km</translation>
    </message>
    <message>
        <source>K4810_840</source>
        <translation>CAN: axle 1 load</translation>
    </message>
    <message>
        <source>K4810_841</source>
        <translation>CAN: axle 2 load</translation>
    </message>
    <message>
        <source>K4810_842</source>
        <translation>CAN: axle 3 load</translation>
    </message>
    <message>
        <source>K4810_843</source>
        <translation>CAN: axle 4 load</translation>
    </message>
    <message>
        <source>K4810_844</source>
        <translation>CAN: axle 5 load</translation>
    </message>
    <message>
        <source>K4810_845</source>
        <translation>CAN: vehicle speed</translation>
    </message>
    <message>
        <source>K4810_846</source>
        <translation>CAN: coolant temperature</translation>
    </message>
    <message>
        <source>K4810_847</source>
        <translation>CAN: accelerator pedal</translation>
    </message>
    <message>
        <source>K4810_848</source>
        <translation>CAN: brake pedal</translation>
    </message>
    <message>
        <source>K4810_849</source>
        <translation>CAN: engine load</translation>
    </message>
    <message>
        <source>K4810_850</source>
        <translation>CAN: engine hours</translation>
    </message>
    <message>
        <source>K4810_851</source>
        <translation>CAN: distance to service</translation>
    </message>
    <message>
        <source>K4810_854</source>
        <translation>RS-485 sensor 2 level</translation>
    </message>
    <message>
        <source>K4810_1610</source>
        <translation>The file %1 could not be written (%2). Nothing was saved: choose another folder or file name and download the interval again.</translation>
    </message>
    <message>
        <source>K4810_1611</source>
        <translation>The end of the interval is before its start. Set the end after the start and try again.</translation>
    </message>
    <message>
        <source>K4810_1612</source>
        <translation>The tracker has no page after the first page of the interval (first page %1, last page %2), so there is nothing to download.</translation>
    </message>
    <message>
        <source>K4810_1613</source>
        <translation>The tracker sent a page that cannot be read. The download stopped and no file was saved.</translation>
    </message>
    <message>
        <source>K4810_1614</source>
        <translation>Current</translation>
    </message>
    <message>
        <source>K4810_1615</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>K4810_1616</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>K4810_1617</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>K4810_1618</source>
        <translation>Poll every</translation>
    </message>
    <message>
        <source>K4810_1619</source>
        <translation>O1 on</translation>
    </message>
    <message>
        <source>K4810_1620</source>
        <translation>O1 off</translation>
    </message>
    <message>
        <source>K4810_1621</source>
        <translation>O2 on</translation>
    </message>
    <message>
        <source>K4810_1622</source>
        <translation>O2 off</translation>
    </message>
    <message>
        <source>K4810_1623</source>
        <translation>Guard on</translation>
    </message>
    <message>
        <source>K4810_1624</source>
        <translation>Observation</translation>
    </message>
    <message>
        <source>K4810_1625</source>
        <translation>Mileage…</translation>
    </message>
    <message>
        <source>K4810_1626</source>
        <translation>SIM balance</translation>
    </message>
    <message>
        <source>K4810_1627</source>
        <translation>Download an interval</translation>
    </message>
    <message>
        <source>K4810_1628</source>
        <translation>From</translation>
    </message>
    <message>
        <source>K4810_1629</source>
        <translation>To</translation>
    </message>
    <message>
        <source>K4810_1630</source>
        <translation>Text file (XML)</translation>
    </message>
    <message>
        <source>K4810_1631</source>
        <translation>Table (CSV)</translation>
    </message>
    <message>
        <source>K4810_1632</source>
        <translation>Telemetry file (.tmi)</translation>
    </message>
    <message>
        <source>K4810_1633</source>
        <translation>More</translation>
    </message>
    <message>
        <source>K4810_1634</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>K4810_1635</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>K4810_1636</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>K4810_1637</source>
        <translation>Clear unsent data</translation>
    </message>
    <message>
        <source>K4810_1638</source>
        <translation>Server 1</translation>
    </message>
    <message>
        <source>K4810_1639</source>
        <translation>Server 2</translation>
    </message>
    <message>
        <source>K4810_1640</source>
        <translation>Server 3</translation>
    </message>
    <message>
        <source>K4810_1641</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>K4810_1642</source>
        <translation>Fuel sensors…</translation>
    </message>
    <message>
        <source>K4810_1643</source>
        <translation>Tachograph…</translation>
    </message>
    <message>
        <source>K4810_1644</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>K4810_1645</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>K4810_1646</source>
        <translation>Touch-memory key</translation>
    </message>
    <message>
        <source>K4810_1647</source>
        <translation>RFID tag</translation>
    </message>
    <message>
        <source>K4810_1648</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>K4810_1649</source>
        <translation>Power, inputs and outputs</translation>
    </message>
    <message>
        <source>K4810_1650</source>
        <translation>Counters</translation>
    </message>
    <message>
        <source>K4810_1651</source>
        <translation>Sensors</translation>
    </message>
    <message>
        <source>K4810_1652</source>
        <translation>CAN bus</translation>
    </message>
    <message>
        <source>K4810_1653</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>K4810_1654</source>
        <translation>Position fix</translation>
    </message>
    <message>
        <source>K4810_1655</source>
        <translation>Data valid</translation>
    </message>
    <message>
        <source>K4810_1656</source>
        <translation>GSM registration</translation>
    </message>
    <message>
        <source>K4810_1658</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>K4810_1659</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>K4810_1660</source>
        <translation>Engine</translation>
    </message>
    <message>
        <source>K4810_1661</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>K4810_1662</source>
        <translation>No page shown yet. Read the current page, step to another page or show the page recorded at a chosen time.</translation>
    </message>
    <message>
        <source>K4810_1663</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>K4810_1664</source>
        <translation>Record valid</translation>
    </message>
    <message>
        <source>K4810_1665</source>
        <translation>Read pages</translation>
    </message>
    <message>
        <source>K4810_1666</source>
        <translation>Outputs and guard</translation>
    </message>
    <message>
        <source>K4810_1667</source>
        <translation>Accessories</translation>
    </message>
    <message>
        <source>K4810_1668</source>
        <translation>Output O1</translation>
    </message>
    <message>
        <source>K4810_1669</source>
        <translation>Output O2</translation>
    </message>
    <message>
        <source>K4810_1670</source>
        <translation>Read the tracker's current page</translation>
    </message>
    <message>
        <source>K4810_1671</source>
        <translation>Read the page before the one shown</translation>
    </message>
    <message>
        <source>K4810_1672</source>
        <translation>Read the page after the one shown</translation>
    </message>
    <message>
        <source>K4810_1673</source>
        <translation>Read the first page recorded at or after the chosen time</translation>
    </message>
    <message>
        <source>K4810_1674</source>
        <translation>Read the current page again and again, at the period set by the slider</translation>
    </message>
    <message>
        <source>K4810_1675</source>
        <translation>Switch the tracker to guard mode</translation>
    </message>
    <message>
        <source>K4810_1676</source>
        <translation>Switch guard mode off: observation only</translation>
    </message>
    <message>
        <source>K4810_1677</source>
        <translation>Ask the operator for the SIM card balance through the tracker</translation>
    </message>
    <message>
        <source>K4810_1678</source>
        <translation>Set the tracker's mileage</translation>
    </message>
    <message>
        <source>K4810_1679</source>
        <translation>Download every page of the interval into an XML text file</translation>
    </message>
    <message>
        <source>K4810_1680</source>
        <translation>Download every page of the interval into a semicolon-separated table</translation>
    </message>
    <message>
        <source>K4810_1681</source>
        <translation>Download every page of the interval into a binary telemetry file</translation>
    </message>
    <message>
        <source>K4810_1682</source>
        <translation>Other outputs of the interval download: the telemetry file, a track for Google Earth (a line, or timed), or a GPX track</translation>
    </message>
    <message>
        <source>K4810_1683</source>
        <translation>Clear the data not yet sent to the ticked servers from the tracker's memory</translation>
    </message>
    <message>
        <source>K4810_1684</source>
        <translation>Read the code of the touch-memory key now applied to the reader</translation>
    </message>
    <message>
        <source>K4810_1685</source>
        <translation>Read the RFID tag now at the reader</translation>
    </message>
</context>
</TS>
