#ifndef LOCALIZEDFILE_H
#define LOCALIZEDFILE_H

#include <QString>

// Files the plug-in shows from the host's "Localization/" folder (the
// tracker's description) exist in English and may have a twin in another
// language in a tree of its own that mirrors the English one:
// "Localization/ru/Device/K-4810/K-4810.htm" is the Russian twin of
// "Localization/Device/K-4810/K-4810.htm". The host finds its help pages by
// the same layout.
//
// The language is the one of the texts the host installed: its catalogues
// translate the marker text "en" (context LocalizedFile) into their own
// language code, as Qt's catalogues name their layout direction. Without
// such a catalogue the plug-in is in English.
class LocalizedFile
{
public:
    // "en", "ru", ...
    static QString interfaceLanguage();

    // The twin of a path under "Localization/" (relative to the working
    // directory, "./" allowed) in a language, when that file exists; else
    // the path as given.
    static QString resolve(const QString &path, const QString &language = interfaceLanguage());
};

#endif // LOCALIZEDFILE_H
