#ifndef FIELDSELECTION_H
#define FIELDSELECTION_H

#include <QList>
#include <QString>
#include <QStringView>

// Which record fields the tracker sends to its telematic server: a text of
// '0'/'1' characters, character k standing for bit k of the field table
// (telemetry/fieldtable.h), 69 characters for the first-generation set and
// 122 for the second. A character is read as a digit; any non-zero digit
// selects its field.
//
// The text is the state: the check boxes of the selection dialogs show it
// and change only the characters of the box the user changed. Characters
// without a box (bits 77..82, and in the first generation the fields an F8
// record does not carry) keep what was loaded and count in the size, as do
// characters beyond the generation's length of a longer stored text. A
// shorter text is padded with "0"; the text handed back is exactly as long as
// the generation's set (or as the longer text loaded).
class FieldSelection
{
public:
    enum class Generation { First, Second };
    enum class StorageFormat { Default, DfVela };

    static constexpr int FirstLength = 69;
    static constexpr int SecondLength = 122;
    static constexpr int DefaultLimit = 127;
    static constexpr int DfVelaLimit = 222;
    static constexpr int NoBit = 0xFF;
    static constexpr int TyreBits[4] = {93, 94, 95, 96};
    static constexpr int TyreItemCount = 15;

    // The groups the dialogs show their boxes in.
    enum class Group {
        Record,
        Position,
        InputsOutputs,
        FuelSensors,
        Temperatures,
        Can,
        Navigation,
        Services,
        Motion,
        Count
    };

    // One check box: its name (checkBox_<name>), the bit or two bits it
    // stands for, and whether it is a field of the extended storage format.
    struct Box
    {
        const char *name;
        quint8 bit;
        quint8 secondBit; // NoBit when the box has one bit
        bool extended;
        Group group;
    };

    explicit FieldSelection(Generation generation = Generation::Second);

    // "11111111111011100011000000001000000010000...0" (122 characters).
    static QString defaultText(Generation generation = Generation::Second);
    static int length(Generation generation)
    {
        return generation == Generation::First ? FirstLength : SecondLength;
    }

    // The boxes of a generation: 111 for the second, 51 for the first.
    static const QList<Box> &boxes(Generation generation);
    // The text key of a field's caption, by bit (0..121); the caption of a
    // box is the one of its first bit, except for Coord.
    static const char *captionKey(int bit);
    static const char *boxCaptionKey(const Box &box);
    static const char *groupTitleKey(Group group);

    // Tyre combo: the characters of bits 93..96 for an item (tyres 1-2,
    // 3-6, 7-14, 15-30); an index outside 0..14 gives "0000". The item of a
    // pattern, or -1 when no item has it (tyres 1-2 alone, for one).
    static QString tyrePattern(int index);
    static int tyreIndexOf(QStringView pattern);
    // Tyre numbers of a pattern as ranges: "1–2, 7–14"; empty for "0000".
    static QString tyreRanges(QStringView pattern);

    static QString formatCode(StorageFormat format);
    static int limitOf(StorageFormat format) { return format == StorageFormat::DfVela ? DfVelaLimit : DefaultLimit; }

    // Writes '1' or '0' at a position of a selection text, padding a short
    // text with '0' first.
    static void setPosition(QString &selection, int position, bool on);
    // Whether a character selects its field (a non-zero digit).
    static bool isSelected(QChar c) { return c >= u'1' && c <= u'9'; }

    Generation generation() const { return m_generation; }

    // Loading takes the text and the stored format as they are: nothing is
    // unticked because of the format. An unknown format code is kept and
    // handed back until setStorageFormat() is called.
    void load(const QString &selection, const QString &formatCode = QStringLiteral("DEFAULT"));
    // The default text, format DEFAULT.
    void reset();

    QString text() const { return m_text; }
    QString formatCode() const { return m_formatCode; }
    StorageFormat storageFormat() const;
    bool isKnownFormat() const;
    // The user's choice: DEFAULT also unticks every extended box.
    void setStorageFormat(StorageFormat format);

    bool isBitSet(int bit) const;
    int boxCount() const { return int(boxes(m_generation).size()); }
    const Box &box(int index) const { return boxes(m_generation).at(index); }
    int boxIndexOf(QStringView name) const;
    bool isBoxChecked(int index) const;
    // Changes only the box's own characters.
    void setBoxChecked(int index, bool checked);
    // An extended box can be ticked only in the extended format; one that
    // is ticked stays enabled so that it can be unticked.
    bool isBoxEnabled(int index) const;
    // Bytes of the box's field rows.
    int boxWidth(int index) const;

    // Second generation only.
    QString tyrePattern() const;
    int tyreIndex() const { return tyreIndexOf(tyrePattern()); }
    void setTyreIndex(int index);
    // Four characters for bits 93..96, as they are (a pattern kept from a load).
    void setTyrePattern(QStringView pattern);

    // Bytes of every selected field row of the whole text.
    int size() const;
    // 127 or 222 bytes for the second generation; 0 (no limit) for the first.
    int limit() const;
    bool fitsLimit() const { return limit() == 0 || size() <= limit(); }

private:
    void setBit(int bit, bool on);

    Generation m_generation;
    QString m_text;
    QString m_formatCode;
};

#endif // FIELDSELECTION_H
