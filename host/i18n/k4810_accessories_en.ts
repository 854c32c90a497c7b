<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_3100</source>
        <translation>Runs by itself while the vehicle makes its normal trips with intensive driving; it takes %1.</translation>
    </message>
    <message>
        <source>K4810_3101</source>
        <translation>Needs a straight road on which the vehicle can make several sharp accelerations and brakings.</translation>
    </message>
    <message>
        <source>K4810_3102</source>
        <translation>Recommended after every calibration and whenever the tracker was removed and fitted again.</translation>
    </message>
    <message>
        <source>K4810_3103</source>
        <translation>Calibration error</translation>
    </message>
    <message>
        <source>K4810_3104</source>
        <translation>Calibration not supported</translation>
    </message>
    <message>
        <source>K4810_3105</source>
        <translation>No answer from the tracker</translation>
    </message>
    <message>
        <source>K4810_3106</source>
        <translation>Calibration must be repeated</translation>
    </message>
    <message>
        <source>K4810_3107</source>
        <translation>Static step</translation>
    </message>
    <message>
        <source>K4810_3108</source>
        <translation>Dynamic calibration</translation>
    </message>
    <message>
        <source>K4810_3109</source>
        <translation>Calibration finished</translation>
    </message>
    <message>
        <source>K4810_3110</source>
        <translation>GNSS calibration started</translation>
    </message>
    <message>
        <source>K4810_3111</source>
        <translation>Static check</translation>
    </message>
    <message>
        <source>K4810_3112</source>
        <translation>Dynamic check</translation>
    </message>
    <message>
        <source>K4810_3113</source>
        <translation>Check finished</translation>
    </message>
    <message>
        <source>K4810_3114</source>
        <translation>The tracker's firmware cannot calibrate the accelerometer. Press Finish to close the wizard.</translation>
    </message>
    <message>
        <source>K4810_3115</source>
        <translation>Check the connection with the tracker and run the wizard again. Press Finish to close the wizard.</translation>
    </message>
    <message>
        <source>K4810_3116</source>
        <translation>The tracker found that the axes are not calibrated correctly. Run the calibration again.</translation>
    </message>
    <message>
        <source>K4810_3117</source>
        <translation>The autonomous calibration has two steps that follow one another at once.

1. Static calibration: the vehicle stands still with the engine off for 30 seconds.
2. Dynamic calibration: start the engine, move off and reach at least 1 km/h, make 2-3 sharp accelerations and brakings, stop and wait. The vehicle must drive strictly straight.

Press Next to start.</translation>
    </message>
    <message>
        <source>K4810_3118</source>
        <translation>The vehicle must stand still with the engine off until the step ends.</translation>
    </message>
    <message>
        <source>K4810_3119</source>
        <translation>Start the engine, move off and reach at least 1 km/h, make 2-3 sharp accelerations and brakings strictly straight ahead, then stop and wait for the result.</translation>
    </message>
    <message>
        <source>K4810_3120</source>
        <translation>The calibration is finished. Check that the tracker now tells the vehicle's directions correctly: run the check of the calibration. Press Finish to close the wizard.</translation>
    </message>
    <message>
        <source>K4810_3121</source>
        <translation>The GNSS calibration runs by itself during intensive driving, with valid GNSS navigation. Once it has started, the wizard can be closed with Finish without interrupting it.

Press Next to start.</translation>
    </message>
    <message>
        <source>K4810_3122</source>
        <translation>The tracker calibrates its axes while the vehicle drives. The wizard can be closed with Finish: the calibration goes on.</translation>
    </message>
    <message>
        <source>K4810_3123</source>
        <translation>The check has two steps that follow one another at once.

1. Static check: the vehicle stands still for 1 minute.
2. Dynamic check: move off and reach at least 5 km/h, stop and wait.

Press Next to start.</translation>
    </message>
    <message>
        <source>K4810_3124</source>
        <translation>The vehicle must stand still until the step ends.</translation>
    </message>
    <message>
        <source>K4810_3125</source>
        <translation>Move off and reach at least 5 km/h, then stop and wait for the result.</translation>
    </message>
    <message>
        <source>K4810_3126</source>
        <translation>The check is finished: the accelerometer's axes are calibrated correctly. Press Finish to close the wizard.</translation>
    </message>
    <message>
        <source>K4810_3127</source>
        <translation>The vehicle moved or vibrated strongly during the static step. It must stand still with the engine off.</translation>
    </message>
    <message>
        <source>K4810_3128</source>
        <translation>The vehicle did not move off. During the dynamic step it must reach at least 1 km/h.</translation>
    </message>
    <message>
        <source>K4810_3129</source>
        <translation>The vehicle did not move off. During the dynamic check it must reach at least 5 km/h.</translation>
    </message>
    <message>
        <source>K4810_3130</source>
        <translation>Too few or too weak accelerations and brakings. Make at least 2 sharp accelerations and brakings.</translation>
    </message>
    <message>
        <source>K4810_3131</source>
        <translation>The tracker could not measure the force of gravity: the accelerometer may be faulty.</translation>
    </message>
    <message>
        <source>K4810_3132</source>
        <translation>The GNSS calibration failed. It needs valid GNSS navigation, sharp accelerations and brakings on a straight road and a speed above 20 km/h.</translation>
    </message>
    <message>
        <source>K4810_3133</source>
        <translation>Accelerometer calibration</translation>
    </message>
    <message>
        <source>K4810_3134</source>
        <translation>Waiting for the tracker's answer...</translation>
    </message>
    <message>
        <source>K4810_3135</source>
        <translation>Read the code of the key now touched to the tracker's reader</translation>
    </message>
    <message>
        <source>K4810_3136</source>
        <translation>The key file was written to the tracker.</translation>
    </message>
    <message>
        <source>K4810_3137</source>
        <translation>%1 keys were read from the tracker.</translation>
    </message>
    <message>
        <source>K4810_3138</source>
        <translation>Open a key file</translation>
    </message>
    <message>
        <source>K4810_3139</source>
        <translation>Save the key file</translation>
    </message>
    <message>
        <source>K4810_3140</source>
        <translation>The tracker did not answer in time. The transfer was stopped.</translation>
    </message>
    <message>
        <source>K4810_3141</source>
        <translation>The tracker was detached. The transfer was stopped.</translation>
    </message>
    <message>
        <source>K4810_3142</source>
        <translation>The file %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>K4810_3143</source>
        <translation>The tracker sent a block without data. The reading was stopped.</translation>
    </message>
    <message>
        <source>K4810_3144</source>
        <translation>The tracker's first block is too short to hold the key file's length. The reading was stopped.</translation>
    </message>
    <message>
        <source>K4810_3145</source>
        <translation>Driver identification</translation>
    </message>
    <message>
        <source>K4810_3146</source>
        <translation>Guard on and off</translation>
    </message>
    <message>
        <source>K4810_3147</source>
        <translation>Engine start allowed</translation>
    </message>
    <message>
        <source>K4810_3148</source>
        <translation>Driver identification and engine start</translation>
    </message>
    <message>
        <source>K4810_3149</source>
        <translation>Service staff</translation>
    </message>
    <message>
        <source>K4810_3150</source>
        <translation>Event only</translation>
    </message>
    <message>
        <source>K4810_3151</source>
        <translation>Touch-memory keys</translation>
    </message>
    <message>
        <source>K4810_3152</source>
        <translation>Load from file...</translation>
    </message>
    <message>
        <source>K4810_3153</source>
        <translation>Save to file...</translation>
    </message>
    <message>
        <source>K4810_3154</source>
        <translation>Read from the tracker</translation>
    </message>
    <message>
        <source>K4810_3155</source>
        <translation>Write to the tracker</translation>
    </message>
    <message>
        <source>K4810_3156</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>K4810_3157</source>
        <translation>Key code (hexadecimal)</translation>
    </message>
    <message>
        <source>K4810_3158</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>K4810_3159</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>K4810_3160</source>
        <translation>Current state of the tachograph</translation>
    </message>
    <message>
        <source>K4810_3161</source>
        <translation>Card in slot 1</translation>
    </message>
    <message>
        <source>K4810_3162</source>
        <translation>Card in slot 2</translation>
    </message>
    <message>
        <source>K4810_3163</source>
        <translation>Registration data</translation>
    </message>
    <message>
        <source>K4810_3164</source>
        <translation>Card data</translation>
    </message>
    <message>
        <source>K4810_3165</source>
        <translation>Overview</translation>
    </message>
    <message>
        <source>K4810_3166</source>
        <translation>Activities of a day</translation>
    </message>
    <message>
        <source>K4810_3167</source>
        <translation>Events and faults</translation>
    </message>
    <message>
        <source>K4810_3168</source>
        <translation>Detailed speed</translation>
    </message>
    <message>
        <source>K4810_3169</source>
        <translation>Technical data</translation>
    </message>
    <message>
        <source>K4810_3170</source>
        <translation>Card 1 (driver)</translation>
    </message>
    <message>
        <source>K4810_3171</source>
        <translation>Card 2 (co-driver)</translation>
    </message>
    <message>
        <source>K4810_3172</source>
        <translation>Tachograph time</translation>
    </message>
    <message>
        <source>K4810_3173</source>
        <translation>Tachograph mode</translation>
    </message>
    <message>
        <source>K4810_3174</source>
        <translation>Security module mode</translation>
    </message>
    <message>
        <source>K4810_3175</source>
        <translation>Card 1 state</translation>
    </message>
    <message>
        <source>K4810_3176</source>
        <translation>Card 2 state</translation>
    </message>
    <message>
        <source>K4810_3177</source>
        <translation>Driver 1 activity</translation>
    </message>
    <message>
        <source>K4810_3178</source>
        <translation>Driver 2 activity</translation>
    </message>
    <message>
        <source>K4810_3179</source>
        <translation>Card 1 type</translation>
    </message>
    <message>
        <source>K4810_3180</source>
        <translation>Card 2 type</translation>
    </message>
    <message>
        <source>K4810_3181</source>
        <translation>TRIP distance</translation>
    </message>
    <message>
        <source>K4810_3182</source>
        <translation>Supply voltage</translation>
    </message>
    <message>
        <source>K4810_3183</source>
        <translation>Driver %1: minutes in the current activity</translation>
    </message>
    <message>
        <source>K4810_3184</source>
        <translation>Driver %1: driving minutes today</translation>
    </message>
    <message>
        <source>K4810_3185</source>
        <translation>Driver %1: continuous driving minutes</translation>
    </message>
    <message>
        <source>K4810_3186</source>
        <translation>Driver %1: cumulative break minutes</translation>
    </message>
    <message>
        <source>K4810_3187</source>
        <translation>operational</translation>
    </message>
    <message>
        <source>K4810_3188</source>
        <translation>control</translation>
    </message>
    <message>
        <source>K4810_3189</source>
        <translation>calibration</translation>
    </message>
    <message>
        <source>K4810_3190</source>
        <translation>company</translation>
    </message>
    <message>
        <source>K4810_3191</source>
        <translation>not activated</translation>
    </message>
    <message>
        <source>K4810_3192</source>
        <translation>activated</translation>
    </message>
    <message>
        <source>K4810_3193</source>
        <translation>no card</translation>
    </message>
    <message>
        <source>K4810_3194</source>
        <translation>not authorised</translation>
    </message>
    <message>
        <source>K4810_3195</source>
        <translation>authorised</translation>
    </message>
    <message>
        <source>K4810_3196</source>
        <translation>could not be removed</translation>
    </message>
    <message>
        <source>K4810_3197</source>
        <translation>rest</translation>
    </message>
    <message>
        <source>K4810_3198</source>
        <translation>availability</translation>
    </message>
    <message>
        <source>K4810_3199</source>
        <translation>work</translation>
    </message>
    <message>
        <source>K4810_3200</source>
        <translation>driving</translation>
    </message>
    <message>
        <source>K4810_3201</source>
        <translation>none</translation>
    </message>
    <message>
        <source>K4810_3202</source>
        <translation>driver</translation>
    </message>
    <message>
        <source>K4810_3203</source>
        <translation>controller</translation>
    </message>
    <message>
        <source>K4810_3204</source>
        <translation>company</translation>
    </message>
    <message>
        <source>K4810_3206</source>
        <translation>Card state</translation>
    </message>
    <message>
        <source>K4810_3207</source>
        <translation>Card type</translation>
    </message>
    <message>
        <source>K4810_3208</source>
        <translation>Country code</translation>
    </message>
    <message>
        <source>K4810_3209</source>
        <translation>Card number</translation>
    </message>
    <message>
        <source>K4810_3210</source>
        <translation>Card expiry</translation>
    </message>
    <message>
        <source>K4810_3211</source>
        <translation>Code page of string %1</translation>
    </message>
    <message>
        <source>K4810_3212</source>
        <translation>String %1</translation>
    </message>
    <message>
        <source>K4810_3213</source>
        <translation>Tachograph version</translation>
    </message>
    <message>
        <source>K4810_3214</source>
        <translation>Vehicle identification number</translation>
    </message>
    <message>
        <source>K4810_3215</source>
        <translation>Registering country code</translation>
    </message>
    <message>
        <source>K4810_3216</source>
        <translation>Code page of the registration number</translation>
    </message>
    <message>
        <source>K4810_3217</source>
        <translation>Registration number</translation>
    </message>
    <message>
        <source>K4810_3218</source>
        <translation>Speed limit</translation>
    </message>
    <message>
        <source>K4810_3219</source>
        <translation>%1 km/h</translation>
    </message>
    <message>
        <source>K4810_3220</source>
        <translation>Next calibration</translation>
    </message>
    <message>
        <source>K4810_3221</source>
        <translation>Security module activated</translation>
    </message>
    <message>
        <source>K4810_3222</source>
        <translation>End of the security module activation</translation>
    </message>
    <message>
        <source>K4810_3223</source>
        <translation>Security module serial number</translation>
    </message>
    <message>
        <source>K4810_3224</source>
        <translation>Security module registration number</translation>
    </message>
    <message>
        <source>K4810_3225</source>
        <translation>%1 km</translation>
    </message>
    <message>
        <source>K4810_3226</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>K4810_3230</source>
        <translation>The file %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>K4810_3231</source>
        <translation>The download was stopped.</translation>
    </message>
    <message>
        <source>K4810_3232</source>
        <translation>The tracker was detached. The download was stopped.</translation>
    </message>
    <message>
        <source>K4810_3233</source>
        <translation>The tracker did not finish the DDD file in time.</translation>
    </message>
    <message>
        <source>K4810_3234</source>
        <translation>The tracker could not give the file (status %1).</translation>
    </message>
    <message>
        <source>K4810_3235</source>
        <translation>The DDD file was saved as %1 (%2 bytes).</translation>
    </message>
    <message>
        <source>K4810_3236</source>
        <translation>The tracker did not answer.</translation>
    </message>
    <message>
        <source>K4810_3237</source>
        <translation>Ask</translation>
    </message>
    <message>
        <source>K4810_3238</source>
        <translation>Save the DDD file</translation>
    </message>
    <message>
        <source>K4810_3239</source>
        <translation>DDD files (*.ddd *.DDD);;All files (*)</translation>
    </message>
    <message>
        <source>K4810_3240</source>
        <translation>The tracker signs in to the tachograph itself: no login is needed.</translation>
    </message>
    <message>
        <source>K4810_3241</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>K4810_3242</source>
        <translation>Writing the key file to the tracker: block %1 of %2</translation>
    </message>
    <message>
        <source>K4810_3243</source>
        <translation>Reading the key file from the tracker: %1 of %2 bytes</translation>
    </message>
    <message>
        <source>K4810_3244</source>
        <translation>%1 keys loaded from %2</translation>
    </message>
    <message>
        <source>K4810_3245</source>
        <translation>Card:</translation>
    </message>
    <message>
        <source>K4810_3246</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>K4810_3247</source>
        <translation>File type:</translation>
    </message>
    <message>
        <source>K4810_3248</source>
        <translation>Query:</translation>
    </message>
</context>
</TS>
