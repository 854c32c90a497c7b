#ifndef HOSTTRANSLATOR_H
#define HOSTTRANSLATOR_H

#include <QList>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <vector>

// The texts of one language: every compiled catalogue "<name>_<language>.qm"
// found in one folder (the :/i18n resource of the host by default), and Qt's
// own catalogue of that language when the system has one.
//
// Text keys (K4810_NNN, K5127_NNN): the plug-in asks with its window class
// names as context while the key catalogues hold a single context "K4810",
// so a key is found whatever the context.
// Any other text (the host's own texts, the plug-in's Russian source texts,
// Qt's dialog buttons) is looked up in its own context, as Qt does; a text
// no catalogue holds is left alone, so Qt shows the source text.
class HostTranslator : public QTranslator
{
    Q_OBJECT
public:
    static constexpr const char *kCatalogueContext = "K4810";
    static constexpr const char *kDefaultFolder = ":/i18n";

    explicit HostTranslator(QObject *parent = nullptr);
    ~HostTranslator() override;

    // Which catalogues of the folder: the plug-in's (k4810_*), the host's
    // own (host_*, with Qt's own catalogue), or both.
    enum class Texts { All, Plugin, Host };

    // Loads the catalogues of a language ("en", "ru") in name order;
    // false when no catalogue of the folder loads.
    bool loadLanguage(const QString &language, const QString &folder = QString::fromLatin1(kDefaultFolder),
                      Texts texts = Texts::All);
    // The English catalogues of a folder.
    bool loadFolder(const QString &folder = QString::fromLatin1(kDefaultFolder))
    {
        return loadLanguage(QStringLiteral("en"), folder);
    }
    QString loadedLanguage() const { return m_language; }
    // Base names of the loaded catalogues of the folder ("k4810_core_en", ...).
    QStringList catalogues() const { return m_names; }

    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override;

    // K4810_NNN or K5127_NNN, with at least one digit.
    static bool isTextKey(const char *text);

    // Languages the plug-in has catalogues for in a folder (files
    // k4810_<area>_<language>.qm), sorted; English first when present.
    static QStringList languages(const QString &folder = QString::fromLatin1(kDefaultFolder));
    // The language to start in: the locale's when it is one of the
    // available ones, else English.
    static QString languageFor(const QLocale &locale, const QStringList &available);
    // The language's own name, as its speakers write it ("English", "Русский").
    static QString nativeName(const QString &language);

private:
    std::vector<std::unique_ptr<QTranslator>> m_catalogues;
    std::unique_ptr<QTranslator> m_qtCatalogue;
    QStringList m_names;
    QString m_language;
};

#endif // HOSTTRANSLATOR_H
