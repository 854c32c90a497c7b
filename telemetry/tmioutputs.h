#ifndef TMIOUTPUTS_H
#define TMIOUTPUTS_H

#include "telemetry/tmiwriter.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

// The files a download can be saved to. The telemetry window offers each
// output and, when the pages are in, writes the file with the output's
// writer; it knows no writer by name. A new output is one TmiWriter class
// and one entry here (with a menuTextKey, it appears in the window's menu
// of further outputs).
struct TmiOutput
{
    QString id;                // "xml", "csv", "tmi", "kml", "gpx", "kmltrack"
    QString suffix;            // of the file, without the dot
    const char *captionKey;    // the save dialog's caption (context TmiOutputs)
    const char *menuTextKey;   // the menu entry's text (a key, or a name shown as it is); null: a button of its own
    QString menuObjectName;    // object name of the menu entry
    std::function<std::unique_ptr<TmiWriter>()> create;

    // "*.<suffix>", the save dialog's filter.
    QString filter() const { return QStringLiteral("*.") + suffix; }
};

class TmiOutputs
{
public:
    static const QList<TmiOutput> &all();
    // Null when no output has that id.
    static const TmiOutput *find(const QString &id);
    // A text of an output (its caption or menu key) in the host's texts.
    static QString text(const char *key);
};

#endif // TMIOUTPUTS_H
