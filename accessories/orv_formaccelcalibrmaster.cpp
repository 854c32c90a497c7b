#include "accessories/orv_formaccelcalibrmaster.h"

#include "ui_orv_formaccelcalibrmaster.h"

#include <QCloseEvent>
#include <QPixmap>

// The pictures of the accessory windows live in this folder's resources;
// a static library's resources are registered by hand.
static void initAccessoryResources()
{
    Q_INIT_RESOURCE(accessories);
}

namespace {

constexpr uint32_t kHelpMessage = 2072;

} // namespace

using Screen = AccelCalibration::Screen;

ORV_FormAccelCalibrMaster::ORV_FormAccelCalibrMaster(TrackerSend send, QWidget *parent, int answerTimeoutMs)
    : QDialog(parent)
    , ui(std::make_unique<Ui::ORV_FormAccelCalibrMaster>())
    , m_send(send)
    , m_calibration(new AccelCalibration(send, answerTimeoutMs, this))
{
    initAccessoryResources();
    ui->setupUi(this);
    setModal(true);
    setWindowTitle(tr("K4810_3133"));
    QFont title = ui->label_Title->font();
    title.setBold(true);
    title.setPointSizeF(title.pointSizeF() * 1.2);
    ui->label_Title->setFont(title);
    ui->label_Prompt->setText(tr("Выберете нужное Вам действие и нажмите кнопку \"Далее\""));
    ui->radioButton_Gnss->setText(tr("Калибровка осей акселерометра по данным GNSS"));
    ui->radioButton_Autonomous->setText(tr("Автономная калибровка осей акселерометра"));
    ui->radioButton_Check->setText(tr("Проверка калибровки осей акселерометра"));
    ui->label_Gnss->setText(tr("K4810_3100").arg(tr("обычно от десятков минут до нескольких часов")));
    ui->label_Autonomous->setText(tr("K4810_3101"));
    ui->label_Check->setText(tr("K4810_3102"));
    ui->Btn_Prev->setText(tr("Назад"));

    connect(ui->Btn_Prev, &QPushButton::pressed, this, &ORV_FormAccelCalibrMaster::slot_pressed_Btn_Prev);
    connect(ui->Btn_Next, &QPushButton::pressed, this, &ORV_FormAccelCalibrMaster::slot_pressed_Btn_Next);
    connect(ui->Btn_Cancel, &QPushButton::pressed, this, &ORV_FormAccelCalibrMaster::slot_pressed_Btn_Cancel);
    connect(ui->Btn_Help, &QPushButton::pressed, this, &ORV_FormAccelCalibrMaster::slot_pressed_Btn_Help);
    connect(ui->radioButton_Gnss, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_calibration->setAction(AccelCalibration::Action::Gnss);
    });
    connect(ui->radioButton_Autonomous, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_calibration->setAction(AccelCalibration::Action::Autonomous);
    });
    connect(ui->radioButton_Check, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_calibration->setAction(AccelCalibration::Action::Check);
    });
    connect(m_calibration, &AccelCalibration::changed, this, &ORV_FormAccelCalibrMaster::refresh);
    connect(m_calibration, &AccelCalibration::tick, this, &ORV_FormAccelCalibrMaster::slot_timeout_wait);
    connect(m_calibration, &AccelCalibration::closed, this, &ORV_FormAccelCalibrMaster::onClosed);
    connect(m_calibration, &AccelCalibration::activeChanged, this, &ORV_FormAccelCalibrMaster::activeChanged);
    refresh();
}

ORV_FormAccelCalibrMaster::~ORV_FormAccelCalibrMaster() = default;

void ORV_FormAccelCalibrMaster::start()
{
    ui->radioButton_Gnss->setChecked(true);
    m_calibration->setAction(AccelCalibration::Action::Gnss);
    m_calibration->start();
    open();
}

bool ORV_FormAccelCalibrMaster::receiveAnswer(const uchar *data, int length)
{
    return m_calibration->receiveAnswer(data, length);
}

void ORV_FormAccelCalibrMaster::detach()
{
    m_calibration->detach();
}

// ---------------------------------------------------------------------------
// Buttons

void ORV_FormAccelCalibrMaster::slot_pressed_Btn_Prev()
{
    m_calibration->prev();
}

void ORV_FormAccelCalibrMaster::slot_pressed_Btn_Next()
{
    m_calibration->next();
}

void ORV_FormAccelCalibrMaster::slot_pressed_Btn_Cancel()
{
    m_calibration->cancel();
}

void ORV_FormAccelCalibrMaster::slot_pressed_Btn_Help()
{
    m_helpRequest = QLatin1String(HelpPath);
    if (m_send)
        m_send(kHelpMessage, reinterpret_cast<intptr_t>(&m_helpRequest), 0);
}

void ORV_FormAccelCalibrMaster::slot_timeout_wait()
{
    showProgress();
}

void ORV_FormAccelCalibrMaster::reject()
{
    if (m_closing || !m_calibration->isActive()) {
        QDialog::reject();
        return;
    }
    m_calibration->cancel();
}

void ORV_FormAccelCalibrMaster::closeEvent(QCloseEvent *event)
{
    if (m_calibration->isActive()) {
        event->ignore();
        m_calibration->cancel();
        return;
    }
    QDialog::closeEvent(event);
}

void ORV_FormAccelCalibrMaster::onClosed(AccelCalibration::End end)
{
    m_closing = true;
    done(end == AccelCalibration::End::Finished ? QDialog::Accepted : QDialog::Rejected);
    m_closing = false;
}

// ---------------------------------------------------------------------------
// Showing the state

QString ORV_FormAccelCalibrMaster::picturePath(AccelCalibration::Picture picture)
{
    switch (picture) {
    case AccelCalibration::Picture::InProgress: return QStringLiteral(":/Img/Resources/Image/processaccept.png");
    case AccelCalibration::Picture::Success: return QStringLiteral(":/Img/Resources/Image/success.png");
    case AccelCalibration::Picture::Alert: return QStringLiteral(":/Img/Resources/Image/alert_2433.png");
    case AccelCalibration::Picture::Error: return QStringLiteral(":/Img/Resources/Image/error_6488.png");
    case AccelCalibration::Picture::None: break;
    }
    return QString();
}

void ORV_FormAccelCalibrMaster::refresh()
{
    const AccelCalibration &c = *m_calibration;
    const Screen screen = c.screen();
    ui->label_Title->setText(screenTitle(screen));
    if (screen == Screen::Choice) {
        ui->stackedWidget->setCurrentWidget(ui->page_Choice);
    } else {
        ui->stackedWidget->setCurrentWidget(ui->page_Text);
        ui->label_Text->setText(screenText(screen, c.failure(), c.action()));
    }

    QString status;
    if (screen == Screen::NoAnswer)
        status = tr("Не удалось получить ответа от устройства.");
    else if (c.waiting() == AccelCalibration::Wait::Answer)
        status = tr("K4810_3134");
    else if (c.lastStatus())
        status = AccelCalibration::statusText(c.lastStatus());
    ui->label_Status->setText(status);
    const QString picture = picturePath(c.waiting() == AccelCalibration::Wait::Answer
                                            ? AccelCalibration::Picture::InProgress
                                            : c.picture());
    ui->label_Picture->setPixmap(picture.isEmpty() ? QPixmap() : QPixmap(picture));

    ui->Btn_Next->setText(c.nextFinishes() ? tr("Завершить") : tr("Далее"));
    ui->Btn_Next->setEnabled(c.canNext());
    ui->Btn_Prev->setEnabled(c.canPrev());
    ui->Btn_Cancel->setEnabled(c.canCancel());
    ui->radioButton_Gnss->setEnabled(c.canNext());
    ui->radioButton_Autonomous->setEnabled(c.canNext());
    ui->radioButton_Check->setEnabled(c.canNext());
    showProgress();
}

void ORV_FormAccelCalibrMaster::showProgress()
{
    const AccelCalibration &c = *m_calibration;
    const bool step = AccelCalibration::isRunning(c.screen()) && c.waiting() != AccelCalibration::Wait::None;
    const bool answer = c.waiting() == AccelCalibration::Wait::Answer;
    // The bar shows a running step, or runs without end while a command
    // waits for its answer.
    if (step && c.progressMaximum() > 0) {
        ui->progressBar->setRange(0, c.progressMaximum());
        ui->progressBar->setValue(c.progressValue());
    } else if (step || answer) {
        ui->progressBar->setRange(0, 0);
    } else {
        ui->progressBar->setRange(0, 1);
        ui->progressBar->setValue(0);
    }
    ui->progressBar->setVisible(step || answer);
}

// ---------------------------------------------------------------------------
// Texts

QString ORV_FormAccelCalibrMaster::screenTitle(Screen screen)
{
    switch (screen) {
    case Screen::Choice: return tr("Выбор действия");
    case Screen::Error: return tr("K4810_3103");
    case Screen::Unsupported: return tr("K4810_3104");
    case Screen::NoAnswer: return tr("K4810_3105");
    case Screen::Repeat: return tr("K4810_3106");
    case Screen::AutonomousPreparation: return tr("Автономная калибровка осей акселерометра");
    case Screen::StaticStep: return tr("K4810_3107");
    case Screen::DynamicCalibration: return tr("K4810_3108");
    case Screen::CalibrationDone: return tr("K4810_3109");
    case Screen::GnssPreparation: return tr("Калибровка осей акселерометра по данным GNSS");
    case Screen::GnssStarted: return tr("K4810_3110");
    case Screen::CheckPreparation: return tr("Проверка калибровки осей акселерометра");
    case Screen::StaticCheck: return tr("K4810_3111");
    case Screen::DynamicCheck: return tr("K4810_3112");
    case Screen::CheckDone: return tr("K4810_3113");
    }
    return QString();
}

QString ORV_FormAccelCalibrMaster::screenText(Screen screen, AccelCalibration::Failure failure,
                                              AccelCalibration::Action action)
{
    const QString toChoice = tr("Для перехода к окну выбора действия нажмите кнопку \"Далее\".");
    const QString toCancel = tr("Для отмены калибровки нажмите кнопку \"Назад\"");
    auto paragraphs = [](const QStringList &texts) { return texts.join(QStringLiteral("\n\n")); };
    switch (screen) {
    case Screen::Choice:
        return QString();
    case Screen::Error: {
        QString cause;
        switch (failure) {
        case AccelCalibration::Failure::Moved: cause = tr("K4810_3127"); break;
        case AccelCalibration::Failure::NotMoved:
            cause = action == AccelCalibration::Action::Check ? tr("K4810_3129") : tr("K4810_3128");
            break;
        case AccelCalibration::Failure::FewAccelerations: cause = tr("K4810_3130"); break;
        case AccelCalibration::Failure::Gravity: cause = tr("K4810_3131"); break;
        case AccelCalibration::Failure::GnssFailed: cause = tr("K4810_3132"); break;
        case AccelCalibration::Failure::None: break;
        }
        return paragraphs({cause, toChoice});
    }
    case Screen::Unsupported:
        return paragraphs({tr("Калибровка акселерометра не поддерживается."), tr("K4810_3114")});
    case Screen::NoAnswer:
        return paragraphs({tr("Не удалось получить ответа от устройства."), tr("K4810_3115")});
    case Screen::Repeat:
        return paragraphs({tr("K4810_3116"), toChoice});
    case Screen::AutonomousPreparation:
        return tr("K4810_3117");
    case Screen::StaticStep:
        return paragraphs({tr("K4810_3118"), toCancel});
    case Screen::DynamicCalibration:
        return paragraphs({tr("K4810_3119"), toCancel});
    case Screen::CalibrationDone:
        return tr("K4810_3120");
    case Screen::GnssPreparation:
        return tr("K4810_3121");
    case Screen::GnssStarted:
        return paragraphs({tr("K4810_3122"), toCancel});
    case Screen::CheckPreparation:
        return tr("K4810_3123");
    case Screen::StaticCheck:
        return paragraphs({tr("K4810_3124"), toCancel});
    case Screen::DynamicCheck:
        return paragraphs({tr("K4810_3125"), toCancel});
    case Screen::CheckDone:
        return tr("K4810_3126");
    }
    return QString();
}
