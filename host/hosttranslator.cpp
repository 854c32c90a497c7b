#include "host/hosttranslator.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cstring>

HostTranslator::HostTranslator(QObject *parent)
    : QTranslator(parent)
{
}

HostTranslator::~HostTranslator() = default;

bool HostTranslator::loadLanguage(const QString &language, const QString &folder, Texts texts)
{
    m_catalogues.clear();
    m_qtCatalogue.reset();
    m_names.clear();
    m_language = language;
    const QDir dir(folder);
    const QStringList files =
        dir.entryList({QStringLiteral("*_%1.qm").arg(language)}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        const bool plugin = file.startsWith(QLatin1String("k4810_"));
        const bool host = file.startsWith(QLatin1String("host_"));
        if ((texts == Texts::Plugin && !plugin) || (texts == Texts::Host && !host))
            continue;
        auto catalogue = std::make_unique<QTranslator>();
        if (!catalogue->load(dir.filePath(file)))
            continue;
        m_names << QFileInfo(file).completeBaseName();
        m_catalogues.push_back(std::move(catalogue));
    }
    // Qt's own texts (dialog buttons, file dialogs) are written in English.
    if (language != QLatin1String("en") && texts != Texts::Plugin) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            m_qtCatalogue = std::move(qt);
    }
    return !m_catalogues.empty() || m_qtCatalogue != nullptr;
}

bool HostTranslator::isTextKey(const char *text)
{
    if (!text)
        return false;
    if (std::strncmp(text, "K4810_", 6) != 0 && std::strncmp(text, "K5127_", 6) != 0)
        return false;
    const char *digits = text + 6;
    if (*digits == '\0')
        return false;
    for (const char *p = digits; *p; ++p) {
        if (*p < '0' || *p > '9')
            return false;
    }
    return true;
}

QString HostTranslator::translate(const char *context, const char *sourceText, const char *disambiguation,
                                  int n) const
{
    if (!sourceText || !*sourceText)
        return {};
    if (!isTextKey(sourceText)) {
        // The keys' shared context holds nothing but keys.
        if (!context || std::strcmp(context, kCatalogueContext) == 0)
            return {};
        for (const auto &catalogue : m_catalogues) {
            const QString text = catalogue->translate(context, sourceText, disambiguation, n);
            if (!text.isEmpty())
                return text;
        }
        return m_qtCatalogue ? m_qtCatalogue->translate(context, sourceText, disambiguation, n) : QString();
    }
    for (const auto &catalogue : m_catalogues) {
        QString text = catalogue->translate(kCatalogueContext, sourceText, disambiguation, n);
        if (text.isEmpty() && disambiguation && *disambiguation)
            text = catalogue->translate(kCatalogueContext, sourceText, nullptr, n);
        // Keys have no plural forms: a count is no reason to miss the text.
        if (text.isEmpty() && n >= 0)
            text = catalogue->translate(kCatalogueContext, sourceText, nullptr, -1);
        // A catalogue that does keep the caller's context is honoured too.
        if (text.isEmpty() && context && std::strcmp(context, kCatalogueContext) != 0)
            text = catalogue->translate(context, sourceText, disambiguation, n);
        if (!text.isEmpty())
            return text;
    }
    return {};
}

bool HostTranslator::isEmpty() const
{
    for (const auto &catalogue : m_catalogues) {
        if (!catalogue->isEmpty())
            return false;
    }
    return !m_qtCatalogue || m_qtCatalogue->isEmpty();
}

QStringList HostTranslator::languages(const QString &folder)
{
    static const QRegularExpression name(QStringLiteral("^k4810_.+_([a-z]{2})\\.qm$"));
    QStringList found;
    const QStringList files = QDir(folder).entryList({QStringLiteral("k4810_*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        const QRegularExpressionMatch m = name.match(file);
        if (m.hasMatch() && !found.contains(m.captured(1)))
            found << m.captured(1);
    }
    std::sort(found.begin(), found.end(), [](const QString &a, const QString &b) {
        if ((a == QLatin1String("en")) != (b == QLatin1String("en")))
            return a == QLatin1String("en");
        return a < b;
    });
    return found;
}

QString HostTranslator::languageFor(const QLocale &locale, const QStringList &available)
{
    const QString wanted = QLocale::languageToCode(locale.language(), QLocale::ISO639Part1);
    return available.contains(wanted) ? wanted : QStringLiteral("en");
}

QString HostTranslator::nativeName(const QString &language)
{
    // QLocale("en") names American English.
    if (language == QLatin1String("en"))
        return QStringLiteral("English");
    QString name = QLocale(language).nativeLanguageName();
    if (name.isEmpty())
        return language;
    name[0] = name.at(0).toUpper();
    return name;
}
