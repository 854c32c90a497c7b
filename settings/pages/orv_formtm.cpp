#include "settings/pages/orv_formtm.h"

#include "accessories/orv_formtmconfig.h"
#include "accessories/orv_formtmfile.h"
#include "core/orvmessages.h"
#include "settings/editor/orv_formxml_k4810.h"
#include "settings/model/settingsmodel.h"
#include "ui_orv_formtm.h"

#include <QComboBox>

namespace {

constexpr const char *FormatPath = "TM_PARAM/format";
constexpr const char *KeyFileFormat = "BIN";

} // namespace

ORV_FormTM::ORV_FormTM(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_SettingsPage(editor, parent)
    , ui(std::make_unique<Ui::ORV_FormTM>())
{
    ui->setupUi(this);
    m_config = new ORV_FormTMConfig(ui->stackedWidget_Format);
    m_file = new ORV_FormTMFile([this](uint32_t msgId, intptr_t p1, intptr_t p2) { send(msgId, p1, p2); },
                                ui->stackedWidget_Format);
    ui->stackedWidget_Format->addWidget(m_config);
    ui->stackedWidget_Format->addWidget(m_file);

    connect(ui->FormatTM, &QComboBox::currentIndexChanged, this, &ORV_FormTM::slot_currentIndexChanged_FormatTM);
    connect(ui->ToolBtn_FormatInfo, &QToolButton::pressed, this, &ORV_FormTM::slot_pressed_ToolBtn_FormatInfo);
    connect(m_config, &ORV_FormTMConfig::readKeyRequested, this, &ORV_FormTM::readConfigKey);
    connect(m_file, &ORV_FormTMFile::transferRunning, this, &ORV_FormTM::onTransferRunning);
}

ORV_FormTM::~ORV_FormTM() = default;

// ---------------------------------------------------------------------------
// The form

void ORV_FormTM::afterLoad()
{
    showForm(model() ? model()->text(section(), QLatin1String(FormatPath)) : QString());
}

void ORV_FormTM::slot_currentIndexChanged_FormatTM(int nIndex)
{
    // The user's choice: its code (the binder may not have stored it yet).
    const QVariant code = ui->FormatTM->itemData(nIndex);
    showForm(code.isValid() ? code.toString() : ui->FormatTM->itemText(nIndex));
}

void ORV_FormTM::showForm(const QString &format)
{
    // Any form but the key file's is the short list, as the tracker reads it.
    const bool keyFile = format.trimmed() == QLatin1String(KeyFileFormat);
    ui->stackedWidget_Format->setCurrentWidget(keyFile ? static_cast<QWidget *>(m_file) : m_config);
}

void ORV_FormTM::slot_pressed_ToolBtn_FormatInfo()
{
    if (editor())
        editor()->showParamInfo(ui->label_FormatTM->text(), tr("K4810_2933"));
}

// ---------------------------------------------------------------------------
// The tracker

void ORV_FormTM::showEvent(QShowEvent *event)
{
    giveDirectories();
    ORV_SettingsPage::showEvent(event);
}

void ORV_FormTM::giveDirectories()
{
    if (editor())
        m_file->setDirectories(editor()->dataDirectory(), editor()->pagesTemporaryDirectory());
}

void ORV_FormTM::setOnline(bool online)
{
    ORV_SettingsPage::setOnline(online);
    m_file->setOnline(online);
}

void ORV_FormTM::onTrackerChanged()
{
    // What the tracker that was there was asked ends.
    m_file->detach();
    m_keyReader = KeyReader::None;
    m_configKey = 0;
    m_config->setStatus(QString());
}

bool ORV_FormTM::requestTimedOut(uint32_t msgId)
{
    if (msgId != OrvMsg::ReadTouchMemory)
        return false;
    const KeyReader reader = m_keyReader;
    m_keyReader = KeyReader::None;
    // The key file's transfer keeps its own limit and tells its own end.
    if (reader == KeyReader::File)
        return true;
    m_configKey = 0;
    m_config->setStatus(QString());
    return false;
}

void ORV_FormTM::send(uint32_t msgId, intptr_t p1, intptr_t p2)
{
    orv_FormXml_K4810 *e = editor();
    if (!e)
        return;
    switch (msgId) {
    case OrvMsg::TouchMemorySave:
        e->requestTouchMemorySave(reinterpret_cast<const void *>(p1), int(p2));
        break;
    case OrvMsg::TouchMemoryLoad:
        e->requestTouchMemoryLoad(reinterpret_cast<const void *>(p1), int(p2));
        break;
    case OrvMsg::TouchMemoryRequest:
        e->requestTouchMemory();
        break;
    case OrvMsg::ReadTouchMemory:
        // In place before the request: the host may answer inside it.
        m_keyReader = KeyReader::File;
        e->requestOneWireCode();
        break;
    default:
        break;
    }
}

void ORV_FormTM::onTransferRunning(bool running)
{
    if (running)
        giveDirectories();
    ui->FormatTM->setEnabled(!running);
    if (editor())
        editor()->holdPage(this, running);
}

void ORV_FormTM::readConfigKey(int number)
{
    if (!editor() || !isOnline())
        return;
    m_keyReader = KeyReader::Config;
    m_configKey = number;
    m_config->setStatus(tr("K4810_2938").arg(number));
    editor()->requestOneWireCode();
}

void ORV_FormTM::onOneWireCode(quint64 code)
{
    const KeyReader reader = m_keyReader;
    m_keyReader = KeyReader::None;
    if (reader == KeyReader::File) {
        m_file->onTouchMemoryCode(code);
        return;
    }
    if (reader != KeyReader::Config)
        return;
    const int number = m_configKey;
    m_configKey = 0;
    if (code == 0) {
        m_config->setStatus(tr("K4810_2940"));
        return;
    }
    m_config->setKeyCode(number, code);
    m_config->setStatus(tr("K4810_2939").arg(number));
}

void ORV_FormTM::onAnswer(uint32_t msgId, intptr_t p1, intptr_t p2)
{
    // The editor hands the host's parameters as they came: a buffer and its length.
    const auto *data = reinterpret_cast<const uchar *>(p1);
    const int length = data && p2 > 0 && p2 <= INT32_MAX ? int(p2) : 0;
    switch (msgId) {
    case OrvMsg::TouchMemorySaveAnswer:
    case OrvMsg::TouchMemoryLoadAnswer:
    case OrvMsg::TouchMemoryAnswer:
        m_file->receiveAnswer(msgId, length ? data : nullptr, length);
        break;
    default:
        break;
    }
}
