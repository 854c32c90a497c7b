#include "settings/pages/settingsbinder.h"

#include "settings/model/settingsvalues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTimeEdit>

void SettingsBinder::bind(QWidget *widget, const QString &path)
{
    widget->setProperty(PathProperty, path);
}

QString SettingsBinder::pathOf(const QWidget *widget)
{
    return widget->property(PathProperty).toString();
}

void SettingsBinder::toWidgets(QWidget *root, const SettingsValues &values)
{
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        const QString path = pathOf(w);
        if (path.isEmpty() || !values.contains(path))
            continue;
        const QVariant v = values.value(path);
        if (auto *s = qobject_cast<QSpinBox *>(w)) {
            s->setValue(v.toInt());
        } else if (auto *d = qobject_cast<QDoubleSpinBox *>(w)) {
            d->setValue(v.toDouble());
        } else if (auto *c = qobject_cast<QCheckBox *>(w)) {
            c->setChecked(v.toInt() != 0);
        } else if (auto *e = qobject_cast<QLineEdit *>(w)) {
            e->setText(v.toString());
        } else if (auto *t = qobject_cast<QTimeEdit *>(w)) {
            t->setTime(QTime::fromString(v.toString(), QStringLiteral("hh:mm")));
        } else if (auto *b = qobject_cast<QComboBox *>(w)) {
            if (b->count() > 0 && b->itemData(0).isValid()) {
                const int i = b->findData(v.toString());
                if (i >= 0)
                    b->setCurrentIndex(i);
            } else {
                b->setCurrentIndex(v.toInt());
            }
        }
    }
}

void SettingsBinder::fromWidgets(const QWidget *root, SettingsValues &values)
{
    const QList<QWidget *> widgets = root->findChildren<QWidget *>();
    for (const QWidget *w : widgets) {
        const QString path = pathOf(w);
        if (path.isEmpty())
            continue;
        if (auto *s = qobject_cast<const QSpinBox *>(w)) {
            values.set(path, s->value());
        } else if (auto *d = qobject_cast<const QDoubleSpinBox *>(w)) {
            values.set(path, d->value());
        } else if (auto *c = qobject_cast<const QCheckBox *>(w)) {
            values.set(path, c->isChecked() ? 1 : 0);
        } else if (auto *e = qobject_cast<const QLineEdit *>(w)) {
            values.set(path, e->text());
        } else if (auto *t = qobject_cast<const QTimeEdit *>(w)) {
            values.set(path, t->time().toString(QStringLiteral("hh:mm")));
        } else if (auto *b = qobject_cast<const QComboBox *>(w)) {
            if (b->count() > 0 && b->itemData(0).isValid())
                values.set(path, b->currentData().toString());
            else
                values.set(path, b->currentIndex());
        }
    }
}
