#ifndef SETTINGSMODEL_H
#define SETTINGSMODEL_H

#include "settings/model/settingstext.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QVariant>

#include <memory>
#include <vector>

class CXmlElement;
class SettingsKey;
class SettingsTable;
struct SettingsConversion;

// The values of a settings file (root DEVICE), without widgets: what the
// editor's pages, its light page and the telemetry window's captions read
// and write. The settings editor owns one instance.
//
// Values are addressed by section and path (see SettingsKey):
//     model.value("TRACK", "GPSmaxHDOP")          2.5
//     model.value("TRACK", "GPSmaxEx/speed")      200
//     model.setValue("SYSTEM", "POWER/level_on", 10.5)   volts shown, 10500 mV stored
// Every key of the catalogue always has a value: the file's, or its
// default. A value is held as the text the file holds, so a value the user
// did not touch is written back exactly as it was read; value() reads that
// text by the key's type ("%d" integers, reals, texts) and converts it to the
// unit the page shows. Loading never changes a value.
//
// Nothing of a file is lost: what the catalogue does not describe - other
// child elements and attributes of a section or sub-section, unknown
// sub-sections, whole unknown sections, values of the root the editor does
// not set, a second element of a known name - is kept as it was read and
// written back after the known keys of the element it stood in, in its
// order. Legacy keys (read only when their replacement is absent) and
// write-only keys are the exception: they are never written back as read.
//
// The values as loaded are kept beside the current ones (loadedText(),
// isChanged()). Every change is announced by valueChanged(); a reset or a
// load by reloaded().
class SettingsModel : public QObject
{
    Q_OBJECT

public:
    // Header values the root gets on saving: name and text, in order.
    using Header = QList<QPair<QString, QString>>;

    struct Unstorable
    {
        QString section;
        QString path; // a key's path, or "element/element/attribute" of kept content
        QString text;
        SettingsText::Problem problem;
    };

    // The sections of the catalogue; or the tables given (tests, tools).
    explicit SettingsModel(QObject *parent = nullptr);
    explicit SettingsModel(const QList<const SettingsTable *> &tables, QObject *parent = nullptr);
    ~SettingsModel() override;

    // ------------------------------------------------------------ documents

    // Every key to its default; nothing kept; no file name.
    void reset();
    // Reads a settings file. A file that cannot be read (missing, a folder,
    // not readable, not XML, nested too deep, another root) leaves the model
    // as it was: false, with the reason in *error.
    bool open(const QString &path, QString *error = nullptr);
    bool openBytes(const QByteArray &bytes, QString *error = nullptr);
    // Reads a DEVICE element.
    void load(const CXmlElement &root);
    // The file last opened; empty after reset() or a load from memory.
    QString fileName() const { return m_fileName; }

    // Makes root (cleared first) the DEVICE element of the values: the
    // header given, the root's other values as read, every catalogue section
    // in page order, then the sections the catalogue does not know. Saving
    // twice gives the same tree. A header value not given is written as read.
    void saveInto(CXmlElement &root, const Header &header = Header()) const;
    // The file's bytes; empty with *error when the tree cannot be written.
    QByteArray toBytes(const Header &header = Header(), QString *error = nullptr) const;
    // Writes the file atomically; false with the reason.
    bool saveAs(const QString &path, const Header &header = Header(), QString *error = nullptr) const;

    // ------------------------------------------------------------ values

    const SettingsKey *key(const QString &section, const QString &path) const;
    // The tables of the model's sections, in page order.
    QList<const SettingsTable *> tables() const;
    bool contains(const QString &section, const QString &path) const { return key(section, path) != nullptr; }

    // The value as the file holds it.
    //
    // A section the catalogue has no table for is kept whole as read; its
    // plain values (a child element's text, path "Owner") are reached by
    // text() and setText() all the same, as untyped texts: text() is empty
    // for a value the section does not hold, and setText() adds the section
    // (with its page value) or the element when it is missing.
    QString text(const QString &section, const QString &path) const;
    // The value by the key's type (int, double or QString) in the unit
    // given: null for the key's own (the unit its page shows),
    // &SettingsConversion::Stored for the file's.
    QVariant value(const QString &section, const QString &path, const SettingsConversion *unit = nullptr) const;

    // Sets a value in the unit given (as value()); a number is stored
    // rounded to the key's type ("%d", or the key's decimals). A value equal
    // in that unit to the one held changes nothing (the text stays as read).
    // False, changing nothing, for an unknown key or a text that cannot be
    // stored (see SettingsText).
    bool setValue(const QString &section, const QString &path, const QVariant &value,
                  const SettingsConversion *unit = nullptr);
    bool setText(const QString &section, const QString &path, const QString &text);

    // A character of a flag string ("1110"): true when it is "1". A
    // position the string does not reach takes the key's default there
    // ("0" beyond it); setFlag pads a short string so, and keeps the tail of
    // a longer one.
    bool flag(const QString &section, const QString &path, int position) const;
    bool setFlag(const QString &section, const QString &path, int position, bool on);
    // The character at a position of a string of codes (missing: as flag()).
    QChar character(const QString &section, const QString &path, int position) const;
    bool setCharacter(const QString &section, const QString &path, int position, QChar c);
    // An item of a list: "."-separated for an IPv4 address key, else
    // separated by single spaces ("60 60 60 60"). A missing or empty item
    // takes the default's item there (empty beyond it); setItem fills such
    // items the same way ("0" beyond the default).
    QString item(const QString &section, const QString &path, int position) const;
    bool setItem(const QString &section, const QString &path, int position, const QString &item);
    // The key's default as stored text (empty for an unknown key).
    QString defaultText(const QString &section, const QString &path) const;

    // ------------------------------------------------------------ as loaded

    QString loadedText(const QString &section, const QString &path) const;
    bool isChanged(const QString &section, const QString &path) const;
    // A character or a list item of the value as loaded (read as character() and item() read them).
    QChar loadedCharacter(const QString &section, const QString &path, int position) const;
    QString loadedItem(const QString &section, const QString &path, int position) const;
    // The key (or, for a legacy row's target, its legacy source) was in the file.
    bool wasInFile(const QString &section, const QString &path) const;
    // The section stood in the file.
    bool hasSection(const QString &section) const;
    // A value of the root as read (the header values included); empty when absent.
    QString rootValue(const QString &name) const;
    // A section the catalogue has no table for, as it was read (the first
    // of that name); null when the file had none.
    const CXmlElement *keptSection(const QString &name) const;
    // A value of a section the catalogue does not describe, kept as read: the
    // text of a child element or an attribute of the section ("FSBoudrate232"),
    // or an attribute of a kept sub-section element ("RS232MODBUS/address").
    // A null string when the file had no such value.
    QString keptText(const QString &section, const QString &path) const;

    // Values that cannot be stored as they are (a character windows-1251
    // cannot hold, a known key's text over 254 bytes): saving writes them
    // changed ("?" for such a character, the text cut), so the user is told first.
    QList<Unstorable> unstorableValues() const;

signals:
    void valueChanged(const QString &section, const QString &path);
    // Every value may have changed: reset, open, load.
    void reloaded();

private:
    struct Kept;
    struct Section;
    class Walk;
    class Lending;

    Section *sectionData(const QString &name);
    const Section *sectionData(const QString &name) const;
    bool locate(const QString &section, const QString &path, const Section **s, int *index) const;
    bool setKeptText(const QString &section, const QString &path, const QString &text);
    QString storedText(const SettingsKey &key, const QVariant &value, const SettingsConversion &unit) const;
    void loadTree(const CXmlElement *root, bool owned);
    void build(CXmlElement &root, const Header &header, Lending *lent) const;
    void writeSection(CXmlElement &root, const Section &section, Lending *lent) const;
    void clearKept();

    std::vector<std::unique_ptr<Section>> m_sections; // catalogue order
    QList<QPair<QString, QString>> m_rootValues;     // as read, in order
    std::unique_ptr<Kept> m_rootKept;
    QString m_fileName;
};

#endif // SETTINGSMODEL_H
