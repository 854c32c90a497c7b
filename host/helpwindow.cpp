#include "host/helpwindow.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QScreen>
#include <QLabel>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_browser(new QTextBrowser(this))
    , m_request(new QLabel(this))
{
    setWindowTitle(tr("Help"));
    resize(760, 600);
    auto *toolbar = new QToolBar(this);
    QAction *back = toolbar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"), m_browser,
                                       &QTextBrowser::backward);
    QAction *forward = toolbar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"), m_browser,
                                          &QTextBrowser::forward);
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::showSource);
    m_browser->setOpenExternalLinks(true);
    m_request->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A long address never widens the window; its tool tip gives it whole.
    m_request->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(toolbar);
    layout->addWidget(m_request);
    layout->addWidget(m_browser);
}

void HelpWindow::showRequest(const QString &requestPath, const HelpResolver &resolver)
{
    const HelpResolver::Result page = resolver.resolve(requestPath);
    m_request->setText(requestPath);
    m_request->setToolTip(requestPath);
    m_requestPath = requestPath;
    m_root = resolver.effectiveRoot();
    if (page.found()) {
        QUrl url = QUrl::fromLocalFile(page.filePath);
        if (!page.fragment.isEmpty())
            url.setFragment(page.fragment);
        m_requestUrl = url;
        m_browser->setSearchPaths({QFileInfo(page.filePath).absolutePath(), resolver.effectiveRoot()});
        m_browser->setSource(url);
        showSource(m_browser->source());
    } else {
        m_requestUrl = QUrl();
        m_browser->clearHistory();
        m_browser->setPlainText(tr("No help page at %1").arg(page.attempted));
        setWindowTitle(tr("Help"));
    }
    if (!isVisible())
        placeOnScreen();
    show();
    raise();
    activateWindow();
}

void HelpWindow::showSource(const QUrl &url)
{
    if (url.isEmpty())
        return;
    const QString file = url.toLocalFile();
    if (url == m_requestUrl) {
        m_request->setText(m_requestPath);
    } else if (!file.isEmpty()) {
        // A page under the help folder is shown as the plug-in would ask for
        // it; any other file by its own path.
        const QString relative = QDir(m_root).relativeFilePath(file);
        QString address = relative.startsWith(QLatin1String("..")) || QDir::isAbsolutePath(relative)
                              ? QDir::toNativeSeparators(file)
                              : QLatin1Char('/') + relative;
        if (url.hasFragment())
            address += QLatin1Char('#') + url.fragment();
        m_request->setText(address);
    } else {
        m_request->setText(url.toString());
    }
    m_request->setToolTip(m_request->text());
    const QString title = m_browser->documentTitle();
    setWindowTitle(tr("Help – %1").arg(title.isEmpty() ? QFileInfo(file.isEmpty() ? url.path() : file).fileName() : title));
}

void HelpWindow::placeOnScreen()
{
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    // Room for the window frame, which is not known before the first show.
    const QMargins frame(8, 32, 8, 8);
    const QSize wanted = size().boundedTo(free.size().shrunkBy(frame));
    resize(wanted);
    QRect placed(QPoint(), wanted.grownBy(frame));
    placed.moveCenter(parentWidget() ? parentWidget()->frameGeometry().center() : free.center());
    placed.moveLeft(qBound(free.left(), placed.left(), free.right() - placed.width() + 1));
    placed.moveTop(qBound(free.top(), placed.top(), free.bottom() - placed.height() + 1));
    move(placed.topLeft());
}

QString HelpWindow::address() const
{
    return m_request->text();
}

QString HelpWindow::currentText() const
{
    return m_browser->toPlainText();
}
