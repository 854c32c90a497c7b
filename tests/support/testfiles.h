#ifndef TESTFILES_H
#define TESTFILES_H

#include <QByteArray>
#include <QString>

// Small helpers for suites that work with files.
class TestFiles
{
public:
    static QByteArray read(const QString &path);
    static bool write(const QString &path, const QByteArray &bytes);
    // "0A 1B ..." for messages on failure.
    static QString hex(const QByteArray &bytes, int max = 64);
};

#endif // TESTFILES_H
