#include "host/pluginhost.h"

#include "host/eventnames.h"
#include "host/messageformatter.h"

#include <QDateTime>
#include <QMetaMethod>

#include <algorithm>

using HostMessages::Direction;

PluginHost *PluginHost::s_instance = nullptr;

namespace {

// The memory behind one parameter for the duration of a ReceiveMessage
// call. Not copyable: the plug-in gets addresses of its members.
class ArgStorage
{
public:
    explicit ArgStorage(const MessageArg &arg)
        : m_type(arg.type)
    {
        switch (arg.type) {
        case MessageArg::Type::Int:
        case MessageArg::Type::Address:
        case MessageArg::Type::Invalid:
            m_value = intptr_t(arg.number);
            break;
        case MessageArg::Type::IntRef:
            m_int = int32_t(arg.number);
            m_value = reinterpret_cast<intptr_t>(&m_int);
            break;
        case MessageArg::Type::BoolRef:
            m_bool = arg.number != 0;
            m_value = reinterpret_cast<intptr_t>(&m_bool);
            break;
        case MessageArg::Type::Text:
            m_text = arg.firstText();
            m_value = reinterpret_cast<intptr_t>(&m_text);
            break;
        case MessageArg::Type::Texts:
            m_texts = arg.texts;
            while (m_texts.size() < 4)
                m_texts.append(QString());
            m_value = reinterpret_cast<intptr_t>(m_texts.data());
            break;
        case MessageArg::Type::Bytes:
            m_bytes = arg.bytes;
            m_value = reinterpret_cast<intptr_t>(m_bytes.data());
            break;
        }
    }
    ArgStorage(const ArgStorage &) = delete;
    ArgStorage &operator=(const ArgStorage &) = delete;

    intptr_t value() const { return m_value; }

    // What the plug-in wrote back.
    void readBack(MessageArg &arg) const
    {
        switch (m_type) {
        case MessageArg::Type::IntRef:
            arg.number = m_int;
            break;
        case MessageArg::Type::BoolRef:
            arg.number = m_bool ? 1 : 0;
            break;
        case MessageArg::Type::Text:
            arg.texts = QStringList{m_text};
            break;
        case MessageArg::Type::Texts:
            arg.texts = m_texts.mid(0, qMax(int(arg.texts.size()), 4));
            break;
        case MessageArg::Type::Bytes:
            arg.bytes = m_bytes;
            break;
        default:
            break;
        }
    }

private:
    MessageArg::Type m_type;
    intptr_t m_value = 0;
    int32_t m_int = 0;
    bool m_bool = false;
    QString m_text;
    QStringList m_texts;
    QByteArray m_bytes;
};

struct DepthGuard
{
    explicit DepthGuard(int &depth) : m_depth(depth) { ++m_depth; }
    ~DepthGuard() { --m_depth; }
    int &m_depth;
};

} // namespace

PluginHost::PluginHost(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<MessageLogEntry>();
    if (!s_instance)
        s_instance = this;
    m_clock.start();
    m_queueTimer.setSingleShot(true);
    m_queueTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_queueTimer, &QTimer::timeout, this, &PluginHost::deliverNextAnswer);
}

PluginHost::~PluginHost()
{
    unload();
    if (s_instance == this)
        s_instance = nullptr;
}

PluginHost *PluginHost::instance()
{
    return s_instance;
}

bool PluginHost::load(const QString &path)
{
    unload();
    m_error.clear();
    if (!s_instance)
        s_instance = this;
    if (s_instance != this) {
        m_error = QStringLiteral("Another plug-in host is active in this process");
        return false;
    }
    if (!m_library.load(path)) {
        m_error = m_library.errorString();
        return false;
    }
    m_info = m_library.libraryInfo();
    m_identity.handle = PluginLibrary::infoHandle(m_info);
    m_identity.model = PluginLibrary::infoModel(m_info);
    m_identity.displayName = PluginLibrary::infoDisplayName(m_info);
    m_identity.versionMajor = PluginLibrary::infoVersionMajor(m_info);
    m_identity.versionMinor = PluginLibrary::infoVersionMinor(m_info);
    m_identity.infoWord3 = PluginLibrary::infoWord(m_info, 522);
    m_identity.infoWord4 = PluginLibrary::infoWord(m_info, 526);
    m_identity.infoWord5 = PluginLibrary::infoWord(m_info, 530);
    m_identity.interfaceLevel = PluginLibrary::infoInterfaceLevel(m_info);
    m_library.initialize(&PluginHost::trampoline);
    emit loadedChanged(true);
    return true;
}

void PluginHost::unload()
{
    m_queue.clear();
    m_queueTimer.stop();
    if (!m_library.isLoaded())
        return;
    m_library.unload();
    m_info.clear();
    m_identity = Identity();
    emit loadedChanged(false);
}

void PluginHost::sendEnvironment(const QStringList &paths, int autoTelemetryMode)
{
    deliverTexts4(HostMessages::WorkingPaths, paths);
    deliverIntRef(HostMessages::AutoTelemetryMode, autoTelemetryMode);
}

bool PluginHost::deliver(PluginMessage &message)
{
    message.direction = Direction::ToPlugin;
    if (!isLoaded())
        return false;
    const HostMessages::MessageInfo *info = message.info();
    // In-place queries are logged with the answer; everything else before
    // the call, so that what the plug-in sends while handling it follows.
    const bool logAfter = info && info->inPlace;
    if (!logAfter)
        log(message);
    {
        ArgStorage a(message.p1);
        ArgStorage b(message.p2);
        m_library.receiveMessage(m_identity.handle, message.msgId, a.value(), b.value());
        a.readBack(message.p1);
        b.readBack(message.p2);
    }
    if (logAfter)
        log(message, QStringLiteral("answered in place"));
    return true;
}

void PluginHost::deliverPlain(uint32_t msgId, qint64 p1, qint64 p2)
{
    PluginMessage m = PluginMessage::plain(msgId, p1, p2);
    deliver(m);
}

int32_t PluginHost::deliverIntRef(uint32_t msgId, int32_t value)
{
    PluginMessage m = PluginMessage::intRef(msgId, value);
    deliver(m);
    return int32_t(m.p1.number);
}

bool PluginHost::deliverBoolRef(uint32_t msgId)
{
    PluginMessage m = PluginMessage::boolRef(msgId, false);
    deliver(m);
    return m.p1.number != 0;
}

QString PluginHost::deliverText(uint32_t msgId, const QString &text, qint64 p2)
{
    PluginMessage m = PluginMessage::text(msgId, text, p2);
    deliver(m);
    return m.p1.firstText();
}

void PluginHost::deliverTwoTexts(uint32_t msgId, const QString &first, const QString &second)
{
    PluginMessage m = PluginMessage::twoTexts(msgId, first, second);
    deliver(m);
}

void PluginHost::deliverTexts4(uint32_t msgId, const QStringList &texts)
{
    PluginMessage m = PluginMessage::texts4(msgId, texts);
    deliver(m);
}

void PluginHost::deliverBuffer(uint32_t msgId, const QByteArray &bytes)
{
    PluginMessage m = PluginMessage::buffer(msgId, bytes);
    deliver(m);
}

void PluginHost::deliverTextAndInts(uint32_t msgId, const QString &text, int32_t first, int32_t second)
{
    PluginMessage m = PluginMessage::textAndInts(msgId, text, first, second);
    deliver(m);
}

QByteArray PluginHost::deliverValue(uint32_t msgId, const QByteArray &bytes, qint64 p2)
{
    PluginMessage m = PluginMessage::value(msgId, bytes, p2);
    deliver(m);
    return m.p1.bytes;
}

void PluginHost::deliverValue64(uint32_t msgId, quint64 value, qint64 p2)
{
    PluginMessage m = PluginMessage::value64(msgId, value, p2);
    deliver(m);
}

bool PluginHost::askRecordValid(const QByteArray &record)
{
    using namespace HostMessages;
    QByteArray buffer(kRecordBufferSize, '\0');
    const int n = int(qMin<qsizetype>(record.size(), kRecordBufferData));
    std::copy_n(record.constData(), n, buffer.data());
    MessageBytes::writeI32(buffer, kRecordBufferData, n);
    const QByteArray after = deliverValue(RecordValidity, buffer);
    return after.size() == kRecordBufferSize && after.at(kRecordBufferSize - 1) != 0;
}

void PluginHost::answer(const PluginMessage &message)
{
    if (m_answerMode == AnswerMode::InsideSend && m_callbackDepth <= kMaxInsideSendDepth) {
        PluginMessage m = message;
        deliver(m);
        return;
    }
    const qint64 due = m_clock.elapsed() + (m_answerMode == AnswerMode::Async ? m_answerDelay : 0);
    m_queue.append(PendingAnswer{message, due});
    scheduleAnswers();
}

void PluginHost::setAnswerMode(AnswerMode mode)
{
    m_answerMode = mode;
}

void PluginHost::setAnswerDelay(int milliseconds)
{
    m_answerDelay = qBound(0, milliseconds, 60000);
}

void PluginHost::scheduleAnswers()
{
    if (m_queue.isEmpty()) {
        m_queueTimer.stop();
        return;
    }
    const qint64 wait = m_queue.first().due - m_clock.elapsed();
    m_queueTimer.start(int(qBound<qint64>(0, wait, 60000LL)));
}

void PluginHost::deliverNextAnswer()
{
    // One answer per turn of the event loop, in the order they were given.
    if (m_queue.isEmpty())
        return;
    PluginMessage m = m_queue.takeFirst().message;
    deliver(m);
    scheduleAnswers();
}

int32_t PluginHost::trampoline(uint32_t target, uint32_t msgId, intptr_t p1, intptr_t p2)
{
    PluginHost *host = s_instance;
    return host ? host->onCallback(target, msgId, p1, p2) : 0;
}

int32_t PluginHost::onCallback(uint32_t target, uint32_t msgId, intptr_t p1, intptr_t p2)
{
    DepthGuard depth(m_callbackDepth);
    PluginMessage request = PluginMessage::fromRequest(msgId, p1, p2);
    QString note;
    if (target != m_identity.handle)
        note = QStringLiteral("target 0x%1 is not the device handle; ").arg(target, 0, 16);

    switch (msgId) {
    case HostMessages::EventNameRequest: {
        if (request.p2.type == MessageArg::Type::Text) {
            const QString name = EventNames::name(int(request.p1.number));
            *reinterpret_cast<QString *>(p2) = name;
            request.p2 = MessageArg::text(name);
            log(request, note + QStringLiteral("answered in place"));
        } else {
            log(request, note + QStringLiteral("no text to fill"));
        }
        return 0;
    }
    case HostMessages::HelpRequest:
        log(request, note + QStringLiteral("help window"));
        if (request.p1.type == MessageArg::Type::Text)
            emit helpRequested(request.p1.firstText());
        return 0;
    default:
        break;
    }

    if (!m_handler) {
        log(request, note + QStringLiteral("no handler"));
        return 0;
    }
    log(request, note + m_handler->noteFor(request));
    return m_handler->handleRequest(request);
}

void PluginHost::log(const PluginMessage &message, const QString &note)
{
    static const QMetaMethod signal = QMetaMethod::fromSignal(&PluginHost::messageLogged);
    if (!isSignalConnected(signal))
        return;
    MessageLogEntry entry;
    entry.time = QDateTime::currentDateTime();
    entry.message = message;
    entry.name = HostMessages::name(message.msgId, message.direction);
    entry.parameters = MessageFormatter::parameters(message);
    entry.note = note;
    emit messageLogged(entry);
}
