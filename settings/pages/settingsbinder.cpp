#include "settings/pages/settingsbinder.h"

#include "settings/model/settingscatalogue.h"
#include "settings/model/settingsconversion.h"
#include "settings/model/settingskey.h"
#include "settings/model/settingsmodel.h"
#include "settings/pages/settingstextvalidator.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTimeEdit>

#include <cmath>
#include <limits>

namespace {

constexpr int ExtraItemRole = Qt::UserRole + 1; // an item made for a stored code the list lacks

// Codes compare as text, and as numbers when both are numbers ("03" is 3).
bool sameCode(const QString &a, const QString &b)
{
    if (a == b)
        return true;
    bool okA = false;
    bool okB = false;
    const double x = a.trimmed().toDouble(&okA);
    const double y = b.trimmed().toDouble(&okB);
    return okA && okB && x == y;
}

bool isEmptyTime(const SettingsKey *key)
{
    return key && key->row().type == SettingsRow::Text && (!key->row().text || !*key->row().text);
}

} // namespace

SettingsBinder::SettingsBinder(SettingsModel *model, const QString &section, QWidget *root, QObject *parent)
    : QObject(parent)
    , m_model(model)
    , m_section(section)
    , m_root(root)
{
    if (m_model) {
        connect(m_model, &SettingsModel::valueChanged, this, &SettingsBinder::onModelChanged);
        connect(m_model, &SettingsModel::reloaded, this, &SettingsBinder::load);
    }
}

SettingsBinder::~SettingsBinder() = default;

const SettingsConversion &SettingsBinder::unitOf(const Binding &b) const
{
    if (b.unit)
        return *b.unit;
    return b.key ? b.key->conversion() : SettingsConversion::Stored;
}

// ---------------------------------------------------------------- binding

void SettingsBinder::bindAll()
{
    if (!m_root)
        return;
    const QList<QWidget *> widgets = m_root->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (!w->property(PathProperty).toString().isEmpty())
            addBinding(w);
        const QString enabledBy = w->property(EnabledByProperty).toString().trimmed();
        if (!enabledBy.isEmpty()) {
            EnableRule r;
            r.widget = w;
            r.section = w->property(SectionProperty).toString();
            if (r.section.isEmpty())
                r.section = m_section;
            QString path = enabledBy;
            if (path.startsWith(QLatin1Char('!'))) {
                r.negate = true;
                path.remove(0, 1);
            }
            // "SYSTEM:useAutoBalanceChek": a key of another section.
            const qsizetype colon = path.indexOf(QLatin1Char(':'));
            if (colon >= 0) {
                r.section = path.left(colon).trimmed();
                path.remove(0, colon + 1);
            }
            const qsizetype eq = path.indexOf(QLatin1Char('='));
            if (eq >= 0) {
                r.codes = path.mid(eq + 1).split(QLatin1Char('|'));
                path.truncate(eq);
            }
            r.path = path.trimmed();
            bool ok = false;
            const int index = w->property(EnabledByIndexProperty).toInt(&ok);
            r.index = ok && w->property(EnabledByIndexProperty).isValid() ? index : -1;
            const int item = w->property(EnabledByItemProperty).toInt(&ok);
            r.item = ok && w->property(EnabledByItemProperty).isValid() ? item : -1;
            m_rules.append(r);
        }
        if (w->property(LiveProperty).toBool())
            m_live.append(w);
    }
}

void SettingsBinder::bind(QWidget *widget, const QString &path, const QString &section)
{
    widget->setProperty(PathProperty, path);
    if (!section.isEmpty())
        widget->setProperty(SectionProperty, section);
    addBinding(widget);
}

bool SettingsBinder::addBinding(QWidget *w)
{
    Binding b;
    b.widget = w;
    b.path = w->property(PathProperty).toString();
    b.section = w->property(SectionProperty).toString();
    if (b.section.isEmpty())
        b.section = m_section;
    b.key = m_model ? m_model->key(b.section, b.path) : nullptr;
    if (!b.key) {
        qWarning("SettingsBinder: %s is bound to %s/%s, which the catalogue does not have",
                 qPrintable(w->objectName()), qPrintable(b.section), qPrintable(b.path));
        return false;
    }
    bool ok = false;
    const int index = w->property(IndexProperty).toInt(&ok);
    b.index = ok && w->property(IndexProperty).isValid() ? index : -1;
    const int item = w->property(ItemProperty).toInt(&ok);
    b.item = ok && w->property(ItemProperty).isValid() ? item : -1;
    const QString unit = w->property(UnitProperty).toString();
    if (!unit.isEmpty()) {
        b.unit = SettingsConversion::byName(unit);
        if (!b.unit)
            qWarning("SettingsBinder: unknown unit %s on %s", qPrintable(unit), qPrintable(w->objectName()));
    }
    b.value = w->property(ValueProperty);

    if (qobject_cast<QSpinBox *>(w))
        b.kind = Kind::Spin;
    else if (qobject_cast<QDoubleSpinBox *>(w))
        b.kind = Kind::DoubleSpin;
    else if (qobject_cast<QAbstractSlider *>(w))
        b.kind = Kind::Slider;
    else if (qobject_cast<QLineEdit *>(w))
        b.kind = Kind::Line;
    else if (qobject_cast<QRadioButton *>(w))
        b.kind = Kind::Radio;
    else if (qobject_cast<QAbstractButton *>(w) || qobject_cast<QGroupBox *>(w))
        b.kind = Kind::Check;
    else if (qobject_cast<QComboBox *>(w))
        b.kind = Kind::Combo;
    else if (qobject_cast<QTimeEdit *>(w))
        b.kind = Kind::Time;
    else {
        qWarning("SettingsBinder: %s cannot be bound (%s)", qPrintable(w->objectName()), w->metaObject()->className());
        return false;
    }
    prepare(b);
    m_bindings.append(b);
    connectUser(int(m_bindings.size()) - 1);
    return true;
}

void SettingsBinder::prepare(Binding &b)
{
    const SettingsKey &k = *b.key;
    const SettingsConversion &u = unitOf(b);
    // The key's range (in the key's shown unit) in the widget's unit.
    auto inWidgetUnit = [&](double shown) {
        const double stored = k.conversion().toStored(shown);
        const QVariant v = u.toShown(stored);
        return v.toDouble();
    };
    const bool ownUnit = &u == &k.conversion();
    switch (b.kind) {
    case Kind::Spin:
    case Kind::Slider: {
        auto *s = qobject_cast<QAbstractSlider *>(b.widget.data());
        auto *spin = qobject_cast<QSpinBox *>(b.widget.data());
        if (k.choiceCount() > 0 && b.item < 0 && b.index < 0) {
            if (spin)
                spin->setRange(0, k.choiceCount() - 1);
            else if (s)
                s->setRange(0, k.choiceCount() - 1);
        } else if (k.hasRange() && b.item < 0 && b.index < 0) {
            const int lo = int(std::lround(inWidgetUnit(k.minimum())));
            const int hi = int(std::lround(inWidgetUnit(k.maximum())));
            if (spin)
                spin->setRange(lo, hi);
            else if (s)
                s->setRange(lo, hi);
        }
        if (ownUnit && k.row().step > 0) {
            if (spin)
                spin->setSingleStep(std::max(1, int(std::lround(k.step()))));
            else if (s)
                s->setSingleStep(std::max(1, int(std::lround(k.step()))));
        }
        break;
    }
    case Kind::DoubleSpin: {
        auto *d = qobject_cast<QDoubleSpinBox *>(b.widget.data());
        const int decimals = ownUnit ? k.shownDecimals() : (u.shownIsWhole ? 0 : u.shownDecimals);
        d->setDecimals(&u == &SettingsConversion::Stored ? std::max(0, k.decimals()) : decimals);
        if (k.hasRange())
            d->setRange(inWidgetUnit(k.minimum()), inWidgetUnit(k.maximum()));
        if (ownUnit && k.row().step > 0)
            d->setSingleStep(k.step());
        break;
    }
    case Kind::Line: {
        auto *e = qobject_cast<QLineEdit *>(b.widget.data());
        SettingsInputRule rule = k.inputRule();
        int maxLength = k.row().maxLength;
        if (b.item >= 0) {
            rule = rule == SettingsInputRule::IPv4Address ? SettingsInputRule::IPv4Octet : SettingsInputRule::Any;
            maxLength = 0;
        } else if (b.index >= 0) {
            rule = SettingsInputRule::Any;
            maxLength = 1;
        }
        // A page that gave the field a validator of its own keeps it.
        if (!e->validator())
            e->setValidator(new SettingsTextValidator(rule, maxLength, e));
        int limit = maxLength > 0 ? maxLength : k.maxLength();
        if (rule == SettingsInputRule::Phone)
            limit = 1 + (maxLength > 0 ? maxLength : 15);
        else if (rule == SettingsInputRule::IPv4Octet)
            limit = 3;
        else if (rule == SettingsInputRule::IPv4Address)
            limit = 15;
        else if (rule == SettingsInputRule::Password && maxLength == 0)
            limit = 6;
        // A phone rule's length counts digits; the "+" comes on top.
        e->setMaxLength(rule == SettingsInputRule::Phone ? limit : std::min(limit, k.maxLength()));
        break;
    }
    case Kind::Combo: {
        auto *c = qobject_cast<QComboBox *>(b.widget.data());
        if (k.choiceCount() > 0 && b.index < 0 && b.item < 0) {
            const SettingsTable *table = SettingsCatalogue::section(b.section);
            const char *context = table ? table->pageClass() : m_root ? m_root->metaObject()->className() : "";
            const QSignalBlocker block(c);
            if (c->count() == 0) {
                for (int i = 0; i < k.choiceCount(); ++i)
                    c->addItem(SettingsKey::choiceText(k.choices()[i], context),
                               QString::fromLatin1(k.choices()[i].code));
            } else {
                for (int i = 0; i < c->count() && i < k.choiceCount(); ++i) {
                    if (!c->itemData(i).isValid())
                        c->setItemData(i, QString::fromLatin1(k.choices()[i].code));
                }
            }
        }
        break;
    }
    case Kind::Time: {
        auto *t = qobject_cast<QTimeEdit *>(b.widget.data());
        t->setDisplayFormat(QStringLiteral("hh:mm"));
        if (isEmptyTime(b.key)) {
            t->setMinimumTime(QTime(0, 0, 0));
            if (t->specialValueText().isEmpty())
                t->setSpecialValueText(QStringLiteral("--:--"));
        }
        break;
    }
    case Kind::Check:
    case Kind::Radio:
        break;
    }
}

void SettingsBinder::connectUser(int i)
{
    QWidget *w = m_bindings.at(i).widget;
    auto changed = [this, i] {
        if (m_loading || i >= m_bindings.size())
            return;
        store(m_bindings.at(i));
    };
    switch (m_bindings.at(i).kind) {
    case Kind::Spin:
        connect(static_cast<QSpinBox *>(w), &QSpinBox::valueChanged, this, changed);
        break;
    case Kind::DoubleSpin:
        connect(static_cast<QDoubleSpinBox *>(w), &QDoubleSpinBox::valueChanged, this, changed);
        break;
    case Kind::Slider:
        connect(static_cast<QAbstractSlider *>(w), &QAbstractSlider::valueChanged, this, changed);
        break;
    case Kind::Line:
        connect(static_cast<QLineEdit *>(w), &QLineEdit::textChanged, this, changed);
        break;
    case Kind::Check:
        if (auto *g = qobject_cast<QGroupBox *>(w))
            connect(g, &QGroupBox::toggled, this, changed);
        else
            connect(static_cast<QAbstractButton *>(w), &QAbstractButton::toggled, this, changed);
        break;
    case Kind::Radio:
        connect(static_cast<QRadioButton *>(w), &QRadioButton::toggled, this, [changed](bool on) {
            if (on)
                changed();
        });
        break;
    case Kind::Combo:
        connect(static_cast<QComboBox *>(w), &QComboBox::currentIndexChanged, this, changed);
        break;
    case Kind::Time:
        connect(static_cast<QTimeEdit *>(w), &QTimeEdit::timeChanged, this, changed);
        break;
    }
}

void SettingsBinder::rebind(QWidget *widget, const QString &path)
{
    for (Binding &b : m_bindings) {
        if (b.widget != widget)
            continue;
        if (b.path == path)
            return;
        const SettingsKey *key = m_model ? m_model->key(b.section, path) : nullptr;
        if (!key) {
            qWarning("SettingsBinder: %s cannot be bound to %s/%s, which the catalogue does not have",
                     qPrintable(widget->objectName()), qPrintable(b.section), qPrintable(path));
            return;
        }
        const QSignalBlocker block(widget); // a range set here changes no value
        b.path = path;
        b.key = key;
        widget->setProperty(PathProperty, path);
        prepare(b);
        show(b);
        return;
    }
}

// ---------------------------------------------------------------- model to widgets

void SettingsBinder::show(const Binding &b)
{
    QWidget *w = b.widget;
    if (!w || !m_model)
        return;
    const QSignalBlocker block(w);
    const SettingsConversion &u = unitOf(b);
    // The text the widget stands for: the key's, a character or an item.
    QString text = m_model->text(b.section, b.path);
    if (b.index >= 0)
        text = m_model->character(b.section, b.path, b.index);
    else if (b.item >= 0)
        text = m_model->item(b.section, b.path, b.item);
    const bool whole = b.index >= 0 || b.item >= 0;

    switch (b.kind) {
    case Kind::Spin:
    case Kind::Slider: {
        int v = whole ? text.toInt() : m_model->value(b.section, b.path, &u).toInt();
        if (!whole && b.key->choiceCount() > 0) {
            // A key with choices: the widget holds the choice's position
            // (a filter step for its coefficient); a code among none of
            // them leaves the widget as it is, and the value as it was.
            v = b.key->choiceIndex(text);
            if (v < 0)
                break;
        }
        auto *s = qobject_cast<QAbstractSlider *>(w);
        auto *spin = qobject_cast<QSpinBox *>(w);
        // A stored value outside the range is shown as it is, not clamped.
        if (spin) {
            if (v < spin->minimum() || v > spin->maximum())
                spin->setRange(std::min(v, spin->minimum()), std::max(v, spin->maximum()));
            spin->setValue(v);
        } else if (s) {
            if (v < s->minimum() || v > s->maximum())
                s->setRange(std::min(v, s->minimum()), std::max(v, s->maximum()));
            s->setValue(v);
        }
        break;
    }
    case Kind::DoubleSpin: {
        auto *d = static_cast<QDoubleSpinBox *>(w);
        const double v = whole ? text.toDouble() : m_model->value(b.section, b.path, &u).toDouble();
        if (v < d->minimum() || v > d->maximum())
            d->setRange(std::min(v, d->minimum()), std::max(v, d->maximum()));
        d->setValue(v);
        break;
    }
    case Kind::Line: {
        auto *e = static_cast<QLineEdit *>(w);
        if (e->text() != text)
            e->setText(text);
        break;
    }
    case Kind::Check: {
        bool on;
        if (b.index >= 0)
            on = text == QLatin1String("1");
        else if (b.value.isValid())
            on = sameCode(text, b.value.toString());
        else if (b.item >= 0)
            on = !text.isEmpty() && text != QLatin1String("0");
        else
            on = b.key->isNumber() ? m_model->value(b.section, b.path, &SettingsConversion::Stored).toDouble() != 0
                                   : (!text.trimmed().isEmpty() && text.trimmed() != QLatin1String("0"));
        if (auto *g = qobject_cast<QGroupBox *>(w))
            g->setChecked(on);
        else
            static_cast<QAbstractButton *>(w)->setChecked(on);
        break;
    }
    case Kind::Radio: {
        auto *r = static_cast<QRadioButton *>(w);
        const bool on = sameCode(text, b.value.toString());
        if (on || r->isChecked()) {
            // Unchecking the checked button of an exclusive group takes the
            // group's exclusiveness off for a moment.
            QButtonGroup *group = r->group();
            const bool groupExclusive = group && group->exclusive();
            const bool autoExclusive = r->autoExclusive();
            if (!on) {
                if (group)
                    group->setExclusive(false);
                r->setAutoExclusive(false);
            }
            r->setChecked(on);
            if (!on) {
                r->setAutoExclusive(autoExclusive);
                if (group)
                    group->setExclusive(groupExclusive);
            }
        }
        break;
    }
    case Kind::Combo: {
        auto *c = static_cast<QComboBox *>(w);
        for (int i = c->count() - 1; i >= 0; --i) {
            if (c->itemData(i, ExtraItemRole).toBool())
                c->removeItem(i);
        }
        int found = -1;
        bool hasData = false;
        for (int i = 0; i < c->count(); ++i) {
            if (c->itemData(i).isValid()) {
                hasData = true;
                if (sameCode(c->itemData(i).toString(), text)) {
                    found = i;
                    break;
                }
            }
        }
        if (!hasData) {
            if (b.key->isNumber() && !whole) {
                const int index = m_model->value(b.section, b.path, &u).toInt();
                bool isNumber = false;
                text.trimmed().toInt(&isNumber);
                found = isNumber && index >= 0 && index < c->count() ? index : -1;
            } else {
                found = c->findText(text);
            }
        }
        if (found < 0) {
            c->addItem(text, text);
            found = c->count() - 1;
            c->setItemData(found, true, ExtraItemRole);
        }
        c->setCurrentIndex(found);
        break;
    }
    case Kind::Time: {
        auto *t = static_cast<QTimeEdit *>(w);
        if (text.isEmpty() && isEmptyTime(b.key)) {
            t->setTime(t->minimumTime());
        } else {
            const QTime time = QTime::fromString(text, QStringLiteral("hh:mm"));
            // A second past the minute, so that 00:00 is not the empty value.
            t->setTime(time.isValid() ? QTime(time.hour(), time.minute(), isEmptyTime(b.key) ? 1 : 0)
                                      : QTime(0, 0, isEmptyTime(b.key) ? 1 : 0));
        }
        break;
    }
    }
}

void SettingsBinder::load()
{
    if (!m_model)
        return;
    m_loading = true;
    for (const Binding &b : std::as_const(m_bindings))
        show(b);
    m_loading = false;
    for (const EnableRule &r : std::as_const(m_rules)) {
        if (r.widget)
            r.widget->setEnabled(ruleHolds(r));
    }
    emit loaded();
}

void SettingsBinder::onModelChanged(const QString &section, const QString &path)
{
    if (m_loading)
        return;
    for (const Binding &b : std::as_const(m_bindings)) {
        if (b.widget && b.widget != m_origin && b.path == path && b.section == section)
            show(b);
    }
    applyEnabling(section, path);
}

bool SettingsBinder::ruleHolds(const EnableRule &r) const
{
    QString text = m_model->text(r.section, r.path).trimmed();
    if (r.index >= 0)
        text = m_model->character(r.section, r.path, r.index) == QLatin1Char('1') ? QStringLiteral("1") : QString();
    else if (r.item >= 0)
        text = m_model->item(r.section, r.path, r.item).trimmed();
    bool holds;
    if (!r.codes.isEmpty()) {
        holds = false;
        for (const QString &c : r.codes)
            holds = holds || sameCode(text, c.trimmed());
    } else {
        bool number = false;
        const double v = text.toDouble(&number);
        holds = number ? v != 0 : !text.isEmpty();
    }
    return r.negate ? !holds : holds;
}

void SettingsBinder::applyEnabling(const QString &section, const QString &path)
{
    for (const EnableRule &r : std::as_const(m_rules)) {
        if (r.widget && r.path == path && r.section == section)
            r.widget->setEnabled(ruleHolds(r));
    }
}

// ---------------------------------------------------------------- widgets to model

void SettingsBinder::store(const Binding &b)
{
    QWidget *w = b.widget;
    if (!w || !m_model)
        return;
    const SettingsConversion &u = unitOf(b);
    auto putText = [&](const QString &text) {
        if (b.index >= 0)
            return m_model->setCharacter(b.section, b.path, b.index, text.isEmpty() ? QLatin1Char('0') : text.at(0));
        if (b.item >= 0)
            return m_model->setItem(b.section, b.path, b.item, text);
        return m_model->setValue(b.section, b.path, text);
    };

    m_origin = w;
    bool ok = true;
    switch (b.kind) {
    case Kind::Spin:
    case Kind::Slider: {
        const int v = qobject_cast<QSpinBox *>(w) ? static_cast<QSpinBox *>(w)->value()
                                                   : static_cast<QAbstractSlider *>(w)->value();
        if (b.index < 0 && b.item < 0 && b.key->choiceCount() > 0) {
            if (v >= 0 && v < b.key->choiceCount())
                ok = putText(QString::fromLatin1(b.key->choices()[v].code));
        } else {
            ok = b.index >= 0 || b.item >= 0 ? putText(QString::number(v)) : m_model->setValue(b.section, b.path, v, &u);
        }
        break;
    }
    case Kind::DoubleSpin: {
        const double v = static_cast<QDoubleSpinBox *>(w)->value();
        ok = b.index >= 0 || b.item >= 0 ? putText(QString::number(v)) : m_model->setValue(b.section, b.path, v, &u);
        break;
    }
    case Kind::Line:
        ok = putText(static_cast<QLineEdit *>(w)->text());
        break;
    case Kind::Check: {
        const bool on = qobject_cast<QGroupBox *>(w) ? static_cast<QGroupBox *>(w)->isChecked()
                                                      : static_cast<QAbstractButton *>(w)->isChecked();
        if (b.index >= 0) {
            ok = m_model->setFlag(b.section, b.path, b.index, on);
        } else if (b.value.isValid()) {
            if (on)
                ok = putText(b.value.toString());
            else if (sameCode(m_model->text(b.section, b.path), b.value.toString()))
                ok = putText(b.key->isNumber() ? QStringLiteral("0") : QString());
        } else {
            ok = putText(on ? QStringLiteral("1") : QStringLiteral("0"));
        }
        break;
    }
    case Kind::Radio:
        if (static_cast<QRadioButton *>(w)->isChecked())
            ok = putText(b.value.toString());
        break;
    case Kind::Combo: {
        auto *c = static_cast<QComboBox *>(w);
        const int i = c->currentIndex();
        if (i < 0)
            break;
        QString code;
        if (c->itemData(i).isValid())
            code = c->itemData(i).toString();
        else if (b.key->isNumber() && b.index < 0 && b.item < 0)
            code = QString::number(i);
        else
            code = c->itemText(i);
        if (b.key->isNumber() && b.index < 0 && b.item < 0 && !c->itemData(i).isValid())
            ok = m_model->setValue(b.section, b.path, i, &u);
        else
            ok = putText(code);
        break;
    }
    case Kind::Time: {
        auto *t = static_cast<QTimeEdit *>(w);
        const bool empty = isEmptyTime(b.key) && t->time() == t->minimumTime();
        ok = putText(empty ? QString() : t->time().toString(QStringLiteral("hh:mm")));
        break;
    }
    }
    m_origin = nullptr;
    if (!ok) {
        // Refused (a text that cannot be stored): the widget shows the model again.
        show(b);
        return;
    }
    emit edited(b.section, b.path);
    applyGaps(b.section, b.path);
}

// ---------------------------------------------------------------- gaps, live controls

void SettingsBinder::keepGap(const QString &lowPath, const QString &highPath, double gap, double minimum,
                             double maximum, GapRule rule)
{
    m_gaps.append(Gap{lowPath, highPath, gap, minimum, maximum, rule});
}

void SettingsBinder::applyGaps(const QString &section, const QString &path)
{
    if (section != m_section)
        return;
    for (const Gap &g : std::as_const(m_gaps)) {
        if (path != g.low && path != g.high)
            continue;
        const SettingsConversion *stored = &SettingsConversion::Stored;
        double lo = m_model->value(m_section, g.low, stored).toDouble();
        double hi = m_model->value(m_section, g.high, stored).toDouble();
        if (path == g.low) {
            if (g.rule == GapRule::Push) {
                lo = std::max(g.minimum, std::min(lo, g.maximum - g.gap));
                if (lo + g.gap > hi)
                    hi = lo + g.gap;
            } else if (lo > hi - g.gap) {
                lo = hi - g.gap;
            }
        } else {
            if (g.rule == GapRule::Push) {
                hi = std::min(g.maximum, std::max(hi, g.minimum + g.gap));
                if (hi - g.gap < lo)
                    lo = hi - g.gap;
            } else if (hi < lo + g.gap) {
                hi = lo + g.gap;
            }
        }
        m_model->setValue(m_section, g.low, lo, stored);
        m_model->setValue(m_section, g.high, hi, stored);
    }
}

void SettingsBinder::setOnline(bool online)
{
    m_online = online;
    for (const QPointer<QWidget> &w : std::as_const(m_live)) {
        if (w)
            w->setEnabled(online);
    }
}

void SettingsBinder::resetLive()
{
    for (const QPointer<QWidget> &w : std::as_const(m_live)) {
        if (!w)
            continue;
        const QSignalBlocker block(w.data());
        if (auto *button = qobject_cast<QAbstractButton *>(w.data()); button && button->isCheckable())
            button->setChecked(false);
        else if (auto *label = qobject_cast<QLabel *>(w.data()))
            label->clear();
        else if (auto *edit = qobject_cast<QLineEdit *>(w.data()))
            edit->clear();
        else if (auto *bar = qobject_cast<QProgressBar *>(w.data()))
            bar->reset();
    }
}

QList<QWidget *> SettingsBinder::widgetsOf(const QString &path, const QString &section) const
{
    const QString s = section.isEmpty() ? m_section : section;
    QList<QWidget *> out;
    for (const Binding &b : m_bindings) {
        if (b.widget && b.path == path && b.section == s)
            out.append(b.widget);
    }
    return out;
}

QList<SettingsBinder::Bound> SettingsBinder::bound() const
{
    QList<Bound> out;
    out.reserve(m_bindings.size());
    for (const Binding &b : m_bindings) {
        if (b.widget)
            out.append({b.widget, b.section, b.path, b.index, b.item});
    }
    return out;
}
