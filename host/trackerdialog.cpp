#include "host/trackerdialog.h"

#include "host/simulator/services/accessories/accessoriesservice.h"
#include "host/simulator/services/fuel/fuelservice.h"
#include "host/simulator/services/settings/settingsservice.h"
#include "host/simulator/services/telemetry/telemetryservice.h"
#include "host/simulator/simulatedtracker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

TrackerDialog::TrackerDialog(SimulatedTracker &tracker, QWidget *parent)
    : QDialog(parent)
    , m_tracker(tracker)
    , m_model(new QLineEdit(tracker.model(), this))
    , m_identification(new QLineEdit(tracker.identification(), this))
    , m_firmware(new QLineEdit(tracker.firmware(), this))
    , m_capabilities(new QLineEdit(QStringLiteral("%1").arg(tracker.capabilities(), 0, 16), this))
    , m_pages(new QSpinBox(this))
    , m_secondGeneration(new QCheckBox(tr("Second-generation (Vela2) records"), this))
    , m_repeatEvery(new QSpinBox(this))
    , m_fuelPouring(new QCheckBox(tr("Fuel is poured in while the fuel sensors are read (calibration)"), this))
    , m_fuelMalformed(new QCheckBox(tr("Malformed fuel-sensor answers"), this))
    , m_allFields(new QCheckBox(tr("Every field of the second generation (all-fields mask)"), this))
    , m_oneWire(new QComboBox(this))
    , m_bluetoothSearch(new QComboBox(this))
{
    setWindowTitle(tr("Simulated tracker"));
    m_capabilities->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Fa-f]{1,16}")), this));
    m_capabilities->setToolTip(tr("64-bit capability word in hexadecimal; 810 sets the bits 0x10 and 0x800"));
    m_model->setToolTip(tr("A model other than K-4810 makes the plug-in go offline"));

    auto *form = new QFormLayout(this);
    form->addRow(tr("Model:"), m_model);
    form->addRow(tr("Identification:"), m_identification);
    form->addRow(tr("Firmware:"), m_firmware);
    form->addRow(tr("Capabilities (hex):"), m_capabilities);

    m_pages->setRange(1, TripGenerator::kMaxPages);
    m_pages->setGroupSeparatorShown(true);
    m_pages->setToolTip(tr("Pages of telemetry the tracker holds, 30 seconds apart, the last one about now"));
    m_repeatEvery->setRange(0, 100);
    m_repeatEvery->setSpecialValueText(tr("never"));
    m_repeatEvery->setToolTip(tr("The tracker asks for every n-th settings block a second time"));
    if (auto *telemetry = tracker.service<TelemetryService>()) {
        m_pages->setValue(telemetry->trip().pageCount());
        m_secondGeneration->setChecked(telemetry->secondGeneration());
        m_allFields->setChecked(telemetry->allFields());
    }
    m_allFields->setToolTip(tr("Second-generation pages carry every field, so that every group of the Vela2 display "
                               "has values"));
    m_allFields->setEnabled(m_secondGeneration->isChecked());
    connect(m_secondGeneration, &QCheckBox::toggled, m_allFields, &QWidget::setEnabled);
    if (auto *settings = tracker.service<SettingsService>())
        m_repeatEvery->setValue(settings->repeatEvery());
    form->addRow(tr("Stored pages:"), m_pages);
    form->addRow(QString(), m_secondGeneration);
    form->addRow(QString(), m_allFields);
    form->addRow(tr("Ask again for every n-th settings block:"), m_repeatEvery);
    m_fuelPouring->setToolTip(tr("From a drained tank, 20 l of 400 every 30 seconds: poured in 10 seconds, "
                                 "then the level settles"));
    m_fuelMalformed->setToolTip(tr("The fuel-sensor answer is one byte short; the plug-in drops it and stops polling"));
    if (auto *fuel = tracker.service<FuelService>()) {
        m_fuelPouring->setChecked(fuel->pouring());
        m_fuelMalformed->setChecked(fuel->malformed());
    }
    // Item data: TelemetryService::OneWireDevice.
    m_oneWire->addItem(tr("The touch-memory key"), int(TelemetryService::OneWireDevice::TouchMemoryKey));
    m_oneWire->addItem(tr("Temperature sensors, one after the other"),
                       int(TelemetryService::OneWireDevice::TemperatureSensors));
    m_oneWire->addItem(tr("The key and the sensors in turn"), int(TelemetryService::OneWireDevice::Alternating));
    m_oneWire->setToolTip(tr("What a read of the one-wire reader returns: the touch-memory key, or the codes of "
                             "four temperature sensors (family 28)"));
    if (auto *telemetry = tracker.service<TelemetryService>())
        m_oneWire->setCurrentIndex(m_oneWire->findData(int(telemetry->oneWireDevice())));
    form->addRow(tr("One-wire reader:"), m_oneWire);
    form->addRow(QString(), m_fuelPouring);
    form->addRow(QString(), m_fuelMalformed);
    m_bluetoothSearch->addItem(tr("finds the devices in range"), int(AccessoriesService::SearchOutcome::Found));
    m_bluetoothSearch->addItem(tr("finds nothing"), int(AccessoriesService::SearchOutcome::Nothing));
    m_bluetoothSearch->addItem(tr("fails after the first device"), int(AccessoriesService::SearchOutcome::Fails));
    m_bluetoothSearch->addItem(tr("never reports its end"), int(AccessoriesService::SearchOutcome::Silent));
    if (auto *accessories = tracker.service<AccessoriesService>())
        m_bluetoothSearch->setCurrentIndex(m_bluetoothSearch->findData(int(accessories->searchOutcome())));
    form->addRow(tr("Bluetooth search:"), m_bluetoothSearch);
    auto *note = new QLabel(tr("An attached tracker is attached again so that the plug-in sees the new values."), this);
    note->setWordWrap(true);
    form->addRow(note);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

bool TrackerDialog::apply()
{
    bool ok = false;
    const quint64 capabilities = m_capabilities->text().toULongLong(&ok, 16);
    const bool changed = m_model->text() != m_tracker.model() || m_identification->text() != m_tracker.identification()
        || m_firmware->text() != m_tracker.firmware() || (ok && capabilities != m_tracker.capabilities());
    m_tracker.setModel(m_model->text());
    m_tracker.setIdentification(m_identification->text());
    m_tracker.setFirmware(m_firmware->text());
    if (ok)
        m_tracker.setCapabilities(capabilities);
    if (auto *telemetry = m_tracker.service<TelemetryService>()) {
        if (m_pages->value() != telemetry->trip().pageCount())
            telemetry->setTrip(m_pages->value());
        telemetry->setSecondGeneration(m_secondGeneration->isChecked());
        telemetry->setAllFields(m_allFields->isChecked());
        const auto oneWire = TelemetryService::OneWireDevice(m_oneWire->currentData().toInt());
        if (oneWire != telemetry->oneWireDevice())
            telemetry->setOneWireDevice(oneWire);
    }
    if (auto *settings = m_tracker.service<SettingsService>())
        settings->setRepeatEvery(m_repeatEvery->value());
    if (auto *fuel = m_tracker.service<FuelService>()) {
        fuel->setPouring(m_fuelPouring->isChecked());
        fuel->setMalformed(m_fuelMalformed->isChecked());
    }
    if (auto *accessories = m_tracker.service<AccessoriesService>())
        accessories->setSearchOutcome(AccessoriesService::SearchOutcome(m_bluetoothSearch->currentData().toInt()));
    return changed;
}
