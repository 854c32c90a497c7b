#ifndef PLUGINHOST_H
#define PLUGINHOST_H

#include "host/messagelogentry.h"
#include "host/pluginlibrary.h"
#include "host/pluginmessage.h"

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <cstdint>

// Receives the requests the plug-in sends through the callback that the
// host does not answer itself (the simulated tracker, a test fixture).
class HostRequestHandler
{
public:
    virtual ~HostRequestHandler() = default;
    // The request's parameters are copies; the result is the callback's
    // return value.
    virtual int32_t handleRequest(const PluginMessage &request) = 0;
    // A few words for the message log's note column: who answers it.
    virtual QString noteFor(const PluginMessage &request) const
    {
        Q_UNUSED(request);
        return {};
    }
};

// The host side of the plug-in boundary: loads the library, runs
// IsOrvLibrary / GetLibraryInfo / Initialize, delivers host -> plug-in
// messages and receives the plug-in's requests. The callback carries no user
// pointer, so there is one PluginHost per process; a static trampoline
// forwards the callback to it.
//
// Requests the host answers itself: 2060 (event name, filled in place) and
// 2072 (help page, reported with helpRequested). Every other request goes
// to the request handler. Every message in both directions is reported
// with messageLogged.
class PluginHost : public QObject
{
    Q_OBJECT
public:
    // How answers given with answer() reach the plug-in.
    enum class AnswerMode {
        Async,     // queued: delivered from the event loop after the request returned
        InsideSend // at once, from inside the plug-in's send call
    };
    Q_ENUM(AnswerMode)

    // Deepest nesting of callback -> answer -> callback in InsideSend mode;
    // deeper answers are queued instead so a long exchange cannot exhaust
    // the stack.
    static constexpr int kMaxInsideSendDepth = 32;

    struct Identity
    {
        QString model;
        QString displayName;
        int32_t versionMajor = 0;
        int32_t versionMinor = 0;
        int32_t infoWord3 = 0;
        int32_t infoWord4 = 0;
        int32_t infoWord5 = 0;
        int32_t interfaceLevel = 0;
        uint32_t handle = 0;
        QString version() const { return QStringLiteral("%1.%2").arg(versionMajor).arg(versionMinor); }
    };

    explicit PluginHost(QObject *parent = nullptr);
    ~PluginHost() override;

    // The PluginHost that receives the callback, or nullptr.
    static PluginHost *instance();

    // Loads the library and runs IsOrvLibrary, GetLibraryInfo, Initialize.
    // False with errorString() when the file is missing, is not a library,
    // lacks an export or another PluginHost is active.
    bool load(const QString &path);
    // Drops pending answers and unloads the library (the plug-in deletes
    // its windows). Call it before the QApplication goes.
    void unload();
    bool isLoaded() const { return m_library.isLoaded(); }
    QString errorString() const { return m_error; }
    QString fileName() const { return m_library.fileName(); }
    QByteArray libraryInfo() const { return m_info; }
    Identity identity() const { return m_identity; }
    uint32_t handle() const { return m_identity.handle; }

    // The first start-up messages: 2049 with the four working paths and
    // 2133 with the automatic telemetry mode.
    void sendEnvironment(const QStringList &paths, int autoTelemetryMode);

    // Host -> plug-in, delivered at once. deliver() updates the message's
    // referenced values with what the plug-in wrote (2052, 2134, 2036 ...).
    bool deliver(PluginMessage &message);
    void deliverPlain(uint32_t msgId, qint64 p1 = 0, qint64 p2 = 0);
    int32_t deliverIntRef(uint32_t msgId, int32_t value = 0);
    bool deliverBoolRef(uint32_t msgId);
    QString deliverText(uint32_t msgId, const QString &text, qint64 p2 = 0);
    void deliverTwoTexts(uint32_t msgId, const QString &first, const QString &second);
    void deliverTexts4(uint32_t msgId, const QStringList &texts);
    void deliverBuffer(uint32_t msgId, const QByteArray &bytes);
    void deliverTextAndInts(uint32_t msgId, const QString &text, int32_t first, int32_t second);
    QByteArray deliverValue(uint32_t msgId, const QByteArray &bytes, qint64 p2 = 0);
    void deliverValue64(uint32_t msgId, quint64 value, qint64 p2 = 0);
    // 2036: asks whether a record is valid (at most 1024 bytes are passed).
    bool askRecordValid(const QByteArray &record);

    // Answers to requests, delivered as the answer mode says.
    void answer(const PluginMessage &message);
    void setAnswerMode(AnswerMode mode);
    AnswerMode answerMode() const { return m_answerMode; }
    // Extra wait before a queued answer, to feel like a real link (Async only).
    void setAnswerDelay(int milliseconds);
    int answerDelay() const { return m_answerDelay; }
    // Answers queued and not yet delivered.
    int pendingAnswers() const { return int(m_queue.size()); }
    // True while the plug-in is inside a callback into the host.
    bool insideCallback() const { return m_callbackDepth > 0; }

    void setRequestHandler(HostRequestHandler *handler) { m_handler = handler; }
    HostRequestHandler *requestHandler() const { return m_handler; }

signals:
    void messageLogged(const MessageLogEntry &entry);
    void helpRequested(const QString &path);
    void loadedChanged(bool loaded);

private:
    static int32_t trampoline(uint32_t target, uint32_t msgId, intptr_t p1, intptr_t p2);
    int32_t onCallback(uint32_t target, uint32_t msgId, intptr_t p1, intptr_t p2);
    void log(const PluginMessage &message, const QString &note = QString());
    void scheduleAnswers();
    void deliverNextAnswer();

    struct PendingAnswer
    {
        PluginMessage message;
        qint64 due; // on m_clock
    };

    static PluginHost *s_instance;

    PluginLibrary m_library;
    QString m_error;
    QByteArray m_info;
    Identity m_identity;
    HostRequestHandler *m_handler = nullptr;
    AnswerMode m_answerMode = AnswerMode::Async;
    int m_answerDelay = 0;
    int m_callbackDepth = 0;
    QList<PendingAnswer> m_queue;
    QTimer m_queueTimer;
    QElapsedTimer m_clock;
};

#endif // PLUGINHOST_H
