#include "core/elidelabel.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

ElideLabel::ElideLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

QSize ElideLabel::minimumSizeHint() const
{
    // Room for a few characters: the layout may shrink the label this far.
    const QSize hint = QLabel::minimumSizeHint();
    const int margins = contentsMargins().left() + contentsMargins().right() + 2 * margin();
    return {qMin(hint.width(), fontMetrics().horizontalAdvance(QStringLiteral("00…")) + margins), hint.height()};
}

bool ElideLabel::isElided() const
{
    const int room = contentsRect().width() - 2 * margin() - (indent() > 0 ? indent() : 0);
    return fontMetrics().horizontalAdvance(text()) > room;
}

void ElideLabel::paintEvent(QPaintEvent *event)
{
    syncToolTip();
    if (!isElided()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    QStyleOption option;
    option.initFrom(this);
    style()->drawItemText(&painter, area, int(QStyle::visualAlignment(layoutDirection(), alignment())), option.palette,
                          isEnabled(), shown, foregroundRole());
}

void ElideLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    syncToolTip();
}

void ElideLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        syncToolTip();
}

bool ElideLabel::event(QEvent *event)
{
    // setText() repaints the label; the tool tip also follows a new text
    // before anyone hovers.
    if (event->type() == QEvent::ToolTip || event->type() == QEvent::Polish)
        syncToolTip();
    return QLabel::event(event);
}

void ElideLabel::syncToolTip()
{
    const QString current = toolTip();
    if (!current.isEmpty() && current != m_ownToolTip)
        return; // the owner's own tool tip stays
    const QString wanted = isElided() ? text() : QString();
    if (current != wanted)
        setToolTip(wanted);
    m_ownToolTip = wanted;
}
