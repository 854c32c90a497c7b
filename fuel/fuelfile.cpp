#include "fuel/fuelfile.h"

#include "xml/cserialize.h"
#include "xml/settingssection.h"

#include <QFileInfo>

namespace {

const QString kTable = QStringLiteral("TABLE");
const QString kData = QStringLiteral("DATA");

// Fills a new document with the content.
bool fill(CSerialize &doc, std::unique_ptr<SettingsSection> top, const FuelFileContent &c)
{
    if (!top)
        return false;
    std::unique_ptr<SettingsSection> root = top->section(QString::fromLatin1(FuelFile::kRoot));
    if (!root)
        return false;
    root->setText(QStringLiteral("model"), c.model);
    root->setText(QStringLiteral("type"), c.type);
    root->commit();
    root->addValue(QStringLiteral("imei"), c.imei);
    root->addValue(QStringLiteral("objName"), c.objectName);
    root->addValue(c.nameElement.isEmpty() ? QStringLiteral("Name_A") : c.nameElement, c.sensorName);
    std::unique_ptr<SettingsSection> table = root->section(kTable);
    if (!table)
        return false;
    for (const FuelFileRow &row : c.rows) {
        std::unique_ptr<SettingsSection> data = table->section(kData, 3);
        if (!data)
            return false;
        data->setText(QStringLiteral("param_U"), row.volume);
        data->setText(QStringLiteral("param_V"), row.reading);
        data->commit();
    }
    Q_UNUSED(doc);
    return true;
}

FuelFile::ReadResult readDocument(CSerialize &doc, std::unique_ptr<SettingsSection> top)
{
    FuelFile::ReadResult r;
    if (!top) {
        r.status = FuelFile::Unreadable;
        r.error = doc.errorText();
        return r;
    }
    if (top->isDocument()) {
        r.status = FuelFile::Unreadable;
        r.error = QStringLiteral("the file holds no element");
        return r;
    }
    if (top->name() != QLatin1String(FuelFile::kRoot)) {
        r.status = FuelFile::NotCalibration;
        r.error = QStringLiteral("the root element is \"%1\", not \"%2\"").arg(top->name(), QLatin1String(FuelFile::kRoot));
        return r;
    }
    FuelFileContent &c = r.content;
    c.model = top->getText(QStringLiteral("model"));
    c.type = top->getText(QStringLiteral("type"));
    c.imei = top->getText(QStringLiteral("imei"));
    c.objectName = top->getText(QStringLiteral("objName"));
    // Whichever name element the file holds; the one the type is written
    // with by the live window first.
    const QString preferred = c.type == QLatin1String("A1") ? QStringLiteral("Name_A") : QStringLiteral("Name_A1");
    const QString other = preferred == QLatin1String("Name_A") ? QStringLiteral("Name_A1") : QStringLiteral("Name_A");
    for (const QString &name : {preferred, other}) {
        if (top->contains(name)) {
            c.nameElement = name;
            c.sensorName = top->getText(name);
            break;
        }
    }
    // The rows one by one, each through a handle of its own: a search by name
    // among thousands of siblings of one name costs more than a walk.
    if (CXmlElement *table = top->element()->firstChild(kTable)) {
        for (CXmlElement *e : table->children()) {
            if (e->name() != kData)
                continue;
            if (std::unique_ptr<SettingsSection> row = doc.handle(e))
                c.rows << FuelFileRow{row->getText(QStringLiteral("param_U")), row->getText(QStringLiteral("param_V"))};
        }
    }
    r.status = c.model == QLatin1String(FuelFile::kModel) ? FuelFile::Ok : FuelFile::WrongModel;
    return r;
}

} // namespace

bool FuelFile::write(const QString &path, const FuelFileContent &content, QString *error)
{
    CSerialize doc;
    if (!fill(doc, doc.openNew(path), content)) {
        if (error)
            *error = QStringLiteral("the document could not be built");
        doc.close(false);
        return false;
    }
    if (!doc.close(true)) {
        if (error)
            *error = doc.errorText();
        return false;
    }
    return true;
}

QByteArray FuelFile::toBytes(const FuelFileContent &content, QString *error)
{
    CSerialize doc;
    if (!fill(doc, doc.openBuffer(QByteArray()), content))
        return {};
    return doc.toByteArray(error);
}

FuelFile::ReadResult FuelFile::read(const QString &path)
{
    // Opening a path that does not exist would create the file.
    const QFileInfo info(path);
    if (!info.exists()) {
        ReadResult r;
        r.status = Missing;
        r.error = QStringLiteral("the file does not exist");
        return r;
    }
    if (!info.isFile()) {
        ReadResult r;
        r.status = Unreadable;
        r.error = QStringLiteral("this is a folder, not a file");
        return r;
    }
    CSerialize doc;
    return readDocument(doc, doc.open(path));
}

FuelFile::ReadResult FuelFile::readBytes(const QByteArray &bytes)
{
    CSerialize doc;
    return readDocument(doc, doc.openBuffer(bytes));
}
