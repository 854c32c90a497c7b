#include "settings/pages/orv_formtempsensors.h"

#include "core/orvmessages.h"
#include "settings/editor/orv_formxml_k4810.h"
#include "settings/model/settingsmodel.h"
#include "settings/pages/settingsbinder.h"
#include "ui_orv_formtempsensors.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace {

QString sensorKey(const char *name, int sensor)
{
    return QStringLiteral("%1T%2").arg(QLatin1String(name)).arg(sensor);
}

} // namespace

ORV_FormTempSensors::ORV_FormTempSensors(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_SettingsPage(editor, parent)
    , ui(new Ui::ORV_FormTempSensors)
{
    ui->setupUi(this);
    // One row a sensor: name, key and its Read button, nickname, upper and
    // lower limit (slider in half degrees, field in degrees).
    for (int n = 1; n <= SensorCount; ++n) {
        const int row = n;
        auto *name = new QLabel(QStringLiteral("%1%2").arg(tr("K4810_281")).arg(n), ui->groupBox_Sensors);
        name->setObjectName(QStringLiteral("label_Sensor_%1").arg(n));
        ui->gridLayout_Sensors->addWidget(name, row, 0);

        auto *key = new QLineEdit(ui->groupBox_Sensors);
        key->setObjectName(QStringLiteral("lineEdit_Key_%1").arg(n));
        key->setProperty(SettingsBinder::PathProperty, sensorKey("Key", n));
        key->setMinimumWidth(key->fontMetrics().horizontalAdvance(QStringLiteral("0000000000000000")) + 16);
        ui->gridLayout_Sensors->addWidget(key, row, 1);

        auto *read = new QPushButton(tr("K4810_282"), ui->groupBox_Sensors);
        read->setObjectName(QStringLiteral("pushButton_Adress_%1").arg(n));
        read->setToolTip(tr("K4810_283"));
        read->setProperty(SettingsBinder::LiveProperty, true);
        connect(read, &QPushButton::pressed, this, [this, n] { readKey(n); });
        ui->gridLayout_Sensors->addWidget(read, row, 2);

        auto *nick = new QLineEdit(ui->groupBox_Sensors);
        nick->setObjectName(QStringLiteral("lineEdit_Nick_%1").arg(n));
        nick->setProperty(SettingsBinder::PathProperty, sensorKey("nickname", n));
        ui->gridLayout_Sensors->addWidget(nick, row, 3);

        int column = 4;
        for (const char *limit : {"Max", "Min"}) {
            const QString path = sensorKey(qstrcmp(limit, "Max") == 0 ? "maxVal" : "minVal", n);
            auto *slider = new QSlider(Qt::Horizontal, ui->groupBox_Sensors);
            slider->setObjectName(QStringLiteral("horizontalSlider_%1_%2").arg(QLatin1String(limit)).arg(n));
            slider->setProperty(SettingsBinder::PathProperty, path);
            slider->setProperty(SettingsBinder::UnitProperty, QStringLiteral("TenthsAsHalfDegrees"));
            slider->setMinimumWidth(120);
            ui->gridLayout_Sensors->addWidget(slider, row, column++);
            auto *field = new QDoubleSpinBox(ui->groupBox_Sensors);
            field->setObjectName(QStringLiteral("doubleSpinBox_%1_%2").arg(QLatin1String(limit)).arg(n));
            field->setProperty(SettingsBinder::PathProperty, path);
            // The value counts once typed in full, not at every digit.
            field->setKeyboardTracking(false);
            ui->gridLayout_Sensors->addWidget(field, row, column++);
        }
    }
    ui->gridLayout_Sensors->setColumnStretch(3, 1);
    ui->gridLayout_Sensors->setColumnStretch(4, 2);
    ui->gridLayout_Sensors->setColumnStretch(6, 2);
}

ORV_FormTempSensors::~ORV_FormTempSensors() = default;

void ORV_FormTempSensors::afterBind()
{
    // The limit the user moves stops 5 degrees from the other one.
    for (int n = 1; n <= SensorCount; ++n)
        binder()->keepGap(sensorKey("minVal", n), sensorKey("maxVal", n), LimitGap, -550, 1250,
                          SettingsBinder::GapRule::Hold);
}

void ORV_FormTempSensors::setOnline(bool online)
{
    ORV_SettingsPage::setOnline(online);
    if (!online && m_pending) {
        m_pending = 0;
        setStatus(QString());
    }
}

bool ORV_FormTempSensors::requestTimedOut(uint32_t msgId)
{
    // The read is over: the status no longer says it goes on, the editor
    // says the tracker did not answer, and a later code is not taken.
    if (msgId == OrvMsg::ReadTouchMemory && m_pending) {
        m_pending = 0;
        setStatus(QString());
    }
    return false;
}

void ORV_FormTempSensors::readKey(int nSensor)
{
    if (nSensor < 1 || nSensor > SensorCount || !editor())
        return;
    // In place before the request: the host may answer inside it.
    m_pending = nSensor;
    setStatus(tr("K4810_2750").arg(nSensor));
    if (!editor()->requestOneWireCode()) {
        m_pending = 0;
        setStatus(QString());
    }
}

void ORV_FormTempSensors::onOneWireCode(quint64 code)
{
    const int sensor = m_pending;
    m_pending = 0; // one answer a read
    if (sensor < 1 || sensor > SensorCount || !model())
        return;
    if (code == 0) {
        setStatus(tr("K4810_2753").arg(sensor));
        return;
    }
    if (!isTemperatureSensor(code)) {
        setStatus(tr("K4810_2752").arg(sensor).arg(uint(code & 0xFF), 2, 16, QLatin1Char('0')));
        return;
    }
    const QString key = keyText(code);
    model()->setText(section(), sensorKey("Key", sensor), key);
    setStatus(tr("K4810_2751").arg(sensor).arg(key));
}

bool ORV_FormTempSensors::isTemperatureSensor(quint64 code)
{
    switch (code & 0xFF) {
    case 0x10: // DS18S20
    case 0x22: // DS1822
    case 0x28: // DS18B20
    case 0x3B: // DS1825
    case 0x42: // DS28EA00
        return true;
    default:
        return false;
    }
}

QString ORV_FormTempSensors::keyText(quint64 code)
{
    return QStringLiteral("%1").arg(code, 16, 16, QLatin1Char('0')).toUpper();
}

void ORV_FormTempSensors::setStatus(const QString &qsText)
{
    ui->label_ReadStatus->setText(qsText);
}
