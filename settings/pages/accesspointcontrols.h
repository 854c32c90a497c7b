#ifndef ACCESSPOINTCONTROLS_H
#define ACCESSPOINTCONTROLS_H

#include "settings/pages/orv_formautoapnlist.h"

#include <QObject>
#include <QPointer>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QWidget;
class SettingsModel;

// The mobile access point as both transfer pages show it: the operator combo
// (the carriers' presets, then "other operator"), the APN, user name and
// password fields (bound by the page to GPRSopAPN, GPRSopUserName and
// GPRSopPassword) and the button that opens the APN list.
//
// Choosing a preset fills the three fields with it and makes them
// read-only; "other operator" makes them editable and enables the list,
// whose chosen access point fills them. What the model holds decides the
// operator shown: the preset whose three values all equal the model's,
// else "other operator".
class AccessPointControls : public QObject
{
    Q_OBJECT

public:
    AccessPointControls(QComboBox *operators, QLineEdit *apn, QLineEdit *user, QLineEdit *password,
                        QAbstractButton *listButton, QWidget *page);

    void setModel(SettingsModel *model) { m_model = model; }
    // Shows the operator of the model's values (after a load).
    void showModel();
    // The index of "other operator".
    int otherIndex() const;
    // The APN list, once it was opened.
    ORV_FormAutoApnList *apnList() const { return m_list.data(); }

public slots:
    void slot_currentIndexChanged_Operator1(int nIndex);
    void slot_pressedBtnListApn();

private:
    void applyOperator(int index);
    void setValues(const QString &apn, const QString &user, const QString &password);

    QPointer<SettingsModel> m_model;
    QComboBox *m_operators;
    QLineEdit *m_apn;
    QLineEdit *m_user;
    QLineEdit *m_password;
    QAbstractButton *m_listButton;
    QWidget *m_page;
    QPointer<ORV_FormAutoApnList> m_list;
};

#endif // ACCESSPOINTCONTROLS_H
