#ifndef WINDOWFIT_H
#define WINDOWFIT_H

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringList>
#include <QStyle>
#include <QStyleOption>
#include <QTabWidget>
#include <QToolButton>
#include <QWidget>

// What a person sees of a window on a small screen: whether the window fits
// the free area of the screen, and which texts it shows cut. A text shown
// shortened is fine when its tool tip gives the whole text.
namespace WindowFit {

// 1366x768 less a task bar of 40 pixels.
inline QRect freeArea()
{
    return {0, 0, 1366, 728};
}

// The window frame: what the platform reports, or a usual title bar and
// border when it reports none (the offscreen platform).
inline QRect frameOf(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    if (frame != window->geometry())
        return frame;
    return window->geometry().adjusted(-4, -30, 4, 4);
}

inline QString plain(QString text)
{
    // Mnemonic markers are not shown.
    text.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

inline QString describe(const QWidget *w)
{
    return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(w->metaObject()->className()),
                                           w->objectName().isEmpty() ? QStringLiteral("(unnamed)") : w->objectName());
}

// Whether the widget is shown: visible, inside the visible part of its
// window (a scroll area shows any part of its contents by scrolling).
inline bool clippedByParents(const QWidget *w, QString *why)
{
    QRect rect = w->rect();
    const QWidget *child = w;
    for (const QWidget *parent = w->parentWidget(); parent && !child->isWindow(); parent = parent->parentWidget()) {
        rect.translate(child->pos());
        if (qobject_cast<const QAbstractScrollArea *>(parent) || parent->objectName() == QLatin1String("qt_scrollarea_viewport"))
            return false;
        if (!parent->rect().contains(rect)) {
            const QRect visible = rect & parent->rect();
            if (visible.width() < rect.width() - 1 || visible.height() < rect.height() - 1) {
                *why = QStringLiteral("%1 cut by %2 (%3x%4 of %5x%6 shown)")
                           .arg(describe(w), describe(parent))
                           .arg(visible.width())
                           .arg(visible.height())
                           .arg(rect.width())
                           .arg(rect.height());
                return true;
            }
        }
        child = parent;
    }
    return false;
}

inline int textWidth(const QWidget *w, const QString &text)
{
    int widest = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        widest = qMax(widest, w->fontMetrics().horizontalAdvance(line));
    return widest;
}

// A label's text that does not fit, without a tool tip.
inline bool labelCut(QLabel *label, QString *why)
{
    const QString text = label->text();
    if (text.isEmpty() || !label->toolTip().isEmpty() || Qt::mightBeRichText(text) || label->textFormat() == Qt::RichText)
        return false;
    // A label that shortens its text sets its tool tip when it paints.
    label->grab();
    if (!label->toolTip().isEmpty())
        return false;
    const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    if (label->wordWrap()) {
        const int needed = label->heightForWidth(label->width());
        if (needed > label->height() + 1) {
            *why = QStringLiteral("%1 wraps \"%2\" into %3 pixels of height, needs %4")
                       .arg(describe(label), text)
                       .arg(label->height())
                       .arg(needed);
            return true;
        }
        return false;
    }
    const int needed = textWidth(label, plain(text)) + (label->indent() > 0 ? label->indent() : 0);
    if (needed > room.width() + 1) {
        *why = QStringLiteral("%1 shows \"%2\" in %3 pixels, needs %4").arg(describe(label), text).arg(room.width()).arg(needed);
        return true;
    }
    return false;
}

// A button's text that does not fit, without a tool tip.
inline bool buttonCut(QAbstractButton *button, QString *why)
{
    const QString text = plain(button->text());
    if (text.isEmpty() || !button->toolTip().isEmpty())
        return false;
    int needed = textWidth(button, text);
    int room = button->width();
    if (qobject_cast<QCheckBox *>(button) || qobject_cast<QRadioButton *>(button)) {
        const bool check = qobject_cast<QCheckBox *>(button);
        room -= button->style()->pixelMetric(check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth,
                                             nullptr, button)
                + button->style()->pixelMetric(check ? QStyle::PM_CheckBoxLabelSpacing : QStyle::PM_RadioButtonLabelSpacing,
                                               nullptr, button);
    } else if (auto *tool = qobject_cast<QToolButton *>(button)) {
        if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly && !tool->icon().isNull())
            return false;
        room -= 4;
    } else {
        // The button's own margins, from the style (measured on a wide text,
        // past any minimum width the style gives buttons).
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        if (auto *push = qobject_cast<QPushButton *>(button); push && push->menu())
            option.features |= QStyleOptionButton::HasMenu;
        const QSize wide(1000, button->fontMetrics().height());
        room -= button->style()->sizeFromContents(QStyle::CT_PushButton, &option, wide, button).width() - wide.width();
        if (!button->icon().isNull())
            needed += button->iconSize().width() + 4;
    }
    if (needed > room + 1) {
        *why = QStringLiteral("%1 shows \"%2\" in %3 pixels, needs %4").arg(describe(button), text).arg(room).arg(needed);
        return true;
    }
    return false;
}

// A closed combo box shows its current item cut.
inline bool comboCut(QComboBox *combo, QString *why)
{
    if (combo->isEditable() || combo->currentText().isEmpty() || !combo->toolTip().isEmpty())
        return false;
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.currentText = combo->currentText();
    const QSize wide(1000, combo->fontMetrics().height());
    const int chrome = combo->style()->sizeFromContents(QStyle::CT_ComboBox, &option, wide, combo).width() - wide.width();
    int needed = textWidth(combo, combo->currentText());
    if (!combo->itemIcon(combo->currentIndex()).isNull())
        needed += combo->iconSize().width() + 4;
    if (needed > combo->width() - chrome + 1) {
        *why = QStringLiteral("%1 shows \"%2\" in %3 pixels, needs %4")
                   .arg(describe(combo), combo->currentText())
                   .arg(combo->width() - chrome)
                   .arg(needed);
        return true;
    }
    return false;
}

inline bool groupTitleCut(QGroupBox *box, QString *why)
{
    const QString title = plain(box->title());
    if (title.isEmpty() || !box->toolTip().isEmpty())
        return false;
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.subControls = QStyle::SC_GroupBoxLabel | (box->isCheckable() ? QStyle::SC_GroupBoxCheckBox : QStyle::SC_None);
    option.lineWidth = 1;
    option.features = box->isFlat() ? QStyleOptionFrame::Flat : QStyleOptionFrame::None;
    option.textAlignment = box->alignment();
    const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    const int needed = textWidth(box, title);
    if (label.right() > box->width() || needed > box->width() - 8) {
        *why = QStringLiteral("%1 title \"%2\" needs %3 pixels in %4").arg(describe(box), title).arg(needed).arg(box->width());
        return true;
    }
    return false;
}

// Every fault of one window: its size and place, and every cut text of the
// widgets it shows now (the current tab of a tab widget, the current page of
// a stack).
inline QStringList faults(QWidget *window)
{
    QStringList found;
    const QRect frame = frameOf(window);
    const QRect free = freeArea();
    if (frame.width() > free.width() || frame.height() > free.height())
        found << QStringLiteral("%1 is %2x%3 with its frame, the screen has %4x%5")
                     .arg(describe(window))
                     .arg(frame.width())
                     .arg(frame.height())
                     .arg(free.width())
                     .arg(free.height());
    else if (!free.contains(frame))
        found << QStringLiteral("%1 opens at %2,%3 %4x%5, partly off the screen")
                     .arg(describe(window))
                     .arg(frame.x())
                     .arg(frame.y())
                     .arg(frame.width())
                     .arg(frame.height());
    // A form that has to be scrolled sideways does not fit.
    for (QScrollArea *area : window->findChildren<QScrollArea *>()) {
        if (area->isVisible() && area->window() == window && area->horizontalScrollBar()->isVisible())
            found << QStringLiteral("%1 needs scrolling sideways: %2 pixels wide in %3")
                         .arg(describe(area))
                         .arg(area->widget() ? area->widget()->minimumSizeHint().width() : 0)
                         .arg(area->viewport()->width());
    }
    const QList<QWidget *> widgets = window->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (!w->isVisible() || w->window() != window)
            continue;
        QString why;
        bool cut = false;
        if (auto *label = qobject_cast<QLabel *>(w))
            cut = labelCut(label, &why);
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            cut = buttonCut(button, &why);
        else if (auto *box = qobject_cast<QGroupBox *>(w))
            cut = groupTitleCut(box, &why);
        else if (auto *combo = qobject_cast<QComboBox *>(w))
            cut = comboCut(combo, &why);
        if (!cut && (qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w) || qobject_cast<QGroupBox *>(w)))
            cut = clippedByParents(w, &why);
        if (cut)
            found << why;
    }
    return found;
}

} // namespace WindowFit

#endif // WINDOWFIT_H
