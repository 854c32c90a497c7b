<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_271</source>
        <translation>Digital temperature sensors</translation>
    </message>
    <message>
        <source>K4810_272</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>K4810_273</source>
        <translation>Key (bus code)</translation>
    </message>
    <message>
        <source>K4810_274</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>K4810_279</source>
        <translation>Upper limit, °C</translation>
    </message>
    <message>
        <source>K4810_280</source>
        <translation>Lower limit, °C</translation>
    </message>
    <message>
        <source>K4810_281</source>
        <translation>T</translation>
    </message>
    <message>
        <source>K4810_282</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>K4810_283</source>
        <translation>Read the code of the sensor now attached to the tracker and take it as this sensor's key</translation>
    </message>
    <message>
        <source>K4810_284</source>
        <translation>Attach one sensor at a time to the tracker's one-wire bus and press Read in the row it is to fill. A temperature outside a sensor's limits is an event of the tracker; the upper limit stays at least 5 °C above the lower one.</translation>
    </message>
    <message>
        <source>K4810_2750</source>
        <translation>Reading the key of sensor T%1…</translation>
    </message>
    <message>
        <source>K4810_2751</source>
        <translation>T%1: key %2 read.</translation>
    </message>
    <message>
        <source>K4810_2752</source>
        <translation>T%1: the device read is not a temperature sensor (family code %2). Attach the sensor alone and read again.</translation>
    </message>
    <message>
        <source>K4810_2753</source>
        <translation>T%1: no device answered on the one-wire bus.</translation>
    </message>
    <message>
        <source>K4810_361</source>
        <translation>General purpose</translation>
    </message>
    <message>
        <source>K4810_362</source>
        <translation>Switched by a touch-memory key</translation>
    </message>
    <message>
        <source>K4810_363</source>
        <translation>Driver registration by touch-memory key</translation>
    </message>
    <message>
        <source>K4810_364</source>
        <translation>Immobiliser</translation>
    </message>
    <message>
        <source>K4810_365</source>
        <translation>Siren</translation>
    </message>
    <message>
        <source>K4810_366</source>
        <translation>Touch-memory key indicator</translation>
    </message>
    <message>
        <source>K4810_367</source>
        <translation>Steady level</translation>
    </message>
    <message>
        <source>K4810_368</source>
        <translation>Pulses</translation>
    </message>
    <message>
        <source>K4810_369</source>
        <translation>Output O1</translation>
    </message>
    <message>
        <source>K4810_370</source>
        <translation>Output O2</translation>
    </message>
    <message>
        <source>K4810_371</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>K4810_372</source>
        <translation>Used as:</translation>
    </message>
    <message>
        <source>K4810_373</source>
        <translation>Signal:</translation>
    </message>
    <message>
        <source>K4810_374</source>
        <translation>Active phase, s:</translation>
    </message>
    <message>
        <source>K4810_375</source>
        <translation>Passive phase, s:</translation>
    </message>
    <message>
        <source>K4810_376</source>
        <translation>Switch off automatically after, s:</translation>
    </message>
    <message>
        <source>K4810_377</source>
        <translation>Switch on automatically on</translation>
    </message>
    <message>
        <source>K4810_378</source>
        <translation>Guard alarm</translation>
    </message>
    <message>
        <source>K4810_379</source>
        <translation>Guard switched on</translation>
    </message>
    <message>
        <source>K4810_380</source>
        <translation>Guard switched off</translation>
    </message>
    <message>
        <source>K4810_381</source>
        <translation>Input IN1 triggered</translation>
    </message>
    <message>
        <source>K4810_382</source>
        <translation>Input IN2 triggered</translation>
    </message>
    <message>
        <source>K4810_383</source>
        <translation>Input IN3 triggered</translation>
    </message>
    <message>
        <source>K4810_384</source>
        <translation>Analog input AIN1 triggered</translation>
    </message>
    <message>
        <source>K4810_385</source>
        <translation>Engine started</translation>
    </message>
    <message>
        <source>K4810_386</source>
        <translation>Engine stopped</translation>
    </message>
    <message>
        <source>K4810_387</source>
        <translation>Speed limit exceeded</translation>
    </message>
    <message>
        <source>K4810_388</source>
        <translation>External power lost</translation>
    </message>
    <message>
        <source>K4810_389</source>
        <translation>Movement while parked</translation>
    </message>
    <message>
        <source>K4810_390</source>
        <translation>GSM jamming detected</translation>
    </message>
    <message>
        <source>K4810_391</source>
        <translation>Temperature outside its limits</translation>
    </message>
    <message>
        <source>K4810_392</source>
        <translation>Touch-memory key accepted</translation>
    </message>
    <message>
        <source>K4810_393</source>
        <translation>Unknown touch-memory key</translation>
    </message>
    <message>
        <source>K4810_394</source>
        <translation>Call from an authorised phone</translation>
    </message>
    <message>
        <source>K4810_395</source>
        <translation>No GSM network</translation>
    </message>
    <message>
        <source>K4810_396</source>
        <translation>Immobiliser settings</translation>
    </message>
    <message>
        <source>K4810_397</source>
        <translation>Block only while the vehicle stands still</translation>
    </message>
    <message>
        <source>K4810_398</source>
        <translation>Delay before blocking, s:</translation>
    </message>
    <message>
        <source>K4810_399</source>
        <translation>Delay before the block is reset, s:</translation>
    </message>
    <message>
        <source>K4810_400</source>
        <translation>Warn with the buzzer before blocking</translation>
    </message>
    <message>
        <source>K4810_421</source>
        <translation>Phone 1</translation>
    </message>
    <message>
        <source>K4810_422</source>
        <translation>Phone 2</translation>
    </message>
    <message>
        <source>K4810_423</source>
        <translation>Phone 3</translation>
    </message>
    <message>
        <source>K4810_424</source>
        <translation>Phone 4</translation>
    </message>
    <message>
        <source>K4810_425</source>
        <translation>Phone 5</translation>
    </message>
    <message>
        <source>K4810_426</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>K4810_427</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>K4810_428</source>
        <translation>Do not notify</translation>
    </message>
    <message>
        <source>K4810_429</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>K4810_430</source>
        <translation>Call</translation>
    </message>
    <message>
        <source>K4810_431</source>
        <translation>SMS and call</translation>
    </message>
    <message>
        <source>K4810_432</source>
        <translation>SMS with a map link</translation>
    </message>
    <message>
        <source>K4810_433</source>
        <translation>Map link and call</translation>
    </message>
    <message>
        <source>K4810_434</source>
        <translation>Number:</translation>
    </message>
    <message>
        <source>K4810_435</source>
        <translation>Notify of</translation>
    </message>
    <message>
        <source>K4810_436</source>
        <translation>Input IN1 triggered</translation>
    </message>
    <message>
        <source>K4810_437</source>
        <translation>Input IN2 triggered</translation>
    </message>
    <message>
        <source>K4810_438</source>
        <translation>Input IN3 triggered</translation>
    </message>
    <message>
        <source>K4810_439</source>
        <translation>Analog input AIN1 triggered</translation>
    </message>
    <message>
        <source>K4810_440</source>
        <translation>External power lost</translation>
    </message>
    <message>
        <source>K4810_441</source>
        <translation>External power restored</translation>
    </message>
    <message>
        <source>K4810_442</source>
        <translation>Backup battery low</translation>
    </message>
    <message>
        <source>K4810_443</source>
        <translation>Engine started</translation>
    </message>
    <message>
        <source>K4810_444</source>
        <translation>Engine stopped</translation>
    </message>
    <message>
        <source>K4810_445</source>
        <translation>Guard alarm</translation>
    </message>
    <message>
        <source>K4810_446</source>
        <translation>Guard switched on or off</translation>
    </message>
    <message>
        <source>K4810_447</source>
        <translation>Speed limit exceeded</translation>
    </message>
    <message>
        <source>K4810_448</source>
        <translation>Movement while parked</translation>
    </message>
    <message>
        <source>K4810_449</source>
        <translation>GSM jamming detected</translation>
    </message>
    <message>
        <source>K4810_450</source>
        <translation>SIM balance below the minimum</translation>
    </message>
    <message>
        <source>K4810_451</source>
        <translation>Temperature outside its limits</translation>
    </message>
    <message>
        <source>K4810_452</source>
        <translation>Touch-memory key applied</translation>
    </message>
    <message>
        <source>K4810_453</source>
        <translation>Tracker restarted</translation>
    </message>
    <message>
        <source>K4810_454</source>
        <translation>Commands without a password</translation>
    </message>
    <message>
        <source>K4810_455</source>
        <translation>Send the balance</translation>
    </message>
    <message>
        <source>K4810_456</source>
        <translation>Use SMS</translation>
    </message>
    <message>
        <source>K4810_457</source>
        <translation>All phones</translation>
    </message>
    <message>
        <source>K4810_458</source>
        <translation>Accept incoming voice calls</translation>
    </message>
    <message>
        <source>K4810_459</source>
        <translation>Accept SMS commands from any number</translation>
    </message>
    <message>
        <source>K4810_460</source>
        <translation>Voice call password:</translation>
    </message>
    <message>
        <source>K4810_461</source>
        <translation>Authorised phones</translation>
    </message>
    <message>
        <source>K4810_462</source>
        <translation>A plus sign and up to 15 digits, e.g. +79161234567</translation>
    </message>
    <message>
        <source>K4810_463</source>
        <translation>Takes effect with the automatic balance check (System page)</translation>
    </message>
    <message>
        <source>K4810_464</source>
        <translation>Takes effect with the speed limit (Track page)</translation>
    </message>
    <message>
        <source>K4810_489</source>
        <translation>SMS with the operator's answer</translation>
    </message>
    <message>
        <source>K4810_1334</source>
        <translation>Use the guard</translation>
    </message>
    <message>
        <source>K4810_1335</source>
        <translation>Guard modes</translation>
    </message>
    <message>
        <source>K4810_1336</source>
        <translation>Guard</translation>
    </message>
    <message>
        <source>K4810_1337</source>
        <translation>Observation</translation>
    </message>
    <message>
        <source>K4810_1338</source>
        <translation>Watched events</translation>
    </message>
    <message>
        <source>K4810_1339</source>
        <translation>Input IN1</translation>
    </message>
    <message>
        <source>K4810_1340</source>
        <translation>Input IN2</translation>
    </message>
    <message>
        <source>K4810_1341</source>
        <translation>Input IN3</translation>
    </message>
    <message>
        <source>K4810_1342</source>
        <translation>Analog input AIN1</translation>
    </message>
    <message>
        <source>K4810_1343</source>
        <translation>Ignition switched on</translation>
    </message>
    <message>
        <source>K4810_1344</source>
        <translation>Movement (accelerometer)</translation>
    </message>
    <message>
        <source>K4810_1345</source>
        <translation>Tilt or towing (accelerometer)</translation>
    </message>
    <message>
        <source>K4810_1346</source>
        <translation>Leaving the parking place (GPS)</translation>
    </message>
    <message>
        <source>K4810_1347</source>
        <translation>External power lost</translation>
    </message>
    <message>
        <source>K4810_1348</source>
        <translation>GSM jamming</translation>
    </message>
    <message>
        <source>K4810_1349</source>
        <translation>Temperature outside its limits</translation>
    </message>
    <message>
        <source>K4810_1350</source>
        <translation>In the normal state</translation>
    </message>
    <message>
        <source>K4810_1351</source>
        <translation>On alarm</translation>
    </message>
    <message>
        <source>K4810_1352</source>
        <translation>On arming and disarming</translation>
    </message>
    <message>
        <source>K4810_1353</source>
        <translation>Sound on arming and disarming</translation>
    </message>
    <message>
        <source>K4810_1354</source>
        <translation>Sound on alarm</translation>
    </message>
    <message>
        <source>K4810_1355</source>
        <translation>Nothing</translation>
    </message>
    <message>
        <source>K4810_1356</source>
        <translation>Record a point</translation>
    </message>
    <message>
        <source>K4810_1357</source>
        <translation>SMS to the phones</translation>
    </message>
    <message>
        <source>K4810_1358</source>
        <translation>Record a point, SMS</translation>
    </message>
    <message>
        <source>K4810_1359</source>
        <translation>Call the phones</translation>
    </message>
    <message>
        <source>K4810_1360</source>
        <translation>Record a point, call</translation>
    </message>
    <message>
        <source>K4810_1361</source>
        <translation>SMS and call</translation>
    </message>
    <message>
        <source>K4810_1362</source>
        <translation>Record a point, SMS and call</translation>
    </message>
    <message>
        <source>K4810_1363</source>
        <translation>Silent</translation>
    </message>
    <message>
        <source>K4810_1364</source>
        <translation>One beep</translation>
    </message>
    <message>
        <source>K4810_1365</source>
        <translation>Two beeps</translation>
    </message>
    <message>
        <source>K4810_1366</source>
        <translation>Siren</translation>
    </message>
    <message>
        <source>K4810_1367</source>
        <translation>Switching line</translation>
    </message>
    <message>
        <source>K4810_1368</source>
        <translation>Line:</translation>
    </message>
    <message>
        <source>K4810_1369</source>
        <translation>Switching:</translation>
    </message>
    <message>
        <source>K4810_1370</source>
        <translation>No line</translation>
    </message>
    <message>
        <source>K4810_1371</source>
        <translation>Output O1</translation>
    </message>
    <message>
        <source>K4810_1372</source>
        <translation>Output O2</translation>
    </message>
    <message>
        <source>K4810_1373</source>
        <translation>Level while armed</translation>
    </message>
    <message>
        <source>K4810_1374</source>
        <translation>Pulse on arming and disarming</translation>
    </message>
    <message>
        <source>K4810_1375</source>
        <translation>Pulse length, s:</translation>
    </message>
    <message>
        <source>K4810_1376</source>
        <translation>Additional settings</translation>
    </message>
    <message>
        <source>K4810_1377</source>
        <translation>Time to disarm before the alarm, s:</translation>
    </message>
    <message>
        <source>K4810_1378</source>
        <translation>Delay before arming, s:</translation>
    </message>
    <message>
        <source>K4810_1379</source>
        <translation>Repeat the alarm after, s:</translation>
    </message>
    <message>
        <source>K4810_1380</source>
        <translation>Wrong disarm attempts before blocking:</translation>
    </message>
    <message>
        <source>K4810_1381</source>
        <translation>Block disarming for, min:</translation>
    </message>
    <message>
        <source>K4810_1382</source>
        <translation>Do not arm while the ignition is on</translation>
    </message>
    <message>
        <source>K4810_1383</source>
        <translation>Detect the ignition by the supply voltage</translation>
    </message>
    <message>
        <source>K4810_1384</source>
        <translation>Raise the alarm at once</translation>
    </message>
    <message>
        <source>K4810_1385</source>
        <translation>Re-arm automatically</translation>
    </message>
    <message>
        <source>K4810_1386</source>
        <translation>Re-arm after, s:</translation>
    </message>
    <message>
        <source>K4810_1387</source>
        <translation>Re-arming</translation>
    </message>
</context>
</TS>
