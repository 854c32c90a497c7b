#include "settings/pages/orv_forminfo.h"

#include "ui_orv_forminfo.h"

#include "core/localizedfile.h"

#include <QFileInfo>
#include <QUrl>

ORV_FormInfo::ORV_FormInfo(orv_FormXml_K4810 *editor, QWidget *parent)
    : ORV_SettingsPage(editor, parent)
    , ui(new Ui::ORV_FormInfoClass)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("ORV_FormInfoClass"));
    ui->Info_textBrowser->setOpenLinks(false);
    // In the language of the plug-in's texts when there is a twin in it;
    // a missing document leaves the browser empty.
    const QString document = LocalizedFile::resolve(QString::fromLatin1(kDocument));
    if (QFileInfo::exists(document))
        ui->Info_textBrowser->setSource(QUrl::fromLocalFile(QFileInfo(document).absoluteFilePath()));
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
