// Every text the plug-in's and the host's windows show has a text in each
// language of the host's catalogues, so that no raw key shows and no window
// mixes English and Russian:
//  - every text key used in the plug-in's sources has an English text, and a
//    Russian one once the Russian catalogues exist; a key lives in exactly
//    one catalogue of a language, and a Russian catalogue holds the keys of
//    its English twin;
//  - the plug-in's Russian source texts are all translatable (lupdate finds
//    them) and have an English text in the English catalogues;
//  - every translatable text of the host has a Russian text.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    bool unfinished = false;
};

struct Catalogue
{
    QString name;     // k4810_core_en
    QString language; // en
    QList<Message> messages;
    QString error;
};

Catalogue readCatalogue(const QString &path)
{
    Catalogue c;
    c.name = QFileInfo(path).completeBaseName();
    c.language = c.name.section(QLatin1Char('_'), -1);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        c.error = f.errorString();
        return c;
    }
    QXmlStreamReader xml(&f);
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            m.context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            m.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            m.unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished")
                || xml.attributes().value(QLatin1String("type")) == QLatin1String("obsolete")
                || xml.attributes().value(QLatin1String("type")) == QLatin1String("vanished");
            m.translation = xml.readElementText();
            c.messages << m;
        }
    }
    if (xml.hasError())
        c.error = xml.errorString();
    return c;
}

bool isKey(const QString &text)
{
    static const QRegularExpression key(QStringLiteral("^K(?:4810|5127)_\\d+$"));
    return key.match(text).hasMatch();
}

bool hasCyrillic(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x0400 && c.unicode() <= 0x04FF)
            return true;
    }
    return false;
}

const QStringList kPluginFolders = {QStringLiteral("core"),  QStringLiteral("xml"),       QStringLiteral("settings"),
                                    QStringLiteral("telemetry"), QStringLiteral("fuel"), QStringLiteral("net"),
                                    QStringLiteral("accessories")};

// Every translatable text lupdate finds in the given sources.
QList<Message> extract(const QStringList &paths, QString *error)
{
    QTemporaryDir dir;
    const QString ts = dir.filePath(QStringLiteral("extracted.ts"));
    QProcess lupdate;
    lupdate.setWorkingDirectory(QStringLiteral(K4810_SOURCE_DIR));
    lupdate.start(QStringLiteral(K4810_LUPDATE),
                  QStringList{QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none")} + paths
                      + QStringList{QStringLiteral("-ts"), ts});
    if (!lupdate.waitForFinished(120000) || lupdate.exitCode() != 0) {
        *error = QStringLiteral("lupdate failed: ") + QString::fromLocal8Bit(lupdate.readAllStandardError());
        return {};
    }
    const Catalogue c = readCatalogue(ts);
    if (!c.error.isEmpty())
        *error = c.error;
    return c.messages;
}

} // namespace

class tst_TextKeys : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cataloguesAreWellFormed();
    void everyKeyInTheSourcesHasAText_data();
    void everyKeyInTheSourcesHasAText();
    void russianCataloguesTwinTheEnglishOnes();
    void russianSourceTextsAreTranslatable();
    void everyHostTextHasARussianText();

private:
    QList<Catalogue> m_catalogues;
    QMap<QString, QMap<QString, QString>> m_keys; // language -> key -> text
    QMap<QString, QMap<QString, QString>> m_fileOfKey;
    QStringList m_duplicates;
};

void tst_TextKeys::initTestCase()
{
    const QDir i18n(QStringLiteral(K4810_SOURCE_DIR "/host/i18n"));
    const QStringList files = i18n.entryList({QStringLiteral("*.ts")}, QDir::Files, QDir::Name);
    QVERIFY2(!files.isEmpty(), "no catalogue in host/i18n");
    for (const QString &name : files) {
        const Catalogue c = readCatalogue(i18n.filePath(name));
        for (const Message &m : c.messages) {
            if (!isKey(m.source))
                continue;
            if (m_keys[c.language].contains(m.source))
                m_duplicates << QStringLiteral("%1 (%2 and %3)").arg(m.source, m_fileOfKey[c.language].value(m.source), name);
            if (!m.unfinished)
                m_keys[c.language].insert(m.source, m.translation);
            m_fileOfKey[c.language].insert(m.source, name);
        }
        m_catalogues << c;
    }
}

void tst_TextKeys::cataloguesAreWellFormed()
{
    QStringList problems;
    for (const Catalogue &c : std::as_const(m_catalogues)) {
        if (!c.error.isEmpty())
            problems << QStringLiteral("%1: %2").arg(c.name, c.error);
        if (c.language != QLatin1String("en") && c.language != QLatin1String("ru"))
            problems << QStringLiteral("%1: the name does not end in _en or _ru").arg(c.name);
        for (const Message &m : c.messages) {
            if (m.unfinished || m.translation.trimmed().isEmpty())
                problems << QStringLiteral("%1: no text for %2 \"%3\"").arg(c.name, m.context, m.source);
            // The keys' shared context is looked up for keys only; a source
            // text is found in its class context (k4810_literals_en.ts).
            if (m.context == QLatin1String("K4810") && !isKey(m.source))
                problems << QStringLiteral("%1: \"%2\" is no key but sits in the keys' context K4810")
                                .arg(c.name, m.source);
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    QVERIFY2(m_duplicates.isEmpty(), qPrintable("keys in more than one catalogue: " + m_duplicates.join(", ")));
}

void tst_TextKeys::everyKeyInTheSourcesHasAText_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "en";
    QTest::newRow("Russian") << "ru";
}

void tst_TextKeys::everyKeyInTheSourcesHasAText()
{
    QFETCH(QString, language);
    if (!m_keys.contains(language))
        QSKIP("no key catalogue of this language yet");
    const QMap<QString, QString> &texts = m_keys[language];
    static const QRegularExpression key(QStringLiteral("\\bK(?:4810|5127)_\\d{3,4}\\b"));
    QMap<QString, QStringList> missing; // key -> files
    int filesScanned = 0;
    for (const QString &folder : kPluginFolders) {
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
                if (!texts.contains(k))
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
    QVERIFY2(report.isEmpty(), qPrintable(QStringLiteral("%1 keys without a text in %2:\n%3")
                                              .arg(report.size())
                                              .arg(language, report.join('\n'))));
}

// k4810_<area>_ru.ts holds the keys of k4810_<area>_en.ts, no more, no less.
void tst_TextKeys::russianCataloguesTwinTheEnglishOnes()
{
    QMap<QString, QSet<QString>> keysOf;
    for (const Catalogue &c : std::as_const(m_catalogues)) {
        for (const Message &m : c.messages) {
            if (isKey(m.source))
                keysOf[c.name].insert(m.source);
        }
    }
    QStringList problems;
    int twins = 0;
    for (const Catalogue &c : std::as_const(m_catalogues)) {
        if (c.language != QLatin1String("ru") || !c.name.startsWith(QLatin1String("k4810_")))
            continue;
        ++twins;
        const QString english = c.name.left(c.name.size() - 2) + QStringLiteral("en");
        if (!keysOf.contains(english)) {
            problems << QStringLiteral("%1 has no English twin %2").arg(c.name, english);
            continue;
        }
        const QSet<QString> onlyRu = keysOf.value(c.name) - keysOf.value(english);
        const QSet<QString> onlyEn = keysOf.value(english) - keysOf.value(c.name);
        if (!onlyRu.isEmpty())
            problems << QStringLiteral("%1 holds keys %2 lacks: %3").arg(c.name, english, QStringList(onlyRu.values()).join(", "));
        if (!onlyEn.isEmpty())
            problems << QStringLiteral("%1 lacks keys of %2: %3").arg(c.name, english, QStringList(onlyEn.values()).join(", "));
    }
    if (twins == 0)
        QSKIP("no Russian key catalogue yet");
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
}

// The Russian interface shows the plug-in's Russian source texts as they
// are; the English one needs each of them translatable, in its class
// context, with an English text.
void tst_TextKeys::russianSourceTextsAreTranslatable()
{
    QString error;
    const QList<Message> extracted = extract(kPluginFolders, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!extracted.isEmpty());

    QSet<QString> english; // context + '\n' + source
    for (const Catalogue &c : std::as_const(m_catalogues)) {
        if (c.language != QLatin1String("en"))
            continue;
        for (const Message &m : c.messages) {
            if (!m.unfinished && !m.translation.isEmpty())
                english.insert(m.context + QLatin1Char('\n') + m.source);
        }
    }
    QStringList withoutEnglish;
    QStringList sources;
    for (const Message &m : extracted) {
        if (!hasCyrillic(m.source))
            continue;
        sources << m.source;
        if (!english.contains(m.context + QLatin1Char('\n') + m.source))
            withoutEnglish << QStringLiteral("%1 \"%2\"").arg(m.context, m.source);
    }
    QVERIFY2(withoutEnglish.isEmpty(),
             qPrintable("Russian source texts without an English text:\n" + withoutEnglish.join('\n')));

    // A Russian string literal that lupdate does not find is not translated.
    static const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\]|\\\\.)*[\\x{0400}-\\x{04FF}](?:[^\"\\\\]|\\\\.)*)\""));
    static const QRegularExpression uiText(QStringLiteral(">([^<]*[\\x{0400}-\\x{04FF}][^<]*)<"));
    QStringList untranslatable;
    for (const QString &folder : kPluginFolders) {
        QDirIterator it(QStringLiteral(K4810_SOURCE_DIR "/") + folder,
                        {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.ui")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
            const bool ui = path.endsWith(QLatin1String(".ui"));
            for (int i = 0; i < lines.size(); ++i) {
                const QString line = lines.at(i).trimmed();
                if (line.startsWith(QLatin1String("//")) || line.startsWith(QLatin1String("*")))
                    continue;
                auto matches = (ui ? uiText : literal).globalMatch(lines.at(i));
                while (matches.hasNext()) {
                    QString text = matches.next().captured(1);
                    text.replace(QLatin1String("\\\""), QLatin1String("\""));
                    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
                    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
                    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
                    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
                    const bool found = std::any_of(sources.cbegin(), sources.cend(),
                                                   [&text](const QString &s) { return s.contains(text); });
                    if (!found)
                        untranslatable << QStringLiteral("%1:%2: %3")
                                              .arg(QDir(QStringLiteral(K4810_SOURCE_DIR)).relativeFilePath(path))
                                              .arg(i + 1)
                                              .arg(text);
                }
            }
        }
    }
    QVERIFY2(untranslatable.isEmpty(),
             qPrintable("Russian texts that are not translatable:\n" + untranslatable.join('\n')));
}

void tst_TextKeys::everyHostTextHasARussianText()
{
    QStringList hostSources;
    const QDir host(QStringLiteral(K4810_SOURCE_DIR "/host"));
    for (const QString &file : host.entryList({QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.ui")},
                                              QDir::Files, QDir::Name))
        hostSources << QStringLiteral("host/") + file;
    QString error;
    const QList<Message> extracted = extract(hostSources, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!extracted.isEmpty());

    QSet<QString> russian;
    for (const Catalogue &c : std::as_const(m_catalogues)) {
        if (c.name != QLatin1String("host_ru"))
            continue;
        for (const Message &m : c.messages) {
            if (!m.unfinished && !m.translation.isEmpty())
                russian.insert(m.context + QLatin1Char('\n') + m.source);
        }
    }
    QStringList missing;
    for (const Message &m : extracted) {
        if (!russian.contains(m.context + QLatin1Char('\n') + m.source))
            missing << QStringLiteral("%1 \"%2\"").arg(m.context, m.source);
    }
    QVERIFY2(missing.isEmpty(), qPrintable("host texts without a Russian text in host/i18n/host_ru.ts (run lupdate "
                                           "on host/ and translate them):\n"
                                           + missing.join('\n')));
}

QTEST_GUILESS_MAIN(tst_TextKeys)
#include "tst_textkeys.moc"
