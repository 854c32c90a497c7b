#ifndef IPV4OCTETEDITS_H
#define IPV4OCTETEDITS_H

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QLineEdit;
class QWidget;

// The four fields of an IPv4 address, one octet each (up to three digits).
// A third digit typed moves the focus on to the next field (from the last,
// to the widget given, the name field of a server). The fields show an
// address (one that is not a dotted address shows as 0.0.0.0) and hand the
// address the user types back as it stands: an empty or too large octet is
// kept, so that the check before saving or testing can name it.
class IPv4OctetEdits : public QObject
{
    Q_OBJECT

public:
    IPv4OctetEdits(const QList<QLineEdit *> &fields, QWidget *after, QObject *parent = nullptr);

    // Shows an address; no signal.
    void setAddress(const QString &address);
    // The four fields joined with ".".
    QString address() const;
    QList<QLineEdit *> fields() const;

signals:
    // The user changed a field.
    void addressEdited(const QString &address);

private:
    void onTextEdited(int index, const QString &text);

    QList<QPointer<QLineEdit>> m_fields;
    QPointer<QWidget> m_after;
};

#endif // IPV4OCTETEDITS_H
