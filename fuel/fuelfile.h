#ifndef FUELFILE_H
#define FUELFILE_H

#include <QByteArray>
#include <QList>
#include <QString>

// A calibration file: one table of one fuel input, as an XML document of
// the plug-in's layout (windows-1251):
//
//   <FUEL model="K-4810" type="D3">
//       <imei>...</imei>              the tracker's identification
//       <objName>...</objName>        the vehicle
//       <Name_A1>...</Name_A1>        the sensor (tank); Name_A for A1, and
//                                     for every type in the fuel view
//       <TABLE>
//           <DATA param_U="10" param_V="512"/>    volume, reading; one per row
//       </TABLE>
//   </FUEL>
//
// Readers take model, type, imei, objName and the name from the root
// whether they stand as attributes or as text elements.
struct FuelFileRow
{
    QString volume;
    QString reading;
    bool operator==(const FuelFileRow &o) const { return volume == o.volume && reading == o.reading; }
};

struct FuelFileContent
{
    QString model;
    QString type;
    QString imei;
    QString objectName;
    QString sensorName;
    // The element the sensor name is written into (Name_A or Name_A1), or
    // was read from; empty when the file held none.
    QString nameElement;
    QList<FuelFileRow> rows;
};

class FuelFile
{
public:
    static constexpr const char *kModel = "K-4810";
    static constexpr const char *kRoot = "FUEL";

    enum Status {
        Ok,
        Missing,        // no file at that path (and none is made)
        Unreadable,     // not a file, not XML, or refused by the reader
        NotCalibration, // XML with another root
        WrongModel,     // a calibration file of another tracker model
    };

    struct ReadResult
    {
        Status status = Unreadable;
        QString error; // why, for Unreadable and NotCalibration
        FuelFileContent content;
    };

    // Writes a fresh document over whatever is at the path, atomically;
    // the content's model is written as it is (set it to kModel). False
    // with the reason when it could not be written; the old file stays.
    static bool write(const QString &path, const FuelFileContent &content, QString *error = nullptr);
    // The bytes write() puts in the file.
    static QByteArray toBytes(const FuelFileContent &content, QString *error = nullptr);

    static ReadResult read(const QString &path);
    static ReadResult readBytes(const QByteArray &bytes);
};

#endif // FUELFILE_H
