#ifndef ORV_MESSAGEBOX_H
#define ORV_MESSAGEBOX_H

#include <QMessageBox>
#include <QString>

// Message boxes whose title, text and buttons are texts of the catalogue.
class ORV_MessageBox
{
public:
    // One button.
    static void tell(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
                     const QString &button);
    // One button, without waiting: the box shows over its parent and deletes
    // itself when closed. For what a window must say from inside a host
    // message, where a nested event loop has no place.
    static QMessageBox *notify(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
                               const QString &button);
    // Two custom buttons; the first has the accept role. True when it was chosen.
    static bool ask(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
                    const QString &yes, const QString &no);
};

#endif // ORV_MESSAGEBOX_H
