#ifndef FUELDIALOGS_H
#define FUELDIALOGS_H

#include <QString>

#include <functional>

class QWidget;

// What the calibration windows ask the user and tell them: questions with
// two buttons (the first accepts), notices with one button that do not wait,
// and the file dialogs. Each window holds one set; tests replace them.
struct FuelDialogs
{
    // Title and text; true for the first (accepting) button.
    using Ask = std::function<bool(QWidget *parent, const QString &title, const QString &text)>;
    using Tell = std::function<void(QWidget *parent, const QString &title, const QString &text)>;
    // Caption, proposed path or starting folder, filter; empty when cancelled.
    using ChooseFile = std::function<QString(QWidget *parent, const QString &caption, const QString &path,
                                             const QString &filter)>;

    Ask ask;
    Tell tell;
    ChooseFile openFile;
    ChooseFile saveFile;

    // Warning boxes with the texts K4810_001 / K4810_002 / K4810_003 and the
    // toolkit's file dialogs.
    static FuelDialogs standard();
};

#endif // FUELDIALOGS_H
