#ifndef WHEELGUARD_H
#define WHEELGUARD_H

#include <QObject>

class QWidget;

// Keeps the mouse wheel from changing spin boxes, combo boxes and sliders
// that the user merely scrolls past: without focus, such a control hands
// the wheel to the scroll area around it, which scrolls the page. A click
// or Tab gives it focus, and then the wheel changes it as usual.
class WheelGuard : public QObject
{
    Q_OBJECT

public:
    explicit WheelGuard(QObject *parent = nullptr);

    // Guards every such control below root (those it holds now).
    void guard(QWidget *root);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

#endif // WHEELGUARD_H
