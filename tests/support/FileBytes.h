#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace quorvix::test {

// Whole-file access for checks on what the program wrote; a failure is reported and gives an empty array / false.
inline QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        return file.readAll();
    qWarning("cannot read %s", qPrintable(path));
    return {};
}

inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size())
        return true;
    qWarning("cannot write %s", qPrintable(path));
    return false;
}

// A file from tests/data.
inline QByteArray testData(const QString& path) { return readBytes(QStringLiteral(QUORVIX_TEST_DATA "/") + path); }

} // namespace quorvix::test
