#include "settings/pages/ipv4octetedits.h"

#include "settings/editor/transferrules.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

IPv4OctetEdits::IPv4OctetEdits(const QList<QLineEdit *> &fields, QWidget *after, QObject *parent)
    : QObject(parent)
    , m_after(after)
{
    static const QRegularExpression octet(QStringLiteral("^\\d{0,3}$"));
    for (int i = 0; i < fields.size(); ++i) {
        QLineEdit *e = fields.at(i);
        m_fields << e;
        e->setValidator(new QRegularExpressionValidator(octet, e));
        e->setMaxLength(3);
        connect(e, &QLineEdit::textEdited, this, [this, i](const QString &text) { onTextEdited(i, text); });
    }
}

void IPv4OctetEdits::setAddress(const QString &address)
{
    const QStringList octets = TransferRules::octets(address);
    for (int i = 0; i < m_fields.size(); ++i) {
        if (!m_fields.at(i))
            continue;
        const QSignalBlocker block(m_fields.at(i).data());
        m_fields.at(i)->setText(octets.value(i));
    }
}

QString IPv4OctetEdits::address() const
{
    QStringList octets;
    for (const QPointer<QLineEdit> &e : m_fields)
        octets << (e ? e->text() : QString());
    return TransferRules::joinOctets(octets);
}

QList<QLineEdit *> IPv4OctetEdits::fields() const
{
    QList<QLineEdit *> out;
    for (const QPointer<QLineEdit> &e : m_fields)
        out << e.data();
    return out;
}

void IPv4OctetEdits::onTextEdited(int index, const QString &text)
{
    emit addressEdited(address());
    if (text.size() < 3)
        return;
    QWidget *next = index + 1 < m_fields.size() ? m_fields.at(index + 1).data() : m_after.data();
    if (next && next->isVisible() && next->isEnabled()) {
        next->setFocus(Qt::TabFocusReason);
        if (auto *edit = qobject_cast<QLineEdit *>(next))
            edit->selectAll();
    }
}
