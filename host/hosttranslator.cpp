#include "host/hosttranslator.h"

#include <QDir>
#include <QFileInfo>

#include <cstring>

HostTranslator::HostTranslator(QObject *parent)
    : QTranslator(parent)
{
}

HostTranslator::~HostTranslator() = default;

bool HostTranslator::loadFolder(const QString &folder)
{
    m_catalogues.clear();
    m_names.clear();
    const QDir dir(folder);
    const QStringList files = dir.entryList({QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        auto catalogue = std::make_unique<QTranslator>();
        if (!catalogue->load(dir.filePath(file)))
            continue;
        m_names << QFileInfo(file).completeBaseName();
        m_catalogues.push_back(std::move(catalogue));
    }
    return !m_catalogues.empty();
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
    if (!isTextKey(sourceText))
        return {};
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
    return true;
}
