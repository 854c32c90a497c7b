#ifndef SETTINGSBINDER_H
#define SETTINGSBINDER_H

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariant>

class QWidget;
class SettingsKey;
class SettingsModel;
struct SettingsConversion;

// Binds a page's widgets to keys of the settings model, so that a page holds
// no load or save code: a widget shows its key's value and a user's change
// goes into the model at once.
//
// A widget is bound by dynamic properties, set in Designer ("+" in the
// property editor, type String unless said otherwise):
//
//   settingsPath       the key: "GPSmaxHDOP", "GPSmaxEx/speed", "SPEEDS/SPEED[2]/hi"
//   settingsSection    the section, when it is not the page's ("TRANSFER")
//   settingsIndex      (Int) one character of a string: a check box for a
//                      "0"/"1" flag ("MODE0/inUse", 3), a combo box for a digit code
//   settingsItem       (Int) one item of a list: "60 60 60 60", or an octet of an
//                      IPv4 address key ("GPRSSrv0IP", 0..3)
//   settingsUnit       the unit the widget shows when it is not the catalogue's:
//                      "stored" (the file's), or a SettingsConversion name
//   settingsValue      the value a radio button (or a check box) stands for
//   settingsEnabledBy  the widget is enabled while a key is not 0 or empty
//                      ("GPSreject"), is one of some codes ("Owner=TACH|TGFS"),
//                      or the reverse ("!GPSreject"); a key of another section
//                      is named with it ("SYSTEM:useAutoBalanceChek")
//   settingsEnabledByIndex, settingsEnabledByItem
//                      (Int) the rule looks at one character of the key
//                      (enabled while it is "1") or one item of its list
//                      (enabled while it is not 0 or empty), read as
//                      SettingsModel::character() and item() read them
//   settingsLive       (Bool) a live control: disabled offline, reset when
//                      the page's polling stops
//
// Kinds of widget and what they hold:
//   QSpinBox, QSlider (QAbstractSlider)  a whole number in the widget's unit; on a key
//                                        with choices, the choice's position (a
//                                        filter step standing for its coefficient)
//   QDoubleSpinBox                       a real; decimals from the catalogue
//   QLineEdit                            the text, or an item; a validator refuses
//                                        what cannot be stored or breaks the input rule
//                                        (a validator the page set before keeps its place)
//   QCheckBox, checkable QGroupBox       0/1, a flag character, or settingsValue
//   QRadioButton                         checked while the key holds settingsValue;
//                                        a value no button stands for checks none
//                                        and stays as it is
//   QComboBox                            the code of the key's choices (items made
//                                        from the catalogue when the combo is empty,
//                                        else the items in choice order); without
//                                        choices the item data, else the index (an
//                                        integer) or the item text. A stored code
//                                        that is not among the items is shown as an
//                                        extra item and kept.
//   QTimeEdit                            "hh:mm"; may be empty (shown "--:--")
// Ranges, steps and decimals come from the catalogue when it gives them.
//
// Loading (load(): after the page is set up and whenever the model is
// reloaded) sets every widget with its signals blocked, then applies the
// enabling rules once and emits loaded(): rules a page connects to its
// widgets' signals run on a user's action only, never on load, so loading
// never changes a value. Changes the model announces (another page, a
// rule writing the model) reach the bound widgets the same way, signals blocked.
class SettingsBinder : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *PathProperty = "settingsPath";
    static constexpr const char *SectionProperty = "settingsSection";
    static constexpr const char *IndexProperty = "settingsIndex";
    static constexpr const char *ItemProperty = "settingsItem";
    static constexpr const char *UnitProperty = "settingsUnit";
    static constexpr const char *ValueProperty = "settingsValue";
    static constexpr const char *EnabledByProperty = "settingsEnabledBy";
    static constexpr const char *EnabledByIndexProperty = "settingsEnabledByIndex";
    static constexpr const char *EnabledByItemProperty = "settingsEnabledByItem";
    static constexpr const char *LiveProperty = "settingsLive";

    // Two keys kept `gap` apart within [minimum, maximum] (stored units) when
    // the user changes one: Push moves the other one, Hold sets the changed
    // one back.
    enum class GapRule { Push, Hold };

    SettingsBinder(SettingsModel *model, const QString &section, QWidget *root, QObject *parent = nullptr);
    ~SettingsBinder() override;

    // Binds every widget below root that has a settingsPath (once, after
    // setupUi), and every widget with settingsEnabledBy or settingsLive.
    void bindAll();
    // Binds a widget from code: sets its properties and binds it.
    void bind(QWidget *widget, const QString &path, const QString &section = QString());

    // Binds a bound widget to another key of its section instead (a widget
    // whose key depends on a mode), and shows that key.
    void rebind(QWidget *widget, const QString &path);

    void load();
    bool isLoading() const { return m_loading; }

    void keepGap(const QString &lowPath, const QString &highPath, double gap, double minimum, double maximum,
                 GapRule rule = GapRule::Push);

    // Live controls: enabled only online; reset (unchecked, cleared) when polling stops.
    void setOnline(bool online);
    void resetLive();

    SettingsModel *model() const { return m_model; }
    QString section() const { return m_section; }
    QWidget *root() const { return m_root; }
    // The widgets bound to a key.
    QList<QWidget *> widgetsOf(const QString &path, const QString &section = QString()) const;

    // What each bound widget shows: its key, and the character (index) or
    // list item (item) of the key's value it stands for (-1: the whole value).
    struct Bound
    {
        QWidget *widget = nullptr;
        QString section;
        QString path;
        int index = -1;
        int item = -1;
    };
    QList<Bound> bound() const;

signals:
    // After load() and its enabling rules.
    void loaded();
    // The user changed a bound widget; the model holds the new value.
    void edited(const QString &section, const QString &path);

private:
    enum class Kind { Spin, DoubleSpin, Slider, Line, Check, Radio, Combo, Time };
    struct Binding
    {
        QPointer<QWidget> widget;
        Kind kind;
        QString section;
        QString path;
        const SettingsKey *key = nullptr;
        const SettingsConversion *unit = nullptr; // null: the key's
        int index = -1;
        int item = -1;
        QVariant value; // settingsValue
    };
    struct EnableRule
    {
        QPointer<QWidget> widget;
        QString section;
        QString path;
        QStringList codes;
        bool negate = false;
        int index = -1;
        int item = -1;
    };
    struct Gap
    {
        QString low;
        QString high;
        double gap;
        double minimum;
        double maximum;
        GapRule rule;
    };

    bool addBinding(QWidget *widget);
    void prepare(Binding &b);
    void connectUser(int index);
    void show(const Binding &b);
    void store(const Binding &b);
    void applyEnabling(const QString &section, const QString &path);
    bool ruleHolds(const EnableRule &r) const;
    void applyGaps(const QString &section, const QString &path);
    void onModelChanged(const QString &section, const QString &path);
    const SettingsConversion &unitOf(const Binding &b) const;

    SettingsModel *m_model;
    QString m_section;
    QPointer<QWidget> m_root;
    QList<Binding> m_bindings;
    QList<EnableRule> m_rules;
    QList<QPointer<QWidget>> m_live;
    QList<Gap> m_gaps;
    bool m_loading = false;
    QWidget *m_origin = nullptr; // the widget whose change the model is taking
    bool m_online = false;
};

#endif // SETTINGSBINDER_H
