<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_014</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>K4810_151</source>
        <translation>Track points</translation>
    </message>
    <message>
        <source>K4810_152</source>
        <translation>Record stops</translation>
    </message>
    <message>
        <source>K4810_153</source>
        <translation>On a course change of more than, °</translation>
    </message>
    <message>
        <source>K4810_154</source>
        <translation>On a change of direction</translation>
    </message>
    <message>
        <source>K4810_155</source>
        <translation>Every distance, m</translation>
    </message>
    <message>
        <source>K4810_156</source>
        <translation>Every time interval, s</translation>
    </message>
    <message>
        <source>K4810_157</source>
        <translation>No course-change points</translation>
    </message>
    <message>
        <source>K4810_158</source>
        <translation>Within a distance of, m</translation>
    </message>
    <message>
        <source>K4810_159</source>
        <translation>Within a time of, s</translation>
    </message>
    <message>
        <source>K4810_160</source>
        <translation>Speed limit</translation>
    </message>
    <message>
        <source>K4810_161</source>
        <translation>Report speeding above, km/h</translation>
    </message>
    <message>
        <source>K4810_162</source>
        <translation>Position filter</translation>
    </message>
    <message>
        <source>K4810_163</source>
        <translation>Reject positions with HDOP above</translation>
    </message>
    <message>
        <source>K4810_164</source>
        <translation>Minimum satellites</translation>
    </message>
    <message>
        <source>K4810_165</source>
        <translation>Maximum speed, km/h</translation>
    </message>
    <message>
        <source>K4810_166</source>
        <translation>Maximum acceleration, km/h per s</translation>
    </message>
    <message>
        <source>K4810_167</source>
        <translation>Maximum jump between positions, m</translation>
    </message>
    <message>
        <source>K4810_168</source>
        <translation>Rejected positions in a row before one is taken</translation>
    </message>
    <message>
        <source>K4810_169</source>
        <translation>Averaging of positions</translation>
    </message>
    <message>
        <source>K4810_170</source>
        <translation>No averaging</translation>
    </message>
    <message>
        <source>K4810_171</source>
        <translation>Normal averaging</translation>
    </message>
    <message>
        <source>K4810_172</source>
        <translation>Strong averaging</translation>
    </message>
    <message>
        <source>K4810_173</source>
        <translation>Do not average:</translation>
    </message>
    <message>
        <source>K4810_174</source>
        <translation>With the ignition on</translation>
    </message>
    <message>
        <source>K4810_175</source>
        <translation>While moving</translation>
    </message>
    <message>
        <source>K4810_176</source>
        <translation>In guard mode</translation>
    </message>
    <message>
        <source>K4810_177</source>
        <translation>During an alarm</translation>
    </message>
    <message>
        <source>K4810_178</source>
        <translation>Parking</translation>
    </message>
    <message>
        <source>K4810_179</source>
        <translation>Parking told by the ignition</translation>
    </message>
    <message>
        <source>K4810_180</source>
        <translation>Parking told by the accelerometer</translation>
    </message>
    <message>
        <source>K4810_181</source>
        <translation>Parking after standing still for, s</translation>
    </message>
    <message>
        <source>K4810_182</source>
        <translation>Accelerometer…</translation>
    </message>
    <message>
        <source>K4810_183</source>
        <translation>While parked, a point every, s</translation>
    </message>
    <message>
        <source>K4810_184</source>
        <translation>No parking points in guard mode</translation>
    </message>
    <message>
        <source>K4810_185</source>
        <translation>No parking points with the ignition off</translation>
    </message>
    <message>
        <source>K4810_186</source>
        <translation>No parking points on battery power</translation>
    </message>
    <message>
        <source>K4810_194</source>
        <translation>Passwords</translation>
    </message>
    <message>
        <source>K4810_195</source>
        <translation>Data call (CSD) password</translation>
    </message>
    <message>
        <source>K4810_196</source>
        <translation>SMS command password</translation>
    </message>
    <message>
        <source>K4810_197</source>
        <translation>General</translation>
    </message>
    <message>
        <source>K4810_198</source>
        <translation>Time zone, hours from UTC</translation>
    </message>
    <message>
        <source>K4810_199</source>
        <translation>Daylight saving time</translation>
    </message>
    <message>
        <source>K4810_200</source>
        <translation>Movement sensitivity threshold</translation>
    </message>
    <message>
        <source>K4810_201</source>
        <translation>Full control of the SIM card</translation>
    </message>
    <message>
        <source>K4810_202</source>
        <translation>Towing alarm</translation>
    </message>
    <message>
        <source>K4810_203</source>
        <translation>GSM jamming detection</translation>
    </message>
    <message>
        <source>K4810_204</source>
        <translation>Engine hours counted from:</translation>
    </message>
    <message>
        <source>K4810_205</source>
        <translation>Ignition (IN1)</translation>
    </message>
    <message>
        <source>K4810_206</source>
        <translation>Input IN2</translation>
    </message>
    <message>
        <source>K4810_207</source>
        <translation>Engine running (supply voltage)</translation>
    </message>
    <message>
        <source>K4810_208</source>
        <translation>CAN bus</translation>
    </message>
    <message>
        <source>K4810_209</source>
        <translation>SIM card balance</translation>
    </message>
    <message>
        <source>K4810_210</source>
        <translation>Balance request (USSD)</translation>
    </message>
    <message>
        <source>K4810_211</source>
        <translation>Check the balance automatically</translation>
    </message>
    <message>
        <source>K4810_212</source>
        <translation>Check every, h</translation>
    </message>
    <message>
        <source>K4810_213</source>
        <translation>Text of a positive balance</translation>
    </message>
    <message>
        <source>K4810_214</source>
        <translation>Text of a negative balance</translation>
    </message>
    <message>
        <source>K4810_215</source>
        <translation>Text of a balance message</translation>
    </message>
    <message>
        <source>K4810_216</source>
        <translation>Minimum balance, roubles</translation>
    </message>
    <message>
        <source>K4810_217</source>
        <translation>kopecks</translation>
    </message>
    <message>
        <source>K4810_225</source>
        <translation>Power saving</translation>
    </message>
    <message>
        <source>K4810_226</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>K4810_227</source>
        <translation>On battery power</translation>
    </message>
    <message>
        <source>K4810_228</source>
        <translation>By conditions</translation>
    </message>
    <message>
        <source>K4810_295</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>K4810_296</source>
        <translation>Normal state</translation>
    </message>
    <message>
        <source>K4810_297</source>
        <translation>Ignition (active at supply voltage)</translation>
    </message>
    <message>
        <source>K4810_298</source>
        <translation>Discrete input</translation>
    </message>
    <message>
        <source>K4810_299</source>
        <translation>Report the return to normal</translation>
    </message>
    <message>
        <source>K4810_300</source>
        <translation>Analysis time, ms</translation>
    </message>
    <message>
        <source>K4810_301</source>
        <translation>Not used</translation>
    </message>
    <message>
        <source>K4810_302</source>
        <translation>Pulse counter</translation>
    </message>
    <message>
        <source>K4810_303</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>K4810_304</source>
        <translation>Response time</translation>
    </message>
    <message>
        <source>K4810_305</source>
        <translation>Work starts at, pulses</translation>
    </message>
    <message>
        <source>K4810_306</source>
        <translation>within, s</translation>
    </message>
    <message>
        <source>K4810_307</source>
        <translation>Work stops below, pulses</translation>
    </message>
    <message>
        <source>K4810_308</source>
        <translation>Show work as the input state</translation>
    </message>
    <message>
        <source>K4810_309</source>
        <translation>Reset the counter at each start</translation>
    </message>
    <message>
        <source>K4810_310</source>
        <translation>Minimum work rate, pulses</translation>
    </message>
    <message>
        <source>K4810_311</source>
        <translation>Thresholds only while moving</translation>
    </message>
    <message>
        <source>K4810_312</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>K4810_313</source>
        <translation>Moving average</translation>
    </message>
    <message>
        <source>K4810_314</source>
        <translation>Kalman</translation>
    </message>
    <message>
        <source>K4810_315</source>
        <translation>Length, samples</translation>
    </message>
    <message>
        <source>K4810_316</source>
        <translation>Smoothing</translation>
    </message>
    <message>
        <source>K4810_317</source>
        <translation>Analog: voltage</translation>
    </message>
    <message>
        <source>K4810_318</source>
        <translation>Discrete: active inside the zone</translation>
    </message>
    <message>
        <source>K4810_319</source>
        <translation>Discrete: normal inside the zone</translation>
    </message>
    <message>
        <source>K4810_320</source>
        <translation>Zone from, V</translation>
    </message>
    <message>
        <source>K4810_321</source>
        <translation>to, V</translation>
    </message>
    <message>
        <source>K4810_322</source>
        <translation>Frequency filter, Hz</translation>
    </message>
    <message>
        <source>K4810_323</source>
        <translation>Current values</translation>
    </message>
    <message>
        <source>K4810_324</source>
        <translation>Poll every, s</translation>
    </message>
    <message>
        <source>K4810_325</source>
        <translation>Read now</translation>
    </message>
    <message>
        <source>K4810_326</source>
        <translation>Voltage, V</translation>
    </message>
    <message>
        <source>K4810_327</source>
        <translation>Frequency, Hz</translation>
    </message>
    <message>
        <source>K4810_328</source>
        <translation>Pulses</translation>
    </message>
    <message>
        <source>K4810_329</source>
        <translation>Active</translation>
    </message>
    <message>
        <source>K4810_330</source>
        <translation>Inactive</translation>
    </message>
    <message>
        <source>K4810_331</source>
        <translation>Supply voltage, V</translation>
    </message>
    <message>
        <source>K4810_332</source>
        <translation>Backup battery, V</translation>
    </message>
    <message>
        <source>K4810_824</source>
        <translation>Engine detection</translation>
    </message>
    <message>
        <source>K4810_825</source>
        <translation>Start the engine and keep it running: %1 s left.</translation>
    </message>
    <message>
        <source>K4810_2700</source>
        <translation>Also on external power</translation>
    </message>
    <message>
        <source>K4810_2701</source>
        <translation>With the engine off</translation>
    </message>
    <message>
        <source>K4810_2702</source>
        <translation>Without movement for, s</translation>
    </message>
    <message>
        <source>K4810_2703</source>
        <translation>Accelerometer…</translation>
    </message>
    <message>
        <source>K4810_2704</source>
        <translation>While an input is inactive</translation>
    </message>
    <message>
        <source>K4810_2705</source>
        <translation>GNSS receiver off after, s</translation>
    </message>
    <message>
        <source>K4810_2706</source>
        <translation>GSM modem off after, s</translation>
    </message>
    <message>
        <source>K4810_2707</source>
        <translation>Interfaces off after, s</translation>
    </message>
    <message>
        <source>K4810_2708</source>
        <translation>Battery charging off after, s</translation>
    </message>
    <message>
        <source>K4810_2709</source>
        <translation>Deep sleep after, min</translation>
    </message>
    <message>
        <source>K4810_2710</source>
        <translation>Wake from deep sleep every, min</translation>
    </message>
    <message>
        <source>K4810_2711</source>
        <translation>Wake up daily at</translation>
    </message>
    <message>
        <source>K4810_2712</source>
        <translation>Weekly schedule</translation>
    </message>
    <message>
        <source>K4810_2713</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>K4810_2714</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>K4810_2715</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>K4810_2716</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>K4810_2717</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>K4810_2718</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>K4810_2719</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>K4810_2720</source>
        <translation>Awake from</translation>
    </message>
    <message>
        <source>K4810_2721</source>
        <translation>until</translation>
    </message>
    <message>
        <source>K4810_2722</source>
        <translation>Engine and supply voltage</translation>
    </message>
    <message>
        <source>K4810_2723</source>
        <translation>Tell the engine running by the supply voltage</translation>
    </message>
    <message>
        <source>K4810_2724</source>
        <translation>No engine start and stop events</translation>
    </message>
    <message>
        <source>K4810_2725</source>
        <translation>Engine running above, V</translation>
    </message>
    <message>
        <source>K4810_2726</source>
        <translation>Read voltage</translation>
    </message>
    <message>
        <source>K4810_2727</source>
        <translation>Detect</translation>
    </message>
    <message>
        <source>K4810_2728</source>
        <translation>Supply voltage, V:</translation>
    </message>
    <message>
        <source>K4810_2729</source>
        <translation>Backup battery, V:</translation>
    </message>
    <message>
        <source>K4810_2730</source>
        <translation>With the engine running, V:</translation>
    </message>
    <message>
        <source>K4810_2731</source>
        <translation>External power</translation>
    </message>
    <message>
        <source>K4810_2732</source>
        <translation>Power lost below, V</translation>
    </message>
    <message>
        <source>K4810_2733</source>
        <translation>Power restored above, V</translation>
    </message>
    <message>
        <source>K4810_2734</source>
        <translation>Fuel level input</translation>
    </message>
    <message>
        <source>K4810_2735</source>
        <translation>Watch the fuel level input</translation>
    </message>
    <message>
        <source>K4810_2736</source>
        <translation>Level low below, V</translation>
    </message>
    <message>
        <source>K4810_2737</source>
        <translation>Level normal above, V</translation>
    </message>
    <message>
        <source>K4810_2738</source>
        <translation>Delay, s</translation>
    </message>
    <message>
        <source>K4810_2739</source>
        <translation>On a sensor failure</translation>
    </message>
    <message>
        <source>K4810_2740</source>
        <translation>Keep the last state</translation>
    </message>
    <message>
        <source>K4810_2741</source>
        <translation>Report the failure</translation>
    </message>
    <message>
        <source>K4810_2742</source>
        <translation>The carriers' balance requests</translation>
    </message>
</context>
</TS>
