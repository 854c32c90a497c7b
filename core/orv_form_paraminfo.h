#ifndef ORV_FORM_PARAMINFO_H
#define ORV_FORM_PARAMINFO_H

#include <QDialog>

#include <memory>

namespace Ui {
class ORV_Form_ParamInfo;
}

// Popup that explains one settings parameter: its name and a rich-text description.
class ORV_Form_ParamInfo : public QDialog
{
    Q_OBJECT

public:
    explicit ORV_Form_ParamInfo(QWidget *parent = nullptr);
    ~ORV_Form_ParamInfo() override;

    // Shows the title and the description and runs the popup modally.
    void showInfo(const QString &title, const QString &html);

    QString title() const;
    QString text() const;

public slots:
    void slot_pressed_Btn_Ok();

private:
    std::unique_ptr<Ui::ORV_Form_ParamInfo> ui;
};

#endif // ORV_FORM_PARAMINFO_H
