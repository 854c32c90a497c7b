#ifndef ARGUMENTTEXTS_H
#define ARGUMENTTEXTS_H

#include <QTranslator>

// The texts of the keys that take arguments, as the host's catalogue gives
// them: the key followed by its placeholders, so that a test sees the
// arguments a window filled in ("K4810_2813 Main server 1.2.3.999").
class ArgumentTexts : public QTranslator
{
public:
    QString translate(const char *, const char *source, const char *, int) const override
    {
        if (qstrcmp(source, "K4810_2813") == 0)
            return QStringLiteral("K4810_2813 %1 %2");
        if (qstrcmp(source, "K4810_2843") == 0 || qstrcmp(source, "K4810_2651") == 0)
            return QString::fromLatin1(source) + QStringLiteral(" %1 %2 %3");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

#endif // ARGUMENTTEXTS_H
