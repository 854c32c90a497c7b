#include "accessories/accelcalibration.h"

#include <QTimer>

namespace {

intptr_t addr(const void *p)
{
    return reinterpret_cast<intptr_t>(p);
}

} // namespace

AccelCalibration::AccelCalibration(TrackerSend send, int answerTimeoutMs, QObject *parent)
    : QObject(parent)
    , m_send(std::move(send))
    , m_answerTimer(new QTimer(this))
    , m_tickTimer(new QTimer(this))
    , m_answerTimeoutMs(qMax(1, answerTimeoutMs))
{
    m_answerTimer->setSingleShot(true);
    m_answerTimer->setInterval(m_answerTimeoutMs);
    m_tickTimer->setInterval(m_tickMs);
    connect(m_answerTimer, &QTimer::timeout, this, &AccelCalibration::noAnswer);
    connect(m_tickTimer, &QTimer::timeout, this, &AccelCalibration::onTick);
}

AccelCalibration::~AccelCalibration() = default;

void AccelCalibration::setTickInterval(int milliseconds)
{
    m_tickMs = qMax(1, milliseconds);
    m_tickTimer->setInterval(m_tickMs);
}

void AccelCalibration::setDynamicLimit(int ticks)
{
    m_dynamicLimitTicks = qMax(1, ticks);
}

bool AccelCalibration::isRunning(Screen screen)
{
    return screen == Screen::StaticStep || screen == Screen::DynamicCalibration || screen == Screen::StaticCheck
        || screen == Screen::DynamicCheck;
}

bool AccelCalibration::finishes(Screen screen)
{
    return screen == Screen::Unsupported || screen == Screen::NoAnswer || screen == Screen::CalibrationDone
        || screen == Screen::GnssStarted || screen == Screen::CheckDone;
}

void AccelCalibration::start()
{
    stopWaiting();
    m_screen = Screen::Choice;
    m_cancelling = false;
    m_failure = Failure::None;
    m_picture = Picture::None;
    m_status = 0;
    m_progress = 0;
    m_progressMax = 0;
    const bool wasActive = m_active;
    m_active = true;
    if (!wasActive)
        emit activeChanged(true);
    emit changed();
}

void AccelCalibration::setAction(Action action)
{
    if (m_action == action)
        return;
    m_action = action;
    emit changed();
}

bool AccelCalibration::canNext() const
{
    return m_active && !m_cancelling && m_wait != Wait::Answer && !isRunning(m_screen);
}

bool AccelCalibration::canPrev() const
{
    if (!m_active || m_cancelling || m_wait == Wait::Answer)
        return false;
    switch (m_screen) {
    case Screen::AutonomousPreparation:
    case Screen::GnssPreparation:
    case Screen::CheckPreparation:
    case Screen::StaticStep:
    case Screen::DynamicCalibration:
    case Screen::GnssStarted:
    case Screen::StaticCheck:
    case Screen::DynamicCheck:
        return true;
    default:
        return false;
    }
}

void AccelCalibration::next()
{
    if (!canNext())
        return;
    switch (m_screen) {
    case Screen::Choice:
        setScreen(m_action == Action::Gnss ? Screen::GnssPreparation
                  : m_action == Action::Autonomous ? Screen::AutonomousPreparation
                                                     : Screen::CheckPreparation);
        break;
    case Screen::Error:
    case Screen::Repeat:
        setScreen(Screen::Choice);
        break;
    case Screen::AutonomousPreparation:
        send('3');
        break;
    case Screen::GnssPreparation:
        send('0');
        break;
    case Screen::CheckPreparation:
        send('1');
        break;
    default:
        if (finishes(m_screen))
            close(End::Finished);
        break;
    }
}

void AccelCalibration::prev()
{
    if (!canPrev())
        return;
    if (isRunning(m_screen) || m_screen == Screen::GnssStarted)
        send('2');
    else
        setScreen(Screen::Choice);
}

void AccelCalibration::cancel()
{
    if (!canCancel())
        return;
    if (m_wait == Wait::None) {
        close(End::Cancelled);
        return;
    }
    m_cancelling = true;
    send('2');
}

void AccelCalibration::send(char action)
{
    // The state is complete before the send: the status may come back
    // from inside it.
    m_tickTimer->stop();
    m_wait = Wait::Answer;
    m_answerTimer->start();
    m_command[0] = 'G';
    m_command[1] = action;
    emit commandSent(action);
    emit changed();
    if (m_send)
        m_send(CommandMessage, addr(m_command), 0);
}

void AccelCalibration::setScreen(Screen screen)
{
    m_screen = screen;
    if (screen == Screen::Choice) {
        m_failure = Failure::None;
        m_picture = Picture::None;
        m_status = 0;
        m_progress = 0;
        m_progressMax = 0;
    }
    emit changed();
}

bool AccelCalibration::receiveAnswer(const uchar *data, int length)
{
    if (!m_active || !data || length < AnswerMinimumLength || data[AnswerMarkerOffset] != 'G')
        return false;
    const char status = char(data[AnswerStatusOffset]);
    if (!isStatus(status))
        return false;
    // An answer stops the timers before it is handled.
    m_answerTimer->stop();
    m_tickTimer->stop();
    if (m_cancelling) {
        m_status = status;
        close(End::Cancelled);
        return true;
    }
    handleStatus(status);
    return true;
}

AccelCalibration::Screen AccelCalibration::afterSuccess() const
{
    // "Command executed": the step the command started runs, or the step
    // that was cancelled is back at its preparation.
    switch (m_screen) {
    case Screen::AutonomousPreparation:
    case Screen::GnssPreparation:
        return Screen::StaticStep;
    case Screen::StaticStep:
    case Screen::DynamicCalibration:
    case Screen::GnssStarted:
        return m_action == Action::Gnss ? Screen::GnssPreparation : Screen::AutonomousPreparation;
    case Screen::CheckPreparation:
        return Screen::StaticCheck;
    case Screen::StaticCheck:
    case Screen::DynamicCheck:
        return Screen::CheckPreparation;
    default:
        return m_screen;
    }
}

void AccelCalibration::handleStatus(char status)
{
    const Screen before = m_screen;
    m_status = status;
    m_picture = statusPicture(status);
    Screen to = before;
    switch (status) {
    case '0':
        to = Screen::Unsupported;
        break;
    case '1':
        to = afterSuccess();
        break;
    case '2':
        m_failure = Failure::Moved;
        to = Screen::Error;
        break;
    case '3':
        to = Screen::DynamicCalibration;
        break;
    case '4':
        m_failure = Failure::NotMoved;
        to = Screen::Error;
        break;
    case '5':
        to = Screen::CalibrationDone;
        break;
    case '6':
        m_failure = Failure::FewAccelerations;
        to = Screen::Error;
        break;
    case '7':
        to = Screen::DynamicCheck;
        break;
    case '8':
        to = Screen::Repeat;
        break;
    case '9':
        to = Screen::CheckDone;
        break;
    case ':':
        m_failure = Failure::Gravity;
        to = Screen::Error;
        break;
    case ';':
        to = Screen::GnssStarted;
        break;
    case '<':
        m_failure = Failure::GnssFailed;
        to = Screen::Error;
        break;
    default:
        break;
    }
    m_screen = to;

    // The wizard waits only while a step runs on the tracker.
    if (to == Screen::StaticStep && before != Screen::StaticStep)
        startStep(StaticCalibrationTicks, StaticCalibrationTicks);
    else if (to == Screen::StaticCheck && before != Screen::StaticCheck)
        startStep(StaticCheckTicks, StaticCheckTicks);
    else if (to == Screen::DynamicCalibration || to == Screen::DynamicCheck)
        startStep(0, m_dynamicLimitTicks);
    else if (isRunning(to))
        startStep(m_progressMax, m_progressMax > 0 ? m_progressMax : m_dynamicLimitTicks);
    else
        m_wait = Wait::None;
    emit changed();
}

void AccelCalibration::startStep(int maximum, int limitTicks)
{
    m_wait = Wait::Step;
    m_progress = 0;
    m_progressMax = maximum;
    m_stepTicks = 0;
    m_stepLimit = limitTicks;
    m_tickTimer->start();
}

void AccelCalibration::onTick()
{
    if (m_wait != Wait::Step)
        return;
    ++m_stepTicks;
    if (m_progressMax > 0 && m_progress < m_progressMax)
        ++m_progress;
    emit tick(m_progress, m_progressMax);
    if (m_stepTicks >= m_stepLimit)
        noAnswer();
}

void AccelCalibration::stopWaiting()
{
    m_answerTimer->stop();
    m_tickTimer->stop();
    m_wait = Wait::None;
}

void AccelCalibration::noAnswer()
{
    if (!m_active)
        return;
    stopWaiting();
    if (m_cancelling) {
        close(End::Cancelled);
        return;
    }
    m_screen = Screen::NoAnswer;
    m_picture = Picture::Error;
    emit changed();
}

void AccelCalibration::detach()
{
    if (m_active)
        close(End::Detached);
}

void AccelCalibration::close(End end)
{
    stopWaiting();
    m_cancelling = false;
    m_active = false;
    emit changed();
    emit activeChanged(false);
    emit closed(end);
}

AccelCalibration::Picture AccelCalibration::statusPicture(char status)
{
    switch (status) {
    case '1':
    case '3':
    case '7':
        return Picture::InProgress;
    case '5':
    case '9':
        return Picture::Success;
    case '8':
    case ';':
        return Picture::Alert;
    case '0':
    case '2':
    case '4':
    case '6':
    case ':':
    case '<':
        return Picture::Error;
    default:
        return Picture::None;
    }
}

QString AccelCalibration::statusText(char status)
{
    switch (status) {
    case '0': return tr("неизвестная команда");
    case '1': return tr("команда выполнена успешно");
    case '2': return tr("ошибка: автомобиль двигался или сильно вибрировал");
    case '3': return tr("динамическая калибровка начата");
    case '4': return tr("ошибка: автомобиль не тронулся с места");
    case '5': return tr("калибровка завершена, проверьте правильность определения направления");
    case '6': return tr("ошибка: недостаточное количество и/или интенсивность разгонов/торможений");
    case '7': return tr("динамическая проверка начата");
    case '8': return tr("необходимо повторить калибровку");
    case '9': return tr("калибровка выполнена верна");
    case ':': return tr("ошибка: не удалось измерить силу тяжести");
    case ';': return tr("калибровка по GNSS начата");
    case '<': return tr("ошибка: не удалось откалибровать по GNSS");
    default: return QString();
    }
}
