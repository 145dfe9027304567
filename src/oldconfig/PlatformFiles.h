#pragma once

// The few file operations whose meaning differs between POSIX and Windows,
// in one place. File names are std::filesystem::path throughout, which
// holds UTF-16 on Windows: a name outside the ANSI code page never passes
// through a narrow string on its way to the system.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace quorvix {
struct FileIdentity;
}

namespace quorvix::platform {

// A path as UTF-8 text and back, the same on every system. Plain
// std::string does not round-trip on Windows: libstdc++ gives a path's
// narrow string as UTF-8 but reads one in the ANSI code page.
inline std::string utf8Of(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

inline std::filesystem::path pathFromUtf8(std::string_view text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

// Opens `file` to write bytes. With `createNew` the call fails when anything
// exists under that name, which stays untouched; otherwise an existing file
// is truncated. Null when it cannot be opened.
std::FILE* openForWriting(const std::filesystem::path& file, bool createNew);

// Puts what was written to `stream` on the disk; false when that failed.
bool syncToDisk(std::FILE* stream);

// Makes a rename in `folder` survive a power cut, where the system needs
// that asked separately.
void syncFolder(const std::filesystem::path& folder);

// Whether this program may create files in `folder` now.
bool canCreateFilesIn(const std::filesystem::path& folder);

// The system's "do not write" flag of a file: all write bits cleared on
// POSIX, the read-only attribute on Windows. set returns false on failure;
// is returns false for a missing file.
bool setWriteProtected(const std::filesystem::path& file, bool on);
bool isWriteProtected(const std::filesystem::path& file);

// Renames `from` over `to` (or to a new name) in one step, a `to` marked
// with setWriteProtected included (Windows refuses to replace such a file,
// so its attribute is taken off for the rename and put back when the rename
// fails). False when the system refused; `to` is then as it was.
bool renameReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

#ifdef _WIN32
// Which file a name stands for now (volume serial and file index), with its
// size and last change; false when it is no regular file. POSIX takes the
// same from stat() where the file is read.
bool identityOf(const std::filesystem::path& file, FileIdentity& identity);

// Reads a whole regular file through one handle, so that its identity and
// its bytes belong to the same file even while it is being replaced. More
// than `limit` bytes are not read (TooLarge). May throw std::bad_alloc.
enum class WholeFile { Read, Missing, NotRegular, TooLarge, Unreadable };
WholeFile readWholeFile(const std::filesystem::path& file, std::uint64_t limit, std::string& bytes,
                        FileIdentity& identity);
#endif

} // namespace quorvix::platform
