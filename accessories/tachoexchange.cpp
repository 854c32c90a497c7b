#include "accessories/tachoexchange.h"

#include "accessories/trackerrequest.h"
#include "core/codepage.h"

#include <QDir>
#include <QSaveFile>
#include <QTextCodec>
#include <QTimer>

namespace {

quint16 u16At(const uchar *p)
{
    return quint16(p[0] | p[1] << 8);
}

quint32 u32At(const uchar *p)
{
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

// A byte as two upper-case hexadecimal digits.
QString hexByte(quint8 value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

QString clockNow()
{
    return QTime::currentTime().toString(QStringLiteral("hh:mm:ss"));
}

// A fixed-size text field: up to the first zero byte, without the padding
// spaces, with control characters shown as '?'.
QString fieldText(QString text)
{
    const qsizetype zero = text.indexOf(QChar(0));
    if (zero >= 0)
        text.truncate(zero);
    for (QChar &ch : text) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7F || (ch.unicode() >= 0x80 && ch.unicode() < 0xA0))
            ch = QLatin1Char('?');
    }
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

QString asciiText(const uchar *p, int size)
{
    return fieldText(QString::fromLatin1(reinterpret_cast<const char *>(p), size));
}

// A text in the tachograph's code page.
QString codePageText(const uchar *p, int size, quint8 codePage)
{
    QByteArray name;
    if (codePage >= 1 && codePage <= 16)
        name = "ISO-8859-" + QByteArray::number(codePage);
    else if (codePage == 80)
        name = "KOI8-R";
    else if (codePage == 85)
        name = "KOI8-U";
    const QByteArray bytes(reinterpret_cast<const char *>(p), size);
    QTextCodec *codec = name.isEmpty() ? nullptr : QTextCodec::codecForName(name);
    return fieldText(codec ? codec->toUnicode(bytes) : QString::fromLatin1(bytes));
}

QString timeText(quint32 seconds)
{
    if (seconds == 0)
        return QStringLiteral("-");
    return QDateTime::fromSecsSinceEpoch(qint64(seconds), Qt::UTC).toString(QStringLiteral("hh:mm:ss dd.MM.yyyy"));
}

} // namespace

TachoExchange::TachoExchange(TrackerSend send, int timeoutMs, QObject *parent)
    : QObject(parent)
    , m_queryRequest(new TrackerRequest(send, timeoutMs, this))
    , m_createRequest(new TrackerRequest(send, timeoutMs, this))
    , m_loadRequest(new TrackerRequest(send, timeoutMs, this))
    , m_pollTimer(new QTimer(this))
{
    m_pollTimer->setSingleShot(true);
    m_pollTimer->setInterval(m_pollIntervalMs);
    connect(m_pollTimer, &QTimer::timeout, this, &TachoExchange::pollFileState);
    connect(m_queryRequest, &TrackerRequest::timedOut, this, &TachoExchange::onQueryTimeout);
    connect(m_createRequest, &TrackerRequest::timedOut, this, &TachoExchange::onCreateTimeout);
    connect(m_loadRequest, &TrackerRequest::timedOut, this, &TachoExchange::onLoadTimeout);
}

TachoExchange::~TachoExchange()
{
    if (m_file)
        m_file->cancelWriting();
}

void TachoExchange::setPollInterval(int milliseconds)
{
    m_pollIntervalMs = qMax(1, milliseconds);
    m_pollTimer->setInterval(m_pollIntervalMs);
}

void TachoExchange::setCreationLimit(int milliseconds)
{
    m_creationLimitMs = qMax(1, milliseconds);
}

// ---------------------------------------------------------------------------
// Requests

int TachoExchange::queryCode(int index)
{
    switch (index) {
    case 1: return 3;
    case 2: return 4;
    case 3: return 5;
    default: return 1;
    }
}

int TachoExchange::fileTypeCode(int index)
{
    static const int codes[FileTypeCount] = {5, 0, 1, 2, 3, 4};
    return index >= 0 && index < FileTypeCount ? codes[index] : 0;
}

QByteArray TachoExchange::createRecord(int fileTypeCode, const QDateTime &when, int cardIndex)
{
    quint32 parameter = 0;
    if (fileTypeCode == 1)
        parameter = quint32(when.toSecsSinceEpoch());
    else if (fileTypeCode == 5)
        parameter = 0xFFFFFF00u | quint32((cardIndex + 1) & 0xFF);
    QByteArray record(CreateRecordSize, '\0');
    record[1] = char(fileTypeCode);
    for (int i = 0; i < 4; ++i)
        record[2 + i] = char((parameter >> (8 * i)) & 0xFF);
    return record;
}

bool TachoExchange::query(int index)
{
    if (m_querying)
        return false;
    m_querying = true;
    emit changed();
    m_queryRequest->sendPlain(QueryMessage, queryCode(index), 0);
    return true;
}

bool TachoExchange::create(int fileTypeIndex, const QDateTime &when, int cardIndex)
{
    if (m_activity != Activity::Idle)
        return false;
    m_activity = Activity::Creating;
    m_creationStarted = QDateTime::currentDateTimeUtc();
    m_lastLoggedStatus = -1;
    m_fileName.clear();
    m_fileLength = 0;
    m_record = createRecord(fileTypeCode(fileTypeIndex), when, cardIndex);
    emit changed();
    m_createRequest->sendBytes(CreateMessage, m_record, 0);
    return true;
}

void TachoExchange::pollFileState()
{
    if (m_activity != Activity::Creating)
        return;
    m_createRequest->sendPlain(QueryMessage, FileStateQuery, 0);
}

bool TachoExchange::download(const QString &path, QString *error)
{
    if (m_activity != Activity::Idle || !hasFile() || path.isEmpty())
        return false;
    auto file = std::make_unique<QSaveFile>(path);
    if (!file->open(QIODevice::WriteOnly)) {
        if (error)
            *error = tr("K4810_3230").arg(QDir::toNativeSeparators(path), file->errorString());
        return false;
    }
    m_file = std::move(file);
    m_path = path;
    m_offset = 0;
    m_total = m_fileLength;
    m_activity = Activity::Downloading;
    emit changed();
    requestNextData();
    return true;
}

void TachoExchange::requestNextData()
{
    m_loadRequest->sendPlain(LoadMessage, intptr_t(m_offset), 0);
}

void TachoExchange::cancelDownload()
{
    if (m_activity == Activity::Downloading)
        endDownload(false, tr("K4810_3231"));
}

void TachoExchange::stop()
{
    m_queryRequest->cancel();
    m_querying = false;
    if (m_activity == Activity::Downloading)
        endDownload(false, tr("K4810_3231"));
    if (m_activity == Activity::Creating)
        endCreation();
    emit changed();
}

void TachoExchange::detach()
{
    m_queryRequest->cancel();
    m_querying = false;
    if (m_activity == Activity::Downloading)
        endDownload(false, tr("K4810_3232"));
    if (m_activity == Activity::Creating)
        endCreation();
    m_fileName.clear();
    m_fileLength = 0;
    emit changed();
}

// ---------------------------------------------------------------------------
// Answers

bool TachoExchange::receiveAnswer(uint32_t msgId, const uchar *data, int length)
{
    if (msgId != QueryAnswer && msgId != CreateAnswer && msgId != LoadAnswer)
        return false;
    if (!data || length <= KindOffset)
        return false;
    const quint8 kind = data[KindOffset];
    switch (kind) {
    case FileState:
        if (length < FileStateLength)
            return false;
        if (msgId == LoadAnswer && m_activity == Activity::Downloading) {
            // The tracker has no file to give.
            m_loadRequest->answered();
            const quint8 status = data[StatusOffset];
            log(Log::File, tr("[%1] Запрос данных DDD файла: ").arg(clockNow()) + statusText(status));
            endDownload(false, tr("K4810_3234").arg(QStringLiteral("0x") + hexByte(status)));
            return true;
        }
        handleFileState(data, length);
        return true;
    case FileData:
        if (length < FileDataHeaderLength || m_activity != Activity::Downloading)
            return false;
        return handleFileData(data, length);
    case CurrentState:
    case Card1:
    case Card2:
    case Registration: {
        if (length < ShortLength)
            return false;
        const int full = kind == CurrentState ? CurrentStateLength : kind == Registration ? RegistrationLength : CardLength;
        if (data[StatusOffset] == StateOk && length < full)
            return false;
        handleInformation(kind, data, length);
        return true;
    }
    default:
        return false;
    }
}

void TachoExchange::handleFileState(const uchar *data, int length)
{
    const quint8 status = data[StatusOffset];
    const quint32 fileLength = u32At(data + 8);
    QString name;
    if (status == FileMade) {
        const int size = qMin(length - FileStateLength, MaximumNameLength);
        name = fieldText(CodePage::toUnicode(reinterpret_cast<const char *>(data + FileStateLength), size));
    }

    const bool creating = m_activity == Activity::Creating;
    if (creating)
        m_createRequest->answered();
    // While the file is being made, the polls' answers are logged when the
    // status changes.
    if (!creating || int(status) != m_lastLoggedStatus) {
        QString line = tr("[%1] Запрос данных DDD файла: ").arg(clockNow()) + statusText(status);
        if (!name.isEmpty())
            line += QLatin1Char(' ') + name.toHtmlEscaped();
        log(Log::File, line);
        log(Log::File, tr("[%1] Длина файла: <b>%2</b> байт").arg(clockNow()).arg(fileLength));
        m_lastLoggedStatus = status;
    }

    if (status == FileMade && fileLength > 0 && fileLength <= MaximumFileLength) {
        m_fileName = safeFileName(name);
        m_fileLength = fileLength;
        if (creating)
            endCreation();
        emit fileReady(m_fileName, m_fileLength);
        emit changed();
        return;
    }
    if (!creating)
        return;
    if (status == FileInProgress) {
        if (m_creationStarted.msecsTo(QDateTime::currentDateTimeUtc()) >= m_creationLimitMs) {
            log(Log::File, QStringLiteral("[%1] ").arg(clockNow()) + tr("K4810_3233").toHtmlEscaped());
            endCreation();
            return;
        }
        m_pollTimer->start();
        return;
    }
    endCreation();
}

void TachoExchange::endCreation()
{
    m_pollTimer->stop();
    m_createRequest->cancel();
    m_activity = Activity::Idle;
    emit changed();
}

bool TachoExchange::handleFileData(const uchar *data, int length)
{
    const quint8 status = data[StatusOffset];
    if (status != 0) {
        m_loadRequest->answered();
        log(Log::File, tr("[%1] Запрос данных DDD файла: ").arg(clockNow()) + statusText(status));
        endDownload(false, tr("K4810_3234").arg(QStringLiteral("0x") + hexByte(status)));
        return true;
    }
    const quint32 offset = u32At(data + 8);
    const quint32 total = u32At(data + 12);
    if (qint64(offset) != m_offset)
        return false; // not the data asked for
    const int size = length - FileDataHeaderLength;
    if (total == 0 || total > MaximumFileLength || size < 1 || qint64(offset) + size > qint64(total)
        || (m_offset > 0 && qint64(total) != m_total))
        return false; // data that do not fit the file: the limit ends the download
    m_loadRequest->answered();
    m_total = total;
    const char *bytes = reinterpret_cast<const char *>(data + FileDataHeaderLength);
    if (m_file->write(bytes, size) != size) {
        endDownload(false, tr("K4810_3230").arg(QDir::toNativeSeparators(m_path), m_file->errorString()));
        return true;
    }
    m_offset += size;
    emit downloadProgress(m_offset, m_total);
    if (m_activity != Activity::Downloading)
        return true;
    if (m_offset < m_total) {
        requestNextData();
        return true;
    }
    if (!m_file->commit()) {
        const QString reason = m_file->errorString();
        m_file.reset();
        endDownload(false, tr("K4810_3230").arg(QDir::toNativeSeparators(m_path), reason));
        return true;
    }
    m_file.reset();
    log(Log::File, QStringLiteral("[%1] ").arg(clockNow())
                       + tr("K4810_3235").arg(QDir::toNativeSeparators(m_path)).arg(m_total).toHtmlEscaped());
    endDownload(true, QString());
    return true;
}

void TachoExchange::endDownload(bool ok, const QString &message)
{
    m_loadRequest->cancel();
    if (m_file) {
        m_file->cancelWriting();
        m_file.reset();
    }
    m_activity = Activity::Idle;
    if (!ok && !message.isEmpty())
        log(Log::File, QStringLiteral("[%1] ").arg(clockNow()) + message.toHtmlEscaped());
    emit changed();
    emit downloadFinished(ok, message);
}

void TachoExchange::onQueryTimeout()
{
    m_querying = false;
    log(Log::Query, QStringLiteral("[%1] ").arg(clockNow()) + tr("K4810_3236").toHtmlEscaped());
    emit changed();
}

void TachoExchange::onCreateTimeout()
{
    if (m_activity != Activity::Creating)
        return;
    log(Log::File, QStringLiteral("[%1] ").arg(clockNow()) + tr("K4810_3236").toHtmlEscaped());
    endCreation();
}

void TachoExchange::onLoadTimeout()
{
    if (m_activity == Activity::Downloading)
        endDownload(false, tr("K4810_3236"));
}

// ---------------------------------------------------------------------------
// Information answers

QString TachoExchange::field(const QString &label, const QString &value)
{
    return label.toHtmlEscaped() + QStringLiteral(": <b>") + value.toHtmlEscaped() + QStringLiteral("</b>");
}

void TachoExchange::handleInformation(quint8 kind, const uchar *data, int length)
{
    Q_UNUSED(length);
    if (kind == CurrentState || kind == Card1 || kind == Card2 || kind == Registration) {
        m_queryRequest->answered();
        if (m_querying) {
            m_querying = false;
            emit changed();
        }
    }
    const quint8 state = data[StatusOffset];
    QString outcome;
    switch (state) {
    case StateOk: outcome = QStringLiteral("OK"); break;
    case StateNotAvailable: outcome = QStringLiteral("n/a"); break;
    case StateNotConnected: outcome = tr("не подключен"); break;
    default: outcome = QStringLiteral("0x") + hexByte(state); break;
    }
    outcome = outcome.toHtmlEscaped();
    switch (kind) {
    case CurrentState:
        log(Log::Query, tr("<b>Информация о текущим состоянии тахографа: %1</b>").arg(outcome));
        if (state == StateOk)
            logCurrentState(data);
        break;
    case Card1:
    case Card2:
        log(Log::Query, tr("<b>Информация о картах №%1: %2</b>").arg(kind == Card1 ? 1 : 2).arg(outcome));
        if (state == StateOk)
            logCard(data);
        break;
    default:
        log(Log::Query, tr("<b>Регистрационная информация: %1</b>").arg(outcome));
        if (state == StateOk)
            logRegistration(data);
        break;
    }
}

namespace {

QString choice(quint8 value, const QStringList &names)
{
    return value < names.size() ? names[value] : QString::number(value);
}

} // namespace

void TachoExchange::logCurrentState(const uchar *data)
{
    const QStringList modes = {tr("K4810_3187"), tr("K4810_3188"), tr("K4810_3189"), tr("K4810_3190")};
    const QStringList moduleModes = {tr("K4810_3191"), tr("K4810_3192")};
    const QStringList cardStates = {tr("K4810_3193"), tr("K4810_3194"), tr("K4810_3195"), tr("K4810_3196")};
    const QStringList activities = {tr("K4810_3197"), tr("K4810_3198"), tr("K4810_3199"), tr("K4810_3200")};
    const QStringList cardTypes = {tr("K4810_3201"), tr("K4810_3202"), tr("K4810_3203"), tr("K4810_3204")};

    log(Log::Query, field(tr("K4810_3172"), timeText(u32At(data + 8))));
    log(Log::Query, field(tr("K4810_3173"), choice(data[12], modes)));
    log(Log::Query, field(tr("K4810_3174"), choice(data[13], moduleModes)));
    log(Log::Query, field(tr("K4810_3175"), choice(data[14], cardStates)));
    log(Log::Query, field(tr("K4810_3176"), choice(data[15], cardStates)));
    log(Log::Query, field(tr("K4810_3177"), choice(data[16], activities)));
    log(Log::Query, field(tr("K4810_3178"), choice(data[17], activities)));
    log(Log::Query, field(tr("K4810_3179"), choice(data[18], cardTypes)));
    log(Log::Query, field(tr("K4810_3180"), choice(data[19], cardTypes)));
    log(Log::Query, field(tr("K4810_3181"), tr("K4810_3225").arg(QString::number(u32At(data + 20) * 0.005, 'f', 3))));
    log(Log::Query, field(tr("K4810_3182"), tr("K4810_3226").arg(QString::number(u16At(data + 24) * 0.2, 'f', 1))));
    for (int driver = 0; driver < 2; ++driver) {
        const uchar *minutes = data + 26 + 8 * driver;
        log(Log::Query, field(tr("K4810_3183").arg(driver + 1), QString::number(u16At(minutes))));
        log(Log::Query, field(tr("K4810_3184").arg(driver + 1), QString::number(u16At(minutes + 2))));
        log(Log::Query, field(tr("K4810_3185").arg(driver + 1), QString::number(u16At(minutes + 4))));
        log(Log::Query, field(tr("K4810_3186").arg(driver + 1), QString::number(u16At(minutes + 6))));
    }
}

void TachoExchange::logCard(const uchar *data)
{
    const QStringList cardStates = {tr("K4810_3193"), tr("K4810_3194"), tr("K4810_3195"), tr("K4810_3196")};
    const QStringList cardTypes = {tr("K4810_3201"), tr("K4810_3202"), tr("K4810_3203"), tr("K4810_3204")};
    log(Log::Query, field(tr("K4810_3206"), choice(data[8], cardStates)));
    log(Log::Query, field(tr("K4810_3207"), choice(data[9], cardTypes)));
    log(Log::Query, field(tr("K4810_3208"), QString::number(u16At(data + 10))));
    log(Log::Query, field(tr("K4810_3209"), asciiText(data + 12, 16)));
    log(Log::Query, field(tr("K4810_3210"), timeText(u32At(data + 28))));
    for (int i = 0; i < 4; ++i)
        log(Log::Query, field(tr("K4810_3211").arg(i + 1), QString::number(data[32 + i])));
    for (int i = 0; i < 4; ++i)
        log(Log::Query, field(tr("K4810_3212").arg(i + 1), codePageText(data + 36 + 36 * i, 36, data[32 + i])));
}

void TachoExchange::logRegistration(const uchar *data)
{
    log(Log::Query, field(tr("K4810_3213"), asciiText(data + 8, 8)));
    log(Log::Query, field(tr("K4810_3214"), asciiText(data + 16, 17)));
    log(Log::Query, field(tr("K4810_3215"), QString::number(u16At(data + 33))));
    log(Log::Query, field(tr("K4810_3216"), QString::number(data[35])));
    log(Log::Query, field(tr("K4810_3217"), codePageText(data + 36, 13, data[35])));
    log(Log::Query, field(tr("K4810_3218"), tr("K4810_3219").arg(data[49])));
    log(Log::Query, field(tr("K4810_3220"), timeText(u32At(data + 50))));
    log(Log::Query, field(tr("K4810_3221"), timeText(u32At(data + 54))));
    log(Log::Query, field(tr("K4810_3222"), timeText(u32At(data + 58))));
    log(Log::Query, field(tr("K4810_3223"), asciiText(data + 62, 8)));
    log(Log::Query, field(tr("K4810_3224"), asciiText(data + 70, 16)));
}

void TachoExchange::log(Log which, const QString &line)
{
    emit logged(which, line);
}

// ---------------------------------------------------------------------------
// Texts

QString TachoExchange::statusText(quint8 code)
{
    const QString hex = hexByte(code);
    switch (code) {
    case 0x00: return tr("<b>(0x%1) DDD файл сформирован.</b>").arg(hex);
    case 0x10: return tr("<b>(0x%1) Команда не может быть выполнена, т.к. не завершено выполнение предыдущей команды.</b>").arg(hex);
    case 0x20: return tr("<b>(0x%1) Неизвестная команда/запрос</b>").arg(hex);
    case 0x21: return tr("<b>(0x%1) В команде указаны неверные параметры для авторизации</b>").arg(hex);
    case 0x30: return tr("<b>(0x%1) Устройство не настроено на работу с тахографом</b>").arg(hex);
    case 0x31: return tr("<b>(0x%1) Отсутствует связь с тахографом</b>").arg(hex);
    case 0x32: return tr("<b>(0x%1) Файл выгрузки не сформирован</b>").arg(hex);
    case 0x33: return tr("<b>(0x%1) Не удалось авторизоваться в тахографе</b>").arg(hex);
    case 0x34: return tr("<b>(0x%1) Ошибка сохранения/чтения данных из энергонезависимой памяти</b>").arg(hex);
    case 0x35: return tr("<b>(0x%1) В запросе на формирование DDD файла указаны неверные параметры (дата, номер карты)</b>").arg(hex);
    case 0x36: return tr("<b>(0x%1) Тахограф не может сформировать DDD файл в текущем режиме работы</b>").arg(hex);
    case 0x37: return tr("<b>(0x%1) Выгрузка данного типа DDD файла не поддерживается тахографом</b>").arg(hex);
    case 0x38: return tr("<b>(0x%1) Нет данных для формирования DDD файла</b>").arg(hex);
    case 0x39: return tr("<b>(0x%1) Ошибка получения DDD файла от тахографа</b>").arg(hex);
    case 0x3A: return tr("<b>(0x%1) Формирование DDD файла прервано из-за обновления ПО устройства</b>").arg(hex);
    case 0x3B: return tr("<b>(0x%1) Не удалось сформировать имя DDD файла, т.к. файл имеет некорректную структуру</b>").arg(hex);
    case 0x3C: return tr("<b>(0x%1) Не удалось отправить файл на e-mail</b>").arg(hex);
    case 0x70: return tr("<b>(0x%1) Команда принята. Начато формирование DDD файла.</b>").arg(hex);
    default: return QStringLiteral("<b>(0x%1)</b>").arg(hex);
    }
}

QString TachoExchange::safeFileName(const QString &proposed)
{
    QString name;
    name.reserve(proposed.size());
    for (const QChar ch : proposed) {
        if (ch == QLatin1Char('/') || ch == QLatin1Char('\\') || ch.unicode() < 0x20 || ch.unicode() == 0x7F)
            continue;
        name.append(ch);
    }
    while (name.contains(QLatin1String("..")))
        name.remove(QLatin1String(".."));
    return name.trimmed();
}
