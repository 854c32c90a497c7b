#ifndef UIAUTOMATION_H
#define UIAUTOMATION_H

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

// What a user does in the plug-in's windows, for suites that reach them
// only through the exports (header-only; the suites link QtWidgets).
namespace UiAutomation {

// A top-level window by object name, or null.
inline QWidget *topLevel(const QString &objectName)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName() == objectName)
            return w;
    }
    return nullptr;
}

// A question that offers to discard something (the editor's unsaved
// changes): discardNextChanges() answers it, never acceptNextQuestion().
inline bool offersToDiscard(const QMessageBox *box)
{
    for (QAbstractButton *b : box->buttons()) {
        if (box->buttonRole(b) == QMessageBox::DestructiveRole)
            return true;
    }
    return false;
}

// Answers the next modal message box with its accepting button. The table
// of differences the settings editor shows before a write
// (ORV_FormSettingsCompare) is accepted on the way, and the next box answered.
// The unsaved-changes question is passed over: accepting it would save
// through a file dialog nobody answers, and which of two pending answers
// reaches it first would be a matter of timer order.
inline void acceptNextQuestion()
{
    auto *poll = new QTimer(qApp); // freed with the application when never answered
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || offersToDiscard(box))
            return;
        const bool comparison = box->objectName() == QLatin1String("ORV_FormSettingsCompare");
        for (QAbstractButton *b : box->buttons()) {
            if (box->buttonRole(b) == QMessageBox::AcceptRole) {
                b->click();
                break;
            }
        }
        if (!comparison)
            poll->deleteLater();
    });
    poll->start(5);
}

// Accepts the table of differences the settings editor shows before a
// write, and nothing else.
inline void acceptWriteComparison()
{
    auto *poll = new QTimer(qApp); // freed with the application when never answered
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box->objectName() != QLatin1String("ORV_FormSettingsCompare"))
            return;
        for (QAbstractButton *b : box->buttons()) {
            if (box->buttonRole(b) == QMessageBox::AcceptRole) {
                b->click();
                break;
            }
        }
        poll->deleteLater();
    });
    poll->start(5);
}

// Answers the settings editor's question about unsaved changes with
// "discard" (the button of the destructive role).
inline void discardNextChanges()
{
    auto *poll = new QTimer(qApp); // freed with the application when never answered
    QObject::connect(poll, &QTimer::timeout, poll, [poll] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        for (QAbstractButton *b : box->buttons()) {
            if (box->buttonRole(b) == QMessageBox::DestructiveRole) {
                b->click();
                poll->deleteLater();
                return;
            }
        }
    });
    poll->start(5);
    // No question (nothing was changed): the answer is not kept for later.
    QTimer::singleShot(3000, poll, &QObject::deleteLater);
}

// Answers the next file dialog with a file name.
inline void answerNextFileDialog(const QString &path)
{
    auto *poll = new QTimer(qApp); // freed with the application when never answered
    QObject::connect(poll, &QTimer::timeout, poll, [poll, path] {
        if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
            poll->deleteLater();
        }
    });
    poll->start(5);
}

} // namespace UiAutomation

#endif // UIAUTOMATION_H
