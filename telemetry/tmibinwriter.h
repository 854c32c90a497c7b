#ifndef TMIBINWRITER_H
#define TMIBINWRITER_H

#include "telemetry/tmiwriter.h"

// The binary telemetry file (.tmi) of a download, written by
// ORV_LogBinFile page by page from the list: F6/F8 pages become
// first-generation masked records under the F8 field mask, second-generation
// pages are written as received. The header carries options.identifier.
class TmiBinWriter : public TmiWriter
{
public:
    bool write(const TmiDownloadList &pages, const TmiWriteOptions &options) override;
};

#endif // TMIBINWRITER_H
