#include "core/orv_messagebox.h"

#include <QPushButton>

void ORV_MessageBox::tell(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
                          const QString &button)
{
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    box.addButton(button, QMessageBox::AcceptRole);
    box.exec();
}

QMessageBox *ORV_MessageBox::notify(QWidget *parent, QMessageBox::Icon icon, const QString &title,
                                    const QString &text, const QString &button)
{
    auto *box = new QMessageBox(icon, title, text, QMessageBox::NoButton, parent);
    box->addButton(button, QMessageBox::AcceptRole);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
    return box;
}

bool ORV_MessageBox::ask(QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
                         const QString &yes, const QString &no)
{
    QMessageBox box(icon, title, text, QMessageBox::NoButton, parent);
    QPushButton *accept = box.addButton(yes, QMessageBox::AcceptRole);
    box.addButton(no, QMessageBox::RejectRole);
    box.exec();
    return box.clickedButton() == accept;
}
