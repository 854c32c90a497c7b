#include "telemetry/orv_formtmirecord.h"
#include "ui_orv_formtmirecord.h"

#include "telemetry/tmifieldcaptions.h"
#include "telemetry/tmipagesource.h"
#include "telemetry/tmitextfile.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QTextBlock>

namespace {

constexpr int kOffsetWidth = 6; // "0000  "

QColor spanColor(const TmiRecordSpan &span, int row)
{
    switch (span.kind) {
    case TmiRecordSpan::Header:
        return QColor(0xdd, 0xdd, 0xdd);
    case TmiRecordSpan::Cut:
        return QColor(0xf4, 0xb4, 0xb4);
    case TmiRecordSpan::Unused:
        return QColor(0xee, 0xee, 0xee);
    case TmiRecordSpan::Element:
        return row % 2 ? QColor(0xd8, 0xc8, 0xf0) : QColor(0xe8, 0xdc, 0xfa);
    case TmiRecordSpan::Field:
        break;
    }
    return row % 2 ? QColor(0xcc, 0xe0, 0xfa) : QColor(0xfa, 0xee, 0xc4);
}

} // namespace

ORV_FormTmiRecord::ORV_FormTmiRecord(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::orv_FormTmiRecord)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("orv_FormTmiRecord"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ui->plainTextEdit_Hex->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QHeaderView *header = ui->tableWidget_Spans->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setStretchLastSection(true);
    ui->tableWidget_Spans->verticalHeader()->setVisible(false);
    connect(ui->PushButton_Close, &QPushButton::pressed, this, &ORV_FormTmiRecord::slot_pressed_PushButton_Close);
    connect(ui->tableWidget_Spans, &QTableWidget::currentCellChanged, this,
            &ORV_FormTmiRecord::slot_currentCellChanged_tableWidget_Spans);
    connect(ui->plainTextEdit_Hex, &QPlainTextEdit::cursorPositionChanged, this,
            &ORV_FormTmiRecord::slot_cursorPositionChanged_plainTextEdit_Hex);
}

ORV_FormTmiRecord::~ORV_FormTmiRecord() = default;

void ORV_FormTmiRecord::showPage(const TmiFilePage &page, bool received)
{
    m_record = TmiPageFields::record(page);
    m_spans = TmiRecordSpans::of(m_record, page.kind == TmiFilePage::F8 && !received ? &page.f8Rows : nullptr);
    ui->label_Page->setText(tr("K4810_2977").arg(page.pageNumber()) + QStringLiteral(": ")
                            + (received ? tr("K4810_2993") : tr("K4810_2994")).arg(m_record.size()));

    // Sixteen bytes a line after their offset.
    QString text;
    for (int at = 0; at < m_record.size(); at += BytesPerLine) {
        if (at)
            text += QLatin1Char('\n');
        text += QStringLiteral("%1  ").arg(at, 4, 16, QLatin1Char('0')).toUpper();
        text += TmiRecordSpans::hex(m_record, at, BytesPerLine);
    }
    {
        const QSignalBlocker blocker(ui->plainTextEdit_Hex);
        ui->plainTextEdit_Hex->setPlainText(text);
    }

    QTableWidget *table = ui->tableWidget_Spans;
    const QSignalBlocker blocker(table);
    table->clearContents();
    table->setRowCount(int(m_spans.size()));
    for (int row = 0; row < m_spans.size(); ++row) {
        const TmiRecordSpan &span = m_spans[row];
        QString name = span.name;
        if (span.kind == TmiRecordSpan::Cut)
            name += QLatin1Char(' ') + tr("K4810_2995");
        else if (span.kind == TmiRecordSpan::Unused)
            name = tr("K4810_2996");
        const QString cells[] = {QString::number(span.offset), QString::number(span.length),
                                 span.bit >= 0 ? QString::number(span.bit) : QString(), name, span.raw, span.shown};
        for (int c = 0; c < 6; ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            if (c < 3)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (c == 3 && span.member >= 0)
                item->setToolTip(TmiFieldCaptions::caption(span.member));
            if (c == 3)
                item->setBackground(spanColor(span, row));
            table->setItem(row, c, item);
        }
    }
    markSpans(-1);
}

int ORV_FormTmiRecord::spanAt(int offset) const
{
    for (int row = 0; row < m_spans.size(); ++row) {
        if (offset >= m_spans[row].offset && offset < m_spans[row].offset + m_spans[row].length)
            return row;
    }
    return -1;
}

int ORV_FormTmiRecord::positionOf(int offset) const
{
    const QTextBlock block = ui->plainTextEdit_Hex->document()->findBlockByNumber(offset / BytesPerLine);
    return block.position() + kOffsetWidth + (offset % BytesPerLine) * 3;
}

void ORV_FormTmiRecord::markSpans(int chosen)
{
    // Each span in a colour of its own kind, alternating; the chosen one as a selection.
    QList<QTextEdit::ExtraSelection> marks;
    QPlainTextEdit *edit = ui->plainTextEdit_Hex;
    for (int row = 0; row < m_spans.size(); ++row) {
        const TmiRecordSpan &span = m_spans[row];
        for (int offset = span.offset; offset < span.offset + span.length; ++offset) {
            QTextEdit::ExtraSelection mark;
            mark.cursor = QTextCursor(edit->document());
            mark.cursor.setPosition(positionOf(offset));
            mark.cursor.setPosition(positionOf(offset) + 2, QTextCursor::KeepAnchor);
            if (row == chosen) {
                mark.format.setBackground(palette().color(QPalette::Highlight));
                mark.format.setForeground(palette().color(QPalette::HighlightedText));
            } else {
                mark.format.setBackground(spanColor(span, row));
            }
            marks.append(mark);
        }
    }
    edit->setExtraSelections(marks);
}

void ORV_FormTmiRecord::slot_pressed_PushButton_Close()
{
    close();
}

void ORV_FormTmiRecord::slot_currentCellChanged_tableWidget_Spans(int row, int, int, int)
{
    markSpans(row);
    if (row < 0 || row >= m_spans.size() || m_moving)
        return;
    m_moving = true;
    QTextCursor cursor(ui->plainTextEdit_Hex->document());
    cursor.setPosition(positionOf(m_spans[row].offset));
    ui->plainTextEdit_Hex->setTextCursor(cursor);
    ui->plainTextEdit_Hex->ensureCursorVisible();
    m_moving = false;
}

void ORV_FormTmiRecord::slot_cursorPositionChanged_plainTextEdit_Hex()
{
    if (m_moving)
        return;
    const QTextCursor cursor = ui->plainTextEdit_Hex->textCursor();
    const int column = cursor.positionInBlock() - kOffsetWidth;
    if (column < 0)
        return;
    const int offset = cursor.blockNumber() * BytesPerLine + std::min(BytesPerLine - 1, column / 3);
    const int row = spanAt(offset);
    if (row < 0)
        return;
    m_moving = true;
    ui->tableWidget_Spans->setCurrentCell(row, 3);
    m_moving = false;
}
