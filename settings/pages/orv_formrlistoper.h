#ifndef ORV_FORMRLISTOPER_H
#define ORV_FORMRLISTOPER_H

#include <QDialog>
#include <QStringList>

#include <memory>

namespace Ui {
class ORV_FormRListOper;
}
class QTreeWidgetItem;
class OperatorCodeDelegate;

// The ordered list of the ten mobile operators SIM 1 prefers in roaming
// (`opCode1` .. `opCode10`). The user edits a code in place (double-click)
// and moves it up or down the list; a code still being edited when the
// dialog closes or its codes are read is kept.
class ORV_FormRListOper : public QDialog
{
    Q_OBJECT

public:
    static constexpr int Rows = 10;

    explicit ORV_FormRListOper(QWidget *parent = nullptr);
    ~ORV_FormRListOper() override;

    // Every code empty, code checking on, row 1 current.
    void reset();

    // Codes by position 1..10 (opCode1 .. opCode10); a missing position is
    // empty and positions past 10 are ignored.
    void setCodes(const QStringList &codes);
    QStringList codes();
    void setCode(int position, const QString &code);
    QString code(int position);

    // Whether a typed code is held to digits (MCC and MNC, up to six).
    bool checksCodes() const;
    // The row being edited is written back now.
    void commitEdit();

protected:
    void closeEvent(QCloseEvent *event) override;

public slots:
    void done(int result) override;

private slots:
    void slot_curItemChanged(QTreeWidgetItem *current, QTreeWidgetItem *previous);
    void slot_itemDoubleClicket_TreeWidgetList(QTreeWidgetItem *item, int column);
    void slot_pressedBtnUp();
    void slot_pressedBtnDown();

private:
    void move(int step);
    void updateButtons();

    std::unique_ptr<Ui::ORV_FormRListOper> ui;
    OperatorCodeDelegate *m_delegate;
};

#endif // ORV_FORMRLISTOPER_H
