<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_051</source>
        <translation>K-2260</translation>
    </message>
    <message>
        <source>K4810_052</source>
        <translation>K-5127</translation>
    </message>
    <message>
        <source>K4810_053</source>
        <translation>EGTS</translation>
    </message>
    <message>
        <source>K4810_054</source>
        <translation>EGTS with authorisation</translation>
    </message>
    <message>
        <source>K4810_055</source>
        <translation>No data connection in roaming</translation>
    </message>
    <message>
        <source>K4810_056</source>
        <translation>Connect in roaming at the roaming period</translation>
    </message>
    <message>
        <source>K4810_057</source>
        <translation>Work in roaming as at home</translation>
    </message>
    <message>
        <source>K4810_058</source>
        <translation>Connect in roaming only through the listed operators</translation>
    </message>
    <message>
        <source>K4810_062</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>K4810_063</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>K4810_064</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>K4810_065</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>K4810_066</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>K4810_067</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>K4810_068</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>K4810_826</source>
        <translation>ORVB (Vela)</translation>
    </message>
    <message>
        <source>K4810_838</source>
        <translation>UNDS</translation>
    </message>
    <message>
        <source>K4810_2800</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>K4810_2801</source>
        <translation>DNS name</translation>
    </message>
    <message>
        <source>K4810_2802</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>K4810_2803</source>
        <translation>Protocol</translation>
    </message>
    <message>
        <source>K4810_2804</source>
        <translation>Object ID</translation>
    </message>
    <message>
        <source>K4810_2805</source>
        <translation>Centre ID</translation>
    </message>
    <message>
        <source>K4810_2806</source>
        <translation>Test connection</translation>
    </message>
    <message>
        <source>K4810_2807</source>
        <translation>Access point</translation>
    </message>
    <message>
        <source>K4810_2808</source>
        <translation>APN list…</translation>
    </message>
    <message>
        <source>K4810_2809</source>
        <translation>Other operator</translation>
    </message>
    <message>
        <source>K4810_2810</source>
        <translation>Roaming mode</translation>
    </message>
    <message>
        <source>K4810_2811</source>
        <translation>Roaming period, min</translation>
    </message>
    <message>
        <source>K4810_2812</source>
        <translation>Check the settings</translation>
    </message>
    <message>
        <source>K4810_2813</source>
        <translation>%1: the IP address "%2" is not valid. An address is four numbers from 0 to 255 separated by dots, for example 192.0.2.10.</translation>
    </message>
    <message>
        <source>K4810_2814</source>
        <translation>The encryption key must be 32 hexadecimal digits without the byte values FE and FF, or empty. Press Generate for a new key.</translation>
    </message>
    <message>
        <source>K4810_2815</source>
        <translation>Object name</translation>
    </message>
    <message>
        <source>K4810_2816</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>K4810_2817</source>
        <translation>Main server</translation>
    </message>
    <message>
        <source>K4810_2818</source>
        <translation>Reserve server 1</translation>
    </message>
    <message>
        <source>K4810_2819</source>
        <translation>Reserve server 2</translation>
    </message>
    <message>
        <source>K4810_2820</source>
        <translation>Transport</translation>
    </message>
    <message>
        <source>K4810_2821</source>
        <translation>Encrypt the connection</translation>
    </message>
    <message>
        <source>K4810_2822</source>
        <translation>Encryption key</translation>
    </message>
    <message>
        <source>K4810_2823</source>
        <translation>Generate</translation>
    </message>
    <message>
        <source>K4810_2824</source>
        <translation>Connection to the servers</translation>
    </message>
    <message>
        <source>K4810_2825</source>
        <translation>Always online</translation>
    </message>
    <message>
        <source>K4810_2826</source>
        <translation>Connect periodically</translation>
    </message>
    <message>
        <source>K4810_2827</source>
        <translation>Ping period, s</translation>
    </message>
    <message>
        <source>K4810_2828</source>
        <translation>Send a record with each ping</translation>
    </message>
    <message>
        <source>K4810_2829</source>
        <translation>Connect every, s</translation>
    </message>
    <message>
        <source>K4810_2830</source>
        <translation>Forced connection</translation>
    </message>
    <message>
        <source>K4810_2831</source>
        <translation>Accept commands from the server</translation>
    </message>
    <message>
        <source>K4810_2832</source>
        <translation>Pause after a failed connection, s</translation>
    </message>
    <message>
        <source>K4810_2833</source>
        <translation>No SMS in roaming</translation>
    </message>
    <message>
        <source>K4810_2834</source>
        <translation>No calls in roaming</translation>
    </message>
    <message>
        <source>K4810_2835</source>
        <translation>Do not connect in roaming</translation>
    </message>
    <message>
        <source>K4810_2836</source>
        <translation>Operator list…</translation>
    </message>
    <message>
        <source>K4810_2837</source>
        <translation>Period while driving, min</translation>
    </message>
    <message>
        <source>K4810_2838</source>
        <translation>Period while parked, min</translation>
    </message>
    <message>
        <source>K4810_2839</source>
        <translation>Connection blocked for, h : min</translation>
    </message>
    <message>
        <source>K4810_2840</source>
        <translation>Firmware update</translation>
    </message>
    <message>
        <source>K4810_2841</source>
        <translation>Also send in records</translation>
    </message>
    <message>
        <source>K4810_2842</source>
        <translation>Choose at random</translation>
    </message>
    <message>
        <source>K4810_2843</source>
        <translation>Preset %1 (%2 m, %3 s)</translation>
    </message>
    <message>
        <source>K4810_2844</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>K4810_2845</source>
        <translation>By angle</translation>
    </message>
    <message>
        <source>K4810_2846</source>
        <translation>By direction</translation>
    </message>
    <message>
        <source>K4810_2847</source>
        <translation>By distance, m</translation>
    </message>
    <message>
        <source>K4810_2848</source>
        <translation>By time, s</translation>
    </message>
    <message>
        <source>K4810_2849</source>
        <translation>Ignition on input 1</translation>
    </message>
</context>
</TS>
