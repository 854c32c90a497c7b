<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_861</source>
        <translation>Mileage:</translation>
    </message>
    <message>
        <source>K4810_862</source>
        <translation>km</translation>
    </message>
    <message>
        <source>K4810_863</source>
        <translation>The mileage the tracker counts on from, in kilometres</translation>
    </message>
    <message>
        <source>K4810_864</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>K4810_865</source>
        <translation>Send the mileage to the tracker</translation>
    </message>
    <message>
        <source>K4810_866</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>K4810_1157</source>
        <translation>Module 2 state</translation>
    </message>
    <message>
        <source>K4810_1158</source>
        <translation>Analogue input</translation>
    </message>
    <message>
        <source>K4810_1159</source>
        <translation>Input group</translation>
    </message>
    <message>
        <source>K4810_1160</source>
        <translation>Output group</translation>
    </message>
    <message>
        <source>K4810_1161</source>
        <translation>RS-485 level</translation>
    </message>
    <message>
        <source>K4810_1162</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>K4810_1163</source>
        <translation>CAN: filtered fuel level</translation>
    </message>
    <message>
        <source>K4810_1164</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>K4810_1165</source>
        <translation>HDOP</translation>
    </message>
    <message>
        <source>K4810_1166</source>
        <translation>PDOP</translation>
    </message>
    <message>
        <source>K4810_1167</source>
        <translation>Receiver status</translation>
    </message>
    <message>
        <source>K4810_1168</source>
        <translation>Latitude (precise)</translation>
    </message>
    <message>
        <source>K4810_1169</source>
        <translation>Longitude (precise)</translation>
    </message>
    <message>
        <source>K4810_1170</source>
        <translation>Altitude (precise), m</translation>
    </message>
    <message>
        <source>K4810_1171</source>
        <translation>Course (precise), °</translation>
    </message>
    <message>
        <source>K4810_1172</source>
        <translation>Speed (precise), km/h</translation>
    </message>
    <message>
        <source>K4810_1173</source>
        <translation>Cell ID</translation>
    </message>
    <message>
        <source>K4810_1174</source>
        <translation>LAC</translation>
    </message>
    <message>
        <source>K4810_1175</source>
        <translation>MCC</translation>
    </message>
    <message>
        <source>K4810_1176</source>
        <translation>MNC</translation>
    </message>
    <message>
        <source>K4810_1177</source>
        <translation>Cell signal</translation>
    </message>
    <message>
        <source>K4810_1178</source>
        <translation>Cell survey time</translation>
    </message>
    <message>
        <source>K4810_1179</source>
        <translation>RS-485 temperature</translation>
    </message>
    <message>
        <source>K4810_1180</source>
        <translation>Tyre sensor</translation>
    </message>
    <message>
        <source>K4810_1181</source>
        <translation>Tyre pressure</translation>
    </message>
    <message>
        <source>K4810_1182</source>
        <translation>Tyre temperature</translation>
    </message>
    <message>
        <source>K4810_1183</source>
        <translation>Tachograph state</translation>
    </message>
    <message>
        <source>K4810_1184</source>
        <translation>Driver activity</translation>
    </message>
    <message>
        <source>K4810_1185</source>
        <translation>Tachograph flags</translation>
    </message>
    <message>
        <source>K4810_1186</source>
        <translation>Tachograph speed, km/h</translation>
    </message>
    <message>
        <source>K4810_1187</source>
        <translation>Tachograph odometer</translation>
    </message>
    <message>
        <source>K4810_1188</source>
        <translation>Tachograph time</translation>
    </message>
    <message>
        <source>K4810_1189</source>
        <translation>Display message</translation>
    </message>
    <message>
        <source>K4810_1190</source>
        <translation>Last display message</translation>
    </message>
    <message>
        <source>K4810_1191</source>
        <translation>Acceleration change</translation>
    </message>
    <message>
        <source>K4810_1900</source>
        <translation>Linear acceleration</translation>
    </message>
    <message>
        <source>K4810_1901</source>
        <translation>Acceleration module</translation>
    </message>
    <message>
        <source>K4810_1902</source>
        <translation>Angular acceleration +</translation>
    </message>
    <message>
        <source>K4810_1903</source>
        <translation>Angular acceleration −</translation>
    </message>
    <message>
        <source>K4810_1904</source>
        <translation>Cornering acceleration</translation>
    </message>
    <message>
        <source>K4810_1905</source>
        <translation>Passengers</translation>
    </message>
    <message>
        <source>K4810_1906</source>
        <translation>Informer state</translation>
    </message>
    <message>
        <source>K4810_1907</source>
        <translation>Geozone</translation>
    </message>
    <message>
        <source>K4810_1908</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>K4810_1909</source>
        <translation>Route</translation>
    </message>
    <message>
        <source>K4810_1910</source>
        <translation>Camera state</translation>
    </message>
    <message>
        <source>K4810_1911</source>
        <translation>Extended navigation</translation>
    </message>
    <message>
        <source>K4810_1912</source>
        <translation>Cell towers (LBS)</translation>
    </message>
    <message>
        <source>K4810_1913</source>
        <translation>Inputs and outputs</translation>
    </message>
    <message>
        <source>K4810_1914</source>
        <translation>Power and analogue inputs</translation>
    </message>
    <message>
        <source>K4810_1915</source>
        <translation>Temperatures</translation>
    </message>
    <message>
        <source>K4810_1916</source>
        <translation>RS-232 and RS-485 sensors</translation>
    </message>
    <message>
        <source>K4810_1917</source>
        <translation>Tachograph</translation>
    </message>
    <message>
        <source>K4810_1918</source>
        <translation>Accelerometer</translation>
    </message>
    <message>
        <source>K4810_1919</source>
        <translation>Tyres</translation>
    </message>
    <message>
        <source>K4810_1920</source>
        <translation>Passengers</translation>
    </message>
    <message>
        <source>K4810_1921</source>
        <translation>Informer</translation>
    </message>
    <message>
        <source>K4810_1922</source>
        <translation>Camera</translation>
    </message>
    <message>
        <source>K4810_1923</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>K4810_1925</source>
        <translation>The tracker did not answer within %1 s. The download stopped and no file was saved: check the connection and download the interval again.</translation>
    </message>
    <message>
        <source>K4810_1926</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>K4810_1927</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>K4810_1930</source>
        <translation>Extended information of the page</translation>
    </message>
    <message>
        <source>K4810_1931</source>
        <translation>Size / standard block version, bytes / state block version, bytes</translation>
    </message>
    <message>
        <source>K4810_1932</source>
        <translation>Identification key</translation>
    </message>
    <message>
        <source>K4810_1933</source>
        <translation>How the identification numbers of the page are shown: as a card number, as an RFID tag (facility, number) or as a touch-memory key code</translation>
    </message>
    <message>
        <source>K4810_1934</source>
        <translation>The page holds no extended information.</translation>
    </message>
    <message>
        <source>K4810_1935</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>K4810_1936</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>K4810_1937</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>K4810_1939</source>
        <translation>O3 on</translation>
    </message>
    <message>
        <source>K4810_1940</source>
        <translation>O3 off</translation>
    </message>
    <message>
        <source>K4810_1941</source>
        <translation>O4 on</translation>
    </message>
    <message>
        <source>K4810_1942</source>
        <translation>O4 off</translation>
    </message>
    <message>
        <source>K4810_1943</source>
        <translation>Extended…</translation>
    </message>
    <message>
        <source>K4810_1944</source>
        <translation>Main</translation>
    </message>
    <message>
        <source>K4810_1945</source>
        <translation>Sensors</translation>
    </message>
    <message>
        <source>K4810_1946</source>
        <translation>Navigation and cells</translation>
    </message>
    <message>
        <source>K4810_1947</source>
        <translation>Driver and vehicle</translation>
    </message>
    <message>
        <source>K4810_1948</source>
        <translation>Show the page's extended record: its blocks and its identification elements</translation>
    </message>
    <message>
        <source>K4810_1950</source>
        <translation>The file cannot be opened: it is missing or cannot be read.</translation>
    </message>
    <message>
        <source>K4810_1951</source>
        <translation>The file is not a telemetry text file.</translation>
    </message>
    <message>
        <source>K4810_1952</source>
        <translation>The file holds a line longer than 64 KiB: it is not a telemetry text file, or it is damaged.</translation>
    </message>
    <message>
        <source>K4810_1953</source>
        <translation>First</translation>
    </message>
    <message>
        <source>K4810_1954</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>K4810_1955</source>
        <translation>Go to</translation>
    </message>
    <message>
        <source>K4810_1956</source>
        <translation>Reading the file…</translation>
    </message>
    <message>
        <source>K4810_1957</source>
        <translation>No file is open. Open a telemetry text file to see its pages.</translation>
    </message>
    <message>
        <source>K4810_1958</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>K4810_1959</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>K4810_1960</source>
        <translation>Pages:</translation>
    </message>
    <message>
        <source>K4810_1961</source>
        <translation>Open a telemetry text file</translation>
    </message>
    <message>
        <source>K4810_1962</source>
        <translation>Stop reading the file</translation>
    </message>
    <message>
        <source>K4810_1963</source>
        <translation>The index of the page to go to (the first page is 0)</translation>
    </message>
    <message>
        <source>K4810_1964</source>
        <translation>Show the first page</translation>
    </message>
    <message>
        <source>K4810_1965</source>
        <translation>Show the page before</translation>
    </message>
    <message>
        <source>K4810_1966</source>
        <translation>Show the page after</translation>
    </message>
    <message>
        <source>K4810_1967</source>
        <translation>Show the last page</translation>
    </message>
    <message>
        <source>K4810_1968</source>
        <translation>Show the page whose index is in the box</translation>
    </message>
    <message>
        <source>K4810_1969</source>
        <translation>Fields</translation>
    </message>
    <message>
        <source>K4810_1970</source>
        <translation>States</translation>
    </message>
    <message>
        <source>K4810_1971</source>
        <translation>The file holds no pages.</translation>
    </message>
</context>
</TS>
