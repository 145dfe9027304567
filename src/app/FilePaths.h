#pragma once

#include <QString>

#include <filesystem>

namespace quorvix {

// A path as the file system calls of the engine take it, encoded the way Qt
// encodes file names on this system.
std::filesystem::path toFsPath(const QString& path);

// Whether two paths name the same existing file (links and relative forms
// resolved); false when either does not exist.
bool sameFile(const QString& a, const QString& b);

} // namespace quorvix
