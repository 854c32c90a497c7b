#ifndef XMLTREEDUMP_H
#define XMLTREEDUMP_H

#include <QString>

class CXmlElement;

// One-line picture of a tree for comparisons in tests:
//   name(kind)=value[attr=value,...]{child,child}
// "=value", "[...]" and "{...}" only when not empty.
QString dumpTree(const CXmlElement *e);

#endif // XMLTREEDUMP_H
