#ifndef SETTINGSMARKS_H
#define SETTINGSMARKS_H

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QMenu;
class QWidget;
class SettingsBinder;
class SettingsModel;

// The changed-value marks of the settings pages: every bound control whose
// value differs from the one the file or the tracker reading was loaded
// with carries the dynamic property settingsChanged (the editor's style
// sheet colours it) and a tool tip line with the value as loaded. A control
// that stands for one character or list item of a value is marked only
// when that part changed. The marks follow the model: a user's change, a
// revert, a reset or a load.
//
// Each marked control's context menu offers to revert it to the loaded
// value or reset it to the catalogue's default. The marks also know each
// key's captions on its page (a check box's text, the label beside a field),
// read live so that they are in the language shown.
class SettingsMarks : public QObject
{
    Q_OBJECT

public:
    static constexpr const char *ChangedProperty = "settingsChanged";
    static constexpr const char *ToolTipProperty = "settingsToolTip";

    SettingsMarks(SettingsModel *model, QObject *parent = nullptr);

    // The pages' binders (again after a page is replaced); context: the
    // page class, the context of its texts.
    void setBinders(const QList<SettingsBinder *> &binders);

    bool isMarked(const QWidget *widget) const;
    // The controls bound to a key, on whichever page.
    QList<QWidget *> widgetsOf(const QString &section, const QString &path) const;
    // The captions of a key's controls as they read now ("" when none).
    QString caption(const QString &section, const QString &path) const;
    // The context menu of a bound control: revert and reset (tests use it).
    QMenu *contextMenu(QWidget *control, QWidget *parent = nullptr);

    // Marks every control anew.
    void refresh();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Control
    {
        QPointer<QWidget> widget;
        QString section;
        QString path;
        int index = -1;
        int item = -1;
        QList<QPointer<QWidget>> captions;
    };

    static QString keyOf(const QString &section, const QString &path);
    const Control *controlOf(const QObject *widget) const;
    bool isChanged(const Control &c) const;
    QString loadedShown(const Control &c) const;
    void update(const Control &c);
    void updateKey(const QString &section, const QString &path);
    void revert(const Control &c);
    void reset(const Control &c);

    SettingsModel *m_model;
    QList<Control> m_controls;
    QHash<QString, QList<int>> m_byKey; // section\npath -> m_controls
    QHash<const QObject *, int> m_byWidget;
};

#endif // SETTINGSMARKS_H
