#ifndef ORV_FORMTM_H
#define ORV_FORMTM_H

#include "settings/pages/orv_settingspage.h"

#include <memory>

namespace Ui {
class ORV_FormTM;
}
class ORV_FormTMConfig;
class ORV_FormTMFile;

// The touch-memory keys page (section TM_KEYS). The form combo box
// (TM_PARAM/format) chooses the list the tracker uses: "XML", the short
// list of sixteen keys kept in the settings file (ORV_FormTMConfig, bound
// to the section's keys), or "BIN", the long list of up to 510 keys kept in
// a key file and transferred to the tracker apart from the settings
// (ORV_FormTMFile). The page shows the one chosen.
//
// Requests go through the editor: the key file's blocks (2113, 2115: a
// buffer and its length), the change to the written file (2117) and the
// read of a key (2041, the device's routing set to the editor). Their
// answers (2114, 2116, 2118, 2042) come back to this page. While a key
// file transfer runs the editor keeps the user on this page, so that no
// answer is lost. The key file page proposes and opens files in the
// editor's data directory and keeps its temporary files in the editor's
// temporary directory.
class ORV_FormTM : public ORV_SettingsPage
{
    Q_OBJECT

public:
    explicit ORV_FormTM(orv_FormXml_K4810 *editor, QWidget *parent = nullptr);
    ~ORV_FormTM() override;

    ORV_FormTMConfig *configPage() const { return m_config; }
    ORV_FormTMFile *filePage() const { return m_file; }

    void setOnline(bool online) override;
    void onTrackerChanged() override;
    bool requestTimedOut(uint32_t msgId) override;
    void onOneWireCode(quint64 code) override;
    void onAnswer(uint32_t msgId, intptr_t p1, intptr_t p2) override;

public slots:
    void slot_currentIndexChanged_FormatTM(int nIndex);
    void slot_pressed_ToolBtn_FormatInfo();

protected:
    void afterLoad() override;
    void showEvent(QShowEvent *event) override;

private:
    // Who asked for a key's code.
    enum class KeyReader { None, Config, File };

    void showForm(const QString &format);
    void giveDirectories();
    void send(uint32_t msgId, intptr_t p1, intptr_t p2);
    void readConfigKey(int number);
    void onTransferRunning(bool running);

    std::unique_ptr<Ui::ORV_FormTM> ui;
    ORV_FormTMConfig *m_config;
    ORV_FormTMFile *m_file;
    KeyReader m_keyReader = KeyReader::None;
    int m_configKey = 0;
};

#endif // ORV_FORMTM_H
