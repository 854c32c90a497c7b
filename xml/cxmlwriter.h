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
// line. The root and elements of kind 0 and 1 are written as start tag,
// children, end tag; kind 3 as one empty-element tag with its attributes;
// kind 2 as <name>value</name>, or <name /> when the value is empty.
// Attributes are taken through a map by name: of equal names the last one is
// written, and they follow in the map's (name) order.
//
// So that nothing held in the tree is dropped on the way to the file, an
// element is written as start tag, children and end tag, with its text on a
// line of its own after the start tag, whenever the plain form would lose
// something: a text element with children, a kind-3 element with children, a
// text element with attributes, an element of kind 0 or 1 with a value. Such
// files read back into the same tree.
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
