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

    QString message() const;
    QString caption() const;
    QString current() const;
    QString total() const;
    QString status() const;
    int minimum() const;
    int maximum() const;
    int value() const;

private:
    std::unique_ptr<Ui::FormWait> ui;
};

#endif // FORMWAIT_H
