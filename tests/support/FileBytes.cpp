#include "support/FileBytes.h"

#include <QFile>

namespace quorvix::test {

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("cannot read %s", qPrintable(path));
        return {};
    }
    return file.readAll();
}

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qWarning("cannot write %s", qPrintable(path));
        return false;
    }
    return file.write(bytes) == bytes.size();
}

QByteArray testData(const QString& relativePath)
{
    return readBytes(QStringLiteral(QUORVIX_TEST_DATA "/") + relativePath);
}

} // namespace quorvix::test
