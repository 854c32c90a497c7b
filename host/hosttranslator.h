#ifndef HOSTTRANSLATOR_H
#define HOSTTRANSLATOR_H

#include <QList>
#include <QStringList>
#include <QTranslator>

#include <memory>
#include <vector>

// The plug-in's texts: every compiled catalogue found in one folder (the
// :/i18n resource of the host by default), looked up by key. The plug-in
// asks with its window class names as context while the catalogues hold a
// single context "K4810", so a text key (K4810_NNN or K5127_NNN) is found
// whatever the context. Any other text is left alone: translate() returns
// nothing and Qt keeps the source text.
class HostTranslator : public QTranslator
{
    Q_OBJECT
public:
    static constexpr const char *kCatalogueContext = "K4810";
    static constexpr const char *kDefaultFolder = ":/i18n";

    explicit HostTranslator(QObject *parent = nullptr);
    ~HostTranslator() override;

    // Loads every *.qm in the folder, in name order; false when none loads.
    bool loadFolder(const QString &folder = QString::fromLatin1(kDefaultFolder));
    // Base names of the loaded catalogues ("k4810_core_en", ...).
    QStringList catalogues() const { return m_names; }

    QString translate(const char *context, const char *sourceText, const char *disambiguation = nullptr,
                      int n = -1) const override;
    bool isEmpty() const override;

    // K4810_NNN or K5127_NNN, with at least one digit.
    static bool isTextKey(const char *text);

private:
    std::vector<std::unique_ptr<QTranslator>> m_catalogues;
    QStringList m_names;
};

#endif // HOSTTRANSLATOR_H
