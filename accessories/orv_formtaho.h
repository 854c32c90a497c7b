#ifndef ORV_FORMTAHO_H
#define ORV_FORMTAHO_H

#include "accessories/tachoexchange.h"

#include <QDialog>

#include <functional>
#include <memory>

namespace Ui {
class ORV_FormTaho;
}
class ORV_Device_K4810;

// The tachograph window, held by the telemetry window: it shows a
// TachoExchange. The upper group asks for the tachograph's state, card or
// registration data and logs the answers; the lower group has the tracker
// make a DDD file of the chosen type and downloads it into a file chosen
// in the data directory.
//
// The telemetry window opens it (openWindow), hands it the answers 2101,
// 2103 and 2105 (onAnswer) and closes it when the tracker is attached or
// detached (closeForConnectionChange). Closing the window stops what runs.
//
// The login and password are not sent anywhere: the tracker signs in to
// the tachograph itself, so the authorisation button stays disabled.
class ORV_FormTaho : public QDialog
{
    Q_OBJECT

public:
    explicit ORV_FormTaho(ORV_Device_K4810 *device, QWidget *parent = nullptr,
                          int timeoutMs = TachoExchange::DefaultTimeoutMs);
    ~ORV_FormTaho() override;

    TachoExchange *exchange() const { return m_exchange; }

    // Sets the window up for a new session and shows it.
    void openWindow();
    // An answer (buf, len) for the window; dropped while it is hidden.
    void onAnswer(uint32_t msgId, intptr_t p1, intptr_t p2);
    // The tracker was attached or detached.
    void closeForConnectionChange();

    // Test seam: the save dialog of a download (caption, proposed path,
    // filter; empty is a cancel).
    using FileChooser = std::function<QString(const QString &caption, const QString &proposed, const QString &filter)>;
    void setSaveFileChooser(FileChooser chooser) { m_saveChooser = std::move(chooser); }

public slots:
    void slot_pressed_BtnQuest();
    void slot_pressed_BtnAutorize();
    void slot_pressed_BtnCreate();
    void slot_pressed_BtnLoad();
    void slot_currentIndexChanged_File(int nIndex);

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;

private:
    void send(uint32_t msgId, intptr_t p1, intptr_t p2);
    void appendLine(TachoExchange::Log log, const QString &html);
    void refresh();

    std::unique_ptr<Ui::ORV_FormTaho> ui;
    ORV_Device_K4810 *m_device;
    TachoExchange *m_exchange;
    FileChooser m_saveChooser;
};

#endif // ORV_FORMTAHO_H
