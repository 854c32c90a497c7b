#ifndef HELPWINDOW_H
#define HELPWINDOW_H

#include "host/helpresolver.h"

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

private:
    QTextBrowser *m_browser;
    QLabel *m_request;
};

#endif // HELPWINDOW_H
