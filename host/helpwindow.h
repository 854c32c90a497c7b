#ifndef HELPWINDOW_H
#define HELPWINDOW_H

#include "host/helpresolver.h"

#include <QUrl>
#include <QWidget>

class QLabel;
class QTextBrowser;

// Shows the help pages the plug-in asks for with 2072. A page that is not
// there is reported in the window itself ("No help page at …").
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows the page of a help request, resolved under the root.
    void showRequest(const QString &requestPath, const HelpResolver &resolver);

    QString currentText() const;
    // The page's address as the window shows it, and its title.
    QString address() const;

private:
    // Title and address follow the page shown, whether it was asked for or
    // reached by a link or Back/Forward.
    void showSource(const QUrl &url);
    // Fits the window into the screen's free area (task bar excluded).
    void placeOnScreen();

    QTextBrowser *m_browser;
    QLabel *m_request;
    QUrl m_requestUrl;     // the page of the last request
    QString m_requestPath; // that request as the plug-in gave it
    QString m_root;        // folder the help paths are relative to
};

#endif // HELPWINDOW_H
