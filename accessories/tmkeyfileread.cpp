#include "accessories/tmkeyfileread.h"

#include "accessories/tmkeyfile.h"

#include <QDir>
#include <QFile>

namespace {

// The file's length field, in the first block's data.
constexpr int kLengthFieldEnd = TmKeyFile::LengthOffset + 2;

} // namespace

TmKeyFileRead::TmKeyFileRead(TrackerSend send, const QString &tempDir, int timeoutMs, QObject *parent)
    : TmKeyTransfer(std::move(send), tempDir, timeoutMs, parent)
{
}

TmKeyFileRead::~TmKeyFileRead()
{
    release();
}

QString TmKeyFileRead::emptyBlockText()
{
    return tr("K4810_3143");
}

QString TmKeyFileRead::shortBlockText()
{
    return tr("K4810_3144");
}

bool TmKeyFileRead::start(QString *error)
{
    if (isRunning())
        return false;
    const QString path = newTempFile(QStringLiteral("tmkeyr"));
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (error)
            *error = fileErrorText(QDir::toNativeSeparators(path), file->errorString());
        return false;
    }
    m_file = std::move(file);
    m_data.clear();
    m_block = 0;
    m_total = 0;
    begin(path);
    requestBlock();
    return true;
}

void TmKeyFileRead::requestBlock()
{
    QByteArray number(2, '\0');
    number[0] = char(m_block & 0xFF);
    number[1] = char((m_block >> 8) & 0xFF);
    request(RequestMessage, number);
}

void TmKeyFileRead::release()
{
    if (m_file) {
        m_file->close();
        m_file.reset();
    }
}

bool TmKeyFileRead::receiveAnswer(const uchar *data, int length)
{
    if (!isRunning() || !data || length < AnswerMinimumLength)
        return false;
    const quint8 status = data[AnswerStatusOffset];
    if (status != quint8(TmKeyFile::Success)) {
        answered();
        finish(Result::TrackerError, TmKeyFile::statusError(TmKeyFile::Step::Read, status));
        return true;
    }
    const int number = int(data[AnswerBlockOffset]) | int(data[AnswerBlockOffset + 1]) << 8;
    if (number != m_block)
        return false; // not the block asked for: its answer may still come
    answered();
    const uchar *payload = data + AnswerDataOffset;
    const int size = length - AnswerDataOffset;
    if (size < 1) {
        finish(Result::BadAnswer, emptyBlockText());
        return true;
    }
    if (m_block == 0) {
        if (size < kLengthFieldEnd) {
            finish(Result::BadAnswer, shortBlockText());
            return true;
        }
        const int declared = int(payload[TmKeyFile::LengthOffset]) | int(payload[TmKeyFile::LengthOffset + 1]) << 8;
        m_total = qMin(declared, int(MaximumFileSize));
    }
    const int take = qMin(size, m_total - int(m_data.size()));
    if (take > 0) {
        const char *bytes = reinterpret_cast<const char *>(payload);
        if (m_file->write(bytes, take) != take) {
            finish(Result::FileError, fileErrorText(QDir::toNativeSeparators(tempFile()), m_file->errorString()));
            return true;
        }
        m_data.append(bytes, take);
    }
    emit blockRead(int(m_data.size()), m_total);
    if (!isRunning())
        return true;
    if (m_data.size() >= m_total) {
        if (!m_file->flush()) {
            finish(Result::FileError, fileErrorText(QDir::toNativeSeparators(tempFile()), m_file->errorString()));
            return true;
        }
        finish(Result::Done);
        return true;
    }
    ++m_block;
    requestBlock();
    return true;
}
