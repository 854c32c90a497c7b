#ifndef ORV_FILEWINDOW_H
#define ORV_FILEWINDOW_H

#include <QDialog>

#include <functional>

class ORV_Device_K4810;
class QHBoxLayout;
class QPushButton;
class QVBoxLayout;

// A top-level window of the device object that shows one file: the
// telemetry file views and the fuel view. It has the help and close
// buttons of those windows; the help button asks the host for the window's
// own help page. A subclass puts its widgets into contentLayout(), above
// the buttons.
class ORV_FileWindow : public QDialog
{
    Q_OBJECT

public:
    ORV_FileWindow(ORV_Device_K4810 *device, const QString &objectName, const QString &helpPath,
                   const QString &helpButtonName);
    ~ORV_FileWindow() override;

    ORV_Device_K4810 *device() const { return m_device; }
    QString fileName() const { return m_fileName; }
    QString helpPath() const { return m_helpPath; }

    // Shows a message box with one OK button (title, text); for tests.
    using Notifier = std::function<void(const QString &title, const QString &text)>;
    void setNotifier(Notifier notifier) { m_notifier = std::move(notifier); }

    // A file's size as the views show it: bytes / 1024 with one decimal, "%.1f Kb".
    static QString sizeText(qint64 bytes);

public slots:
    void slot_Pressed_PushButton_Help();
    void slot_Pressed_PushButton_Close();

protected:
    // Takes the file and shows the window.
    void showFile(const QString &fileName);
    QVBoxLayout *contentLayout() const { return m_content; }
    // The row of the help and close buttons, for buttons of the window's own.
    QHBoxLayout *buttonLayout() const { return m_buttons; }
    // Tells the user, without a nested event loop.
    void tell(const QString &title, const QString &text);

private:
    ORV_Device_K4810 *m_device;
    QString m_helpPath;
    QString m_fileName;
    QVBoxLayout *m_content = nullptr;
    QHBoxLayout *m_buttons = nullptr;
    QPushButton *m_help = nullptr;
    QPushButton *m_close = nullptr;
    Notifier m_notifier;
};

#endif // ORV_FILEWINDOW_H
