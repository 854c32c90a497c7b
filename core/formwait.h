#ifndef FORMWAIT_H
#define FORMWAIT_H

#include <QDialog>

#include <memory>

namespace Ui {
class FormWait;
}

// Modal progress window shown during long exchanges with the tracker and
// during the server test. Its owner creates it once, fills it, shows it while
// the work runs and closes it when done.
class FormWait : public QDialog
{
    Q_OBJECT

public:
    explicit FormWait(QWidget *parent = nullptr);
    ~FormWait() override;

    void setMessage(const QString &text);
    void setCaption(const QString &text);
    void setCurrent(const QString &text);
    void setTotal(const QString &text);
    void setStatus(const QString &text);
    void setRange(int minimum, int maximum);
    void setValue(int value);
    void showCounters(bool visible);
    void reset();
    // A cancel button with this caption (none when empty, the default);
    // pressing it, or closing the window, emits cancelRequested().
    void setCancelText(const QString &text);
    bool isCancelable() const;

    QString message() const;
    QString caption() const;
    QString current() const;
    QString total() const;
    QString status() const;
    int minimum() const;
    int maximum() const;
    int value() const;

signals:
    void cancelRequested();

protected:
    void reject() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void fitHeight();

    std::unique_ptr<Ui::FormWait> ui;
    bool m_closedByOwner = false;
};

#endif // FORMWAIT_H
