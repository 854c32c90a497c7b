<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_2500</source>
        <translation>Page number</translation>
    </message>
    <message>
        <source>K4810_2501</source>
        <translation>Event code</translation>
    </message>
    <message>
        <source>K4810_2502</source>
        <translation>Record time</translation>
    </message>
    <message>
        <source>K4810_2503</source>
        <translation>Record state</translation>
    </message>
    <message>
        <source>K4810_2504</source>
        <translation>Module state</translation>
    </message>
    <message>
        <source>K4810_2505</source>
        <translation>Cellular network type</translation>
    </message>
    <message>
        <source>K4810_2506</source>
        <translation>GSM signal level</translation>
    </message>
    <message>
        <source>K4810_2507</source>
        <translation>Navigation receiver state</translation>
    </message>
    <message>
        <source>K4810_2508</source>
        <translation>Last valid fix time</translation>
    </message>
    <message>
        <source>K4810_2509</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>K4810_2510</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>K4810_2511</source>
        <translation>Altitude</translation>
    </message>
    <message>
        <source>K4810_2512</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>K4810_2513</source>
        <translation>Course</translation>
    </message>
    <message>
        <source>K4810_2514</source>
        <translation>Mileage</translation>
    </message>
    <message>
        <source>K4810_2515</source>
        <translation>Last path segment</translation>
    </message>
    <message>
        <source>K4810_2516</source>
        <translation>Seconds counted</translation>
    </message>
    <message>
        <source>K4810_2517</source>
        <translation>Seconds since last point</translation>
    </message>
    <message>
        <source>K4810_2518</source>
        <translation>Main power voltage</translation>
    </message>
    <message>
        <source>K4810_2519</source>
        <translation>Backup battery voltage</translation>
    </message>
    <message>
        <source>K4810_2520</source>
        <translation>Analogue input 1 voltage</translation>
    </message>
    <message>
        <source>K4810_2521</source>
        <translation>Analogue input 2 voltage</translation>
    </message>
    <message>
        <source>K4810_2522</source>
        <translation>Analogue input 3 voltage</translation>
    </message>
    <message>
        <source>K4810_2523</source>
        <translation>Analogue input 4 voltage</translation>
    </message>
    <message>
        <source>K4810_2524</source>
        <translation>Analogue input 5 voltage</translation>
    </message>
    <message>
        <source>K4810_2525</source>
        <translation>Analogue input 6 voltage</translation>
    </message>
    <message>
        <source>K4810_2526</source>
        <translation>Analogue input 7 voltage</translation>
    </message>
    <message>
        <source>K4810_2527</source>
        <translation>Analogue input 8 voltage</translation>
    </message>
    <message>
        <source>K4810_2528</source>
        <translation>Inputs 1-8</translation>
    </message>
    <message>
        <source>K4810_2529</source>
        <translation>Inputs 9-16</translation>
    </message>
    <message>
        <source>K4810_2530</source>
        <translation>Outputs 1-8</translation>
    </message>
    <message>
        <source>K4810_2531</source>
        <translation>Outputs 9-16</translation>
    </message>
    <message>
        <source>K4810_2532</source>
        <translation>Pulse counter 1</translation>
    </message>
    <message>
        <source>K4810_2533</source>
        <translation>Pulse counter 2</translation>
    </message>
    <message>
        <source>K4810_2534</source>
        <translation>Frequency input 1</translation>
    </message>
    <message>
        <source>K4810_2535</source>
        <translation>Frequency input 2</translation>
    </message>
    <message>
        <source>K4810_2536</source>
        <translation>Engine hours counter</translation>
    </message>
    <message>
        <source>K4810_2537</source>
        <translation>RS-485 sensor 1 level</translation>
    </message>
    <message>
        <source>K4810_2538</source>
        <translation>RS-485 sensor 2 level</translation>
    </message>
    <message>
        <source>K4810_2539</source>
        <translation>RS-485 sensor 3 level</translation>
    </message>
    <message>
        <source>K4810_2540</source>
        <translation>RS-485 sensor 4 level</translation>
    </message>
    <message>
        <source>K4810_2541</source>
        <translation>RS-485 sensor 5 level</translation>
    </message>
    <message>
        <source>K4810_2542</source>
        <translation>RS-485 sensor 6 level</translation>
    </message>
    <message>
        <source>K4810_2543</source>
        <translation>RS-232 sensor level</translation>
    </message>
    <message>
        <source>K4810_2544</source>
        <translation>Temperature sensor 1</translation>
    </message>
    <message>
        <source>K4810_2545</source>
        <translation>Temperature sensor 2</translation>
    </message>
    <message>
        <source>K4810_2546</source>
        <translation>Temperature sensor 3</translation>
    </message>
    <message>
        <source>K4810_2547</source>
        <translation>Temperature sensor 4</translation>
    </message>
    <message>
        <source>K4810_2548</source>
        <translation>Temperature sensor 5</translation>
    </message>
    <message>
        <source>K4810_2549</source>
        <translation>Temperature sensor 6</translation>
    </message>
    <message>
        <source>K4810_2550</source>
        <translation>Temperature sensor 7</translation>
    </message>
    <message>
        <source>K4810_2551</source>
        <translation>Temperature sensor 8</translation>
    </message>
    <message>
        <source>K4810_2552</source>
        <translation>CAN: fuel level</translation>
    </message>
    <message>
        <source>K4810_2553</source>
        <translation>CAN: fuel used</translation>
    </message>
    <message>
        <source>K4810_2554</source>
        <translation>CAN: engine speed</translation>
    </message>
    <message>
        <source>K4810_2555</source>
        <translation>CAN: coolant temperature</translation>
    </message>
    <message>
        <source>K4810_2556</source>
        <translation>CAN: total mileage</translation>
    </message>
    <message>
        <source>K4810_2557</source>
        <translation>CAN: axle 1 load</translation>
    </message>
    <message>
        <source>K4810_2558</source>
        <translation>CAN: axle 2 load</translation>
    </message>
    <message>
        <source>K4810_2559</source>
        <translation>CAN: axle 3 load</translation>
    </message>
    <message>
        <source>K4810_2560</source>
        <translation>CAN: axle 4 load</translation>
    </message>
    <message>
        <source>K4810_2561</source>
        <translation>CAN: axle 5 load</translation>
    </message>
    <message>
        <source>K4810_2562</source>
        <translation>CAN: accelerator pedal</translation>
    </message>
    <message>
        <source>K4810_2563</source>
        <translation>CAN: brake pedal</translation>
    </message>
    <message>
        <source>K4810_2564</source>
        <translation>CAN: engine load</translation>
    </message>
    <message>
        <source>K4810_2565</source>
        <translation>CAN: filtered fuel level</translation>
    </message>
    <message>
        <source>K4810_2566</source>
        <translation>CAN: engine hours</translation>
    </message>
    <message>
        <source>K4810_2567</source>
        <translation>CAN: distance to service</translation>
    </message>
    <message>
        <source>K4810_2568</source>
        <translation>CAN: vehicle speed</translation>
    </message>
    <message>
        <source>K4810_2569</source>
        <translation>Satellites per system</translation>
    </message>
    <message>
        <source>K4810_2570</source>
        <translation>Fix precision (HDOP, PDOP)</translation>
    </message>
    <message>
        <source>K4810_2571</source>
        <translation>Receiver state</translation>
    </message>
    <message>
        <source>K4810_2572</source>
        <translation>Precise coordinates</translation>
    </message>
    <message>
        <source>K4810_2573</source>
        <translation>Receiver altitude</translation>
    </message>
    <message>
        <source>K4810_2574</source>
        <translation>Receiver course</translation>
    </message>
    <message>
        <source>K4810_2575</source>
        <translation>Receiver speed</translation>
    </message>
    <message>
        <source>K4810_2576</source>
        <translation>Mobile cells (LBS)</translation>
    </message>
    <message>
        <source>K4810_2577</source>
        <translation>RS-485 sensor 1 temperature</translation>
    </message>
    <message>
        <source>K4810_2578</source>
        <translation>RS-485 sensor 2 temperature</translation>
    </message>
    <message>
        <source>K4810_2579</source>
        <translation>RS-485 sensor 3 temperature</translation>
    </message>
    <message>
        <source>K4810_2580</source>
        <translation>RS-485 sensor 4 temperature</translation>
    </message>
    <message>
        <source>K4810_2581</source>
        <translation>RS-485 sensor 5 temperature</translation>
    </message>
    <message>
        <source>K4810_2582</source>
        <translation>RS-485 sensor 6 temperature</translation>
    </message>
    <message>
        <source>K4810_2583</source>
        <translation>RS-485 sensor 7 level, temp.</translation>
    </message>
    <message>
        <source>K4810_2584</source>
        <translation>RS-485 sensor 8 level, temp.</translation>
    </message>
    <message>
        <source>K4810_2585</source>
        <translation>RS-485 sensor 9 level, temp.</translation>
    </message>
    <message>
        <source>K4810_2586</source>
        <translation>RS-485 sensor 10 level, temp.</translation>
    </message>
    <message>
        <source>K4810_2587</source>
        <translation>RS-485 sensor 11 level, temp.</translation>
    </message>
    <message>
        <source>K4810_2588</source>
        <translation>RS-485 sensor 12 level, temp.</translation>
    </message>
    <message>
        <source>K4810_2589</source>
        <translation>RS-485 sensor 13 level, temp.</translation>
    </message>
    <message>
        <source>K4810_2590</source>
        <translation>RS-485 sensor 14 level, temp.</translation>
    </message>
    <message>
        <source>K4810_2591</source>
        <translation>RS-485 sensor 15 level, temp.</translation>
    </message>
    <message>
        <source>K4810_2592</source>
        <translation>RS-485 sensor 16 level, temp.</translation>
    </message>
    <message>
        <source>K4810_2593</source>
        <translation>Tyres 1–2</translation>
    </message>
    <message>
        <source>K4810_2594</source>
        <translation>Tyres 3–6</translation>
    </message>
    <message>
        <source>K4810_2595</source>
        <translation>Tyres 7–14</translation>
    </message>
    <message>
        <source>K4810_2596</source>
        <translation>Tyres 15–30</translation>
    </message>
    <message>
        <source>K4810_2597</source>
        <translation>Tachograph: state</translation>
    </message>
    <message>
        <source>K4810_2598</source>
        <translation>Tachograph: driver activity</translation>
    </message>
    <message>
        <source>K4810_2599</source>
        <translation>Tachograph: flags</translation>
    </message>
    <message>
        <source>K4810_2600</source>
        <translation>Tachograph: speed</translation>
    </message>
    <message>
        <source>K4810_2601</source>
        <translation>Tachograph: odometer</translation>
    </message>
    <message>
        <source>K4810_2602</source>
        <translation>Tachograph: time</translation>
    </message>
    <message>
        <source>K4810_2603</source>
        <translation>Display: message state</translation>
    </message>
    <message>
        <source>K4810_2604</source>
        <translation>Display: last message</translation>
    </message>
    <message>
        <source>K4810_2605</source>
        <translation>Acceleration change</translation>
    </message>
    <message>
        <source>K4810_2606</source>
        <translation>Linear acceleration</translation>
    </message>
    <message>
        <source>K4810_2607</source>
        <translation>Acceleration magnitude</translation>
    </message>
    <message>
        <source>K4810_2608</source>
        <translation>Tilt and cornering</translation>
    </message>
    <message>
        <source>K4810_2609</source>
        <translation>Passengers: door 1</translation>
    </message>
    <message>
        <source>K4810_2610</source>
        <translation>Passengers: door 2</translation>
    </message>
    <message>
        <source>K4810_2611</source>
        <translation>Passengers: door 3</translation>
    </message>
    <message>
        <source>K4810_2612</source>
        <translation>Passengers: door 4</translation>
    </message>
    <message>
        <source>K4810_2613</source>
        <translation>Passengers: door 5</translation>
    </message>
    <message>
        <source>K4810_2614</source>
        <translation>Passengers: door 6</translation>
    </message>
    <message>
        <source>K4810_2615</source>
        <translation>Passengers: door 7</translation>
    </message>
    <message>
        <source>K4810_2616</source>
        <translation>Passengers: door 8</translation>
    </message>
    <message>
        <source>K4810_2617</source>
        <translation>Informer: state</translation>
    </message>
    <message>
        <source>K4810_2618</source>
        <translation>Informer: geozone</translation>
    </message>
    <message>
        <source>K4810_2619</source>
        <translation>Informer: stop</translation>
    </message>
    <message>
        <source>K4810_2620</source>
        <translation>Informer: route</translation>
    </message>
    <message>
        <source>K4810_2621</source>
        <translation>Camera: state</translation>
    </message>
    <message>
        <source>K4810_2622</source>
        <translation>Latitude and longitude</translation>
    </message>
    <message>
        <source>K4810_2630</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>K4810_2631</source>
        <translation>Position and movement</translation>
    </message>
    <message>
        <source>K4810_2632</source>
        <translation>Power, inputs and outputs</translation>
    </message>
    <message>
        <source>K4810_2633</source>
        <translation>Fuel level sensors</translation>
    </message>
    <message>
        <source>K4810_2634</source>
        <translation>Temperature sensors</translation>
    </message>
    <message>
        <source>K4810_2635</source>
        <translation>CAN bus</translation>
    </message>
    <message>
        <source>K4810_2636</source>
        <translation>Navigation receiver and mobile cells</translation>
    </message>
    <message>
        <source>K4810_2637</source>
        <translation>Tachograph, display, informer, camera</translation>
    </message>
    <message>
        <source>K4810_2638</source>
        <translation>Accelerometer and passengers</translation>
    </message>
    <message>
        <source>K4810_1118</source>
        <translation>Extended (Vela), records up to 222 bytes</translation>
    </message>
    <message>
        <source>K4810_1119</source>
        <translation>Standard, records up to 127 bytes</translation>
    </message>
    <message>
        <source>K4810_1224</source>
        <translation>Record fields sent to the server</translation>
    </message>
    <message>
        <source>K4810_1225</source>
        <translation>Tick the fields that the tracker puts into each record it sends to the telematic server. The fewer fields, the smaller the records and the less mobile data the tracker uses.</translation>
    </message>
    <message>
        <source>K4810_1226</source>
        <translation>The size of one record in bytes is shown below the fields; it changes with every field ticked or unticked.</translation>
    </message>
    <message>
        <source>K4810_1227</source>
        <translation>Storage format "Standard": records of at most 127 bytes. The fields of the navigation receiver, mobile cells, tachograph, driver display, informer, camera, accelerometer and passenger counters cannot be chosen in it.</translation>
    </message>
    <message>
        <source>K4810_1228</source>
        <translation>Storage format "Extended (Vela)": records of at most 222 bytes, and every field can be chosen. Use it only when the server reads this format.</translation>
    </message>
    <message>
        <source>K4810_1229</source>
        <translation>Tyres: choose the groups of tyres whose number, pressure and temperature are sent (3 bytes per tyre).</translation>
    </message>
    <message>
        <source>K4810_1230</source>
        <translation>Diagnostic information: the tracker also sends its diagnostic messages to the telematic server.</translation>
    </message>
    <message>
        <source>K4810_1231</source>
        <translation>OK keeps the choice; it is available only while the record fits the limit of the chosen storage format, and the size turns red when it does not. Cancel leaves the choice as it was.</translation>
    </message>
    <message>
        <source>K4810_1232</source>
        <translation>Reset chooses the standard set of fields: page number, event code, time, state, module state and network type, GSM signal, navigation receiver state, last fix, position, speed, course, mileage, main power, backup battery, inputs 1-8 and engine hours.</translation>
    </message>
    <message>
        <source>K4810_1233</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>K4810_2640</source>
        <translation>Tyres</translation>
    </message>
    <message>
        <source>K4810_2641</source>
        <translation>No tyres</translation>
    </message>
    <message>
        <source>K4810_2642</source>
        <translation>Tyres %1</translation>
    </message>
    <message>
        <source>K4810_2643</source>
        <translation>Tyres %1 (as stored)</translation>
    </message>
    <message>
        <source>K4810_2644</source>
        <translation>Storage format</translation>
    </message>
    <message>
        <source>K4810_2645</source>
        <translation>Send diagnostic information to the server</translation>
    </message>
    <message>
        <source>K4810_2646</source>
        <translation>Record size:</translation>
    </message>
    <message>
        <source>K4810_2647</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>K4810_2649</source>
        <translation>Help on choosing the record fields</translation>
    </message>
    <message>
        <source>K4810_2650</source>
        <translation>Choose the standard set of fields and the standard storage format</translation>
    </message>
    <message>
        <source>K4810_2651</source>
        <translation>%1 (%2), %3 bytes</translation>
    </message>
    <message>
        <source>K4810_2652</source>
        <translation>Fields of the first-generation record</translation>
    </message>
    <message>
        <source>K4810_2653</source>
        <translation>Storage format %1 (as stored)</translation>
    </message>
    <message>
        <source>K4810_2654</source>
        <translation>Fields</translation>
    </message>
    <message>
        <source>K4810_2655</source>
        <translation>Fields of the extended format</translation>
    </message>
</context>
</TS>
