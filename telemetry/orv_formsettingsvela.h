#ifndef ORV_FORMSETTINGSVELA_H
#define ORV_FORMSETTINGSVELA_H

#include "telemetry/fieldselection.h"

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class ORV_FormSettingsVELA;
}
class FieldBoxes;

// The first-generation record field selection: 69 characters, one box per
// field an F8 record carries. The characters of fields without a box are
// kept as loaded.
class ORV_FormSettingsVELA : public QDialog
{
    Q_OBJECT

public:
    explicit ORV_FormSettingsVELA(QWidget *parent = nullptr);
    ~ORV_FormSettingsVELA() override;

    void load(const QString &selection);
    // What OK built; the loaded text until then.
    QString selection() const { return m_result; }

    const FieldSelection &fieldSelection() const { return m_selection; }

private slots:
    void slot_pressed_Ok();
    void slot_pressed_Cancel();

private:
    void updateSize();

    std::unique_ptr<Ui::ORV_FormSettingsVELA> ui;
    FieldSelection m_selection;
    FieldBoxes *m_boxes;
    QString m_result;
};

#endif // ORV_FORMSETTINGSVELA_H
