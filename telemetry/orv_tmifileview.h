#ifndef ORV_TMIFILEVIEW_H
#define ORV_TMIFILEVIEW_H

#include "core/orv_filewindow.h"
#include "telemetry/tmitextfile.h"

#include <functional>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class TmiTextFileLoader;

// What the two views of a telemetry text file share: loading the file (its
// pages indexed from the event loop, with a progress bar and Cancel), the
// file's name, size ("%.1f Kb") and page count, the Open button, and the
// messages when a file cannot be shown. A view shows the file it is given
// in showContents().
class ORV_TmiFileView : public ORV_FileWindow
{
    Q_OBJECT

public:
    ORV_TmiFileView(ORV_Device_K4810 *device, const QString &objectName);
    ~ORV_TmiFileView() override;

    // Shows the window and loads the file; the pages of the file shown
    // before go.
    void loadFile(const QString &fileName);
    // The file shown, indexed; null while none is (or while loading).
    const std::shared_ptr<const TmiTextFile> &file() const { return m_file; }
    bool isLoading() const;
    TmiTextFileLoader *loader() const { return m_loader; }

    // Asks for a file to open (caption, starting directory, filter); for tests.
    using OpenFileChooser = std::function<QString(const QString &, const QString &, const QString &)>;
    void setOpenFileChooser(OpenFileChooser chooser) { m_chooser = std::move(chooser); }

public slots:
    void slot_Pressed_PushButton_Open();
    void slot_Pressed_PushButton_Cancel();

protected:
    struct FileWidgets
    {
        QLabel *file = nullptr;
        QLabel *size = nullptr;
        QLabel *pages = nullptr;
        QLabel *loading = nullptr;
        QProgressBar *progress = nullptr;
        QPushButton *open = nullptr;
        QPushButton *cancel = nullptr;
    };
    void setFileWidgets(const FileWidgets &widgets);
    // The file to show, indexed; null: nothing to show.
    virtual void showContents(const std::shared_ptr<const TmiTextFile> &file) = 0;
    void hideEvent(QHideEvent *event) override;

private:
    void setLoading(bool loading);
    void onProgress(qint64 done, qint64 total);
    void onLoaded();
    void onFailed(TmiTextFile::Error error);

    FileWidgets m_widgets;
    TmiTextFileLoader *m_loader = nullptr;
    std::shared_ptr<const TmiTextFile> m_file;
    QString m_loadingName;
    OpenFileChooser m_chooser;
};

#endif // ORV_TMIFILEVIEW_H
