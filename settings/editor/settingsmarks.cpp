#include "settings/editor/settingsmarks.h"

#include "settings/model/settingschanges.h"
#include "settings/model/settingskey.h"
#include "settings/model/settingsmodel.h"
#include "settings/pages/settingsbinder.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QStyle>

namespace {

// The layout that holds w directly, below root; *at its position in it.
QLayout *layoutHolding(QLayout *root, const QWidget *w, int *at)
{
    if (!root)
        return nullptr;
    for (int i = 0; i < root->count(); ++i) {
        QLayoutItem *item = root->itemAt(i);
        if (item->widget() == w) {
            *at = i;
            return root;
        }
        if (QLayout *inner = item->layout()) {
            if (QLayout *found = layoutHolding(inner, w, at))
                return found;
        }
    }
    return nullptr;
}

// The label a user reads for a control: its own text, a label naming it
// as its buddy, or the label before it in its row.
QList<QPointer<QWidget>> captionsOf(QWidget *w, const QList<QLabel *> &labels)
{
    QList<QPointer<QWidget>> out;
    if (qobject_cast<QAbstractButton *>(w) || qobject_cast<QGroupBox *>(w)) {
        out << w;
        return out;
    }
    for (QLabel *l : labels) {
        if (l->buddy() == w)
            out << l;
    }
    if (!out.isEmpty() || !w->parentWidget())
        return out;
    int at = -1;
    QLayout *layout = layoutHolding(w->parentWidget()->layout(), w, &at);
    if (!layout)
        return out;
    QWidget *before = nullptr;
    if (auto *form = qobject_cast<QFormLayout *>(layout)) {
        before = form->labelForField(w);
    } else if (auto *grid = qobject_cast<QGridLayout *>(layout)) {
        int row, column, rowSpan, columnSpan;
        grid->getItemPosition(at, &row, &column, &rowSpan, &columnSpan);
        for (int c = column - 1; c >= 0 && !before; --c) {
            if (QLayoutItem *item = grid->itemAtPosition(row, c))
                before = item->widget();
        }
    } else if (at > 0) {
        before = layout->itemAt(at - 1)->widget();
    }
    if (qobject_cast<QLabel *>(before))
        out << before;
    return out;
}

QString captionText(const QWidget *w)
{
    QString text;
    if (auto *b = qobject_cast<const QAbstractButton *>(w))
        text = b->text();
    else if (auto *g = qobject_cast<const QGroupBox *>(w))
        text = g->title();
    else if (auto *l = qobject_cast<const QLabel *>(w))
        text = l->textFormat() == Qt::RichText || Qt::mightBeRichText(l->text())
                   ? QString(l->text()).remove(QRegularExpression(QStringLiteral("<[^>]*>")))
                   : l->text();
    text.remove(QLatin1Char('&'));
    return text.trimmed();
}

void repolish(QWidget *w)
{
    w->style()->unpolish(w);
    w->style()->polish(w);
    w->update();
}

} // namespace

SettingsMarks::SettingsMarks(SettingsModel *model, QObject *parent)
    : QObject(parent)
    , m_model(model)
{
    connect(m_model, &SettingsModel::valueChanged, this, &SettingsMarks::updateKey);
    connect(m_model, &SettingsModel::reloaded, this, &SettingsMarks::refresh);
}

QString SettingsMarks::keyOf(const QString &section, const QString &path)
{
    return section + QLatin1Char('\n') + path;
}

void SettingsMarks::setBinders(const QList<SettingsBinder *> &binders)
{
    for (const Control &c : std::as_const(m_controls)) {
        if (c.widget)
            c.widget->removeEventFilter(this);
    }
    m_controls.clear();
    m_byKey.clear();
    m_byWidget.clear();
    for (SettingsBinder *binder : binders) {
        if (!binder || !binder->root())
            continue;
        const QList<QLabel *> labels = binder->root()->findChildren<QLabel *>();
        for (const SettingsBinder::Bound &b : binder->bound()) {
            if (!m_model->contains(b.section, b.path))
                continue;
            Control c;
            c.widget = b.widget;
            c.section = b.section;
            c.path = b.path;
            c.index = b.index;
            c.item = b.item;
            c.captions = captionsOf(b.widget, labels);
            const int i = int(m_controls.size());
            m_controls.append(c);
            m_byKey[keyOf(b.section, b.path)].append(i);
            m_byWidget.insert(b.widget, i);
            b.widget->installEventFilter(this);
            // A spin box's or an editable combo's field takes the right click.
            for (QLineEdit *edit : b.widget->findChildren<QLineEdit *>()) {
                m_byWidget.insert(edit, i);
                edit->installEventFilter(this);
            }
        }
    }
    refresh();
}

const SettingsMarks::Control *SettingsMarks::controlOf(const QObject *widget) const
{
    const auto it = m_byWidget.constFind(widget);
    return it == m_byWidget.cend() ? nullptr : &m_controls.at(*it);
}

bool SettingsMarks::isMarked(const QWidget *widget) const
{
    return widget && widget->property(ChangedProperty).toBool();
}

QList<QWidget *> SettingsMarks::widgetsOf(const QString &section, const QString &path) const
{
    QList<QWidget *> out;
    for (int i : m_byKey.value(keyOf(section, path))) {
        if (QWidget *w = m_controls.at(i).widget)
            out << w;
    }
    return out;
}

QString SettingsMarks::caption(const QString &section, const QString &path) const
{
    const auto it = m_byKey.constFind(keyOf(section, path));
    if (it == m_byKey.cend())
        return QString();
    QStringList texts;
    for (int i : *it) {
        for (const QPointer<QWidget> &w : m_controls.at(i).captions) {
            const QString t = w ? captionText(w) : QString();
            if (!t.isEmpty() && !texts.contains(t))
                texts << t;
        }
    }
    return texts.join(QStringLiteral(" · "));
}

bool SettingsMarks::isChanged(const Control &c) const
{
    if (!m_model->isChanged(c.section, c.path))
        return false;
    if (c.index >= 0)
        return m_model->loadedCharacter(c.section, c.path, c.index) != m_model->character(c.section, c.path, c.index);
    if (c.item >= 0)
        return m_model->loadedItem(c.section, c.path, c.item) != m_model->item(c.section, c.path, c.item);
    return true;
}

QString SettingsMarks::loadedShown(const Control &c) const
{
    const SettingsKey *key = m_model->key(c.section, c.path);
    if (c.index >= 0)
        return m_model->loadedCharacter(c.section, c.path, c.index);
    if (c.item >= 0)
        return m_model->loadedItem(c.section, c.path, c.item);
    const QString loaded = m_model->loadedText(c.section, c.path);
    const QString shown = key ? SettingsChanges::shownText(*key, loaded, SettingsChanges::contextOf(*m_model, c.section)) : loaded;
    return shown.isEmpty() ? QStringLiteral("\"\"") : shown;
}

void SettingsMarks::update(const Control &c)
{
    QWidget *w = c.widget;
    if (!w)
        return;
    const bool changed = isChanged(c);
    if (w->property(ChangedProperty).toBool() == changed && !changed)
        return;
    if (!w->property(ToolTipProperty).isValid())
        w->setProperty(ToolTipProperty, w->toolTip());
    const QString own = w->property(ToolTipProperty).toString();
    if (changed) {
        const QString line = tr("K4810_3007").arg(loadedShown(c));
        w->setToolTip(own.isEmpty() ? line : own + QLatin1Char('\n') + line);
    } else {
        w->setToolTip(own);
    }
    if (w->property(ChangedProperty).toBool() != changed) {
        w->setProperty(ChangedProperty, changed);
        repolish(w);
    }
}

void SettingsMarks::updateKey(const QString &section, const QString &path)
{
    for (int i : m_byKey.value(keyOf(section, path)))
        update(m_controls.at(i));
}

void SettingsMarks::refresh()
{
    for (const Control &c : std::as_const(m_controls))
        update(c);
}

void SettingsMarks::revert(const Control &c)
{
    if (c.index >= 0)
        m_model->setCharacter(c.section, c.path, c.index, m_model->loadedCharacter(c.section, c.path, c.index));
    else if (c.item >= 0)
        m_model->setItem(c.section, c.path, c.item, m_model->loadedItem(c.section, c.path, c.item));
    else
        SettingsChanges::revert(*m_model, c.section, c.path);
}

void SettingsMarks::reset(const Control &c)
{
    const QString def = m_model->defaultText(c.section, c.path);
    if (c.index >= 0) {
        m_model->setCharacter(c.section, c.path, c.index,
                              c.index < def.size() ? def.at(c.index) : QLatin1Char('0'));
    } else if (c.item >= 0) {
        const SettingsKey *key = m_model->key(c.section, c.path);
        const QChar sep = key && key->inputRule() == SettingsInputRule::IPv4Address ? QLatin1Char('.')
                                                                                     : QLatin1Char(' ');
        m_model->setItem(c.section, c.path, c.item, def.split(sep).value(c.item, QStringLiteral("0")));
    } else {
        SettingsChanges::resetToDefault(*m_model, c.section, c.path);
    }
}

QMenu *SettingsMarks::contextMenu(QWidget *control, QWidget *parent)
{
    const Control *c = controlOf(control);
    if (!c)
        return nullptr;
    QMenu *menu = nullptr;
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        menu = edit->createStandardContextMenu();
    else if (auto *box = qobject_cast<QAbstractSpinBox *>(control); box && box->findChild<QLineEdit *>())
        menu = box->findChild<QLineEdit *>()->createStandardContextMenu();
    if (!menu)
        menu = new QMenu;
    menu->setParent(parent ? parent : control->window(), Qt::Popup);
    if (!menu->isEmpty())
        menu->addSeparator();
    const Control copy = *c;
    const SettingsKey *key = m_model->key(c->section, c->path);
    const char *context = SettingsChanges::contextOf(*m_model, c->section);
    QAction *revertAction = menu->addAction(tr("K4810_3009").arg(loadedShown(copy)));
    revertAction->setObjectName(QStringLiteral("action_RevertSetting"));
    revertAction->setEnabled(isChanged(copy) && !control->property(SettingsBinder::LiveProperty).toBool());
    connect(revertAction, &QAction::triggered, this, [this, copy] { revert(copy); });
    QString defaultShown = m_model->defaultText(c->section, c->path);
    if (key && c->index < 0 && c->item < 0)
        defaultShown = SettingsChanges::shownText(*key, defaultShown, context);
    QAction *resetAction = menu->addAction(tr("K4810_3008").arg(defaultShown.isEmpty() ? QStringLiteral("\"\"")
                                                                                        : defaultShown));
    resetAction->setObjectName(QStringLiteral("action_ResetSetting"));
    resetAction->setEnabled(control->isEnabled()
                            && m_model->text(c->section, c->path) != m_model->defaultText(c->section, c->path));
    connect(resetAction, &QAction::triggered, this, [this, copy] { reset(copy); });
    menu->setAttribute(Qt::WA_DeleteOnClose);
    return menu;
}

bool SettingsMarks::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ContextMenu)
        return false;
    const Control *c = controlOf(watched);
    if (!c || !c->widget)
        return false;
    auto *e = static_cast<QContextMenuEvent *>(event);
    // A field's own menu (copy, paste) comes first; then revert and reset.
    QWidget *target = qobject_cast<QLineEdit *>(watched) && !qobject_cast<QAbstractSpinBox *>(c->widget.data())
                              && !qobject_cast<QComboBox *>(c->widget.data())
                          ? static_cast<QWidget *>(watched)
                          : c->widget.data();
    if (QMenu *menu = contextMenu(target))
        menu->popup(e->globalPos());
    return true;
}
