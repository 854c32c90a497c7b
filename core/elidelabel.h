#ifndef ELIDELABEL_H
#define ELIDELABEL_H

#include <QLabel>

// A one-line label for values of any length: when its text is wider than the
// space the layout gives it, it shows the text shortened with "…" and carries
// the whole text as its tool tip. text() is always the whole text, so code
// and tests that read the value are unaffected.
class ElideLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ElideLabel(QWidget *parent = nullptr);

    QSize minimumSizeHint() const override;
    // True when the text is shown shortened.
    bool isElided() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void syncToolTip();

    QString m_ownToolTip; // a tool tip the label set itself, not one from its owner
};

#endif // ELIDELABEL_H
