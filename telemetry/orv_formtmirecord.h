#ifndef ORV_FORMTMIRECORD_H
#define ORV_FORMTMIRECORD_H

#include "telemetry/tmirecordspans.h"

#include <QDialog>

#include <memory>

namespace Ui {
class orv_FormTmiRecord;
}
struct TmiFilePage;

// The record inspector: a page's record as hex bytes with each field's
// span marked, and a table of the spans (offset, size, mask bit, field, raw
// value, shown value). Choosing a row marks its bytes; a click on a byte
// chooses its row. For integrators checking what a tracker sends.
class ORV_FormTmiRecord : public QDialog
{
    Q_OBJECT

public:
    static constexpr int BytesPerLine = 16;

    explicit ORV_FormTmiRecord(QWidget *parent = nullptr);
    ~ORV_FormTmiRecord() override;

    // The page's record; received: the bytes are those the tracker sent
    // (else rebuilt from a text file's values).
    void showPage(const TmiFilePage &page, bool received);
    const QByteArray &record() const { return m_record; }
    const QList<TmiRecordSpan> &spans() const { return m_spans; }
    // The row of the span holding a byte; -1 when none does.
    int spanAt(int offset) const;

public slots:
    void slot_pressed_PushButton_Close();
    void slot_currentCellChanged_tableWidget_Spans(int row, int column, int previousRow, int previousColumn);
    void slot_cursorPositionChanged_plainTextEdit_Hex();

private:
    void markSpans(int chosen);
    int positionOf(int offset) const;

    std::unique_ptr<Ui::orv_FormTmiRecord> ui;
    QByteArray m_record;
    QList<TmiRecordSpan> m_spans;
    bool m_moving = false;
};

#endif // ORV_FORMTMIRECORD_H
