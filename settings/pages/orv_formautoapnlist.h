#ifndef ORV_FORMAUTOAPNLIST_H
#define ORV_FORMAUTOAPNLIST_H

#include "net/mobilecarriers.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <memory>

namespace Ui {
class ORV_FormAutoApnList;
}
class QTreeWidgetItem;

// Reference list of mobile carriers and their access points (APN, user name,
// password), one carrier per row with its access points below it. The user
// may take an access point over (Use, or a double-click): the dialog is then
// accepted and chosen() holds it.
class ORV_FormAutoApnList : public QDialog
{
    Q_OBJECT

public:
    struct Choice
    {
        QString apn;
        QString user;
        QString password;
    };

    explicit ORV_FormAutoApnList(QWidget *parent = nullptr,
                                 const QList<MobileCarriers::AccessPoint> &rows = MobileCarriers::all());
    ~ORV_FormAutoApnList() override;

    // The access point taken over, once the dialog was accepted.
    Choice chosen() const { return m_chosen; }

signals:
    void accessPointChosen(const QString &apn, const QString &user, const QString &password);

protected:
    // Each opening shows every carrier expanded unless the user left the
    // first one open.
    void showEvent(QShowEvent *event) override;

private slots:
    void slot_pressed_Use();
    void slot_itemDoubleClicked_TreeWidgetApn(QTreeWidgetItem *item, int column);
    void slot_currentItemChanged_TreeWidgetApn(QTreeWidgetItem *current, QTreeWidgetItem *previous);

private:
    void choose(const QTreeWidgetItem *item);
    static bool isAccessPoint(const QTreeWidgetItem *item);

    std::unique_ptr<Ui::ORV_FormAutoApnList> ui;
    Choice m_chosen;
};

#endif // ORV_FORMAUTOAPNLIST_H
