#ifndef CXMLDEFAULTHANDLER_H
#define CXMLDEFAULTHANDLER_H

#include "xml/cxmlelement.h"

#include <QtCore5Compat/QXmlDefaultHandler>

#include <memory>

// Builds the element tree from the events of the toolkit's SAX reader.
//
// Start of an element: the text-seen flag is cleared; the name is decoded;
// the first element becomes the root, every further one a new child of the
// current element (so repeated names are kept). An element with attributes
// becomes kind 1, gets its attributes and counts as having text.
// Character data: sets the flag; a run that is empty or only white space is
// left alone, any other run is stored trimmed as the current element's value
// and makes it a text element (kind 2). A run is all character data between
// two tags, even when the reader hands it over in pieces (CDATA, references).
// End of an element: an element that had neither attributes, nor character
// data, nor children (an empty tag) becomes a text element.
//
// Refused, with a reason in errorString(): entity declarations of any kind
// (internal expansion and external files), references to undeclared
// entities, nesting deeper than XmlLimits::MaxDepth and names longer than
// XmlLimits::MaxNameLength. The first fatal error of the reader is kept with
// its line and column.
class CXmlDefaultHandler : public QXmlDefaultHandler
{
public:
    CXmlDefaultHandler();
    ~CXmlDefaultHandler() override;

    bool startDocument() override;
    bool startElement(const QString &namespaceURI, const QString &localName,
                      const QString &qName, const QXmlAttributes &atts) override;
    bool endElement(const QString &namespaceURI, const QString &localName,
                    const QString &qName) override;
    bool characters(const QString &ch) override;
    bool skippedEntity(const QString &name) override;

    bool internalEntityDecl(const QString &name, const QString &value) override;
    bool externalEntityDecl(const QString &name, const QString &publicId,
                            const QString &systemId) override;
    bool unparsedEntityDecl(const QString &name, const QString &publicId,
                            const QString &systemId, const QString &notationName) override;

    bool fatalError(const QXmlParseException &exception) override;
    bool error(const QXmlParseException &exception) override;

    QString errorString() const override;

    // The tree read, given away; null when nothing was read.
    std::unique_ptr<CXmlElement> takeRoot();

private:
    bool refuse(const QString &reason);
    void flushText();

    std::unique_ptr<CXmlElement> m_root;
    CXmlElement *m_current = nullptr;
    bool m_textSeen = false;
    int m_depth = 0;
    QString m_run;
    bool m_runPending = false;
    QString m_error;
};

#endif // CXMLDEFAULTHANDLER_H
