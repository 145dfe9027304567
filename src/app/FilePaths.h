#pragma once

#include <QString>

#include <filesystem>

namespace quorvix {

// A path as the file system calls of the engine take it. File names are
// bytes on Linux and need not be UTF-8; a byte that is no UTF-8 travels in
// a QString as the lone surrogate U+DC80 + byte, so that the file chosen is
// the file read, backed up and replaced, whatever its name holds.
std::filesystem::path toFsPath(const QString& path);
QString fromFsPath(const std::filesystem::path& path);

// Qt's file dialog shows a name that is no UTF-8 with U+FFFD in it; the
// file of that folder whose name shows that way is the one meant.
QString recoverChosenPath(const QString& shown);

// Whether two paths name the same existing file (links and relative forms
// resolved); false when either does not exist.
bool sameFile(const QString& a, const QString& b);

} // namespace quorvix
