#include "settings/editor/wheelguard.h"

#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QScrollBar>
#include <QWheelEvent>

namespace {

bool isGuarded(const QObject *o)
{
    return qobject_cast<const QAbstractSpinBox *>(o) || qobject_cast<const QComboBox *>(o)
           || (qobject_cast<const QAbstractSlider *>(o) && !qobject_cast<const QScrollBar *>(o));
}

} // namespace

WheelGuard::WheelGuard(QObject *parent)
    : QObject(parent)
{
}

void WheelGuard::guard(QWidget *root)
{
    if (!root)
        return;
    const QList<QWidget *> all = root->findChildren<QWidget *>();
    for (QWidget *w : all) {
        if (!isGuarded(w))
            continue;
        // The wheel no longer gives focus; a click or Tab does.
        if (w->focusPolicy() == Qt::WheelFocus)
            w->setFocusPolicy(Qt::StrongFocus);
        w->removeEventFilter(this);
        w->installEventFilter(this);
    }
}

bool WheelGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel)
        return false;
    auto *w = qobject_cast<QWidget *>(watched);
    if (!w || w->hasFocus())
        return false;
    // Scroll the page instead.
    for (QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
        if (auto *area = qobject_cast<QAbstractScrollArea *>(p)) {
            if (QScrollBar *bar = area->verticalScrollBar())
                QCoreApplication::sendEvent(bar, event);
            break;
        }
    }
    return true;
}
