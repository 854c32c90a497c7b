#ifndef ENGLISHTEXTS_H
#define ENGLISHTEXTS_H

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QTranslator>
#include <QXmlStreamReader>

// The English texts of the text keys, read from the host's catalogues as
// the host gives them (whatever the context; texts that are not keys stay
// as written), so that a suite sees the texts a user reads.
class EnglishTexts : public QTranslator
{
public:
    EnglishTexts()
    {
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
                else if (xml.name() == QLatin1String("translation") && source.startsWith(QLatin1String("K4810_")))
                    m_texts.insert(source, xml.readElementText());
            }
        }
    }

    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return m_texts.value(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return m_texts.isEmpty(); }

    // The application owns it: it goes with the application, after the
    // last test, not left behind at exit.
    static void install()
    {
        auto *texts = new EnglishTexts;
        texts->setParent(QCoreApplication::instance());
        QCoreApplication::installTranslator(texts);
    }

private:
    QHash<QString, QString> m_texts;
};

#endif // ENGLISHTEXTS_H
