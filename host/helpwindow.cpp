#include "host/helpwindow.h"

#include <QAction>
#include <QFileInfo>
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
    m_browser->setOpenExternalLinks(true);
    m_request->setTextInteractionFlags(Qt::TextSelectableByMouse);

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
    if (page.found()) {
        QUrl url = QUrl::fromLocalFile(page.filePath);
        if (!page.fragment.isEmpty())
            url.setFragment(page.fragment);
        m_browser->setSearchPaths({QFileInfo(page.filePath).absolutePath(), resolver.effectiveRoot()});
        m_browser->setSource(url);
        setWindowTitle(tr("Help – %1").arg(m_browser->documentTitle().isEmpty() ? QFileInfo(page.filePath).fileName()
                                                                                 : m_browser->documentTitle()));
    } else {
        m_browser->clearHistory();
        m_browser->setPlainText(tr("No help page at %1").arg(page.attempted));
        setWindowTitle(tr("Help"));
    }
    show();
    raise();
    activateWindow();
}

QString HelpWindow::currentText() const
{
    return m_browser->toPlainText();
}
