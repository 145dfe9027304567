#include "oldconfig/PlatformFiles.h"

#include "oldconfig/LoadedConfig.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace quorvix::platform {

#ifdef _WIN32

namespace {

// FILE_ATTRIBUTE_NORMAL is only valid alone, and no attributes at all
// must be said as NORMAL.
bool setAttributes(const fs::path& file, DWORD attributes)
{
    attributes &= ~DWORD{FILE_ATTRIBUTE_NORMAL};
    return ::SetFileAttributesW(file.c_str(), attributes ? attributes : FILE_ATTRIBUTE_NORMAL) != 0;
}

} // namespace

std::FILE* openForWriting(const fs::path& file, bool createNew)
{
    // The C runtime MinGW links (msvcrt) ignores fopen's "x": only _O_EXCL,
    // which becomes CREATE_NEW, refuses a file that exists.
    const int flags = _O_WRONLY | _O_BINARY | _O_CREAT | (createNew ? _O_EXCL : _O_TRUNC);
    const int fd = ::_wopen(file.c_str(), flags, _S_IREAD | _S_IWRITE);
    if (fd < 0)
        return nullptr;
    std::FILE* stream = ::_fdopen(fd, "wb");
    if (!stream)
        ::_close(fd);
    return stream;
}

bool syncToDisk(std::FILE* stream)
{
    return ::_commit(::_fileno(stream)) == 0;
}

void syncFolder(const fs::path&)
{
    // The rename is written through (MOVEFILE_WRITE_THROUGH) already.
}

// Folder attributes and permission bits say nothing about whether a user may
// write there (C:\Program Files reports writable to everyone); only trying
// tells. The probe is gone again when its handle closes.
bool canCreateFilesIn(const fs::path& folder)
{
    for (unsigned attempt = 0; attempt < 16; ++attempt) {
        const fs::path probe = folder / (L".quorvix-probe-" + std::to_wstring(::GetCurrentProcessId()) + L"-"
                                         + std::to_wstring(::GetTickCount64() + attempt) + L".tmp");
        const HANDLE handle = ::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                            FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_TEMPORARY
                                                | FILE_FLAG_DELETE_ON_CLOSE,
                                            nullptr);
        if (handle != INVALID_HANDLE_VALUE) {
            ::CloseHandle(handle);
            return true;
        }
        if (::GetLastError() != ERROR_FILE_EXISTS)
            return false;
    }
    return false;
}

bool setWriteProtected(const fs::path& file, bool on)
{
    const DWORD attributes = ::GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    return setAttributes(file, on ? attributes | FILE_ATTRIBUTE_READONLY
                                  : attributes & ~DWORD{FILE_ATTRIBUTE_READONLY});
}

bool isWriteProtected(const fs::path& file)
{
    const DWORD attributes = ::GetFileAttributesW(file.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

// MoveFileExW rather than ReplaceFileW: the new file keeps what it was made
// with (its security from the folder, its own attributes), just as a rename
// on POSIX does, and a missing `to` is no special case.
bool renameReplacing(const fs::path& from, const fs::path& to)
{
    const DWORD attributes = ::GetFileAttributesW(to.c_str());
    const bool marked = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
    if (marked && !setAttributes(to, attributes & ~DWORD{FILE_ATTRIBUTE_READONLY}))
        return false;
    if (::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    if (marked)
        setAttributes(to, attributes);
    return false;
}

namespace {

class Handle {
public:
    // Opened for `access`, shared with everyone so that the game or a second
    // Quorvix is never locked out; folders open too, to be told apart.
    Handle(const fs::path& file, DWORD access)
        : m_handle(::CreateFileW(file.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr))
    {
    }
    ~Handle() { if (m_handle != INVALID_HANDLE_VALUE) ::CloseHandle(m_handle); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return m_handle; }

    // False for a folder, a device or a pipe.
    bool regularFileIdentity(FileIdentity& identity) const
    {
        BY_HANDLE_FILE_INFORMATION info {};
        if (::GetFileType(m_handle) != FILE_TYPE_DISK || !::GetFileInformationByHandle(m_handle, &info)
            || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            return false;
        const auto join = [](DWORD high, DWORD low) { return (std::uint64_t{high} << 32) | low; };
        // FILETIME counts 100 ns steps.
        identity = {info.dwVolumeSerialNumber, join(info.nFileIndexHigh, info.nFileIndexLow),
                    join(info.nFileSizeHigh, info.nFileSizeLow),
                    static_cast<std::int64_t>(join(info.ftLastWriteTime.dwHighDateTime,
                                                   info.ftLastWriteTime.dwLowDateTime)) * 100};
        return true;
    }

private:
    HANDLE m_handle;
};

} // namespace

bool identityOf(const fs::path& file, FileIdentity& identity)
{
    const Handle handle(file, FILE_READ_ATTRIBUTES);
    return handle.get() != INVALID_HANDLE_VALUE && handle.regularFileIdentity(identity);
}

WholeFile readWholeFile(const fs::path& file, std::uint64_t limit, std::string& bytes, FileIdentity& identity)
{
    const Handle handle(file, GENERIC_READ);
    if (handle.get() == INVALID_HANDLE_VALUE) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? WholeFile::Missing
                                                                               : WholeFile::Unreadable;
    }
    if (!handle.regularFileIdentity(identity))
        return WholeFile::NotRegular;
    if (identity.size > limit)
        return WholeFile::TooLarge;
    // A file still growing stops at the limit plus one byte.
    bytes.resize(static_cast<std::size_t>(identity.size) + 1);
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (done > limit)
                return WholeFile::TooLarge;
            bytes.resize(static_cast<std::size_t>(std::min<std::uint64_t>(done * 2, limit + 1)));
        }
        DWORD got = 0;
        const auto wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        if (!::ReadFile(handle.get(), bytes.data() + done, wanted, &got, nullptr))
            return WholeFile::Unreadable;
        if (got == 0)
            break;
        done += got;
    }
    bytes.resize(done);
    return WholeFile::Read;
}

#else

std::FILE* openForWriting(const fs::path& file, bool createNew)
{
    return std::fopen(file.c_str(), createNew ? "wbx" : "wb");
}

bool syncToDisk(std::FILE* stream)
{
    if (::fsync(::fileno(stream)) == 0)
        return true;
    // Devices and some file systems cannot sync; the data went through
    // write() without error, which is all that can be known there.
    return errno == EINVAL || errno == EROFS || errno == ENOTSUP;
}

void syncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool canCreateFilesIn(const fs::path& folder)
{
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool setWriteProtected(const fs::path& file, bool on)
{
    constexpr fs::perms kAllWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    std::error_code ec;
    fs::permissions(file, on ? kAllWrite : fs::perms::owner_write,
                    on ? fs::perm_options::remove : fs::perm_options::add, ec);
    return !ec;
}

bool isWriteProtected(const fs::path& file)
{
    std::error_code ec;
    const auto status = fs::status(file, ec);
    return !ec && fs::exists(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

bool renameReplacing(const fs::path& from, const fs::path& to)
{
    std::error_code ec;
    fs::rename(from, to, ec);
    return !ec;
}

#endif

} // namespace quorvix::platform
