#include "accessories/orv_formtaho.h"

#include "ui_orv_formtaho.h"

#include "core/orv_device_k4810.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QTextCursor>

#include <climits>

namespace {

const char *const kDefaultFileName = "tachograph.ddd";

} // namespace

ORV_FormTaho::ORV_FormTaho(ORV_Device_K4810 *device, QWidget *parent, int timeoutMs)
    : QDialog(parent)
    , ui(std::make_unique<Ui::ORV_FormTaho>())
    , m_device(device)
    , m_exchange(new TachoExchange([this](uint32_t msgId, intptr_t p1, intptr_t p2) { send(msgId, p1, p2); },
                                   timeoutMs, this))
{
    ui->setupUi(this);
    setWindowTitle(tr("Тахограф"));
    ui->groupBox_Quest->setTitle(tr("Запрос"));
    ui->groupBox_Load->setTitle(tr("Выгрузка DDD файла"));
    ui->label_Login->setText(tr("Логин:"));
    ui->label_Password->setText(tr("Пароль:"));
    ui->pushButton_Autorize->setText(tr("Авторизация"));
    ui->pushButton_Create->setText(tr("Сформировать DDD файл"));
    ui->pushButton_Load->setText(tr("Загрузить DDD файл"));
    // The tracker signs in to the tachograph itself.
    ui->frame_Login->setEnabled(false);
    ui->frame_Login->setToolTip(tr("K4810_3240"));
    ui->pushButton_Autorize->setToolTip(tr("K4810_3240"));

    connect(ui->pushButton_Quest, &QPushButton::pressed, this, &ORV_FormTaho::slot_pressed_BtnQuest);
    connect(ui->pushButton_Autorize, &QPushButton::pressed, this, &ORV_FormTaho::slot_pressed_BtnAutorize);
    connect(ui->pushButton_Create, &QPushButton::pressed, this, &ORV_FormTaho::slot_pressed_BtnCreate);
    connect(ui->pushButton_Load, &QPushButton::pressed, this, &ORV_FormTaho::slot_pressed_BtnLoad);
    connect(ui->comboBox_File, &QComboBox::currentIndexChanged, this, &ORV_FormTaho::slot_currentIndexChanged_File);
    connect(ui->pushButton_Close, &QPushButton::pressed, this, &ORV_FormTaho::close);
    connect(m_exchange, &TachoExchange::logged, this, &ORV_FormTaho::appendLine);
    connect(m_exchange, &TachoExchange::changed, this, &ORV_FormTaho::refresh);
    connect(m_exchange, &TachoExchange::downloadProgress, this, [this](qint64 done, qint64 total) {
        // The bar counts kilobytes: a file's length may not fit an int.
        ui->progressBar_Load->setRange(0, int(qMin<qint64>((total + 1023) / 1024, INT_MAX)));
        ui->progressBar_Load->setValue(int(qMin<qint64>(done / 1024, INT_MAX)));
    });
    slot_currentIndexChanged_File(ui->comboBox_File->currentIndex());
    refresh();
}

ORV_FormTaho::~ORV_FormTaho() = default;

void ORV_FormTaho::send(uint32_t msgId, intptr_t p1, intptr_t p2)
{
    if (m_device)
        m_device->send(msgId, p1, p2);
}

void ORV_FormTaho::openWindow()
{
    ui->pushButton_Autorize->setEnabled(false);
    ui->dateTimeEdit->setDateTime(QDateTime::currentDateTime());
    ui->textEdit_Quest->clear();
    ui->textEdit_Load->clear();
    ui->comboBox_File->setCurrentIndex(0);
    slot_currentIndexChanged_File(0);
    ui->comboBox_Card->setCurrentIndex(0);
    refresh();
    show();
    raise();
    activateWindow();
}

void ORV_FormTaho::onAnswer(uint32_t msgId, intptr_t p1, intptr_t p2)
{
    if (!isVisible() || p1 == 0 || p2 <= 0)
        return;
    const int length = int(qMin<intptr_t>(p2, INT_MAX));
    m_exchange->receiveAnswer(msgId, reinterpret_cast<const uchar *>(p1), length);
}

void ORV_FormTaho::closeForConnectionChange()
{
    m_exchange->detach();
    hide();
}

void ORV_FormTaho::closeEvent(QCloseEvent *event)
{
    m_exchange->stop();
    QDialog::closeEvent(event);
}

void ORV_FormTaho::reject()
{
    m_exchange->stop();
    QDialog::reject();
}

// ---------------------------------------------------------------------------
// Buttons

void ORV_FormTaho::slot_pressed_BtnQuest()
{
    m_exchange->query(ui->comboBox_Quest->currentIndex());
}

void ORV_FormTaho::slot_pressed_BtnAutorize()
{
    // Disabled: the tracker signs in to the tachograph itself.
}

void ORV_FormTaho::slot_pressed_BtnCreate()
{
    m_exchange->create(ui->comboBox_File->currentIndex(), ui->dateTimeEdit->dateTime(),
                       ui->comboBox_Card->currentIndex());
}

void ORV_FormTaho::slot_pressed_BtnLoad()
{
    if (!m_exchange->hasFile())
        return;
    QString name = m_exchange->fileName();
    if (name.isEmpty())
        name = QLatin1String(kDefaultFileName);
    const QString dir = m_device ? m_device->dataDir() : QString();
    const QString proposed = dir.isEmpty() ? name : QDir(dir).filePath(name);
    const QString caption = tr("K4810_3238");
    const QString filter = tr("K4810_3239");
    const QString path = m_saveChooser ? m_saveChooser(caption, proposed, filter)
                                       : QFileDialog::getSaveFileName(this, caption, proposed, filter);
    if (path.isEmpty())
        return;
    QString error;
    if (!m_exchange->download(path, &error) && !error.isEmpty())
        appendLine(TachoExchange::Log::File, error.toHtmlEscaped());
}

void ORV_FormTaho::slot_currentIndexChanged_File(int nIndex)
{
    ui->comboBox_Card->setEnabled(TachoExchange::fileTypeTakesCard(nIndex));
    ui->dateTimeEdit->setEnabled(TachoExchange::fileTypeTakesDate(nIndex));
}

// ---------------------------------------------------------------------------
// Showing the exchange

void ORV_FormTaho::appendLine(TachoExchange::Log log, const QString &html)
{
    QTextEdit *edit = log == TachoExchange::Log::Query ? ui->textEdit_Quest : ui->textEdit_Load;
    QTextCursor cursor(edit->document());
    cursor.movePosition(QTextCursor::End);
    if (!edit->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertHtml(html);
    edit->setTextCursor(cursor);
    edit->ensureCursorVisible();
}

void ORV_FormTaho::refresh()
{
    const bool idle = m_exchange->activity() == TachoExchange::Activity::Idle;
    ui->pushButton_Quest->setEnabled(!m_exchange->isQuerying());
    ui->pushButton_Create->setEnabled(idle);
    ui->pushButton_Load->setEnabled(idle && m_exchange->hasFile());
    ui->pushButton_Autorize->setEnabled(false);
    const bool downloading = m_exchange->activity() == TachoExchange::Activity::Downloading;
    const bool creating = m_exchange->activity() == TachoExchange::Activity::Creating;
    ui->progressBar_Load->setVisible(downloading || creating);
    if (creating)
        ui->progressBar_Load->setRange(0, 0);
    else if (downloading && ui->progressBar_Load->maximum() == 0)
        ui->progressBar_Load->setRange(0, 1);
}
