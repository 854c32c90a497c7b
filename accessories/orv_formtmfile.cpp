#include "accessories/orv_formtmfile.h"

#include "ui_orv_formtmfile.h"

#include "accessories/orv_formwidgettm.h"
#include "accessories/tmkeyfileread.h"
#include "accessories/tmkeyfilewrite.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QSaveFile>

namespace {

const char *const kFilter = "*.tmk";

} // namespace

ORV_FormTMFile::ORV_FormTMFile(TrackerSend send, QWidget *parent, int timeoutMs)
    : QWidget(parent)
    , ui(std::make_unique<Ui::ORV_FormTMFile>())
    , m_send(send)
    , m_writer(new TmKeyFileWrite(send, QString(), timeoutMs, this))
    , m_reader(new TmKeyFileRead(send, QString(), timeoutMs, this))
{
    ui->setupUi(this);
    ui->progressBar_Transfer->setVisible(false);
    connect(ui->BtnLoadFile, &QPushButton::pressed, this, &ORV_FormTMFile::slot_pressed_BtnLoadFile);
    connect(ui->BtnSaveFile, &QPushButton::pressed, this, &ORV_FormTMFile::slot_pressed_BtnSaveFile);
    connect(ui->BtnLoadDevice, &QPushButton::pressed, this, &ORV_FormTMFile::slot_pressed_BtnLoadDevice);
    connect(ui->BtnSaveDevice, &QPushButton::pressed, this, &ORV_FormTMFile::slot_pressed_BtnSaveDevice);
    connect(m_writer, &TmKeyTransfer::finished, this, &ORV_FormTMFile::onWriteFinished);
    connect(m_reader, &TmKeyTransfer::finished, this, &ORV_FormTMFile::onReadFinished);
    connect(m_writer, &TmKeyFileWrite::blockWritten, this, [this](int done, int count) {
        ui->progressBar_Transfer->setRange(0, count);
        ui->progressBar_Transfer->setValue(done);
        ui->label_Status->setText(tr("K4810_3242").arg(qMin(done + 1, count)).arg(count));
    });
    connect(m_reader, &TmKeyFileRead::blockRead, this, [this](int bytes, int total) {
        ui->progressBar_Transfer->setRange(0, qMax(1, total));
        ui->progressBar_Transfer->setValue(bytes);
        ui->label_Status->setText(tr("K4810_3243").arg(bytes).arg(total));
    });
}

ORV_FormTMFile::~ORV_FormTMFile() = default;

void ORV_FormTMFile::setDirectories(const QString &dataDir, const QString &tempDir)
{
    m_dataDir = dataDir;
    m_writer->setTempDir(tempDir);
    m_reader->setTempDir(tempDir);
}

QString ORV_FormTMFile::dataDir() const
{
    return m_dataDir.isEmpty() ? QDir::homePath() : m_dataDir;
}

QString ORV_FormTMFile::tempDir() const
{
    return m_writer->tempDir();
}

void ORV_FormTMFile::showEvent(QShowEvent *event)
{
    ensureRows();
    QWidget::showEvent(event);
}

void ORV_FormTMFile::ensureRows()
{
    if (!m_rows.empty())
        return;
    auto *layout = qobject_cast<QVBoxLayout *>(ui->widget_Keys->layout());
    m_rows.reserve(TmKeyFile::KeyCount);
    ui->widget_Keys->setUpdatesEnabled(false);
    for (int i = 0; i < TmKeyFile::KeyCount; ++i) {
        auto *row = new ORV_FormWidgetTM(i + 1, ui->widget_Keys);
        row->setKeyReadEnabled(m_online);
        connect(row, &ORV_FormWidgetTM::readKeyRequested, this, &ORV_FormTMFile::onReadKeyRequested);
        layout->addWidget(row);
        // Built while the page shows (its children already shown): shown by hand.
        row->show();
        m_rows.push_back(row);
    }
    layout->addStretch(1);
    ui->widget_Keys->setUpdatesEnabled(true);
}

int ORV_FormTMFile::rowCount()
{
    ensureRows();
    return int(m_rows.size());
}

ORV_FormWidgetTM *ORV_FormTMFile::row(int index)
{
    ensureRows();
    return index >= 0 && index < int(m_rows.size()) ? m_rows[size_t(index)] : nullptr;
}

QList<TmKeyFile::Key> ORV_FormTMFile::keys()
{
    ensureRows();
    QList<TmKeyFile::Key> list;
    list.reserve(int(m_rows.size()));
    for (const ORV_FormWidgetTM *row : m_rows)
        list.append(row->key());
    return list;
}

void ORV_FormTMFile::setKeys(const QList<TmKeyFile::Key> &keys)
{
    ensureRows();
    // No row keeps anything of the list before.
    for (ORV_FormWidgetTM *row : m_rows)
        row->clear();
    const int count = qMin(int(keys.size()), int(m_rows.size()));
    for (int i = 0; i < count; ++i)
        m_rows[size_t(i)]->setKey(keys[i]);
}

bool ORV_FormTMFile::isTransferring() const
{
    return m_writer->isRunning() || m_reader->isRunning();
}

// ---------------------------------------------------------------------------
// Files

bool ORV_FormTMFile::loadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        tell(tr("K4810_3241").arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    // The records beyond a whole key file are never read.
    const QByteArray bytes = file.read(TmKeyFile::FileSize);
    if (file.error() != QFile::NoError) {
        tell(tr("K4810_3241").arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    const QList<TmKeyFile::Key> keys = TmKeyFile::read(bytes);
    setKeys(keys);
    ui->label_Status->setText(tr("K4810_3244").arg(keys.size()).arg(QDir::toNativeSeparators(path)));
    return true;
}

bool ORV_FormTMFile::saveFile(const QString &path)
{
    const QByteArray bytes = TmKeyFile::write(keys());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        tell(TmKeyTransfer::fileErrorText(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    return true;
}

void ORV_FormTMFile::slot_pressed_BtnSaveFile()
{
    const QString caption = tr("K4810_3139");
    const QString proposed = TmKeyFile::fileName(dataDir(), QStringLiteral("tmkey"), QDateTime::currentDateTime());
    const QString filter = QLatin1String(kFilter);
    const QString path = m_saveChooser ? m_saveChooser(caption, proposed, filter)
                                       : QFileDialog::getSaveFileName(this, caption, proposed, filter);
    if (!path.isEmpty())
        saveFile(path);
}

void ORV_FormTMFile::slot_pressed_BtnLoadFile()
{
    const QString caption = tr("K4810_3138");
    const QString filter = QLatin1String(kFilter);
    const QString path = m_openChooser ? m_openChooser(caption, dataDir(), filter)
                                       : QFileDialog::getOpenFileName(this, caption, dataDir(), filter);
    if (!path.isEmpty())
        loadFile(path);
}

// ---------------------------------------------------------------------------
// Transfers

void ORV_FormTMFile::setButtonsEnabled(bool enabled)
{
    ui->BtnLoadFile->setEnabled(enabled);
    ui->BtnSaveFile->setEnabled(enabled);
    ui->BtnLoadDevice->setEnabled(enabled && m_online);
    ui->BtnSaveDevice->setEnabled(enabled && m_online);
    ui->progressBar_Transfer->setVisible(!enabled);
}

void ORV_FormTMFile::setOnline(bool online)
{
    m_online = online;
    if (!isTransferring())
        setButtonsEnabled(true);
    for (ORV_FormWidgetTM *row : m_rows)
        row->setKeyReadEnabled(online);
}

void ORV_FormTMFile::slot_pressed_BtnSaveDevice()
{
    if (isTransferring() || !m_online)
        return;
    const QByteArray file = TmKeyFile::write(keys());
    setButtonsEnabled(false);
    ui->progressBar_Transfer->setRange(0, (file.size() + TmKeyFileWrite::BlockSize - 1) / TmKeyFileWrite::BlockSize);
    ui->progressBar_Transfer->setValue(0);
    ui->label_Status->clear();
    emit transferRunning(true);
    QString error;
    if (!m_writer->start(file, &error)) {
        setButtonsEnabled(true);
        emit transferRunning(false);
        tell(error);
    }
}

void ORV_FormTMFile::slot_pressed_BtnLoadDevice()
{
    if (isTransferring() || !m_online)
        return;
    ensureRows();
    setButtonsEnabled(false);
    ui->progressBar_Transfer->setRange(0, 0);
    ui->label_Status->clear();
    emit transferRunning(true);
    QString error;
    if (!m_reader->start(&error)) {
        setButtonsEnabled(true);
        emit transferRunning(false);
        tell(error);
    }
}

bool ORV_FormTMFile::receiveAnswer(uint32_t msgId, const uchar *data, int length)
{
    if (msgId == TmKeyFileRead::AnswerMessage)
        return m_reader->receiveAnswer(data, length);
    if (msgId == TmKeyFileWrite::BlockAnswer || msgId == TmKeyFileWrite::SwitchAnswer)
        return m_writer->receiveAnswer(msgId, data, length);
    return false;
}

void ORV_FormTMFile::detach()
{
    m_keyRow = 0;
    m_writer->detach();
    m_reader->detach();
}

void ORV_FormTMFile::onWriteFinished(TmKeyTransfer::Result result, const QString &message)
{
    setButtonsEnabled(true);
    emit transferRunning(false);
    if (result == TmKeyTransfer::Result::Done) {
        ui->label_Status->setText(tr("K4810_3136"));
        return;
    }
    ui->label_Status->clear();
    tell(message);
}

void ORV_FormTMFile::onReadFinished(TmKeyTransfer::Result result, const QString &message)
{
    setButtonsEnabled(true);
    emit transferRunning(false);
    if (result == TmKeyTransfer::Result::Done) {
        const QList<TmKeyFile::Key> keys = TmKeyFile::read(m_reader->data());
        setKeys(keys);
        ui->label_Status->setText(tr("K4810_3137").arg(keys.size()));
        return;
    }
    ui->label_Status->clear();
    tell(message);
}

// ---------------------------------------------------------------------------
// Reading one key

void ORV_FormTMFile::onReadKeyRequested(int number)
{
    if (!m_online)
        return;
    m_keyRow = number;
    if (m_send)
        m_send(ReadKeyMessage, 0, 0);
}

void ORV_FormTMFile::onTouchMemoryCode(quint64 code)
{
    if (m_keyRow <= 0 || m_keyRow > int(m_rows.size()))
        return;
    m_rows[size_t(m_keyRow - 1)]->setCode(code & TmKeyFile::CodeMask);
    m_keyRow = 0;
}

void ORV_FormTMFile::tell(const QString &text)
{
    if (text.isEmpty())
        return;
    if (m_notifier) {
        m_notifier(text);
        return;
    }
    // Shown without a nested event loop: most messages come from inside the
    // host's delivery of an answer, which must return.
    auto *box = new QMessageBox(QMessageBox::Warning, tr("K4810_3151"), text, QMessageBox::NoButton, this);
    box->setObjectName(QStringLiteral("ORV_FormTMFile_message"));
    box->addButton(tr("K4810_003"), QMessageBox::AcceptRole);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    box->show();
}
