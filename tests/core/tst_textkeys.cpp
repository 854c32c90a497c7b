// Every text key the plug-in's windows use has an English text in the
// host's catalogues, so that no raw key shows when the host runs.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

class tst_TextKeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void catalogueIsWellFormed();
    void everyKeyInTheSourcesHasAText();

private:
    QMap<QString, QString> m_texts; // key -> text
    QMap<QString, QString> m_fileOfKey;
    QStringList m_duplicates;
    QStringList m_catalogueErrors;
};

void tst_TextKeys::initTestCase()
{
    const QDir i18n(QStringLiteral(K4810_SOURCE_DIR "/host/i18n"));
    const QStringList files = i18n.entryList({QStringLiteral("*.ts")}, QDir::Files, QDir::Name);
    QVERIFY2(!files.isEmpty(), "no catalogue in host/i18n");
    for (const QString &name : files) {
        QFile f(i18n.filePath(name));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&f);
        QString source;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("TS")
                && !xml.attributes().value(QLatin1String("language")).startsWith(QLatin1String("en"))) {
                break; // a translation into another language: the English catalogues hold the keys
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const QString text = xml.readElementText();
                if (m_texts.contains(source))
                    m_duplicates << QStringLiteral("%1 (%2 and %3)").arg(source, m_fileOfKey.value(source), name);
                m_texts.insert(source, text);
                m_fileOfKey.insert(source, name);
            }
        }
        if (xml.hasError())
            m_catalogueErrors << QStringLiteral("%1: %2").arg(name, xml.errorString());
    }
}

void tst_TextKeys::catalogueIsWellFormed()
{
    QVERIFY2(m_catalogueErrors.isEmpty(), qPrintable(m_catalogueErrors.join('\n')));
    QVERIFY2(m_duplicates.isEmpty(), qPrintable("keys in more than one catalogue: " + m_duplicates.join(", ")));
    QStringList empty;
    for (auto it = m_texts.cbegin(); it != m_texts.cend(); ++it) {
        if (it.value().trimmed().isEmpty())
            empty << it.key();
    }
    QVERIFY2(empty.isEmpty(), qPrintable("keys without a text: " + empty.join(", ")));
}

void tst_TextKeys::everyKeyInTheSourcesHasAText()
{
    static const QRegularExpression key(QStringLiteral("\\bK(?:4810|5127)_\\d{3,4}\\b"));
    const QStringList folders = {QStringLiteral("core"), QStringLiteral("xml"), QStringLiteral("settings"),
                                 QStringLiteral("telemetry"), QStringLiteral("fuel"), QStringLiteral("net"),
                                 QStringLiteral("accessories")};
    QMap<QString, QStringList> missing; // key -> files
    int filesScanned = 0;
    for (const QString &folder : folders) {
        QDirIterator it(QStringLiteral(K4810_SOURCE_DIR "/") + folder,
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.ui")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(f.readAll());
            ++filesScanned;
            auto matches = key.globalMatch(text);
            while (matches.hasNext()) {
                const QString k = matches.next().captured();
                if (!m_texts.contains(k))
                    missing[k] << QDir(QStringLiteral(K4810_SOURCE_DIR)).relativeFilePath(path);
            }
        }
    }
    QVERIFY(filesScanned > 0);
    QStringList report;
    for (auto it = missing.cbegin(); it != missing.cend(); ++it) {
        QStringList files = it.value();
        files.removeDuplicates();
        report << QStringLiteral("%1 (%2)").arg(it.key(), files.join(", "));
    }
    QVERIFY2(report.isEmpty(), qPrintable("keys without an English text:\n" + report.join('\n')));
}

QTEST_GUILESS_MAIN(tst_TextKeys)
#include "tst_textkeys.moc"
