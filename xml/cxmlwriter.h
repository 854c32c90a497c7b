#ifndef CXMLWRITER_H
#define CXMLWRITER_H

#include <QByteArray>
#include <QString>

class CXmlElement;

// Writes an element tree in the plug-in's file layout, windows-1251:
//
//   <?xml version="1.0" encoding="windows-1251"?>
//   <ROOT a="1">
//   <TAB><TEXT>value</TEXT>
//   <TAB><EMPTY />
//   <TAB><SECTION x="1" y="2"/>
//   </ROOT>
//
// One tag per line, one tab per open element, a single line feed after every
// line. Attributes are taken through a map by name: of equal names the last
// one is written, and they follow in the map's (name) order.
//
//   root, or an element with children: start tag, children, end tag; an
//       element with children and text (mixed content, or a section given a
//       value) has its text on a line of its own after the start tag;
//   text: <name attrs>value</name>;
//   no text, no children, attributes (a section, kind 3, or an element read
//       with attributes): <name attrs/>;
//   no text, no children, no attributes: kind 0 and 1 as start and end tag,
//       the others (kind 2, an empty text element) as <name />.
//
// So nothing held in the tree is dropped on the way to the file (children of
// a section, attributes of a text element, text of an element of kind 0),
// and a file read back writes the same bytes again.
//
// The writer walks the tree without recursion. It refuses (returns false and
// says why) a tree the reader would refuse: one deeper than
// XmlLimits::MaxDepth, an element without a name, a name longer than
// XmlLimits::MaxNameLength, an attribute name that cannot stand in a file.
class CXmlWriter
{
public:
    // Replaces out with the file's bytes; an empty tree (null) gives no bytes.
    static bool write(const CXmlElement *root, QByteArray &out, QString *error = nullptr);
    static QByteArray toByteArray(const CXmlElement *root, QString *error = nullptr);

    static const char *declaration();
};

#endif // CXMLWRITER_H
