#ifndef ORV_FORMSETVELA2HELP_H
#define ORV_FORMSETVELA2HELP_H

#include <QDialog>

#include <memory>

namespace Ui {
class ORV_FormSetVela2Help;
}

// What the choices of the record field selection mean.
class ORV_FormSetVela2Help : public QDialog
{
    Q_OBJECT

public:
    explicit ORV_FormSetVela2Help(QWidget *parent = nullptr);
    ~ORV_FormSetVela2Help() override;

private slots:
    void slot_pressed_Btn();

private:
    std::unique_ptr<Ui::ORV_FormSetVela2Help> ui;
};

#endif // ORV_FORMSETVELA2HELP_H
