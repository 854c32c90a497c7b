#include "telemetry/orv_tmifileview.h"

#include "core/orv_device_k4810.h"
#include "telemetry/tmitextfileloader.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace {

const char *const kHelpPath = "/Localization/Help/K-4810/k-4810tmiView.html";

} // namespace

ORV_TmiFileView::ORV_TmiFileView(ORV_Device_K4810 *device, const QString &objectName)
    : ORV_FileWindow(device, objectName, QLatin1String(kHelpPath), QStringLiteral("PushButton_Help"))
    , m_loader(new TmiTextFileLoader(this))
{
    connect(m_loader, &TmiTextFileLoader::progress, this, &ORV_TmiFileView::onProgress);
    connect(m_loader, &TmiTextFileLoader::loaded, this, &ORV_TmiFileView::onLoaded);
    connect(m_loader, &TmiTextFileLoader::failed, this, &ORV_TmiFileView::onFailed);
}

ORV_TmiFileView::~ORV_TmiFileView() = default;

void ORV_TmiFileView::setFileWidgets(const FileWidgets &widgets)
{
    m_widgets = widgets;
    connect(m_widgets.open, &QPushButton::pressed, this, &ORV_TmiFileView::slot_Pressed_PushButton_Open);
    connect(m_widgets.cancel, &QPushButton::pressed, this, &ORV_TmiFileView::slot_Pressed_PushButton_Cancel);
    m_widgets.pages->clear();
    m_widgets.size->clear();
    m_widgets.file->clear();
    setLoading(false);
}

bool ORV_TmiFileView::isLoading() const
{
    return m_loader->isLoading();
}

void ORV_TmiFileView::setLoading(bool loading)
{
    m_widgets.loading->setVisible(loading);
    m_widgets.progress->setVisible(loading);
    m_widgets.cancel->setVisible(loading);
    m_widgets.cancel->setEnabled(loading);
    m_widgets.open->setEnabled(!loading);
    m_widgets.progress->setRange(0, 1000);
    m_widgets.progress->setValue(0);
}

void ORV_TmiFileView::loadFile(const QString &fileName)
{
    showFile(fileName);
    // The pages of the file shown before go at once: a new file shows its
    // own first page, or nothing.
    m_file.reset();
    showContents(nullptr);
    m_loadingName = fileName;
    const QFileInfo info(fileName);
    m_widgets.file->setText(QDir::toNativeSeparators(fileName));
    m_widgets.file->setToolTip(QDir::toNativeSeparators(info.absoluteFilePath()));
    m_widgets.size->setText(sizeText(info.size()));
    m_widgets.pages->clear();
    setLoading(true);
    m_loader->load(fileName);
}

void ORV_TmiFileView::onProgress(qint64 done, qint64 total)
{
    m_widgets.progress->setValue(total > 0 ? int(std::clamp<qint64>(done * 1000 / total, 0, 1000)) : 1000);
}

void ORV_TmiFileView::onLoaded()
{
    setLoading(false);
    m_file = m_loader->file();
    m_widgets.pages->setText(QString::number(m_file ? m_file->pageCount() : 0));
    showContents(m_file);
}

void ORV_TmiFileView::onFailed(TmiTextFile::Error error)
{
    setLoading(false);
    m_widgets.pages->clear();
    QString text;
    switch (error) {
    case TmiTextFile::Error::CannotOpen:
    case TmiTextFile::Error::None:
        text = tr("K4810_1950");
        break;
    case TmiTextFile::Error::NotTelemetry:
        text = tr("K4810_1951");
        break;
    case TmiTextFile::Error::LineTooLong:
        text = tr("K4810_1952");
        break;
    }
    tell(tr("K4810_583"), text + QStringLiteral("\n\n") + QDir::toNativeSeparators(m_loadingName));
}

void ORV_TmiFileView::slot_Pressed_PushButton_Cancel()
{
    if (!m_loader->isLoading())
        return;
    m_loader->cancel();
    setLoading(false);
    m_widgets.pages->clear();
    showContents(nullptr);
}

void ORV_TmiFileView::slot_Pressed_PushButton_Open()
{
    const QString caption = tr("K4810_1961");
    const QString directory = device() ? device()->dataDir() : QStringLiteral("../");
    const QString filter = QStringLiteral("*.xml");
    const QString file = m_chooser ? m_chooser(caption, directory, filter)
                                   : QFileDialog::getOpenFileName(this, caption, directory, filter);
    if (!file.isEmpty())
        loadFile(file);
}

void ORV_TmiFileView::hideEvent(QHideEvent *event)
{
    // A file still being read when the window closes is not read on.
    if (m_loader->isLoading()) {
        m_loader->cancel();
        setLoading(false);
    }
    ORV_FileWindow::hideEvent(event);
}
