#include "settings/pages/orv_forminfo.h"

#include "ui_orv_forminfo.h"

#include <QFileInfo>
#include <QUrl>

ORV_FormInfo::ORV_FormInfo(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_SettingsPage(editor, parent)
    , ui(new Ui::ORV_FormInfoClass)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("ORV_FormInfoClass"));
    ui->Info_textBrowser->setOpenLinks(false);
    // A missing document leaves the browser empty.
    if (QFileInfo::exists(QString::fromLatin1(kDocument)))
        ui->Info_textBrowser->setSource(QUrl::fromLocalFile(QFileInfo(QString::fromLatin1(kDocument)).absoluteFilePath()));
}

ORV_FormInfo::~ORV_FormInfo() = default;

QString ORV_FormInfo::title() const
{
    return tr("K4810_049");
}

QTextBrowser *ORV_FormInfo::browser() const
{
    return ui->Info_textBrowser;
}
