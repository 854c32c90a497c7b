#ifndef ORV_FORMTMFILE_H
#define ORV_FORMTMFILE_H

#include "accessories/tmkeyfile.h"
#include "accessories/tmkeytransfer.h"
#include "accessories/trackersend.h"

#include <QList>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace Ui {
class ORV_FormTMFile;
}
class ORV_FormWidgetTM;
class TmKeyFileRead;
class TmKeyFileWrite;

// The long list of touch-memory keys: 510 key rows (built the first time
// the page is shown), kept in key files (".tmk", TmKeyFile) and written
// to or read from the tracker (TmKeyFileWrite, TmKeyFileRead).
//
// The holder (the touch-memory page of the settings editor) supplies the
// send: the page sends 2113, 2115 and 2117 (a buffer and its length) and
// 2041 (the read of a key; the sender sets the device's routing to the
// editor first) through it. The holder routes the answers 2114, 2116 and
// 2118 to receiveAnswer() and the key code of 2042 to onTouchMemoryCode(),
// gives the editor's data and temporary directories with setDirectories(),
// and calls detach() when the tracker is attached or detached.
//
// While a transfer runs, the four buttons are disabled; every end of a
// transfer (done, an error status, no answer, detach, a file that cannot
// be written) gives them back, with a message for anything but success.
class ORV_FormTMFile : public QWidget
{
    Q_OBJECT

public:
    static constexpr uint32_t ReadKeyMessage = 2041;

    explicit ORV_FormTMFile(TrackerSend send, QWidget *parent = nullptr,
                            int timeoutMs = TmKeyTransfer::DefaultTimeoutMs);
    ~ORV_FormTMFile() override;

    // Where key files are proposed and opened (the home directory until
    // given), and where the transfers keep their temporary files (the
    // system's until given); never the working directory.
    void setDirectories(const QString &dataDir, const QString &tempDir);
    QString dataDir() const;
    QString tempDir() const;

    // Answers 2114, 2116, 2118. True when a transfer took it.
    bool receiveAnswer(uint32_t msgId, const uchar *data, int length);
    // The code of the key read for a row (2042).
    void onTouchMemoryCode(quint64 code);
    // The tracker was attached or detached: a running transfer ends.
    void detach();
    // The buttons that ask the tracker are enabled only online (the page
    // is online until told otherwise).
    void setOnline(bool online);
    bool isOnline() const { return m_online; }

    // The rows (built on first use).
    int rowCount();
    ORV_FormWidgetTM *row(int index);
    bool rowsBuilt() const { return !m_rows.empty(); }
    QList<TmKeyFile::Key> keys();
    // Clears every row, then fills the first ones with keys.
    void setKeys(const QList<TmKeyFile::Key> &keys);

    bool isTransferring() const;
    TmKeyFileWrite *writer() const { return m_writer; }
    TmKeyFileRead *reader() const { return m_reader; }

    // Test seams: the file dialogs (caption, proposed file or directory,
    // filter; an empty result is a cancel) and the message box.
    using FileChooser = std::function<QString(const QString &caption, const QString &proposed, const QString &filter)>;
    void setSaveFileChooser(FileChooser chooser) { m_saveChooser = std::move(chooser); }
    void setOpenFileChooser(FileChooser chooser) { m_openChooser = std::move(chooser); }
    using Notifier = std::function<void(const QString &text)>;
    void setNotifier(Notifier notifier) { m_notifier = std::move(notifier); }

    // Reads a key file into the rows; false with a message when it cannot be read.
    bool loadFile(const QString &path);
    // Writes the rows to a key file; false with a message when it cannot be written.
    bool saveFile(const QString &path);

signals:
    // A transfer with the tracker started (true) or ended (false).
    void transferRunning(bool running);

public slots:
    void slot_pressed_BtnLoadFile();
    void slot_pressed_BtnSaveFile();
    void slot_pressed_BtnLoadDevice();
    void slot_pressed_BtnSaveDevice();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void ensureRows();
    void setButtonsEnabled(bool enabled);
    void onWriteFinished(TmKeyTransfer::Result result, const QString &message);
    void onReadFinished(TmKeyTransfer::Result result, const QString &message);
    void onReadKeyRequested(int number);
    void tell(const QString &text);

    std::unique_ptr<Ui::ORV_FormTMFile> ui;
    TrackerSend m_send;
    TmKeyFileWrite *m_writer;
    TmKeyFileRead *m_reader;
    std::vector<ORV_FormWidgetTM *> m_rows;
    QString m_dataDir;
    int m_keyRow = 0; // the row that asked for a key's code (from 1), 0 for none
    bool m_online = true;
    FileChooser m_saveChooser;
    FileChooser m_openChooser;
    Notifier m_notifier;
};

#endif // ORV_FORMTMFILE_H
