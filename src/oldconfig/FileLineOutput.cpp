#include "oldconfig/FileLineOutput.h"

#include "oldconfig/ShownPath.h"

#include <cerrno>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace quorvix {
namespace {

// Large enough that a million-line config costs a few dozen system calls.
constexpr std::size_t kBlockSize = std::size_t{1} << 18;

std::FILE* openStream(const std::filesystem::path& file, FileLineOutput::Open mode)
{
    const bool createNew = mode == FileLineOutput::Open::CreateNew;
#ifdef _WIN32
    return _wfopen(file.c_str(), createNew ? L"wbx" : L"wb");
#else
    return std::fopen(file.c_str(), createNew ? "wbx" : "wb");
#endif
}

// Asks the system to put the file's blocks on the disk before the caller
// relies on them (for instance by renaming the file over an old one).
bool syncToDisk(std::FILE* stream)
{
#ifdef _WIN32
    return _commit(_fileno(stream)) == 0;
#else
    if (::fsync(::fileno(stream)) == 0)
        return true;
    // Devices and some file systems cannot sync; the data went through
    // write() without error, which is all that can be known there.
    return errno == EINVAL || errno == EROFS || errno == ENOTSUP;
#endif
}

} // namespace

FileLineOutput::FileLineOutput(const std::filesystem::path& file, Open mode,
                               const std::filesystem::path& shownAs)
    : m_file(file)
    , m_shownFile(shownAs.empty() ? file : shownAs)
    , m_stream(openStream(file, mode))
{
    if (!m_stream)
        throw FileError("Die Datei " + shownPath(m_shownFile) + " kann nicht angelegt werden.");
    m_buffer.reserve(kBlockSize + 1024);
}

FileLineOutput::~FileLineOutput()
{
    if (m_stream)
        std::fclose(m_stream);
}

void FileLineOutput::writeLine(std::string_view utf8)
{
    appendEncodedLine(m_buffer, utf8);
    if (m_buffer.size() >= kBlockSize)
        drain();
}

void FileLineOutput::writeRaw(std::string_view bytes)
{
    m_buffer += bytes;
    if (m_buffer.size() >= kBlockSize)
        drain();
}

void FileLineOutput::drain()
{
    if (!m_stream)
        fail();
    if (!m_buffer.empty()
        && std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_stream) != m_buffer.size())
        fail();
    m_buffer.clear();
}

void FileLineOutput::close()
{
    bool ok = true;
    try {
        drain();
    } catch (const FileError&) {
        ok = false;
    }
    if (!m_stream)
        fail();
    ok = ok && std::fflush(m_stream) == 0 && !std::ferror(m_stream);
    ok = ok && syncToDisk(m_stream);
    ok = std::fclose(m_stream) == 0 && ok;
    m_stream = nullptr;
    if (!ok)
        fail();
}

void FileLineOutput::fail() const
{
    throw FileError("Die Datei " + shownPath(m_shownFile)
                    + " konnte nicht vollst\u00E4ndig geschrieben werden"
                      " (ist der Datentr\u00E4ger voll?).");
}

} // namespace quorvix
