#ifndef ORV_FORMSETVELA2_H
#define ORV_FORMSETVELA2_H

#include "telemetry/fieldselection.h"

#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class ORV_FormSetVela2;
}
class FieldBoxes;
class ORV_FormSetVela2Help;

// The second-generation record field selection (`GPRSprotocolConfig`), the
// record storage format (`DFprotocol`) and the diagnostic option
// (`GPRSdiagSupress`). The transfer page hands the three stored values in
// with load(), runs the dialog and, when it was accepted, reads them back.
// The record size is shown as it changes; OK is available only while it
// fits the storage format's limit (127 or 222 bytes).
class ORV_FormSetVela2 : public QDialog
{
    Q_OBJECT

public:
    explicit ORV_FormSetVela2(QWidget *parent = nullptr);
    ~ORV_FormSetVela2() override;

    // The stored values, as they are: nothing is unticked for the format,
    // and a tyre pattern or format code without an item is kept.
    void load(const QString &selection, const QString &formatCode, bool diagnostic);
    // The default selection, the standard format, no diagnostics.
    void reset();

    // What OK built; the loaded values until then (so Cancel changes nothing).
    QString selection() const { return m_resultSelection; }
    QString formatCode() const { return m_resultFormat; }
    bool diagnostic() const { return m_resultDiagnostic; }

    // The state being edited.
    const FieldSelection &fieldSelection() const { return m_selection; }
    int recordSize() const { return m_selection.size(); }

private slots:
    void slot_currentIndexChanged_FlashFormat(int nIndex);
    void slot_currentIndexChanged_Tires(int nIndex);
    void slot_pressed_BtnHelp();
    void slot_pressed_Reset();
    void slot_pressed_Ok();
    void slot_pressed_Cancel();

private:
    void showSelection();
    void updateSize();
    void fillTyreCombo();
    void fillFormatCombo();

    std::unique_ptr<Ui::ORV_FormSetVela2> ui;
    FieldSelection m_selection;
    FieldBoxes *m_boxes;
    ORV_FormSetVela2Help *m_help = nullptr;
    QString m_loadedTyres;  // a stored pattern without a combo item
    QString m_loadedFormat; // a stored format code without a combo item
    QString m_resultSelection;
    QString m_resultFormat;
    bool m_resultDiagnostic = false;
};

#endif // ORV_FORMSETVELA2_H
