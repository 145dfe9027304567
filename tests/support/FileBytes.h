#pragma once

#include <QByteArray>
#include <QString>

namespace quorvix::test {

// Whole-file access for checks on what the program wrote; a failure fails
// the running test and returns an empty array / false.
QByteArray readBytes(const QString& path);
bool writeBytes(const QString& path, const QByteArray& bytes);
// A file from tests/data.
QByteArray testData(const QString& relativePath);

} // namespace quorvix::test
