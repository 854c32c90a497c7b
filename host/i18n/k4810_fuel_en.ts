<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_500</source>
        <translation>Fuel calibration file</translation>
    </message>
    <message>
        <source>K4810_501</source>
        <translation>Fuel-sensor calibration</translation>
    </message>
    <message>
        <source>K4810_502</source>
        <translation>Vehicle:</translation>
    </message>
    <message>
        <source>K4810_503</source>
        <translation>No live reading</translation>
    </message>
    <message>
        <source>K4810_504</source>
        <translation>RS-485 sensors</translation>
    </message>
    <message>
        <source>K4810_505</source>
        <translation>Sensor (tank):</translation>
    </message>
    <message>
        <source>K4810_506</source>
        <translation>Voltage, V:</translation>
    </message>
    <message>
        <source>K4810_507</source>
        <translation>Volume, l</translation>
    </message>
    <message>
        <source>K4810_508</source>
        <translation>Voltage, V</translation>
    </message>
    <message>
        <source>K4810_509</source>
        <translation>Volume, l:</translation>
    </message>
    <message>
        <source>K4810_510</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>K4810_511</source>
        <translation>Open a calibration table</translation>
    </message>
    <message>
        <source>K4810_512</source>
        <translation>Delete marked</translation>
    </message>
    <message>
        <source>K4810_513</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>K4810_514</source>
        <translation>Load...</translation>
    </message>
    <message>
        <source>K4810_515</source>
        <translation>Save as XML...</translation>
    </message>
    <message>
        <source>K4810_516</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>K4810_517</source>
        <translation>Capture</translation>
    </message>
    <message>
        <source>K4810_518</source>
        <translation>Steady within ±</translation>
    </message>
    <message>
        <source>K4810_519</source>
        <translation>for at least, s</translation>
    </message>
    <message>
        <source>K4810_520</source>
        <translation>Adds the live reading with the volume typed, once the reading has held steady for the set time</translation>
    </message>
    <message>
        <source>K4810_521</source>
        <translation>Reading steady</translation>
    </message>
    <message>
        <source>K4810_522</source>
        <translation>Reading changing</translation>
    </message>
    <message>
        <source>K4810_523</source>
        <translation>The table is not monotonic: the marked points go against the others</translation>
    </message>
    <message>
        <source>K4810_524</source>
        <translation>RS-232 sensor</translation>
    </message>
    <message>
        <source>K4810_525</source>
        <translation>Sensor reading</translation>
    </message>
    <message>
        <source>K4810_526</source>
        <translation>RS-485 sensor D1</translation>
    </message>
    <message>
        <source>K4810_527</source>
        <translation>RS-485 sensor D2</translation>
    </message>
    <message>
        <source>K4810_528</source>
        <translation>RS-485 sensor D3</translation>
    </message>
    <message>
        <source>K4810_529</source>
        <translation>RS-485 sensor D4</translation>
    </message>
    <message>
        <source>K4810_530</source>
        <translation>RS-485 sensor D5</translation>
    </message>
    <message>
        <source>K4810_531</source>
        <translation>RS-485 sensor D6</translation>
    </message>
    <message>
        <source>K4810_532</source>
        <translation>The table already holds points. Replace them with those of the file?</translation>
    </message>
    <message>
        <source>K4810_533</source>
        <translation>Fuel calibration</translation>
    </message>
    <message>
        <source>K4810_534</source>
        <translation>This calibration table was made for another tracker model and cannot be loaded.</translation>
    </message>
    <message>
        <source>K4810_535</source>
        <translation>Analogue input A1</translation>
    </message>
    <message>
        <source>K4810_536</source>
        <translation>Analogue input A2</translation>
    </message>
    <message>
        <source>K4810_537</source>
        <translation>Voltage, V</translation>
    </message>
    <message>
        <source>K4810_538</source>
        <translation>Save the calibration table</translation>
    </message>
    <message>
        <source>K4810_539</source>
        <translation>The table holds points that are not saved. Save them?</translation>
    </message>
    <message>
        <source>K4810_540</source>
        <translation>Delete the marked points?</translation>
    </message>
    <message>
        <source>K4810_541</source>
        <translation>Volume, l</translation>
    </message>
    <message>
        <source>K4810_542</source>
        <translation>The calibration table was not saved:</translation>
    </message>
    <message>
        <source>K4810_543</source>
        <translation>Remove every point of the table?</translation>
    </message>
    <message>
        <source>K4810_544</source>
        <translation>F1 reading</translation>
    </message>
    <message>
        <source>K4810_545</source>
        <translation>Calibration report</translation>
    </message>
    <message>
        <source>K4810_546</source>
        <translation>Print...</translation>
    </message>
    <message>
        <source>K4810_547</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>K4810_548</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>K4810_549</source>
        <translation>Fuel tank calibration table</translation>
    </message>
    <message>
        <source>K4810_550</source>
        <translation>Vehicle: </translation>
    </message>
    <message>
        <source>K4810_551</source>
        <translation>Tank:</translation>
    </message>
    <message>
        <source>K4810_552</source>
        <translation>______________________________</translation>
    </message>
    <message>
        <source>K4810_553</source>
        <translation>Fuel-level sensor:</translation>
    </message>
    <message>
        <source>K4810_554</source>
        <translation>______________________________</translation>
    </message>
    <message>
        <source>K4810_555</source>
        <translation>Fuel:</translation>
    </message>
    <message>
        <source>K4810_556</source>
        <translation>______________________________</translation>
    </message>
    <message>
        <source>K4810_557</source>
        <translation>Volume, l</translation>
    </message>
    <message>
        <source>K4810_558</source>
        <translation>Calibration carried out by:</translation>
    </message>
    <message>
        <source>K4810_559</source>
        <translation>Name: ______________________________</translation>
    </message>
    <message>
        <source>K4810_560</source>
        <translation>Signature: __________________________</translation>
    </message>
    <message>
        <source>K4810_561</source>
        <translation>Checked and accepted by:</translation>
    </message>
    <message>
        <source>K4810_562</source>
        <translation>Name: ______________________________</translation>
    </message>
    <message>
        <source>K4810_563</source>
        <translation>Signature: __________________________</translation>
    </message>
    <message>
        <source>K4810_564</source>
        <translation>Printed</translation>
    </message>
    <message>
        <source>K4810_565</source>
        <translation>Signatures</translation>
    </message>
    <message>
        <source>K4810_566</source>
        <translation>Technician</translation>
    </message>
    <message>
        <source>K4810_567</source>
        <translation>Customer</translation>
    </message>
    <message>
        <source>K4810_568</source>
        <translation>There is no such file:</translation>
    </message>
    <message>
        <source>K4810_569</source>
        <translation>The file cannot be read as a calibration table:</translation>
    </message>
    <message>
        <source>K4810_570</source>
        <translation>The table holds readings of another kind. Changing the sensor type empties it. Continue?</translation>
    </message>
    <message>
        <source>K4810_571</source>
        <translation>Identifier:</translation>
    </message>
    <message>
        <source>K4810_572</source>
        <translation>Sensor type:</translation>
    </message>
    <message>
        <source>K4810_573</source>
        <translation>Save as PDF...</translation>
    </message>
    <message>
        <source>K4810_574</source>
        <translation>The PDF file was not written:</translation>
    </message>
    <message>
        <source>K4810_575</source>
        <translation>Input F1</translation>
    </message>
    <message>
        <source>K4810_576</source>
        <translation>Live reading</translation>
    </message>
    <message>
        <source>K4810_577</source>
        <translation>There is no table here for the file's sensor type:</translation>
    </message>
</context>
</TS>
