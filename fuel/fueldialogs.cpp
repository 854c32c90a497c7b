#include "fuel/fueldialogs.h"

#include "core/orv_messagebox.h"

#include <QCoreApplication>
#include <QFileDialog>

namespace {
QString text(const char *key)
{
    return QCoreApplication::translate("ORV_FormFuelSensor", key);
}
} // namespace

FuelDialogs FuelDialogs::standard()
{
    FuelDialogs d;
    d.ask = [](QWidget *parent, const QString &title, const QString &message) {
        return ORV_MessageBox::ask(parent, QMessageBox::Warning, title, message, text("K4810_001"),
                                   text("K4810_002"));
    };
    d.tell = [](QWidget *parent, const QString &title, const QString &message) {
        ORV_MessageBox::notify(parent, QMessageBox::Warning, title, message, text("K4810_003"));
    };
    d.openFile = [](QWidget *parent, const QString &caption, const QString &path, const QString &filter) {
        return QFileDialog::getOpenFileName(parent, caption, path, filter);
    };
    d.saveFile = [](QWidget *parent, const QString &caption, const QString &path, const QString &filter) {
        return QFileDialog::getSaveFileName(parent, caption, path, filter);
    };
    return d;
}
