#ifndef TMIEXPORT_H
#define TMIEXPORT_H

#include <QByteArray>
#include <QString>

#include <array>
#include <functional>

// What the writers of an interval download share.
namespace TmiExport {

// Called as the pages are written: (pages written, page count).
using Progress = std::function<void(int, int)>;
// The name of an event code (the host's answer to 2060).
using EventName = std::function<QString(quint16)>;

// Names of the tracker's lines, as the settings file gives them.
struct Captions
{
    std::array<QString, 4> inputs;       // IN1, IN2, IN3, AIN1
    std::array<QString, 4> shInputs;     // SH1..SH4
    std::array<QString, 2> outputs;      // O1, O2
    std::array<QString, 4> temperatures; // sensors 1..4
};

// Text for element content and attribute values of an XML file in the
// code page, escaped by the XML layer's rule (XmlNames::escaped): &, <, >, "
// and ' as entities, characters the code page lacks as '?'.
QByteArray xmlText(const QString &text);
// The same in UTF-8.
QByteArray xmlTextUtf8(const QString &text);
// A caption as the text file's header holds it: escaped as xmlText, and
// besides a space as "&nbsp;" and "!" as "_33_".
QByteArray caption(const QString &text);

} // namespace TmiExport

#endif // TMIEXPORT_H
