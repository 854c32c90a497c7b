#ifndef XMLLIMITS_H
#define XMLLIMITS_H

#include <QtGlobal>

// Limits shared by the reader and the writer. The writer refuses a tree the
// reader would refuse, so that no file this code saves becomes unreadable.
struct XmlLimits
{
    // Elements open at once, the root counting as 1. The toolkit's reader
    // recurses once per level and overflows the stack long before 100000.
    static constexpr int MaxDepth = 256;
    // Characters of an element or attribute name as it stands in the file.
    static constexpr int MaxNameLength = 4096;
    // Bytes of a file or buffer handed to the reader.
    static constexpr qint64 DefaultMaxInputSize = qint64(128) * 1024 * 1024;
};

#endif // XMLLIMITS_H
