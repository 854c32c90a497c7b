#ifndef FUELSENSORTYPE_H
#define FUELSENSORTYPE_H

#include <QString>
#include <QStringList>

// The fuel inputs a calibration table can belong to, by the type code that
// calibration files carry: what the reading column holds (volts or sensor
// codes), its range and editor, and the texts and graph layout that go with
// it.
//
//   "A1", "A2"            analogue inputs: volts, 0 .. 35.00
//   "D1" .. "D6"          digital sensors on the RS-485 bus: codes 0 .. 4095
//   "F1"                  the live window's third input: codes 0 .. 4095
//   "RS-232"              a sensor on the RS-232 port: codes 0 .. 4095
class FuelSensorType
{
public:
    static constexpr double kVolumeTop = 5000.0;
    static constexpr int kVolumeDecimals = 1;
    static constexpr double kVoltTop = 35.0;
    static constexpr int kVoltDecimals = 2;
    static constexpr int kCodeTop = 4095;

    // An unknown code gives an invalid type.
    static FuelSensorType byCode(const QString &code);
    // Every known code: A1, A2, D1 .. D6, F1, RS-232.
    static QStringList codes();

    bool isValid() const { return !m_code.isEmpty(); }
    QString code() const { return m_code; }
    // Volts (analogue inputs) rather than sensor codes.
    bool isAnalog() const { return m_analog; }
    // The report prints readings as whole numbers for the RS-485 sensors.
    bool isDigital() const { return m_code.startsWith(QLatin1Char('D')); }
    double readingTop() const { return m_analog ? kVoltTop : double(kCodeTop); }
    int readingDecimals() const { return m_analog ? kVoltDecimals : 0; }

    // Text keys: the reading column's header, the graph's vertical axis title.
    const char *headerKey() const;
    const char *graphTitleKey() const;
    // The graph's left margin and the decimals of its vertical labels.
    int graphMarginLeft() const { return m_analog ? 60 : 80; }
    int graphDecimals() const { return m_analog ? 2 : 0; }
    // The element of a calibration file that the live window writes the
    // sensor name into: Name_A for A1, Name_A1 for the others.
    QString liveNameElement() const;

private:
    QString m_code;
    bool m_analog = false;
};

#endif // FUELSENSORTYPE_H
