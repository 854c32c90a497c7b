#ifndef KEYTEXTS_H
#define KEYTEXTS_H

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QTranslator>
#include <QXmlStreamReader>

// A translator over fixed texts, whatever the context: the English texts of
// the host's catalogues as the host gives them, or texts a suite makes up,
// so that a suite sees the texts a user reads.
class KeyTexts : public QTranslator
{
public:
    enum class Sources {
        TextKeys, // only K4810_NNN keys; other source texts stay as written
        All,      // the description's literal source texts too
    };

    explicit KeyTexts(QHash<QString, QString> texts) : m_texts(std::move(texts)) {}

    // The translations of the host's English catalogues by source text.
    static QHash<QString, QString> english(Sources which = Sources::All)
    {
        QHash<QString, QString> texts;
        const QDir dir(QStringLiteral(K4810_SOURCE_DIR "/host/i18n"));
        for (const QString &name : dir.entryList({QStringLiteral("*_en.ts")}, QDir::Files)) {
            QFile file(dir.filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            QXmlStreamReader xml(&file);
            QString source;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == QLatin1String("TS")
                    && !xml.attributes().value(QLatin1String("language")).startsWith(QLatin1String("en")))
                    break; // not an English catalogue
                if (xml.name() == QLatin1String("source"))
                    source = xml.readElementText();
                else if (xml.name() == QLatin1String("translation")
                         && (which == Sources::All || source.startsWith(QLatin1String("K4810_"))))
                    texts.insert(source, xml.readElementText());
            }
        }
        return texts;
    }

    // The English texts of the keys for the whole run: the application owns
    // them, so they go with it after the last test instead of being left
    // behind at exit.
    static void installEnglish()
    {
        auto *texts = new KeyTexts(english(Sources::TextKeys));
        texts->setParent(QCoreApplication::instance());
        QCoreApplication::installTranslator(texts);
    }

    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return m_texts.value(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return m_texts.isEmpty(); }
    const QHash<QString, QString> &texts() const { return m_texts; }

private:
    QHash<QString, QString> m_texts;
};

#endif // KEYTEXTS_H
