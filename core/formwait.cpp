#include "core/formwait.h"

#include "ui_formwait.h"

#include <QCloseEvent>
#include <QPushButton>

FormWait::FormWait(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , ui(new Ui::FormWait)
{
    ui->setupUi(this);
    ui->pushButton_Cancel->hide();
    fitHeight();
    connect(ui->pushButton_Cancel, &QPushButton::pressed, this, &FormWait::cancelRequested);
}

void FormWait::setCancelText(const QString &text)
{
    ui->pushButton_Cancel->setText(text);
    ui->pushButton_Cancel->setVisible(!text.isEmpty());
    fitHeight();
}

bool FormWait::isCancelable() const
{
    return !ui->pushButton_Cancel->text().isEmpty();
}

void FormWait::reject()
{
    // Escape or the window's close button: a cancel when the work can be
    // cancelled; the owner closes the window when the work has ended.
    if (isCancelable() && !m_closedByOwner)
        emit cancelRequested();
    else
        QDialog::reject();
}

void FormWait::closeEvent(QCloseEvent *event)
{
    m_closedByOwner = !event->spontaneous();
    QDialog::closeEvent(event);
    m_closedByOwner = false;
}

FormWait::~FormWait() = default;

void FormWait::setMessage(const QString &text)
{
    ui->label->setText(text);
    fitHeight();
}

void FormWait::fitHeight()
{
    // 451 pixels wide; a message longer than a line wraps and the window
    // grows to show all of it (a longer translation included).
    constexpr int kWidth = 451;
    constexpr int kHeight = 111;
    int height = kHeight;
    if (!ui->pushButton_Cancel->isHidden())
        height += ui->pushButton_Cancel->sizeHint().height() + 6;
    const int lineHeight = ui->label->fontMetrics().lineSpacing();
    const int messageWidth = kWidth - layout()->contentsMargins().left() - layout()->contentsMargins().right();
    const int messageHeight = ui->label->heightForWidth(messageWidth);
    if (messageHeight > lineHeight + 2)
        height += messageHeight - ui->label->fontMetrics().height();
    setFixedSize(kWidth, height);
}

void FormWait::setCaption(const QString &text)
{
    ui->label_fileCount->setText(text);
    ui->label_fileCount->setToolTip(text);
}

void FormWait::setCurrent(const QString &text)
{
    ui->label_saved->setText(text);
}

void FormWait::setTotal(const QString &text)
{
    ui->label_All->setText(text);
}

void FormWait::setStatus(const QString &text)
{
    ui->label_Time->setText(text);
}

void FormWait::setRange(int minimum, int maximum)
{
    ui->progressBar->setMaximum(maximum);
    ui->progressBar->setMinimum(minimum);
}

void FormWait::setValue(int value)
{
    ui->progressBar->setValue(value);
}

void FormWait::showCounters(bool visible)
{
    ui->label_saved->setVisible(visible);
    ui->label_5->setVisible(visible);
    ui->label_All->setVisible(visible);
    ui->label_Time->setVisible(visible);
}

void FormWait::reset()
{
    ui->label->clear();
    ui->label_fileCount->clear();
    ui->label_fileCount->setToolTip(QString());
    ui->label_saved->clear();
    ui->label_All->clear();
    ui->label_Time->clear();
    ui->progressBar->setRange(0, 10);
    ui->progressBar->setValue(0);
}

QString FormWait::message() const { return ui->label->text(); }
QString FormWait::caption() const { return ui->label_fileCount->text(); }
QString FormWait::current() const { return ui->label_saved->text(); }
QString FormWait::total() const { return ui->label_All->text(); }
QString FormWait::status() const { return ui->label_Time->text(); }
int FormWait::minimum() const { return ui->progressBar->minimum(); }
int FormWait::maximum() const { return ui->progressBar->maximum(); }
int FormWait::value() const { return ui->progressBar->value(); }
