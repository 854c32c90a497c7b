#include "tests/xml/xmllint.h"

#include "xml/xmlnames.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryFile>
#include <QXmlStreamReader>

#include <algorithm>
#include <vector>

namespace {

bool run(const QStringList &args, const QByteArray &bytes, QByteArray *out, QByteArray *err)
{
    QTemporaryFile file;
    if (!file.open())
        return false;
    file.write(bytes);
    file.flush();
    QProcess p;
    p.start(QStringLiteral("xmllint"), QStringList(args) << file.fileName());
    if (!p.waitForFinished(60000))
        return false;
    if (out)
        *out = p.readAllStandardOutput();
    if (err)
        *err = p.readAllStandardError();
    return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

struct Node
{
    QString name;
    QString text;
    QStringList attrs;
    std::vector<Node> children;
};

QString dump(const Node &n)
{
    QString s = n.name;
    const QString t = n.text.trimmed();
    if (!t.isEmpty())
        s += QLatin1Char('=') + t;
    if (!n.attrs.isEmpty())
        s += QLatin1Char('[') + n.attrs.join(QLatin1Char(',')) + QLatin1Char(']');
    if (!n.children.empty()) {
        QStringList c;
        for (const Node &x : n.children)
            c << dump(x);
        s += QLatin1Char('{') + c.join(QLatin1Char(',')) + QLatin1Char('}');
    }
    return s;
}

} // namespace

bool XmlLint::available()
{
    return !QStandardPaths::findExecutable(QStringLiteral("xmllint")).isEmpty();
}

bool XmlLint::accepts(const QByteArray &bytes, QString *error)
{
    QByteArray err;
    const bool ok = run({QStringLiteral("--noout")}, bytes, nullptr, &err);
    if (error)
        *error = QString::fromLocal8Bit(err);
    return ok;
}

QByteArray XmlLint::canonical(const QByteArray &bytes)
{
    QByteArray out;
    return run({QStringLiteral("--c14n")}, bytes, &out, nullptr) ? out : QByteArray();
}

QString XmlLint::readBack(const QByteArray &bytes)
{
    const QByteArray c14n = canonical(bytes);
    if (c14n.isEmpty())
        return QStringLiteral("<xmllint failed>");
    QXmlStreamReader r(c14n);
    r.setNamespaceProcessing(false);
    std::vector<Node> stack;
    Node top;
    bool haveTop = false;
    while (!r.atEnd()) {
        switch (r.readNext()) {
        case QXmlStreamReader::StartElement: {
            Node n;
            n.name = XmlNames::decodeName(r.qualifiedName().toString());
            for (const auto &a : r.attributes())
                n.attrs << a.qualifiedName().toString() + QLatin1Char('=') + a.value().toString();
            std::sort(n.attrs.begin(), n.attrs.end());
            stack.push_back(n);
            break;
        }
        case QXmlStreamReader::Characters:
            // The reader here keeps the last run of text that is not white space.
            if (!stack.empty() && !r.text().trimmed().isEmpty())
                stack.back().text = r.text().toString();
            break;
        case QXmlStreamReader::EndElement: {
            Node n = stack.back();
            stack.pop_back();
            if (stack.empty()) {
                top = n;
                haveTop = true;
            } else {
                stack.back().children.push_back(n);
            }
            break;
        }
        default:
            break;
        }
    }
    if (r.hasError() || !haveTop)
        return QStringLiteral("<canonical form unreadable: %1>").arg(r.errorString());
    return dump(top);
}
