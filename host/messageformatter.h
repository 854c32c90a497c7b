#ifndef MESSAGEFORMATTER_H
#define MESSAGEFORMATTER_H

#include "host/pluginmessage.h"

#include <QString>

// The parameter column of the message log. Works on the copies held by a
// PluginMessage, never on the plug-in's memory.
//   buf, len        "42 bytes: 2A 23 46 …"
//   &text           "\"text\"" (control characters escaped, long texts cut)
//   &texts4         "\"a\", \"b\", \"c\", \"d\""
//   &value          "8 bytes: 10 08 00 …" or the number it holds
//   settings block  "block 2/3, 512 bytes, sequence 101: 3C 3F …"
class MessageFormatter
{
public:
    static constexpr int kHexPreview = 16; // bytes shown of a buffer
    static constexpr int kTextPreview = 160; // characters shown of a text

    static QString parameters(const PluginMessage &message);

    static QString quoted(const QString &text, int max = kTextPreview);
    static QString hexPreview(const QByteArray &bytes, int max = kHexPreview);
    static QString bytesText(const QByteArray &bytes); // "N bytes: hex…"
    static QString settingsBlock(const QByteArray &block);

private:
    static QString arg(const MessageArg &a);
};

#endif // MESSAGEFORMATTER_H
