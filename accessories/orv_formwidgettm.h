#ifndef ORV_FORMWIDGETTM_H
#define ORV_FORMWIDGETTM_H

#include "accessories/tmkeyfile.h"

#include <QWidget>

#include <memory>

namespace Ui {
class ORV_FormWidgetTM;
}

// One touch-memory key row: its number (from 1), the key code in
// hexadecimal, a free text (the driver's name, say), the key's mode and a
// button that reads the code of the key now touched to the tracker's
// reader. The row does not send: its holder sends the read request (2041)
// when readKeyRequested() is emitted and hands the code back with setCode().
class ORV_FormWidgetTM : public QWidget
{
    Q_OBJECT

public:
    explicit ORV_FormWidgetTM(int number, QWidget *parent = nullptr);
    ~ORV_FormWidgetTM() override;

    int number() const { return m_number; }

    // The code as typed, and as a number (0 when empty or not hexadecimal).
    QString codeText() const;
    void setCodeText(const QString &text);
    quint64 code() const;
    // Shows a code (twelve hexadecimal digits; empty for 0).
    void setCode(quint64 code);
    QString text() const;
    void setText(const QString &text);
    // The mode's index, 0 .. TmKeyFile::ModeCount - 1.
    int mode() const;
    void setMode(int mode);

    TmKeyFile::Key key() const { return {code(), mode()}; }
    void setKey(const TmKeyFile::Key &key);
    // An empty row: no code, no text, the first mode.
    void clear();

    // A row of a settings page: its code, text and mode are bound to these
    // keys of the page's section (by the page's binder), and its read
    // button is a live control (enabled only while the tracker is attached).
    void bindToKeys(const QString &codePath, const QString &textPath, const QString &modePath);
    // The read button of a row that is not bound.
    void setKeyReadEnabled(bool enabled);

signals:
    // The user asked for the code of the key touched to the reader.
    void readKeyRequested(int number);

public slots:
    void slot_pressed_Btn_Key();

private:
    std::unique_ptr<Ui::ORV_FormWidgetTM> ui;
    const int m_number;
};

#endif // ORV_FORMWIDGETTM_H
